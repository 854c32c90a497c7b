#include "xml/valuerecord.h"

#include "core/codepage.h"

#include <cstring>

ValueRecord::ValueRecord()
{
    std::memset(m_bytes, 0, Size);
}

ValueRecord::ValueRecord(QStringView name, QStringView value, quint32 kind, quint32 node)
{
    encodeField(m_bytes + NameOffset, name);
    encodeField(m_bytes + ValueOffset, value);
    m_bytes[510] = 0;
    m_bytes[511] = 0;
    putU32(KindOffset, kind);
    putU32(NodeOffset, node);
}

ValueRecord ValueRecord::fromBytes(const char *data, qsizetype length)
{
    ValueRecord r;
    if (data && length > 0)
        std::memcpy(r.m_bytes, data, size_t(qMin<qsizetype>(length, Size)));
    r.m_bytes[NameOffset + MaxTextBytes] = 0;
    r.m_bytes[ValueOffset + MaxTextBytes] = 0;
    return r;
}

int ValueRecord::encodeField(unsigned char *field, QStringView text)
{
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    int out = 0;
    for (qsizetype i = 0; i < n && out < MaxTextBytes; ++i) {
        const char16_t ch = p[i];
        if (ch < 0x80) {
            field[out++] = static_cast<unsigned char>(ch);
        } else if (QChar::isHighSurrogate(ch) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
            field[out++] = '?';
            ++i;
        } else {
            field[out++] = static_cast<unsigned char>(CodePage::encode(ch));
        }
    }
    std::memset(field + out, 0, size_t(FieldSize - out));
    return out;
}

void ValueRecord::putText(int offset, QStringView text)
{
    encodeField(m_bytes + offset, text);
}

void ValueRecord::putBytes(int offset, const QByteArray &bytes)
{
    // Up to the first NUL, at most MaxTextBytes.
    int n = 0;
    const int limit = int(qMin<qsizetype>(bytes.size(), MaxTextBytes));
    while (n < limit && bytes.at(n) != '\0')
        ++n;
    std::memcpy(m_bytes + offset, bytes.constData(), size_t(n));
    std::memset(m_bytes + offset + n, 0, size_t(FieldSize - n));
}

void ValueRecord::putU32(int offset, quint32 v)
{
    m_bytes[offset] = static_cast<unsigned char>(v & 0xFF);
    m_bytes[offset + 1] = static_cast<unsigned char>((v >> 8) & 0xFF);
    m_bytes[offset + 2] = static_cast<unsigned char>((v >> 16) & 0xFF);
    m_bytes[offset + 3] = static_cast<unsigned char>((v >> 24) & 0xFF);
}

quint32 ValueRecord::getU32(int offset) const
{
    return quint32(m_bytes[offset]) | (quint32(m_bytes[offset + 1]) << 8)
        | (quint32(m_bytes[offset + 2]) << 16) | (quint32(m_bytes[offset + 3]) << 24);
}

int ValueRecord::textLength(int offset) const
{
    const void *nul = std::memchr(m_bytes + offset, 0, FieldSize);
    return nul ? int(static_cast<const unsigned char *>(nul) - (m_bytes + offset)) : MaxTextBytes;
}

QString ValueRecord::name() const
{
    return CodePage::toUnicode(nameData(), nameLength());
}

QString ValueRecord::value() const
{
    return CodePage::toUnicode(valueData(), valueLength());
}

bool ValueRecord::nameEquals(const char *name, int length) const
{
    return nameLength() == length && std::memcmp(nameData(), name, size_t(length)) == 0;
}
