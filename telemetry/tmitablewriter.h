#ifndef TMITABLEWRITER_H
#define TMITABLEWRITER_H

#include "telemetry/tmiexport.h"

#include <QString>
#include <QStringList>

class TmiDownloadList;

// The telemetry table: a semicolon-separated text in windows-1251 with
// CR LF line ends, a header row of column titles, then one row per page
// with the page view's text of every F8 field, in the F8 record's order.
// Second-generation pages are written through the F8 fields they carry.
class TmiTableWriter
{
public:
    // The column count: one per F8 field.
    static constexpr int ColumnCount = 56;

    // The text keys of the column titles, in column order.
    static const char *const *titleKeys();
    // The titles in the host's texts.
    static QStringList titles();

    void setProgress(TmiExport::Progress progress) { m_progress = std::move(progress); }

    // Writes the header and every page, in list order, atomically: false
    // (the file as it was, or none) with errorText() when it cannot be written.
    bool write(const TmiDownloadList &pages, const QString &fileName);
    QString errorText() const { return m_error; }

    // A cell's text in the file: windows-1251, with no semicolon or line
    // break of its own (they would split the row).
    static QByteArray cell(const QString &text);

private:
    TmiExport::Progress m_progress;
    QString m_error;
};

#endif // TMITABLEWRITER_H
