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

    // The record checksum of ORV_LogBinFile::RecordCrc (CRC-32 with an XOR
    // of 0xD202EF8D after every byte), eight bytes at a time: the step is
    // affine, so eight steps are the plain CRC's eight steps followed by
    // one constant.
    class RecordCrc
    {
    public:
        void update(const void *data, qsizetype length);
        quint32 value() const { return m_crc; }

    private:
        quint32 m_crc = 0;
    };

private:
    QString m_identifier;
    TmiExport::Progress m_progress;
    QString m_error;
};

#endif // TMIBINWRITER_H
