#include "telemetry/tmixmlwriter.h"

#include "core/codepage.h"
#include "telemetry/f8record.h"
#include "telemetry/tmidownloadlist.h"
#include "telemetry/tmipiececache.h"
#include "telemetry/tmitextbuffer.h"
#include "telemetry/tmitextformat.h"

#include <QHash>

#include <cstring>
#include <functional>
#include <vector>

namespace {

// An F8 field: where it is and how it is read.
struct Field
{
    FieldRef ref;
    int offset;
};

constexpr Field f8(std::string_view name)
{
    return {FieldTable::field(name), F8Layout::offset(name)};
}

constexpr Field kNumPage = f8("NumPage");
constexpr Field kCode = f8("Code");
constexpr Field kTime = f8("Time");
constexpr Field kState = f8("State");
constexpr Field kModule1 = f8("Module1");
constexpr Field kGsm = f8("GSM");
constexpr Field kStateOut1 = f8("StateOut1");
constexpr Field kStateIn1 = f8("StateIn1");
constexpr Field kPower = f8("Power");
constexpr Field kReserv = f8("Reserv");
constexpr Field kAin1 = f8("StateU_Ain1");
constexpr Field kImp1 = f8("StateIn_Imp1");
constexpr Field kImp2 = f8("StateIn_Imp2");
constexpr Field kFrequency1 = f8("Frequency1");
constexpr Field kFrequency2 = f8("Frequency2");
constexpr Field kMotochas = f8("Motochas");
constexpr Field kLevels[] = {f8("LevelRS485_1"), f8("LevelRS485_2"), f8("LevelRS485_3"),
                             f8("LevelRS485_4"), f8("LevelRS485_5"), f8("LevelRS485_6")};
constexpr Field kTemps[] = {f8("Temp1"), f8("Temp2"), f8("Temp3"), f8("Temp4")};
constexpr Field kStateNGauge = f8("StateNGauge");
constexpr Field kLastTime = f8("LastTime");
constexpr Field kLatitude = f8("Latitude");
constexpr Field kLongitude = f8("Longitude");
constexpr Field kAltitude = f8("Altitude");
constexpr Field kSpeed = f8("Speed");
constexpr Field kCourse = f8("Course");
constexpr Field kRun = f8("Run");
constexpr Field kWay = f8("Way");
constexpr Field kAllSeconds = f8("AllSeconds");
constexpr Field kSecondsLast = f8("SecondsLast");
constexpr Field kCan[] = {
    f8("CAN_FuelLevel"),  f8("CAN_FuelConsumption"), f8("CAN_EngineTurns"), f8("CAN_Temp"),
    f8("CAN_FullRun"),    f8("CAN_AxleLoad_1"),      f8("CAN_AxleLoad_2"),  f8("CAN_AxleLoad_3"),
    f8("CAN_AxleLoad_4"), f8("CAN_AxleLoad_5"),      f8("CAN_PedalAccel"),  f8("CAN_PedalStop"),
    f8("CAN_EngineLoad"), f8("CAN_EngineTime"),      f8("CAN_TimeTO"),      f8("CAN_Speed"),
};
constexpr const char *kCanTags[] = {
    "CAN_FuelLevel",  "CAN_FuelConsumption", "CAN_EngineTurns", "CAN_Temp",
    "CAN_FullRun",    "CAN_AxleLoad_1",      "CAN_AxleLoad_2",  "CAN_AxleLoad_3",
    "CAN_AxleLoad_4", "CAN_AxleLoad_5",      "CAN_PedalAccel",  "CAN_PedalStop",
    "CAN_EngineLoad", "CAN_EngineTime",      "CAN_TimeTO",      "CAN_Speed",
};

// Bits of the State byte shown in the file besides bit 0 (record valid).
constexpr int kStateAlarmBit = 1;
constexpr int kStateTestBit = 2;
// Module1: bit 0 GSM module on, the others as the page view shows them.
constexpr int kModuleGsmBit = 0;
constexpr int kModuleUsbBit = 3;
constexpr int kModuleSyncBit = 1;
constexpr int kModuleRegisteredBit = 5;
constexpr int kModuleRoamingBit = 6;
constexpr int kModuleEngineBit = 7;
// StateNGauge: bit 0 receiver on, bit 1 fix valid, bits 2..7 satellites.
constexpr int kSatelliteShift = 2;

// Writes the elements of one page.
class PageWriter
{
public:
    PageWriter(TmiTextBuffer &out, const TmiTextFormat &format)
        : m_out(&out)
        , m_format(format)
    {
    }
    void setOut(TmiTextBuffer &out) { m_out = &out; }

    void setRecord(const quint8 *record) { m_record = record; }
    const quint8 *at(const Field &f) const { return m_record + f.offset; }
    quint8 type() const { return m_record[0]; }
    qint64 integer(const Field &f) const { return TmiBytes::readInteger(f.ref.type, at(f)); }

    // "\t\t<Tag Value=\"raw\">"
    void open(const char *tag, const Field &f)
    {
        m_out->lit("\t\t<");
        m_out->put(tag, qsizetype(std::strlen(tag)));
        m_out->lit(" Value=\"");
        raw(f);
        m_out->lit("\">");
    }
    void openNumber(const char *tag, qint64 value)
    {
        m_out->lit("\t\t<");
        m_out->put(tag, qsizetype(std::strlen(tag)));
        m_out->lit(" Value=\"");
        m_out->advanceTo(TmiText::decimal(m_out->space(), value));
        m_out->lit("\">");
    }
    void close(const char *tag)
    {
        m_out->lit("</");
        m_out->put(tag, qsizetype(std::strlen(tag)));
        m_out->lit(">\r\n");
    }
    void closeParent(const char *tag)
    {
        m_out->lit("\t\t</");
        m_out->put(tag, qsizetype(std::strlen(tag)));
        m_out->lit(">\r\n");
    }
    // "\t\t\t<child>" ... "</child>\r\n" around what the caller writes.
    void child(const char *tag)
    {
        m_out->lit("\t\t\t<");
        m_out->put(tag, qsizetype(std::strlen(tag)));
        m_out->put('>');
    }

    void raw(const Field &f)
    {
        if (f.ref.type == WireType::F32)
            m_out->advanceTo(TmiText::shortest(m_out->space(), TmiBytes::readFloat(at(f))));
        else
            m_out->advanceTo(TmiText::decimal(m_out->space(), integer(f)));
    }
    void text(const Field &f) { m_format.value(*m_out, f.ref, at(f)); }

    // <Tag Value="raw">text</Tag>
    void simple(const char *tag, const Field &f)
    {
        open(tag, f);
        text(f);
        close(tag);
    }
    // <Tag Value="raw"><child>text</child></Tag>, one element per line.
    void withChild(const char *tag, const Field &f, const char *childTag)
    {
        open(tag, f);
        m_out->lit("\r\n");
        child(childTag);
        text(f);
        close(childTag);
        closeParent(tag);
    }
    template<typename Write>
    void childText(const char *tag, Write write)
    {
        child(tag);
        write();
        close(tag);
    }

    TmiTextBuffer &out() { return *m_out; }
    const TmiTextFormat &format() const { return m_format; }

private:
    TmiTextBuffer *m_out;
    const TmiTextFormat &m_format;
    const quint8 *m_record = nullptr;
};

void captionElement(TmiTextBuffer &out, const char *tag, const QString &caption)
{
    out.lit("\t<");
    out.put(tag, qsizetype(std::strlen(tag)));
    out.lit(" Value=\"");
    out.put(TmiXmlWriter::escapeCaption(caption));
    out.lit("\"/>\r\n");
}

void numberElement(TmiTextBuffer &out, const char *tag, qint64 value)
{
    out.lit("\t<");
    out.put(tag, qsizetype(std::strlen(tag)));
    out.lit(" Value=\"");
    out.advanceTo(TmiText::decimal(out.space(), value));
    out.lit("\"/>\r\n");
}

} // namespace

QByteArray TmiXmlWriter::escapeCaption(const QString &caption)
{
    QString out;
    out.reserve(caption.size() + 8);
    for (const QChar ch : caption) {
        switch (ch.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case ' ':
            out += QLatin1String("&nbsp;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        case '\'':
            out += QLatin1String("&apos;");
            break;
        case '!':
            out += QStringLiteral("_%1_").arg(33);
            break;
        default:
            out += ch.unicode() < 0x20 ? QStringLiteral("&nbsp;") : QString(ch);
            break;
        }
    }
    return CodePage::fromUnicode(out);
}

bool TmiXmlWriter::write(const TmiDownloadList &pages, const QString &fileName)
{
    m_error.clear();
    TmiFileSink out(fileName);
    if (!out.open()) {
        m_error = out.errorText();
        return false;
    }
    const TmiTextFormat format(&TmiExport::xmlText);
    QHash<quint16, QByteArray> eventNames;
    const int count = pages.count();

    char *p;
    out.lit("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n");
    // The captions use the no-break-space entity, which XML does not know
    // by itself: declared here so that XML readers accept the file.
    out.lit("<!DOCTYPE TMI [<!ENTITY nbsp \"&#160;\">]>\r\n");
    out.lit("<TMI model=\"K-4810\" modification=\"1\" timeStart=\"");
    p = out.space();
    out.advanceTo(TmiText::xmlDateTime(p, count ? pages.time(0) : 0));
    out.lit("\" timeEnd=\"");
    p = out.space();
    out.advanceTo(TmiText::xmlDateTime(p, count ? pages.time(count - 1) : 0));
    out.lit("\" vendor=\"QUARTOLINK\" version=\"2.0\"> \r\n");

    numberElement(out, "nTimeZone", m_timeZone);
    numberElement(out, "bTimeZone", m_daylightSaving ? 1 : 0);
    static const char *const inputTags[] = {"nameI1", "nameI2", "nameI3", "nameAin1"};
    for (int i = 0; i < 4; ++i)
        captionElement(out, inputTags[i], m_captions.inputs[size_t(i)]);
    static const char *const shTags[] = {"nameSH1", "nameSH2", "nameSH3", "nameSH4"};
    for (int i = 0; i < 4; ++i)
        captionElement(out, shTags[i], m_captions.shInputs[size_t(i)]);
    captionElement(out, "nameO1", m_captions.outputs[0]);
    captionElement(out, "nameO2", m_captions.outputs[1]);
    static const char *const tempTags[] = {"temperature1", "temperature2", "temperature3", "temperature4"};
    for (int i = 0; i < 4; ++i)
        captionElement(out, tempTags[i], m_captions.temperatures[size_t(i)]);
    numberElement(out, "countPage", count);

    // The elements of a page, each made from one field of the record.
    struct Element
    {
        Field field;
        std::function<void(PageWriter &)> write;
    };
    std::vector<Element> elements;
    auto add = [&elements](const Field &field, std::function<void(PageWriter &)> write) {
        elements.push_back({field, std::move(write)});
    };
    constexpr Field kType{FieldRef{0, 0, 0xFF, 1, WireType::U8, ValueFormat::Decimal}, 0};
    add(kType, [](PageWriter &w) {
        w.out().lit("\t\t<Type Value=\"");
        w.out().advanceTo(TmiText::decimal(w.out().space(), w.type()));
        w.out().lit("\">\r\n\t\t\t<type>F-8</type>\r\n\t\t</Type>\r\n");
    });
    add(kNumPage, [](PageWriter &w) {
        const qint64 number = w.integer(kNumPage);
        w.openNumber("number", number);
        w.out().put('"');
        w.out().advanceTo(TmiText::decimal(w.out().space(), number));
        w.out().put('"');
        w.close("number");
    });
    add(kCode, [this, &eventNames](PageWriter &w) {
        const quint16 code = quint16(w.integer(kCode));
        auto name = eventNames.constFind(code);
        if (name == eventNames.constEnd())
            name = eventNames.insert(code, TmiExport::xmlText(m_eventName ? m_eventName(code) : QString()));
        w.open("Code", kCode);
        w.out().lit("\r\n");
        w.childText("name", [&] { w.out().put(*name); });
        w.closeParent("Code");
    });
    add(kTime, [](PageWriter &w) {
        w.open("time", kTime);
        w.out().advanceTo(TmiText::xmlDateTime(w.out().space(), quint32(w.integer(kTime))));
        w.close("time");
    });
    add(kState, [](PageWriter &w) {
        const quint32 state = quint32(w.integer(kState));
        w.open("State", kState);
        w.out().lit("\r\n");
        w.childText("Alarm", [&] { w.format().onOff(w.out(), state, kStateAlarmBit); });
        w.childText("Test", [&] { w.format().onOff(w.out(), state, kStateTestBit); });
        w.closeParent("State");
    });
    add(kModule1, [](PageWriter &w) {
        const quint8 module1 = quint8(w.integer(kModule1));
        const TmiTextFormat &format = w.format();
        TmiTextBuffer &out = w.out();
        w.open("Module", kModule1);
        out.lit("\r\n");
        w.childText("GSM", [&] { format.onOff(out, module1, kModuleGsmBit); });
        w.childText("USB", [&] { format.moduleBit(out, module1, kModuleUsbBit); });
        w.childText("Sinchro", [&] { format.moduleBit(out, module1, kModuleSyncBit); });
        w.childText("RegGSM", [&] { format.moduleBit(out, module1, kModuleRegisteredBit); });
        w.childText("TypeGSM", [&] { format.moduleBit(out, module1, kModuleRoamingBit); });
        w.childText("Engine", [&] { format.moduleBit(out, module1, kModuleEngineBit); });
        w.closeParent("Module");
    });
    add(kGsm, [](PageWriter &w) { w.withChild("GSMLevel", kGsm, "Level"); });
    add(kStateOut1, [](PageWriter &w) {
        const quint32 outputs = quint32(w.integer(kStateOut1));
        w.open("StateOut", kStateOut1);
        w.out().lit("\r\n");
        w.childText("Out1", [&] { w.format().output(w.out(), outputs, 0); });
        w.childText("Out2", [&] { w.format().output(w.out(), outputs, 1); });
        w.closeParent("StateOut");
    });
    add(kStateIn1, [](PageWriter &w) {
        const quint32 inputs = quint32(w.integer(kStateIn1));
        w.open("StateIn", kStateIn1);
        w.out().lit("\r\n");
        static const char *const inTags[] = {"In_I1", "In_I2", "In_I3", "In_Ain1",
                                             "In_SH1", "In_SH2", "In_SH3", "In_SH4"};
        for (int bit = 0; bit < 8; ++bit)
            w.childText(inTags[bit], [&] { w.format().onOff(w.out(), inputs, bit); });
        w.closeParent("StateIn");
    });
    add(kPower, [](PageWriter &w) { w.withChild("Power", kPower, "Volt"); });
    add(kReserv, [](PageWriter &w) { w.withChild("Reserv", kReserv, "Volt"); });
    add(kAin1, [](PageWriter &w) { w.withChild("U_Ain1", kAin1, "Volt"); });
    add(kImp1, [](PageWriter &w) { w.simple("Impuls_In2", kImp1); });
    add(kImp2, [](PageWriter &w) { w.simple("Impuls_In3", kImp2); });
    add(kFrequency1, [](PageWriter &w) { w.simple("Frequency1", kFrequency1); });
    add(kFrequency2, [](PageWriter &w) { w.simple("Frequency2", kFrequency2); });
    add(kMotochas, [](PageWriter &w) { w.simple("Motochas", kMotochas); });
    static const char *const levelTags[] = {"LevelRS485_1", "LevelRS485_2", "LevelRS485_3",
                                            "LevelRS485_4", "LevelRS485_5", "LevelRS485_6"};
    for (int i = 0; i < 6; ++i)
        add(kLevels[i], [i](PageWriter &w) { w.simple(levelTags[i], kLevels[i]); });
    static const char *const tempElementTags[] = {"Temp1", "Temp2", "Temp3", "Temp4"};
    for (int i = 0; i < 4; ++i)
        add(kTemps[i], [i](PageWriter &w) { w.withChild(tempElementTags[i], kTemps[i], "Temp"); });
    add(kStateNGauge, [](PageWriter &w) {
        const quint8 navigation = quint8(w.integer(kStateNGauge));
        w.open("StateNavi", kStateNGauge);
        w.out().lit("\r\n");
        w.childText("State", [&] { w.format().onOff(w.out(), navigation, 0); });
        w.childText("Valid", [&] { w.format().navigationFix(w.out(), navigation); });
        w.childText("CountSatellite",
                    [&] { w.out().advanceTo(TmiText::decimal(w.out().space(), navigation >> kSatelliteShift)); });
        w.closeParent("StateNavi");
    });
    add(kLastTime, [](PageWriter &w) {
        w.open("LastTime", kLastTime);
        w.out().advanceTo(TmiText::xmlDateTime(w.out().space(), quint32(w.integer(kLastTime))));
        w.close("LastTime");
    });
    add(kLatitude, [](PageWriter &w) { w.withChild("Latitude", kLatitude, "Lat"); });
    add(kLongitude, [](PageWriter &w) { w.withChild("Longitude", kLongitude, "Lon"); });
    add(kAltitude, [](PageWriter &w) { w.withChild("Altitude", kAltitude, "Alt"); });
    add(kSpeed, [](PageWriter &w) { w.withChild("Speed", kSpeed, "StrSpeed"); });
    add(kCourse, [](PageWriter &w) { w.withChild("Course", kCourse, "StrCourse"); });
    add(kRun, [](PageWriter &w) { w.withChild("Run", kRun, "StrRun"); });
    add(kWay, [](PageWriter &w) { w.withChild("Way", kWay, "StrWay"); });
    add(kAllSeconds, [](PageWriter &w) { w.simple("AllSeconds", kAllSeconds); });
    add(kSecondsLast, [](PageWriter &w) { w.simple("SecondsLast", kSecondsLast); });
    add(kStateNGauge, [](PageWriter &w) {
        const quint8 navigation = quint8(w.integer(kStateNGauge));
        w.openNumber("Reliability", (navigation >> 1) & 1);
        w.format().navigationValidity(w.out(), navigation);
        w.close("Reliability");
    });
    for (size_t i = 0; i < std::size(kCan); ++i)
        add(kCan[i], [i](PageWriter &w) { w.simple(kCanTags[i], kCan[i]); });

    std::vector<TmiPieceCache> caches(elements.size());
    PageWriter piece(out, format);
    F8Record converted;
    for (int index = 0; index < count && !out.failed(); ++index) {
        if (m_progress)
            m_progress(index, count);
        const quint8 *record;
        if (pages.kind(index) == TmiDownloadList::F8 && pages.size(index) == F8Record::Size) {
            record = pages.data(index);
        } else {
            converted = pages.f8(index);
            record = converted.data();
        }
        piece.setRecord(record);
        out.lit("\t<Page page=\"");
        out.advanceTo(TmiText::decimal(out.space(), index));
        out.lit("\">\r\n");
        for (size_t i = 0; i < elements.size(); ++i) {
            const Element &e = elements[i];
            caches[i].put(out, TmiPieceCache::key(record + e.field.offset, e.field.ref.size),
                          [&](TmiTextBuffer &text) {
                              piece.setOut(text);
                              e.write(piece);
                          });
        }
        out.lit("\t</Page>\r\n");
    }
    out.lit("</TMI>\r\n");
    if (m_progress)
        m_progress(count, count);
    if (!out.commit()) {
        m_error = out.errorText();
        return false;
    }
    return true;
}
