#include "settings/pages/orv_formsensors.h"

#include "core/orvmessages.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "settings/model/settingskey.h"
#include "settings/model/settingsmodel.h"
#include "settings/pages/settingsbinder.h"
#include "ui_orv_formsensors.h"

#include <QSignalBlocker>

#include <algorithm>

namespace {

const QString kSensors = QStringLiteral("SENSORS");
const QString kEngageLower = QStringLiteral("EngageZoneLowerAIN1");
const QString kEngageHigher = QStringLiteral("EngageZoneHigherAIN1");
const QString kRecoveryLower = QStringLiteral("recoveryZoneLowerAIN1");
const QString kRecoveryHigher = QStringLiteral("recoveryZoneHigherAIN1");
const QString kStateAin1 = QStringLiteral("normStateAIN1");
const QString kKalmanIn2 = QStringLiteral("KalmanIN2");
constexpr int kDefaultInterval = 3; // s

} // namespace

ORV_FormSensors::ORV_FormSensors(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_SettingsPage(editor, parent)
    , ui(new Ui::ORV_FormSensors)
{
    ui->setupUi(this);
    ui->spinBox_Interval->setValue(kDefaultInterval);

    connect(ui->comboBox_NormState_In2, &QComboBox::currentIndexChanged, this,
            &ORV_FormSensors::slot_currentIndexChanged_NormState_In2);
    connect(ui->comboBox_NormState_In3, &QComboBox::currentIndexChanged, this,
            &ORV_FormSensors::slot_currentIndexChanged_NormState_In3);
    connect(ui->comboBox_NormState_AIn1, &QComboBox::currentIndexChanged, this,
            &ORV_FormSensors::slot_currentIndexChanged_NormState_AIn1);
    connect(ui->checkBox_Auto, &QCheckBox::stateChanged, this, &ORV_FormSensors::slot_stateChanged_checkBox_Auto);
    connect(ui->pushButton_Quest, &QPushButton::pressed, this, &ORV_FormSensors::slot_pressed_pushButton_Quest);
    connect(ui->checkBox_FRQ_Filter_AIn1, &QCheckBox::stateChanged, this,
            &ORV_FormSensors::slot_stateChanged_FRQ_Filter_AIN1);
    for (QSpinBox *s : {ui->spinBox_ImpStart_In2, ui->spinBox_ImpStartTime_In2, ui->spinBox_ImpStop_In2,
                        ui->spinBox_ImpStopTime_In2})
        connect(s, &QSpinBox::valueChanged, this, &ORV_FormSensors::slot_valueChanged_SpinBox_ImpStartStop_IN2);
}

ORV_FormSensors::~ORV_FormSensors() = default;

void ORV_FormSensors::afterBind()
{
    binder()->keepGap(kEngageLower, kEngageHigher, kZoneGap, 0, kZoneMaximum);
    binder()->keepGap(kRecoveryLower, kRecoveryHigher, kZoneGap, 0, kZoneMaximum);
    if (SettingsModel *m = model()) {
        connect(m, &SettingsModel::valueChanged, this, [this](const QString &section, const QString &path) {
            if (section == kSensors && path == kKalmanIn2)
                showKalman();
        });
    }
}

void ORV_FormSensors::afterLoad()
{
    showIn2Panel(ui->comboBox_NormState_In2->currentIndex());
    showIn3Panel(ui->comboBox_NormState_In3->currentIndex());
    // The combo shows the first item of a code: "UI" may stand for either
    // discrete mode of AIN1.
    if (ui->comboBox_NormState_AIn1->currentIndex() == Ain1ActiveInside && ain1Mode() == Ain1NormalInside) {
        const QSignalBlocker block(ui->comboBox_NormState_AIn1);
        ui->comboBox_NormState_AIn1->setCurrentIndex(Ain1NormalInside);
    }
    showAin1Panel(ui->comboBox_NormState_AIn1->currentIndex());
    if (SettingsModel *m = model()) {
        const int frequency = m->value(kSensors, QStringLiteral("KalmanAIN1"), &SettingsConversion::Stored).toInt();
        const QSignalBlocker block(ui->checkBox_FRQ_Filter_AIn1);
        ui->checkBox_FRQ_Filter_AIn1->setChecked(frequency != 0);
    }
    showFrequencyFilter(ui->checkBox_FRQ_Filter_AIn1->isChecked());
    slot_valueChanged_SpinBox_ImpStartStop_IN2(0);
    showKalman();
}

// ---------------------------------------------------------------- panels

void ORV_FormSensors::showIn2Panel(int index)
{
    // Not used; pulses or frequency (one panel); discrete.
    static const int panels[] = {0, 1, 1, 2};
    ui->stackedWidget_In2->setCurrentIndex(index >= 0 && index < 4 ? panels[index] : 0);
}

void ORV_FormSensors::showIn3Panel(int index)
{
    ui->stackedWidget_In3->setCurrentIndex(index == 1 ? 1 : 0);
}

void ORV_FormSensors::showAin1Panel(int index)
{
    // Not used; analog; the zone (two modes); frequency.
    static const int panels[] = {0, 1, 2, 2, 3};
    ui->stackedWidget_AIn1->setCurrentIndex(index >= 0 && index < 5 ? panels[index] : 0);
    if (!binder())
        return;
    const bool recovery = index == Ain1NormalInside;
    const QString low = recovery ? kRecoveryLower : kEngageLower;
    const QString high = recovery ? kRecoveryHigher : kEngageHigher;
    binder()->rebind(ui->horizontalSlider_Zone_Left_AIn1, low);
    binder()->rebind(ui->doubleSpinBox_Zone_Left_AIn1, low);
    binder()->rebind(ui->horizontalSlider_Zone_Right_AIn1, high);
    binder()->rebind(ui->doubleSpinBox_Zone_Right_AIn1, high);
}

void ORV_FormSensors::slot_currentIndexChanged_NormState_In2(int nIndex)
{
    showIn2Panel(nIndex);
}

void ORV_FormSensors::slot_currentIndexChanged_NormState_In3(int nIndex)
{
    showIn3Panel(nIndex);
}

ORV_FormSensors::Ain1Mode ORV_FormSensors::ain1Mode() const
{
    const SettingsModel *m = model();
    if (!m)
        return Ain1Unused;
    const QString code = m->text(kSensors, kStateAin1);
    if (code == QLatin1String("AIN"))
        return Ain1Analog;
    if (code == QLatin1String("FRQ"))
        return Ain1Frequency;
    if (code != QLatin1String("UI"))
        return Ain1Unused;
    const auto *stored = &SettingsConversion::Stored;
    const int lower = m->value(kSensors, kRecoveryLower, stored).toInt();
    const int higher = m->value(kSensors, kRecoveryHigher, stored).toInt();
    return lower <= higher ? Ain1NormalInside : Ain1ActiveInside;
}

void ORV_FormSensors::slot_currentIndexChanged_NormState_AIn1(int nIndex)
{
    SettingsModel *m = model();
    if (m && binder() && !binder()->isLoading()) {
        const auto *stored = &SettingsConversion::Stored;
        const bool hasRecovery =
            m->value(kSensors, kRecoveryLower, stored).toInt() <= m->value(kSensors, kRecoveryHigher, stored).toInt();
        if (nIndex == Ain1Analog) {
            ui->spinBox_Response_AIn1->setValue(kProposedResponse);
        } else if (nIndex == Ain1ActiveInside && hasRecovery) {
            // Active inside the engage zone: no recovery zone.
            m->setValue(kSensors, kRecoveryLower, kNoZoneLower, stored);
            m->setValue(kSensors, kRecoveryHigher, kNoZoneHigher, stored);
        } else if (nIndex == Ain1NormalInside && !hasRecovery) {
            // Normal inside the zone: the recovery zone starts where the engage zone was.
            m->setValue(kSensors, kRecoveryLower, m->value(kSensors, kEngageLower, stored), stored);
            m->setValue(kSensors, kRecoveryHigher, m->value(kSensors, kEngageHigher, stored), stored);
        }
    }
    showAin1Panel(nIndex);
}

// ---------------------------------------------------------------- IN2 pulses and filter

void ORV_FormSensors::slot_valueChanged_SpinBox_ImpStartStop_IN2(int nValue)
{
    Q_UNUSED(nValue);
    // Work is told only when starting and stopping are both defined.
    const bool defined = ui->spinBox_ImpStart_In2->value() != 0 && ui->spinBox_ImpStartTime_In2->value() != 0
                         && ui->spinBox_ImpStop_In2->value() != 0 && ui->spinBox_ImpStopTime_In2->value() != 0;
    ui->checkBox_SetLine_In2->setEnabled(defined);
    ui->checkBox_Reset_In2->setEnabled(defined);
}

void ORV_FormSensors::showKalman()
{
    const SettingsModel *m = model();
    const QString code = m ? m->text(kSensors, kKalmanIn2) : QString();
    bool ok = false;
    const int hundredths = code.trimmed().toInt(&ok);
    ui->label_Kalman_In2_Value->setText(ok ? QString::number(hundredths / 100.0, 'f', 2) : code);
}

// ---------------------------------------------------------------- AIN1 frequency filter

void ORV_FormSensors::showFrequencyFilter(bool on)
{
    QDoubleSpinBox *field = ui->doubleSpinBox_FRQ_Filter_AIn1;
    const QSignalBlocker block(field);
    if (on)
        field->setRange(0.5, std::max(20.0, field->value()));
    else
        field->setRange(0.0, std::max(0.0, field->value()));
    field->setEnabled(on);
}

void ORV_FormSensors::slot_stateChanged_FRQ_Filter_AIN1(int nState)
{
    QDoubleSpinBox *field = ui->doubleSpinBox_FRQ_Filter_AIn1;
    field->setEnabled(nState != 0);
    if (nState) {
        field->setRange(0.5, 20.0);
        field->setValue(m_frequencyFilter);
    } else {
        if (field->value() > 0)
            m_frequencyFilter = field->value();
        field->setRange(0.0, 0.0); // stored as 0: no filter
    }
}

// ---------------------------------------------------------------- live values

void ORV_FormSensors::slot_stateChanged_checkBox_Auto(int nState)
{
    ui->spinBox_Interval->setEnabled(nState == 0);
    ui->pushButton_Quest->setEnabled(nState == 0 && isOnline());
    if (nState == 0) {
        stopPolling();
        return;
    }
    m_queryAnswers.clear();
    if (!startPolling(ui->spinBox_Interval->value() * 1000)) {
        const QSignalBlocker block(ui->checkBox_Auto);
        ui->checkBox_Auto->setChecked(false);
        ui->spinBox_Interval->setEnabled(true);
        ui->pushButton_Quest->setEnabled(isOnline());
    }
}

void ORV_FormSensors::slot_pressed_pushButton_Quest()
{
    // One query: its two answers reach the page, then the wait ends.
    m_queryAnswers = {OrvMsg::FuelLevelAnswer, OrvMsg::StateAnswer};
    if (!request(OrvMsg::SensorsPoll, 0, 0, {OrvMsg::FuelLevelAnswer, OrvMsg::StateAnswer}, true))
        m_queryAnswers.clear();
}

void ORV_FormSensors::answered(uint32_t msgId)
{
    if (!m_queryAnswers.remove(msgId) || !m_queryAnswers.isEmpty())
        return;
    if (!ui->checkBox_Auto->isChecked())
        stopPolling(); // forgets the query's waits
}

void ORV_FormSensors::showLiveValues(const TrackerAnswers::StateRecord &record)
{
    auto state = [&record](int input) {
        const auto on = record.state(input);
        return on ? (*on ? tr("K4810_329") : tr("K4810_330")) : QString();
    };
    ui->label_Live_In1->setText(state(0));
    ui->label_Live_In2->setText(state(1));
    ui->label_Live_In3->setText(state(2));
    ui->label_Live_AIn1_State->setText(state(3));
    const auto supply = record.supplyHundredths();
    const auto battery = record.batteryHundredths();
    ui->label_Live_Supply->setText(supply ? QString::number(*supply / 100.0, 'f', 2) : QString());
    ui->label_Live_Battery->setText(battery ? QString::number(*battery / 100.0, 'f', 2) : QString());
    answered(OrvMsg::StateAnswer);
}

void ORV_FormSensors::showFuelLevels(const TrackerAnswers::FuelLevels &levels)
{
    using F = TrackerAnswers::FuelLevels;
    const auto ain1 = levels.level(F::Ain1Millivolts);
    const auto hertz = levels.level(F::In2Hertz);
    const auto pulses = levels.level(F::In2Pulses);
    // A level the answer does not carry leaves its field as it was.
    if (ain1)
        ui->label_Live_AIn1->setText(QString::number(*ain1 / 1000.0, 'f', 2));
    if (hertz)
        ui->label_Live_In2_Hertz->setText(QString::number(*hertz));
    if (pulses)
        ui->label_Live_In2_Pulses->setText(QString::number(*pulses));
    answered(OrvMsg::FuelLevelAnswer);
}

void ORV_FormSensors::stopLive()
{
    ORV_SettingsPage::stopLive(); // the auto box off, the values cleared
    m_queryAnswers.clear();
    ui->spinBox_Interval->setEnabled(true);
    ui->pushButton_Quest->setEnabled(isOnline());
}
