// The telemetry file views over a large text file, 100,000 pages by default,
// written by the download's own text writer: F6/F8 pages, and
// second-generation pages of a fleet's field selection.
//
// 1. Indexing (TmiTextFile: one pass that records where each page starts)
//    against reading the same file's bytes sequentially in 4 MiB blocks, in
//    the same run, the file in the page cache for both. Medians of 5 runs.
// 2. Each view, in a process of its own: time from loading the file to its
//    first screen (the indexing in slices from the event loop included),
//    the resident memory of the empty window and what loading the file adds
//    to it, against the file's size, and a jump to the last page: its time
//    and the pages it decodes.
//
// Files go to $K4810_BENCH_DIR when set, else to /dev/shm when it can be
// written, else to the temporary folder.
//
// Usage: bench_tmiviews [pages]

#include "telemetry/orv_formtmiviewpage.h"
#include "telemetry/orv_formtmiviewtable.h"
#include "telemetry/maskplan.h"
#include "telemetry/tmidownloadlist.h"
#include "telemetry/tmipage_vela.h"
#include "telemetry/tmitextfile.h"
#include "telemetry/tmitextfilemodel.h"
#include "telemetry/tmixmlwriter.h"
#include "tests/tmiwindow/tmitestpages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScrollBar>
#include <QSlider>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 5;
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
    return double(t.nsecsElapsed()) / 1e6;
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

qint64 readSequentially(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QByteArray block(4 << 20, Qt::Uninitialized);
    qint64 total = 0;
    for (qint64 got; (got = file.read(block.data(), block.size())) > 0;)
        total += got;
    return total;
}

bool writeFile(const QString &path, int pages, bool vela2)
{
    TmiDownloadList list;
    list.reserve(pages);
    PresenceMask fleet;
    for (int bit : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 28, 30, 32, 33, 34, 36, 37,
                    38, 44, 45, 46, 52, 53, 54, 55, 56, 69, 70, 71, 72, 73, 74, 75, 76})
        fleet.set(bit);
    for (const TestPages::Point &p : TestPages::route(pages, kStartTime, 1)) {
        const QByteArray r = TestPages::record(p);
        const F8Record f8 = p.asF6 ? TmiPage_Vela::convertF6(r.constData(), r.size()) : F8Record(r.constData(), r.size());
        if (!vela2) {
            list.appendF8(f8);
            continue;
        }
        const QByteArray masked = MaskedDecoder::encode(f8.toFullRecord(), fleet, MaskedDecoder::SecondGeneration);
        list.appendVela2(masked.constData(), masked.size());
    }
    TmiWriteOptions options;
    options.fileName = path;
    options.eventName = [](quint16 code) { return QStringLiteral("Event %1").arg(code); };
    TmiXmlWriter writer;
    if (!writer.write(list, options)) {
        std::fprintf(stderr, "%s\n", qPrintable(writer.errorText()));
        return false;
    }
    return true;
}

void waitFor(const std::function<bool()> &done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// One view over one file, in this process; prints one line.
int measureView(const QString &kind, const QString &path)
{
    const double fileMb = double(QFileInfo(path).size()) / 1048576.0;
    double firstScreen = 0, jump = 0;
    qint64 before = 0;
    qint64 empty = 0;
    const qint64 start = statusKb("VmRSS:");
    // The window first, shown and empty: what the file then adds is the
    // view's cost of the file.
    auto settle = [&] {
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
        empty = statusKb("VmRSS:") - start;
        resetPeak();
        before = statusKb("VmRSS:");
    };
    int decodedByJump = 0, pages = 0;
    qint64 indexBytes = 0;
    if (kind == QLatin1String("page")) {
        orv_FormTmiViewPage view(nullptr);
        view.show();
        settle();
        firstScreen = timeMs([&] {
            view.loadFile(path);
            waitFor([&] { return !view.isLoading(); });
            view.repaint();
        });
        if (!view.file() || view.currentIndex() != 0)
            return 1;
        pages = view.file()->pageCount();
        indexBytes = view.file()->heldBytes();
        const int decoded = view.file()->decodedCount();
        auto *slider = view.findChild<QSlider *>(QStringLiteral("horizontalSlider"));
        jump = timeMs([&] {
            emit view.findChild<QAbstractButton *>(QStringLiteral("PushButton_End"))->pressed();
            view.repaint();
        });
        decodedByJump = view.file()->decodedCount() - decoded;
        if (view.currentIndex() != slider->maximum())
            return 1;
    } else {
        orv_FormTmiViewTable view(nullptr);
        view.show();
        settle();
        firstScreen = timeMs([&] {
            view.loadFile(path);
            waitFor([&] { return !view.isLoading(); });
            view.repaint();
        });
        if (!view.file())
            return 1;
        pages = view.file()->pageCount();
        indexBytes = view.file()->heldBytes();
        const int decoded = view.file()->decodedCount();
        jump = timeMs([&] {
            view.tableView()->scrollToBottom();
            view.repaint();
        });
        decodedByJump = view.file()->decodedCount() - decoded;
    }
    const double addedMb = double(statusKb("VmRSS:") - before) / 1024.0;
    const double peakMb = double(statusKb("VmHWM:") - before) / 1024.0;
    std::printf("%-6s %8d %9.1f %12.1f %10.1f %10.1f %9.2f%% %10.1f %9.2f %8d %10.2f\n", qPrintable(kind), pages,
                fileMb, firstScreen, empty / 1024.0, addedMb, 100.0 * addedMb / fileMb, peakMb, indexBytes / 1048576.0,
                decodedByJump, jump);
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
        if (ok && n > 0)
            pages = n;
        if (qstrcmp(argv[i], "--view") == 0 && i + 2 < argc)
            return measureView(QString::fromLocal8Bit(argv[i + 1]), QString::fromLocal8Bit(argv[i + 2]));
    }
    QTemporaryDir dir(folder() + QStringLiteral("/bench_tmiviews-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "no folder to write to\n");
        return 1;
    }
    std::printf("pages: %d, files in %s\n\n", pages, qPrintable(dir.path()));

    for (bool vela2 : {false, true}) {
        const QString path = dir.filePath(vela2 ? QStringLiteral("vela2.xml") : QStringLiteral("f8.xml"));
        if (!writeFile(path, pages, vela2))
            return 1;
        const qint64 size = QFileInfo(path).size();
        std::printf("%s text file: %.1f MB\n", vela2 ? "second-generation" : "F6/F8", size / 1048576.0);

        // 1. Index against the sequential read of the same bytes.
        readSequentially(path); // into the page cache
        std::vector<double> read, index;
        int indexed = 0;
        for (int run = 0; run < kRuns; ++run) {
            read.push_back(timeMs([&] { readSequentially(path); }));
            index.push_back(timeMs([&] {
                TmiTextFile file;
                file.open(path);
                file.indexAll();
                indexed = file.pageCount();
            }));
        }
        if (indexed != pages) {
            std::fprintf(stderr, "indexed %d pages of %d\n", indexed, pages);
            return 1;
        }
        const double readMs = median(read), indexMs = median(index);
        std::printf("  sequential read %8.1f ms (%6.0f MB/s)\n", readMs, size / 1048576.0 / (readMs / 1000));
        std::printf("  index           %8.1f ms (%6.0f MB/s), %.2f x the read\n\n", indexMs,
                    size / 1048576.0 / (indexMs / 1000), indexMs / readMs);

        // 2. The views, each in a process of its own.
        std::printf("  %-6s %8s %9s %12s %10s %10s %10s %10s %9s %8s %10s\n", "view", "pages", "file MB",
                    "1st screen ms", "window MB", "file +MB", "of file", "peak +MB", "index MB", "decoded", "to end ms");
        for (const char *view : {"page", "table"}) {
            QProcess child;
            child.setProcessChannelMode(QProcess::SeparateChannels);
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--view"), QString::fromLatin1(view), path});
            child.waitForFinished(-1);
            std::printf("  %s", child.readAllStandardOutput().constData());
            if (child.exitCode() != 0)
                std::printf("  %s view failed\n", view);
        }
        std::printf("\n");
        QFile::remove(path);
    }
    return 0;
}
