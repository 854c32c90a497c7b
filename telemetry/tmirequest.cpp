#include "telemetry/tmirequest.h"

#include <QTimer>

TmiRequest::TmiRequest(Send send, QObject *parent)
    : QObject(parent)
    , m_send(std::move(send))
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (isWaiting())
            finish(End::Timeout);
    });
}

TmiRequest::~TmiRequest() = default;

void TmiRequest::setTimeout(int milliseconds)
{
    m_timeoutMs = qMax(1, milliseconds);
}

void TmiRequest::setOnline(bool online)
{
    m_online = online;
    if (!online && isWaiting())
        finish(End::Detached);
}

bool TmiRequest::start(Kind kind, uint32_t msgId, intptr_t p1, intptr_t p2, int limitMs)
{
    if (!m_online || isWaiting() || kind == Kind::None)
        return false;
    m_kind = kind;
    const int limit = limitMs < 0 ? m_timeoutMs : limitMs;
    if (limit > 0)
        m_timer->start(limit);
    // The host may answer inside the call: the request waits before it leaves.
    if (m_send)
        m_send(msgId, p1, p2);
    return true;
}

bool TmiRequest::answer(Kind kind)
{
    if (kind == Kind::None || m_kind != kind)
        return false;
    m_timer->stop();
    m_kind = Kind::None;
    return true;
}

void TmiRequest::cancel()
{
    if (isWaiting())
        finish(End::Cancelled);
}

void TmiRequest::finish(End end)
{
    const Kind kind = m_kind;
    m_timer->stop();
    m_kind = Kind::None;
    emit ended(kind, end);
}
