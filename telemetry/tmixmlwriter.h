#ifndef TMIXMLWRITER_H
#define TMIXMLWRITER_H

#include "telemetry/tmiexport.h"

#include <QByteArray>
#include <QString>

class TmiDownloadList;

// The telemetry text file: an XML file in windows-1251 with CR LF line
// ends, root TMI, a header of captions and one Page element per page with
// each F8 field as an element carrying the raw value in its Value
// attribute and the page view's text in its content or child elements.
// Second-generation pages are written through the F8 fields they carry.
class TmiXmlWriter
{
public:
    void setCaptions(const TmiExport::Captions &captions) { m_captions = captions; }
    void setTimeZone(int hours, bool daylightSaving)
    {
        m_timeZone = hours;
        m_daylightSaving = daylightSaving;
    }
    // Asked once per distinct event code of the pages.
    void setEventNames(TmiExport::EventName eventName) { m_eventName = std::move(eventName); }
    void setProgress(TmiExport::Progress progress) { m_progress = std::move(progress); }

    // Writes every page, in list order, atomically: false (the file as it
    // was, or none) with errorText() when the file cannot be written.
    bool write(const TmiDownloadList &pages, const QString &fileName);
    QString errorText() const { return m_error; }

    // A caption as the header holds it, each character escaped once: "&"
    // as "&amp;", space "&nbsp;", ">" "&gt;", "<" "&lt;", '"' "&quot;",
    // "'" "&apos;", "!" "_33_"; in windows-1251.
    static QByteArray escapeCaption(const QString &caption);

private:
    TmiExport::Captions m_captions;
    int m_timeZone = 0;
    bool m_daylightSaving = false;
    TmiExport::EventName m_eventName;
    TmiExport::Progress m_progress;
    QString m_error;
};

#endif // TMIXMLWRITER_H
