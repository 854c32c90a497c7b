#include "telemetry/tmixmlwriter.h"

#include "core/codepage.h"
#include "telemetry/f8record.h"
#include "telemetry/tmidownloadlist.h"
#include "telemetry/tmitextbuffer.h"
#include "telemetry/tmitextformat.h"

#include <QHash>

#include <cstring>

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
        : m_out(out)
        , m_format(format)
    {
    }

    void setRecord(const quint8 *record) { m_record = record; }
    const quint8 *at(const Field &f) const { return m_record + f.offset; }
    quint8 type() const { return m_record[0]; }
    qint64 integer(const Field &f) const { return TmiBytes::readInteger(f.ref.type, at(f)); }

    // "\t\t<Tag Value=\"raw\">"
    void open(const char *tag, const Field &f)
    {
        m_out.lit("\t\t<");
        m_out.put(tag, qsizetype(std::strlen(tag)));
        m_out.lit(" Value=\"");
        raw(f);
        m_out.lit("\">");
    }
    void openNumber(const char *tag, qint64 value)
    {
        m_out.lit("\t\t<");
        m_out.put(tag, qsizetype(std::strlen(tag)));
        m_out.lit(" Value=\"");
        m_out.advanceTo(TmiText::decimal(m_out.space(), value));
        m_out.lit("\">");
    }
    void close(const char *tag)
    {
        m_out.lit("</");
        m_out.put(tag, qsizetype(std::strlen(tag)));
        m_out.lit(">\r\n");
    }
    void closeParent(const char *tag)
    {
        m_out.lit("\t\t</");
        m_out.put(tag, qsizetype(std::strlen(tag)));
        m_out.lit(">\r\n");
    }
    // "\t\t\t<child>" ... "</child>\r\n" around what the caller writes.
    void child(const char *tag)
    {
        m_out.lit("\t\t\t<");
        m_out.put(tag, qsizetype(std::strlen(tag)));
        m_out.put('>');
    }

    void raw(const Field &f)
    {
        if (f.ref.type == WireType::F32)
            m_out.advanceTo(TmiText::shortest(m_out.space(), TmiBytes::readFloat(at(f))));
        else
            m_out.advanceTo(TmiText::decimal(m_out.space(), integer(f)));
    }
    void text(const Field &f) { m_format.value(m_out, f.ref, at(f)); }

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
        m_out.lit("\r\n");
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

    TmiTextBuffer &out() { return m_out; }
    const TmiTextFormat &format() const { return m_format; }

private:
    TmiTextBuffer &m_out;
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
    PageWriter page(out, format);
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

    F8Record converted;
    for (int index = 0; index < count && !out.failed(); ++index) {
        if (m_progress)
            m_progress(index, count);
        if (pages.kind(index) == TmiDownloadList::F8 && pages.size(index) == F8Record::Size) {
            page.setRecord(pages.data(index));
        } else {
            converted = pages.f8(index);
            page.setRecord(converted.data());
        }

        out.lit("\t<Page page=\"");
        out.advanceTo(TmiText::decimal(out.space(), index));
        out.lit("\">\r\n");

        out.lit("\t\t<Type Value=\"");
        out.advanceTo(TmiText::decimal(out.space(), page.type()));
        out.lit("\">\r\n\t\t\t<type>F-8</type>\r\n\t\t</Type>\r\n");

        const qint64 number = page.integer(kNumPage);
        page.openNumber("number", number);
        out.put('"');
        out.advanceTo(TmiText::decimal(out.space(), number));
        out.put('"');
        page.close("number");

        const quint16 code = quint16(page.integer(kCode));
        auto name = eventNames.constFind(code);
        if (name == eventNames.constEnd())
            name = eventNames.insert(code, TmiExport::xmlText(m_eventName ? m_eventName(code) : QString()));
        page.open("Code", kCode);
        out.lit("\r\n");
        page.childText("name", [&] { out.put(*name); });
        page.closeParent("Code");

        page.open("time", kTime);
        out.advanceTo(TmiText::xmlDateTime(out.space(), quint32(page.integer(kTime))));
        page.close("time");

        const quint32 state = quint32(page.integer(kState));
        page.open("State", kState);
        out.lit("\r\n");
        page.childText("Alarm", [&] { format.onOff(out, state, kStateAlarmBit); });
        page.childText("Test", [&] { format.onOff(out, state, kStateTestBit); });
        page.closeParent("State");

        const quint8 module1 = quint8(page.integer(kModule1));
        page.open("Module", kModule1);
        out.lit("\r\n");
        page.childText("GSM", [&] { format.onOff(out, module1, kModuleGsmBit); });
        page.childText("USB", [&] { format.moduleBit(out, module1, kModuleUsbBit); });
        page.childText("Sinchro", [&] { format.moduleBit(out, module1, kModuleSyncBit); });
        page.childText("RegGSM", [&] { format.moduleBit(out, module1, kModuleRegisteredBit); });
        page.childText("TypeGSM", [&] { format.moduleBit(out, module1, kModuleRoamingBit); });
        page.childText("Engine", [&] { format.moduleBit(out, module1, kModuleEngineBit); });
        page.closeParent("Module");

        page.withChild("GSMLevel", kGsm, "Level");

        const quint32 outputs = quint32(page.integer(kStateOut1));
        page.open("StateOut", kStateOut1);
        out.lit("\r\n");
        page.childText("Out1", [&] { format.output(out, outputs, 0); });
        page.childText("Out2", [&] { format.output(out, outputs, 1); });
        page.closeParent("StateOut");

        const quint32 inputs = quint32(page.integer(kStateIn1));
        page.open("StateIn", kStateIn1);
        out.lit("\r\n");
        static const char *const inTags[] = {"In_I1", "In_I2", "In_I3", "In_Ain1",
                                             "In_SH1", "In_SH2", "In_SH3", "In_SH4"};
        for (int bit = 0; bit < 8; ++bit)
            page.childText(inTags[bit], [&] { format.onOff(out, inputs, bit); });
        page.closeParent("StateIn");

        page.withChild("Power", kPower, "Volt");
        page.withChild("Reserv", kReserv, "Volt");
        page.withChild("U_Ain1", kAin1, "Volt");
        page.simple("Impuls_In2", kImp1);
        page.simple("Impuls_In3", kImp2);
        page.simple("Frequency1", kFrequency1);
        page.simple("Frequency2", kFrequency2);
        page.simple("Motochas", kMotochas);
        static const char *const levelTags[] = {"LevelRS485_1", "LevelRS485_2", "LevelRS485_3",
                                                "LevelRS485_4", "LevelRS485_5", "LevelRS485_6"};
        for (int i = 0; i < 6; ++i)
            page.simple(levelTags[i], kLevels[i]);
        static const char *const tempElementTags[] = {"Temp1", "Temp2", "Temp3", "Temp4"};
        for (int i = 0; i < 4; ++i)
            page.withChild(tempElementTags[i], kTemps[i], "Temp");

        const quint8 navigation = quint8(page.integer(kStateNGauge));
        page.open("StateNavi", kStateNGauge);
        out.lit("\r\n");
        page.childText("State", [&] { format.onOff(out, navigation, 0); });
        page.childText("Valid", [&] { format.navigationFix(out, navigation); });
        page.childText("CountSatellite",
                       [&] { out.advanceTo(TmiText::decimal(out.space(), navigation >> kSatelliteShift)); });
        page.closeParent("StateNavi");

        page.open("LastTime", kLastTime);
        out.advanceTo(TmiText::xmlDateTime(out.space(), quint32(page.integer(kLastTime))));
        page.close("LastTime");

        page.withChild("Latitude", kLatitude, "Lat");
        page.withChild("Longitude", kLongitude, "Lon");
        page.withChild("Altitude", kAltitude, "Alt");
        page.withChild("Speed", kSpeed, "StrSpeed");
        page.withChild("Course", kCourse, "StrCourse");
        page.withChild("Run", kRun, "StrRun");
        page.withChild("Way", kWay, "StrWay");
        page.simple("AllSeconds", kAllSeconds);
        page.simple("SecondsLast", kSecondsLast);

        page.openNumber("Reliability", (navigation >> 1) & 1);
        format.navigationValidity(out, navigation);
        page.close("Reliability");

        for (size_t i = 0; i < std::size(kCan); ++i)
            page.simple(kCanTags[i], kCan[i]);
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
