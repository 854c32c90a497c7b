#include "settings/pages/orv_settingspage.h"

ORV_SettingsPage::ORV_SettingsPage(orv_FormXml_K4810 *editor, QWidget *parent)
    : QWidget(parent)
    , m_editor(editor)
{
}

ORV_SettingsPage::~ORV_SettingsPage() = default;
