#ifndef ORV_LOGBINFILE_H
#define ORV_LOGBINFILE_H

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

#include "telemetry/f8record.h"

class ORV_TmiPage_F8;
class TmiPage_Vela2;

// The binary telemetry file (.tmi): a 128-byte header, then one masked
// record per page, each preceded by its u16 length. F6/F8 pages are written
// as first-generation records under the page's mask (the F8 field mask
// unless changed); Vela2 pages as they were received.
class ORV_LogBinFile
{
public:
    static constexpr int HeaderSize = 128;
    static constexpr int IdentifierMaxBytes = 15; // 30 hexadecimal digits fill the header's room
    static constexpr int RecordHeaderSize = 2 + 34; // length, type, generation, mask

    // Called once per page before its record is written: (page index, page count).
    using Progress = std::function<void(int, int)>;

    // Page i's record, length field included (see record()), into record,
    // and its time; false leaves the page out.
    using RecordSource = std::function<bool(int index, QByteArray &record, quint32 &time)>;

    // The one writer of the file: the records of pageCount pages, in their
    // order, then the header with their count and checksum. Atomic: on
    // failure no file is left (an existing one is kept), false is returned
    // and error (when given) says why. The identifier is the connected
    // tracker's, in the local 8-bit code page, cut to 15 bytes.
    static bool write(int pageCount, const RecordSource &source, const QString &fileName,
                      const QString &identifier, const Progress &progress = {}, QString *error = nullptr);
    // The same for page objects. Null entries are skipped, and so are Vela2
    // pages that hold no masked or extended record.
    static bool write(const QList<ORV_TmiPage_F8 *> &pages, const QString &fileName, const QString &identifier,
                      const Progress &progress = {});
    static bool write(const QList<TmiPage_Vela2 *> &pages, const QString &fileName, const QString &identifier,
                      const Progress &progress = {});

    // One record of the file, length field included.
    static QByteArray record(const ORV_TmiPage_F8 &page);
    static QByteArray record(const TmiPage_Vela2 &page);
    // A first-generation record of an F8 record's fields under a mask (bits 0..68).
    static QByteArray record(const F8Record &f8, const PresenceMask &mask = F8Record::fieldMask());
    // The same into out (replacing what it held), without allocating once
    // out has room: the F8 field mask is copied in a few runs of the record.
    static void record(const F8Record &f8, const PresenceMask &mask, QByteArray &out);
    // A second-generation record as received, from its type byte.
    static QByteArray receivedRecord(const QByteArray &received);
    static void receivedRecord(const void *received, qsizetype length, QByteArray &out);

    // The 128-byte header.
    static QByteArray header(quint32 firstTime, quint32 lastTime, int recordCount, quint32 recordCrc,
                             const QByteArray &identifier);
    // The identifier scrambled with the first page's time, as lower-case
    // hexadecimal text (at most 30 characters).
    static QByteArray scrambledIdentifier(const QByteArray &identifier, quint32 firstTime);

    // The record checksum: CRC-32 (reflected polynomial 0xEDB88320), start 0,
    // each byte followed by an XOR with 0xD202EF8D, no final XOR.
    class RecordCrc
    {
    public:
        void reset() { m_crc = 0; }
        void update(const void *data, qsizetype length);
        quint32 value() const { return m_crc; }

    private:
        quint32 m_crc = 0;
    };
    static quint32 recordCrc(const void *data, qsizetype length);

    // CRC-8: polynomial 0x31, most significant bit first, start 0xFF, no final XOR.
    static quint8 crc8(const void *data, qsizetype length);
    // CRC-16: polynomial 0x1021, most significant bit first, start 0xFFFF
    // unless given, no final XOR.
    static quint16 crc16(const void *data, qsizetype length, quint16 start = 0xFFFF);
};

#endif // ORV_LOGBINFILE_H
