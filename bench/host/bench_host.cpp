// Per-message costs of the stand-in host, measured against baselines in the
// same run so the figures do not depend on the machine:
//  - reading and rendering a settings block request (2025) for the log,
//    against copying the same 1040 bytes;
//  - appending to the message log at its capacity with a filter on top,
//    against appending to a plain list;
//  - finding a text key in four catalogues under a foreign context, against
//    one QTranslator lookup with the right context.
// Prints nanoseconds per operation and the ratio; no figure is asserted.

#include "host/hosttranslator.h"
#include "host/messageformatter.h"
#include "host/messagelogfilter.h"
#include "host/messagelogmodel.h"
#include "host/pluginmessage.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

volatile qsizetype g_sink = 0;

// Best of several runs, in nanoseconds per iteration.
double measure(int iterations, const std::function<void()> &body)
{
    double best = 1e300;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < iterations; ++i)
            body();
        best = std::min(best, double(timer.nsecsElapsed()) / iterations);
    }
    return best;
}

void report(const char *what, double ns, const char *baseline, double baseNs)
{
    std::printf("%-46s %10.1f ns   %-34s %8.1f ns   ratio %6.1f\n", what, ns, baseline, baseNs, ns / baseNs);
}

// A catalogue written on the fly: n keys starting at `first`.
QString writeCatalogue(const QString &dir, const QString &name, int first, int n)
{
    QString ts;
    QTextStream s(&ts);
    s << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"en_GB\">\n"
      << "<context><name>K4810</name>\n";
    for (int i = first; i < first + n; ++i)
        s << "<message><source>K4810_" << i << "</source><translation>Text " << i << "</translation></message>\n";
    s << "</context></TS>\n";
    s.flush();
    const QString tsPath = QDir(dir).filePath(name + QStringLiteral(".ts"));
    QFile f(tsPath);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(ts.toUtf8());
    f.close();
    return tsPath;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);

    // 1. Settings block request read and rendered for the log.
    QByteArray block(1040, 'x');
    MessageBytes::writeI32(block, 1024, 512);
    MessageBytes::writeI32(block, 1028, 2);
    MessageBytes::writeI32(block, 1032, 3);
    MessageBytes::writeI32(block, 1036, 101);
    const auto address = reinterpret_cast<intptr_t>(block.constData());
    const double render = measure(20000, [&] {
        const PluginMessage m = PluginMessage::fromRequest(2025, address, 0);
        g_sink = g_sink + MessageFormatter::parameters(m).size();
    });
    const double copy = measure(20000, [&] {
        const QByteArray c(block.constData(), block.size());
        g_sink = g_sink + c.size();
    });
    report("2025 request read + rendered", render, "copy of the 1040 bytes", copy);

    // 2. Log model at capacity with a text filter, as the dock runs it.
    MessageLogModel model;
    MessageLogFilter filter;
    filter.setSourceModel(&model);
    filter.setText(QStringLiteral("page"));
    MessageLogEntry entry;
    entry.time = QDateTime::currentDateTime();
    entry.message = PluginMessage::buffer(2024, QByteArray(128, '\x08'));
    entry.name = QStringLiteral("Telemetry page");
    entry.parameters = MessageFormatter::parameters(entry.message);
    for (int i = 0; i < MessageLogModel::kDefaultCapacity; ++i)
        model.append(entry);
    const double append = measure(20000, [&] { model.append(entry); });
    QList<MessageLogEntry> plain;
    const double listAppend = measure(20000, [&] {
        plain.append(entry);
        if (plain.size() > MessageLogModel::kDefaultCapacity)
            plain.removeFirst();
    });
    report("log append at 10000 rows, filtered", append, "capped QList append", listAppend);

    // 3. Text key lookup.
    QTemporaryDir dir;
    QStringList qm;
    for (int c = 0; c < 4; ++c) {
        const QString name = QStringLiteral("cat%1").arg(c);
        const QString ts = writeCatalogue(dir.path(), name, c * 250, 250);
        const QString out = QDir(dir.path()).filePath(name + QStringLiteral(".qm"));
        const QString lrelease = QStringLiteral(LRELEASE_PROGRAM);
        if (QProcess::execute(lrelease, {QStringLiteral("-silent"), ts, QStringLiteral("-qm"), out}) != 0) {
            std::printf("lrelease failed; translator figures skipped\n");
            return 0;
        }
    }
    HostTranslator translator;
    translator.loadFolder(dir.path());
    QTranslator single;
    if (!single.load(QDir(dir.path()).filePath(QStringLiteral("cat3.qm")))) {
        std::printf("catalogue not loaded; translator figures skipped\n");
        return 0;
    }
    const double lookup = measure(100000, [&] {
        g_sink = g_sink + translator.translate("orv_FormTmi_K4810", "K4810_900").size();
    });
    const double direct = measure(100000, [&] { g_sink = g_sink + single.translate("K4810", "K4810_900").size(); });
    report("key in 4th of 4 catalogues, window context", lookup, "QTranslator, right context", direct);
    const double plainText = measure(100000, [&] {
        g_sink = g_sink + translator.translate("QDialogButtonBox", "&Cancel").size();
    });
    report("non-key text passed through", plainText, "QTranslator, right context", direct);
    return 0;
}
