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
// Other values of 2127 (the settings editor's live poll "A") are not
// simulated.
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

private:
    void reply(SimulatedTracker &tracker, char status);
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
};

#endif // ACCELEROMETERSERVICE_H
