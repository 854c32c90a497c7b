#include "settings/model/settingsvalues.h"

#include <algorithm>

int SettingsValues::toInt(const QString &path, int defaultValue) const
{
    const auto it = m_values.constFind(path);
    return it == m_values.constEnd() ? defaultValue : it->toInt();
}

double SettingsValues::toReal(const QString &path, double defaultValue) const
{
    const auto it = m_values.constFind(path);
    return it == m_values.constEnd() ? defaultValue : it->toDouble();
}

QString SettingsValues::toText(const QString &path, const QString &defaultValue) const
{
    const auto it = m_values.constFind(path);
    return it == m_values.constEnd() ? defaultValue : it->toString();
}

QStringList SettingsValues::paths() const
{
    QStringList out = m_values.keys();
    std::sort(out.begin(), out.end());
    return out;
}
