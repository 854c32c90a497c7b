#ifndef TMISAMPLES_H
#define TMISAMPLES_H

#include "telemetry/f8record.h"
#include "telemetry/fieldtable.h"
#include "telemetry/fullrecord.h"
#include "telemetry/maskplan.h"
#include "telemetry/presencemask.h"

#include <QByteArray>
#include <QList>

// Records for the telemetry suites.
namespace TmiSamples {

inline PresenceMask maskOf(std::initializer_list<int> bits)
{
    PresenceMask mask;
    for (int bit : bits)
        mask.set(bit);
    return mask;
}

// A masked record: type, generation, mask, then the given field bytes.
inline QByteArray masked(const PresenceMask &mask, const QByteArray &fields, quint8 generation = 20)
{
    QByteArray record;
    record.append(char(0xB0));
    record.append(char(generation));
    record.append(reinterpret_cast<const char *>(mask.data()), PresenceMask::Bytes);
    record.append(fields);
    return record;
}

// Bytes 1, 2, 3, ... (wrapping), so that every byte of a record tells where it came from.
inline QByteArray counting(int length, int start = 1)
{
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char((start + i) & 0xFF);
    return bytes;
}

// A full record with every byte distinct from zero.
inline FullRecord countingFullRecord()
{
    FullRecord record;
    for (int i = 0; i < FullRecord::Size; ++i)
        record.data()[i] = quint8(i % 251 + 1);
    return record;
}

// An F8 record with recognisable field values.
inline F8Record sampleF8()
{
    F8Record record;
    record.data()[0] = F8Record::Type;
    for (int i = 1; i < F8Record::Size; ++i)
        record.data()[i] = quint8(i * 7 + 3);
    record.setInteger(FieldTable::field("NumPage"), 4711);
    record.setInteger(FieldTable::field("Time"), 1705323900);
    record.setInteger(FieldTable::field("State"), 0x01);
    record.setInteger(FieldTable::field("Module1"), 0x21);
    record.setInteger(FieldTable::field("Latitude"), 33450000);
    record.setInteger(FieldTable::field("Longitude"), 22500000);
    record.setReal(FieldTable::field("Speed"), 12.5f);
    return record;
}

} // namespace TmiSamples

#endif // TMISAMPLES_H
