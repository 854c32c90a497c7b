#ifndef TMIFORMAT_H
#define TMIFORMAT_H

#include "telemetry/fieldtable.h"

#include <QString>
#include <QStringList>

// Texts of telemetry values for the user. Every text that is not a number
// is a text key looked up in the host's catalogue (context "TmiFormat").
class TmiFormat
{
public:
    // The text of an absent value: "n/a".
    static QString notAvailable();

    // A member's value as its format says; "n/a" when bytes is null (the
    // field is absent). List formats are joined with ", ".
    static QString value(const FieldRef &field, const quint8 *bytes);
    // The same for formats that give several texts (TahoState, TahoFlags,
    // AinfState, CameraState); one text for the others.
    static QStringList values(const FieldRef &field, const quint8 *bytes);

    // Single values.
    static QString dateTime(quint32 seconds);    // "hh:mm:ss dd.MM.yyyy", UTC
    static QString xmlDateTime(quint32 seconds); // "dd.MM.yyyy H:mm:ss", UTC
    static QString coordinate(qint32 value);     // 1/600000 degree
    static QString naviCoordinate(qint64 value); // 1/600000000 degree
    static QString fixed(double value, int decimals);
    static QString shortest(float value);
    static QString shortest(double value);
    static QString volts(quint32 millivolts);
    static QString gsmLevel(quint8 value);
    // Empty for 0x7FFF and 0xFFFF (no value).
    static QString canFuelLevel(quint16 value);
    static QString canLevelFiltr(quint16 value);
    static QString percent(qint64 value);
    static QString canTemp(qint8 value);
    static QString hours(quint32 seconds);
    static QString canSpeed(quint8 value);
    static QString dbm(qint8 value);
    static QString accelMagnitude(quint16 value);
    static QString module2(quint8 value);
    static QString dispCur(quint8 value);
    static QString tahoMode(quint8 value);
    // Tachograph connection (bits 0..1), then the cards (bits 4..7).
    static QStringList tahoState(quint8 value);
    // One text per flag bit, bit 0 first.
    static QStringList tahoFlags(quint16 value);
    // The texts of the bits set; value 0 has a text of its own.
    static QStringList ainfState(quint8 value);
    // The texts of the bits set.
    static QStringList cameraState(quint8 value);

    // Bits of Module1: 7, 6, 5, 3 and 1 have texts (empty for the others).
    static QString moduleBit(quint8 module1, int bit);
    // GSM registration from bits 0, 5 and 6 of Module1.
    static QString gsmRegistration(quint8 module1);
    // StateNGauge bit 0 (receiver on), bit 1 (fix valid) and bit 1 as yes/no.
    static QString navigationPower(quint8 stateNGauge);
    static QString navigationFix(quint8 stateNGauge);
    static QString navigationValidity(quint8 stateNGauge);
    // One input or output bit.
    static QString input(quint32 stateIn, int bit);
    static QString output(quint32 stateOut, int bit);
    // One bit of a value with the texts of two keys (first when set).
    static QString bit(quint32 value, int bit, const char *keySet, const char *keyClear);

private:
    static QString text(const char *key);
};

#endif // TMIFORMAT_H
