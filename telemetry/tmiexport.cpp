#include "telemetry/tmiexport.h"

#include "xml/xmlnames.h"

namespace TmiExport {

QByteArray xmlText(const QString &text)
{
    return XmlNames::escaped(text, true);
}

QByteArray xmlTextUtf8(const QString &text)
{
    return XmlNames::escapedUtf8(text, true);
}

QByteArray caption(const QString &text)
{
    // Space and '!' have forms of their own here; every other character is
    // escaped as in any attribute value.
    QByteArray out;
    out.reserve(text.size() + 8);
    qsizetype run = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        const char16_t ch = end ? 0 : text.at(i).unicode();
        if (!end && ch != u' ' && ch != u'!')
            continue;
        XmlNames::appendEscaped(out, QStringView(text).mid(run, i - run), true);
        if (ch == u' ')
            out.append("&nbsp;", 6);
        else if (ch == u'!')
            out.append("_33_", 4);
        run = i + 1;
    }
    return out;
}

} // namespace TmiExport
