// The settings exchange end to end, through the plug-in's exports: the host
// hands the editor a settings file, the user presses the button that writes
// it to the tracker, and the host receives it block by block; a block the
// host refuses, or a tracker that goes away mid-write, ends the write with a
// message, and the next write starts afresh.

#include "host/pluginlibrary.h"
#include "tests/support/uiautomation.h"
#include "tests/support/testfiles.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace UiAutomation;

namespace {

struct HostState
{
    PluginLibrary *plugin = nullptr;
    uint32_t handle = 0;
    bool answerInsideSend = false;
    int refuseBlock = 0;      // answered with 3 instead of 1
    int detachAtBlock = 0;    // the tracker goes away instead of answering
    QList<QByteArray> blocks; // 1040-byte records as received
    QStringList written;      // paths named by 2027
    QByteArray writtenBytes;  // the file named by 2027, read during the call
    int acknowledged = 0;
};

HostState g_host;

void acknowledge(int block)
{
    ++g_host.acknowledged;
    if (block == g_host.detachAtBlock) {
        g_host.plugin->receiveMessage(g_host.handle, 2040, 0, 0);
        return;
    }
    g_host.plugin->receiveMessage(g_host.handle, 2026, block == g_host.refuseBlock ? 3 : 1, 0);
}

int32_t blockNumberOf(const QByteArray &record)
{
    const auto *p = reinterpret_cast<const uchar *>(record.constData() + 1028);
    return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

int32_t callback(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t)
{
    if (target != g_host.handle)
        return 0;
    if (msgId == 2025) {
        g_host.blocks << QByteArray(reinterpret_cast<const char *>(p1), 1040);
        const int block = blockNumberOf(g_host.blocks.last());
        if (g_host.answerInsideSend)
            acknowledge(block);
        else
            QTimer::singleShot(0, [block] { acknowledge(block); });
    } else if (msgId == 2027) {
        const QString path = *reinterpret_cast<const QString *>(p1);
        g_host.written << path;
        g_host.writtenBytes = TestFiles::read(path);
    }
    return 0;
}

int32_t i32(const QByteArray &b, int offset)
{
    const auto *p = reinterpret_cast<const uchar *>(b.constData() + offset);
    return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

intptr_t addr(const void *p)
{
    return reinterpret_cast<intptr_t>(p);
}

} // namespace

class tst_EditorExchange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writeToTracker_data();
    void writeToTracker();
    void failedWritesEndCleanly_data();
    void failedWritesEndCleanly();
    void cleanupTestCase();

private:
    PluginLibrary m_plugin;
    QTemporaryDir m_dir;
    void deliver(uint32_t msgId, intptr_t p1 = 0, intptr_t p2 = 0) { m_plugin.receiveMessage(g_host.handle, msgId, p1, p2); }
};

void tst_EditorExchange::initTestCase()
{
    QVERIFY2(m_plugin.load(qEnvironmentVariable("K4810_PLUGIN")), qPrintable(m_plugin.errorString()));
    g_host.plugin = &m_plugin;
    g_host.handle = PluginLibrary::infoHandle(m_plugin.libraryInfo());
    m_plugin.initialize(callback);

    const QString paths[4] = {m_dir.filePath(QStringLiteral("data")), m_dir.filePath(QStringLiteral("settings")),
                              QString(), QString()};
    deliver(2049, addr(paths));
    const QString model = QStringLiteral("K-4810");
    const QString id = QStringLiteral("356000000000001");
    deliver(2039, addr(&model), addr(&id));
}

void tst_EditorExchange::writeToTracker_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::newRow("host answers later") << false;
    QTest::newRow("host answers inside send") << true;
}

void tst_EditorExchange::writeToTracker()
{
    QFETCH(bool, insideSend);
    g_host.answerInsideSend = insideSend;
    g_host.blocks.clear();
    g_host.written.clear();
    g_host.writtenBytes.clear();

    // The configuration as the host read it from the tracker.
    const QString fromTracker = m_dir.filePath(QStringLiteral("from tracker.xml"));
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE model=\"K-4810\">\n"
                     "\t<TRANSFER page=\"TRANSFER\">\n\t\t<objectName>Bus \xB9 12</objectName>\n"
                     "\t\t<GPRSopAPN>internet.example</GPRSopAPN>\n\t</TRANSFER>\n"
                     "\t<TRACK page=\"TRACK\">\n\t\t<GPSmaxHDOP>3.5</GPSmaxHDOP>\n\t</TRACK>\n</DEVICE>\n";
    for (int i = 0; i < 40; ++i) // long enough for several blocks
        xml.insert(xml.indexOf("\t</TRANSFER>"), QByteArray("\t\t<GPRSSrv1Name>reserve.example</GPRSSrv1Name>\n"));
    QVERIFY(TestFiles::write(fromTracker, xml));

    const QString path = fromTracker;
    const int32_t modes[2] = {0, 0};
    deliver(2023, addr(&path), addr(modes));
    QWidget *editor = topLevel(QStringLiteral("orv_FormXml_K4810"));
    QVERIFY(editor && editor->isVisible());
    QCOMPARE(editor->windowTitle(), QStringLiteral("K - 4810 : from tracker.xml"));

    auto *load = editor->findChild<QPushButton *>(QStringLiteral("pushButton_LoadToDevice"));
    QVERIFY(load && load->isEnabled());
    acceptNextQuestion();
    load->pressed();
    QTRY_COMPARE_WITH_TIMEOUT(g_host.written.size(), 1, 10000);

    // The blocks reassemble byte for byte into the file that 2027 names.
    QVERIFY(g_host.blocks.size() >= 2);
    QByteArray reassembled;
    for (int i = 0; i < g_host.blocks.size(); ++i) {
        const QByteArray &b = g_host.blocks.at(i);
        QCOMPARE(i32(b, 1028), i + 1);
        QCOMPARE(i32(b, 1032), int(g_host.blocks.size()));
        QCOMPARE(i32(b, 1036), 100 + i);
        const int length = i32(b, 1024);
        QVERIFY(length > 0 && length <= 512);
        reassembled += b.left(length);
    }
    QCOMPARE(reassembled, g_host.writtenBytes);
    QCOMPARE(g_host.acknowledged >= g_host.blocks.size(), true);

    // It is the configuration that was opened, written anew.
    QVERIFY(reassembled.startsWith("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE "));
    QVERIFY(reassembled.contains("<objectName>Bus \xB9 12</objectName>"));
    QVERIFY(reassembled.contains("<GPRSopAPN>internet.example</GPRSopAPN>"));
    QVERIFY(reassembled.contains("<GPSmaxHDOP>3.5</GPSmaxHDOP>"));
    QVERIFY2(!QFile::exists(g_host.written.first()), "the temporary file is gone after the write");
    QTRY_VERIFY(load->isEnabled());
}

void tst_EditorExchange::failedWritesEndCleanly_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::addColumn<int>("refuse");
    QTest::addColumn<int>("detach");
    QTest::addColumn<QString>("message");
    QTest::newRow("block 2 refused, later") << false << 2 << 0 << "K4810_1707";
    QTest::newRow("block 2 refused, inside send") << true << 2 << 0 << "K4810_1707";
    QTest::newRow("detached at block 3, later") << false << 0 << 3 << "K4810_1710";
    QTest::newRow("detached at block 3, inside send") << true << 0 << 3 << "K4810_1710";
}

void tst_EditorExchange::failedWritesEndCleanly()
{
    QFETCH(bool, insideSend);
    QFETCH(int, refuse);
    QFETCH(int, detach);
    QFETCH(QString, message);
    const QString model = QStringLiteral("K-4810");
    const QString id = QStringLiteral("356000000000001");
    deliver(2039, addr(&model), addr(&id));
    g_host.answerInsideSend = insideSend;
    g_host.refuseBlock = refuse;
    g_host.detachAtBlock = detach;
    g_host.blocks.clear();
    g_host.written.clear();

    const QString path = m_dir.filePath(QStringLiteral("from tracker.xml")); // written by writeToTracker
    const int32_t modes[2] = {0, 0};
    deliver(2023, addr(&path), addr(modes));
    QWidget *editor = topLevel(QStringLiteral("orv_FormXml_K4810"));
    auto *load = editor->findChild<QPushButton *>(QStringLiteral("pushButton_LoadToDevice"));
    QVERIFY(load && load->isEnabled());
    acceptWriteComparison();
    load->pressed();

    // The write ends: a message, the window usable again, nothing applied.
    QMessageBox *box = nullptr;
    QTRY_VERIFY((box = [] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *b = qobject_cast<QMessageBox *>(w); b && b->isVisible())
                return b;
        }
        return static_cast<QMessageBox *>(nullptr);
    }()));
    QCOMPARE(box->text(), message);
    box->buttons().first()->click();
    QCOMPARE(g_host.blocks.size(), refuse ? refuse : detach);
    QVERIFY(g_host.written.isEmpty());
    QTest::qWait(20); // late answers find no write
    QCOMPARE(g_host.blocks.size(), refuse ? refuse : detach);
    QVERIFY(editor->findChild<QPushButton *>(QStringLiteral("pushButton_SaveToFile"))->isEnabled());

    // Online again, the next write runs from block 1.
    deliver(2039, addr(&model), addr(&id));
    g_host.refuseBlock = 0;
    g_host.detachAtBlock = 0;
    g_host.blocks.clear();
    QTRY_VERIFY(load->isEnabled());
    acceptNextQuestion();
    load->pressed();
    QTRY_COMPARE_WITH_TIMEOUT(g_host.written.size(), 1, 10000);
    QCOMPARE(blockNumberOf(g_host.blocks.first()), 1);
}

void tst_EditorExchange::cleanupTestCase()
{
    m_plugin.unload();
}

QTEST_MAIN(tst_EditorExchange)
#include "tst_editorexchange.moc"
