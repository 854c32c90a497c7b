#include "telemetry/tmigpxwriter.h"

#include "telemetry/tmidownloadlist.h"
#include "telemetry/tmiformat.h"
#include "telemetry/tmipagesource.h"
#include "telemetry/tmitext.h"
#include "telemetry/tmitextbuffer.h"

#include <QFileInfo>

#include <cmath>

namespace {

char *put(char *p, const char *text)
{
    while (*text)
        *p++ = *text++;
    return p;
}

} // namespace

bool TmiGpxWriter::write(const TmiDownloadList &pages, const TmiWriteOptions &options)
{
    m_error.clear();
    const QString &fileName = options.fileName;
    const TmiExport::Progress &progress = options.progress;
    TmiFileSink out(fileName);
    if (!out.open())
        return fail(out.errorText());
    using TmiExport::xmlTextUtf8;
    const int count = pages.count();
    const QString name = QFileInfo(fileName).completeBaseName();

    out.lit("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");
    out.lit("<gpx version=\"1.1\" creator=\"K-4810\" xmlns=\"http://www.topografix.com/GPX/1/1\""
            " xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\""
            " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
            " xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd\">\r\n");
    out.lit("\t<metadata>\r\n\t\t<name>");
    out.put(xmlTextUtf8(name));
    out.lit("</name>\r\n");
    if (!options.identifier.isEmpty()) {
        out.lit("\t\t<desc>");
        out.put(xmlTextUtf8(options.identifier));
        out.lit("</desc>\r\n");
    }
    if (count) {
        char *p = out.space();
        p = put(p, "\t\t<time>");
        p = TmiText::isoDateTime(p, pages.time(0));
        p = put(p, "</time>\r\n");
        out.advanceTo(p);
    }
    out.lit("\t</metadata>\r\n");
    out.lit("\t<trk>\r\n\t\t<name>");
    out.put(xmlTextUtf8(name));
    out.lit("</name>\r\n");
    if (count) {
        out.lit("\t\t<desc>");
        out.put(xmlTextUtf8(TmiFormat::dateTime(pages.time(0)) + QStringLiteral(" - ")
                            + TmiFormat::dateTime(pages.time(count - 1))));
        out.lit("</desc>\r\n");
    }
    out.lit("\t\t<trkseg>\r\n");

    TmiFilePage page;
    bool any = false;
    bool leftOut = false; // pages without a fix since the last point
    quint32 lastTime = 0;
    for (int index = 0; index < count && !out.failed(); ++index) {
        if (progress && index % 1024 == 0)
            progress(index, count);
        TmiDownloadPages::read(pages, index, &page);
        TmiTrackPoint point;
        if (!TmiPageFields::trackPoint(page, &point)) {
            leftOut = any;
            continue;
        }
        if (leftOut && qint64(point.time) - qint64(lastTime) > SegmentGapSeconds)
            out.lit("\t\t</trkseg>\r\n\t\t<trkseg>\r\n");
        leftOut = false;
        any = true;
        lastTime = point.time;

        char *p = out.space();
        p = put(p, "\t\t\t<trkpt lat=\"");
        p = TmiText::shortestFixed(p, point.latitude / 600000.0);
        p = put(p, "\" lon=\"");
        p = TmiText::shortestFixed(p, point.longitude / 600000.0);
        p = put(p, "\">");
        if (point.hasAltitude) {
            p = put(p, "<ele>");
            p = TmiText::decimal(p, point.altitude);
            p = put(p, "</ele>");
        }
        p = put(p, "<time>");
        p = TmiText::isoDateTime(p, point.time);
        p = put(p, "</time>");
        const bool speed = point.hasSpeed && point.speed >= 0;
        const bool course = point.hasCourse && point.course < 360;
        if (speed || course) {
            p = put(p, "<extensions><gpxtpx:TrackPointExtension>");
            if (speed) {
                p = put(p, "<gpxtpx:speed>");
                p = TmiText::fixed(p, point.speed / 3.6, 2);
                p = put(p, "</gpxtpx:speed>");
            }
            if (course) {
                p = put(p, "<gpxtpx:course>");
                p = TmiText::decimal(p, point.course);
                p = put(p, "</gpxtpx:course>");
            }
            p = put(p, "</gpxtpx:TrackPointExtension></extensions>");
        }
        p = put(p, "</trkpt>\r\n");
        out.advanceTo(p);
    }
    out.lit("\t\t</trkseg>\r\n");
    out.lit("\t</trk>\r\n");
    out.lit("</gpx>\r\n");
    if (progress)
        progress(count, count);
    if (!out.commit())
        return fail(out.errorText());
    return true;
}
