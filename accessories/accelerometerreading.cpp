#include "accessories/accelerometerreading.h"

#include <cstring>

namespace {

constexpr char kTag[] = "*#ACCEL:";
constexpr int kTagLength = 8;
constexpr int kStateOffset = 9;
constexpr int kAxisOffset = 10;
constexpr int kAxisWidth = 5;
constexpr int kShockOffset = 25;
constexpr int kInclinationOffset = 29;
constexpr int kFieldWidth = 4;
constexpr int kLimit = 9999;

bool tagged(const uchar *data, int length, int minimum, char marker)
{
    return data && length >= minimum && std::memcmp(data, kTag, kTagLength) == 0 && data[kTagLength] == uchar(marker);
}

// Decimal digits only; nothing for anything else.
std::optional<int> digits(const uchar *p, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return std::nullopt;
        value = value * 10 + (p[i] - '0');
    }
    return value;
}

std::optional<int> signedField(const uchar *p)
{
    if (p[0] != '+' && p[0] != '-')
        return std::nullopt;
    const auto v = digits(p + 1, kAxisWidth - 1);
    if (!v)
        return std::nullopt;
    return p[0] == '-' ? -*v : *v;
}

QByteArray signedText(int value)
{
    const int v = qBound(-kLimit, value, kLimit);
    return (v < 0 ? QByteArray("-") : QByteArray("+")) + QByteArray::number(qAbs(v)).rightJustified(kFieldWidth, '0');
}

QByteArray fieldText(int value)
{
    return QByteArray::number(qBound(0, value, kLimit)).rightJustified(kFieldWidth, '0');
}

} // namespace

std::optional<AccelerometerReading> AccelerometerReading::parse(const uchar *data, int length)
{
    if (!tagged(data, length, Length, Marker))
        return std::nullopt;
    AccelerometerReading r;
    switch (data[kStateOffset]) {
    case '0': r.calibration = Calibration::None; break;
    case '1': r.calibration = Calibration::Autonomous; break;
    case '2': r.calibration = Calibration::Gnss; break;
    case '3': r.calibration = Calibration::GnssRunning; break;
    default: r.calibration = Calibration::Unknown; break;
    }
    for (int i = 0; i < 3; ++i) {
        const auto v = signedField(data + kAxisOffset + i * kAxisWidth);
        if (!v)
            return std::nullopt;
        r.axis[i] = *v;
    }
    const auto shock = digits(data + kShockOffset, kFieldWidth);
    const auto inclination = digits(data + kInclinationOffset, kFieldWidth);
    if (!shock || !inclination)
        return std::nullopt;
    r.shockTenths = *shock;
    r.inclinationTenths = *inclination;
    return r;
}

QByteArray AccelerometerReading::toBytes() const
{
    QByteArray bytes(kTag, kTagLength);
    bytes += Marker;
    switch (calibration) {
    case Calibration::None: bytes += '0'; break;
    case Calibration::Autonomous: bytes += '1'; break;
    case Calibration::Gnss: bytes += '2'; break;
    case Calibration::GnssRunning: bytes += '3'; break;
    case Calibration::Unknown: bytes += '?'; break;
    }
    for (int v : axis)
        bytes += signedText(v);
    bytes += fieldText(shockTenths);
    bytes += fieldText(inclinationTenths);
    return bytes;
}

std::optional<AccelerometerReset> AccelerometerReset::parse(const uchar *data, int length)
{
    if (!tagged(data, length, Length, Marker))
        return std::nullopt;
    AccelerometerReset r;
    r.status = char(data[kTagLength + 1]);
    r.result = r.status == '1' ? Result::Done : r.status == '0' ? Result::Unsupported : Result::Failed;
    return r;
}
