#include "host/hostmessages.h"

#include <algorithm>
#include <iterator>

namespace HostMessages {

namespace {

using D = Direction;
using K = ParamKind;
using F = ValueFormat;

// Sorted by direction, then number (find() relies on it).
constexpr MessageInfo kMessages[] = {
    // host -> plug-in
    {2018, D::ToPlugin, K::Text, 0, F::Hex, false, "Balance answer"},
    {2019, D::ToPlugin, K::TextInt, 0, F::Hex, false, "Open telemetry window"},
    {2021, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Page for balance"},
    {2022, D::ToPlugin, K::Int, 0, F::Hex, false, "Open settings editor"},
    {2023, D::ToPlugin, K::TextModes, 0, F::Hex, false, "Open settings file"},
    {2024, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Telemetry page"},
    {2026, D::ToPlugin, K::Int, 0, F::Hex, false, "Settings block ack"},
    {2030, D::ToPlugin, K::Int, 0, F::Hex, false, "Open log viewer"},
    {2033, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Clear-buffer answer"},
    {2036, D::ToPlugin, K::RecordBuffer, kRecordBufferSize, F::Hex, true, "Record validity"},
    {2037, D::ToPlugin, K::Int, 0, F::Hex, false, "Open log viewer"},
    {2038, D::ToPlugin, K::TextInt, 0, F::Hex, false, "Open telemetry file"},
    {2039, D::ToPlugin, K::TextText, 0, F::Hex, false, "Tracker attached"},
    {2040, D::ToPlugin, K::None, 0, F::Hex, false, "Tracker detached"},
    {2042, D::ToPlugin, K::Value, 8, F::Hex, false, "Touch-memory key"},
    {2049, D::ToPlugin, K::Texts4, 0, F::Hex, false, "Working paths"},
    {2052, D::ToPlugin, K::IntRef, 4, F::Hex, true, "Interface level"},
    {2054, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Live state"},
    {2056, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Accelerometer answer"},
    {2057, D::ToPlugin, K::IntRef, 4, F::Hex, true, "Query 2057"},
    {2067, D::ToPlugin, K::Text, 0, F::Hex, false, "Open calibration file"},
    {2075, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Fuel sensor answer"},
    {2077, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Sensors answer"},
    {2079, D::ToPlugin, K::Buffer, 0, F::Hex, false, "System answer"},
    {2081, D::ToPlugin, K::Buffer, 0, F::Hex, false, "CAN answer"},
    {2084, D::ToPlugin, K::IntRef, 4, F::Hex, true, "Query 2084"},
    {2086, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Accelerometer state"},
    {2088, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Accelerometer option answer"},
    {2101, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Tachograph query answer"},
    {2103, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Tachograph create answer"},
    {2105, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Tachograph load answer"},
    {2107, D::ToPlugin, K::Value, 8, F::Mask64, false, "Capabilities"},
    {2109, D::ToPlugin, K::ValueInt, 8, F::U64, false, "RFID tag"},
    {2110, D::ToPlugin, K::Text, 0, F::Hex, false, "Firmware version"},
    {2112, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Touch-memory answer"},
    {2114, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Key block written"},
    {2116, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Key block read"},
    {2118, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Key file switched"},
    {2122, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Dead-zone answer"},
    {2124, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Dead-zone answer 2124"},
    {2126, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Dead-zone value answer"},
    {2128, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Accelerometer command answer"},
    {2131, D::ToPlugin, K::Buffer, 0, F::Hex, false, "Bluetooth answer"},
    {2132, D::ToPlugin, K::BoolRef, 1, F::Hex, true, "Query 2132"},
    {2133, D::ToPlugin, K::IntRef, 4, F::Hex, false, "Automatic telemetry mode"},
    {2134, D::ToPlugin, K::Text, 0, F::Hex, true, "Query 2134"},

    // plug-in -> host
    {24, D::ToHost, K::Text, 0, F::Hex, false, "USSD balance request"},
    {2001, D::ToHost, K::None, 0, F::Hex, false, "Read current page"},
    {2002, D::ToHost, K::None, 0, F::Hex, false, "Poll current page"},
    {2003, D::ToHost, K::None, 0, F::Hex, false, "Guard mode on"},
    {2005, D::ToHost, K::None, 0, F::Hex, false, "Observation mode"},
    {2006, D::ToHost, K::None, 0, F::Hex, false, "Output 1 on"},
    {2007, D::ToHost, K::None, 0, F::Hex, false, "Output 1 off"},
    {2008, D::ToHost, K::None, 0, F::Hex, false, "Output 2 on"},
    {2009, D::ToHost, K::None, 0, F::Hex, false, "Output 2 off"},
    {2010, D::ToHost, K::None, 0, F::Hex, false, "Output 3 on"},
    {2011, D::ToHost, K::None, 0, F::Hex, false, "Output 3 off"},
    {2012, D::ToHost, K::None, 0, F::Hex, false, "Output 4 on"},
    {2013, D::ToHost, K::None, 0, F::Hex, false, "Output 4 off"},
    {2014, D::ToHost, K::Value, 4, F::U32, false, "Read page by number"},
    {2015, D::ToHost, K::DateTime, 0, F::Hex, false, "Read page at time"},
    {2016, D::ToHost, K::DateTime, 0, F::Hex, false, "Download from time"},
    {2020, D::ToHost, K::None, 0, F::Hex, false, "Read page for balance"},
    {2025, D::ToHost, K::SettingsBlock, kSettingsBlockSize, F::Hex, false, "Settings block"},
    {2027, D::ToHost, K::Text, 0, F::Hex, false, "Settings written"},
    {2032, D::ToHost, K::Int, 0, F::Hex, false, "Clear server buffer"},
    {2041, D::ToHost, K::None, 0, F::Hex, false, "Read touch-memory key"},
    {2053, D::ToHost, K::None, 0, F::Hex, false, "Poll System page"},
    {2055, D::ToHost, K::None, 0, F::Hex, false, "End of poll cycle"},
    {2060, D::ToHost, K::EventName, 0, F::Hex, true, "Event name"},
    {2072, D::ToHost, K::Text, 0, F::Hex, false, "Help page"},
    {2074, D::ToHost, K::None, 0, F::Hex, false, "Read fuel sensors"},
    {2076, D::ToHost, K::None, 0, F::Hex, false, "Poll Sensors page"},
    {2078, D::ToHost, K::None, 0, F::Hex, false, "Read System page"},
    {2080, D::ToHost, K::Int, 0, F::Hex, false, "Read CAN page"},
    {2082, D::ToHost, K::Value, 4, F::Float32, false, "Set mileage"},
    {2085, D::ToHost, K::None, 0, F::Hex, false, "Accelerometer state"},
    {2087, D::ToHost, K::IntP2, 0, F::Hex, false, "Accelerometer option"},
    {2100, D::ToHost, K::Int, 0, F::Hex, false, "Tachograph query"},
    {2102, D::ToHost, K::Value, 6, F::Hex, false, "Tachograph create"},
    {2104, D::ToHost, K::Int, 0, F::Hex, false, "Tachograph load"},
    {2108, D::ToHost, K::None, 0, F::Hex, false, "Read RFID tag"},
    {2111, D::ToHost, K::None, 0, F::Hex, false, "Read touch-memory page"},
    {2113, D::ToHost, K::Buffer, 0, F::Hex, false, "Write key file block"},
    {2115, D::ToHost, K::Buffer, 0, F::Hex, false, "Read key file block"},
    {2117, D::ToHost, K::None, 0, F::Hex, false, "Switch to key file"},
    {2119, D::ToHost, K::None, 0, F::Hex, false, "E-mail page request"},
    {2121, D::ToHost, K::None, 0, F::Hex, false, "Dead-zone request"},
    {2123, D::ToHost, K::Int, 0, F::Hex, false, "Dead-zone request 2123"},
    {2125, D::ToHost, K::ValueUnsized, 0, F::Hex, false, "Dead-zone value"},
    {2127, D::ToHost, K::Value, 2, F::Hex, false, "Accelerometer command"},
    {2129, D::ToHost, K::None, 0, F::Hex, false, "Bluetooth search cancel"},
    {2130, D::ToHost, K::None, 0, F::Hex, false, "Bluetooth search"},
};

bool lessThan(const MessageInfo &a, Direction direction, uint32_t id)
{
    if (a.direction != direction)
        return a.direction < direction;
    return a.id < id;
}

} // namespace

const MessageInfo *find(uint32_t id, Direction direction)
{
    const auto *it = std::lower_bound(std::begin(kMessages), std::end(kMessages), id,
                                      [direction](const MessageInfo &a, uint32_t wanted) {
                                          return lessThan(a, direction, wanted);
                                      });
    if (it != std::end(kMessages) && it->id == id && it->direction == direction)
        return it;
    return nullptr;
}

QString name(uint32_t id, Direction direction)
{
    const MessageInfo *info = find(id, direction);
    return info ? QString::fromLatin1(info->name) : QStringLiteral("unknown");
}

const MessageInfo *begin()
{
    return std::begin(kMessages);
}

const MessageInfo *end()
{
    return std::end(kMessages);
}

QString directionText(Direction direction)
{
    switch (direction) {
    case Direction::ToPlugin: return QStringLiteral("to plug-in");
    case Direction::ToHost: return QStringLiteral("to host");
    case Direction::Host: return QStringLiteral("host");
    }
    return {};
}

} // namespace HostMessages
