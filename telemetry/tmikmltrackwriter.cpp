#include "telemetry/tmikmltrackwriter.h"

#include "telemetry/fieldtable.h"
#include "telemetry/tmidownloadlist.h"
#include "telemetry/tmifieldcaptions.h"
#include "telemetry/tmiformat.h"
#include "telemetry/tmipagesource.h"
#include "telemetry/tmiseries.h"
#include "telemetry/tmitext.h"
#include "telemetry/tmitextbuffer.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <vector>

namespace {

char *put(char *p, const char *text)
{
    while (*text)
        *p++ = *text++;
    return p;
}

struct Point
{
    TmiTrackPoint track;
    quint32 number;
};

} // namespace

bool TmiKmlTrackWriter::write(const TmiDownloadList &pages, const TmiWriteOptions &options)
{
    m_error.clear();
    const QString &fileName = options.fileName;
    const TmiExport::Progress &progress = options.progress;
    TmiFileSink out(fileName);
    if (!out.open())
        return fail(out.errorText());
    using TmiExport::xmlTextUtf8;
    const int count = pages.count();

    // The track's parts are written one after another (every time, then
    // every point, ...): the points are read once.
    std::vector<Point> points;
    points.reserve(size_t(count));
    TmiFilePage page;
    for (int index = 0; index < count; ++index) {
        if (progress && index % 1024 == 0)
            progress(index, count);
        TmiDownloadPages::read(pages, index, &page);
        Point point;
        if (TmiPageFields::trackPoint(page, &point.track)) {
            point.number = page.pageNumber();
            points.push_back(point);
        }
    }

    const QString first = count ? TmiFormat::dateTime(pages.time(0)) : QString();
    const QString last = count ? TmiFormat::dateTime(pages.time(count - 1)) : QString();
    const QString speedName = TmiChannel::title(TmiChannel::Speed, TmiExport::Captions(),
                                                QCoreApplication::translate("TmiKmlTrackWriter", "K4810_853"));
    const QString pageName = TmiFieldCaptions::caption(FieldTable::field("NumPage").index);

    out.lit("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");
    out.lit("<kml xmlns=\"http://www.opengis.net/kml/2.2\" xmlns:gx=\"http://www.google.com/kml/ext/2.2\">\r\n");
    out.lit("<Document>\r\n");
    out.lit("\t<name>");
    out.put(xmlTextUtf8(QFileInfo(fileName).completeBaseName()));
    out.lit("</name>\r\n");
    out.lit("\t<description>File : ");
    out.put(xmlTextUtf8(fileName));
    out.lit("</description>\r\n");
    out.lit("\t<Schema id=\"trackData\">\r\n");
    out.lit("\t\t<gx:SimpleArrayField name=\"speed\" type=\"float\"><displayName>");
    out.put(xmlTextUtf8(speedName));
    out.lit("</displayName></gx:SimpleArrayField>\r\n");
    out.lit("\t\t<gx:SimpleArrayField name=\"page\" type=\"uint\"><displayName>");
    out.put(xmlTextUtf8(pageName));
    out.lit("</displayName></gx:SimpleArrayField>\r\n");
    out.lit("\t</Schema>\r\n");
    out.lit("\t<Style id=\"trackStyle\">\r\n");
    out.lit("\t\t<LineStyle>\r\n\t\t\t<color>7f0000ff</color>\r\n\t\t\t<width>4</width>\r\n\t\t</LineStyle>\r\n");
    out.lit("\t</Style>\r\n");
    out.lit("\t<Placemark>\r\n");
    out.lit("\t\t<name>Path</name>\r\n");
    out.lit("\t\t<description>");
    out.put(xmlTextUtf8(first));
    out.lit(" - ");
    out.put(xmlTextUtf8(last));
    out.lit("</description>\r\n");
    out.lit("\t\t<styleUrl>#trackStyle</styleUrl>\r\n");
    out.lit("\t\t<gx:Track>\r\n");
    out.lit("\t\t\t<altitudeMode>absolute</altitudeMode>\r\n");
    for (const Point &point : points) {
        char *p = out.space();
        p = put(p, "\t\t\t<when>");
        p = TmiText::isoDateTime(p, point.track.time);
        p = put(p, "</when>\r\n");
        out.advanceTo(p);
    }
    for (const Point &point : points) {
        char *p = out.space();
        p = put(p, "\t\t\t<gx:coord>");
        p = TmiText::shortestFixed(p, point.track.longitude / 600000.0);
        *p++ = ' ';
        p = TmiText::shortestFixed(p, point.track.latitude / 600000.0);
        *p++ = ' ';
        p = TmiText::decimal(p, point.track.altitude);
        p = put(p, "</gx:coord>\r\n");
        out.advanceTo(p);
    }
    for (const Point &point : points) {
        char *p = out.space();
        p = put(p, "\t\t\t<gx:angles>");
        p = TmiText::decimal(p, point.track.hasCourse && point.track.course < 360 ? point.track.course : 0);
        p = put(p, " 0 0</gx:angles>\r\n");
        out.advanceTo(p);
    }
    out.lit("\t\t\t<ExtendedData>\r\n");
    out.lit("\t\t\t\t<SchemaData schemaUrl=\"#trackData\">\r\n");
    out.lit("\t\t\t\t\t<gx:SimpleArrayData name=\"speed\">\r\n");
    for (const Point &point : points) {
        char *p = out.space();
        p = put(p, "\t\t\t\t\t\t<gx:value>");
        p = TmiText::fixed(p, point.track.hasSpeed ? point.track.speed : 0.0, 1);
        p = put(p, "</gx:value>\r\n");
        out.advanceTo(p);
    }
    out.lit("\t\t\t\t\t</gx:SimpleArrayData>\r\n");
    out.lit("\t\t\t\t\t<gx:SimpleArrayData name=\"page\">\r\n");
    for (const Point &point : points) {
        char *p = out.space();
        p = put(p, "\t\t\t\t\t\t<gx:value>");
        p = TmiText::decimal(p, point.number);
        p = put(p, "</gx:value>\r\n");
        out.advanceTo(p);
    }
    out.lit("\t\t\t\t\t</gx:SimpleArrayData>\r\n");
    out.lit("\t\t\t\t</SchemaData>\r\n");
    out.lit("\t\t\t</ExtendedData>\r\n");
    out.lit("\t\t</gx:Track>\r\n");
    out.lit("\t</Placemark>\r\n");
    out.lit("</Document>\r\n");
    out.lit("</kml>\r\n");
    if (progress)
        progress(count, count);
    if (!out.commit())
        return fail(out.errorText());
    return true;
}
