#include "host/helpresolver.h"
#include "host/hostcommandline.h"
#include "host/hostsettings.h"
#include "host/workingpaths.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// Help lookup, working paths, preferences and options of the host.
class TestHostSupport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void resolvesHelpPages_data();
    void resolvesHelpPages();
    void helpRootDefaultsToTheWorkingDirectory();
    void workingPathsAreCreated();
    void workingPathCreationFailureIsReported();
    void settingsCheckWhatTheyReadBack();
    void commandLine_data();
    void commandLine();
    void consoleOptions_data();
    void consoleOptions();

private:
    QTemporaryDir m_dir;
    QString m_root;
};

static void touch(const QString &path, const QByteArray &content = "<html><body>help</body></html>")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

void TestHostSupport::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_root = m_dir.filePath(QStringLiteral("root"));
    touch(m_root + QStringLiteral("/Localization/Help/K-4810/k-4810tmi.html"));
    touch(m_root + QStringLiteral("/Localization/Help/K-4810/K-4810TmiView.HTML"));
    touch(m_dir.filePath(QStringLiteral("outside.html")));
    QVERIFY(QFile::link(m_dir.filePath(QStringLiteral("outside.html")),
                        m_root + QStringLiteral("/Localization/Help/K-4810/link.html")));

    // Russian twins: one of the telemetry page; the settings page's twin
    // is a link leading out of the root. The German tree as a whole lies
    // outside the root, reached by a linked language folder.
    touch(m_root + QStringLiteral("/Localization/ru/Help/K-4810/k-4810tmi.html"));
    touch(m_root + QStringLiteral("/Localization/Help/K-4810/k-4810p1.html"));
    QVERIFY(QFile::link(m_dir.filePath(QStringLiteral("outside.html")),
                        m_root + QStringLiteral("/Localization/ru/Help/K-4810/k-4810p1.html")));
    touch(m_dir.filePath(QStringLiteral("german/Help/K-4810/k-4810tmi.html")));
    QVERIFY(QFile::link(m_dir.filePath(QStringLiteral("german")), m_root + QStringLiteral("/Localization/de")));
}

void TestHostSupport::resolvesHelpPages_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("found");   // relative to the root, empty = not found
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QString>("language");

    const QString tmi = QStringLiteral("Localization/Help/K-4810/k-4810tmi.html");
    QTest::newRow("as asked") << "/Localization/Help/K-4810/k-4810tmi.html" << tmi << "" << "";
    QTest::newRow("no leading slash") << "Localization/Help/K-4810/k-4810tmi.html" << tmi << "" << "";
    QTest::newRow("backslashes") << "\\Localization\\Help\\K-4810\\k-4810tmi.html" << tmi << "" << "";
    QTest::newRow("anchor") << "/Localization/Help/K-4810/k-4810tmi.html#outputs" << tmi << "outputs" << "";
    QTest::newRow("letter case differs")
        << "/Localization/Help/K-4810/k-4810tmiView.html" << "Localization/Help/K-4810/K-4810TmiView.HTML" << "" << "";
    QTest::newRow("folder case differs") << "/localization/HELP/k-4810/k-4810tmi.html" << tmi << "" << "";
    QTest::newRow("missing page") << "/Localization/Help/K-4810/k-4810p9.html" << "" << "" << "";
    QTest::newRow("up out of the root") << "/../outside.html" << "" << "" << "";
    QTest::newRow("up out through the tree") << "/Localization/../../outside.html" << "" << "" << "";
    QTest::newRow("link leading out") << "/Localization/Help/K-4810/link.html" << "" << "" << "";
    QTest::newRow("a folder") << "/Localization/Help" << "" << "" << "";
    QTest::newRow("the root itself") << "/" << "" << "" << "";
    QTest::newRow("empty") << "" << "" << "" << "";

    // Languages: the twin under Localization/<language>/ when there is one,
    // else the English page; never a page outside the root.
    const QString tmiRu = QStringLiteral("Localization/ru/Help/K-4810/k-4810tmi.html");
    QTest::newRow("ru: twin") << "/Localization/Help/K-4810/k-4810tmi.html" << tmiRu << "" << "ru";
    QTest::newRow("ru: twin, anchor kept") << "/Localization/Help/K-4810/k-4810tmi.html#outputs" << tmiRu << "outputs"
                                           << "ru";
    QTest::newRow("ru: twin, case differs") << "\\localization\\HELP\\k-4810\\k-4810tmi.html" << tmiRu << "" << "ru";
    QTest::newRow("ru: twin asked for directly") << "/" + tmiRu << tmiRu << "" << "ru";
    QTest::newRow("ru: no twin, English") << "/Localization/Help/K-4810/k-4810tmiView.html"
                                          << "Localization/Help/K-4810/K-4810TmiView.HTML" << "" << "ru";
    QTest::newRow("ru: neither") << "/Localization/Help/K-4810/k-4810p9.html" << "" << "" << "ru";
    QTest::newRow("en: the English page") << "/Localization/Help/K-4810/k-4810tmi.html" << tmi << "" << "en";
    QTest::newRow("ru: twin links out, English")
        << "/Localization/Help/K-4810/k-4810p1.html" << "Localization/Help/K-4810/k-4810p1.html" << "" << "ru";
    QTest::newRow("de: language folder links out, English")
        << "/Localization/Help/K-4810/k-4810tmi.html" << tmi << "" << "de";
    QTest::newRow("ru: up out before the language folder") << "/Localization/../../outside.html" << "" << "" << "ru";
    QTest::newRow("ru: up out from the language folder")
        << "/Localization/ru/../../../outside.html" << "" << "" << "ru";
    QTest::newRow("no language code: English") << "/Localization/Help/K-4810/k-4810tmi.html" << tmi << "" << "../..";
}

void TestHostSupport::resolvesHelpPages()
{
    QFETCH(QString, request);
    QFETCH(QString, found);
    QFETCH(QString, fragment);
    QFETCH(QString, language);

    HelpResolver resolver(m_root);
    resolver.setLanguage(language);
    const HelpResolver::Result result = resolver.resolve(request);
    if (found.isEmpty()) {
        QVERIFY2(!result.found(), qPrintable(result.filePath));
        QVERIFY(!result.attempted.isEmpty());
    } else {
        QCOMPARE(result.filePath, QFileInfo(m_root + QLatin1Char('/') + found).canonicalFilePath());
        QCOMPARE(result.fragment, fragment);
    }
}

void TestHostSupport::helpRootDefaultsToTheWorkingDirectory()
{
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_root));
    const HelpResolver resolver;
    const HelpResolver::Result found = resolver.resolve(QStringLiteral("/Localization/Help/K-4810/k-4810tmi.html"));
    const HelpResolver::Result missing = resolver.resolve(QStringLiteral("/Localization/Help/K-4810/k-4810conf.html"));
    QDir::setCurrent(before);
    QVERIFY(found.found());
    QVERIFY(!missing.found());
    // The message names the place where the page was looked for.
    QCOMPARE(missing.attempted,
             QDir::toNativeSeparators(QFileInfo(m_root).canonicalFilePath()
                                      + QStringLiteral("/Localization/Help/K-4810/k-4810conf.html")));
}

void TestHostSupport::workingPathsAreCreated()
{
    QStandardPaths::setTestModeEnabled(true);
    const QStringList defaults = WorkingPaths::defaults();
    QCOMPARE(defaults.size(), int(WorkingPaths::Count));
    const QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    for (const QString &p : defaults)
        QVERIFY2(p.startsWith(QDir::cleanPath(base)), qPrintable(p));

    const QStringList paths = WorkingPaths::under(m_dir.filePath(QStringLiteral("work")));
    QCOMPARE(paths.size(), 4);
    QCOMPARE(QSet<QString>(paths.begin(), paths.end()).size(), 4);
    for (const QString &p : paths) {
        QVERIFY2(p.endsWith(QLatin1Char('/')), qPrintable(p));
        QVERIFY(!QFileInfo::exists(p));
    }
    QString error;
    QVERIFY(WorkingPaths::create(paths, &error));
    for (const QString &p : paths)
        QVERIFY(QFileInfo(p).isDir());
    // Existing folders are fine.
    QVERIFY(WorkingPaths::create(paths, &error));
}

void TestHostSupport::workingPathCreationFailureIsReported()
{
    const QString file = m_dir.filePath(QStringLiteral("plainfile"));
    touch(file, "x");
    QString error;
    QVERIFY(!WorkingPaths::create(WorkingPaths::under(file), &error));
    QVERIFY2(error.contains(QStringLiteral("plainfile")), qPrintable(error));
}

void TestHostSupport::settingsCheckWhatTheyReadBack()
{
    const QString ini = m_dir.filePath(QStringLiteral("host.ini"));
    {
        HostSettings settings(ini);
        QCOMPARE(settings.autoTelemetryMode(), 0);
        QVERIFY(settings.attachAtStart());
        QVERIFY(!settings.answerInsideSend());
        settings.setAutoTelemetryMode(2);
        settings.setAnswerDelay(200);
        settings.setAnswerInsideSend(true);
        settings.setLastSettingsFile(QStringLiteral("/s/настройки.xml"));
        QCOMPARE(settings.language(), QString()); // none chosen: the system's
        settings.setLanguage(QStringLiteral("ru"));
        settings.sync();
    }
    {
        HostSettings settings(ini);
        QCOMPARE(settings.autoTelemetryMode(), 2);
        QCOMPARE(settings.answerDelay(), 200);
        QVERIFY(settings.answerInsideSend());
        QCOMPARE(settings.lastSettingsFile(), QStringLiteral("/s/настройки.xml"));
        QCOMPARE(settings.language(), QStringLiteral("ru"));
        settings.setAutoTelemetryMode(7);
        QCOMPARE(settings.autoTelemetryMode(), 0);
        settings.setAnswerDelay(999999);
        QCOMPARE(settings.answerDelay(), 5000);
    }
    // A hand-edited file with values the plug-in does not know.
    for (const char *value : {"9", "-1", "two"}) {
        QSettings raw(ini, QSettings::IniFormat);
        raw.setValue(QStringLiteral("telemetry/autoMode"), QString::fromLatin1(value));
        raw.sync();
        HostSettings settings(ini);
        QCOMPARE(settings.autoTelemetryMode(), 0);
    }
    // A language that cannot be a catalogue's suffix is no choice.
    for (const char *value : {"*", "../x", "RU", "rus", ""}) {
        QSettings raw(ini, QSettings::IniFormat);
        raw.setValue(QStringLiteral("interface/language"), QString::fromLatin1(value));
        raw.sync();
        HostSettings settings(ini);
        QCOMPARE(settings.language(), QString());
    }
}

void TestHostSupport::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("check");
    QTest::addColumn<QString>("plugin");
    QTest::addColumn<QString>("helpRoot");
    QTest::addColumn<bool>("detached");

    QTest::newRow("nothing") << QStringList{} << true << false << "" << "" << false;
    QTest::newRow("check") << QStringList{"--check"} << true << true << "" << "" << false;
    QTest::newRow("check with plug-in") << QStringList{"--check", "--plugin", "/x/lib.so"} << true << true
                                        << "/x/lib.so" << "" << false;
    QTest::newRow("plug-in with =") << QStringList{"--plugin=/y.so"} << true << false << "/y.so" << "" << false;
    QTest::newRow("help root, detached") << QStringList{"--help-root", "/h", "--detached"} << true << false << ""
                                         << "/h" << true;
    QTest::newRow("plug-in without a name") << QStringList{"--plugin"} << false << false << "" << "" << false;
    QTest::newRow("empty plug-in name") << QStringList{"--plugin="} << false << false << "" << "" << false;
    QTest::newRow("unknown option") << QStringList{"--bogus"} << false << false << "" << "" << false;
    QTest::newRow("stray argument") << QStringList{"libk4810.so"} << false << false << "" << "" << false;
}

void TestHostSupport::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, ok);
    QFETCH(bool, check);
    QFETCH(QString, plugin);
    QFETCH(QString, helpRoot);
    QFETCH(bool, detached);

    HostCommandLine options;
    QCOMPARE(options.parse(QStringList{QStringLiteral("k4810-host")} + arguments), ok);
    if (!ok) {
        QVERIFY(!options.errorText().isEmpty());
        return;
    }
    QCOMPARE(options.check(), check);
    QCOMPARE(options.pluginPath(), plugin);
    QCOMPARE(options.helpRoot(), helpRoot);
    QCOMPARE(options.detached(), detached);
}

void TestHostSupport::consoleOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("console");
    QTest::newRow("window") << QStringList{"--plugin", "x.so"} << false;
    QTest::newRow("check") << QStringList{"--plugin", "x.so", "--check"} << true;
    QTest::newRow("help") << QStringList{"--help"} << true;
    QTest::newRow("short help") << QStringList{"-h"} << true;
    QTest::newRow("version") << QStringList{"--version"} << true;
    QTest::newRow("after --") << QStringList{"--", "--check"} << false;
}

void TestHostSupport::consoleOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, console);
    QCOMPARE(HostCommandLine::wantsConsole(QStringList{QStringLiteral("k4810-host")} + arguments), console);
}

QTEST_GUILESS_MAIN(TestHostSupport)
#include "tst_hostsupport.moc"
