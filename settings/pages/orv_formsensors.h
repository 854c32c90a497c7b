#ifndef ORV_FORMSENSORS_H
#define ORV_FORMSENSORS_H

#include "settings/pages/orv_settingspage.h"

#include <QSet>

#include <memory>

namespace Ui {
class ORV_FormSensors;
}

// Eighth tab of the settings editor (section SENSORS): the discrete inputs
// IN1, IN2 (which also counts pulses or measures a frequency) and IN3, and
// the analog input AIN1 with its zone and filters; and the inputs' live
// values.
//
// Widgets are bound to their keys in the .ui. What the page does itself:
//  - each normal-state combo shows its input's panel;
//  - AIN1 as a discrete input is either active inside its zone (the engage
//    zone on the two sliders; no recovery zone: its lower bound above its
//    higher one, the 60000 default) or normal inside it (the recovery zone
//    on the sliders). Both are stored as "UI": the recovery zone's bounds
//    tell which. The two sliders keep 0.50 V apart within 0..31 V; bounds
//    the mode does not show are kept as they are;
//  - choosing the analog mode proposes a response time of 500 ms (a
//    user's choice only: loading never changes a value);
//  - the frequency filter box: off stores 0 (no filter) and remembers the
//    value, on brings it back;
//  - live values: polling every few seconds, or one query (2076 -> 2077,
//    2054).
class ORV_FormSensors : public ORV_SettingsPage
{
    Q_OBJECT

public:
    enum Ain1Mode { Ain1Unused, Ain1Analog, Ain1ActiveInside, Ain1NormalInside, Ain1Frequency };
    static constexpr int kProposedResponse = 500;   // ms, for the analog mode
    static constexpr int kZoneGap = 500;            // mV between the two bounds
    static constexpr int kZoneMaximum = 31000;      // mV
    static constexpr int kNoZoneLower = 60000;      // a recovery zone that is none
    static constexpr int kNoZoneHigher = 31000;
    static constexpr double kFrequencyFilterDefault = 8.2; // Hz

    explicit ORV_FormSensors(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);
    ~ORV_FormSensors() override;

    void showLiveValues(const TrackerAnswers::StateRecord &record) override;
    void showFuelLevels(const TrackerAnswers::FuelLevels &levels) override;
    void stopLive() override;

    // AIN1's mode as the stored values tell it.
    Ain1Mode ain1Mode() const;

public slots:
    void slot_currentIndexChanged_NormState_In2(int nIndex);
    void slot_currentIndexChanged_NormState_In3(int nIndex);
    void slot_currentIndexChanged_NormState_AIn1(int nIndex);
    void slot_stateChanged_checkBox_Auto(int nState);
    void slot_pressed_pushButton_Quest();
    void slot_stateChanged_FRQ_Filter_AIN1(int nState);
    void slot_valueChanged_SpinBox_ImpStartStop_IN2(int nValue);

protected:
    void afterBind() override;
    void afterLoad() override;

private:
    void showIn2Panel(int index);
    void showIn3Panel(int index);
    void showAin1Panel(int index);
    void showFrequencyFilter(bool on);
    void showKalman();
    void answered(uint32_t msgId);

    std::unique_ptr<Ui::ORV_FormSensors> ui;
    double m_frequencyFilter = kFrequencyFilterDefault;
    QSet<uint32_t> m_queryAnswers; // of the one query not yet come
};

#endif // ORV_FORMSENSORS_H
