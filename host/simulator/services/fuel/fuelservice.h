#ifndef FUELSERVICE_H
#define FUELSERVICE_H

#include "host/simulator/trackerservice.h"

#include <QByteArray>

#include <functional>

// The fuel-level sensors of the simulated tracker, read by the fuel-sensor
// calibration window (2074 -> 2075): the analogue sensor on A1, the
// frequency sensor F1 and the RS-485 sensors D1 .. D6, with the
// characteristics of the vehicle of the telemetry trip.
//
// Calibration: while pouring is on (the default), a session starts at the
// first reading after a pause of a minute or more with the tank drained, and
// fuel is poured in steps: 5 % of the tank (20 l of 400) in 10 seconds, then
// 20 seconds for the level to settle, until the tank is full. With pouring
// off the sensors read the tank as the trip left it. The malformed option
// answers 41 bytes instead of 42, which the plug-in must drop.
class FuelService : public TrackerService
{
    Q_OBJECT
public:
    static constexpr int kAnswerLength = 42;
    static constexpr double kTankLitres = 400.0;
    static constexpr double kStep = 0.05;       // of the tank, per pour
    static constexpr qint64 kPourMs = 10000;
    static constexpr qint64 kSettleMs = 20000;
    static constexpr qint64 kSessionGapMs = 60000;

    explicit FuelService(QObject *parent = nullptr);

    QString name() const override { return QStringLiteral("fuel"); }
    QList<uint32_t> requests() const override;
    int32_t handleRequest(const PluginMessage &request, SimulatedTracker &tracker) override;

    void setPouring(bool on) { m_pouring = on; }
    bool pouring() const { return m_pouring; }
    void setMalformed(bool on) { m_malformed = on; }
    bool malformed() const { return m_malformed; }
    // Milliseconds of the clock that paces the pouring (a steady clock by default).
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }

    // How full the tank is now (0 .. 1), as the next answer will read it.
    double level(SimulatedTracker &tracker);
    // The answer for a tank that full.
    static QByteArray answer(double tank, uint32_t jitter);

private:
    double tripLevel(SimulatedTracker &tracker) const;

    bool m_pouring = true;
    bool m_malformed = false;
    std::function<qint64()> m_clock;
    qint64 m_sessionStart = -1;
    qint64 m_lastRequest = -1;
    uint32_t m_answers = 0;
};

#endif // FUELSERVICE_H
