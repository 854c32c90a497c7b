#include "core/codepage.h"

#include <algorithm>
#include <array>

namespace {

// Unicode code points of the bytes 0x80..0xFF. Byte 0x98 has no character in
// windows-1251; it is carried as U+0098 so that every byte survives a round trip.
constexpr char16_t kUpperHalf[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,};

struct ReverseEntry
{
    char16_t unicode;
    unsigned char byte;
};

// The upper half sorted by code point, for encoding by binary search.
const std::array<ReverseEntry, 128> &reverseTable()
{
    static const std::array<ReverseEntry, 128> table = [] {
        std::array<ReverseEntry, 128> t{};
        for (int i = 0; i < 128; ++i)
            t[size_t(i)] = ReverseEntry{kUpperHalf[i], static_cast<unsigned char>(0x80 + i)};
        std::sort(t.begin(), t.end(),
                  [](const ReverseEntry &a, const ReverseEntry &b) { return a.unicode < b.unicode; });
        return t;
    }();
    return table;
}

} // namespace

char CodePage::encode(char16_t ch)
{
    if (ch < 0x80)
        return static_cast<char>(ch);
    if (ch >= 0x0410 && ch <= 0x044F) // А..я, the common case
        return static_cast<char>(0xC0 + (ch - 0x0410));
    const auto &table = reverseTable();
    auto it = std::lower_bound(table.begin(), table.end(), ch,
                               [](const ReverseEntry &e, char16_t c) { return e.unicode < c; });
    if (it != table.end() && it->unicode == ch)
        return static_cast<char>(it->byte);
    return '?';
}

char16_t CodePage::decode(unsigned char byte)
{
    return byte < 0x80 ? char16_t(byte) : kUpperHalf[byte - 0x80];
}

QByteArray CodePage::fromUnicode(QStringView text)
{
    return fromUnicodeCut(text, text.size());
}

QByteArray CodePage::fromUnicodeCut(QStringView text, qsizetype maxBytes)
{
    QByteArray out;
    out.reserve(std::min(text.size(), maxBytes));
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n && out.size() < maxBytes; ++i) {
        const char16_t ch = p[i];
        if (QChar::isHighSurrogate(ch) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
            out.append('?'); // outside the BMP: one character, one '?'
            ++i;
            continue;
        }
        out.append(encode(ch));
    }
    return out;
}

QString CodePage::toUnicode(const char *bytes, qsizetype length)
{
    QString out(length, Qt::Uninitialized);
    char16_t *d = reinterpret_cast<char16_t *>(out.data());
    for (qsizetype i = 0; i < length; ++i)
        d[i] = decode(static_cast<unsigned char>(bytes[i]));
    return out;
}
