// The key catalogue: every section reads its defaults from an empty document,
// saves page and keys in catalogue order in the storage its table names, and
// reads back what it saved; the hand-written rules (Roaming, conversions,
// translated defaults, which record of a name is read).
#include "settings/model/settingscatalogue.h"
#include "settings/model/settingsconversion.h"
#include "settings/model/settingsmodel.h"
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

// The section's children as saved: "key=text" for an entry, and
// "Sub(3)[a=1,b=2]" for a sub-section, attributes in the order set; the
// elements inside a sub-section follow it ("SPEEDS/SPEED[2](3)[...]", the
// index when the name stands more than once).
void addLayout(QStringList &out, const CXmlElement *element, const QString &at)
{
    for (const CXmlElement *c : element->children()) {
        if (at.isEmpty() && c->kind() == CXmlElement::TextElement && c->attributeCount() == 0
            && c->childCount() == 0) {
            out << c->name() + QLatin1Char('=') + c->value();
            continue;
        }
        int same = 0;
        int nth = 0;
        for (const CXmlElement *o : element->children()) {
            if (o->name() == c->name()) {
                ++same;
                if (o == c)
                    nth = same;
            }
        }
        QString path = at.isEmpty() ? c->name() : at + QLatin1Char('/') + c->name();
        if (same > 1)
            path += QStringLiteral("[%1]").arg(nth);
        QStringList attrs;
        for (const CXmlElement *a : c->attributes())
            attrs << a->name() + QLatin1Char('=') + a->value();
        out << path + QStringLiteral("(") + QString::number(c->kind()) + QStringLiteral(")[")
                + attrs.join(QLatin1Char(',')) + QLatin1Char(']');
        addLayout(out, c, path);
    }
}

QStringList savedLayout(const CXmlElement *section)
{
    QStringList out;
    addLayout(out, section, QString());
    return out;
}

// The same layout as the table says it must be, for the model's values.
QStringList expectedLayout(const SettingsTable &table, const SettingsModel &model)
{
    const QString section = table.sectionName();
    QStringList out;
    QStringList subsDone;
    auto textOf = [&](const SettingsKey &key) {
        if (key.isWriteOnly())
            return QString::number(key.row().derive(model, section).toInt());
        return model.text(section, key.path());
    };
    // Keys written only under a condition are left out while it does not hold.
    auto written = [&](const SettingsKey &key) {
        return !key.isLegacy()
            && (key.whenPath().isEmpty() || key.conditionHolds(model.text(section, key.whenPath())));
    };
    for (const SettingsKey &key : table) {
        if (!written(key))
            continue;
        if (key.isEntry()) {
            out << key.name() + QLatin1Char('=') + textOf(key);
            continue;
        }
        const QString sub = key.subSection();
        if (subsDone.contains(sub))
            continue;
        subsDone << sub;
        QStringList attrs;
        for (const SettingsKey &k : table) {
            if (!k.isEntry() && sub == k.subSection() && written(k))
                attrs << k.name() + QLatin1Char('=') + textOf(k);
        }
        out << sub + QStringLiteral("(3)[") + attrs.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    return out;
}

// Sets values that differ from every default, as a user would.
void changeEveryValue(SettingsModel &model, const SettingsTable &table)
{
    const QString section = table.sectionName();
    int n = 0;
    for (const SettingsKey &key : table) {
        const QString path = key.path();
        if (key.isWriteOnly() || key.isLegacy())
            continue;
        ++n;
        const QVariant now = model.value(section, path);
        bool ok = false;
        if (key.type() == SettingsRow::Text)
            ok = model.setValue(section, path, QStringLiteral("Значение %1 & <x>").arg(n));
        else if (key.shownIsWhole())
            ok = model.setValue(section, path, now.toInt() + (&key.conversion() == &SettingsConversion::Stored ? 1000 + n : 7 + n));
        else
            ok = model.setValue(section, path, now.toDouble() + 1.5);
        QVERIFY2(ok, qPrintable(path));
    }
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
    void roamingIsWrittenOnly();
    void attributeReadBeforeChild();
    void textDefaultsUseThePageContext();
    void everyTextKeyHasEnglishText();
};

void TstSettingsCatalogue::sections_data()
{
    QTest::addColumn<QString>("section");
    for (const SettingsTable *s : SettingsCatalogue::sections())
        QTest::newRow(s->name()) << s->sectionName();
}

void TstSettingsCatalogue::loadFromEmptyDocumentGivesDefaults()
{
    QFETCH(QString, section);
    const SettingsTable *table = SettingsCatalogue::section(section);
    QVERIFY(table);

    SettingsModel model;
    QVERIFY(model.openBytes("<DEVICE><" + section.toLatin1() + "/></DEVICE>"));
    SettingsModel defaults;
    for (const SettingsKey &key : *table) {
        QCOMPARE(model.text(section, key.path()), key.defaultText(table->pageClass()));
        QCOMPARE(model.value(section, key.path()), defaults.value(section, key.path()));
        QVERIFY(!model.wasInFile(section, key.path()));
    }
    QVERIFY(model.hasSection(section));
}

void TstSettingsCatalogue::saveIntoEmptyDocument()
{
    QFETCH(QString, section);
    const SettingsTable *table = SettingsCatalogue::section(section);

    SettingsModel model;
    CXmlElement root(QStringLiteral("DEVICE"));
    model.saveInto(root);
    const CXmlElement *saved = root.firstChild(section);
    QVERIFY(saved);
    QCOMPARE(saved->attributeCount(), 1);
    QCOMPARE(saved->attributeNode(0)->name(), QStringLiteral("page"));
    QCOMPARE(saved->attributeNode(0)->value(), section);
    QCOMPARE(savedLayout(saved), expectedLayout(*table, model));
    for (const SettingsKey &key : *table) {
        if (key.isLegacy())
            QVERIFY(!saved->firstChild(key.name()));
    }

    // The file written holds the section as saved.
    const QByteArray bytes = model.toBytes();
    QVERIFY(bytes.contains("<" + section.toLatin1() + " page=\"" + section.toLatin1() + "\">\n"));
}

void TstSettingsCatalogue::savedValuesLoadBack()
{
    QFETCH(QString, section);
    const SettingsTable *table = SettingsCatalogue::section(section);
    SettingsModel model;
    changeEveryValue(model, *table);
    const QByteArray bytes = model.toBytes();

    SettingsModel loaded;
    QString error;
    QVERIFY2(loaded.openBytes(bytes, &error), qPrintable(error));
    for (const SettingsKey &key : *table) {
        if (key.isWriteOnly())
            continue;
        const QString path = key.path();
        if (key.isLegacy()) {
            // Not saved; the section now has powerSaveConfig, so not read either.
            QVERIFY(!loaded.wasInFile(section, path));
            continue;
        }
        if (!key.whenPath().isEmpty() && !key.conditionHolds(model.text(section, key.whenPath()))) {
            // Its condition does not hold (every value changed): not saved, read as the default.
            QVERIFY2(!loaded.wasInFile(section, path), qPrintable(path));
            QCOMPARE(loaded.text(section, path), key.defaultText(table->pageClass()));
            continue;
        }
        const QVariant want = model.value(section, path);
        const QVariant got = loaded.value(section, path);
        QVERIFY2(got == want, qPrintable(path + QStringLiteral(": ") + got.toString() + QStringLiteral(" != ")
                                         + want.toString()));
        QVERIFY2(loaded.wasInFile(section, path), qPrintable(path));
    }
    QCOMPARE(loaded.toBytes(), bytes);
}

void TstSettingsCatalogue::knownDefaults()
{
    SettingsModel m;
    auto v = [&m](const char *section, const char *path) {
        return m.value(QLatin1String(section), QLatin1String(path));
    };
    QCOMPARE(v("TRACK", "GPSmaxHDOP").toDouble(), 2.5);
    QCOMPARE(v("TRACK", "GPSdistanceForWriteTelemetry").toInt(), 500);
    QCOMPARE(v("TRACK", "GPSWayForBlock").toInt(), 10);
    QCOMPARE(v("TRACK", "GPSmaxEx/speed").toInt(), 200);
    QCOMPARE(v("TRACK", "GPSparking/noTmrFlags").toString(), QStringLiteral("000"));
    QCOMPARE(v("SYSTEM", "powerSaveConfig/deep_delay").toInt(), 1); // 60 s as minutes
    QCOMPARE(v("SYSTEM", "powerSaveDay/off_7").toString(), QStringLiteral("00:00"));
    QCOMPARE(v("SYSTEM", "powerSaveSleepDelay").toInt(), -1);
    QCOMPARE(v("SENSORS", "PARAM_IN2/analys_time").toInt(), 2500);
    QCOMPARE(m.text(QStringLiteral("SENSORS"), QStringLiteral("recoveryZoneLowerAIN1")), QStringLiteral("60000"));
    QCOMPARE(v("GUARD_PROFILES", "MODE0/inUse").toString(), QStringLiteral("11101111111"));
    QCOMPARE(v("GUARD_PROFILES", "MODE1/inUse").toString(), QStringLiteral("00000000000"));
    QCOMPARE(v("OUTPUT_LINES", "autoSwitchO2").toString().size(), 18);
    QCOMPARE(m.text(QStringLiteral("TRACK"), QStringLiteral("GPSWayForBlock")), QStringLiteral("0.010"));
}

void TstSettingsCatalogue::tableLookups()
{
    QStringList names;
    for (const SettingsTable *s : SettingsCatalogue::sections())
        names << s->sectionName();
    QCOMPARE(names, (QStringList{"TRANSFER", "TRACK", "SYSTEM", "CAN", "RS485", "TEMP_SENSORS", "SENSORS",
                                 "ACCELEROMETER", "OUTPUT_LINES", "PHONES", "TM_KEYS", "GUARD_PROFILES", "ECODRIVE",
                                 "BLUETOOTH"}));
    const SettingsKey *k = SettingsCatalogue::find(u"SENSORS", u"PARAM_IN3/analys_time");
    QVERIFY(k);
    QCOMPARE(k->subSection(), QStringLiteral("PARAM_IN3"));
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
        for (const SettingsKey &key : *s) {
            QVERIFY2(!paths.contains(key.path()), qPrintable(key.path()));
            paths.insert(key.path());
        }
    }
}

void TstSettingsCatalogue::kilometresShownAsMetres_data()
{
    QTest::addColumn<QString>("kilometres");
    QTest::addColumn<int>("metres");
    QTest::addColumn<QString>("stored");
    QTest::newRow("0.125") << "0.125" << 125 << QStringLiteral("0.125");
    QTest::newRow("0.5") << "0.5" << 500 << QStringLiteral("0.500");
    QTest::newRow("0.01") << "0.01" << 10 << QStringLiteral("0.010");
    QTest::newRow("0.001") << "0.001" << 1 << QStringLiteral("0.001");
    QTest::newRow("0.3") << "0.3" << 300 << QStringLiteral("0.300");
    QTest::newRow("part of a metre rounds up") << "0.0125" << 13 << QStringLiteral("0.013");
    QTest::newRow("0.2504") << "0.2504" << 251 << QStringLiteral("0.251");
    QTest::newRow("zero") << "0" << 0 << QStringLiteral("0.000");
}

void TstSettingsCatalogue::kilometresShownAsMetres()
{
    QFETCH(QString, kilometres);
    QFETCH(int, metres);
    QFETCH(QString, stored);
    SettingsModel m;
    const QString t = QStringLiteral("TRACK");
    const QString path = QStringLiteral("GPSdistanceForWriteTelemetry");
    QVERIFY(m.setText(t, path, kilometres));
    QCOMPARE(m.value(t, path).toInt(), metres);
    // Written back from metres (a user's change somewhere else first).
    QVERIFY(m.setText(t, path, QStringLiteral("9")));
    QVERIFY(m.setValue(t, path, metres));
    QCOMPARE(m.text(t, path), stored);
}

void TstSettingsCatalogue::distanceFromFile()
{
    SettingsModel m;
    QVERIFY(m.openBytes("<DEVICE><TRACK><GPSdistanceForWriteTelemetry>0.125</GPSdistanceForWriteTelemetry>"
                        "<GPSmaxEx speed=\"150\"/></TRACK></DEVICE>"));
    const QString t = QStringLiteral("TRACK");
    QCOMPARE(m.value(t, QStringLiteral("GPSdistanceForWriteTelemetry")).toInt(), 125);
    QCOMPARE(m.value(t, QStringLiteral("GPSmaxHDOP")).toDouble(), 2.5); // missing key
    QCOMPARE(m.value(t, QStringLiteral("GPSmaxEx/speed")).toInt(), 150);
    QCOMPARE(m.value(t, QStringLiteral("GPSmaxEx/accel")).toInt(), 25); // missing attribute
    QCOMPARE(m.value(t, QStringLiteral("GPSparking/tlmTmr")).toInt(), 600); // missing sub-section

    const QByteArray bytes = m.toBytes();
    QVERIFY(bytes.contains("<GPSdistanceForWriteTelemetry>0.125</GPSdistanceForWriteTelemetry>"));
    QVERIFY(bytes.contains("<GPSmaxHDOP>2.5</GPSmaxHDOP>"));
}

void TstSettingsCatalogue::roamingIsWrittenOnly()
{
    SettingsModel m;
    QVERIFY(m.openBytes("<DEVICE><TRANSFER><Roaming>1</Roaming></TRANSFER></DEVICE>"));
    QVERIFY(!m.wasInFile(QStringLiteral("TRANSFER"), QStringLiteral("Roaming")));
    for (int mode = 0; mode <= 3; ++mode) {
        QVERIFY(m.setValue(QStringLiteral("TRANSFER"), QStringLiteral("ROAMING_SIM1/mode"), mode));
        const QByteArray bytes = m.toBytes();
        const QByteArray want = mode == 1 ? "<Roaming>1</Roaming>" : "<Roaming>0</Roaming>";
        QVERIFY2(bytes.contains(want), want.constData());
        QCOMPARE(bytes.count("<Roaming>"), 1);
    }
}

void TstSettingsCatalogue::attributeReadBeforeChild()
{
    SettingsModel m;
    QVERIFY(m.openBytes("<DEVICE><TRACK GPSreject=\"0\"><GPSreject>1</GPSreject></TRACK></DEVICE>"));
    QCOMPARE(m.value(QStringLiteral("TRACK"), QStringLiteral("GPSreject")).toInt(), 0);
    // The record read is replaced; the other one is kept after the known keys.
    const QByteArray bytes = m.toBytes();
    QVERIFY(!bytes.contains("GPSreject=\""));
    QVERIFY(bytes.indexOf("<GPSreject>0</GPSreject>") < bytes.indexOf("<GPSreject>1</GPSreject>"));
    SettingsModel again;
    QVERIFY(again.openBytes(bytes));
    QCOMPARE(again.value(QStringLiteral("TRACK"), QStringLiteral("GPSreject")).toInt(), 0);
}

void TstSettingsCatalogue::textDefaultsUseThePageContext()
{
    ContextTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    SettingsModel m;
    QCoreApplication::removeTranslator(&translator);
    auto text = [&m](const char *section, const char *path) {
        return m.text(QLatin1String(section), QLatin1String(path));
    };
    QCOMPARE(text("SENSORS", "nicknameIN1"), QStringLiteral("ORV_FormSensors|K4810_291"));
    QCOMPARE(text("SENSORS", "nicknameIN2"), QStringLiteral("ORV_FormSensors|K4810_293"));
    QCOMPARE(text("SENSORS", "nicknameIN3"), QStringLiteral("ORV_FormSensors|K4810_292"));
    QCOMPARE(text("SENSORS", "nicknameAIN1"), QStringLiteral("ORV_FormSensors|K4810_294"));
    QCOMPARE(text("TEMP_SENSORS", "nicknameT4"), QStringLiteral("ORV_FormTempSensors|K4810_278"));
    QCOMPARE(text("SYSTEM", "balanceSMSMask"), QStringLiteral("ORV_FormSystem|K4810_193"));
    // Looked up when applied: without a catalogue the key itself.
    m.reset();
    QCOMPARE(text("SENSORS", "nicknameIN1"), QStringLiteral("K4810_291"));
}

void TstSettingsCatalogue::everyTextKeyHasEnglishText()
{
    const QDir root(QStringLiteral(K4810_SOURCE_DIR));
    // In whichever of the host's catalogues the key lives (one only: see tst_textkeys).
    QString catalogue;
    const QDir i18n(root.filePath(QStringLiteral("host/i18n")));
    for (const QString &name : i18n.entryList({QStringLiteral("*.ts")}, QDir::Files)) {
        QFile ts(i18n.filePath(name));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        catalogue += QString::fromUtf8(ts.readAll());
    }
    const QRegularExpression keyRe(QStringLiteral("K4810_\\d{3,4}"));
    QSet<QString> used;
    for (const QString &dir : {QStringLiteral("xml"), QStringLiteral("settings/model"), QStringLiteral("settings/model/tables")}) {
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
