// The built libk4810.so loaded exactly as a host loads it: by file name,
// through its four exports. No plug-in code is linked into this suite.
//
// One device object lives per loaded library, so the functions run in
// order: the first ones see the plug-in before Initialize.

#include "host/pluginlibrary.h"
#include "tests/support/uiautomation.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <vector>

using namespace UiAutomation;

namespace {

struct Request
{
    char host;
    uint32_t target;
    uint32_t msgId;
    QString text;
};

std::vector<Request> g_requests;

Request record(char host, uint32_t target, uint32_t msgId, intptr_t p1)
{
    Request r{host, target, msgId, {}};
    if (msgId == 2072 && p1)
        r.text = *reinterpret_cast<const QString *>(p1);
    return r;
}

int32_t hostA(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t)
{
    g_requests.push_back(record('A', target, msgId, p1));
    return 0;
}

int32_t hostB(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t)
{
    g_requests.push_back(record('B', target, msgId, p1));
    return 0;
}

intptr_t addr(const void *p)
{
    return reinterpret_cast<intptr_t>(p);
}

} // namespace

class tst_PluginExports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recognisedBeforeInitialize();
    void libraryInfoRecord();
    void nothingReachesTheHostBeforeInitialize();
    void inPlaceAnswers();
    void foreignTargetIsIgnored();
    void badInputDoesNothing();
    void secondInitializeRedirectsLaterRequests();
    void cleanupTestCase();

private:
    PluginLibrary m_plugin;
    uint32_t m_handle = 0;
    void deliver(uint32_t msgId, intptr_t p1 = 0, intptr_t p2 = 0) { m_plugin.receiveMessage(m_handle, msgId, p1, p2); }
    void pressHelpOfTheEditor();
};

void tst_PluginExports::initTestCase()
{
    const QString path = qEnvironmentVariable("K4810_PLUGIN");
    QVERIFY2(!path.isEmpty(), "K4810_PLUGIN names the built plug-in");
    QVERIFY2(m_plugin.load(path), qPrintable(m_plugin.errorString()));
}

void tst_PluginExports::recognisedBeforeInitialize()
{
    QVERIFY(m_plugin.isOrvLibrary());
}

void tst_PluginExports::libraryInfoRecord()
{
    const QByteArray info = m_plugin.libraryInfo();
    QCOMPARE(info.size(), 538);

    const unsigned char *b = reinterpret_cast<const unsigned char *>(info.constData());
    m_handle = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    QVERIFY(m_handle != 0);

    QCOMPARE(info.mid(4, 6), QByteArray("K-4810"));
    for (int i = 10; i <= 258; ++i)
        QVERIFY2(info.at(i) == 0, qPrintable(QStringLiteral("byte %1").arg(i)));
    QCOMPARE(info.mid(259, 12), QByteArray("Orbit K-4810"));
    for (int i = 271; i <= 513; ++i)
        QVERIFY2(info.at(i) == 0, qPrintable(QStringLiteral("byte %1").arg(i)));
    const int32_t words[] = {2, 7, 3, 6, 0, 9};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(PluginLibrary::infoWord(info, 514 + 4 * i), words[i]);

    // The record never changes.
    QByteArray again = m_plugin.libraryInfo();
    QCOMPARE(again, info);
}

void tst_PluginExports::nothingReachesTheHostBeforeInitialize()
{
    // Open the settings editor and press its help button: there is no host to ask yet.
    deliver(2022, 0);
    QWidget *editor = topLevel(QStringLiteral("orv_FormXml_K4810"));
    QVERIFY(editor && editor->isVisible());
    pressHelpOfTheEditor();
    int32_t level = 0;
    deliver(2052, addr(&level));
    QCOMPARE(level, 9); // in-place answers work without a callback
    QVERIFY(g_requests.empty());

    m_plugin.initialize(hostA);
    QVERIFY(g_requests.empty()); // nothing was queued for later either
    QTest::qWait(10);
    QVERIFY(g_requests.empty());
}

void tst_PluginExports::inPlaceAnswers()
{
    int32_t value = -1;
    deliver(2052, addr(&value));
    QCOMPARE(value, 9);
    deliver(2057, addr(&value));
    QCOMPARE(value, 196);
    value = -1;
    deliver(2084, addr(&value));
    QCOMPARE(value, 0);
    bool flag = false;
    deliver(2132, addr(&flag));
    QVERIFY(flag);
    QString text;
    deliver(2134, addr(&text));
    QCOMPARE(text, QStringLiteral("011"));
}

void tst_PluginExports::foreignTargetIsIgnored()
{
    int32_t value = -1;
    m_plugin.receiveMessage(m_handle + 1, 2052, addr(&value), 0);
    QCOMPARE(value, -1);
    m_plugin.receiveMessage(0, 2052, addr(&value), 0);
    QCOMPARE(value, -1);
}

void tst_PluginExports::badInputDoesNothing()
{
    // Null where an address is expected.
    for (uint32_t id = 2018; id <= 2134; ++id) {
        if (id == 2022 || id == 2030 || id == 2037)
            continue; // these take a plain number and open a window
        deliver(id, 0, 0);
    }
    // Tracker answers of no length.
    static const char bytes[8] = {};
    for (uint32_t id : {2021u, 2024u, 2033u, 2054u, 2056u, 2075u, 2077u, 2079u, 2081u, 2086u, 2088u, 2112u}) {
        deliver(id, addr(bytes), 0);
        deliver(id, addr(bytes), -1);
    }
    // Numbers the plug-in does not know.
    deliver(0xFFFFFFFFu, addr(bytes), 8);
    deliver(2050, addr(bytes), 8);
    QVERIFY(m_plugin.isOrvLibrary());
}

void tst_PluginExports::pressHelpOfTheEditor()
{
    QWidget *editor = topLevel(QStringLiteral("orv_FormXml_K4810"));
    QVERIFY(editor);
    auto *help = editor->findChild<QPushButton *>(QStringLiteral("pushButton_Help"));
    QVERIFY(help);
    help->pressed();
}

void tst_PluginExports::secondInitializeRedirectsLaterRequests()
{
    g_requests.clear();
    pressHelpOfTheEditor();
    QCOMPARE(g_requests.size(), size_t(1));
    QCOMPARE(g_requests[0].host, 'A');
    QCOMPARE(g_requests[0].target, m_handle);
    QCOMPARE(g_requests[0].msgId, 2072u);
    QCOMPARE(g_requests[0].text, QStringLiteral("/Localization/Help/K-4810/k-4810p1.html"));

    m_plugin.initialize(hostB);
    pressHelpOfTheEditor();
    QCOMPARE(g_requests.size(), size_t(2));
    QCOMPARE(g_requests[1].host, 'B');
    QCOMPARE(g_requests[1].target, m_handle);
}

void tst_PluginExports::cleanupTestCase()
{
    // The device object deletes its windows when the library is unloaded.
    m_plugin.unload();
    QCOMPARE(topLevel(QStringLiteral("orv_FormXml_K4810")), nullptr);
}

QTEST_MAIN(tst_PluginExports)
#include "tst_pluginexports.moc"
