#include "settings/editor/trackeranswers.h"

#include <cstring>

namespace TrackerAnswers {

namespace {

QByteArray slice(const uchar *data, int offset, int count)
{
    return QByteArray(reinterpret_cast<const char *>(data) + offset, count);
}

int u16le(const uchar *data, int offset)
{
    return data[offset] | (data[offset + 1] << 8);
}

} // namespace

std::optional<StateRecord> StateRecord::parse(const uchar *data, int length)
{
    if (!data || (length != kLongLength && length != kShortLength))
        return std::nullopt;
    StateRecord r;
    int at = 0;
    r.tag = slice(data, at, 6);
    at += 6;
    for (QByteArray &f : r.groupA) {
        f = slice(data, at, 2);
        at += 2;
    }
    for (QByteArray &f : r.groupB) {
        f = slice(data, at, 2);
        at += 2;
    }
    r.field4 = slice(data, at, 4);
    at += 4;
    r.field8 = slice(data, at, 8);
    at += 8;
    if (length == kLongLength)
        r.last4 = slice(data, at, 4);
    return r;
}

std::optional<int> hundredths(const QByteArray &digits)
{
    if (digits.size() != 4)
        return std::nullopt;
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::optional<bool> StateRecord::state(int index) const
{
    if (index < 0 || index >= field8.size())
        return std::nullopt;
    const char c = field8.at(index);
    if (c != '0' && c != '1')
        return std::nullopt;
    return c == '1';
}

std::optional<AccelCycle> AccelCycle::parse(const uchar *data, int length)
{
    if (!data || length != kLength)
        return std::nullopt;
    AccelCycle a;
    a.bytes = slice(data, 0, kLength);
    a.continues = data[11] == '1' || data[11] == 1;
    return a;
}

std::optional<FuelLevels> FuelLevels::parse(const uchar *data, int length)
{
    static const char kTag[] = "*#FUEL_UN";
    if (!data || length != kLength || std::memcmp(data, kTag, sizeof kTag - 1) != 0)
        return std::nullopt;
    FuelLevels f;
    f.count = data[9];
    const int thresholds[3] = {6, 8, 10};
    const int offsets[3] = {15, 17, 19};
    for (int i = 0; i < 3; ++i) {
        if (f.count >= thresholds[i])
            f.levels << u16le(data, offsets[i]);
    }
    return f;
}

std::optional<QByteArray> parseSystemValue(const uchar *data, int length)
{
    if (!data || length != 10)
        return std::nullopt;
    return slice(data, 6, 4);
}

std::optional<char> parseCanValue(const uchar *data, int length)
{
    if (!data || length != 9)
        return std::nullopt;
    return char(data[8]);
}

std::optional<TouchMemoryRead> TouchMemoryRead::parse(const uchar *data, int length)
{
    if (!data || length < kMinLength)
        return std::nullopt;
    TouchMemoryRead t;
    t.status = data[5];
    t.value = quint16(u16le(data, 6));
    return t;
}

} // namespace TrackerAnswers
