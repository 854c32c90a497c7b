#include "telemetry/tmitext.h"

#include <QString>

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr quint64 kPowersOf10[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

// A text made by Qt, for the values the fast paths leave to it.
char *copyLatin1(char *p, const QString &text)
{
    const QByteArray bytes = text.toLatin1().left(TmiText::MaxText - 1);
    std::memcpy(p, bytes.constData(), size_t(bytes.size()));
    return p + bytes.size();
}

char *twoDigits(char *p, int value)
{
    p[0] = char('0' + value / 10);
    p[1] = char('0' + value % 10);
    return p + 2;
}

struct Civil
{
    int year, month, day, hour, minute, second;
};

struct CivilDate
{
    int year, month, day;
};

CivilDate civilDate(qint64 days)
{
    // Days since 1970-01-01 to a proleptic Gregorian date.
    const qint64 z = days + 719468;
    const qint64 era = z / 146097;
    const qint64 doe = z - era * 146097;
    const qint64 yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const qint64 mp = (5 * doy + 2) / 153;
    const int day = int(doy - (153 * mp + 2) / 5 + 1);
    const int month = int(mp < 10 ? mp + 3 : mp - 9);
    const int year = int(yoe + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

Civil civil(quint32 seconds)
{
    // Consecutive pages nearly always fall on the same day.
    thread_local qint64 lastDays = -1;
    thread_local CivilDate lastDate{1970, 1, 1};
    const qint64 days = qint64(seconds / 86400);
    const int rest = int(seconds % 86400);
    if (days != lastDays) {
        lastDate = civilDate(days);
        lastDays = days;
    }
    return {lastDate.year, lastDate.month, lastDate.day, rest / 3600, rest / 60 % 60, rest % 60};
}

char *fourDigits(char *p, int value)
{
    p = twoDigits(p, value / 100);
    return twoDigits(p, value % 100);
}

template<typename T>
char *shortestOf(char *p, T value)
{
    // The rules of TmiFormat::shortest.
    const T magnitude = std::fabs(value);
    const bool plain = value == 0 || (magnitude >= T(1e-6) && magnitude < T(1e15)) || !std::isfinite(value);
    char *const end = p + TmiText::MaxText;
    const auto result = plain ? std::to_chars(p, end, value, std::chars_format::fixed)
                              : std::to_chars(p, end, value, std::chars_format::general);
    if (result.ec != std::errc())
        return copyLatin1(p, QString::number(double(value)));
    return result.ptr;
}

// The exact value times scale, rounded half away from zero.
quint64 exactScaled(double value, quint64 scale);

} // namespace

namespace TmiText {

char *decimal(char *p, qint64 value)
{
    return std::to_chars(p, p + 24, value).ptr;
}

char *fixed(char *p, double value, int decimals)
{
    if (decimals < 0 || decimals > 9 || !std::isfinite(value) || std::fabs(value) >= 9.0e15
        || std::fabs(value) * double(kPowersOf10[decimals]) >= 1.0e19)
        return copyLatin1(p, QString::number(value, 'f', decimals));
    const quint64 scale = kPowersOf10[decimals];
    quint64 total;
    // Scaled in doubles, the product is off by at most an ulp or two; only
    // a fraction that close to one half needs the exact product.
    const double scaled = std::fabs(value) * double(scale);
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (scaled < 4.0e15 && std::fabs(fraction - 0.5) > scaled * 1e-15 + 1e-300) {
        total = quint64(whole) + (fraction > 0.5 ? 1 : 0);
    } else {
        total = exactScaled(value, scale);
    }
    if (value < 0)
        *p++ = '-';
    p = std::to_chars(p, p + 24, total / scale).ptr;
    if (decimals > 0) {
        *p++ = '.';
        quint64 digits = total % scale;
        for (int i = decimals - 1; i >= 0; --i) {
            p[i] = char('0' + digits % 10);
            digits /= 10;
        }
        p += decimals;
    }
    return p;
}

} // namespace TmiText

namespace {

quint64 exactScaled(double value, quint64 scale)
{
    // value = mantissa * 2^exponent exactly; scaled by 10^decimals it is
    // rounded half away from zero, which is how Qt rounds.
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    const quint64 mantissa = quint64(std::ldexp(fraction, 53));
    exponent -= 53;
    unsigned __int128 scaled = static_cast<unsigned __int128>(mantissa) * scale;
    if (exponent >= 0) {
        scaled <<= exponent; // below 2^53 * 10^9 << 0: no overflow
    } else {
        const int shift = -exponent;
        if (shift >= 127) {
            scaled = 0; // far below half of the last digit
        } else {
            const unsigned __int128 whole = scaled >> shift;
            const unsigned __int128 rest = scaled - (whole << shift);
            const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
            scaled = whole + (rest >= half ? 1 : 0);
        }
    }
    return quint64(scaled);
}

} // namespace

namespace TmiText {

char *shortestFixed(char *p, double value)
{
    const auto result = std::to_chars(p, p + TmiText::MaxText, value, std::chars_format::fixed);
    if (result.ec != std::errc())
        return copyLatin1(p, QString::number(value, 'g', 17));
    return result.ptr;
}

char *shortest(char *p, float value)
{
    return shortestOf(p, value);
}

char *shortest(char *p, double value)
{
    return shortestOf(p, value);
}

char *dateTime(char *p, quint32 seconds)
{
    const Civil c = civil(seconds);
    p = twoDigits(p, c.hour);
    *p++ = ':';
    p = twoDigits(p, c.minute);
    *p++ = ':';
    p = twoDigits(p, c.second);
    *p++ = ' ';
    p = twoDigits(p, c.day);
    *p++ = '.';
    p = twoDigits(p, c.month);
    *p++ = '.';
    return fourDigits(p, c.year);
}

char *xmlDateTime(char *p, quint32 seconds)
{
    const Civil c = civil(seconds);
    p = twoDigits(p, c.day);
    *p++ = '.';
    p = twoDigits(p, c.month);
    *p++ = '.';
    p = fourDigits(p, c.year);
    *p++ = ' ';
    if (c.hour >= 10)
        *p++ = char('0' + c.hour / 10);
    *p++ = char('0' + c.hour % 10);
    *p++ = ':';
    p = twoDigits(p, c.minute);
    *p++ = ':';
    return twoDigits(p, c.second);
}

char *isoDateTime(char *p, quint32 seconds)
{
    const Civil c = civil(seconds);
    p = fourDigits(p, c.year);
    *p++ = '-';
    p = twoDigits(p, c.month);
    *p++ = '-';
    p = twoDigits(p, c.day);
    *p++ = 'T';
    p = twoDigits(p, c.hour);
    *p++ = ':';
    p = twoDigits(p, c.minute);
    *p++ = ':';
    p = twoDigits(p, c.second);
    *p++ = 'Z';
    return p;
}

char *coordinate(char *p, qint32 value)
{
    const qint32 degrees = value / 600000;
    const double minutes = double(value - degrees * 600000) / 10000.0;
    p = decimal(p, degrees);
    *p++ = ' ';
    p = fixed(p, minutes, 4);
    *p++ = '\'';
    return p;
}

char *naviCoordinate(char *p, qint64 value)
{
    const qint64 degrees = value / 600000000;
    const double minutes = double(value - degrees * 600000000) / 10000000.0;
    p = decimal(p, degrees);
    *p++ = ' ';
    p = fixed(p, minutes, 7);
    *p++ = '\'';
    return p;
}

} // namespace TmiText
