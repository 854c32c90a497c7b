#include "telemetry/tmitablewriter.h"

#include "core/codepage.h"
#include "telemetry/f8record.h"
#include "telemetry/tmidownloadlist.h"
#include "telemetry/tmipiececache.h"
#include "telemetry/tmitextbuffer.h"
#include "telemetry/tmitextformat.h"

#include <QCoreApplication>

#include <vector>

namespace {

// One title per F8 field, in the F8 record's order (F8Layout::fields).
const char *const kTitleKeys[TmiTableWriter::ColumnCount] = {
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_597"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_598"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_599"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_600"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_601"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_602"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_603"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_604"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_606"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_607"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_608"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_609"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_610"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_611"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_612"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_615"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_616"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_617"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_618"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_854"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_629"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_630"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_631"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_632"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_633"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_634"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_637"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_638"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_639"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_640"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_641"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_642"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_643"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_644"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_645"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_646"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_647"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_648"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_649"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_650"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_695"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_696"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_697"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_846"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_698"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_840"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_841"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_842"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_843"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_844"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_847"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_848"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_849"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_850"),
    QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_851"), QT_TRANSLATE_NOOP("TmiTableWriter", "K4810_845"),
};

static_assert(std::size(kTitleKeys) == F8Layout::fields.size(), "one column per F8 field");

} // namespace

const char *const *TmiTableWriter::titleKeys()
{
    return kTitleKeys;
}

QStringList TmiTableWriter::titles()
{
    QStringList list;
    for (const char *key : kTitleKeys)
        list << QCoreApplication::translate("TmiTableWriter", key);
    return list;
}

QByteArray TmiTableWriter::cell(const QString &text)
{
    QString clean = text;
    clean.replace(QLatin1Char(';'), QLatin1Char(','));
    clean.replace(QLatin1Char('\r'), QLatin1Char(' '));
    clean.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return CodePage::fromUnicode(clean);
}

bool TmiTableWriter::write(const TmiDownloadList &pages, const QString &fileName)
{
    m_error.clear();
    TmiFileSink out(fileName);
    if (!out.open()) {
        m_error = out.errorText();
        return false;
    }
    const TmiTextFormat format(&TmiTableWriter::cell);
    const QStringList header = titles();
    for (int i = 0; i < header.size(); ++i) {
        if (i)
            out.put(';');
        out.put(cell(header.at(i)));
    }
    out.lit("\r\n");

    const int count = pages.count();
    F8Record converted;
    std::vector<TmiPieceCache> cells(ColumnCount);
    for (int index = 0; index < count && !out.failed(); ++index) {
        if (m_progress)
            m_progress(index, count);
        const quint8 *record;
        if (pages.kind(index) == TmiDownloadList::F8 && pages.size(index) == F8Record::Size) {
            record = pages.data(index);
        } else {
            converted = pages.f8(index);
            record = converted.data();
        }
        for (int column = 0; column < ColumnCount; ++column) {
            if (column)
                out.put(';');
            const F8Field &f = F8Layout::fields[size_t(column)];
            const FieldRef &field = FieldTable::member(f.member);
            const quint8 *bytes = record + f.offset;
            cells[size_t(column)].put(out, TmiPieceCache::key(bytes, field.size),
                                      [&](TmiTextBuffer &text) { format.value(text, field, bytes); });
        }
        out.lit("\r\n");
    }
    if (m_progress)
        m_progress(count, count);
    if (!out.commit()) {
        m_error = out.errorText();
        return false;
    }
    return true;
}
