#include "telemetry/tmibinwriter.h"

#include "core/codepage.h"
#include "telemetry/orv_logbinfile.h"
#include "telemetry/orv_tmipage_f8.h"
#include "telemetry/tmidownloadlist.h"
#include "telemetry/tmipage_vela2.h"
#include "telemetry/tmitextbuffer.h"

bool TmiBinWriter::write(const TmiDownloadList &pages, const QString &fileName)
{
    m_error.clear();
    TmiFileSink out(fileName);
    if (!out.open()) {
        m_error = out.errorText();
        return false;
    }
    // The header goes last: it holds the checksum of the records.
    out.put(QByteArray(ORV_LogBinFile::HeaderSize, '\0'));

    ORV_LogBinFile::RecordCrc crc;
    ORV_TmiPage_F8 f8Page(nullptr, F8Record());
    const int count = pages.count();
    int written = 0;
    quint32 firstTime = 0;
    quint32 lastTime = 0;
    for (int index = 0; index < count && !out.failed(); ++index) {
        if (m_progress)
            m_progress(index, count);
        QByteArray record;
        quint32 time;
        if (pages.kind(index) == TmiDownloadList::F8) {
            f8Page.setRecord(F8Record(pages.data(index), pages.size(index)));
            record = ORV_LogBinFile::record(f8Page);
            time = f8Page.time();
        } else {
            const TmiPage_Vela2 page(pages.data(index), pages.size(index));
            if (page.isEmpty())
                continue;
            record = ORV_LogBinFile::record(page);
            time = page.time();
        }
        crc.update(record.constData(), record.size());
        out.put(record);
        if (written == 0)
            firstTime = time;
        lastTime = time;
        ++written;
    }
    if (m_progress)
        m_progress(count, count);
    const QByteArray header =
        ORV_LogBinFile::header(firstTime, lastTime, written, crc.value(), CodePage::fromUnicode(m_identifier));
    if (!out.writeAt(0, header) || !out.commit()) {
        m_error = out.errorText();
        return false;
    }
    return true;
}
