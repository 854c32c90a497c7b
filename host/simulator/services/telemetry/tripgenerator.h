#ifndef TRIPGENERATOR_H
#define TRIPGENERATOR_H

#include <QByteArray>
#include <QList>

#include <array>
#include <cstdint>
#include <vector>

// What the tracker measured when it wrote one telemetry page.
struct TripPage
{
    uint32_t number = 0;
    uint16_t code = 0;
    uint32_t time = 0;     // seconds since 1970, UTC
    uint8_t state = 0;     // bit 0 valid record, bit 2 guard mode
    uint8_t module1 = 0;   // bit 0 GSM on, 5 registered, 6 roaming, 3 clock synchronised, 7 engine
    uint8_t module2 = 0;   // bits 0..1: guard mode
    uint8_t gsm = 0;       // 0..31, 99 no signal
    uint8_t stateOut = 0;  // bit k: output k + 1 on
    uint8_t stateIn = 0;   // bit 0 ignition (IN1), bit 1 IN2, bit 2 door (IN3)
    uint8_t stateNGauge = 0; // bit 0 receiver on, bit 1 fix valid
    uint32_t lastTime = 0;
    int32_t latitude = 0;  // 1/600000 degree
    int32_t longitude = 0;
    int32_t altitude = 0;  // metres
    float speed = 0;       // km/h
    uint16_t course = 0;   // degrees
    float run = 0;         // odometer, km
    float way = 0;         // since the previous page, km
    uint16_t allSeconds = 0;
    uint16_t secondsLast = 0;
    uint16_t power = 0;    // mV
    uint16_t reserv = 0;   // mV
    std::array<uint16_t, 3> ain{}; // mV
    uint32_t impulses1 = 0;
    uint32_t impulses2 = 0;
    uint16_t frequency1 = 0;
    uint16_t frequency2 = 0;
    uint32_t motochas = 0; // engine seconds
    std::array<uint16_t, 6> levelRs485{};
    uint16_t levelRs232 = 0;
    std::array<int8_t, 4> temp{};
    uint16_t canFuelLevel = 0; // bit 15: per cent in the low bits
    float canFuelConsumption = 0;
    uint16_t canEngineTurns = 0;
    int8_t canTemp = 0;
    float canFullRun = 0;
    std::array<uint16_t, 5> canAxleLoad{};
    uint8_t canPedalAccel = 0;
    uint8_t canPedalStop = 0;
    uint8_t canEngineLoad = 0;
    uint32_t canEngineTime = 0;
    uint16_t canTimeTO = 0;
    uint8_t canSpeed = 0;
    // Second-generation extras.
    std::array<uint8_t, 8> naviInfo{}; // satellites per system
    uint8_t hdop = 0, pdop = 0;        // tenths
    int64_t naviLatitude = 0, naviLongitude = 0; // 1/600000000 degree
};

// What the vehicle's fuel-level sensors read with the tank filled to a
// fraction (0 empty, 1 full): the analogue sensor on AIN1 (millivolts), the
// frequency sensor (F1) and the digital sensors on the RS-485 bus (two
// fitted; the others read 0).
struct FuelGauges
{
    uint16_t ain1 = 0;
    uint16_t frequency1 = 0;
    std::array<uint16_t, 6> levelRs485{};
};

// A vehicle's day on the Moscow ring road: drive, stop at lights, park,
// refuel, with the instruments that a K-4810 reads. Pages are computed from
// their number on demand, so a trip of a million pages costs no memory.
//
// Pages come every 30 seconds; the last stored page is about "now" when the
// trip is made. Pages appended later (the tracker keeps recording, or a
// command changes an output) carry their own times.
class TripGenerator
{
public:
    static constexpr int kMaxPages = 1000000;
    static constexpr int kPageInterval = 30;

    explicit TripGenerator(int pages = 2000, uint32_t lastTime = 0);

    int pageCount() const { return m_count; }
    uint32_t firstTime() const { return timeOf(1); }
    uint32_t lastTime() const { return timeOf(m_count); }

    // Page n (1..pageCount(); other numbers give the nearest page).
    TripPage page(int number) const;
    int clamp(int number) const;
    uint32_t timeOf(int number) const;
    // The first page at or after the time; the last page when none is.
    int firstAtOrAfter(uint32_t time) const;

    // How full the tank is at page n (0 .. 1); the vehicle refuels every 420 km.
    double tankAt(int number) const;
    // The sensors' readings for a tank that full; `jitter` picks the small
    // noise of the readings (the page number on a trip).
    static FuelGauges gauges(double tank, uint32_t jitter);

    // The tracker keeps recording: pages up to `now`, 30 seconds apart.
    int catchUp(uint32_t now);
    // A page written for an event now (an output switched, guard changed).
    int appendEvent(uint32_t now, uint16_t code);
    // Outputs and guard mode from the next page on.
    void setOutput(int output, bool on);
    void setGuard(bool on);
    // The odometer set to km (message 2082): from the next page on, the
    // mileage goes on from it.
    void setMileage(double km);
    uint8_t outputs() const { return m_outputs; }
    bool guard() const { return m_guard; }

private:
    struct Override
    {
        int from;
        uint8_t outputs;
        bool guard;
    };
    struct MileageSet
    {
        int from;      // the first page that counts from the value set
        double offset; // added to the trip's own odometer
    };
    struct Appended
    {
        uint32_t time;
        uint16_t code;
    };

    static double tankAfterKm(double km);
    double distanceBefore(int index) const; // km driven before page index (0-based)
    double speedAt(int index) const;
    bool engineOn(int index) const;
    void ensureCycles(int index) const;

    int m_baseCount;
    int m_count;
    uint32_t m_firstTime;
    std::vector<Appended> m_appended; // pages after the base
    std::vector<Override> m_overrides;
    std::vector<MileageSet> m_mileage;
    uint8_t m_outputs = 0;
    bool m_guard = false;
    mutable std::vector<double> m_cycleStart; // km at the start of each 40-page cycle
};

#endif // TRIPGENERATOR_H
