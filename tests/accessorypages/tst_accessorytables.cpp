// The catalogue tables of the accelerometer and touch-memory pages, in the
// settings model alone: what a file gives, what is saved, and the older
// accelerometer keys read into SENSORS when the section has none.

#include "accessories/accelerometerreading.h"
#include "settings/model/settingsmodel.h"

#include <QTest>

namespace {

const QString kAccel = QStringLiteral("ACCELEROMETER");
const QString kTm = QStringLiteral("TM_KEYS");

QByteArray device(const QByteArray &sections)
{
    return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE>" + sections + "</DEVICE>\n";
}

// The one empty element named so inside a saved section, as text ("" when
// absent): the accelerometer's SENSORS is not the section SENSORS.
QByteArray element(const QByteArray &bytes, const QByteArray &name, const QByteArray &section = "ACCELEROMETER")
{
    const qsizetype in = bytes.indexOf("<" + section + " ");
    if (in < 0)
        return QByteArray();
    const qsizetype from = bytes.indexOf("<" + name + " ", in);
    if (from < 0)
        return QByteArray();
    return bytes.mid(from, bytes.indexOf("/>", from) + 2 - from);
}

} // namespace

class tst_AccessoryTables : public QObject
{
    Q_OBJECT

private slots:
    void accelerometerValues_data();
    void accelerometerValues();
    void accelerometerSaved();
    void olderLevelsReadIntoSensors_data();
    void olderLevelsReadIntoSensors();
    void olderKeysIgnoredBesideSensors();
    void keysOfTheShortList_data();
    void keysOfTheShortList();
    void shortListSavedAndKept();
    void readingLayout_data();
    void readingLayout();
    void resetAnswer_data();
    void resetAnswer();
};

void tst_AccessoryTables::accelerometerValues_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("text");
    const QByteArray file = "<ACCELEROMETER page=\"ACCELEROMETER\"><SENSORS sh1=\"45.0\" sh2=\"75.5\" sh3=\"2.5\" "
                            "sh4=\"20.0\" wakeup=\"0\"/><RAIF tech=\"1\" mode=\"1\" step1=\"1.5 1.5 2.5\"/>"
                            "</ACCELEROMETER>";
    QTest::newRow("sh1") << file << "SENSORS/sh1" << "45.0";
    QTest::newRow("sh2") << file << "SENSORS/sh2" << "75.5";
    QTest::newRow("wake-up off") << file << "SENSORS/wakeup" << "0";
    QTest::newRow("crash recording") << file << "RAIF/tech" << "1";
    QTest::newRow("step 1") << file << "RAIF/step1" << "1.5 1.5 2.5";
    QTest::newRow("step 2 default") << file << "RAIF/step2" << "1.0 1.0 2.0";
    QTest::newRow("duration default") << file << "RAIF/dur" << "25";
    QTest::newRow("ignition wait default") << file << "RAIF/ign_wait" << "30";
    const QByteArray none = "<TRACK page=\"TRACK\"/>";
    QTest::newRow("no section: sh1") << none << "SENSORS/sh1" << "50.0";
    QTest::newRow("no section: sh3") << none << "SENSORS/sh3" << "1.9";
    QTest::newRow("no section: sh4") << none << "SENSORS/sh4" << "25.0";
    QTest::newRow("no section: wake-up") << none << "SENSORS/wakeup" << "10";
    QTest::newRow("no section: ASI") << none << "RAIF/asi" << "";
}

void tst_AccessoryTables::accelerometerValues()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, path);
    QFETCH(QString, text);
    SettingsModel model;
    QString error;
    QVERIFY2(model.openBytes(device(file), &error), qPrintable(error));
    QCOMPARE(model.text(kAccel, path), text);
}

void tst_AccessoryTables::accelerometerSaved()
{
    SettingsModel model;
    QVERIFY(model.openBytes(device("<ACCELEROMETER page=\"ACCELEROMETER\"><SENSORS sh1=\"45.0\" extra=\"x\"/>"
                                   "<RAIF tech=\"1\"/></ACCELEROMETER>")));
    QVERIFY(model.setValue(kAccel, QStringLiteral("SENSORS/sh2"), 66.4));
    QVERIFY(model.setItem(kAccel, QStringLiteral("RAIF/step2"), 1, QStringLiteral("2.5")));
    const QByteArray saved = model.toBytes();
    // Reals with one decimal; an attribute the catalogue does not know stays.
    QCOMPARE(element(saved, "SENSORS"),
             QByteArray("<SENSORS extra=\"x\" sh1=\"45.0\" sh2=\"66.4\" sh3=\"1.9\" sh4=\"25.0\" wakeup=\"10\"/>"));
    QVERIFY2(element(saved, "RAIF").contains("step2=\"1.0 2.5 2.0\""), saved.constData());
    QVERIFY(saved.contains("<ACCELEROMETER page=\"ACCELEROMETER\">"));
}

void tst_AccessoryTables::olderLevelsReadIntoSensors_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<QStringList>("levels"); // sh1 .. sh4
    QTest::newRow("the defaults of older files")
        << QByteArray("<LightBlow>810000</LightBlow><strongShock>2073600</strongShock><Relocation>1568</Relocation>"
                      "<Inclination>0.4363323125</Inclination>")
        << QStringList{"50.0", "80.0", "2.2", "25.0"};
    QTest::newRow("other levels")
        << QByteArray("<LightBlow>324</LightBlow><strongShock>1166400</strongShock><Inclination>0.1745329252</Inclination>")
        << QStringList{"1.0", "60.0", "1.9", "10.0"};
    // Negative integers have no square root: the default, never "nan".
    QTest::newRow("negative integers")
        << QByteArray("<LightBlow>-810000</LightBlow><strongShock>-1</strongShock><Relocation>-1568</Relocation>"
                      "<Inclination>-0.5</Inclination>")
        << QStringList{"50.0", "80.0", "1.9", "25.0"};
    QTest::newRow("not numbers")
        << QByteArray("<LightBlow>abc</LightBlow><strongShock></strongShock><Inclination>nan</Inclination>")
        << QStringList{"50.0", "80.0", "1.9", "25.0"};
    QTest::newRow("one key only") << QByteArray("<strongShock>3240000</strongShock>")
                                  << QStringList{"50.0", "100.0", "1.9", "25.0"};
}

void tst_AccessoryTables::olderLevelsReadIntoSensors()
{
    QFETCH(QByteArray, keys);
    QFETCH(QStringList, levels);
    SettingsModel model;
    QVERIFY(model.openBytes(device("<ACCELEROMETER page=\"ACCELEROMETER\">" + keys + "</ACCELEROMETER>")));
    for (int i = 0; i < 4; ++i) {
        const QString path = QStringLiteral("SENSORS/sh%1").arg(i + 1);
        QCOMPARE(model.text(kAccel, path), levels.at(i));
        QVERIFY(qIsFinite(model.value(kAccel, path).toDouble()));
    }
    // Saved in the SENSORS form only.
    const QByteArray saved = model.toBytes();
    QVERIFY2(element(saved, "SENSORS").startsWith("<SENSORS sh1=\"" + levels.at(0).toLatin1() + "\""), saved.constData());
    for (const char *older : {"LightBlow", "strongShock", "Relocation", "Inclination"})
        QVERIFY2(!saved.contains(older), older);
    QVERIFY(!saved.contains("nan"));
}

void tst_AccessoryTables::olderKeysIgnoredBesideSensors()
{
    SettingsModel model;
    QVERIFY(model.openBytes(device("<ACCELEROMETER page=\"ACCELEROMETER\"><LightBlow>324</LightBlow>"
                                   "<SENSORS sh2=\"70.0\"/></ACCELEROMETER>")));
    QCOMPARE(model.text(kAccel, QStringLiteral("SENSORS/sh1")), QStringLiteral("50.0"));
    QCOMPARE(model.text(kAccel, QStringLiteral("SENSORS/sh2")), QStringLiteral("70.0"));
    QVERIFY(!model.toBytes().contains("LightBlow"));
}

void tst_AccessoryTables::keysOfTheShortList_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("text");
    QTest::newRow("first code") << "tmKeyCode1" << "0012A4C3F101";
    QTest::newRow("first text") << "tmKeyText1" << QStringLiteral("Иванов");
    QTest::newRow("first mode") << "changeModeKey1" << "3";
    QTest::newRow("last code") << "tmKeyCode16" << "ABCDEF1";
    QTest::newRow("last mode") << "changeModeKey16" << "5";
    QTest::newRow("absent code") << "tmKeyCode2" << "";
    QTest::newRow("absent mode") << "changeModeKey2" << "0";
    QTest::newRow("form") << "TM_PARAM/format" << "BIN";
    QTest::newRow("event") << "TM_PARAM/clr_evnt" << "1";
    QTest::newRow("short id default") << "TM_PARAM/short_id" << "0";
}

void tst_AccessoryTables::keysOfTheShortList()
{
    QFETCH(QString, path);
    QFETCH(QString, text);
    SettingsModel model;
    const QByteArray file = device(QStringLiteral("<TM_KEYS page=\"TM_KEYS\"><tmKeyCode1>0012A4C3F101</tmKeyCode1>"
                                                  "<tmKeyText1>Иванов</tmKeyText1><changeModeKey1>3</changeModeKey1>"
                                                  "<tmKeyCode16>ABCDEF1</tmKeyCode16><changeModeKey16>5</changeModeKey16>"
                                                  "<TM_PARAM format=\"BIN\" clr_evnt=\"1\"/></TM_KEYS>")
                                       .toUtf8())
                                .replace("windows-1251", "utf-8");
    QString error;
    QVERIFY2(model.openBytes(file, &error), qPrintable(error));
    QCOMPARE(model.text(kTm, path), text);
}

void tst_AccessoryTables::shortListSavedAndKept()
{
    SettingsModel model;
    QVERIFY(model.openBytes(device("<TM_KEYS page=\"TM_KEYS\"><tmKeyCode17>FF</tmKeyCode17>"
                                   "<TM_PARAM format=\"XML\" later=\"7\"/></TM_KEYS>")));
    QVERIFY(model.setText(kTm, QStringLiteral("tmKeyCode5"), QStringLiteral("00158B2E7A01")));
    QVERIFY(model.setValue(kTm, QStringLiteral("changeModeKey5"), 4));
    const QByteArray saved = model.toBytes();
    QVERIFY(saved.contains("<tmKeyCode5>00158B2E7A01</tmKeyCode5>"));
    QVERIFY(saved.contains("<changeModeKey5>4</changeModeKey5>"));
    QVERIFY(saved.contains("<tmKeyCode16 />"));
    // What the catalogue does not know goes back as it came.
    QVERIFY(saved.contains("<tmKeyCode17>FF</tmKeyCode17>"));
    QVERIFY(element(saved, "TM_PARAM", "TM_KEYS").contains("later=\"7\""));
    QVERIFY(element(saved, "TM_PARAM", "TM_KEYS").contains("format=\"XML\""));
}

void tst_AccessoryTables::readingLayout_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("calibration");
    QTest::addColumn<int>("z");
    QTest::addColumn<int>("shock");
    QTest::addColumn<int>("inclination");
    using C = AccelerometerReading::Calibration;
    const QByteArray good = "*#ACCEL:A1+0012-0003-0998012300352";
    QTest::newRow("calibrated") << good.left(33) << true << int(C::Autonomous) << -998 << 123 << 35;
    QTest::newRow("longer answer") << good + "xyz" << true << int(C::Autonomous) << -998 << 123 << 35;
    QTest::newRow("GNSS running") << QByteArray("*#ACCEL:A3+0000+0000+1000000000000") << true
                                  << int(C::GnssRunning) << 1000 << 0 << 0;
    QTest::newRow("unknown state") << QByteArray("*#ACCEL:A9+0000+0000+1000000000000") << true << int(C::Unknown)
                                   << 1000 << 0 << 0;
    QTest::newRow("one byte short") << good.left(32) << false << 0 << 0 << 0 << 0;
    QTest::newRow("a wizard status") << QByteArray("*#ACCEL:G5").leftJustified(33, '0') << false << 0 << 0 << 0 << 0;
    QTest::newRow("other tag") << QByteArray("*#ACCEX:A1+0012-0003-0998012300352") << false << 0 << 0 << 0 << 0;
    QTest::newRow("axis without sign") << QByteArray("*#ACCEL:A1 0012-0003-0998012300352") << false << 0 << 0 << 0
                                       << 0;
    QTest::newRow("letters in a level") << QByteArray("*#ACCEL:A1+0012-0003-09980x2300352") << false << 0 << 0 << 0
                                        << 0;
}

void tst_AccessoryTables::readingLayout()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, valid);
    const auto r = AccelerometerReading::parse(reinterpret_cast<const uchar *>(answer.constData()), int(answer.size()));
    QCOMPARE(r.has_value(), valid);
    if (!valid)
        return;
    QFETCH(int, calibration);
    QFETCH(int, z);
    QFETCH(int, shock);
    QFETCH(int, inclination);
    QCOMPARE(int(r->calibration), calibration);
    QCOMPARE(r->axis[2], z);
    QCOMPARE(r->shockTenths, shock);
    QCOMPARE(r->inclinationTenths, inclination);
    // The bytes of a reading read back the same.
    const QByteArray again = r->toBytes();
    if (r->calibration != AccelerometerReading::Calibration::Unknown)
        QCOMPARE(again, answer.left(AccelerometerReading::Length));
    QVERIFY(!AccelerometerReading::parse(nullptr, 40));
}

void tst_AccessoryTables::resetAnswer_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("result"); // -1: no answer of the reset
    using R = AccelerometerReset::Result;
    QTest::newRow("done") << QByteArray("*#ACCEL:R1") << int(R::Done);
    QTest::newRow("unsupported") << QByteArray("*#ACCEL:R0") << int(R::Unsupported);
    QTest::newRow("error") << QByteArray("*#ACCEL:R4") << int(R::Failed);
    QTest::newRow("short") << QByteArray("*#ACCEL:R") << -1;
    QTest::newRow("a reading") << QByteArray("*#ACCEL:A1") << -1;
}

void tst_AccessoryTables::resetAnswer()
{
    QFETCH(QByteArray, answer);
    QFETCH(int, result);
    const auto r = AccelerometerReset::parse(reinterpret_cast<const uchar *>(answer.constData()), int(answer.size()));
    QCOMPARE(r.has_value(), result >= 0);
    if (r)
        QCOMPARE(int(r->result), result);
}

QTEST_GUILESS_MAIN(tst_AccessoryTables)
#include "tst_accessorytables.moc"
