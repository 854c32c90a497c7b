#include "telemetry/tmitextfile.h"

#include "core/codepage.h"
#include "telemetry/extendedrecord.h"
#include "telemetry/orv_tmipage_f6.h"
#include "telemetry/tmibytes.h"
#include "telemetry/tmipage_vela2.h"

#include <QBuffer>
#include <QFile>
#include <QHash>

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr qint64 kHeaderBytes = 64 * 1024;
constexpr qint64 kBlockBytes = 4 << 20;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// The F8 fields as the text file names its elements.
struct F8Element
{
    const char *tag;
    const char *field;
};

const F8Element kF8Elements[] = {
    {"number", "NumPage"},        {"Code", "Code"},
    {"time", "Time"},             {"State", "State"},
    {"Module", "Module1"},        {"GSMLevel", "GSM"},
    {"StateOut", "StateOut1"},    {"StateIn", "StateIn1"},
    {"Power", "Power"},           {"Reserv", "Reserv"},
    {"U_Ain1", "StateU_Ain1"},    {"Impuls_In2", "StateIn_Imp1"},
    {"Impuls_In3", "StateIn_Imp2"}, {"Frequency1", "Frequency1"},
    {"Frequency2", "Frequency2"}, {"Motochas", "Motochas"},
    {"LevelRS485_1", "LevelRS485_1"}, {"LevelRS485_2", "LevelRS485_2"},
    {"LevelRS485_3", "LevelRS485_3"}, {"LevelRS485_4", "LevelRS485_4"},
    {"LevelRS485_5", "LevelRS485_5"}, {"LevelRS485_6", "LevelRS485_6"},
    {"Temp1", "Temp1"},           {"Temp2", "Temp2"},
    {"Temp3", "Temp3"},           {"Temp4", "Temp4"},
    {"StateNavi", "StateNGauge"}, {"LastTime", "LastTime"},
    {"Latitude", "Latitude"},     {"Longitude", "Longitude"},
    {"Altitude", "Altitude"},     {"Speed", "Speed"},
    {"Course", "Course"},         {"Run", "Run"},
    {"Way", "Way"},               {"AllSeconds", "AllSeconds"},
    {"SecondsLast", "SecondsLast"}, {"CAN_FuelLevel", "CAN_FuelLevel"},
    {"CAN_FuelConsumption", "CAN_FuelConsumption"}, {"CAN_EngineTurns", "CAN_EngineTurns"},
    {"CAN_Temp", "CAN_Temp"},     {"CAN_FullRun", "CAN_FullRun"},
    {"CAN_AxleLoad_1", "CAN_AxleLoad_1"}, {"CAN_AxleLoad_2", "CAN_AxleLoad_2"},
    {"CAN_AxleLoad_3", "CAN_AxleLoad_3"}, {"CAN_AxleLoad_4", "CAN_AxleLoad_4"},
    {"CAN_AxleLoad_5", "CAN_AxleLoad_5"}, {"CAN_PedalAccel", "CAN_PedalAccel"},
    {"CAN_PedalStop", "CAN_PedalStop"}, {"CAN_EngineLoad", "CAN_EngineLoad"},
    {"CAN_EngineTime", "CAN_EngineTime"}, {"CAN_TimeTO", "CAN_TimeTO"},
    {"CAN_Speed", "CAN_Speed"},
};

const QHash<QByteArray, FieldRef> &f8Elements()
{
    static const QHash<QByteArray, FieldRef> map = [] {
        QHash<QByteArray, FieldRef> m;
        for (const F8Element &e : kF8Elements)
            m.insert(QByteArray(e.tag), FieldTable::find(QString::fromLatin1(e.field)));
        return m;
    }();
    return map;
}

// Entities and character references of XML, and the no-break space of the
// captions, as characters.
QString unescaped(QStringView text)
{
    if (!text.contains(u'&'))
        return text.toString();
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            out += text[i];
            continue;
        }
        const qsizetype semicolon = text.indexOf(u';', i);
        if (semicolon < 0 || semicolon - i > 10) {
            out += text[i];
            continue;
        }
        const QStringView name = text.sliced(i + 1, semicolon - i - 1);
        char32_t ch = 0;
        if (name == u"amp")
            ch = '&';
        else if (name == u"lt")
            ch = '<';
        else if (name == u"gt")
            ch = '>';
        else if (name == u"quot")
            ch = '"';
        else if (name == u"apos")
            ch = '\'';
        else if (name == u"nbsp")
            ch = ' ';
        else if (name.startsWith(u'#')) {
            bool ok = false;
            const uint code = name.startsWith(u"#x") ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF))
                ch = code;
        }
        if (ch == 0) {
            out += text[i];
            continue;
        }
        out += QStringView(QChar::fromUcs4(ch));
        i = semicolon;
    }
    return out;
}

// A caption of the header: entities, then "_33_" back to "!".
QString caption(QStringView text)
{
    QString s = unescaped(text);
    s.replace(QLatin1String("_33_"), QLatin1String("!"));
    return s;
}

// The value of attribute name in a start tag (the text between its quotes).
QStringView attribute(QStringView line, QStringView name)
{
    qsizetype from = 0;
    while (true) {
        const qsizetype at = line.indexOf(name, from);
        if (at < 0)
            return {};
        from = at + name.size();
        if (at == 0 || !line[at - 1].isSpace())
            continue;
        qsizetype p = at + name.size();
        while (p < line.size() && line[p].isSpace())
            ++p;
        if (p >= line.size() || line[p] != u'=')
            continue;
        ++p;
        while (p < line.size() && line[p].isSpace())
            ++p;
        if (p >= line.size() || (line[p] != u'"' && line[p] != u'\''))
            continue;
        const QChar quote = line[p];
        const qsizetype end = line.indexOf(quote, p + 1);
        if (end < 0)
            return {};
        return line.sliced(p + 1, end - p - 1);
    }
}

// The element name of a line: after its first '<', up to a space, '>' or '/'.
QStringView tagOf(QStringView line)
{
    const qsizetype open = line.indexOf(u'<');
    if (open < 0)
        return {};
    qsizetype end = open + 1;
    while (end < line.size() && !line[end].isSpace() && line[end] != u'>' && line[end] != u'/')
        ++end;
    return line.sliced(open + 1, end - open - 1);
}

// The text between the line's first '>' and the '<' after it.
QStringView contentOf(QStringView line)
{
    const qsizetype close = line.indexOf(u'>');
    if (close < 0)
        return {};
    const qsizetype end = line.indexOf(u'<', close + 1);
    if (end < 0)
        return {};
    return line.sliced(close + 1, end - close - 1);
}

bool storeNumber(QStringView text, const FieldRef &field, quint8 *at)
{
    bool ok = false;
    text = text.trimmed();
    if (field.type == WireType::F32) {
        const float f = text.toFloat(&ok);
        if (ok)
            TmiBytes::writeFloat(at, f);
        return ok;
    }
    qint64 v = text.toLongLong(&ok);
    if (!ok)
        v = qint64(text.toULongLong(&ok));
    if (ok)
        TmiBytes::writeInteger(field.type, at, v);
    return ok;
}

// What a Page line says about its page: 0 F8, 1 second generation, -1 neither.
int pageKind(const char *p, const char *end)
{
    const char *lineEnd = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
    if (!lineEnd)
        lineEnd = end;
    const char *close = static_cast<const char *>(std::memchr(p, '>', size_t(lineEnd - p)));
    if (!close)
        close = lineEnd;
    for (const char *q = p + 5; q + 5 <= close; ++q) {
        if (!isSpace(q[-1]))
            continue;
        if (std::memcmp(q, "page=", 5) == 0)
            return 0;
        if (std::memcmp(q, "type=", 5) == 0)
            return 1;
    }
    return -1;
}

} // namespace

quint32 TmiFilePage::pageNumber() const
{
    if (kind == F8)
        return f8.numPage();
    return vela2 ? vela2->pageNumber() : 0;
}

quint32 TmiFilePage::time() const
{
    if (kind == F8)
        return f8.time();
    return vela2 ? vela2->time() : 0;
}

TmiTextFile::TmiTextFile(int maxLine)
    : m_maxLine(qMax(16, maxLine))
{
}

TmiTextFile::~TmiTextFile() = default;

void TmiTextFile::close()
{
    m_device.reset();
    m_fileName.clear();
    m_size = m_indexedBytes = 0;
    m_indexed = false;
    m_error = Error::None;
    m_errorLine = 0;
    m_lines = 0;
    m_lastNewline = -1;
    m_carry = QByteArray();
    std::vector<quint64>().swap(m_pages);
    m_captions = TmiExport::Captions();
    m_timeZone = 0;
    m_daylightSaving = false;
    m_cache.clear();
    m_decoded = 0;
}

bool TmiTextFile::open(const QString &fileName)
{
    close();
    m_fileName = fileName;
    auto file = std::make_unique<QFile>(fileName);
    if (!file->open(QIODevice::ReadOnly))
        return refuse(Error::CannotOpen);
    return start(std::move(file));
}

bool TmiTextFile::openBytes(const QByteArray &bytes)
{
    close();
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return start(std::move(buffer));
}

bool TmiTextFile::refuse(Error error)
{
    m_error = error;
    m_indexed = false;
    std::vector<quint64>().swap(m_pages);
    m_cache.clear();
    m_carry = QByteArray();
    return false;
}

bool TmiTextFile::start(std::unique_ptr<QIODevice> device)
{
    m_device = std::move(device);
    m_size = m_device->size();
    if (!readHeader())
        return refuse(Error::NotTelemetry);
    m_device->seek(0);
    return true;
}

bool TmiTextFile::readHeader()
{
    // The root element comes first, before any page, in the first lines.
    const QByteArray head = m_device->read(std::min(m_size, kHeaderBytes));
    qsizetype at = 0;
    if (head.startsWith("\xEF\xBB\xBF"))
        at = 3;
    while (at < head.size() && (isSpace(head[at]) || head[at] == '\n'))
        ++at;
    if (!head.mid(at).startsWith("<?xml") && !head.mid(at).startsWith("<TMI"))
        return false;
    bool root = false;
    for (qsizetype from = at; from < head.size();) {
        qsizetype end = head.indexOf('\n', from);
        if (end < 0)
            end = head.size();
        const QString line = CodePage::toUnicode(head.constData() + from, end - from).trimmed();
        from = end + 1;
        const QStringView tag = tagOf(line);
        if (tag == u"Page")
            break;
        if (tag == u"TMI") {
            root = true;
            continue;
        }
        if (!root)
            continue;
        const QStringView value = attribute(line, u"Value");
        static const char *const inputs[] = {"nameI1", "nameI2", "nameI3", "nameAin1"};
        static const char *const sh[] = {"nameSH1", "nameSH2", "nameSH3", "nameSH4"};
        static const char *const temps[] = {"temperature1", "temperature2", "temperature3", "temperature4"};
        for (int i = 0; i < 4; ++i) {
            if (tag == QLatin1String(inputs[i]))
                m_captions.inputs[size_t(i)] = caption(value);
            if (tag == QLatin1String(sh[i]))
                m_captions.shInputs[size_t(i)] = caption(value);
            if (tag == QLatin1String(temps[i]))
                m_captions.temperatures[size_t(i)] = caption(value);
        }
        if (tag == u"nameO1")
            m_captions.outputs[0] = caption(value);
        else if (tag == u"nameO2")
            m_captions.outputs[1] = caption(value);
        else if (tag == u"nTimeZone")
            m_timeZone = value.toInt();
        else if (tag == u"bTimeZone")
            m_daylightSaving = value.toInt() != 0;
    }
    return root;
}

bool TmiTextFile::indexStep(qint64 bytes)
{
    if (!m_device || m_indexed || m_error != Error::None)
        return false;
    qint64 budget = qMax<qint64>(1, bytes);
    QByteArray block;
    while (budget > 0 && m_error == Error::None) {
        const qint64 want = std::min({kBlockBytes, budget, m_size - m_indexedBytes});
        // The start of a line cut by the last block, then the new bytes.
        const qsizetype carried = m_carry.size();
        block.resize(carried + qsizetype(want));
        if (carried)
            std::memcpy(block.data(), m_carry.constData(), size_t(carried));
        const qint64 got = want > 0 ? m_device->read(block.data() + carried, want) : 0;
        if (got < 0) {
            refuse(Error::CannotOpen);
            return false;
        }
        block.resize(carried + qsizetype(got));
        const qint64 blockOffset = m_indexedBytes - carried;
        m_indexedBytes += got;
        budget -= qMax<qint64>(got, 1);
        const bool atEnd = got == 0 || m_indexedBytes >= m_size;
        qsizetype whole = block.size();
        if (!atEnd) {
            const char *last = static_cast<const char *>(memrchr(block.constData(), '\n', size_t(block.size())));
            whole = last ? qsizetype(last - block.constData()) + 1 : 0;
        }
        indexBlock(block.constData(), whole, blockOffset, atEnd);
        if (m_error != Error::None)
            return false;
        m_carry = block.mid(whole);
        if (m_carry.size() > m_maxLine) {
            m_errorLine = m_lines + 1;
            refuse(Error::LineTooLong);
            return false;
        }
        if (atEnd) {
            m_indexed = true;
            m_carry = QByteArray();
            return false;
        }
    }
    return true;
}

bool TmiTextFile::indexAll()
{
    while (indexStep(kBlockBytes)) {
    }
    return m_indexed;
}

void TmiTextFile::indexBlock(const char *data, qsizetype length, qint64 fileOffset, bool atEnd)
{
    // Blocks start at a line start. lineStart: the line being read.
    qsizetype lineStart = 0;
    auto tooLong = [&](qsizetype lineEnd) {
        if (lineEnd - lineStart <= m_maxLine)
            return false;
        m_errorLine = m_lines + 1;
        refuse(Error::LineTooLong);
        return true;
    };
    auto candidate = [&](qsizetype p) {
        if (length - p < 6 || std::memcmp(data + p, "<Page", 5) != 0)
            return;
        const char after = data[p + 5];
        if (!isSpace(after) && after != '>' && after != '\n')
            return;
        for (qsizetype q = p; q > 0; --q) {
            if (data[q - 1] == '\n')
                break;
            if (!isSpace(data[q - 1]))
                return; // not at the start of its line
        }
        const int kind = pageKind(data + p, data + length);
        if (kind >= 0)
            m_pages.push_back(quint64(fileOffset + p) << 1 | quint64(kind));
    };

    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i lt = _mm_set1_epi8('<');
    const __m128i P = _mm_set1_epi8('P');
    const __m128i e = _mm_set1_epi8('e');
    const __m128i nl = _mm_set1_epi8('\n');
    for (; i + 20 <= length; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i + 1));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i + 4));
        unsigned pages = unsigned(_mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi8(a, lt), _mm_and_si128(_mm_cmpeq_epi8(b, P), _mm_cmpeq_epi8(d, e)))));
        const unsigned lines = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(a, nl)));
        while (pages) {
            candidate(i + __builtin_ctz(pages));
            pages &= pages - 1;
        }
        if (lines) {
            if (tooLong(i + __builtin_ctz(lines)))
                return;
            m_lines += __builtin_popcount(lines);
            lineStart = i + (31 - __builtin_clz(lines)) + 1;
        } else if (tooLong(i + 16)) {
            return;
        }
    }
#endif
    for (; i < length; ++i) {
        if (data[i] == '\n') {
            if (tooLong(i))
                return;
            ++m_lines;
            lineStart = i + 1;
        } else if (data[i] == '<') {
            candidate(i);
        }
    }
    if (atEnd && tooLong(length))
        return;
}

TmiFilePage::Kind TmiTextFile::kind(int index) const
{
    if (index < 0 || index >= pageCount())
        return TmiFilePage::F8;
    return TmiFilePage::Kind(m_pages[size_t(index)] & 1);
}

qint64 TmiTextFile::offset(int index) const
{
    if (index < 0 || index >= pageCount())
        return -1;
    return qint64(m_pages[size_t(index)] >> 1);
}

qsizetype TmiTextFile::heldBytes() const
{
    return qsizetype(m_pages.capacity() * sizeof(quint64)) + m_carry.capacity()
           + qsizetype(m_cache.capacity() * sizeof(Cached))
           + qsizetype(m_cache.size() * (sizeof(TmiFilePage) + sizeof(TmiPage_Vela2)));
}

std::shared_ptr<const TmiFilePage> TmiTextFile::page(int index) const
{
    if (index < 0 || index >= pageCount() || !m_device)
        return nullptr;
    ++m_clock;
    for (Cached &c : m_cache) {
        if (c.index == index) {
            c.used = m_clock;
            return c.page;
        }
    }
    const qint64 from = offset(index);
    const qint64 to = index + 1 < pageCount() ? offset(index + 1) : m_size;
    const qint64 length = std::clamp<qint64>(to - from, 0, MaxPageBytes);
    QByteArray bytes;
    if (m_device->seek(from))
        bytes = m_device->read(length);
    auto decoded = std::make_shared<TmiFilePage>();
    decoded->index = index;
    decode(bytes.constData(), bytes.size(), decoded.get());
    ++m_decoded;

    if (int(m_cache.size()) >= CacheSize) {
        auto oldest = std::min_element(m_cache.begin(), m_cache.end(),
                                       [](const Cached &a, const Cached &b) { return a.used < b.used; });
        *oldest = Cached{index, decoded, m_clock};
    } else {
        m_cache.push_back(Cached{index, decoded, m_clock});
    }
    return decoded;
}

void TmiTextFile::decode(const char *bytes, qsizetype length, TmiFilePage *page)
{
    FullRecord full;
    PresenceMask rows;
    bool extended = false;
    int declaredSize = 0, stVer = 0, stSize = 0, hVer = 0, hSize = 0;
    QByteArray dynamicArea;
    bool first = true;
    bool inCode = false;
    page->f8 = F8Record();
    page->f8.data()[0] = F8Record::Type;
    const QHash<QByteArray, FieldRef> &elements = f8Elements();

    for (qsizetype from = 0; from < length;) {
        const char *start = bytes + from;
        const char *nl = static_cast<const char *>(std::memchr(start, '\n', size_t(length - from)));
        const qsizetype lineLength = nl ? qsizetype(nl - start) : length - from;
        from += lineLength + 1;
        const QString line = CodePage::toUnicode(start, lineLength);
        const QStringView tag = tagOf(line);
        if (first) {
            // The Page line: its attributes say the kind.
            first = false;
            if (tag != u"Page")
                return;
            if (!attribute(line, u"page").isNull()) {
                page->kind = TmiFilePage::F8;
            } else {
                page->kind = TmiFilePage::Vela2;
                const int type = attribute(line, u"type").toInt();
                extended = type == ExtendedRecord::Type;
                declaredSize = attribute(line, u"size").toInt();
                stVer = attribute(line, u"stVer").toInt();
                stSize = attribute(line, u"stSize").toInt();
                hVer = attribute(line, u"hVer").toInt();
                hSize = attribute(line, u"hSize").toInt();
            }
            continue;
        }
        if (tag == u"/Page" || tag == u"Page")
            break; // the page ends (or the next one starts: a page without its end)
        if (page->kind == TmiFilePage::F8) {
            if (inCode && tag == u"name") {
                page->eventName = unescaped(contentOf(line));
                continue;
            }
            inCode = false;
            const auto it = elements.constFind(tag.toLatin1());
            if (it == elements.constEnd())
                continue;
            const FieldRef &field = it.value();
            inCode = tag == u"Code";
            const int offset = F8Record::offsetOf(field);
            const QStringView value = attribute(line, u"Value");
            if (offset > 0 && !value.isNull() && storeNumber(value, field, page->f8.data() + offset))
                page->f8Rows.set(field.bit);
            continue;
        }
        if (tag == u"Dynamic") {
            const int type = attribute(line, u"type").toInt();
            const int size = attribute(line, u"size").toInt();
            const QString value = unescaped(attribute(line, u"value"));
            QByteArray element;
            element.append(char(type));
            element.append(char(size));
            const int width = DynamicElement::valueWidth(quint8(type));
            QByteArray bytesOfValue(width, '\0');
            if (type == 2) {
                const QByteArray text = CodePage::fromUnicode(value).left(width);
                std::memcpy(bytesOfValue.data(), text.constData(), size_t(text.size()));
            } else if (width == 8) {
                bool ok = false;
                qint64 v = value.toLongLong(&ok);
                if (!ok)
                    v = qint64(value.toULongLong(&ok));
                TmiBytes::write<qint64>(reinterpret_cast<quint8 *>(bytesOfValue.data()), v);
            }
            dynamicArea += element + bytesOfValue;
            continue;
        }
        const int bit = ORV_TmiPage_F6::readLine(line, full);
        if (bit >= 0)
            rows.set(bit);
    }

    if (page->kind == TmiFilePage::F8)
        return;
    if (!extended) {
        page->vela2 = std::make_shared<TmiPage_Vela2>(full, rows);
        return;
    }
    // The extended record again: its blocks where the layout has them, as
    // far as the file gives their fields, then the dynamic elements.
    QByteArray record(ExtendedRecord::DynamicOffset, '\0');
    auto *r = reinterpret_cast<quint8 *>(record.data());
    r[0] = ExtendedRecord::Type;
    TmiBytes::write<quint16>(r + 1, quint16(declaredSize));
    r[3] = quint8(stVer);
    r[4] = quint8(stSize);
    r[42] = quint8(hVer);
    r[43] = quint8(hSize);
    int held = ExtendedRecord::DynamicOffset;
    for (const F8Field &f : ExtendedLayout::fields) {
        const FieldRef &field = FieldTable::member(f.member);
        if (!rows.test(field.bit)) {
            held = f.offset; // a record cut here: the rest was not received
            break;
        }
        std::memcpy(r + f.offset, full.at(field), field.size);
    }
    if (held == ExtendedRecord::DynamicOffset)
        record += dynamicArea;
    else
        record.truncate(held);
    page->vela2 = std::make_shared<TmiPage_Vela2>(record.constData(), record.size());
}
