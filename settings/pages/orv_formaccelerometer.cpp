#include "settings/pages/orv_formaccelerometer.h"

#include "accessories/orv_formaccelcalibr.h"
#include "accessories/orv_formaccelcalibrmaster.h"
#include "accessories/orv_formacceldtp.h"
#include "accessories/orv_formaccelvirtual.h"
#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "settings/editor/settingspolling.h"
#include "ui_orv_formaccelerometer.h"

#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>

ORV_FormAccelerometer::ORV_FormAccelerometer(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_SettingsPage(editor, parent)
    , ui(std::make_unique<Ui::ORV_FormAccelerometer>())
    , m_virtual(new ORV_FormAccelVirtual)
    , m_dtp(new ORV_FormAccelDtp)
    , m_calibr(new ORV_FormAccelCalibr)
{
    ui->setupUi(this);
    ui->tabWidget->addTab(m_virtual, tr("K4810_2900"));
    ui->tabWidget->addTab(m_dtp, tr("K4810_2901"));
    ui->tabWidget->addTab(m_calibr, tr("K4810_2902"));
    m_virtual->setModel(model(), QLatin1String(Section));
    ui->spinBox_Interval->setSuffix(QStringLiteral(" ") + tr("K4810_2945"));

    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &ORV_FormAccelerometer::slot_indexChangeed_tabWidget);
    connect(ui->pushButton_Read, &QPushButton::pressed, this, &ORV_FormAccelerometer::slot_pressed_pushButton_Read);
    connect(ui->checkBox_Auto, &QCheckBox::stateChanged, this, &ORV_FormAccelerometer::slot_stateChanged_checkBox_Auto);
    connect(m_calibr, &ORV_FormAccelCalibr::masterRequested, this, &ORV_FormAccelerometer::openMaster);
    connect(m_calibr, &ORV_FormAccelCalibr::resetRequested, this, &ORV_FormAccelerometer::askReset);
    connect(m_calibr, &ORV_FormAccelCalibr::infoRequested, this, &ORV_FormAccelerometer::showInfo);
}

ORV_FormAccelerometer::~ORV_FormAccelerometer() = default;

QMessageBox *ORV_FormAccelerometer::resetQuestion() const
{
    return m_question;
}

void ORV_FormAccelerometer::afterLoad()
{
    m_virtual->afterLoad();
}

void ORV_FormAccelerometer::slot_indexChangeed_tabWidget(int nIndex)
{
    // The calibration tab tells what the tracker holds now.
    if (nIndex == TabCalibr && isOnline() && editor() && editor()->currentPage() == this)
        slot_pressed_pushButton_Read();
}

// ---------------------------------------------------------------------------
// Live values

bool ORV_FormAccelerometer::isLivePolling() const
{
    return editor() && editor()->polling()->pollingPage() == this;
}

void ORV_FormAccelerometer::slot_pressed_pushButton_Read()
{
    request(OrvMsg::AccelState, 0, 0, {OrvMsg::AccelStateAnswer});
}

void ORV_FormAccelerometer::slot_stateChanged_checkBox_Auto(int nState)
{
    ui->spinBox_Interval->setEnabled(nState == 0);
    if (nState == 0) {
        stopPolling();
        return;
    }
    if (editor() && editor()->currentPage() == this)
        editor()->setAccelerometerPolling(true, ui->spinBox_Interval->value() * 1000);
    if (!isLivePolling()) {
        const QSignalBlocker block(ui->checkBox_Auto);
        ui->checkBox_Auto->setChecked(false);
        ui->spinBox_Interval->setEnabled(true);
    }
}

void ORV_FormAccelerometer::stopLive()
{
    ORV_SettingsPage::stopLive(); // the automatic reading off, the values cleared
    ui->spinBox_Interval->setEnabled(true);
}

void ORV_FormAccelerometer::onAnswer(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    // The host's parameters as they came: a buffer and its length.
    const auto *data = reinterpret_cast<const uchar *>(p1);
    const int length = data && p2 > 0 && p2 <= INT32_MAX ? int(p2) : 0;
    if (!length)
        return;
    switch (msgId) {
    case OrvMsg::AccelCalibrationAnswer:
        // The wizard's statuses share the message with the live poll.
        if (m_master && m_master->receiveAnswer(data, length))
            return;
        [[fallthrough]];
    case OrvMsg::AccelStateAnswer:
        if (const auto reading = AccelerometerReading::parse(data, length))
            showReading(*reading);
        break;
    case OrvMsg::AccelOptionAnswer:
        if (const auto reset = AccelerometerReset::parse(data, length))
            showReset(*reset);
        break;
    default:
        break;
    }
}

void ORV_FormAccelerometer::showReading(const AccelerometerReading &reading)
{
    auto g = [](int thousandths) { return QString::number(thousandths / 1000.0, 'f', 3); };
    ui->label_AxisX->setText(g(reading.axis[0]));
    ui->label_AxisY->setText(g(reading.axis[1]));
    ui->label_AxisZ->setText(g(reading.axis[2]));
    ui->label_Shock->setText(QString::number(reading.shockTenths / 10.0, 'f', 1));
    ui->label_Inclination->setText(QString::number(reading.inclinationTenths / 10.0, 'f', 1));
    ui->label_Calibration->setText(ORV_FormAccelCalibr::calibrationText(reading.calibration));
    m_calibr->showCalibration(reading.calibration);
}

// ---------------------------------------------------------------------------
// Calibration

void ORV_FormAccelerometer::openMaster()
{
    if (!isOnline())
        return;
    if (!m_master) {
        m_master = new ORV_FormAccelCalibrMaster(
            [this](uint32_t msgId, intptr_t p1, intptr_t p2) { masterSend(msgId, p1, p2); }, this);
        m_master->setObjectName(QStringLiteral("ORV_FormAccelCalibrMaster"));
        connect(m_master, &ORV_FormAccelCalibrMaster::activeChanged, this, &ORV_FormAccelerometer::onMasterActive);
    }
    m_calibr->showResult(QString());
    m_master->start();
}

void ORV_FormAccelerometer::masterSend(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    orv_FormXml_K4810 *e = editor();
    if (!e)
        return;
    if (msgId == AccelCalibration::CommandMessage) {
        const auto *command = reinterpret_cast<const uchar *>(p1);
        if (command)
            e->requestAccelCalibrationStep(command[0], command[1]);
    } else if (msgId == OrvMsg::Help && e->device()) {
        e->device()->send(msgId, p1, p2);
    }
}

void ORV_FormAccelerometer::onMasterActive(bool active)
{
    if (active) {
        // The page's own poll waits: 2127 and 2128 belong to the wizard now.
        m_resumePolling = ui->checkBox_Auto->isChecked();
        stopPolling();
        return;
    }
    // The wizard's statuses are no longer awaited.
    const bool resume = m_resumePolling;
    m_resumePolling = false;
    stopPolling();
    if (resume && isOnline())
        ui->checkBox_Auto->setChecked(true);
}

void ORV_FormAccelerometer::askReset()
{
    if (!isOnline() || m_question)
        return;
    // Asked without a nested event loop; the answer sends the reset.
    auto *box = new QMessageBox(QMessageBox::Warning, tr("K4810_2943"), tr("K4810_2946"), QMessageBox::NoButton, this);
    box->setObjectName(QStringLiteral("ORV_FormAccelerometer_reset"));
    QPushButton *yes = box->addButton(tr("K4810_001"), QMessageBox::AcceptRole);
    box->addButton(tr("K4810_002"), QMessageBox::RejectRole);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, yes] {
        if (box->clickedButton() != yes || !isOnline() || !editor())
            return;
        m_calibr->showResult(QString());
        editor()->requestAccelOption(AccelerometerReset::ResetOption);
    });
    m_question = box;
    box->open();
}

void ORV_FormAccelerometer::showReset(const AccelerometerReset &reset)
{
    switch (reset.result) {
    case AccelerometerReset::Result::Done:
        m_calibr->showResult(tr("K4810_2947"));
        m_calibr->showCalibration(AccelerometerReading::Calibration::None);
        break;
    case AccelerometerReset::Result::Unsupported:
        m_calibr->showResult(tr("K4810_2948"));
        break;
    case AccelerometerReset::Result::Failed:
        m_calibr->showResult(tr("K4810_2949").arg(uint(uchar(reset.status))));
        break;
    }
}

void ORV_FormAccelerometer::showInfo()
{
    if (editor())
        editor()->showParamInfo(tr("K4810_2902"), tr("K4810_2944"));
}

void ORV_FormAccelerometer::onTrackerChanged()
{
    // A wizard talking to the tracker that was there closes.
    if (m_master)
        m_master->detach();
    if (m_question)
        m_question->reject();
    m_calibr->showResult(QString());
}
