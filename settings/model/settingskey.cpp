#include "settings/model/settingskey.h"

#include <QStringList>

QString SettingsKey::path() const
{
    const QString k = QString::fromLatin1(key);
    return subSection ? QString::fromLatin1(subSection) + QLatin1Char('/') + k : k;
}

const SettingsKey *SettingsTable::find(QStringView path) const
{
    const qsizetype slash = path.indexOf(u'/');
    const QStringView sub = slash < 0 ? QStringView() : path.left(slash);
    const QStringView key = slash < 0 ? path : path.mid(slash + 1);
    for (const SettingsKey &k : *this) {
        if (slash < 0 ? !k.isEntry() : (k.isEntry() || sub != QLatin1String(k.subSection)))
            continue;
        if (key == QLatin1String(k.key))
            return &k;
    }
    return nullptr;
}

QStringList SettingsTable::subSections() const
{
    QStringList out;
    for (const SettingsKey &k : *this) {
        if (!k.isEntry() && !out.contains(QLatin1String(k.subSection)))
            out.append(QString::fromLatin1(k.subSection));
    }
    return out;
}
