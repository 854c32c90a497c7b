#include "settings/editor/settingspolling.h"

#include <QTimer>

#include <climits>

SettingsPolling::SettingsPolling(Send send, QObject *parent)
    : QObject(parent)
    , m_send(std::move(send))
    , m_timer(new QTimer(this))
    , m_limitTimer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &SettingsPolling::tick);
    m_limitTimer->setSingleShot(true);
    connect(m_limitTimer, &QTimer::timeout, this, &SettingsPolling::onLimit);
    m_clock.start();
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
    const qint64 limit = request.ownLimit ? -1 : deadline();
    for (uint32_t answer : request.answers) {
        const auto it = m_waits.constFind(answer);
        // A polling wait stays with its poll; a single request does not take it over.
        if (it != m_waits.constEnd() && it->polling && it->page && isPolling())
            continue;
        m_waits.insert(answer, Wait{page, stream, false, request.msgId, limit});
    }
    // The answer may come from inside send: the waits are in place first.
    const bool sent = send(request);
    armLimit();
    return sent;
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
        m_waits.insert(answer, Wait{page, false, true, request.msgId, -1});
    m_state = State::Waiting;
    setPollingDeadline(deadline());
    send(m_request);
    armLimit();
    return true;
}

bool SettingsPolling::pollNow()
{
    if (m_state == State::Idle || !m_online)
        return false;
    m_timer->stop();
    m_state = State::Waiting;
    setPollingDeadline(deadline());
    const bool sent = send(m_request);
    armLimit();
    return sent;
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
    setPollingDeadline(deadline());
    send(m_request);
    armLimit();
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
            setPollingDeadline(-1);
            m_timer->start(m_interval);
        }
        return;
    }
    if (it->stream) {
        // A stream is under way: its limit was for the first answer.
        const QObject *page = it->page;
        const uint32_t request = it->request;
        for (Wait &w : m_waits) {
            if (w.stream && w.page == page && w.request == request)
                w.deadline = -1;
        }
    } else {
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

void SettingsPolling::setAnswerTimeout(int milliseconds)
{
    m_answerTimeout = qMax(1, milliseconds);
}

qint64 SettingsPolling::deadline() const
{
    return m_clock.elapsed() + m_answerTimeout;
}

void SettingsPolling::setPollingDeadline(qint64 deadline)
{
    for (Wait &w : m_waits) {
        if (w.polling)
            w.deadline = deadline;
    }
}

void SettingsPolling::armLimit()
{
    qint64 first = -1;
    for (const Wait &w : std::as_const(m_waits)) {
        if (w.deadline >= 0 && (first < 0 || w.deadline < first))
            first = w.deadline;
    }
    if (first < 0) {
        m_limitTimer->stop();
        return;
    }
    m_limitTimer->start(int(qBound<qint64>(0, first - m_clock.elapsed(), qint64(INT_MAX))));
}

void SettingsPolling::onLimit()
{
    const qint64 now = m_clock.elapsed();
    struct Expired
    {
        QPointer<QObject> page;
        uint32_t request;
    };
    QList<Expired> expired;
    bool pollingExpired = false;
    for (auto it = m_waits.begin(); it != m_waits.end();) {
        if (it->deadline < 0 || it->deadline > now) {
            ++it;
            continue;
        }
        if (it->polling) {
            pollingExpired = true;
            ++it;
            continue;
        }
        // One report for each request, whatever the number of its answers.
        bool known = false;
        for (const Expired &e : std::as_const(expired))
            known = known || (e.page == it->page && e.request == it->request);
        if (!known)
            expired.append({it->page, it->request});
        it = m_waits.erase(it);
    }
    if (pollingExpired) {
        const Expired poll{m_page, m_request.msgId};
        endPolling(true);
        expired.append(poll);
    }
    armLimit();
    for (const Expired &e : std::as_const(expired)) {
        if (e.page)
            emit timedOut(e.page, e.request);
    }
}
