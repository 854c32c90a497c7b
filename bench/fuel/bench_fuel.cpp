// Calibration tables of growing size: the file read, the table loaded into
// the fuel view as it is shown (table, graph), the file written and the
// report built.
//
// Baseline measured in the same run: QXmlStreamReader reading every element
// and attribute of the same file (QDomDocument grows faster than linearly
// with the number of rows, and would flatter the figures).

#include "fuel/fuelcalibration.h"
#include "fuel/fuelfile.h"
#include "fuel/fuelreport.h"
#include "fuel/orv_formfuelview.h"

#include <QApplication>
#include <QXmlStreamReader>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

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
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
        if (type != QtWarningMsg && type != QtInfoMsg && type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qPrintable(msg));
    });
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QTemporaryDir dir;
    ORV_FormFuelView view(nullptr);
    view.show();

    std::printf("%8s %12s %12s %12s %12s %12s\n", "rows", "stream ms", "read x", "view x", "write x", "report x");
    for (int rows : {100, 2000, 20000}) {
        FuelFileContent c;
        c.model = QLatin1String(FuelFile::kModel);
        c.type = QStringLiteral("D1");
        c.nameElement = QStringLiteral("Name_A");
        for (int i = 0; i < rows; ++i)
            c.rows << FuelFileRow{QString::number(i * 0.5, 'f', 1), QString::number(i * 4095 / rows)};
        const QString path = dir.filePath(QStringLiteral("table %1.xml").arg(rows));
        if (!FuelFile::write(path, c)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();

        const double dom = medianMs(runs, [&] {
            QXmlStreamReader xml(bytes);
            qsizetype n = 0;
            while (!xml.atEnd()) {
                if (xml.readNext() == QXmlStreamReader::StartElement) {
                    for (const QXmlStreamAttribute &a : xml.attributes())
                        n += a.value().size();
                }
            }
            if (n == 0 || xml.hasError())
                std::fprintf(stderr, "baseline read nothing\n");
        });
        const double read = medianMs(runs, [&] { FuelFile::read(path); });
        const double load = medianMs(runs, [&] {
            view.loadFile(path);
            QCoreApplication::processEvents();
        });
        const QString out = dir.filePath(QStringLiteral("out.xml"));
        const double write = medianMs(runs, [&] { FuelFile::write(out, c); });
        FuelPoints points;
        for (const FuelFileRow &r : c.rows)
            points << FuelPoint{FuelCalibration::number(r.volume), FuelCalibration::number(r.reading)};
        const double report = medianMs(runs, [&] { FuelReport::html(c.type, QStringLiteral("x"), points, QDateTime()); });
        std::printf("%8d %12.2f %12.2f %12.2f %12.2f %12.2f\n", rows, dom, read / dom, load / dom, write / dom,
                    report / dom);
    }
    return 0;
}
