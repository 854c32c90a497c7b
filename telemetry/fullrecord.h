#ifndef FULLRECORD_H
#define FULLRECORD_H

#include "telemetry/fieldtable.h"
#include "telemetry/tmibytes.h"

#include <array>

// The 404-byte record into which masked and extended records are decoded
// (layout: FieldTable). Starts zeroed.
class FullRecord
{
public:
    static constexpr int Size = FieldTable::RecordSize;

    quint8 *data() { return m_bytes.data(); }
    const quint8 *data() const { return m_bytes.data(); }
    void clear() { m_bytes.fill(0); }

    const quint8 *at(const FieldRef &field) const { return m_bytes.data() + field.offset; }
    quint8 *at(const FieldRef &field) { return m_bytes.data() + field.offset; }

    qint64 integer(const FieldRef &field) const { return TmiBytes::readInteger(field.type, at(field)); }
    float real(const FieldRef &field) const { return TmiBytes::readFloat(at(field)); }
    void setInteger(const FieldRef &field, qint64 value) { TmiBytes::writeInteger(field.type, at(field), value); }
    void setReal(const FieldRef &field, float value) { TmiBytes::writeFloat(at(field), value); }

    friend bool operator==(const FullRecord &a, const FullRecord &b) { return a.m_bytes == b.m_bytes; }

private:
    std::array<quint8, Size> m_bytes{};
};

#endif // FULLRECORD_H
