#ifndef XMLLINT_H
#define XMLLINT_H

#include <QByteArray>
#include <QString>

// libxml2's xmllint as an independent reader of the files written here.
class XmlLint
{
public:
    static bool available();
    // True when xmllint reads the bytes as well-formed XML; *error gets its output.
    static bool accepts(const QByteArray &bytes, QString *error = nullptr);
    // The canonical form (UTF-8) that xmllint makes of the bytes; empty on error.
    static QByteArray canonical(const QByteArray &bytes);
    // What xmllint reads from the bytes, as a tree dump in the form of
    // dumpTree() without kinds: name=value[attrs sorted]{children}, names
    // decoded, text trimmed.
    static QString readBack(const QByteArray &bytes);
};

#endif // XMLLINT_H
