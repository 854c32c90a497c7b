// Interval downloads as a technician runs them in the stand-in host: the
// host's own core on one side, the built plug-in (through its exports) on
// the other, and a tracker as a column of the table: the simulated tracker
// recording F6/F8 pages, second-generation pages (a fleet's field selection,
// or every field), and a tracker of the suite's own test pages. A thousand
// pages into each of the four files, answered later or inside send; each
// file read by a reader the plug-in did not write (xmllint, gpsbabel, an
// independent .tmi reader), and the text file opened again in the page view
// and the table view, which must show the values the tracker sent.

#include "host/pluginhost.h"
#include "host/simulator/services/telemetry/telemetryservice.h"
#include "host/simulator/simulatedtracker.h"
#include "tests/support/testfiles.h"
#include "tests/support/tmifilereader.h"
#include "tests/support/uiautomation.h"
#include "tests/tmiwindow/tmitestpages.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QDateTimeEdit>
#include <QLabel>
#include <QProcess>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <map>

using namespace UiAutomation;

namespace {

constexpr uint32_t kTripEnd = 1767225600; // 2026-01-01 00:00:00 UTC
constexpr quint32 kRouteStart = 1717236000; // 2024-06-01 10:00:00
constexpr int kStored = 1100;
constexpr int kFirst = 51;
constexpr int kLast = 1050;

QDateTime wallClock(uint32_t seconds)
{
    // The window's fields show the tracker's clock (UTC) on any machine.
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

// What a view shows for a coordinate, from the raw value: degrees, and
// minutes with four decimals.
QString coordinateText(qint32 value)
{
    const qint32 degrees = value / 600000;
    return QStringLiteral("%1 %2'").arg(degrees).arg(double(value - degrees * 600000) / 10000.0, 0, 'f', 4);
}

QString timeText(quint32 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(QStringLiteral("hh:mm:ss dd.MM.yyyy"));
}

// The tracker of the suite's own pages (mostly F8, every seventh F6), pages
// 1 .. 1100 of a drive. While it is on, it answers the telemetry window's
// page requests in place of the simulated tracker, which answers the rest.
class RouteTracker : public HostRequestHandler
{
public:
    RouteTracker(PluginHost *host, SimulatedTracker *simulated)
        : m_host(host)
        , m_simulated(simulated)
    {
        for (const TestPages::Point &p : TestPages::route(kStored, kRouteStart, 1))
            pages[p.number] = p;
    }
    bool on = false;
    std::map<quint32, TestPages::Point> pages;

    int32_t handleRequest(const PluginMessage &request) override
    {
        const bool byNumber = request.msgId == HostMessages::ReadPageByNumber;
        const bool byTime = request.msgId == HostMessages::ReadPageAtTime || request.msgId == HostMessages::DownloadFromTime;
        if (!on || (!byNumber && !byTime))
            return m_simulated->handleRequest(request);
        const TestPages::Point *page = &pages.rbegin()->second;
        if (byNumber) {
            if (request.p1.bytes.size() < 4)
                return 0;
            auto it = pages.lower_bound(TestPages::get32(request.p1.bytes, 0));
            if (it != pages.end())
                page = &it->second;
        } else {
            if (request.p1.type != MessageArg::Type::Address || !isPlausibleAddress(intptr_t(request.p1.number)))
                return 0;
            const qint64 seconds = reinterpret_cast<const QDateTime *>(intptr_t(request.p1.number))->toSecsSinceEpoch();
            for (const auto &[n, p] : pages) {
                if (p.time >= seconds) {
                    page = &p;
                    break;
                }
            }
        }
        m_host->answer(PluginMessage::buffer(HostMessages::TelemetryPage,
                                             TestPages::payload(TestPages::record(*page), byNumber ? 3 : 13)));
        return 1;
    }
    QString noteFor(const PluginMessage &request) const override { return m_simulated->noteFor(request); }

private:
    PluginHost *m_host;
    SimulatedTracker *m_simulated;
};

enum class Tracker { Route, F8, Vela2, Vela2AllFields };

// A page as the tracker recorded it, in what the views show of it.
struct Expected
{
    quint32 number = 0;
    quint32 time = 0;
    qint32 latitude = 0;
    qint32 longitude = 0;
    qint32 altitude = 0;
    bool asF6 = false;
};

} // namespace

Q_DECLARE_METATYPE(Tracker)

class tst_IntervalDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void download_data();
    void download();
    void cleanupTestCase();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PluginHost> m_host;
    std::unique_ptr<SimulatedTracker> m_simulated;
    std::unique_ptr<RouteTracker> m_route;
    TelemetryService *m_telemetry = nullptr;
    QWidget *m_window = nullptr;

    template<typename T = QWidget>
    static T *child(QWidget *w, const char *name)
    {
        return w ? w->findChild<T *>(QLatin1String(name)) : nullptr;
    }
    QList<Expected> interval(Tracker tracker) const;
    void checkKml(const QString &path, const QList<Expected> &pages);
    void checkTmi(const QString &path, const QList<Expected> &pages, Tracker tracker);
    void checkTable(const QString &path, const QList<Expected> &pages, Tracker tracker);
    void checkXml(const QString &path, const QList<Expected> &pages, Tracker tracker);
};

void tst_IntervalDownload::initTestCase()
{
    m_host = std::make_unique<PluginHost>();
    QVERIFY2(m_host->load(qEnvironmentVariable("K4810_PLUGIN")), qPrintable(m_host->errorString()));
    m_host->sendEnvironment({m_dir.path() + QLatin1Char('/'), m_dir.path() + QLatin1Char('/'), QString(), QString()}, 0);
    m_simulated = std::make_unique<SimulatedTracker>(m_host.get());
    m_simulated->addStandardServices();
    m_route = std::make_unique<RouteTracker>(m_host.get(), m_simulated.get());
    m_host->setRequestHandler(m_route.get());
    m_telemetry = m_simulated->service<TelemetryService>();
    QVERIFY(m_telemetry);
    m_telemetry->setRecording(false);
    m_telemetry->setTrip(kStored, kTripEnd);
    m_simulated->attach();

    // Time zone 0: the date fields read as tracker time. Captions with the
    // characters the text file escapes.
    const QString settings = m_dir.filePath(QStringLiteral("settings.xml"));
    QVERIFY(TestFiles::write(settings, "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE model=\"K-4810\">\n"
                                       "\t<SENSORS>\n\t\t<nicknameIN1>Door &amp; hatch!</nicknameIN1>\n\t</SENSORS>\n"
                                       "\t<SYSTEM>\n\t\t<timeZone>0</timeZone>\n\t</SYSTEM>\n</DEVICE>\n"));
    m_host->deliverText(2019, settings, 0);
    m_window = topLevel(QStringLiteral("orv_FormTmi_K4810"));
    QVERIFY(m_window && m_window->isVisible());
}

QList<Expected> tst_IntervalDownload::interval(Tracker tracker) const
{
    QList<Expected> pages;
    for (int n = kFirst; n <= kLast; ++n) {
        Expected e;
        if (tracker == Tracker::Route) {
            const TestPages::Point &p = m_route->pages.at(quint32(n));
            e = {p.number, p.time, p.latitude, p.longitude, p.altitude, p.asF6};
        } else {
            const TripPage p = m_telemetry->trip().page(n);
            e = {p.number, p.time, p.latitude, p.longitude, p.altitude, tracker == Tracker::F8 && n % 37 == 0};
        }
        pages << e;
    }
    return pages;
}

void tst_IntervalDownload::download_data()
{
    QTest::addColumn<Tracker>("tracker");
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("insideSend");
    const std::pair<Tracker, const char *> trackers[] = {{Tracker::Route, "test pages"},
                                                         {Tracker::F8, "F6/F8 tracker"},
                                                         {Tracker::Vela2, "second-generation tracker"},
                                                         {Tracker::Vela2AllFields, "every field"}};
    for (const auto &[tracker, name] : trackers) {
        for (const char *output : {"xml", "csv", "tmi", "kml"}) {
            if (tracker == Tracker::Vela2AllFields && (qstrcmp(output, "tmi") == 0 || qstrcmp(output, "kml") == 0))
                continue; // the same records as the fleet's, longer
            QTest::addRow("%s, %s, later", name, output) << tracker << QString::fromLatin1(output) << false;
            QTest::addRow("%s, %s, inside send", name, output) << tracker << QString::fromLatin1(output) << true;
        }
    }
}

void tst_IntervalDownload::download()
{
    QFETCH(Tracker, tracker);
    QFETCH(QString, output);
    QFETCH(bool, insideSend);
    m_route->on = tracker == Tracker::Route;
    m_host->setAnswerMode(insideSend ? PluginHost::AnswerMode::InsideSend : PluginHost::AnswerMode::Async);
    m_telemetry->setSecondGeneration(tracker == Tracker::Vela2 || tracker == Tracker::Vela2AllFields);
    m_telemetry->setAllFields(tracker == Tracker::Vela2AllFields);
    const QList<Expected> pages = interval(tracker);
    child<QDateTimeEdit>(m_window, "dateTimeEdit_First")->setDateTime(wallClock(pages.first().time - 5));
    child<QDateTimeEdit>(m_window, "dateTimeEdit_Last")->setDateTime(wallClock(pages.last().time));

    const QString path = m_dir.filePath(
        QStringLiteral("%1.%2").arg(QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char('/'), QLatin1Char('-')), output));
    answerNextFileDialog(path);
    if (output == QLatin1String("kml"))
        child<QAction>(m_window, "Menu_Google")->trigger();
    else if (output == QLatin1String("xml"))
        emit child<QAbstractButton>(m_window, "BtnSaveToFile")->pressed();
    else if (output == QLatin1String("tmi"))
        emit child<QAbstractButton>(m_window, "BtnSaveFileToServer")->pressed();
    else
        emit child<QAbstractButton>(m_window, "BtnSaveToExcel")->pressed();

    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path)
                                 && child<QLabel>(m_window, "label_Status")->text() == QLatin1String("K4810_651"),
                             60000);
    QTRY_VERIFY(child<QAbstractButton>(m_window, "BtnSaveToFile")->isEnabled());
    QCOMPARE(child<QLabel>(m_window, "label_Packet_End")->text(), QString::number(kLast));

    if (output == QLatin1String("kml"))
        checkKml(path, pages);
    else if (output == QLatin1String("tmi"))
        checkTmi(path, pages, tracker);
    else if (output == QLatin1String("xml"))
        checkXml(path, pages, tracker);
    else
        checkTable(path, pages, tracker);
}

void tst_IntervalDownload::checkKml(const QString &path, const QList<Expected> &pages)
{
    const QString gpsbabel = QStandardPaths::findExecutable(QStringLiteral("gpsbabel"));
    if (gpsbabel.isEmpty())
        QSKIP("gpsbabel is not installed");
    QProcess babel;
    babel.start(gpsbabel, {QStringLiteral("-i"), QStringLiteral("kml"), QStringLiteral("-f"), path, QStringLiteral("-o"),
                           QStringLiteral("gpx"), QStringLiteral("-F"), QStringLiteral("-")});
    QVERIFY(babel.waitForFinished(60000));
    QVERIFY2(babel.exitCode() == 0, babel.readAllStandardError().constData());
    QXmlStreamReader gpx(babel.readAllStandardOutput());
    QList<std::array<double, 3>> points;
    std::array<double, 3> point{};
    while (!gpx.atEnd()) {
        gpx.readNext();
        if (gpx.isStartElement() && gpx.name() == QLatin1String("trkpt")) {
            point = {gpx.attributes().value(QLatin1String("lat")).toDouble(),
                     gpx.attributes().value(QLatin1String("lon")).toDouble(), 0.0};
        } else if (gpx.isStartElement() && gpx.name() == QLatin1String("ele")) {
            point[2] = gpx.readElementText().toDouble();
        } else if (gpx.isEndElement() && gpx.name() == QLatin1String("trkpt")) {
            points << point;
        }
    }
    QVERIFY2(!gpx.hasError(), qPrintable(gpx.errorString()));
    QCOMPARE(points.size(), pages.size());
    for (int i = 0; i < points.size(); ++i) {
        // gpsbabel writes nine decimals.
        QVERIFY2(std::fabs(points[i][0] - pages[i].latitude / 600000.0) < 2e-9, qPrintable(QString::number(i)));
        QVERIFY2(std::fabs(points[i][1] - pages[i].longitude / 600000.0) < 2e-9, qPrintable(QString::number(i)));
        QCOMPARE(points[i][2], double(pages[i].altitude));
    }
}

void tst_IntervalDownload::checkTmi(const QString &path, const QList<Expected> &pages, Tracker tracker)
{
    const TmiFile tmi(TestFiles::read(path));
    QVERIFY2(tmi.error.isEmpty(), qPrintable(tmi.error));
    QCOMPARE(tmi.version, quint16(1));
    QCOMPARE(tmi.headerSize, quint16(128));
    QCOMPARE(tmi.model, QByteArray("K-4810"));
    QVERIFY(tmi.headerCrcGood);
    QVERIFY(tmi.recordCrcGood);
    QCOMPARE(int(tmi.count), pages.size());
    QCOMPARE(tmi.records.size(), pages.size());
    QCOMPARE(tmi.firstTime, pages.first().time);
    QCOMPARE(tmi.lastTime, pages.last().time);
    QCOMPARE(tmi.identifier, scrambled(m_simulated->identification().toLatin1(), tmi.firstTime));
    const QByteArray mask = QByteArray::fromHex("FBFFFE0AFFFF0FFFB8") + QByteArray(23, '\0');
    for (int i = 0; i < tmi.records.size(); ++i) {
        const QByteArray &r = tmi.records[i];
        if (tracker == Tracker::Vela2) {
            // Second-generation pages are stored exactly as the tracker sent them.
            QCOMPARE(r, m_telemetry->record(int(pages[i].number)));
            continue;
        }
        QCOMPARE(r.size(), 34 + 127);
        QCOMPARE(quint8(r[0]), quint8(0xB0));
        QCOMPARE(quint8(r[1]), quint8(10));
        QCOMPARE(r.mid(2, 32), mask);
        // Fields in mask order: NumPage, Code, Time, ... Latitude at 18, Longitude at 22.
        const QByteArray fields = r.mid(34);
        QCOMPARE(get32(fields, 0), pages[i].number);
        QCOMPARE(get32(fields, 6), pages[i].time);
        QCOMPARE(qint32(get32(fields, 18)), pages[i].latitude);
        QCOMPARE(qint32(get32(fields, 22)), pages[i].longitude);
    }
}

void tst_IntervalDownload::checkTable(const QString &path, const QList<Expected> &pages, Tracker tracker)
{
    const QList<QByteArray> rows = TestFiles::read(path).split('\n');
    QCOMPARE(rows.size(), 1 + pages.size() + 1);
    const bool vela2 = tracker == Tracker::Vela2 || tracker == Tracker::Vela2AllFields;
    // The F8 columns, or every field of the second generation.
    const int columns = vela2 ? 254 : 56;
    const int latitude = vela2 ? 9 : 31; // the column of Latitude in each set
    for (int i = 0; i < pages.size(); ++i) {
        const QByteArray row = rows[1 + i];
        QVERIFY(row.endsWith('\r'));
        const QList<QByteArray> cells = row.chopped(1).split(';');
        QCOMPARE(cells.size(), columns);
        QCOMPARE(cells[0].toUInt(), pages[i].number);
        QCOMPARE(QString::fromLatin1(cells[latitude]), coordinateText(pages[i].latitude));
    }
}

void tst_IntervalDownload::checkXml(const QString &path, const QList<Expected> &pages, Tracker tracker)
{
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (!xmllint.isEmpty()) {
        QProcess lint;
        lint.start(xmllint, {QStringLiteral("--noout"), path});
        QVERIFY(lint.waitForFinished(60000));
        QVERIFY2(lint.exitCode() == 0, lint.readAllStandardError().left(2000).constData());
    }
    QCOMPARE(TestFiles::read(path).count("<Page "), qsizetype(pages.size()));

    // The file again, in the page view and the table view.
    m_host->deliverText(2038, path, 0);
    QWidget *pageView = topLevel(QStringLiteral("orv_FormTmiViewPage"));
    QVERIFY(pageView && pageView->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(pageView, "label_Pages")->text(), QString::number(pages.size()), 30000);
    m_host->deliverText(2038, path, 1);
    QWidget *tableView = topLevel(QStringLiteral("orv_FormTmiViewTable"));
    QVERIFY(tableView && tableView->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(tableView, "label_Pages")->text(), QString::number(pages.size()), 30000);
    const QAbstractItemModel *table = child<QTableView>(tableView, "tableView_Pages")->model();
    QCOMPARE(table->rowCount(), pages.size());

    const bool vela2 = tracker == Tracker::Vela2 || tracker == Tracker::Vela2AllFields;
    // Columns of NumPage, Time, Latitude and Longitude in each set.
    const int columns[] = {0, vela2 ? 2 : 2, vela2 ? 9 : 31, vela2 ? 10 : 32};
    QList<int> shown = {0, 1, int(pages.size()) / 2, int(pages.size()) - 1};
    for (int i = 0; i < pages.size(); ++i) {
        if (pages[i].asF6) {
            shown << i; // an F6 page, converted
            break;
        }
    }
    auto *slider = child<QAbstractSlider>(pageView, "horizontalSlider");
    for (int i : shown) {
        const Expected &e = pages[i];
        const QString texts[] = {QString::number(e.number), timeText(e.time), coordinateText(e.latitude),
                                 coordinateText(e.longitude)};
        for (int c = 0; c < 4; ++c)
            QCOMPARE(table->data(table->index(i, columns[c])).toString(), texts[c]);
        slider->setValue(i);
        QWidget *panel = child<QStackedWidget>(pageView, "stackedWidget")->currentWidget();
        QCOMPARE(panel->objectName(), vela2 ? QStringLiteral("page_Vela2") : QStringLiteral("page_F8"));
        const char *prefix = vela2 ? "value_" : "f8_";
        const char *names[] = {"NumPage", "Time", "Latitude", "Longitude"};
        for (int c = 0; c < 4; ++c)
            QCOMPARE(child<QLabel>(panel, qPrintable(QLatin1String(prefix) + QLatin1String(names[c])))->text(), texts[c]);
        if (tracker == Tracker::Vela2) {
            // Fields outside the fleet's selection are not in the file: "n/a", not 0.
            QCOMPARE(child<QLabel>(panel, "value_Way")->text(), QStringLiteral("n/a"));
            QCOMPARE(table->data(table->index(i, 15)).toString(), QStringLiteral("n/a"));
        }
        if (tracker == Tracker::Vela2AllFields && e.number % 20 != 0) {
            // Every group has values: the tyres too.
            QCOMPARE(child<QLabel>(panel, "value_TiresNum7")->text(), QStringLiteral("7"));
        }
    }
    if (!vela2) {
        // The header's captions come back, escapes undone.
        QCOMPARE(child<QLabel>(pageView, "f8_Caption_Input1")->text(), QStringLiteral("Door & hatch!"));
    }
    pageView->close();
    tableView->close();
}

void tst_IntervalDownload::cleanupTestCase()
{
    m_host->setRequestHandler(nullptr);
    m_route.reset();
    m_simulated.reset();
    m_host->unload();
}

QTEST_MAIN(tst_IntervalDownload)
#include "tst_intervaldownload.moc"
