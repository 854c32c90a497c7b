#include "telemetry/orv_tmipage_f8.h"

ORV_TmiPage_F8::ORV_TmiPage_F8(QObject *owner, const void *payload, qsizetype length, bool showFlag)
    : TmiPage_Vela(owner)
{
    if (!payload || length < MinimumPayload)
        return;
    const int start = showFlag ? ShowPrefix : Prefix;
    const auto *record = static_cast<const quint8 *>(payload) + start;
    const qsizetype held = length - start;
    if (record[0] == F6Type)
        m_record = convertF6(record, held);
    else
        m_record = F8Record(record, held);
}

ORV_TmiPage_F8::ORV_TmiPage_F8(QObject *owner, const F8Record &record)
    : TmiPage_Vela(record, owner)
{
}

void ORV_TmiPage_F8::setMask(const PresenceMask &mask)
{
    m_mask = mask.limited(FieldTable::FirstGenerationRows);
}
