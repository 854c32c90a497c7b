#include "telemetry/orv_formtmi_k4810.h"
#include "ui_orv_formtmi_k4810.h"

#include "accessories/orv_formtaho.h"
#include "core/formwait.h"
#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"
#include "fuel/orv_formfuelsensor.h"
#include "telemetry/maskplan.h"
#include "telemetry/orv_formsetrun.h"
#include "telemetry/orv_formtmianalysis.h"
#include "telemetry/orv_formtmiviewpage.h"
#include "telemetry/orv_formtmi_vela2.h"
#include "telemetry/orv_tmipage_f8.h"
#include "telemetry/tmiformat.h"
#include "telemetry/tmioutputs.h"
#include "telemetry/tmipagesource.h"
#include "telemetry/tmipage_vela2.h"
#include "settings/model/settingsmodel.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QPointer>
#include <QTimer>

#include <climits>
#include <limits>

namespace {

intptr_t addr(const void *p)
{
    return reinterpret_cast<intptr_t>(p);
}

constexpr quint8 kMaskedType = MaskedDecoder::Type;
constexpr quint8 kExtendedType = ExtendedRecord::Type;

const char *const kHelpPath = "/Localization/Help/K-4810/k-4810tmi.html";

using TmiPageAnswer::Held;

Held heldRecord(const uchar *data, int length, int prefix)
{
    return TmiPageAnswer::held(data, length, prefix);
}

const char *const kDefaultModel = "K-4810";
const char *const kDefaultObjectName = "NONAME";

} // namespace

orv_FormTmi_K4810::orv_FormTmi_K4810(ORV_Device_K4810 *device)
    : QDialog(nullptr)
    , ui(new Ui::orv_FormTmi_K4810)
    , m_device(device)
{
    ui->setupUi(this);

    m_autoTimer = new QTimer(this);
    m_autoTimer->setObjectName(QStringLiteral("m_Timer_Auto_TMI"));
    m_autoTimer->setSingleShot(true);
    m_balanceTimer = new QTimer(this);
    m_balanceTimer->setObjectName(QStringLiteral("m_Timer_Balance"));
    m_balanceTimer->setSingleShot(true);

    m_download = new TmiDownload([this](uint32_t msgId, intptr_t p1, intptr_t p2) {
        if (m_device)
            m_device->send(msgId, p1, p2);
    }, this);
    connect(m_download, &TmiDownload::intervalKnown, this, &orv_FormTmi_K4810::onDownloadIntervalKnown);
    connect(m_download, &TmiDownload::pageReceived, this, &orv_FormTmi_K4810::onDownloadPage);
    connect(m_download, &TmiDownload::finished, this, &orv_FormTmi_K4810::onDownloadFinished);
    connect(m_download, &TmiDownload::failed, this, &orv_FormTmi_K4810::onDownloadFailed);

    // The outputs that have no button of their own, one menu entry each: the
    // telemetry file again, the map, and any other output of TmiOutputs.
    m_saveMenu = new QMenu(this);
    for (const TmiOutput &output : TmiOutputs::all()) {
        if (!output.menuTextKey)
            continue;
        QAction *action = m_saveMenu->addAction(TmiOutputs::text(output.menuTextKey));
        action->setObjectName(output.menuObjectName);
        const QString id = output.id;
        connect(action, &QAction::triggered, this, [this, id] { startDownload(id); });
        m_menuActions.push_back(action);
    }
    ui->toolButton_SaveMore->setMenu(m_saveMenu);
    ui->toolButton_SaveMore->setPopupMode(QToolButton::InstantPopup);

    connect(ui->BtnGetCurrent, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnGetCurrent);
    connect(ui->BtnGetPrev, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnGetPrev);
    connect(ui->BtnGetNext, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnGetNext);
    connect(ui->BtnGetBalance, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnGetBalance);
    connect(ui->BtnClose, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnClose);
    connect(this, &QDialog::finished, this, &orv_FormTmi_K4810::slot_finished);
    connect(ui->BtnHelp, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnHelp);
    connect(m_balanceTimer, &QTimer::timeout, this, &orv_FormTmi_K4810::slot_timeout_m_Timer_Balance);
    connect(ui->BtnO1On, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnO1On);
    connect(ui->BtnO1Off, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnO1Off);
    connect(ui->BtnO2On, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnO2On);
    connect(ui->BtnO2Off, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnO2Off);
    connect(ui->BtnRun, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnRun);
    connect(ui->BtnSet_NoGuard, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnSet_NoGuard);
    connect(ui->BtnSet_Guard, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnSet_Guard);
    connect(ui->BtnShow, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnShow);
    connect(ui->checkBox_Get_Auto_TMI, &QCheckBox::stateChanged, this,
            &orv_FormTmi_K4810::slot_stateChanged_checkBox_Get_Auto_TMI);
    connect(m_autoTimer, &QTimer::timeout, this, &orv_FormTmi_K4810::slot_timeout_m_Timer_Auto_TMI);
    connect(ui->horizontalSlider_Auto_Tmi, &QSlider::valueChanged, this,
            &orv_FormTmi_K4810::slot_valueChanged_horizontalSlider_Auto_Tmi);
    connect(ui->BtnSaveToFile, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnSaveToFile);
    connect(ui->BtnSaveToExcel, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnSaveToExcel);
    connect(ui->BtnSaveCancel, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnSaveCancel);
    connect(ui->BtnClear, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnClear);
    connect(ui->Btn_FuelSensor, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_Btn_FuelSensor);
    connect(ui->toolButton_TM, &QToolButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_toolButton_TM);
    connect(ui->Btn_Taho, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_Btn_Taho);
    connect(ui->toolButton_RFID, &QToolButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_toolButton_RFID);
    connect(ui->BtnSaveFileToServer, &QPushButton::pressed, this,
            &orv_FormTmi_K4810::slot_pressed_BtnSaveFileToServer);
    connect(ui->Btn_Chart, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_Btn_Chart);
    connect(ui->Btn_Summary, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_Btn_Summary);
    ui->Btn_Chart->setEnabled(false);
    ui->Btn_Summary->setEnabled(false);

    // The value labels of the F8 view, one per F8 field, in field order.
    for (const F8Field &f : F8Layout::fields) {
        const QString name = QStringLiteral("label_F8_") + QLatin1String(FieldTable::memberName(f.member));
        m_f8Labels.push_back(findChild<QLabel *>(name));
    }

    // The second-generation display acts on the tracker through this window.
    ui->widget_Vela2->setSend([this](uint32_t msgId, intptr_t p1, intptr_t p2) { send(msgId, p1, p2); });
    connect(ui->widget_Vela2, &ORV_FormTmi_Vela2::mileageRequested, this, &orv_FormTmi_K4810::slot_pressed_BtnRun);

    slot_valueChanged_horizontalSlider_Auto_Tmi(ui->horizontalSlider_Auto_Tmi->value());
    resetCaptions();
    applyCaptions();
    reinitialise();
}

orv_FormTmi_K4810::~orv_FormTmi_K4810() = default;

// ---------------------------------------------------------------------------
// Opening, captions, closing

void orv_FormTmi_K4810::reinitialise()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Null);
    const QDateTime now = QDateTime::currentDateTime();
    ui->dateTimeEdit_First->setDateTime(QDateTime(now.date(), QTime(0, 0)));
    ui->dateTimeEdit_Last->setDateTime(now);
    ui->dateTimeEdit_Show->setDateTime(now);
    ui->progressBar->setRange(0, 1);
    ui->progressBar->setValue(0);
    ui->label_Status->clear();
    ui->label_Packet_Cur->clear();
    ui->label_Packet_End->clear();
    ui->label_Time_Cur->clear();
    ui->label_Time_End->clear();
    ui->lineEdit_TM->clear();
    ui->lineEdit_RFID->clear();
    ui->spinBox_RFID->setValue(0);
    ui->BtnSaveCancel->setEnabled(false);
    setRequestControlsEnabled(true);
}

void orv_FormTmi_K4810::resetCaptions()
{
    m_model = QLatin1String(kDefaultModel);
    m_objectName.clear();
    m_ussd.clear();
    m_timeZone = 0;
    m_daylightSaving = false;
    m_captions.inputs = {tr("K4810_657"), tr("K4810_658"), tr("K4810_659"), tr("K4810_660")};
    m_captions.shInputs = {QStringLiteral("SH1"), QStringLiteral("SH2"), QStringLiteral("SH3"), QStringLiteral("SH4")};
    m_captions.outputs = {QStringLiteral("output 1"), QStringLiteral("output 2")};
    m_captions.temperatures = {QStringLiteral("Temperature 1"), QStringLiteral("Temperature 2"),
                               QStringLiteral("Temperature 3"), QStringLiteral("Temperature 4")};
}

void orv_FormTmi_K4810::readCaptions(const QString &settingsFile)
{
    // Read through the settings model: the one reader of settings files,
    // with the catalogue's keys. A file that cannot be read is named to the
    // user and changes nothing.
    SettingsModel settings;
    QString error;
    if (!settings.open(settingsFile, &error)) {
        tell(tr("K4810_1700"), tr("K4810_1701").arg(QDir::toNativeSeparators(settingsFile), error));
        return;
    }
    resetCaptions();
    const QString model = settings.rootValue(QStringLiteral("model"));
    m_model = model.isEmpty() ? QLatin1String(kDefaultModel) : model;
    // A value that is absent or empty falls back to the window's caption.
    auto text = [&settings](const char *section, const QString &path, const QString &fallback) {
        const QString s = QLatin1String(section);
        const QString value = settings.wasInFile(s, path) ? settings.text(s, path) : QString();
        return value.isEmpty() ? fallback : value;
    };
    m_objectName = text("TRANSFER", QStringLiteral("objectName"), QLatin1String(kDefaultObjectName));

    static const char *const inputItems[] = {"nicknameIN1", "nicknameIN2", "nicknameIN3", "nicknameAIN1"};
    static const char *const inputKeys[] = {QT_TR_NOOP("K4810_657"), QT_TR_NOOP("K4810_658"),
                                            QT_TR_NOOP("K4810_659"), QT_TR_NOOP("K4810_660")};
    const QString sensors = QStringLiteral("SENSORS");
    for (int i = 0; i < 4; ++i) {
        const QString path = QLatin1String(inputItems[i]);
        if (!settings.wasInFile(sensors, path))
            m_captions.inputs[size_t(i)] = QStringLiteral("input %1").arg(i + 1);
        else
            m_captions.inputs[size_t(i)] = text("SENSORS", path, tr(inputKeys[i]));
    }
    m_captions.outputs[0] = text("OUTPUT_LINES", QStringLiteral("nicknameO1"), QStringLiteral("output 1"));
    m_captions.outputs[1] = text("OUTPUT_LINES", QStringLiteral("nicknameO2"), QStringLiteral("output 2"));

    const QString system = QStringLiteral("SYSTEM");
    m_ussd = settings.text(system, QStringLiteral("balanceRequestUSSD")).trimmed();
    m_daylightSaving = settings.value(system, QStringLiteral("allowDecretTime")).toInt() != 0;
    m_timeZone = settings.value(system, QStringLiteral("timeZone")).toInt();

    for (int i = 0; i < 4; ++i) {
        m_captions.temperatures[size_t(i)] =
            text("TEMP_SENSORS", QStringLiteral("nicknameT%1").arg(i + 1), QStringLiteral("Temperature %1").arg(i + 1));
    }
}

void orv_FormTmi_K4810::applyCaptions()
{
    ui->label_ObjectName->setText(m_objectName);
    ui->label_Model->setText(m_model);
    QLabel *inputs[] = {ui->label_F8_Caption_In1, ui->label_F8_Caption_In2, ui->label_F8_Caption_In3,
                        ui->label_F8_Caption_Ain1};
    for (int i = 0; i < 4; ++i)
        inputs[i]->setText(m_captions.inputs[size_t(i)]);
    QLabel *sh[] = {ui->label_F8_Caption_SH1, ui->label_F8_Caption_SH2, ui->label_F8_Caption_SH3,
                    ui->label_F8_Caption_SH4};
    for (int i = 0; i < 4; ++i)
        sh[i]->setText(m_captions.shInputs[size_t(i)]);
    ui->label_F8_Caption_Out1->setText(m_captions.outputs[0]);
    ui->label_F8_Caption_Out2->setText(m_captions.outputs[1]);
    QLabel *temps[] = {ui->label_F8_Caption_Temp1, ui->label_F8_Caption_Temp2, ui->label_F8_Caption_Temp3,
                       ui->label_F8_Caption_Temp4};
    for (int i = 0; i < 4; ++i)
        temps[i]->setText(m_captions.temperatures[size_t(i)]);
}

void orv_FormTmi_K4810::openWithSettings(const QString &settingsFile, bool applyAutoMode)
{
    if (!settingsFile.isEmpty()) {
        readCaptions(settingsFile);
        applyCaptions();
    }
    if (!isVisible()) {
        reinitialise();
        show();
    }
    raise();
    activateWindow();
    if (applyAutoMode)
        prepareAutoMode();
}

void orv_FormTmi_K4810::prepareAutoMode()
{
    QFont font = ui->label_F8_NumPage->font();
    font.setPointSize(16);
    ui->label_F8_NumPage->setFont(font);
    ui->label_Vela2_NumPage->setFont(font);
    ui->widget_Vela2->prepareAutoMode();
    ui->checkBox_Get_Auto_TMI->setEnabled(true);
    ui->horizontalSlider_Auto_Tmi->setValue(1);
    switch (m_device ? m_device->autoTmiMode() : 0) {
    case 2:
        ui->checkBox_Get_Auto_TMI->setChecked(true);
        break;
    case 1:
    case 3:
        m_touchMemoryAfterPage = true;
        break;
    default:
        break;
    }
}

void orv_FormTmi_K4810::shutDown()
{
    if (m_closing)
        return;
    m_closing = true;
    ui->checkBox_Get_Auto_TMI->setChecked(false);
    stopAutoPoll();
    if (m_download->isRunning()) {
        m_download->cancel();
        endDownload();
    }
    if (m_balancePending || m_balanceTimer->isActive()) {
        if (m_wait && m_wait->isVisible())
            m_wait->close();
        endBalance();
    }
    // Answers to a clear sequence no longer reach a hidden window.
    m_clearState = ClearIdle;
    m_showFlag = false;
    m_ussd.clear();
    m_typedUssd.clear();
    setRequestControlsEnabled(true);
    hide();
    m_closing = false;
}

void orv_FormTmi_K4810::slot_pressed_BtnClose()
{
    shutDown();
}

void orv_FormTmi_K4810::slot_finished(int nResult)
{
    Q_UNUSED(nResult);
    shutDown();
}

void orv_FormTmi_K4810::closeForConnectionChange()
{
    // The fuel-sensor and tachograph windows close with it once they exist.
    if (m_fuelSensor && m_fuelSensor->isVisible())
        m_fuelSensor->closeForConnectionChange();
    if (m_taho)
        m_taho->closeForConnectionChange();
    shutDown();
}

void orv_FormTmi_K4810::slot_pressed_BtnHelp()
{
    m_requestText = QLatin1String(kHelpPath);
    send(OrvMsg::Help, addr(&m_requestText), 0);
}

// ---------------------------------------------------------------------------
// Requests

void orv_FormTmi_K4810::send(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    // A page request of the window's own: a page from now on answers it,
    // not the request of a cancelled download.
    switch (msgId) {
    case OrvMsg::ReadCurrentPage:
    case OrvMsg::PollCurrentPage:
    case OrvMsg::ReadPageByNumber:
    case OrvMsg::ReadPageAtTime:
        m_download->otherRequestSent();
        break;
    default:
        break;
    }
    if (m_device)
        m_device->send(msgId, p1, p2);
}

QDateTime orv_FormTmi_K4810::trackerTime(const QDateTime &local) const
{
    // The wall-clock value of the field, as the tracker's clock reads it.
    QDateTime value(local.date(), local.time(), Qt::UTC);
    if (m_device)
        m_device->localToDevice(value, m_timeZone, m_daylightSaving);
    return value;
}

void orv_FormTmi_K4810::requestPageNumber(quint32 number)
{
    m_requestNumber = number;
    send(OrvMsg::ReadPageByNumber, addr(&m_requestNumber), 0);
}

void orv_FormTmi_K4810::requestPageAt(uint32_t msgId, const QDateTime &local)
{
    m_requestTime = trackerTime(local);
    send(msgId, addr(&m_requestTime), 0);
}

void orv_FormTmi_K4810::setRequestControlsEnabled(bool enabled)
{
    QWidget *controls[] = {
        ui->BtnGetCurrent,       ui->BtnGetPrev,       ui->BtnGetNext,         ui->BtnShow,
        ui->dateTimeEdit_Show,   ui->BtnO1On,          ui->BtnO1Off,           ui->BtnO2On,
        ui->BtnO2Off,            ui->BtnSet_Guard,     ui->BtnSet_NoGuard,     ui->BtnRun,
        ui->BtnGetBalance,       ui->dateTimeEdit_First, ui->dateTimeEdit_Last, ui->BtnSaveToFile,
        ui->BtnSaveToExcel,      ui->BtnSaveFileToServer, ui->toolButton_SaveMore, ui->BtnClear,
        ui->checkBox_Server1,    ui->checkBox_Server2, ui->checkBox_Server3,   ui->Btn_Taho,
        ui->toolButton_TM,       ui->toolButton_RFID,
    };
    for (QWidget *w : controls)
        w->setEnabled(enabled);
    for (QAction *action : m_menuActions)
        action->setEnabled(enabled);
    ui->widget_Vela2->setControlsEnabled(enabled);
    // Polling keeps its own check box, and the fuel-sensor button, which stops it.
    const bool polling = ui->checkBox_Get_Auto_TMI->isChecked();
    ui->checkBox_Get_Auto_TMI->setEnabled(enabled || polling);
    ui->Btn_FuelSensor->setEnabled(enabled || polling);
}

quint32 orv_FormTmi_K4810::shownPageNumber() const
{
    if (ui->stackedWidget->currentWidget() == ui->page_F8)
        return ui->label_F8_NumPage->text().toUInt();
    if (ui->stackedWidget->currentWidget() == ui->page_Vela2)
        return ui->widget_Vela2->currentPageNumber();
    return 0;
}

void orv_FormTmi_K4810::slot_pressed_BtnGetCurrent()
{
    send(OrvMsg::ReadCurrentPage);
}

void orv_FormTmi_K4810::slot_pressed_BtnGetPrev()
{
    const quint32 number = shownPageNumber();
    requestPageNumber(number > 0 ? number - 1 : 0);
}

void orv_FormTmi_K4810::slot_pressed_BtnGetNext()
{
    const quint32 number = shownPageNumber();
    requestPageNumber(number < std::numeric_limits<quint32>::max() ? number + 1 : number);
}

void orv_FormTmi_K4810::slot_pressed_BtnO1On()
{
    send(OrvMsg::Output1On);
}

void orv_FormTmi_K4810::slot_pressed_BtnO1Off()
{
    send(OrvMsg::Output1Off);
}

void orv_FormTmi_K4810::slot_pressed_BtnO2On()
{
    send(OrvMsg::Output2On);
}

void orv_FormTmi_K4810::slot_pressed_BtnO2Off()
{
    send(OrvMsg::Output2Off);
}

void orv_FormTmi_K4810::slot_pressed_BtnRun()
{
    if (!m_setRun)
        m_setRun = new ORV_FormSetRun([this](uint32_t msgId, intptr_t p1, intptr_t p2) { send(msgId, p1, p2); }, this);
    m_setRun->open();
}

void orv_FormTmi_K4810::slot_pressed_BtnSet_NoGuard()
{
    send(OrvMsg::SetObservation);
}

void orv_FormTmi_K4810::slot_pressed_BtnSet_Guard()
{
    send(OrvMsg::SetGuard);
}

void orv_FormTmi_K4810::slot_pressed_BtnShow()
{
    if (m_download->isRunning())
        return; // the answers of a running download are its own
    m_showFlag = true;
    requestPageAt(OrvMsg::ReadPageAtTime, ui->dateTimeEdit_Show->dateTime());
}

void orv_FormTmi_K4810::slot_pressed_Btn_FuelSensor()
{
    // The fuel-sensor window polls the tracker itself: ours stops first.
    ui->checkBox_Get_Auto_TMI->setChecked(false);
    if (!m_fuelSensor)
        m_fuelSensor = new ORV_FormFuelSensor(m_device, this);
    m_fuelSensor->open(m_objectName, m_device ? m_device->deviceId() : QString());
}

void orv_FormTmi_K4810::slot_pressed_Btn_Taho()
{
    if (!m_taho)
        m_taho = new ORV_FormTaho(m_device, this);
    m_taho->openWindow();
}

void orv_FormTmi_K4810::sendTouchMemoryRequest()
{
    if (m_device)
        m_device->setTmiRouting(1);
    send(OrvMsg::ReadTouchMemory);
}

void orv_FormTmi_K4810::slot_pressed_toolButton_TM()
{
    sendTouchMemoryRequest();
}

void orv_FormTmi_K4810::slot_pressed_toolButton_RFID()
{
    send(OrvMsg::ReadRfid);
}

void orv_FormTmi_K4810::onTouchMemoryCode(quint64 code)
{
    ui->lineEdit_TM->setText(QStringLiteral("%1").arg(code, 12, 16, QLatin1Char('0')).toUpper());
}

void orv_FormTmi_K4810::onRfid(quint64 code, intptr_t p2)
{
    ui->lineEdit_RFID->setText(QString::number(code));
    const qint64 value = qBound(qint64(ui->spinBox_RFID->minimum()), qint64(p2), qint64(ui->spinBox_RFID->maximum()));
    ui->spinBox_RFID->setValue(int(value));
}

void orv_FormTmi_K4810::onFuelSensorAnswer(const uchar *data, int length)
{
    if (m_fuelSensor)
        m_fuelSensor->handleFuelAnswer(data, length);
}

void orv_FormTmi_K4810::onTachoAnswer(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    if (m_taho)
        m_taho->onAnswer(msgId, p1, p2);
}

// ---------------------------------------------------------------------------
// Auto-poll

void orv_FormTmi_K4810::stopAutoPoll()
{
    m_autoTimer->stop();
}

void orv_FormTmi_K4810::slot_stateChanged_checkBox_Get_Auto_TMI(int nState)
{
    stopAutoPoll();
    if (nState == 0) {
        setRequestControlsEnabled(true);
        return;
    }
    setRequestControlsEnabled(false);
    send(OrvMsg::PollCurrentPage);
    // The host may have answered, or the window closed, inside send.
    if (ui->checkBox_Get_Auto_TMI->isChecked())
        m_autoTimer->start(ui->horizontalSlider_Auto_Tmi->value() * m_autoPollUnitMs);
}

void orv_FormTmi_K4810::slot_timeout_m_Timer_Auto_TMI()
{
    if (!ui->checkBox_Get_Auto_TMI->isChecked())
        return;
    send(OrvMsg::PollCurrentPage);
    if (ui->checkBox_Get_Auto_TMI->isChecked())
        m_autoTimer->start(ui->horizontalSlider_Auto_Tmi->value() * m_autoPollUnitMs);
}

void orv_FormTmi_K4810::slot_valueChanged_horizontalSlider_Auto_Tmi(int nValue)
{
    ui->label_Auto_Tmi_Text->setText(QString::asprintf("%d ", nValue) + tr("K4810_581"));
}

// ---------------------------------------------------------------------------
// Showing pages

orv_FormTmi_K4810::Shown orv_FormTmi_K4810::showPage(const uchar *data, int length, int prefix)
{
    const uchar *record = data + prefix;
    switch (heldRecord(data, length, prefix)) {
    case Held::F8Page: {
        const ORV_TmiPage_F8 page(nullptr, data, length, prefix == ShowPrefix);
        showF8(page.record());
        return ShownF8;
    }
    case Held::FirstGeneration:
        ui->stackedWidget->setCurrentWidget(ui->page_F8);
        return ShownF8;
    case Held::SecondGeneration:
        showVela2(TmiPage_Vela2(record, length - prefix));
        return ShownVela2;
    case Held::Nothing:
        break;
    }
    return ShownIgnored;
}

void orv_FormTmi_K4810::showF8(const F8Record &record)
{
    const TmiPage_Vela page(record);
    for (size_t i = 0; i < F8Layout::fields.size(); ++i) {
        if (QLabel *label = m_f8Labels[i])
            label->setText(page.text(FieldTable::member(F8Layout::fields[i].member)));
    }
    ui->label_F8_EventName->setText(eventName(record.code()));
    ui->label_F8_NaviPower->setText(page.navigationPowerText());
    ui->label_F8_NaviFix->setText(page.navigationFixText());
    ui->label_F8_Validity->setText(page.validityText());
    ui->label_F8_GsmRegistration->setText(page.gsmRegistrationText());
    ui->label_F8_Usb->setText(page.moduleText(3));
    ui->label_F8_Clock->setText(page.moduleText(1));
    ui->label_F8_Engine->setText(page.moduleText(7));
    QLabel *inputs[] = {ui->label_F8_In1, ui->label_F8_In2, ui->label_F8_In3, ui->label_F8_Ain1,
                        ui->label_F8_SH1, ui->label_F8_SH2, ui->label_F8_SH3, ui->label_F8_SH4};
    for (int i = 0; i < 8; ++i)
        inputs[i]->setText(page.inputText(i));
    ui->label_F8_Out1->setText(page.outputText(0));
    ui->label_F8_Out2->setText(page.outputText(1));
    ui->stackedWidget->setCurrentWidget(ui->page_F8);
}

void orv_FormTmi_K4810::showVela2(const TmiPage_Vela2 &page)
{
    ui->label_Vela2_NumPage->setText(QString::number(page.pageNumber()));
    ui->label_Vela2_Valid->setText(page.isValid() ? tr("K4810_001") : tr("K4810_002"));
    ui->widget_Vela2->showPage(std::make_shared<TmiPage_Vela2>(page.rawRecord().constData(), page.rawRecord().size()));
    ui->stackedWidget->setCurrentWidget(ui->page_Vela2);
}

QString orv_FormTmi_K4810::eventName(quint16 code)
{
    // Answered in place: the host fills the text before send returns.
    QString name;
    send(OrvMsg::EventName, intptr_t(code), addr(&name));
    return name;
}

void orv_FormTmi_K4810::onPage(const uchar *data, int length)
{
    if (m_download->takeAnswer(data, length))
        return; // a page of the download, or the late answer of a cancelled one
    const bool show = m_showFlag;
    m_showFlag = false;
    const Shown shown = showPage(data, length, show ? ShowPrefix : Prefix);
    if (shown == ShownIgnored)
        return;
    const int mode = m_device ? m_device->autoTmiMode() : 0;
    if ((mode == 1 || mode == 3) && m_touchMemoryAfterPage) {
        m_touchMemoryAfterPage = false;
        sendTouchMemoryRequest();
    }
}

bool orv_FormTmi_K4810::isRecordValid(const uchar *record, int length)
{
    if (!record || length < 22)
        return false;
    switch (record[0]) {
    case TmiPage_Vela::F6Type:
        return record[13] & 1;
    case F8Record::Type:
        return record[11] & 1;
    case kMaskedType:
    case kExtendedType:
        return TmiPage_Vela2(record, length).isValid();
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------
// Balance

bool orv_FormTmi_K4810::isBalanceWaiting() const
{
    return m_balanceTimer->isActive();
}

void orv_FormTmi_K4810::slot_pressed_BtnGetBalance()
{
    if (m_balancePending)
        return;
    m_balancePending = true;
    setRequestControlsEnabled(false);
    send(OrvMsg::ReadPageForBalance);
}

void orv_FormTmi_K4810::onBalancePage(const uchar *data, int length)
{
    // Only the page asked for, and only once.
    if (!m_balancePending || m_balanceTimer->isActive())
        return;
    bool ready = false;
    switch (heldRecord(data, length, Prefix)) {
    case Held::F8Page:
        ready = ORV_TmiPage_F8(nullptr, data, length, false).gsmCondition();
        break;
    case Held::SecondGeneration:
        ready = TmiPage_Vela2(data + Prefix, length - Prefix).gsmCondition();
        break;
    default:
        break;
    }
    if (!ready) {
        endBalance();
        tell(tr("K4810_583"), tr("K4810_595"));
        return;
    }
    QString code = m_ussd;
    if (code.isEmpty()) {
        code = askText(tr("K4810_594"), tr("K4810_593"), m_typedUssd).trimmed();
        if (code.isEmpty()) {
            endBalance();
            return;
        }
        m_typedUssd = code;
    }
    if (!m_wait)
        m_wait = new FormWait(this);
    m_wait->reset();
    m_wait->setRange(0, BalanceTicks - 1);
    m_wait->setValue(0);
    m_wait->setMessage(tr("K4810_589"));
    m_wait->setCaption(tr("K4810_590"));
    m_wait->setTotal(tr("K4810_591"));
    m_wait->setStatus(tr("K4810_592") + code);
    m_wait->setCurrent(QString::asprintf("%d ", 0) + tr("K4810_582"));
    m_wait->showCounters(true);
    m_balanceTick = 0;
    m_wait->show();
    m_balanceTimer->start(m_balanceTickMs);
    m_requestText = code;
    send(OrvMsg::UssdRequest, addr(&m_requestText), 0);
}

void orv_FormTmi_K4810::slot_timeout_m_Timer_Balance()
{
    ++m_balanceTick;
    if (m_wait) {
        m_wait->setCurrent(QString::asprintf("%d ", m_balanceTick) + tr("K4810_582"));
        m_wait->setValue(qMin(m_balanceTick, BalanceTicks - 1));
    }
    if (m_balanceTick >= BalanceTicks) {
        // No answer in time: the wait ends without a message.
        if (m_wait)
            m_wait->close();
        endBalance();
        return;
    }
    m_balanceTimer->start(m_balanceTickMs);
}

void orv_FormTmi_K4810::onBalanceAnswer(const QString &text)
{
    m_balanceTimer->stop();
    if (m_wait && m_wait->isVisible())
        m_wait->close();
    m_balancePending = false;
    tell(tr("K4810_596"), text, QMessageBox::Information);
    endBalance();
}

void orv_FormTmi_K4810::endBalance()
{
    m_balanceTimer->stop();
    m_balancePending = false;
    setRequestControlsEnabled(!m_download->isRunning() && m_clearState == ClearIdle);
}

// ---------------------------------------------------------------------------
// Clearing the servers' unsent data

void orv_FormTmi_K4810::slot_pressed_BtnClear()
{
    if (m_clearState != ClearIdle)
        return;
    int server = 0;
    if (ui->checkBox_Server1->isChecked())
        server = 1;
    else if (ui->checkBox_Server2->isChecked())
        server = 2;
    else if (ui->checkBox_Server3->isChecked())
        server = 3;
    if (server == 0)
        return;
    setRequestControlsEnabled(false);
    m_clearState = ClearIdle + server;
    send(OrvMsg::ClearBuffer, server, 0);
}

void orv_FormTmi_K4810::onClearAnswer(const uchar *data, int length)
{
    if (m_clearState == ClearIdle)
        return;
    showPage(data, length, Prefix);
    if (m_clearState == ClearServer1 && ui->checkBox_Server2->isChecked()) {
        m_clearState = ClearServer2;
        send(OrvMsg::ClearBuffer, 2, 0);
        return;
    }
    if (m_clearState == ClearServer2 && ui->checkBox_Server3->isChecked()) {
        m_clearState = ClearServer3;
        send(OrvMsg::ClearBuffer, 3, 0);
        return;
    }
    m_clearState = ClearIdle;
    setRequestControlsEnabled(true);
}

// ---------------------------------------------------------------------------
// Interval download

void orv_FormTmi_K4810::slot_pressed_BtnSaveToFile()
{
    startDownload(QStringLiteral("xml"));
}

void orv_FormTmi_K4810::slot_pressed_BtnSaveToExcel()
{
    startDownload(QStringLiteral("csv"));
}

void orv_FormTmi_K4810::slot_pressed_BtnSaveFileToServer()
{
    startDownload(QStringLiteral("tmi"));
}

void orv_FormTmi_K4810::slot_triggered_Menu_TMI()
{
    startDownload(QStringLiteral("tmi"));
}

void orv_FormTmi_K4810::slot_triggered_Menu_Google()
{
    startDownload(QStringLiteral("kml"));
}

void orv_FormTmi_K4810::startDownload(const QString &outputId)
{
    if (const TmiOutput *output = TmiOutputs::find(outputId))
        startDownload(*output);
}

void orv_FormTmi_K4810::startDownload(const TmiOutput &output)
{
    if (m_download->state() != TmiDownload::State::Idle)
        return;
    m_outputId = output.id;
    const QDateTime first = ui->dateTimeEdit_First->dateTime();
    const QDateTime last = ui->dateTimeEdit_Last->dateTime();
    if (last < first) {
        tell(tr("K4810_583"), tr("K4810_1611"));
        return;
    }
    const QString caption = TmiOutputs::text(output.captionKey);
    const QString directory = m_device ? m_device->dataDir() : QStringLiteral("../");
    QString file = m_saveFileChooser ? m_saveFileChooser(caption, directory, output.filter())
                                     : QFileDialog::getSaveFileName(this, caption, directory, output.filter());
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().isEmpty())
        file += QLatin1Char('.') + output.suffix;

    m_fileName = file;
    // The pages of the download before go: a download holds one interval at a time.
    keepPages(TmiDownloadList());
    setRequestControlsEnabled(false);
    ui->BtnSaveCancel->setEnabled(true);
    ui->label_Status->setText(tr("K4810_586"));
    ui->label_Packet_Cur->clear();
    ui->label_Packet_End->clear();
    ui->label_Time_Cur->clear();
    ui->label_Time_End->clear();
    ui->progressBar->setRange(0, 1);
    ui->progressBar->setValue(0);
    m_downloadClock.start();
    m_progressClock.start();
    m_download->start(trackerTime(first), trackerTime(last));
}

void orv_FormTmi_K4810::onDownloadIntervalKnown(quint32 first, quint32 last)
{
    ui->label_Packet_Cur->setText(QString::number(first));
    ui->label_Packet_End->setText(QString::number(last));
    ui->label_Time_Cur->setText(duration(m_downloadClock.elapsed()));
    ui->label_Time_End->setText(duration(0));
    ui->label_Status->setText(tr("K4810_588"));
    if (last > first) {
        ui->progressBar->setRange(0, int(qMin<quint32>(last - first, INT_MAX)));
        ui->progressBar->setValue(1);
    }
}

void orv_FormTmi_K4810::onDownloadPage(quint32 number)
{
    Q_UNUSED(number);
    // The counters move a few times a second, not once per page.
    if (m_progressClock.elapsed() >= ProgressIntervalMs) {
        m_progressClock.start();
        showDownloadProgress(m_download->requestedNumber());
    }
}

void orv_FormTmi_K4810::showDownloadProgress(quint32 number)
{
    const quint32 first = m_download->firstNumber();
    const quint32 last = m_download->lastNumber();
    number = qBound(first, number, last);
    const quint32 done = number - first;
    const quint32 total = last - first;
    ui->progressBar->setValue(int(qMin<quint32>(done, INT_MAX)));
    ui->label_Packet_Cur->setText(QString::number(number));
    const qint64 elapsed = m_downloadClock.elapsed();
    ui->label_Time_Cur->setText(duration(elapsed));
    ui->label_Time_End->setText(duration(done ? qint64(double(elapsed) * total / done) : 0));
}

void orv_FormTmi_K4810::onDownloadFinished()
{
    showDownloadProgress(m_download->lastNumber());
    QString error;
    const bool written = writeDownload(&error);
    const QString file = m_fileName;
    keepPages(m_download->takePages());
    endDownload();
    if (written)
        ui->label_Status->setText(tr("K4810_651"));
    else
        tell(tr("K4810_583"), tr("K4810_1610").arg(QDir::toNativeSeparators(file), error));
}

void orv_FormTmi_K4810::onDownloadFailed(TmiDownload::Failure failure)
{
    endDownload();
    switch (failure) {
    case TmiDownload::Failure::Unreadable:
        tell(tr("K4810_583"), tr("K4810_1613"));
        break;
    case TmiDownload::Failure::NoPageAfterFirst:
        tell(tr("K4810_583"), tr("K4810_1612").arg(m_download->firstNumber()).arg(m_download->lastNumber()));
        break;
    case TmiDownload::Failure::Timeout:
        tell(tr("K4810_583"), tr("K4810_1925").arg(m_download->timeout() / 1000));
        break;
    }
}

bool orv_FormTmi_K4810::writeDownload(QString *error)
{
    const TmiOutput *output = TmiOutputs::find(m_outputId);
    if (!output)
        return false;
    int step = 0;
    TmiWriteOptions options;
    options.fileName = m_fileName;
    options.captions = m_captions;
    options.timeZone = m_timeZone;
    options.daylightSaving = m_daylightSaving;
    options.identifier = m_device ? m_device->deviceId() : QString();
    options.eventName = [this](quint16 code) { return eventName(code); };
    options.progress = [this, &step](int done, int total) {
        if (done == 0)
            ui->progressBar->setRange(0, qMax(1, total));
        if (++step % 64 == 0 || done == total)
            ui->progressBar->setValue(done);
    };
    const std::unique_ptr<TmiWriter> writer = output->create();
    const bool ok = writer->write(m_download->pages(), options);
    *error = writer->errorText();
    return ok;
}

void orv_FormTmi_K4810::keepPages(TmiDownloadList pages)
{
    if (pages.isEmpty()) {
        m_keptPages.reset();
    } else {
        m_keptPages = std::make_shared<TmiDownloadPages>(std::make_shared<const TmiDownloadList>(std::move(pages)),
                                                         m_captions, [window = QPointer<orv_FormTmi_K4810>(this)](quint16 code) {
                                                             // The page view may keep the pages longer than this window lives.
                                                             return window ? window->eventName(code) : QString();
                                                         });
    }
    ui->Btn_Chart->setEnabled(bool(m_keptPages));
    ui->Btn_Summary->setEnabled(bool(m_keptPages));
}

void orv_FormTmi_K4810::openAnalysis(int tab)
{
    if (!m_keptPages)
        return;
    if (!m_analysis) {
        m_analysis = new ORV_FormTmiAnalysis(this);
        if (m_device)
            m_analysis->setDataDirectory(m_device->dataDir());
        // A page chosen in the analysis opens in the page view.
        connect(m_analysis, &ORV_FormTmiAnalysis::pageChosen, this, [this](int index) {
            if (m_device && m_analysis->source())
                m_device->ensureViewPageWindow()->showPages(m_analysis->source(), index);
        });
    }
    m_analysis->showPages(m_keptPages, ORV_FormTmiAnalysis::Tab(tab));
}

void orv_FormTmi_K4810::slot_pressed_Btn_Chart()
{
    openAnalysis(ORV_FormTmiAnalysis::ChartTab);
}

void orv_FormTmi_K4810::slot_pressed_Btn_Summary()
{
    openAnalysis(ORV_FormTmiAnalysis::SummaryTab);
}

void orv_FormTmi_K4810::endDownload()
{
    ui->label_Status->clear();
    ui->progressBar->setValue(ui->progressBar->minimum());
    ui->BtnSaveCancel->setEnabled(false);
    setRequestControlsEnabled(true);
}

void orv_FormTmi_K4810::slot_pressed_BtnSaveCancel()
{
    if (!m_download->isRunning())
        return;
    // The download ends now, whether or not the tracker answers again; the
    // answer to the request in flight, if it comes, is not shown.
    m_download->cancel();
    endDownload();
}

QString orv_FormTmi_K4810::duration(qint64 milliseconds)
{
    const qint64 seconds = qMax<qint64>(0, milliseconds / 1000);
    return QString::asprintf("%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
}

// ---------------------------------------------------------------------------
// Messages

void orv_FormTmi_K4810::tell(const QString &title, const QString &text, QMessageBox::Icon icon)
{
    if (m_notifier) {
        m_notifier(title, text);
        return;
    }
    // Shown without a nested event loop: most messages come from inside the
    // host's delivery of an answer, which must return.
    auto *box = new QMessageBox(icon, title, text, QMessageBox::NoButton, this);
    box->setObjectName(QStringLiteral("orv_FormTmi_K4810_message"));
    box->addButton(tr("K4810_003"), QMessageBox::AcceptRole);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->show();
}

QString orv_FormTmi_K4810::askText(const QString &title, const QString &label, const QString &proposed)
{
    if (m_textAsker)
        return m_textAsker(title, label);
    bool ok = false;
    const QString text = QInputDialog::getText(this, title, label, QLineEdit::Normal, proposed, &ok);
    return ok ? text : QString();
}
