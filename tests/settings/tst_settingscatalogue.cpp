// The key catalogue: every section loads its defaults from an empty document,
// saves page and keys in catalogue order in the storage its table names, and
// reads back what it saved; the hand-written rules (legacy keys, Roaming,
// conversions, translated defaults).
#include "core/codepage.h"
#include "settings/model/settingscatalogue.h"
#include "settings/model/settingsconversion.h"
#include "xml/cserialize.h"
#include "xml/cxmlelement.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

namespace {

// "ctx|key" for every text key, to see the context a default is looked up in.
class ContextTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return QString::fromLatin1(context) + QLatin1Char('|') + QString::fromLatin1(sourceText);
    }
};

QString latin1(const char *s)
{
    return QString::fromLatin1(s);
}

// The section's children as saved: "key=text" for an entry, and
// "Sub(3)[a=1,b=2]" for a sub-section, attributes in the order set.
QStringList savedLayout(const CXmlElement *section)
{
    QStringList out;
    for (const CXmlElement *c : section->children()) {
        if (c->kind() == CXmlElement::TextElement && c->attributeCount() == 0 && c->childCount() == 0) {
            out << c->name() + QLatin1Char('=') + c->value();
            continue;
        }
        QStringList attrs;
        for (const CXmlElement *a : c->attributes())
            attrs << a->name() + QLatin1Char('=') + a->value();
        out << c->name() + QStringLiteral("(") + QString::number(c->kind()) + QStringLiteral(")[")
                + attrs.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    return out;
}

// The same layout as the table says it must be, for the given values.
QStringList expectedLayout(const SettingsTable &table, const SettingsValues &values)
{
    QStringList out;
    QStringList subsDone;
    for (const SettingsKey &key : table) {
        if (key.isLegacy())
            continue;
        if (key.isEntry()) {
            out << latin1(key.key) + QLatin1Char('=')
                    + SettingsCatalogue::storedText(key, SettingsCatalogue::storedValue(table, key, values));
            continue;
        }
        const QString sub = latin1(key.subSection);
        if (subsDone.contains(sub))
            continue;
        subsDone << sub;
        QStringList attrs;
        for (const SettingsKey &k : table) {
            if (!k.isEntry() && sub == latin1(k.subSection))
                attrs << latin1(k.key) + QLatin1Char('=')
                        + SettingsCatalogue::storedText(k, SettingsCatalogue::storedValue(table, k, values));
        }
        out << sub + QStringLiteral("(3)[") + attrs.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    return out;
}

// Values that differ from every default, as a page would hold them.
SettingsValues changedValues(const SettingsTable &table)
{
    SettingsValues v = SettingsCatalogue::defaults(table);
    int n = 0;
    for (const SettingsKey &key : table) {
        const QString path = key.path();
        if (key.isWriteOnly())
            continue;
        ++n;
        if (key.conversion != SettingsConversion::None)
            v.set(path, v.toInt(path) + 7 + n);
        else if (key.type == SettingsKey::Int)
            v.set(path, v.toInt(path) + 1000 + n);
        else if (key.type == SettingsKey::Real)
            v.set(path, v.toReal(path) + 1.5);
        else
            v.set(path, QStringLiteral("Значение %1 & <x>").arg(n));
    }
    return v;
}

} // namespace

class TstSettingsCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void sections_data();
    void loadFromEmptyDocumentGivesDefaults_data() { sections_data(); }
    void loadFromEmptyDocumentGivesDefaults();
    void saveIntoEmptyDocument_data() { sections_data(); }
    void saveIntoEmptyDocument();
    void savedValuesLoadBack_data() { sections_data(); }
    void savedValuesLoadBack();

    void knownDefaults();
    void tableLookups();
    void kilometresShownAsMetres_data();
    void kilometresShownAsMetres();
    void distanceFromFile();
    void legacyPowerSaving();
    void roamingIsWrittenOnly();
    void attributeReadBeforeChild();
    void textDefaultsUseThePageContext();
    void everyTextKeyHasEnglishText();
};

void TstSettingsCatalogue::sections_data()
{
    QTest::addColumn<QString>("section");
    for (const SettingsTable *s : SettingsCatalogue::sections())
        QTest::newRow(s->name) << latin1(s->name);
}

void TstSettingsCatalogue::loadFromEmptyDocumentGivesDefaults()
{
    QFETCH(QString, section);
    const SettingsTable *table = SettingsCatalogue::section(section);
    QVERIFY(table);

    CSerialize doc;
    auto top = doc.openBuffer(QByteArray());
    auto root = top->section(QStringLiteral("DEVICE"));
    auto s = root->section(section, 0);
    const SettingsValues values = SettingsCatalogue::load(s.get(), *table);
    QCOMPARE(values, SettingsCatalogue::defaults(*table));
    int readable = 0;
    for (const SettingsKey &key : *table) {
        if (key.isWriteOnly()) {
            QVERIFY(!values.contains(key.path()));
            continue;
        }
        ++readable;
        QCOMPARE(values.value(key.path()), SettingsCatalogue::defaultValue(*table, key));
    }
    QCOMPARE(values.size(), readable);
    // A null handle gives the same.
    QCOMPARE(SettingsCatalogue::load(nullptr, *table), values);
}

void TstSettingsCatalogue::saveIntoEmptyDocument()
{
    QFETCH(QString, section);
    const SettingsTable *table = SettingsCatalogue::section(section);

    CSerialize doc;
    auto top = doc.openBuffer(QByteArray());
    auto root = top->section(QStringLiteral("DEVICE"));
    const SettingsValues values = SettingsCatalogue::defaults(*table);
    QVERIFY(SettingsCatalogue::save(*root, *table, values));

    QCOMPARE(doc.root()->childCount(), 1);
    const CXmlElement *saved = doc.root()->child(0);
    QCOMPARE(saved->name(), section);
    QCOMPARE(saved->attributeCount(), 1);
    QCOMPARE(saved->attributeNode(0)->name(), QStringLiteral("page"));
    QCOMPARE(saved->attributeNode(0)->value(), section);
    QCOMPARE(savedLayout(saved), expectedLayout(*table, values));
    for (const SettingsKey &key : *table) {
        if (key.isLegacy())
            QVERIFY(!saved->firstChild(latin1(key.key)));
    }

    // The file written holds the section as saved.
    const QByteArray bytes = doc.toByteArray();
    QVERIFY(bytes.contains("<" + section.toLatin1() + " page=\"" + section.toLatin1() + "\">\n"));
}

void TstSettingsCatalogue::savedValuesLoadBack()
{
    QFETCH(QString, section);
    const SettingsTable *table = SettingsCatalogue::section(section);
    const SettingsValues values = changedValues(*table);

    CSerialize out;
    auto root = out.openBuffer(QByteArray())->section(QStringLiteral("DEVICE"));
    QVERIFY(SettingsCatalogue::save(*root, *table, values));
    QVERIFY(root->commit());
    const QByteArray bytes = out.toByteArray();

    CSerialize in;
    auto readRoot = in.openBuffer(bytes);
    QVERIFY2(readRoot, qPrintable(in.errorText()));
    auto s = readRoot->section(section);
    SettingsValues loaded = SettingsCatalogue::load(s.get(), *table);
    SettingsValues expected = values;
    // Legacy keys are not saved; the section now has powerSaveConfig, so
    // they are not read either.
    for (const SettingsKey &key : *table) {
        if (key.isLegacy())
            expected.remove(key.path());
    }
    for (const QString &path : expected.paths()) {
        const QVariant want = expected.value(path);
        const QVariant got = loaded.value(path);
        if (want.typeId() == QMetaType::Double)
            QVERIFY2(qFuzzyCompare(got.toDouble(), want.toDouble()), qPrintable(path));
        else
            QVERIFY2(got == want, qPrintable(path + QStringLiteral(": ") + got.toString()
                                             + QStringLiteral(" != ") + want.toString()));
    }
    QCOMPARE(loaded.size(), expected.size());
}

void TstSettingsCatalogue::knownDefaults()
{
    const SettingsValues track = SettingsCatalogue::defaults(*SettingsCatalogue::section(u"TRACK"));
    QCOMPARE(track.toReal(QStringLiteral("GPSmaxHDOP")), 2.5);
    QCOMPARE(track.toInt(QStringLiteral("GPSdistanceForWriteTelemetry")), 500);
    QCOMPARE(track.toInt(QStringLiteral("GPSWayForBlock")), 10);
    QCOMPARE(track.toInt(QStringLiteral("GPSmaxEx/speed")), 200);
    QCOMPARE(track.toText(QStringLiteral("GPSparking/noTmrFlags")), QStringLiteral("000"));
    const SettingsValues system = SettingsCatalogue::defaults(*SettingsCatalogue::section(u"SYSTEM"));
    QCOMPARE(system.toInt(QStringLiteral("powerSaveConfig/deep_delay")), 1); // 60 s as minutes
    QCOMPARE(system.toText(QStringLiteral("powerSaveDay/off_7")), QStringLiteral("00:00"));
    QCOMPARE(system.toInt(QStringLiteral("powerSaveSleepDelay")), -1);
    const SettingsValues sensors = SettingsCatalogue::defaults(*SettingsCatalogue::section(u"SENSORS"));
    QCOMPARE(sensors.toInt(QStringLiteral("PARAM_IN2/analys_time")), 2500);
    QCOMPARE(sensors.toInt(QStringLiteral("recoveryZoneLowerAIN1")), 60000);
    const SettingsValues guard = SettingsCatalogue::defaults(*SettingsCatalogue::section(u"GUARD_PROFILES"));
    QCOMPARE(guard.toText(QStringLiteral("MODE0/inUse")), QStringLiteral("11101111111"));
    QCOMPARE(guard.toText(QStringLiteral("MODE1/inUse")), QStringLiteral("00000000000"));
    const SettingsValues outputs = SettingsCatalogue::defaults(*SettingsCatalogue::section(u"OUTPUT_LINES"));
    QCOMPARE(outputs.toText(QStringLiteral("autoSwitchO2")).size(), 18);
}

void TstSettingsCatalogue::tableLookups()
{
    QStringList names;
    for (const SettingsTable *s : SettingsCatalogue::sections())
        names << latin1(s->name);
    QCOMPARE(names, (QStringList{"TRANSFER", "TRACK", "SYSTEM", "TEMP_SENSORS", "SENSORS", "OUTPUT_LINES",
                                 "GUARD_PROFILES"}));
    const SettingsKey *k = SettingsCatalogue::find(u"SENSORS", u"PARAM_IN3/analys_time");
    QVERIFY(k);
    QCOMPARE(QByteArray(k->subSection), QByteArray("PARAM_IN3"));
    QVERIFY(SettingsCatalogue::find(u"TRACK", u"GPSmaxHDOP"));
    QVERIFY(!SettingsCatalogue::find(u"TRACK", u"speed"));          // attribute-style needs its sub-section
    QVERIFY(!SettingsCatalogue::find(u"TRACK", u"GPSmaxEx/GPSmaxHDOP"));
    QVERIFY(!SettingsCatalogue::find(u"NOPE", u"x"));
    QCOMPARE(SettingsCatalogue::section(u"SYSTEM")->subSections(),
             (QStringList{"motohours", "powerSaveConfig", "powerSaveDay", "FUEL_PARAM", "ENG_PARAM", "POWER",
                          "MISC", "JAMMING"}));
    // Paths are unique within every section.
    for (const SettingsTable *s : SettingsCatalogue::sections()) {
        QSet<QString> paths;
        for (const SettingsKey &key : *s)
            QVERIFY2(!paths.contains(key.path()), qPrintable(key.path()));
        for (const SettingsKey &key : *s)
            paths.insert(key.path());
    }
}

void TstSettingsCatalogue::kilometresShownAsMetres_data()
{
    QTest::addColumn<double>("kilometres");
    QTest::addColumn<int>("metres");
    QTest::addColumn<QString>("stored");
    QTest::newRow("0.125") << 0.125 << 125 << QStringLiteral("0.125");
    QTest::newRow("0.5") << 0.5 << 500 << QStringLiteral("0.500");
    QTest::newRow("0.01") << 0.01 << 10 << QStringLiteral("0.010");
    QTest::newRow("0.001") << 0.001 << 1 << QStringLiteral("0.001");
    QTest::newRow("0.3") << 0.3 << 300 << QStringLiteral("0.300");
    QTest::newRow("part of a metre rounds up") << 0.0125 << 13 << QStringLiteral("0.013");
    QTest::newRow("zero") << 0.0 << 0 << QStringLiteral("0.000");
}

void TstSettingsCatalogue::kilometresShownAsMetres()
{
    QFETCH(double, kilometres);
    QFETCH(int, metres);
    QFETCH(QString, stored);
    const SettingsKey *key = SettingsCatalogue::find(u"TRACK", u"GPSdistanceForWriteTelemetry");
    QCOMPARE(SettingsConversion::toShown(key->conversion, kilometres).toInt(), metres);
    const QVariant back = SettingsConversion::toStored(key->conversion, metres);
    QCOMPARE(SettingsCatalogue::storedText(*key, back), stored);
}

void TstSettingsCatalogue::distanceFromFile()
{
    const SettingsTable *table = SettingsCatalogue::section(u"TRACK");
    CSerialize doc;
    auto root = doc.openBuffer("<DEVICE><TRACK><GPSdistanceForWriteTelemetry>0.125</GPSdistanceForWriteTelemetry>"
                               "<GPSmaxEx speed=\"150\"/></TRACK></DEVICE>");
    auto track = root->section(QStringLiteral("TRACK"));
    const SettingsValues v = SettingsCatalogue::load(track.get(), *table);
    QCOMPARE(v.toInt(QStringLiteral("GPSdistanceForWriteTelemetry")), 125);
    QCOMPARE(v.toReal(QStringLiteral("GPSmaxHDOP")), 2.5); // missing key
    QCOMPARE(v.toInt(QStringLiteral("GPSmaxEx/speed")), 150);
    QCOMPARE(v.toInt(QStringLiteral("GPSmaxEx/accel")), 25); // missing attribute
    QCOMPARE(v.toInt(QStringLiteral("GPSparking/tlmTmr")), 600); // missing sub-section
    // Loading made nothing in the document.
    QCOMPARE(doc.root()->child(0)->childCount(), 2);

    CSerialize out;
    auto outRoot = out.openBuffer(QByteArray())->section(QStringLiteral("DEVICE"));
    QVERIFY(SettingsCatalogue::save(*outRoot, *table, v));
    QVERIFY(out.toByteArray().contains("<GPSdistanceForWriteTelemetry>0.125</GPSdistanceForWriteTelemetry>"));
    QVERIFY(out.toByteArray().contains("<GPSmaxHDOP>2.5</GPSmaxHDOP>"));
}

void TstSettingsCatalogue::legacyPowerSaving()
{
    const SettingsTable *table = SettingsCatalogue::section(u"SYSTEM");
    CSerialize doc;
    auto root = doc.openBuffer("<DEVICE><SYSTEM><powerSaveBattery>1</powerSaveBattery>"
                               "<powerSaveSleepDelay>300</powerSaveSleepDelay></SYSTEM></DEVICE>");
    SettingsValues v = SettingsCatalogue::load(root->section(QStringLiteral("SYSTEM")).get(), *table);
    QCOMPARE(v.toInt(QStringLiteral("powerSaveBattery")), 1);
    QCOMPARE(v.toInt(QStringLiteral("powerSaveSleepDelay")), 300);
    QCOMPARE(v.toInt(QStringLiteral("powerSaveGPSOffDelay")), -1);
    QCOMPARE(v.toText(QStringLiteral("powerSaveConfig/sensors")), QStringLiteral("0000"));

    CSerialize out;
    auto outRoot = out.openBuffer(QByteArray())->section(QStringLiteral("DEVICE"));
    QVERIFY(SettingsCatalogue::save(*outRoot, *table, v));
    const QByteArray bytes = out.toByteArray();
    QVERIFY(bytes.contains("<powerSaveConfig "));
    QVERIFY(bytes.contains("<powerSaveDay "));
    QVERIFY(!bytes.contains("powerSaveBattery"));
    QVERIFY(!bytes.contains("powerSaveSleepDelay"));

    // With powerSaveConfig present the legacy keys are not read at all.
    CSerialize again;
    auto r2 = again.openBuffer("<DEVICE><SYSTEM><powerSaveBattery>1</powerSaveBattery>"
                               "<powerSaveConfig mode=\"2\" deep_delay=\"120\"/></SYSTEM></DEVICE>");
    v = SettingsCatalogue::load(r2->section(QStringLiteral("SYSTEM")).get(), *table);
    QVERIFY(!v.contains(QStringLiteral("powerSaveBattery")));
    QCOMPARE(v.toInt(QStringLiteral("powerSaveConfig/mode")), 2);
    QCOMPARE(v.toInt(QStringLiteral("powerSaveConfig/deep_delay")), 2); // minutes
}

void TstSettingsCatalogue::roamingIsWrittenOnly()
{
    const SettingsTable *table = SettingsCatalogue::section(u"TRANSFER");
    CSerialize doc;
    auto root = doc.openBuffer("<DEVICE><TRANSFER><Roaming>1</Roaming></TRANSFER></DEVICE>");
    SettingsValues v = SettingsCatalogue::load(root->section(QStringLiteral("TRANSFER")).get(), *table);
    QVERIFY(!v.contains(QStringLiteral("Roaming")));
    for (int mode = 0; mode <= 3; ++mode) {
        v.set(QStringLiteral("ROAMING_SIM1/mode"), mode);
        CSerialize out;
        auto outRoot = out.openBuffer(QByteArray())->section(QStringLiteral("DEVICE"));
        QVERIFY(SettingsCatalogue::save(*outRoot, *table, v));
        const QByteArray want = mode == 1 ? "<Roaming>1</Roaming>" : "<Roaming>0</Roaming>";
        QVERIFY2(out.toByteArray().contains(want), want.constData());
    }
}

void TstSettingsCatalogue::attributeReadBeforeChild()
{
    const SettingsTable *table = SettingsCatalogue::section(u"TRACK");
    CSerialize doc;
    auto root = doc.openBuffer("<DEVICE><TRACK GPSreject=\"0\"><GPSreject>1</GPSreject></TRACK></DEVICE>");
    const SettingsValues v = SettingsCatalogue::load(root->section(QStringLiteral("TRACK")).get(), *table);
    QCOMPARE(v.toInt(QStringLiteral("GPSreject")), 0);
}

void TstSettingsCatalogue::textDefaultsUseThePageContext()
{
    ContextTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const SettingsValues sensors = SettingsCatalogue::defaults(*SettingsCatalogue::section(u"SENSORS"));
    const SettingsValues temps = SettingsCatalogue::defaults(*SettingsCatalogue::section(u"TEMP_SENSORS"));
    const SettingsValues system = SettingsCatalogue::defaults(*SettingsCatalogue::section(u"SYSTEM"));
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(sensors.toText(QStringLiteral("nicknameIN1")), QStringLiteral("ORV_FormSensors|K4810_291"));
    QCOMPARE(sensors.toText(QStringLiteral("nicknameIN2")), QStringLiteral("ORV_FormSensors|K4810_293"));
    QCOMPARE(sensors.toText(QStringLiteral("nicknameIN3")), QStringLiteral("ORV_FormSensors|K4810_292"));
    QCOMPARE(sensors.toText(QStringLiteral("nicknameAIN1")), QStringLiteral("ORV_FormSensors|K4810_294"));
    QCOMPARE(temps.toText(QStringLiteral("nicknameT4")), QStringLiteral("ORV_FormTempSensors|K4810_278"));
    QCOMPARE(system.toText(QStringLiteral("balanceSMSMask")), QStringLiteral("ORV_FormSystem|K4810_193"));
    // Looked up when applied: without a catalogue the key itself.
    QCOMPARE(SettingsCatalogue::defaults(*SettingsCatalogue::section(u"SENSORS")).toText(QStringLiteral("nicknameIN1")),
             QStringLiteral("K4810_291"));
}

void TstSettingsCatalogue::everyTextKeyHasEnglishText()
{
    const QDir root(QStringLiteral(K4810_SOURCE_DIR));
    QFile ts(root.filePath(QStringLiteral("host/i18n/k4810_settings_en.ts")));
    QVERIFY(ts.open(QIODevice::ReadOnly));
    const QString catalogue = QString::fromUtf8(ts.readAll());
    const QRegularExpression keyRe(QStringLiteral("K4810_\\d{3,4}"));
    QSet<QString> used;
    for (const QString &dir : {QStringLiteral("xml"), QStringLiteral("settings/model")}) {
        QDirIterator it(root.filePath(dir), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files);
        while (it.hasNext()) {
            QFile f(it.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            auto m = keyRe.globalMatch(QString::fromUtf8(f.readAll()));
            while (m.hasNext())
                used.insert(m.next().captured());
        }
    }
    QVERIFY(!used.isEmpty());
    for (const QString &key : used) {
        const QRegularExpression entry(QStringLiteral("<source>%1</source>\\s*<translation>[^<]+</translation>").arg(key));
        QVERIFY2(entry.match(catalogue).hasMatch(), qPrintable(key + QStringLiteral(" has no English text")));
    }
}

QTEST_GUILESS_MAIN(TstSettingsCatalogue)
#include "tst_settingscatalogue.moc"
