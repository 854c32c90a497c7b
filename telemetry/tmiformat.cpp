#include "telemetry/tmiformat.h"

#include "telemetry/tmibytes.h"
#include "telemetry/tmifieldtext.h"
#include "telemetry/tmitext.h"

#include <QCoreApplication>

namespace {

const char *const kModule2[] = {
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_337"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_338"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_339"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1089"),
};

const char *const kDispCur[] = {
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1095"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1096"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1097"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1098"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1099"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1100"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1101"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1102"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1103"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1104"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1105"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1106"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1107"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1108"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1109"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1110"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1111"),
};

// Driver activity 0..4; any other value has the last text.
const char *const kTahoMode[] = {
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1079"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1080"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1081"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1082"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1083"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1090"),
};

// TahoState bits 0..1: the tachograph link.
const char *const kTahoLink[] = {
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1075"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1076"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1077"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1078"),
};

// TahoState bits 4..7: the driver cards 0..3; any other value has the last text.
const char *const kTahoCards[] = {
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1071"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1072"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1073"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1074"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1089"),
};

// AinfState 0, then bits 0..7.
const char *const kAinfIdle = QT_TRANSLATE_NOOP("TmiFormat", "K4810_1120");
const char *const kAinfBits[] = {
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1121"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1122"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1123"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1124"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1125"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1126"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1127"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1128"),
};

// CameraState bits 0..7.
const char *const kCameraBits[] = {
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1135"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1136"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1137"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1138"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1139"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1140"),
    QT_TRANSLATE_NOOP("TmiFormat", "K4810_1141"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_1142"),
};

// A text of ASCII pieces and catalogue texts (TmiFieldText's Out).
class TextOut
{
public:
    char *space() { return m_buffer; }
    void advanceTo(char *end) { m_text += QLatin1String(m_buffer, end - m_buffer); }
    void text(TmiFieldText::Text which) { m_text += TmiFieldText::text(which); }
    void other(const QString &text) { m_text += text; }
    QString take() { return std::move(m_text); }

private:
    char m_buffer[TmiText::MaxText];
    QString m_text;
};

template<typename Write>
QString ascii(Write write)
{
    char buffer[TmiText::MaxText];
    return QString::fromLatin1(buffer, write(buffer) - buffer);
}

// A value of the given width and format, as a field of the table shows it.
QString formatted(WireType type, ValueFormat format, qint64 value)
{
    quint8 bytes[8];
    TmiBytes::writeInteger(type, bytes, value);
    FieldRef field;
    field.index = 0;
    field.size = quint8(wireTypeSize(type));
    field.type = type;
    field.format = format;
    TextOut out;
    TmiFieldText::write(out, field, bytes);
    return out.take();
}

} // namespace

QString TmiFormat::text(const char *key)
{
    return QCoreApplication::translate("TmiFormat", key);
}

QString TmiFormat::notAvailable()
{
    return QStringLiteral("n/a");
}

QString TmiFormat::dateTime(quint32 seconds)
{
    return ascii([seconds](char *p) { return TmiText::dateTime(p, seconds); });
}

QString TmiFormat::xmlDateTime(quint32 seconds)
{
    return ascii([seconds](char *p) { return TmiText::xmlDateTime(p, seconds); });
}

QString TmiFormat::coordinate(qint32 value)
{
    return ascii([value](char *p) { return TmiText::coordinate(p, value); });
}

QString TmiFormat::naviCoordinate(qint64 value)
{
    return ascii([value](char *p) { return TmiText::naviCoordinate(p, value); });
}

QString TmiFormat::fixed(double value, int decimals)
{
    return ascii([value, decimals](char *p) { return TmiText::fixed(p, value, decimals); });
}

QString TmiFormat::shortest(float value)
{
    return ascii([value](char *p) { return TmiText::shortest(p, value); });
}

QString TmiFormat::shortest(double value)
{
    return ascii([value](char *p) { return TmiText::shortest(p, value); });
}

QString TmiFormat::volts(quint32 millivolts)
{
    return fixed(millivolts / 1000.0, 2);
}

QString TmiFormat::gsmLevel(quint8 value)
{
    return formatted(WireType::U8, ValueFormat::GsmLevel, value);
}

QString TmiFormat::canFuelLevel(quint16 value)
{
    return formatted(WireType::U16, ValueFormat::CanFuelLevel, value);
}

QString TmiFormat::canLevelFiltr(quint16 value)
{
    return formatted(WireType::U16, ValueFormat::CanLevelFiltr, value);
}

QString TmiFormat::percent(qint64 value)
{
    return formatted(WireType::I64, ValueFormat::Percent, value);
}

QString TmiFormat::canTemp(qint8 value)
{
    return formatted(WireType::I8, ValueFormat::CanTemp, value);
}

QString TmiFormat::hours(quint32 seconds)
{
    return formatted(WireType::U32, ValueFormat::Hours, seconds);
}

QString TmiFormat::canSpeed(quint8 value)
{
    return formatted(WireType::U8, ValueFormat::CanSpeed, value);
}

QString TmiFormat::dbm(qint8 value)
{
    return formatted(WireType::I8, ValueFormat::Dbm, value);
}

QString TmiFormat::accelMagnitude(quint16 value)
{
    return formatted(WireType::U16, ValueFormat::AccelMagnitude, value);
}

QString TmiFormat::module2(quint8 value)
{
    return text(kModule2[value & 0x03]);
}

QString TmiFormat::dispCur(quint8 value)
{
    if (value < std::size(kDispCur))
        return text(kDispCur[value]);
    return QString::number(value);
}

QString TmiFormat::tahoMode(quint8 value)
{
    return text(kTahoMode[std::min<size_t>(value, std::size(kTahoMode) - 1)]);
}

QStringList TmiFormat::tahoState(quint8 value)
{
    const int cards = value >> 4;
    return {text(kTahoLink[value & 0x03]), text(kTahoCards[std::min<size_t>(cards, std::size(kTahoCards) - 1)])};
}

QStringList TmiFormat::tahoFlags(quint16 value)
{
    QStringList list;
    for (int b = 0; b < 16; ++b)
        list << bit(value, b, QT_TRANSLATE_NOOP("TmiFormat", "K4810_799"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_798"));
    return list;
}

QStringList TmiFormat::ainfState(quint8 value)
{
    if (value == 0)
        return {text(kAinfIdle)};
    QStringList list;
    for (int b = 0; b < 8; ++b) {
        if (value & (1u << b))
            list << text(kAinfBits[b]);
    }
    return list;
}

QStringList TmiFormat::cameraState(quint8 value)
{
    QStringList list;
    for (int b = 0; b < 8; ++b) {
        if (value & (1u << b))
            list << text(kCameraBits[b]);
    }
    return list;
}

QString TmiFormat::bit(quint32 value, int bit, const char *keySet, const char *keyClear)
{
    const bool set = bit >= 0 && bit < 32 && (value & (1u << bit)) != 0;
    return text(set ? keySet : keyClear);
}

QString TmiFormat::moduleBit(quint8 module1, int b)
{
    switch (b) {
    case 7:
        return bit(module1, 7, QT_TRANSLATE_NOOP("TmiFormat", "K4810_796"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_795"));
    case 6:
        return bit(module1, 6, QT_TRANSLATE_NOOP("TmiFormat", "K4810_787"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_794"));
    case 5:
        return bit(module1, 5, QT_TRANSLATE_NOOP("TmiFormat", "K4810_793"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_792"));
    case 3:
        return bit(module1, 3, QT_TRANSLATE_NOOP("TmiFormat", "K4810_791"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_790"));
    case 1:
        return bit(module1, 1, QT_TRANSLATE_NOOP("TmiFormat", "K4810_789"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_788"));
    default:
        return QString();
    }
}

QString TmiFormat::gsmRegistration(quint8 module1)
{
    // bit 0: GSM module on; bit 5: registered; bit 6: roaming
    if (!(module1 & 0x01))
        return text(QT_TRANSLATE_NOOP("TmiFormat", "K4810_784"));
    if (!(module1 & 0x20))
        return text(QT_TRANSLATE_NOOP("TmiFormat", "K4810_785"));
    if (!(module1 & 0x40))
        return text(QT_TRANSLATE_NOOP("TmiFormat", "K4810_786"));
    return text(QT_TRANSLATE_NOOP("TmiFormat", "K4810_787"));
}

QString TmiFormat::navigationPower(quint8 stateNGauge)
{
    return bit(stateNGauge, 0, QT_TRANSLATE_NOOP("TmiFormat", "K4810_799"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_798"));
}

QString TmiFormat::navigationFix(quint8 stateNGauge)
{
    return bit(stateNGauge, 1, QT_TRANSLATE_NOOP("TmiFormat", "K4810_803"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_802"));
}

QString TmiFormat::navigationValidity(quint8 stateNGauge)
{
    return bit(stateNGauge, 1, QT_TRANSLATE_NOOP("TmiFormat", "K4810_001"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_002"));
}

QString TmiFormat::input(quint32 stateIn, int b)
{
    return bit(stateIn, b, QT_TRANSLATE_NOOP("TmiFormat", "K4810_799"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_798"));
}

QString TmiFormat::output(quint32 stateOut, int b)
{
    return bit(stateOut, b, QT_TRANSLATE_NOOP("TmiFormat", "K4810_801"), QT_TRANSLATE_NOOP("TmiFormat", "K4810_800"));
}

QStringList TmiFormat::values(const FieldRef &field, const quint8 *bytes)
{
    if (!bytes || !field.isValid())
        return {notAvailable()};
    const qint64 v = TmiBytes::readInteger(field.type, bytes);
    switch (field.format) {
    case ValueFormat::TahoState:
        return tahoState(quint8(v));
    case ValueFormat::TahoFlags:
        return tahoFlags(quint16(v));
    case ValueFormat::AinfState:
        return ainfState(quint8(v));
    case ValueFormat::CameraState:
        return cameraState(quint8(v));
    default:
        return {value(field, bytes)};
    }
}

QString TmiFormat::value(const FieldRef &field, const quint8 *bytes)
{
    TextOut out;
    TmiFieldText::write(out, field, bytes);
    return out.take();
}

QString TmiFieldText::text(Text which)
{
    switch (which) {
    case Text::NotAvailable:
        return TmiFormat::notAvailable();
    case Text::NoSignal:
        return QCoreApplication::translate("TmiFormat", QT_TRANSLATE_NOOP("TmiFormat", "K4810_797"));
    case Text::FuelUnit:
        return QLatin1Char(' ') + QCoreApplication::translate("TmiFormat", QT_TRANSLATE_NOOP("TmiFormat", "K4810_852"));
    case Text::TempUnit:
        return QLatin1Char(' ') + QCoreApplication::translate("TmiFormat", QT_TRANSLATE_NOOP("TmiFormat", "K4810_017"));
    case Text::SpeedUnit:
        return QLatin1Char(' ') + QCoreApplication::translate("TmiFormat", QT_TRANSLATE_NOOP("TmiFormat", "K4810_853"));
    }
    return QString();
}
