#ifndef SETTINGSCHANGES_H
#define SETTINGSCHANGES_H

#include <QList>
#include <QString>

class SettingsKey;
class SettingsModel;

// What the user changed in a SettingsModel, and how to undo it: the keys
// whose value differs from the one the file or the tracker reading was
// loaded with, a revert to that value, and a reset to the catalogue's
// default. Keys the user never sees (legacy sources, values computed on
// saving) are left out. Every change goes through the model, so its
// valueChanged() reaches the pages and the changed-value marks.
class SettingsChanges
{
public:
    struct Change
    {
        QString section;
        QString path;
        const SettingsKey *key = nullptr;
        const char *context = nullptr; // the key's text context (its page class)
        QString loaded;  // stored texts
        QString current;
    };

    // Every changed key, in page and catalogue order.
    static QList<Change> list(const SettingsModel &model);
    static int count(const SettingsModel &model);

    // Back to the value as loaded; false for an unknown key.
    static bool revert(SettingsModel &model, const QString &section, const QString &path);
    // A key to its default.
    static bool resetToDefault(SettingsModel &model, const QString &section, const QString &path);
    // Every key of a section (every section when empty) to its default;
    // the number of keys whose value changed.
    static int resetToDefaults(SettingsModel &model, const QString &section = QString());

    // A stored text as the page shows it: a choice's text, a number in the
    // unit shown ("10.5" of 10500 mV), a text as it is.
    static QString shownText(const SettingsKey &key, const QString &stored, const char *context);
    // The text context of a section's keys (its page class), or null.
    static const char *contextOf(const SettingsModel &model, const QString &section);
    // Whether the key takes part: not a legacy source, not computed on saving.
    static bool isEditable(const SettingsKey &key);
};

#endif // SETTINGSCHANGES_H
