#include "host/helpresolver.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QLatin1String kLocalizationFolder("Localization");

bool isLanguageCode(const QString &language)
{
    static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}$"));
    return code.match(language).hasMatch();
}

bool isInside(const QString &path, const QString &root)
{
    if (path == root)
        return true;
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    return path.startsWith(prefix);
}

} // namespace

HelpResolver::HelpResolver(const QString &root)
    : m_root(root)
{
}

QString HelpResolver::effectiveRoot() const
{
    return QDir::cleanPath(QDir(m_root.isEmpty() ? QDir::currentPath() : m_root).absolutePath());
}

void HelpResolver::setLanguage(const QString &language)
{
    m_language = isLanguageCode(language) ? language : QString();
}

QString HelpResolver::languagePath(const QString &relativePath, const QString &language)
{
    if (!isLanguageCode(language) || language == QLatin1String("en"))
        return {};
    QStringList parts = relativePath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.size() < 2 || parts.first().compare(kLocalizationFolder, Qt::CaseInsensitive) != 0)
        return {};
    parts.insert(1, language);
    return parts.join(QLatin1Char('/'));
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

    // Only now, with ".." gone and the path known to stay in the root, is
    // the language folder put in: it cannot lead anywhere else.
    const int skip = root.endsWith(QLatin1Char('/')) ? root.size() : root.size() + 1;
    const QString relative = wanted.mid(skip);
    const QString twin = languagePath(relative, m_language);
    if (!twin.isEmpty())
        result.filePath = findFile(root, twin);
    if (result.filePath.isEmpty())
        result.filePath = findFile(root, relative);
    return result;
}

QString HelpResolver::findFile(const QString &root, const QString &relativePath) const
{
    const QString wanted = QDir::cleanPath(root + QLatin1Char('/') + relativePath);
    QString found;
    if (QFileInfo(wanted).isFile()) {
        found = wanted;
    } else {
        // Walk the components, taking a name that differs only in case.
        QDir dir(root);
        const QStringList parts = relativePath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
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
                return {};
            if (last)
                found = dir.filePath(match);
            else if (!dir.cd(match))
                return {};
        }
    }
    if (found.isEmpty())
        return {};
    // A link may still lead out of the root.
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    const QString canonical = QFileInfo(found).canonicalFilePath();
    if (canonical.isEmpty() || canonicalRoot.isEmpty() || !isInside(canonical, canonicalRoot))
        return {};
    return canonical;
}
