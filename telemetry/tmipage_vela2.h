#ifndef TMIPAGE_VELA2_H
#define TMIPAGE_VELA2_H

#include "telemetry/extendedrecord.h"
#include "telemetry/fullrecord.h"
#include "telemetry/presencemask.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

// A second-generation page: a masked record (type 0xB0) decoded into the
// full record, or an extended record (type 0xB1). Each field is present or
// absent; the text of an absent field is "n/a".
//
// For an extended record the fixed fields it carries are also placed in the
// full record and count as present, so both kinds answer the same questions.
class TmiPage_Vela2 : public QObject
{
    Q_OBJECT

public:
    enum Mode : quint8 { Masked = 0, Extended = 1 };
    static constexpr int HeaderSize = 44;
    static constexpr int RawCapacity = 512;

    // From a record starting with its type byte, length bytes long. Another
    // type than 0xB0 or 0xB1 gives an empty page.
    TmiPage_Vela2(const void *record, qsizetype length, QObject *parent = nullptr);
    explicit TmiPage_Vela2(const ExtendedRecord &record, QObject *parent = nullptr);
    // A second-generation masked page of the given rows of a full record
    // (for instance read back from a text file).
    TmiPage_Vela2(const FullRecord &record, const PresenceMask &rows, QObject *parent = nullptr);

    bool isEmpty() const { return m_rawLength == 0 || (type() != 0xB0 && type() != 0xB1); }
    Mode mode() const { return Mode(m_mode); }
    quint8 type() const { return m_header[0]; }
    quint8 generation() const { return m_mode == Masked ? m_header[1] : 0; }

    // The first 44 bytes of the record as received (zero beyond its end).
    const std::array<quint8, HeaderSize> &header() const { return m_header; }
    // The record as received, up to 512 bytes.
    QByteArray rawRecord() const { return QByteArray(reinterpret_cast<const char *>(m_raw.data()), m_rawLength); }
    const FullRecord &fullRecord() const { return m_full; }
    const ExtendedRecord &extendedRecord() const { return m_extended; }

    // The rows whose fields are present: for a masked record those of its
    // mask that arrived whole.
    const PresenceMask &presence() const { return m_presence; }
    bool isPresent(int bit) const { return m_presence.test(bit); }
    bool isPresent(const FieldRef &field) const { return field.isValid() && m_presence.test(field.bit); }
    bool isPresent(QStringView name) const { return isPresent(FieldTable::find(name)); }

    // The 122 bits of the record's mask, "0"/"1", bit 0 first (for an
    // extended record, the rows it carries).
    QString maskText() const;

    quint32 pageNumber() const;
    quint32 time() const;
    // Bit 0 of State.
    bool isValid() const;
    // Bits 0 and 5 of Module1.
    bool gsmCondition() const;

    // Zero when absent.
    qint64 integer(const FieldRef &field) const { return isPresent(field) ? m_full.integer(field) : 0; }
    float real(const FieldRef &field) const { return isPresent(field) ? m_full.real(field) : 0.0f; }

    // The text of a field (TmiFormat), "n/a" when absent.
    QString text(const FieldRef &field) const;
    QString text(QStringView name) const;
    QStringList texts(const FieldRef &field) const;

    QString moduleText(int bit) const;
    QString gsmRegistrationText() const;
    QString module2Text() const;
    QString navigationPowerText() const;
    QString navigationFixText() const;
    QString validityText() const;
    // Inputs and outputs 0..15: 0..7 in StateIn1/StateOut1, 8..15 in StateIn2/StateOut2.
    QString inputText(int input) const;
    QString outputText(int output) const;

    // The dynamic elements of an extended record.
    QList<DynamicElement> dynamicElements() const;

private:
    void keepRaw(const quint8 *record, qsizetype length);
    const quint8 *locate(const FieldRef &field) const { return isPresent(field) ? m_full.at(field) : nullptr; }

    std::array<quint8, HeaderSize> m_header{};
    FullRecord m_full;
    std::array<quint8, RawCapacity> m_raw{};
    quint32 m_rawLength = 0;
    ExtendedRecord m_extended;
    quint8 m_mode = Masked;
    PresenceMask m_presence;
};

#endif // TMIPAGE_VELA2_H
