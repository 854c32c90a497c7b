#include "settings/model/settingscatalogue.h"

#include <QHash>

// The section tables, one per file in tables/.
extern const SettingsSectionRows kTransferSection;
extern const SettingsSectionRows kTrackSection;
extern const SettingsSectionRows kSystemSection;
extern const SettingsSectionRows kCanSection;
extern const SettingsSectionRows kRs485Section;
extern const SettingsSectionRows kTempSensorsSection;
extern const SettingsSectionRows kSensorsSection;
extern const SettingsSectionRows kAccelerometerSection;
extern const SettingsSectionRows kOutputLinesSection;
extern const SettingsSectionRows kPhonesSection;
extern const SettingsSectionRows kTmKeysSection;
extern const SettingsSectionRows kGuardProfilesSection;
extern const SettingsSectionRows kEcoDriveSection;
extern const SettingsSectionRows kBluetoothSection;

namespace {

// In page order (the order sections are written in).
const SettingsSectionRows *const kSections[] = {
    &kTransferSection,
    &kTrackSection,
    &kSystemSection,
    &kCanSection,
    &kRs485Section,
    &kTempSensorsSection,
    &kSensorsSection,
    &kAccelerometerSection,
    &kOutputLinesSection,
    &kPhonesSection,
    &kTmKeysSection,
    &kGuardProfilesSection,
    &kEcoDriveSection,
    &kBluetoothSection,
};

struct Catalogue
{
    std::vector<std::unique_ptr<SettingsTable>> tables;
    QList<const SettingsTable *> list;
    QHash<QString, const SettingsTable *> byName;

    Catalogue()
    {
        for (const SettingsSectionRows *rows : kSections) {
            tables.push_back(std::make_unique<SettingsTable>(*rows));
            list.append(tables.back().get());
            byName.insert(QString::fromLatin1(rows->name), tables.back().get());
        }
    }
};

const Catalogue &catalogue()
{
    static const Catalogue c;
    return c;
}

} // namespace

const QList<const SettingsTable *> &SettingsCatalogue::sections()
{
    return catalogue().list;
}

const SettingsTable *SettingsCatalogue::section(QStringView name)
{
    return catalogue().byName.value(name.toString(), nullptr);
}

const SettingsKey *SettingsCatalogue::find(QStringView sectionName, QStringView path)
{
    const SettingsTable *s = section(sectionName);
    return s ? s->find(path) : nullptr;
}

const QStringList &SettingsCatalogue::headerNames()
{
    static const QStringList names{QStringLiteral("model"), QStringLiteral("modification"), QStringLiteral("type"),
                                   QStringLiteral("vendor"), QStringLiteral("version")};
    return names;
}
