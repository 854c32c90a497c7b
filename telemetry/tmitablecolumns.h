#ifndef TMITABLECOLUMNS_H
#define TMITABLECOLUMNS_H

#include "telemetry/fieldtable.h"

#include <QString>
#include <QStringList>

// The columns of a telemetry table, one field each: the table file of a
// download and the table view of a text file show the same columns.
//
// - F8: the 56 fields of an F8 record, in the record's order.
// - Vela2: every field of the field table, in its order, titled as the
//   Vela2 display captions them; numbered fields "%1 1" .. "%1 16",
//   accelerometer axes "%1 X", "%1 Y", "%1 Z".
class TmiTableColumns
{
public:
    enum Set { F8, Vela2 };

    static int count(Set set);
    // The member (FieldTable::member) shown in a column.
    static int member(Set set, int column);
    static const FieldRef &field(Set set, int column) { return FieldTable::member(member(set, column)); }
    // The column's title in the host's texts.
    static QString title(Set set, int column);
    static QStringList titles(Set set);
    // The text key of an F8 column's title.
    static const char *f8TitleKey(int column);
};

#endif // TMITABLECOLUMNS_H
