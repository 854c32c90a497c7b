#ifndef TRACKERANSWERS_H
#define TRACKERANSWERS_H

#include <QByteArray>
#include <QList>

#include <optional>

// Tracker answers that the settings editor routes to its pages, cut into
// their fields. Each parser checks the answer's length (and leading text)
// and yields nothing for an answer that does not match.
namespace TrackerAnswers {

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
// fields at 15, 17 and 19 are present when the count reaches 6, 8 and 10.
struct FuelLevels
{
    static constexpr int kLength = 42;
    int count = 0;
    QList<int> levels;
    static std::optional<FuelLevels> parse(const uchar *data, int length);
};

// System page answer (2079): 10 bytes, four characters at offset 6.
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
