// Telemetry analysis, in one run:
//
// 1. The chart of a million pages of the simulated trip (speed and a fuel
//    level, in a chart of the analysis window's size): the first drawing
//    (the envelope of the whole trip and the painting) and a zoom step
//    (halving the span, twenty steps from the whole trip down to minutes),
//    medians; against drawing every point of one value as a polyline (what
//    the envelope saves) and against filling the image (the floor).
// 2. Reading the values of the pages (the series) from the download list.
// 3. The GPX export of 100,000 pages against gpsbabel converting that GPX
//    file to KML; the timed KML and the KML track writers beside it.
//
// Usage: bench_analysis [chart pages] [export pages]

#include "host/simulator/services/telemetry/trackerrecords.h"
#include "host/simulator/services/telemetry/tripgenerator.h"
#include "telemetry/tmichartwidget.h"
#include "telemetry/tmidownloadlist.h"
#include "telemetry/tmigpxwriter.h"
#include "telemetry/tmikmltrackwriter.h"
#include "telemetry/tmikmlwriter.h"
#include "telemetry/tmipagesource.h"
#include "telemetry/tmiseriesloader.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr uint32_t kTripEnd = 1767225600;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timeMs(const std::function<void()> &work)
{
    QElapsedTimer t;
    t.start();
    work();
    return t.nsecsElapsed() / 1e6;
}

QString folder()
{
    if (!qEnvironmentVariableIsEmpty("K4810_BENCH_DIR"))
        return qEnvironmentVariable("K4810_BENCH_DIR");
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    if (shm.isDir() && shm.isWritable())
        return shm.absoluteFilePath();
    return QDir::tempPath();
}

std::shared_ptr<TmiDownloadList> tripPages(int count)
{
    const TripGenerator trip(count, kTripEnd);
    auto list = std::make_shared<TmiDownloadList>();
    list->reserve(count);
    for (int n = 1; n <= count; ++n) {
        const QByteArray r = TrackerRecords::f8(trip.page(n));
        list->appendF8(F8Record(r.constData(), r.size()));
    }
    return list;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int chartPages = 1000000;
    int exportPages = 100000;
    if (argc > 1)
        chartPages = std::max(10, atoi(argv[1]));
    if (argc > 2)
        exportPages = std::max(10, atoi(argv[2]));

    // ------------------------------------------------------------ chart
    std::printf("chart: %d pages of the simulated trip (a page every 30 s, %.0f days)\n", chartPages,
                chartPages * 30.0 / 86400);
    QElapsedTimer made;
    made.start();
    std::shared_ptr<TmiDownloadList> list = tripPages(chartPages);
    std::printf("  pages made in %.0f ms (%.1f MB held)\n", made.elapsed() * 1.0, list->heldBytes() / 1e6);

    std::vector<double> reads;
    std::shared_ptr<const TmiSeries> series;
    for (int run = 0; run < 3; ++run) {
        const TmiDownloadPages pages(list, TmiExport::Captions());
        TmiSeries s;
        reads.push_back(timeMs([&] { s = TmiSeriesLoader::read(pages); }));
        series = std::make_shared<const TmiSeries>(std::move(s));
    }
    std::printf("  values read from the pages: %.0f ms median (%.0f pages/s), %.1f MB held\n", median(reads),
                chartPages / (median(reads) / 1000), series->heldBytes() / 1e6);

    const QSize size(1100, 520); // the chart of the analysis window at 1366x768
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    TmiChartWidget chart;
    chart.resize(size);
    chart.setSeries(series, TmiExport::Captions());
    auto render = [&] {
        QPainter p(&image);
        chart.render(&p);
    };

    std::vector<double> first;
    for (int run = 0; run < 7; ++run) {
        first.push_back(timeMs([&] {
            chart.setChannels({TmiChannel::Speed, TmiChannel::Rs485_1});
            chart.showAll();
            render();
        }));
    }
    std::vector<double> steps;
    chart.showAll();
    render();
    const double middle = (chart.fullFrom() + chart.fullTo()) / 2;
    for (int step = 0; step < 20; ++step) {
        steps.push_back(timeMs([&] {
            chart.zoom(TmiChartWidget::ZoomStep, middle);
            render();
        }));
    }
    // Zooming out again, and panning a tenth of the view.
    std::vector<double> outs, pans;
    for (int step = 0; step < 10; ++step) {
        pans.push_back(timeMs([&] {
            chart.pan(0.1);
            render();
        }));
        outs.push_back(timeMs([&] {
            chart.zoom(1 / TmiChartWidget::ZoomStep, middle);
            render();
        }));
    }

    // Baselines: every point of one value as a polyline, and the fill alone.
    std::vector<double> polyline, fill;
    const std::vector<float> &speed = series->values(TmiChannel::Speed);
    const double t0 = series->axis().front(), t1 = series->axis().back();
    for (int run = 0; run < 3; ++run) {
        polyline.push_back(timeMs([&] {
            QPolygonF points;
            points.reserve(series->count());
            for (int i = 0; i < series->count(); ++i)
                points.append(QPointF((series->axis()[size_t(i)] - t0) / (t1 - t0) * size.width(),
                                      size.height() - speed[size_t(i)] * 4.0));
            QPainter p(&image);
            p.fillRect(image.rect(), Qt::white);
            p.setPen(Qt::blue);
            p.drawPolyline(points);
        }));
        fill.push_back(timeMs([&] {
            QPainter p(&image);
            p.fillRect(image.rect(), Qt::white);
        }));
    }
    std::printf("  %-34s %9s %9s %14s\n", "", "median ms", "max ms", "x every point");
    auto row = [&](const char *name, const std::vector<double> &v) {
        std::printf("  %-34s %9.2f %9.2f %14.4f\n", name, median(v), *std::max_element(v.begin(), v.end()),
                    median(v) / median(polyline));
    };
    row("first drawing (2 values)", first);
    row("zoom-in step (20 steps)", steps);
    row("zoom-out step", outs);
    row("pan a tenth", pans);
    row("baseline: every point, 1 value", polyline);
    row("baseline: fill of the image", fill);
    std::printf("  (target: first drawing and a zoom step within 50 ms median)\n\n");
    series.reset();
    list.reset();

    // ------------------------------------------------------------ exports
    QTemporaryDir dir(folder() + QStringLiteral("/bench_analysis-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "no folder to write to\n");
        return 1;
    }
    const std::shared_ptr<TmiDownloadList> pages = tripPages(exportPages);
    std::printf("exports: %d pages, files in %s\n", exportPages, qPrintable(dir.path()));
    struct Output
    {
        const char *name;
        const char *file;
        std::function<std::unique_ptr<TmiWriter>()> make;
    };
    const Output outputs[] = {
        {"GPX track", "track.gpx", [] { return std::make_unique<TmiGpxWriter>(); }},
        {"timed KML track", "timed.kml", [] { return std::make_unique<TmiKmlTrackWriter>(); }},
        {"KML track (line)", "line.kml", [] { return std::make_unique<TmiKmlWriter>(); }},
    };
    double gpxMs = 0;
    std::printf("  %-20s %9s %9s %12s\n", "writer", "MB", "ms", "pages/s");
    for (const Output &o : outputs) {
        std::vector<double> times;
        const QString path = dir.filePath(QLatin1String(o.file));
        for (int run = 0; run < 3; ++run) {
            TmiWriteOptions options;
            options.fileName = path;
            const std::unique_ptr<TmiWriter> writer = o.make();
            bool ok = false;
            times.push_back(timeMs([&] { ok = writer->write(*pages, options); }));
            if (!ok) {
                std::fprintf(stderr, "%s: %s\n", o.name, qPrintable(writer->errorText()));
                return 1;
            }
        }
        if (o.file == outputs[0].file)
            gpxMs = median(times);
        std::printf("  %-20s %9.1f %9.1f %12.0f\n", o.name, QFileInfo(path).size() / 1e6, median(times),
                    exportPages / (median(times) / 1000));
    }
    const QString babel = QStandardPaths::findExecutable(QStringLiteral("gpsbabel"));
    if (babel.isEmpty()) {
        std::printf("  gpsbabel: not installed, no comparison\n");
        return 0;
    }
    std::vector<double> times;
    for (int run = 0; run < 3; ++run) {
        times.push_back(timeMs([&] {
            QProcess::execute(babel, {QStringLiteral("-i"), QStringLiteral("gpx"), QStringLiteral("-f"),
                                      dir.filePath(QStringLiteral("track.gpx")), QStringLiteral("-o"),
                                      QStringLiteral("kml"), QStringLiteral("-F"), dir.filePath(QStringLiteral("babel.kml"))});
        }));
    }
    std::printf("  gpsbabel GPX -> KML of the same points: %.1f ms; the GPX writer takes %.3f of that (%.1f x faster)\n",
                median(times), gpxMs / median(times), median(times) / gpxMs);
    return 0;
}
