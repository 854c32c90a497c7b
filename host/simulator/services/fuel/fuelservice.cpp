#include "host/simulator/services/fuel/fuelservice.h"

#include "host/simulator/services/telemetry/telemetryservice.h"
#include "host/simulator/services/telemetry/tripgenerator.h"
#include "host/simulator/simulatedtracker.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

void put16(QByteArray &a, int offset, uint16_t value)
{
    a[offset] = char(value & 0xFF);
    a[offset + 1] = char(value >> 8);
}

} // namespace

FuelService::FuelService(QObject *parent)
    : TrackerService(parent)
{
    auto steady = std::make_shared<QElapsedTimer>();
    steady->start();
    m_clock = [steady] { return steady->elapsed(); };
}

QList<uint32_t> FuelService::requests() const
{
    return {HostMessages::ReadFuelSensors};
}

double FuelService::tripLevel(SimulatedTracker &tracker) const
{
    if (auto *telemetry = tracker.service<TelemetryService>())
        return telemetry->trip().tankAt(telemetry->trip().pageCount());
    return 0.5;
}

double FuelService::level(SimulatedTracker &tracker)
{
    if (!m_pouring) {
        m_sessionStart = -1;
        return tripLevel(tracker);
    }
    const qint64 now = m_clock();
    if (m_sessionStart < 0 || m_lastRequest < 0 || now - m_lastRequest >= kSessionGapMs || now < m_lastRequest)
        m_sessionStart = now; // the tank was drained for a new calibration
    m_lastRequest = now;
    const qint64 elapsed = now - m_sessionStart;
    const qint64 cycle = kPourMs + kSettleMs;
    const double pours = double(elapsed / cycle) + std::min(1.0, double(elapsed % cycle) / double(kPourMs));
    return std::min(1.0, pours * kStep);
}

QByteArray FuelService::answer(double tank, uint32_t jitter)
{
    const FuelGauges g = TripGenerator::gauges(tank, jitter);
    QByteArray a(kAnswerLength, '\0');
    std::memcpy(a.data(), "*#FUEL_UN", 9);
    a[9] = char(31); // every field present
    put16(a, 11, g.frequency1);
    put16(a, 15, g.ain1);
    for (int i = 0; i < 6; ++i) {
        a[24 + 3 * i] = char(i + 1); // the sensor's bus address
        put16(a, 25 + 3 * i, g.levelRs485[size_t(i)]);
    }
    return a;
}

int32_t FuelService::handleRequest(const PluginMessage &request, SimulatedTracker &tracker)
{
    if (request.msgId != HostMessages::ReadFuelSensors)
        return 0;
    QByteArray bytes = answer(level(tracker), ++m_answers);
    if (m_malformed)
        bytes.chop(1);
    tracker.reply(PluginMessage::buffer(HostMessages::FuelSensorAnswer, bytes));
    return 0;
}
