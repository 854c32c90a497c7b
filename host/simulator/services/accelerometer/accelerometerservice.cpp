#include "host/simulator/services/accelerometer/accelerometerservice.h"

#include "host/simulator/simulatedtracker.h"

#include <QTimer>

AccelerometerService::AccelerometerService(QObject *parent)
    : TrackerService(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &AccelerometerService::nextStep);
}

AccelerometerService::~AccelerometerService() = default;

QList<uint32_t> AccelerometerService::requests() const
{
    return {HostMessages::AccelerometerCommand};
}

void AccelerometerService::setStepDurations(int staticMs, int dynamicMs)
{
    m_staticMs = qMax(0, staticMs);
    m_dynamicMs = qMax(0, dynamicMs);
}

QByteArray AccelerometerService::answer(char status)
{
    QByteArray bytes("*#ACCEL:G");
    bytes.append(status);
    return bytes;
}

void AccelerometerService::reply(SimulatedTracker &tracker, char status)
{
    m_sent.append(status);
    tracker.reply(PluginMessage::buffer(HostMessages::AccelerometerCommandAnswer, answer(status)));
}

void AccelerometerService::stop()
{
    m_timer->stop();
    m_running = 0;
    m_steps.clear();
}

int32_t AccelerometerService::handleRequest(const PluginMessage &request, SimulatedTracker &tracker)
{
    const QByteArray &command = request.p1.bytes;
    if (command.size() < 2 || command[0] != 'G')
        return 0;
    if (m_silent)
        return 1;
    m_tracker = &tracker;
    if (m_unsupported) {
        stop();
        reply(tracker, '0');
        return 1;
    }
    QByteArray steps;
    switch (command[1]) {
    case '3':
        steps = "35";
        break;
    case '1':
        steps = "79";
        break;
    case '0':
        steps = ";";
        break;
    case '2':
        stop();
        reply(tracker, '1');
        return 1;
    default:
        reply(tracker, '0');
        return 1;
    }
    if (m_failure)
        steps[steps.size() - 1] = m_failure;
    stop();
    m_running = command[1];
    m_steps = steps;
    // The first step starts before the answer goes: the answer may be
    // handled inside this call.
    m_timer->start(m_staticMs);
    reply(tracker, '1');
    return 1;
}

void AccelerometerService::nextStep()
{
    if (m_steps.isEmpty() || !m_tracker || !m_tracker->isAttached()) {
        stop();
        return;
    }
    const char status = m_steps.at(0);
    m_steps.remove(0, 1);
    if (m_steps.isEmpty())
        m_running = 0;
    else
        m_timer->start(m_dynamicMs);
    reply(*m_tracker, status);
}

void AccelerometerService::trackerDetached(SimulatedTracker &tracker)
{
    Q_UNUSED(tracker);
    stop();
}
