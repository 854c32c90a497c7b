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
    void everyTextOfTheRealCatalogues();
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

// Every text of the project's catalogues, compiled by the build, is found
// under an arbitrary window context: the compile and load chain works for
// whatever the catalogues hold.
void TestHostTranslator::everyTextOfTheRealCatalogues()
{
    const QDir sources(QStringLiteral(K4810_SOURCE_DIR "/host/i18n"));
    const QStringList tsFiles = sources.entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name);
    QVERIFY(!tsFiles.isEmpty());

    HostTranslator translator;
    QVERIFY(translator.loadFolder(QStringLiteral(K4810_BINARY_DIR "/host")));
    QStringList expectedNames;
    for (const QString &ts : tsFiles)
        expectedNames << QFileInfo(ts).completeBaseName();
    QCOMPARE(translator.catalogues(), expectedNames);

    int checked = 0;
    for (const QString &ts : tsFiles) {
        QFile file(sources.filePath(ts));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("TS")
                && !xml.attributes().value(QLatin1String("language")).startsWith(QLatin1String("en"))) {
                break; // another language's twin: the English catalogue comes first
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
                const QString translation = xml.readElementText();
                if (unfinished || translation.isEmpty() || !HostTranslator::isTextKey(source.toUtf8().constData()))
                    continue;
                const QByteArray key = source.toUtf8();
                QCOMPARE(translator.translate("ORV_FormSomeWindow", key.constData()), translation);
                ++checked;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(ts + QStringLiteral(": ") + xml.errorString()));
    }
    QVERIFY(checked > 0);
}

QTEST_GUILESS_MAIN(TestHostTranslator)
#include "tst_hosttranslator.moc"
