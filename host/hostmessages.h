#ifndef HOSTMESSAGES_H
#define HOSTMESSAGES_H

#include <QString>

#include <cstdint>

// The messages exchanged with the plug-in, as the host knows them: number,
// direction, a short name for the message log and what p1 and p2 carry.
// The host keeps its own copy of these numbers and layouts; it never
// includes anything from the plug-in.
namespace HostMessages {

enum class Direction {
    ToPlugin, // host -> plug-in, ReceiveMessage
    ToHost,   // plug-in -> host, the callback
    Host      // not a message: something the host itself did (its local monitoring server)
};

// What p1 and p2 of a message carry.
enum class ParamKind {
    None,          // p1 = p2 = 0
    Int,           // p1 a plain integer (p2 0)
    IntP2,         // p2 a plain integer (p1 0)
    IntRef,        // p1 = address of an int32
    BoolRef,       // p1 = address of a one-byte boolean
    Text,          // p1 = address of a QString (p2 0)
    TextInt,       // p1 = address of a QString, p2 a plain integer
    TextText,      // p1, p2 = addresses of QStrings
    TextModes,     // p1 = address of a QString, p2 = address of two int32
    Texts4,        // p1 = address of four QStrings
    Buffer,        // p1 = address of bytes, p2 = their count
    Value,         // p1 = address of a value block of valueSize bytes (p2 0)
    ValueInt,      // as Value, p2 a plain integer
    ValueUnsized,  // p1 = address of a value block whose layout the host does not know
    DateTime,      // p1 = address of a QDateTime (tracker time)
    SettingsBlock, // p1 = address of the 1040-byte settings block
    EventName,     // p1 = 16-bit event code, p2 = address of a QString the host fills
    RecordBuffer   // p1 = address of the 1029-byte record buffer of the validity question
};

// How a value block is shown in the message log.
enum class ValueFormat {
    Hex,    // the bytes in hexadecimal
    U32,    // an unsigned 32-bit number, little-endian
    U64,    // an unsigned 64-bit number, little-endian, in decimal
    Mask64, // an unsigned 64-bit number, little-endian, in hexadecimal
    Float32 // a 32-bit float
};

struct MessageInfo
{
    uint32_t id;
    Direction direction;
    ParamKind kind;
    int valueSize;       // bytes behind p1 for Value, ValueInt, SettingsBlock, RecordBuffer
    ValueFormat format;  // for Value and ValueInt
    bool inPlace;        // the receiver answers by writing through p1 or p2
    const char *name;    // short name for the message log
};

// The entry of a number in one direction, or nullptr.
const MessageInfo *find(uint32_t id, Direction direction);
// The short name of a number, or "unknown".
QString name(uint32_t id, Direction direction);
// Every entry, for the documentation of the message log.
const MessageInfo *begin();
const MessageInfo *end();

QString directionText(Direction direction);

// Sizes of the fixed records.
constexpr int kSettingsBlockSize = 1040;
constexpr int kSettingsBlockData = 1024;
constexpr int kRecordBufferSize = 1029;
constexpr int kRecordBufferData = 1024;

// Host -> plug-in numbers.
enum ToPlugin : uint32_t {
    BalanceAnswer = 2018,
    OpenTelemetryWindow = 2019,
    BalancePage = 2021,
    OpenSettingsEditor = 2022,
    OpenSettingsFile = 2023,
    TelemetryPage = 2024,
    SettingsBlockAck = 2026,
    OpenLogViewer = 2030,
    ClearBufferAnswer = 2033,
    RecordValidity = 2036,
    OpenLogViewerAlt = 2037,
    OpenTelemetryFile = 2038,
    TrackerAttached = 2039,
    TrackerDetached = 2040,
    TouchMemoryKey = 2042,
    WorkingPaths = 2049,
    InterfaceLevel = 2052,
    LiveStateAnswer = 2054,
    AccelerometerCycleAnswer = 2056,
    Query2057 = 2057,
    OpenCalibrationFile = 2067,
    FuelSensorAnswer = 2075,
    SensorsAnswer = 2077,
    SystemAnswer = 2079,
    CanAnswer = 2081,
    Query2084 = 2084,
    AccelerometerStateAnswer = 2086,
    AccelerometerOptionAnswer = 2088,
    TachographQueryAnswer = 2101,
    TachographCreateAnswer = 2103,
    TachographLoadAnswer = 2105,
    Capabilities = 2107,
    RfidTag = 2109,
    FirmwareVersion = 2110,
    TouchMemoryPageAnswer = 2112,
    KeyBlockWritten = 2114,
    KeyBlockRead = 2116,
    KeyFileSwitched = 2118,
    DeadZoneAnswer = 2122,
    DeadZoneAnswer2124 = 2124,
    DeadZoneValueAnswer = 2126,
    AccelerometerCommandAnswer = 2128,
    BluetoothAnswer = 2131,
    Query2132 = 2132,
    AutoTelemetryMode = 2133,
    Query2134 = 2134
};

// Plug-in -> host numbers (requests).
enum ToHost : uint32_t {
    UssdBalanceRequest = 24,
    ReadCurrentPage = 2001,
    PollCurrentPage = 2002,
    GuardModeOn = 2003,
    ObservationMode = 2005,
    Output1On = 2006,
    Output1Off = 2007,
    Output2On = 2008,
    Output2Off = 2009,
    Output3On = 2010,
    Output3Off = 2011,
    Output4On = 2012,
    Output4Off = 2013,
    ReadPageByNumber = 2014,
    ReadPageAtTime = 2015,
    DownloadFromTime = 2016,
    ReadBalancePage = 2020,
    SettingsBlockRequest = 2025,
    SettingsWritten = 2027,
    ClearServerBuffer = 2032,
    ReadTouchMemoryKey = 2041,
    PollSystemPage = 2053,
    EndOfPollCycle = 2055,
    EventNameRequest = 2060,
    HelpRequest = 2072,
    ReadFuelSensors = 2074,
    PollSensorsPage = 2076,
    ReadSystemPage = 2078,
    ReadCanPage = 2080,
    SetMileage = 2082,
    AccelerometerState = 2085,
    AccelerometerOption = 2087,
    TachographQuery = 2100,
    TachographCreate = 2102,
    TachographLoad = 2104,
    ReadRfidTag = 2108,
    ReadTouchMemoryPage = 2111,
    WriteKeyFileBlock = 2113,
    ReadKeyFileBlock = 2115,
    SwitchToKeyFile = 2117,
    EmailPageRequest = 2119,
    DeadZoneRequest = 2121,
    DeadZoneRequest2123 = 2123,
    DeadZoneValue = 2125,
    AccelerometerCommand = 2127,
    BluetoothSearchCancel = 2129,
    BluetoothSearch = 2130
};

} // namespace HostMessages

#endif // HOSTMESSAGES_H
