#ifndef TMIREQUEST_H
#define TMIREQUEST_H

#include <QObject>

#include <cstdint>
#include <functional>

class QTimer;

// The telemetry window's requests that wait for an answer, one at a time:
// a page (current, previous, next, at a time), the page of the balance
// check, a step of clearing the servers' buffers, a touch-memory key, an
// RFID tag and the operator's balance answer. An exchange with no widget:
//
//   Idle ── start() ──▶ Waiting ── answer(kind) ──────────▶ Idle
//                         ├── no answer within the limit ─▶ Idle, ended(kind, Timeout)
//                         ├── cancel() ───────────────────▶ Idle, ended(kind, Cancelled)
//                         └── setOnline(false) ───────────▶ Idle, ended(kind, Detached)
//
// Once it is Idle again an answer of the ended request is late: answer()
// returns false and the window drops it. While the tracker is detached
// start() sends nothing and returns false.
class TmiRequest : public QObject
{
    Q_OBJECT

public:
    enum class Kind { None, Page, BalancePage, Clear, TouchMemory, Rfid, Balance };
    Q_ENUM(Kind)
    enum class End { Timeout, Cancelled, Detached };
    Q_ENUM(End)

    using Send = std::function<void(uint32_t msgId, intptr_t p1, intptr_t p2)>;

    static constexpr int DefaultTimeoutMs = 15000;

    explicit TmiRequest(Send send, QObject *parent = nullptr);
    ~TmiRequest() override;

    // Milliseconds a request waits for its answer.
    void setTimeout(int milliseconds);
    int timeout() const { return m_timeoutMs; }

    void setOnline(bool online);
    bool isOnline() const { return m_online; }

    // Sends the request and waits for an answer of `kind`. A limit of 0
    // leaves the end to the caller (cancel()); -1 takes timeout(). False,
    // and nothing sent, while detached or while another request waits.
    bool start(Kind kind, uint32_t msgId, intptr_t p1 = 0, intptr_t p2 = 0, int limitMs = -1);
    // An answer of `kind` came: true when it was waited for (the request
    // ends), false when nothing of that kind waits (a late answer).
    bool answer(Kind kind);
    // Ends the waiting request; its answer, if it comes, is late.
    void cancel();

    bool isWaiting() const { return m_kind != Kind::None; }
    Kind waiting() const { return m_kind; }

signals:
    // A request ended without its answer.
    void ended(TmiRequest::Kind kind, TmiRequest::End end);

private:
    void finish(End end);

    Send m_send;
    QTimer *m_timer;
    int m_timeoutMs = DefaultTimeoutMs;
    bool m_online = true;
    Kind m_kind = Kind::None;
};

#endif // TMIREQUEST_H
