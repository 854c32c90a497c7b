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
//
// Languages: the English pages are the ones asked for; a language of its own
// has a tree beside them that mirrors theirs, "Localization/<language>/…"
// ("Localization/ru/Help/K-4810/k-4810p1.html" is the Russian twin of
// "Localization/Help/K-4810/k-4810p1.html"). With a language set, a request
// finds its twin when there is one, else the English page. The pages link
// to each other relatively, so a link stays in the language of its page.
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

    // "ru": look for that language's twin first; empty or "en": English
    // only. A value that is no language code is ignored.
    void setLanguage(const QString &language);
    QString language() const { return m_language; }

    Result resolve(const QString &requestPath) const;

    // The twin of a path under "Localization/" (relative, '/'-separated) in
    // a language; empty when the path has none (not under "Localization/",
    // English, or no language code).
    static QString languagePath(const QString &relativePath, const QString &language);

private:
    // The canonical path of an existing file at a relative path under the
    // root, matching letter case loosely; empty when there is none or the
    // file lies outside the root.
    QString findFile(const QString &root, const QString &relativePath) const;

    QString m_root;
    QString m_language;
};

#endif // HELPRESOLVER_H
