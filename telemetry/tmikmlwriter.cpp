#include "telemetry/tmikmlwriter.h"

#include "telemetry/f8record.h"
#include "telemetry/tmidownloadlist.h"
#include "telemetry/tmiformat.h"
#include "telemetry/tmipage_vela2.h"
#include "telemetry/tmitextbuffer.h"
#include "telemetry/tmitext.h"

#include <QFileInfo>

namespace {

constexpr int kLatitude = F8Layout::offset("Latitude");
constexpr int kLongitude = F8Layout::offset("Longitude");
constexpr int kAltitude = F8Layout::offset("Altitude");
constexpr FieldRef kLatitudeField = FieldTable::field("Latitude");
constexpr FieldRef kLongitudeField = FieldTable::field("Longitude");
constexpr FieldRef kAltitudeField = FieldTable::field("Altitude");

char *point(char *p, qint32 longitude, qint32 latitude, qint32 altitude)
{
    p = TmiText::shortestFixed(p, longitude / 600000.0);
    *p++ = ',';
    p = TmiText::shortestFixed(p, latitude / 600000.0);
    *p++ = ',';
    return TmiText::decimal(p, altitude);
}

} // namespace

QByteArray TmiKmlWriter::coordinates(qint32 longitude, qint32 latitude, qint32 altitude)
{
    char text[TmiTextBuffer::MaxPiece];
    return QByteArray(text, point(text, longitude, latitude, altitude) - text);
}

bool TmiKmlWriter::write(const TmiDownloadList &pages, const TmiWriteOptions &options)
{
    m_error.clear();
    const QString &fileName = options.fileName;
    const TmiExport::Progress &progress = options.progress;
    TmiFileSink out(fileName);
    if (!out.open())
        return fail(out.errorText());
    using TmiExport::xmlTextUtf8;
    const int count = pages.count();
    const QString first = count ? TmiFormat::dateTime(pages.time(0)) : QString();
    const QString last = count ? TmiFormat::dateTime(pages.time(count - 1)) : QString();

    out.lit("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");
    out.lit("<kml xmlns=\"http://www.opengis.net/kml/2.2\">\r\n");
    out.lit("<Document>\r\n");
    out.lit("\t<name>");
    out.put(xmlTextUtf8(QFileInfo(fileName).completeBaseName()));
    out.lit("</name>\r\n");
    out.lit("\t<description>File : ");
    out.put(xmlTextUtf8(fileName));
    out.lit("</description>\r\n");
    out.lit("\t<Style id=\"linePolyStyle\">\r\n");
    out.lit("\t\t<LineStyle>\r\n\t\t\t<color>7f0000ff</color>\r\n\t\t\t<width>4</width>\r\n\t\t</LineStyle>\r\n");
    out.lit("\t\t<PolyStyle>\r\n\t\t\t<color>7f00ff00</color>\r\n\t\t</PolyStyle>\r\n");
    out.lit("\t</Style>\r\n");
    out.lit("\t<Placemark>\r\n");
    out.lit("\t\t<name>Path</name>\r\n");
    out.lit("\t\t<description>");
    out.put(xmlTextUtf8(first));
    out.lit(" - ");
    out.put(xmlTextUtf8(last));
    out.lit("</description>\r\n");
    out.lit("\t\t<styleUrl>#linePolyStyle</styleUrl>\r\n");
    out.lit("\t\t<LineString>\r\n");
    out.lit("\t\t\t<extrude>1</extrude>\r\n");
    out.lit("\t\t\t<tessellate>1</tessellate>\r\n");
    out.lit("\t\t\t<altitudeMode>absolute</altitudeMode>\r\n");
    out.lit("\t\t\t<coordinates>\r\n");
    for (int index = 0; index < count && !out.failed(); ++index) {
        if (progress)
            progress(index, count);
        qint32 longitude, latitude, altitude;
        if (pages.kind(index) == TmiDownloadList::F8 && pages.size(index) == F8Record::Size) {
            const quint8 *r = pages.data(index);
            longitude = TmiBytes::read<qint32>(r + kLongitude);
            latitude = TmiBytes::read<qint32>(r + kLatitude);
            altitude = TmiBytes::read<qint32>(r + kAltitude);
        } else {
            const TmiPage_Vela2 page(pages.data(index), pages.size(index));
            if (!page.isPresent(kLatitudeField) || !page.isPresent(kLongitudeField))
                continue;
            longitude = qint32(page.integer(kLongitudeField));
            latitude = qint32(page.integer(kLatitudeField));
            altitude = qint32(page.integer(kAltitudeField));
        }
        if (longitude == 0 && latitude == 0)
            continue;
        char *p = out.space();
        p = point(p, longitude, latitude, altitude);
        *p++ = '\r';
        *p++ = '\n';
        out.advanceTo(p);
    }
    out.lit("\t\t\t</coordinates>\r\n");
    out.lit("\t\t</LineString>\r\n");
    out.lit("\t</Placemark>\r\n");
    out.lit("</Document>\r\n");
    out.lit("</kml>\r\n");
    if (progress)
        progress(count, count);
    if (!out.commit())
        return fail(out.errorText());
    return true;
}
