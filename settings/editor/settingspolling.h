#ifndef SETTINGSPOLLING_H
#define SETTINGSPOLLING_H

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <cstdint>
#include <functional>

class QTimer;

// The settings pages' requests to the tracker and the live-value polling,
// shared by all pages of the editor: which request was sent, which answers
// it waits for and which page is waiting. The editor routes an answer to
// the page this service names for it (waiter()); an answer no page is
// waiting for is dropped.
//
// A page's requests:
//  - request(): one request; its answers go to the page until the first of
//    them arrives (a stream request: until the page stops);
//  - start(): live polling; the request now, and again `interval` ms after
//    each answer, so at most one is outstanding.
// Nothing is sent offline. Going offline, stop(page) (the user left the
// page) and stopAll() (the window closed) forget the page's waits and end
// its polling; stopped(page) then tells it to reset its live controls.
//
// A request the tracker leaves unanswered for answerTimeout() ms ends: its
// waits are forgotten (a later answer is dropped), a polling ends as if
// stopped, and timedOut(page, msgId) tells the editor. A stream is limited
// until its first answer; a request whose exchange keeps its own limit
// (Request::ownLimit) is not limited here.
class SettingsPolling : public QObject
{
    Q_OBJECT

public:
    using Send = std::function<int32_t(uint32_t msgId, intptr_t p1, intptr_t p2)>;

    enum class State {
        Idle,    // not polling
        Waiting, // a polling request is outstanding
        Resting, // the answer came; the timer runs until the next request
    };

    // A request: the message and its parameters, or bytes whose address is
    // sent as p1 (kept alive here); the answers that end its wait.
    struct Request
    {
        uint32_t msgId = 0;
        intptr_t p1 = 0;
        intptr_t p2 = 0;
        QByteArray bytes;
        QList<uint32_t> answers;
        bool ownLimit = false;

        bool isValid() const { return msgId != 0; }
    };

    static constexpr int DefaultInterval = 3000;
    static constexpr int DefaultAnswerTimeout = 15000;

    explicit SettingsPolling(Send send, QObject *parent = nullptr);
    ~SettingsPolling() override;

    void setOnline(bool online);
    bool isOnline() const { return m_online; }

    // One request of a page; false (nothing sent, nothing awaited) offline.
    bool request(QObject *page, const Request &request, bool stream = false);

    // Live polling for a page (any earlier polling ends first); false offline.
    bool start(QObject *page, const Request &request, int intervalMs);
    // Sends the polling request again now (when nothing is outstanding).
    bool pollNow();
    // Ends the page's polling and forgets its waits.
    void stop(QObject *page);
    void stopAll();

    State state() const { return m_state; }
    bool isPolling() const { return m_state != State::Idle; }
    bool isAwaitingAnswer() const { return m_state == State::Waiting; }
    QObject *pollingPage() const { return m_state == State::Idle ? nullptr : m_page.data(); }
    int interval() const { return m_interval; }
    void setAnswerTimeout(int milliseconds);
    int answerTimeout() const { return m_answerTimeout; }
    QTimer *timer() const { return m_timer; }

    // The page waiting for an answer of that number, or null.
    QObject *waiter(uint32_t answer) const;
    // The editor handed an answer to its page: a single request's wait
    // ends; the polling rests until its next request, or ends when the
    // answer says the cycle is over.
    void answered(uint32_t answer, bool cycleGoesOn = true);

signals:
    // The page's polling ended (offline, stopped, or its cycle over).
    void stopped(QObject *page);
    // A request of the page (msgId) was not answered in time; its waits are gone.
    void timedOut(QObject *page, uint32_t msgId);

private:
    struct Wait
    {
        QPointer<QObject> page;
        bool stream = false;
        bool polling = false;
        uint32_t request = 0; // the message that asked
        qint64 deadline = -1; // on m_clock; -1: none
    };

    bool send(const Request &request);
    void tick();
    void endPolling(bool notify);
    void forget(QObject *page);
    qint64 deadline() const;
    void setPollingDeadline(qint64 deadline);
    void armLimit();
    void onLimit();

    Send m_send;
    bool m_online = false;
    QHash<uint32_t, Wait> m_waits;
    QByteArray m_bytes; // of the request last sent
    QTimer *m_timer;
    State m_state = State::Idle;
    QPointer<QObject> m_page;
    Request m_request;
    int m_interval = DefaultInterval;
    int m_answerTimeout = DefaultAnswerTimeout;
    QTimer *m_limitTimer;
    QElapsedTimer m_clock;
};

#endif // SETTINGSPOLLING_H
