#ifndef MASKPLAN_H
#define MASKPLAN_H

#include "telemetry/fullrecord.h"
#include "telemetry/presencemask.h"

#include <QByteArray>

#include <array>
#include <cstring>

namespace MaskPlanCopy {

// Copies n bytes with fixed-size moves, overlapping at the end, reading and
// writing nothing outside [src, src + n) and [dst, dst + n). Faster than a
// library call for the short runs of typical masks.
inline void run(quint8 *dst, const quint8 *src, size_t n)
{
    if (n >= 16) {
        size_t i = 0;
        for (; i + 16 <= n; i += 16)
            std::memcpy(dst + i, src + i, 16);
        if (i < n)
            std::memcpy(dst + n - 16, src + n - 16, 16);
    } else if (n >= 8) {
        std::memcpy(dst, src, 8);
        std::memcpy(dst + n - 8, src + n - 8, 8);
    } else if (n >= 4) {
        std::memcpy(dst, src, 4);
        std::memcpy(dst + n - 4, src + n - 4, 4);
    } else if (n >= 2) {
        std::memcpy(dst, src, 2);
        std::memcpy(dst + n - 2, src + n - 2, 2);
    } else if (n == 1) {
        dst[0] = src[0];
    }
}

// Zeroes n bytes: fixed-size stores when short, the library for long gaps.
inline void zero(quint8 *dst, size_t n)
{
    static constexpr quint8 zeros[16] = {};
    if (n >= 16) {
        std::memset(dst, 0, n);
    } else if (n >= 8) {
        std::memcpy(dst, zeros, 8);
        std::memcpy(dst + n - 8, zeros, 8);
    } else if (n >= 4) {
        std::memcpy(dst, zeros, 4);
        std::memcpy(dst + n - 4, zeros, 4);
    } else if (n >= 2) {
        std::memcpy(dst, zeros, 2);
        std::memcpy(dst + n - 2, zeros, 2);
    } else if (n == 1) {
        dst[0] = 0;
    }
}

inline bool sameMask(const quint8 *a, const quint8 *b)
{
    quint64 x[4], y[4];
    std::memcpy(x, a, 32);
    std::memcpy(y, b, 32);
    return ((x[0] ^ y[0]) | (x[1] ^ y[1]) | (x[2] ^ y[2]) | (x[3] ^ y[3])) == 0;
}

} // namespace MaskPlanCopy

// A presence mask compiled into contiguous copy runs. Present rows that are
// adjacent in the field table are adjacent both on the wire and in the full
// record, so each run is one copy. The plan also lists the gaps between the
// runs, so that decoding writes each byte of the full record exactly once.
class MaskPlan
{
public:
    struct Run
    {
        quint16 wire = 0;   // offset in the field data
        quint16 record = 0; // offset in the full record
        quint16 length = 0;
        quint8 firstBit = 0;
        quint8 endBit = 0;  // one past the last row of the run
    };
    // Present and absent rows alternate at worst.
    static constexpr int MaxRuns = (FieldTable::RowCount + 1) / 2;
    struct Gap
    {
        quint16 record = 0;
        quint16 length = 0;
    };
    static constexpr int MaxGaps = MaxRuns + 1;

    MaskPlan() = default;
    explicit MaskPlan(const PresenceMask &mask);

    // The compiled mask: only the bits of the field table.
    const PresenceMask &mask() const { return m_mask; }
    // Field bytes that the mask promises.
    int wireSize() const { return m_wireSize; }
    int runCount() const { return m_runCount; }
    const Run &run(int index) const { return m_runs[index]; }

    // Copies from fields[0 .. length) into the record every present field
    // that arrives whole; every other byte of the record becomes zero. Returns the rows copied: the mask itself
    // unless the data end early, when the rows that were cut or missing stay
    // zero and are left out. Bytes beyond wireSize() are ignored.
    PresenceMask decode(const quint8 *fields, qsizetype length, FullRecord &record) const
    {
        decodeFields(fields, length, record);
        return length >= m_wireSize ? m_mask : decodeShort(fields, length, record);
    }
    // The same, without the mask of the rows copied: true when all arrived.
    bool decodeFields(const quint8 *fields, qsizetype length, FullRecord &record) const
    {
        if (length < m_wireSize) {
            record.clear();
            return false;
        }
        quint8 *out = record.data();
        for (int i = 0; i < m_runCount; ++i)
            MaskPlanCopy::run(out + m_runs[i].record, fields + m_runs[i].wire, m_runs[i].length);
        for (int i = 0; i < m_gapCount; ++i)
            MaskPlanCopy::zero(out + m_gaps[i].record, m_gaps[i].length);
        return true;
    }

    // The field data of the present rows of a full record, packed.
    QByteArray encode(const FullRecord &record) const;

private:
    PresenceMask decodeShort(const quint8 *fields, qsizetype length, FullRecord &record) const;

    PresenceMask m_mask;
    std::array<Run, MaxRuns> m_runs{};
    int m_runCount = 0;
    std::array<Gap, MaxGaps> m_gaps{};
    int m_gapCount = 0;
    int m_wireSize = 0;
};

// Decodes masked records (type 0xB0), keeping the plan of the last mask:
// consecutive records nearly always share their mask.
class MaskedDecoder
{
public:
    static constexpr quint8 Type = 0xB0;
    static constexpr int HeaderSize = 34; // type, generation, 32 mask bytes
    static constexpr quint8 FirstGeneration = 10;
    static constexpr quint8 SecondGeneration = 20;

    // record: the masked record from its type byte, length: the bytes held.
    // The full record is cleared and filled with the fields that arrive
    // whole; present (if given) receives their rows. Returns false, leaving
    // both empty, when the bytes are no masked record or end inside the header.
    bool decode(const void *record, qsizetype length, FullRecord &out, PresenceMask *present = nullptr)
    {
        const auto *bytes = static_cast<const quint8 *>(record);
        if (!bytes || length < HeaderSize || bytes[0] != Type)
            return reject(out, present);
        // Compare the mask bytes in place; compile only when they change.
        if (!m_hasPlan || !MaskPlanCopy::sameMask(m_key.data(), bytes + 2))
            plan(PresenceMask::fromBytes(bytes + 2, PresenceMask::Bytes));
        if (present)
            *present = m_plan.decode(bytes + HeaderSize, length - HeaderSize, out);
        else if (!m_plan.decodeFields(bytes + HeaderSize, length - HeaderSize, out))
            m_plan.decode(bytes + HeaderSize, length - HeaderSize, out);
        return true;
    }

    // The plan for a mask, compiled only when the mask differs from the last one.
    const MaskPlan &plan(const PresenceMask &mask);

    // A whole masked record (header and field data) of the present rows.
    static QByteArray encode(const FullRecord &record, const PresenceMask &mask, quint8 generation);

private:
    static bool reject(FullRecord &out, PresenceMask *present);

    MaskPlan m_plan;
    PresenceMask m_key;
    bool m_hasPlan = false;
};

#endif // MASKPLAN_H
