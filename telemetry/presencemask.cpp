#include "telemetry/presencemask.h"

#include <algorithm>
#include <cstring>

PresenceMask PresenceMask::fromBytes(const void *data, qsizetype length)
{
    PresenceMask mask;
    if (data && length > 0)
        std::memcpy(mask.m_bytes.data(), data, size_t(std::min<qsizetype>(length, Bytes)));
    return mask;
}

PresenceMask PresenceMask::fromText(QStringView text)
{
    PresenceMask mask;
    const int count = int(std::min<qsizetype>(text.size(), Bits));
    for (int bit = 0; bit < count; ++bit) {
        if (text[bit] >= u'1' && text[bit] <= u'9')
            mask.set(bit);
    }
    return mask;
}

PresenceMask PresenceMask::firstBits(int count)
{
    PresenceMask mask;
    for (int bit = 0; bit < count && bit < Bits; ++bit)
        mask.set(bit);
    return mask;
}

PresenceMask PresenceMask::limited(int count) const
{
    PresenceMask mask = *this;
    count = std::clamp(count, 0, int(Bits));
    int byte = count / 8;
    if (count % 8)
        mask.m_bytes[byte++] &= quint8(0xFF00u >> (count % 8));
    for (; byte < Bytes; ++byte)
        mask.m_bytes[byte] = 0;
    return mask;
}

bool PresenceMask::isEmpty() const
{
    return std::all_of(m_bytes.begin(), m_bytes.end(), [](quint8 b) { return b == 0; });
}

QString PresenceMask::text(int bits) const
{
    QString out;
    bits = std::clamp(bits, 0, int(Bits));
    out.reserve(bits);
    for (int bit = 0; bit < bits; ++bit)
        out += test(bit) ? u'1' : u'0';
    return out;
}
