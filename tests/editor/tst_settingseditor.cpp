// The settings editor: navigation, page menu, help, settings files, the
// block-by-block write to the tracker, polling and the routing of answers
// to the page that waits for them.

#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"
#include "core/formwait.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "settings/editor/orv_formxml_light.h"
#include "settings/editor/settingsblockwrite.h"
#include "settings/model/settingsmodel.h"
#include "settings/pages/orv_settingspage.h"
#include "settings/pages/settingsbinder.h"
#include "tests/support/testfiles.h"
#include "ui_orv_formdesigned.h"

#include <QAction>
#include <QDir>
#include <QDoubleSpinBox>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

struct Request
{
    uint32_t msgId;
    intptr_t p1;
    intptr_t p2;
    QString text;     // &text requests
    QByteArray block; // 2025: the 1040-byte record
};

std::vector<Request> g_requests;
std::function<void(const Request &)> g_answer; // answers from inside send, when set

int32_t host(uint32_t, uint32_t msgId, intptr_t p1, intptr_t p2)
{
    Request r{msgId, p1, p2, {}, {}};
    if ((msgId == OrvMsg::Help || msgId == OrvMsg::SettingsWritten) && p1)
        r.text = *reinterpret_cast<const QString *>(p1);
    if (msgId == OrvMsg::SettingsBlock && p1)
        r.block = QByteArray(reinterpret_cast<const char *>(p1), 1040);
    if (msgId == OrvMsg::SettingsWritten && p1)
        r.block = TestFiles::read(r.text); // the file lives only for this call
    g_requests.push_back(r);
    if (g_answer)
        g_answer(r);
    return 0;
}

int32_t i32(const QByteArray &b, int offset)
{
    const auto *p = reinterpret_cast<const uchar *>(b.constData() + offset);
    return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

std::vector<Request> requestsOf(uint32_t msgId)
{
    std::vector<Request> out;
    for (const Request &r : g_requests) {
        if (r.msgId == msgId)
            out.push_back(r);
    }
    return out;
}

intptr_t addr(const void *p)
{
    return reinterpret_cast<intptr_t>(p);
}

// A page that records what the editor hands it.
class RecordingPage : public ORV_SettingsPage
{
public:
    explicit RecordingPage(orv_FormXml_K4810 *editor, QString title = QStringLiteral("Test"))
        : ORV_SettingsPage(editor)
        , m_title(std::move(title))
    {
    }
    QString title() const override { return m_title; }
    void onOneWireCode(quint64 code) override { calls << QStringLiteral("code %1").arg(code, 0, 16); }
    void showLiveValues(const TrackerAnswers::StateRecord &r) override
    {
        calls << QStringLiteral("live %1 %2").arg(QString::fromLatin1(r.tag), QString::fromLatin1(r.last4));
    }
    void showFuelLevels(const TrackerAnswers::FuelLevels &f) override
    {
        QStringList levels;
        for (int l : f.levels)
            levels << QString::number(l);
        calls << QStringLiteral("fuel %1 [%2]").arg(f.count).arg(levels.join(','));
    }
    void onAccelerometerCycle(const TrackerAnswers::AccelCycle &a) override
    {
        calls << QStringLiteral("cycle %1").arg(a.continues);
    }
    void onSystemValue(const QByteArray &v) override { calls << QStringLiteral("system %1").arg(QString::fromLatin1(v)); }
    void onCanValue(char v) override { calls << QStringLiteral("can %1").arg(QLatin1Char(v)); }
    void onTouchMemoryRead(const TrackerAnswers::TouchMemoryRead &t) override
    {
        calls << QStringLiteral("tm %1 %2").arg(t.status).arg(t.value);
    }
    void onAnswer(uint32_t msgId, intptr_t, intptr_t p2) override { calls << QStringLiteral("answer %1 %2").arg(msgId).arg(p2); }
    void stopLive() override { calls << QStringLiteral("stop"); }
    QStringList calls;

private:
    QString m_title;
};

// A designed page as a page engineer writes one: a class and its .ui whose
// widgets carry settingsPath; a user-action rule on a signal; no load or save.
class ORV_FormDesigned : public ORV_SettingsPage
{
public:
    explicit ORV_FormDesigned(orv_FormXml_K4810 *editor)
        : ORV_SettingsPage(editor)
    {
        ui.setupUi(this);
        // When the user switches rejection off, HDOP goes back to 2.5.
        connect(ui.checkBox_Reject, &QCheckBox::toggled, this, [this](bool on) {
            ++ruleRuns;
            if (!on)
                ui.doubleSpinBox_HDOP->setValue(2.5);
        });
    }
    Ui::ORV_FormDesigned ui;
    int ruleRuns = 0;
    int loads = 0;

protected:
    void afterLoad() override { ++loads; }
};

} // namespace

class tst_SettingsEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tabsAndMenu();
    void navigationEnabling_data();
    void navigationEnabling();
    void menuEntrySelectsItsTab();
    void helpPath_data();
    void helpPath();
    void proposedSavePath();
    void titleModes_data();
    void titleModes();
    void unreadableFileKeepsWhatWasShown();
    void writeReplacesTheFileWhole();
    void writeAndReadBackKeepsEverySection();
    void unstorableValuesAreNamedBeforeSaving();
    void designedPageIsBoundByItsUi();
    void blockWrite_data();
    void blockWrite();
    void repeatSendsTheSameBlock();
    void refusedBlockEndsTheWrite();
    void cancelInTheProgressWindow();
    void declinedQuestionSendsNo2027();
    void progressTexts();
    void settingsBlockLayout();
    void onlineEnablesWriting();
    void detachDuringWriteReleasesTheControls();
    void switchLeavesNoTemporaryFile();
    void switchHandsTheModelOver();
    void loadToDeviceLeavesNoTemporaryFile();
    void answersReachTheCurrentPage();
    void answersNoPageWaitsForAreIgnored();
    void answersOfTheWrongLengthAreIgnored_data();
    void answersOfTheWrongLengthAreIgnored();
    void pollingCycle();
    void tabChangeStopsPolling();
    void forwardersOnlyForTheAccelerometerPage();

private:
    std::unique_ptr<ORV_Device_K4810> m_device;
    orv_FormXml_K4810 *m_editor = nullptr;
    QTemporaryDir m_dir;
    QStringList m_questions;
    QStringList m_messages;
    bool m_answerYes = true;

    void deliver(uint32_t msgId, intptr_t p1 = 0, intptr_t p2 = 0)
    {
        m_device->receive(m_device->handle(), msgId, p1, p2);
    }
    void attach()
    {
        const QString model = QStringLiteral("K-4810");
        const QString id = QStringLiteral("356000000000001");
        deliver(OrvMsg::TrackerAttached, addr(&model), addr(&id));
    }
    QString writeFile(const QString &name, int size);
    RecordingPage *installRecordingPage(int position);
    void runWrite(const QString &file, bool answerInsideSend);
};

void tst_SettingsEditor::init()
{
    g_requests.clear();
    g_answer = nullptr;
    m_questions.clear();
    m_messages.clear();
    m_answerYes = true;
    m_device = std::make_unique<ORV_Device_K4810>(QStringLiteral("K-4810"), 2, 7, 3, 6);
    m_device->initialize(host);
    m_editor = m_device->ensureSettingsWindow();
    m_editor->setQuestion([this](const QString &title, const QString &, const QString &, const QString &) {
        m_questions << title;
        return m_answerYes;
    });
    m_editor->setNotifier([this](const QString &title, const QString &text) { m_messages << title + QLatin1Char('|') + text; });
    // Unsaved changes are dropped when another file comes (tst_settingsreview asks).
    m_editor->setUnsavedChoice([](int) { return orv_FormXml_K4810::UnsavedAnswer::Discard; });
}

void tst_SettingsEditor::cleanup()
{
    g_answer = nullptr;
    m_device.reset();
}

QString tst_SettingsEditor::writeFile(const QString &name, int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char('A' + (i * 7) % 26);
    const QString path = m_dir.filePath(name);
    TestFiles::write(path, bytes);
    return path;
}

RecordingPage *tst_SettingsEditor::installRecordingPage(int position)
{
    auto *page = new RecordingPage(m_editor);
    m_editor->setPage(position, page);
    return page;
}

void tst_SettingsEditor::tabsAndMenu()
{
    auto *tabs = m_editor->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QCOMPARE(tabs->count(), 15); // sixteen positions, no Email page
    QCOMPARE(tabs->tabText(0), QStringLiteral("1. K4810_049"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("2. K4810_050"));
    QCOMPARE(tabs->tabText(13), QStringLiteral("14. K4810_1427"));
    QCOMPARE(tabs->tabText(14), QStringLiteral("15. Bluetooth"));
    QCOMPARE(m_editor->page(orv_FormXml_K4810::PageEmail), nullptr);
    QCOMPARE(m_editor->page(orv_FormXml_K4810::PageBluetooth)->tabIndex(), 14);

    const QList<QAction *> actions = m_editor->pageMenu()->actions();
    QCOMPARE(actions.size(), 15);
    for (int i = 0; i < actions.size(); ++i)
        QCOMPARE(actions[i]->text(), tabs->tabText(i));
    // No tracker is attached: the title says so.
    QCOMPARE(m_editor->windowTitle(), QStringLiteral("K - 4810 \u2014 K4810_3085"));
}

void tst_SettingsEditor::navigationEnabling_data()
{
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("backEnabled");
    QTest::addColumn<bool>("forwardEnabled");
    QTest::newRow("first tab") << "pushButton_First" << 0 << false << true;
    QTest::newRow("last tab") << "pushButton_Last" << 14 << true << false;
    QTest::newRow("next from the first") << "pushButton_NextScreen" << 1 << true << true;
    QTest::newRow("previous from the first stays") << "pushButton_PrevScreen" << 0 << false << true;
}

void tst_SettingsEditor::navigationEnabling()
{
    QFETCH(QString, press);
    QFETCH(int, tab);
    QFETCH(bool, backEnabled);
    QFETCH(bool, forwardEnabled);
    m_editor->setCurrentTab(0);
    m_editor->findChild<QPushButton *>(press)->pressed();
    QCOMPARE(m_editor->currentTab(), tab);
    QCOMPARE(m_editor->findChild<QPushButton *>("pushButton_First")->isEnabled(), backEnabled);
    QCOMPARE(m_editor->findChild<QPushButton *>("pushButton_PrevScreen")->isEnabled(), backEnabled);
    QCOMPARE(m_editor->findChild<QPushButton *>("pushButton_NextScreen")->isEnabled(), forwardEnabled);
    QCOMPARE(m_editor->findChild<QPushButton *>("pushButton_Last")->isEnabled(), forwardEnabled);

    // Next on the last tab never leaves the range.
    m_editor->findChild<QPushButton *>("pushButton_Last")->pressed();
    m_editor->findChild<QPushButton *>("pushButton_NextScreen")->pressed();
    QCOMPARE(m_editor->currentTab(), 14);
}

void tst_SettingsEditor::menuEntrySelectsItsTab()
{
    m_editor->setCurrentTab(9);
    const QList<QAction *> actions = m_editor->pageMenu()->actions();
    actions.at(3)->trigger();
    QCOMPARE(m_editor->currentTab(), 3);
    actions.at(12)->trigger();
    QCOMPARE(m_editor->currentTab(), 12);
}

void tst_SettingsEditor::helpPath_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("path");
    QTest::newRow("first tab") << 0 << "/Localization/Help/K-4810/k-4810p1.html";
    QTest::newRow("third tab") << 2 << "/Localization/Help/K-4810/k-4810p3.html";
    QTest::newRow("fifth tab") << 4 << "/Localization/Help/K-4810/k-4810p5.html";
    QTest::newRow("last tab") << 14 << "/Localization/Help/K-4810/k-4810p15.html";
}

void tst_SettingsEditor::helpPath()
{
    QFETCH(int, tab);
    QFETCH(QString, path);
    m_editor->setCurrentTab(tab);
    m_editor->findChild<QPushButton *>("pushButton_Help")->pressed();
    const auto help = requestsOf(OrvMsg::Help);
    QCOMPARE(help.size(), size_t(1));
    QCOMPARE(help[0].text, path);
}

void tst_SettingsEditor::proposedSavePath()
{
    const QString paths[4] = {QStringLiteral("C:/data"), QStringLiteral("C:/cfg"), {}, {}};
    deliver(OrvMsg::WorkingPaths, addr(paths));
    SettingsModel *model = m_editor->model();
    QVERIFY(model->setText(QStringLiteral("TRANSFER"), QStringLiteral("objectName"), QStringLiteral("Bus 12")));
    const QDateTime at(QDate(2026, 2, 3), QTime(14, 5, 9));
    QCOMPARE(m_editor->proposedSavePath(at), QStringLiteral("C:/cfg/Bus 12(03-02-26 14_05_09).xml"));

    // Without a name, and without a settings directory.
    QVERIFY(model->setText(QStringLiteral("TRANSFER"), QStringLiteral("objectName"), QString()));
    const QString none[4];
    deliver(OrvMsg::WorkingPaths, addr(none));
    QCOMPARE(m_editor->proposedSavePath(at), QStringLiteral("../NONAME(03-02-26 14_05_09).xml"));
}

void tst_SettingsEditor::titleModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("title");
    // (No tracker is attached: the title says so after the name.)
    QTest::newRow("0: file name only") << 0 << QStringLiteral("K - 4810 : Bus 12.xml \u2014 K4810_3085");
    QTest::newRow("1: no name") << 1 << QStringLiteral("K - 4810 :  \u2014 K4810_3085");
    QTest::newRow("3: unchanged") << 3 << "before";
}

void tst_SettingsEditor::titleModes()
{
    QFETCH(int, mode);
    QFETCH(QString, title);
    const QString path = m_dir.filePath(QStringLiteral("Bus 12.xml"));
    QCOMPARE(m_editor->writeSettingsFile(path), 0);
    m_editor->setWindowTitle(QStringLiteral("before"));
    QCOMPARE(m_editor->openSettingsFile(path, mode), 0);
    QCOMPARE(m_editor->windowTitle(), title);
}

void tst_SettingsEditor::unreadableFileKeepsWhatWasShown()
{
    // A file that cannot be read is refused with its reason; the values
    // shown and the title stay (earlier the editor opened with defaults).
    const QString junk = m_dir.filePath(QStringLiteral("junk.xml"));
    TestFiles::write(junk, QByteArray("\x00\x01\x02 not xml", 12));
    m_editor->resetAll();
    QCOMPARE(m_editor->windowTitle(), QStringLiteral("K - 4810 : NONAME \u2014 K4810_3085"));
    QVERIFY(m_editor->model()->setText(QStringLiteral("TRACK"), QStringLiteral("GPSmaxHDOP"), QStringLiteral("3.5")));
    QCOMPARE(m_editor->openSettingsFile(junk, 0), -1);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.at(0).startsWith(QStringLiteral("K4810_1700|K4810_1701")), qPrintable(m_messages.at(0)));
    QCOMPARE(m_editor->openSettingsFile(m_dir.filePath(QStringLiteral("missing.xml")), 0), -1);
    QCOMPARE(m_messages.size(), 2);
    QVERIFY2(!QFile::exists(m_dir.filePath(QStringLiteral("missing.xml"))), "reading creates no file");
    QCOMPARE(m_editor->windowTitle(), QStringLiteral("K - 4810 : NONAME \u2014 K4810_3085"));
    QCOMPARE(m_editor->model()->value(QStringLiteral("TRACK"), QStringLiteral("GPSmaxHDOP")).toDouble(), 3.5);
    QCOMPARE(TestFiles::read(junk), QByteArray("\x00\x01\x02 not xml", 12));

    // Through the host's message: the window shows what it had.
    const QString path = junk;
    const int32_t modes[2] = {0, 0};
    deliver(OrvMsg::OpenSettingsFile, addr(&path), addr(modes));
    QVERIFY(m_editor->isVisible());
    QCOMPARE(m_messages.size(), 3);
    QCOMPARE(m_editor->model()->value(QStringLiteral("TRACK"), QStringLiteral("GPSmaxHDOP")).toDouble(), 3.5);
}

void tst_SettingsEditor::writeReplacesTheFileWhole()
{
    // An older file at the chosen path: its sections must not survive the save.
    const QString path = m_dir.filePath(QStringLiteral("old.xml"));
    TestFiles::write(path, "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE>\n\t<TRACK>\n"
                           "\t\t<GPSmaxHDOP>9.9</GPSmaxHDOP>\n\t</TRACK>\n\t<STALE>\n\t</STALE>\n</DEVICE>\n");
    QCOMPARE(m_editor->writeSettingsFile(path), 0);
    const QByteArray written = TestFiles::read(path);
    QVERIFY(!written.contains("STALE"));
    QVERIFY(!written.contains("9.9"));
    QCOMPARE(written.count("<TRACK"), 1);
    QVERIFY(written.startsWith("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE "));
    for (const char *header : {"model=\"K-4810\"", "modification=\"1\"", "type=\"params\"", "vendor=\"QUARTOLINK\"",
                               "version=\"2.7\""})
        QVERIFY2(written.contains(header), header);

    // A path that cannot be written reports failure and leaves nothing behind.
    QCOMPARE(m_editor->writeSettingsFile(m_dir.filePath(QStringLiteral("no/such/dir/x.xml"))), -1);
}

void tst_SettingsEditor::writeAndReadBackKeepsEverySection()
{
    // Values edited on a page come back after a save and a load; sections
    // the catalogue does not describe are carried through unchanged.
    const QString source = m_dir.filePath(QStringLiteral("source.xml"));
    TestFiles::write(source, "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE model=\"K-4810\">\n"
                             "\t<CAN>\n\t\t<canUse>1</canUse>\n\t\t<FILTER id=\"5\" />\n\t</CAN>\n</DEVICE>\n");
    QCOMPARE(m_editor->openSettingsFile(source, 0), 0);
    ORV_SettingsPage *track = m_editor->page(orv_FormXml_K4810::PageTrack);
    auto *hdop = qobject_cast<QDoubleSpinBox *>(track->binder()->widgetsOf(QStringLiteral("GPSmaxHDOP")).value(0));
    QVERIFY(hdop);
    QCOMPARE(hdop->value(), 2.5);
    hdop->setValue(3.5); // as the user types it

    const QString saved = m_dir.filePath(QStringLiteral("saved.xml"));
    QCOMPARE(m_editor->writeSettingsFile(saved), 0);
    const QByteArray bytes = TestFiles::read(saved);
    QVERIFY2(bytes.contains("<canUse>1</canUse>"), bytes.constData());
    QVERIFY(bytes.contains("<FILTER id=\"5\"/>"));
    QVERIFY(bytes.contains("<GPSmaxHDOP>3.5</GPSmaxHDOP>"));

    m_editor->resetAll();
    QCOMPARE(hdop->value(), 2.5);
    QCOMPARE(m_editor->openSettingsFile(saved, 0), 0);
    QCOMPARE(hdop->value(), 3.5);
    // Saving what was read gives the same file.
    const QString again = m_dir.filePath(QStringLiteral("again.xml"));
    QCOMPARE(m_editor->writeSettingsFile(again), 0);
    QCOMPARE(TestFiles::read(again), bytes);
}

void tst_SettingsEditor::designedPageIsBoundByItsUi()
{
    auto *page = new ORV_FormDesigned(m_editor);
    m_editor->setPage(orv_FormXml_K4810::PageTrack, page);
    QCOMPARE(page->section(), QStringLiteral("TRACK"));
    QCOMPARE(page->title(), QStringLiteral("K4810_150")); // from the page table
    QCOMPARE(page->loads, 1);

    const QString source = m_dir.filePath(QStringLiteral("designed.xml"));
    TestFiles::write(source, "<DEVICE><TRANSFER><objectName>Bus 7</objectName></TRANSFER><TRACK>"
                             "<GPSreject>0</GPSreject><GPSmaxHDOP>4.0</GPSmaxHDOP>"
                             "<GPSdistanceForWriteTelemetry>0.2504</GPSdistanceForWriteTelemetry>"
                             "<GPSaverSettings no_aver=\"1110\"/></TRACK></DEVICE>");
    QCOMPARE(m_editor->openSettingsFile(source, 0), 0);
    QCOMPARE(page->loads, 2);
    QCOMPARE(page->ruleRuns, 0); // loading runs no user rule: HDOP stays 4.0
    QVERIFY(!page->ui.checkBox_Reject->isChecked());
    QCOMPARE(page->ui.doubleSpinBox_HDOP->value(), 4.0);
    QVERIFY(!page->ui.doubleSpinBox_HDOP->isEnabled());
    QCOMPARE(page->ui.spinBox_Distance->value(), 251);
    QVERIFY(page->ui.checkBox_NoAver3->isChecked());
    QCOMPARE(page->ui.lineEdit_ObjectName->text(), QStringLiteral("Bus 7"));

    // The user's actions go into the model.
    page->ui.checkBox_Reject->click();
    QVERIFY(page->ui.doubleSpinBox_HDOP->isEnabled());
    page->ui.checkBox_NoAver3->click();
    page->ui.lineEdit_ObjectName->setText(QStringLiteral("Bus 8"));
    SettingsModel *model = m_editor->model();
    QCOMPARE(model->text(QStringLiteral("TRACK"), QStringLiteral("GPSreject")), QStringLiteral("1"));
    QCOMPARE(model->text(QStringLiteral("TRACK"), QStringLiteral("GPSaverSettings/no_aver")), QStringLiteral("1100"));
    QCOMPARE(m_editor->settingsObjectName(), QStringLiteral("Bus 8"));
    page->ui.checkBox_Reject->click();
    QCOMPARE(page->ruleRuns, 2);
    QCOMPARE(model->text(QStringLiteral("TRACK"), QStringLiteral("GPSmaxHDOP")), QStringLiteral("2.5"));
    QCOMPARE(model->text(QStringLiteral("TRACK"), QStringLiteral("GPSdistanceForWriteTelemetry")),
             QStringLiteral("0.2504")); // untouched
}

void tst_SettingsEditor::unstorableValuesAreNamedBeforeSaving()
{
    const QString source = m_dir.filePath(QStringLiteral("utf8.xml"));
    TestFiles::write(source, "<?xml version=\"1.0\" encoding=\"UTF-8\"?><DEVICE><TRANSFER>"
                             "<objectName>M\xC3\xBCller \xE6\x97\xA5\xE6\x9C\xAC</objectName></TRANSFER></DEVICE>");
    QCOMPARE(m_editor->openSettingsFile(source, 0), 0);
    int chooserCalls = 0;
    const QString target = m_dir.filePath(QStringLiteral("target.xml"));
    m_editor->setSaveFileChooser([&](const QString &, const QString &, const QString &) {
        ++chooserCalls;
        return target;
    });
    m_answerYes = false;
    m_editor->findChild<QPushButton *>("pushButton_SaveToFile")->pressed();
    QCOMPARE(m_questions, QStringList{QStringLiteral("K4810_1702")});
    QCOMPARE(chooserCalls, 0);
    QVERIFY(!QFile::exists(target));
    attach();
    m_editor->findChild<QPushButton *>("pushButton_LoadToDevice")->pressed();
    QCOMPARE(m_questions.size(), 2);
    QVERIFY(requestsOf(OrvMsg::SettingsBlock).empty());

    m_answerYes = true;
    m_editor->findChild<QPushButton *>("pushButton_SaveToFile")->pressed();
    QCOMPARE(chooserCalls, 1);
    QVERIFY(TestFiles::read(target).contains("<objectName>M?ller ?\?</objectName>"));
}

void tst_SettingsEditor::runWrite(const QString &file, bool answerInsideSend)
{
    if (answerInsideSend) {
        g_answer = [this](const Request &r) {
            if (r.msgId == OrvMsg::SettingsBlock)
                deliver(OrvMsg::SettingsBlockAck, 1);
        };
    }
    attach();
    QVERIFY(m_editor->beginBlockWrite(file));
    QVERIFY(m_editor->progressWindow()->isVisible());
    if (!answerInsideSend) {
        size_t acked = 0;
        for (int guard = 0; guard < 100 && m_editor->isWriting(); ++guard) {
            const auto blocks = requestsOf(OrvMsg::SettingsBlock);
            if (blocks.size() > acked) {
                acked = blocks.size();
                deliver(OrvMsg::SettingsBlockAck, 1);
            }
            QCoreApplication::processEvents();
        }
    }
    QTRY_VERIFY(!m_editor->isWriting());
}

void tst_SettingsEditor::blockWrite_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("insideSend");
    QTest::addColumn<QList<int>>("lengths");
    QTest::newRow("1300 bytes") << 1300 << false << QList<int>{512, 512, 276};
    QTest::newRow("1300 bytes, answered inside send") << 1300 << true << QList<int>{512, 512, 276};
    QTest::newRow("exactly 1024 bytes") << 1024 << false << QList<int>{512, 512};
    QTest::newRow("one byte") << 1 << true << QList<int>{1};
    QTest::newRow("100 blocks inside send") << 51200 << true << QList<int>(100, 512);
}

void tst_SettingsEditor::blockWrite()
{
    QFETCH(int, size);
    QFETCH(bool, insideSend);
    QFETCH(QList<int>, lengths);
    const QString file = writeFile(QStringLiteral("w.xml"), size);
    const QByteArray content = TestFiles::read(file);
    runWrite(file, insideSend);

    const auto blocks = requestsOf(OrvMsg::SettingsBlock);
    QCOMPARE(int(blocks.size()), lengths.size());
    QByteArray reassembled;
    for (int i = 0; i < lengths.size(); ++i) {
        const QByteArray &b = blocks[size_t(i)].block;
        QCOMPARE(i32(b, 1024), lengths[i]);
        QCOMPARE(i32(b, 1028), i + 1);
        QCOMPARE(i32(b, 1032), lengths.size());
        QCOMPARE(i32(b, 1036), 100 + i);
        QCOMPARE(blocks[size_t(i)].p2, intptr_t(0));
        reassembled += b.left(lengths[i]);
    }
    QCOMPARE(reassembled, content);

    // The question comes only after the last block; 2027 names the file.
    QCOMPARE(m_questions, QStringList{QStringLiteral("K4810_024")});
    const auto written = requestsOf(OrvMsg::SettingsWritten);
    QCOMPARE(written.size(), size_t(1));
    QCOMPARE(written[0].text, file);
    QCOMPARE(written[0].block, content);
    QVERIFY2(!QFile::exists(file), "the written file is deleted after the question");
    QVERIFY(!m_editor->progressWindow()->isVisible());
    QVERIFY(m_editor->findChild<QPushButton *>("pushButton_SaveToFile")->isEnabled());
}

void tst_SettingsEditor::repeatSendsTheSameBlock()
{
    const QString file = writeFile(QStringLiteral("r.xml"), 1300);
    attach();
    QVERIFY(m_editor->beginBlockWrite(file));
    deliver(OrvMsg::SettingsBlockAck, 1);
    QTRY_COMPARE(requestsOf(OrvMsg::SettingsBlock).size(), size_t(2));
    deliver(OrvMsg::SettingsBlockAck, 2);
    QTRY_COMPARE(requestsOf(OrvMsg::SettingsBlock).size(), size_t(3));
    deliver(OrvMsg::SettingsBlockAck, 2);
    QTRY_COMPARE(requestsOf(OrvMsg::SettingsBlock).size(), size_t(4));
    const auto blocks = requestsOf(OrvMsg::SettingsBlock);
    for (size_t i : {size_t(1), size_t(2), size_t(3)}) {
        QCOMPARE(i32(blocks[i].block, 1028), 2);
        QCOMPARE(i32(blocks[i].block, 1036), 101);
        QCOMPARE(blocks[i].block, blocks[1].block);
    }
    QCOMPARE(m_editor->bytesWritten(), 512);
    deliver(OrvMsg::SettingsBlockAck, 1);
    QTRY_COMPARE(requestsOf(OrvMsg::SettingsBlock).size(), size_t(5));
    deliver(OrvMsg::SettingsBlockAck, 1);
    QTRY_VERIFY(!m_editor->isWriting());
    QCOMPARE(requestsOf(OrvMsg::SettingsWritten).size(), size_t(1));
}

void tst_SettingsEditor::refusedBlockEndsTheWrite()
{
    // An acknowledgement other than 1 or 2 ends the write with a message
    // (it used to leave the write hanging); a late one changes nothing.
    const QString file = writeFile(QStringLiteral("f.xml"), 1300);
    attach();
    QVERIFY(m_editor->beginBlockWrite(file));
    deliver(OrvMsg::SettingsBlockAck, 1);
    QTRY_COMPARE(requestsOf(OrvMsg::SettingsBlock).size(), size_t(2));
    deliver(OrvMsg::SettingsBlockAck, 7);
    QVERIFY(!m_editor->isWriting());
    QCOMPARE(m_editor->blockWrite()->state(), SettingsBlockWrite::State::Failed);
    QCOMPARE(m_messages, QStringList{QStringLiteral("K4810_1600|K4810_1707")});
    QVERIFY(!m_editor->progressWindow()->isVisible());
    QVERIFY(!QFile::exists(file));
    QVERIFY(m_editor->findChild<QPushButton *>("pushButton_LoadToDevice")->isEnabled());
    deliver(OrvMsg::SettingsBlockAck, 1);
    QTest::qWait(5);
    QCOMPARE(requestsOf(OrvMsg::SettingsBlock).size(), size_t(2));
    QVERIFY(requestsOf(OrvMsg::SettingsWritten).empty());

    // The next write starts afresh.
    const QString next = writeFile(QStringLiteral("g.xml"), 10);
    QVERIFY(m_editor->beginBlockWrite(next));
    QCOMPARE(i32(requestsOf(OrvMsg::SettingsBlock).back().block, 1028), 1);
    QCOMPARE(i32(requestsOf(OrvMsg::SettingsBlock).back().block, 1036), 100);
}

void tst_SettingsEditor::cancelInTheProgressWindow()
{
    const QString file = writeFile(QStringLiteral("c.xml"), 1300);
    attach();
    QVERIFY(m_editor->beginBlockWrite(file));
    auto *cancel = m_editor->progressWindow()->findChild<QPushButton *>(QStringLiteral("pushButton_Cancel"));
    QVERIFY(cancel && cancel->isVisible());
    QCOMPARE(cancel->text(), QStringLiteral("K4810_1706"));
    cancel->pressed();
    QVERIFY(!m_editor->isWriting());
    QVERIFY(!m_editor->progressWindow()->isVisible());
    QVERIFY(m_messages.isEmpty()); // the user knows
    QVERIFY(!QFile::exists(file));
    deliver(OrvMsg::SettingsBlockAck, 1);
    QTest::qWait(5);
    QCOMPARE(requestsOf(OrvMsg::SettingsBlock).size(), size_t(1));
}

void tst_SettingsEditor::declinedQuestionSendsNo2027()
{
    m_answerYes = false;
    const QString file = writeFile(QStringLiteral("d.xml"), 10);
    runWrite(file, true);
    QCOMPARE(m_questions.size(), 1);
    QVERIFY(requestsOf(OrvMsg::SettingsWritten).empty());
    QVERIFY(!QFile::exists(file));
}

void tst_SettingsEditor::progressTexts()
{
    QCOMPARE(orv_FormXml_K4810::progressStatus(10, 600, 1800),
             QStringLiteral("K4810_02200:00:10K4810_02300:00:20"));
    QCOMPARE(orv_FormXml_K4810::formatDuration(0), QStringLiteral("00:00:00"));
    QCOMPARE(orv_FormXml_K4810::formatDuration(3725), QStringLiteral("01:02:05"));
    QCOMPARE(orv_FormXml_K4810::formatDuration(100 * 3600), QStringLiteral("100:00:00"));

    // The wait window during a write.
    const QString file = writeFile(QStringLiteral("p.xml"), 1300);
    attach();
    QVERIFY(m_editor->beginBlockWrite(file));
    FormWait *wait = m_editor->progressWindow();
    QCOMPARE(wait->message(), QStringLiteral("K4810_020"));
    QCOMPARE(wait->total(), QStringLiteral("1.3 Kb"));
    QCOMPARE(wait->current(), QStringLiteral("0"));
    QCOMPARE(wait->status(), QStringLiteral("K4810_021"));
    QCOMPARE(wait->maximum(), 1300);
    deliver(OrvMsg::SettingsBlockAck, 1);
    QCOMPARE(wait->current(), QStringLiteral("0.5 Kb"));
    QCOMPARE(wait->value(), 512);
    QVERIFY(wait->status().startsWith(QStringLiteral("K4810_02200:00:0")));
}

void tst_SettingsEditor::settingsBlockLayout()
{
    const QByteArray block = orv_FormXml_K4810::settingsBlock(QByteArray(600, 'x'), 3, 4, 102);
    QCOMPARE(block.size(), 1040);
    QCOMPARE(block.left(512), QByteArray(512, 'x'));
    QCOMPARE(block.mid(512, 512), QByteArray(512, '\0'));
    QCOMPARE(i32(block, 1024), 512);
    QCOMPARE(i32(block, 1028), 3);
    QCOMPARE(i32(block, 1032), 4);
    QCOMPARE(i32(block, 1036), 102);
}

void tst_SettingsEditor::onlineEnablesWriting()
{
    auto *load = m_editor->findChild<QPushButton *>("pushButton_LoadToDevice");
    auto *lightLoad = m_editor->lightPage()->loadToDeviceButton();
    QVERIFY(!load->isEnabled());
    QVERIFY(!lightLoad->isEnabled());
    attach();
    QVERIFY(load->isEnabled());
    QVERIFY(lightLoad->isEnabled());
    for (int i = 0; i < orv_FormXml_K4810::PageCount; ++i) {
        if (ORV_SettingsPage *p = m_editor->page(i))
            QVERIFY(p->isOnline());
    }
    deliver(OrvMsg::TrackerDetached);
    QVERIFY(!load->isEnabled());
    QVERIFY(!lightLoad->isEnabled());
    QVERIFY(!m_editor->page(orv_FormXml_K4810::PageTrack)->isOnline());
}

void tst_SettingsEditor::detachDuringWriteReleasesTheControls()
{
    const QString file = writeFile(QStringLiteral("x.xml"), 1300);
    attach();
    QVERIFY(m_editor->beginBlockWrite(file));
    QVERIFY(m_editor->progressWindow()->isVisible());
    deliver(OrvMsg::TrackerDetached);
    QVERIFY(!m_editor->progressWindow()->isVisible());
    QVERIFY(m_editor->findChild<QTabWidget *>("tabWidget")->isEnabled());
    QVERIFY(m_editor->findChild<QPushButton *>("pushButton_SaveToFile")->isEnabled());
    // The write is over: the file is gone, a late acknowledgement resumes nothing.
    QVERIFY(!m_editor->isWriting());
    QCOMPARE(m_messages, QStringList{QStringLiteral("K4810_1600|K4810_1710")});
    QVERIFY(!QFile::exists(file));
    attach();
    deliver(OrvMsg::SettingsBlockAck, 1);
    QTest::qWait(5);
    QCOMPARE(requestsOf(OrvMsg::SettingsBlock).size(), size_t(1));
    // And the next write begins.
    m_editor->findChild<QPushButton *>("pushButton_LoadToDevice")->pressed();
    QCOMPARE(requestsOf(OrvMsg::SettingsBlock).size(), size_t(2));
    QVERIFY(m_editor->isWriting());
}

void tst_SettingsEditor::switchLeavesNoTemporaryFile()
{
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    m_editor->showMode(1);
    QCOMPARE(m_questions, QStringList{QStringLiteral("K4810_994")});
    QVERIFY(m_editor->isLightShown());
    m_editor->lightPage()->configFullButton()->pressed();
    QVERIFY(!m_editor->isLightShown());
    m_answerYes = false;
    m_editor->findChild<QAbstractButton *>("pushBtn_Full_ConfigLight")->pressed();
    QVERIFY2(!m_editor->isLightShown(), "declining the question keeps the full pages");
    m_editor->showSettingsWindow(1);
    QCOMPARE(m_questions.size(), 2); // no question this way
    QVERIFY(m_editor->isLightShown());

    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("ass.xml"))));
    QVERIFY2(m_editor->temporaryDirectory().isEmpty(), "a switch hands the model over: no file at all");
    QDir::setCurrent(cwd);
}

void tst_SettingsEditor::switchHandsTheModelOver()
{
    // Both page sets show the one model: a value changed while the light
    // page is shown is on the full page after the switch back.
    ORV_SettingsPage *track = m_editor->page(orv_FormXml_K4810::PageTrack);
    auto *hdop = qobject_cast<QDoubleSpinBox *>(track->binder()->widgetsOf(QStringLiteral("GPSmaxHDOP")).value(0));
    m_editor->showSettingsWindow(1);
    QVERIFY(m_editor->isLightShown());
    QVERIFY(m_editor->model()->setValue(QStringLiteral("TRACK"), QStringLiteral("GPSmaxHDOP"), 4.5));
    m_editor->lightPage()->configFullButton()->pressed();
    QCOMPARE(hdop->value(), 4.5);
    QVERIFY(m_editor->temporaryDirectory().isEmpty());
}

void tst_SettingsEditor::loadToDeviceLeavesNoTemporaryFile()
{
    g_answer = [this](const Request &r) {
        if (r.msgId == OrvMsg::SettingsBlock)
            deliver(OrvMsg::SettingsBlockAck, 1);
    };
    attach();
    m_editor->findChild<QPushButton *>("pushButton_LoadToDevice")->pressed();
    QTRY_VERIFY(!m_editor->isWriting());
    const auto written = requestsOf(OrvMsg::SettingsWritten);
    QCOMPARE(written.size(), size_t(1));
    QVERIFY(QFileInfo(written[0].text).fileName().startsWith(QStringLiteral("orv_K4810_")));
    QVERIFY(written[0].block.startsWith("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE"));
    QVERIFY(QDir(m_editor->temporaryDirectory()).entryList(QDir::Files).isEmpty());
}

void tst_SettingsEditor::answersReachTheCurrentPage()
{
    attach();
    RecordingPage *sensors = installRecordingPage(orv_FormXml_K4810::PageSensors);
    RecordingPage *system = installRecordingPage(orv_FormXml_K4810::PageSystem);
    RecordingPage *temp = installRecordingPage(orv_FormXml_K4810::PageTempSensors);
    RecordingPage *tm = installRecordingPage(orv_FormXml_K4810::PageTM);
    RecordingPage *accel = installRecordingPage(orv_FormXml_K4810::PageAccelerometer);
    RecordingPage *can = installRecordingPage(orv_FormXml_K4810::PageCAN);
    RecordingPage *bt = installRecordingPage(orv_FormXml_K4810::PageBluetooth);

    const QByteArray state = "STATE:aabbccddeeff1234abcdefgh9876";
    QCOMPARE(state.size(), 34);
    m_editor->setCurrentTab(sensors->tabIndex());
    m_editor->setPolling(true, 1000);
    deliver(OrvMsg::StateAnswer, addr(state.constData()), state.size());
    QCOMPARE(sensors->calls, QStringList{QStringLiteral("live STATE: 9876")});
    QVERIFY(system->calls.isEmpty());

    QByteArray fuel = "*#FUEL_UN";
    fuel += char(8);
    fuel += QByteArray(5, '.');
    fuel += QByteArray("\x10\x27\x01\x00\xFF\xFF", 6);
    fuel += QByteArray(42 - fuel.size(), '.');
    m_editor->pollNow();
    deliver(OrvMsg::FuelLevelAnswer, addr(fuel.constData()), fuel.size());
    QCOMPARE(sensors->calls.last(), QStringLiteral("fuel 8 [10000,1]"));

    const uint32_t code[2] = {0x1234, 0};
    m_editor->setCurrentTab(temp->tabIndex());
    m_editor->requestOneWireCode();
    deliver(OrvMsg::TouchMemoryCode, addr(code));
    m_editor->setCurrentTab(tm->tabIndex());
    m_editor->requestOneWireCode();
    deliver(OrvMsg::TouchMemoryCode, addr(code));
    m_editor->setCurrentTab(0);
    deliver(OrvMsg::TouchMemoryCode, addr(code)); // asked by no page now
    QCOMPARE(temp->calls, QStringList{QStringLiteral("code 1234")});
    QCOMPARE(tm->calls, QStringList{QStringLiteral("code 1234")});

    const QByteArray sys = "SYSTM:1234";
    m_editor->setCurrentTab(system->tabIndex());
    m_editor->requestSystemRead();
    deliver(OrvMsg::SystemAnswer, addr(sys.constData()), sys.size());
    QCOMPARE(system->calls, QStringList{QStringLiteral("system 1234")});
    const QByteArray canAnswer = "CANANSW:7";
    m_editor->setCurrentTab(can->tabIndex());
    m_editor->requestCanRead(1);
    deliver(OrvMsg::CanAnswer, addr(canAnswer.constData()), canAnswer.size());
    QCOMPARE(can->calls, QStringList{QStringLiteral("can 7")});
    const QByteArray tmRead("TMREA\x02\x34\x12", 8);
    m_editor->setCurrentTab(tm->tabIndex());
    m_editor->requestTouchMemoryRead();
    deliver(OrvMsg::TouchMemoryReadAnswer, addr(tmRead.constData()), tmRead.size());
    QCOMPARE(tm->calls.last(), QStringLiteral("tm 2 4660"));
    m_editor->requestTouchMemory();
    deliver(OrvMsg::TouchMemoryAnswer, 5, 6);
    QCOMPARE(tm->calls.last(), QStringLiteral("answer 2118 6"));
    m_editor->setCurrentTab(accel->tabIndex());
    m_editor->requestAccelState();
    deliver(OrvMsg::AccelStateAnswer, addr(state.constData()), 3);
    QCOMPARE(accel->calls.last(), QStringLiteral("answer 2086 3"));
    m_editor->setCurrentTab(0);
    deliver(OrvMsg::AccelCalibrationAnswer, 1, 2); // nothing asked for it
    QCOMPARE(accel->calls.size(), 1);
    // A search answers several times, until the page is left.
    m_editor->setCurrentTab(bt->tabIndex());
    m_editor->requestBluetoothSearch();
    deliver(OrvMsg::BluetoothAnswer, 1, 9);
    deliver(OrvMsg::BluetoothAnswer, 1, 10);
    m_editor->setCurrentTab(0);
    deliver(OrvMsg::BluetoothAnswer, 1, 11);
    QCOMPARE(bt->calls, (QStringList{QStringLiteral("answer 2131 9"), QStringLiteral("answer 2131 10")}));
}

void tst_SettingsEditor::answersNoPageWaitsForAreIgnored()
{
    // Answers reach a page only while it waits for them (they used to go to
    // the page of their kind whether it had asked or not).
    attach();
    RecordingPage *sensors = installRecordingPage(orv_FormXml_K4810::PageSensors);
    RecordingPage *system = installRecordingPage(orv_FormXml_K4810::PageSystem);
    m_editor->setCurrentTab(sensors->tabIndex());
    const QByteArray state = "STATE:aabbccddeeff1234abcdefgh9876";
    deliver(OrvMsg::StateAnswer, addr(state.constData()), state.size());
    const QByteArray sys = "SYSTM:1234";
    deliver(OrvMsg::SystemAnswer, addr(sys.constData()), sys.size());
    QVERIFY(sensors->calls.isEmpty());
    QVERIFY(system->calls.isEmpty());

    // One request, one answer: a second one finds nobody waiting.
    m_editor->setCurrentTab(system->tabIndex());
    m_editor->requestSystemRead();
    deliver(OrvMsg::SystemAnswer, addr(sys.constData()), sys.size());
    deliver(OrvMsg::SystemAnswer, addr(sys.constData()), sys.size());
    QCOMPARE(system->calls.size(), 1);

    // Offline nothing is asked, so nothing is awaited.
    deliver(OrvMsg::TrackerDetached);
    m_editor->requestSystemRead();
    deliver(OrvMsg::SystemAnswer, addr(sys.constData()), sys.size());
    QCOMPARE(system->calls.size(), 1);
    QCOMPARE(requestsOf(OrvMsg::SystemRead).size(), size_t(1));
}

void tst_SettingsEditor::answersOfTheWrongLengthAreIgnored_data()
{
    QTest::addColumn<uint32_t>("msgId");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("2054 of 33") << uint32_t(OrvMsg::StateAnswer) << QByteArray(33, 'x');
    QTest::newRow("2054 of 35") << uint32_t(OrvMsg::StateAnswer) << QByteArray(35, 'x');
    QTest::newRow("2056 of 11") << uint32_t(OrvMsg::AccelAnswer) << QByteArray(11, '1');
    QTest::newRow("2077 of 41") << uint32_t(OrvMsg::FuelLevelAnswer) << QByteArray("*#FUEL_UN").leftJustified(41, '0');
    QTest::newRow("2077 other text") << uint32_t(OrvMsg::FuelLevelAnswer) << QByteArray("*#FUEL_XX").leftJustified(42, '0');
    QTest::newRow("2079 of 9") << uint32_t(OrvMsg::SystemAnswer) << QByteArray(9, '1');
    QTest::newRow("2081 of 10") << uint32_t(OrvMsg::CanAnswer) << QByteArray(10, '1');
    QTest::newRow("2112 of 7") << uint32_t(OrvMsg::TouchMemoryReadAnswer) << QByteArray(7, '1');
}

void tst_SettingsEditor::answersOfTheWrongLengthAreIgnored()
{
    QFETCH(uint32_t, msgId);
    QFETCH(QByteArray, answer);
    attach();
    QList<RecordingPage *> pages;
    for (int p : {int(orv_FormXml_K4810::PageSensors), int(orv_FormXml_K4810::PageSystem),
                  int(orv_FormXml_K4810::PageAccelerometer), int(orv_FormXml_K4810::PageCAN),
                  int(orv_FormXml_K4810::PageTM)})
        pages << installRecordingPage(p);
    for (RecordingPage *p : pages) {
        m_editor->setCurrentTab(p->tabIndex());
        m_editor->setPolling(true, 50);
        deliver(msgId, addr(answer.constData()), answer.size());
        QVERIFY2(p->calls.isEmpty() || p->calls == QStringList{QStringLiteral("stop")},
                 qPrintable(p->calls.join(';')));
        m_editor->setPolling(false, 0);
    }
}

void tst_SettingsEditor::pollingCycle()
{
    RecordingPage *sensors = installRecordingPage(orv_FormXml_K4810::PageSensors);
    m_editor->setCurrentTab(sensors->tabIndex());

    // Offline: nothing is sent.
    m_editor->setPolling(true, 20);
    QVERIFY(requestsOf(OrvMsg::SensorsPoll).empty());
    m_editor->setPolling(false, 0);

    attach();
    m_editor->setCurrentTab(sensors->tabIndex());
    m_editor->setPolling(true, 20);
    QCOMPARE(requestsOf(OrvMsg::SensorsPoll).size(), size_t(1));
    QVERIFY(m_editor->isAwaitingAnswer());
    QCOMPARE(m_editor->pollPhase(), 1);
    QVERIFY(!m_editor->analogTimer()->isActive()); // waits for the answer

    QByteArray fuel = QByteArray("*#FUEL_UN").leftJustified(42, '\0');
    deliver(OrvMsg::FuelLevelAnswer, addr(fuel.constData()), fuel.size());
    QVERIFY(m_editor->analogTimer()->isActive());
    QCOMPARE(m_editor->analogTimer()->interval(), 20);
    QTRY_COMPARE(requestsOf(OrvMsg::SensorsPoll).size(), size_t(2));
    // No answer: no further request.
    QTest::qWait(60);
    QCOMPARE(requestsOf(OrvMsg::SensorsPoll).size(), size_t(2));

    // On the System page a poll sends 2053.
    RecordingPage *system = installRecordingPage(orv_FormXml_K4810::PageSystem);
    m_editor->setCurrentTab(system->tabIndex());
    m_editor->pollNow();
    QCOMPARE(requestsOf(OrvMsg::SystemPoll).size(), size_t(1));
}

void tst_SettingsEditor::tabChangeStopsPolling()
{
    attach();
    RecordingPage *sensors = installRecordingPage(orv_FormXml_K4810::PageSensors);
    m_editor->setCurrentTab(sensors->tabIndex());
    m_editor->setPolling(true, 1000);
    QVERIFY(m_editor->isPolling());
    m_editor->setCurrentTab(0);
    QVERIFY(!m_editor->isPolling());
    QVERIFY(!m_editor->isAwaitingAnswer());
    QCOMPARE(sensors->calls, QStringList{QStringLiteral("stop")});
}

void tst_SettingsEditor::forwardersOnlyForTheAccelerometerPage()
{
    attach();
    m_editor->setCurrentTab(0);
    m_editor->requestAccelOption(3);
    m_editor->requestAccelCalibrationStep(65, 0);
    QVERIFY(requestsOf(OrvMsg::AccelOption).empty());
    QVERIFY(requestsOf(OrvMsg::AccelCalibrationStep).empty());
    m_editor->setCurrentTab(m_editor->page(orv_FormXml_K4810::PageAccelerometer)->tabIndex());
    m_editor->requestAccelOption(3);
    QCOMPARE(requestsOf(OrvMsg::AccelOption).size(), size_t(1));
    QCOMPARE(requestsOf(OrvMsg::AccelOption)[0].p2, intptr_t(3));

    m_device->setTmiRouting(1);
    m_editor->requestOneWireCode();
    QCOMPARE(m_device->tmiRouting(), 0);
    QCOMPARE(requestsOf(OrvMsg::ReadTouchMemory).size(), size_t(1));
}

QTEST_MAIN(tst_SettingsEditor)
#include "tst_settingseditor.moc"
