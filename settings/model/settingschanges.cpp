#include "settings/model/settingschanges.h"

#include "settings/model/settingsconversion.h"
#include "settings/model/settingskey.h"
#include "settings/model/settingsmodel.h"
#include "xml/settingssection.h"

bool SettingsChanges::isEditable(const SettingsKey &key)
{
    return !key.isLegacy() && !key.isWriteOnly();
}

QList<SettingsChanges::Change> SettingsChanges::list(const SettingsModel &model)
{
    QList<Change> changes;
    const QList<const SettingsTable *> tables = model.tables();
    for (const SettingsTable *table : tables) {
        const QString section = table->sectionName();
        for (const SettingsKey &key : *table) {
            if (!isEditable(key) || !model.isChanged(section, key.path()))
                continue;
            Change c;
            c.section = section;
            c.path = key.path();
            c.key = &key;
            c.context = table->pageClass();
            c.loaded = model.loadedText(section, key.path());
            c.current = model.text(section, key.path());
            changes.append(c);
        }
    }
    return changes;
}

int SettingsChanges::count(const SettingsModel &model)
{
    int n = 0;
    const QList<const SettingsTable *> tables = model.tables();
    for (const SettingsTable *table : tables) {
        const QString section = table->sectionName();
        for (const SettingsKey &key : *table) {
            if (isEditable(key) && model.isChanged(section, key.path()))
                ++n;
        }
    }
    return n;
}

bool SettingsChanges::revert(SettingsModel &model, const QString &section, const QString &path)
{
    if (!model.contains(section, path))
        return false;
    return model.setText(section, path, model.loadedText(section, path));
}

bool SettingsChanges::resetToDefault(SettingsModel &model, const QString &section, const QString &path)
{
    if (!model.contains(section, path))
        return false;
    return model.setText(section, path, model.defaultText(section, path));
}

int SettingsChanges::resetToDefaults(SettingsModel &model, const QString &section)
{
    int changed = 0;
    const QList<const SettingsTable *> tables = model.tables();
    for (const SettingsTable *table : tables) {
        const QString name = table->sectionName();
        if (!section.isEmpty() && name != section)
            continue;
        for (const SettingsKey &key : *table) {
            if (!isEditable(key))
                continue;
            const QString before = model.text(name, key.path());
            if (model.setText(name, key.path(), model.defaultText(name, key.path()))
                && model.text(name, key.path()) != before)
                ++changed;
        }
    }
    return changed;
}

QString SettingsChanges::shownText(const SettingsKey &key, const QString &stored, const char *context)
{
    if (key.choiceCount() > 0) {
        const int i = key.choiceIndex(stored);
        if (i >= 0)
            return SettingsKey::choiceText(key.choices()[i], context);
        return stored;
    }
    if (!key.isNumber() || stored.isEmpty())
        return stored;
    const SettingsConversion &unit = key.conversion();
    const QByteArray bytes = stored.toLatin1();
    const double number = key.type() == SettingsRow::Int
                              ? double(SettingsSection::textToInt(bytes.constData(), int(bytes.size())))
                              : SettingsSection::textToReal(bytes.constData(), int(bytes.size()));
    if (&unit == &SettingsConversion::Stored)
        return stored;
    const QVariant shown = unit.toShown(number);
    if (key.shownIsWhole())
        return QString::number(shown.toInt());
    return QString::number(shown.toDouble(), 'f', key.shownDecimals());
}

const char *SettingsChanges::contextOf(const SettingsModel &model, const QString &section)
{
    const QList<const SettingsTable *> tables = model.tables();
    for (const SettingsTable *t : tables) {
        if (t->sectionName() == section)
            return t->pageClass();
    }
    return nullptr;
}
