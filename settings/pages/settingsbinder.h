#ifndef SETTINGSBINDER_H
#define SETTINGSBINDER_H

#include <QString>

class QWidget;
class SettingsValues;

// Moves values between a page's widgets and its section values. A widget
// is bound to a key by one dynamic property, "settingsPath" ("key" or
// "SubSection/key"); the binder knows how each kind of widget holds a value:
// spin boxes (int), double spin boxes (real), check boxes (int 0/1), line
// edits (text), combo boxes (int index, or the item data's text when the
// items carry data) and time edits (text "hh:mm").
class SettingsBinder
{
public:
    static constexpr const char *PathProperty = "settingsPath";

    static void bind(QWidget *widget, const QString &path);
    static QString pathOf(const QWidget *widget);

    // Sets every bound widget below root that has a value in values.
    static void toWidgets(QWidget *root, const SettingsValues &values);
    // Stores the value of every bound widget below root.
    static void fromWidgets(const QWidget *root, SettingsValues &values);
};

#endif // SETTINGSBINDER_H
