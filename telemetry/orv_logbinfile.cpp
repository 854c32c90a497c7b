#include "telemetry/orv_logbinfile.h"

#include "core/codepage.h"
#include "telemetry/extendedrecord.h"
#include "telemetry/maskplan.h"
#include "telemetry/orv_tmipage_f8.h"
#include "telemetry/tmibytes.h"
#include "telemetry/tmipage_vela2.h"

#include <QSaveFile>

#include <array>

namespace {

constexpr std::array<quint32, 256> recordCrcTable()
{
    std::array<quint32, 256> table{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
        table[i] = c;
    }
    return table;
}

constexpr std::array<quint8, 256> crc8Table()
{
    std::array<quint8, 256> table{};
    for (int i = 0; i < 256; ++i) {
        quint8 c = quint8(i);
        for (int k = 0; k < 8; ++k)
            c = (c & 0x80) ? quint8((c << 1) ^ 0x31) : quint8(c << 1);
        table[i] = c;
    }
    return table;
}

constexpr std::array<quint16, 256> crc16Table()
{
    std::array<quint16, 256> table{};
    for (int i = 0; i < 256; ++i) {
        quint16 c = quint16(i << 8);
        for (int k = 0; k < 8; ++k)
            c = (c & 0x8000) ? quint16((c << 1) ^ 0x1021) : quint16(c << 1);
        table[i] = c;
    }
    return table;
}

constexpr auto kRecordCrcTable = recordCrcTable();

// Eight tables for eight bytes at a time (the same polynomial).
constexpr std::array<std::array<quint32, 256>, 8> sliceTables()
{
    std::array<std::array<quint32, 256>, 8> t{};
    t[0] = recordCrcTable();
    for (int k = 1; k < 8; ++k) {
        for (int i = 0; i < 256; ++i)
            t[size_t(k)][size_t(i)] = (t[size_t(k - 1)][size_t(i)] >> 8) ^ t[0][t[size_t(k - 1)][size_t(i)] & 0xFF];
    }
    return t;
}

constexpr auto kSlices = sliceTables();
constexpr auto kCrc8Table = crc8Table();
constexpr auto kCrc16Table = crc16Table();

// Header layout.
constexpr int kVersion = 0;
constexpr int kSize = 2;
constexpr int kOne = 4;
constexpr int kModel = 5;
constexpr int kFirstTime = 11;
constexpr int kLastTime = 15;
constexpr int kCount = 19;
constexpr int kRecordCrc = 21;
constexpr int kIdLength = 25;
constexpr int kIdText = 26;
constexpr int kChecked = 56; // bytes covered by the header checksum
constexpr int kHeaderCrc = 56;

} // namespace

void ORV_LogBinFile::RecordCrc::update(const void *data, qsizetype length)
{
    // The XOR with 0xD202EF8D after every byte keeps the register equal to
    // the complement of the ordinary CRC-32 register (0xD202EF8D is
    // 0xFF000000 ^ table[0xFF]): the running value is the CRC-32 of the
    // bytes so far. So the ordinary register is run here, eight bytes at a
    // time, and complemented back.
    const auto *p = static_cast<const quint8 *>(data);
    quint32 crc = ~m_crc;
    qsizetype i = 0;
    for (; i + 8 <= length; i += 8) {
        const quint32 lo = crc ^ (quint32(p[i]) | quint32(p[i + 1]) << 8 | quint32(p[i + 2]) << 16 | quint32(p[i + 3]) << 24);
        const quint32 hi = quint32(p[i + 4]) | quint32(p[i + 5]) << 8 | quint32(p[i + 6]) << 16 | quint32(p[i + 7]) << 24;
        crc = kSlices[7][lo & 0xFF] ^ kSlices[6][(lo >> 8) & 0xFF] ^ kSlices[5][(lo >> 16) & 0xFF] ^ kSlices[4][lo >> 24]
              ^ kSlices[3][hi & 0xFF] ^ kSlices[2][(hi >> 8) & 0xFF] ^ kSlices[1][(hi >> 16) & 0xFF] ^ kSlices[0][hi >> 24];
    }
    for (; i < length; ++i)
        crc = (crc >> 8) ^ kRecordCrcTable[(crc ^ p[i]) & 0xFF];
    m_crc = ~crc;
}

quint32 ORV_LogBinFile::recordCrc(const void *data, qsizetype length)
{
    RecordCrc crc;
    crc.update(data, length);
    return crc.value();
}

quint8 ORV_LogBinFile::crc8(const void *data, qsizetype length)
{
    const auto *p = static_cast<const quint8 *>(data);
    quint8 crc = 0xFF;
    for (qsizetype i = 0; i < length; ++i)
        crc = kCrc8Table[crc ^ p[i]];
    return crc;
}

quint16 ORV_LogBinFile::crc16(const void *data, qsizetype length, quint16 start)
{
    const auto *p = static_cast<const quint8 *>(data);
    quint16 crc = start;
    for (qsizetype i = 0; i < length; ++i)
        crc = quint16((crc << 8) ^ kCrc16Table[(crc >> 8) ^ p[i]]);
    return crc;
}

QByteArray ORV_LogBinFile::scrambledIdentifier(const QByteArray &identifier, quint32 firstTime)
{
    const QByteArray key = QByteArray::number(firstTime).left(8);
    QByteArray data = identifier.left(IdentifierMaxBytes);
    for (int i = 0; i < data.size(); ++i) {
        quint8 d = quint8(data[i]);
        for (int j = 0; j < key.size(); ++j)
            d ^= quint8(quint8(key[j]) + i * j);
        data[i] = char(d);
    }
    return data.toHex();
}

QByteArray ORV_LogBinFile::header(quint32 firstTime, quint32 lastTime, int recordCount, quint32 recordCrc,
                                  const QByteArray &identifier)
{
    QByteArray header(HeaderSize, '\0');
    auto *h = reinterpret_cast<quint8 *>(header.data());
    TmiBytes::write<quint16>(h + kVersion, 1);
    TmiBytes::write<quint16>(h + kSize, HeaderSize);
    h[kOne] = 1;
    std::memcpy(h + kModel, "K-4810", 6);
    TmiBytes::write<quint32>(h + kFirstTime, firstTime);
    TmiBytes::write<quint32>(h + kLastTime, lastTime);
    // The count field has 16 bits; a longer download keeps all its records.
    TmiBytes::write<quint16>(h + kCount, quint16(qBound(0, recordCount, 0xFFFF)));
    TmiBytes::write<quint32>(h + kRecordCrc, recordCrc);
    const QByteArray text = scrambledIdentifier(identifier, firstTime);
    h[kIdLength] = quint8(text.size());
    std::memcpy(h + kIdText, text.constData(), size_t(text.size()));
    TmiBytes::write<quint16>(h + kHeaderCrc, crc8(h, kChecked));
    return header;
}

QByteArray ORV_LogBinFile::record(const F8Record &f8, const PresenceMask &mask)
{
    const PresenceMask rows = mask.limited(FieldTable::FirstGenerationRows);
    const QByteArray fields = f8.serialise(rows);
    QByteArray out(2, '\0');
    TmiBytes::write<quint16>(reinterpret_cast<quint8 *>(out.data()), quint16(fields.size() + MaskedDecoder::HeaderSize));
    out.append(char(MaskedDecoder::Type));
    out.append(char(MaskedDecoder::FirstGeneration));
    out.append(reinterpret_cast<const char *>(rows.data()), PresenceMask::Bytes);
    out.append(fields);
    return out;
}

QByteArray ORV_LogBinFile::receivedRecord(const QByteArray &received)
{
    const QByteArray kept = received.left(0xFFFF);
    QByteArray out(2, '\0');
    TmiBytes::write<quint16>(reinterpret_cast<quint8 *>(out.data()), quint16(kept.size()));
    out.append(kept);
    return out;
}

QByteArray ORV_LogBinFile::record(const ORV_TmiPage_F8 &page)
{
    return record(page.record(), page.mask());
}

QByteArray ORV_LogBinFile::record(const TmiPage_Vela2 &page)
{
    return receivedRecord(page.rawRecord());
}

bool ORV_LogBinFile::write(const QList<ORV_TmiPage_F8 *> &pages, const QString &fileName,
                           const QString &identifier, const Progress &progress)
{
    return write(
        int(pages.size()),
        [&](int i) {
            const ORV_TmiPage_F8 *page = pages[i];
            return page ? Page{page->time(), record(*page)} : Page();
        },
        fileName, identifier, progress);
}

bool ORV_LogBinFile::write(const QList<TmiPage_Vela2 *> &pages, const QString &fileName,
                           const QString &identifier, const Progress &progress)
{
    return write(
        int(pages.size()),
        [&](int i) {
            const TmiPage_Vela2 *page = pages[i];
            return page && !page->isEmpty() ? Page{page->time(), record(*page)} : Page();
        },
        fileName, identifier, progress);
}

bool ORV_LogBinFile::write(int pageCount, const PageSource &pageAt, const QString &fileName,
                           const QString &identifier, const Progress &progress)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Header last: it carries the checksum of the records.
    if (file.write(QByteArray(HeaderSize, '\0')) != HeaderSize)
        return false;
    RecordCrc crc;
    int written = 0;
    quint32 first = 0;
    quint32 last = 0;
    for (int i = 0; i < pageCount; ++i) {
        if (progress)
            progress(i, pageCount);
        const Page page = pageAt ? pageAt(i) : Page();
        if (page.record.isEmpty())
            continue;
        if (written++ == 0)
            first = page.time;
        last = page.time;
        crc.update(page.record.constData(), page.record.size());
        if (file.write(page.record) != page.record.size())
            return false;
    }
    const QByteArray head = header(first, last, written, crc.value(), CodePage::fromUnicode(identifier));
    if (!file.seek(0) || file.write(head) != HeaderSize)
        return false;
    return file.commit();
}
