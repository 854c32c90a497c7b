#ifndef TMITEXTFORMAT_H
#define TMITEXTFORMAT_H

#include "telemetry/fieldtable.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>

class TmiTextBuffer;

// Texts of telemetry values written straight into an export file's bytes.
// Gives byte for byte the texts of TmiFormat (the page view's), in the code
// page of the file, without building a QString per value: an export of a
// hundred thousand pages formats several million values.
namespace TmiText {

// Each writes at p (room for TmiTextBuffer::MaxPiece bytes) and returns the end.
char *decimal(char *p, qint64 value);
// As QString::number(value, 'f', decimals): the exact binary value rounded
// half away from zero; -0.0 has no sign.
char *fixed(char *p, double value, int decimals);
// The shortest decimal that reads back as the same double, never with an
// exponent ("37.5", "0.000001").
char *shortestFixed(char *p, double value);
// As TmiFormat::shortest.
char *shortest(char *p, float value);
char *shortest(char *p, double value);
// "hh:mm:ss dd.MM.yyyy" and "dd.MM.yyyy H:mm:ss" of seconds since 1970, UTC.
char *dateTime(char *p, quint32 seconds);
char *xmlDateTime(char *p, quint32 seconds);
// "deg min'" of 1/600000 degree, as TmiFormat::coordinate.
char *coordinate(char *p, qint32 value);

} // namespace TmiText

// The texts of F6/F8 field values and of their bits, as the page view
// shows them, in the export's code page and escaped for its format. The
// texts of the catalogue are looked up and escaped once per export.
class TmiTextFormat
{
public:
    // Turns a text into the export's bytes (code page and escaping).
    using Encoder = std::function<QByteArray(const QString &)>;

    explicit TmiTextFormat(Encoder encoder);

    // The text of a field of an F8 record (bytes at the field), as
    // TmiFormat::value gives it.
    void value(TmiTextBuffer &out, const FieldRef &field, const quint8 *bytes) const;

    // Bit texts as TmiFormat gives them.
    void onOff(TmiTextBuffer &out, quint32 value, int bit) const;    // inputs, receiver, flags
    void output(TmiTextBuffer &out, quint32 value, int bit) const;   // outputs
    void moduleBit(TmiTextBuffer &out, quint8 module1, int bit) const; // bits 7, 6, 5, 3, 1
    void navigationFix(TmiTextBuffer &out, quint8 stateNGauge) const;
    void navigationValidity(TmiTextBuffer &out, quint8 stateNGauge) const;

    QByteArray encode(const QString &text) const { return m_encoder(text); }

private:
    enum Text {
        On, Off, OutputOn, OutputOff, Fix, NoFix, Yes, No, NoSignal, NotAvailable,
        FuelUnit, TempUnit, SpeedUnit, ModuleSet1, ModuleClear1 = ModuleSet1 + 8, TextCount = ModuleClear1 + 8
    };
    const QByteArray &text(Text t) const { return m_texts[t]; }

    Encoder m_encoder;
    std::array<QByteArray, TextCount> m_texts;
};

#endif // TMITEXTFORMAT_H
