#include "telemetry/tmipage_vela.h"

#include "telemetry/tmiformat.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// F6 record layout: offsets of what the conversion reads.
namespace F6 {
constexpr int NumPage = 1;        // u32
constexpr int Code = 5;           // u16
constexpr int Time = 7;           // hour, minute, second
constexpr int Date = 10;          // day, month - 1, year - 2000
constexpr int States = 13;        // State, Module1, GSM, StateOut1, StateIn1
constexpr int Voltages = 18;      // Power, Reserv, StateU_Ain1..3 (u16 each)
constexpr int Counters = 28;      // StateIn_Imp1, StateIn_Imp2 (u32), Frequency1, Frequency2 (u16)
constexpr int CanFuelLevel = 40;  // i8
constexpr int CanFuelUse = 41;    // i16
constexpr int Levels = 44;        // seven u16, three bytes apart
constexpr int LevelStep = 3;
constexpr int Temps = 64;         // Temp1..Temp4
constexpr int CanAxleLoad = 68;   // u16
constexpr int CanEngineTurns = 72;// u16
constexpr int StateNGauge = 74;
constexpr int LastTime = 75;
constexpr int LastDate = 78;
constexpr int Navigation = 81;    // Latitude .. SecondsLast as in F8
} // namespace F6

constexpr int f8(std::string_view name)
{
    return F8Record::offsetOf(FieldTable::field(name));
}

// F8 offsets, resolved by the compiler.
constexpr int kCANAxleLoad1 = f8("CAN_AxleLoad_1");
constexpr int kCANAxleLoad2 = f8("CAN_AxleLoad_2");
constexpr int kCANEngineTurns = f8("CAN_EngineTurns");
constexpr int kCANFuelConsumption = f8("CAN_FuelConsumption");
constexpr int kCANFuelLevel = f8("CAN_FuelLevel");
constexpr int kCANFullRun = f8("CAN_FullRun");
constexpr int kCANPedalAccel = f8("CAN_PedalAccel");
constexpr int kCANSpeed = f8("CAN_Speed");
constexpr int kCANTemp = f8("CAN_Temp");
constexpr int kCANTimeTO = f8("CAN_TimeTO");
constexpr int kCode = f8("Code");
constexpr int kLastTime = f8("LastTime");
constexpr int kLatitude = f8("Latitude");
constexpr int kLevelRS4851 = f8("LevelRS485_1");
constexpr int kNumPage = f8("NumPage");
constexpr int kPower = f8("Power");
constexpr int kState = f8("State");
constexpr int kStateInImp1 = f8("StateIn_Imp1");
constexpr int kStateNGauge = f8("StateNGauge");
constexpr int kTemp1 = f8("Temp1");
constexpr int kTime = f8("Time");

// Spans copied in one piece must be laid out alike in F6 and F8.
static_assert(f8("StateIn1") - f8("State") == 4);
static_assert(f8("StateU_Ain3") - f8("Power") == 8);
static_assert(f8("Frequency2") - f8("StateIn_Imp1") == 10);
static_assert(f8("LevelRS232") - f8("LevelRS485_1") == 12);
static_assert(f8("Temp4") - f8("Temp1") == 3);
static_assert(f8("SecondsLast") + 2 - f8("Latitude") == 30);
static_assert(f8("CAN_AxleLoad_5") - f8("CAN_AxleLoad_2") == 6);
static_assert(f8("CAN_EngineLoad") - f8("CAN_PedalAccel") == 2);

constexpr qint64 daysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return qint64(era) * 146097 + doe - 719468;
}

constexpr int daysInMonth(int year, int month)
{
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

} // namespace

TmiPage_Vela::TmiPage_Vela(QObject *parent)
    : QObject(parent)
{
}

TmiPage_Vela::TmiPage_Vela(const F8Record &record, QObject *parent)
    : QObject(parent)
    , m_record(record)
{
}

quint32 TmiPage_Vela::calendarSeconds(const quint8 *time, const quint8 *date)
{
    const int hour = time[0], minute = time[1], second = time[2];
    const int day = date[0], month = date[1] + 1, year = date[2] + 2000;
    if (hour > 23 || minute > 59 || second > 59 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return 0;
    const qint64 seconds = daysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
    return seconds <= qint64(0xFFFFFFFFu) ? quint32(seconds) : 0;
}

F8Record TmiPage_Vela::convertF6(const void *data, qsizetype length)
{
    // A short record is read as if zero bytes followed it.
    std::array<quint8, F6Size> padded;
    const quint8 *in = static_cast<const quint8 *>(data);
    if (!data || length < F6Size) {
        padded.fill(0);
        if (data && length > 0)
            std::memcpy(padded.data(), data, size_t(length));
        in = padded.data();
    }

    F8Record record;
    quint8 *out = record.data();
    out[0] = F8Record::Type;
    std::memcpy(out + kNumPage, in + F6::NumPage, 4);
    std::memcpy(out + kCode, in + F6::Code, 2);
    TmiBytes::write<quint32>(out + kTime, calendarSeconds(in + F6::Time, in + F6::Date));
    std::memcpy(out + kState, in + F6::States, 5);
    std::memcpy(out + kPower, in + F6::Voltages, 10);
    std::memcpy(out + kStateInImp1, in + F6::Counters, 12);
    for (int i = 0; i < 7; ++i)
        std::memcpy(out + kLevelRS4851 + 2 * i, in + F6::Levels + F6::LevelStep * i, 2);
    std::memcpy(out + kTemp1, in + F6::Temps, 4);
    out[kStateNGauge] = in[F6::StateNGauge];
    TmiBytes::write<quint32>(out + kLastTime, calendarSeconds(in + F6::LastTime, in + F6::LastDate));
    std::memcpy(out + kLatitude, in + F6::Navigation, 30);

    TmiBytes::write<quint16>(out + kCANFuelLevel, quint16(qint16(qint8(in[F6::CanFuelLevel]))));
    TmiBytes::writeFloat(out + kCANFuelConsumption, float(TmiBytes::read<qint16>(in + F6::CanFuelUse)));
    std::memcpy(out + kCANEngineTurns, in + F6::CanEngineTurns, 2);
    std::memcpy(out + kCANAxleLoad1, in + F6::CanAxleLoad, 2);

    // What F6 does not carry: "no data" fill values.
    out[kCANTemp] = 0x80; // -128
    TmiBytes::writeFloat(out + kCANFullRun, -1.0f);
    std::memset(out + kCANAxleLoad2, 0xFF, 8);
    std::memset(out + kCANPedalAccel, 0xFF, 3);
    TmiBytes::write<quint16>(out + kCANTimeTO, 0xFFFF);
    out[kCANSpeed] = 0xFF;
    return record;
}

QString TmiPage_Vela::text(const FieldRef &field) const
{
    return TmiFormat::value(field, m_record.at(field));
}

QString TmiPage_Vela::text(QStringView name) const
{
    return text(FieldTable::find(name));
}

QStringList TmiPage_Vela::texts(const FieldRef &field) const
{
    return TmiFormat::values(field, m_record.at(field));
}

QString TmiPage_Vela::moduleText(int bit) const
{
    return TmiFormat::moduleBit(m_record.module1(), bit);
}

QString TmiPage_Vela::gsmRegistrationText() const
{
    return TmiFormat::gsmRegistration(m_record.module1());
}

QString TmiPage_Vela::navigationPowerText() const
{
    return TmiFormat::navigationPower(m_record.stateNGauge());
}

QString TmiPage_Vela::navigationFixText() const
{
    return TmiFormat::navigationFix(m_record.stateNGauge());
}

QString TmiPage_Vela::validityText() const
{
    return TmiFormat::navigationValidity(m_record.stateNGauge());
}

QString TmiPage_Vela::inputText(int input) const
{
    return input >= 0 && input < 8 ? TmiFormat::input(m_record.stateIn1(), input) : TmiFormat::notAvailable();
}

QString TmiPage_Vela::outputText(int output) const
{
    return output >= 0 && output < 8 ? TmiFormat::output(m_record.stateOut1(), output) : TmiFormat::notAvailable();
}
