#ifndef TMIXMLWRITER_H
#define TMIXMLWRITER_H

#include "telemetry/tmiwriter.h"

#include <QByteArray>
#include <QString>

class TmiTextBuffer;

// The telemetry text file: an XML file in windows-1251 with CR LF line
// ends, root TMI, a header of captions, then one Page element per page in
// the form of the page's kind:
//
// - F6/F8 pages: <Page page="index">, each F8 field as an element carrying
//   the raw value in its Value attribute and the page view's text in its
//   content or child elements;
// - second-generation pages: <Page type="176" generation="20"> with one
//   element per field the page carries, named as in the field table and
//   holding the raw value (a masked record), or <Page type="177" size=..
//   stVer=.. stSize=.. hVer=.. hSize=..> with the extended record's sixteen
//   fixed fields and one Dynamic line per dynamic element.
//
// TmiTextFile reads both back; it tells the kinds apart by the Page line.
class TmiXmlWriter : public TmiWriter
{
public:
    bool write(const TmiDownloadList &pages, const TmiWriteOptions &options) override;

    // A caption as the header holds it (TmiExport::caption): each character
    // escaped once, "&" as "&amp;", space "&nbsp;", ">" "&gt;", "<" "&lt;",
    // '"' "&quot;", "'" "&apos;", "!" "_33_"; in windows-1251.
    static QByteArray escapeCaption(const QString &caption);

    // The Page element of a second-generation record (from its type byte).
    static void writeVela2Page(TmiTextBuffer &out, const quint8 *record, int length);
};

#endif // TMIXMLWRITER_H
