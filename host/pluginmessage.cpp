#include "host/pluginmessage.h"

#include <QDateTime>

#include <cstring>

using HostMessages::Direction;
using HostMessages::ParamKind;

MessageArg MessageArg::integer(qint64 value)
{
    MessageArg a;
    a.type = Type::Int;
    a.number = value;
    return a;
}

MessageArg MessageArg::intRef(int32_t value)
{
    MessageArg a;
    a.type = Type::IntRef;
    a.number = value;
    return a;
}

MessageArg MessageArg::boolRef(bool value)
{
    MessageArg a;
    a.type = Type::BoolRef;
    a.number = value ? 1 : 0;
    return a;
}

MessageArg MessageArg::text(const QString &value)
{
    MessageArg a;
    a.type = Type::Text;
    a.texts = QStringList{value};
    return a;
}

MessageArg MessageArg::textList(const QStringList &values)
{
    MessageArg a;
    a.type = Type::Texts;
    a.texts = values;
    return a;
}

MessageArg MessageArg::byteBlock(const QByteArray &value)
{
    MessageArg a;
    a.type = Type::Bytes;
    a.bytes = value;
    return a;
}

MessageArg MessageArg::address(intptr_t value)
{
    MessageArg a;
    a.type = Type::Address;
    a.number = qint64(value);
    return a;
}

MessageArg MessageArg::invalid(intptr_t value)
{
    MessageArg a;
    a.type = Type::Invalid;
    a.number = qint64(value);
    return a;
}

bool MessageArg::operator==(const MessageArg &other) const
{
    return type == other.type && number == other.number && texts == other.texts && bytes == other.bytes;
}

PluginMessage PluginMessage::plain(uint32_t msgId, qint64 p1, qint64 p2)
{
    PluginMessage m;
    m.msgId = msgId;
    m.p1 = MessageArg::integer(p1);
    m.p2 = MessageArg::integer(p2);
    return m;
}

PluginMessage PluginMessage::intRef(uint32_t msgId, int32_t value)
{
    PluginMessage m = plain(msgId);
    m.p1 = MessageArg::intRef(value);
    return m;
}

PluginMessage PluginMessage::boolRef(uint32_t msgId, bool value)
{
    PluginMessage m = plain(msgId);
    m.p1 = MessageArg::boolRef(value);
    return m;
}

PluginMessage PluginMessage::text(uint32_t msgId, const QString &text, qint64 p2)
{
    PluginMessage m = plain(msgId, 0, p2);
    m.p1 = MessageArg::text(text);
    return m;
}

PluginMessage PluginMessage::twoTexts(uint32_t msgId, const QString &first, const QString &second)
{
    PluginMessage m = plain(msgId);
    m.p1 = MessageArg::text(first);
    m.p2 = MessageArg::text(second);
    return m;
}

PluginMessage PluginMessage::texts4(uint32_t msgId, const QStringList &texts)
{
    QStringList four = texts.mid(0, 4);
    while (four.size() < 4)
        four.append(QString());
    PluginMessage m = plain(msgId);
    m.p1 = MessageArg::textList(four);
    return m;
}

PluginMessage PluginMessage::buffer(uint32_t msgId, const QByteArray &bytes)
{
    PluginMessage m = plain(msgId, 0, bytes.size());
    m.p1 = MessageArg::byteBlock(bytes);
    return m;
}

PluginMessage PluginMessage::textAndInts(uint32_t msgId, const QString &text, int32_t first, int32_t second)
{
    QByteArray block(8, '\0');
    MessageBytes::writeI32(block, 0, first);
    MessageBytes::writeI32(block, 4, second);
    PluginMessage m = plain(msgId);
    m.p1 = MessageArg::text(text);
    m.p2 = MessageArg::byteBlock(block);
    return m;
}

PluginMessage PluginMessage::value(uint32_t msgId, const QByteArray &bytes, qint64 p2)
{
    PluginMessage m = plain(msgId, 0, p2);
    m.p1 = MessageArg::byteBlock(bytes);
    return m;
}

PluginMessage PluginMessage::value64(uint32_t msgId, quint64 number, qint64 p2)
{
    return value(msgId, MessageBytes::fromU64(number), p2);
}

bool isPlausibleAddress(intptr_t address)
{
    return address >= 0x10000;
}

namespace {

MessageArg readText(intptr_t address)
{
    if (!isPlausibleAddress(address) || address % intptr_t(alignof(QString)) != 0)
        return MessageArg::invalid(address);
    return MessageArg::text(*reinterpret_cast<const QString *>(address));
}

MessageArg readBytes(intptr_t address, qint64 count)
{
    if (count == 0)
        return MessageArg::byteBlock(QByteArray());
    if (!isPlausibleAddress(address) || count < 0)
        return MessageArg::invalid(address);
    const int n = int(qMin<qint64>(count, kMaxRequestBuffer));
    return MessageArg::byteBlock(QByteArray(reinterpret_cast<const char *>(address), n));
}

} // namespace

PluginMessage PluginMessage::fromRequest(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    PluginMessage m = plain(msgId, p1, p2);
    m.direction = Direction::ToHost;
    const HostMessages::MessageInfo *info = m.info();
    if (!info)
        return m;
    switch (info->kind) {
    case ParamKind::None:
    case ParamKind::Int:
    case ParamKind::IntP2:
        break;
    case ParamKind::Text:
    case ParamKind::TextInt:
        m.p1 = readText(p1);
        break;
    case ParamKind::TextText:
        m.p1 = readText(p1);
        m.p2 = readText(p2);
        break;
    case ParamKind::Buffer:
        m.p1 = readBytes(p1, p2);
        break;
    case ParamKind::Value:
    case ParamKind::ValueInt:
    case ParamKind::SettingsBlock:
    case ParamKind::RecordBuffer:
        m.p1 = readBytes(p1, info->valueSize);
        break;
    case ParamKind::ValueUnsized:
        m.p1 = isPlausibleAddress(p1) ? MessageArg::address(p1) : MessageArg::invalid(p1);
        break;
    case ParamKind::DateTime:
        // The address is kept for the tracker, which reads the time during
        // the call; the log shows the time itself.
        if (isPlausibleAddress(p1) && p1 % intptr_t(alignof(QDateTime)) == 0) {
            m.p1 = MessageArg::address(p1);
            const QDateTime *when = reinterpret_cast<const QDateTime *>(p1);
            m.p1.texts << (when->isValid() ? when->toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")) : QString());
        } else {
            m.p1 = MessageArg::invalid(p1);
        }
        break;
    case ParamKind::EventName:
        m.p1 = MessageArg::integer(p1 & 0xFFFF);
        m.p2 = readText(p2);
        break;
    case ParamKind::IntRef:
        if (isPlausibleAddress(p1) && p1 % intptr_t(alignof(int32_t)) == 0)
            m.p1 = MessageArg::intRef(*reinterpret_cast<const int32_t *>(p1));
        else
            m.p1 = MessageArg::invalid(p1);
        break;
    case ParamKind::BoolRef:
        if (isPlausibleAddress(p1))
            m.p1 = MessageArg::boolRef(*reinterpret_cast<const unsigned char *>(p1) != 0);
        else
            m.p1 = MessageArg::invalid(p1);
        break;
    case ParamKind::TextModes:
        m.p1 = readText(p1);
        m.p2 = readBytes(p2, 8);
        break;
    case ParamKind::Texts4:
        if (isPlausibleAddress(p1) && p1 % intptr_t(alignof(QString)) == 0) {
            const auto *texts = reinterpret_cast<const QString *>(p1);
            m.p1 = MessageArg::textList({texts[0], texts[1], texts[2], texts[3]});
        } else {
            m.p1 = MessageArg::invalid(p1);
        }
        break;
    }
    return m;
}

bool PluginMessage::operator==(const PluginMessage &other) const
{
    return msgId == other.msgId && direction == other.direction && p1 == other.p1 && p2 == other.p2;
}

namespace MessageBytes {

int32_t readI32(const QByteArray &bytes, int offset)
{
    if (offset < 0 || offset > bytes.size() - 4)
        return 0;
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.constData() + offset);
    return int32_t(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24);
}

quint64 readU64(const QByteArray &bytes, int offset)
{
    if (offset < 0 || offset > bytes.size() - 8)
        return 0;
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.constData() + offset);
    quint64 v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | b[i];
    return v;
}

void writeI32(QByteArray &bytes, int offset, int32_t value)
{
    if (offset < 0 || offset > bytes.size() - 4)
        return;
    const auto u = uint32_t(value);
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char((u >> (8 * i)) & 0xFF);
}

QByteArray fromU64(quint64 value)
{
    QByteArray bytes(8, '\0');
    for (int i = 0; i < 8; ++i)
        bytes[i] = char((value >> (8 * i)) & 0xFF);
    return bytes;
}

} // namespace MessageBytes
