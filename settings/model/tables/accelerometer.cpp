// Catalogue of the ACCELEROMETER section: the virtual sensors' levels
// (SENSORS), the wake-up sensitivity and the crash recording (RAIF).
//
// Files written before SENSORS existed kept the levels as squared integers
// and the inclination in radians, as top-level keys; they are read into
// SENSORS when the section has no SENSORS element and never written again.
#include "accessories/accelerometerlevels.h"
#include "settings/model/settingsrow.h"

namespace {

constexpr const char *Sensors = "SENSORS";
constexpr const char *Raif = "RAIF";

// The older values as the text of the SENSORS keys (one decimal). A value
// that is not a number, is negative or gives no finite level reads as the
// key's default, never as "nan".
QString lightShock(const QString &stored)
{
    return QString::number(AccelerometerLevels::levelFromSquared(stored, AccelerometerLevels::DefaultLightShock), 'f', 1);
}

QString strongShock(const QString &stored)
{
    return QString::number(AccelerometerLevels::levelFromSquared(stored, AccelerometerLevels::DefaultStrongShock), 'f', 1);
}

QString relocation(const QString &stored)
{
    return QString::number(AccelerometerLevels::levelFromSquared(stored, AccelerometerLevels::DefaultRelocation), 'f', 1);
}

QString inclination(const QString &stored)
{
    return QString::number(AccelerometerLevels::degreesFromRadians(stored, AccelerometerLevels::DefaultInclination), 'f', 1);
}

// A list of three reals written with one decimal ("1.0 1.0 2.0").
constexpr SettingsRow thresholds(const char *key)
{
    SettingsRow r = attrText(Raif, key, "1.0 1.0 2.0");
    r.decimals = 1;
    return r;
}

const SettingsRow kRows[] = {
    attrReal(Sensors, "sh1", AccelerometerLevels::DefaultLightShock, 1).range(0.1, 100, 0.1),
    attrReal(Sensors, "sh2", AccelerometerLevels::DefaultStrongShock, 1).range(0.1, 100, 0.1),
    attrReal(Sensors, "sh3", AccelerometerLevels::DefaultRelocation, 1).range(0.1, 100, 0.1),
    attrReal(Sensors, "sh4", AccelerometerLevels::DefaultInclination, 1).range(1, 90, 0.5),
    attrInt(Sensors, "wakeup", 10).range(0, 20),
    entryInt("LightBlow", 810000).legacyOf(Sensors).into("SENSORS/sh1", lightShock),
    entryInt("strongShock", 2073600).legacyOf(Sensors).into("SENSORS/sh2", strongShock),
    entryInt("Relocation", 1568).legacyOf(Sensors).into("SENSORS/sh3", relocation),
    entryText("Inclination", "0.4363323125").legacyOf(Sensors).into("SENSORS/sh4", inclination),
    attrInt(Raif, "tech", 0),
    attrInt(Raif, "mode", 0),
    attrInt(Raif, "ign_wait", 30).range(0, 600),
    thresholds("step1"),
    thresholds("step2"),
    attrInt(Raif, "dur", 25).range(1, 120),
    attrText(Raif, "asi", ""),
};

} // namespace

extern const SettingsSectionRows kAccelerometerSection = sectionRows("ACCELEROMETER", "ORV_FormAccelerometer", kRows);
