#include "settings/editor/settingspolling.h"

#include <QTimer>

SettingsPolling::SettingsPolling(Send send, QObject *parent)
    : QObject(parent)
    , m_send(std::move(send))
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &SettingsPolling::tick);
}

SettingsPolling::~SettingsPolling() = default;

void SettingsPolling::setOnline(bool online)
{
    if (m_online == online)
        return;
    m_online = online;
    if (!online)
        stopAll();
}

bool SettingsPolling::send(const Request &request)
{
    if (!m_online || !request.isValid())
        return false;
    intptr_t p1 = request.p1;
    if (!request.bytes.isEmpty()) {
        m_bytes = request.bytes;
        p1 = reinterpret_cast<intptr_t>(m_bytes.constData());
    }
    if (m_send)
        m_send(request.msgId, p1, request.p2);
    return true;
}

bool SettingsPolling::request(QObject *page, const Request &request, bool stream)
{
    if (!m_online || !request.isValid())
        return false;
    for (uint32_t answer : request.answers) {
        const auto it = m_waits.constFind(answer);
        // A polling wait stays with its poll; a single request does not take it over.
        if (it != m_waits.constEnd() && it->polling && it->page && isPolling())
            continue;
        m_waits.insert(answer, Wait{page, stream, false});
    }
    // The answer may come from inside send: the waits are in place first.
    return send(request);
}

bool SettingsPolling::start(QObject *page, const Request &request, int intervalMs)
{
    endPolling(m_page != page);
    if (!m_online || !request.isValid() || !page)
        return false;
    m_page = page;
    m_request = request;
    m_interval = intervalMs > 0 ? intervalMs : DefaultInterval;
    for (uint32_t answer : request.answers)
        m_waits.insert(answer, Wait{page, false, true});
    m_state = State::Waiting;
    send(m_request);
    return true;
}

bool SettingsPolling::pollNow()
{
    if (m_state == State::Idle || !m_online)
        return false;
    m_timer->stop();
    m_state = State::Waiting;
    return send(m_request);
}

void SettingsPolling::tick()
{
    if (m_state != State::Resting)
        return;
    if (!m_online || !m_page) {
        endPolling(true);
        return;
    }
    m_state = State::Waiting;
    send(m_request);
}

QObject *SettingsPolling::waiter(uint32_t answer) const
{
    const auto it = m_waits.constFind(answer);
    return it == m_waits.constEnd() ? nullptr : it->page.data();
}

void SettingsPolling::answered(uint32_t answer, bool cycleGoesOn)
{
    const auto it = m_waits.find(answer);
    if (it == m_waits.end())
        return;
    if (it->polling) {
        if (!cycleGoesOn) {
            endPolling(true);
            return;
        }
        if (m_state == State::Waiting) {
            m_state = State::Resting;
            m_timer->start(m_interval);
        }
        return;
    }
    if (!it->stream) {
        // The request is answered: none of its answers is awaited any more.
        QObject *page = it->page;
        for (auto w = m_waits.begin(); w != m_waits.end();) {
            if (w->page == page && !w->polling && !w->stream)
                w = m_waits.erase(w);
            else
                ++w;
        }
    }
}

void SettingsPolling::endPolling(bool notify)
{
    m_timer->stop();
    const bool was = m_state != State::Idle;
    m_state = State::Idle;
    for (auto w = m_waits.begin(); w != m_waits.end();) {
        if (w->polling)
            w = m_waits.erase(w);
        else
            ++w;
    }
    QPointer<QObject> page = m_page;
    m_page = nullptr;
    m_request = Request();
    if (was && notify && page)
        emit stopped(page);
}

void SettingsPolling::forget(QObject *page)
{
    for (auto w = m_waits.begin(); w != m_waits.end();) {
        if (w->page == page || !w->page)
            w = m_waits.erase(w);
        else
            ++w;
    }
}

void SettingsPolling::stop(QObject *page)
{
    if (page && m_page == page)
        endPolling(true);
    forget(page);
}

void SettingsPolling::stopAll()
{
    endPolling(true);
    m_waits.clear();
}
