// The settings editor's search and comparison:
//
// - a search over every setting of every page, per keystroke (the words
//   typed a letter at a time, labels read through the translation each
//   time, the editor's result list filled), against a plain scan of the
//   same number of label texts for the same words;
// - the comparison of two full settings files (both read, then compared;
//   and compared alone), against QDomDocument parsing the two files.

#include "core/orv_device_k4810.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "settings/model/settingscomparison.h"
#include "settings/model/settingsmodel.h"
#include "tests/support/keytexts.h"

#include <QApplication>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>

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


// Every prefix of each word: what the field holds keystroke by keystroke.
QStringList keystrokes(const QStringList &words)
{
    QStringList out;
    for (const QString &w : words) {
        for (int i = 1; i <= w.size(); ++i)
            out << w.left(i);
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
        if (type != QtWarningMsg && type != QtInfoMsg && type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qPrintable(msg));
    });
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    KeyTexts english(KeyTexts::english());
    QCoreApplication::installTranslator(&english);

    const QString file = QStringLiteral(K4810_SOURCE_DIR "/tests/settings/data/full.xml");
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
        return 1;
    }
    const QByteArray bytes = f.readAll();

    ORV_Device_K4810 device(QStringLiteral("K-4810"), 2, 7, 3, 6);
    orv_FormXml_K4810 *editor = device.ensureSettingsWindow();
    editor->openSettingsFile(file, 0);
    editor->showMode(0);
    QCoreApplication::processEvents();

    // ------------------------------------------------------------ search
    const QStringList typed = keystrokes({QStringLiteral("speed"), QStringLiteral("server port"),
                                          QStringLiteral("internet.mts"), QStringLiteral("GPSmaxHDOP"),
                                          QStringLiteral("threshold"), QStringLiteral("zzzz")});
    const int settings = int(editor->findSettings(QStringLiteral("e"), 100000).size());
    std::vector<double> perKey;
    std::vector<double> perKeyUi;
    auto *field = editor->findChild<QLineEdit *>(QStringLiteral("lineEdit_Search"));
    for (int r = 0; r < runs; ++r) {
        for (const QString &t : typed) {
            QElapsedTimer timer;
            timer.start();
            const auto hits = editor->findSettings(t);
            perKey.push_back(timer.nsecsElapsed() / 1e6);
            Q_UNUSED(hits);
            timer.restart();
            field->setText(t); // the search and the result list the user sees
            perKeyUi.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    std::sort(perKey.begin(), perKey.end());
    std::sort(perKeyUi.begin(), perKeyUi.end());

    // Baseline: the same number of plain label texts scanned for the same words.
    QStringList labels;
    const QList<QString> all = english.texts().values();
    for (int i = 0; labels.size() < settings && !all.isEmpty(); ++i)
        labels << all.at(i % all.size());
    std::vector<double> baseline;
    for (int r = 0; r < runs; ++r) {
        for (const QString &t : typed) {
            QElapsedTimer timer;
            timer.start();
            const QString folded = t.toCaseFolded();
            int n = 0;
            for (const QString &l : labels)
                n += l.toCaseFolded().contains(folded) ? 1 : 0;
            baseline.push_back(timer.nsecsElapsed() / 1e6);
            Q_UNUSED(n);
        }
    }
    std::sort(baseline.begin(), baseline.end());
    const double searchMedian = perKey[perKey.size() / 2];
    const double uiMedian = perKeyUi[perKeyUi.size() / 2];
    const double baseMedian = baseline[baseline.size() / 2];

    // ------------------------------------------------------------ comparison
    SettingsModel a;
    SettingsModel b;
    a.openBytes(bytes);
    b.openBytes(bytes);
    b.setValue(QStringLiteral("TRACK"), QStringLiteral("GPSmaxHDOP"), 9.5);
    b.setText(QStringLiteral("TRANSFER"), QStringLiteral("GPRSopAPN"), QStringLiteral("internet.tele2.ru"));
    const QByteArray other = b.toBytes();
    int rows = 0;
    const double compareFiles = medianMs(runs * 4, [&] {
        SettingsModel left;
        SettingsModel right;
        left.openBytes(bytes);
        right.openBytes(other);
        rows = int(SettingsComparison::compare(left, right).size());
    });
    const double compareOnly = medianMs(runs * 4, [&] { rows = int(SettingsComparison::compare(a, b).size()); });
    const double domBoth = medianMs(runs * 4, [&] {
        QDomDocument d1;
        QDomDocument d2;
        d1.setContent(bytes);
        d2.setContent(other);
    });

    std::printf("settings search and comparison, medians (%d runs)\n", runs);
    std::printf("  search over %d settings of every page, per keystroke (%lld keystrokes a run):\n", settings,
                qint64(typed.size()));
    std::printf("    find:                                  %8.3f ms (target < 10)\n", searchMedian);
    std::printf("    find and the result list filled:       %8.3f ms (target < 10)\n", uiMedian);
    std::printf("    baseline: plain scan of %d labels:   %8.3f ms   ratio %.1fx\n", settings, baseMedian,
                searchMedian / baseMedian);
    std::printf("  comparison of two full settings files (%lld bytes each, %d differences):\n", qint64(bytes.size()),
                rows);
    std::printf("    both read, then compared:              %8.3f ms (target < 20)\n", compareFiles);
    std::printf("    compared (both already read):          %8.3f ms\n", compareOnly);
    std::printf("    baseline: QDomDocument parse of both:  %8.3f ms   ratio %.1fx\n", domBoth, compareFiles / domBoth);
    return 0;
}
