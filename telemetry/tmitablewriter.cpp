#include "telemetry/tmitablewriter.h"

#include "core/codepage.h"
#include "telemetry/f8record.h"
#include "telemetry/tmidownloadlist.h"
#include "telemetry/tmipage_vela2.h"
#include "telemetry/tmipiececache.h"
#include "telemetry/tmitextbuffer.h"
#include "telemetry/tmitextformat.h"


#include <vector>

QByteArray TmiTableWriter::cell(const QString &text)
{
    QString clean = text;
    clean.replace(QLatin1Char(';'), QLatin1Char(','));
    clean.replace(QLatin1Char('\r'), QLatin1Char(' '));
    clean.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return CodePage::fromUnicode(clean);
}

bool TmiTableWriter::write(const TmiDownloadList &pages, const TmiWriteOptions &options)
{
    m_error.clear();
    const TmiExport::Progress &progress = options.progress;
    TmiFileSink out(options.fileName);
    if (!out.open())
        return fail(out.errorText());
    const TmiTextFormat format(&TmiTableWriter::cell);
    const TmiTableColumns::Set set = pages.hasVela2() ? TmiTableColumns::Vela2 : TmiTableColumns::F8;
    const int columns = TmiTableColumns::count(set);
    const QStringList header = TmiTableColumns::titles(set);
    for (int i = 0; i < header.size(); ++i) {
        if (i)
            out.put(';');
        out.put(cell(header.at(i)));
    }
    out.lit("\r\n");

    const int count = pages.count();
    std::vector<TmiPieceCache> cells(static_cast<size_t>(columns));
    for (int index = 0; index < count && !out.failed(); ++index) {
        if (progress)
            progress(index, count);
        if (set == TmiTableColumns::F8) {
            // Every page is an F8 page, held as its 128 bytes.
            const quint8 *record = pages.data(index);
            for (int column = 0; column < columns; ++column) {
                if (column)
                    out.put(';');
                const F8Field &f = F8Layout::fields[size_t(column)];
                const FieldRef &field = FieldTable::member(f.member);
                const quint8 *bytes = record + f.offset;
                cells[size_t(column)].put(out, TmiPieceCache::key(bytes, field.size),
                                          [&](TmiTextBuffer &text) { format.value(text, field, bytes); });
            }
        } else {
            const std::unique_ptr<TmiPage_Vela2> page = pages.vela2(index);
            for (int column = 0; column < columns; ++column) {
                if (column)
                    out.put(';');
                const FieldRef &field = TmiTableColumns::field(set, column);
                format.value(out, field, page->isPresent(field) ? page->fullRecord().at(field) : nullptr);
            }
        }
        out.lit("\r\n");
    }
    if (progress)
        progress(count, count);
    if (!out.commit())
        return fail(out.errorText());
    return true;
}
