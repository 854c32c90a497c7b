#include "fuel/orv_formfuelview.h"
#include "ui_orv_formfuelview.h"

#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"
#include "fuel/fuelcalibrationmodel.h"
#include "fuel/fuelfile.h"
#include "fuel/orv_formreportfuel.h"
#include "fuel/orv_fueltablepanel.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

namespace {

const char *const kHelpPath = "/Localization/Help/K-4810/k-4810FuelView.html";

QStringList digitalCodes()
{
    return {QStringLiteral("D1"), QStringLiteral("D2"), QStringLiteral("D3"),
            QStringLiteral("D4"), QStringLiteral("D5"), QStringLiteral("D6")};
}

QString fileNamePart(QString text)
{
    for (QChar &c : text) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            c = QLatin1Char('_');
    }
    return text;
}

} // namespace

ORV_FormFuelView::ORV_FormFuelView(ORV_Device_K4810 *device)
    : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint
                           | Qt::WindowMinimizeButtonHint)
    , ui(new Ui::ORV_FormFuelView)
    , m_device(device)
    , m_dialogs(FuelDialogs::standard())
    , m_now([] { return QDateTime::currentDateTime(); })
{
    ui->setupUi(this);
    m_panel = new ORV_FuelTablePanel(QString(), false, &m_dialogs, this);
    ui->verticalLayout_Table->addWidget(m_panel);
    setTypes(digitalCodes(), QStringLiteral("D1"));

    connect(ui->Btn_Load, &QPushButton::pressed, this, &ORV_FormFuelView::slot_pressed_Btn_Load);
    connect(ui->Combo_Type, &QComboBox::currentTextChanged, this,
            &ORV_FormFuelView::slot_currentIndexChanged_Combo_Type);
    connect(ui->Btn_Save_Xml, &QPushButton::pressed, this, &ORV_FormFuelView::slot_pressed_Btn_Save_Xml);
    connect(ui->Btn_Print, &QPushButton::pressed, this, &ORV_FormFuelView::slot_pressed_Btn_Print);
    connect(ui->Btn_Help, &QPushButton::pressed, this, &ORV_FormFuelView::slot_pressed_Btn_Help);
    connect(ui->Btn_Exit, &QPushButton::pressed, this, &ORV_FormFuelView::slot_pressed_Btn_Exit);
    connect(this, &QDialog::finished, this, &ORV_FormFuelView::slot_finished);
    connect(m_panel, &ORV_FuelTablePanel::rowsChanged, this,
            [this] { ui->Btn_Save_Xml->setEnabled(m_panel->hasRows()); });
    ui->Btn_Save_Xml->setEnabled(false);
}

ORV_FormFuelView::~ORV_FormFuelView() = default;

void ORV_FormFuelView::setDialogs(const FuelDialogs &dialogs)
{
    m_dialogs = dialogs;
    if (m_report)
        m_report->setDialogs(dialogs);
}

QString ORV_FormFuelView::comboText(const QString &code)
{
    if (code == QLatin1String("RS-232"))
        return tr("K4810_524");
    if (code == QLatin1String("A1"))
        return tr("K4810_535");
    if (code == QLatin1String("A2"))
        return tr("K4810_536");
    if (code == QLatin1String("F1"))
        return tr("K4810_575");
    static const char *const digital[6] = {"K4810_526", "K4810_527", "K4810_528",
                                           "K4810_529", "K4810_530", "K4810_531"};
    const int d = code.startsWith(QLatin1Char('D')) ? code.mid(1).toInt() : 0;
    return d >= 1 && d <= 6 ? tr(digital[d - 1]) : code;
}

QString ORV_FormFuelView::dataDir() const
{
    return m_device ? m_device->dataDir() : QStringLiteral("../");
}

void ORV_FormFuelView::setTypes(const QStringList &codes, const QString &chosen)
{
    {
        const QSignalBlocker block(ui->Combo_Type);
        ui->Combo_Type->clear();
        for (const QString &code : codes)
            ui->Combo_Type->addItem(comboText(code), code);
        ui->Combo_Type->setCurrentIndex(qMax(0, int(codes.indexOf(chosen))));
    }
    applyType(FuelSensorType::byCode(chosen));
}

void ORV_FormFuelView::applyType(const FuelSensorType &type)
{
    if (!type.isValid())
        return;
    m_type = type;
    m_panel->configure(type);
}

bool ORV_FormFuelView::acceptKind(const FuelSensorType &type)
{
    if (!m_type.isValid() || m_type.isAnalog() == type.isAnalog() || !m_panel->hasRows())
        return true;
    // Volts must never be saved as codes, nor codes as volts.
    if (!m_dialogs.ask(this, tr("K4810_533"), tr("K4810_570")))
        return false;
    m_panel->clearTable();
    return true;
}

void ORV_FormFuelView::showWindow()
{
    show();
    raise();
    activateWindow();
}

// ---------------------------------------------------------------------------
// Entry points

void ORV_FormFuelView::openFile(const QString &path)
{
    m_fileName = path;
    showWindow();
    if (m_panel->hasRows() && m_panel->isModified()) {
        // Asked once the host's message has returned.
        QTimer::singleShot(0, this, [this, path] {
            if (m_dialogs.ask(this, tr("K4810_533"), tr("K4810_532")))
                loadFile(path);
        });
        return;
    }
    loadFile(path);
}

void ORV_FormFuelView::openDigital()
{
    const FuelSensorType d1 = FuelSensorType::byCode(QStringLiteral("D1"));
    if (acceptKind(d1))
        setTypes(digitalCodes(), d1.code());
    showWindow();
}

void ORV_FormFuelView::openRs232()
{
    const FuelSensorType rs232 = FuelSensorType::byCode(QStringLiteral("RS-232"));
    if (acceptKind(rs232))
        setTypes({rs232.code()}, rs232.code());
    showWindow();
}

bool ORV_FormFuelView::loadFile(const QString &path)
{
    const FuelFile::ReadResult r = FuelFile::read(path);
    switch (r.status) {
    case FuelFile::Ok:
        break;
    case FuelFile::Missing:
        m_dialogs.tell(this, tr("K4810_533"), tr("K4810_568") + QLatin1Char('\n') + path);
        return false;
    case FuelFile::WrongModel:
        m_dialogs.tell(this, tr("K4810_533"), tr("K4810_534"));
        return false;
    case FuelFile::Unreadable:
    case FuelFile::NotCalibration:
        m_dialogs.tell(this, tr("K4810_533"), tr("K4810_569") + QLatin1Char('\n') + r.error);
        return false;
    }
    const FuelSensorType type = FuelSensorType::byCode(r.content.type);
    if (!type.isValid()) {
        m_dialogs.tell(this, tr("K4810_533"), tr("K4810_577") + QLatin1Char(' ') + r.content.type);
        return false;
    }
    m_panel->clearTable();
    setTypes({type.code()}, type.code());
    ui->lineEdit_ObjectName->setText(r.content.objectName);
    ui->lineEdit_Imei->setText(r.content.imei);
    m_panel->setSensorName(r.content.sensorName);
    m_panel->appendRows(r.content.rows);
    m_panel->finishAppending();
    m_panel->setModified(false);
    m_fileName = path;
    return true;
}

// ---------------------------------------------------------------------------
// Buttons

void ORV_FormFuelView::slot_pressed_Btn_Load()
{
    const QString path = m_dialogs.openFile(this, tr("K4810_511"), dataDir(), QStringLiteral("*.xml"));
    if (path.isEmpty())
        return;
    if (m_panel->hasRows() && !m_dialogs.ask(this, tr("K4810_533"), tr("K4810_532")))
        return;
    loadFile(path);
}

void ORV_FormFuelView::slot_currentIndexChanged_Combo_Type(const QString &qsText)
{
    Q_UNUSED(qsText);
    const FuelSensorType chosen = FuelSensorType::byCode(ui->Combo_Type->currentData().toString());
    if (!chosen.isValid() || chosen.code() == m_type.code())
        return;
    if (!acceptKind(chosen)) {
        const QSignalBlocker block(ui->Combo_Type);
        ui->Combo_Type->setCurrentIndex(qMax(0, ui->Combo_Type->findData(m_type.code())));
        return;
    }
    applyType(chosen);
}

void ORV_FormFuelView::slot_pressed_Btn_Save_Xml()
{
    saveXml();
}

bool ORV_FormFuelView::saveXml()
{
    const QString proposed = !m_fileName.isEmpty() && QFileInfo(m_fileName).isFile()
        ? m_fileName
        : QDir(dataDir()).filePath(m_type.code() + QLatin1Char('_') + fileNamePart(ui->lineEdit_ObjectName->text())
                                   + QStringLiteral(" (") + m_now().toString(QStringLiteral("dd-MM-yy hh_mm_ss"))
                                   + QStringLiteral(").xml"));
    QString path = m_dialogs.saveFile(this, tr("K4810_538"), proposed, QStringLiteral("*.xml"));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".xml");

    FuelFileContent content;
    content.model = QLatin1String(FuelFile::kModel);
    content.type = m_type.code();
    content.imei = ui->lineEdit_Imei->text();
    content.objectName = ui->lineEdit_ObjectName->text();
    content.nameElement = QStringLiteral("Name_A");
    content.sensorName = m_panel->sensorName();
    for (const FuelCalibrationModel::Row &row : m_panel->model()->rows())
        content.rows << FuelFileRow{row.volume, row.reading};
    QString why;
    if (!FuelFile::write(path, content, &why)) {
        m_dialogs.tell(this, tr("K4810_533"), tr("K4810_542") + QLatin1Char('\n') + why);
        return false;
    }
    m_panel->setModified(false);
    m_fileName = path;
    return true;
}

void ORV_FormFuelView::slot_pressed_Btn_Print()
{
    if (!m_report) {
        m_report = new ORV_FormReportFuel(this);
        m_report->setDialogs(m_dialogs);
    }
    m_report->setPdfFolder(dataDir());
    m_report->showReport(m_type.code(), ui->lineEdit_ObjectName->text(), m_panel->points());
}

void ORV_FormFuelView::slot_pressed_Btn_Help()
{
    m_helpPath = QLatin1String(kHelpPath);
    if (m_device)
        m_device->send(OrvMsg::Help, reinterpret_cast<intptr_t>(&m_helpPath), 0);
}

void ORV_FormFuelView::slot_pressed_Btn_Exit()
{
    close();
}

void ORV_FormFuelView::slot_finished(int nResult)
{
    Q_UNUSED(nResult);
    if (m_report && m_report->isVisible())
        m_report->close();
}

void ORV_FormFuelView::closeEvent(QCloseEvent *event)
{
    if (m_panel->hasRows() && m_panel->isModified()
        && m_dialogs.ask(this, tr("K4810_533"), tr("K4810_539")) && !saveXml()) {
        event->ignore();
        return;
    }
    if (m_report && m_report->isVisible())
        m_report->close();
    event->accept();
}

void ORV_FormFuelView::keyPressEvent(QKeyEvent *event)
{
    // Escape does not close the window.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
