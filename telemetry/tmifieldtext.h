#ifndef TMIFIELDTEXT_H
#define TMIFIELDTEXT_H

#include "telemetry/fieldtable.h"
#include "telemetry/tmibytes.h"
#include "telemetry/tmiformat.h"
#include "telemetry/tmitext.h"

#include <cstring>

// The text of a field's value: the one set of rules behind both the texts
// the windows show (TmiFormat::value, a QString) and the bytes the export
// files hold (TmiTextFormat::value, in the file's code page and escaping).
//
// Out takes the pieces:
//   char *space()                  room for TmiText::MaxText bytes of ASCII
//   void advanceTo(char *end)      takes what was written there
//   void text(TmiFieldText::Text)  one of the texts below
//   void other(const QString &)    a text of the catalogue (enumerations)
namespace TmiFieldText {

enum class Text {
    NotAvailable, // "n/a"
    NoSignal,     // GSM level 99
    FuelUnit,     // " " and the unit of the CAN fuel level
    TempUnit,     // " " and the unit of the CAN temperature
    SpeedUnit,    // " " and the unit of the CAN speed
};

// The catalogue text of each (TmiFormat's context), as shown to the user.
QString text(Text which);

template<typename Out>
void percentOf(Out &out, char *p, qint64 value)
{
    p = TmiText::decimal(p, value);
    *p++ = ' ';
    *p++ = '%';
    out.advanceTo(p);
}

template<typename Out>
void write(Out &out, const FieldRef &field, const quint8 *bytes)
{
    if (!bytes || !field.isValid()) {
        out.text(Text::NotAvailable);
        return;
    }
    const qint64 v = TmiBytes::readInteger(field.type, bytes);
    char *p = out.space();
    switch (field.format) {
    case ValueFormat::Decimal:
        out.advanceTo(TmiText::decimal(p, v));
        return;
    case ValueFormat::SignedDecimal:
        out.advanceTo(TmiText::decimal(p, qint8(quint8(v))));
        return;
    case ValueFormat::DateTime:
        out.advanceTo(TmiText::dateTime(p, quint32(v)));
        return;
    case ValueFormat::Coordinate:
        out.advanceTo(TmiText::coordinate(p, qint32(v)));
        return;
    case ValueFormat::NaviCoordinate:
        out.advanceTo(TmiText::naviCoordinate(p, v));
        return;
    case ValueFormat::Fixed2:
        out.advanceTo(TmiText::fixed(p, double(TmiBytes::readFloat(bytes)), 2));
        return;
    case ValueFormat::Hundredths:
        out.advanceTo(TmiText::fixed(p, v / 100.0, 2));
        return;
    case ValueFormat::Tenths:
        out.advanceTo(TmiText::fixed(p, v / 10.0, 1));
        return;
    case ValueFormat::Volts:
        out.advanceTo(TmiText::fixed(p, quint32(v) / 1000.0, 2));
        return;
    case ValueFormat::GsmLevel:
        if (quint8(v) == 99)
            out.text(Text::NoSignal);
        else
            out.advanceTo(TmiText::decimal(p, quint8(v) * 322 / 100));
        return;
    case ValueFormat::CanFuelLevel: {
        const quint16 level = quint16(v);
        if (level == 0x7FFF || level == 0xFFFF)
            return; // no value
        if (level & 0x8000) {
            percentOf(out, p, level & 0x7FFF);
            return;
        }
        out.advanceTo(TmiText::shortestFixed(p, level / 10.0));
        out.text(Text::FuelUnit);
        return;
    }
    case ValueFormat::CanLevelFiltr: {
        p = TmiText::shortestFixed(p, quint16(v) / 10.0);
        *p++ = ' ';
        *p++ = '%';
        out.advanceTo(p);
        return;
    }
    case ValueFormat::Percent:
        percentOf(out, p, v);
        return;
    case ValueFormat::CanTemp:
        if (qint8(v) == -128) {
            out.text(Text::NotAvailable);
            return;
        }
        out.advanceTo(TmiText::decimal(p, qint8(v)));
        out.text(Text::TempUnit);
        return;
    case ValueFormat::Hours:
        out.advanceTo(TmiText::shortest(p, quint32(v) / 3600.0));
        return;
    case ValueFormat::Shortest:
        out.advanceTo(TmiText::shortest(p, TmiBytes::readFloat(bytes)));
        return;
    case ValueFormat::CanSpeed:
        out.advanceTo(TmiText::decimal(p, quint8(v)));
        out.text(Text::SpeedUnit);
        return;
    case ValueFormat::Dbm: {
        p = TmiText::decimal(p, qint8(v));
        std::memcpy(p, " dBm", 4);
        out.advanceTo(p + 4);
        return;
    }
    case ValueFormat::Thousandths:
        out.advanceTo(TmiText::fixed(p, v / 1000.0, 3));
        return;
    case ValueFormat::AccelMagnitude:
        if (quint16(v) == 0xFFFF) {
            std::memcpy(p, "> 655.34", 8);
            out.advanceTo(p + 8);
            return;
        }
        out.advanceTo(TmiText::fixed(p, quint16(v) / 100.0, 2));
        return;
    case ValueFormat::Module2:
        out.other(TmiFormat::module2(quint8(v)));
        return;
    case ValueFormat::DispCur:
        out.other(TmiFormat::dispCur(quint8(v)));
        return;
    case ValueFormat::TahoMode:
        out.other(TmiFormat::tahoMode(quint8(v)));
        return;
    case ValueFormat::TahoState:
        out.other(TmiFormat::tahoState(quint8(v)).join(QStringLiteral(", ")));
        return;
    case ValueFormat::TahoFlags:
        out.other(TmiFormat::tahoFlags(quint16(v)).join(QStringLiteral(", ")));
        return;
    case ValueFormat::AinfState:
        out.other(TmiFormat::ainfState(quint8(v)).join(QStringLiteral(", ")));
        return;
    case ValueFormat::CameraState:
        out.other(TmiFormat::cameraState(quint8(v)).join(QStringLiteral(", ")));
        return;
    }
    out.advanceTo(TmiText::decimal(p, v));
}

} // namespace TmiFieldText

#endif // TMIFIELDTEXT_H
