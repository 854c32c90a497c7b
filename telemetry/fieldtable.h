#ifndef FIELDTABLE_H
#define FIELDTABLE_H

#include <QtGlobal>
#include <QStringView>

#include <array>
#include <string_view>

// The field catalogue of the tracker's second-generation telemetry record and
// the layout of the 404-byte full record into which masked and extended
// records are decoded.
//
// A row is one bit of the presence mask. Present rows follow one another on
// the wire in bit order, packed, each exactly `width` bytes long; in the full
// record every row sits at `offset`. The wire order and the full-record order
// are the same, so a run of adjacent present rows is one contiguous block on
// both sides. A row holds one member or, for group rows, several members laid
// out one after another in the order listed.
//
// This header is the only place that knows widths and offsets: the masked
// decoder, the presence tests, the text line reader, the F8 and extended
// layouts and the record sizes all derive them from here.

enum class WireType : quint8 { U8, I8, U16, I16, U32, I32, F32, I64 };

constexpr int wireTypeSize(WireType type)
{
    switch (type) {
    case WireType::U8:
    case WireType::I8:
        return 1;
    case WireType::U16:
    case WireType::I16:
        return 2;
    case WireType::U32:
    case WireType::I32:
    case WireType::F32:
        return 4;
    case WireType::I64:
        return 8;
    }
    return 0;
}

// How a member's value is shown to the user (TmiFormat).
enum class ValueFormat : quint8 {
    Decimal,        // the integer in decimal, signed as its wire type says
    SignedDecimal,  // a byte shown as a signed integer (temperatures)
    DateTime,       // seconds since 1970-01-01 UTC
    Coordinate,     // 1/600000 degree: "deg min'"
    NaviCoordinate, // 1/600000000 degree: "deg min'"
    Fixed2,         // float with 2 decimals
    Hundredths,     // value / 100 with 2 decimals
    Tenths,         // value / 10 with 1 decimal
    Volts,          // millivolts shown as volts with 2 decimals
    GsmLevel,       // reception level, 99 = unknown
    CanFuelLevel,
    CanLevelFiltr,
    Percent,
    CanTemp,        // signed, -128 = no data
    Hours,          // seconds shown as hours
    Shortest,       // float in its shortest decimal form
    CanSpeed,
    Dbm,
    Thousandths,    // signed value / 1000 with 3 decimals
    AccelMagnitude, // value / 100 with 2 decimals, 0xFFFF = out of range
    Module2,
    DispCur,
    TahoMode,
    TahoState,
    TahoFlags,
    AinfState,
    CameraState,
};

struct FieldRow
{
    quint8 bit;
    quint8 width;     // bytes on the wire and in the full record
    quint16 offset;   // in the full record
};

struct FieldMember
{
    quint8 bit;       // the row the member belongs to
    const char *name;
    WireType type;
    ValueFormat format;
};

// One member resolved: where it is and how it is read and shown.
struct FieldRef
{
    quint16 index = 0xFFFF; // position in the member list
    quint16 offset = 0;     // in the full record
    quint8 bit = 0xFF;
    quint8 size = 0;
    WireType type = WireType::U8;
    ValueFormat format = ValueFormat::Decimal;

    constexpr bool isValid() const { return index != 0xFFFF; }
};

namespace FieldTableData {

using W = WireType;
using F = ValueFormat;

inline constexpr std::array<FieldRow, 122> rows = {{
    {0, 4, 0},     {1, 2, 4},     {2, 4, 6},     {3, 1, 10},    {4, 1, 11},    {5, 1, 12},
    {6, 1, 13},    {7, 1, 14},    {8, 4, 15},    {9, 4, 19},    {10, 4, 23},   {11, 4, 27},
    {12, 4, 31},   {13, 2, 35},   {14, 4, 37},   {15, 4, 41},   {16, 2, 45},   {17, 2, 47},
    {18, 2, 49},   {19, 2, 51},   {20, 2, 53},   {21, 2, 55},   {22, 2, 57},   {23, 2, 59},
    {24, 2, 61},   {25, 2, 63},   {26, 2, 65},   {27, 2, 67},   {28, 1, 69},   {29, 1, 70},
    {30, 1, 71},   {31, 1, 72},   {32, 4, 73},   {33, 4, 77},   {34, 2, 81},   {35, 2, 83},
    {36, 4, 85},   {37, 2, 89},   {38, 2, 91},   {39, 2, 93},   {40, 2, 95},   {41, 2, 97},
    {42, 2, 99},   {43, 2, 101},  {44, 1, 103},  {45, 1, 104},  {46, 1, 105},  {47, 1, 106},
    {48, 1, 107},  {49, 1, 108},  {50, 1, 109},  {51, 1, 110},  {52, 2, 111},  {53, 4, 113},
    {54, 2, 117},  {55, 1, 119},  {56, 4, 120},  {57, 2, 124},  {58, 2, 126},  {59, 2, 128},
    {60, 2, 130},  {61, 2, 132},  {62, 1, 134},  {63, 1, 135},  {64, 1, 136},  {65, 2, 137},
    {66, 4, 139},  {67, 2, 143},  {68, 1, 145},  {69, 8, 146},  {70, 2, 154},  {71, 1, 156},
    {72, 16, 157}, {73, 4, 173},  {74, 2, 177},  {75, 4, 179},  {76, 37, 183}, {77, 1, 220},
    {78, 1, 221},  {79, 1, 222},  {80, 1, 223},  {81, 1, 224},  {82, 1, 225},  {83, 3, 226},
    {84, 3, 229},  {85, 3, 232},  {86, 3, 235},  {87, 3, 238},  {88, 3, 241},  {89, 3, 244},
    {90, 3, 247},  {91, 3, 250},  {92, 3, 253},  {93, 6, 256},  {94, 12, 262}, {95, 24, 274},
    {96, 48, 298}, {97, 1, 346},  {98, 1, 347},  {99, 2, 348},  {100, 1, 350}, {101, 4, 351},
    {102, 4, 355}, {103, 1, 359}, {104, 4, 360}, {105, 2, 364}, {106, 6, 366}, {107, 2, 372},
    {108, 6, 374}, {109, 2, 380}, {110, 2, 382}, {111, 2, 384}, {112, 2, 386}, {113, 2, 388},
    {114, 2, 390}, {115, 2, 392}, {116, 2, 394}, {117, 1, 396}, {118, 2, 397}, {119, 2, 399},
    {120, 2, 401}, {121, 1, 403},
}};

// Tyre groups: number, pressure, temperature per tyre.
#define K4810_TYRE(bit, n) \
    {bit, "TiresNum" #n, W::U8, F::Decimal}, {bit, "TiresPres" #n, W::U8, F::Tenths}, \
    {bit, "TiresTemp" #n, W::U8, F::SignedDecimal}

inline constexpr std::array<FieldMember, 254> members = {{
    {0, "NumPage", W::U32, F::Decimal},
    {1, "Code", W::U16, F::Decimal},
    {2, "Time", W::U32, F::DateTime},
    {3, "State", W::U8, F::Decimal},
    {4, "Module1", W::U8, F::Decimal},
    {5, "Module2", W::U8, F::Module2},
    {6, "GSM", W::U8, F::GsmLevel},
    {7, "StateNGauge", W::U8, F::Decimal},
    {8, "LastTime", W::U32, F::DateTime},
    {9, "Latitude", W::I32, F::Coordinate},
    {10, "Longitude", W::I32, F::Coordinate},
    {11, "Altitude", W::I32, F::Decimal},
    {12, "Speed", W::F32, F::Fixed2},
    {13, "Course", W::U16, F::Decimal},
    {14, "Run", W::F32, F::Fixed2},
    {15, "Way", W::F32, F::Fixed2},
    {16, "AllSeconds", W::U16, F::Decimal},
    {17, "SecondsLast", W::U16, F::Decimal},
    {18, "Power", W::U16, F::Volts},
    {19, "Reserv", W::U16, F::Volts},
    {20, "StateU_Ain1", W::U16, F::Volts},
    {21, "StateU_Ain2", W::U16, F::Volts},
    {22, "StateU_Ain3", W::U16, F::Volts},
    {23, "StateU_Ain4", W::U16, F::Volts},
    {24, "StateU_Ain5", W::U16, F::Volts},
    {25, "StateU_Ain6", W::U16, F::Volts},
    {26, "StateU_Ain7", W::U16, F::Volts},
    {27, "StateU_Ain8", W::U16, F::Volts},
    {28, "StateIn1", W::U8, F::Decimal},
    {29, "StateIn2", W::U8, F::Decimal},
    {30, "StateOut1", W::U8, F::Decimal},
    {31, "StateOut2", W::U8, F::Decimal},
    {32, "StateIn_Imp1", W::U32, F::Decimal},
    {33, "StateIn_Imp2", W::U32, F::Decimal},
    {34, "Frequency1", W::U16, F::Decimal},
    {35, "Frequency2", W::U16, F::Decimal},
    {36, "Motochas", W::U32, F::Decimal},
    {37, "LevelRS485_1", W::U16, F::Decimal},
    {38, "LevelRS485_2", W::U16, F::Decimal},
    {39, "LevelRS485_3", W::U16, F::Decimal},
    {40, "LevelRS485_4", W::U16, F::Decimal},
    {41, "LevelRS485_5", W::U16, F::Decimal},
    {42, "LevelRS485_6", W::U16, F::Decimal},
    {43, "LevelRS232", W::U16, F::Decimal},
    {44, "Temp1", W::U8, F::SignedDecimal},
    {45, "Temp2", W::U8, F::SignedDecimal},
    {46, "Temp3", W::U8, F::SignedDecimal},
    {47, "Temp4", W::U8, F::SignedDecimal},
    {48, "Temp5", W::U8, F::SignedDecimal},
    {49, "Temp6", W::U8, F::SignedDecimal},
    {50, "Temp7", W::U8, F::SignedDecimal},
    {51, "Temp8", W::U8, F::SignedDecimal},
    {52, "CAN_FuelLevel", W::U16, F::CanFuelLevel},
    {53, "CAN_FuelConsumption", W::F32, F::Shortest},
    {54, "CAN_EngineTurns", W::U16, F::Decimal},
    {55, "CAN_Temp", W::I8, F::CanTemp},
    {56, "CAN_FullRun", W::F32, F::Shortest},
    {57, "CAN_AxleLoad_1", W::U16, F::Decimal},
    {58, "CAN_AxleLoad_2", W::U16, F::Decimal},
    {59, "CAN_AxleLoad_3", W::U16, F::Decimal},
    {60, "CAN_AxleLoad_4", W::U16, F::Decimal},
    {61, "CAN_AxleLoad_5", W::U16, F::Decimal},
    {62, "CAN_PedalAccel", W::U8, F::Percent},
    {63, "CAN_PedalStop", W::U8, F::Percent},
    {64, "CAN_EngineLoad", W::U8, F::Percent},
    {65, "CAN_LevelFiltr", W::U16, F::CanLevelFiltr},
    {66, "CAN_EngineTime", W::U32, F::Hours},
    {67, "CAN_TimeTO", W::U16, F::Decimal},
    {68, "CAN_Speed", W::U8, F::CanSpeed},
    {69, "NaviInfoGlonass", W::U8, F::Decimal},
    {69, "NaviInfoGPS", W::U8, F::Decimal},
    {69, "NaviInfoGalileo", W::U8, F::Decimal},
    {69, "NaviInfoCompass", W::U8, F::Decimal},
    {69, "NaviInfoBeidou", W::U8, F::Decimal},
    {69, "NaviInfoDoris", W::U8, F::Decimal},
    {69, "NaviInfoIrnss", W::U8, F::Decimal},
    {69, "NaviInfoQzss", W::U8, F::Decimal},
    {70, "NaviHDop", W::U8, F::Tenths},
    {70, "NaviPDop", W::U8, F::Tenths},
    {71, "NaviState", W::U8, F::Decimal},
    {72, "NaviLatitude", W::I64, F::NaviCoordinate},
    {72, "NaviLongitude", W::I64, F::NaviCoordinate},
    {73, "NaviAltitude", W::I32, F::Decimal},
    {74, "NaviCourse", W::U16, F::Hundredths},
    {75, "NaviSpeed", W::F32, F::Fixed2},
    {76, "LbsCellID", W::U32, F::Decimal},
    {76, "LbsLac", W::U16, F::Decimal},
    {76, "LbsMcc", W::U16, F::Decimal},
    {76, "LbsMnc", W::U16, F::Decimal},
    {76, "LbsLevel", W::I8, F::Dbm},
    {76, "LbsCellID_1", W::U32, F::Decimal},
    {76, "LbsLac_1", W::U16, F::Decimal},
    {76, "LbsMcc_1", W::U16, F::Decimal},
    {76, "LbsMnc_1", W::U16, F::Decimal},
    {76, "LbsLevel_1", W::I8, F::Dbm},
    {76, "LbsCellID_2", W::U32, F::Decimal},
    {76, "LbsLac_2", W::U16, F::Decimal},
    {76, "LbsMcc_2", W::U16, F::Decimal},
    {76, "LbsMnc_2", W::U16, F::Decimal},
    {76, "LbsLevel_2", W::I8, F::Dbm},
    {76, "LbsTime", W::U32, F::Decimal},
    {77, "TempRS485_1", W::U8, F::SignedDecimal},
    {78, "TempRS485_2", W::U8, F::SignedDecimal},
    {79, "TempRS485_3", W::U8, F::SignedDecimal},
    {80, "TempRS485_4", W::U8, F::SignedDecimal},
    {81, "TempRS485_5", W::U8, F::SignedDecimal},
    {82, "TempRS485_6", W::U8, F::SignedDecimal},
    {83, "LevelRS485_7", W::U16, F::Decimal},  {83, "TempRS485_7", W::U8, F::SignedDecimal},
    {84, "LevelRS485_8", W::U16, F::Decimal},  {84, "TempRS485_8", W::U8, F::SignedDecimal},
    {85, "LevelRS485_9", W::U16, F::Decimal},  {85, "TempRS485_9", W::U8, F::SignedDecimal},
    {86, "LevelRS485_10", W::U16, F::Decimal}, {86, "TempRS485_10", W::U8, F::SignedDecimal},
    {87, "LevelRS485_11", W::U16, F::Decimal}, {87, "TempRS485_11", W::U8, F::SignedDecimal},
    {88, "LevelRS485_12", W::U16, F::Decimal}, {88, "TempRS485_12", W::U8, F::SignedDecimal},
    {89, "LevelRS485_13", W::U16, F::Decimal}, {89, "TempRS485_13", W::U8, F::SignedDecimal},
    {90, "LevelRS485_14", W::U16, F::Decimal}, {90, "TempRS485_14", W::U8, F::SignedDecimal},
    {91, "LevelRS485_15", W::U16, F::Decimal}, {91, "TempRS485_15", W::U8, F::SignedDecimal},
    {92, "LevelRS485_16", W::U16, F::Decimal}, {92, "TempRS485_16", W::U8, F::SignedDecimal},
    // Tyres 1-2 (row 93), 3-6 (94), 7-14 (95) and 15-30 (96).
    K4810_TYRE(93, 1), K4810_TYRE(93, 2),
    K4810_TYRE(94, 3), K4810_TYRE(94, 4), K4810_TYRE(94, 5), K4810_TYRE(94, 6),
    K4810_TYRE(95, 7), K4810_TYRE(95, 8), K4810_TYRE(95, 9), K4810_TYRE(95, 10),
    K4810_TYRE(95, 11), K4810_TYRE(95, 12), K4810_TYRE(95, 13), K4810_TYRE(95, 14),
    K4810_TYRE(96, 15), K4810_TYRE(96, 16), K4810_TYRE(96, 17), K4810_TYRE(96, 18),
    K4810_TYRE(96, 19), K4810_TYRE(96, 20), K4810_TYRE(96, 21), K4810_TYRE(96, 22),
    K4810_TYRE(96, 23), K4810_TYRE(96, 24), K4810_TYRE(96, 25), K4810_TYRE(96, 26),
    K4810_TYRE(96, 27), K4810_TYRE(96, 28), K4810_TYRE(96, 29), K4810_TYRE(96, 30),
    {97, "TahoState", W::U8, F::TahoState},
    {98, "TahoMode", W::U8, F::TahoMode},
    {99, "TahoFlags", W::U16, F::TahoFlags},
    {100, "TahoSpeed", W::U8, F::Decimal},
    {101, "TahoOdometer", W::U32, F::Decimal},
    {102, "TahoTime", W::U32, F::DateTime},
    {103, "DispCur", W::U8, F::DispCur},
    {104, "DispLastIndex", W::U32, F::Decimal},
    {105, "AccelDelta", W::U16, F::AccelMagnitude},
    {106, "AccelLinearX", W::I16, F::Thousandths},
    {106, "AccelLinearY", W::I16, F::Thousandths},
    {106, "AccelLinearZ", W::I16, F::Thousandths},
    {107, "AccelModule", W::U16, F::AccelMagnitude},
    {108, "AccelAngularPlus", W::I16, F::Thousandths},
    {108, "AccelAngularMinus", W::I16, F::Thousandths},
    {108, "AccelAngularCorner", W::I16, F::Thousandths},
    {109, "Passager_1", W::U8, F::Decimal},  {109, "Passager_2", W::U8, F::Decimal},
    {110, "Passager_3", W::U8, F::Decimal},  {110, "Passager_4", W::U8, F::Decimal},
    {111, "Passager_5", W::U8, F::Decimal},  {111, "Passager_6", W::U8, F::Decimal},
    {112, "Passager_7", W::U8, F::Decimal},  {112, "Passager_8", W::U8, F::Decimal},
    {113, "Passager_9", W::U8, F::Decimal},  {113, "Passager_10", W::U8, F::Decimal},
    {114, "Passager_11", W::U8, F::Decimal}, {114, "Passager_12", W::U8, F::Decimal},
    {115, "Passager_13", W::U8, F::Decimal}, {115, "Passager_14", W::U8, F::Decimal},
    {116, "Passager_15", W::U8, F::Decimal}, {116, "Passager_16", W::U8, F::Decimal},
    {117, "AinfState", W::U8, F::AinfState},
    {118, "AinfGeozoneID", W::U16, F::Decimal},
    {119, "AinfStopID", W::U16, F::Decimal},
    {120, "AinfRouteID", W::U16, F::Decimal},
    {121, "CameraState", W::U8, F::CameraState},
}};

#undef K4810_TYRE

// Everything that follows from the two lists above, computed once by the compiler.
struct Derived
{
    std::array<FieldRef, members.size()> refs{};
    std::array<quint16, rows.size() + 1> firstMember{}; // of each row; last = member count
};

constexpr Derived derive()
{
    Derived d;
    int member = 0;
    for (int bit = 0; bit < int(rows.size()); ++bit) {
        d.firstMember[bit] = quint16(member);
        int offset = rows[bit].offset;
        for (; member < int(members.size()) && members[member].bit == bit; ++member) {
            FieldRef &ref = d.refs[member];
            ref.index = quint16(member);
            ref.offset = quint16(offset);
            ref.bit = quint8(bit);
            ref.size = quint8(wireTypeSize(members[member].type));
            ref.type = members[member].type;
            ref.format = members[member].format;
            offset += ref.size;
        }
    }
    d.firstMember[rows.size()] = quint16(member);
    return d;
}

inline constexpr Derived derived = derive();

} // namespace FieldTableData

class FieldTable
{
public:
    static constexpr int RowCount = 122;
    static constexpr int MemberCount = 254;
    static constexpr int RecordSize = 404;
    // Bits 0..68 form the first-generation field set.
    static constexpr int FirstGenerationRows = 69;

    static constexpr const FieldRow &row(int bit) { return FieldTableData::rows[bit]; }
    static constexpr const FieldRef &member(int index) { return FieldTableData::derived.refs[index]; }
    static constexpr const char *memberName(int index) { return FieldTableData::members[index].name; }

    // The members of one row.
    static constexpr int firstMember(int bit) { return FieldTableData::derived.firstMember[bit]; }
    static constexpr int memberCount(int bit)
    {
        return FieldTableData::derived.firstMember[bit + 1] - FieldTableData::derived.firstMember[bit];
    }

    static constexpr int indexOf(std::string_view name)
    {
        for (int i = 0; i < MemberCount; ++i) {
            if (name == std::string_view(FieldTableData::members[i].name))
                return i;
        }
        return -1;
    }

    // A member by name, for use in constant expressions, where an unknown
    // name does not compile.
    static constexpr FieldRef field(std::string_view name)
    {
        const int index = indexOf(name);
        if (index < 0)
            throw "unknown telemetry field";
        return member(index);
    }

    // A member by name at run time (text files); an invalid ref when unknown.
    static FieldRef find(QStringView name);

    // Bytes on the wire of the rows selected by a text of '0'/'1'
    // characters, character k standing for bit k.
    static int selectionSize(QStringView selection);

    // The table is laid out as described at the top: rows in bit order and
    // back to back, the members of a row filling exactly its width, every
    // member in a row, 404 bytes in all.
    static constexpr bool isConsistent()
    {
        if (int(FieldTableData::rows.size()) != RowCount || int(FieldTableData::members.size()) != MemberCount)
            return false;
        int offset = 0;
        for (int bit = 0; bit < RowCount; ++bit) {
            if (row(bit).bit != bit || row(bit).offset != offset || memberCount(bit) == 0)
                return false;
            int width = 0;
            for (int i = firstMember(bit); i < firstMember(bit) + memberCount(bit); ++i)
                width += member(i).size;
            if (width != row(bit).width)
                return false;
            offset += width;
        }
        return offset == RecordSize && firstMember(RowCount) == MemberCount;
    }
};

static_assert(FieldTable::isConsistent(), "telemetry field table out of order");
static_assert(FieldTable::field("TiresNum1").bit == 93 && FieldTable::field("TiresTemp30").bit == 96);
static_assert(FieldTable::field("TiresNum15").offset == 298);
static_assert(FieldTable::field("LbsTime").offset == 183 + 33);

#endif // FIELDTABLE_H
