#ifndef ORV_TMIPAGE_F6_H
#define ORV_TMIPAGE_F6_H

#include "telemetry/fullrecord.h"

#include <QObject>
#include <QStringView>

// Rebuilds a full record from the lines of a saved telemetry text file, one
// element per line ("<Speed>12.5</Speed>"). Holds no record of its own.
class ORV_TmiPage_F6 : public QObject
{
    Q_OBJECT

public:
    explicit ORV_TmiPage_F6(QObject *parent = nullptr);

    // Takes the element name between the first '<' and the first '>', the
    // value between that '>' and the next '<', and stores the value at the
    // field's place in record: 64-bit fields as signed 64-bit integers,
    // float fields as floats, the others as integers cut to their width
    // (signed or unsigned text alike). Returns the row of the field stored,
    // or -1 when the line names no field or its value is no number; then
    // the record is left as it was.
    static int readLine(QStringView line, FullRecord &record);
};

#endif // ORV_TMIPAGE_F6_H
