#ifndef TMIBINWRITER_H
#define TMIBINWRITER_H

#include "telemetry/tmiexport.h"

#include <QString>

class TmiDownloadList;

// The binary telemetry file (.tmi) of a download, in the layout of
// ORV_LogBinFile and with its records, header and checksums, but written
// page by page: a download of many pages never exists as page objects all
// at once. F6/F8 pages become first-generation masked records under the F8
// field mask; second-generation pages are written as received.
class TmiBinWriter
{
public:
    // The connected tracker's identifier, written scrambled into the header.
    void setIdentifier(const QString &identifier) { m_identifier = identifier; }
    void setProgress(TmiExport::Progress progress) { m_progress = std::move(progress); }

    // Atomically; false with errorText() when the file cannot be written.
    bool write(const TmiDownloadList &pages, const QString &fileName);
    QString errorText() const { return m_error; }

private:
    QString m_identifier;
    TmiExport::Progress m_progress;
    QString m_error;
};

#endif // TMIBINWRITER_H
