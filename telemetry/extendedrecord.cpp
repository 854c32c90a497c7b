#include "telemetry/extendedrecord.h"

#include "core/codepage.h"
#include "telemetry/tmibytes.h"

#include <algorithm>
#include <cstring>

int DynamicElement::valueWidth(quint8 type)
{
    switch (type) {
    case 1:
    case 3:
        return 8;
    case 2:
        return 16;
    default:
        return 0;
    }
}

qint64 DynamicElement::integer() const
{
    if ((type != 1 && type != 3) || value.size() < 8)
        return 0;
    return TmiBytes::read<qint64>(reinterpret_cast<const quint8 *>(value.constData()));
}

QString DynamicElement::text() const
{
    if (type != 2)
        return QString();
    const qsizetype end = value.indexOf('\0');
    return CodePage::toUnicode(value.constData(), end < 0 ? value.size() : end);
}

QString DynamicElement::valueText() const
{
    switch (type) {
    case 1:
    case 3:
        return QString::number(integer());
    case 2:
        return text();
    default:
        return QString();
    }
}

ExtendedRecord::ExtendedRecord(const void *data, qsizetype length)
{
    if (data && length > 0) {
        m_size = int(std::min<qsizetype>(length, Capacity));
        std::memcpy(m_bytes.data(), data, size_t(m_size));
    }
}

quint16 ExtendedRecord::declaredSize() const
{
    return holds(1, 2) ? TmiBytes::read<quint16>(m_bytes.data() + 1) : 0;
}

int ExtendedRecord::offsetOf(const FieldRef &field)
{
    for (const F8Field &f : ExtendedLayout::fields) {
        if (field.isValid() && f.member == field.index)
            return f.offset;
    }
    return -1;
}

qint64 ExtendedRecord::integer(const FieldRef &field) const
{
    const int offset = offsetOf(field);
    return holds(offset, field.size) ? TmiBytes::readInteger(field.type, m_bytes.data() + offset) : 0;
}

float ExtendedRecord::real(const FieldRef &field) const
{
    const int offset = offsetOf(field);
    return holds(offset, field.size) && field.type == WireType::F32 ? TmiBytes::readFloat(m_bytes.data() + offset)
                                                                     : 0.0f;
}

PresenceMask ExtendedRecord::decodeInto(FullRecord &record) const
{
    record.clear();
    PresenceMask present;
    for (const F8Field &f : ExtendedLayout::fields) {
        const FieldRef &field = FieldTable::member(f.member);
        if (!holds(f.offset, field.size))
            continue;
        std::memcpy(record.at(field), m_bytes.data() + f.offset, field.size);
        present.set(field.bit);
    }
    return present;
}

int ExtendedRecord::dynamicLength() const
{
    const int declared = int(declaredSize()) - int(stSize()) - int(hSize()) - 4;
    const int held = m_size - DynamicOffset;
    return std::max(0, std::min(declared, held));
}

QList<DynamicElement> ExtendedRecord::elements() const
{
    QList<DynamicElement> list;
    const int end = DynamicOffset + dynamicLength();
    int pos = DynamicOffset;
    while (end - pos >= 2) {
        DynamicElement element;
        element.type = m_bytes[pos];
        element.size = m_bytes[pos + 1];
        element.offset = quint16(pos);
        const int width = DynamicElement::valueWidth(element.type);
        if (pos + 2 + width > end)
            break;
        element.value = QByteArray(reinterpret_cast<const char *>(m_bytes.data() + pos + 2), width);
        list.append(element);
        pos += 2 + width;
    }
    return list;
}
