#ifndef SETTINGSKEY_H
#define SETTINGSKEY_H

#include "settings/model/settingsconversion.h"

#include <QString>
#include <QVariant>

class SettingsValues;

// One row of the key catalogue: where a key is stored, its type and its
// default. The rows of a section are kept in catalogue order.
struct SettingsKey
{
    enum Type : quint8 { Int, Real, Text };
    enum DefaultKind : quint8 {
        Number,  // number
        Literal, // text, as it stands
        TextKey, // text of a text key, looked up when applied
    };
    enum Flag : quint8 {
        NoFlags = 0,
        WriteOnly = 1, // written from derive(), never read
        Legacy = 2,    // read only when the sub-section onlyWithout is absent; never written
    };

    const char *key = nullptr;
    // Null: entry-style, a child element of the section itself.
    // Otherwise: attribute-style in the sub-section of that name.
    const char *subSection = nullptr;
    Type type = Int;
    quint8 decimals = 0; // reals: decimals written
    DefaultKind defaultKind = Number;
    double number = 0;
    const char *text = nullptr;
    quint8 flags = NoFlags;
    SettingsConversion::Kind conversion = SettingsConversion::None;
    const char *onlyWithout = nullptr;
    QVariant (*derive)(const SettingsValues &values) = nullptr;

    bool isEntry() const { return subSection == nullptr; }
    bool isWriteOnly() const { return flags & WriteOnly; }
    bool isLegacy() const { return flags & Legacy; }
    // "key", or "SubSection/key".
    QString path() const;
};

// The catalogue of one settings section: the section's name, the page class
// whose name is the context of its text keys, and its rows.
struct SettingsTable
{
    const char *name = nullptr;
    const char *pageClass = nullptr;
    const SettingsKey *keys = nullptr;
    int count = 0;

    const SettingsKey *begin() const { return keys; }
    const SettingsKey *end() const { return keys + count; }
    // The row of a path ("key" or "SubSection/key"), or null.
    const SettingsKey *find(QStringView path) const;
    // Sub-sections in the order their first key appears.
    QStringList subSections() const;
};

#endif // SETTINGSKEY_H
