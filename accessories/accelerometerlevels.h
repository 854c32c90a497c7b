#ifndef ACCELEROMETERLEVELS_H
#define ACCELEROMETERLEVELS_H

#include <QString>

// The accelerometer levels of older settings files. Files written before
// the SENSORS section kept the shock and relocation levels as squared
// integers (level in percent = sqrt(stored) * 100 / 1800) and the
// inclination in radians; newer files keep percent and degrees.
//
// A stored value that is not a number, is negative or gives no finite
// level yields the default instead: a level is never NaN and is never
// written back as "nan".
namespace AccelerometerLevels {

constexpr double DefaultLightShock = 50.0;   // from LightBlow 810000
constexpr double DefaultStrongShock = 80.0;  // from strongShock 2073600
constexpr double DefaultRelocation = 1.9;    // the SENSORS default (Relocation 1568 reads 2.2)
constexpr double DefaultInclination = 25.0;  // from Inclination 0.4363323125

// A level in percent from the older squared integer ("810000" -> 50.0).
double levelFromSquared(const QString &stored, double fallback);
// An inclination in degrees from the older radians ("0.4363323125" -> 25.0).
double degreesFromRadians(const QString &stored, double fallback);

} // namespace AccelerometerLevels

#endif // ACCELEROMETERLEVELS_H
