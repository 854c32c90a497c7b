#ifndef ORV_FORMSYSTEM_H
#define ORV_FORMSYSTEM_H

#include "settings/pages/orv_settingspage.h"

#include <QList>

#include <memory>

namespace Ui {
class ORV_FormSystem;
}
class FormWait;
class QCheckBox;
class QTimeEdit;
class QTimer;

// Fourth tab of the settings editor (section SYSTEM): passwords, time
// zone, the SIM balance check, power saving with its stages and weekly
// schedule, the engine running detection by supply voltage, the external
// power and fuel-level thresholds, jamming and towing detection.
//
// Widgets are bound to their keys (the four power-saving stages and the
// seven days are rows built here, bound like the rest); the sliders and
// their volt fields share a key, and the two pairs of thresholds keep their
// gaps through the binder. What the page does itself:
//  - the live voltage display: "Read voltage" asks for one state answer
//    (2053 -> 2054); the engine detection counts 16 ticks of its wait timer
//    in the wait window, then asks for the engine running voltage
//    (2078 -> 2079);
//  - the schedule boxes, which stand for no key of their own: the daily
//    wake-up box is on while on_timer holds a time (off: on_timer empty),
//    a day's box while its on/off times are not both 00:00, the weekly box
//    while any day is on.
// The balance auto-check state other pages follow is the model's
// SYSTEM/useAutoBalanceChek.
class ORV_FormSystem : public ORV_SettingsPage
{
    Q_OBJECT

public:
    static constexpr int kEngineTicks = 16;
    static constexpr int kWaitInterval = 1000; // ms per tick
    static constexpr int kDays = 7;

    explicit ORV_FormSystem(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);
    ~ORV_FormSystem() override;

    void setOnline(bool online) override;
    void showLiveValues(const TrackerAnswers::StateRecord &record) override;
    void onSystemValue(const QByteArray &value) override;
    void stopLive() override;

    // The engine detection in progress: ticks left (0: none running).
    int engineCountdown() const { return m_counter; }
    FormWait *waitWindow() const { return m_wait; }
    QTimer *waitTimer() const { return m_waitTimer; }

public slots:
    void slot_pressed_Btn_Engine();
    void slot_pressed_Btn_TuningCur();
    void slot_timeout_Wait();
    void slot_stateChanged_PwrSch_Timer(int nState);
    void slot_stateChanged_PwrSch_DayWeek(int nState);
    void slot_stateChanged_PwrSch_DayWeek_Mon(int nState);
    void slot_stateChanged_PwrSch_DayWeek_Tue(int nState);
    void slot_stateChanged_PwrSch_DayWeek_Wed(int nState);
    void slot_stateChanged_PwrSch_DayWeek_Thu(int nState);
    void slot_stateChanged_PwrSch_DayWeek_Fri(int nState);
    void slot_stateChanged_PwrSch_DayWeek_Sat(int nState);
    void slot_stateChanged_PwrSch_DayWeek_Sun(int nState);
    void slot_pressed_BtnPowerSaveAccel();

protected:
    void afterBind() override;
    void afterLoad() override;

private:
    void buildStages();
    void buildDays();
    void setDay(int day, bool on);
    void showSchedule();
    void endEngineDetection();
    static QString volts(int hundredths);

    std::unique_ptr<Ui::ORV_FormSystem> ui;
    QList<QCheckBox *> m_dayBoxes;
    QList<QTimeEdit *> m_dayTimes; // on, off of each day
    FormWait *m_wait = nullptr;
    QTimer *m_waitTimer;
    int m_counter = 0;
};

#endif // ORV_FORMSYSTEM_H
