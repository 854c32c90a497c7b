#ifndef ORVMESSAGES_H
#define ORVMESSAGES_H

#include <cstdint>

// Numbers of the messages exchanged with the host.
//
// Host to plug-in messages arrive through ReceiveMessage and are routed by
// ORV_Device_K4810::receive. Plug-in to host requests leave through the host
// callback (ORV_Device_K4810::send); most are answered later by the message
// one number higher.
namespace OrvMsg {

// Host to plug-in.
enum : uint32_t {
    BalanceAnswer = 2018,        // &text: USSD balance answer
    OpenTelemetry = 2019,        // &text settings file (may be empty), int apply automatic mode
    BalancePage = 2021,          // buf, len: current page read for the balance request
    OpenSettings = 2022,         // int: 1 light page set, otherwise full
    OpenSettingsFile = 2023,     // &text path, &{int title mode, int view mode}
    TelemetryPage = 2024,        // buf, len: a telemetry page
    SettingsBlockAck = 2026,     // int: 1 next block, 2 the same block again
    OpenLogViewer = 2030,        // int: 0 page form, otherwise table form
    ClearBufferAnswer = 2033,    // buf, len: answer to one clear-buffer step
    ValidityQuery = 2036,        // &telemetry record buffer; result byte written back
    OpenLogViewerAlt = 2037,     // same as OpenLogViewer
    OpenLogFile = 2038,          // &text log file, int: 0 page form, otherwise table form
    TrackerAttached = 2039,      // &text model, &text identification
    TrackerDetached = 2040,
    TouchMemoryCode = 2042,      // &u64 code (low word first)
    WorkingPaths = 2049,         // &texts4
    InterfaceLevelQuery = 2052,  // &int: written 9
    StateAnswer = 2054,          // buf, len: 30 or 34 bytes
    AccelAnswer = 2056,          // buf, len: 12 bytes
    Query196 = 2057,             // &int: written 196
    OpenFuelFile = 2067,         // &text calibration file
    FuelSensorAnswer = 2075,     // buf, len: for the fuel-sensor window
    FuelLevelAnswer = 2077,      // buf, len: 42 bytes "*#FUEL_UN..."
    SystemAnswer = 2079,         // buf, len: 10 bytes
    CanAnswer = 2081,            // buf, len: 9 bytes
    QueryZero = 2084,            // &int: written 0
    AccelStateAnswer = 2086,     // buf, len
    AccelOptionAnswer = 2088,    // buf, len
    TachoReadAnswer = 2101,
    TachoWriteAnswer = 2103,
    TachoAnswer = 2105,
    Capabilities = 2107,         // &u64 (low word first)
    RfidCode = 2109,             // &u64, int
    FirmwareVersion = 2110,      // &text
    TouchMemoryReadAnswer = 2112, // buf, len: at least 8 bytes
    TouchMemorySaveAnswer = 2114,
    TouchMemoryLoadAnswer = 2116,
    TouchMemoryAnswer = 2118,
    DeadZoneReadAnswer = 2122,
    DeadZoneAnswer = 2124,
    DeadZoneValueAnswer = 2126,
    AccelCalibrationAnswer = 2128,
    BluetoothAnswer = 2131,
    QueryTrue = 2132,            // &bool: written true
    AutoTelemetryMode = 2133,    // &int
    Query011 = 2134,             // &text: assigned "011"

    FirstHandled = 2018,
    LastHandled = 2134,
};

// Plug-in to host.
enum : uint32_t {
    UssdRequest = 24,            // &text USSD code -> 2018
    ReadCurrentPage = 2001,      // -> 2024
    PollCurrentPage = 2002,      // -> 2024
    SetGuard = 2003,
    SetObservation = 2005,
    Output1On = 2006,
    Output1Off = 2007,
    Output2On = 2008,
    Output2Off = 2009,
    Output3On = 2010,
    Output3Off = 2011,
    Output4On = 2012,
    Output4Off = 2013,
    ReadPageByNumber = 2014,     // &u32 page number -> 2024
    ReadPageAtTime = 2015,       // &date-time -> 2024 (13-byte prefix)
    StartInterval = 2016,        // &date-time -> 2024 (13-byte prefix)
    ReadPageForBalance = 2020,   // -> 2021
    SettingsBlock = 2025,        // &settingsBlock -> 2026
    SettingsWritten = 2027,      // &text path of the file written
    ClearBuffer = 2032,          // int server 1..3 -> 2033
    ReadTouchMemory = 2041,      // -> 2042
    SystemPoll = 2053,
    AccelCycleEnd = 2055,        // -> 2056
    EventName = 2060,            // int code, &text filled in place
    Help = 2072,                 // &text help page path
    FuelSensorRead = 2074,       // -> 2075
    SensorsPoll = 2076,          // -> 2077
    SystemRead = 2078,           // -> 2079
    CanRead = 2080,              // int -> 2081
    SetRun = 2082,               // &value
    AccelState = 2085,           // -> 2086
    AccelOption = 2087,          // 0, int option -> 2088
    TachoRead = 2100,            // int -> 2101
    TachoWrite = 2102,           // &value -> 2103
    TachoRequest = 2104,         // int -> 2105
    ReadRfid = 2108,             // -> 2109
    TouchMemoryRead = 2111,      // -> 2112
    TouchMemorySave = 2113,      // int, int -> 2114
    TouchMemoryLoad = 2115,      // int, int -> 2116
    TouchMemoryRequest = 2117,   // -> 2118
    EmailRequest = 2119,
    DeadZoneRead = 2121,         // -> 2122
    DeadZoneRequest = 2123,      // int -> 2124
    DeadZoneValue = 2125,        // &value -> 2126
    AccelCalibrationStep = 2127, // &two bytes -> 2128
    BluetoothRequest = 2129,     // cancels the search
    BluetoothCancel = 2129,
    BluetoothSearch = 2130,      // -> 2131
};

} // namespace OrvMsg

#endif // ORVMESSAGES_H
