#ifndef SETTINGSCOMPARISON_H
#define SETTINGSCOMPARISON_H

#include <QList>
#include <QString>

class CXmlElement;
class SettingsKey;
class SettingsModel;
class SettingsTable;

// The differences between two settings documents, value by value: what the
// tracker holds against what is about to be written, or one settings file
// against another. Both sides are compared as the editor writes them
// (SettingsModel::saveInto), so a value differs only when the files written
// would differ; what the catalogue does not know (unknown keys, attributes,
// sub-sections and sections) is compared the same way, by its path.
//
// A value is addressed as the model addresses it: section and path, "key"
// for a child element's text or a section's attribute, "Sub/attribute" for
// an attribute of a sub-section, "Sub/Child[2]/attribute" where a name
// repeats. The header values the editor sets on every file it writes
// (model, version, ...) are no settings and are left out.
struct SettingsDifference
{
    QString section;          // empty for a value of the root
    QString path;
    const SettingsKey *key = nullptr; // null for a value the catalogue does not know
    const char *context = nullptr;    // the key's text context
    QString left;             // stored texts; null where that side has no such value
    QString right;

    bool inLeft() const { return !left.isNull(); }
    bool inRight() const { return !right.isNull(); }
};

class SettingsComparison
{
public:
    // Rows in the order of the left document, then what only the right holds.
    static QList<SettingsDifference> compare(const SettingsModel &left, const SettingsModel &right);
    // Two DEVICE elements; keys are named by the tables given.
    static QList<SettingsDifference> compare(const CXmlElement &left, const CXmlElement &right,
                                             const QList<const SettingsTable *> &tables);
};

#endif // SETTINGSCOMPARISON_H
