#ifndef SETTINGSCATALOGUE_H
#define SETTINGSCATALOGUE_H

#include "settings/model/settingskey.h"

#include <QList>
#include <QStringList>
#include <QStringView>

// The settings key catalogue, as data: one table per settings section, in
// page order. Each table lives in its own file in settings/model/tables/
// (rows built with the functions of settingsrow.h); a new section is one
// such file and one line in the list of settingscatalogue.cpp.
//
// A section the catalogue has no table for is not lost: SettingsModel keeps
// it as it was read and writes it back.
class SettingsCatalogue
{
public:
    static constexpr const char *RootName = "DEVICE";
    static constexpr const char *PageKey = "page";

    // The sections of this catalogue in page order.
    static const QList<const SettingsTable *> &sections();
    static const SettingsTable *section(QStringView name);
    // The key of a path ("key", "SubSection/key") in a section, or null.
    static const SettingsKey *find(QStringView section, QStringView path);

    // The root's header values that the editor sets on every file it
    // writes, in order: model, modification, type, vendor, version.
    static const QStringList &headerNames();
};

#endif // SETTINGSCATALOGUE_H
