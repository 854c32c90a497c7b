#include "telemetry/orv_logbinfile.h"

#include "core/codepage.h"
#include "telemetry/extendedrecord.h"
#include "telemetry/maskplan.h"
#include "telemetry/orv_tmipage_f8.h"
#include "telemetry/tmibytes.h"
#include "telemetry/tmipage_vela2.h"

#include "telemetry/tmitextbuffer.h"

#include <algorithm>
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

namespace {

// The F8 field mask's fields as copy runs of the F8 record: the mask's bit
// order follows the record's field order in long stretches.
struct F8Run
{
    int from;
    int length;
};

struct F8Runs
{
    std::array<F8Run, 64> runs{};
    int count = 0;
    int bytes = 0;
};

constexpr F8Runs f8Runs()
{
    F8Runs r;
    const PresenceMask mask = F8Record::fieldMask();
    for (int bit = 0; bit < FieldTable::FirstGenerationRows; ++bit) {
        if (!mask.test(bit))
            continue;
        const FieldRef &field = FieldTable::member(FieldTable::firstMember(bit));
        const int from = F8Record::offsetOf(field);
        if (r.count > 0 && r.runs[size_t(r.count - 1)].from + r.runs[size_t(r.count - 1)].length == from)
            r.runs[size_t(r.count - 1)].length += field.size;
        else
            r.runs[size_t(r.count++)] = {from, field.size};
        r.bytes += field.size;
    }
    return r;
}

constexpr F8Runs kF8Runs = f8Runs();
static_assert(kF8Runs.bytes == 127, "the F8 field mask covers every F8 field but the type");

} // namespace

void ORV_LogBinFile::record(const F8Record &f8, const PresenceMask &mask, QByteArray &out)
{
    const PresenceMask rows = mask.limited(FieldTable::FirstGenerationRows);
    if (rows != F8Record::fieldMask()) {
        out = record(f8, rows);
        return;
    }
    out.resize(RecordHeaderSize + kF8Runs.bytes);
    auto *p = reinterpret_cast<quint8 *>(out.data());
    TmiBytes::write<quint16>(p, quint16(kF8Runs.bytes + MaskedDecoder::HeaderSize));
    p[2] = MaskedDecoder::Type;
    p[3] = MaskedDecoder::FirstGeneration;
    std::memcpy(p + 4, rows.data(), PresenceMask::Bytes);
    p += RecordHeaderSize;
    for (int i = 0; i < kF8Runs.count; ++i) {
        std::memcpy(p, f8.data() + kF8Runs.runs[size_t(i)].from, size_t(kF8Runs.runs[size_t(i)].length));
        p += kF8Runs.runs[size_t(i)].length;
    }
}

QByteArray ORV_LogBinFile::record(const F8Record &f8, const PresenceMask &mask)
{
    const PresenceMask rows = mask.limited(FieldTable::FirstGenerationRows);
    QByteArray out;
    if (rows == F8Record::fieldMask()) {
        record(f8, rows, out);
        return out;
    }
    const QByteArray fields = f8.serialise(rows);
    out.resize(2);
    TmiBytes::write<quint16>(reinterpret_cast<quint8 *>(out.data()), quint16(fields.size() + MaskedDecoder::HeaderSize));
    out.append(char(MaskedDecoder::Type));
    out.append(char(MaskedDecoder::FirstGeneration));
    out.append(reinterpret_cast<const char *>(rows.data()), PresenceMask::Bytes);
    out.append(fields);
    return out;
}

void ORV_LogBinFile::receivedRecord(const void *received, qsizetype length, QByteArray &out)
{
    const qsizetype kept = std::clamp<qsizetype>(length, 0, 0xFFFF);
    out.resize(2 + kept);
    TmiBytes::write<quint16>(reinterpret_cast<quint8 *>(out.data()), quint16(kept));
    if (kept > 0)
        std::memcpy(out.data() + 2, received, size_t(kept));
}

QByteArray ORV_LogBinFile::receivedRecord(const QByteArray &received)
{
    QByteArray out;
    receivedRecord(received.constData(), received.size(), out);
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
        [&](int i, QByteArray &out, quint32 &time) {
            const ORV_TmiPage_F8 *page = pages[i];
            if (!page)
                return false;
            record(page->record(), page->mask(), out);
            time = page->time();
            return true;
        },
        fileName, identifier, progress);
}

bool ORV_LogBinFile::write(const QList<TmiPage_Vela2 *> &pages, const QString &fileName,
                           const QString &identifier, const Progress &progress)
{
    return write(
        int(pages.size()),
        [&](int i, QByteArray &out, quint32 &time) {
            const TmiPage_Vela2 *page = pages[i];
            if (!page || page->isEmpty())
                return false;
            const QByteArray raw = page->rawRecord();
            receivedRecord(raw.constData(), raw.size(), out);
            time = page->time();
            return true;
        },
        fileName, identifier, progress);
}

bool ORV_LogBinFile::write(int pageCount, const RecordSource &source, const QString &fileName,
                           const QString &identifier, const Progress &progress, QString *error)
{
    TmiFileSink out(fileName);
    auto failed = [&] {
        if (error)
            *error = out.errorText();
        return false;
    };
    if (!out.open())
        return failed();
    // The header goes last: it holds the count and checksum of the records.
    out.put(QByteArray(HeaderSize, '\0'));
    RecordCrc crc;
    int written = 0;
    quint32 first = 0;
    quint32 last = 0;
    QByteArray record;
    record.reserve(2 + 1024);
    for (int i = 0; i < pageCount && !out.failed(); ++i) {
        if (progress)
            progress(i, pageCount);
        quint32 time = 0;
        if (!source || !source(i, record, time) || record.isEmpty())
            continue;
        if (written++ == 0)
            first = time;
        last = time;
        crc.update(record.constData(), record.size());
        out.put(record);
    }
    if (progress)
        progress(pageCount, pageCount);
    const QByteArray head = header(first, last, written, crc.value(), CodePage::fromUnicode(identifier));
    if (!out.writeAt(0, head) || !out.commit())
        return failed();
    return true;
}
