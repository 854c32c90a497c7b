#ifndef TRACKERANSWERS_H
#define TRACKERANSWERS_H

#include <QByteArray>
#include <QList>

#include <optional>

// Tracker answers that the settings editor routes to its pages, cut into
// their fields. Each parser checks the answer's length (and leading text)
// and yields nothing for an answer that does not match.
namespace TrackerAnswers {

// A voltage written as four decimal digits of hundredths of a volt
// ("1384" is 13.84 V); nothing for other text.
std::optional<int> hundredths(const QByteArray &digits);

// State answer (2054): a six-character tag, two groups of three
// two-character fields, a four-character and an eight-character field and,
// in the 34-byte form only, a last four-character field.
struct StateRecord
{
    static constexpr int kLongLength = 34;
    static constexpr int kShortLength = 30;

    QByteArray tag;
    QByteArray groupA[3];
    QByteArray groupB[3];
    QByteArray field4;
    QByteArray field8;
    QByteArray last4; // empty in the short form

    bool isLong() const { return !last4.isEmpty(); }
    static std::optional<StateRecord> parse(const uchar *data, int length);

    // What the settings pages show of it; nothing when a field does not
    // hold what it should:
    //   field4  the supply voltage, hundredths of a volt in decimal digits ("1384")
    //   field8  the states of IN1, IN2, IN3, AIN1, O1 .. O4, each "0" or "1"
    //   last4   the backup battery's voltage, as field4
    std::optional<int> supplyHundredths() const { return hundredths(field4); }
    std::optional<int> batteryHundredths() const { return hundredths(last4); }
    std::optional<bool> state(int index) const;
};

// Accelerometer cycle answer (2056): 12 bytes; the twelfth character "1"
// (or the value 1) continues the polling cycle.
struct AccelCycle
{
    static constexpr int kLength = 12;
    QByteArray bytes;
    bool continues = false;
    static std::optional<AccelCycle> parse(const uchar *data, int length);
};

// Fuel level answer for the Sensors page (2077): 42 bytes beginning
// "*#FUEL_UN"; the byte at 9 counts the fields that follow; the 16-bit
// fields at 15, 17 and 19 are present when the count reaches 6, 8 and 10:
// the voltage of AIN1 in millivolts, the frequency on IN2 in hertz and the
// pulses counted on IN2 (the low 16 bits).
struct FuelLevels
{
    static constexpr int kLength = 42;
    enum Level { Ain1Millivolts, In2Hertz, In2Pulses };
    int count = 0;
    QList<int> levels;
    // A level, or nothing when the answer does not carry it.
    std::optional<int> level(Level which) const
    {
        return int(which) < levels.size() ? std::optional<int>(levels.at(int(which))) : std::nullopt;
    }
    static std::optional<FuelLevels> parse(const uchar *data, int length);
};

// System page answer (2079): 10 bytes, four characters at offset 6: the
// supply voltage measured with the engine running, as hundredths() reads it.
std::optional<QByteArray> parseSystemValue(const uchar *data, int length);
// CAN page answer (2081): 9 bytes, one character at offset 8.
std::optional<char> parseCanValue(const uchar *data, int length);

// Touch-memory read answer (2112): at least 8 bytes; one byte at 5 and a
// 16-bit value at 6.
struct TouchMemoryRead
{
    static constexpr int kMinLength = 8;
    quint8 status = 0;
    quint16 value = 0;
    static std::optional<TouchMemoryRead> parse(const uchar *data, int length);
};

} // namespace TrackerAnswers

#endif // TRACKERANSWERS_H
