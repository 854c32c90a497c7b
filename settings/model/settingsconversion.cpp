#include "settings/model/settingsconversion.h"

#include <cmath>
#include <limits>

int SettingsConversion::kilometresToMetres(double kilometres)
{
    if (!std::isfinite(kilometres))
        return 0;
    const double metres = kilometres * 1000.0;
    // 0.125 km is 125 m, even though 0.125 * 1000 may come out a hair above
    // 125 in binary; only a real fraction of a metre rounds up.
    const double nearest = std::round(metres);
    const double shown = std::fabs(metres - nearest) < 1e-6 ? nearest : std::ceil(metres);
    if (shown >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (shown <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(shown);
}

double SettingsConversion::metresToKilometres(int metres)
{
    return metres / 1000.0;
}

int SettingsConversion::secondsToMinutes(int seconds)
{
    return seconds / 60;
}

int SettingsConversion::minutesToSeconds(int minutes)
{
    const qint64 s = qint64(minutes) * 60;
    if (s > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (s < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(s);
}

QVariant SettingsConversion::toShown(Kind kind, const QVariant &stored)
{
    switch (kind) {
    case KilometresAsMetres:
        return kilometresToMetres(stored.toDouble());
    case SecondsAsMinutes:
        return secondsToMinutes(stored.toInt());
    case None:
        break;
    }
    return stored;
}

QVariant SettingsConversion::toStored(Kind kind, const QVariant &shown)
{
    switch (kind) {
    case KilometresAsMetres:
        return metresToKilometres(shown.toInt());
    case SecondsAsMinutes:
        return minutesToSeconds(shown.toInt());
    case None:
        break;
    }
    return shown;
}
