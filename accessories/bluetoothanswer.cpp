#include "accessories/bluetoothanswer.h"

#include "core/codepage.h"

#include <cstring>

namespace {

bool startsWith(const unsigned char *data, int length, const char *tag)
{
    const int n = int(std::strlen(tag));
    return length >= n && std::memcmp(data, tag, size_t(n)) == 0;
}

// Text from the radio: decoded, without control characters, cut to what a
// settings value holds.
QString radioText(const unsigned char *data, int length)
{
    QString text = CodePage::toUnicode(reinterpret_cast<const char *>(data), length);
    for (QChar &c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('?');
    }
    text = text.trimmed();
    if (text.size() > BluetoothAnswer::kMaxText)
        text.truncate(BluetoothAnswer::kMaxText);
    return text;
}

} // namespace

std::optional<BluetoothAnswer> BluetoothAnswer::parse(const unsigned char *data, int length)
{
    if (!data || length <= 0)
        return std::nullopt;

    // "*#BTDEV" first: a device answer's test ("*#BT") would take it too.
    if (startsWith(data, length, "*#BTDEV")) {
        if (length < kStateLength)
            return std::nullopt;
        const unsigned char s = data[7];
        if (s < '0' || s > '3')
            return std::nullopt;
        BluetoothAnswer a;
        a.kind = Kind::State;
        a.state = SearchState(s - '0');
        return a;
    }

    if (!startsWith(data, length, "*#BT"))
        return std::nullopt;
    const auto *end = data + length;
    const auto *open = static_cast<const unsigned char *>(std::memchr(data + 3, '"', size_t(length - 3)));
    if (!open)
        return std::nullopt;
    const auto *close = static_cast<const unsigned char *>(std::memchr(open + 1, '"', size_t(end - open - 1)));
    if (!close)
        return std::nullopt;
    // One separator, the address, and the last character.
    const int after = int(end - close - 1);
    if (after < 2)
        return std::nullopt;
    const unsigned char *address = close + 2;
    const int addressLength = int(end - address) - 1;
    BluetoothAnswer a;
    a.kind = Kind::Device;
    a.device.address = radioText(address, addressLength);
    if (a.device.address.isEmpty())
        return std::nullopt;
    a.device.name = radioText(open + 1, int(close - open - 1));
    if (a.device.name.isEmpty())
        a.device.name = a.device.address;
    return a;
}
