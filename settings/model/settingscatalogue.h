#ifndef SETTINGSCATALOGUE_H
#define SETTINGSCATALOGUE_H

#include "settings/model/settingskey.h"
#include "settings/model/settingsvalues.h"

#include <QList>
#include <QStringView>

class SettingsSection;

// The settings key catalogue as data: one table per settings section, in
// catalogue order, and the generic load and save of a whole section through
// its table.
//
// A page loads its values with load() and saves them with save(); its
// widgets are bound to keys by path. What a table cannot say is kept as
// code in one place: the write-only Roaming flag (derived from the roaming
// mode), the legacy power-saving keys (read only when powerSaveConfig is
// absent, never written) and the unit conversions of SettingsConversion.
class SettingsCatalogue
{
public:
    static constexpr const char *PageKey = "page";

    // The sections of this catalogue in page order.
    static const QList<const SettingsTable *> &sections();
    static const SettingsTable *section(QStringView name);
    // The row of a key: its path is "key" or "SubSection/key".
    static const SettingsKey *find(QStringView section, QStringView path);

    // A key's default as the page shows it (converted; a text key's text
    // looked up with the page class as context).
    static QVariant defaultValue(const SettingsTable &table, const SettingsKey &key);
    static SettingsValues defaults(const SettingsTable &table);

    // Every readable key of the section from the given handle on the
    // section, each missing key (or a missing sub-section, or a handle that
    // is null or invalid) giving its default. Changes nothing in the document.
    static SettingsValues load(const SettingsSection *section, const SettingsTable &table);

    // Writes the section below the parent handle (the document's root):
    // takes the section with section(name, 0), sets "page" to its name, then
    // walks the table in catalogue order: a top-level key is written at once
    // with addValue (reals as fixed-point text with the key's decimals), a
    // sub-section is made with section(name, 3) at its first key, given all
    // its keys and committed; last the section itself is committed. Keys
    // missing from values are written with their defaults. Legacy keys are
    // never written.
    static bool save(SettingsSection &parent, const SettingsTable &table, const SettingsValues &values);

    // The value save() writes for a key (in the file's unit), from values
    // or the default.
    static QVariant storedValue(const SettingsTable &table, const SettingsKey &key,
                                const SettingsValues &values);
    // The text written for a stored value of that key.
    static QString storedText(const SettingsKey &key, const QVariant &stored);

    // Default IPv4 address of the firmware-update server (GPRSUpdateIP).
    static constexpr const char *UpdateServerAddress = "0.0.0.0";
};

#endif // SETTINGSCATALOGUE_H
