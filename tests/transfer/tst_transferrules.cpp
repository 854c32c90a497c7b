// The rules of the data-transfer settings and of the light form, on the
// settings model alone: addresses, servers switched on and off, what is
// refused before saving, roaming's blocking time, the track presets, the
// record-field switches, the inputs and the RS-485 fuel sensors.

#include "settings/editor/lightrules.h"
#include "settings/editor/transferrules.h"
#include "settings/model/settingsmodel.h"
#include "telemetry/fieldselection.h"
#include "tests/transfer/argumenttexts.h"

#include <QCoreApplication>
#include <QTest>

namespace {

const QString kTransfer = QStringLiteral("TRANSFER");
const QString kTrack = QStringLiteral("TRACK");
const QString kSensors = QStringLiteral("SENSORS");
const QString kRs485 = QStringLiteral("RS485");

QByteArray device(const QByteArray &sections)
{
    return "<?xml version=\"1.0\" encoding=\"windows-1251\"?><DEVICE>" + sections + "</DEVICE>";
}

QByteArray transfer(const QByteArray &body)
{
    return "<TRANSFER page=\"TRANSFER\">" + body + "</TRANSFER>";
}

// The values of the three presets as a TRACK section.
QByteArray track(int direction, int angle, const char *distanceKm, int time, int timer, int byWay, const char *wayKm,
                 int byTime, int blockTime, int everyDistance = 1, int everyTime = 1)
{
    return QStringLiteral("<TRACK page=\"TRACK\"><GPSwriteTelemetryByChangeDirection>%1"
                          "</GPSwriteTelemetryByChangeDirection><GPSangleForWriteTelemetry>%2"
                          "</GPSangleForWriteTelemetry><GPSwriteTelemetryEveryDistance>%10"
                          "</GPSwriteTelemetryEveryDistance><GPSdistanceForWriteTelemetry>%3"
                          "</GPSdistanceForWriteTelemetry><GPSwriteTelemetryEveryTime>%11"
                          "</GPSwriteTelemetryEveryTime><GPStimeForWriteTelemetry>%4</GPStimeForWriteTelemetry>"
                          "<GPSblockAngleEvtByWay>%6</GPSblockAngleEvtByWay><GPSWayForBlock>%7</GPSWayForBlock>"
                          "<GPSblockAngleEvtByTime>%8</GPSblockAngleEvtByTime><GPSTimeForBlock>%9</GPSTimeForBlock>"
                          "<GPSparking alg=\"0\" time=\"30\" tlmTmr=\"%5\"/></TRACK>")
        .arg(direction)
        .arg(angle)
        .arg(QLatin1String(distanceKm))
        .arg(time)
        .arg(timer)
        .arg(byWay)
        .arg(QLatin1String(wayKm))
        .arg(byTime)
        .arg(blockTime)
        .arg(everyDistance)
        .arg(everyTime)
        .toLatin1();
}

int count(const QByteArray &haystack, const QByteArray &needle)
{
    int n = 0;
    for (qsizetype at = haystack.indexOf(needle); at >= 0; at = haystack.indexOf(needle, at + 1))
        ++n;
    return n;
}

} // namespace

class tst_TransferRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::installTranslator(&m_texts); }
    void addresses_data();
    void addresses();
    void servers_data();
    void servers();
    void loadingNeverSwitchesAServerOff();
    void inputProblems_data();
    void inputProblems();
    void blockTime_data();
    void blockTime();

    void presets_data();
    void presets();
    void presetWritesTheTrackKeys_data();
    void presetWritesTheTrackKeys();
    void presetWritesIntoTheExistingSubSections();
    void switches_data();
    void switches();
    void inputs_data();
    void inputs();
    void rs485Read_data();
    void rs485Read();
    void rs485Write_data();
    void rs485Write();
    void rs485SurvivesASaveAndALoad();

private:
    ArgumentTexts m_texts;
    SettingsModel m_model;
    bool open(const QByteArray &sections)
    {
        QString error;
        const bool ok = m_model.openBytes(device(sections), &error);
        if (!ok)
            qWarning("%s", qPrintable(error));
        return ok;
    }
};

// ---------------------------------------------------------------- addresses

void tst_TransferRules::addresses_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("problem");
    using P = TransferRules::AddressProblem;
    QTest::newRow("valid") << "192.0.2.10" << "192.0.2.10" << int(P::None);
    QTest::newRow("zero") << "0.0.0.0" << "0.0.0.0" << int(P::None);
    QTest::newRow("largest") << "255.255.255.255" << "255.255.255.255" << int(P::None);
    // What the user types is shown as typed, and refused when it is saved or tested.
    QTest::newRow("octet over 255") << "10.0.0.256" << "10.0.0.256" << int(P::OctetOutOfRange);
    QTest::newRow("three digits, far over") << "999.1.1.1" << "999.1.1.1" << int(P::OctetOutOfRange);
    QTest::newRow("empty octet") << "10..0.1" << "10..0.1" << int(P::EmptyOctet);
    QTest::newRow("empty last octet") << "10.0.0." << "10.0.0." << int(P::EmptyOctet);
    QTest::newRow("all empty") << "..." << "..." << int(P::EmptyOctet);
    // A stored text that is no dotted address shows as 0.0.0.0, whatever its length.
    QTest::newRow("empty") << "" << "0.0.0.0" << int(P::NotFourOctets);
    QTest::newRow("three parts") << "10.0.0" << "0.0.0.0" << int(P::NotFourOctets);
    QTest::newRow("five parts") << "10.0.0.1.5" << "0.0.0.0" << int(P::NotFourOctets);
    QTest::newRow("a name") << "monitoring.example" << "0.0.0.0" << int(P::NotFourOctets);
    QTest::newRow("four digits") << "1.2.3.4567" << "0.0.0.0" << int(P::NotFourOctets);
    QTest::newRow("sign") << "1.2.3.-4" << "0.0.0.0" << int(P::NotFourOctets);
    QTest::newRow("space") << " 1.2.3.4" << "0.0.0.0" << int(P::NotFourOctets);
    QTest::newRow("long") << QString(250, QLatin1Char('.')) << "0.0.0.0" << int(P::NotFourOctets);
    QTest::newRow("non-ASCII digits") << QStringLiteral("1.2.3.\u0664") << "0.0.0.0" << int(P::NotFourOctets);
}

void tst_TransferRules::addresses()
{
    QFETCH(QString, address);
    QFETCH(QString, shown);
    QFETCH(int, problem);
    const QStringList octets = TransferRules::octets(address);
    QCOMPARE(octets.size(), TransferRules::Octets);
    QCOMPARE(TransferRules::joinOctets(octets), shown);
    QCOMPARE(int(TransferRules::checkAddress(address)), problem);
}

// ---------------------------------------------------------------- servers

void tst_TransferRules::servers_data()
{
    QTest::addColumn<QByteArray>("values");
    QTest::addColumn<int>("server");
    QTest::addColumn<bool>("on");
    QTest::addColumn<bool>("usesName");
    QTest::addColumn<QString>("testHost");
    QTest::newRow("main: name and address") << QByteArray("<GPRSSrv0Name>gw.example</GPRSSrv0Name>"
                                                          "<GPRSSrv0IP>192.0.2.1</GPRSSrv0IP>")
                                            << 0 << true << true << "gw.example";
    QTest::newRow("main: address only") << QByteArray("<GPRSSrv0IP>192.0.2.1</GPRSSrv0IP>") << 0 << true << false
                                        << "192.0.2.1";
    QTest::newRow("main: nothing") << QByteArray() << 0 << false << false << "0.0.0.0";
    QTest::newRow("reserve 1: name only") << QByteArray("<GPRSSrv1Name>r1.example</GPRSSrv1Name>") << 1 << true
                                          << true << "r1.example";
    QTest::newRow("reserve 2: blank name is no name")
        << QByteArray("<GPRSSrv2Name>  </GPRSSrv2Name><GPRSSrv2IP>0.0.0.0</GPRSSrv2IP>") << 2 << false << false
        << "0.0.0.0";
    QTest::newRow("reserve 2: address that is no address shows 0.0.0.0")
        << QByteArray("<GPRSSrv2IP>10.0.0</GPRSSrv2IP>") << 2 << false << false << "0.0.0.0";
}

void tst_TransferRules::servers()
{
    QFETCH(QByteArray, values);
    QFETCH(int, server);
    QFETCH(bool, on);
    QFETCH(bool, usesName);
    QFETCH(QString, testHost);
    QVERIFY(open(transfer(values)));
    QCOMPARE(TransferRules::isServerOn(m_model, server), on);
    QCOMPARE(TransferRules::usesName(m_model, server), usesName);
    QCOMPARE(TransferRules::testHost(m_model, server), testHost);
    QVERIFY(TransferRules::testProblem(m_model, server).isEmpty());

    // The user's switch: no address, no port, no name.
    TransferRules::switchServerOff(m_model, server);
    const TransferRules::ServerKeys k = TransferRules::keys(server);
    QCOMPARE(m_model.text(kTransfer, k.address), QStringLiteral("0.0.0.0"));
    QCOMPARE(m_model.text(kTransfer, k.port), QStringLiteral("0"));
    QCOMPARE(m_model.text(kTransfer, k.name), QString());
    QVERIFY(!TransferRules::isServerOn(m_model, server));
}

void tst_TransferRules::loadingNeverSwitchesAServerOff()
{
    // A reserve server without name and address shows as off; its port
    // stays as stored: only the user's switch writes 0.
    const QByteArray values = "<GPRSSrv2Name></GPRSSrv2Name><GPRSSrv2IP>0.0.0.0</GPRSSrv2IP>"
                              "<GPRSSrv2Port>4811</GPRSSrv2Port>";
    QVERIFY(open(transfer(values)));
    QVERIFY(!TransferRules::isServerOn(m_model, 2));
    const QByteArray saved = m_model.toBytes();
    QVERIFY(saved.contains("<GPRSSrv2Port>4811</GPRSSrv2Port>"));
    QVERIFY(saved.contains("<GPRSSrv2IP>0.0.0.0</GPRSSrv2IP>"));
    QVERIFY(saved.contains("<GPRSSrv2Name />"));
}

void tst_TransferRules::inputProblems_data()
{
    QTest::addColumn<QByteArray>("values");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("problems"); // the addresses named, or "key"

    const QByteArray loaded = "<GPRSSrv0IP>192.0.2.1</GPRSSrv0IP><GPRSSrv1IP>abc</GPRSSrv1IP>"
                              "<GPRSSrv2Name>r2.example</GPRSSrv2Name>";
    QTest::newRow("as loaded, even an address that is none") << loaded << QString() << QString() << QStringList();
    QTest::newRow("typed, valid") << loaded << "GPRSSrv0IP" << "192.0.2.200" << QStringList();
    QTest::newRow("typed, octet over 255") << loaded << "GPRSSrv0IP" << "192.0.2.300"
                                           << QStringList{QStringLiteral("192.0.2.300")};
    QTest::newRow("typed, octet empty") << loaded << "GPRSSrv1IP" << "192..2.1"
                                        << QStringList{QStringLiteral("192..2.1")};
    QTest::newRow("an address not used: the server has a name") << loaded << "GPRSSrv2IP" << "1..1.1"
                                                                  << QStringList();
    QTest::newRow("update server address") << loaded << "GPRSUpdateIP" << "1.2.3.999"
                                           << QStringList{QStringLiteral("1.2.3.999")};
    QTest::newRow("update server address not used: it has a name")
        << QByteArray("<GPRSUpdateDNS>upd.example</GPRSUpdateDNS>") << "GPRSUpdateIP" << "1.2.3.999" << QStringList();
    QTest::newRow("key: whole") << loaded << "CRYPTO/key" << "00112233445566778899AABBCCDDEEF0" << QStringList();
    QTest::newRow("key: lower case is whole too") << loaded << "CRYPTO/key" << "00112233445566778899aabbccddeef0"
                                                  << QStringList();
    QTest::newRow("key: none") << QByteArray("<CRYPTO key=\"00112233445566778899AABBCCDDEEF0\"/>") << "CRYPTO/key"
                               << "" << QStringList();
    QTest::newRow("key: short") << loaded << "CRYPTO/key" << "0011223344" << QStringList{QStringLiteral("key")};
    QTest::newRow("key: byte FF") << loaded << "CRYPTO/key" << "FF112233445566778899AABBCCDDEEF0"
                                  << QStringList{QStringLiteral("key")};
}

void tst_TransferRules::inputProblems()
{
    QFETCH(QByteArray, values);
    QFETCH(QString, path);
    QFETCH(QString, typed);
    QFETCH(QStringList, problems);
    QVERIFY(open(transfer(values)));
    if (!path.isEmpty())
        QVERIFY(m_model.setText(kTransfer, path, typed));
    const QStringList found = TransferRules::inputProblems(m_model);
    QCOMPARE(found.size(), problems.size());
    for (int i = 0; i < problems.size(); ++i) {
        if (problems.at(i) == QLatin1String("key"))
            QCOMPARE(found.at(i), QStringLiteral("K4810_2814"));
        else
            QVERIFY2(found.at(i).contains(problems.at(i)), qPrintable(found.at(i)));
    }
    // The connection test of that server refuses the same address.
    if (path.startsWith(QLatin1String("GPRSSrv"))) {
        const int server = path.mid(7, 1).toInt();
        QCOMPARE(TransferRules::testProblem(m_model, server).isEmpty(), problems.isEmpty());
    }
}

void tst_TransferRules::blockTime_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("setHours");
    QTest::addColumn<int>("setMinutes");
    QTest::addColumn<QString>("written");
    QTest::newRow("1 h 30 min to 2 h 15 min") << 5400 << 1 << 30 << 2 << 15 << "8100";
    QTest::newRow("no hours: at least 5 minutes") << 3600 << 1 << 0 << 0 << 2 << "300";
    QTest::newRow("no hours, 5 minutes") << 3600 << 1 << 0 << 0 << 5 << "300";
    QTest::newRow("hours given: 0 minutes") << 300 << 0 << 5 << 3 << 0 << "10800";
    QTest::newRow("the same time keeps the seconds") << 3606 << 1 << 0 << 1 << 0 << "3606";
}

void tst_TransferRules::blockTime()
{
    QFETCH(int, stored);
    QFETCH(int, hours);
    QFETCH(int, minutes);
    QFETCH(int, setHours);
    QFETCH(int, setMinutes);
    QFETCH(QString, written);
    QVERIFY(open(transfer("<ROAM_SETT BlockCnct=\"" + QByteArray::number(stored) + "\"/>")));
    QCOMPARE(TransferRules::blockHours(m_model), hours);
    QCOMPARE(TransferRules::blockMinutes(m_model), minutes);
    TransferRules::setBlockTime(m_model, setHours, setMinutes);
    QCOMPARE(m_model.text(kTransfer, QStringLiteral("ROAM_SETT/BlockCnct")), written);
}

// ---------------------------------------------------------------- presets

void tst_TransferRules::presets_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<int>("preset");
    QTest::newRow("preset 1") << track(2, 5, "1.000", 0, 600, 1, "0.010", 1, 2) << 0;
    QTest::newRow("preset 2") << track(2, 5, "0.500", 60, 600, 1, "0.010", 0, 2) << 1;
    QTest::newRow("preset 3") << track(1, 5, "0.500", 20, 600, 0, "0.010", 0, 2) << 2;
    QTest::newRow("preset 2, by time 61 s: custom") << track(2, 5, "0.500", 61, 600, 1, "0.010", 0, 2) << 3;
    QTest::newRow("preset 2, distance 0.5004 km shows 501 m: custom")
        << track(2, 5, "0.5004", 60, 600, 1, "0.010", 0, 2) << 3;
    QTest::newRow("preset 2, single-precision way 0.01 is 10 m")
        << track(2, 5, "0.5", 60, 600, 1, "0.0099999998", 0, 2) << 1;
    QTest::newRow("preset 2, parking timer 300: custom") << track(2, 5, "0.500", 60, 300, 1, "0.010", 0, 2) << 3;
    QTest::newRow("preset 2 without by-distance: custom")
        << track(2, 5, "0.500", 60, 600, 1, "0.010", 0, 2, 0, 1) << 3;
    // A blocking time that is switched off does not count.
    QTest::newRow("preset 2, blocking time off at 5") << track(2, 5, "0.500", 60, 600, 1, "0.010", 0, 5) << 1;
    QTest::newRow("preset 3, blocking way off at 50 m") << track(1, 5, "0.500", 20, 600, 0, "0.050", 0, 2) << 2;
    QTest::newRow("preset 1 with blocking time 5: custom") << track(2, 5, "1.000", 0, 600, 1, "0.010", 1, 5) << 3;
    QTest::newRow("direction 0: custom") << track(0, 5, "0.500", 60, 600, 1, "0.010", 0, 2) << 3;
    QTest::newRow("angle 10: custom") << track(2, 10, "0.500", 60, 600, 1, "0.010", 0, 2) << 3;
}

void tst_TransferRules::presets()
{
    QFETCH(QByteArray, section);
    QFETCH(int, preset);
    QVERIFY(open(section));
    QCOMPARE(LightRules::matchingPreset(m_model), preset);
}

void tst_TransferRules::presetWritesTheTrackKeys_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<QStringList>("written"); // key=text
    QTest::newRow("preset 1") << 0
                              << QStringList{"GPSwriteTelemetryByChangeDirection=2", "GPSdistanceForWriteTelemetry=1.000",
                                             "GPStimeForWriteTelemetry=0", "GPSparking/tlmTmr=600",
                                             "GPSblockAngleEvtByWay=1", "GPSWayForBlock=0.010",
                                             "GPSblockAngleEvtByTime=1", "GPSTimeForBlock=2"};
    QTest::newRow("preset 3") << 2
                              << QStringList{"GPSwriteTelemetryByChangeDirection=1", "GPSangleForWriteTelemetry=5",
                                             "GPSwriteTelemetryEveryDistance=1", "GPSdistanceForWriteTelemetry=0.500",
                                             "GPSwriteTelemetryEveryTime=1", "GPStimeForWriteTelemetry=20",
                                             "GPSblockAngleEvtByWay=0", "GPSblockAngleEvtByTime=0",
                                             "GPSTimeForBlock=2"};
    // The custom preset writes nothing: the blocking keys of the full Track page stay.
    QTest::newRow("custom") << 3
                            << QStringList{"GPSwriteTelemetryByChangeDirection=0", "GPSdistanceForWriteTelemetry=0.250",
                                           "GPSblockAngleEvtByWay=0", "GPSWayForBlock=0.040",
                                           "GPSblockAngleEvtByTime=1", "GPSTimeForBlock=9"};
}

void tst_TransferRules::presetWritesTheTrackKeys()
{
    QFETCH(int, preset);
    QFETCH(QStringList, written);
    QVERIFY(open(track(0, 7, "0.250", 45, 300, 0, "0.040", 1, 9)));
    LightRules::applyPreset(m_model, preset);
    for (const QString &w : written) {
        const QString key = w.section(QLatin1Char('='), 0, 0);
        QCOMPARE(m_model.text(kTrack, key), w.section(QLatin1Char('='), 1));
    }
    QCOMPARE(LightRules::matchingPreset(m_model), preset);
}

void tst_TransferRules::presetWritesIntoTheExistingSubSections()
{
    // The light form's keys of sub-sections (GPSparking/tlmTmr,
    // ROAMING_SIM1/mode) go into the sub-section the file has, beside its
    // other values; the file gets no second one that a load would ignore.
    QVERIFY(open(track(0, 7, "0.250", 45, 300, 0, "0.040", 1, 9)
                 + transfer("<ROAMING_SIM1 mode=\"0\" opCode1=\"25001\" extra=\"x\"/>")));
    LightRules::applyPreset(m_model, 1);
    QVERIFY(m_model.setValue(kTransfer, QStringLiteral("ROAMING_SIM1/mode"), 1));
    const QByteArray saved = m_model.toBytes();
    QCOMPARE(count(saved, "<GPSparking "), 1);
    QCOMPARE(count(saved, "<ROAMING_SIM1 "), 1);
    QVERIFY(saved.contains("<GPSparking alg=\"0\" noTmrFlags=\"000\" time=\"30\" tlmTmr=\"600\"/>"));
    QVERIFY(saved.contains("mode=\"1\""));
    QVERIFY(saved.contains("opCode1=\"25001\"") && saved.contains("extra=\"x\""));
    QVERIFY(saved.contains("<Roaming>1</Roaming>"));

    SettingsModel again;
    QVERIFY(again.openBytes(saved));
    QCOMPARE(again.text(kTrack, QStringLiteral("GPSparking/tlmTmr")), QStringLiteral("600"));
    QCOMPARE(again.text(kTransfer, QStringLiteral("ROAMING_SIM1/mode")), QStringLiteral("1"));
    QCOMPARE(LightRules::matchingPreset(again), 1);
}

// ---------------------------------------------------------------- switches

void tst_TransferRules::switches_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("expected");
    const QString def = FieldSelection::defaultText();
    auto with = [&def](std::initializer_list<int> positions, QChar c) {
        QString s = def;
        for (int p : positions)
            s[p] = c;
        return s;
    };
    QTest::newRow("0 on: already") << def << 0 << true << def;
    QTest::newRow("0 off") << def << 0 << false << with({28}, u'0');
    QTest::newRow("1 on: CAN fields") << def << 1 << true << with({52, 53, 54, 56}, u'1');
    QTest::newRow("5 on") << def << 5 << true << with({34}, u'1');
    QTest::newRow("7 on") << def << 7 << true << with({43}, u'1');
    QTest::newRow("8 on: level and temperature") << def << 8 << true << with({37, 77}, u'1');
    QTest::newRow("9 on") << def << 9 << true << with({38, 78}, u'1');
    QTest::newRow("10: nothing") << def << 10 << true << def;
    QTest::newRow("-1: nothing") << def << -1 << true << def;
    // A short selection (missing key, first-generation string) is padded,
    // never written past its end.
    QTest::newRow("empty, 9 on") << QString() << 9 << true << QString(38, u'0') + u'1' + QString(39, u'0') + u'1';
    QTest::newRow("69 characters, 8 on")
        << def.left(69) << 8 << true << def.left(37) + u'1' + def.mid(38, 31) + QString(8, u'0') + u'1';
    QTest::newRow("longer text keeps its tail") << def + QStringLiteral("101") << 1 << false << def + "101";
}

void tst_TransferRules::switches()
{
    QFETCH(QString, selection);
    QFETCH(int, number);
    QFETCH(bool, on);
    QFETCH(QString, expected);
    QString s = selection;
    LightRules::setSwitch(s, number, on);
    QCOMPARE(s, expected);

    // Through the model, and read back.
    QVERIFY(open(transfer("<GPRSprotocolConfig>" + selection.toLatin1() + "</GPRSprotocolConfig>")));
    LightRules::setSwitch(m_model, number, on);
    QCOMPARE(m_model.text(kTransfer, QStringLiteral("GPRSprotocolConfig")), expected);
    if (number >= 0 && number < LightRules::SwitchCount)
        QCOMPARE(LightRules::isSwitchOn(m_model, number), on);
    else
        QVERIFY(!LightRules::isSwitchOn(m_model, number));
}

// ---------------------------------------------------------------- inputs

void tst_TransferRules::inputs_data()
{
    QTest::addColumn<QByteArray>("sensors");
    QTest::addColumn<int>("input");
    QTest::addColumn<bool>("loadedOn");
    QTest::addColumn<bool>("on");
    QTest::addColumn<QStringList>("written");  // key=text
    QTest::addColumn<QList<int>>("positions"); // of the selection, with their character after
    QTest::addColumn<QString>("characters");
    using I = LightRules::Input;
    QTest::newRow("ignition on") << QByteArray("<normStateIN1>N/A</normStateIN1><controlRestoreIN1>0</controlRestoreIN1>")
                                 << int(I::Ignition) << false << true
                                 << QStringList{"normStateIN1=NB+", "controlRestoreIN1=1"} << QList<int>{28} << "1";
    QTest::newRow("ignition off keeps its field") << QByteArray("<normStateIN1>NB+</normStateIN1>") << int(I::Ignition)
                                                  << true << false << QStringList{"normStateIN1=N/A"}
                                                  << QList<int>{28} << "1";
    QTest::newRow("fuel on analogue input 1") << QByteArray() << int(I::AnalogueFuel) << false << true
                                              << QStringList{"normStateAIN1=UI"} << QList<int>{20} << "1";
    QTest::newRow("analogue fuel off") << QByteArray("<normStateAIN1>UI</normStateAIN1>") << int(I::AnalogueFuel)
                                       << true << false << QStringList{"normStateAIN1=NU"} << QList<int>{20} << "0";
    QTest::newRow("frequency fuel on input 2") << QByteArray() << int(I::FrequencyFuel) << false << true
                                               << QStringList{"normStateIN2=FRQ"} << QList<int>{34} << "1";
    QTest::newRow("frequency fuel off") << QByteArray("<normStateIN2>FRQ</normStateIN2>") << int(I::FrequencyFuel)
                                        << true << false << QStringList{"normStateIN2=NU"} << QList<int>{34} << "0";
}

void tst_TransferRules::inputs()
{
    QFETCH(QByteArray, sensors);
    QFETCH(int, input);
    QFETCH(bool, loadedOn);
    QFETCH(bool, on);
    QFETCH(QStringList, written);
    QFETCH(QList<int>, positions);
    QFETCH(QString, characters);
    QVERIFY(open("<SENSORS page=\"SENSORS\">" + sensors + "</SENSORS>"));
    const auto which = LightRules::Input(input);
    QCOMPARE(LightRules::isInputOn(m_model, which), loadedOn);
    LightRules::setInput(m_model, which, on);
    QCOMPARE(LightRules::isInputOn(m_model, which), on);
    for (const QString &w : written)
        QCOMPARE(m_model.text(kSensors, w.section(QLatin1Char('='), 0, 0)), w.section(QLatin1Char('='), 1));
    const QString selection = m_model.text(kTransfer, QStringLiteral("GPRSprotocolConfig"));
    for (int i = 0; i < positions.size(); ++i)
        QCOMPARE(selection.at(positions.at(i)), characters.at(i));
}

// ---------------------------------------------------------------- RS-485

void tst_TransferRules::rs485Read_data()
{
    QTest::addColumn<QByteArray>("values");
    QTest::addColumn<bool>("on");
    QTest::addColumn<bool>("use0");
    QTest::addColumn<bool>("use1");
    QTest::addColumn<int>("address0");
    QTest::addColumn<int>("address1");
    QTest::newRow("no section") << QByteArray() << false << false << false << 1 << 2;
    QTest::newRow("fuel sensors at 19200")
        << QByteArray("<Owner>FLDS</Owner><FSBoudrate485>19200</FSBoudrate485><FS0use485>1</FS0use485>"
                      "<FS0Adress485>7</FS0Adress485><FS1use485>0</FS1use485><FS1Adress485>9</FS1Adress485>")
        << true << true << false << 7 << 9;
    QTest::newRow("fuel sensors, addresses missing")
        << QByteArray("<Owner>FLDS</Owner><FS1use485>1</FS1use485>") << true << false << true << 1 << 2;
    QTest::newRow("fuel sensors at 9600: not the form's")
        << QByteArray("<Owner>FLDS</Owner><FSBoudrate485>9600</FSBoudrate485><FS0use485>1</FS0use485>"
                      "<FS0Adress485>7</FS0Adress485>")
        << false << false << false << 1 << 2;
    QTest::newRow("a tachograph on the bus")
        << QByteArray("<Owner>TACH</Owner><FS0use485>1</FS0use485><FS0Adress485>7</FS0Adress485>") << false << false
        << false << 1 << 2;
}

void tst_TransferRules::rs485Read()
{
    QFETCH(QByteArray, values);
    QFETCH(bool, on);
    QFETCH(bool, use0);
    QFETCH(bool, use1);
    QFETCH(int, address0);
    QFETCH(int, address1);
    QVERIFY(open(values.isEmpty() ? QByteArray() : "<RS485 page=\"RS485\">" + values + "</RS485>"));
    const LightRules::Rs485Fuel f = LightRules::rs485Fuel(m_model);
    QCOMPARE(f.on, on);
    QCOMPARE(f.use[0], use0);
    QCOMPARE(f.use[1], use1);
    QCOMPARE(f.address[0], address0);
    QCOMPARE(f.address[1], address1);
}

void tst_TransferRules::rs485Write_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<bool>("use0");
    QTest::addColumn<bool>("use1");
    QTest::addColumn<QStringList>("written"); // key=text of RS485
    QTest::addColumn<QString>("characters");  // of positions 37, 38, 77, 78
    QTest::newRow("both sensors") << true << true << true
                                  << QStringList{"Owner=FLDS", "FSBoudrate485=19200", "FS0use485=1", "FS0FLStype485=0",
                                                 "FS0Adress485=11", "FS1use485=1", "FS1FLStype485=0",
                                                 "FS1Adress485=12"}
                                  << "1111";
    QTest::newRow("second sensor only: the first keeps its address")
        << true << false << true
        << QStringList{"Owner=FLDS", "FS0use485=0", "FS0Adress485=5", "FS1use485=1", "FS1Adress485=12"} << "0101";
    QTest::newRow("group on, no sensor: NONE") << true << false << false
                                               << QStringList{"Owner=NONE", "FSBoudrate485=19200", "FS0use485=0",
                                                              "FS1use485=0"}
                                               << "0000";
    QTest::newRow("group off") << false << true << false
                               << QStringList{"Owner=NONE", "FSBoudrate485=19200", "FS0use485=1", "FS1use485=0",
                                              "FS0Adress485=5", "FS0FLStype485=3"}
                               << "0000";
}

void tst_TransferRules::rs485Write()
{
    QFETCH(bool, on);
    QFETCH(bool, use0);
    QFETCH(bool, use1);
    QFETCH(QStringList, written);
    QFETCH(QString, characters);
    // The sensors' fields are all selected before, and the bus had a tachograph.
    QString selection = FieldSelection::defaultText();
    for (int p : {37, 38, 77, 78})
        selection[p] = u'1';
    QVERIFY(open("<RS485 page=\"RS485\"><Owner>TACH</Owner><FSBoudrate485>9600</FSBoudrate485><FS0Adress485>5"
                 "</FS0Adress485><FS0FLStype485>3</FS0FLStype485><SPARE_BUS x=\"1\"/></RS485>"
                 + transfer("<GPRSprotocolConfig>" + selection.toLatin1() + "</GPRSprotocolConfig>")));
    LightRules::Rs485Fuel f;
    f.on = on;
    f.use[0] = use0;
    f.use[1] = use1;
    f.address[0] = 11;
    f.address[1] = 12;
    LightRules::setRs485Fuel(m_model, f);
    for (const QString &w : written)
        QCOMPARE(m_model.text(kRs485, w.section(QLatin1Char('='), 0, 0)), w.section(QLatin1Char('='), 1));
    const QString after = m_model.text(kTransfer, QStringLiteral("GPRSprotocolConfig"));
    QCOMPARE(QString(after.at(37)) + after.at(38) + after.at(77) + after.at(78), characters);
    // What the form does not know of the bus stays.
    QVERIFY(m_model.toBytes().contains("<SPARE_BUS x=\"1\"/>"));
}

void tst_TransferRules::rs485SurvivesASaveAndALoad()
{
    QVERIFY(open(QByteArray()));
    LightRules::Rs485Fuel f;
    f.on = true;
    f.use[1] = true;
    f.address[1] = 44;
    LightRules::setRs485Fuel(m_model, f);
    const QByteArray saved = m_model.toBytes();
    QCOMPARE(count(saved, "<RS485 page=\"RS485\">"), 1);
    SettingsModel again;
    QVERIFY(again.openBytes(saved));
    const LightRules::Rs485Fuel read = LightRules::rs485Fuel(again);
    QVERIFY(read.on && !read.use[0] && read.use[1]);
    QCOMPARE(read.address[1], 44);
    QCOMPARE(again.toBytes(), saved);
}

QTEST_GUILESS_MAIN(tst_TransferRules)
#include "tst_transferrules.moc"
