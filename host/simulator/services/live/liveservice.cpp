#include "host/simulator/services/live/liveservice.h"

#include "host/simulator/services/fuel/fuelservice.h"
#include "host/simulator/services/telemetry/telemetryservice.h"
#include "host/simulator/simulatedtracker.h"

#include <algorithm>
#include <cstring>

namespace {

void put16(QByteArray &a, int offset, int value)
{
    const auto v = uint16_t(std::clamp(value, 0, 0xFFFF));
    a[offset] = char(v & 0xFF);
    a[offset + 1] = char(v >> 8);
}

// Four decimal digits of hundredths of a volt.
QByteArray hundredths(int millivolts)
{
    const int h = std::clamp((millivolts + 5) / 10, 0, 9999);
    return QByteArray::number(h).rightJustified(4, '0');
}

} // namespace

LiveService::LiveService(QObject *parent)
    : TrackerService(parent)
{
}

QList<uint32_t> LiveService::requests() const
{
    return {HostMessages::PollSystemPage, HostMessages::PollSensorsPage, HostMessages::ReadSystemPage};
}

LiveService::Reading LiveService::read(SimulatedTracker &tracker)
{
    const uint32_t step = m_step++;
    Reading r;
    auto *telemetry = tracker.service<TelemetryService>();
    if (!telemetry) {
        r.supplyMillivolts = 12600 + int(step % 7) * 10;
        r.batteryMillivolts = 4100;
        r.ain1Millivolts = 5200;
        return r;
    }
    const TripGenerator &trip = telemetry->trip();
    const int last = trip.pageCount();
    const int number = std::max(1, last - kCycle + 1 + int(step % kCycle));
    const TripPage p = trip.page(number);
    r.supplyMillivolts = p.power;
    r.batteryMillivolts = p.reserv;
    r.tank = trip.tankAt(number);
    r.ain1Millivolts = TripGenerator::gauges(r.tank, step).ain1;
    r.in2Hertz = p.frequency2;
    r.in2Pulses = int(p.impulses1 & 0xFFFF);
    r.engine = (p.module1 & 0x80) != 0;
    for (int i = 0; i < 3; ++i)
        r.states[size_t(i)] = (p.stateIn >> i) & 1;
    r.states[3] = r.ain1Millivolts < 5000; // AIN1 as a discrete input: active inside 0..5 V
    for (int i = 0; i < 4; ++i)
        r.states[size_t(4 + i)] = (p.stateOut >> i) & 1;
    return r;
}

QByteArray LiveService::stateAnswer(const Reading &r)
{
    QByteArray a("*#LIVE");
    a += "000040"; // the axes, 1/64 g in two's complement: lying flat, 1 g on Z
    a += "000000"; // reserved
    a += hundredths(r.supplyMillivolts);
    for (bool on : r.states)
        a += on ? '1' : '0';
    a += hundredths(r.batteryMillivolts);
    return a;
}

QByteArray LiveService::sensorsAnswer(const Reading &r, uint32_t jitter)
{
    QByteArray a = FuelService::answer(r.tank, jitter);
    put16(a, 15, r.ain1Millivolts);
    put16(a, 17, r.in2Hertz);
    put16(a, 19, r.in2Pulses);
    return a;
}

QByteArray LiveService::engineAnswer(int millivolts)
{
    return QByteArray("*#ENGU") + hundredths(millivolts);
}

int32_t LiveService::handleRequest(const PluginMessage &request, SimulatedTracker &tracker)
{
    switch (request.msgId) {
    case HostMessages::PollSystemPage:
        tracker.reply(PluginMessage::buffer(HostMessages::LiveStateAnswer, stateAnswer(read(tracker))));
        break;
    case HostMessages::PollSensorsPage: {
        const Reading r = read(tracker);
        tracker.reply(PluginMessage::buffer(HostMessages::SensorsAnswer, sensorsAnswer(r, m_step)));
        tracker.reply(PluginMessage::buffer(HostMessages::LiveStateAnswer, stateAnswer(r)));
        break;
    }
    case HostMessages::ReadSystemPage: {
        // The supply voltage with the engine running: the charging voltage
        // of the cycle's next page that has the engine on.
        Reading r = read(tracker);
        for (int i = 0; i < kCycle && !r.engine; ++i)
            r = read(tracker);
        tracker.reply(PluginMessage::buffer(HostMessages::SystemAnswer,
                                            engineAnswer(r.engine ? r.supplyMillivolts : 13850)));
        break;
    }
    default:
        break;
    }
    return 0;
}
