#include "telemetry/maskplan.h"

#include <cstring>

MaskPlan::MaskPlan(const PresenceMask &mask)
    : m_mask(mask.limited(FieldTable::RowCount))
{
    int wire = 0;
    for (int bit = 0; bit < FieldTable::RowCount; ++bit) {
        if (!m_mask.test(bit))
            continue;
        const FieldRow &row = FieldTable::row(bit);
        if (m_runCount > 0 && m_runs[m_runCount - 1].endBit == bit) {
            Run &run = m_runs[m_runCount - 1];
            run.length = quint16(run.length + row.width);
            run.endBit = quint8(bit + 1);
        } else {
            Run &run = m_runs[m_runCount++];
            run.wire = quint16(wire);
            run.record = row.offset;
            run.length = row.width;
            run.firstBit = quint8(bit);
            run.endBit = quint8(bit + 1);
        }
        wire += row.width;
    }
    m_wireSize = wire;

    int covered = 0;
    for (int i = 0; i < m_runCount; ++i) {
        if (m_runs[i].record > covered)
            m_gaps[m_gapCount++] = {quint16(covered), quint16(m_runs[i].record - covered)};
        covered = m_runs[i].record + m_runs[i].length;
    }
    if (covered < FullRecord::Size)
        m_gaps[m_gapCount++] = {quint16(covered), quint16(FullRecord::Size - covered)};
}

// The record has been cleared.
PresenceMask MaskPlan::decodeShort(const quint8 *fields, qsizetype length, FullRecord &record) const
{
    PresenceMask present;
    if (!fields)
        return present;
    quint8 *out = record.data();
    for (int i = 0; i < m_runCount; ++i) {
        const Run &run = m_runs[i];
        if (run.wire + run.length <= length) {
            std::memcpy(out + run.record, fields + run.wire, run.length);
            for (int bit = run.firstBit; bit < run.endBit; ++bit)
                present.set(bit);
            continue;
        }
        // The data end inside this run: keep the rows that arrived whole.
        qsizetype wire = run.wire;
        for (int bit = run.firstBit; bit < run.endBit; ++bit) {
            const FieldRow &row = FieldTable::row(bit);
            if (wire + row.width > length)
                break;
            std::memcpy(out + row.offset, fields + wire, row.width);
            present.set(bit);
            wire += row.width;
        }
        break;
    }
    return present;
}

QByteArray MaskPlan::encode(const FullRecord &record) const
{
    QByteArray fields(m_wireSize, Qt::Uninitialized);
    auto *out = reinterpret_cast<quint8 *>(fields.data());
    for (int i = 0; i < m_runCount; ++i) {
        const Run &run = m_runs[i];
        std::memcpy(out + run.wire, record.data() + run.record, run.length);
    }
    return fields;
}

const MaskPlan &MaskedDecoder::plan(const PresenceMask &mask)
{
    if (!m_hasPlan || m_key != mask) {
        m_plan = MaskPlan(mask);
        m_key = mask;
        m_hasPlan = true;
    }
    return m_plan;
}

bool MaskedDecoder::reject(FullRecord &out, PresenceMask *present)
{
    out.clear();
    if (present)
        *present = PresenceMask();
    return false;
}

QByteArray MaskedDecoder::encode(const FullRecord &record, const PresenceMask &mask, quint8 generation)
{
    const PresenceMask rows = mask.limited(FieldTable::RowCount);
    QByteArray out;
    out.reserve(HeaderSize + FieldTable::RecordSize);
    out.append(char(Type));
    out.append(char(generation));
    out.append(reinterpret_cast<const char *>(rows.data()), PresenceMask::Bytes);
    out.append(MaskPlan(rows).encode(record));
    return out;
}
