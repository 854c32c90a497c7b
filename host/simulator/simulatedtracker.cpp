#include "host/simulator/simulatedtracker.h"

#include "host/hostmessages.h"

SimulatedTracker::SimulatedTracker(PluginHost *host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    if (m_host) {
        m_host->setRequestHandler(this);
        // An unloaded plug-in has forgotten the tracker.
        connect(m_host, &PluginHost::loadedChanged, this, [this](bool loaded) {
            if (!loaded && m_attached) {
                m_attached = false;
                emit attachedChanged(false);
            }
        });
    }
}

SimulatedTracker::~SimulatedTracker()
{
    if (m_host && m_host->requestHandler() == this)
        m_host->setRequestHandler(nullptr);
}

void SimulatedTracker::setAnswerMode(PluginHost::AnswerMode mode)
{
    if (m_host)
        m_host->setAnswerMode(mode);
}

PluginHost::AnswerMode SimulatedTracker::answerMode() const
{
    return m_host ? m_host->answerMode() : PluginHost::AnswerMode::Async;
}

bool SimulatedTracker::addService(TrackerService *service)
{
    if (!service)
        return false;
    const QList<uint32_t> numbers = service->requests();
    for (uint32_t n : numbers) {
        if (TrackerService *other = m_routes.value(n)) {
            qWarning("Simulated tracker: %s and %s both answer request %u; %s is not added",
                     qPrintable(other->name()), qPrintable(service->name()), n, qPrintable(service->name()));
            delete service;
            return false;
        }
    }
    service->setParent(this);
    m_services.append(service);
    for (uint32_t n : numbers)
        m_routes.insert(n, service);
    return true;
}

QList<TrackerService *> SimulatedTracker::services() const
{
    QList<TrackerService *> list;
    for (const auto &s : m_services) {
        if (s)
            list.append(s);
    }
    return list;
}

void SimulatedTracker::reply(const PluginMessage &answer)
{
    if (m_host)
        m_host->answer(answer);
}

void SimulatedTracker::attach()
{
    if (m_attached || !m_host || !m_host->isLoaded())
        return;
    m_attached = true;
    // What a real connection reports, in this order: firmware and
    // capabilities first, so the windows switched online by 2039 see them.
    m_host->deliverText(HostMessages::FirmwareVersion, m_firmware);
    m_host->deliverValue64(HostMessages::Capabilities, m_capabilities);
    m_host->deliverTwoTexts(HostMessages::TrackerAttached, m_model, m_identification);
    for (TrackerService *s : services())
        s->trackerAttached(*this);
    emit attachedChanged(true);
}

void SimulatedTracker::detach()
{
    if (!m_attached)
        return;
    m_attached = false;
    if (m_host && m_host->isLoaded())
        m_host->deliverPlain(HostMessages::TrackerDetached);
    for (TrackerService *s : services())
        s->trackerDetached(*this);
    emit attachedChanged(false);
}

int32_t SimulatedTracker::handleRequest(const PluginMessage &request)
{
    TrackerService *service = m_routes.value(request.msgId);
    if (!m_attached || !service) {
        emit requestUnanswered(request);
        return 0;
    }
    return service->handleRequest(request, *this);
}

QString SimulatedTracker::noteFor(const PluginMessage &request) const
{
    if (!m_attached)
        return QStringLiteral("no tracker attached");
    if (TrackerService *service = m_routes.value(request.msgId))
        return QStringLiteral("simulator: %1").arg(service->name());
    return QStringLiteral("not simulated");
}
