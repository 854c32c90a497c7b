#include "host/hosttranslator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QXmlStreamReader>
#include <QtTest>

// The plug-in asks for its texts with its window class names as context;
// the catalogues carry the single context "K4810".
class TestHostTranslator : public QObject
{
    Q_OBJECT
private slots:
    void loadsEveryCatalogueOfTheFolder();
    void findsKeysWhateverTheContext_data();
    void findsKeysWhateverTheContext();
    void keyWithDisambiguation();
    void emptyFolder();
    void everyTextOfTheRealCatalogues_data();
    void everyTextOfTheRealCatalogues();
    void pluginAndHostTextsApart();
    void russianSourceTextsInEnglish();
    void languages();
    void startingLanguage_data();
    void startingLanguage();
};

void TestHostTranslator::loadsEveryCatalogueOfTheFolder()
{
    HostTranslator translator;
    QVERIFY(translator.loadFolder(QStringLiteral(":/fixture")));
    QCOMPARE(translator.catalogues(), (QStringList{QStringLiteral("fixture_core_en"), QStringLiteral("fixture_settings_en")}));
    QVERIFY(!translator.isEmpty());
}

void TestHostTranslator::findsKeysWhateverTheContext_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");

    QTest::newRow("window class as context") << "orv_FormXml_K4810" << "K4810_001" << "Yes";
    QTest::newRow("catalogue context") << "K4810" << "K4810_002" << "No";
    QTest::newRow("empty context") << "" << "K4810_001" << "Yes";
    QTest::newRow("second catalogue, Cyrillic") << "orv_FormTmi_K4810" << "K4810_100" << "Тип объекта";
    QTest::newRow("K5127 key") << "ORV_Device_K4810" << "K5127_001" << "Page view";
    QTest::newRow("catalogue keeping the caller's context") << "orv_FormXml_K4810" << "K4810_200" << "Own context";
    QTest::newRow("missing key shows the key") << "orv_FormXml_K4810" << "K4810_999" << "K4810_999";
    QTest::newRow("unfinished text shows the key") << "orv_FormXml_K4810" << "K4810_101" << "K4810_101";
    QTest::newRow("plain text in a catalogue left alone") << "K4810" << "Hello" << "Hello";
    QTest::newRow("plain text elsewhere left alone") << "QDialogButtonBox" << "&Cancel" << "&Cancel";
    QTest::newRow("prefix without digits") << "X" << "K4810_" << "K4810_";
    QTest::newRow("letters after the digits") << "X" << "K4810_001a" << "K4810_001a";
    QTest::newRow("lower case") << "X" << "k4810_001" << "k4810_001";
    QTest::newRow("trailing space") << "X" << "K4810_001 " << "K4810_001 ";
    QTest::newRow("other model") << "X" << "K4811_001" << "K4811_001";
}

void TestHostTranslator::findsKeysWhateverTheContext()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, expected);

    HostTranslator translator;
    QVERIFY(translator.loadFolder(QStringLiteral(":/fixture")));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QByteArray c = context.toUtf8();
    const QByteArray s = source.toUtf8();
    const QString text = QCoreApplication::translate(c.constData(), s.constData());
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(text, expected);
}

void TestHostTranslator::keyWithDisambiguation()
{
    HostTranslator translator;
    QVERIFY(translator.loadFolder(QStringLiteral(":/fixture")));
    QCOMPARE(translator.translate("orv_FormXml_K4810", "K4810_001", "button"), QStringLiteral("Yes"));
    QCOMPARE(translator.translate("orv_FormXml_K4810", "K4810_001", nullptr, 3), QStringLiteral("Yes"));
}

void TestHostTranslator::emptyFolder()
{
    QTemporaryDir dir;
    HostTranslator translator;
    QVERIFY(!translator.loadFolder(dir.path()));
    QVERIFY(translator.isEmpty());
    QVERIFY(translator.translate("X", "K4810_001").isEmpty());
}

// Every text of the project's catalogues of a language, compiled by the
// build, is found: a key under an arbitrary window context, any other text
// under its own context, so the compile and load chain works for whatever
// the catalogues hold.
void TestHostTranslator::everyTextOfTheRealCatalogues_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en";
    QTest::newRow("Russian") << "ru";
}

void TestHostTranslator::everyTextOfTheRealCatalogues()
{
    QFETCH(QString, language);
    const QDir sources(QStringLiteral(K4810_SOURCE_DIR "/host/i18n"));
    const QStringList tsFiles =
        sources.entryList({QStringLiteral("*_%1.ts").arg(language)}, QDir::Files, QDir::Name);
    QVERIFY(!tsFiles.isEmpty());

    HostTranslator translator;
    QVERIFY(translator.loadLanguage(language, QStringLiteral(K4810_BINARY_DIR "/host")));
    QStringList expectedNames;
    for (const QString &ts : tsFiles)
        expectedNames << QFileInfo(ts).completeBaseName();
    QCOMPARE(translator.catalogues(), expectedNames);

    int checked = 0;
    for (const QString &ts : tsFiles) {
        QFile file(sources.filePath(ts));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
                const QString translation = xml.readElementText();
                if (unfinished || translation.isEmpty())
                    continue;
                const QByteArray text = source.toUtf8();
                const QByteArray c = context.toUtf8();
                const bool key = HostTranslator::isTextKey(text.constData());
                QCOMPARE(translator.translate(key ? "ORV_FormSomeWindow" : c.constData(), text.constData()),
                         translation);
                ++checked;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(ts + QStringLiteral(": ") + xml.errorString()));
    }
    QVERIFY(checked > 0);
}

// The plug-in's catalogues and the host's own ones load apart: the host's
// texts follow the language menu at once, the plug-in's stay as started.
void TestHostTranslator::pluginAndHostTextsApart()
{
    const QString folder = QStringLiteral(K4810_BINARY_DIR "/host");
    HostTranslator plugin;
    QVERIFY(plugin.loadLanguage(QStringLiteral("ru"), folder, HostTranslator::Texts::Plugin)
            || QDir(folder).entryList({QStringLiteral("k4810_*_ru.qm")}).isEmpty());
    for (const QString &name : plugin.catalogues())
        QVERIFY2(name.startsWith(QLatin1String("k4810_")), qPrintable(name));
    QVERIFY(plugin.translate("HostMainWindow", "&Language").isEmpty());
    // The plug-in learns the language of its texts from them (it picks the
    // tracker's description by it).
    if (!plugin.catalogues().isEmpty())
        QCOMPARE(plugin.translate("LocalizedFile", "en"), QStringLiteral("ru"));

    HostTranslator host;
    QVERIFY(host.loadLanguage(QStringLiteral("ru"), folder, HostTranslator::Texts::Host));
    QCOMPARE(host.catalogues(), QStringList{QStringLiteral("host_ru")});
    QCOMPARE(host.translate("HostMainWindow", "&Language"), QStringLiteral("&Язык"));
    QVERIFY(host.translate("orv_FormTmi_K4810", "K4810_001").isEmpty());
    // A text of another context is not taken for this one.
    QVERIFY(host.translate("TrackerDialog", "&Language").isEmpty());

    // English needs no catalogue of the host's texts: they are written in it.
    HostTranslator english;
    english.loadLanguage(QStringLiteral("en"), folder, HostTranslator::Texts::Host);
    QVERIFY(english.catalogues().isEmpty());
    QVERIFY(english.translate("HostMainWindow", "&Language").isEmpty());
}

// The plug-in's Russian source texts show in English through the
// literal texts' catalogue, looked up in their own class context.
void TestHostTranslator::russianSourceTextsInEnglish()
{
    HostTranslator translator;
    QVERIFY(translator.loadLanguage(QStringLiteral("en"), QStringLiteral(K4810_BINARY_DIR "/host")));
    QCOMPARE(translator.translate("ORV_FormTaho", "Тахограф"), QStringLiteral("Tachograph"));
    QCOMPARE(translator.translate("orv_Socket", "%1 сек"), QStringLiteral("%1 s"));
    QVERIFY(translator.translate("ORV_FormTaho", "%1 сек").isEmpty());
}

void TestHostTranslator::languages()
{
    QCOMPARE(HostTranslator::languages(QStringLiteral(":/fixture")), QStringList{});
    const QStringList built = HostTranslator::languages(QStringLiteral(K4810_BINARY_DIR "/host"));
    QVERIFY(!built.isEmpty());
    QCOMPARE(built.first(), QStringLiteral("en"));
}

void TestHostTranslator::startingLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("available");
    QTest::addColumn<QString>("expected");
    const QStringList both{QStringLiteral("en"), QStringLiteral("ru")};
    QTest::newRow("Russian system") << "ru_RU" << both << "ru";
    QTest::newRow("Russian in Kazakhstan") << "ru_KZ" << both << "ru";
    QTest::newRow("English system") << "en_GB" << both << "en";
    QTest::newRow("system without a catalogue") << "de_DE" << both << "en";
    QTest::newRow("Russian without its catalogue") << "ru_RU" << QStringList{QStringLiteral("en")} << "en";
    QTest::newRow("C locale") << "C" << both << "en";
}

void TestHostTranslator::startingLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, available);
    QFETCH(QString, expected);
    QCOMPARE(HostTranslator::languageFor(QLocale(locale), available), expected);
}

QTEST_GUILESS_MAIN(TestHostTranslator)
#include "tst_hosttranslator.moc"
