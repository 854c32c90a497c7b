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
    return {HostMessages::AccelerometerCommand, HostMessages::AccelerometerState, HostMessages::AccelerometerOption};
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

QByteArray AccelerometerService::reading()
{
    // A small trembling of the standing vehicle; a dynamic step drives it
    // (accelerations and brakings along X).
    m_noise = m_noise * 1103515245u + 12345u;
    const int tremble = int((m_noise >> 16) % 21) - 10;
    const bool driving = m_running && m_steps.size() == 1 && m_running != '0';
    const int x = driving ? 180 + 3 * tremble : tremble;
    const int y = tremble / 2;
    const int z = -1000 + tremble;
    const int shock = driving ? 95 + tremble : 4 + qAbs(tremble) / 3;
    const int inclination = m_calibration == '0' ? 31 : 12;
    auto axis = [](int v) {
        return (v < 0 ? QByteArray("-") : QByteArray("+")) + QByteArray::number(qAbs(v)).rightJustified(4, '0');
    };
    QByteArray bytes("*#ACCEL:A");
    bytes += m_calibration;
    bytes += axis(x) + axis(y) + axis(z);
    bytes += QByteArray::number(shock).rightJustified(4, '0');
    bytes += QByteArray::number(inclination).rightJustified(4, '0');
    return bytes;
}

void AccelerometerService::replyReading(SimulatedTracker &tracker, uint32_t answerId)
{
    ++m_readings;
    tracker.reply(PluginMessage::buffer(answerId, reading()));
}

int32_t AccelerometerService::handleRequest(const PluginMessage &request, SimulatedTracker &tracker)
{
    if (request.msgId == HostMessages::AccelerometerState) {
        if (!m_silent)
            replyReading(tracker, HostMessages::AccelerometerStateAnswer);
        return 1;
    }
    if (request.msgId == HostMessages::AccelerometerOption) {
        if (m_silent)
            return 1;
        const bool reset = request.p2.number == 1 && !m_unsupported;
        if (reset) {
            stop();
            m_calibration = '0';
        }
        tracker.reply(PluginMessage::buffer(HostMessages::AccelerometerOptionAnswer,
                                            QByteArray("*#ACCEL:R") + (reset ? '1' : '0')));
        return 1;
    }
    const QByteArray &command = request.p1.bytes;
    // The settings editor's live poll: {65, 0}.
    if (command.size() >= 2 && command[0] == 'A' && command[1] == '\0') {
        if (!m_silent)
            replyReading(tracker, HostMessages::AccelerometerCommandAnswer);
        return 1;
    }
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
    // What the procedure's end leaves in the tracker.
    if (status == '5')
        m_calibration = '1';
    else if (status == ';')
        m_calibration = '3';
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
