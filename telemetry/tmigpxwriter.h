#ifndef TMIGPXWRITER_H
#define TMIGPXWRITER_H

#include "telemetry/tmiwriter.h"

// The track of a download as a GPX 1.1 file (UTF-8, CR LF line ends): one
// track, a point per page with a valid fix (TmiPageFields::trackPoint) with
// its elevation and UTC time, and its speed (m/s) and course (degrees) in a
// Garmin TrackPointExtension (v2), where GPX 1.1 puts what it has no element
// for. Where pages without a fix lie between two points more than
// SegmentGapSeconds apart, the reception was lost: a new segment starts.
// Numbers are written with '.' whatever the locale.
class TmiGpxWriter : public TmiWriter
{
public:
    static constexpr int SegmentGapSeconds = 300;

    bool write(const TmiDownloadList &pages, const TmiWriteOptions &options) override;
};

#endif // TMIGPXWRITER_H
