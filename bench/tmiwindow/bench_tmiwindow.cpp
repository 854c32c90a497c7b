// The telemetry window's downloads, 100,000 pages by default.
//
// 1. The writers: each of the four files is written from a list of the
//    pages, and the same bytes are then written again by a plain buffered
//    write in the same run, twice: through QSaveFile in large chunks (the
//    same atomic save and flush to disk) and through stdio. Printed: time,
//    pages per second and the ratios.
// 2. The track against gpsbabel: gpsbabel converts a GPX file of the same
//    points to KML in the same run.
// 3. A download through the window: the device object, and a host that
//    answers every request from inside send; pages per second and the peak
//    memory the download adds, against the raw bytes of the pages.
//
// Files go to $K4810_BENCH_DIR when set, else to /dev/shm when it can be
// written (no disk of other users in the figures), else to the temporary
// folder.
//
// Usage: bench_tmiwindow [pages]

#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"
#include "telemetry/orv_formtmi_k4810.h"
#include "telemetry/tmibinwriter.h"
#include "telemetry/tmidownloadlist.h"
#include "telemetry/tmikmlwriter.h"
#include "telemetry/tmipage_vela.h"
#include "telemetry/tmitablewriter.h"
#include "telemetry/tmixmlwriter.h"
#include "tests/tmiwindow/tmitestpages.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

constexpr int kRuns = 3;
constexpr quint32 kStartTime = 1717236000;

qint64 statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Sets the peak resident size back to the present one.
void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

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

bool writeSaveFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    constexpr qsizetype chunk = 1 << 18;
    for (qsizetype at = 0; at < bytes.size(); at += chunk)
        file.write(bytes.constData() + at, std::min(chunk, bytes.size() - at));
    return file.commit();
}

bool writeStdio(const QString &path, const QByteArray &bytes)
{
    std::FILE *f = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!f)
        return false;
    constexpr size_t chunk = 1 << 16;
    for (qsizetype at = 0; at < bytes.size(); at += qsizetype(chunk))
        std::fwrite(bytes.constData() + at, 1, std::min(chunk, size_t(bytes.size() - at)), f);
    return std::fclose(f) == 0;
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

// ------------------------------------------------------------ the host

struct BenchHost
{
    std::vector<QByteArray> records; // by page number from 1
    std::vector<quint32> times;
    ORV_Device_K4810 *device = nullptr;
    qint64 requests = 0;
};
BenchHost g_host;

void answer(uint32_t msgId, const QByteArray &payload)
{
    g_host.device->receive(g_host.device->handle(), msgId, reinterpret_cast<intptr_t>(payload.constData()),
                           payload.size());
}

int32_t hostCallback(uint32_t, uint32_t msgId, intptr_t p1, intptr_t p2)
{
    ++g_host.requests;
    switch (msgId) {
    case OrvMsg::EventName:
        *reinterpret_cast<QString *>(p2) = QStringLiteral("Event %1").arg(p1);
        break;
    case OrvMsg::StartInterval:
    case OrvMsg::ReadPageAtTime: {
        const qint64 seconds = reinterpret_cast<const QDateTime *>(p1)->toSecsSinceEpoch();
        const auto it = std::lower_bound(g_host.times.begin(), g_host.times.end(), quint32(seconds));
        const size_t index = it == g_host.times.end() ? g_host.times.size() - 1 : size_t(it - g_host.times.begin());
        answer(OrvMsg::TelemetryPage, TestPages::payload(g_host.records[index], 13));
        break;
    }
    case OrvMsg::ReadPageByNumber: {
        const quint32 number = *reinterpret_cast<const quint32 *>(p1);
        const size_t index = std::min<size_t>(number ? number - 1 : 0, g_host.records.size() - 1);
        answer(OrvMsg::TelemetryPage, TestPages::payload(g_host.records[index], 3));
        break;
    }
    default:
        break;
    }
    return 0;
}

// One download through the window into one output; prints one line.
int downloadThroughTheWindow(int pages, const QString &suffix, const QString &folderPath)
{
    const QList<TestPages::Point> route = TestPages::route(pages, kStartTime, 1);
    const double rawBytes = double(pages) * F8Record::Size;
    g_host.records.reserve(size_t(pages));
    for (const TestPages::Point &p : route) {
        g_host.records.push_back(TestPages::record(p));
        g_host.times.push_back(p.time);
    }
    ORV_Device_K4810 device(QStringLiteral("K-4810"), 2, 7, 3, 6);
    device.initialize(hostCallback);
    {
        // The tracker is attached: the telemetry window asks nothing of a detached one.
        const QString model = QStringLiteral("K-4810"), id = QStringLiteral("861230041234567");
        device.receive(device.handle(), OrvMsg::TrackerAttached, reinterpret_cast<intptr_t>(&model), reinterpret_cast<intptr_t>(&id));
    }
    g_host.device = &device;
    const QString noSettings;
    device.receive(device.handle(), OrvMsg::OpenTelemetry, reinterpret_cast<intptr_t>(&noSettings), 0);
    orv_FormTmi_K4810 *window = device.tmiWindow();
    const QString target = QDir(folderPath).filePath(QStringLiteral("download.") + suffix);
    window->setSaveFileChooser([&target](const QString &, const QString &, const QString &) { return target; });
    window->setNotifier([](const QString &title, const QString &text) {
        std::fprintf(stderr, "message: %s: %s\n", qPrintable(title), qPrintable(text));
    });
    auto wallClock = [](quint32 seconds) {
        const QDateTime utc = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
        return QDateTime(utc.date(), utc.time());
    };
    window->findChild<QDateTimeEdit *>(QStringLiteral("dateTimeEdit_First"))->setDateTime(wallClock(route.first().time));
    window->findChild<QDateTimeEdit *>(QStringLiteral("dateTimeEdit_Last"))->setDateTime(wallClock(route.last().time));
    const std::map<QString, std::pair<const char *, std::function<void()>>> starts = {
        {QStringLiteral("xml"), {"XML text file", [window] { window->slot_pressed_BtnSaveToFile(); }}},
        {QStringLiteral("csv"), {"table", [window] { window->slot_pressed_BtnSaveToExcel(); }}},
        {QStringLiteral("tmi"), {".tmi file", [window] { window->slot_pressed_BtnSaveFileToServer(); }}},
        {QStringLiteral("kml"), {"KML track", [window] { window->slot_triggered_Menu_Google(); }}},
    };
    const auto start = starts.find(suffix);
    if (start == starts.end())
        return 1;
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    resetPeak();
    const qint64 before = statusKb("VmRSS:");
    const double ms = timeMs([&] {
        start->second.second();
        while (window->downloadState() != TmiDownload::State::Idle)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    });
    const double peakMb = (statusKb("VmHWM:") - before) / 1024.0;
    if (!QFileInfo::exists(target)) {
        std::fprintf(stderr, "%s: no file\n", start->second.first);
        return 1;
    }
    std::printf("%-14s %10.1f %12.0f %14.1f %12.2f\n", start->second.first, ms, pages / (ms / 1000.0), peakMb,
                peakMb * 1024 * 1024 / rawBytes);
    QFile::remove(target);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int pages = 100000;
    for (int i = 1; i < argc; ++i) {
        bool ok = false;
        const int n = QByteArray(argv[i]).toInt(&ok);
        if (ok && n > 2)
            pages = n;
        if (qstrcmp(argv[i], "--download") == 0 && i + 2 < argc)
            return downloadThroughTheWindow(pages, QString::fromLocal8Bit(argv[i + 1]), QString::fromLocal8Bit(argv[i + 2]));
    }
    QTemporaryDir dir(folder() + QStringLiteral("/bench_tmiwindow-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "no folder to write to\n");
        return 1;
    }
    const QList<TestPages::Point> route = TestPages::route(pages, kStartTime, 1);
    const double rawBytes = double(pages) * F8Record::Size;
    std::printf("pages: %d (every seventh an F6 record), raw page bytes %.1f MB, files in %s\n", pages,
                rawBytes / 1e6, qPrintable(dir.path()));

    // ----------------------------------------------------------- writers
    TmiDownloadList list;
    list.reserve(pages);
    for (const TestPages::Point &p : route) {
        const QByteArray r = TestPages::record(p);
        list.appendF8(p.asF6 ? TmiPage_Vela::convertF6(r.constData(), r.size()) : F8Record(r.constData(), r.size()));
    }
    std::printf("download list: %.1f MB held (%.2f x the raw page bytes)\n\n", list.heldBytes() / 1e6,
                list.heldBytes() / rawBytes);

    TmiExport::Captions captions;
    captions.inputs = {QStringLiteral("Door & hatch"), QStringLiteral("IN2"), QStringLiteral("IN3"), QStringLiteral("AIN1")};
    captions.shInputs = {QStringLiteral("SH1"), QStringLiteral("SH2"), QStringLiteral("SH3"), QStringLiteral("SH4")};
    captions.outputs = {QStringLiteral("output 1"), QStringLiteral("output 2")};
    captions.temperatures = {QStringLiteral("T1"), QStringLiteral("T2"), QStringLiteral("T3"), QStringLiteral("T4")};

    struct Output
    {
        const char *name;
        const char *suffix;
        std::function<bool(const QString &)> write;
    };
    TmiWriteOptions options;
    options.captions = captions;
    options.timeZone = 3;
    options.eventName = [](quint16 code) { return QStringLiteral("Event %1").arg(code); };
    options.identifier = QStringLiteral("354810061234567");
    auto writeWith = [&](TmiWriter &&writer, const QString &path) {
        TmiWriteOptions o = options;
        o.fileName = path;
        return writer.write(list, o);
    };
    const std::vector<Output> outputs = {
        {"XML text file", "xml", [&](const QString &path) { return writeWith(TmiXmlWriter(), path); }},
        {"table", "csv", [&](const QString &path) { return writeWith(TmiTableWriter(), path); }},
        {".tmi file", "tmi", [&](const QString &path) { return writeWith(TmiBinWriter(), path); }},
        {"KML track", "kml", [&](const QString &path) { return writeWith(TmiKmlWriter(), path); }},
    };

    std::printf("%-14s %9s %10s %12s %10s %8s %10s %8s %10s\n", "writer", "MB", "ms", "pages/s", "same bytes",
                "ratio", "stdio ms", "ratio", "peak +MB");
    double kmlMs = 0;
    for (const Output &o : outputs) {
        const QString path = dir.filePath(QStringLiteral("pages.") + QLatin1String(o.suffix));
        std::vector<double> writer, saveFile, stdio;
        qint64 peak = 0;
        for (int run = 0; run < kRuns; ++run) {
            resetPeak();
            const qint64 before = statusKb("VmRSS:");
            bool ok = true;
            writer.push_back(timeMs([&] { ok = o.write(path); }));
            peak = std::max(peak, statusKb("VmHWM:") - before);
            if (!ok) {
                std::fprintf(stderr, "%s: not written\n", o.name);
                return 1;
            }
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            const QByteArray bytes = file.readAll();
            file.close();
            const QString copy = dir.filePath(QStringLiteral("copy.") + QLatin1String(o.suffix));
            saveFile.push_back(timeMs([&] { writeSaveFile(copy, bytes); }));
            stdio.push_back(timeMs([&] { writeStdio(copy, bytes); }));
            QFile::remove(copy);
        }
        const double ms = median(writer);
        if (QLatin1String(o.suffix) == QLatin1String("kml"))
            kmlMs = ms;
        std::printf("%-14s %9.1f %10.1f %12.0f %10.1f %8.2f %10.1f %8.2f %10.1f\n", o.name,
                    QFileInfo(path).size() / 1e6, ms, pages / (ms / 1000.0), median(saveFile), ms / median(saveFile),
                    median(stdio), ms / median(stdio), peak / 1024.0);
    }
    std::printf("(ratio: the writer's time over the time of writing the same bytes; peak: resident memory the writer adds)\n\n");

    // ------------------------------------------------- KML against gpsbabel
    const QString babel = QStandardPaths::findExecutable(QStringLiteral("gpsbabel"));
    if (babel.isEmpty()) {
        std::printf("gpsbabel: not installed, no comparison\n\n");
    } else {
        const QString gpx = dir.filePath(QStringLiteral("track.gpx"));
        QFile out(gpx);
        out.open(QIODevice::WriteOnly);
        QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" creator=\"bench\" "
                          "xmlns=\"http://www.topografix.com/GPX/1/1\">\n<trk><name>Path</name><trkseg>\n";
        for (const TestPages::Point &p : route) {
            text += "<trkpt lat=\"" + QByteArray::number(p.latitude / 600000.0, 'f', 9) + "\" lon=\""
                + QByteArray::number(p.longitude / 600000.0, 'f', 9) + "\"><ele>" + QByteArray::number(p.altitude)
                + "</ele></trkpt>\n";
        }
        text += "</trkseg></trk>\n</gpx>\n";
        out.write(text);
        out.close();
        std::vector<double> times;
        for (int run = 0; run < kRuns; ++run) {
            times.push_back(timeMs([&] {
                QProcess::execute(babel, {QStringLiteral("-i"), QStringLiteral("gpx"), QStringLiteral("-f"), gpx,
                                          QStringLiteral("-o"), QStringLiteral("kml"), QStringLiteral("-F"),
                                          dir.filePath(QStringLiteral("babel.kml"))});
            }));
        }
        std::printf("gpsbabel GPX -> KML of the same %d points: %.1f ms; the KML writer is %.1f x faster\n\n", pages,
                    median(times), median(times) / kmlMs);
    }

    // -------------------------------------------- a download through the window
    // Each output in a process of its own, so that memory one download gave
    // back to the allocator does not hide what the next one takes.
    std::printf("download through the window, host answering inside send (a process per output):\n");
    std::printf("%-14s %10s %12s %14s %12s\n", "output", "ms", "pages/s", "peak +MB", "x raw bytes");
    for (const char *suffix : {"xml", "csv", "tmi", "kml"}) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::number(pages), QStringLiteral("--download"), QLatin1String(suffix), dir.path()});
        child.waitForFinished(-1);
        std::printf("%s", child.readAllStandardOutput().constData());
    }
    std::printf("(peak: resident memory the download adds to the process, against the %d pages' raw bytes)\n", pages);
    return 0;
}
