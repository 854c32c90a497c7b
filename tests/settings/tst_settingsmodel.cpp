// The settings model: what a file holds comes back when it is saved (known
// keys in catalogue order, everything else after them where it stood),
// saving twice gives the same bytes, unreadable files change nothing, and
// the row kinds a page needs (ranges, units, choices, flag strings,
// index-generated rows, repeated children, conditional sub-sections, legacy
// keys) on a small table of their own.

#include "settings/model/settingscatalogue.h"
#include "settings/model/settingsconversion.h"
#include "settings/model/settingsmodel.h"
#include "tests/support/testfiles.h"
#include "xml/cxmlelement.h"
#include "xml/cxmlwriter.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray kDeclaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";

// The lines of one section of a saved file, from its start tag to its end tag.
QByteArray sectionOf(const QByteArray &file, const QByteArray &name)
{
    const qsizetype start = file.indexOf("\n\t<" + name + ' ');
    const qsizetype startBare = file.indexOf("\n\t<" + name + '>');
    const qsizetype from = start >= 0 ? start : startBare;
    if (from < 0)
        return QByteArray();
    qsizetype end = file.indexOf("\n\t</" + name + ">\n", from);
    if (end < 0) {
        end = file.indexOf('\n', from + 1); // an empty-element tag
        return file.mid(from + 1, end - from);
    }
    return file.mid(from + 1, end + name.size() + 5 - from);
}

// ------------------------------------------------------------ a table of every row kind

QString legacyMode(const QString &text)
{
    return text.trimmed() == QLatin1String("1") ? QStringLiteral("2") : QStringLiteral("0");
}

QVariant sensorsInUse(const SettingsModel &model, const QString &section)
{
    int n = 0;
    for (int i = 0; i <= 2; ++i)
        n += model.value(section, QStringLiteral("FS%1use").arg(i)).toInt() != 0 ? 1 : 0;
    return n;
}

const SettingsChoice kOwners[] = {choice("NONE", "K4810_219"), plainChoice("TACH"), plainChoice("TGFS")};
const SettingsChoice kModes[] = {choice("0", "K4810_055"), choice("1", "K4810_056"), choice("3", "K4810_058")};

const SettingsRow kRows[] = {
    entryText("Owner", "NONE").choicesOf(kOwners),
    entryInt("FS%1use", 0).indexed(0, 2),
    entryInt("FS%1Adress", 1).indexed(0, 2, 1).range(1, 254),
    attrInt("FS%1_485_PARAM", "trhld", 1).indexed(0, 2),
    attrText("TACH", "type", "ATOL").when("Owner", "TACH|TGFS"),
    attrInt("TACH", "no_ping", 0).when("Owner", "TACH"),
    attrInt("SPEEDS", "src", 0),
    attrInt("SPEEDS/SPEED", "no", 0).repeated(3),
    attrInt("SPEEDS/SPEED", "hi", 90).repeated(3),
    attrInt("CONFIG", "mode", 0).choicesOf(kModes),
    attrText("CONFIG", "flags", "1010"),
    entryInt("oldMode", 0).legacyOf("CONFIG").into("CONFIG/mode", legacyMode),
    entryInt("count", 0).writeOnly(sensorsInUse),
    entryTextOf("nick%1", "K4810_421").indexed(1, 2),
    attrInt("POWER", "level_on", 10500).unit(SettingsConversion::MillivoltsAsVolts).range(6, 32, 0.1),
    entryReal("way", 0.01, 3).unit(SettingsConversion::KilometresAsMetres),
    entryInt("delay", 60).unit(SettingsConversion::SecondsAsMinutes),
    entryText("ip", "0.0.0.0").input(SettingsInputRule::IPv4Address),
    entryText("delays", "60 60 60 60"),
};

const SettingsTable &testTable()
{
    static const SettingsTable table(sectionRows("TEST", "ORV_FormTest", kRows));
    return table;
}

QList<const SettingsTable *> testTables()
{
    return {&testTable()};
}

} // namespace

class tst_SettingsModel : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsWhatItDoesNotKnow_data();
    void roundTripKeepsWhatItDoesNotKnow();
    void everySectionInPageOrderThenTheUnknownOnes();
    void savingTwiceGivesTheSameBytes();
    void untouchedValuesKeepTheirText();
    void legacyKeysReadButNeverWritten();
    void rootHeader();

    void unreadableFilesChangeNothing_data();
    void unreadableFilesChangeNothing();

    void rowKindsExpand();
    void rowKindsSaveDefaults();
    void conditionalSubSections_data();
    void conditionalSubSections();
    void repeatedChildrenInOrder();
    void legacyKeyIntoItsReplacement();
    void encodedNamesMatchTheirRows();
    void writeOnlyKeyIsComputed();

    void conversions_data();
    void conversions();
    void settingAnEqualValueKeepsTheText();
    void flagStrings_data();
    void flagStrings();
    void listItems();
    void choiceCodes();

    void unstorableValuesAreNamed();
    void textsThatCannotBeStoredAreRefused();
    void changesAreAnnounced();
    void loadedValuesKeptBesideTheCurrentOnes();
    void plainValuesOfASectionWithoutATable();
    void keptValuesCanBeRead();
};

// ------------------------------------------------------------ round trips

void tst_SettingsModel::roundTripKeepsWhatItDoesNotKnow_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("TRACK: unknown key, attribute, sub-section, child of a sub-section, second element of a key")
        << QByteArray("<DEVICE><TRACK page=\"TRACK\" zone=\"north\">"
                      "<GPSmaxHDOP>2.50</GPSmaxHDOP>"
                      "<GPSdistanceForWriteTelemetry>0.2504</GPSdistanceForWriteTelemetry>"
                      "<GPStrackStops>0</GPStrackStops>"
                      "<GPSextraFilter>7</GPSextraFilter>"
                      "<GPSmaxEx minSats=\"3\" speed=\"-2147483648\" jitter=\"12\"/>"
                      "<GPSparking alg=\"0\"><NOTE>keep me</NOTE></GPSparking>"
                      "<GPSunknownSub a=\"1\" b=\"2\"/>"
                      "<GPSmaxHDOP>9.9</GPSmaxHDOP>"
                      "</TRACK></DEVICE>")
        << QByteArray("TRACK")
        << QByteArray("\t<TRACK page=\"TRACK\" zone=\"north\">\n"
                      "\t\t<GPStrackStops>0</GPStrackStops>\n"
                      "\t\t<GPStrackMaxPermVelocity>0</GPStrackMaxPermVelocity>\n"
                      "\t\t<GPSmaxPermissibleVelocity>100.0</GPSmaxPermissibleVelocity>\n"
                      "\t\t<GPSwriteTelemetryByChangeDirection>2</GPSwriteTelemetryByChangeDirection>\n"
                      "\t\t<GPSangleForWriteTelemetry>5</GPSangleForWriteTelemetry>\n"
                      "\t\t<GPSwriteTelemetryEveryDistance>1</GPSwriteTelemetryEveryDistance>\n"
                      "\t\t<GPSdistanceForWriteTelemetry>0.2504</GPSdistanceForWriteTelemetry>\n"
                      "\t\t<GPSwriteTelemetryEveryTime>1</GPSwriteTelemetryEveryTime>\n"
                      "\t\t<GPStimeForWriteTelemetry>60</GPStimeForWriteTelemetry>\n"
                      "\t\t<GPSblockAngleEvtByWay>1</GPSblockAngleEvtByWay>\n"
                      "\t\t<GPSWayForBlock>0.010</GPSWayForBlock>\n"
                      "\t\t<GPSblockAngleEvtByTime>0</GPSblockAngleEvtByTime>\n"
                      "\t\t<GPSTimeForBlock>5</GPSTimeForBlock>\n"
                      "\t\t<GPSreject>1</GPSreject>\n"
                      "\t\t<GPSmaxHDOP>2.50</GPSmaxHDOP>\n"
                      "\t\t<GPSmaxEx accel=\"25\" flaw=\"5\" jitter=\"12\" minSats=\"3\" move=\"100\" "
                      "speed=\"-2147483648\"/>\n"
                      "\t\t<GPSaverage>1</GPSaverage>\n"
                      "\t\t<GPSaverSettings no_aver=\"1110\"/>\n"
                      "\t\t<GPSparking alg=\"0\" noTmrFlags=\"000\" time=\"30\" tlmTmr=\"600\">\n"
                      "\t\t\t<NOTE>keep me</NOTE>\n"
                      "\t\t</GPSparking>\n"
                      "\t\t<GPSextraFilter>7</GPSextraFilter>\n"
                      "\t\t<GPSunknownSub a=\"1\" b=\"2\"/>\n"
                      "\t\t<GPSmaxHDOP>9.9</GPSmaxHDOP>\n"
                      "\t</TRACK>\n");

    // The three values the earlier editor lost, now known keys; Roaming is
    // computed, the values of ROAMING_SIM1 it does not know stay.
    const QByteArray transfer = "<DEVICE><TRANSFER page=\"TRANSFER\">"
                                "<GPRSfuture>7</GPRSfuture>"
                                "<DFprotocol>DF_VELA</DFprotocol>"
                                "<GPRSdiagSupress>1</GPRSdiagSupress>"
                                "<GPRSprotocolConfig>1111111111101110001100000000100000001</GPRSprotocolConfig>"
                                "<Roaming>1</Roaming>"
                                "<ROAMING_SIM1 mode=\"3\" opCode11=\"25001\"/>"
                                "</TRANSFER></DEVICE>";
    QTest::newRow("TRANSFER: unknown keys after the known ones") << transfer << QByteArray("TRANSFER")
        << QByteArray("\t\t<GPRSUpdatePort>9100</GPRSUpdatePort>\n"
                      "\t\t<DFprotocol>DF_VELA</DFprotocol>\n"
                      "\t\t<GPRSdiagSupress>1</GPRSdiagSupress>\n"
                      "\t\t<GPRSprotocolConfig>1111111111101110001100000000100000001</GPRSprotocolConfig>\n"
                      "\t\t<GPRSfuture>7</GPRSfuture>\n"
                      "\t</TRANSFER>\n");
    QTest::newRow("TRANSFER: Roaming from the mode, unknown attribute of a sub-section")
        << transfer << QByteArray("TRANSFER")
        << QByteArray("\t\t<Roaming>0</Roaming>\n"
                      "\t\t<ROAMING_SIM1 dont_cnct=\"0\" mode=\"3\" no_call=\"0\" no_sms=\"0\" opCode1=\"\" opCode10=\"\" "
                      "opCode11=\"25001\" opCode2=\"\" opCode3=\"\" opCode4=\"\" opCode5=\"\" opCode6=\"\" opCode7=\"\" "
                      "opCode8=\"\" opCode9=\"\"/>\n");

    QTest::newRow("section the catalogue does not know, whole")
        << QByteArray("<DEVICE><EMAIL page=\"EMAIL\"><server>mail.example.org</server><port>25"
                      "</port><FILTER id=\"5\"><MASK>FF</MASK></FILTER><empty/></EMAIL></DEVICE>")
        << QByteArray("EMAIL")
        << QByteArray("\t<EMAIL page=\"EMAIL\">\n"
                      "\t\t<server>mail.example.org</server>\n"
                      "\t\t<port>25</port>\n"
                      "\t\t<FILTER id=\"5\">\n"
                      "\t\t\t<MASK>FF</MASK>\n"
                      "\t\t</FILTER>\n"
                      "\t\t<empty />\n"
                      "\t</EMAIL>\n");

    QTest::newRow("boundary values stay as read")
        << QByteArray("<DEVICE><TEMP_SENSORS page=\"TEMP_SENSORS\"><KeyT1></KeyT1><maxValT1>2147483647</maxValT1>"
                      "<minValT1>-2147483648</minValT1><nicknameT2>  </nicknameT2><maxValT2>12x</maxValT2>"
                      "</TEMP_SENSORS></DEVICE>")
        << QByteArray("TEMP_SENSORS")
        << QByteArray("\t<TEMP_SENSORS page=\"TEMP_SENSORS\">\n"
                      "\t\t<KeyT1 />\n"
                      "\t\t<KeyT2 />\n"
                      "\t\t<KeyT3 />\n"
                      "\t\t<KeyT4 />\n"
                      "\t\t<nicknameT1>K4810_275</nicknameT1>\n"
                      "\t\t<nicknameT2 />\n"
                      "\t\t<nicknameT3>K4810_277</nicknameT3>\n"
                      "\t\t<nicknameT4>K4810_278</nicknameT4>\n"
                      "\t\t<maxValT1>2147483647</maxValT1>\n"
                      "\t\t<maxValT2>12x</maxValT2>\n"
                      "\t\t<maxValT3>1200</maxValT3>\n"
                      "\t\t<maxValT4>1200</maxValT4>\n"
                      "\t\t<minValT1>-2147483648</minValT1>\n"
                      "\t\t<minValT2>-500</minValT2>\n"
                      "\t\t<minValT3>-500</minValT3>\n"
                      "\t\t<minValT4>-500</minValT4>\n"
                      "\t</TEMP_SENSORS>\n");
}

void tst_SettingsModel::roundTripKeepsWhatItDoesNotKnow()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, expected);
    SettingsModel model;
    QString error;
    QVERIFY2(model.openBytes(input, &error), qPrintable(error));
    const QByteArray saved = model.toBytes();
    QVERIFY(saved.startsWith(kDeclaration + "<DEVICE"));
    const QByteArray got = sectionOf(saved, section);
    QVERIFY2(got.contains(expected), got.constData());

    // What was saved reads back to the same values and saves to the same bytes.
    SettingsModel again;
    QVERIFY(again.openBytes(saved, &error));
    QCOMPARE(again.toBytes(), saved);
}

void tst_SettingsModel::everySectionInPageOrderThenTheUnknownOnes()
{
    SettingsModel model;
    QVERIFY(model.openBytes("<DEVICE><PHONES page=\"PHONES\"/><TRACK page=\"TRACK\"/><EMAIL/>"
                            "<TRACK page=\"second\"/><CAN page=\"CAN\"/></DEVICE>"));
    const QByteArray saved = model.toBytes();
    QList<QByteArray> order;
    for (const QByteArray &line : saved.split('\n')) {
        if (line.startsWith("\t<") && !line.startsWith("\t</"))
            order << line.mid(2, line.indexOf(' ') > 0 ? line.indexOf(' ') - 2 : line.indexOf('>') - 2);
    }
    QCOMPARE(order, (QList<QByteArray>{"TRANSFER", "TRACK", "SYSTEM", "CAN", "RS485", "TEMP_SENSORS", "SENSORS",
                                       "ACCELEROMETER", "OUTPUT_LINES", "PHONES", "TM_KEYS", "GUARD_PROFILES",
                                       "ECODRIVE", "BLUETOOTH", "EMAIL", "TRACK"}));
    QVERIFY(saved.contains("\t<TRACK page=\"second\"/>\n"));
    QVERIFY(model.hasSection(QStringLiteral("TRACK")));
    QVERIFY(model.hasSection(QStringLiteral("PHONES")));
    QVERIFY(!model.hasSection(QStringLiteral("SYSTEM")));
}

void tst_SettingsModel::savingTwiceGivesTheSameBytes()
{
    SettingsModel model;
    QVERIFY(model.openBytes(TestFiles::read(QStringLiteral(K4810_SOURCE_DIR "/tests/settings/data/full.xml"))));
    CXmlElement root(QStringLiteral("X"));
    CXmlElement again(QStringLiteral("DEVICE"));
    const SettingsModel::Header header{{QStringLiteral("model"), QStringLiteral("K-4810")}};
    model.saveInto(root, header);
    QByteArray first;
    QVERIFY(CXmlWriter::write(&root, first));
    model.saveInto(root, header); // into the same tree again
    QByteArray second;
    QVERIFY(CXmlWriter::write(&root, second));
    QCOMPARE(second, first);
    model.saveInto(again, header);
    QVERIFY(root.equals(again));
}

void tst_SettingsModel::untouchedValuesKeepTheirText()
{
    // The full fixture is a file as the editor writes it: opening and
    // saving it gives it back byte for byte.
    const QByteArray full = TestFiles::read(QStringLiteral(K4810_SOURCE_DIR "/tests/settings/data/full.xml"));
    QVERIFY(!full.isEmpty());
    SettingsModel model;
    QString error;
    QVERIFY2(model.openBytes(full, &error), qPrintable(error));
    QCOMPARE(model.toBytes(), full);
    for (const SettingsTable *t : SettingsCatalogue::sections()) {
        for (const SettingsKey &k : *t)
            QVERIFY2(!model.isChanged(t->sectionName(), k.path()), qPrintable(k.path()));
    }
    // Reals keep the decimals they were read with until the user sets them.
    QCOMPARE(model.text(QStringLiteral("TRACK"), QStringLiteral("GPSmaxHDOP")), QStringLiteral("3.50"));
    QVERIFY(model.setValue(QStringLiteral("TRACK"), QStringLiteral("GPSmaxHDOP"), 3.5));
    QCOMPARE(model.text(QStringLiteral("TRACK"), QStringLiteral("GPSmaxHDOP")), QStringLiteral("3.50"));
    QVERIFY(model.setValue(QStringLiteral("TRACK"), QStringLiteral("GPSmaxHDOP"), 3.25));
    QCOMPARE(model.text(QStringLiteral("TRACK"), QStringLiteral("GPSmaxHDOP")), QStringLiteral("3.3"));
}

void tst_SettingsModel::legacyKeysReadButNeverWritten()
{
    SettingsModel model;
    QVERIFY(model.openBytes("<DEVICE><SYSTEM><powerSaveBattery>1</powerSaveBattery>"
                            "<powerSaveSleepDelay>300</powerSaveSleepDelay></SYSTEM></DEVICE>"));
    const QString sys = QStringLiteral("SYSTEM");
    QCOMPARE(model.value(sys, QStringLiteral("powerSaveBattery")).toInt(), 1);
    QCOMPARE(model.value(sys, QStringLiteral("powerSaveSleepDelay")).toInt(), 300);
    QCOMPARE(model.value(sys, QStringLiteral("powerSaveGPSOffDelay")).toInt(), -1);
    QVERIFY(model.wasInFile(sys, QStringLiteral("powerSaveBattery")));
    QByteArray bytes = model.toBytes();
    QVERIFY(bytes.contains("<powerSaveConfig "));
    QVERIFY(!bytes.contains("powerSaveBattery"));
    QVERIFY(!bytes.contains("powerSaveSleepDelay"));

    // With powerSaveConfig present the legacy keys are not read, and still not written.
    QVERIFY(model.openBytes("<DEVICE><SYSTEM><powerSaveBattery>1</powerSaveBattery>"
                            "<powerSaveConfig mode=\"2\" deep_delay=\"120\"/></SYSTEM></DEVICE>"));
    QCOMPARE(model.value(sys, QStringLiteral("powerSaveBattery")).toInt(), 0);
    QVERIFY(!model.wasInFile(sys, QStringLiteral("powerSaveBattery")));
    QCOMPARE(model.value(sys, QStringLiteral("powerSaveConfig/mode")).toInt(), 2);
    QCOMPARE(model.value(sys, QStringLiteral("powerSaveConfig/deep_delay")).toInt(), 2); // minutes
    bytes = model.toBytes();
    QVERIFY(!bytes.contains("powerSaveBattery"));
    QVERIFY(bytes.contains("deep_delay=\"120\""));
}

void tst_SettingsModel::rootHeader()
{
    SettingsModel model;
    QVERIFY(model.openBytes("<DEVICE model=\"K-4810\" version=\"1.0\" serial=\"A17\" vendor=\"X\"/>"));
    QCOMPARE(model.rootValue(QStringLiteral("serial")), QStringLiteral("A17"));
    QCOMPARE(model.rootValue(QStringLiteral("version")), QStringLiteral("1.0"));
    // The header given replaces the file's; the root's other values stay.
    const QByteArray saved = model.toBytes({{QStringLiteral("model"), QStringLiteral("K-4810")},
                                            {QStringLiteral("version"), QStringLiteral("2.7")}});
    QVERIFY2(saved.contains("<DEVICE model=\"K-4810\" serial=\"A17\" vendor=\"X\" version=\"2.7\">\n"),
             saved.left(200).constData());
}

// ------------------------------------------------------------ unreadable files

void tst_SettingsModel::unreadableFilesChangeNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("cut short") << "cut";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("no permission") << "permission";
    QTest::newRow("nested too deep") << "deep";
    QTest::newRow("missing") << "missing";
    QTest::newRow("another root") << "root";
    QTest::newRow("not XML") << "binary";
}

void tst_SettingsModel::unreadableFilesChangeNothing()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("settings.xml"));
    const QByteArray good = TestFiles::read(QStringLiteral(K4810_SOURCE_DIR "/tests/settings/data/full.xml"));
    if (kind == QLatin1String("cut")) {
        TestFiles::write(path, good.left(good.size() / 2));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("settings.xml")));
    } else if (kind == QLatin1String("permission")) {
        TestFiles::write(path, good);
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        if (QFile(path).open(QIODevice::ReadOnly))
            QSKIP("running with rights that read any file");
    } else if (kind == QLatin1String("deep")) {
        TestFiles::write(path, "<DEVICE>" + QByteArray("<a>").repeated(1000) + QByteArray("</a>").repeated(1000)
                                   + "</DEVICE>");
    } else if (kind == QLatin1String("missing")) {
        path = dir.filePath(QStringLiteral("none.xml"));
    } else if (kind == QLatin1String("root")) {
        TestFiles::write(path, "<FUEL><TRACK/></FUEL>");
    } else {
        TestFiles::write(path, QByteArray("\x00\x01\x02\x03", 4));
    }

    SettingsModel model;
    QVERIFY(model.openBytes(good));
    QVERIFY(model.setText(QStringLiteral("TRANSFER"), QStringLiteral("objectName"), QStringLiteral("edited")));
    const QByteArray before = model.toBytes();
    QSignalSpy reloaded(&model, &SettingsModel::reloaded);
    QString error;
    QVERIFY(!model.open(path, &error));
    QVERIFY2(!error.isEmpty(), "the reason is given");
    QCOMPARE(reloaded.count(), 0);
    QCOMPARE(model.toBytes(), before);
    QCOMPARE(model.text(QStringLiteral("TRANSFER"), QStringLiteral("objectName")), QStringLiteral("edited"));
    if (kind == QLatin1String("missing"))
        QVERIFY2(!QFile::exists(path), "reading creates no file");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

// ------------------------------------------------------------ row kinds

void tst_SettingsModel::rowKindsExpand()
{
    const SettingsTable &t = testTable();
    QStringList paths;
    for (const SettingsKey &k : t)
        paths << k.path();
    QCOMPARE(paths, (QStringList{"Owner",
                                 "FS0use", "FS0Adress", "FS0_485_PARAM/trhld",
                                 "FS1use", "FS1Adress", "FS1_485_PARAM/trhld",
                                 "FS2use", "FS2Adress", "FS2_485_PARAM/trhld",
                                 "TACH/type", "TACH/no_ping", "SPEEDS/src",
                                 "SPEEDS/SPEED[1]/no", "SPEEDS/SPEED[1]/hi", "SPEEDS/SPEED[2]/no",
                                 "SPEEDS/SPEED[2]/hi", "SPEEDS/SPEED[3]/no", "SPEEDS/SPEED[3]/hi",
                                 "CONFIG/mode", "CONFIG/flags", "oldMode", "count", "nick1", "nick2",
                                 "POWER/level_on", "way", "delay", "ip", "delays"}));
    QCOMPARE(t.subSections(), (QStringList{"FS0_485_PARAM", "FS1_485_PARAM", "FS2_485_PARAM", "TACH", "SPEEDS",
                                           "SPEEDS/SPEED[1]", "SPEEDS/SPEED[2]", "SPEEDS/SPEED[3]", "CONFIG",
                                           "POWER"}));
    QCOMPARE(t.find(u"FS2Adress")->defaultText("x"), QStringLiteral("3"));
    QCOMPARE(t.find(u"FS2Adress")->index(), 2);
    QCOMPARE(t.find(u"SPEEDS/SPEED[3]/hi")->index(), 3);
    QCOMPARE(t.find(u"nick2")->defaultText("x"), QStringLiteral("K4810_422"));
    QCOMPARE(t.find(u"FS1Adress")->minimum(), 1.0);
    QCOMPARE(t.find(u"POWER/level_on")->shownDecimals(), 3);
    QCOMPARE(t.find(u"POWER/level_on")->step(), 0.1);
    QCOMPARE(t.find(u"way")->shownIsWhole(), true);
    QVERIFY(!t.find(u"SPEEDS/SPEED[4]/hi"));
}

void tst_SettingsModel::rowKindsSaveDefaults()
{
    SettingsModel model(testTables());
    QCOMPARE(model.toBytes(),
             kDeclaration
                 + "<DEVICE>\n"
                   "\t<TEST page=\"TEST\">\n"
                   "\t\t<Owner>NONE</Owner>\n"
                   "\t\t<FS0use>0</FS0use>\n"
                   "\t\t<FS0Adress>1</FS0Adress>\n"
                   "\t\t<FS0_485_PARAM trhld=\"1\"/>\n"
                   "\t\t<FS1use>0</FS1use>\n"
                   "\t\t<FS1Adress>2</FS1Adress>\n"
                   "\t\t<FS1_485_PARAM trhld=\"1\"/>\n"
                   "\t\t<FS2use>0</FS2use>\n"
                   "\t\t<FS2Adress>3</FS2Adress>\n"
                   "\t\t<FS2_485_PARAM trhld=\"1\"/>\n"
                   "\t\t<SPEEDS src=\"0\">\n"
                   "\t\t\t<SPEED hi=\"90\" no=\"0\"/>\n"
                   "\t\t\t<SPEED hi=\"90\" no=\"0\"/>\n"
                   "\t\t\t<SPEED hi=\"90\" no=\"0\"/>\n"
                   "\t\t</SPEEDS>\n"
                   "\t\t<CONFIG flags=\"1010\" mode=\"0\"/>\n"
                   "\t\t<count>0</count>\n"
                   "\t\t<nick1>K4810_421</nick1>\n"
                   "\t\t<nick2>K4810_422</nick2>\n"
                   "\t\t<POWER level_on=\"10500\"/>\n"
                   "\t\t<way>0.010</way>\n"
                   "\t\t<delay>60</delay>\n"
                   "\t\t<ip>0.0.0.0</ip>\n"
                   "\t\t<delays>60 60 60 60</delays>\n"
                   "\t</TEST>\n"
                   "</DEVICE>\n");
}

void tst_SettingsModel::conditionalSubSections_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("owner"); // set by the user; empty: untouched
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("TACH written for TACH") << QByteArray("<DEVICE/>") << "TACH"
                                           << QByteArray("<TACH no_ping=\"0\" type=\"ATOL\"/>");
    QTest::newRow("TACH without no_ping for TGFS") << QByteArray("<DEVICE/>") << "TGFS"
                                                   << QByteArray("<TACH type=\"ATOL\"/>");
    QTest::newRow("no TACH for NONE") << QByteArray("<DEVICE/>") << "NONE" << QByteArray();
    QTest::newRow("a stored TACH stays while the owner is untouched")
        << QByteArray("<DEVICE><TEST><Owner>NONE</Owner><TACH type=\"KSBI\" x=\"1\"/></TEST></DEVICE>") << ""
        << QByteArray("<TACH type=\"KSBI\" x=\"1\"/>");
    QTest::newRow("switching the owner away drops it")
        << QByteArray("<DEVICE><TEST><Owner>TACH</Owner><TACH type=\"KSBI\" x=\"1\"/></TEST></DEVICE>") << "NONE"
        << QByteArray();
}

void tst_SettingsModel::conditionalSubSections()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, owner);
    QFETCH(QByteArray, expected);
    SettingsModel model(testTables());
    QVERIFY(model.openBytes(input));
    if (!owner.isEmpty())
        QVERIFY(model.setValue(QStringLiteral("TEST"), QStringLiteral("Owner"), owner));
    const QByteArray saved = model.toBytes();
    if (expected.isEmpty())
        QVERIFY2(!saved.contains("<TACH"), saved.constData());
    else
        QVERIFY2(saved.contains("\t\t<FS2_485_PARAM trhld=\"1\"/>\n\t\t" + expected + "\n\t\t<SPEEDS"), saved.constData());
}

void tst_SettingsModel::repeatedChildrenInOrder()
{
    SettingsModel model(testTables());
    QVERIFY(model.openBytes("<DEVICE><TEST><SPEEDS src=\"1\" rest=\"9\"><SPEED no=\"1\" hi=\"60\"/>"
                            "<SPEED no=\"0\" hi=\"70\"><X/></SPEED><SPEED hi=\"80\"/><SPEED hi=\"99\"/>"
                            "</SPEEDS></TEST></DEVICE>"));
    const QString t = QStringLiteral("TEST");
    QCOMPARE(model.value(t, QStringLiteral("SPEEDS/SPEED[1]/hi")).toInt(), 60);
    QCOMPARE(model.value(t, QStringLiteral("SPEEDS/SPEED[2]/hi")).toInt(), 70);
    QCOMPARE(model.value(t, QStringLiteral("SPEEDS/SPEED[3]/hi")).toInt(), 80);
    QCOMPARE(model.value(t, QStringLiteral("SPEEDS/SPEED[3]/no")).toInt(), 0);
    QVERIFY(!model.wasInFile(t, QStringLiteral("SPEEDS/SPEED[3]/no")));
    QVERIFY(model.setValue(t, QStringLiteral("SPEEDS/SPEED[2]/hi"), 75));
    QVERIFY2(model.toBytes().contains("\t\t<SPEEDS rest=\"9\" src=\"1\">\n"
                                      "\t\t\t<SPEED hi=\"60\" no=\"1\"/>\n"
                                      "\t\t\t<SPEED hi=\"75\" no=\"0\">\n"
                                      "\t\t\t\t<X />\n"
                                      "\t\t\t</SPEED>\n"
                                      "\t\t\t<SPEED hi=\"80\" no=\"0\"/>\n"
                                      "\t\t\t<SPEED hi=\"99\"/>\n"
                                      "\t\t</SPEEDS>\n"),
             model.toBytes().constData());
}

void tst_SettingsModel::legacyKeyIntoItsReplacement()
{
    SettingsModel model(testTables());
    const QString t = QStringLiteral("TEST");
    QVERIFY(model.openBytes("<DEVICE><TEST><oldMode>1</oldMode></TEST></DEVICE>"));
    QCOMPARE(model.value(t, QStringLiteral("CONFIG/mode")).toInt(), 2);
    QVERIFY(!model.isChanged(t, QStringLiteral("CONFIG/mode")));
    QVERIFY(model.toBytes().contains("<CONFIG flags=\"1010\" mode=\"2\"/>"));
    QVERIFY(!model.toBytes().contains("oldMode"));

    // The replacement present: the legacy key is neither read nor written.
    QVERIFY(model.openBytes("<DEVICE><TEST><oldMode>1</oldMode><CONFIG mode=\"3\"/></TEST></DEVICE>"));
    QCOMPARE(model.value(t, QStringLiteral("CONFIG/mode")).toInt(), 3);
    QVERIFY(!model.toBytes().contains("oldMode"));
}

void tst_SettingsModel::encodedNamesMatchTheirRows()
{
    // The reader decodes "_485_" in an element name to one character; the
    // row still finds its element, and it is written as it was read.
    SettingsModel model(testTables());
    QVERIFY(model.openBytes("<DEVICE><TEST><FS1_485_PARAM trhld=\"0\" x=\"y\"/></TEST></DEVICE>"));
    QCOMPARE(model.value(QStringLiteral("TEST"), QStringLiteral("FS1_485_PARAM/trhld")).toInt(), 0);
    const QByteArray bytes = model.toBytes();
    QVERIFY2(bytes.contains("\t\t<FS1_485_PARAM trhld=\"0\" x=\"y\"/>\n"), bytes.constData());
    QCOMPARE(bytes.count("FS1_485_PARAM"), 1);
    QVERIFY(model.unstorableValues().isEmpty());
}

void tst_SettingsModel::writeOnlyKeyIsComputed()
{
    SettingsModel model(testTables());
    const QString t = QStringLiteral("TEST");
    QVERIFY(model.openBytes("<DEVICE><TEST><count>7</count><FS1use>1</FS1use><FS2use>1</FS2use></TEST></DEVICE>"));
    QVERIFY(model.toBytes().contains("<count>2</count>"));
    QVERIFY(model.setValue(t, QStringLiteral("FS0use"), 1));
    QVERIFY(model.toBytes().contains("<count>3</count>"));
    QCOMPARE(model.toBytes().count("<count>"), 1);
}

// ------------------------------------------------------------ values

void tst_SettingsModel::conversions_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QVariant>("shown");
    QTest::addColumn<QVariant>("set");          // a value the user sets
    QTest::addColumn<QString>("storedAfter");
    QTest::newRow("2.007 V is 2007 mV") << "POWER/level_on" << "10500" << QVariant(10.5) << QVariant(2.007)
                                        << "2007";
    QTest::newRow("12.345 V") << "POWER/level_on" << "0" << QVariant(0.0) << QVariant(12.345) << "12345";
    QTest::newRow("0.01 km is 10 m") << "way" << "0.01" << QVariant(10) << QVariant(10) << "0.01";
    QTest::newRow("0.2504 km shows 251 m") << "way" << "0.2504" << QVariant(251) << QVariant(250) << "0.250";
    QTest::newRow("0.125 km shows 125 m") << "way" << "0.125" << QVariant(125) << QVariant(1) << "0.001";
    QTest::newRow("120 s is 2 min") << "delay" << "120" << QVariant(2) << QVariant(5) << "300";
    QTest::newRow("90 s shows 1 min") << "delay" << "90" << QVariant(1) << QVariant(1) << "90";
    QTest::newRow("not a number reads 0") << "delay" << "abc" << QVariant(0) << QVariant(3) << "180";
}

void tst_SettingsModel::conversions()
{
    QFETCH(QString, path);
    QFETCH(QString, stored);
    QFETCH(QVariant, shown);
    QFETCH(QVariant, set);
    QFETCH(QString, storedAfter);
    SettingsModel model(testTables());
    const QString t = QStringLiteral("TEST");
    QVERIFY(model.setText(t, path, stored));
    const QVariant got = model.value(t, path);
    QCOMPARE(got.typeId(), shown.typeId());
    QCOMPARE(got, shown);
    QVERIFY(model.setValue(t, path, set));
    QCOMPARE(model.text(t, path), storedAfter);

    // The stored unit is there for widgets that show it (a slider in mV).
    QCOMPARE(SettingsConversion::KilometresAsMetres.toShown(0.01).toInt(), 10);
    QCOMPARE(SettingsConversion::roundToInt(2.007 / 0.001, SettingsConversion::Nearest), 2007);
    QCOMPARE(SettingsConversion::roundToInt(0.6 / 0.2, SettingsConversion::TowardZero), 3);
}

void tst_SettingsModel::settingAnEqualValueKeepsTheText()
{
    SettingsModel model(testTables());
    const QString t = QStringLiteral("TEST");
    QVERIFY(model.setText(t, QStringLiteral("way"), QStringLiteral("0.2504")));
    QSignalSpy changed(&model, &SettingsModel::valueChanged);
    QVERIFY(model.setValue(t, QStringLiteral("way"), 251)); // what the field shows
    QCOMPARE(model.text(t, QStringLiteral("way")), QStringLiteral("0.2504"));
    QVERIFY(model.setValue(t, QStringLiteral("POWER/level_on"), 10500, &SettingsConversion::Stored));
    QCOMPARE(changed.count(), 0);
    QVERIFY(model.setValue(t, QStringLiteral("POWER/level_on"), 11000, &SettingsConversion::Stored));
    QCOMPARE(model.value(t, QStringLiteral("POWER/level_on")).toDouble(), 11.0);
    QCOMPARE(changed.count(), 1);
}

void tst_SettingsModel::flagStrings_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("read");
    QTest::addColumn<bool>("set");
    QTest::addColumn<QString>("after");
    QTest::newRow("a character of the string") << "1010" << 2 << true << false << "1000";
    // A position the string does not reach takes the default's character
    // there ("1010"), and "0" beyond the default; a short string is written
    // whole, as it was shown.
    QTest::newRow("short string: beyond the default") << "1" << 5 << false << true << "101001";
    QTest::newRow("short string: within the default") << "1" << 2 << true << false << "1000";
    QTest::newRow("long string keeps its tail") << "11101111111xyz" << 3 << false << true << "11111111111xyz";
    QTest::newRow("empty string") << "" << 0 << true << false << "0010";
}

void tst_SettingsModel::flagStrings()
{
    QFETCH(QString, stored);
    QFETCH(int, position);
    QFETCH(bool, read);
    QFETCH(bool, set);
    QFETCH(QString, after);
    SettingsModel model(testTables());
    const QString t = QStringLiteral("TEST");
    const QString path = QStringLiteral("CONFIG/flags");
    QVERIFY(model.setText(t, path, stored));
    QCOMPARE(model.flag(t, path, position), read);
    QVERIFY(model.setFlag(t, path, position, set));
    QCOMPARE(model.text(t, path), after);
}

void tst_SettingsModel::listItems()
{
    SettingsModel model(testTables());
    const QString t = QStringLiteral("TEST");
    QCOMPARE(model.item(t, QStringLiteral("delays"), 2), QStringLiteral("60"));
    QVERIFY(model.setItem(t, QStringLiteral("delays"), 5, QStringLiteral("30")));
    QCOMPARE(model.text(t, QStringLiteral("delays")), QStringLiteral("60 60 60 60 0 30"));
    QVERIFY(model.setText(t, QStringLiteral("ip"), QStringLiteral("10.1.2.3")));
    QCOMPARE(model.item(t, QStringLiteral("ip"), 3), QStringLiteral("3"));
    QVERIFY(model.setItem(t, QStringLiteral("ip"), 0, QStringLiteral("192")));
    QCOMPARE(model.text(t, QStringLiteral("ip")), QStringLiteral("192.1.2.3"));
}

void tst_SettingsModel::choiceCodes()
{
    const SettingsTable &t = testTable();
    QCOMPARE(t.find(u"Owner")->choiceIndex(QStringLiteral("TGFS")), 2);
    QCOMPARE(t.find(u"Owner")->choiceIndex(QStringLiteral("tach")), -1); // codes are exact
    QCOMPARE(t.find(u"CONFIG/mode")->choiceIndex(QStringLiteral("3")), 2);
    QCOMPARE(t.find(u"CONFIG/mode")->choiceIndex(QStringLiteral("03")), 2); // numbers as numbers
    QCOMPARE(t.find(u"CONFIG/mode")->choiceIndex(QStringLiteral("2")), -1);
    // An unknown stored code is kept as it is.
    SettingsModel model(testTables());
    QVERIFY(model.openBytes("<DEVICE><TEST><Owner>CAM9</Owner></TEST></DEVICE>"));
    QCOMPARE(model.value(QStringLiteral("TEST"), QStringLiteral("Owner")).toString(), QStringLiteral("CAM9"));
    QVERIFY(model.toBytes().contains("<Owner>CAM9</Owner>"));
}

void tst_SettingsModel::unstorableValuesAreNamed()
{
    // A UTF-8 file with characters windows-1251 has no byte for, and a value
    // longer than the settings record holds.
    const QByteArray longName(300, 'n');
    SettingsModel model;
    QVERIFY(model.openBytes("<?xml version=\"1.0\" encoding=\"UTF-8\"?><DEVICE><TRANSFER>"
                            "<objectName>M\xC3\xBCller \xE6\x97\xA5\xE6\x9C\xAC</objectName>"
                            "<GPRSopAPN>" + longName + "</GPRSopAPN>"
                            "<GPRSnote>\xC3\xBC</GPRSnote>"
                            "<GPRSlong>" + longName + "</GPRSlong>"
                            "</TRANSFER></DEVICE>"));
    QStringList named;
    for (const SettingsModel::Unstorable &u : model.unstorableValues())
        named << u.section + QLatin1Char('/') + u.path + QLatin1Char(':')
                     + QString::number(int(u.problem));
    QCOMPARE(named, (QStringList{"TRANSFER/objectName:1", "TRANSFER/GPRSopAPN:2", "TRANSFER/GPRSnote:1"}));
    // Saved after the user was told: "?" for what the code page lacks, the
    // known key cut to what the record holds, kept content whole.
    const QByteArray saved = model.toBytes();
    QVERIFY(saved.contains("<objectName>M?ller ?\?</objectName>"));
    QVERIFY(saved.contains("<GPRSopAPN>" + QByteArray(254, 'n') + "</GPRSopAPN>"));
    QVERIFY(saved.contains("<GPRSlong>" + longName + "</GPRSlong>"));
}

void tst_SettingsModel::textsThatCannotBeStoredAreRefused()
{
    SettingsModel model;
    const QString t = QStringLiteral("TRANSFER");
    QVERIFY(!model.setText(t, QStringLiteral("objectName"), QStringLiteral("Müller")));
    QVERIFY(!model.setText(t, QStringLiteral("objectName"), QString(255, QLatin1Char('x'))));
    QVERIFY(model.setText(t, QStringLiteral("objectName"), QString(254, QChar(0x0416)))); // Ж, one byte each
    QVERIFY(!model.setText(t, QStringLiteral("noSuchKey"), QStringLiteral("x")));
    QCOMPARE(model.text(t, QStringLiteral("objectName")).size(), 254);
    QVERIFY(model.unstorableValues().isEmpty());

    QCOMPARE(SettingsText::check(SettingsInputRule::IPv4Address, 0, u"192.168.1.300"), SettingsText::Check::Invalid);
    QCOMPARE(SettingsText::check(SettingsInputRule::IPv4Address, 0, u"192.168."), SettingsText::Check::Intermediate);
    QCOMPARE(SettingsText::check(SettingsInputRule::IPv4Octet, 0, u"255"), SettingsText::Check::Acceptable);
    QCOMPARE(SettingsText::check(SettingsInputRule::Password, 6, u"abc def"), SettingsText::Check::Invalid);
    QCOMPARE(SettingsText::check(SettingsInputRule::Password, 6, u"abcdefg"), SettingsText::Check::Invalid);
    QCOMPARE(SettingsText::check(SettingsInputRule::Phone, 0, u"+790012345678901"), SettingsText::Check::Acceptable);
    QCOMPARE(SettingsText::check(SettingsInputRule::Phone, 0, u"+7900123456789012"), SettingsText::Check::Invalid);
    QCOMPARE(SettingsText::check(SettingsInputRule::Hex, 32, u"0A1bFF"), SettingsText::Check::Acceptable);
    QCOMPARE(SettingsText::check(SettingsInputRule::Hex, 4, u"0A1bF"), SettingsText::Check::Invalid);
    QCOMPARE(SettingsText::check(SettingsInputRule::Time, 0, u"23:59"), SettingsText::Check::Acceptable);
    QCOMPARE(SettingsText::check(SettingsInputRule::Time, 0, u"24:00"), SettingsText::Check::Invalid);
    QCOMPARE(SettingsText::check(SettingsInputRule::Any, 0, u"日本"), SettingsText::Check::Invalid);
}

void tst_SettingsModel::changesAreAnnounced()
{
    SettingsModel model;
    QSignalSpy changed(&model, &SettingsModel::valueChanged);
    QSignalSpy reloaded(&model, &SettingsModel::reloaded);
    QVERIFY(model.setValue(QStringLiteral("TRACK"), QStringLiteral("GPSmaxEx/speed"), 150));
    QVERIFY(model.setValue(QStringLiteral("TRACK"), QStringLiteral("GPSmaxEx/speed"), 150));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("TRACK"));
    QCOMPARE(changed.at(0).at(1).toString(), QStringLiteral("GPSmaxEx/speed"));
    QVERIFY(!model.setValue(QStringLiteral("TRACK"), QStringLiteral("GPSmaxEx/nope"), 1));
    QVERIFY(!model.setValue(QStringLiteral("NOPE"), QStringLiteral("x"), 1));
    model.reset();
    QCOMPARE(reloaded.count(), 1);
    QCOMPARE(model.value(QStringLiteral("TRACK"), QStringLiteral("GPSmaxEx/speed")).toInt(), 200);
}

void tst_SettingsModel::loadedValuesKeptBesideTheCurrentOnes()
{
    SettingsModel model;
    QVERIFY(model.openBytes("<DEVICE><TRACK><GPSmaxHDOP>3.5</GPSmaxHDOP></TRACK></DEVICE>"));
    const QString t = QStringLiteral("TRACK");
    QVERIFY(model.wasInFile(t, QStringLiteral("GPSmaxHDOP")));
    QVERIFY(!model.wasInFile(t, QStringLiteral("GPSreject")));
    QVERIFY(model.setValue(t, QStringLiteral("GPSmaxHDOP"), 4.0));
    QVERIFY(model.isChanged(t, QStringLiteral("GPSmaxHDOP")));
    QCOMPARE(model.loadedText(t, QStringLiteral("GPSmaxHDOP")), QStringLiteral("3.5"));
    QVERIFY(model.setValue(t, QStringLiteral("GPSmaxHDOP"), 3.5));
    QCOMPARE(model.text(t, QStringLiteral("GPSmaxHDOP")), QStringLiteral("3.5"));
    QVERIFY(!model.isChanged(t, QStringLiteral("GPSmaxHDOP")));
}

void tst_SettingsModel::plainValuesOfASectionWithoutATable()
{
    // A section the catalogue has no table for is kept whole; its plain
    // values are read and set by path as texts, in place, beside the rest.
    const QString rs = QStringLiteral("SPARE");
    SettingsModel model;
    QVERIFY(model.openBytes("<DEVICE><SPARE page=\"SPARE\"><Owner>TACH</Owner><TACH type=\"ATOL\"/>"
                            "<FSBoudrate485>9600</FSBoudrate485></SPARE></DEVICE>"));
    QCOMPARE(model.text(rs, QStringLiteral("Owner")), QStringLiteral("TACH"));
    QCOMPARE(model.text(rs, QStringLiteral("FS0use485")), QString());
    QCOMPARE(model.text(rs, QStringLiteral("TACH/type")), QString());
    QVERIFY(!model.key(rs, QStringLiteral("Owner")));

    QSignalSpy changed(&model, &SettingsModel::valueChanged);
    QVERIFY(model.setText(rs, QStringLiteral("Owner"), QStringLiteral("FLDS")));
    QVERIFY(model.setText(rs, QStringLiteral("Owner"), QStringLiteral("FLDS")));
    QVERIFY(model.setText(rs, QStringLiteral("FS0use485"), QStringLiteral("1")));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toString(), rs);
    QCOMPARE(changed.at(1).at(1).toString(), QStringLiteral("FS0use485"));
    QVERIFY(!model.setText(rs, QStringLiteral("TACH/type"), QStringLiteral("KSBI")));
    QVERIFY(!model.setText(rs, QStringLiteral("Owner"), QStringLiteral("Müller")));
    QVERIFY(!model.setValue(rs, QStringLiteral("Owner"), QStringLiteral("NONE")));
    QCOMPARE(sectionOf(model.toBytes(), "SPARE"), QByteArray("\t<SPARE page=\"SPARE\">\n"
                                                             "\t\t<Owner>FLDS</Owner>\n"
                                                             "\t\t<TACH type=\"ATOL\"/>\n"
                                                             "\t\t<FSBoudrate485>9600</FSBoudrate485>\n"
                                                             "\t\t<FS0use485>1</FS0use485>\n"
                                                             "\t</SPARE>\n"));

    // Missing, the section is added (after the catalogue's) and read back.
    model.reset();
    QVERIFY(!model.hasSection(rs));
    QVERIFY(model.setText(rs, QStringLiteral("Owner"), QStringLiteral("FLDS")));
    QVERIFY(model.hasSection(rs));
    const QByteArray saved = model.toBytes();
    QVERIFY(saved.indexOf("<BLUETOOTH") < saved.indexOf("<SPARE page=\"SPARE\">"));
    SettingsModel again;
    QVERIFY(again.openBytes(saved));
    QCOMPARE(again.text(rs, QStringLiteral("Owner")), QStringLiteral("FLDS"));
    model.reset();
    QVERIFY(!model.hasSection(rs));
}

void tst_SettingsModel::keptValuesCanBeRead()
{
    // What the catalogue does not describe stays readable (never writable)
    // for a page that shows it as it is.
    SettingsModel model(testTables());
    QVERIFY(model.openBytes("<DEVICE><TEST page=\"TEST\" side=\"left\"><FS0use>1</FS0use><extra>7</extra><empty/>"
                            "<EXTRA_SUB a=\"1\" b=\"\"/><TACH type=\"MERK\" serial=\"42\"/></TEST>"
                            "<OTHER><x>9</x><SUB c=\"3\"/></OTHER></DEVICE>"));
    const QString t = QStringLiteral("TEST");
    QCOMPARE(model.keptText(t, QStringLiteral("extra")), QStringLiteral("7"));
    QCOMPARE(model.keptText(t, QStringLiteral("side")), QStringLiteral("left"));
    QCOMPARE(model.keptText(t, QStringLiteral("EXTRA_SUB/a")), QStringLiteral("1"));
    QVERIFY(!model.keptText(t, QStringLiteral("empty")).isNull());
    QVERIFY(model.keptText(t, QStringLiteral("empty")).isEmpty());
    QVERIFY(!model.keptText(t, QStringLiteral("EXTRA_SUB/b")).isNull());
    QVERIFY(model.keptText(t, QStringLiteral("EXTRA_SUB/c")).isNull());
    QVERIFY(model.keptText(t, QStringLiteral("missing")).isNull());
    // Catalogue keys are no kept values.
    QVERIFY(model.keptText(t, QStringLiteral("FS0use")).isNull());
    QVERIFY(model.keptText(t, QStringLiteral("page")).isNull());
    // A section the catalogue has no table for.
    QCOMPARE(model.keptText(QStringLiteral("OTHER"), QStringLiteral("x")), QStringLiteral("9"));
    QCOMPARE(model.keptText(QStringLiteral("OTHER"), QStringLiteral("SUB/c")), QStringLiteral("3"));
    QVERIFY(model.keptText(QStringLiteral("NONE"), QStringLiteral("x")).isNull());
    QVERIFY(model.keptText(t, QStringLiteral("a/b/c")).isNull());
}

QTEST_GUILESS_MAIN(tst_SettingsModel)
#include "tst_settingsmodel.moc"
