// The analysis windows as a person uses them, through the device object:
// a day of the simulated trip downloaded into a GPX track (read back by
// gpsbabel), its chart (speed and fuel level) and trip summary, a refuel
// found in the summary and shown on the chart, its page opened in the page
// view and its bytes in the record inspector; a text file's chart from the
// page view; and the chart widget's zoom, pan and click.

#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"
#include "host/hosttranslator.h"
#include "host/simulator/services/telemetry/trackerrecords.h"
#include "host/simulator/services/telemetry/tripgenerator.h"
#include "telemetry/orv_formtmi_k4810.h"
#include "telemetry/orv_formtmianalysis.h"
#include "telemetry/orv_formtmirecord.h"
#include "telemetry/orv_formtmiviewpage.h"
#include "telemetry/tmichartwidget.h"
#include "telemetry/tmidownloadlist.h"
#include "telemetry/tmipagesource.h"
#include "telemetry/tmiseriesloader.h"
#include "telemetry/tmixmlwriter.h"
#include "tests/support/testfiles.h"

#include <QAction>
#include <QApplication>
#include <QDateTimeEdit>
#include <QDir>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <cmath>
#include <memory>

namespace {

constexpr uint32_t kTripEnd = 1767225600; // 2026-01-01 00:00:00 UTC
constexpr int kDay = 24 * 3600 / TripGenerator::kPageInterval;

TripGenerator *g_trip = nullptr;
ORV_Device_K4810 *g_device = nullptr;

void deliver(const QByteArray &payload)
{
    g_device->receive(g_device->handle(), OrvMsg::TelemetryPage, reinterpret_cast<intptr_t>(payload.constData()),
                      payload.size());
}

QByteArray answer(int number, int prefix)
{
    return TrackerRecords::prefix(prefix, uint32_t(number)) + TrackerRecords::f8(g_trip->page(number));
}

// The tracker answers from inside send.
int32_t host(uint32_t, uint32_t msgId, intptr_t p1, intptr_t p2)
{
    switch (msgId) {
    case OrvMsg::EventName:
        *reinterpret_cast<QString *>(p2) = QStringLiteral("Event %1").arg(p1);
        break;
    case OrvMsg::StartInterval: {
        const auto seconds = uint32_t(reinterpret_cast<const QDateTime *>(p1)->toSecsSinceEpoch());
        deliver(answer(g_trip->firstAtOrAfter(seconds), 13));
        break;
    }
    case OrvMsg::ReadPageAtTime: {
        const auto seconds = uint32_t(reinterpret_cast<const QDateTime *>(p1)->toSecsSinceEpoch());
        int number = g_trip->firstAtOrAfter(seconds);
        if (g_trip->timeOf(number) > seconds && number > 1)
            --number;
        deliver(answer(number, 13));
        break;
    }
    case OrvMsg::ReadPageByNumber:
        deliver(answer(int(*reinterpret_cast<const quint32 *>(p1)), 3));
        break;
    default:
        break;
    }
    return 0;
}

QDateTime wallClock(uint32_t seconds)
{
    const QDateTime utc = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
    return QDateTime(utc.date(), utc.time());
}

void click(QWidget *widget, const QPoint &at)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

void drag(QWidget *widget, const QPoint &from, const QPoint &to)
{
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), widget->mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, to);
}

// Texts of the catalogue with every placeholder (the host's catalogues are
// not loaded here).
class PlaceholderTexts : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        if (qstrncmp(source, "K4810_", 6) != 0)
            return QString();
        return QLatin1String(source) + QStringLiteral(" %1 %2 %3 %4 %5 %6");
    }
};

} // namespace

class tst_TmiAnalysisWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void aDayOfTheTrip();
    void chartOfAFileFromThePageView();
    void chartZoomPanAndClick();

private:
    PlaceholderTexts m_texts;
    QTemporaryDir m_dir;
    std::unique_ptr<TripGenerator> m_trip;
    std::unique_ptr<ORV_Device_K4810> m_device;
};

void tst_TmiAnalysisWindows::initTestCase()
{
    // The host's English texts when they are built (every placeholder of a
    // text must then be filled), else texts made of the keys.
    auto *host = new HostTranslator(this);
    if (host->loadFolder(QStringLiteral(K4810_BINARY_DIR "/host")))
        QCoreApplication::installTranslator(host);
    else
        QCoreApplication::installTranslator(&m_texts);
}

void tst_TmiAnalysisWindows::init()
{
    m_trip = std::make_unique<TripGenerator>(kDay + 200, kTripEnd);
    g_trip = m_trip.get();
    m_device = std::make_unique<ORV_Device_K4810>(QStringLiteral("K-4810"), 2, 7, 3, 6);
    g_device = m_device.get();
    m_device->initialize(host);
}

void tst_TmiAnalysisWindows::cleanup()
{
    m_device.reset();
    g_device = nullptr;
    m_trip.reset();
    g_trip = nullptr;
}

void tst_TmiAnalysisWindows::aDayOfTheTrip()
{
    const QString noSettings;
    m_device->receive(m_device->handle(), OrvMsg::OpenTelemetry, reinterpret_cast<intptr_t>(&noSettings), 0);
    orv_FormTmi_K4810 *window = m_device->tmiWindow();
    QVERIFY(window);
    window->setNotifier([](const QString &title, const QString &text) { QFAIL(qPrintable(title + ": " + text)); });
    auto *chartButton = window->findChild<QPushButton *>(QStringLiteral("Btn_Chart"));
    auto *summaryButton = window->findChild<QPushButton *>(QStringLiteral("Btn_Summary"));
    QVERIFY(chartButton && summaryButton);
    QVERIFY(!chartButton->isEnabled()); // nothing downloaded yet

    // The last day of the trip into a GPX track.
    const int first = m_trip->pageCount() - kDay + 1;
    const int last = m_trip->pageCount();
    window->findChild<QDateTimeEdit *>(QStringLiteral("dateTimeEdit_First"))->setDateTime(wallClock(m_trip->timeOf(first)));
    window->findChild<QDateTimeEdit *>(QStringLiteral("dateTimeEdit_Last"))->setDateTime(wallClock(m_trip->timeOf(last)));
    const QString gpx = m_dir.filePath(QStringLiteral("day.gpx"));
    window->setSaveFileChooser([&gpx](const QString &, const QString &, const QString &filter) {
        return filter == QLatin1String("*.gpx") ? gpx : QString();
    });
    QAction *gpxAction = nullptr;
    for (QAction *action : window->findChildren<QAction *>()) {
        if (action->objectName().contains(QLatin1String("Gpx")))
            gpxAction = action;
    }
    QVERIFY(gpxAction);
    gpxAction->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(window->downloadState() == TmiDownload::State::Idle && QFileInfo::exists(gpx), 60000);
    QVERIFY(chartButton->isEnabled());
    QVERIFY(window->keptPages());
    QCOMPARE(window->keptPages()->pageCount(), kDay);

    // gpsbabel reads every page with a fix.
    int fixes = 0;
    for (int n = first; n <= last; ++n)
        fixes += (m_trip->page(n).stateNGauge & 0x02) ? 1 : 0;
    const QString gpsbabel = QStandardPaths::findExecutable(QStringLiteral("gpsbabel"));
    if (!gpsbabel.isEmpty()) {
        QProcess babel;
        babel.start(gpsbabel, {QStringLiteral("-t"), QStringLiteral("-i"), QStringLiteral("gpx"), QStringLiteral("-f"),
                               gpx, QStringLiteral("-o"), QStringLiteral("unicsv"), QStringLiteral("-F"), QStringLiteral("-")});
        QVERIFY(babel.waitForFinished(60000));
        QVERIFY2(babel.exitCode() == 0, babel.readAllStandardError().constData());
        QCOMPARE(babel.readAllStandardOutput().trimmed().split('\n').size() - 1, fixes);
    }

    // The chart: speed and the fuel level of the first RS-485 sensor.
    chartButton->click();
    ORV_FormTmiAnalysis *analysis = window->analysisWindow();
    QVERIFY(analysis);
    QTRY_VERIFY_WITH_TIMEOUT(analysis->series() != nullptr, 30000);
    QVERIFY(analysis->isVisible());
    auto *tabs = analysis->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QCOMPARE(tabs->currentIndex(), int(ORV_FormTmiAnalysis::ChartTab));
    TmiChartWidget *chart = analysis->chart();
    QCOMPARE(chart->channels(), (QList<TmiChannel::Id>{TmiChannel::Speed, TmiChannel::Rs485_1}));
    QCOMPARE(analysis->series()->count(), kDay);

    // The refuels of the day, as the trip pours them.
    QList<int> refuels; // index of the first page with the tank full again
    for (int n = first + 1; n <= last; ++n) {
        if (m_trip->tankAt(n) > m_trip->tankAt(n - 1) + 0.5)
            refuels << n - first;
    }
    QVERIFY(!refuels.isEmpty());
    summaryButton->click();
    QCOMPARE(tabs->currentIndex(), int(ORV_FormTmiAnalysis::SummaryTab));
    const TmiTripSummary &summary = analysis->summary();
    QCOMPARE(summary.fuelChannel, TmiChannel::Rs485_1);
    QCOMPARE(summary.refuels.size(), refuels.size());
    for (int i = 0; i < refuels.size(); ++i)
        QCOMPARE(summary.refuels[i].lastIndex, refuels[i]);
    QVERIFY(summary.distanceFromWay);
    QVERIFY(summary.distanceKm > 100);
    QCOMPARE(summary.drivingSeconds + summary.parkingSeconds, qint64(kDay - 1) * TripGenerator::kPageInterval);
    QVERIFY(!summary.stops.isEmpty());

    // The refuel's line of the summary shows it on the chart.
    auto *list = analysis->findChild<QListWidget *>(QStringLiteral("listWidget_Summary"));
    QListWidgetItem *refuelLine = nullptr;
    for (int i = 0; i < list->count(); ++i) {
        const QVariant range = list->item(i)->data(Qt::UserRole + 1);
        if (range.isValid() && range.toPoint().y() == refuels[0])
            refuelLine = list->item(i);
    }
    QVERIFY(refuelLine);
    analysis->slot_itemDoubleClicked_listWidget_Summary(refuelLine);
    QCOMPARE(tabs->currentIndex(), int(ORV_FormTmiAnalysis::ChartTab));
    const TmiSeries &series = *analysis->series();
    QVERIFY(chart->viewTo() - chart->viewFrom() < 3600);
    QVERIFY(chart->viewFrom() <= series.axis()[size_t(refuels[0])]);
    QVERIFY(chart->viewTo() >= series.axis()[size_t(refuels[0])]);

    // A click on the page after the refuel opens it in the page view.
    analysis->resize(1200, 700);
    QApplication::processEvents();
    const double x = chart->xAtTime(series.axis()[size_t(refuels[0])]);
    click(chart, QPoint(int(std::lround(x)), chart->plotRect().center().y()));
    orv_FormTmiViewPage *pageView = m_device->viewPageWindow();
    QVERIFY(pageView);
    QVERIFY(pageView->isVisible());
    QCOMPARE(pageView->pages(), analysis->source());
    QCOMPARE(pageView->currentIndex(), refuels[0]);

    // Its bytes: the F8 record as received, every field named.
    pageView->findChild<QPushButton *>(QStringLiteral("PushButton_Record"))->click();
    ORV_FormTmiRecord *record = pageView->recordWindow();
    QVERIFY(record && record->isVisible());
    QCOMPARE(record->record(), TrackerRecords::f8(m_trip->page(first + refuels[0])));
    QCOMPARE(record->spans().size(), 57);
    auto *table = record->findChild<QTableWidget *>(QStringLiteral("tableWidget_Spans"));
    QCOMPARE(table->rowCount(), 57);
    // The inspector follows the page view.
    pageView->goToPage(refuels[0] + 1);
    QCOMPARE(record->record(), TrackerRecords::f8(m_trip->page(first + refuels[0] + 1)));

    // The analysis windows fit a screen of 1366x768, and show what they
    // should there (pictures in $K4810_SCREENSHOTS when set). The telemetry
    // window's own layout is not theirs to check.
    const QString shots = qEnvironmentVariable("K4810_SCREENSHOTS");
    for (QWidget *w : {static_cast<QWidget *>(analysis), static_cast<QWidget *>(record),
                       static_cast<QWidget *>(pageView)}) {
        const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
        QVERIFY2(least.width() <= 1366 && least.height() <= 768 - 40,
                 qPrintable(QStringLiteral("%1: %2x%3").arg(w->objectName()).arg(least.width()).arg(least.height())));
    }
    if (!shots.isEmpty()) {
        QDir().mkpath(shots);
        analysis->resize(1366, 740);
        chart->setView(chart->fullFrom(), chart->fullTo());
        chart->setCursorIndex(refuels[0]);
        QApplication::processEvents();
        analysis->grab().save(shots + QStringLiteral("/chart-day.png"));
        analysis->slot_itemDoubleClicked_listWidget_Summary(refuelLine);
        QApplication::processEvents();
        analysis->grab().save(shots + QStringLiteral("/chart-refuel.png"));
        tabs->setCurrentIndex(ORV_FormTmiAnalysis::SummaryTab);
        QApplication::processEvents();
        analysis->grab().save(shots + QStringLiteral("/summary.png"));
        tabs->setCurrentIndex(ORV_FormTmiAnalysis::ChartTab);
        record->resize(860, 640);
        record->grab().save(shots + QStringLiteral("/record.png"));
        pageView->resize(1366, 740);
        pageView->grab().save(shots + QStringLiteral("/pageview.png"));
        window->resize(1366, 740);
        window->grab().save(shots + QStringLiteral("/tmiwindow.png"));
    }

    // The summary as text.
    const QString text = m_dir.filePath(QStringLiteral("summary.txt"));
    analysis->setSaveFileChooser([&text](const QString &, const QString &, const QString &) { return text; });
    analysis->findChild<QPushButton *>(QStringLiteral("PushButton_SaveText"))->click();
    QCOMPARE(QString::fromUtf8(TestFiles::read(text)), analysis->summaryText());
    // A text that cannot be saved is told.
    QString told;
    analysis->setNotifier([&told](const QString &, const QString &message) { told = message; });
    analysis->setSaveFileChooser([this](const QString &, const QString &, const QString &) {
        return m_dir.filePath(QStringLiteral("missing/summary.txt"));
    });
    analysis->findChild<QPushButton *>(QStringLiteral("PushButton_SaveText"))->click();
    QVERIFY(!told.isEmpty());

    // A new download lets the pages of the last one go.
    const QString kml = m_dir.filePath(QStringLiteral("again.kml"));
    window->setSaveFileChooser([&kml](const QString &, const QString &, const QString &) { return kml; });
    window->slot_triggered_Menu_Google();
    QVERIFY(!chartButton->isEnabled() || window->downloadState() == TmiDownload::State::Idle);
    QTRY_VERIFY_WITH_TIMEOUT(window->downloadState() == TmiDownload::State::Idle && QFileInfo::exists(kml), 60000);
    QVERIFY(window->keptPages() != analysis->source());
}

void tst_TmiAnalysisWindows::chartOfAFileFromThePageView()
{
    // A text file of 500 pages of the trip, opened in the page view.
    TmiDownloadList list;
    for (int n = 1; n <= 500; ++n) {
        const QByteArray r = TrackerRecords::f8(m_trip->page(n));
        list.appendF8(F8Record(r.constData(), r.size()));
    }
    const QString path = m_dir.filePath(QStringLiteral("pages.xml"));
    TmiXmlWriter writer;
    TmiWriteOptions options;
    options.fileName = path;
    QVERIFY(writer.write(list, options));
    orv_FormTmiViewPage *view = m_device->ensureViewPageWindow();
    auto *chartButton = view->findChild<QPushButton *>(QStringLiteral("PushButton_Chart"));
    QVERIFY(!chartButton->isEnabled());
    view->loadFile(path);
    QTRY_VERIFY_WITH_TIMEOUT(view->file() != nullptr, 30000);
    QVERIFY(chartButton->isEnabled());
    view->findChild<QPushButton *>(QStringLiteral("PushButton_Summary"))->click();
    ORV_FormTmiAnalysis *analysis = view->analysisWindow();
    QTRY_VERIFY_WITH_TIMEOUT(analysis->series() != nullptr, 30000);
    QCOMPARE(analysis->series()->count(), 500);
    QCOMPARE(analysis->series()->pageNumbers()[499], 500u);
    QVERIFY(analysis->summary().distanceKm > 0);
    // The record of a file's page is rebuilt from its values.
    view->findChild<QPushButton *>(QStringLiteral("PushButton_Record"))->click();
    QVERIFY(view->recordWindow()->isVisible());
    QCOMPARE(view->recordWindow()->record().size(), 128);
    // A page chosen on the chart: the page view goes there.
    emit analysis->chart()->pageClicked(321);
    QCOMPARE(view->currentIndex(), 321);
    QCOMPARE(view->findChild<QSlider *>(QStringLiteral("horizontalSlider"))->value(), 321);
}

void tst_TmiAnalysisWindows::chartZoomPanAndClick()
{
    // 1000 pages of the trip, 30 s apart.
    auto list = std::make_shared<TmiDownloadList>();
    for (int n = 1; n <= 1000; ++n) {
        const QByteArray r = TrackerRecords::f8(m_trip->page(n));
        list->appendF8(F8Record(r.constData(), r.size()));
    }
    TmiSeries built = TmiSeriesLoader::read(TmiDownloadPages(list, TmiExport::Captions()));
    auto series = std::make_shared<const TmiSeries>(std::move(built));
    TmiChartWidget chart;
    chart.resize(1000, 400);
    chart.setSeries(series, TmiExport::Captions());
    chart.setChannels({TmiChannel::Speed, TmiChannel::Power});
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    const double t0 = series->axis().front(), t1 = series->axis().back();
    QCOMPARE(chart.viewFrom(), t0);
    QCOMPARE(chart.viewTo(), t1);

    // Zooming in around a time keeps it where it was.
    const double anchor = t0 + 0.25 * (t1 - t0);
    const double before = chart.xAtTime(anchor);
    chart.zoom(0.5, anchor);
    QCOMPARE(chart.viewTo() - chart.viewFrom(), (t1 - t0) / 2);
    QVERIFY(std::fabs(chart.xAtTime(anchor) - before) < 1e-6);
    // Never narrower than a minute, never outside the pages.
    chart.zoom(1e-9, anchor);
    QCOMPARE(chart.viewTo() - chart.viewFrom(), TmiChartWidget::MinSpanSeconds);
    chart.setView(t0 - 5000, t0 + 100);
    QCOMPARE(chart.viewFrom(), t0);
    chart.zoom(100, anchor);
    QCOMPARE(chart.viewFrom(), t0);
    QCOMPARE(chart.viewTo(), t1);

    // Dragging moves the view by what the mouse moved; no page is chosen.
    chart.setView(t0 + 3000, t0 + 6000);
    QList<int> clicked;
    connect(&chart, &TmiChartWidget::pageClicked, this, [&clicked](int index) { clicked << index; });
    const QRect plot = chart.plotRect();
    drag(&chart, QPoint(plot.center().x(), plot.center().y()), QPoint(plot.center().x() - plot.width() / 10, plot.center().y()));
    const double moved = double(plot.width() / 10) / plot.width() * 3000;
    QVERIFY(std::fabs(chart.viewFrom() - (t0 + 3000 + moved)) < 1e-6);
    QVERIFY(clicked.isEmpty());

    // A click chooses the nearest page and puts the cursor there.
    const int target = 120; // t0 + 3600
    click(&chart, QPoint(int(std::lround(chart.xAtTime(series->axis()[target] + 4))), plot.center().y()));
    QCOMPARE(clicked, QList<int>{target});
    QCOMPARE(chart.cursorIndex(), target);
    QVERIFY(chart.valuesText(target).contains(QString::number(series->pageNumbers()[target])));

    // The wheel zooms in around the mouse.
    const double span = chart.viewTo() - chart.viewFrom();
    const QPoint at(plot.left() + plot.width() / 4, plot.center().y());
    const double under = chart.timeAtX(at.x());
    QWheelEvent wheel(QPointF(at), chart.mapToGlobal(QPointF(at)), QPoint(), QPoint(0, 240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&chart, &wheel);
    QVERIFY(chart.viewTo() - chart.viewFrom() < span);
    QVERIFY(std::fabs(chart.timeAtX(at.x()) - under) < 1.0);

    // Keys.
    chart.setFocus();
    QTest::keyClick(&chart, Qt::Key_Home);
    QCOMPARE(chart.viewFrom(), t0);
    QCOMPARE(chart.viewTo(), t1);
    QTest::keyClick(&chart, Qt::Key_Plus);
    QVERIFY(chart.viewTo() - chart.viewFrom() < t1 - t0);
    QTest::keyClick(&chart, Qt::Key_Minus);
    QCOMPARE(chart.viewTo() - chart.viewFrom(), t1 - t0);
}

QTEST_MAIN(tst_TmiAnalysisWindows)
#include "tst_tmianalysiswindows.moc"
