#ifndef SETTINGSKEY_H
#define SETTINGSKEY_H

#include "settings/model/settingsrow.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// One key of a section as the model holds it: a row of the catalogue made
// concrete (an index-generated or repeated row gives one key per index).
//
// The key's path addresses it in the section: its name for an entry key,
// "SubSection/name" for an attribute key ("GPSmaxEx/speed",
// "FS3_485_PARAM/trhld_move_off", "SPEEDS/SPEED[2]/hi").
class SettingsKey
{
public:
    SettingsKey(const SettingsRow *row, const QString &name, const QString &subSection, int index);

    const SettingsRow &row() const { return *m_row; }
    const QString &name() const { return m_name; }
    const QString &subSection() const { return m_subSection; } // empty for an entry key
    const QString &path() const { return m_path; }
    int index() const { return m_index; } // of an index-generated or repeated row; -1 otherwise

    SettingsRow::Type type() const { return m_row->type; }
    int decimals() const { return m_row->decimals; }
    bool isEntry() const { return m_subSection.isEmpty(); }
    bool isWriteOnly() const { return m_row->flags & SettingsRow::WriteOnly; }
    bool isLegacy() const { return m_row->flags & SettingsRow::Legacy; }
    bool isNumber() const { return m_row->type != SettingsRow::Text; }

    // The unit the page shows (SettingsConversion::Stored when the row names none).
    const SettingsConversion &conversion() const;
    // Decimals of the shown value: the conversion's for a converted key, the
    // key's own for a real, 0 otherwise.
    int shownDecimals() const;
    bool shownIsWhole() const;

    // Range and step in the shown unit; without a range, the type's.
    bool hasRange() const { return m_row->hasRange; }
    double minimum() const;
    double maximum() const;
    double step() const;

    const SettingsChoice *choices() const { return m_row->choices; }
    int choiceCount() const { return m_row->choiceCount; }
    // The position of a code among the choices, or -1 (numbers compare as numbers).
    int choiceIndex(const QString &code) const;
    // The text a choice shows, in the given translation context.
    static QString choiceText(const SettingsChoice &choice, const char *context);

    SettingsInputRule inputRule() const { return m_row->rule; }
    // Characters a field accepts (254 when the row sets none).
    int maxLength() const;
    // The label's text, in the given context; the key's name when the row has none.
    QString label(const char *context) const;

    // The default as stored text (a text key looked up in context).
    QString defaultText(const char *context) const;

    // Condition, legacy replacement and target with the index filled in.
    const QString &whenPath() const { return m_whenPath; }
    bool conditionHolds(const QString &value) const;
    const QString &onlyWithout() const { return m_onlyWithout; }
    const QString &intoPath() const { return m_intoPath; }

private:
    const SettingsRow *m_row;
    QString m_name;
    QString m_subSection;
    QString m_path;
    int m_index;
    QString m_whenPath;
    QString m_onlyWithout;
    QString m_intoPath;
};

// The catalogue of one settings section: its name, the page class whose
// name is the context of its text keys, and its keys in catalogue order.
// Consecutive index-generated rows with the same index range expand index
// by index (FS0use485, FS0Adress485, FS1use485, ...); consecutive repeated
// rows of one sub-section expand child by child.
class SettingsTable
{
public:
    explicit SettingsTable(const SettingsSectionRows &rows);

    const char *name() const { return m_rows.name; }
    const char *pageClass() const { return m_rows.pageClass; }
    QString sectionName() const { return QString::fromLatin1(m_rows.name); }

    const QList<SettingsKey> &keys() const { return m_keys; }
    int count() const { return int(m_keys.size()); }
    QList<SettingsKey>::const_iterator begin() const { return m_keys.cbegin(); }
    QList<SettingsKey>::const_iterator end() const { return m_keys.cend(); }

    // The key of a path, or null; its position in keys(), or -1.
    const SettingsKey *find(QStringView path) const;
    int indexOf(QStringView path) const;
    // Sub-section paths in the order their first key appears.
    const QStringList &subSections() const { return m_subSections; }

private:
    SettingsSectionRows m_rows;
    QList<SettingsKey> m_keys;
    QHash<QString, int> m_byPath;
    QStringList m_subSections;
};

#endif // SETTINGSKEY_H
