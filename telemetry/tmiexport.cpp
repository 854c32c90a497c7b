#include "telemetry/tmiexport.h"

#include "core/codepage.h"

namespace {

QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        case '\'':
            out += QLatin1String("&apos;");
            break;
        default:
            // Control characters cannot stand in an XML file.
            out += (ch.unicode() < 0x20 && ch != QLatin1Char('\t')) ? QChar(QLatin1Char(' ')) : ch;
            break;
        }
    }
    return out;
}

} // namespace

namespace TmiExport {

QByteArray xmlText(const QString &text)
{
    return CodePage::fromUnicode(escaped(text));
}

QByteArray xmlTextUtf8(const QString &text)
{
    return escaped(text).toUtf8();
}

} // namespace TmiExport
