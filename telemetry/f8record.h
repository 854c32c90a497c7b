#ifndef F8RECORD_H
#define F8RECORD_H

#include "telemetry/fullrecord.h"
#include "telemetry/presencemask.h"
#include "telemetry/tmibytes.h"

#include <QByteArray>

#include <array>

// The 128-byte F8 record: the type byte 8, then 56 fields of the full-record
// catalogue (same names and widths) packed in the order below.
struct F8Field
{
    quint8 offset;
    quint16 member; // index in the field table
};

namespace F8Layout {

constexpr quint16 m(std::string_view name)
{
    const int index = FieldTable::indexOf(name);
    if (index < 0)
        throw "unknown telemetry field";
    return quint16(index);
}

inline constexpr std::array<F8Field, 56> fields = {{
    {1, m("NumPage")},          {5, m("Code")},            {7, m("Time")},
    {11, m("State")},           {12, m("Module1")},        {13, m("GSM")},
    {14, m("StateOut1")},       {15, m("StateIn1")},       {16, m("Power")},
    {18, m("Reserv")},          {20, m("StateU_Ain1")},    {22, m("StateU_Ain2")},
    {24, m("StateU_Ain3")},     {26, m("StateIn_Imp1")},   {30, m("StateIn_Imp2")},
    {34, m("Frequency1")},      {36, m("Frequency2")},     {38, m("Motochas")},
    {42, m("LevelRS485_1")},    {44, m("LevelRS485_2")},   {46, m("LevelRS485_3")},
    {48, m("LevelRS485_4")},    {50, m("LevelRS485_5")},   {52, m("LevelRS485_6")},
    {54, m("LevelRS232")},      {56, m("Temp1")},          {57, m("Temp2")},
    {58, m("Temp3")},           {59, m("Temp4")},          {60, m("StateNGauge")},
    {61, m("LastTime")},        {65, m("Latitude")},       {69, m("Longitude")},
    {73, m("Altitude")},        {77, m("Speed")},          {81, m("Course")},
    {83, m("Run")},             {87, m("Way")},            {91, m("AllSeconds")},
    {93, m("SecondsLast")},     {95, m("CAN_FuelLevel")},  {97, m("CAN_FuelConsumption")},
    {101, m("CAN_EngineTurns")}, {103, m("CAN_Temp")},     {104, m("CAN_FullRun")},
    {108, m("CAN_AxleLoad_1")}, {110, m("CAN_AxleLoad_2")}, {112, m("CAN_AxleLoad_3")},
    {114, m("CAN_AxleLoad_4")}, {116, m("CAN_AxleLoad_5")}, {118, m("CAN_PedalAccel")},
    {119, m("CAN_PedalStop")},  {120, m("CAN_EngineLoad")}, {121, m("CAN_EngineTime")},
    {125, m("CAN_TimeTO")},     {127, m("CAN_Speed")},
}};

// F8 offset of every member of the field table, -1 where F8 has none.
constexpr std::array<qint16, FieldTable::MemberCount> offsetsByMember()
{
    std::array<qint16, FieldTable::MemberCount> offsets{};
    for (auto &o : offsets)
        o = -1;
    for (const F8Field &f : fields)
        offsets[f.member] = qint16(f.offset);
    return offsets;
}
inline constexpr std::array<qint16, FieldTable::MemberCount> offsets = offsetsByMember();

// The rows F8 carries.
constexpr PresenceMask carriedRows()
{
    PresenceMask mask;
    for (const F8Field &f : fields)
        mask.set(FieldTable::member(f.member).bit);
    return mask;
}

// Fields back to back after the type byte, 128 bytes in all, first generation only.
constexpr bool isConsistent()
{
    int offset = 1;
    for (const F8Field &f : fields) {
        const FieldRef &ref = FieldTable::member(f.member);
        if (f.offset != offset || ref.bit >= FieldTable::FirstGenerationRows
            || FieldTable::memberCount(ref.bit) != 1)
            return false;
        offset += ref.size;
    }
    return offset == 128;
}
static_assert(isConsistent(), "F8 layout out of order");

// The F8 offset of a field by name, for constant expressions.
constexpr int offset(std::string_view name)
{
    const int o = offsets[m(name)];
    if (o < 0)
        throw "F8 has no such field";
    return o;
}

} // namespace F8Layout

class F8Record
{
public:
    static constexpr int Size = 128;
    static constexpr quint8 Type = 8;

    F8Record() = default;
    // Copies min(length, 128) bytes; the rest stays zero.
    F8Record(const void *data, qsizetype length);

    quint8 *data() { return m_bytes.data(); }
    const quint8 *data() const { return m_bytes.data(); }
    QByteArray toByteArray() const { return QByteArray(reinterpret_cast<const char *>(m_bytes.data()), Size); }

    // Where a field of the table is in an F8 record; -1 when F8 has no such field.
    static constexpr int offsetOf(const FieldRef &field)
    {
        return field.isValid() ? F8Layout::offsets[field.index] : -1;
    }
    // The rows an F8 record carries; equal to fieldMask().
    static constexpr PresenceMask carriedRows() { return F8Layout::carriedRows(); }
    // The first-generation mask of the F8 fields, as written to telemetry
    // files: FB FF FE 0A FF FF 0F FF B8, then zero bytes.
    static constexpr PresenceMask fieldMask()
    {
        return PresenceMask::fromList(0xFB, 0xFF, 0xFE, 0x0A, 0xFF, 0xFF, 0x0F, 0xFF, 0xB8);
    }

    // The field's bytes, nullptr when F8 has no such field.
    const quint8 *at(const FieldRef &field) const
    {
        const int offset = offsetOf(field);
        return offset < 0 ? nullptr : m_bytes.data() + offset;
    }
    // Zero for fields F8 does not carry.
    qint64 integer(const FieldRef &field) const;
    float real(const FieldRef &field) const;
    void setInteger(const FieldRef &field, qint64 value);
    void setReal(const FieldRef &field, float value);

    quint8 type() const { return m_bytes[0]; }
    quint32 numPage() const { return get<quint32, F8Layout::offset("NumPage")>(); }
    quint16 code() const { return get<quint16, F8Layout::offset("Code")>(); }
    quint32 time() const { return get<quint32, F8Layout::offset("Time")>(); }
    quint8 state() const { return get<quint8, F8Layout::offset("State")>(); }
    quint8 module1() const { return get<quint8, F8Layout::offset("Module1")>(); }
    quint8 gsm() const { return get<quint8, F8Layout::offset("GSM")>(); }
    quint8 stateOut1() const { return get<quint8, F8Layout::offset("StateOut1")>(); }
    quint8 stateIn1() const { return get<quint8, F8Layout::offset("StateIn1")>(); }
    quint8 stateNGauge() const { return get<quint8, F8Layout::offset("StateNGauge")>(); }
    quint32 lastTime() const { return get<quint32, F8Layout::offset("LastTime")>(); }
    qint32 latitude() const { return get<qint32, F8Layout::offset("Latitude")>(); }
    qint32 longitude() const { return get<qint32, F8Layout::offset("Longitude")>(); }
    qint32 altitude() const { return get<qint32, F8Layout::offset("Altitude")>(); }
    float speed() const { return TmiBytes::readFloat(m_bytes.data() + F8Layout::offset("Speed")); }
    quint16 course() const { return get<quint16, F8Layout::offset("Course")>(); }
    float run() const { return TmiBytes::readFloat(m_bytes.data() + F8Layout::offset("Run")); }
    qint8 canTemp() const { return get<qint8, F8Layout::offset("CAN_Temp")>(); }

    // Bit 0 of State: the record is valid.
    bool isValid() const { return (state() & 0x01) != 0; }
    // Bits 0 and 5 of Module1: GSM on and registered.
    bool gsmCondition() const { return (module1() & 0x21) == 0x21; }

    // The first-generation field data for the rows of mask (bits 0..68),
    // each F8 field of the same name, zero bytes for the rows F8 does not carry.
    QByteArray serialise(const PresenceMask &mask) const;

    // The F8 fields placed in a full record (rows: carriedRows()).
    FullRecord toFullRecord() const;

    friend bool operator==(const F8Record &a, const F8Record &b) { return a.m_bytes == b.m_bytes; }

private:
    template<typename T, int Offset>
    T get() const
    {
        static_assert(Offset > 0 && Offset + int(sizeof(T)) <= Size);
        return TmiBytes::read<T>(m_bytes.data() + Offset);
    }

    std::array<quint8, Size> m_bytes{};
};

static_assert(F8Record::carriedRows() == F8Record::fieldMask(), "F8 mask does not match the F8 layout");

#endif // F8RECORD_H
