#ifndef TMIKMLWRITER_H
#define TMIKMLWRITER_H

#include "telemetry/tmiexport.h"

#include <QString>

class TmiDownloadList;

// The track of a download as an OGC KML 2.2 file (UTF-8, CR LF line ends):
// one line string with a point per page, "longitude,latitude,altitude" in
// degrees written in their shortest decimal form with a '.' and the raw
// altitude. Pages without both coordinates (second-generation pages that
// do not carry them) add no point.
class TmiKmlWriter
{
public:
    void setProgress(TmiExport::Progress progress) { m_progress = std::move(progress); }

    // Atomically, as the other writers; false with errorText() on failure.
    bool write(const TmiDownloadList &pages, const QString &fileName);
    QString errorText() const { return m_error; }

    // "lon,lat,alt" of raw coordinates (1/600000 degree) and altitude.
    static QByteArray coordinates(qint32 longitude, qint32 latitude, qint32 altitude);

private:
    TmiExport::Progress m_progress;
    QString m_error;
};

#endif // TMIKMLWRITER_H
