#ifndef FUELREPORT_H
#define FUELREPORT_H

#include "fuel/fuelcalibration.h"

#include <QDateTime>
#include <QString>

// The printable report of one calibration table, as HTML for a rich-text
// view: a heading, the vehicle, three lines to fill in by hand, the points
// in up to five column pairs (volume, reading), and the signature lines with
// the date of printing. Where the table is not monotonic the report says so
// above the points and shades the points that break it.
//
// Texts are looked up in the context of the report window.
class FuelReport
{
public:
    static constexpr int kRowsPerPair = 15;

    // How the points are laid out: so many column pairs of so many rows; the
    // point of row r in pair p is r + step * p (none past the last point).
    struct Layout
    {
        int pairs = 0;
        int rows = 0;
        int step = 0;
        // The point in that cell, or -1.
        int pointAt(int row, int pair, int count) const
        {
            const int i = row + step * pair;
            return i < count ? i : -1;
        }
    };
    static Layout layout(int count);

    // typeCode decides the readings' form: whole numbers for the RS-485
    // sensors (codes beginning with "D"), two decimals otherwise.
    static QString html(const QString &typeCode, const QString &objectName, const FuelPoints &points,
                        const QDateTime &printed);

    static QString volumeText(float volume);
    static QString readingText(float reading, bool digital);
};

#endif // FUELREPORT_H
