#include "host/simulator/services/telemetry/tripgenerator.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kCycle = 40;           // pages: park, drive off, cruise, slow down, stop
constexpr double kPi = 3.14159265358979323846;
constexpr double kEarthRadiusKm = 6371.0;
constexpr double kOdometerStartKm = 184230.0;
constexpr double kTankRangeKm = 420.0;

struct Point
{
    double lat;
    double lon;
};

// Points along the ring road, clockwise from the north; between them the
// road is taken as straight.
struct Route
{
    std::vector<Point> points;
    std::vector<double> at; // km from the first point to each point
    double length = 0;

    Route()
    {
        const int n = 48;
        for (int i = 0; i < n; ++i) {
            const double a = 2 * kPi * i / n;
            // An oval of about 108 km, a little uneven as the real road is.
            const double wobble = 1.0 + 0.025 * std::sin(5 * a) + 0.015 * std::cos(3 * a);
            points.push_back({55.742 + 0.169 * std::cos(a) * wobble, 37.606 + 0.237 * std::sin(a) * wobble});
        }
        points.push_back(points.front());
        at.push_back(0);
        for (size_t i = 1; i < points.size(); ++i)
            at.push_back(at.back() + distanceKm(points[i - 1], points[i]));
        length = at.back();
    }

    static double distanceKm(const Point &a, const Point &b)
    {
        const double la1 = a.lat * kPi / 180, la2 = b.lat * kPi / 180;
        const double dla = la2 - la1, dlo = (b.lon - a.lon) * kPi / 180;
        const double h = std::sin(dla / 2) * std::sin(dla / 2) + std::cos(la1) * std::cos(la2) * std::sin(dlo / 2) * std::sin(dlo / 2);
        return 2 * kEarthRadiusKm * std::asin(std::sqrt(h));
    }

    static double bearing(const Point &a, const Point &b)
    {
        const double la1 = a.lat * kPi / 180, la2 = b.lat * kPi / 180, dlo = (b.lon - a.lon) * kPi / 180;
        const double y = std::sin(dlo) * std::cos(la2);
        const double x = std::cos(la1) * std::sin(la2) - std::sin(la1) * std::cos(la2) * std::cos(dlo);
        return std::fmod(std::atan2(y, x) * 180 / kPi + 360, 360);
    }

    void locate(double km, Point *where, double *course) const
    {
        double s = std::fmod(km, length);
        if (s < 0)
            s += length;
        const auto it = std::upper_bound(at.begin(), at.end(), s);
        const size_t i = std::min<size_t>(size_t(it - at.begin()), at.size() - 1);
        const Point &a = points[i - 1], &b = points[i];
        const double f = (s - at[i - 1]) / std::max(1e-9, at[i] - at[i - 1]);
        *where = {a.lat + (b.lat - a.lat) * f, a.lon + (b.lon - a.lon) * f};
        *course = bearing(a, b);
    }
};

const Route &route()
{
    static const Route r;
    return r;
}

// A stable number in [0, 1) for an integer.
double hash01(uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return (x & 0xFFFFFF) / double(0x1000000);
}

} // namespace

TripGenerator::TripGenerator(int pages, uint32_t lastTime)
    : m_baseCount(std::clamp(pages, 1, kMaxPages))
    , m_count(m_baseCount)
{
    if (lastTime == 0)
        lastTime = uint32_t(QDateTime::currentSecsSinceEpoch());
    lastTime -= lastTime % kPageInterval;
    m_firstTime = lastTime - uint32_t(kPageInterval) * uint32_t(m_baseCount - 1);
}

int TripGenerator::clamp(int number) const
{
    return std::clamp(number, 1, m_count);
}

uint32_t TripGenerator::timeOf(int number) const
{
    number = clamp(number);
    if (number <= m_baseCount)
        return m_firstTime + uint32_t(kPageInterval) * uint32_t(number - 1);
    return m_appended[size_t(number - m_baseCount - 1)].time;
}

int TripGenerator::firstAtOrAfter(uint32_t time) const
{
    if (time <= m_firstTime)
        return 1;
    const int64_t base = (int64_t(time) - m_firstTime + kPageInterval - 1) / kPageInterval + 1;
    if (base <= m_baseCount)
        return int(base);
    for (size_t i = 0; i < m_appended.size(); ++i) {
        if (m_appended[i].time >= time)
            return m_baseCount + 1 + int(i);
    }
    return m_count;
}

int TripGenerator::catchUp(uint32_t now)
{
    int added = 0;
    while (m_count < kMaxPages && lastTime() + kPageInterval <= now) {
        m_appended.push_back({lastTime() + kPageInterval, 0});
        ++m_count;
        ++added;
    }
    return added;
}

int TripGenerator::appendEvent(uint32_t now, uint16_t code)
{
    if (m_count >= kMaxPages)
        return m_count;
    m_appended.push_back({std::max(now, lastTime() + 1), code});
    return ++m_count;
}

void TripGenerator::setOutput(int output, bool on)
{
    if (output < 1 || output > 4)
        return;
    const uint8_t bit = uint8_t(1u << (output - 1));
    m_outputs = on ? uint8_t(m_outputs | bit) : uint8_t(m_outputs & ~bit);
    m_overrides.push_back({m_count + 1, m_outputs, m_guard});
}

void TripGenerator::setGuard(bool on)
{
    m_guard = on;
    m_overrides.push_back({m_count + 1, m_outputs, m_guard});
}

void TripGenerator::setMileage(double km)
{
    // The odometer of page `from` before its own segment is km.
    const int from = m_count + 1;
    m_mileage.push_back({from, km - (kOdometerStartKm + distanceBefore(from - 1))});
}

double TripGenerator::speedAt(int index) const
{
    const int cycle = index / kCycle;
    const int i = index % kCycle;
    const double cruise = 38.0 + 58.0 * hash01(uint32_t(cycle) * 2654435761U + 17);
    if (i < 4 || i >= 36)
        return 0.0;
    if (i < 8)
        return cruise * (i - 3) / 4.0;
    if (i < 32)
        return cruise * (1.0 + 0.12 * std::sin(i * 0.7 + cycle));
    return cruise * (36 - i) / 5.0;
}

bool TripGenerator::engineOn(int index) const
{
    // Every sixth cycle ends with a long stop, engine off.
    const int cycle = index / kCycle;
    const int i = index % kCycle;
    return !(cycle % 6 == 5 && i >= 36) && !(cycle % 6 == 0 && cycle > 0 && i < 2);
}

void TripGenerator::ensureCycles(int index) const
{
    const int needed = index / kCycle + 1;
    if (int(m_cycleStart.size()) >= needed)
        return;
    if (m_cycleStart.empty())
        m_cycleStart.push_back(0.0);
    while (int(m_cycleStart.size()) < needed) {
        const int cycle = int(m_cycleStart.size()) - 1;
        double km = m_cycleStart.back();
        for (int i = 0; i < kCycle; ++i)
            km += speedAt(cycle * kCycle + i) * kPageInterval / 3600.0;
        m_cycleStart.push_back(km);
    }
}

double TripGenerator::distanceBefore(int index) const
{
    ensureCycles(index);
    const int cycle = index / kCycle;
    double km = m_cycleStart[size_t(cycle)];
    for (int i = cycle * kCycle; i < index; ++i)
        km += speedAt(i) * kPageInterval / 3600.0;
    return km;
}

double TripGenerator::tankAfterKm(double km)
{
    return 1.0 - std::fmod(km, kTankRangeKm) / kTankRangeKm; // refuelled every 420 km
}

double TripGenerator::tankAt(int number) const
{
    const int index = clamp(number) - 1;
    return tankAfterKm(distanceBefore(index) + speedAt(index) * kPageInterval / 3600.0);
}

FuelGauges TripGenerator::gauges(double tank, uint32_t jitter)
{
    tank = std::clamp(tank, 0.0, 1.0);
    FuelGauges g;
    g.ain1 = uint16_t(std::lround(480 + tank * 9200 + hash01(jitter + 13) * 12));
    g.frequency1 = uint16_t(500 + std::lround(tank * 1000));
    g.levelRs485[0] = uint16_t(std::lround(200 + tank * 3800));
    g.levelRs485[1] = uint16_t(std::lround(180 + tank * 3720 + hash01(jitter + 7) * 8));
    return g;
}

TripPage TripGenerator::page(int number) const
{
    number = clamp(number);
    const int index = number - 1;
    const int i = index % kCycle;
    const int cycle = index / kCycle;
    TripPage p;
    p.number = uint32_t(number);
    p.time = timeOf(number);

    const double speed = speedAt(index);
    const bool engine = engineOn(index);
    const double previousKm = distanceBefore(index);
    const double km = previousKm + speed * kPageInterval / 3600.0;

    Point where;
    double course = 0;
    route().locate(km, &where, &course);
    const bool fixLost = (number % 97) == 13; // under a bridge
    p.stateNGauge = fixLost ? 0x01 : 0x03;
    p.lastTime = fixLost ? p.time - 60 : p.time;
    p.latitude = int32_t(std::lround(where.lat * 600000.0));
    p.longitude = int32_t(std::lround(where.lon * 600000.0));
    p.naviLatitude = int64_t(std::llround(where.lat * 600000000.0));
    p.naviLongitude = int64_t(std::llround(where.lon * 600000000.0));
    p.altitude = int32_t(std::lround(160 + 35 * std::sin(2 * kPi * km / 17.3) + 12 * std::sin(2 * kPi * km / 4.1)));
    p.speed = float(std::round(speed * 10) / 10);
    p.course = speed > 0 ? uint16_t(std::lround(course) % 360) : uint16_t(0);
    double mileageOffset = 0;
    for (const MileageSet &m : m_mileage) {
        if (m.from <= number)
            mileageOffset = m.offset;
    }
    p.run = float(kOdometerStartKm + km + mileageOffset);
    p.way = float(km - previousKm);
    p.allSeconds = uint16_t(i * kPageInterval);
    p.secondsLast = speed > 0 ? uint16_t(kPageInterval) : uint16_t(0);

    // Event of the page.
    if (number > m_baseCount) {
        p.code = m_appended[size_t(number - m_baseCount - 1)].code;
    } else if (i == 4) {
        p.code = 22; // movement started
    } else if (i == 36) {
        p.code = engine ? 21 : 4; // stop, or ignition off
    } else if (i == 0 && cycle % 6 == 0 && cycle > 0) {
        p.code = 3; // ignition on
    } else if (fixLost) {
        p.code = 23;
    } else if (speed > 90) {
        p.code = 20;
    } else if (i > 8 && i < 32 && i % 10 == 0) {
        p.code = 19; // distance travelled
    } else if (i == 20) {
        p.code = 18; // course changed
    } else {
        p.code = 0;
    }

    // Outputs and guard as last commanded for this page.
    uint8_t outputs = 0;
    bool guard = false;
    for (const Override &o : m_overrides) {
        if (o.from <= number) {
            outputs = o.outputs;
            guard = o.guard;
        }
    }
    p.state = uint8_t(0x01 | (guard ? 0x04 : 0));
    p.module2 = guard ? 1 : 0;
    p.stateOut = outputs;
    const bool noSignal = (number % 211) == 7;
    p.gsm = noSignal ? 99 : uint8_t(14 + int(hash01(uint32_t(number) * 31 + 5) * 17));
    // GSM module on and registered at home, clock synchronised, engine running.
    p.module1 = uint8_t((noSignal ? 0x01 : 0x21) | 0x08 | (engine ? 0x80 : 0));
    const bool door = !engine || (i >= 36 && (cycle % 3) == 1);
    p.stateIn = uint8_t((engine ? 0x01 : 0) | (speed > 0 ? 0x02 : 0) | (door ? 0x04 : 0));

    p.power = uint16_t(engine ? 13800 + int(hash01(uint32_t(number)) * 400) : 12450 - (i % 4) * 20);
    p.reserv = uint16_t(4080 + int(hash01(uint32_t(number) + 99) * 60));
    p.ain = {0, uint16_t(2500 + int(speed * 10)), 0}; // AIN1: the fuel sensor, below
    p.impulses1 = uint32_t(km * 30.0);                 // fuel flow meter, one pulse per 10 ml at 30 l/100 km
    p.impulses2 = uint32_t(cycle / 3 + (i >= 36 && cycle % 3 == 1 ? 1 : 0)); // door openings
    const FuelGauges fuel = gauges(tankAfterKm(km), uint32_t(number));
    p.frequency1 = fuel.frequency1;
    p.frequency2 = uint16_t(engine ? 700 + std::lround(speed * 18) : 0);
    p.motochas = uint32_t(1260000 + index * kPageInterval * 9 / 10);
    p.ain[0] = fuel.ain1;
    p.levelRs485 = fuel.levelRs485;
    p.levelRs232 = 0;
    p.temp = {int8_t(engine ? std::min(88, 40 + i * 3) : 35), int8_t(-18 + int(hash01(uint32_t(number) + 3) * 3)),
              int8_t(21), int8_t(4 + int(4 * std::sin(p.time / 43200.0 * kPi)))};

    p.canFuelLevel = uint16_t(0x8000 | uint16_t(std::lround(tankAfterKm(km) * 100)));
    p.canFuelConsumption = float(std::round(km * 0.31 * 10) / 10);
    p.canEngineTurns = uint16_t(engine ? (speed > 0 ? 1100 + std::lround(speed * 14) : 720) : 0);
    p.canTemp = int8_t(engine ? std::min(90, 50 + i * 4) : 40);
    p.canFullRun = float(kOdometerStartKm + 1520.0 + km);
    p.canAxleLoad = {6200, 9800, 0, 0, 0};
    p.canPedalAccel = uint8_t(i >= 4 && i < 8 ? 60 : (speed > 0 ? 25 : 0));
    p.canPedalStop = uint8_t(i >= 32 && i < 36 ? 40 : 0);
    p.canEngineLoad = uint8_t(engine ? (speed > 0 ? 45 : 12) : 0);
    p.canEngineTime = p.motochas;
    p.canTimeTO = uint16_t(std::max(0, 480 - int(km / 30)));
    p.canSpeed = uint8_t(std::lround(speed));

    p.naviInfo = {uint8_t(fixLost ? 0 : 7), uint8_t(fixLost ? 1 : 9), 0, 0, uint8_t(fixLost ? 0 : 4), 0, 0, 0};
    p.hdop = uint8_t(fixLost ? 99 : 8 + int(hash01(uint32_t(number) + 11) * 6));
    p.pdop = uint8_t(p.hdop + 4);
    return p;
}
