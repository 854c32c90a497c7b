// Calibration files of any content: read as the windows read them, every
// value taken into a table, the points drawn into a report, and what was
// read written back and read again.

#include "fuel/fuelcalibration.h"
#include "fuel/fuelcalibrationmodel.h"
#include "fuel/fuelfile.h"
#include "fuel/fuelreport.h"

#include <QByteArray>
#include <QDateTime>

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const FuelFile::ReadResult r = FuelFile::readBytes(bytes);
    if (r.status != FuelFile::Ok && r.status != FuelFile::WrongModel)
        return 0;

    // Into a table, as a window loads it.
    FuelCalibrationModel model;
    for (const FuelFileRow &row : r.content.rows)
        model.appendRow(FuelCalibration::loadedValue(row.volume), FuelCalibration::loadedValue(row.reading));
    model.sortByVolume();
    const FuelPoints points = model.points();
    for (const FuelPoint &p : points) {
        if (!std::isfinite(p.volume) || !std::isfinite(p.reading))
            std::abort(); // a value the graph and the report cannot take
    }
    for (int i : FuelCalibration::nonMonotonic(points)) {
        if (i < 0 || i >= points.size())
            std::abort();
    }
    const QString html = FuelReport::html(r.content.type, r.content.objectName, points, QDateTime());
    if (!html.endsWith(QLatin1String("</html>")))
        std::abort();

    // Written back, it reads again, and the second writing is the first.
    FuelFileContent c = r.content;
    c.model = QLatin1String(FuelFile::kModel);
    if (c.nameElement.isEmpty())
        c.nameElement = QStringLiteral("Name_A");
    const QByteArray written = FuelFile::toBytes(c);
    const FuelFile::ReadResult again = FuelFile::readBytes(written);
    if (again.status != FuelFile::Ok || again.content.rows.size() != c.rows.size())
        std::abort();
    if (FuelFile::toBytes(again.content) != written)
        std::abort();
    return 0;
}
