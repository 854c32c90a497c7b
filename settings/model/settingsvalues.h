#ifndef SETTINGSVALUES_H
#define SETTINGSVALUES_H

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

// The values of one settings section as a page shows them, keyed by the
// key's path: its name for a top-level (entry-style) key, "SubSection/name"
// for a key of a sub-section (attribute-style). Integers are int, reals
// double, texts QString; a converted key holds the page's unit (see
// SettingsConversion).
class SettingsValues
{
public:
    static QString path(const QString &subSection, const QString &key)
    {
        return subSection.isEmpty() ? key : subSection + QLatin1Char('/') + key;
    }

    bool contains(const QString &path) const { return m_values.contains(path); }
    QVariant value(const QString &path) const { return m_values.value(path); }
    int toInt(const QString &path, int defaultValue = 0) const;
    double toReal(const QString &path, double defaultValue = 0.0) const;
    QString toText(const QString &path, const QString &defaultValue = QString()) const;

    void set(const QString &path, const QVariant &value) { m_values.insert(path, value); }
    void remove(const QString &path) { m_values.remove(path); }
    void clear() { m_values.clear(); }

    int size() const { return int(m_values.size()); }
    bool isEmpty() const { return m_values.isEmpty(); }
    QStringList paths() const;

    bool operator==(const SettingsValues &other) const { return m_values == other.m_values; }
    bool operator!=(const SettingsValues &other) const { return !(*this == other); }

private:
    QHash<QString, QVariant> m_values;
};

#endif // SETTINGSVALUES_H
