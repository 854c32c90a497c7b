#ifndef TMIKMLTRACKWRITER_H
#define TMIKMLTRACKWRITER_H

#include "telemetry/tmiwriter.h"

// The track of a download as a timed KML 2.2 file (UTF-8, CR LF line ends):
// a gx:Track with a <when> per point, so that a player moves the vehicle
// along it in time; then the points (longitude, latitude, altitude), the
// headings, and the speed (km/h) and page number of each point as arrays of
// the track's data. A point per page with a valid fix
// (TmiPageFields::trackPoint). Numbers are written with '.' whatever the
// locale.
class TmiKmlTrackWriter : public TmiWriter
{
public:
    bool write(const TmiDownloadList &pages, const TmiWriteOptions &options) override;
};

#endif // TMIKMLTRACKWRITER_H
