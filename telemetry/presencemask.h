#ifndef PRESENCEMASK_H
#define PRESENCEMASK_H

#include <QString>
#include <QStringView>

#include <array>

// The 256-bit presence mask of a masked record: bit k is in byte k / 8 at
// bit value 0x80 >> (k % 8), so bit 0 is the most significant bit of the
// first byte.
class PresenceMask
{
public:
    static constexpr int Bytes = 32;
    static constexpr int Bits = 256;

    constexpr PresenceMask() = default;
    template<typename... B>
    static constexpr PresenceMask fromList(B... bytes)
    {
        PresenceMask mask;
        int i = 0;
        ((mask.m_bytes[i++] = quint8(bytes)), ...);
        return mask;
    }

    // Copies min(length, 32) bytes; the rest stays clear.
    static PresenceMask fromBytes(const void *data, qsizetype length);
    // Character k stands for bit k; a digit other than '0' sets it.
    static PresenceMask fromText(QStringView text);
    // Bits 0 .. count-1 set.
    static PresenceMask firstBits(int count);

    constexpr bool test(int bit) const
    {
        return bit >= 0 && bit < Bits && (m_bytes[bit >> 3] & (0x80u >> (bit & 7))) != 0;
    }
    constexpr void set(int bit, bool on = true)
    {
        if (bit < 0 || bit >= Bits)
            return;
        if (on)
            m_bytes[bit >> 3] |= quint8(0x80u >> (bit & 7));
        else
            m_bytes[bit >> 3] &= quint8(~(0x80u >> (bit & 7)));
    }
    // Only bits below count kept.
    PresenceMask limited(int count) const;
    bool isEmpty() const;

    // "0"/"1" per bit, bit 0 first.
    QString text(int bits) const;

    const quint8 *data() const { return m_bytes.data(); }
    const std::array<quint8, Bytes> &bytes() const { return m_bytes; }

    friend constexpr bool operator==(const PresenceMask &a, const PresenceMask &b)
    {
        for (int i = 0; i < Bytes; ++i) {
            if (a.m_bytes[i] != b.m_bytes[i])
                return false;
        }
        return true;
    }
    friend constexpr bool operator!=(const PresenceMask &a, const PresenceMask &b) { return !(a == b); }

private:
    std::array<quint8, Bytes> m_bytes{};
};

#endif // PRESENCEMASK_H
