#include "host/helpresolver.h"

#include <QDir>
#include <QFileInfo>

HelpResolver::HelpResolver(const QString &root)
    : m_root(root)
{
}

QString HelpResolver::effectiveRoot() const
{
    return QDir::cleanPath(QDir(m_root.isEmpty() ? QDir::currentPath() : m_root).absolutePath());
}

static bool isInside(const QString &path, const QString &root)
{
    if (path == root)
        return true;
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    return path.startsWith(prefix);
}

HelpResolver::Result HelpResolver::resolve(const QString &requestPath) const
{
    Result result;
    QString request = requestPath;
    const int hash = request.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        result.fragment = request.mid(hash + 1);
        request.truncate(hash);
    }
    request.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (request.startsWith(QLatin1Char('/')))
        request.remove(0, 1);

    const QString root = effectiveRoot();
    const QString wanted = QDir::cleanPath(root + QLatin1Char('/') + request);
    result.attempted = QDir::toNativeSeparators(wanted);
    if (request.isEmpty() || !isInside(wanted, root) || wanted == root)
        return result;

    QString found;
    if (QFileInfo(wanted).isFile()) {
        found = wanted;
    } else {
        // Walk the components, taking a name that differs only in case.
        QDir dir(root);
        const int skip = root.endsWith(QLatin1Char('/')) ? root.size() : root.size() + 1;
        const QStringList parts = wanted.mid(skip).split(QLatin1Char('/'), Qt::SkipEmptyParts);
        for (int i = 0; i < parts.size(); ++i) {
            const bool last = i == parts.size() - 1;
            const QStringList entries = dir.entryList(last ? QDir::Files : QDir::Dirs | QDir::NoDotAndDotDot);
            QString match;
            for (const QString &e : entries) {
                if (e.compare(parts.at(i), Qt::CaseInsensitive) == 0) {
                    match = e;
                    break;
                }
            }
            if (match.isEmpty())
                return result;
            if (last)
                found = dir.filePath(match);
            else if (!dir.cd(match))
                return result;
        }
    }
    // A link may still lead out of the root.
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    const QString canonical = QFileInfo(found).canonicalFilePath();
    if (canonical.isEmpty() || canonicalRoot.isEmpty() || !isInside(canonical, canonicalRoot))
        return result;
    result.filePath = canonical;
    return result;
}
