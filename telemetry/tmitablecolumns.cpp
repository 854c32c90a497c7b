#include "telemetry/tmitablecolumns.h"

#include "telemetry/f8record.h"
#include "telemetry/tmifieldcaptions.h"

#include <QCoreApplication>

namespace {

// One title per F8 field, in the F8 record's order (F8Layout::fields).
const char *const kTitleKeys[56] = {
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_597"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_598"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_599"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_600"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_601"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_602"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_603"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_604"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_606"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_607"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_608"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_609"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_610"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_611"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_612"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_615"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_616"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_617"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_618"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_854"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_629"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_630"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_631"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_632"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_633"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_634"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_637"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_638"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_639"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_640"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_641"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_642"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_643"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_644"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_645"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_646"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_647"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_648"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_649"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_650"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_695"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_696"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_697"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_846"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_698"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_840"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_841"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_842"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_843"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_844"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_847"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_848"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_849"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_850"),
    QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_851"), QT_TRANSLATE_NOOP("TmiTableColumns", "K4810_845"),
};

static_assert(std::size(kTitleKeys) == F8Layout::fields.size(), "one column per F8 field");

} // namespace

int TmiTableColumns::count(Set set)
{
    return set == F8 ? int(F8Layout::fields.size()) : FieldTable::MemberCount;
}

int TmiTableColumns::member(Set set, int column)
{
    if (column < 0 || column >= count(set))
        return -1;
    return set == F8 ? F8Layout::fields[size_t(column)].member : column;
}

const char *TmiTableColumns::f8TitleKey(int column)
{
    return column >= 0 && column < int(std::size(kTitleKeys)) ? kTitleKeys[column] : nullptr;
}

QString TmiTableColumns::title(Set set, int column)
{
    if (column < 0 || column >= count(set))
        return QString();
    if (set == F8)
        return QCoreApplication::translate("TmiTableColumns", kTitleKeys[column]);
    return TmiFieldCaptions::caption(column);
}

QStringList TmiTableColumns::titles(Set set)
{
    QStringList list;
    for (int c = 0; c < count(set); ++c)
        list << title(set, c);
    return list;
}
