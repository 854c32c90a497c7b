#ifndef ORV_TMIPAGE_F8_H
#define ORV_TMIPAGE_F8_H

#include "telemetry/tmipage_vela.h"

// A page of the telemetry window built from an F6 or F8 record. Its owner
// (the window) is its QObject parent. The first-generation mask is the one
// used when the page is written to a telemetry file; it starts as the mask
// of the F8 fields.
class ORV_TmiPage_F8 : public TmiPage_Vela
{
    Q_OBJECT

public:
    static constexpr qsizetype MinimumPayload = 3 + TmiPage_Vela::F6Size; // 114
    static constexpr int Prefix = 3;
    static constexpr int ShowPrefix = 13;

    // From a page message payload: the record starts at offset 3, or 13 with
    // the show flag. A type-6 record is converted to F8; any other type is
    // copied as far as the payload goes, up to 128 bytes, the rest zero.
    // Payloads shorter than 114 bytes leave the record zeroed.
    ORV_TmiPage_F8(QObject *owner, const void *payload, qsizetype length, bool showFlag);
    ORV_TmiPage_F8(QObject *owner, const F8Record &record);

    QObject *owner() const { return parent(); }

    const PresenceMask &mask() const { return m_mask; }
    // Only bits 0..68 are kept.
    void setMask(const PresenceMask &mask);

    // The record's fields under the page's mask (first-generation field data).
    QByteArray serialise() const { return m_record.serialise(m_mask); }
    QByteArray serialise(const PresenceMask &mask) const { return m_record.serialise(mask); }

private:
    PresenceMask m_mask = F8Record::fieldMask();
};

#endif // ORV_TMIPAGE_F8_H
