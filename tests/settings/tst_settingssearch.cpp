// Finding a setting across the pages by its label (in the language shown),
// its key name or its value.

#include "settings/model/settingscatalogue.h"
#include "settings/model/settingssearch.h"
#include "settings/model/settingsmodel.h"
#include "tests/support/keytexts.h"

#include <QCoreApplication>
#include <QTest>

namespace {

// The pages as the editor's page table gives them (two titled, the rest by section).
QList<SettingsSearch::Page> pages()
{
    QList<SettingsSearch::Page> list;
    int position = 1;
    for (const SettingsTable *t : SettingsCatalogue::sections()) {
        SettingsSearch::Page p;
        p.position = position++;
        p.section = t->sectionName();
        p.context = t->pageClass();
        if (p.section == QLatin1String("TRACK"))
            p.titleKey = "K4810_150";
        else if (p.section == QLatin1String("SYSTEM"))
            p.titleKey = "K4810_190";
        else
            p.title = p.section;
        list << p;
    }
    return list;
}

QStringList keysOf(const QList<SettingsSearch::Hit> &hits)
{
    QStringList out;
    for (const SettingsSearch::Hit &h : hits)
        out << h.section + QLatin1Char('/') + h.path;
    return out;
}

} // namespace

class tst_SettingsSearch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void findsInEnglish_data();
    void findsInEnglish();
    void findsInTheLanguageShown();
    void captionsOfThePages();
    void resultsNameThePageAndTheValue();

private:
    SettingsModel m_model;
    std::unique_ptr<SettingsSearch> m_search;
    std::unique_ptr<KeyTexts> m_english;
};

void tst_SettingsSearch::initTestCase()
{
    m_english = std::make_unique<KeyTexts>(KeyTexts::english());
    QVERIFY(!m_english->isEmpty());
    QCoreApplication::installTranslator(m_english.get());
    QVERIFY(m_model.openBytes(QByteArray("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE>"
                                         "<TRANSFER page=\"TRANSFER\"><objectName>\xd1\xe0\xec\xee\xf1\xe2\xe0\xeb 12"
                                         "</objectName><GPRSopAPN>internet.beeline.ru</GPRSopAPN></TRANSFER>"
                                         "</DEVICE>")));
    m_search = std::make_unique<SettingsSearch>(pages(), &m_model);
    QVERIFY(m_search->size() > 500);
}

void tst_SettingsSearch::findsInEnglish_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("first"); // the best hit; empty: nothing found
    QTest::addColumn<QStringList>("among");

    QTest::newRow("label") << "record stops" << "TRACK/GPStrackStops" << QStringList();
    QTest::newRow("words in any order, any case") << "STOPS record" << "TRACK/GPStrackStops" << QStringList();
    QTest::newRow("part of a word") << "speedin" << "TRACK/GPSmaxPermissibleVelocity" << QStringList();
    QTest::newRow("key name") << "gpsmaxhdop" << "TRACK/GPSmaxHDOP" << QStringList();
    QTest::newRow("label of another page") << "time zone" << "SYSTEM/timeZone" << QStringList();
    QTest::newRow("value, Cyrillic in another case") << "САМОСВАЛ" << "TRANSFER/objectName" << QStringList();
    QTest::newRow("value") << "beeline" << "TRANSFER/GPRSopAPN" << QStringList();
    QTest::newRow("page title and label") << "track: record stops" << "TRACK/GPStrackStops"
                                          << QStringList();
    QTest::newRow("several hits") << "password" << "" << QStringList{"SYSTEM/csd_password", "SYSTEM/SMSPassword"};
    QTest::newRow("nothing") << "no such setting here" << "" << QStringList();
    QTest::newRow("blank") << "   " << "" << QStringList();
    QTest::newRow("no letter") << "--" << "" << QStringList();
}

void tst_SettingsSearch::findsInEnglish()
{
    QFETCH(QString, text);
    QFETCH(QString, first);
    QFETCH(QStringList, among);
    const QStringList found = keysOf(m_search->find(text));
    if (!first.isEmpty()) {
        QVERIFY2(!found.isEmpty(), qPrintable(text));
        QCOMPARE(found.first(), first);
    }
    for (const QString &key : among)
        QVERIFY2(found.contains(key), qPrintable(key + " not in " + found.join(", ")));
    if (first.isEmpty() && among.isEmpty())
        QVERIFY2(found.isEmpty(), qPrintable(found.join(", ")));
}

void tst_SettingsSearch::findsInTheLanguageShown()
{
    // Labels are read at each search: another language needs no new index.
    KeyTexts russian({{QStringLiteral("K4810_152"), QStringLiteral("Записывать стоянки")},
                      {QStringLiteral("K4810_198"), QStringLiteral("Часовой пояс, ч от UTC")},
                      {QStringLiteral("K4810_150"), QStringLiteral("Трек")}});
    QCoreApplication::installTranslator(&russian); // consulted first
    QCOMPARE(keysOf(m_search->find(QStringLiteral("стоянки"))).value(0), QStringLiteral("TRACK/GPStrackStops"));
    QCOMPARE(keysOf(m_search->find(QStringLiteral("ЧАСОВОЙ пояс"))).value(0), QStringLiteral("SYSTEM/timeZone"));
    QVERIFY(!keysOf(m_search->find(QStringLiteral("record stops"))).contains(QStringLiteral("TRACK/GPStrackStops")));
    const QList<SettingsSearch::Hit> hits = m_search->find(QStringLiteral("стоянки"));
    QCOMPARE(hits.value(0).pageTitle, QStringLiteral("Трек"));
    // Key names are the same in every language.
    QCOMPARE(keysOf(m_search->find(QStringLiteral("GPStrackStops"))).value(0), QStringLiteral("TRACK/GPStrackStops"));
    QCoreApplication::removeTranslator(&russian);
    QCOMPARE(keysOf(m_search->find(QStringLiteral("record stops"))).value(0), QStringLiteral("TRACK/GPStrackStops"));
}

void tst_SettingsSearch::captionsOfThePages()
{
    // A designed page's label beside a key that the catalogue gives none.
    SettingsSearch search(pages(), &m_model);
    search.setCaptions([](const QString &section, const QString &path) {
        return section == QLatin1String("TRANSFER") && path == QLatin1String("GPRSSrv0Port")
                   ? QStringLiteral("Main server port")
                   : QString();
    });
    const QList<SettingsSearch::Hit> hits = search.find(QStringLiteral("main server port"));
    QCOMPARE(keysOf(hits).value(0), QStringLiteral("TRANSFER/GPRSSrv0Port"));
    QCOMPARE(hits.value(0).label, QStringLiteral("Main server port"));
}

void tst_SettingsSearch::resultsNameThePageAndTheValue()
{
    const QList<SettingsSearch::Hit> hits = m_search->find(QStringLiteral("record stops"));
    QVERIFY(!hits.isEmpty());
    QCOMPARE(hits.first().pageTitle, QStringLiteral("Track"));
    QCOMPARE(hits.first().label, QStringLiteral("Record stops"));
    QCOMPARE(hits.first().value, m_model.text(QStringLiteral("TRACK"), QStringLiteral("GPStrackStops")));
    QCOMPARE(m_search->find(QStringLiteral("a"), 5).size(), 5);
}

QTEST_GUILESS_MAIN(tst_SettingsSearch)
#include "tst_settingssearch.moc"
