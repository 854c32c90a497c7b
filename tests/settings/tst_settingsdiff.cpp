// What the user changed (and its undoing), and the differences between two
// settings documents.

#include "settings/model/settingscatalogue.h"
#include "settings/model/settingschanges.h"
#include "settings/model/settingscomparison.h"
#include "settings/model/settingsmodel.h"

#include <QSignalSpy>
#include <QTest>

namespace {

QByteArray document(const QByteArray &sections, const QByteArray &rootAttributes = QByteArray())
{
    return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE" + rootAttributes + ">" + sections
           + "</DEVICE>";
}

QString absentOr(const QString &text)
{
    return text.isNull() ? QStringLiteral("-") : text;
}

QStringList rowsOf(const QList<SettingsDifference> &differences)
{
    QStringList out;
    for (const SettingsDifference &d : differences)
        out << QStringLiteral("%1|%2|%3|%4").arg(d.section, d.path, absentOr(d.left), absentOr(d.right));
    return out;
}

QStringList changesOf(const SettingsModel &model)
{
    QStringList out;
    for (const SettingsChanges::Change &c : SettingsChanges::list(model))
        out << QStringLiteral("%1/%2: %3 -> %4").arg(c.section, c.path, c.loaded, c.current);
    return out;
}

} // namespace

class tst_SettingsDiff : public QObject
{
    Q_OBJECT

private slots:
    void changedValues();
    void resetToDefaults();
    void shownValues();
    void comparison_data();
    void comparison();
    void comparisonOfFullFiles();
};

void tst_SettingsDiff::changedValues()
{
    SettingsModel model;
    QVERIFY(model.openBytes(document("<TRACK page=\"TRACK\"><GPSmaxHDOP>3.5</GPSmaxHDOP>"
                                     "</TRACK><OUTPUT_LINES page=\"OUTPUT_LINES\">"
                                     "<autoSwitchO1>1101</autoSwitchO1></OUTPUT_LINES>")));
    QCOMPARE(SettingsChanges::count(model), 0);

    // Changed, changed back by hand: only what still differs is listed.
    QVERIFY(model.setValue(QStringLiteral("TRACK"), QStringLiteral("GPSmaxHDOP"), 4.0));
    QVERIFY(model.setValue(QStringLiteral("SYSTEM"), QStringLiteral("timeZone"), 5));
    QVERIFY(model.setValue(QStringLiteral("SYSTEM"), QStringLiteral("timeZone"), 3)); // its default, as loaded
    QCOMPARE(changesOf(model), QStringList{QStringLiteral("TRACK/GPSmaxHDOP: 3.5 -> 4.0")});

    // One character of a flag string: a short string reads the default beyond its end.
    const QString lines = QStringLiteral("OUTPUT_LINES");
    const QString o1 = QStringLiteral("autoSwitchO1");
    QVERIFY(model.setFlag(lines, o1, 2, true));
    QCOMPARE(model.loadedCharacter(lines, o1, 2), QLatin1Char('0'));
    QCOMPARE(model.character(lines, o1, 2), QLatin1Char('1'));
    QCOMPARE(model.loadedCharacter(lines, o1, 1), QLatin1Char('1'));
    QCOMPARE(model.loadedCharacter(lines, o1, 10), QLatin1Char('0'));
    QVERIFY(SettingsChanges::revert(model, lines, o1));

    // Revert: the text as loaded, announced like any change.
    QSignalSpy changed(&model, &SettingsModel::valueChanged);
    QVERIFY(SettingsChanges::revert(model, QStringLiteral("TRACK"), QStringLiteral("GPSmaxHDOP")));
    QCOMPARE(model.text(QStringLiteral("TRACK"), QStringLiteral("GPSmaxHDOP")), QStringLiteral("3.5"));
    QCOMPARE(changed.count(), 1);
    QVERIFY(!SettingsChanges::revert(model, QStringLiteral("TRACK"), QStringLiteral("noSuchKey")));

    // A new load is the new reference.
    QVERIFY(model.setValue(QStringLiteral("TRACK"), QStringLiteral("GPSmaxHDOP"), 7.0));
    QVERIFY(model.openBytes(document("<TRACK page=\"TRACK\"><GPSmaxHDOP>7.0</GPSmaxHDOP></TRACK>")));
    QCOMPARE(SettingsChanges::count(model), 0);
}

void tst_SettingsDiff::resetToDefaults()
{
    SettingsModel model;
    QVERIFY(model.openBytes(document("<TRACK page=\"TRACK\"><GPSmaxHDOP>3.5</GPSmaxHDOP>"
                                     "<GPStrackStops>0</GPStrackStops></TRACK>"
                                     "<SYSTEM page=\"SYSTEM\"><timeZone>7</timeZone></SYSTEM>")));
    // One key.
    QVERIFY(SettingsChanges::resetToDefault(model, QStringLiteral("TRACK"), QStringLiteral("GPStrackStops")));
    QCOMPARE(model.text(QStringLiteral("TRACK"), QStringLiteral("GPStrackStops")), QStringLiteral("1"));
    // A page: its other keys; the other page keeps its values.
    QCOMPARE(SettingsChanges::resetToDefaults(model, QStringLiteral("TRACK")), 1);
    QCOMPARE(model.text(QStringLiteral("TRACK"), QStringLiteral("GPSmaxHDOP")), QStringLiteral("2.5"));
    QCOMPARE(model.text(QStringLiteral("SYSTEM"), QStringLiteral("timeZone")), QStringLiteral("7"));
    QCOMPARE(changesOf(model), (QStringList{QStringLiteral("TRACK/GPStrackStops: 0 -> 1"),
                                            QStringLiteral("TRACK/GPSmaxHDOP: 3.5 -> 2.5")}));
    // Every page; a second time changes nothing.
    QCOMPARE(SettingsChanges::resetToDefaults(model), 1);
    QCOMPARE(SettingsChanges::resetToDefaults(model), 0);
    QCOMPARE(SettingsChanges::count(model), 3);
    // Reverting every change brings the file back.
    for (const SettingsChanges::Change &c : SettingsChanges::list(model))
        SettingsChanges::revert(model, c.section, c.path);
    QCOMPARE(SettingsChanges::count(model), 0);
    QCOMPARE(model.text(QStringLiteral("SYSTEM"), QStringLiteral("timeZone")), QStringLiteral("7"));
}

void tst_SettingsDiff::shownValues()
{
    // As the page shows them: a converted number in its unit, a choice by its text.
    for (const SettingsTable *t : SettingsCatalogue::sections()) {
        for (const SettingsKey &k : *t) {
            if (k.choiceCount() > 1 && k.choices()[1].textIsKey == false) {
                const QString code = QString::fromLatin1(k.choices()[1].code);
                QCOMPARE(SettingsChanges::shownText(k, code, t->pageClass()),
                         QString::fromUtf8(k.choices()[1].text));
                return;
            }
        }
    }
    QSKIP("no plain choice in the catalogue");
}

void tst_SettingsDiff::comparison_data()
{
    QTest::addColumn<QByteArray>("left");
    QTest::addColumn<QByteArray>("right");
    QTest::addColumn<QStringList>("rows");

    const QByteArray track = "<TRACK page=\"TRACK\"><GPSmaxHDOP>3.5</GPSmaxHDOP></TRACK>";
    QTest::newRow("same") << document(track) << document(track) << QStringList();
    QTest::newRow("header values are no settings")
        << document(track, " model=\"K-4810\" version=\"2.6\"") << document(track, " model=\"K-4810\" version=\"2.7\"")
        << QStringList();
    QTest::newRow("a known value")
        << document(track) << document("<TRACK page=\"TRACK\"><GPSmaxHDOP>4.0</GPSmaxHDOP></TRACK>")
        << QStringList{"TRACK|GPSmaxHDOP|3.5|4.0"};
    QTest::newRow("absent and written at its default are the same")
        << document("<TRACK page=\"TRACK\"/>") << document("<TRACK page=\"TRACK\"><GPSmaxHDOP>2.5</GPSmaxHDOP></TRACK>")
        << QStringList();
    QTest::newRow("a missing key against a value: its default")
        << document("<TRACK page=\"TRACK\"/>") << document(track) << QStringList{"TRACK|GPSmaxHDOP|2.5|3.5"};
    QTest::newRow("unknown key of a known section")
        << document("<TRACK page=\"TRACK\"><futureKey>1</futureKey></TRACK>") << document("<TRACK page=\"TRACK\"/>")
        << QStringList{"TRACK|futureKey|1|-"};
    QTest::newRow("unknown sub-section's attribute")
        << document("<TRACK page=\"TRACK\"><FUTURE a=\"1\" b=\"2\"/></TRACK>")
        << document("<TRACK page=\"TRACK\"><FUTURE a=\"1\" b=\"3\"/></TRACK>") << QStringList{"TRACK|FUTURE/b|2|3"};
    QTest::newRow("repeated children by position")
        << document("<TRACK page=\"TRACK\"><LIST><ITEM v=\"1\"/><ITEM v=\"2\"/></LIST></TRACK>")
        << document("<TRACK page=\"TRACK\"><LIST><ITEM v=\"1\"/><ITEM v=\"5\"/><ITEM v=\"6\"/></LIST></TRACK>")
        << QStringList{"TRACK|LIST/ITEM[2]/v|2|5", "TRACK|LIST/ITEM[3]/v|-|6"};
    QTest::newRow("a section only one side has")
        << document(track) << document(track + "<FOO page=\"FOO\"><x>1</x></FOO>")
        << QStringList{"FOO|page|-|FOO", "FOO|x|-|1"};
    QTest::newRow("a value of the root")
        << document(track, " serial=\"A1\"") << document(track, " serial=\"A2\"") << QStringList{"|serial|A1|A2"};
}

void tst_SettingsDiff::comparison()
{
    QFETCH(QByteArray, left);
    QFETCH(QByteArray, right);
    QFETCH(QStringList, rows);
    SettingsModel a;
    SettingsModel b;
    QVERIFY(a.openBytes(left));
    QVERIFY(b.openBytes(right));
    const QList<SettingsDifference> differences = SettingsComparison::compare(a, b);
    QCOMPARE(rowsOf(differences), rows);
    for (const SettingsDifference &d : differences) {
        // The catalogue names what it knows.
        QCOMPARE(d.key != nullptr, a.contains(d.section, d.path));
    }
}

void tst_SettingsDiff::comparisonOfFullFiles()
{
    QFile file(QStringLiteral(K4810_SOURCE_DIR "/tests/settings/data/full.xml"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray full = file.readAll();
    SettingsModel reading;
    SettingsModel edited;
    QVERIFY(reading.openBytes(full));
    QVERIFY(edited.openBytes(full));
    QVERIFY(SettingsComparison::compare(reading, edited).isEmpty());

    // Two changes by the user: exactly those two, in the catalogue's units.
    QVERIFY(edited.setValue(QStringLiteral("TRACK"), QStringLiteral("GPSmaxHDOP"), 9.5));
    QVERIFY(edited.setText(QStringLiteral("TRANSFER"), QStringLiteral("GPRSopAPN"), QStringLiteral("internet.tele2.ru")));
    const QList<SettingsDifference> d = SettingsComparison::compare(reading, edited);
    QCOMPARE(d.size(), 2);
    QStringList keys;
    for (const SettingsDifference &x : d) {
        keys << x.section + QLatin1Char('/') + x.path;
        QVERIFY(x.key);
        QCOMPARE(x.left, reading.text(x.section, x.path));
        QCOMPARE(x.right, edited.text(x.section, x.path));
    }
    keys.sort();
    QCOMPARE(keys, (QStringList{QStringLiteral("TRACK/GPSmaxHDOP"), QStringLiteral("TRANSFER/GPRSopAPN")}));
}

QTEST_GUILESS_MAIN(tst_SettingsDiff)
#include "tst_settingsdiff.moc"
