#include "host/workingpaths.h"

#include <QDir>
#include <QStandardPaths>

QStringList WorkingPaths::defaults()
{
    return under(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QStringList WorkingPaths::under(const QString &base)
{
    const QDir dir(base);
    QStringList paths;
    for (const char *name : {"data", "settings", "transfer", "temp"})
        paths << QDir::cleanPath(dir.absoluteFilePath(QString::fromLatin1(name))) + QLatin1Char('/');
    return paths;
}

bool WorkingPaths::create(const QStringList &paths, QString *error)
{
    for (const QString &path : paths) {
        if (path.isEmpty())
            continue;
        if (!QDir().mkpath(path)) {
            if (error)
                *error = QStringLiteral("Cannot create the folder %1").arg(QDir::toNativeSeparators(path));
            return false;
        }
    }
    return true;
}
