#ifndef PLUGINMESSAGE_H
#define PLUGINMESSAGE_H

#include "host/hostmessages.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

// One parameter of a message, held by value. Host -> plug-in messages are
// built from these and turned into pointers only for the duration of the
// ReceiveMessage call; plug-in -> host requests are copied into them as soon
// as the callback is entered, so nothing keeps a pointer into the plug-in.
struct MessageArg
{
    enum class Type {
        Int,     // a plain integer
        IntRef,  // address of an int32 (number holds the value)
        BoolRef, // address of a one-byte boolean (number holds 0 or 1)
        Text,    // address of a QString
        Texts,   // address of a record of QStrings
        Bytes,   // address of bytes
        Address, // an address the host does not read (number holds it)
        Invalid  // an address that cannot be read (null or not plausible)
    };

    Type type = Type::Int;
    qint64 number = 0;
    QStringList texts;
    QByteArray bytes;

    static MessageArg integer(qint64 value);
    static MessageArg intRef(int32_t value);
    static MessageArg boolRef(bool value);
    static MessageArg text(const QString &value);
    static MessageArg textList(const QStringList &values);
    static MessageArg byteBlock(const QByteArray &value);
    static MessageArg address(intptr_t value);
    static MessageArg invalid(intptr_t value);

    QString firstText() const { return texts.value(0); }
    bool operator==(const MessageArg &other) const;
    bool operator!=(const MessageArg &other) const { return !(*this == other); }
};

struct PluginMessage
{
    uint32_t msgId = 0;
    HostMessages::Direction direction = HostMessages::Direction::ToPlugin;
    MessageArg p1;
    MessageArg p2;

    // Host -> plug-in messages, one builder per parameter layout.
    static PluginMessage plain(uint32_t msgId, qint64 p1 = 0, qint64 p2 = 0);
    static PluginMessage intRef(uint32_t msgId, int32_t value);
    static PluginMessage boolRef(uint32_t msgId, bool value = false);
    static PluginMessage text(uint32_t msgId, const QString &text, qint64 p2 = 0);
    static PluginMessage twoTexts(uint32_t msgId, const QString &first, const QString &second);
    // Exactly four texts: missing ones are empty, extra ones are dropped.
    static PluginMessage texts4(uint32_t msgId, const QStringList &texts);
    // p1 = bytes, p2 = their count.
    static PluginMessage buffer(uint32_t msgId, const QByteArray &bytes);
    // p1 = text, p2 = two int32 {first, second}.
    static PluginMessage textAndInts(uint32_t msgId, const QString &text, int32_t first, int32_t second);
    // p1 = address of the bytes, p2 a plain integer.
    static PluginMessage value(uint32_t msgId, const QByteArray &bytes, qint64 p2 = 0);
    static PluginMessage value64(uint32_t msgId, quint64 number, qint64 p2 = 0);

    // A request the plug-in made through the callback: reads what p1 and p2
    // point to as the catalogue describes the number, copying it. Numbers the
    // catalogue does not know are kept as plain integers and never read.
    static PluginMessage fromRequest(uint32_t msgId, intptr_t p1, intptr_t p2);

    // Catalogue entry of this number in this direction, or nullptr.
    const HostMessages::MessageInfo *info() const { return HostMessages::find(msgId, direction); }

    bool operator==(const PluginMessage &other) const;
    bool operator!=(const PluginMessage &other) const { return !(*this == other); }
};

namespace MessageBytes {
// Little-endian fields of byte blocks; 0 when the block is too short.
int32_t readI32(const QByteArray &bytes, int offset);
quint64 readU64(const QByteArray &bytes, int offset);
void writeI32(QByteArray &bytes, int offset, int32_t value);
QByteArray fromU64(quint64 value);
} // namespace MessageBytes

// Whether an address passed by the plug-in may be read: not null, not in
// the first page range where small integers live, and not negative.
bool isPlausibleAddress(intptr_t address);

// Largest buffer copied out of a buf,len request.
constexpr int kMaxRequestBuffer = 1 << 20;

#endif // PLUGINMESSAGE_H
