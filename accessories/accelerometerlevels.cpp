#include "accessories/accelerometerlevels.h"

#include <cmath>

namespace AccelerometerLevels {

namespace {

constexpr double kFullScale = 1800.0;
constexpr double kPi = 3.14159265;

} // namespace

double levelFromSquared(const QString &stored, double fallback)
{
    bool ok = false;
    const qlonglong value = stored.trimmed().toLongLong(&ok);
    if (!ok || value < 0)
        return fallback;
    const double level = std::sqrt(double(value)) * 100.0 / kFullScale;
    return std::isfinite(level) ? level : fallback;
}

double degreesFromRadians(const QString &stored, double fallback)
{
    bool ok = false;
    const double radians = stored.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(radians) || radians < 0)
        return fallback;
    return radians / kPi * 180.0;
}

} // namespace AccelerometerLevels
