#ifndef EXTENDEDRECORD_H
#define EXTENDEDRECORD_H

#include "telemetry/f8record.h"
#include "telemetry/fullrecord.h"
#include "telemetry/presencemask.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

// The extended second-generation record (type 0xB1): a size field, a
// standard block and a state block at fixed offsets, then dynamic elements.
// At most 314 bytes are held; nothing is ever read beyond the bytes held,
// whatever the size fields inside the record claim.
namespace ExtendedLayout {

// The fixed fields, by full-record name.
inline constexpr std::array<F8Field, 16> fields = {{
    {5, F8Layout::m("NumPage")},       {9, F8Layout::m("Code")},
    {11, F8Layout::m("Time")},         {15, F8Layout::m("StateNGauge")},
    {16, F8Layout::m("LastTime")},     {20, F8Layout::m("Latitude")},
    {24, F8Layout::m("Longitude")},    {28, F8Layout::m("Altitude")},
    {32, F8Layout::m("Speed")},        {36, F8Layout::m("Course")},
    {38, F8Layout::m("Run")},          {44, F8Layout::m("State")},
    {45, F8Layout::m("StateOut1")},    {46, F8Layout::m("StateIn_Imp1")},
    {50, F8Layout::m("StateIn_Imp2")}, {54, F8Layout::m("Motochas")},
}};

constexpr bool isConsistent()
{
    // standard block 5..41 after stVer/stSize, state block 44..57 after hVer/hSize
    int offset = 5;
    for (const F8Field &f : fields) {
        if (offset == 42)
            offset = 44;
        if (f.offset != offset)
            return false;
        offset += FieldTable::member(f.member).size;
    }
    return offset == 58;
}
static_assert(isConsistent(), "extended record layout out of order");

} // namespace ExtendedLayout

struct DynamicElement
{
    quint8 type = 0;
    quint8 size = 0;        // as the record says; the value width follows from the type
    quint16 offset = 0;     // of the element's type byte in the record
    QByteArray value;

    // Value bytes of an element of this type: 8 for types 1 and 3, 16 for type 2, none otherwise.
    static int valueWidth(quint8 type);
    // Types 1 and 3: the 64-bit integer.
    qint64 integer() const;
    // Type 2: the text, up to its first zero byte.
    QString text() const;
    // The integer in decimal, the text, or an empty text for other types.
    QString valueText() const;
};

class ExtendedRecord
{
public:
    static constexpr quint8 Type = 0xB1;
    static constexpr int Capacity = 314;
    static constexpr int DynamicOffset = 58;

    ExtendedRecord() = default;
    // Holds min(length, 314) bytes.
    ExtendedRecord(const void *data, qsizetype length);

    int size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    const quint8 *data() const { return m_bytes.data(); }
    QByteArray toByteArray() const { return QByteArray(reinterpret_cast<const char *>(m_bytes.data()), m_size); }

    // Header bytes; zero when not held.
    quint16 declaredSize() const;
    quint8 stVer() const { return byteAt(3); }
    quint8 stSize() const { return byteAt(4); }
    quint8 hVer() const { return byteAt(42); }
    quint8 hSize() const { return byteAt(43); }

    // Where a fixed field of the table is; -1 when the record has no such field.
    static int offsetOf(const FieldRef &field);
    // Zero when the field is not carried or not held whole.
    qint64 integer(const FieldRef &field) const;
    float real(const FieldRef &field) const;

    // Puts the fixed fields held whole into a cleared full record and returns their rows.
    PresenceMask decodeInto(FullRecord &record) const;

    // Bytes of the dynamic area: size - stSize - hSize - 4 as the record
    // says, but never more than is held after offset 58.
    int dynamicLength() const;
    // The dynamic elements, read while two bytes of the area remain; an
    // element cut by the end of the area is dropped and ends the list.
    QList<DynamicElement> elements() const;

private:
    quint8 byteAt(int offset) const { return offset < m_size ? m_bytes[offset] : 0; }
    bool holds(int offset, int width) const { return offset >= 0 && offset + width <= m_size; }

    std::array<quint8, Capacity> m_bytes{};
    int m_size = 0;
};

#endif // EXTENDEDRECORD_H
