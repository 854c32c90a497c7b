#ifndef TRACKERREQUEST_H
#define TRACKERREQUEST_H

#include "accessories/trackersend.h"

#include <QByteArray>
#include <QObject>

class QTimer;

// One request at a time to the tracker, for the accessory exchanges: the
// injected send, a limit on the answer, and sending without recursion.
//
// A request made while the host is still inside the send of the one before
// (a host that answers inside send, and an exchange that asks for the next
// block from the answer's handler) is not sent one call deeper: the loop
// of the outer send sends it when that call returns. An exchange therefore
// never nests deeper than one send, however many blocks it moves.
class TrackerRequest : public QObject
{
    Q_OBJECT

public:
    explicit TrackerRequest(TrackerSend send, int timeoutMs, QObject *parent = nullptr);
    ~TrackerRequest() override;

    // p1 = the address of a copy of bytes (0 when empty), kept until the
    // send returns; p2 as given (the count for a buffer, 0 for a value).
    void sendBytes(uint32_t msgId, const QByteArray &bytes, intptr_t p2);
    // p1 and p2 as plain integers.
    void sendPlain(uint32_t msgId, intptr_t p1 = 0, intptr_t p2 = 0);

    // The answer came: the limit stops.
    void answered();
    // Forgets a request not yet sent and stops the limit.
    void cancel();
    bool isWaiting() const;
    int timeout() const { return m_timeoutMs; }

signals:
    // The limit ran out before answered() or cancel().
    void timedOut();

private:
    void sendDue();

    TrackerSend m_send;
    QTimer *m_timer;
    const int m_timeoutMs;
    bool m_sending = false;
    bool m_due = false;
    uint32_t m_dueMessage = 0;
    bool m_dueIsBytes = false;
    QByteArray m_dueBytes;
    intptr_t m_dueP1 = 0;
    intptr_t m_dueP2 = 0;
    QByteArray m_sentBytes; // read by the host during the send
};

#endif // TRACKERREQUEST_H
