#include "host/messageformatter.h"

#include <cstring>

using HostMessages::ParamKind;
using HostMessages::ValueFormat;

QString MessageFormatter::quoted(const QString &text, int max)
{
    QString out;
    out.reserve(qMin(text.size(), max) + 8);
    out += QLatin1Char('"');
    int shown = 0;
    for (const QChar c : text) {
        if (shown >= max) {
            out += QStringLiteral("…");
            break;
        }
        switch (c.unicode()) {
        case '\n': out += QStringLiteral("\\n"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        case '"': out += QStringLiteral("\\\""); break;
        case '\\': out += QStringLiteral("\\\\"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                out += c;
        }
        ++shown;
    }
    out += QLatin1Char('"');
    return out;
}

QString MessageFormatter::hexPreview(const QByteArray &bytes, int max)
{
    QString out = QString::fromLatin1(bytes.left(max).toHex(' ')).toUpper();
    if (bytes.size() > max)
        out += QStringLiteral(" …");
    return out;
}

QString MessageFormatter::bytesText(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QStringLiteral("0 bytes");
    return QStringLiteral("%1 bytes: %2").arg(bytes.size()).arg(hexPreview(bytes));
}

QString MessageFormatter::settingsBlock(const QByteArray &block)
{
    using namespace HostMessages;
    if (block.size() < kSettingsBlockSize)
        return QStringLiteral("short settings block, ") + bytesText(block);
    const int32_t length = MessageBytes::readI32(block, kSettingsBlockData);
    const int32_t number = MessageBytes::readI32(block, kSettingsBlockData + 4);
    const int32_t count = MessageBytes::readI32(block, kSettingsBlockData + 8);
    const int32_t sequence = MessageBytes::readI32(block, kSettingsBlockData + 12);
    const int shown = int(qBound<int32_t>(0, length, kSettingsBlockData));
    QString out = QStringLiteral("block %1/%2, %3 bytes, sequence %4").arg(number).arg(count).arg(length).arg(sequence);
    if (shown > 0)
        out += QStringLiteral(": ") + hexPreview(block.left(shown));
    return out;
}

QString MessageFormatter::arg(const MessageArg &a)
{
    switch (a.type) {
    case MessageArg::Type::Int:
        return QString::number(a.number);
    case MessageArg::Type::IntRef:
        return QStringLiteral("&int %1").arg(a.number);
    case MessageArg::Type::BoolRef:
        return a.number ? QStringLiteral("&bool true") : QStringLiteral("&bool false");
    case MessageArg::Type::Text:
        return quoted(a.firstText());
    case MessageArg::Type::Texts: {
        QStringList parts;
        for (const QString &t : a.texts)
            parts << quoted(t);
        return parts.join(QStringLiteral(", "));
    }
    case MessageArg::Type::Bytes:
        return bytesText(a.bytes);
    case MessageArg::Type::Address:
        return QStringLiteral("&value at 0x%1").arg(quint64(a.number), 0, 16);
    case MessageArg::Type::Invalid:
        return QStringLiteral("unreadable address 0x%1").arg(quint64(a.number), 0, 16);
    }
    return {};
}

namespace {

QString valueText(const QByteArray &bytes, ValueFormat format)
{
    switch (format) {
    case ValueFormat::U32:
        if (bytes.size() >= 4)
            return QString::number(quint32(MessageBytes::readI32(bytes, 0)));
        break;
    case ValueFormat::U64:
        if (bytes.size() >= 8)
            return QString::number(MessageBytes::readU64(bytes, 0));
        break;
    case ValueFormat::Mask64:
        if (bytes.size() >= 8)
            return QStringLiteral("0x%1").arg(MessageBytes::readU64(bytes, 0), 16, 16, QLatin1Char('0'));
        break;
    case ValueFormat::Float32:
        if (bytes.size() >= 4) {
            const int32_t raw = MessageBytes::readI32(bytes, 0);
            float f;
            std::memcpy(&f, &raw, sizeof f);
            return QString::number(double(f));
        }
        break;
    case ValueFormat::Hex:
        break;
    }
    return MessageFormatter::bytesText(bytes);
}

} // namespace

QString MessageFormatter::parameters(const PluginMessage &m)
{
    using T = MessageArg::Type;
    const HostMessages::MessageInfo *info = m.info();
    const bool plainP2 = m.p2.type == T::Int;
    const auto withP2 = [&](const QString &first) {
        if (plainP2 && m.p2.number == 0)
            return first;
        return first + (plainP2 ? QStringLiteral(", p2 = ") : QStringLiteral(", ")) + arg(m.p2);
    };

    if (!info) {
        if (m.p1.type == T::Int && plainP2)
            return QStringLiteral("p1 = %1, p2 = %2").arg(m.p1.number).arg(m.p2.number);
        return arg(m.p1) + QStringLiteral(", ") + arg(m.p2);
    }

    switch (info->kind) {
    case ParamKind::None:
        if (m.p1.type == T::Int && plainP2 && m.p1.number == 0 && m.p2.number == 0)
            return QString();
        break;
    case ParamKind::Int:
        if (m.p1.type == T::Int)
            return withP2(QStringLiteral("p1 = %1").arg(m.p1.number));
        break;
    case ParamKind::IntP2:
        if (plainP2 && m.p1.type == T::Int && m.p1.number == 0)
            return QStringLiteral("p2 = %1").arg(m.p2.number);
        break;
    case ParamKind::IntRef:
        if (m.p1.type == T::IntRef)
            return (info->inPlace ? QStringLiteral("&int → %1") : QStringLiteral("&int %1")).arg(m.p1.number);
        break;
    case ParamKind::BoolRef:
        if (m.p1.type == T::BoolRef)
            return QStringLiteral("&bool → %1").arg(m.p1.number ? QStringLiteral("true") : QStringLiteral("false"));
        break;
    case ParamKind::Text:
    case ParamKind::TextInt:
        if (m.p1.type == T::Text) {
            const QString text = (info->inPlace ? QStringLiteral("&text → ") : QString()) + quoted(m.p1.firstText());
            return withP2(text);
        }
        break;
    case ParamKind::TextModes:
        if (m.p1.type == T::Text && m.p2.type == T::Bytes && m.p2.bytes.size() >= 8)
            return QStringLiteral("%1, title mode %2, view mode %3")
                .arg(quoted(m.p1.firstText()))
                .arg(MessageBytes::readI32(m.p2.bytes, 0))
                .arg(MessageBytes::readI32(m.p2.bytes, 4));
        break;
    case ParamKind::Buffer:
        if (m.p1.type == T::Bytes && plainP2) {
            if (m.p2.number == m.p1.bytes.size())
                return bytesText(m.p1.bytes);
            // More announced than copied (or a caller that got p2 wrong).
            return QStringLiteral("len %1, ").arg(m.p2.number) + bytesText(m.p1.bytes);
        }
        break;
    case ParamKind::Value:
    case ParamKind::ValueInt:
        if (m.p1.type == T::Bytes)
            return withP2(valueText(m.p1.bytes, info->format));
        break;
    case ParamKind::SettingsBlock:
        if (m.p1.type == T::Bytes)
            return settingsBlock(m.p1.bytes);
        break;
    case ParamKind::RecordBuffer:
        if (m.p1.type == T::Bytes && m.p1.bytes.size() >= HostMessages::kRecordBufferSize) {
            using namespace HostMessages;
            const int32_t length = MessageBytes::readI32(m.p1.bytes, kRecordBufferData);
            const int shown = int(qBound<int32_t>(0, length, kRecordBufferData));
            return QStringLiteral("record %1 bytes: %2 → valid %3")
                .arg(length)
                .arg(hexPreview(m.p1.bytes.left(shown)))
                .arg(int(quint8(m.p1.bytes.at(kRecordBufferSize - 1))));
        }
        break;
    case ParamKind::EventName:
        if (m.p1.type == T::Int) {
            const QString code = QStringLiteral("code %1").arg(m.p1.number);
            if (m.p2.type == T::Text)
                return code + QStringLiteral(" → ") + quoted(m.p2.firstText());
            return code + QStringLiteral(", ") + arg(m.p2);
        }
        break;
    case ParamKind::DateTime:
        if (m.p1.type == T::Address && !m.p1.texts.isEmpty())
            return QStringLiteral("&time %1").arg(m.p1.firstText());
        break;
    case ParamKind::Texts4:
    case ParamKind::TextText:
    case ParamKind::ValueUnsized:
        break;
    }

    // Anything else, or arguments without the catalogue's layout: as they are.
    if (m.p1.type == T::Int && plainP2)
        return QStringLiteral("p1 = %1, p2 = %2").arg(m.p1.number).arg(m.p2.number);
    return withP2(arg(m.p1));
}
