#ifndef TMIFILEREADER_H
#define TMIFILEREADER_H

#include <QByteArray>
#include <QList>
#include <QString>

// An independent reader of the binary telemetry (.tmi) layout, written from
// the file layout for the suites: header fields and both checksums.
namespace {

inline quint32 get32(const QByteArray &b, int offset)
{
    const auto *p = reinterpret_cast<const uchar *>(b.constData() + offset);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

inline quint16 get16(const QByteArray &b, int offset)
{
    const auto *p = reinterpret_cast<const uchar *>(b.constData() + offset);
    return quint16(p[0] | p[1] << 8);
}

// An independent reader of the .tmi layout.
struct TmiFile
{
    quint16 version = 0, headerSize = 0, count = 0;
    quint8 one = 0;
    QByteArray model;
    quint32 firstTime = 0, lastTime = 0, recordCrc = 0;
    QByteArray identifier;
    bool headerCrcGood = false;
    bool recordCrcGood = false;
    QList<QByteArray> records; // length field excluded
    QString error;

    static quint8 crc8(const QByteArray &bytes)
    {
        quint8 crc = 0xFF;
        for (char c : bytes) {
            crc ^= quint8(c);
            for (int k = 0; k < 8; ++k)
                crc = (crc & 0x80) ? quint8((crc << 1) ^ 0x31) : quint8(crc << 1);
        }
        return crc;
    }
    static quint32 crc32Variant(const QByteArray &bytes)
    {
        quint32 crc = 0;
        for (char c : bytes) {
            quint32 x = (crc ^ quint8(c)) & 0xFF;
            for (int k = 0; k < 8; ++k)
                x = (x & 1) ? (x >> 1) ^ 0xEDB88320u : x >> 1;
            crc = ((crc >> 8) ^ x) ^ 0xD202EF8Du;
        }
        return crc;
    }

    explicit TmiFile(const QByteArray &file)
    {
        if (file.size() < 128) {
            error = QStringLiteral("shorter than its header");
            return;
        }
        version = get16(file, 0);
        headerSize = get16(file, 2);
        one = quint8(file[4]);
        model = file.mid(5, 6);
        firstTime = get32(file, 11);
        lastTime = get32(file, 15);
        count = get16(file, 19);
        recordCrc = get32(file, 21);
        identifier = file.mid(26, quint8(file[25]));
        headerCrcGood = get16(file, 56) == crc8(file.left(56));
        const QByteArray body = file.mid(128);
        recordCrcGood = crc32Variant(body) == recordCrc;
        for (int at = 0; at < body.size();) {
            if (at + 2 > body.size()) {
                error = QStringLiteral("record length cut at %1").arg(at);
                return;
            }
            const int length = get16(body, at);
            if (at + 2 + length > body.size()) {
                error = QStringLiteral("record cut at %1").arg(at);
                return;
            }
            records << body.mid(at + 2, length);
            at += 2 + length;
        }
    }
};

// The identifier scrambled with the first page's time, as the header holds it.
QByteArray scrambled(const QByteArray &id, quint32 firstTime)
{
    const QByteArray key = QByteArray::number(firstTime).left(8);
    QByteArray out;
    for (int i = 0; i < id.size(); ++i) {
        quint8 d = quint8(id[i]);
        for (int j = 0; j < key.size(); ++j)
            d ^= quint8(quint8(key[j]) + i * j);
        out += QByteArray::number(d, 16).rightJustified(2, '0');
    }
    return out;
}

} // namespace

#endif // TMIFILEREADER_H
