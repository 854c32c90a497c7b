#include "settings/model/settingsconversion.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kTolerance = 1e-6;

SettingsConversion make(const char *name, double shownPerStored, bool whole, SettingsConversion::Rounding rounding,
                        int decimals)
{
    SettingsConversion c;
    c.name = name;
    c.shownPerStored = shownPerStored;
    c.shownIsWhole = whole;
    c.shownRounding = rounding;
    c.shownDecimals = decimals;
    return c;
}

} // namespace

const SettingsConversion SettingsConversion::Stored = make("stored", 1.0, false, Nearest, 0);
const SettingsConversion SettingsConversion::KilometresAsMetres =
    make("KilometresAsMetres", 1000.0, true, UpWithinTolerance, 0);
const SettingsConversion SettingsConversion::SecondsAsMinutes = make("SecondsAsMinutes", 1.0 / 60.0, true, TowardZero, 0);
const SettingsConversion SettingsConversion::MillivoltsAsVolts = make("MillivoltsAsVolts", 0.001, false, Nearest, 3);
const SettingsConversion SettingsConversion::TenthsAsDegrees = make("TenthsAsDegrees", 0.1, false, Nearest, 1);
const SettingsConversion SettingsConversion::TenthsAsHalfDegrees =
    make("TenthsAsHalfDegrees", 0.2, true, TowardZero, 0);

const SettingsConversion SettingsConversion::MillivoltsAsVolts2 = make("MillivoltsAsVolts2", 0.001, false, Nearest, 2);
const SettingsConversion SettingsConversion::MillivoltsAsHundredths =
    make("MillivoltsAsHundredths", 0.1, true, Nearest, 0);
const SettingsConversion SettingsConversion::SecondsAsHours = make("SecondsAsHours", 1.0 / 3600.0, true, TowardZero, 0);
const SettingsConversion SettingsConversion::TenthsAsUnits = make("TenthsAsUnits", 0.1, false, Nearest, 1);

const SettingsConversion *SettingsConversion::byName(const QString &name)
{
    static const SettingsConversion *const all[] = {&Stored, &KilometresAsMetres, &SecondsAsMinutes,
                                                    &MillivoltsAsVolts, &TenthsAsDegrees, &TenthsAsHalfDegrees,
                                                    &MillivoltsAsVolts2, &MillivoltsAsHundredths, &SecondsAsHours,
                                                    &TenthsAsUnits};
    for (const SettingsConversion *c : all) {
        if (name == QLatin1String(c->name))
            return c;
    }
    return nullptr;
}

int SettingsConversion::roundToInt(double value, Rounding rounding)
{
    if (!std::isfinite(value))
        return 0;
    double whole = 0;
    switch (rounding) {
    case Nearest:
        whole = std::round(value);
        break;
    case UpWithinTolerance: {
        const double nearest = std::round(value);
        whole = std::fabs(value - nearest) < kTolerance ? nearest : std::ceil(value);
        break;
    }
    case TowardZero: {
        // A quotient a hair below a whole number (0.6 / 0.2) is that number.
        const double nearest = std::round(value);
        whole = std::fabs(value - nearest) < kTolerance ? nearest : std::trunc(value);
        break;
    }
    }
    if (whole >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (whole <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(whole);
}

QVariant SettingsConversion::toShown(double stored) const
{
    const double shown = stored * shownPerStored;
    if (shownIsWhole)
        return roundToInt(shown, shownRounding);
    return std::isfinite(shown) ? shown : 0.0;
}

double SettingsConversion::toStored(double shown) const
{
    const double stored = shown / shownPerStored;
    return std::isfinite(stored) ? stored : 0.0;
}
