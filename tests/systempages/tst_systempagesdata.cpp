// Below the pages: legacy keys read into parts of their replacement, the
// unit conversions of the pages (to the nearest, never up), the fields of
// the live answers, and the simulated tracker's live answers read back by
// the plug-in's parsers.

#include "host/pluginhost.h"
#include "host/simulator/services/live/liveservice.h"
#include "host/simulator/simulatedtracker.h"
#include "settings/editor/trackeranswers.h"
#include "settings/model/settingsconversion.h"
#include "settings/model/settingskey.h"
#include "settings/model/settingsmodel.h"

#include <QSet>
#include <QTest>

namespace {

QString onAsTwo(const QString &t)
{
    return t.trimmed() == QLatin1String("1") ? QStringLiteral("2") : QString();
}
QString stage(const QString &t)
{
    return t.toInt() >= 0 ? QStringLiteral("1") : QStringLiteral("0");
}
QString delay(const QString &t)
{
    return t.toInt() >= 0 ? t : QString();
}

const SettingsInto kSwitch[] = {intoKey("CFG/mode", onAsTwo), intoCharacter("CFG/flags", 1, onAsTwo)};
const SettingsInto kStage[] = {intoItem("CFG/actions", 2, stage), intoItem("CFG/delays", 2, delay)};

const SettingsRow kRows[] = {
    attrInt("CFG", "mode", 0),
    attrText("CFG", "flags", "0000"),
    attrText("CFG", "actions", "0 0 0 0"),
    attrText("CFG", "delays", "60 60 60 60"),
    entryInt("oldSwitch", 0).legacyOf("CFG").intoEach(kSwitch),
    entryInt("oldStage", -1).legacyOf("CFG").intoEach(kStage),
    entryInt("volts", 0).unit(SettingsConversion::MillivoltsAsVolts),
    entryInt("volts2", 0).unit(SettingsConversion::MillivoltsAsVolts2),
    entryInt("hundredths", 0).unit(SettingsConversion::MillivoltsAsHundredths),
    entryInt("hours", 0).unit(SettingsConversion::SecondsAsHours),
    entryInt("tenths", 0).unit(SettingsConversion::TenthsAsUnits),
};

QList<const SettingsTable *> tables()
{
    static const SettingsTable table(sectionRows("TEST", "ORV_FormTest", kRows));
    return {&table};
}

const QString kTest = QStringLiteral("TEST");

} // namespace

class tst_SystemPagesData : public QObject
{
    Q_OBJECT

private slots:
    void legacyKeysIntoParts_data();
    void legacyKeysIntoParts();
    void shownToStored_data();
    void shownToStored();
    void storedToShown_data();
    void storedToShown();
    void stateRecordFields_data();
    void stateRecordFields();
    void fuelLevelsByCount();
    void simulatedAnswersReadBack();
};

void tst_SystemPagesData::legacyKeysIntoParts_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QStringList>("expected"); // mode, flags, actions, delays

    QTest::newRow("none") << QByteArray("") << QStringList{"0", "0000", "0 0 0 0", "60 60 60 60"};
    QTest::newRow("switch on") << QByteArray("<oldSwitch>1</oldSwitch>") << QStringList{"2", "0200", "0 0 0 0", "60 60 60 60"};
    // A null result leaves the target as it is.
    QTest::newRow("switch off") << QByteArray("<oldSwitch>0</oldSwitch>") << QStringList{"0", "0000", "0 0 0 0", "60 60 60 60"};
    QTest::newRow("stage 300") << QByteArray("<oldStage>300</oldStage>") << QStringList{"0", "0000", "0 0 1 0", "60 60 300 60"};
    QTest::newRow("stage -1: off, default delay") << QByteArray("<oldStage>-1</oldStage>")
                                                  << QStringList{"0", "0000", "0 0 0 0", "60 60 60 60"};
    // The replacement present: the legacy keys are neither read nor written.
    QTest::newRow("replacement present") << QByteArray("<oldSwitch>1</oldSwitch><CFG delays=\"5\"/>")
                                         << QStringList{"0", "0000", "0 0 0 0", "5"};
}

void tst_SystemPagesData::legacyKeysIntoParts()
{
    QFETCH(QByteArray, section);
    QFETCH(QStringList, expected);
    SettingsModel model(tables());
    QVERIFY(model.openBytes("<DEVICE><TEST>" + section + "</TEST></DEVICE>"));
    const QStringList paths{"CFG/mode", "CFG/flags", "CFG/actions", "CFG/delays"};
    for (int i = 0; i < paths.size(); ++i) {
        QCOMPARE(model.text(kTest, paths[i]), expected[i]);
        QVERIFY(!model.isChanged(kTest, paths[i]));
    }
    const QByteArray bytes = model.toBytes();
    QVERIFY(!bytes.contains("oldSwitch") && !bytes.contains("oldStage"));
    QVERIFY2(bytes.contains("actions=\"" + expected[2].toLatin1() + "\""), bytes.constData());
}

void tst_SystemPagesData::shownToStored_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<double>("shown");
    QTest::addColumn<QString>("stored");
    // To the nearest after scaling: these are a hair above their whole
    // number in binary, and rounding up would overshoot by one.
    QTest::newRow("2.007 V") << "volts" << 2.007 << "2007";
    QTest::newRow("1.10 V, field of hundredths") << "volts2" << 1.10 << "1100";
    QTest::newRow("110 hundredths") << "hundredths" << 110.0 << "1100";
    QTest::newRow("0.29 V") << "volts" << 0.29 << "290";
    QTest::newRow("24 h") << "hours" << 24.0 << "86400";
    QTest::newRow("8.2 Hz") << "tenths" << 8.2 << "82";
    QTest::newRow("0.5 Hz") << "tenths" << 0.5 << "5";
}

void tst_SystemPagesData::shownToStored()
{
    QFETCH(QString, path);
    QFETCH(double, shown);
    QFETCH(QString, stored);
    SettingsModel model(tables());
    QVERIFY(model.setValue(kTest, path, shown));
    QCOMPARE(model.text(kTest, path), stored);
}

void tst_SystemPagesData::storedToShown_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QVariant>("shown");
    QTest::newRow("1104 mV is 110") << "hundredths" << "1104" << QVariant(110);
    QTest::newRow("1105 mV is 111") << "hundredths" << "1105" << QVariant(111);
    QTest::newRow("60000 mV, beyond the slider") << "hundredths" << "60000" << QVariant(6000);
    QTest::newRow("5002 mV in volts") << "volts2" << "5002" << QVariant(5.002);
    QTest::newRow("86406 s is 24 h") << "hours" << "86406" << QVariant(24);
    QTest::newRow("83 tenths") << "tenths" << "83" << QVariant(8.3);
}

void tst_SystemPagesData::storedToShown()
{
    QFETCH(QString, path);
    QFETCH(QString, stored);
    QFETCH(QVariant, shown);
    SettingsModel model(tables());
    QVERIFY(model.setText(kTest, path, stored));
    const QVariant v = model.value(kTest, path);
    if (shown.typeId() == QMetaType::Int)
        QCOMPARE(v.toInt(), shown.toInt());
    else
        QCOMPARE(v.toDouble(), shown.toDouble());
    // An equal value set again leaves the text as it was.
    QVERIFY(model.setValue(kTest, path, v));
    QCOMPARE(model.text(kTest, path), stored);
}

void tst_SystemPagesData::stateRecordFields_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("supply");   // -1: none
    QTest::addColumn<int>("battery");  // -1: none
    QTest::addColumn<QString>("states"); // "1", "0" or "-" each
    const QByteArray head = QByteArray("*#LIVE") + "000040" + "000000";
    QTest::newRow("long") << head + "1384" + "10110001" + "0412" << 1384 << 412 << "10110001";
    QTest::newRow("short: no battery") << head + "1384" + "10110001" << 1384 << -1 << "10110001";
    QTest::newRow("not digits") << head + "13.8" + "1x1 0001" + "04-2" << -1 << -1 << "1-1-0001";
}

void tst_SystemPagesData::stateRecordFields()
{
    QFETCH(QByteArray, answer);
    QFETCH(int, supply);
    QFETCH(int, battery);
    QFETCH(QString, states);
    const auto r = TrackerAnswers::StateRecord::parse(reinterpret_cast<const uchar *>(answer.constData()),
                                                      int(answer.size()));
    QVERIFY(r);
    QCOMPARE(r->supplyHundredths().value_or(-1), supply);
    QCOMPARE(r->batteryHundredths().value_or(-1), battery);
    QString seen;
    for (int i = 0; i < 8; ++i)
        seen += r->state(i) ? (*r->state(i) ? QLatin1Char('1') : QLatin1Char('0')) : QLatin1Char('-');
    QCOMPARE(seen, states);
    QVERIFY(!r->state(8) && !r->state(-1));
}

void tst_SystemPagesData::fuelLevelsByCount()
{
    QByteArray a(42, '\0');
    memcpy(a.data(), "*#FUEL_UN", 9);
    a[15] = char(0x6E);
    a[16] = char(0x14); // 5230 mV
    a[17] = char(0xBC);
    a[18] = char(0x02); // 700 Hz
    a[19] = char(0xD2);
    a[20] = char(0x04); // 1234 pulses
    using F = TrackerAnswers::FuelLevels;
    for (int count : {0, 6, 8, 10}) {
        a[9] = char(count);
        const auto f = F::parse(reinterpret_cast<const uchar *>(a.constData()), 42);
        QVERIFY(f);
        QCOMPARE(f->level(F::Ain1Millivolts).has_value(), count >= 6);
        QCOMPARE(f->level(F::In2Hertz).has_value(), count >= 8);
        QCOMPARE(f->level(F::In2Pulses).has_value(), count >= 10);
    }
    QCOMPARE(*F::parse(reinterpret_cast<const uchar *>(a.constData()), 42)->level(F::In2Pulses), 1234);
}

void tst_SystemPagesData::simulatedAnswersReadBack()
{
    // What the simulated tracker sends, read by the plug-in's parsers;
    // readings follow the trip, so the voltages move.
    PluginHost host;
    SimulatedTracker tracker(&host);
    tracker.addStandardServices();
    auto *live = tracker.service<LiveService>();
    QVERIFY(live);
    QSet<int> supplies;
    for (int i = 0; i < 12; ++i) {
        const LiveService::Reading reading = live->read(tracker);
        const QByteArray state = LiveService::stateAnswer(reading);
        QCOMPARE(state.size(), LiveService::kStateLength);
        const auto r = TrackerAnswers::StateRecord::parse(reinterpret_cast<const uchar *>(state.constData()), 34);
        QVERIFY(r && r->supplyHundredths() && r->batteryHundredths());
        QCOMPARE(*r->supplyHundredths(), (reading.supplyMillivolts + 5) / 10);
        QVERIFY(*r->supplyHundredths() > 1100 && *r->supplyHundredths() < 1500);
        QCOMPARE(r->state(0).value_or(false), reading.states[0]);
        supplies << *r->supplyHundredths();

        const QByteArray fuel = LiveService::sensorsAnswer(reading, uint32_t(i));
        const auto f = TrackerAnswers::FuelLevels::parse(reinterpret_cast<const uchar *>(fuel.constData()),
                                                         int(fuel.size()));
        QVERIFY(f);
        using F = TrackerAnswers::FuelLevels;
        QCOMPARE(f->level(F::Ain1Millivolts).value_or(-1), reading.ain1Millivolts);
        QCOMPARE(f->level(F::In2Hertz).value_or(-1), reading.in2Hertz);
        QCOMPARE(f->level(F::In2Pulses).value_or(-1), reading.in2Pulses);
    }
    QVERIFY(supplies.size() > 1);
    const QByteArray engine = LiveService::engineAnswer(13856);
    QCOMPARE(engine.size(), LiveService::kEngineLength);
    const auto value = TrackerAnswers::parseSystemValue(reinterpret_cast<const uchar *>(engine.constData()), 10);
    QVERIFY(value);
    QCOMPARE(TrackerAnswers::hundredths(*value).value_or(-1), 1386);
}

QTEST_GUILESS_MAIN(tst_SystemPagesData)
#include "tst_systempagesdata.moc"
