#ifndef TMIDOWNLOAD_H
#define TMIDOWNLOAD_H

#include "telemetry/f8record.h"
#include "telemetry/tmidownloadlist.h"

#include <QDateTime>
#include <QObject>

#include <cstdint>
#include <functional>

class QTimer;

// What a page answer (2024 and the like) holds, read as far as its layout
// needs: nothing usable, an F6/F8 page, a first-generation masked record,
// or a second-generation (masked or extended) record.
namespace TmiPageAnswer {

enum class Held { Nothing, F8Page, FirstGeneration, SecondGeneration };

// The answer's record starts after a prefix of 3 bytes, or 13 for the
// answers to requests by time.
constexpr int Prefix = 3;
constexpr int ShowPrefix = 13;

Held held(const uchar *data, int length, int prefix);

} // namespace TmiPageAnswer

// The download of every page of an interval: an exchange with the tracker,
// with no widget. The window starts it, passes it the page answers and
// shows what it reports; requests leave through the injected send.
//
// 1. 2016 asks for the first page at or after the interval's start;
// 2. 2015 asks for the last page at or before its end (kept aside);
// 3. 2014 asks for each page in between, by number.
//
// Pages are kept once each and in page order: a page the tracker sends
// again, or one outside the interval, is dropped; an older page than the
// one asked for is asked for again (twice at most), and a page beyond it
// moves the next request past it. Pages are filed by their record type
// (TmiDownloadList::Kind), whatever the window shows.
//
// Every request has a timeout: an answer that never comes ends the
// download with Failure::Timeout. The next request leaves from the event
// loop, never from inside the handling of an answer: with a host that
// answers inside send, requests follow one another in a loop that gives
// the event loop its turn after RequestSliceMs.
class TmiDownload : public QObject
{
    Q_OBJECT

public:
    enum class State {
        Idle,
        WaitingFirst, // 2016 sent: the interval's first page
        WaitingLast,  // 2015 sent: the interval's last page
        WaitingPages, // 2014 sent for the pages in between
        Complete,     // every page in, in pages(), until clear()
    };
    Q_ENUM(State)
    enum class Failure {
        Unreadable,        // an answer held no page that can be read
        NoPageAfterFirst,  // the last page is not after the first
        Timeout,           // a request was not answered in time
    };
    Q_ENUM(Failure)

    using Send = std::function<void(uint32_t msgId, intptr_t p1, intptr_t p2)>;

    static constexpr int DefaultTimeoutMs = 30000;
    static constexpr int RequestSliceMs = 20;
    static constexpr int RepeatRetries = 2;

    explicit TmiDownload(Send send, QObject *parent = nullptr);
    ~TmiDownload() override;

    // Milliseconds a request may wait for its answer.
    void setTimeout(int milliseconds);
    int timeout() const { return m_timeoutMs; }

    // Asks for the interval between two tracker times. False, and nothing
    // sent, while a download runs or its pages are not cleared.
    bool start(const QDateTime &first, const QDateTime &last);
    // Ends a running download; nothing is kept. The answer to the request in
    // flight is still taken (and dropped) if it comes before its timeout or
    // before the window sends another request.
    void cancel();
    // The window sends a request of its own: from now on an answer is its
    // answer, not a late one of a cancelled download.
    void otherRequestSent();
    // After Complete, once the pages are written: their memory goes.
    void clear();
    // After Complete: hands the pages over (for the window to keep for its
    // analysis) and goes back to Idle, as clear(). Empty in any other state.
    TmiDownloadList takePages();

    // A page answer. True when it belonged to the download (kept or
    // dropped); false when the window should handle it.
    bool takeAnswer(const uchar *data, int length);

    State state() const { return m_state; }
    bool isRunning() const
    {
        return m_state == State::WaitingFirst || m_state == State::WaitingLast || m_state == State::WaitingPages;
    }
    // Waiting for the late answer of a cancelled request.
    bool isDraining() const { return m_draining; }
    // The pages kept so far (all of them once Complete); the interval's last
    // page is held aside until the pages before it are in.
    const TmiDownloadList &pages() const { return m_list; }
    quint32 firstNumber() const { return m_firstNumber; }
    quint32 lastNumber() const { return m_lastNumber; }
    // The number asked for last.
    quint32 requestedNumber() const { return m_requestedNumber; }

signals:
    void stateChanged(TmiDownload::State state);
    // The first and last page numbers are known.
    void intervalKnown(quint32 first, quint32 last);
    // A page answer was handled while the pages come in.
    void pageReceived(quint32 number);
    // Every page is in (queued: never inside the handling of an answer).
    void finished();
    // The download ended without its pages.
    void failed(TmiDownload::Failure failure);

private:
    struct Taken
    {
        TmiDownloadList::Kind kind = TmiDownloadList::F8;
        F8Record record;           // F6/F8 and first-generation pages, in the F8 form
        const uchar *raw = nullptr; // second-generation pages, as received
        int rawLength = 0;
        quint32 number = 0;
    };
    static bool read(const uchar *data, int length, int prefix, Taken *page);
    static void keep(const Taken &page, TmiDownloadList &into);

    void setState(State state);
    void fail(Failure failure);
    void queueRequest();
    void sendRequests(quint64 generation);
    void sendRequest();
    void complete();
    void onTimeout();

    Send m_send;
    QTimer *m_timer = nullptr;
    int m_timeoutMs = DefaultTimeoutMs;
    State m_state = State::Idle;
    quint64 m_generation = 0;
    bool m_outstanding = false;
    bool m_draining = false;
    bool m_sending = false;  // inside the request loop of sendRequests
    bool m_due = false;      // an answer inside send asked for the next request

    TmiDownloadList m_list;
    TmiDownloadList m_lastPage;
    QDateTime m_lastTime;
    quint32 m_firstNumber = 0;
    quint32 m_lastNumber = 0;
    quint32 m_requestedNumber = 0;
    quint32 m_keptNumber = 0;
    int m_retries = 0;
    Taken m_taken;

    // Read by the host through pointers during send.
    quint32 m_requestNumber = 0;
    QDateTime m_requestTime;
};

#endif // TMIDOWNLOAD_H
