#include "telemetry/tmixmlwriter.h"

#include "core/codepage.h"
#include "telemetry/f8record.h"
#include "telemetry/tmidownloadlist.h"
#include "telemetry/tmipage_vela2.h"
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
    return TmiExport::caption(caption);
}

bool TmiXmlWriter::write(const TmiDownloadList &pages, const TmiWriteOptions &options)
{
    m_error.clear();
    const TmiExport::Progress &progress = options.progress;
    const TmiExport::Captions &captions = options.captions;
    TmiFileSink out(options.fileName);
    if (!out.open())
        return fail(out.errorText());
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

    numberElement(out, "nTimeZone", options.timeZone);
    numberElement(out, "bTimeZone", options.daylightSaving ? 1 : 0);
    static const char *const inputTags[] = {"nameI1", "nameI2", "nameI3", "nameAin1"};
    for (int i = 0; i < 4; ++i)
        captionElement(out, inputTags[i], captions.inputs[size_t(i)]);
    static const char *const shTags[] = {"nameSH1", "nameSH2", "nameSH3", "nameSH4"};
    for (int i = 0; i < 4; ++i)
        captionElement(out, shTags[i], captions.shInputs[size_t(i)]);
    captionElement(out, "nameO1", captions.outputs[0]);
    captionElement(out, "nameO2", captions.outputs[1]);
    static const char *const tempTags[] = {"temperature1", "temperature2", "temperature3", "temperature4"};
    for (int i = 0; i < 4; ++i)
        captionElement(out, tempTags[i], captions.temperatures[size_t(i)]);
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
    add(kCode, [&options, &eventNames](PageWriter &w) {
        const quint16 code = quint16(w.integer(kCode));
        auto name = eventNames.constFind(code);
        if (name == eventNames.constEnd())
            name = eventNames.insert(code, TmiExport::xmlText(options.eventName ? options.eventName(code) : QString()));
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
    for (int index = 0; index < count && !out.failed(); ++index) {
        if (progress)
            progress(index, count);
        if (pages.kind(index) != TmiDownloadList::F8) {
            writeVela2Page(out, pages.data(index), pages.size(index));
            continue;
        }
        const quint8 *record = pages.data(index); // an F8 page is held as its 128 bytes
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
    if (progress)
        progress(count, count);
    if (!out.commit())
        return fail(out.errorText());
    return true;
}

namespace {

// "\t\t<Name>value</Name>": the raw value of a member, integers in decimal
// (signed as the wire type says), floats in their shortest form.
void memberElement(TmiTextBuffer &out, int member, const quint8 *bytes)
{
    const FieldRef &field = FieldTable::member(member);
    const char *name = FieldTable::memberName(member);
    const qsizetype nameLength = qsizetype(std::strlen(name));
    out.lit("\t\t<");
    out.put(name, nameLength);
    out.put('>');
    if (field.type == WireType::F32)
        out.advanceTo(TmiText::shortest(out.space(), TmiBytes::readFloat(bytes)));
    else
        out.advanceTo(TmiText::decimal(out.space(), TmiBytes::readInteger(field.type, bytes)));
    out.lit("</");
    out.put(name, nameLength);
    out.lit(">\r\n");
}

void numberAttribute(TmiTextBuffer &out, const char *name, qint64 value)
{
    out.put(' ');
    out.put(name, qsizetype(std::strlen(name)));
    out.lit("=\"");
    out.advanceTo(TmiText::decimal(out.space(), value));
    out.put('"');
}

} // namespace

void TmiXmlWriter::writeVela2Page(TmiTextBuffer &out, const quint8 *record, int length)
{
    const TmiPage_Vela2 page(record, length);
    const FullRecord &full = page.fullRecord();
    if (page.mode() == TmiPage_Vela2::Extended) {
        const ExtendedRecord &e = page.extendedRecord();
        out.lit("\t<Page");
        numberAttribute(out, "type", ExtendedRecord::Type);
        numberAttribute(out, "size", e.declaredSize());
        numberAttribute(out, "stVer", e.stVer());
        numberAttribute(out, "stSize", e.stSize());
        numberAttribute(out, "hVer", e.hVer());
        numberAttribute(out, "hSize", e.hSize());
        out.lit(">\r\n");
        for (const F8Field &f : ExtendedLayout::fields) {
            const FieldRef &field = FieldTable::member(f.member);
            if (page.isPresent(field))
                memberElement(out, f.member, full.at(field));
        }
        for (const DynamicElement &d : page.dynamicElements()) {
            out.lit("\t\t<Dynamic");
            numberAttribute(out, "type", d.type);
            numberAttribute(out, "size", d.size);
            // A text is cut at its first NUL and escaped: a quote or '<' in a
            // driver's name cannot break the line.
            out.lit(" value=\"");
            out.put(TmiExport::xmlText(d.valueText()));
            out.lit("\"/>\r\n");
        }
    } else {
        out.lit("\t<Page");
        numberAttribute(out, "type", page.type());
        numberAttribute(out, "generation", page.generation());
        out.lit(">\r\n");
        for (int bit = 0; bit < FieldTable::RowCount; ++bit) {
            if (!page.isPresent(bit))
                continue;
            const int first = FieldTable::firstMember(bit);
            for (int m = first; m < first + FieldTable::memberCount(bit); ++m)
                memberElement(out, m, full.at(FieldTable::member(m)));
        }
    }
    out.lit("\t</Page>\r\n");
}
