// An interval download of 100,000 pages through the plug-in's exports, the
// simulated tracker answering inside send, into each of the four files:
// pages per second and the memory the download took. In the same run,
// gpsbabel converts the same track from GPX to KML, the baseline of the
// KML download.
//
//   bench_download [pages]            all four outputs and the baseline
//   bench_download --one OUTPUT PAGES one download (run by the above, one
//                                     process each, so each peak is its own)

#include "host/pluginhost.h"
#include "host/simulator/services/telemetry/telemetryservice.h"
#include "host/simulator/simulatedtracker.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDateTimeEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

constexpr uint32_t kTripEnd = 1767225600; // 2026-01-01 00:00:00 UTC

// Peak resident memory of this process so far, in KiB.
qint64 peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

QString pluginPath()
{
    const QString env = qEnvironmentVariable("K4810_PLUGIN");
    if (!env.isEmpty())
        return env;
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../bin/libk4810.so"));
}

QWidget *topLevel(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name)
            return w;
    }
    return nullptr;
}

int runOne(const QString &output, int pages)
{
    QTemporaryDir dir;
    PluginHost host;
    if (!host.load(pluginPath())) {
        std::fprintf(stderr, "%s\n", qPrintable(host.errorString()));
        return 1;
    }
    host.sendEnvironment({dir.path() + QLatin1Char('/'), dir.path() + QLatin1Char('/'), QString(), QString()}, 0);
    SimulatedTracker tracker(&host);
    auto *telemetry = new TelemetryService;
    telemetry->setRecording(false);
    telemetry->setTrip(pages + 20, kTripEnd);
    tracker.addService(telemetry);
    tracker.setAnswerMode(PluginHost::AnswerMode::InsideSend);
    tracker.attach();

    // Time zone 0: the date fields read as tracker time.
    const QString settings = dir.filePath(QStringLiteral("settings.xml"));
    QFile f(settings);
    f.open(QIODevice::WriteOnly);
    f.write("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE model=\"K-4810\">\n"
            "\t<SYSTEM>\n\t\t<timeZone>0</timeZone>\n\t</SYSTEM>\n</DEVICE>\n");
    f.close();
    host.deliverText(2019, settings, 0);
    QWidget *window = topLevel(QStringLiteral("orv_FormTmi_K4810"));
    if (!window) {
        std::fprintf(stderr, "no telemetry window\n");
        return 1;
    }
    const TripGenerator &trip = telemetry->trip();
    auto wall = [](uint32_t seconds) {
        const QDateTime utc = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
        return QDateTime(utc.date(), utc.time());
    };
    window->findChild<QDateTimeEdit *>(QStringLiteral("dateTimeEdit_First"))->setDateTime(wall(trip.timeOf(11)));
    window->findChild<QDateTimeEdit *>(QStringLiteral("dateTimeEdit_Last"))->setDateTime(wall(trip.timeOf(10 + pages)));

    const QString file = dir.filePath(QStringLiteral("download.") + output);
    QElapsedTimer timer;
    qint64 dialogMs = -1; // the download starts when the file is chosen
    qint64 before = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            dialog->selectFile(file);
            poll.stop();
            dialogMs = timer.elapsed();
            before = peakKiB(); // the dialog's own memory is not the download's
            QMetaObject::invokeMethod(dialog, "accept");
        }
    });
    poll.start(5);

    auto *status = window->findChild<QLabel *>(QStringLiteral("label_Status"));
    timer.start();
    if (output == QLatin1String("kml"))
        window->findChild<QAction *>(QStringLiteral("Menu_Google"))->trigger();
    else if (output == QLatin1String("xml"))
        emit window->findChild<QAbstractButton *>(QStringLiteral("BtnSaveToFile"))->pressed();
    else if (output == QLatin1String("tmi"))
        emit window->findChild<QAbstractButton *>(QStringLiteral("BtnSaveFileToServer"))->pressed();
    else
        emit window->findChild<QAbstractButton *>(QStringLiteral("BtnSaveToExcel"))->pressed();
    while (!(QFileInfo::exists(file) && status->text() == QLatin1String("K4810_651"))) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (timer.elapsed() > 600000) {
            std::fprintf(stderr, "download did not finish\n");
            return 1;
        }
    }
    const double seconds = (timer.elapsed() - dialogMs) / 1000.0;
    const qint64 grown = peakKiB() - before;
    const qint64 raw = qint64(pages) * 131; // 3-byte prefix and the 128-byte record
    std::printf("%s %d %.3f %lld %lld %lld\n", qPrintable(output), pages, seconds, grown, raw / 1024,
                QFileInfo(file).size());
    tracker.detach();
    host.unload();
    return 0;
}

QString writeGpx(const QString &path, int pages)
{
    TripGenerator trip(pages + 20, kTripEnd);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    QTextStream out(&f);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" creator=\"k4810\" "
           "xmlns=\"http://www.topografix.com/GPX/1/1\">\n<trk><name>Path</name><trkseg>\n";
    for (int n = 11; n <= 10 + pages; ++n) {
        const TripPage p = trip.page(n);
        out << "<trkpt lat=\"" << QString::number(p.latitude / 600000.0, 'g', 10) << "\" lon=\""
            << QString::number(p.longitude / 600000.0, 'g', 10) << "\"><ele>" << p.altitude << "</ele></trkpt>\n";
    }
    out << "</trkseg></trk>\n</gpx>\n";
    return path;
}

int runAll(int pages)
{
    std::printf("interval download of %d pages, simulated tracker answering inside send\n", pages);
    std::printf("%-6s %12s %12s %16s %14s\n", "output", "seconds", "pages/s", "memory grown", "x raw pages");
    double kmlSeconds = 0;
    for (const char *output : {"kml", "xml", "tmi", "csv"}) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--one"), QString::fromLatin1(output), QString::number(pages)});
        child.waitForFinished(900000);
        const QList<QByteArray> f = child.readAllStandardOutput().trimmed().split(' ');
        if (child.exitCode() != 0 || f.size() < 6) {
            std::printf("%-6s failed: %s\n", output, child.readAllStandardError().constData());
            continue;
        }
        const double seconds = f[2].toDouble();
        const double grownMiB = f[3].toLongLong() / 1024.0;
        const double rawMiB = f[4].toLongLong() / 1024.0;
        if (qstrcmp(output, "kml") == 0)
            kmlSeconds = seconds;
        std::printf("%-6s %12.2f %12.0f %13.1f MiB %13.2fx\n", output, seconds, pages / seconds, grownMiB,
                    grownMiB / rawMiB);
    }

    const QString gpsbabel = QStandardPaths::findExecutable(QStringLiteral("gpsbabel"));
    if (gpsbabel.isEmpty()) {
        std::printf("gpsbabel not found: no baseline\n");
        return 0;
    }
    QTemporaryDir dir;
    const QString gpx = writeGpx(dir.filePath(QStringLiteral("track.gpx")), pages);
    QElapsedTimer timer;
    timer.start();
    QProcess babel;
    babel.start(gpsbabel, {QStringLiteral("-i"), QStringLiteral("gpx"), QStringLiteral("-f"), gpx, QStringLiteral("-o"),
                           QStringLiteral("kml"), QStringLiteral("-F"), dir.filePath(QStringLiteral("track.kml"))});
    babel.waitForFinished(900000);
    const double babelSeconds = timer.elapsed() / 1000.0;
    std::printf("baseline: gpsbabel GPX -> KML of the same %d points: %.2f s; KML download %.1fx faster\n", pages,
                babelSeconds, kmlSeconds > 0 ? babelSeconds / kmlSeconds : 0.0);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(msg));
    });
    if (argc >= 4 && qstrcmp(argv[1], "--one") == 0) {
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
        QApplication app(argc, argv);
        return runOne(QString::fromLatin1(argv[2]), atoi(argv[3]));
    }
    QCoreApplication app(argc, argv);
    return runAll(argc > 1 ? std::max(10, atoi(argv[1])) : 100000);
}
