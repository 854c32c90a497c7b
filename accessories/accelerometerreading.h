#ifndef ACCELEROMETERREADING_H
#define ACCELEROMETERREADING_H

#include <QByteArray>
#include <QString>

#include <optional>

// What the tracker's accelerometer measures now, as the settings editor's
// accelerometer page shows it beside its thresholds, and the answer to a
// reset of the axis calibration.
//
// Reading (33 bytes), the answer to the live poll (2127 with {65, 0},
// answered 2128) and to the state request (2085, answered 2086):
//
//   offset  size  content
//   0       8     "*#ACCEL:"
//   8       1     "A"
//   9       1     the axis calibration: "0" not calibrated, "1" calibrated
//                 (autonomous calibration), "2" calibrated from GNSS data,
//                 "3" GNSS calibration running
//   10      5     X axis, thousandths of g: a sign and four digits ("+0012")
//   15      5     Y axis, the same
//   20      5     Z axis, the same
//   25      4     shock level now, tenths of a percent of the full scale
//                 (the unit of the shock and relocation thresholds)
//   29      4     inclination from the calibrated position, tenths of a degree
//
// Reset answer (10 bytes), to the request 2087 with option ResetOption
// (answered 2088): "*#ACCEL:", "R", then "1" done, "0" not supported, any
// other character an error.
//
// The calibration wizard's status answers share the tag and 2128 ("G" at
// byte 8); they are no reading. Each parser yields nothing for an answer
// that is not its own or is cut short; longer answers are read as far as
// the layout goes.
struct AccelerometerReading
{
    static constexpr int Length = 33;
    static constexpr char Marker = 'A';
    static constexpr int MarkerOffset = 8;

    enum class Calibration { None, Autonomous, Gnss, GnssRunning, Unknown };

    Calibration calibration = Calibration::Unknown;
    int axis[3] = {0, 0, 0}; // thousandths of g: X, Y, Z
    int shockTenths = 0;     // tenths of a percent
    int inclinationTenths = 0; // tenths of a degree

    static std::optional<AccelerometerReading> parse(const uchar *data, int length);
    // The bytes of a reading, as the tracker sends it.
    QByteArray toBytes() const;
};

struct AccelerometerReset
{
    static constexpr int ResetOption = 1;
    static constexpr int Length = 10;
    static constexpr char Marker = 'R';

    enum class Result { Done, Unsupported, Failed };
    Result result = Result::Failed;
    char status = 0;

    static std::optional<AccelerometerReset> parse(const uchar *data, int length);
};

#endif // ACCELEROMETERREADING_H
