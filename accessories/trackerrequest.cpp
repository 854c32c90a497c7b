#include "accessories/trackerrequest.h"

#include <QPointer>
#include <QTimer>

TrackerRequest::TrackerRequest(TrackerSend send, int timeoutMs, QObject *parent)
    : QObject(parent)
    , m_send(std::move(send))
    , m_timer(new QTimer(this))
    , m_timeoutMs(qMax(1, timeoutMs))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(m_timeoutMs);
    connect(m_timer, &QTimer::timeout, this, &TrackerRequest::timedOut);
}

TrackerRequest::~TrackerRequest() = default;

void TrackerRequest::sendBytes(uint32_t msgId, const QByteArray &bytes, intptr_t p2)
{
    m_dueMessage = msgId;
    m_dueIsBytes = true;
    m_dueBytes = bytes;
    m_dueP1 = 0;
    m_dueP2 = p2;
    m_due = true;
    m_timer->start();
    if (!m_sending)
        sendDue();
}

void TrackerRequest::sendPlain(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    m_dueMessage = msgId;
    m_dueIsBytes = false;
    m_dueBytes.clear();
    m_dueP1 = p1;
    m_dueP2 = p2;
    m_due = true;
    m_timer->start();
    if (!m_sending)
        sendDue();
}

void TrackerRequest::sendDue()
{
    QPointer<TrackerRequest> self(this);
    m_sending = true;
    while (m_due) {
        m_due = false;
        intptr_t p1 = m_dueP1;
        if (m_dueIsBytes) {
            m_sentBytes = m_dueBytes;
            p1 = m_sentBytes.isEmpty() ? 0 : reinterpret_cast<intptr_t>(m_sentBytes.constData());
        }
        if (m_send)
            m_send(m_dueMessage, p1, m_dueP2);
        if (!self)
            return;
    }
    m_sending = false;
}

void TrackerRequest::answered()
{
    m_timer->stop();
}

void TrackerRequest::cancel()
{
    m_due = false;
    m_timer->stop();
}

bool TrackerRequest::isWaiting() const
{
    return m_timer->isActive();
}
