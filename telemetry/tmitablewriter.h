#ifndef TMITABLEWRITER_H
#define TMITABLEWRITER_H

#include "telemetry/tmitablecolumns.h"
#include "telemetry/tmiwriter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The telemetry table: a semicolon-separated text in windows-1251 with
// CR LF line ends, a header row of column titles, then one row per page
// with the windows' text of each column's field. The columns are those of
// TmiTableColumns: the F8 set for a download of F6/F8 pages, the Vela2 set
// (every field of the table, "n/a" where a page lacks it) as soon as the
// download holds a second-generation page.
class TmiTableWriter : public TmiWriter
{
public:
    // The column count of the F8 set: one per F8 field.
    static constexpr int ColumnCount = 56;

    // The F8 set's title keys and titles, in column order.
    static QStringList titles() { return TmiTableColumns::titles(TmiTableColumns::F8); }

    bool write(const TmiDownloadList &pages, const TmiWriteOptions &options) override;

    // A cell's text in the file: windows-1251, with no semicolon or line
    // break of its own (they would split the row).
    static QByteArray cell(const QString &text);
};

#endif // TMITABLEWRITER_H
