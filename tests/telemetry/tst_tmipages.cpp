// Page objects and the texts of their values: Vela2 pages (masked and
// extended), F8 pages, the text line reader. No catalogue is loaded, so a
// text key comes back as the key itself.

#include "tests/telemetry/tmisamples.h"

#include "telemetry/extendedrecord.h"
#include "telemetry/orv_tmipage_f6.h"
#include "telemetry/orv_tmipage_f8.h"
#include "telemetry/tmiformat.h"
#include "telemetry/tmipage_vela2.h"

#include <QRandomGenerator>
#include <QTest>

#include <charconv>

using namespace TmiSamples;

class TestTmiPages : public QObject
{
    Q_OBJECT

private slots:
    void valueTexts_data();
    void valueTexts();
    void absentFieldIsNotAvailable();
    void bitTexts_data();
    void bitTexts();
    void inputsAndOutputs();

    void vela2Masked();
    void vela2Truncated();
    void vela2Extended();
    void vela2UnknownType();
    void vela2FromFullRecord();

    void f8Page();
    void f8PageFromF6();

    void readLine_data();
    void readLine();
    void readLineIgnores_data();
    void readLineIgnores();
    void readLineRoundTrip();
};

// Each value goes through a Vela2 page whose mask holds only its row.
void TestTmiPages::valueTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("value"); // qint64, or float for float fields
    QTest::addColumn<QString>("text");

    QTest::newRow("Latitude") << "Latitude" << QVariant(qint64(33450000)) << "55 45.0000'";
    QTest::newRow("Latitude south") << "Latitude" << QVariant(qint64(-33450000)) << "-55 -45.0000'";
    QTest::newRow("Latitude under a degree south") << "Latitude" << QVariant(qint64(-300000)) << "0 -30.0000'";
    QTest::newRow("Longitude") << "Longitude" << QVariant(qint64(22500000)) << "37 30.0000'";
    QTest::newRow("NaviLatitude") << "NaviLatitude" << QVariant(qint64(33450000000)) << "55 45.0000000'";
    QTest::newRow("NaviLongitude extreme") << "NaviLongitude" << QVariant(qint64(108000000001)) << "180 0.0000001'";
    QTest::newRow("Power") << "Power" << QVariant(qint64(12340)) << "12.34";
    QTest::newRow("StateU_Ain8") << "StateU_Ain8" << QVariant(qint64(65535)) << "65.53";
    QTest::newRow("GSM 31") << "GSM" << QVariant(qint64(31)) << "99";
    QTest::newRow("GSM 10") << "GSM" << QVariant(qint64(10)) << "32";
    QTest::newRow("GSM 99") << "GSM" << QVariant(qint64(99)) << "K4810_797";
    QTest::newRow("CAN_FuelLevel per cent") << "CAN_FuelLevel" << QVariant(qint64(0x8032)) << "50 %";
    QTest::newRow("CAN_FuelLevel 0x7FFF") << "CAN_FuelLevel" << QVariant(qint64(0x7FFF)) << "";
    QTest::newRow("CAN_FuelLevel 0xFFFF") << "CAN_FuelLevel" << QVariant(qint64(0xFFFF)) << "";
    QTest::newRow("CAN_FuelLevel volume") << "CAN_FuelLevel" << QVariant(qint64(1234)) << "123.4 K4810_852";
    QTest::newRow("CAN_LevelFiltr") << "CAN_LevelFiltr" << QVariant(qint64(455)) << "45.5 %";
    QTest::newRow("CAN_PedalAccel") << "CAN_PedalAccel" << QVariant(qint64(40)) << "40 %";
    QTest::newRow("CAN_Temp no data") << "CAN_Temp" << QVariant(qint64(-128)) << "n/a";
    QTest::newRow("CAN_Temp") << "CAN_Temp" << QVariant(qint64(-5)) << "-5 K4810_017";
    QTest::newRow("CAN_EngineTime") << "CAN_EngineTime" << QVariant(qint64(5400)) << "1.5";
    QTest::newRow("CAN_FullRun") << "CAN_FullRun" << QVariant(-1.0f) << "-1";
    QTest::newRow("CAN_FuelConsumption") << "CAN_FuelConsumption" << QVariant(0.1f) << "0.1";
    QTest::newRow("CAN_FuelConsumption large") << "CAN_FuelConsumption" << QVariant(123456.5f) << "123456.5";
    QTest::newRow("CAN_Speed") << "CAN_Speed" << QVariant(qint64(60)) << "60 K4810_853";
    QTest::newRow("Speed") << "Speed" << QVariant(12.5f) << "12.50";
    QTest::newRow("NaviSpeed") << "NaviSpeed" << QVariant(3.14159f) << "3.14";
    QTest::newRow("NaviCourse") << "NaviCourse" << QVariant(qint64(35999)) << "359.99";
    QTest::newRow("NaviHDop") << "NaviHDop" << QVariant(qint64(12)) << "1.2";
    QTest::newRow("TiresPres7") << "TiresPres7" << QVariant(qint64(25)) << "2.5";
    QTest::newRow("TiresTemp30 below zero") << "TiresTemp30" << QVariant(qint64(0xFB)) << "-5";
    QTest::newRow("Temp1 below zero") << "Temp1" << QVariant(qint64(0xF6)) << "-10";
    QTest::newRow("LevelRS485_9 unsigned") << "LevelRS485_9" << QVariant(qint64(0xFFFF)) << "65535";
    QTest::newRow("LbsLevel_1") << "LbsLevel_1" << QVariant(qint64(-70)) << "-70 dBm";
    QTest::newRow("AccelLinearX") << "AccelLinearX" << QVariant(qint64(-1500)) << "-1.500";
    QTest::newRow("AccelModule 0") << "AccelModule" << QVariant(qint64(0)) << "0.00";
    QTest::newRow("AccelModule 0xFFFF") << "AccelModule" << QVariant(qint64(0xFFFF)) << "> 655.34";
    QTest::newRow("AccelDelta") << "AccelDelta" << QVariant(qint64(12345)) << "123.45";
    QTest::newRow("NumPage unsigned") << "NumPage" << QVariant(qint64(4000000000)) << "4000000000";
    QTest::newRow("Altitude signed") << "Altitude" << QVariant(qint64(-12)) << "-12";
    QTest::newRow("Time") << "Time" << QVariant(qint64(1705323900)) << "13:05:00 15.01.2024";
    QTest::newRow("TahoTime") << "TahoTime" << QVariant(qint64(0)) << "00:00:00 01.01.1970";
    QTest::newRow("Module2 3") << "Module2" << QVariant(qint64(0xFF)) << "K4810_1089";
    QTest::newRow("Module2 1") << "Module2" << QVariant(qint64(0x01)) << "K4810_338";
    QTest::newRow("DispCur 0") << "DispCur" << QVariant(qint64(0)) << "K4810_1095";
    QTest::newRow("DispCur 16") << "DispCur" << QVariant(qint64(16)) << "K4810_1111";
    QTest::newRow("DispCur out of range") << "DispCur" << QVariant(qint64(200)) << "200";
    QTest::newRow("TahoMode 3") << "TahoMode" << QVariant(qint64(3)) << "K4810_1082";
    QTest::newRow("TahoMode unknown") << "TahoMode" << QVariant(qint64(9)) << "K4810_1090";
    QTest::newRow("TahoState") << "TahoState" << QVariant(qint64(0x21)) << "K4810_1076, K4810_1073";
    QTest::newRow("TahoState unknown cards") << "TahoState" << QVariant(qint64(0xF3)) << "K4810_1078, K4810_1089";
    QTest::newRow("AinfState 0") << "AinfState" << QVariant(qint64(0)) << "K4810_1120";
    QTest::newRow("AinfState bits 0, 2") << "AinfState" << QVariant(qint64(0x05)) << "K4810_1121, K4810_1123";
    QTest::newRow("CameraState bit 7") << "CameraState" << QVariant(qint64(0x80)) << "K4810_1142";
    QTest::newRow("CameraState 0") << "CameraState" << QVariant(qint64(0)) << "";
}

void TestTmiPages::valueTexts()
{
    QFETCH(QString, name);
    QFETCH(QVariant, value);
    QFETCH(QString, text);

    const FieldRef field = FieldTable::find(name);
    QVERIFY(field.isValid());
    FullRecord full;
    if (value.typeId() == QMetaType::Float)
        full.setReal(field, value.toFloat());
    else
        full.setInteger(field, value.toLongLong());
    const TmiPage_Vela2 page(full, maskOf({field.bit}));
    QVERIFY(page.isPresent(field));
    QCOMPARE(page.text(field), text);
    QCOMPARE(page.text(name), text);
}

// A field whose row is absent shows "n/a", whatever the full record holds.
void TestTmiPages::absentFieldIsNotAvailable()
{
    const FullRecord full = countingFullRecord();
    PresenceMask rows = PresenceMask::firstBits(122);
    rows.set(9, false);  // Latitude
    rows.set(76, false); // LBS group
    rows.set(4, false);  // Module1
    rows.set(7, false);  // StateNGauge
    rows.set(97, false); // TahoState
    const TmiPage_Vela2 page(full, rows);

    for (const char *name : {"Latitude", "LbsCellID", "LbsMcc_1", "LbsTime", "Module1", "TahoState"})
        QCOMPARE(page.text(QString::fromLatin1(name)), QStringLiteral("n/a"));
    QCOMPARE(page.texts(FieldTable::field("TahoState")), QStringList{"n/a"});
    QCOMPARE(page.moduleText(7), QStringLiteral("n/a"));
    QCOMPARE(page.gsmRegistrationText(), QStringLiteral("n/a"));
    QCOMPARE(page.validityText(), QStringLiteral("n/a"));
    QCOMPARE(page.integer(FieldTable::field("Latitude")), qint64(0));
    QVERIFY(!page.gsmCondition());
    QVERIFY(page.text(u"Longitude") != QStringLiteral("n/a"));
    QCOMPARE(page.text(u"NoSuchField"), QStringLiteral("n/a"));
}

void TestTmiPages::bitTexts_data()
{
    QTest::addColumn<int>("module1");
    QTest::addColumn<QStringList>("bits"); // texts of bits 7, 6, 5, 3, 1
    QTest::addColumn<QString>("registration");

    QTest::newRow("all clear") << 0x00 << QStringList{"K4810_795", "K4810_794", "K4810_792", "K4810_790", "K4810_788"}
                               << "K4810_784";
    QTest::newRow("all set") << 0xFF << QStringList{"K4810_796", "K4810_787", "K4810_793", "K4810_791", "K4810_789"}
                             << "K4810_787";
    QTest::newRow("on, not registered") << 0x01 << QStringList{"K4810_795", "K4810_794", "K4810_792", "K4810_790", "K4810_788"}
                                        << "K4810_785";
    QTest::newRow("registered at home") << 0x21 << QStringList{"K4810_795", "K4810_794", "K4810_793", "K4810_790", "K4810_788"}
                                        << "K4810_786";
    QTest::newRow("registered but off") << 0x60 << QStringList{"K4810_795", "K4810_787", "K4810_793", "K4810_790", "K4810_788"}
                                        << "K4810_784";
}

void TestTmiPages::bitTexts()
{
    QFETCH(int, module1);
    QFETCH(QStringList, bits);
    QFETCH(QString, registration);

    F8Record f8 = sampleF8();
    f8.setInteger(FieldTable::field("Module1"), module1);
    const ORV_TmiPage_F8 page(nullptr, f8);
    const QStringList got{page.moduleText(7), page.moduleText(6), page.moduleText(5), page.moduleText(3),
                          page.moduleText(1)};
    QCOMPARE(got, bits);
    QCOMPARE(page.gsmRegistrationText(), registration);
    QCOMPARE(page.gsmCondition(), (module1 & 0x21) == 0x21);
    QCOMPARE(page.moduleText(0), QString());
}

void TestTmiPages::inputsAndOutputs()
{
    FullRecord full;
    full.setInteger(FieldTable::field("StateIn1"), 0x01);
    full.setInteger(FieldTable::field("StateIn2"), 0x80);
    full.setInteger(FieldTable::field("StateOut1"), 0x02);
    full.setInteger(FieldTable::field("StateNGauge"), 0x02);
    const TmiPage_Vela2 page(full, maskOf({7, 28, 29, 30}));
    QCOMPARE(page.inputText(0), QStringLiteral("K4810_799"));
    QCOMPARE(page.inputText(1), QStringLiteral("K4810_798"));
    QCOMPARE(page.inputText(15), QStringLiteral("K4810_799"));
    QCOMPARE(page.inputText(16), QStringLiteral("n/a"));
    QCOMPARE(page.outputText(1), QStringLiteral("K4810_801"));
    QCOMPARE(page.outputText(0), QStringLiteral("K4810_800"));
    QCOMPARE(page.outputText(8), QStringLiteral("n/a")); // StateOut2 absent
    QCOMPARE(page.navigationPowerText(), QStringLiteral("K4810_798"));
    QCOMPARE(page.navigationFixText(), QStringLiteral("K4810_803"));
    QCOMPARE(page.validityText(), QStringLiteral("K4810_001"));

    QCOMPARE(TmiFormat::tahoFlags(0x8001).first(), QStringLiteral("K4810_799"));
    QCOMPARE(TmiFormat::tahoFlags(0x8001).at(1), QStringLiteral("K4810_798"));
    QCOMPARE(TmiFormat::tahoFlags(0x8001).size(), 16);
}

void TestTmiPages::vela2Masked()
{
    QByteArray fields;
    fields += QByteArray("\x2A\x00\x00\x00", 4);  // NumPage 42
    fields += QByteArray("\x01", 1);              // State: valid
    fields += QByteArray("\x21", 1);              // Module1: GSM condition
    fields += QByteArray(8, '\x05');              // NaviInfo*
    const PresenceMask mask = maskOf({0, 3, 4, 69});
    const QByteArray record = masked(mask, fields);
    const TmiPage_Vela2 page(record.constData(), record.size());

    QVERIFY(!page.isEmpty());
    QCOMPARE(page.mode(), TmiPage_Vela2::Masked);
    QCOMPARE(int(page.generation()), 20);
    QCOMPARE(page.pageNumber(), 42u);
    QVERIFY(page.isValid());
    QVERIFY(page.gsmCondition());
    QVERIFY(page.isPresent(u"NaviInfoGPS"));
    QVERIFY(page.isPresent(u"NaviInfoQzss"));
    QVERIFY(!page.isPresent(u"NaviHDop"));
    QCOMPARE(page.text(u"NaviInfoBeidou"), QStringLiteral("5"));
    const QString text = page.maskText();
    QCOMPARE(text.size(), 122);
    QCOMPARE(text.left(5), QStringLiteral("10011"));
    QCOMPARE(text.count(u'1'), 4);
    QCOMPARE(text.at(69), u'1');
    QCOMPARE(page.rawRecord(), record);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(page.header().data()), 44), record.left(44));
}

// A record shorter than its mask promises: the fields that did not arrive are
// absent, the mask text still shows what the tracker sent.
void TestTmiPages::vela2Truncated()
{
    const QByteArray record = masked(maskOf({0, 9}), QByteArray("\x07\x00\x00\x00\x01\x02", 6));
    const TmiPage_Vela2 page(record.constData(), record.size());
    QCOMPARE(page.pageNumber(), 7u);
    QVERIFY(!page.isPresent(u"Latitude"));
    QCOMPARE(page.text(u"Latitude"), QStringLiteral("n/a"));
    QCOMPARE(page.maskText().left(10), QStringLiteral("1000000001"));
}

void TestTmiPages::vela2Extended()
{
    QByteArray bytes(58, '\0');
    auto *p = reinterpret_cast<quint8 *>(bytes.data());
    p[0] = 0xB1;
    TmiBytes::write<quint16>(p + 1, 55 + 28);
    p[4] = 37;
    p[43] = 14;
    TmiBytes::write<quint32>(p + 5, 99);       // NumPage
    TmiBytes::write<qint32>(p + 20, 33450000); // Latitude
    p[44] = 0x01;                              // State
    bytes += QByteArray("\x01\x08\x02\x00\x00\x00\x00\x00\x00\x00", 10);
    bytes += QByteArray("\x02\x10", 2) + QByteArray("0123456789ABCDEF");

    const TmiPage_Vela2 page(bytes.constData(), bytes.size());
    QCOMPARE(page.mode(), TmiPage_Vela2::Extended);
    QCOMPARE(page.pageNumber(), 99u);
    QVERIFY(page.isValid());
    QCOMPARE(page.text(u"Latitude"), QStringLiteral("55 45.0000'"));
    QCOMPARE(page.text(u"Module1"), QStringLiteral("n/a"));
    QCOMPARE(page.maskText().left(16), QStringLiteral("1111000111111110"));
    const QList<DynamicElement> elements = page.dynamicElements();
    QCOMPARE(elements.size(), 2);
    QCOMPARE(elements[0].integer(), qint64(2));
    QCOMPARE(elements[1].text(), QStringLiteral("0123456789ABCDEF"));
    QCOMPARE(page.rawRecord(), bytes);

    const TmiPage_Vela2 same(ExtendedRecord(bytes.constData(), bytes.size()));
    QCOMPARE(same.pageNumber(), 99u);
    QCOMPARE(same.rawRecord(), bytes);
}

void TestTmiPages::vela2UnknownType()
{
    const QByteArray record(120, '\x08');
    const TmiPage_Vela2 page(record.constData(), record.size());
    QVERIFY(page.isEmpty());
    QCOMPARE(page.pageNumber(), 0u);
    QCOMPARE(page.text(u"NumPage"), QStringLiteral("n/a"));
    QCOMPARE(page.maskText(), QString(122, u'0'));
    QVERIFY(!page.isValid());

    const TmiPage_Vela2 none(nullptr, 0);
    QVERIFY(none.isEmpty());
}

void TestTmiPages::vela2FromFullRecord()
{
    FullRecord full = countingFullRecord();
    const PresenceMask rows = maskOf({0, 12, 76, 121});
    const TmiPage_Vela2 page(full, rows);
    QCOMPARE(page.presence(), rows);
    QCOMPARE(int(page.type()), 0xB0);
    QCOMPARE(int(page.generation()), 20);
    QCOMPARE(page.rawRecord(), MaskedDecoder::encode(full, rows, 20));
    QCOMPARE(page.integer(FieldTable::field("LbsTime")), full.integer(FieldTable::field("LbsTime")));
    QCOMPARE(page.integer(FieldTable::field("Time")), qint64(0));
}

void TestTmiPages::f8Page()
{
    QObject owner;
    const F8Record f8 = sampleF8();
    auto *page = new ORV_TmiPage_F8(&owner, f8);
    QCOMPARE(page->owner(), &owner);
    QCOMPARE(page->pageNumber(), 4711u);
    QCOMPARE(page->time(), 1705323900u);
    QVERIFY(page->isValid());
    QCOMPARE(page->text(u"Latitude"), QStringLiteral("55 45.0000'"));
    QCOMPARE(page->text(u"Speed"), QStringLiteral("12.50"));
    QCOMPARE(page->text(u"Time"), QStringLiteral("13:05:00 15.01.2024"));
    // fields F8 does not carry
    QVERIFY(!page->isPresent(FieldTable::field("Module2")));
    QCOMPARE(page->text(u"Module2"), QStringLiteral("n/a"));
    QCOMPARE(page->text(u"NaviLatitude"), QStringLiteral("n/a"));
    QCOMPARE(page->inputText(8), QStringLiteral("n/a"));
    QCOMPARE(page->mask(), F8Record::fieldMask());
    QCOMPARE(page->serialise().size(), 127);

    page->setMask(PresenceMask::firstBits(122));
    QCOMPARE(page->mask(), PresenceMask::firstBits(69));
}

// The window's edge case: a type-6 page shows CAN temperature "n/a".
void TestTmiPages::f8PageFromF6()
{
    QByteArray payload(3 + 111, '\0');
    payload[3] = 6;
    payload[3 + 1] = 5;                                      // NumPage
    payload.replace(3 + 7, 6, QByteArray("\x0D\x05\x00\x0F\x00\x18", 6));
    payload[3 + 13] = 1;                                     // State
    const ORV_TmiPage_F8 page(nullptr, payload.constData(), payload.size(), false);
    QCOMPARE(page.pageNumber(), 5u);
    QCOMPARE(page.text(u"CAN_Temp"), QStringLiteral("n/a"));
    QCOMPARE(page.text(u"CAN_FullRun"), QStringLiteral("-1"));
    QCOMPARE(page.text(u"Time"), QStringLiteral("13:05:00 15.01.2024"));
    QVERIFY(page.isValid());

    QByteArray shown(13, '\0');
    shown += payload.mid(3);
    const ORV_TmiPage_F8 viaShow(nullptr, shown.constData(), shown.size(), true);
    QVERIFY(viaShow.record() == page.record());
}

void TestTmiPages::readLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("bit");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes"); // stored at offset

    QTest::newRow("Speed 12.5 at 31") << "\t\t<Speed>12.5</Speed>\r" << 12 << 31 << QByteArray("\x00\x00\x48\x41", 4);
    QTest::newRow("NumPage") << "<NumPage>258</NumPage>" << 0 << 0 << QByteArray("\x02\x01\x00\x00", 4);
    QTest::newRow("NumPage above 2^31") << "<NumPage>4000000000</NumPage>" << 0 << 0
                                        << QByteArray("\x00\x28\x6B\xEE", 4);
    QTest::newRow("LastTime") << "<LastTime>4294967295</LastTime>" << 8 << 15 << QByteArray("\xFF\xFF\xFF\xFF", 4);
    QTest::newRow("Latitude negative") << "<Latitude>-2</Latitude>" << 9 << 19 << QByteArray("\xFE\xFF\xFF\xFF", 4);
    QTest::newRow("NaviLatitude 64-bit") << "<NaviLatitude>33450000000</NaviLatitude>" << 72 << 157
                                         << QByteArray("\x80\x7E\xC6\xC9\x07\x00\x00\x00", 8);
    QTest::newRow("LbsMcc_1") << "<LbsMcc_1>250</LbsMcc_1>" << 76 << 200 << QByteArray("\xFA\x00", 2);
    QTest::newRow("TiresPres7") << "<TiresPres7>25</TiresPres7>" << 95 << 275 << QByteArray("\x19", 1);
    QTest::newRow("Passager_12") << "<Passager_12>3</Passager_12>" << 114 << 391 << QByteArray("\x03", 1);
    QTest::newRow("Temp1 negative") << "<Temp1>-5</Temp1>" << 44 << 103 << QByteArray("\xFB", 1);
    QTest::newRow("u8 cut to its width") << "<Temp2>300</Temp2>" << 45 << 104 << QByteArray("\x2C", 1);
    QTest::newRow("u16 cut to its width") << "<Course>65537</Course>" << 13 << 35 << QByteArray("\x01\x00", 2);
    QTest::newRow("CAN_Temp") << "<CAN_Temp>-128</CAN_Temp>" << 55 << 119 << QByteArray("\x80", 1);
    QTest::newRow("CAN_FullRun -1") << "<CAN_FullRun>-1</CAN_FullRun>" << 56 << 120 << QByteArray("\x00\x00\x80\xBF", 4);
    QTest::newRow("spaces around the value") << "<Code> 7 </Code>" << 1 << 4 << QByteArray("\x07\x00", 2);
}

void TestTmiPages::readLine()
{
    QFETCH(QString, line);
    QFETCH(int, bit);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);

    FullRecord record;
    QCOMPARE(ORV_TmiPage_F6::readLine(line, record), bit);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(record.data() + offset), bytes.size()), bytes);
    // nothing else touched
    int nonZero = int(std::count_if(record.data(), record.data() + FullRecord::Size, [](quint8 b) { return b != 0; }));
    QCOMPARE(nonZero, int(std::count_if(bytes.begin(), bytes.end(), [](char b) { return b != 0; })));
}

void TestTmiPages::readLineIgnores_data()
{
    QTest::addColumn<QString>("line");

    QTest::newRow("unknown name") << "<Speedy>12.5</Speedy>";
    QTest::newRow("page element") << "<Page page=\"1\">";
    QTest::newRow("no closing tag") << "<Speed>12.5";
    QTest::newRow("no tag") << "Speed 12.5";
    QTest::newRow("'>' before '<'") << "> <Speed>12.5</Speed>";
    QTest::newRow("not a number") << "<Speed>fast</Speed>";
    QTest::newRow("integer field, not an integer") << "<NumPage>12.5</NumPage>";
    QTest::newRow("empty value") << "<NumPage></NumPage>";
    QTest::newRow("empty line") << "";
    QTest::newRow("name case differs") << "<speed>12.5</speed>";
}

void TestTmiPages::readLineIgnores()
{
    QFETCH(QString, line);
    FullRecord record = countingFullRecord();
    QCOMPARE(ORV_TmiPage_F6::readLine(line, record), -1);
    QVERIFY(record == countingFullRecord());
}

// Every member written as a line, integers in decimal and floats in their
// shortest form, reads back to the same full record.
void TestTmiPages::readLineRoundTrip()
{
    QRandomGenerator random(1251);
    FullRecord source;
    for (int i = 0; i < FullRecord::Size; ++i)
        source.data()[i] = quint8(random.bounded(256));
    // floats that are numbers
    for (int i = 0; i < FieldTable::MemberCount; ++i) {
        const FieldRef &field = FieldTable::member(i);
        if (field.type == WireType::F32)
            source.setReal(field, float(random.bounded(1000000)) / 64.0f - 5000.0f);
    }

    FullRecord read;
    for (int i = 0; i < FieldTable::MemberCount; ++i) {
        const FieldRef &field = FieldTable::member(i);
        QString value;
        if (field.type == WireType::F32) {
            char buffer[32];
            const auto r = std::to_chars(buffer, buffer + sizeof buffer, source.real(field));
            value = QString::fromLatin1(buffer, r.ptr - buffer);
        } else {
            value = QString::number(source.integer(field));
        }
        const QString name = QString::fromLatin1(FieldTable::memberName(i));
        QCOMPARE(ORV_TmiPage_F6::readLine(QStringLiteral("\t<%1>%2</%1>").arg(name, value), read), int(field.bit));
    }
    QVERIFY(read == source);
}

QTEST_GUILESS_MAIN(TestTmiPages)
#include "tst_tmipages.moc"
