#include "telemetry/tmibinwriter.h"

#include "core/codepage.h"
#include "telemetry/orv_logbinfile.h"
#include "telemetry/orv_tmipage_f8.h"
#include "telemetry/tmidownloadlist.h"
#include "telemetry/tmipage_vela2.h"
#include "telemetry/tmitextbuffer.h"

#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr quint32 kPolynomial = 0xEDB88320u;
constexpr quint32 kAfterEachByte = 0xD202EF8Du;

using Tables = std::array<std::array<quint32, 256>, 8>;

constexpr Tables makeTables()
{
    Tables t{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? (c >> 1) ^ kPolynomial : c >> 1;
        t[0][i] = c;
    }
    for (int k = 1; k < 8; ++k) {
        for (quint32 i = 0; i < 256; ++i)
            t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
    }
    return t;
}

constexpr Tables kTables = makeTables();

// What the XOR after each of eight bytes adds once the eight steps are done.
constexpr quint32 eightStepConstant()
{
    quint32 crc = 0;
    for (int i = 0; i < 8; ++i)
        crc = ((crc >> 8) ^ kTables[0][crc & 0xFF]) ^ kAfterEachByte;
    return crc;
}

constexpr quint32 kEightSteps = eightStepConstant();

inline quint32 load32(const quint8 *p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

} // namespace

void TmiBinWriter::RecordCrc::update(const void *data, qsizetype length)
{
    const auto *p = static_cast<const quint8 *>(data);
    quint32 crc = m_crc;
    for (; length >= 8; length -= 8, p += 8) {
        const quint32 a = load32(p) ^ crc;
        const quint32 b = load32(p + 4);
        crc = kTables[7][a & 0xFF] ^ kTables[6][(a >> 8) & 0xFF] ^ kTables[5][(a >> 16) & 0xFF]
            ^ kTables[4][a >> 24] ^ kTables[3][b & 0xFF] ^ kTables[2][(b >> 8) & 0xFF]
            ^ kTables[1][(b >> 16) & 0xFF] ^ kTables[0][b >> 24] ^ kEightSteps;
    }
    for (; length > 0; --length, ++p)
        crc = ((crc >> 8) ^ kTables[0][(crc ^ *p) & 0xFF]) ^ kAfterEachByte;
    m_crc = crc;
}

bool TmiBinWriter::write(const TmiDownloadList &pages, const QString &fileName)
{
    m_error.clear();
    TmiFileSink out(fileName);
    if (!out.open()) {
        m_error = out.errorText();
        return false;
    }
    // The header goes last: it holds the checksum of the records.
    out.put(QByteArray(ORV_LogBinFile::HeaderSize, '\0'));

    // An F8 page's record is its length, type, generation and the F8 field
    // mask, then the F8 fields in the mask's bit order: the same start for
    // every page, and the fields copied in a few runs of the F8 record.
    struct Run
    {
        int from;
        int length;
    };
    std::vector<Run> runs;
    for (int bit = 0; bit < FieldTable::FirstGenerationRows; ++bit) {
        if (!F8Record::fieldMask().test(bit))
            continue;
        const FieldRef &field = FieldTable::member(FieldTable::firstMember(bit));
        const int from = F8Record::offsetOf(field);
        if (from < 0) {
            runs.clear(); // a field F8 lacks: no runs, each page goes the long way
            break;
        }
        if (!runs.empty() && runs.back().from + runs.back().length == from)
            runs.back().length += field.size;
        else
            runs.push_back({from, field.size});
    }
    ORV_TmiPage_F8 f8Page(nullptr, F8Record());
    const int recordStart = ORV_LogBinFile::RecordHeaderSize;
    const QByteArray start = ORV_LogBinFile::record(f8Page).left(recordStart);
    auto fastRecord = [&](const quint8 *record, char *p) {
        std::memcpy(p, start.constData(), size_t(recordStart));
        char *out = p + recordStart;
        for (const Run &run : runs) {
            std::memcpy(out, record + run.from, size_t(run.length));
            out += run.length;
        }
        return out;
    };
    // The runs must give what the page object writes; checked on the first page.
    bool fast = !runs.empty();
    if (fast && pages.count() > 0 && pages.kind(0) == TmiDownloadList::F8) {
        char probe[TmiTextBuffer::MaxPiece];
        f8Page.setRecord(pages.f8(0));
        const QByteArray expected = ORV_LogBinFile::record(f8Page);
        const char *end = fastRecord(pages.f8(0).data(), probe);
        fast = QByteArray(probe, end - probe) == expected;
    }

    RecordCrc crc;
    const int count = pages.count();
    int written = 0;
    quint32 firstTime = 0;
    quint32 lastTime = 0;
    for (int index = 0; index < count && !out.failed(); ++index) {
        if (m_progress)
            m_progress(index, count);
        quint32 time;
        if (fast && pages.kind(index) == TmiDownloadList::F8 && pages.size(index) == F8Record::Size) {
            const quint8 *record = pages.data(index);
            char *p = out.space();
            char *end = fastRecord(record, p);
            crc.update(p, end - p);
            out.advanceTo(end);
            time = TmiBytes::read<quint32>(record + F8Layout::offset("Time"));
        } else {
            QByteArray record;
            if (pages.kind(index) == TmiDownloadList::F8) {
                f8Page.setRecord(pages.f8(index));
                record = ORV_LogBinFile::record(f8Page);
                time = f8Page.time();
            } else {
                const TmiPage_Vela2 page(pages.data(index), pages.size(index));
                if (page.isEmpty())
                    continue;
                record = ORV_LogBinFile::record(page);
                time = page.time();
            }
            crc.update(record.constData(), record.size());
            out.put(record);
        }
        if (written == 0)
            firstTime = time;
        lastTime = time;
        ++written;
    }
    if (m_progress)
        m_progress(count, count);
    const QByteArray header =
        ORV_LogBinFile::header(firstTime, lastTime, written, crc.value(), CodePage::fromUnicode(m_identifier));
    if (!out.writeAt(0, header) || !out.commit()) {
        m_error = out.errorText();
        return false;
    }
    return true;
}
