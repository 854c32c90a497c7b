#include "tests/xml/xmltreedump.h"

#include "xml/cxmlelement.h"

QString dumpTree(const CXmlElement *e)
{
    if (!e)
        return QStringLiteral("<null>");
    QString s = e->name() + QLatin1Char('(') + QString::number(e->kind()) + QLatin1Char(')');
    if (!e->value().isEmpty())
        s += QLatin1Char('=') + e->value();
    if (e->attributeCount()) {
        QStringList a;
        for (const CXmlElement *x : e->attributes())
            a << x->name() + QLatin1Char('=') + x->value();
        s += QLatin1Char('[') + a.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    if (e->childCount()) {
        QStringList c;
        for (const CXmlElement *x : e->children())
            c << dumpTree(x);
        s += QLatin1Char('{') + c.join(QLatin1Char(',')) + QLatin1Char('}');
    }
    return s;
}
