#ifndef LIVESERVICE_H
#define LIVESERVICE_H

#include "host/simulator/trackerservice.h"

#include <QByteArray>

#include <array>

// The live values the settings editor's System and Sensors pages show,
// read from the vehicle of the telemetry trip as it goes round its last
// cycle (driving, stops, a parking now and then), so that they move from
// one answer to the next:
//
//   2053 -> 2054   state (34 bytes): "*#LIVE", the accelerometer axes and
//                  three reserved pairs in hexadecimal, the supply voltage
//                  (four decimal digits of hundredths of a volt), the states
//                  of IN1, IN2, IN3, AIN1, O1..O4 ("0"/"1"), the backup
//                  battery's voltage (as the supply voltage)
//   2076 -> 2077   the fuel answer of the fuel-level sensors (42 bytes,
//                  "*#FUEL_UN", as FuelService answers it), with the
//                  frequency on IN2 at 17 and its pulses at 19; then 2054
//   2078 -> 2079   engine detection (10 bytes): "*#ENGU" and the supply
//                  voltage with the engine running, as in 2054
class LiveService : public TrackerService
{
    Q_OBJECT
public:
    static constexpr int kStateLength = 34;
    static constexpr int kEngineLength = 10;
    static constexpr int kCycle = 40; // pages of the trip's last cycle gone round

    // What the tracker measures at one moment.
    struct Reading
    {
        int supplyMillivolts = 0;
        int batteryMillivolts = 0;
        int ain1Millivolts = 0;
        int in2Hertz = 0;
        int in2Pulses = 0;
        double tank = 0.5;
        bool engine = false;
        std::array<bool, 8> states{}; // IN1, IN2, IN3, AIN1, O1..O4
    };

    explicit LiveService(QObject *parent = nullptr);

    QString name() const override { return QStringLiteral("live values"); }
    QList<uint32_t> requests() const override;
    int32_t handleRequest(const PluginMessage &request, SimulatedTracker &tracker) override;

    // The next reading (each one a step further round the cycle).
    Reading read(SimulatedTracker &tracker);

    static QByteArray stateAnswer(const Reading &r);
    static QByteArray sensorsAnswer(const Reading &r, uint32_t jitter);
    static QByteArray engineAnswer(int millivolts);

private:
    uint32_t m_step = 0;
};

#endif // LIVESERVICE_H
