#include "fuel/fuelanswer.h"

#include <cstring>

namespace {

std::optional<quint16> field(const uchar *data, int count, int offset)
{
    if (offset + 2 > FuelAnswer::kLength || count < offset - FuelAnswer::kTagLength)
        return std::nullopt;
    return quint16(data[offset] | (data[offset + 1] << 8));
}

} // namespace

std::optional<FuelAnswer> FuelAnswer::parse(const uchar *data, int length)
{
    if (!data || length != kLength || std::memcmp(data, kTag, kTagLength) != 0)
        return std::nullopt;
    FuelAnswer a;
    a.m_count = data[kTagLength];
    a.m_f1 = field(data, a.m_count, kF1Offset);
    a.m_a1 = field(data, a.m_count, kA1Offset);
    for (int i = 0; i < kDigitalCount; ++i)
        a.m_digital[size_t(i)] = field(data, a.m_count, kD1Offset + i * kDigitalStride);
    return a;
}

std::optional<quint16> FuelAnswer::digital(int index) const
{
    if (index < 0 || index >= kDigitalCount)
        return std::nullopt;
    return m_digital[size_t(index)];
}

QString FuelAnswer::volts(quint16 millivolts)
{
    const int centivolts = (int(millivolts) + 5) / 10;
    return QStringLiteral("%1.%2").arg(centivolts / 100).arg(centivolts % 100, 2, 10, QLatin1Char('0'));
}
