#include "fuel/fuelreport.h"

#include <QCoreApplication>
#include <QSet>

#include <cmath>

namespace {

QString text(const char *key)
{
    return QCoreApplication::translate("ORV_FormReportFuel", key);
}

const char *const kPlainTable = "<table width='90%' border=0 cellspacing=0 cellpadding=5 align=\"center\">";
const char *const kBrokenShade = "#FFD0D0";

} // namespace

FuelReport::Layout FuelReport::layout(int count)
{
    Layout l;
    if (count <= 0) {
        l.pairs = 3;
        l.rows = kRowsPerPair;
        l.step = kRowsPerPair;
    } else if (count <= kRowsPerPair) {
        l.pairs = 1;
        l.rows = count;
        l.step = kRowsPerPair;
    } else if (count <= 5 * kRowsPerPair) {
        l.pairs = (count + kRowsPerPair - 1) / kRowsPerPair;
        l.rows = kRowsPerPair;
        l.step = kRowsPerPair;
    } else {
        l.pairs = 4;
        l.rows = (count + 3) / 4;
        l.step = l.rows;
    }
    return l;
}

QString FuelReport::volumeText(float volume)
{
    return QString::asprintf("%.1f", double(volume));
}

QString FuelReport::readingText(float reading, bool digital)
{
    if (!digital)
        return QString::asprintf("%.2f", double(reading));
    double whole = std::trunc(double(reading));
    if (whole == 0)
        whole = 0; // no "-0"
    return QString::number(whole, 'f', 0);
}

QString FuelReport::html(const QString &typeCode, const QString &objectName, const FuelPoints &points,
                         const QDateTime &printed)
{
    const bool digital = typeCode.startsWith(QLatin1Char('D'));
    QString h;
    h.reserve(4096 + int(points.size()) * 80);

    // Head.
    h += QLatin1String("<html>");
    h += QLatin1String("<head><META http-equiv=\"Content-Type\" content=\"text/html; charset=cp-1251\">");
    h += QLatin1String("<style type=\"text/css\"></style>");
    h += QLatin1String("<style> td.border{border-right: 15px solid red;} th.border{border-right: 15px solid red;}</style>");
    h += QLatin1String("</head>");
    h += QLatin1String("<body>");
    h += QLatin1String("<table width='90%' border=0 cellspacing=0 cellpadding=0 align=\"center\">");
    h += QLatin1String("<tr><td align=\"right\"><U>") + text("K4810_548") + QLatin1String(" F-1.0</U></td></tr>");
    h += QLatin1String("</table>");
    h += QLatin1String("<h2 width='90%' align=\"center\">") + text("K4810_549") + QLatin1String("</h2>");
    h += QLatin1String("<br/>");

    // The vehicle, and the lines filled in by hand.
    h += QLatin1String(kPlainTable);
    h += QLatin1String("<tr>");
    if (!objectName.isEmpty())
        h += QLatin1String("<td align=\"center\">") + text("K4810_550") + QLatin1String("<b>")
            + objectName.toHtmlEscaped() + QLatin1String("</b></td>");
    h += QLatin1String("</tr>");
    h += QLatin1String("</table>");
    h += QLatin1String("<br/>");
    h += QLatin1String("<div>");
    h += QLatin1String(kPlainTable);
    const char *const lines[3][2] = {{"K4810_551", "K4810_552"}, {"K4810_553", "K4810_554"}, {"K4810_555", "K4810_556"}};
    for (const auto &line : lines) {
        h += QLatin1String("<tr>");
        for (const char *key : line)
            h += QLatin1String("<td align=\"center\">") + text(key) + QLatin1String("</td>");
        h += QLatin1String("</tr>");
    }
    h += QLatin1String("</table>");
    h += QLatin1String("</div>");

    // The points.
    const QList<int> broken = FuelCalibration::nonMonotonic(points);
    const QSet<int> brokenSet(broken.cbegin(), broken.cend());
    h += QLatin1String("<br/>");
    if (!broken.isEmpty())
        h += QLatin1String("<p align=\"center\"><font color=\"#C00000\"><b>") + text("K4810_523")
            + QLatin1String("</b></font></p>");
    h += QLatin1String("<div>");
    h += QLatin1String("<table width='90%' border=1 cellspacing=0 cellpadding=4 align=\"center\">");
    const int count = int(points.size());
    const Layout l = layout(count);
    // With no points the empty form keeps its pairs apart.
    auto borderClass = [count](int pair) {
        return count == 0 && pair < 2 ? QStringLiteral(" class=\"border\"") : QString();
    };
    h += QLatin1String("<tr>");
    for (int p = 0; p < l.pairs; ++p) {
        h += QLatin1String("<th bgcolor=\"#DCDCDC\" align=\"center\">") + text("K4810_557") + QLatin1String("</th>");
        h += QLatin1String("<th bgcolor=\"#DCDCDC\" align=\"center\"") + borderClass(p) + QLatin1String(">")
            + text("K4810_525") + QLatin1String("</th>");
    }
    h += QLatin1String("</tr>");
    for (int r = 0; r < l.rows; ++r) {
        h += QLatin1String("<tr>");
        for (int p = 0; p < l.pairs; ++p) {
            const int i = count == 0 ? -1 : l.pointAt(r, p, count);
            const QString shade = i >= 0 && brokenSet.contains(i)
                ? QStringLiteral(" bgcolor=\"%1\"").arg(QLatin1String(kBrokenShade))
                : QString();
            const QString volume = i >= 0 ? volumeText(points[i].volume) : QStringLiteral("&nbsp;");
            const QString reading = i >= 0 ? readingText(points[i].reading, digital) : QStringLiteral("&nbsp;");
            h += QLatin1String("<td align=\"center\"") + shade + QLatin1String(">") + volume + QLatin1String("</td>");
            h += QLatin1String("<td align=\"center\"") + shade + borderClass(p) + QLatin1String(">") + reading
                + QLatin1String("</td>");
        }
        h += QLatin1String("</tr>");
    }
    h += QLatin1String("</table>");
    h += QLatin1String("</div>");

    // Signatures.
    auto signatureTable = [&h](const char *const keys[3]) {
        h += QLatin1String("<div>");
        h += QLatin1String(kPlainTable);
        for (int i = 0; i < 3; ++i)
            h += QLatin1String("<tr>") + QLatin1String("<td align=\"left\">") + text(keys[i])
                + QLatin1String("</td>") + QLatin1String("</tr>");
        h += QLatin1String("</table>");
        h += QLatin1String("</div>");
    };
    const char *const performed[3] = {"K4810_558", "K4810_559", "K4810_560"};
    const char *const checked[3] = {"K4810_561", "K4810_562", "K4810_563"};
    h += QLatin1String("<br/>");
    signatureTable(performed);
    h += QLatin1String("<br/>");
    signatureTable(checked);
    h += QLatin1String("<br/><br/>");
    h += QLatin1String("<div>");
    h += QLatin1String("<table width='90%' border=0 cellspacing=0 cellpadding=0 align=\"center\">");
    h += QLatin1String("<tr>");
    h += QLatin1String("<th width='50%'  align=\"left\">") + text("K4810_564") + QLatin1String("</th>");
    h += QLatin1String("<th width='50%'  align=\"right\">") + text("K4810_565") + QLatin1String("</th>");
    h += QLatin1String("</tr>");
    h += QLatin1String("<tr>");
    h += QLatin1String("</tr>");
    h += QLatin1String("<tr>");
    h += QLatin1String("<td align=\"left\">") + printed.toString(QStringLiteral("dd.MM.yyyy H:mm:ss"))
        + QLatin1String("</td>");
    h += QLatin1String("<td align=\"right\">");
    h += QLatin1String("<table width='380px' border=0 cellspacing=0 cellpadding=0 align=\"right\">");
    h += QLatin1String("<tr>");
    h += QLatin1String("<th width='150px' align=\"center\">____________________</th>");
    h += QLatin1String("<th width='75px' align=\"center\"></th>");
    h += QLatin1String("<th width='150px' align=\"center\">____________________</th>");
    h += QLatin1String("</tr>");
    h += QLatin1String("<tr>");
    h += QLatin1String("<td align=\"center\">") + text("K4810_566") + QLatin1String("</td>");
    h += QLatin1String("<td align=\"center\"><p>&nbsp;&nbsp;&nbsp;&nbsp;</p></td>");
    h += QLatin1String("<td align=\"center\">") + text("K4810_567") + QLatin1String("</td>");
    h += QLatin1String("</tr>");
    h += QLatin1String("</table>");
    h += QLatin1String("</td>");
    h += QLatin1String("</tr>");
    h += QLatin1String("</table>");
    h += QLatin1String("</div>");
    h += QLatin1String("</body>");
    h += QLatin1String("</html>");
    return h;
}
