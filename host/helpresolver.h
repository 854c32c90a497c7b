#ifndef HELPRESOLVER_H
#define HELPRESOLVER_H

#include <QString>

// Turns the path of a help request (2072, e.g.
// "/Localization/Help/K-4810/k-4810tmi.html") into a file under the help
// root. The request comes from the plug-in, so it is confined to the root:
// ".." that would leave it, or a link pointing outside, finds nothing.
// Help files copied from another system may differ in letter case; each
// path component is matched case-insensitively when the exact name is not
// there.
class HelpResolver
{
public:
    struct Result
    {
        QString filePath;  // the page found, empty when none
        QString attempted; // where it was looked for, for "No help page at …"
        QString fragment;  // "#anchor" part of the request, without '#'
        bool found() const { return !filePath.isEmpty(); }
    };

    explicit HelpResolver(const QString &root = QString());

    // Empty: the current working directory.
    void setRoot(const QString &root) { m_root = root; }
    QString root() const { return m_root; }
    QString effectiveRoot() const;

    Result resolve(const QString &requestPath) const;

private:
    QString m_root;
};

#endif // HELPRESOLVER_H
