#ifndef TMIWRITER_H
#define TMIWRITER_H

#include "telemetry/tmiexport.h"

#include <QString>

class TmiDownloadList;

// What a writer of downloaded pages is told, whatever it writes.
struct TmiWriteOptions
{
    QString fileName;
    // Names of the tracker's lines and its clock, from the settings file.
    TmiExport::Captions captions;
    int timeZone = 0;
    bool daylightSaving = false;
    // The connected tracker's identifier.
    QString identifier;
    // The name of an event code; asked once per distinct code.
    TmiExport::EventName eventName;
    // (pages written, page count) as the pages are written.
    TmiExport::Progress progress;
};

// A file made from the pages of a download: the XML text file, the table,
// the binary telemetry file, the KML track. Each page is written in the form
// of its own kind (TmiDownloadList::Kind). Files are written atomically: on
// failure the target is as it was (or absent), write() returns false and
// errorText() says why.
class TmiWriter
{
public:
    virtual ~TmiWriter() = default;
    virtual bool write(const TmiDownloadList &pages, const TmiWriteOptions &options) = 0;
    QString errorText() const { return m_error; }

protected:
    // Keeps the error text; returns false.
    bool fail(const QString &error)
    {
        m_error = error;
        return false;
    }
    QString m_error;
};

#endif // TMIWRITER_H
