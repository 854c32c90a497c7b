#include "fuel/orv_formreportfuel.h"
#include "ui_orv_formreportfuel.h"

#include "fuel/fuelreport.h"

#include <QDir>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>

ORV_FormReportFuel::ORV_FormReportFuel(QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
    , ui(new Ui::ORV_FormReportFuel)
    , m_dialogs(FuelDialogs::standard())
    , m_clock([] { return QDateTime::currentDateTime(); })
{
    ui->setupUi(this);
    m_printDialog = [](QPrinter *printer, QWidget *owner) {
        QPrintDialog dialog(printer, owner);
        return dialog.exec() == QDialog::Accepted;
    };
    connect(ui->pushButton_Print, &QPushButton::pressed, this, &ORV_FormReportFuel::slot_pressed_Btn_Print);
    connect(ui->pushButton_Pdf, &QPushButton::pressed, this, &ORV_FormReportFuel::slot_pressed_Btn_Pdf);
    connect(ui->pushButton_Close, &QPushButton::pressed, this, &QWidget::close);
}

ORV_FormReportFuel::~ORV_FormReportFuel() = default;

QTextDocument *ORV_FormReportFuel::document() const
{
    return ui->textEdit_Report->document();
}

void ORV_FormReportFuel::showReport(const QString &typeCode, const QString &objectName, const FuelPoints &points)
{
    show();
    raise();
    ui->textEdit_Report->clear();
    m_typeCode = typeCode;
    m_objectName = objectName;
    m_digital = typeCode.startsWith(QLatin1Char('D'));
    m_html = FuelReport::html(typeCode, objectName, points, m_clock());
    ui->textEdit_Report->setHtml(m_html);
}

void ORV_FormReportFuel::print(QPrinter *printer) const
{
    document()->print(printer);
}

bool ORV_FormReportFuel::saveAsPdf(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        writer.setTitle(windowTitle());
        document()->print(&writer);
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

void ORV_FormReportFuel::slot_pressed_Btn_Print()
{
    QPrinter printer(QPrinter::ScreenResolution);
    if (m_printDialog(&printer, this))
        print(&printer);
}

void ORV_FormReportFuel::slot_pressed_Btn_Pdf()
{
    const QString folder = m_pdfFolder.isEmpty() ? QDir::homePath() : m_pdfFolder;
    const QString proposed = QDir(folder).filePath(
        (m_typeCode.isEmpty() ? QStringLiteral("report") : m_typeCode) + QStringLiteral(".pdf"));
    const QString path = m_dialogs.saveFile(this, tr("K4810_573"), proposed, QStringLiteral("*.pdf"));
    if (path.isEmpty())
        return;
    QString why;
    if (!saveAsPdf(path, &why))
        m_dialogs.tell(this, tr("K4810_545"), tr("K4810_574") + QLatin1Char('\n') + why);
}
