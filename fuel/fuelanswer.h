#ifndef FUELANSWER_H
#define FUELANSWER_H

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// The tracker's answer to a fuel reading request (2074 -> 2075): exactly 42
// bytes beginning "*#FUEL_UN"; the byte at 9 is a count N, and a field that
// starts at offset k is present only when N >= k - 9. Fields are
// little-endian, unsigned.
//
//   offset  size  field
//     11      2   F1 sensor code
//     15      2   A1 voltage, millivolts
//     25      2   D1 sensor code (one byte of it at 24 is not shown)
//     28 .. 40    D2 .. D6, every 3 bytes in the same way
//
// The other fields (13, 17, 19, 21) carry values no window shows.
class FuelAnswer
{
public:
    static constexpr int kLength = 42;
    static constexpr char kTag[] = "*#FUEL_UN";
    static constexpr int kTagLength = 9;
    static constexpr int kDigitalCount = 6;

    // Nothing for a null buffer, a length other than 42 or another leading text.
    static std::optional<FuelAnswer> parse(const uchar *data, int length);

    int count() const { return m_count; }
    std::optional<quint16> f1() const { return m_f1; }
    std::optional<quint16> a1Millivolts() const { return m_a1; }
    // D1 .. D6 for index 0 .. 5.
    std::optional<quint16> digital(int index) const;

    // Millivolts as the reading line edit shows volts: two decimals, rounded
    // half up on whole millivolts (12345 -> "12.35", 0 -> "0.00").
    static QString volts(quint16 millivolts);

    // Offsets of the shown fields.
    static constexpr int kF1Offset = 11;
    static constexpr int kA1Offset = 15;
    static constexpr int kD1Offset = 25;
    static constexpr int kDigitalStride = 3;

private:
    int m_count = 0;
    std::optional<quint16> m_f1;
    std::optional<quint16> m_a1;
    std::array<std::optional<quint16>, kDigitalCount> m_digital{};
};

#endif // FUELANSWER_H
