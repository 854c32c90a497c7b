#ifndef ORV_FORMREPORTFUEL_H
#define ORV_FORMREPORTFUEL_H

#include "fuel/fuelcalibration.h"
#include "fuel/fueldialogs.h"

#include <QDateTime>
#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class ORV_FormReportFuel;
}
class QPagedPaintDevice;
class QPrinter;
class QTextDocument;

// The print preview of a calibration table: the report (see FuelReport) in
// a read-only view, printed on a printer the user picks or saved as PDF.
class ORV_FormReportFuel : public QDialog
{
    Q_OBJECT

public:
    explicit ORV_FormReportFuel(QWidget *parent = nullptr);
    ~ORV_FormReportFuel() override;

    // Shows the window with the report of these points; the report keeps
    // until the next call.
    void showReport(const QString &typeCode, const QString &objectName, const FuelPoints &points);
    bool isDigital() const { return m_digital; }
    QTextDocument *document() const;
    QString html() const { return m_html; }

    // Prints the report on a printer set up by the caller (the print dialog,
    // or a PDF printer).
    void print(QPrinter *printer) const;
    // Writes the report as PDF, replacing the file only once it is whole.
    bool saveAsPdf(const QString &path, QString *error = nullptr) const;

    // Test seams: the dialogs and the clock of the date printed.
    void setDialogs(const FuelDialogs &dialogs) { m_dialogs = dialogs; }
    using PrintDialog = std::function<bool(QPrinter *printer, QWidget *parent)>;
    void setPrintDialog(PrintDialog dialog) { m_printDialog = std::move(dialog); }
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    void setPdfFolder(const QString &folder) { m_pdfFolder = folder; }

public slots:
    void slot_pressed_Btn_Print();
    void slot_pressed_Btn_Pdf();

private:
    std::unique_ptr<Ui::ORV_FormReportFuel> ui;
    bool m_digital = false;
    QString m_html;
    QString m_typeCode;
    QString m_objectName;
    QString m_pdfFolder;
    FuelDialogs m_dialogs;
    PrintDialog m_printDialog;
    std::function<QDateTime()> m_clock;
};

#endif // ORV_FORMREPORTFUEL_H
