#ifndef BLUETOOTHANSWER_H
#define BLUETOOTHANSWER_H

#include <QString>

#include <optional>

// One device found by the tracker's Bluetooth search.
struct BluetoothDevice
{
    QString name;    // as the device calls itself; its address when it gives no name
    QString address; // as the tracker writes it ("00:1A:7D:DA:71:13")

    bool operator==(const BluetoothDevice &other) const
    {
        return name == other.name && address == other.address;
    }
};

// An answer of the tracker's Bluetooth search (message 2131), cut into its
// fields. Two layouts, told apart by their leading text ("*#BTDEV" is
// tested before "*#BT", which it begins with):
//
//   *#BTDEV<s>                 the search state in byte 7: '0' running,
//                              '1' ended, '2' failed, '3' cancelled
//   *#BT..."<name>"<sep><address><end>
//                              one device: the name stands between the first
//                              double quote at or after byte 3 and the next
//                              one; after the closing quote come one
//                              separator, the address and one last character
//                              (the line end), which is not part of it.
//
// Device names and addresses come from any device in radio range: they are
// decoded from the local code page, control characters become '?', and each
// is cut to what a settings value holds. An answer that does not fit its
// layout (too short for it, no closing quote, no address after the quote,
// a state byte out of range) yields nothing.
struct BluetoothAnswer
{
    enum class Kind { State, Device };
    enum SearchState { Running = 0, Ended = 1, Failed = 2, Cancelled = 3 };

    static constexpr int kStateLength = 8; // "*#BTDEV" and the state byte
    static constexpr int kMaxText = 254;   // characters of a name or an address

    Kind kind = Kind::State;
    SearchState state = Running;
    BluetoothDevice device;

    static std::optional<BluetoothAnswer> parse(const unsigned char *data, int length);
};

#endif // BLUETOOTHANSWER_H
