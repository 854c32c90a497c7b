#ifndef VALUERECORD_H
#define VALUERECORD_H

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QtGlobal>

// One named value of a section snapshot: a fixed record of 520 bytes.
//
//   offset   size  content
//     0      255   name, windows-1251, NUL-terminated (at most 254 bytes)
//   255      255   value, windows-1251, NUL-terminated (at most 254 bytes)
//   510        2   zero
//   512        4   kind, unsigned 32-bit little-endian: 0 attribute, 1 child element
//   516        4   number of the record's node, unsigned 32-bit little-endian:
//                  its index among the element's attributes (kind 0) or
//                  children (kind 1)
//
// The record is kept as bytes and every field is packed and unpacked byte by
// byte, so its layout does not depend on the compiler's alignment. A name or
// value longer than 254 bytes is cut; a character the code page cannot hold
// is stored as '?'.
class ValueRecord
{
public:
    static constexpr int Size = 520;
    static constexpr int NameOffset = 0;
    static constexpr int ValueOffset = 255;
    static constexpr int FieldSize = 255;
    static constexpr int MaxTextBytes = 254;
    static constexpr int KindOffset = 512;
    static constexpr int NodeOffset = 516;

    enum Kind : quint32 { Attribute = 0, Child = 1 };

    ValueRecord();
    ValueRecord(QStringView name, QStringView value, quint32 kind, quint32 node);

    // A record from raw bytes: at most Size bytes are read; a missing tail
    // reads as zero, and the text fields are always NUL-terminated.
    static ValueRecord fromBytes(const char *data, qsizetype length);

    void setName(QStringView name) { putText(NameOffset, name); }
    void setName(const QByteArray &local8Bit) { putBytes(NameOffset, local8Bit); }
    void setValue(QStringView value) { putText(ValueOffset, value); }
    void setValue(const QByteArray &local8Bit) { putBytes(ValueOffset, local8Bit); }
    void setKind(quint32 kind) { putU32(KindOffset, kind); }
    void setNode(quint32 node) { putU32(NodeOffset, node); }

    // The fields as bytes of the code page (without the NUL) and as text.
    QByteArray nameBytes() const { return QByteArray(nameData(), nameLength()); }
    QByteArray valueBytes() const { return QByteArray(valueData(), valueLength()); }
    QString name() const;
    QString value() const;
    const char *nameData() const { return reinterpret_cast<const char *>(m_bytes + NameOffset); }
    const char *valueData() const { return reinterpret_cast<const char *>(m_bytes + ValueOffset); }
    int nameLength() const { return textLength(NameOffset); }
    int valueLength() const { return textLength(ValueOffset); }
    quint32 kind() const { return getU32(KindOffset); }
    quint32 node() const { return getU32(NodeOffset); }

    bool nameEquals(const char *name, int length) const;

    const unsigned char *bytes() const { return m_bytes; }
    QByteArray toByteArray() const { return QByteArray(reinterpret_cast<const char *>(m_bytes), Size); }

    // Text in the code page, cut to MaxTextBytes, written into a field of
    // FieldSize bytes and NUL-padded; returns the number of text bytes.
    static int encodeField(unsigned char *field, QStringView text);

private:
    void putText(int offset, QStringView text);
    void putBytes(int offset, const QByteArray &bytes);
    void putU32(int offset, quint32 v);
    quint32 getU32(int offset) const;
    int textLength(int offset) const;

    unsigned char m_bytes[Size];
};

#endif // VALUERECORD_H
