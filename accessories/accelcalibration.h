#ifndef ACCELCALIBRATION_H
#define ACCELCALIBRATION_H

#include "accessories/trackersend.h"

#include <QObject>
#include <QString>

class QTimer;

// The accelerometer calibration wizard as an exchange with the tracker, with
// no widget: ORV_FormAccelCalibrMaster shows it.
//
// The wizard offers three actions (GNSS calibration, autonomous calibration,
// check of the calibration). Each runs by commands of two bytes, "G" and an
// action character, sent as message 2127:
//   "G0" start the GNSS calibration       (Next on GnssPreparation)
//   "G1" start the check                   (Next on CheckPreparation)
//   "G2" cancel the running step           (Prev on a running screen, Cancel while waiting)
//   "G3" start the autonomous calibration  (Next on AutonomousPreparation)
// The tracker reports its progress in answers (2128, routed here by the
// settings editor) of at least 10 bytes whose byte 8 is "G" and byte 9 a
// status character "0" ... "<"; every other answer is not the wizard's and
// is ignored.
//
// The wizard never hangs waiting for the tracker:
//  - every command sent starts the answer limit; without a status in time
//    the wizard shows NoAnswer (or closes, when the user cancelled);
//  - a static step (35 ticks for a calibration, 65 for the check) shows its
//    progress and ends at its maximum in NoAnswer;
//  - a dynamic step (driving, minutes long) shows a bar without end and has
//    its own, long limit (dynamicLimit ticks);
//  - the wizard waits only on the running screens (StaticStep,
//    DynamicCalibration, StaticCheck, DynamicCheck): a status that leads
//    anywhere else, a preparation screen included, ends the waiting;
//  - Cancel while waiting sends "G2" and closes on the next status, or at
//    the answer limit if the tracker stays silent;
//  - detach() (the tracker is gone) closes it.
// isActive() and activeChanged() tell the settings editor when to pause its
// own polling of the accelerometer page.
class AccelCalibration : public QObject
{
    Q_OBJECT

public:
    enum class Screen {
        Choice = 0,
        Error = 1,
        Unsupported = 2,
        NoAnswer = 3,
        Repeat = 4,
        AutonomousPreparation = 5,
        StaticStep = 6,
        DynamicCalibration = 7,
        CalibrationDone = 8,
        GnssPreparation = 9,
        GnssStarted = 10,
        CheckPreparation = 11,
        StaticCheck = 12,
        DynamicCheck = 13,
        CheckDone = 14,
    };
    Q_ENUM(Screen)
    static constexpr int ScreenCount = 15;

    enum class Action { Gnss, Autonomous, Check };
    Q_ENUM(Action)

    // The picture beside the status line.
    enum class Picture { None, InProgress, Success, Alert, Error };
    Q_ENUM(Picture)

    // What the wizard waits for.
    enum class Wait {
        None,
        Answer, // a command was sent: its status
        Step,   // a step runs on the tracker: its next status
    };
    Q_ENUM(Wait)

    // The cause shown on the Error screen.
    enum class Failure { None, Moved, NotMoved, FewAccelerations, Gravity, GnssFailed };
    Q_ENUM(Failure)

    // Why the wizard closed.
    enum class End { Finished, Cancelled, Detached };
    Q_ENUM(End)

    static constexpr uint32_t CommandMessage = 2127;
    static constexpr uint32_t AnswerMessage = 2128;
    static constexpr int AnswerMinimumLength = 10;
    static constexpr int AnswerMarkerOffset = 8;
    static constexpr int AnswerStatusOffset = 9;

    static constexpr int DefaultAnswerTimeoutMs = 10000;
    static constexpr int DefaultTickMs = 1000;
    static constexpr int StaticCalibrationTicks = 35;
    static constexpr int StaticCheckTicks = 65;
    static constexpr int DefaultDynamicLimitTicks = 20 * 60;

    explicit AccelCalibration(TrackerSend send, int answerTimeoutMs = DefaultAnswerTimeoutMs,
                              QObject *parent = nullptr);
    ~AccelCalibration() override;

    // Length of one tick of the steps' progress (1000 ms; shorter in tests).
    void setTickInterval(int milliseconds);
    int tickInterval() const { return m_tickMs; }
    // Ticks a dynamic step may run without a status.
    void setDynamicLimit(int ticks);
    int dynamicLimit() const { return m_dynamicLimitTicks; }
    int answerTimeout() const { return m_answerTimeoutMs; }

    // The wizard opens on the choice of action; a running wizard starts over.
    void start();
    // The user's choice on the first screen.
    void setAction(Action action);
    Action action() const { return m_action; }

    // The buttons. Each does nothing when its can...() is false.
    void next();
    void prev();
    void cancel();
    bool canNext() const;
    bool canPrev() const;
    bool canCancel() const { return m_active && !m_cancelling; }
    // Next reads "Finish" on the screens that end the wizard.
    bool nextFinishes() const { return finishes(m_screen); }

    // An answer routed by the settings editor. True when it was a status
    // for the wizard; false (and nothing changed) for any other answer.
    bool receiveAnswer(const uchar *data, int length);
    // The tracker was detached or attached again: the wizard closes.
    void detach();

    bool isActive() const { return m_active; }
    Screen screen() const { return m_screen; }
    Wait waiting() const { return m_wait; }
    bool isBusy() const { return m_wait != Wait::None; }
    bool isCancelling() const { return m_cancelling; }
    Failure failure() const { return m_failure; }
    Picture picture() const { return m_picture; }
    // The last status character, 0 before the first.
    char lastStatus() const { return m_status; }
    // The progress of the running step; a maximum of 0 is a bar without end.
    int progressValue() const { return m_progress; }
    int progressMaximum() const { return m_progressMax; }

    static bool isRunning(Screen screen);
    static bool finishes(Screen screen);
    static bool isStatus(char status) { return status >= '0' && status <= '<'; }
    // The text of a status, for the wizard's status line.
    static QString statusText(char status);
    static Picture statusPicture(char status);

signals:
    // Anything the window shows changed.
    void changed();
    // One tick of a running step.
    void tick(int value, int maximum);
    // A command went to the tracker (its action character).
    void commandSent(char action);
    // The wizard started or closed: the editor pauses its polling meanwhile.
    void activeChanged(bool active);
    void closed(AccelCalibration::End end);

private:
    void send(char action);
    void setScreen(Screen screen);
    void handleStatus(char status);
    Screen afterSuccess() const;
    void startStep(int maximum, int limitTicks);
    void stopWaiting();
    void noAnswer();
    void close(End end);
    void onTick();

    TrackerSend m_send;
    QTimer *m_answerTimer = nullptr;
    QTimer *m_tickTimer = nullptr;
    const int m_answerTimeoutMs;
    int m_tickMs = DefaultTickMs;
    int m_dynamicLimitTicks = DefaultDynamicLimitTicks;

    bool m_active = false;
    Screen m_screen = Screen::Choice;
    Action m_action = Action::Gnss;
    Wait m_wait = Wait::None;
    bool m_cancelling = false;
    Failure m_failure = Failure::None;
    Picture m_picture = Picture::None;
    char m_status = 0;
    int m_progress = 0;
    int m_progressMax = 0;
    int m_stepTicks = 0;
    int m_stepLimit = 0;
    char m_command[2] = {'G', '0'}; // read by the host during the send
};

#endif // ACCELCALIBRATION_H
