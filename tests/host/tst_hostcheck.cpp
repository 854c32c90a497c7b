#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// k4810-host run as a program: --check, --help, and a wrong plug-in in
// either mode.
class TestHostCheck : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void checkPrintsTheRealPluginsIdentity();
    void checkPrintsTheIdentity();
    void checkRefusesBadFiles_data();
    void checkRefusesBadFiles();
    void checkRefusesAContradictingPlugin();
    void windowModeRefusesABadPlugin_data();
    void windowModeRefusesABadPlugin();
    void helpListsTheOptions();

private:
    struct Result
    {
        int status = -1;
        QString out;
        QString err;
    };
    Result run(const QStringList &arguments, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment());
    static void verifyIdentity(const QString &out);

    QTemporaryDir m_dir;
    QString m_textFile;
};

void TestHostCheck::initTestCase()
{
    QVERIFY(QFileInfo(QStringLiteral(K4810_HOST_PROGRAM)).isExecutable());
    QVERIFY(m_dir.isValid());
    m_textFile = m_dir.filePath(QStringLiteral("libk4810.so"));
    QFile f(m_textFile);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("This is a text file, not a plug-in.\n");
}

TestHostCheck::Result TestHostCheck::run(const QStringList &arguments, const QProcessEnvironment &env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(K4810_HOST_PROGRAM), arguments);
    Result r;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return r;
    }
    r.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    r.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(process.readAllStandardError());
    return r;
}

void TestHostCheck::verifyIdentity(const QString &out)
{
    const auto has = [&out](const QString &pattern) {
        return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(out).hasMatch();
    };
    QVERIFY2(has(QStringLiteral("^Model:\\s+K-4810$")), qPrintable(out));
    QVERIFY2(has(QStringLiteral("^Display name:\\s+Orbit K-4810$")), qPrintable(out));
    QVERIFY2(has(QStringLiteral("^Version:\\s+2\\.7$")), qPrintable(out));
    QVERIFY2(has(QStringLiteral("^Interface level:\\s+9$")), qPrintable(out));
    QVERIFY2(has(QStringLiteral("^Level by 2052:\\s+9$")), qPrintable(out));
}

// The plug-in of this build, as a user would check an installation.
void TestHostCheck::checkPrintsTheRealPluginsIdentity()
{
    const QString plugin = qEnvironmentVariable("K4810_PLUGIN");
    if (plugin.isEmpty())
        QSKIP("K4810_PLUGIN is not set");
    const Result r = run({QStringLiteral("--check"), QStringLiteral("--plugin"), plugin});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    verifyIdentity(r.out);
    QVERIFY2(r.out.contains(QStringLiteral("k4810_core_en")), qPrintable(r.out));
}

// The same through the fake plug-in: the host's side alone.
void TestHostCheck::checkPrintsTheIdentity()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    const Result r = run({QStringLiteral("--plugin"), QStringLiteral(K4810_FAKE_PLUGIN), QStringLiteral("--check")}, env);
    QVERIFY2(r.status == 0, qPrintable(r.err));
    verifyIdentity(r.out);
    QVERIFY(r.err.isEmpty());
}

void TestHostCheck::checkRefusesBadFiles_data()
{
    QTest::addColumn<QString>("plugin");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing file") << m_dir.filePath(QStringLiteral("absent/libk4810.so")) << "No plug-in library at";
    QTest::newRow("text file") << m_textFile << "Cannot load";
    QTest::newRow("library without the exports")
        << QLibraryInfo::path(QLibraryInfo::LibrariesPath) + QStringLiteral("/libQt6Core.so.6") << "missing export";
    QTest::newRow("plug-in lacking ReceiveMessage") << QStringLiteral(K4810_FAKE_PLUGIN_PARTIAL)
                                                    << "missing export ReceiveMessage";
    QTest::newRow("library of another family") << QStringLiteral(K4810_FAKE_PLUGIN_NOT_ORV) << "does not declare itself";
}

// A plug-in that loads but contradicts itself is not reported as working.
void TestHostCheck::checkRefusesAContradictingPlugin()
{
    const Result r = run({QStringLiteral("--check"), QStringLiteral("--plugin"), QStringLiteral(K4810_FAKE_PLUGIN_LEVEL_8)});
    QCOMPARE(r.status, 1);
    QVERIFY2(r.out.contains(QStringLiteral("Level by 2052:    8")), qPrintable(r.out));
    QVERIFY2(r.err.contains(QStringLiteral("interface level 9 in the library-info record but 8 by message 2052")),
             qPrintable(r.err));
}

void TestHostCheck::checkRefusesBadFiles()
{
    QFETCH(QString, plugin);
    QFETCH(QString, message);
    if (!QFileInfo::exists(plugin) && !message.startsWith(QStringLiteral("No plug-in")))
        QSKIP(qPrintable(plugin + QStringLiteral(" is not there")));
    const Result r = run({QStringLiteral("--check"), QStringLiteral("--plugin"), plugin});
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY2(r.err.startsWith(QStringLiteral("k4810-host: ")), qPrintable(r.err));
    QVERIFY(!r.out.contains(QStringLiteral("Model:")));
}

void TestHostCheck::windowModeRefusesABadPlugin_data()
{
    QTest::addColumn<bool>("display");
    QTest::newRow("offscreen display") << true;
    QTest::newRow("no display") << false;
}

// Without --check the wrong file is reported and the program ends with 1
// (no message box where nobody could close it).
void TestHostCheck::windowModeRefusesABadPlugin()
{
    QFETCH(bool, display);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (display)
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    else
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.filePath(QStringLiteral("data")));
    const Result r = run({QStringLiteral("--plugin"), m_textFile}, env);
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(QStringLiteral("Cannot load")), qPrintable(r.err));
}

void TestHostCheck::helpListsTheOptions()
{
    const Result r = run({QStringLiteral("--help")});
    QCOMPARE(r.status, 0);
    for (const char *option : {"--plugin <path>", "--check", "--help-root <folder>", "--detached", "--help", "--version"})
        QVERIFY2(r.out.contains(QLatin1String(option)), option);
}

QTEST_GUILESS_MAIN(TestHostCheck)
#include "tst_hostcheck.moc"
