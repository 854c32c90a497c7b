#include "telemetry/orv_formtmi_k4810.h"
#include "ui_orv_formtmi_k4810.h"

#include "accessories/orv_formtaho.h"
#include "core/formwait.h"
#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"
#include "telemetry/maskplan.h"
#include "telemetry/orv_tmipage_f8.h"
#include "telemetry/tmibinwriter.h"
#include "telemetry/tmiformat.h"
#include "telemetry/tmikmlwriter.h"
#include "telemetry/tmipage_vela2.h"
#include "telemetry/tmitablewriter.h"
#include "telemetry/tmixmlwriter.h"
#include "xml/cserialize.h"
#include "xml/settingssection.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QListWidget>
#include <QMenu>
#include <QTimer>

#include <climits>
#include <limits>

namespace {

intptr_t addr(const void *p)
{
    return reinterpret_cast<intptr_t>(p);
}

// Record bytes a page must hold to be taken as an F6/F8 page: the F8 page
// object needs the prefix and a whole F6 record.
constexpr int kF8PagePayload = int(ORV_TmiPage_F8::MinimumPayload);

constexpr quint8 kMaskedType = MaskedDecoder::Type;
constexpr quint8 kExtendedType = ExtendedRecord::Type;

const char *const kHelpPath = "/Localization/Help/K-4810/k-4810tmi.html";

// What a page answer holds, when it holds all its layout needs.
enum class Held { Nothing, F8Page, FirstGeneration, SecondGeneration };

Held heldRecord(const uchar *data, int length, int prefix)
{
    if (!data || length <= prefix)
        return Held::Nothing;
    const uchar *record = data + prefix;
    const int held = length - prefix;
    switch (record[0]) {
    case TmiPage_Vela::F6Type:
    case F8Record::Type:
        // As the F8 page object reads it: at least the prefix and an F6
        // record, which is more than the 101 bytes any page answer needs.
        return length >= kF8PagePayload ? Held::F8Page : Held::Nothing;
    case kMaskedType:
        // The decoder takes the fields that arrive whole; the header must.
        if (held < MaskedDecoder::HeaderSize)
            return Held::Nothing;
        if (record[1] == MaskedDecoder::FirstGeneration)
            return Held::FirstGeneration;
        return record[1] == MaskedDecoder::SecondGeneration ? Held::SecondGeneration : Held::Nothing;
    case kExtendedType:
        // The two fixed blocks must be there; the dynamic elements are read
        // only as far as they were received.
        return held >= ExtendedRecord::DynamicOffset ? Held::SecondGeneration : Held::Nothing;
    default:
        return Held::Nothing;
    }
}

// Defaults of the settings file's values the window reads.
constexpr int kDefaultTimeZone = 3;
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

    // The outputs that have no button of their own: the telemetry file again
    // and the map.
    m_saveMenu = new QMenu(this);
    m_menuTmi = m_saveMenu->addAction(tr("K4810_1632"));
    m_menuTmi->setObjectName(QStringLiteral("Menu_TMI"));
    m_menuGoogle = m_saveMenu->addAction(QStringLiteral("Google Earth"));
    m_menuGoogle->setObjectName(QStringLiteral("Menu_Google"));
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
    connect(m_menuTmi, &QAction::triggered, this, &orv_FormTmi_K4810::slot_triggered_Menu_TMI);
    connect(m_menuGoogle, &QAction::triggered, this, &orv_FormTmi_K4810::slot_triggered_Menu_Google);

    // The value labels of the F8 view, one per F8 field, in field order.
    for (const F8Field &f : F8Layout::fields) {
        const QString name = QStringLiteral("label_F8_") + QLatin1String(FieldTable::memberName(f.member));
        m_f8Labels.push_back(findChild<QLabel *>(name));
    }

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
    resetCaptions();
    // Opening a file that does not exist would create it: read only what is there.
    if (!QFileInfo(settingsFile).isFile())
        return;
    CSerialize document;
    std::unique_ptr<SettingsSection> handle = document.open(settingsFile);
    if (!handle)
        return;
    std::unique_ptr<SettingsSection> root = handle->isDocument() ? handle->child(QStringLiteral("DEVICE"))
                                                                 : std::move(handle);
    if (root && root->name() == QLatin1String("DEVICE")) {
        m_model = root->getText(QStringLiteral("model"), QLatin1String(kDefaultModel));
        // A value that is there but empty falls back as one that is missing.
        auto text = [](const SettingsSection *section, const char *name, const QString &fallback) {
            const QString value = section ? section->getText(QLatin1String(name), fallback) : fallback;
            return value.isEmpty() ? fallback : value;
        };
        const auto transfer = root->child(QStringLiteral("TRANSFER"));
        m_objectName = text(transfer.get(), "objectName", QLatin1String(kDefaultObjectName));

        const auto sensors = root->child(QStringLiteral("SENSORS"));
        static const char *const inputItems[] = {"nicknameIN1", "nicknameIN2", "nicknameIN3", "nicknameAIN1"};
        static const char *const inputKeys[] = {QT_TR_NOOP("K4810_657"), QT_TR_NOOP("K4810_658"),
                                                QT_TR_NOOP("K4810_659"), QT_TR_NOOP("K4810_660")};
        for (int i = 0; i < 4; ++i) {
            const QString value = sensors ? sensors->getText(QLatin1String(inputItems[i]),
                                                             QStringLiteral("input %1").arg(i + 1))
                                          : QStringLiteral("input %1").arg(i + 1);
            m_captions.inputs[size_t(i)] = value.isEmpty() ? tr(inputKeys[i]) : value;
        }
        const auto outputs = root->child(QStringLiteral("OUTPUT_LINES"));
        m_captions.outputs[0] = text(outputs.get(), "nicknameO1", QStringLiteral("output 1"));
        m_captions.outputs[1] = text(outputs.get(), "nicknameO2", QStringLiteral("output 2"));

        const auto system = root->child(QStringLiteral("SYSTEM"));
        if (system) {
            m_ussd = system->getText(QStringLiteral("balanceRequestUSSD")).trimmed();
            m_daylightSaving = system->getInt(QStringLiteral("allowDecretTime"), 0) != 0;
            m_timeZone = system->getInt(QStringLiteral("timeZone"), kDefaultTimeZone);
        } else {
            m_timeZone = kDefaultTimeZone;
        }

        const auto temperatures = root->child(QStringLiteral("TEMP_SENSORS"));
        static const char *const tempItems[] = {"nicknameT1", "nicknameT2", "nicknameT3", "nicknameT4"};
        for (int i = 0; i < 4; ++i) {
            m_captions.temperatures[size_t(i)] =
                text(temperatures.get(), tempItems[i], QStringLiteral("Temperature %1").arg(i + 1));
        }
    }
    document.close(false);
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
    if (m_downloadState != DownloadIdle) {
        if (m_requestOutstanding)
            m_dropNextPage = true;
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
    m_menuTmi->setEnabled(enabled);
    m_menuGoogle->setEnabled(enabled);
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
        return ui->label_Vela2_NumPage->text().toUInt();
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
    // The mileage window is not built yet.
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
    m_showFlag = true;
    m_downloadState = DownloadIdle;
    requestPageAt(OrvMsg::ReadPageAtTime, ui->dateTimeEdit_Show->dateTime());
}

void orv_FormTmi_K4810::slot_pressed_Btn_FuelSensor()
{
    // The fuel-sensor window polls the tracker itself: ours stops first.
    ui->checkBox_Get_Auto_TMI->setChecked(false);
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
    // For the fuel-sensor window, which comes with the calibration windows.
    Q_UNUSED(data);
    Q_UNUSED(length);
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
    // Until the second-generation display exists: the number, the validity
    // and every field the page carries, one per line.
    ui->label_Vela2_NumPage->setText(QString::number(page.pageNumber()));
    ui->label_Vela2_Valid->setText(page.isValid() ? tr("K4810_001") : tr("K4810_002"));
    QStringList lines;
    for (int i = 0; i < FieldTable::MemberCount; ++i) {
        const FieldRef &field = FieldTable::member(i);
        if (page.isPresent(field))
            lines << QStringLiteral("%1: %2").arg(QLatin1String(FieldTable::memberName(i)), page.text(field));
    }
    for (const DynamicElement &e : page.dynamicElements())
        lines << QStringLiteral("Dynamic %1: %2").arg(e.type).arg(e.valueText());
    ui->listWidget_Vela2->clear();
    ui->listWidget_Vela2->addItems(lines);
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
    if (m_dropNextPage) {
        // The answer to a request of a download that was cancelled.
        m_dropNextPage = false;
        return;
    }
    if (m_downloadState != DownloadIdle) {
        downloadPage(data, length);
        return;
    }
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
    setRequestControlsEnabled(m_downloadState == DownloadIdle && m_clearState == ClearIdle);
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
    startDownload(OutputXml);
}

void orv_FormTmi_K4810::slot_pressed_BtnSaveToExcel()
{
    startDownload(OutputTable);
}

void orv_FormTmi_K4810::slot_pressed_BtnSaveFileToServer()
{
    startDownload(OutputTelemetryFile);
}

void orv_FormTmi_K4810::slot_triggered_Menu_TMI()
{
    slot_pressed_BtnSaveFileToServer();
}

void orv_FormTmi_K4810::slot_triggered_Menu_Google()
{
    startDownload(OutputKml);
}

void orv_FormTmi_K4810::startDownload(OutputKind kind)
{
    if (m_downloadState != DownloadIdle)
        return;
    m_outputKind = kind;
    const QDateTime first = ui->dateTimeEdit_First->dateTime();
    const QDateTime last = ui->dateTimeEdit_Last->dateTime();
    if (last < first) {
        tell(tr("K4810_583"), tr("K4810_1611"));
        return;
    }

    QString caption;
    QString filter;
    QString suffix;
    switch (kind) {
    case OutputKml:
        caption = tr("K4810_584");
        suffix = QStringLiteral("kml");
        break;
    case OutputTelemetryFile:
        caption = tr("K4810_584");
        suffix = QStringLiteral("tmi");
        break;
    case OutputTable:
        caption = tr("K4810_585");
        suffix = QStringLiteral("csv");
        break;
    case OutputXml:
        caption = tr("K4810_585");
        suffix = QStringLiteral("xml");
        break;
    }
    filter = QStringLiteral("*.") + suffix;
    const QString directory = m_device ? m_device->dataDir() : QStringLiteral("../");
    QString file = m_saveFileChooser ? m_saveFileChooser(caption, directory, filter)
                                     : QFileDialog::getSaveFileName(this, caption, directory, filter);
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().isEmpty())
        file += QLatin1Char('.') + suffix;

    m_fileName = file;
    m_list.clear();
    m_lastPage.clear();
    m_dropNextPage = false;
    setRequestControlsEnabled(false);
    ui->BtnSaveCancel->setEnabled(true);
    ui->label_Status->setText(tr("K4810_586"));
    ui->label_Packet_Cur->clear();
    ui->label_Packet_End->clear();
    ui->label_Time_Cur->clear();
    ui->label_Time_End->clear();
    ui->progressBar->setRange(0, 1);
    ui->progressBar->setValue(0);
    ++m_downloadGeneration;
    m_downloadClock.start();
    m_lastPageTime = last;
    m_downloadState = DownloadStarted;
    m_requestOutstanding = true;
    requestPageAt(OrvMsg::StartInterval, first);
}

bool orv_FormTmi_K4810::readPage(const uchar *data, int length, int prefix, TakenPage *page)
{
    const uchar *record = data + prefix;
    switch (heldRecord(data, length, prefix)) {
    case Held::F8Page:
        page->isF8 = true;
        page->record = record[0] == TmiPage_Vela::F6Type ? TmiPage_Vela::convertF6(record, length - prefix)
                                                         : F8Record(record, length - prefix);
        page->number = page->record.numPage();
        return true;
    case Held::FirstGeneration:
    case Held::SecondGeneration:
        page->isF8 = false;
        page->raw = record;
        page->rawLength = length - prefix;
        page->number = TmiPage_Vela2(record, length - prefix).pageNumber();
        return true;
    case Held::Nothing:
        break;
    }
    return false;
}

void orv_FormTmi_K4810::keepPage(const TakenPage &page, TmiDownloadList &into)
{
    if (page.isF8)
        into.appendF8(page.record);
    else
        into.appendVela2(page.raw, page.rawLength);
}

void orv_FormTmi_K4810::downloadPage(const uchar *data, int length)
{
    m_requestOutstanding = false;
    const int prefix = m_downloadState == DownloadPages ? Prefix : ShowPrefix;
    switch (m_downloadState) {
    case DownloadIdle:
        return;
    case DownloadStarted:
        if (!readPage(data, length, prefix, &m_taken)) {
            downloadUnreadable();
            return;
        }
        keepPage(m_taken, m_list);
        m_firstNumber = m_taken.number;
        m_appendedNumber = m_taken.number;
        ui->progressBar->setMinimum(0);
        m_downloadState = DownloadLastPage;
        queueDownloadRequest();
        return;
    case DownloadLastPage: {
        m_lastPage.clear();
        if (!readPage(data, length, prefix, &m_taken)) {
            downloadUnreadable();
            return;
        }
        keepPage(m_taken, m_lastPage);
        m_lastNumber = m_taken.number;
        ui->label_Packet_Cur->setText(QString::number(m_firstNumber));
        ui->label_Packet_End->setText(QString::number(m_lastNumber));
        ui->label_Time_Cur->setText(duration(m_downloadClock.elapsed()));
        ui->label_Time_End->setText(duration(0));
        ui->label_Status->setText(tr("K4810_588"));
        if (m_lastNumber <= m_firstNumber) {
            const QString text = tr("K4810_1612").arg(m_firstNumber).arg(m_lastNumber);
            endDownload();
            tell(tr("K4810_583"), text);
            return;
        }
        m_downloadState = DownloadPages;
        ui->progressBar->setRange(0, int(qMin<quint32>(m_lastNumber - m_firstNumber, INT_MAX)));
        ui->progressBar->setValue(1);
        m_list.reserve(int(qMin<quint32>(m_lastNumber - m_firstNumber, 1u << 20)));
        m_requestedNumber = m_firstNumber;
        m_progressClock.start();
        queueDownloadRequest();
        return;
    }
    case DownloadPages: {
        if (!readPage(data, length, prefix, &m_taken)) {
            downloadUnreadable();
            return;
        }
        // Each page once and in order: a page the tracker sends again, or
        // one outside the interval's inside, is not kept.
        if (m_taken.number > m_appendedNumber && m_taken.number < m_lastNumber) {
            keepPage(m_taken, m_list);
            m_appendedNumber = m_taken.number;
        }
        // The counters move a few times a second, not once per page.
        if (m_progressClock.elapsed() >= ProgressIntervalMs) {
            m_progressClock.start();
            showDownloadProgress(m_requestedNumber);
        }
        queueDownloadRequest();
        return;
    }
    }
}

void orv_FormTmi_K4810::queueDownloadRequest()
{
    if (m_downloadState == DownloadPages) {
        if (m_requestedNumber + 1 >= m_lastNumber) {
            // Every page before the last is in: the last one, held aside, closes the list.
            m_list.append(m_lastPage);
            m_lastPage.clear();
            const quint64 generation = m_downloadGeneration;
            QMetaObject::invokeMethod(this, [this, generation] { finishDownload(generation); }, Qt::QueuedConnection);
            return;
        }
        ++m_requestedNumber;
    }
    if (m_sendingRequests) {
        // Answered inside send: the loop in sendDownloadRequest, which the
        // event loop called, sends the next one once this handler returned.
        m_nextRequestDue = true;
        return;
    }
    const quint64 generation = m_downloadGeneration;
    QMetaObject::invokeMethod(this, [this, generation] { sendDownloadRequest(generation); }, Qt::QueuedConnection);
}

void orv_FormTmi_K4810::sendDownloadRequest(quint64 generation)
{
    // Called from the event loop. While the host answers inside send, the
    // requests follow one another here, each after the handler of the
    // answer before it has returned, so nothing nests; after a slice of
    // time the event loop gets its turn, so the window stays responsive.
    QElapsedTimer slice;
    slice.start();
    m_sendingRequests = true;
    bool due = true;
    while (due && generation == m_downloadGeneration) {
        m_nextRequestDue = false;
        m_requestOutstanding = true;
        if (m_downloadState == DownloadLastPage)
            requestPageAt(OrvMsg::ReadPageAtTime, m_lastPageTime);
        else if (m_downloadState == DownloadPages)
            requestPageNumber(m_requestedNumber);
        due = m_nextRequestDue;
        if (slice.elapsed() >= RequestSliceMs)
            break;
    }
    m_sendingRequests = false;
    if (due && generation == m_downloadGeneration)
        QMetaObject::invokeMethod(this, [this, generation] { sendDownloadRequest(generation); }, Qt::QueuedConnection);
}

void orv_FormTmi_K4810::showDownloadProgress(quint32 number)
{
    const quint32 done = number - m_firstNumber;
    const quint32 total = m_lastNumber - m_firstNumber;
    ui->progressBar->setValue(int(qMin<quint32>(done, INT_MAX)));
    ui->label_Packet_Cur->setText(QString::number(number));
    const qint64 elapsed = m_downloadClock.elapsed();
    ui->label_Time_Cur->setText(duration(elapsed));
    ui->label_Time_End->setText(duration(done ? qint64(double(elapsed) * total / done) : 0));
}

void orv_FormTmi_K4810::finishDownload(quint64 generation)
{
    if (generation != m_downloadGeneration || m_downloadState != DownloadPages)
        return;
    showDownloadProgress(m_lastNumber);
    QString error;
    const bool written = writeDownload(&error);
    const QString file = m_fileName;
    endDownload();
    if (written) {
        ui->label_Status->setText(tr("K4810_651"));
    } else {
        tell(tr("K4810_583"), tr("K4810_1610").arg(QDir::toNativeSeparators(file), error));
    }
}

bool orv_FormTmi_K4810::writeDownload(QString *error)
{
    int step = 0;
    auto progress = [this, &step](int done, int total) {
        if (done == 0)
            ui->progressBar->setRange(0, qMax(1, total));
        if (++step % 64 == 0 || done == total)
            ui->progressBar->setValue(done);
    };
    bool ok = false;
    switch (m_outputKind) {
    case OutputXml: {
        TmiXmlWriter writer;
        writer.setCaptions(m_captions);
        writer.setTimeZone(m_timeZone, m_daylightSaving);
        writer.setEventNames([this](quint16 code) { return eventName(code); });
        writer.setProgress(progress);
        ok = writer.write(m_list, m_fileName);
        *error = writer.errorText();
        break;
    }
    case OutputTable: {
        TmiTableWriter writer;
        writer.setProgress(progress);
        ok = writer.write(m_list, m_fileName);
        *error = writer.errorText();
        break;
    }
    case OutputTelemetryFile: {
        TmiBinWriter writer;
        writer.setIdentifier(m_device ? m_device->deviceId() : QString());
        writer.setProgress(progress);
        ok = writer.write(m_list, m_fileName);
        *error = writer.errorText();
        break;
    }
    case OutputKml: {
        TmiKmlWriter writer;
        writer.setProgress(progress);
        ok = writer.write(m_list, m_fileName);
        *error = writer.errorText();
        break;
    }
    }
    return ok;
}

void orv_FormTmi_K4810::downloadUnreadable()
{
    endDownload();
    tell(tr("K4810_583"), tr("K4810_1613"));
}

void orv_FormTmi_K4810::endDownload()
{
    ++m_downloadGeneration;
    m_downloadState = DownloadIdle;
    m_list.clear();
    m_lastPage.clear();
    ui->label_Status->clear();
    ui->progressBar->setValue(ui->progressBar->minimum());
    ui->BtnSaveCancel->setEnabled(false);
    setRequestControlsEnabled(true);
}

void orv_FormTmi_K4810::slot_pressed_BtnSaveCancel()
{
    if (m_downloadState == DownloadIdle)
        return;
    // The download ends now, whether or not the tracker answers again; the
    // answer to the request in flight, if it comes, is not shown.
    if (m_requestOutstanding)
        m_dropNextPage = true;
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
