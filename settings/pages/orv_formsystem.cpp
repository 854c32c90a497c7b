#include "settings/pages/orv_formsystem.h"

#include "core/formwait.h"
#include "core/orvmessages.h"
#include "net/mobilecarriers.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "settings/model/settingsmodel.h"
#include "settings/pages/settingsbinder.h"
#include "ui_orv_formsystem.h"

#include <QMenu>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QTimer>

namespace {

const QString kSystem = QStringLiteral("SYSTEM");
const QString kOnTimer = QStringLiteral("powerSaveConfig/on_timer");
const QString kMidnight = QStringLiteral("00:00");

// The four power-saving stages: the object name's ending and the box's text.
struct Stage
{
    const char *name;
    const char *text;
};
const Stage kStages[] = {
    {"GPSOff", QT_TRANSLATE_NOOP("ORV_FormSystem", "K4810_2705")},
    {"GSMOff", QT_TRANSLATE_NOOP("ORV_FormSystem", "K4810_2706")},
    {"InterfaceOff", QT_TRANSLATE_NOOP("ORV_FormSystem", "K4810_2707")},
    {"BQOffDelay", QT_TRANSLATE_NOOP("ORV_FormSystem", "K4810_2708")},
};

// Monday first, as powerSaveDay numbers them (on_1 ... on_7).
const Stage kDayNames[] = {
    {"Mon", QT_TRANSLATE_NOOP("ORV_FormSystem", "K4810_2713")}, {"Tue", QT_TRANSLATE_NOOP("ORV_FormSystem", "K4810_2714")},
    {"Wed", QT_TRANSLATE_NOOP("ORV_FormSystem", "K4810_2715")}, {"Thu", QT_TRANSLATE_NOOP("ORV_FormSystem", "K4810_2716")},
    {"Fri", QT_TRANSLATE_NOOP("ORV_FormSystem", "K4810_2717")}, {"Sat", QT_TRANSLATE_NOOP("ORV_FormSystem", "K4810_2718")},
    {"Sun", QT_TRANSLATE_NOOP("ORV_FormSystem", "K4810_2719")},
};

// What a day or the daily wake-up is set to when the user switches it on.
const QString kDayOn = QStringLiteral("08:00");
const QString kDayOff = QStringLiteral("20:00");

// The wait window's text with the ticks left (after it, should the text
// have no place for them).
QString ticksLeft(const QString &text, int ticks)
{
    return text.contains(QLatin1String("%1")) ? text.arg(ticks) : text + QLatin1Char(' ') + QString::number(ticks);
}

QString onPath(int day)
{
    return QStringLiteral("powerSaveDay/on_%1").arg(day + 1);
}
QString offPath(int day)
{
    return QStringLiteral("powerSaveDay/off_%1").arg(day + 1);
}

} // namespace

ORV_FormSystem::ORV_FormSystem(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_SettingsPage(editor, parent)
    , ui(new Ui::ORV_FormSystem)
    , m_waitTimer(new QTimer(this))
{
    ui->setupUi(this);
    buildStages();
    buildDays();

    // The carriers' balance requests, offered beside the USSD field.
    auto *carriers = new QMenu(ui->toolButton_Balance_Ussd);
    for (const MobileCarriers::BalanceRequest &r : MobileCarriers::balanceRequests()) {
        const QString ussd = QString::fromLatin1(r.ussd);
        QAction *a = carriers->addAction(QStringLiteral("%1   %2").arg(QString::fromUtf8(r.carrier), ussd));
        connect(a, &QAction::triggered, this, [this, ussd] { ui->lineEdit_Balance_Ussd->setText(ussd); });
    }
    ui->toolButton_Balance_Ussd->setMenu(carriers);
    ui->toolButton_Balance_Ussd->setPopupMode(QToolButton::InstantPopup);

    m_waitTimer->setObjectName(QStringLiteral("m_Timer_Wait"));
    m_waitTimer->setInterval(kWaitInterval);
    connect(m_waitTimer, &QTimer::timeout, this, &ORV_FormSystem::slot_timeout_Wait);

    connect(ui->pushButton_Engine, &QPushButton::pressed, this, &ORV_FormSystem::slot_pressed_Btn_Engine);
    connect(ui->pushButton_TuningCur, &QPushButton::pressed, this, &ORV_FormSystem::slot_pressed_Btn_TuningCur);
    connect(ui->pushButton_PowerSaveAccel, &QPushButton::pressed, this, &ORV_FormSystem::slot_pressed_BtnPowerSaveAccel);
    connect(ui->checkBox_PwrSch_Timer, &QCheckBox::stateChanged, this, &ORV_FormSystem::slot_stateChanged_PwrSch_Timer);
    connect(ui->checkBox_PwrSch_DayWeek, &QCheckBox::stateChanged, this,
            &ORV_FormSystem::slot_stateChanged_PwrSch_DayWeek);
    void (ORV_FormSystem::*daySlots[kDays])(int) = {
        &ORV_FormSystem::slot_stateChanged_PwrSch_DayWeek_Mon, &ORV_FormSystem::slot_stateChanged_PwrSch_DayWeek_Tue,
        &ORV_FormSystem::slot_stateChanged_PwrSch_DayWeek_Wed, &ORV_FormSystem::slot_stateChanged_PwrSch_DayWeek_Thu,
        &ORV_FormSystem::slot_stateChanged_PwrSch_DayWeek_Fri, &ORV_FormSystem::slot_stateChanged_PwrSch_DayWeek_Sat,
        &ORV_FormSystem::slot_stateChanged_PwrSch_DayWeek_Sun};
    for (int day = 0; day < kDays; ++day)
        connect(m_dayBoxes.at(day), &QCheckBox::stateChanged, this, daySlots[day]);
}

ORV_FormSystem::~ORV_FormSystem() = default;

void ORV_FormSystem::buildStages()
{
    // One row a stage: its box (an item of actions) and its delay (the same
    // item of delays), in rows 0..3 of the stages grid.
    int row = 0;
    for (const Stage &s : kStages) {
        auto *box = new QCheckBox(tr(s.text), ui->groupBox_PowerSave_Stages);
        box->setObjectName(QStringLiteral("checkBox_PowerSave_%1").arg(QLatin1String(s.name)));
        box->setProperty(SettingsBinder::PathProperty, QStringLiteral("powerSaveConfig/actions"));
        box->setProperty(SettingsBinder::ItemProperty, row);
        auto *delay = new QSpinBox(ui->groupBox_PowerSave_Stages);
        delay->setObjectName(QStringLiteral("spinBox_PowerSave_%1").arg(QLatin1String(s.name)));
        delay->setRange(0, 86400);
        delay->setProperty(SettingsBinder::PathProperty, QStringLiteral("powerSaveConfig/delays"));
        delay->setProperty(SettingsBinder::ItemProperty, row);
        delay->setProperty(SettingsBinder::EnabledByProperty, QStringLiteral("powerSaveConfig/actions"));
        delay->setProperty(SettingsBinder::EnabledByItemProperty, row);
        ui->gridLayout_PowerSave_Stages->addWidget(box, row, 0);
        ui->gridLayout_PowerSave_Stages->addWidget(delay, row, 1);
        ++row;
    }
}

void ORV_FormSystem::buildDays()
{
    // Rows 1..7 of the days grid (row 0 holds the column captions).
    auto *grid = ui->gridLayout_PwrSch_Days;
    for (int day = 0; day < kDays; ++day) {
        auto *box = new QCheckBox(tr(kDayNames[day].text), ui->groupBox_PowerSave_Stages);
        box->setObjectName(QStringLiteral("checkBox_PwrSch_DayWeek_%1").arg(QLatin1String(kDayNames[day].name)));
        grid->addWidget(box, day + 1, 0);
        m_dayBoxes << box;
        for (int column = 0; column < 2; ++column) {
            auto *time = new QTimeEdit(ui->groupBox_PowerSave_Stages);
            time->setObjectName(QStringLiteral("timeEdit_PwrSch_%1_%2")
                                    .arg(column == 0 ? QStringLiteral("On") : QStringLiteral("Off"))
                                    .arg(QLatin1String(kDayNames[day].name)));
            time->setProperty(SettingsBinder::PathProperty, column == 0 ? onPath(day) : offPath(day));
            grid->addWidget(time, day + 1, column + 1);
            m_dayTimes << time;
        }
    }
}

// ---------------------------------------------------------------- thresholds

void ORV_FormSystem::afterBind()
{
    // External power: lost below level_on, restored above level_off, at
    // least 100 mV higher. Fuel level: low below fuel_off, normal above
    // fuel_on, at least 500 mV higher, within 0 .. 31 V.
    binder()->keepGap(QStringLiteral("POWER/level_on"), QStringLiteral("POWER/level_off"), 100, 6000, 32000);
    binder()->keepGap(QStringLiteral("FUEL_PARAM/fuel_off"), QStringLiteral("FUEL_PARAM/fuel_on"), 500, 0, 31000);
}

// ---------------------------------------------------------------- schedule

void ORV_FormSystem::afterLoad()
{
    showSchedule();
}

void ORV_FormSystem::showSchedule()
{
    SettingsModel *m = model();
    if (!m)
        return;
    const bool timer = !m->text(kSystem, kOnTimer).isEmpty();
    {
        const QSignalBlocker block(ui->checkBox_PwrSch_Timer);
        ui->checkBox_PwrSch_Timer->setChecked(timer);
    }
    ui->timeEdit_PwrSch_Timer->setEnabled(timer);
    bool anyDay = false;
    for (int day = 0; day < kDays; ++day) {
        const bool on = m->text(kSystem, onPath(day)) != kMidnight || m->text(kSystem, offPath(day)) != kMidnight;
        anyDay = anyDay || on;
        const QSignalBlocker block(m_dayBoxes.at(day));
        m_dayBoxes.at(day)->setChecked(on);
        m_dayTimes.at(2 * day)->setEnabled(on);
        m_dayTimes.at(2 * day + 1)->setEnabled(on);
    }
    {
        const QSignalBlocker block(ui->checkBox_PwrSch_DayWeek);
        ui->checkBox_PwrSch_DayWeek->setChecked(anyDay);
    }
    for (QCheckBox *box : std::as_const(m_dayBoxes))
        box->setEnabled(anyDay);
    ui->label_PwrSch_On->setEnabled(anyDay);
    ui->label_PwrSch_Off->setEnabled(anyDay);
}

void ORV_FormSystem::slot_stateChanged_PwrSch_Timer(int nState)
{
    // Off: no daily wake-up (on_timer empty, never "00:00"); on: a time.
    if (SettingsModel *m = model())
        m->setText(kSystem, kOnTimer, nState ? kDayOn : QString());
    showSchedule();
}

void ORV_FormSystem::slot_stateChanged_PwrSch_DayWeek(int nState)
{
    if (nState) {
        // The days become available; the user picks them.
        for (QCheckBox *box : std::as_const(m_dayBoxes))
            box->setEnabled(true);
        ui->label_PwrSch_On->setEnabled(true);
        ui->label_PwrSch_Off->setEnabled(true);
        return;
    }
    for (int day = 0; day < kDays; ++day)
        setDay(day, false);
    showSchedule();
}

void ORV_FormSystem::setDay(int day, bool on)
{
    SettingsModel *m = model();
    if (!m)
        return;
    if (!on) {
        m->setText(kSystem, onPath(day), kMidnight);
        m->setText(kSystem, offPath(day), kMidnight);
    } else if (m->text(kSystem, onPath(day)) == kMidnight && m->text(kSystem, offPath(day)) == kMidnight) {
        m->setText(kSystem, onPath(day), kDayOn);
        m->setText(kSystem, offPath(day), kDayOff);
    }
    m_dayTimes.at(2 * day)->setEnabled(on);
    m_dayTimes.at(2 * day + 1)->setEnabled(on);
}

void ORV_FormSystem::slot_stateChanged_PwrSch_DayWeek_Mon(int nState) { setDay(0, nState); }
void ORV_FormSystem::slot_stateChanged_PwrSch_DayWeek_Tue(int nState) { setDay(1, nState); }
void ORV_FormSystem::slot_stateChanged_PwrSch_DayWeek_Wed(int nState) { setDay(2, nState); }
void ORV_FormSystem::slot_stateChanged_PwrSch_DayWeek_Thu(int nState) { setDay(3, nState); }
void ORV_FormSystem::slot_stateChanged_PwrSch_DayWeek_Fri(int nState) { setDay(4, nState); }
void ORV_FormSystem::slot_stateChanged_PwrSch_DayWeek_Sat(int nState) { setDay(5, nState); }
void ORV_FormSystem::slot_stateChanged_PwrSch_DayWeek_Sun(int nState) { setDay(6, nState); }

void ORV_FormSystem::slot_pressed_BtnPowerSaveAccel()
{
    // The movement thresholds are the accelerometer page's.
    if (!editor())
        return;
    if (ORV_SettingsPage *accelerometer = editor()->page(orv_FormXml_K4810::PageAccelerometer))
        editor()->setCurrentTab(accelerometer->tabIndex());
}

// ---------------------------------------------------------------- live values

QString ORV_FormSystem::volts(int hundredths)
{
    return QString::number(hundredths / 100.0, 'f', 2);
}

void ORV_FormSystem::slot_pressed_Btn_TuningCur()
{
    // One state answer (2053 -> 2054) fills the voltage display.
    startPolling();
}

void ORV_FormSystem::showLiveValues(const TrackerAnswers::StateRecord &record)
{
    const auto supply = record.supplyHundredths();
    const auto battery = record.batteryHundredths();
    ui->label_Voltage_Supply->setText(supply ? volts(*supply) : QString());
    ui->label_Voltage_Battery->setText(battery ? volts(*battery) : QString());
}

void ORV_FormSystem::onSystemValue(const QByteArray &value)
{
    const auto engine = TrackerAnswers::hundredths(value);
    ui->label_Voltage_Engine->setText(engine ? volts(*engine) : QString());
}

void ORV_FormSystem::slot_pressed_Btn_Engine()
{
    if (m_counter > 0 || !isOnline())
        return;
    if (!m_wait) {
        m_wait = new FormWait(this);
        m_wait->setObjectName(QStringLiteral("FormWait_Engine"));
        m_wait->showCounters(false);
        m_wait->setCancelText(tr("K4810_1706"));
        connect(m_wait, &FormWait::cancelRequested, this, &ORV_FormSystem::endEngineDetection);
    }
    m_counter = kEngineTicks;
    m_wait->setWindowTitle(tr("K4810_824"));
    m_wait->setRange(0, kEngineTicks);
    m_wait->setValue(kEngineTicks - m_counter);
    m_wait->setMessage(ticksLeft(tr("K4810_825"), m_counter));
    m_wait->open(); // modal, without an event loop of its own
    m_waitTimer->start();
}

void ORV_FormSystem::slot_timeout_Wait()
{
    if (m_counter <= 0) {
        m_waitTimer->stop();
        return;
    }
    --m_counter;
    m_wait->setValue(kEngineTicks - m_counter);
    m_wait->setMessage(ticksLeft(tr("K4810_825"), m_counter));
    if (m_counter >= 1)
        return;
    endEngineDetection();
    // The engine ran through the wait: the tracker tells its supply voltage now.
    request(OrvMsg::SystemRead, 0, 0, {OrvMsg::SystemAnswer});
}

void ORV_FormSystem::endEngineDetection()
{
    m_waitTimer->stop();
    m_counter = 0;
    if (m_wait)
        m_wait->close();
}

void ORV_FormSystem::setOnline(bool online)
{
    ORV_SettingsPage::setOnline(online);
    if (!online)
        endEngineDetection();
}

void ORV_FormSystem::stopLive()
{
    ORV_SettingsPage::stopLive();
    endEngineDetection();
}
