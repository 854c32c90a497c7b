// First opening of the settings editor with a full settings file (every
// page constructed, the file loaded into the model and every page's
// widgets filled, the window shown), and the loading of that file into an
// editor already open.
//
// Baselines measured in the same run: a dialog with fifteen empty tabs
// shown the same way, and QDomDocument parsing the same settings file.
// Run under `valgrind --tool=callgrind` for instruction counts.

#include "core/orv_device_k4810.h"
#include "settings/editor/orv_formxml_k4810.h"

#include <QApplication>
#include <QDialog>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    // The offscreen platform warns about every window shown; keep the report readable.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
        if (type != QtWarningMsg && type != QtInfoMsg && type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qPrintable(msg));
    });
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;

    const double baselineOpen = medianMs(runs, [] {
        QDialog dialog;
        auto *tabs = new QTabWidget(&dialog);
        (new QVBoxLayout(&dialog))->addWidget(tabs);
        for (int i = 0; i < 15; ++i)
            tabs->addTab(new QWidget, QStringLiteral("%1").arg(i));
        dialog.show();
        QCoreApplication::processEvents();
    });
    // The full settings file of the tests: every section, keys the editor
    // does not know included.
    const QString file = QStringLiteral(K4810_SOURCE_DIR "/tests/settings/data/full.xml");
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
        return 1;
    }
    const QByteArray bytes = f.readAll();

    const double editorOpen = medianMs(runs, [&file] {
        ORV_Device_K4810 device(QStringLiteral("K-4810"), 2, 7, 3, 6);
        orv_FormXml_K4810 *editor = device.ensureSettingsWindow();
        editor->openSettingsFile(file, 0);
        editor->showMode(0);
        QCoreApplication::processEvents();
    });

    ORV_Device_K4810 device(QStringLiteral("K-4810"), 2, 7, 3, 6);
    orv_FormXml_K4810 *editor = device.ensureSettingsWindow();

    const double domLoad = medianMs(runs * 4, [&] {
        QDomDocument doc;
        doc.setContent(bytes);
    });
    const double editorLoad = medianMs(runs * 4, [&] { editor->openSettingsFile(file, 0); });

    std::printf("settings editor, median of %d runs\n", runs);
    std::printf("  first opening with the full file (15 pages built, loaded, shown): %8.2f ms (target < 150)\n",
                editorOpen);
    std::printf("  baseline: dialog with 15 empty tabs:      %8.2f ms   ratio %.1fx\n", baselineOpen,
                editorOpen / baselineOpen);
    std::printf("  loading a full settings file (%lld bytes): %8.3f ms\n", qint64(bytes.size()), editorLoad);
    std::printf("  baseline: QDomDocument parse of it:       %8.3f ms   ratio %.1fx\n", domLoad, editorLoad / domLoad);
    return 0;
}
