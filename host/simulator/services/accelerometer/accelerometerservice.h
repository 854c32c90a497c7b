#ifndef ACCELEROMETERSERVICE_H
#define ACCELEROMETERSERVICE_H

#include "host/simulator/trackerservice.h"

#include <QByteArray>
#include <QPointer>

class QTimer;

// The accelerometer calibration of the simulated tracker: the commands
// "G0" ... "G3" of the calibration wizard (2127), answered with status
// answers (2128) of 10 bytes: the tag "*#ACCEL:", "G" and the status
// character.
//
//   "G3" autonomous calibration: "1" at once, "3" after the static step,
//        "5" after the dynamic step
//   "G1" check: "1", "7" after the static step, "9" after the dynamic step
//   "G0" GNSS calibration: "1", ";" after the static step
//   "G2" cancel: the running procedure stops, "1"
//   any other "G" command: "0" (unknown command)
// The steps last a few seconds here (setStepDurations). Options: every
// command answered "0" (calibration not supported), a chosen status in
// place of the procedure's last one (an error such as "2", "4", "6", ":",
// "<" or "8"), and silence (nothing answered, for the wizard's limits).
//
// What the accelerometer measures now (33 bytes): "*#ACCEL:A", the axis
// calibration ("0" none, "1" autonomous, "2" from GNSS, "3" GNSS
// calibration under way), the axes X, Y, Z in thousandths of g (a sign and
// four digits each), the shock level in tenths of a percent and the
// inclination in tenths of a degree (four digits each). It answers the
// settings editor's live poll (2127 with {65, 0}, answered 2128) and its
// state request (2085, answered 2086). The vehicle stands still, the
// readings trembling a little, except while a dynamic step drives it.
// A completed autonomous calibration calibrates the axes, a started GNSS
// calibration runs on.
//
//   2087 with option 1: the calibration is reset; answered 2088
//        "*#ACCEL:R1" ("*#ACCEL:R0" for any other option, or unsupported)
class AccelerometerService : public TrackerService
{
    Q_OBJECT
public:
    static constexpr int kDefaultStaticMs = 3000;
    static constexpr int kDefaultDynamicMs = 5000;

    explicit AccelerometerService(QObject *parent = nullptr);
    ~AccelerometerService() override;

    QString name() const override { return QStringLiteral("accelerometer"); }
    QList<uint32_t> requests() const override;
    int32_t handleRequest(const PluginMessage &request, SimulatedTracker &tracker) override;
    void trackerDetached(SimulatedTracker &tracker) override;

    void setStepDurations(int staticMs, int dynamicMs);
    // Every command is answered "0".
    void setUnsupported(bool on) { m_unsupported = on; }
    bool unsupported() const { return m_unsupported; }
    // The status sent in place of the procedure's last one; 0 for none.
    void setFailure(char status) { m_failure = status; }
    char failure() const { return m_failure; }
    // No command is answered.
    void setSilent(bool on) { m_silent = on; }
    bool silent() const { return m_silent; }

    // The procedure that runs: its command's action character, or 0.
    char running() const { return m_running; }
    // The statuses sent so far, in order.
    QByteArray sentStatuses() const { return m_sent; }

    static QByteArray answer(char status);

    // The axis calibration the tracker holds ('0' .. '3').
    char calibration() const { return m_calibration; }
    void setCalibration(char state) { m_calibration = state; }
    // The readings sent so far.
    int readingsSent() const { return m_readings; }
    // The reading the tracker gives now.
    QByteArray reading();

private:
    void reply(SimulatedTracker &tracker, char status);
    void replyReading(SimulatedTracker &tracker, uint32_t answerId);
    void nextStep();
    void stop();

    QTimer *m_timer;
    QPointer<SimulatedTracker> m_tracker;
    int m_staticMs = kDefaultStaticMs;
    int m_dynamicMs = kDefaultDynamicMs;
    bool m_unsupported = false;
    char m_failure = 0;
    bool m_silent = false;
    char m_running = 0;
    QByteArray m_steps; // statuses still to come, one per step
    QByteArray m_sent;
    char m_calibration = '0';
    int m_readings = 0;
    quint32 m_noise = 4810;
};

#endif // ACCELEROMETERSERVICE_H
