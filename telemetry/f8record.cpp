#include "telemetry/f8record.h"

#include <algorithm>
#include <cstring>

F8Record::F8Record(const void *data, qsizetype length)
{
    if (data && length > 0)
        std::memcpy(m_bytes.data(), data, size_t(std::min<qsizetype>(length, Size)));
}

qint64 F8Record::integer(const FieldRef &field) const
{
    const quint8 *p = at(field);
    return p ? TmiBytes::readInteger(field.type, p) : 0;
}

float F8Record::real(const FieldRef &field) const
{
    const quint8 *p = at(field);
    return p ? TmiBytes::readFloat(p) : 0.0f;
}

void F8Record::setInteger(const FieldRef &field, qint64 value)
{
    const int offset = offsetOf(field);
    if (offset >= 0)
        TmiBytes::writeInteger(field.type, m_bytes.data() + offset, value);
}

void F8Record::setReal(const FieldRef &field, float value)
{
    const int offset = offsetOf(field);
    if (offset >= 0)
        TmiBytes::writeFloat(m_bytes.data() + offset, value);
}

QByteArray F8Record::serialise(const PresenceMask &mask) const
{
    QByteArray out;
    out.reserve(Size);
    for (int bit = 0; bit < FieldTable::FirstGenerationRows; ++bit) {
        if (!mask.test(bit))
            continue;
        const FieldRef &field = FieldTable::member(FieldTable::firstMember(bit));
        if (const quint8 *p = at(field))
            out.append(reinterpret_cast<const char *>(p), field.size);
        else
            out.append(field.size, '\0');
    }
    return out;
}

FullRecord F8Record::toFullRecord() const
{
    FullRecord full;
    for (const F8Field &f : F8Layout::fields) {
        const FieldRef &field = FieldTable::member(f.member);
        std::memcpy(full.at(field), m_bytes.data() + f.offset, field.size);
    }
    return full;
}
