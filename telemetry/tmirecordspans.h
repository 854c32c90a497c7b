#ifndef TMIRECORDSPANS_H
#define TMIRECORDSPANS_H

#include "telemetry/presencemask.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One run of a record's bytes and what it holds, for the record inspector.
struct TmiRecordSpan
{
    enum Kind : quint8 {
        Header,  // the record's own bytes: type, generation, mask, sizes, versions
        Field,   // a field of the field table
        Element, // a part of a dynamic element of an extended record
        Cut,     // a field whose bytes end early: the record is shorter than its mask says
        Unused,  // bytes after the last field, which no reader takes
    };

    int offset = 0;
    int length = 0;
    Kind kind = Header;
    int bit = -1;    // the row of the field table (bit of the mask); -1 for others
    int member = -1; // the field's index in the field table; -1 for others
    QString name;    // the field's name, or the part's name
    QString raw;     // the number the bytes encode (by their wire type)
    QString shown;   // the value as the windows show it

    friend bool operator==(const TmiRecordSpan &a, const TmiRecordSpan &b)
    {
        return a.offset == b.offset && a.length == b.length && a.kind == b.kind && a.bit == b.bit
            && a.member == b.member && a.name == b.name && a.raw == b.raw && a.shown == b.shown;
    }
};

// A record's bytes cut into spans, in byte order, covering every byte once:
// an F8 record (type 8, 128 bytes), a masked record (type 0xB0: type,
// generation, 32 mask bytes, then the rows of the mask packed in bit order)
// or an extended record (type 0xB1: size, standard block, state block, then
// the dynamic elements). Nothing is read beyond the bytes given.
namespace TmiRecordSpans {

// given: for an F8 record, the rows whose values are known (a text file
// gives some only); the others are shown as "n/a". Null: all.
QList<TmiRecordSpan> of(const QByteArray &record, const PresenceMask *given = nullptr);

// "0B 1F ..." of bytes [offset, offset + length), as far as they are held.
QString hex(const QByteArray &bytes, int offset, int length);

// "0-8, 10, 12-15" of the rows a mask sets, below the field table's end.
QString rowsText(const PresenceMask &mask);

} // namespace TmiRecordSpans

#endif // TMIRECORDSPANS_H
