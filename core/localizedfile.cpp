#include "core/localizedfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace {

bool isLanguageCode(const QString &language)
{
    static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}$"));
    return code.match(language).hasMatch();
}

} // namespace

QString LocalizedFile::interfaceLanguage()
{
    const QString language = QCoreApplication::translate("LocalizedFile", "en");
    return isLanguageCode(language) ? language : QStringLiteral("en");
}

QString LocalizedFile::resolve(const QString &path, const QString &language)
{
    if (!isLanguageCode(language) || language == QLatin1String("en"))
        return path;
    QString relative = QDir::fromNativeSeparators(path);
    const bool dotted = relative.startsWith(QLatin1String("./"));
    relative = QDir::cleanPath(relative);
    QStringList parts = relative.split(QLatin1Char('/'));
    if (parts.size() < 2 || parts.first() != QLatin1String("Localization"))
        return path;
    parts.insert(1, language);
    const QString twin = (dotted ? QStringLiteral("./") : QString()) + parts.join(QLatin1Char('/'));
    return QFileInfo(twin).isFile() ? twin : path;
}
