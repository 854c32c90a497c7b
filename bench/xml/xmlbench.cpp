// Settings file of about 1 MB: open + close with save through CSerialize,
// and open + save through the settings model, against QDomDocument parsing
// and saving the same file, in the same run; loading one section of a
// growing number of children, to show that the snapshot and its lookups stay
// linear; and opening files of many elements of one name in a section
// (what made the editor hang), to show that their time grows with their size.
//
//   xmlbench            timings and ratios
//   xmlbench --once     one run of each side, for valgrind --tool=callgrind
//                       --toggle-collect=bench_ours / bench_dom
#include "core/codepage.h"
#include "settings/model/settingscatalogue.h"
#include "settings/model/settingsmodel.h"
#include "xml/cserialize.h"
#include "xml/cxmlelement.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QString g_path;

QtMessageHandler g_previous = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext &ctx, const QString &msg)
{
    // QDomDocument knows no windows-1251 and says so on every save.
    if (msg.contains(QLatin1String("Unsupported encoding")))
        return;
    g_previous(type, ctx, msg);
}

// DEVICE with the header and every catalogue section, with Cyrillic texts,
// repeated until the file has at least minBytes.
QByteArray makeSettingsFile(qsizetype minBytes)
{
    SettingsModel model;
    for (const SettingsTable *table : SettingsCatalogue::sections()) {
        for (const SettingsKey &k : *table) {
            if (k.type() == SettingsRow::Text && k.row().defaultKind == SettingsRow::Literal && !*k.row().text)
                model.setText(table->sectionName(), k.path(), QStringLiteral("Автобус № 12 <парк> & депо"));
        }
    }
    CSerialize one;
    one.openBuffer(model.toBytes({{QStringLiteral("model"), QStringLiteral("K-4810")},
                                  {QStringLiteral("modification"), QStringLiteral("1")},
                                  {QStringLiteral("type"), QStringLiteral("params")},
                                  {QStringLiteral("vendor"), QStringLiteral("QUARTOLINK")},
                                  {QStringLiteral("version"), QStringLiteral("2.7")}}));
    CXmlElement *device = one.root();
    const int sections = device->childCount();
    CSerialize big;
    auto bigRoot = big.openBuffer(QByteArray())->section(QStringLiteral("DEVICE"));
    for (const CXmlElement *a : device->attributes())
        big.root()->addAttribute(a->name(), a->value());
    while (big.toByteArray().size() < minBytes) {
        for (int i = 0; i < sections; ++i)
            big.root()->appendChild(device->child(i)->clone());
    }
    return big.toByteArray();
}

} // namespace

extern "C" __attribute__((noinline)) bool bench_ours()
{
    CSerialize doc;
    auto root = doc.open(g_path);
    if (!root)
        return false;
    return doc.close(std::move(root), true);
}

extern "C" __attribute__((noinline)) bool bench_model()
{
    SettingsModel model;
    return model.open(g_path) && model.saveAs(g_path);
}

extern "C" __attribute__((noinline)) bool bench_dom()
{
    QFile in(g_path);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QDomDocument dom;
    if (!dom.setContent(CodePage::toUnicode(in.readAll())))
        return false;
    in.close();
    QSaveFile out(g_path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(CodePage::fromUnicode(dom.toString(1)));
    return out.commit();
}

namespace {

double medianMs(bool (*fn)(), int runs)
{
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!fn()) {
            std::fprintf(stderr, "run failed\n");
            return -1;
        }
        t.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

// Open a document whose one section has n children and read every key of it.
double loadSectionNsPerChild(int n)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE>\n\t<TM_KEYS page=\"TM_KEYS\">\n";
    for (int i = 0; i < n; ++i)
        xml += "\t\t<key" + QByteArray::number(i) + ">" + QByteArray::number(i) + "</key" + QByteArray::number(i) + ">\n";
    xml += "\t</TM_KEYS>\n</DEVICE>\n";
    std::vector<QString> names;
    names.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        names.push_back(QStringLiteral("key%1").arg(i));

    CSerialize doc;
    auto root = doc.openBuffer(xml);
    std::vector<double> t;
    for (int rep = 0; rep < 7; ++rep) {
        QElapsedTimer timer;
        timer.start();
        auto section = root->section(QStringLiteral("TM_KEYS"));
        qint64 sum = 0;
        for (const QString &name : names)
            sum += section->getInt(name, -1);
        t.push_back(double(timer.nsecsElapsed()) / n);
        if (sum != qint64(n) * (n - 1) / 2)
            std::fprintf(stderr, "wrong sum\n");
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

// The same file through a section handle, as the other windows read their
// documents: the section's index over n records of one name.
double sectionSameNamedMs(const QByteArray &xml)
{
    std::vector<double> t;
    for (int rep = 0; rep < 3; ++rep) {
        QElapsedTimer timer;
        timer.start();
        CSerialize doc;
        auto root = doc.openBuffer(xml);
        auto section = root ? root->child(QStringLiteral("TRANSFER")) : nullptr;
        if (!section || section->getText(QStringLiteral("GPRSSrv1Name")).isEmpty())
            std::fprintf(stderr, "not read\n");
        t.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

// Opening a settings file whose TRANSFER section holds n elements of one
// name (and n more of another, with attributes): milliseconds.
double openSameNamedMs(int n, QByteArray *bytesOut)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE>\n\t<TRANSFER page=\"TRANSFER\">\n";
    xml.reserve(qsizetype(n) * 60);
    for (int i = 0; i < n; ++i) {
        xml += "\t\t<GPRSSrv1Name>reserve.example</GPRSSrv1Name>\n";
        xml += "\t\t<opCode a=\"" + QByteArray::number(i) + "\"/>\n";
    }
    xml += "\t</TRANSFER>\n</DEVICE>\n";
    *bytesOut = xml;
    std::vector<double> t;
    for (int rep = 0; rep < 3; ++rep) {
        QElapsedTimer timer;
        timer.start();
        SettingsModel model;
        if (!model.openBytes(xml))
            std::fprintf(stderr, "not opened\n");
        // What the telemetry window and the editor read of it.
        if (model.text(QStringLiteral("TRANSFER"), QStringLiteral("GPRSSrv1Name")).isEmpty())
            std::fprintf(stderr, "not read\n");
        t.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    g_previous = qInstallMessageHandler(quietHandler);
    QTemporaryDir dir;
    g_path = dir.filePath(QStringLiteral("settings.xml"));
    const QByteArray file = makeSettingsFile(1 << 20);
    {
        QFile f(g_path);
        f.open(QIODevice::WriteOnly);
        f.write(file);
    }

    if (app.arguments().contains(QStringLiteral("--once"))) {
        const bool ok = bench_ours() && bench_model() && bench_dom();
        return ok ? 0 : 1;
    }

    std::printf("settings file: %lld bytes\n", (long long)file.size());
    bench_ours();
    bench_dom(); // warm-up
    // Alternate the two so that both see the same machine load.
    bench_model();
    std::vector<double> ours, models, dom;
    for (int round = 0; round < 5; ++round) {
        ours.push_back(medianMs(bench_ours, 5));
        models.push_back(medianMs(bench_model, 5));
        dom.push_back(medianMs(bench_dom, 5));
    }
    std::sort(ours.begin(), ours.end());
    std::sort(models.begin(), models.end());
    std::sort(dom.begin(), dom.end());
    const double o = ours[ours.size() / 2];
    const double m = models[models.size() / 2];
    const double d = dom[dom.size() / 2];
    std::printf("open + close with save  CSerialize:    %8.2f ms\n", o);
    std::printf("open + save             SettingsModel: %8.2f ms\n", m);
    std::printf("parse + save            QDomDocument:  %8.2f ms\n", d);
    std::printf("ratio CSerialize / QDomDocument:       %8.2f  (target <= 1.00)\n", o / d);
    std::printf("ratio SettingsModel / QDomDocument:    %8.2f  (target <= 1.00)\n", m / d);

    std::printf("\nloading one section, every key read (ns per child):\n");
    double first = 0, last = 0;
    for (int n : {2000, 4000, 8000, 16000, 32000, 64000}) {
        const double ns = loadSectionNsPerChild(n);
        if (!first)
            first = ns;
        last = ns;
        std::printf("  %6d children  %8.1f ns\n", n, ns);
    }
    std::printf("per-child cost at 64000 / at 2000:    %8.2f  (linear: about 1)\n", last / first);

    std::printf("\nopening a file of n same-named elements in one section (settings model):\n");
    double firstPerByte = 0, lastPerByte = 0;
    for (int n : {12500, 25000, 50000, 100000}) {
        QByteArray bytes;
        const double ms = openSameNamedMs(n, &bytes);
        const double nsPerByte = ms * 1e6 / double(bytes.size());
        if (!firstPerByte)
            firstPerByte = nsPerByte;
        lastPerByte = nsPerByte;
        std::printf("  %6d elements  %9lld bytes  model %8.1f ms  %6.1f ns/byte   section handle %8.1f ms\n", n,
                    (long long)bytes.size(), ms, nsPerByte, sectionSameNamedMs(bytes));
    }
    std::printf("time per byte at 100000 / at 12500:   %8.2f  (linear: about 1)\n", lastPerByte / firstPerByte);
    return 0;
}
