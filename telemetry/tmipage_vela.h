#ifndef TMIPAGE_VELA_H
#define TMIPAGE_VELA_H

#include "telemetry/f8record.h"

#include <QObject>
#include <QString>
#include <QStringList>

// A first-generation page held as an F8 record: the F6 to F8 conversion and
// the F8 field accessors and texts that the F8 page shares. Every field F8
// carries is present; asking for one it does not carry gives "n/a".
class TmiPage_Vela : public QObject
{
    Q_OBJECT

public:
    static constexpr int F6Size = 111;
    static constexpr quint8 F6Type = 6;

    explicit TmiPage_Vela(QObject *parent = nullptr);
    explicit TmiPage_Vela(const F8Record &record, QObject *parent = nullptr);

    // The F8 form of an F6 record. Bytes of the F6 record beyond length read
    // as zero; a time whose calendar bytes name no valid UTC date-time up to
    // 2106 becomes 0.
    static F8Record convertF6(const void *f6, qsizetype length);
    // Seconds since 1970 of F6 calendar bytes (hour, minute, second) and
    // (day, month - 1, year - 2000); 0 when they name no such date-time.
    static quint32 calendarSeconds(const quint8 *time, const quint8 *date);

    const F8Record &record() const { return m_record; }
    void setRecord(const F8Record &record) { m_record = record; }

    quint32 pageNumber() const { return m_record.numPage(); }
    quint32 time() const { return m_record.time(); }
    bool isValid() const { return m_record.isValid(); }
    bool gsmCondition() const { return m_record.gsmCondition(); }

    bool isPresent(const FieldRef &field) const { return F8Record::offsetOf(field) >= 0; }
    qint64 integer(const FieldRef &field) const { return m_record.integer(field); }
    float real(const FieldRef &field) const { return m_record.real(field); }

    // The text of a field (TmiFormat).
    QString text(const FieldRef &field) const;
    QString text(QStringView name) const;
    QStringList texts(const FieldRef &field) const;

    QString moduleText(int bit) const;
    QString gsmRegistrationText() const;
    QString navigationPowerText() const;
    QString navigationFixText() const;
    QString validityText() const;
    // Inputs and outputs 0..7 (StateIn1, StateOut1).
    QString inputText(int input) const;
    QString outputText(int output) const;

protected:
    F8Record m_record;
};

#endif // TMIPAGE_VELA_H
