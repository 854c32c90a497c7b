// The telemetry window driven through the device object, with a host that
// records every request and a tracker of the suite's own that answers
// later or from inside send: reading and stepping through pages, polling,
// outputs, balance, clearing, captions, and the interval download.

#include "core/formwait.h"
#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"
#include "telemetry/orv_formtmi_k4810.h"
#include "tests/support/testfiles.h"
#include "tests/tmiwindow/tmitestpages.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QToolButton>
#include <QMenu>
#include <QTimer>

#include <ctime>
#include <functional>
#include <map>
#include <vector>

namespace {

struct Request
{
    uint32_t msgId;
    intptr_t p1;
    intptr_t p2;
    quint32 number = 0;  // 2014
    qint64 seconds = 0;  // 2015, 2016
    QString text;        // 24, 2072
};

std::vector<Request> g_requests;
std::function<void(const Request &)> g_answer;
int g_depth = 0;
int g_maxDepth = 0;

int32_t host(uint32_t, uint32_t msgId, intptr_t p1, intptr_t p2)
{
    if (msgId == OrvMsg::EventName) {
        // Answered in place.
        *reinterpret_cast<QString *>(p2) = QStringLiteral("Event %1").arg(p1);
        return 0;
    }
    Request r{msgId, p1, p2, 0, 0, QString()};
    if (msgId == OrvMsg::ReadPageByNumber)
        r.number = *reinterpret_cast<const quint32 *>(p1);
    if (msgId == OrvMsg::ReadPageAtTime || msgId == OrvMsg::StartInterval)
        r.seconds = reinterpret_cast<const QDateTime *>(p1)->toSecsSinceEpoch();
    if (msgId == OrvMsg::UssdRequest || msgId == OrvMsg::Help)
        r.text = *reinterpret_cast<const QString *>(p1);
    g_requests.push_back(r);
    ++g_depth;
    g_maxDepth = std::max(g_maxDepth, g_depth);
    if (g_answer)
        g_answer(r);
    --g_depth;
    return 0;
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

QList<uint32_t> requestIds()
{
    QList<uint32_t> ids;
    for (const Request &r : g_requests)
        ids << r.msgId;
    return ids;
}

intptr_t addr(const void *p)
{
    return reinterpret_cast<intptr_t>(p);
}

// The tracker's memory: pages by number, answering as a tracker does.
struct Tracker
{
    std::map<quint32, TestPages::Point> pages;
    bool insideSend = false;
    std::function<QByteArray(const Request &)> override; // a different answer for a request, when it gives one
    ORV_Device_K4810 *device = nullptr;
    int answered = 0;

    void store(const QList<TestPages::Point> &points)
    {
        for (const TestPages::Point &p : points)
            pages[p.number] = p;
    }
    // The page at or after a time, the last one when none is.
    const TestPages::Point &atTime(qint64 seconds) const
    {
        for (const auto &[number, p] : pages) {
            if (p.time >= seconds)
                return p;
        }
        return pages.rbegin()->second;
    }
    // The page of a number, the nearest stored one beyond the range.
    const TestPages::Point &byNumber(quint32 number) const
    {
        auto it = pages.lower_bound(number);
        if (it == pages.end())
            return pages.rbegin()->second;
        return it->second;
    }
    void deliver(uint32_t msgId, const QByteArray &payload)
    {
        ++answered;
        if (insideSend) {
            device->receive(device->handle(), msgId, addr(payload.constData()), payload.size());
        } else {
            ORV_Device_K4810 *d = device;
            QTimer::singleShot(0, d, [d, msgId, payload] {
                d->receive(d->handle(), msgId, addr(payload.constData()), payload.size());
            });
        }
    }
    void answer(const Request &r)
    {
        if (pages.empty())
            return;
        if (override) {
            const QByteArray special = override(r);
            if (!special.isNull()) {
                deliver(OrvMsg::TelemetryPage, special);
                return;
            }
        }
        switch (r.msgId) {
        case OrvMsg::ReadCurrentPage:
        case OrvMsg::PollCurrentPage:
            deliver(OrvMsg::TelemetryPage, TestPages::payload(TestPages::record(pages.rbegin()->second), 3));
            break;
        case OrvMsg::ReadPageByNumber:
            deliver(OrvMsg::TelemetryPage, TestPages::payload(TestPages::record(byNumber(r.number)), 3));
            break;
        case OrvMsg::ReadPageAtTime:
        case OrvMsg::StartInterval:
            deliver(OrvMsg::TelemetryPage, TestPages::payload(TestPages::record(atTime(r.seconds)), 13));
            break;
        case OrvMsg::ReadPageForBalance:
            deliver(OrvMsg::BalancePage, TestPages::payload(TestPages::record(pages.rbegin()->second), 3));
            break;
        case OrvMsg::ClearBuffer:
            deliver(OrvMsg::ClearBufferAnswer, TestPages::payload(TestPages::record(pages.rbegin()->second), 3));
            break;
        default:
            break;
        }
    }
};

// A masked second-generation record with NumPage, State and Module1.
QByteArray vela2Masked(quint32 number, quint8 state, quint8 module1)
{
    QByteArray r(34, '\0');
    r[0] = char(0xB0);
    r[1] = char(20);
    r[2] = char(0x80 | 0x10 | 0x08); // bits 0 (NumPage), 3 (State), 4 (Module1)
    QByteArray fields(6, '\0');
    TestPages::put32(fields, 0, number);
    fields[4] = char(state);
    fields[5] = char(module1);
    return r + fields + QByteArray(80, '\0'); // room beyond the fields, as a full answer has
}

QByteArray vela2Extended(quint32 number, quint8 state, int length = 120)
{
    QByteArray r(length, '\0'); // the dynamic area after the blocks holds empty elements
    r[0] = char(0xB1);
    TestPages::put16(r, 1, 77);
    r[4] = 37;
    TestPages::put32(r, 5, number);
    r[43] = 14;
    r[44] = char(state);
    return r;
}

// The 2036 record buffer: 1024 record bytes, the count, the result byte.
bool askValidity(ORV_Device_K4810 &device, const QByteArray &record)
{
    QByteArray buffer(1029, '\0');
    std::memcpy(buffer.data(), record.constData(), size_t(std::min<qsizetype>(record.size(), 1024)));
    TestPages::put32(buffer, 1024, quint32(record.size()));
    buffer[1028] = char(0x55);
    device.receive(device.handle(), OrvMsg::ValidityQuery, addr(buffer.data()), 0);
    return buffer[1028] == 1;
}

QByteArray settingsFile(const QByteArray &sections)
{
    return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE model=\"K-4810\" type=\"params\">\n" + sections
        + "</DEVICE>\n";
}

} // namespace

class tst_TmiWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void requestButtons_data();
    void requestButtons();
    void validityQuestion_data();
    void validityQuestion();
    void pageKinds_data();
    void pageKinds();
    void previousAndNext_data();
    void previousAndNext();
    void showReadsTheLongPrefixOnce_data();
    void showReadsTheLongPrefixOnce();
    void autoPollCadence_data();
    void autoPollCadence();
    void fuelSensorButtonStopsPolling();
    void automaticMode_data();
    void automaticMode();
    void clearSequence_data();
    void clearSequence();
    void balanceNeedsTheGsmModule();
    void balanceWaitsElevenTicks();
    void balanceAnswerEndsTheWait();
    void balanceAsksForTheCode();
    void captionsFromTheSettingsFile();
    void touchMemoryAndRfid();
    void download_data();
    void download();
    void downloadWithTheLastPageRightAfterTheFirst();
    void downloadOfSecondGenerationPages();
    void downloadRequestsLeaveFromTheEventLoop();
    void downloadLetsTheEventLoopRun();
    void fileDialogStartsInTheDataDirectory_data();
    void fileDialogStartsInTheDataDirectory();
    void endBeforeStartSendsNothing();
    void lastPageNotAfterTheFirst_data();
    void lastPageNotAfterTheFirst();
    void cancelWritesNoFile_data();
    void cancelWritesNoFile();
    void unreadablePageStopsTheDownload();
    void unwritableFileIsReported();
    void unansweredRequestIsReported();
    void afterCancelTheNextPageIsShown();
    void closingEndsTheDownload();
    void oneClockForFieldsPagesAndFiles_data();
    void oneClockForFieldsPagesAndFiles();
    void detachedWindowAsksNothing_data();
    void detachedWindowAsksNothing();
    void unansweredRequestGivesTheControlsBack_data();
    void unansweredRequestGivesTheControlsBack();
    void cancelledBalanceWaitIgnoresTheLateAnswer();

private:
    std::unique_ptr<ORV_Device_K4810> m_device;
    orv_FormTmi_K4810 *m_window = nullptr;
    Tracker m_tracker;
    QTemporaryDir m_dir;
    QStringList m_messages; // "title|text"
    QString m_chosenFile;
    QStringList m_chooserCalls; // "caption|directory|filter"
    QString m_typedCode;
    int m_asked = 0;

    void deliver(uint32_t msgId, intptr_t p1 = 0, intptr_t p2 = 0)
    {
        m_device->receive(m_device->handle(), msgId, p1, p2);
    }
    void deliverPage(const QByteArray &payload, uint32_t msgId = OrvMsg::TelemetryPage)
    {
        deliver(msgId, addr(payload.constData()), payload.size());
    }
    void open(const QString &settings = QString(), bool autoMode = false)
    {
        deliver(OrvMsg::OpenTelemetry, addr(&settings), autoMode ? 1 : 0);
    }
    template<typename T = QWidget>
    T *widget(const char *name) const
    {
        T *w = m_window->findChild<T *>(QLatin1String(name));
        if (!w)
            qWarning("no widget %s", name);
        return w;
    }
    void press(const char *name) { emit widget<QAbstractButton>(name)->pressed(); }
    void attach()
    {
        const QString model = QStringLiteral("K-4810");
        const QString id = QStringLiteral("861230041234567");
        deliver(OrvMsg::TrackerAttached, addr(&model), addr(&id));
    }
    // Ticks server 1 and leaves a USSD code in the settings, so that every
    // request button has something to ask.
    void prepareEveryRequest()
    {
        const QString settings = m_dir.filePath(QStringLiteral("ussd.xml"));
        QVERIFY(TestFiles::write(settings, settingsFile("\t<SYSTEM page=\"SYSTEM\">\n\t\t<balanceRequestUSSD>*100#"
                                                        "</balanceRequestUSSD>\n\t</SYSTEM>\n")));
        open(settings);
        widget<QCheckBox>("checkBox_Server1")->setChecked(true);
    }
    QString label(const char *name) const { return widget<QLabel>(name)->text(); }
    QWidget *shownView() const { return widget<QStackedWidget>("stackedWidget")->currentWidget(); }
    void setInterval(const QDateTime &first, const QDateTime &last)
    {
        // The fields hold the tracker's clock: the times as they read.
        widget<QDateTimeEdit>("dateTimeEdit_First")->setDateTime(QDateTime(first.date(), first.time(), Qt::UTC));
        widget<QDateTimeEdit>("dateTimeEdit_Last")->setDateTime(QDateTime(last.date(), last.time(), Qt::UTC));
    }
    // Runs a download of the stored pages between the two times into a
    // table and returns the page numbers of its rows.
    QList<quint32> downloadNumbers(const QString &file);
};

void tst_TmiWindow::init()
{
    g_requests.clear();
    g_answer = nullptr;
    g_depth = g_maxDepth = 0;
    m_messages.clear();
    m_chooserCalls.clear();
    m_chosenFile.clear();
    m_typedCode.clear();
    m_asked = 0;
    m_device = std::make_unique<ORV_Device_K4810>(QStringLiteral("K-4810"), 2, 7, 3, 6);
    m_device->initialize(host);
    attach();
    m_tracker = Tracker();
    m_tracker.device = m_device.get();
    g_answer = [this](const Request &r) { m_tracker.answer(r); };
    m_window = m_device->ensureTmiWindow();
    m_window->setNotifier([this](const QString &title, const QString &text) { m_messages << title + '|' + text; });
    m_window->setSaveFileChooser([this](const QString &caption, const QString &directory, const QString &filter) {
        m_chooserCalls << caption + '|' + directory + '|' + filter;
        return m_chosenFile;
    });
    m_window->setTextAsker([this](const QString &, const QString &) {
        ++m_asked;
        return m_typedCode;
    });
    m_window->setAutoPollUnit(5);
    m_window->setBalanceTickInterval(5);
    open();
    QVERIFY(m_window->isVisible());
}

void tst_TmiWindow::cleanup()
{
    g_answer = nullptr;
    m_device.reset();
    qunsetenv("TZ");
    tzset();
}

void tst_TmiWindow::requestButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<uint32_t>("msgId");
    QTest::newRow("current") << QStringLiteral("BtnGetCurrent") << uint32_t(2001);
    QTest::newRow("guard") << QStringLiteral("BtnSet_Guard") << uint32_t(2003);
    QTest::newRow("observation") << QStringLiteral("BtnSet_NoGuard") << uint32_t(2005);
    QTest::newRow("O1 on") << QStringLiteral("BtnO1On") << uint32_t(2006);
    QTest::newRow("O1 off") << QStringLiteral("BtnO1Off") << uint32_t(2007);
    QTest::newRow("O2 on") << QStringLiteral("BtnO2On") << uint32_t(2008);
    QTest::newRow("O2 off") << QStringLiteral("BtnO2Off") << uint32_t(2009);
    QTest::newRow("RFID") << QStringLiteral("toolButton_RFID") << uint32_t(2108);
    QTest::newRow("touch memory") << QStringLiteral("toolButton_TM") << uint32_t(2041);
    QTest::newRow("help") << QStringLiteral("BtnHelp") << uint32_t(2072);
}

void tst_TmiWindow::requestButtons()
{
    QFETCH(QString, button);
    QFETCH(uint32_t, msgId);
    m_device->setTmiRouting(0);
    emit m_window->findChild<QAbstractButton *>(button)->pressed();
    QCOMPARE(requestIds(), QList<uint32_t>{msgId});
    QCOMPARE(g_requests[0].p2, intptr_t(0));
    if (msgId == OrvMsg::Help)
        QCOMPARE(g_requests[0].text, QStringLiteral("/Localization/Help/K-4810/k-4810tmi.html"));
    else
        QCOMPARE(g_requests[0].p1, intptr_t(0));
    // The answer to 2041 must come back to this window, not to the settings editor.
    QCOMPARE(m_device->tmiRouting(), msgId == OrvMsg::ReadTouchMemory ? 1 : 0);
}

void tst_TmiWindow::validityQuestion_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<bool>("valid");
    TestPages::Point p;
    p.state = 1;
    QTest::newRow("F8 valid") << TestPages::f8(p) << true;
    QTest::newRow("F6 valid") << TestPages::f6(p) << true;
    p.state = 0xFE;
    QTest::newRow("F8 not valid") << TestPages::f8(p) << false;
    QTest::newRow("F6 not valid") << TestPages::f6(p) << false;
    QTest::newRow("masked valid") << vela2Masked(5, 0x01, 0) << true;
    QTest::newRow("masked not valid") << vela2Masked(5, 0x02, 0xFF) << false;
    QTest::newRow("extended valid") << vela2Extended(5, 0x01) << true;
    QTest::newRow("extended not valid") << vela2Extended(5, 0x00) << false;
    QByteArray shortRecord = TestPages::f8(TestPages::Point()).left(21);
    QTest::newRow("21 bytes") << shortRecord << false;
    QTest::newRow("unknown type") << QByteArray(64, char(0x01)) << false;
}

void tst_TmiWindow::validityQuestion()
{
    QFETCH(QByteArray, record);
    QFETCH(bool, valid);
    QCOMPARE(askValidity(*m_device, record), valid);
}

void tst_TmiWindow::pageKinds_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("number");
    TestPages::Point p;
    p.number = 4711;
    p.time = 1705323900;
    p.canTemp = 85;
    QTest::newRow("F8") << TestPages::payload(TestPages::f8(p), 3) << QStringLiteral("page_F8") << QStringLiteral("4711");
    QTest::newRow("F6") << TestPages::payload(TestPages::f6(p), 3) << QStringLiteral("page_F8") << QStringLiteral("4711");
    QTest::newRow("100 bytes") << TestPages::payload(TestPages::f8(p), 3).left(100) << QStringLiteral("page_Null")
                               << QString();
    QTest::newRow("F8 cut to 113 bytes") << TestPages::payload(TestPages::f8(p), 3).left(113)
                                         << QStringLiteral("page_Null") << QString();
    QTest::newRow("unknown type") << TestPages::payload(QByteArray(128, char(0x07)), 3) << QStringLiteral("page_Null")
                                  << QString();
    QByteArray first = vela2Masked(4711, 1, 0);
    first[1] = char(10);
    QTest::newRow("first-generation masked") << TestPages::payload(first, 3) << QStringLiteral("page_F8") << QString();
    QTest::newRow("second-generation masked") << TestPages::payload(vela2Masked(812, 1, 0x21), 3)
                                              << QStringLiteral("page_Vela2") << QStringLiteral("812");
    QTest::newRow("extended") << TestPages::payload(vela2Extended(813, 1), 3) << QStringLiteral("page_Vela2")
                              << QStringLiteral("813");
    // Second-generation records are as long as their fields: shorter than
    // any F6/F8 page and still whole.
    QTest::newRow("extended of 58 bytes") << TestPages::payload(vela2Extended(814, 1, 58), 3)
                                          << QStringLiteral("page_Vela2") << QStringLiteral("814");
    QTest::newRow("extended cut in its blocks") << TestPages::payload(vela2Extended(815, 1, 57), 3)
                                                << QStringLiteral("page_Null") << QString();
    QTest::newRow("masked of 40 bytes") << TestPages::payload(vela2Masked(816, 1, 0).left(40), 3)
                                        << QStringLiteral("page_Vela2") << QStringLiteral("816");
    QTest::newRow("masked cut in its header") << TestPages::payload(vela2Masked(817, 1, 0).left(33), 3)
                                              << QStringLiteral("page_Null") << QString();
}

void tst_TmiWindow::pageKinds()
{
    QFETCH(QByteArray, payload);
    QFETCH(QString, view);
    QFETCH(QString, number);
    deliverPage(payload);
    QCOMPARE(shownView()->objectName(), view);
    if (view == QLatin1String("page_F8") && !number.isEmpty()) {
        QCOMPARE(label("label_F8_NumPage"), number);
        QCOMPARE(label("label_F8_Time"), QStringLiteral("13:05:00 15.01.2024"));
        QCOMPARE(label("label_F8_EventName"), QStringLiteral("Event 0"));
        // F6 records carry no CAN temperature: it shows as absent.
        const bool f6 = quint8(payload[3]) == 6;
        QCOMPARE(label("label_F8_CAN_Temp"), f6 ? QStringLiteral("n/a") : QStringLiteral("85 K4810_017"));
    }
    if (view == QLatin1String("page_Vela2")) {
        QCOMPARE(label("label_Vela2_NumPage"), number);
        QCOMPARE(label("label_Vela2_Valid"), QStringLiteral("K4810_001"));
        // The display shows the fields the page carries, "n/a" for the others.
        QCOMPARE(label("value_NumPage"), number);
        QCOMPARE(label("value_GSM"), QStringLiteral("n/a"));
    }
}

void tst_TmiWindow::previousAndNext_data()
{
    QTest::addColumn<QByteArray>("shown");
    QTest::addColumn<quint32>("previous");
    QTest::addColumn<quint32>("next");
    TestPages::Point p;
    p.number = 1;
    QTest::newRow("F8 page 1") << TestPages::payload(TestPages::f8(p), 3) << 0u << 2u;
    p.number = 0;
    QTest::newRow("F8 page 0 stays at 0") << TestPages::payload(TestPages::f8(p), 3) << 0u << 1u;
    QTest::newRow("second-generation page 7") << TestPages::payload(vela2Masked(7, 1, 0), 3) << 6u << 8u;
    QTest::newRow("nothing shown") << QByteArray() << 0u << 1u;
}

void tst_TmiWindow::previousAndNext()
{
    QFETCH(QByteArray, shown);
    QFETCH(quint32, previous);
    QFETCH(quint32, next);
    if (!shown.isEmpty())
        deliverPage(shown);
    press("BtnGetPrev");
    m_window->request()->cancel(); // no tracker answers here
    press("BtnGetNext");
    const auto requests = requestsOf(OrvMsg::ReadPageByNumber);
    QCOMPARE(requests.size(), size_t(2));
    QCOMPARE(requests[0].number, previous);
    QCOMPARE(requests[1].number, next);
}

void tst_TmiWindow::showReadsTheLongPrefixOnce_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::addColumn<bool>("daylightSaving");
    QTest::addColumn<QDateTime>("chosen");
    QTest::addColumn<qint64>("trackerSeconds");
    // Zone +3 in the settings: the field is the tracker's clock all the same
    // (the zone and daylight saving rule of oneClockForFieldsPagesAndFiles).
    QTest::newRow("winter, later") << false << true << QDateTime(QDate(2024, 1, 15), QTime(13, 5, 0), Qt::UTC)
                                   << QDateTime(QDate(2024, 1, 15), QTime(13, 5, 0), Qt::UTC).toSecsSinceEpoch();
    QTest::newRow("summer with daylight saving, inside send")
        << true << true << QDateTime(QDate(2024, 7, 1), QTime(12, 0, 0), Qt::UTC)
        << QDateTime(QDate(2024, 7, 1), QTime(12, 0, 0), Qt::UTC).toSecsSinceEpoch();
}

void tst_TmiWindow::showReadsTheLongPrefixOnce()
{
    QFETCH(bool, insideSend);
    QFETCH(bool, daylightSaving);
    QFETCH(QDateTime, chosen);
    QFETCH(qint64, trackerSeconds);
    const QString settings = m_dir.filePath(QStringLiteral("zone.xml"));
    QVERIFY(TestFiles::write(settings, settingsFile(QByteArray("\t<SYSTEM page=\"SYSTEM\">\n\t\t<timeZone>3</timeZone>\n"
                                                               "\t\t<allowDecretTime>")
                                                    + (daylightSaving ? "1" : "0")
                                                    + "</allowDecretTime>\n\t</SYSTEM>\n")));
    open(settings);
    m_tracker.store(TestPages::route(10, quint32(trackerSeconds) - 60, 500));
    m_tracker.insideSend = insideSend;
    widget<QDateTimeEdit>("dateTimeEdit_Show")->setDateTime(chosen);
    press("BtnShow");
    QCOMPARE(requestsOf(OrvMsg::ReadPageAtTime).at(0).seconds, trackerSeconds);
    // The answer to 2015 holds its record at offset 13 ...
    QTRY_COMPARE(label("label_F8_NumPage"), QStringLiteral("502"));
    QVERIFY(!m_window->showFlag());
    // ... and the next answer at offset 3 again.
    press("BtnGetPrev");
    QTRY_COMPARE(label("label_F8_NumPage"), QStringLiteral("501"));
}

void tst_TmiWindow::autoPollCadence_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::newRow("answers later") << false;
    QTest::newRow("answers inside send") << true;
}

void tst_TmiWindow::autoPollCadence()
{
    QFETCH(bool, insideSend);
    m_tracker.store(TestPages::route(3, 1705323900, 1));
    m_tracker.insideSend = insideSend;
    auto *box = widget<QCheckBox>("checkBox_Get_Auto_TMI");
    widget<QSlider>("horizontalSlider_Auto_Tmi")->setValue(5);
    QCOMPARE(label("label_Auto_Tmi_Text"), QStringLiteral("5 K4810_581"));

    box->setChecked(true);
    // One request at once, then one per period of slider x unit.
    QCOMPARE(requestsOf(OrvMsg::PollCurrentPage).size(), size_t(1));
    QVERIFY(m_window->autoPollTimer()->isActive());
    QCOMPARE(m_window->autoPollTimer()->interval(), 5 * 5);
    QVERIFY(!widget("BtnGetCurrent")->isEnabled());
    QVERIFY(box->isEnabled());
    QTRY_VERIFY(requestsOf(OrvMsg::PollCurrentPage).size() >= 4);
    QTRY_COMPARE(label("label_F8_NumPage"), QStringLiteral("3"));

    // A new period counts from the next tick on.
    widget<QSlider>("horizontalSlider_Auto_Tmi")->setValue(9);
    const size_t before = requestsOf(OrvMsg::PollCurrentPage).size();
    QTRY_VERIFY(requestsOf(OrvMsg::PollCurrentPage).size() > before);
    QCOMPARE(m_window->autoPollTimer()->interval(), 9 * 5);

    box->setChecked(false);
    QVERIFY(!m_window->autoPollTimer()->isActive());
    QVERIFY(widget("BtnGetCurrent")->isEnabled());
    const size_t stopped = requestsOf(OrvMsg::PollCurrentPage).size();
    QTest::qWait(120);
    QCOMPARE(requestsOf(OrvMsg::PollCurrentPage).size(), stopped);
}

void tst_TmiWindow::fuelSensorButtonStopsPolling()
{
    auto *box = widget<QCheckBox>("checkBox_Get_Auto_TMI");
    box->setChecked(true);
    QVERIFY(widget("Btn_FuelSensor")->isEnabled());
    press("Btn_FuelSensor");
    QVERIFY(!box->isChecked());
    QVERIFY(!m_window->autoPollTimer()->isActive());
}

void tst_TmiWindow::automaticMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("polling");
    QTest::addColumn<bool>("keyAfterFirstPage");
    QTest::newRow("mode 2 polls") << 2 << true << false;
    QTest::newRow("mode 1 reads the key") << 1 << false << true;
    QTest::newRow("mode 3 reads the key") << 3 << false << true;
    QTest::newRow("mode 0") << 0 << false << false;
}

void tst_TmiWindow::automaticMode()
{
    QFETCH(int, mode);
    QFETCH(bool, polling);
    QFETCH(bool, keyAfterFirstPage);
    m_tracker.store(TestPages::route(2, 1705323900, 1));
    const int32_t value = mode;
    deliver(OrvMsg::AutoTelemetryMode, addr(&value));
    open(QString(), true);
    QCOMPARE(widget<QSlider>("horizontalSlider_Auto_Tmi")->value(), 1);
    QCOMPARE(widget<QLabel>("label_F8_NumPage")->font().pointSize(), 16);
    QCOMPARE(widget<QCheckBox>("checkBox_Get_Auto_TMI")->isChecked(), polling);
    QCOMPARE(requestsOf(OrvMsg::PollCurrentPage).empty(), !polling);
    widget<QCheckBox>("checkBox_Get_Auto_TMI")->setChecked(false);

    press("BtnGetCurrent");
    QTRY_COMPARE(shownView()->objectName(), QStringLiteral("page_F8"));
    press("BtnGetCurrent");
    QTRY_COMPARE(m_tracker.answered, int(requestsOf(OrvMsg::ReadCurrentPage).size() + requestsOf(2002).size()));
    QTest::qWait(10);
    // Once, after the first page only.
    QCOMPARE(requestsOf(OrvMsg::ReadTouchMemory).size(), size_t(keyAfterFirstPage ? 1 : 0));
}

void tst_TmiWindow::clearSequence_data()
{
    QTest::addColumn<QList<bool>>("ticked");
    QTest::addColumn<QList<int>>("servers");
    QTest::addColumn<bool>("insideSend");
    QTest::newRow("1 and 3: only 1") << QList<bool>{true, false, true} << QList<int>{1} << false;
    QTest::newRow("1, 2 and 3") << QList<bool>{true, true, true} << QList<int>{1, 2, 3} << false;
    QTest::newRow("1, 2 and 3 inside send") << QList<bool>{true, true, true} << QList<int>{1, 2, 3} << true;
    QTest::newRow("2 and 3") << QList<bool>{false, true, true} << QList<int>{2, 3} << false;
    QTest::newRow("3") << QList<bool>{false, false, true} << QList<int>{3} << false;
    QTest::newRow("none") << QList<bool>{false, false, false} << QList<int>{} << false;
}

void tst_TmiWindow::clearSequence()
{
    QFETCH(QList<bool>, ticked);
    QFETCH(QList<int>, servers);
    QFETCH(bool, insideSend);
    m_tracker.store(TestPages::route(1, 1705323900, 77));
    m_tracker.insideSend = insideSend;
    widget<QCheckBox>("checkBox_Server1")->setChecked(ticked[0]);
    widget<QCheckBox>("checkBox_Server2")->setChecked(ticked[1]);
    widget<QCheckBox>("checkBox_Server3")->setChecked(ticked[2]);
    press("BtnClear");
    QTRY_COMPARE(m_window->clearState(), int(orv_FormTmi_K4810::ClearIdle));
    QList<int> sent;
    for (const Request &r : requestsOf(OrvMsg::ClearBuffer))
        sent << int(r.p1);
    QCOMPARE(sent, servers);
    QVERIFY(widget("BtnClear")->isEnabled());
    if (!servers.isEmpty()) // each answer is shown as a page
        QCOMPARE(label("label_F8_NumPage"), QStringLiteral("77"));
}

void tst_TmiWindow::balanceNeedsTheGsmModule()
{
    TestPages::Point p;
    p.module1 = 0x01; // on, not registered
    m_tracker.store({p});
    press("BtnGetBalance");
    QVERIFY(!widget("BtnGetBalance")->isEnabled());
    QTRY_COMPARE(m_messages, QStringList{QStringLiteral("K4810_583|K4810_595")});
    QVERIFY(requestsOf(OrvMsg::UssdRequest).empty());
    QVERIFY(widget("BtnGetBalance")->isEnabled());
    QVERIFY(!m_window->isBalanceWaiting());
}

void tst_TmiWindow::balanceWaitsElevenTicks()
{
    const QString settings = m_dir.filePath(QStringLiteral("ussd.xml"));
    QVERIFY(TestFiles::write(settings, settingsFile("\t<SYSTEM page=\"SYSTEM\">\n\t\t<balanceRequestUSSD>*100#"
                                                    "</balanceRequestUSSD>\n\t</SYSTEM>\n")));
    open(settings);
    m_tracker.store(TestPages::route(1, 1705323900, 1));
    m_window->setBalanceTickInterval(40);
    press("BtnGetBalance");
    QTRY_COMPARE(requestsOf(OrvMsg::UssdRequest).size(), size_t(1));
    QCOMPARE(requestsOf(OrvMsg::UssdRequest)[0].text, QStringLiteral("*100#"));
    QCOMPARE(m_asked, 0);
    FormWait *wait = m_window->waitDialog();
    QVERIFY(wait && wait->isVisible());
    QCOMPARE(wait->minimum(), 0);
    QCOMPARE(wait->maximum(), 10);
    QCOMPARE(wait->status(), QStringLiteral("K4810_592*100#"));
    QTRY_VERIFY(!m_window->isBalanceWaiting());
    QCOMPARE(m_window->balanceTick(), 11);
    QCOMPARE(wait->current(), QStringLiteral("11 K4810_582"));
    QVERIFY(!wait->isVisible());
    QVERIFY(widget("BtnGetBalance")->isEnabled());
    // No answer in time: the wait ends and says so; a late answer is dropped.
    QCOMPARE(m_messages, QStringList{QStringLiteral("K4810_583|K4810_3088")});
    const QString late = QStringLiteral("Balance 1.00");
    deliver(OrvMsg::BalanceAnswer, addr(&late));
    QCOMPARE(m_messages.size(), 1);
}

void tst_TmiWindow::balanceAnswerEndsTheWait()
{
    const QString settings = m_dir.filePath(QStringLiteral("ussd.xml"));
    QVERIFY(TestFiles::write(settings, settingsFile("\t<SYSTEM page=\"SYSTEM\">\n\t\t<balanceRequestUSSD>*100#"
                                                    "</balanceRequestUSSD>\n\t</SYSTEM>\n")));
    open(settings);
    m_tracker.store(TestPages::route(1, 1705323900, 1));
    m_window->setBalanceTickInterval(60000);
    // The host answers the USSD request from inside its send.
    g_answer = [this](const Request &r) {
        if (r.msgId == OrvMsg::UssdRequest) {
            const QString text = QStringLiteral("Balance 12.50");
            deliver(OrvMsg::BalanceAnswer, addr(&text));
        } else {
            m_tracker.answer(r);
        }
    };
    press("BtnGetBalance");
    QTRY_COMPARE(m_messages, QStringList{QStringLiteral("K4810_596|Balance 12.50")});
    QVERIFY(!m_window->isBalanceWaiting());
    QVERIFY(!m_window->waitDialog()->isVisible());
    QVERIFY(widget("BtnGetBalance")->isEnabled());
}

void tst_TmiWindow::balanceAsksForTheCode()
{
    m_tracker.store(TestPages::route(1, 1705323900, 1));
    m_window->setBalanceTickInterval(60000);
    press("BtnGetBalance");
    QTRY_COMPARE(m_asked, 1);
    QVERIFY(requestsOf(OrvMsg::UssdRequest).empty()); // cancelled
    QTRY_VERIFY(widget("BtnGetBalance")->isEnabled());

    m_typedCode = QStringLiteral(" *102# ");
    press("BtnGetBalance");
    QTRY_COMPARE(requestsOf(OrvMsg::UssdRequest).size(), size_t(1));
    QCOMPARE(requestsOf(OrvMsg::UssdRequest)[0].text, QStringLiteral("*102#"));
    QCOMPARE(m_asked, 2);
}

void tst_TmiWindow::captionsFromTheSettingsFile()
{
    const QString settings = m_dir.filePath(QStringLiteral("captions.xml"));
    QVERIFY(TestFiles::write(settings, settingsFile(
        "\t<TRANSFER page=\"TRANSFER\">\n\t\t<objectName>Bus \xB9 12</objectName>\n\t</TRANSFER>\n"
        "\t<SENSORS page=\"SENSORS\">\n\t\t<nicknameIN1>A&amp;B</nicknameIN1>\n\t\t<nicknameIN2>A B</nicknameIN2>\n"
        "\t\t<nicknameIN3></nicknameIN3>\n\t</SENSORS>\n"
        "\t<OUTPUT_LINES page=\"OUTPUT_LINES\">\n\t\t<nicknameO1>Siren</nicknameO1>\n\t</OUTPUT_LINES>\n"
        "\t<SYSTEM page=\"SYSTEM\">\n\t\t<timeZone>5</timeZone>\n\t\t<allowDecretTime>1</allowDecretTime>\n"
        "\t</SYSTEM>\n"
        "\t<TEMP_SENSORS page=\"TEMP_SENSORS\">\n\t\t<nicknameT1>Cab</nicknameT1>\n\t</TEMP_SENSORS>\n")));
    open(settings);
    const TmiExport::Captions &c = m_window->captions();
    QCOMPARE(c.inputs[0], QStringLiteral("A&B"));
    QCOMPARE(c.inputs[1], QStringLiteral("A B"));
    QCOMPARE(c.inputs[2], QStringLiteral("K4810_659")); // empty: the default caption
    QCOMPARE(c.inputs[3], QStringLiteral("input 4"));   // absent
    QCOMPARE(c.outputs[0], QStringLiteral("Siren"));
    QCOMPARE(c.outputs[1], QStringLiteral("output 2"));
    QCOMPARE(c.temperatures[0], QStringLiteral("Cab"));
    QCOMPARE(c.temperatures[3], QStringLiteral("Temperature 4"));
    QCOMPARE(m_window->settingsObjectName(), QStringLiteral("Bus № 12"));
    QCOMPARE(m_window->settingsModel(), QStringLiteral("K-4810"));
    QCOMPARE(m_window->timeZone(), 5);
    QVERIFY(m_window->daylightSaving());
    QVERIFY(m_window->ussdCode().isEmpty());
    QCOMPARE(label("label_F8_Caption_In1"), QStringLiteral("A&B"));
    QCOMPARE(label("label_F8_Caption_Out1"), QStringLiteral("Siren"));
    QCOMPARE(label("label_ObjectName"), QStringLiteral("Bus № 12"));

    // A settings file that cannot be read is named to the user and changes
    // nothing (it used to reset the captions and the time zone to 0); one
    // that is not there is not made.
    const QString missing = m_dir.filePath(QStringLiteral("missing.xml"));
    open(missing);
    QVERIFY(!QFileInfo::exists(missing));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.at(0).startsWith(QStringLiteral("K4810_1700|")), qPrintable(m_messages.at(0)));
    QCOMPARE(m_window->captions().inputs[0], QStringLiteral("A&B"));
    QCOMPARE(m_window->timeZone(), 5);
    const QString cut = m_dir.filePath(QStringLiteral("cut.xml"));
    QVERIFY(TestFiles::write(cut, TestFiles::read(settings).left(120)));
    open(cut);
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(m_window->settingsObjectName(), QStringLiteral("Bus № 12"));
}

void tst_TmiWindow::touchMemoryAndRfid()
{
    press("toolButton_TM");
    const quint64 code = 0xABCDEF;
    deliver(OrvMsg::TouchMemoryCode, addr(&code));
    QCOMPARE(widget<QLineEdit>("lineEdit_TM")->text(), QStringLiteral("000000ABCDEF"));
    const quint64 wide = 0x0123456789ABCDEFull;
    deliver(OrvMsg::TouchMemoryCode, addr(&wide));
    QCOMPARE(widget<QLineEdit>("lineEdit_TM")->text(), QStringLiteral("123456789ABCDEF"));

    const unsigned char tag[8] = {0x15, 0xCD, 0x5B, 0x07, 0, 0, 0, 0};
    deliver(OrvMsg::RfidCode, addr(tag), 3);
    QCOMPARE(widget<QLineEdit>("lineEdit_RFID")->text(), QStringLiteral("123456789"));
    QCOMPARE(widget<QSpinBox>("spinBox_RFID")->value(), 3);
}

QList<quint32> tst_TmiWindow::downloadNumbers(const QString &file)
{
    QList<quint32> numbers;
    const QList<QByteArray> rows = TestFiles::read(file).split('\n');
    for (int i = 1; i < rows.size(); ++i) {
        if (!rows[i].isEmpty())
            numbers << rows[i].left(rows[i].indexOf(';')).toUInt();
    }
    return numbers;
}

void tst_TmiWindow::download_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::addColumn<int>("pages");
    QTest::newRow("answers later") << false << 60;
    QTest::newRow("answers inside send") << true << 60;
    QTest::newRow("2000 pages inside send") << true << 2000;
}

void tst_TmiWindow::download()
{
    QFETCH(bool, insideSend);
    QFETCH(int, pages);
    // Pages 1000.. stored, every 30 s from 13:05 (tracker time, zone 0).
    m_tracker.store(TestPages::route(pages + 20, 1705323900, 1000));
    m_tracker.insideSend = insideSend;
    const QDateTime first(QDate(2024, 1, 15), QTime(13, 9, 30)); // the time of page 1009
    const QDateTime last = first.addSecs(qint64(pages - 1) * 30);
    setInterval(first, last);
    m_chosenFile = m_dir.filePath(QStringLiteral("interval"));
    press("BtnSaveToExcel");
    QCOMPARE(m_window->downloadState(), insideSend ? TmiDownload::State::WaitingLast
                                                   : TmiDownload::State::WaitingFirst);
    QVERIFY(!widget("BtnGetCurrent")->isEnabled());
    QVERIFY(widget("BtnSaveCancel")->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(m_window->downloadState(), TmiDownload::State::Idle, 60000);
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join('\n')));
    QCOMPARE(label("label_Status"), QStringLiteral("K4810_651"));
    QVERIFY(widget("BtnGetCurrent")->isEnabled());
    QVERIFY(!widget("BtnSaveCancel")->isEnabled());

    // The interval's start and end went out as tracker time ...
    QCOMPARE(requestsOf(OrvMsg::StartInterval).at(0).seconds, QDateTime(first.date(), first.time(), Qt::UTC).toSecsSinceEpoch());
    QCOMPARE(requestsOf(OrvMsg::ReadPageAtTime).at(0).seconds, QDateTime(last.date(), last.time(), Qt::UTC).toSecsSinceEpoch());
    // ... the pages between them were asked for once each, in order ...
    const quint32 firstNumber = 1009;
    const quint32 lastNumber = firstNumber + quint32(pages) - 1;
    const auto byNumber = requestsOf(OrvMsg::ReadPageByNumber);
    QCOMPARE(byNumber.size(), size_t(pages - 2));
    for (size_t i = 0; i < byNumber.size(); ++i)
        QCOMPARE(byNumber[i].number, firstNumber + 1 + quint32(i));
    // ... and the file holds every page once, in page order, the last one last.
    const QList<quint32> numbers = downloadNumbers(m_chosenFile + QStringLiteral(".csv"));
    QCOMPARE(numbers.size(), pages);
    for (int i = 0; i < pages; ++i)
        QCOMPARE(numbers[i], firstNumber + quint32(i));
    QCOMPARE(numbers.last(), lastNumber);
    // No request was sent from inside the handling of another one's answer.
    QVERIFY2(g_maxDepth <= 2, qPrintable(QString::number(g_maxDepth)));
    QVERIFY(m_window->downloadList().isEmpty());
}

void tst_TmiWindow::downloadWithTheLastPageRightAfterTheFirst()
{
    m_tracker.store(TestPages::route(10, 1705323900, 1));
    setInterval(QDateTime(QDate(2024, 1, 15), QTime(13, 5, 0)), QDateTime(QDate(2024, 1, 15), QTime(13, 5, 30)));
    m_chosenFile = m_dir.filePath(QStringLiteral("two.csv"));
    press("BtnSaveToExcel");
    QTRY_COMPARE(m_window->downloadState(), TmiDownload::State::Idle);
    QVERIFY(requestsOf(OrvMsg::ReadPageByNumber).empty());
    QCOMPARE(downloadNumbers(m_chosenFile), (QList<quint32>{1, 2}));
}

void tst_TmiWindow::downloadOfSecondGenerationPages()
{
    // A tracker that records extended pages: kept as received, written
    // into the .tmi file as they came.
    m_tracker.store(TestPages::route(12, 1705323900, 1));
    m_tracker.override = [this](const Request &r) {
        quint32 number = 0;
        int prefix = 3;
        if (r.msgId == OrvMsg::ReadPageByNumber) {
            number = m_tracker.byNumber(r.number).number;
        } else if (r.msgId == OrvMsg::StartInterval || r.msgId == OrvMsg::ReadPageAtTime) {
            number = m_tracker.atTime(r.seconds).number;
            prefix = 13;
        } else {
            return QByteArray();
        }
        QByteArray record = vela2Extended(number, 1, 96);
        TestPages::put32(record, 11, m_tracker.pages[number].time);
        return TestPages::payload(record, prefix);
    };
    setInterval(QDateTime(QDate(2024, 1, 15), QTime(13, 5, 30)), QDateTime(QDate(2024, 1, 15), QTime(13, 9, 0)));
    m_chosenFile = m_dir.filePath(QStringLiteral("extended.tmi"));
    press("BtnSaveFileToServer");
    QTRY_COMPARE(m_window->downloadState(), TmiDownload::State::Idle);
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join('\n')));
    const QByteArray file = TestFiles::read(m_chosenFile);
    QCOMPARE(TestPages::get16(file, 19), quint16(8)); // pages 2 .. 9
    QCOMPARE(file.size(), 128 + 8 * (2 + 96));
    for (int i = 0; i < 8; ++i) {
        const int at = 128 + i * 98;
        QCOMPARE(TestPages::get16(file, at), quint16(96));
        QCOMPARE(quint8(file[at + 2]), quint8(0xB1));
        QCOMPARE(TestPages::get32(file, at + 2 + 5), quint32(2 + i));
    }
}

void tst_TmiWindow::downloadRequestsLeaveFromTheEventLoop()
{
    // With a host that answers inside send, the first page's handler must
    // not already have sent the request for the last one.
    m_tracker.store(TestPages::route(10, 1705323900, 1));
    m_tracker.insideSend = true;
    setInterval(QDateTime(QDate(2024, 1, 15), QTime(13, 5, 0)), QDateTime(QDate(2024, 1, 15), QTime(13, 9, 0)));
    m_chosenFile = m_dir.filePath(QStringLiteral("queued.csv"));
    press("BtnSaveToExcel");
    QCOMPARE(requestIds(), QList<uint32_t>{OrvMsg::StartInterval});
    QCOMPARE(m_window->downloadState(), TmiDownload::State::WaitingLast);
    QCOMPARE(m_window->downloadList().count(), 1);
    QTRY_COMPARE(m_window->downloadState(), TmiDownload::State::Idle);
    QCOMPARE(downloadNumbers(m_chosenFile).size(), 9);
}

void tst_TmiWindow::downloadLetsTheEventLoopRun()
{
    // A host that answers inside send and takes its time: the window still
    // gets events (repaints, the Cancel button) while the pages come in.
    m_tracker.store(TestPages::route(1000, 1705323900, 1));
    m_tracker.insideSend = true;
    g_answer = [this](const Request &r) {
        QThread::usleep(100);
        m_tracker.answer(r);
    };
    int turns = 0;
    QTimer tick;
    connect(&tick, &QTimer::timeout, this, [&] {
        if (m_window->downloadState() == TmiDownload::State::WaitingPages)
            ++turns;
    });
    tick.start(0);
    setInterval(QDateTime(QDate(2024, 1, 15), QTime(13, 5, 0)), QDateTime(QDate(2024, 1, 15), QTime(21, 24, 30)));
    m_chosenFile = m_dir.filePath(QStringLiteral("slow.csv"));
    press("BtnSaveToExcel");
    QTRY_COMPARE_WITH_TIMEOUT(m_window->downloadState(), TmiDownload::State::Idle, 30000);
    QCOMPARE(downloadNumbers(m_chosenFile).size(), 1000);
    QVERIFY2(turns >= 3, qPrintable(QString::number(turns)));
    QVERIFY(g_maxDepth <= 2);
}

void tst_TmiWindow::fileDialogStartsInTheDataDirectory_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("output");
    QTest::newRow("text file") << QStringLiteral("BtnSaveToFile") << QStringLiteral("K4810_585") << QStringLiteral("*.xml")
                               << QStringLiteral("xml");
    QTest::newRow("table") << QStringLiteral("BtnSaveToExcel") << QStringLiteral("K4810_585") << QStringLiteral("*.csv")
                           << QStringLiteral("csv");
    QTest::newRow("telemetry file") << QStringLiteral("BtnSaveFileToServer") << QStringLiteral("K4810_584")
                                    << QStringLiteral("*.tmi") << QStringLiteral("tmi");
    QTest::newRow("menu: telemetry file") << QStringLiteral("Menu_TMI") << QStringLiteral("K4810_584")
                                          << QStringLiteral("*.tmi") << QStringLiteral("tmi");
    QTest::newRow("menu: Google Earth") << QStringLiteral("Menu_Google") << QStringLiteral("K4810_584")
                                        << QStringLiteral("*.kml") << QStringLiteral("kml");
}

void tst_TmiWindow::fileDialogStartsInTheDataDirectory()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, filter);
    QFETCH(QString, output);
    const QString paths[4] = {m_dir.filePath(QStringLiteral("data")), QString(), QString(), QString()};
    deliver(OrvMsg::WorkingPaths, addr(paths));
    if (button.startsWith(QLatin1String("Menu")))
        m_window->findChild<QAction *>(button)->trigger();
    else
        press(qPrintable(button));
    QCOMPARE(m_chooserCalls, QStringList{caption + '|' + paths[0] + '|' + filter});
    QCOMPARE(m_window->outputId(), output);
    // Cancelled: nothing more.
    QVERIFY(g_requests.empty());
    QCOMPARE(m_window->downloadState(), TmiDownload::State::Idle);
}

void tst_TmiWindow::endBeforeStartSendsNothing()
{
    setInterval(QDateTime(QDate(2024, 1, 15), QTime(13, 0, 0)), QDateTime(QDate(2024, 1, 15), QTime(12, 59, 59)));
    m_chosenFile = m_dir.filePath(QStringLiteral("never.xml"));
    press("BtnSaveToFile");
    QCOMPARE(m_messages, QStringList{QStringLiteral("K4810_583|K4810_1611")});
    QVERIFY(m_chooserCalls.isEmpty());
    QVERIFY(g_requests.empty());
    QVERIFY(!QFileInfo::exists(m_chosenFile));
}

void tst_TmiWindow::lastPageNotAfterTheFirst_data()
{
    QTest::addColumn<quint32>("lastNumber");
    QTest::newRow("the same page") << 1005u;
    QTest::newRow("an earlier page") << 1002u;
}

void tst_TmiWindow::lastPageNotAfterTheFirst()
{
    QFETCH(quint32, lastNumber);
    m_tracker.store(TestPages::route(20, 1705323900, 1000));
    m_tracker.override = [this, lastNumber](const Request &r) {
        if (r.msgId == OrvMsg::ReadPageAtTime)
            return TestPages::payload(TestPages::f8(m_tracker.pages[lastNumber]), 13);
        return QByteArray();
    };
    setInterval(QDateTime(QDate(2024, 1, 15), QTime(13, 7, 30)), QDateTime(QDate(2024, 1, 15), QTime(13, 14, 0)));
    m_chosenFile = m_dir.filePath(QStringLiteral("none.xml"));
    press("BtnSaveToFile");
    QTRY_COMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0], QStringLiteral("K4810_583|K4810_1612"));
    QCOMPARE(m_window->downloadState(), TmiDownload::State::Idle);
    QVERIFY(requestsOf(OrvMsg::ReadPageByNumber).empty());
    QVERIFY(!QFileInfo::exists(m_chosenFile));
    QVERIFY(widget("BtnSaveToFile")->isEnabled());
}

void tst_TmiWindow::cancelWritesNoFile_data()
{
    QTest::addColumn<int>("cancelAfterRequests");
    QTest::newRow("waiting for the first page") << 1;
    QTest::newRow("waiting for the last page") << 2;
    QTest::newRow("among the pages") << 6;
}

void tst_TmiWindow::cancelWritesNoFile()
{
    QFETCH(int, cancelAfterRequests);
    m_tracker.store(TestPages::route(40, 1705323900, 1));
    // The tracker answers until the given request, then the user cancels
    // while that one is in flight; its answer comes afterwards.
    QByteArray late;
    g_answer = [&](const Request &r) {
        if (int(g_requests.size()) < cancelAfterRequests) {
            m_tracker.answer(r);
            return;
        }
        late = TestPages::payload(TestPages::f8(m_tracker.pages[30]), r.msgId == OrvMsg::ReadPageByNumber ? 3 : 13);
    };
    setInterval(QDateTime(QDate(2024, 1, 15), QTime(13, 5, 0)), QDateTime(QDate(2024, 1, 15), QTime(13, 20, 0)));
    m_chosenFile = m_dir.filePath(QStringLiteral("cancelled.kml"));
    m_window->findChild<QAction *>(QStringLiteral("Menu_Google"))->trigger();
    QTRY_VERIFY(!late.isEmpty());
    press("BtnSaveCancel");
    QCOMPARE(m_window->downloadState(), TmiDownload::State::Idle);
    QVERIFY(label("label_Status").isEmpty());
    QVERIFY(widget("BtnSaveToFile")->isEnabled());
    // The late answer is not taken for a page the user asked for.
    QWidget *view = shownView();
    deliverPage(late);
    QCOMPARE(shownView(), view);
    QTest::qWait(20);
    QVERIFY(!QFileInfo::exists(m_chosenFile));
    QCOMPARE(int(g_requests.size()), cancelAfterRequests);
}

void tst_TmiWindow::unreadablePageStopsTheDownload()
{
    m_tracker.store(TestPages::route(20, 1705323900, 1));
    m_tracker.override = [](const Request &r) {
        if (r.msgId == OrvMsg::ReadPageByNumber && r.number == 5)
            return TestPages::payload(QByteArray(40, '\x08'), 3);
        return QByteArray();
    };
    setInterval(QDateTime(QDate(2024, 1, 15), QTime(13, 5, 0)), QDateTime(QDate(2024, 1, 15), QTime(13, 14, 0)));
    m_chosenFile = m_dir.filePath(QStringLiteral("broken.tmi"));
    press("BtnSaveFileToServer");
    QTRY_COMPARE(m_messages, QStringList{QStringLiteral("K4810_583|K4810_1613")});
    QCOMPARE(m_window->downloadState(), TmiDownload::State::Idle);
    QCOMPARE(requestsOf(OrvMsg::ReadPageByNumber).back().number, 5u);
    QVERIFY(!QFileInfo::exists(m_chosenFile));
}

void tst_TmiWindow::unwritableFileIsReported()
{
    m_tracker.store(TestPages::route(10, 1705323900, 1));
    setInterval(QDateTime(QDate(2024, 1, 15), QTime(13, 5, 0)), QDateTime(QDate(2024, 1, 15), QTime(13, 9, 0)));
    m_chosenFile = m_dir.filePath(QStringLiteral("no such folder/pages.xml"));
    press("BtnSaveToFile");
    QTRY_COMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].startsWith(QStringLiteral("K4810_583|K4810_1610")), qPrintable(m_messages[0]));
    QCOMPARE(m_window->downloadState(), TmiDownload::State::Idle);
    QVERIFY(label("label_Status").isEmpty());
    QVERIFY(widget("BtnSaveToFile")->isEnabled());
}

void tst_TmiWindow::unansweredRequestIsReported()
{
    // The tracker never answers the request for page 5 (an empty answer is
    // dropped before it reaches the window): the download ends with a message.
    m_tracker.store(TestPages::route(20, 1705323900, 1));
    g_answer = [this](const Request &r) {
        if (r.msgId != OrvMsg::ReadPageByNumber || r.number != 5)
            m_tracker.answer(r);
    };
    m_window->download()->setTimeout(50);
    setInterval(QDateTime(QDate(2024, 1, 15), QTime(13, 5, 0)), QDateTime(QDate(2024, 1, 15), QTime(13, 14, 0)));
    m_chosenFile = m_dir.filePath(QStringLiteral("silent.xml"));
    press("BtnSaveToFile");
    QTRY_COMPARE(m_messages, QStringList{QStringLiteral("K4810_583|K4810_1925")});
    QCOMPARE(m_window->downloadState(), TmiDownload::State::Idle);
    QVERIFY(widget("BtnSaveToFile")->isEnabled());
    QVERIFY(!widget("BtnSaveCancel")->isEnabled());
    QVERIFY(label("label_Status").isEmpty());
    QVERIFY(!QFileInfo::exists(m_chosenFile));
}

void tst_TmiWindow::afterCancelTheNextPageIsShown()
{
    // The request in flight when the user cancels is never answered; the
    // page the user asks for next is shown, not taken for its answer.
    m_tracker.store(TestPages::route(20, 1705323900, 1));
    g_answer = [this](const Request &r) {
        if (r.msgId != OrvMsg::ReadPageByNumber)
            m_tracker.answer(r);
    };
    setInterval(QDateTime(QDate(2024, 1, 15), QTime(13, 5, 0)), QDateTime(QDate(2024, 1, 15), QTime(13, 14, 0)));
    m_chosenFile = m_dir.filePath(QStringLiteral("cancelled.csv"));
    press("BtnSaveToExcel");
    QTRY_VERIFY(!requestsOf(OrvMsg::ReadPageByNumber).empty());
    press("BtnSaveCancel");
    press("BtnGetCurrent");
    QTRY_COMPARE(label("label_F8_NumPage"), QStringLiteral("20"));
    QCOMPARE(shownView()->objectName(), QStringLiteral("page_F8"));
}

void tst_TmiWindow::closingEndsTheDownload()
{
    m_tracker.store(TestPages::route(40, 1705323900, 1));
    QByteArray late;
    g_answer = [&](const Request &r) {
        if (r.msgId == OrvMsg::ReadPageByNumber)
            late = TestPages::payload(TestPages::f8(m_tracker.pages[r.number]), 3);
        else
            m_tracker.answer(r);
    };
    setInterval(QDateTime(QDate(2024, 1, 15), QTime(13, 5, 0)), QDateTime(QDate(2024, 1, 15), QTime(13, 20, 0)));
    m_chosenFile = m_dir.filePath(QStringLiteral("closed.xml"));
    press("BtnSaveToFile");
    QTRY_VERIFY(!late.isEmpty());
    press("BtnClose");
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->downloadState(), TmiDownload::State::Idle);
    open();
    deliverPage(late);
    QCOMPARE(shownView()->objectName(), QStringLiteral("page_Null"));
    QVERIFY(widget("BtnSaveToFile")->isEnabled());
    QTest::qWait(20);
    QVERIFY(!QFileInfo::exists(m_chosenFile));
}

void tst_TmiWindow::oneClockForFieldsPagesAndFiles_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<bool>("daylightSaving");
    QTest::addColumn<QByteArray>("machineZone");
    QTest::addColumn<QDateTime>("at"); // the tracker's clock
    QTest::newRow("zone 3, UTC machine, winter") << 3 << false << QByteArray("UTC")
                                                 << QDateTime(QDate(2024, 1, 15), QTime(12, 43, 0), Qt::UTC);
    QTest::newRow("zone 3 with summer time, Moscow machine, summer")
        << 3 << true << QByteArray("Europe/Moscow") << QDateTime(QDate(2024, 7, 1), QTime(0, 30, 0), Qt::UTC);
    QTest::newRow("zone -5 with summer time, New York machine, its missing hour")
        << -5 << true << QByteArray("America/New_York") << QDateTime(QDate(2024, 3, 10), QTime(2, 30, 0), Qt::UTC);
    QTest::newRow("zone 0 with summer time, Berlin machine, its repeated hour")
        << 0 << true << QByteArray("Europe/Berlin") << QDateTime(QDate(2024, 10, 27), QTime(2, 30, 0), Qt::UTC);
    QTest::newRow("zone 10, Sydney machine") << 10 << false << QByteArray("Australia/Sydney")
                                             << QDateTime(QDate(2024, 4, 7), QTime(2, 30, 0), Qt::UTC);
}

void tst_TmiWindow::oneClockForFieldsPagesAndFiles()
{
    QFETCH(int, zone);
    QFETCH(bool, daylightSaving);
    QFETCH(QByteArray, machineZone);
    QFETCH(QDateTime, at);
    qputenv("TZ", machineZone);
    tzset();
    const QString settings = m_dir.filePath(QStringLiteral("zone.xml"));
    QVERIFY(TestFiles::write(settings, settingsFile(QByteArray("\t<SYSTEM page=\"SYSTEM\">\n\t\t<timeZone>")
                                                    + QByteArray::number(zone) + "</timeZone>\n\t\t<allowDecretTime>"
                                                    + (daylightSaving ? "1" : "0") + "</allowDecretTime>\n\t</SYSTEM>\n")));
    m_window->close();
    open(settings);
    QCOMPARE(m_window->timeZone(), zone);
    // The window names its clock, and the settings' zone beside it.
    QVERIFY(!label("label_TimeZone").isEmpty());
    QVERIFY2(widget("label_TimeZone")->toolTip().startsWith(QStringLiteral("K4810_3090")),
             qPrintable(widget("label_TimeZone")->toolTip()));

    // The fields start at today 00:00 and now, on the tracker's clock.
    auto shown = [this](const char *name) {
        const QDateTimeEdit *edit = widget<QDateTimeEdit>(name);
        return QDateTime(edit->date(), edit->time(), Qt::UTC);
    };
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QVERIFY(qAbs(shown("dateTimeEdit_Last").secsTo(now)) < 60);
    QCOMPARE(shown("dateTimeEdit_First"), QDateTime(shown("dateTimeEdit_Last").date(), QTime(0, 0), Qt::UTC));

    // Pages every 30 s up to `at`: an interval ending at `at` ends at the
    // page the page view shows at `at`, and the file says the same time.
    const quint32 end = quint32(at.toSecsSinceEpoch());
    m_tracker.store(TestPages::route(21, end - 600, 100));
    const QDateTime first = at.addSecs(-300);
    widget<QDateTimeEdit>("dateTimeEdit_First")->setDateTime(first);
    widget<QDateTimeEdit>("dateTimeEdit_Last")->setDateTime(at);
    QCOMPARE(shown("dateTimeEdit_First"), first);
    QCOMPARE(shown("dateTimeEdit_Last"), at);
    m_chosenFile = m_dir.filePath(QStringLiteral("clock.csv"));
    press("BtnSaveToExcel");
    QTRY_COMPARE_WITH_TIMEOUT(m_window->downloadState(), TmiDownload::State::Idle, 10000);
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join('\n')));
    QCOMPARE(requestsOf(OrvMsg::StartInterval).at(0).seconds, first.toSecsSinceEpoch());
    QCOMPARE(requestsOf(OrvMsg::ReadPageAtTime).at(0).seconds, at.toSecsSinceEpoch());
    const QList<quint32> numbers = downloadNumbers(m_chosenFile);
    QCOMPARE(numbers.size(), 11);
    QCOMPARE(numbers.last(), 120u);
    const QByteArray stamp = at.toString(QStringLiteral("hh:mm:ss dd.MM.yyyy")).toLatin1();
    QVERIFY2(TestFiles::read(m_chosenFile).split('\n').at(11).contains(stamp), stamp.constData());

    press("BtnGetCurrent");
    QTRY_COMPARE(label("label_F8_NumPage"), QStringLiteral("120"));
    QCOMPARE(label("label_F8_Time"), QString::fromLatin1(stamp));
    // Show at the same field value reads the same page.
    widget<QDateTimeEdit>("dateTimeEdit_Show")->setDateTime(at);
    press("BtnShow");
    QCOMPARE(requestsOf(OrvMsg::ReadPageAtTime).back().seconds, at.toSecsSinceEpoch());
}

void tst_TmiWindow::detachedWindowAsksNothing_data()
{
    QTest::addColumn<QString>("control");
    for (const char *name : {"BtnGetCurrent", "BtnGetPrev", "BtnGetNext", "BtnShow", "BtnO1On", "BtnO1Off", "BtnO2On",
                             "BtnO2Off", "BtnSet_Guard", "BtnSet_NoGuard", "BtnRun", "BtnGetBalance", "BtnSaveToFile",
                             "BtnSaveToExcel", "BtnSaveFileToServer", "toolButton_SaveMore", "BtnClear", "Btn_Taho",
                             "Btn_FuelSensor", "toolButton_TM", "toolButton_RFID", "checkBox_Get_Auto_TMI"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_TmiWindow::detachedWindowAsksNothing()
{
    QFETCH(QString, control);
    prepareEveryRequest();
    m_tracker.store(TestPages::route(5, 1705323900, 1));
    QVERIFY(widget(control.toLatin1())->isEnabled());
    // The host opens the window while no tracker is attached.
    deliver(OrvMsg::TrackerDetached);
    QVERIFY(!m_window->isVisible());
    open();
    QVERIFY(m_window->isVisible());
    QVERIFY(m_window->isDetached());
    QVERIFY(m_window->windowTitle().endsWith(QStringLiteral("K4810_3085")));
    QCOMPARE(label("label_Status"), QStringLiteral("K4810_3086"));
    QWidget *w = widget(control.toLatin1());
    QVERIFY(!w->isEnabled());
    g_requests.clear();
    // (The menu button only opens its menu, whose entries are disabled.)
    auto *menuButton = qobject_cast<QToolButton *>(w);
    if (auto *button = qobject_cast<QAbstractButton *>(w); button && !(menuButton && menuButton->menu()))
        emit button->pressed();
    if (menuButton && menuButton->menu()) {
        for (QAction *action : menuButton->menu()->actions()) {
            QVERIFY(!action->isEnabled());
            action->trigger();
        }
    }
    QCoreApplication::processEvents();
    QVERIFY2(g_requests.empty(), qPrintable(QString::number(g_requests.front().msgId)));
    // Attached again, the window opens with its requests back.
    attach();
    open();
    QVERIFY(!m_window->isDetached());
    QVERIFY(widget(control.toLatin1())->isEnabled());
    QVERIFY(label("label_Status").isEmpty());
    QVERIFY(!m_window->windowTitle().contains(QStringLiteral("K4810_3085")));
}

void tst_TmiWindow::unansweredRequestGivesTheControlsBack_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<uint32_t>("request");
    QTest::addColumn<uint32_t>("lateAnswer");
    QTest::newRow("current") << QStringLiteral("BtnGetCurrent") << uint32_t(OrvMsg::ReadCurrentPage)
                             << uint32_t(OrvMsg::TelemetryPage);
    QTest::newRow("previous") << QStringLiteral("BtnGetPrev") << uint32_t(OrvMsg::ReadPageByNumber)
                              << uint32_t(OrvMsg::TelemetryPage);
    QTest::newRow("next") << QStringLiteral("BtnGetNext") << uint32_t(OrvMsg::ReadPageByNumber)
                          << uint32_t(OrvMsg::TelemetryPage);
    QTest::newRow("show") << QStringLiteral("BtnShow") << uint32_t(OrvMsg::ReadPageAtTime)
                          << uint32_t(OrvMsg::TelemetryPage);
    QTest::newRow("balance page") << QStringLiteral("BtnGetBalance") << uint32_t(OrvMsg::ReadPageForBalance)
                                  << uint32_t(OrvMsg::BalancePage);
    QTest::newRow("clear") << QStringLiteral("BtnClear") << uint32_t(OrvMsg::ClearBuffer)
                           << uint32_t(OrvMsg::ClearBufferAnswer);
    QTest::newRow("touch memory") << QStringLiteral("toolButton_TM") << uint32_t(OrvMsg::ReadTouchMemory)
                                  << uint32_t(OrvMsg::TouchMemoryCode);
    QTest::newRow("RFID") << QStringLiteral("toolButton_RFID") << uint32_t(OrvMsg::ReadRfid)
                          << uint32_t(OrvMsg::RfidCode);
}

void tst_TmiWindow::unansweredRequestGivesTheControlsBack()
{
    QFETCH(QString, button);
    QFETCH(uint32_t, request);
    QFETCH(uint32_t, lateAnswer);
    prepareEveryRequest();
    g_answer = nullptr; // the tracker never answers
    m_window->request()->setTimeout(50);
    press(button.toLatin1());
    QCOMPARE(requestIds(), QList<uint32_t>{request});
    // While the answer is awaited nothing else is asked.
    QVERIFY(!widget("BtnGetCurrent")->isEnabled());
    QVERIFY(!widget(button.toLatin1())->isEnabled());
    QTRY_COMPARE(m_messages, QStringList{QStringLiteral("K4810_583|K4810_3087")});
    QVERIFY(widget(button.toLatin1())->isEnabled());
    QVERIFY(widget("BtnGetCurrent")->isEnabled());
    QVERIFY(!m_window->showFlag());
    QCOMPARE(m_window->clearState(), int(orv_FormTmi_K4810::ClearIdle));

    // The answer that comes after the limit starts nothing: no USSD request,
    // no further clearing step, no message.
    const QByteArray page = TestPages::payload(TestPages::record(TestPages::route(1, 1705323900, 42).front()), 3);
    const quint64 code = 0x1234;
    if (lateAnswer == OrvMsg::TouchMemoryCode || lateAnswer == OrvMsg::RfidCode)
        deliver(lateAnswer, addr(&code), 1);
    else
        deliverPage(page, lateAnswer);
    QCoreApplication::processEvents();
    QCOMPARE(requestIds(), QList<uint32_t>{request});
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(widget("BtnGetCurrent")->isEnabled());
}

void tst_TmiWindow::cancelledBalanceWaitIgnoresTheLateAnswer()
{
    const QString settings = m_dir.filePath(QStringLiteral("ussd.xml"));
    QVERIFY(TestFiles::write(settings, settingsFile("\t<SYSTEM page=\"SYSTEM\">\n\t\t<balanceRequestUSSD>*100#"
                                                    "</balanceRequestUSSD>\n\t</SYSTEM>\n")));
    open(settings);
    m_tracker.store(TestPages::route(1, 1705323900, 1));
    m_window->setBalanceTickInterval(60000);
    press("BtnGetBalance");
    QTRY_COMPARE(requestsOf(OrvMsg::UssdRequest).size(), size_t(1));
    FormWait *wait = m_window->waitDialog();
    QVERIFY(wait && wait->isVisible());
    QVERIFY(wait->isCancelable());
    // Escape on the wait window ends the wait ...
    QTest::keyClick(wait, Qt::Key_Escape);
    QVERIFY(!wait->isVisible());
    QVERIFY(!m_window->isBalanceWaiting());
    QVERIFY(widget("BtnGetBalance")->isEnabled());
    // ... and the operator's answer that comes later is not shown.
    const QString late = QStringLiteral("Balance 12.50");
    deliver(OrvMsg::BalanceAnswer, addr(&late));
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join('\n')));
    // A new request waits for its own answer and shows it.
    press("BtnGetBalance");
    QTRY_COMPARE(requestsOf(OrvMsg::UssdRequest).size(), size_t(2));
    QVERIFY(wait->isVisible());
    deliver(OrvMsg::BalanceAnswer, addr(&late));
    QCOMPARE(m_messages, QStringList{QStringLiteral("K4810_596|Balance 12.50")});
    QVERIFY(!wait->isVisible());
}

QTEST_MAIN(tst_TmiWindow)
#include "tst_tmiwindow.moc"
