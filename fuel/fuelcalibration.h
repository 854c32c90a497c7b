#ifndef FUELCALIBRATION_H
#define FUELCALIBRATION_H

#include <QList>
#include <QString>

// One point of a calibration table: the volume poured and the sensor's
// reading for it, as the graph and the report take them.
struct FuelPoint
{
    float volume = 0;
    float reading = 0;
    bool operator==(const FuelPoint &o) const { return volume == o.volume && reading == o.reading; }
};
using FuelPoints = QList<FuelPoint>;

// The rules of a calibration table's values, shared by the table, its
// graph, its report and the calibration file.
namespace FuelCalibration {

// A cell's text as a number: single precision, the point as decimal
// separator; a text that is not a number, or not finite, or out of the
// single-precision range, counts as 0.
float number(const QString &text);

// The table's order on the volume column: an empty text is never less than
// another and sorts after every number; otherwise the numbers compare.
// A sort reads each text once into its key.
struct VolumeKey
{
    bool empty = true;
    float value = 0;
};
VolumeKey volumeKey(const QString &text);
inline bool volumeLess(const VolumeKey &a, const VolumeKey &b)
{
    return !a.empty && (b.empty || a.value < b.value);
}
inline bool volumeLess(const QString &a, const QString &b)
{
    return volumeLess(volumeKey(a), volumeKey(b));
}

// A value read from a calibration file, as the table takes it: commas become
// points, and "nan", "inf" and numbers beyond the single-precision range
// become "0" so that they never reach the sort, the graph or the report.
// Any other text stays as it is.
QString loadedValue(const QString &text);

// The points of a table, in table order, whose reading goes against the
// table's direction: with the points ordered by volume, the readings of a
// calibrated tank either rise or fall (the direction of the first against
// the last point), and a point whose reading lies below (rising) or above
// (falling) the reading of any point of a smaller volume breaks it. Points of
// equal volume are not compared with each other. Indexes into the list.
QList<int> nonMonotonic(const FuelPoints &points);

} // namespace FuelCalibration

#endif // FUELCALIBRATION_H
