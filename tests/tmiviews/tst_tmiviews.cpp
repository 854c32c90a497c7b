// The two views of a telemetry text file, opened by the host's messages
// through the device object: navigation through the slider, files that
// cannot be shown, loading that is stopped, and the second-generation
// display with its buttons and the mileage dialog.

#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"
#include "telemetry/orv_formsetrun.h"
#include "telemetry/orv_formtmi_vela2.h"
#include "telemetry/orv_formtmi_vela2ext.h"
#include "telemetry/orv_formtmiviewpage.h"
#include "telemetry/orv_formtmiviewtable.h"
#include "telemetry/orv_formtmi_k4810.h"
#include "telemetry/maskplan.h"
#include "telemetry/tmidownloadlist.h"
#include "telemetry/tmipage_vela2.h"
#include "telemetry/tmitextfilemodel.h"
#include "telemetry/tmitextfileloader.h"
#include "telemetry/tmixmlwriter.h"
#include "tests/support/testfiles.h"

#include <QAbstractButton>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

namespace {

struct Sent
{
    uint32_t msgId;
    QByteArray value; // the bytes p1 points to (2082: the float)
};
std::vector<Sent> g_sent;

int32_t host(uint32_t, uint32_t msgId, intptr_t p1, intptr_t)
{
    Sent s{msgId, {}};
    if (msgId == OrvMsg::SetRun && p1)
        s.value = QByteArray(reinterpret_cast<const char *>(p1), 4);
    g_sent.push_back(s);
    return 0;
}

intptr_t addr(const void *p)
{
    return reinterpret_cast<intptr_t>(p);
}

// F8 pages numbered from first, and second-generation ones where asked.
TmiDownloadList pagesOf(int count, quint32 first = 100, bool vela2 = false)
{
    TmiDownloadList list;
    for (int i = 0; i < count; ++i) {
        F8Record r;
        r.data()[0] = F8Record::Type;
        r.setInteger(FieldTable::field("NumPage"), first + quint32(i));
        r.setInteger(FieldTable::field("Time"), 1705323900 + 30 * i);
        r.setInteger(FieldTable::field("Latitude"), 33450000 + i);
        if (!vela2) {
            list.appendF8(r);
            continue;
        }
        FullRecord full;
        full.setInteger(FieldTable::field("NumPage"), first + quint32(i));
        full.setInteger(FieldTable::field("Latitude"), 33450000 + i);
        PresenceMask rows;
        rows.set(0);
        rows.set(9);
        const QByteArray record = MaskedDecoder::encode(full, rows, MaskedDecoder::SecondGeneration);
        list.appendVela2(record.constData(), record.size());
    }
    return list;
}

} // namespace

class tst_TmiViews : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void navigation_data();
    void navigation();
    void newFileShowsItsFirstPage();
    void filesThatCannotBeShown_data();
    void filesThatCannotBeShown();
    void loadingCanBeStopped();
    void tableReadsOnlyTheRowsShown();
    void fileViewsHideTheTrackerButtons();
    void vela2Buttons_data();
    void vela2Buttons();
    void mileageIsSentAsAFloat();
    void windowsFitTheScreen();

private:
    std::unique_ptr<ORV_Device_K4810> m_device;
    QTemporaryDir m_dir;
    QStringList m_messages;

    QString write(const QString &name, const TmiDownloadList &pages)
    {
        const QString path = m_dir.filePath(name);
        TmiWriteOptions options;
        options.fileName = path;
        TmiXmlWriter writer;
        if (!writer.write(pages, options))
            qFatal("%s", qPrintable(writer.errorText()));
        return path;
    }
    // Opens a file in a view as the host does (2038) and waits for it.
    template<typename View>
    View *open(const QString &path, bool table)
    {
        m_device->receive(m_device->handle(), OrvMsg::OpenLogFile, addr(&path), table ? 1 : 0);
        View *view = table ? static_cast<View *>(static_cast<QWidget *>(m_device->viewTableWindow()))
                           : static_cast<View *>(static_cast<QWidget *>(m_device->viewPageWindow()));
        if (view) {
            view->setNotifier([this](const QString &title, const QString &text) { m_messages << title + '|' + text; });
            QElapsedTimer clock;
            clock.start();
            while (view->isLoading() && clock.elapsed() < 30000)
                QTest::qWait(5);
            // The message of a file refused at once comes from the event loop.
            QTest::qWait(1);
        }
        return view;
    }
    orv_FormTmiViewPage *pageView(const QString &path) { return open<orv_FormTmiViewPage>(path, false); }
    template<typename T = QWidget>
    static T *child(QWidget *w, const char *name)
    {
        return w->findChild<T *>(QLatin1String(name));
    }
};

void tst_TmiViews::init()
{
    g_sent.clear();
    m_messages.clear();
    m_device = std::make_unique<ORV_Device_K4810>(QStringLiteral("K-4810"), 2, 7, 3, 6);
    m_device->initialize(host);
    {
        // The tracker is attached: the telemetry window asks nothing of a detached one.
        const QString model = QStringLiteral("K-4810"), id = QStringLiteral("861230041234567");
        (*m_device).receive((*m_device).handle(), OrvMsg::TrackerAttached, reinterpret_cast<intptr_t>(&model), reinterpret_cast<intptr_t>(&id));
    }
}

void tst_TmiViews::cleanup()
{
    m_device.reset();
}

void tst_TmiViews::navigation_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("goTo"); // the spin box value for Go
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("enabled"); // Begin, Prev, Next, End: 1 enabled, 0 disabled

    QTest::newRow("no page, Next") << 0 << 0 << "PushButton_Get_Next" << 0 << -1 << "0000";
    QTest::newRow("no page, Go 5") << 0 << 0 << "PushButton_Go" << 5 << -1 << "0000";
    QTest::newRow("one page, End") << 1 << 0 << "PushButton_End" << 0 << 0 << "0000";
    QTest::newRow("one page, Next") << 1 << 0 << "PushButton_Get_Next" << 0 << 0 << "0000";
    QTest::newRow("one page, Go 3") << 1 << 0 << "PushButton_Go" << 3 << 0 << "0000";
    QTest::newRow("three pages, Next from the first") << 3 << 0 << "PushButton_Get_Next" << 0 << 1 << "1111";
    QTest::newRow("three pages, Next on the last") << 3 << 2 << "PushButton_Get_Next" << 0 << 2 << "1100";
    QTest::newRow("three pages, Prev on the first") << 3 << 0 << "PushButton_Get_Prev" << 0 << 0 << "0011";
    QTest::newRow("three pages, Prev from the last") << 3 << 2 << "PushButton_Get_Prev" << 0 << 1 << "1111";
    QTest::newRow("three pages, End") << 3 << 0 << "PushButton_End" << 0 << 2 << "1100";
    QTest::newRow("three pages, Begin") << 3 << 2 << "PushButton_Begin" << 0 << 0 << "0011";
    QTest::newRow("three pages, Go 1") << 3 << 0 << "PushButton_Go" << 1 << 1 << "1111";
    QTest::newRow("three pages, Go beyond the last") << 3 << 0 << "PushButton_Go" << 40 << 2 << "1100";
    QTest::newRow("three pages, Go beyond while on the last") << 3 << 2 << "PushButton_Go" << 40 << 2 << "1100";
}

void tst_TmiViews::navigation()
{
    QFETCH(int, pages);
    QFETCH(int, from);
    QFETCH(QString, button);
    QFETCH(int, goTo);
    QFETCH(int, shown);
    QFETCH(QString, enabled);
    orv_FormTmiViewPage *view = pageView(write(QStringLiteral("nav%1.xml").arg(pages), pagesOf(pages)));
    QVERIFY(view && view->isVisible());
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join('\n')));
    QCOMPARE(view->currentIndex(), pages ? 0 : -1);
    child<QSlider>(view, "horizontalSlider")->setValue(from);
    if (button == QLatin1String("PushButton_Go"))
        child<QSpinBox>(view, "spinBox_Go")->setValue(goTo);
    emit child<QAbstractButton>(view, qPrintable(button))->pressed();

    QCOMPARE(view->currentIndex(), shown);
    QString state;
    for (const char *name : {"PushButton_Begin", "PushButton_Get_Prev", "PushButton_Get_Next", "PushButton_End"})
        state += child(view, name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    QCOMPARE(state, enabled);
    const auto *stack = child<QStackedWidget>(view, "stackedWidget");
    if (shown < 0) {
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_Null"));
        return;
    }
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_F8"));
    QCOMPARE(child<QLabel>(view, "f8_NumPage")->text(), QString::number(100 + shown));
    QCOMPARE(child<QSlider>(view, "horizontalSlider")->value(), shown);
    QCOMPARE(child<QSpinBox>(view, "spinBox_Go")->value(), shown);
    QCOMPARE(child<QLabel>(view, "label_Position")->text(), QStringLiteral("%1 / %2").arg(shown + 1).arg(pages));
}

void tst_TmiViews::newFileShowsItsFirstPage()
{
    // The slider at 0 for both files: the second still shows its own page.
    orv_FormTmiViewPage *view = pageView(write(QStringLiteral("a.xml"), pagesOf(3, 100)));
    QCOMPARE(child<QLabel>(view, "f8_NumPage")->text(), QStringLiteral("100"));
    view = pageView(write(QStringLiteral("b.xml"), pagesOf(2, 500, true)));
    QCOMPARE(view->currentIndex(), 0);
    QCOMPARE(child<QStackedWidget>(view, "stackedWidget")->currentWidget()->objectName(), QStringLiteral("page_Vela2"));
    QCOMPARE(child<QLabel>(view->vela2Display(), "value_NumPage")->text(), QStringLiteral("500"));
    // ... and a file without pages shows none of the pages before.
    view = pageView(write(QStringLiteral("none.xml"), pagesOf(0)));
    QCOMPARE(view->currentIndex(), -1);
    QCOMPARE(child<QStackedWidget>(view, "stackedWidget")->currentWidget()->objectName(), QStringLiteral("page_Null"));
    QCOMPARE(child<QLabel>(view, "label_Pages")->text(), QStringLiteral("0"));
    QVERIFY(m_messages.isEmpty());
}

void tst_TmiViews::filesThatCannotBeShown_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no such file
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray() << QStringLiteral("K4810_1950");
    QTest::newRow("a settings file") << QByteArray("<?xml version=\"1.0\"?>\n<DEVICE>\n</DEVICE>\n")
                                     << QStringLiteral("K4810_1951");
    QTest::newRow("a binary file") << QByteArray(4000, '\x01') << QStringLiteral("K4810_1951");
    QTest::newRow("a line of 100 KiB") << QByteArray("<TMI>\n<Page page=\"0\">\n") + QByteArray(100 * 1024, 'x') + "\n"
                                       << QStringLiteral("K4810_1952");
}

void tst_TmiViews::filesThatCannotBeShown()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString good = write(QStringLiteral("good.xml"), pagesOf(3));
    const QString path = m_dir.filePath(QStringLiteral("bad.xml"));
    QFile::remove(path);
    if (!bytes.isNull())
        QVERIFY(TestFiles::write(path, bytes));
    for (bool table : {false, true}) {
        m_messages.clear();
        ORV_TmiFileView *view = open<ORV_TmiFileView>(good, table);
        QVERIFY(view->file());
        view = open<ORV_TmiFileView>(path, table);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].startsWith(QStringLiteral("K4810_583|") + message), qPrintable(m_messages[0]));
        QVERIFY(m_messages[0].endsWith(QDir::toNativeSeparators(path)));
        // The file before is no longer shown, and the view is usable.
        QVERIFY(!view->file());
        QVERIFY(child(view, "PushButton_Open")->isEnabled());
        QVERIFY(!child(view, "PushButton_Cancel")->isVisible());
        if (table)
            QCOMPARE(static_cast<orv_FormTmiViewTable *>(view)->model()->rowCount(), 0);
        else
            QCOMPARE(static_cast<orv_FormTmiViewPage *>(view)->currentIndex(), -1);
    }
}

void tst_TmiViews::loadingCanBeStopped()
{
    // A file large enough to take several turns of the event loop.
    const QString path = write(QStringLiteral("large.xml"), pagesOf(20000));
    m_device->ensureViewPageWindow()->loader()->setSliceMs(1);
    m_device->receive(m_device->handle(), OrvMsg::OpenLogFile, addr(&path), 0);
    orv_FormTmiViewPage *view = m_device->viewPageWindow();
    QVERIFY(view->isLoading());
    QVERIFY(child(view, "PushButton_Cancel")->isVisible());
    QVERIFY(!child(view, "PushButton_Open")->isEnabled());
    QTRY_VERIFY(child<QProgressBar>(view, "progressBar_Load")->value() > 0);
    emit child<QAbstractButton>(view, "PushButton_Cancel")->pressed();
    QVERIFY(!view->isLoading());
    QTest::qWait(50);
    QVERIFY(!view->file());
    QCOMPARE(view->currentIndex(), -1);
    QVERIFY(child(view, "PushButton_Open")->isEnabled());
    QVERIFY(!child(view, "PushButton_Cancel")->isVisible());
    QVERIFY(m_messages.isEmpty());
}

void tst_TmiViews::tableReadsOnlyTheRowsShown()
{
    const QString path = write(QStringLiteral("table.xml"), pagesOf(5000));
    auto *view = open<orv_FormTmiViewTable>(path, true);
    QTableView *table = view->tableView();
    QCOMPARE(view->model()->rowCount(), 5000);
    QCOMPARE(view->model()->columnCount(), 56);
    QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("K4810_597"));
    table->resize(900, 400);
    QCoreApplication::processEvents();
    table->viewport()->repaint();
    const int first = view->file()->decodedCount();
    QVERIFY2(first > 0 && first < 40, qPrintable(QString::number(first)));
    // To the end: only the rows shown there are read.
    table->scrollToBottom();
    table->viewport()->repaint();
    const int jump = view->file()->decodedCount() - first;
    QVERIFY2(jump > 0 && jump < 40, qPrintable(QString::number(jump)));
    QCOMPARE(view->model()->text(4999, 0), QStringLiteral("5099"));
    QCOMPARE(view->model()->text(4999, 31), QStringLiteral("55 45.4999'"));
    // Fields of the F8 record the text file has no element for are not shown as zero.
    QCOMPARE(view->model()->text(0, 11), QStringLiteral("n/a"));
}

void tst_TmiViews::fileViewsHideTheTrackerButtons()
{
    orv_FormTmiViewPage *view = pageView(write(QStringLiteral("v.xml"), pagesOf(2, 10, true)));
    ORV_FormTmi_Vela2 *display = view->vela2Display();
    for (const char *name : {"BtnOut_O1_On", "BtnOut_O2_Off", "BtnOut_O3_On", "BtnOut_O4_Off", "BtnSet_Guard",
                             "BtnSet_NoGuard", "BtnOut_Run"})
        QVERIFY2(child(display, name)->isHidden(), name);
    QVERIFY(!child(display, "BtnExt")->isHidden());
    // In the telemetry window they are there.
    orv_FormTmi_K4810 *window = m_device->ensureTmiWindow();
    auto *inWindow = child<ORV_FormTmi_Vela2>(window, "widget_Vela2");
    QVERIFY(inWindow);
    QVERIFY(!child(inWindow, "BtnOut_O3_On")->isHidden());
}

void tst_TmiViews::vela2Buttons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<uint>("msgId");
    const std::pair<const char *, uint32_t> buttons[] = {
        {"BtnOut_O1_On", 2006}, {"BtnOut_O1_Off", 2007}, {"BtnOut_O2_On", 2008}, {"BtnOut_O2_Off", 2009},
        {"BtnOut_O3_On", 2010}, {"BtnOut_O3_Off", 2011}, {"BtnOut_O4_On", 2012}, {"BtnOut_O4_Off", 2013},
        {"BtnSet_Guard", 2003}, {"BtnSet_NoGuard", 2005},
    };
    for (const auto &[name, id] : buttons)
        QTest::newRow(name) << QString::fromLatin1(name) << uint(id);
}

void tst_TmiViews::vela2Buttons()
{
    QFETCH(QString, button);
    QFETCH(uint, msgId);
    orv_FormTmi_K4810 *window = m_device->ensureTmiWindow();
    const QString none;
    m_device->receive(m_device->handle(), OrvMsg::OpenTelemetry, addr(&none), 0);
    auto *display = child<ORV_FormTmi_Vela2>(window, "widget_Vela2");
    g_sent.clear();
    emit child<QAbstractButton>(display, qPrintable(button))->pressed();
    QCOMPARE(g_sent.size(), size_t(1));
    QCOMPARE(g_sent[0].msgId, uint32_t(msgId));
}

void tst_TmiViews::mileageIsSentAsAFloat()
{
    orv_FormTmi_K4810 *window = m_device->ensureTmiWindow();
    const QString none;
    m_device->receive(m_device->handle(), OrvMsg::OpenTelemetry, addr(&none), 0);
    // From the window's button and from the Vela2 display's: one dialog.
    emit child<QAbstractButton>(window, "BtnRun")->pressed();
    ORV_FormSetRun *dialog = window->setRunWindow();
    QVERIFY(dialog && dialog->isVisible());
    auto *spin = child<QDoubleSpinBox>(dialog, "doubleSpinBox_Run");
    QCOMPARE(spin->value(), 0.0);
    QVERIFY(spin->maximum() >= 2000000.0); // a truck's lifetime
    spin->setValue(1234.5);
    g_sent.clear();
    emit child<QAbstractButton>(dialog, "Btn_Set")->pressed();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(g_sent.size(), size_t(1));
    QCOMPARE(g_sent[0].msgId, uint32_t(OrvMsg::SetRun));
    QCOMPARE(g_sent[0].value, QByteArray::fromHex("00509A44"));

    emit child<QAbstractButton>(child(window, "widget_Vela2"), "BtnOut_Run")->pressed();
    QCOMPARE(window->setRunWindow(), dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(spin->value(), 0.0); // opened again: from 0.0
    g_sent.clear();
    emit child<QAbstractButton>(dialog, "Btn_Cancel")->pressed();
    QVERIFY(!dialog->isVisible());
    QVERIFY(g_sent.empty());
}

void tst_TmiViews::windowsFitTheScreen()
{
    // Every window of this area at its opening size, with its contents, fits
    // 1366 x 768; the Vela2 display fits beside the telemetry window's
    // column of controls.
    orv_FormTmiViewPage *page = pageView(write(QStringLiteral("fit.xml"), pagesOf(2, 10, true)));
    auto *table = open<orv_FormTmiViewTable>(write(QStringLiteral("fit2.xml"), pagesOf(2)), true);
    orv_FormTmi_K4810 *window = m_device->ensureTmiWindow();
    const QString none;
    m_device->receive(m_device->handle(), OrvMsg::OpenTelemetry, addr(&none), 0);
    emit child<QAbstractButton>(page->vela2Display(), "BtnExt")->pressed();
    QWidget *ext = page->vela2Display()->extWindow();
    QVERIFY(ext);
    // A page with every field in the telemetry window.
    FullRecord full;
    for (int i = 0; i < FullRecord::Size; ++i)
        full.data()[i] = quint8(i * 7 + 1);
    const QByteArray record = QByteArray(3, '#')
                              + MaskedDecoder::encode(full, PresenceMask::firstBits(FieldTable::RowCount),
                                                      MaskedDecoder::SecondGeneration);
    m_device->receive(m_device->handle(), OrvMsg::TelemetryPage, addr(record.constData()), record.size());
    QCOMPARE(child<QStackedWidget>(window, "stackedWidget")->currentWidget()->objectName(), QStringLiteral("page_Vela2"));
    if (!qEnvironmentVariableIsEmpty("K4810_GRAB"))
        window->grab().save(qEnvironmentVariable("K4810_GRAB") + QStringLiteral("/telemetry window.png"));
    emit child<QAbstractButton>(window, "BtnRun")->pressed();
    QWidget *setRun = window->setRunWindow();
    const QSize display = child(window, "widget_Vela2")->minimumSizeHint();
    QVERIFY2(display.width() <= 1366 - 460 && display.height() <= 700,
             qPrintable(QStringLiteral("%1 x %2").arg(display.width()).arg(display.height())));
    for (QWidget *w : std::initializer_list<QWidget *>{page, table, ext, setRun}) {
        const QSize size = w->size().expandedTo(w->minimumSizeHint());
        if (!qEnvironmentVariableIsEmpty("K4810_GRAB"))
            w->grab().save(qEnvironmentVariable("K4810_GRAB") + QLatin1Char('/') + w->objectName() + ".png");
        QVERIFY2(size.width() <= 1366 && size.height() <= 740,
                 qPrintable(QStringLiteral("%1: %2 x %3").arg(w->objectName()).arg(size.width()).arg(size.height())));
    }
}

QTEST_MAIN(tst_TmiViews)
#include "tst_tmiviews.moc"
