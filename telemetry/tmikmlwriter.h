#ifndef TMIKMLWRITER_H
#define TMIKMLWRITER_H

#include "telemetry/tmiwriter.h"

#include <QByteArray>

// The track of a download as an OGC KML 2.2 file (UTF-8, CR LF line ends):
// one line string with a point per page, "longitude,latitude,altitude" in
// degrees written in their shortest decimal form with a '.' and the raw
// altitude. A page without coordinates adds no point: a second-generation
// page that does not carry both, or any page at exactly 0,0 (no fix yet),
// which would draw a line to the Gulf of Guinea.
class TmiKmlWriter : public TmiWriter
{
public:
    bool write(const TmiDownloadList &pages, const TmiWriteOptions &options) override;

    // "lon,lat,alt" of raw coordinates (1/600000 degree) and altitude.
    static QByteArray coordinates(qint32 longitude, qint32 latitude, qint32 altitude);
};

#endif // TMIKMLWRITER_H
