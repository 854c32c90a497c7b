#include "telemetry/fieldtable.h"

#include <QHash>
#include <QString>

FieldRef FieldTable::find(QStringView name)
{
    static const QHash<QString, int> index = [] {
        QHash<QString, int> h;
        h.reserve(MemberCount);
        for (int i = 0; i < MemberCount; ++i)
            h.insert(QString::fromLatin1(memberName(i)), i);
        return h;
    }();
    const auto it = index.constFind(name.toString());
    return it == index.constEnd() ? FieldRef() : member(it.value());
}

int FieldTable::selectionSize(QStringView selection)
{
    int size = 0;
    const int count = int(qMin<qsizetype>(selection.size(), RowCount));
    for (int bit = 0; bit < count; ++bit) {
        if (selection[bit] >= u'1' && selection[bit] <= u'9')
            size += row(bit).width;
    }
    return size;
}
