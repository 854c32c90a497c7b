#include "fuel/orv_formfuelsensor.h"
#include "ui_orv_formfuelsensor.h"

#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"
#include "fuel/fuelanswer.h"
#include "fuel/fuelcalibrationmodel.h"
#include "fuel/fuelfile.h"
#include "fuel/orv_formreportfuel.h"
#include "fuel/orv_fueltablepanel.h"

#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>

namespace {

const char *const kHelpPath = "/Localization/Help/K-4810/k-4810Fuel.html";
// Tab titles of the RS-485 sensors D1 .. D6.
const char *const kDigitalTitles[6] = {"K4810_526", "K4810_527", "K4810_528", "K4810_529", "K4810_530", "K4810_531"};

// A vehicle name as part of a file name.
QString fileNamePart(QString text)
{
    for (QChar &c : text) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            c = QLatin1Char('_');
    }
    return text;
}

} // namespace

ORV_FormFuelSensor::ORV_FormFuelSensor(ORV_Device_K4810 *device, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint)
    , ui(new Ui::ORV_FormFuelSensor)
    , m_device(device)
    , m_pollTimer(new QTimer(this))
    , m_report(new ORV_FormReportFuel(this))
    , m_dialogs(FuelDialogs::standard())
    , m_now([] { return QDateTime::currentDateTime(); })
{
    ui->setupUi(this);
    m_pollTimer->setObjectName(QStringLiteral("pollTimer"));
    m_pollTimer->setSingleShot(true);
    auto steady = std::make_shared<QElapsedTimer>();
    steady->start();
    m_clock = [steady] { return steady->elapsed(); };

    const QStringList codes = tableCodes();
    for (int i = 0; i < kTableCount; ++i) {
        const QString &code = codes[i];
        auto *panel = new ORV_FuelTablePanel(QLatin1Char('_') + code, true, &m_dialogs, this);
        panel->configure(FuelSensorType::byCode(code));
        m_panels[size_t(i)] = panel;
        if (code == QLatin1String("A1")) {
            ui->verticalLayout_A1->addWidget(panel);
        } else if (code == QLatin1String("F1")) {
            ui->verticalLayout_F1->addWidget(panel);
        } else {
            auto *page = new QWidget(ui->tabWidget_RS485);
            page->setObjectName(QStringLiteral("tab_") + code);
            auto *layout = new QVBoxLayout(page);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->addWidget(panel);
            ui->tabWidget_RS485->addTab(page, tr(kDigitalTitles[i - 1]));
        }
        connect(panel, &ORV_FuelTablePanel::rowsChanged, this, &ORV_FormFuelSensor::updateSaveButton);
    }

    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &ORV_FormFuelSensor::slot_currentChanged);
    connect(ui->tabWidget_RS485, &QTabWidget::currentChanged, this, &ORV_FormFuelSensor::slot_currentChanged_RS485);
    connect(ui->Btn_Load, &QPushButton::pressed, this, &ORV_FormFuelSensor::slot_pressed_Btn_Load);
    connect(ui->Btn_Save_Xml, &QPushButton::pressed, this, &ORV_FormFuelSensor::slot_pressed_Btn_Save_Xml);
    connect(ui->Btn_Print, &QPushButton::pressed, this, &ORV_FormFuelSensor::slot_pressed_Btn_Print);
    connect(ui->Btn_Help, &QPushButton::pressed, this, &ORV_FormFuelSensor::slot_pressed_Btn_Help);
    connect(ui->Btn_Exit, &QPushButton::pressed, this, &ORV_FormFuelSensor::slot_pressed_Btn_Exit);
    connect(this, &QDialog::finished, this, &ORV_FormFuelSensor::slot_finished);
    connect(m_pollTimer, &QTimer::timeout, this, &ORV_FormFuelSensor::slot_timeout);
    updateSaveButton();
}

ORV_FormFuelSensor::~ORV_FormFuelSensor() = default;

QStringList ORV_FormFuelSensor::tableCodes()
{
    return {QStringLiteral("A1"), QStringLiteral("D1"), QStringLiteral("D2"), QStringLiteral("D3"),
            QStringLiteral("D4"), QStringLiteral("D5"), QStringLiteral("D6"), QStringLiteral("F1")};
}

void ORV_FormFuelSensor::setDialogs(const FuelDialogs &dialogs)
{
    m_dialogs = dialogs;
    m_report->setDialogs(dialogs);
}

ORV_FuelTablePanel *ORV_FormFuelSensor::panel(const QString &code) const
{
    const int i = int(tableCodes().indexOf(code));
    return i < 0 ? nullptr : m_panels[size_t(i)];
}

QString ORV_FormFuelSensor::currentCode() const
{
    if (ui->tabWidget->currentWidget() == ui->tab_A1)
        return QStringLiteral("A1");
    if (ui->tabWidget->currentWidget() == ui->tab_F1)
        return QStringLiteral("F1");
    return QStringLiteral("D%1").arg(qMax(0, ui->tabWidget_RS485->currentIndex()) + 1);
}

ORV_FuelTablePanel *ORV_FormFuelSensor::currentPanel() const
{
    return panel(currentCode());
}

void ORV_FormFuelSensor::showTable(const QString &code)
{
    if (code == QLatin1String("A1")) {
        ui->tabWidget->setCurrentWidget(ui->tab_A1);
    } else if (code == QLatin1String("F1")) {
        ui->tabWidget->setCurrentWidget(ui->tab_F1);
    } else if (code.startsWith(QLatin1Char('D'))) {
        ui->tabWidget->setCurrentWidget(ui->tab_RS485);
        const int d = code.mid(1).toInt();
        if (d >= 1 && d <= 6)
            ui->tabWidget_RS485->setCurrentIndex(d - 1);
    }
    updateSaveButton();
}

QString ORV_FormFuelSensor::objectNameText() const
{
    return ui->lineEdit_ObjectName->text();
}

QString ORV_FormFuelSensor::dataDir() const
{
    return m_device ? m_device->dataDir() : QStringLiteral("../");
}

// ---------------------------------------------------------------------------
// Opening and polling

void ORV_FormFuelSensor::open(const QString &objectName, const QString &imei)
{
    m_imei = imei;
    ui->lineEdit_ObjectName->setText(objectName);
    // A window opened afresh starts empty; one still open keeps its tables.
    if (!isVisible()) {
        for (ORV_FuelTablePanel *p : m_panels) {
            p->clearTable();
            p->stopLive();
        }
    }
    show();
    raise();
    activateWindow();
    m_pollTimer->stop();
    sendRequest();
}

void ORV_FormFuelSensor::sendRequest()
{
    // Nothing is asked of a detached tracker (the window closes on detach).
    if (m_device && m_device->isOnline())
        m_device->send(OrvMsg::FuelSensorRead);
}

void ORV_FormFuelSensor::slot_timeout()
{
    m_pollTimer->stop();
    if (isVisible())
        sendRequest();
}

void ORV_FormFuelSensor::handleFuelAnswer(const uchar *data, int length)
{
    const std::optional<FuelAnswer> answer = FuelAnswer::parse(data, length);
    if (!answer) {
        // Dropped; polling ends until the window is opened again.
        for (ORV_FuelTablePanel *p : m_panels)
            p->stopLive();
        return;
    }
    const qint64 now = m_clock();
    auto take = [now](ORV_FuelTablePanel *p, const std::optional<QString> &text) {
        if (text)
            p->setLiveReading(*text, now);
        else
            p->stopLive(); // the reading in the line edit stays, but is no longer live
    };
    auto code = [](const std::optional<quint16> &v) {
        return v ? std::optional<QString>(QString::number(*v)) : std::nullopt;
    };
    take(panel(QStringLiteral("F1")), code(answer->f1()));
    take(panel(QStringLiteral("A1")), answer->a1Millivolts()
                                          ? std::optional<QString>(FuelAnswer::volts(*answer->a1Millivolts()))
                                          : std::nullopt);
    for (int i = 0; i < FuelAnswer::kDigitalCount; ++i)
        take(panel(QStringLiteral("D%1").arg(i + 1)), code(answer->digital(i)));
    m_pollTimer->start(m_pollInterval);
}

void ORV_FormFuelSensor::stopPolling()
{
    m_pollTimer->stop();
}

void ORV_FormFuelSensor::closeForConnectionChange()
{
    stopPolling();
    for (ORV_FuelTablePanel *p : m_panels)
        p->stopLive();
    // The question about unsaved tables comes after the host's message.
    if (isVisible()) {
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                close();
        });
    }
}

// ---------------------------------------------------------------------------
// Tabs and buttons

void ORV_FormFuelSensor::updateSaveButton()
{
    ORV_FuelTablePanel *p = currentPanel();
    ui->Btn_Save_Xml->setEnabled(p && p->hasRows());
}

void ORV_FormFuelSensor::slot_currentChanged(int nIndex)
{
    Q_UNUSED(nIndex);
    updateSaveButton();
}

void ORV_FormFuelSensor::slot_currentChanged_RS485(int nIndex)
{
    Q_UNUSED(nIndex);
    updateSaveButton();
}

void ORV_FormFuelSensor::slot_pressed_Btn_Save_Xml()
{
    saveCurrent();
}

bool ORV_FormFuelSensor::saveCurrent()
{
    ORV_FuelTablePanel *p = currentPanel();
    if (!p)
        return false;
    const QString code = currentCode();
    const QString proposed = QDir(dataDir()).filePath(
        code + QLatin1Char('_') + fileNamePart(objectNameText()) + QStringLiteral(" (")
        + m_now().toString(QStringLiteral("dd-MM-yy hh_mm_ss")) + QStringLiteral(").xml"));
    QString path = m_dialogs.saveFile(this, tr("K4810_538"), proposed, QStringLiteral("*.xml"));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".xml");

    FuelFileContent content;
    content.model = QLatin1String(FuelFile::kModel);
    content.type = code;
    content.imei = m_imei;
    content.objectName = objectNameText();
    content.nameElement = p->type().liveNameElement();
    content.sensorName = p->sensorName();
    for (const FuelCalibrationModel::Row &row : p->model()->rows())
        content.rows << FuelFileRow{row.volume, row.reading};
    QString why;
    if (!FuelFile::write(path, content, &why)) {
        m_dialogs.tell(this, tr("K4810_533"), tr("K4810_542") + QLatin1Char('\n') + why);
        return false;
    }
    p->setModified(false);
    return true;
}

void ORV_FormFuelSensor::slot_pressed_Btn_Load()
{
    const QString path = m_dialogs.openFile(this, tr("K4810_511"), dataDir(), QStringLiteral("*.xml"));
    if (path.isEmpty())
        return;
    loadFile(path);
}

void ORV_FormFuelSensor::loadFile(const QString &path)
{
    const FuelFile::ReadResult r = FuelFile::read(path);
    switch (r.status) {
    case FuelFile::Ok:
        break;
    case FuelFile::Missing:
        m_dialogs.tell(this, tr("K4810_533"), tr("K4810_568") + QLatin1Char('\n') + path);
        return;
    case FuelFile::WrongModel:
        m_dialogs.tell(this, tr("K4810_533"), tr("K4810_534"));
        return;
    case FuelFile::Unreadable:
    case FuelFile::NotCalibration:
        m_dialogs.tell(this, tr("K4810_533"), tr("K4810_569") + QLatin1Char('\n') + r.error);
        return;
    }
    ORV_FuelTablePanel *p = panel(r.content.type);
    if (!p) {
        m_dialogs.tell(this, tr("K4810_533"), tr("K4810_577") + QLatin1Char(' ') + r.content.type);
        return;
    }
    if (p->hasRows() && !m_dialogs.ask(this, tr("K4810_533"), tr("K4810_532")))
        return;
    p->clearTable();
    showTable(r.content.type);
    p->setSensorName(r.content.sensorName);
    p->appendRows(r.content.rows);
    p->finishAppending();
    p->setModified(false);
    updateSaveButton();
}

void ORV_FormFuelSensor::slot_pressed_Btn_Print()
{
    ORV_FuelTablePanel *p = currentPanel();
    if (!p)
        return;
    m_report->setPdfFolder(dataDir());
    m_report->showReport(currentCode(), objectNameText(), p->points());
}

void ORV_FormFuelSensor::slot_pressed_Btn_Help()
{
    m_helpPath = QLatin1String(kHelpPath);
    if (m_device)
        m_device->send(OrvMsg::Help, reinterpret_cast<intptr_t>(&m_helpPath), 0);
}

void ORV_FormFuelSensor::slot_pressed_Btn_Exit()
{
    stopPolling();
    if (m_report->isVisible())
        m_report->close();
    close();
}

void ORV_FormFuelSensor::slot_finished(int nResult)
{
    Q_UNUSED(nResult);
    stopPolling();
    if (m_report->isVisible())
        m_report->close();
}

void ORV_FormFuelSensor::closeEvent(QCloseEvent *event)
{
    // Every table whose points are not saved, the current one first.
    QList<ORV_FuelTablePanel *> order{currentPanel()};
    for (ORV_FuelTablePanel *p : m_panels) {
        if (!order.contains(p))
            order << p;
    }
    for (ORV_FuelTablePanel *p : order) {
        if (!p || !p->hasRows() || !p->isModified())
            continue;
        showTable(p->type().code());
        if (m_dialogs.ask(this, tr("K4810_533"), tr("K4810_539")) && !saveCurrent()) {
            event->ignore();
            return;
        }
    }
    stopPolling();
    if (m_report->isVisible())
        m_report->close();
    for (ORV_FuelTablePanel *p : m_panels)
        p->stopLive();
    event->accept();
}

void ORV_FormFuelSensor::keyPressEvent(QKeyEvent *event)
{
    // Escape does not close the window.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
