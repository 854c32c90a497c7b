#ifndef MASKPLAN_H
#define MASKPLAN_H

#include "telemetry/fullrecord.h"
#include "telemetry/presencemask.h"

#include <QByteArray>

#include <array>

// A presence mask compiled into contiguous copy runs. Present rows that are
// adjacent in the field table are adjacent both on the wire and in the full
// record, so each run is one memcpy.
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

    MaskPlan() = default;
    explicit MaskPlan(const PresenceMask &mask);

    // The compiled mask: only the bits of the field table.
    const PresenceMask &mask() const { return m_mask; }
    // Field bytes that the mask promises.
    int wireSize() const { return m_wireSize; }
    int runCount() const { return m_runCount; }
    const Run &run(int index) const { return m_runs[index]; }

    // Clears the record, then copies from fields[0 .. length) every present
    // field that arrives whole. Returns the rows copied: the mask itself
    // unless the data end early, when the rows that were cut or missing stay
    // zero and are left out. Bytes beyond wireSize() are ignored.
    PresenceMask decode(const quint8 *fields, qsizetype length, FullRecord &record) const;

    // The field data of the present rows of a full record, packed.
    QByteArray encode(const FullRecord &record) const;

private:
    PresenceMask decodeShort(const quint8 *fields, qsizetype length, FullRecord &record) const;

    PresenceMask m_mask;
    std::array<Run, MaxRuns> m_runs{};
    int m_runCount = 0;
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
    bool decode(const void *record, qsizetype length, FullRecord &out, PresenceMask *present = nullptr);

    // The plan for a mask, compiled only when the mask differs from the last one.
    const MaskPlan &plan(const PresenceMask &mask);

    // A whole masked record (header and field data) of the present rows.
    static QByteArray encode(const FullRecord &record, const PresenceMask &mask, quint8 generation);

private:
    MaskPlan m_plan;
    PresenceMask m_key;
    bool m_hasPlan = false;
};

#endif // MASKPLAN_H
