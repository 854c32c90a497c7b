#include "telemetry/tmibinwriter.h"

#include "telemetry/orv_logbinfile.h"
#include "telemetry/tmidownloadlist.h"

bool TmiBinWriter::write(const TmiDownloadList &pages, const TmiWriteOptions &options)
{
    m_error.clear();
    QString error;
    const bool ok = ORV_LogBinFile::write(
        pages.count(),
        [&pages](int index, QByteArray &record, quint32 &time) {
            if (pages.kind(index) == TmiDownloadList::F8) {
                const F8Record f8(pages.data(index), pages.size(index));
                ORV_LogBinFile::record(f8, F8Record::fieldMask(), record);
                time = f8.time();
            } else {
                ORV_LogBinFile::receivedRecord(pages.data(index), pages.size(index), record);
                time = pages.time(index);
            }
            return true;
        },
        options.fileName, options.identifier, options.progress, &error);
    return ok || fail(error);
}
