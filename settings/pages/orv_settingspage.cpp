#include "settings/pages/orv_settingspage.h"

#include "settings/editor/orv_formxml_k4810.h"
#include "settings/pages/settingsbinder.h"
#include "settings/pages/settingspages.h"

ORV_SettingsPage::ORV_SettingsPage(orv_FormXml_K4810 *editor, QWidget *parent)
    : QWidget(parent)
    , m_editor(editor)
{
}

ORV_SettingsPage::~ORV_SettingsPage() = default;

SettingsModel *ORV_SettingsPage::model() const
{
    return m_editor ? m_editor->model() : nullptr;
}

QString ORV_SettingsPage::section() const
{
    return m_info ? m_info->sectionName() : QString();
}

void ORV_SettingsPage::setup(const SettingsPageInfo &info)
{
    m_info = &info;
    if (objectName().isEmpty())
        setObjectName(QString::fromLatin1(info.className));
    if (!m_binder) {
        m_binder = new SettingsBinder(model(), section(), this, this);
        connect(m_binder, &SettingsBinder::loaded, this, [this] { afterLoad(); });
        m_binder->bindAll();
        afterBind();
    }
    m_binder->setOnline(m_online);
    m_binder->load();
}

void ORV_SettingsPage::refresh()
{
    if (m_binder)
        m_binder->load();
}

QString ORV_SettingsPage::title() const
{
    return m_info ? m_info->titleText() : QString();
}

void ORV_SettingsPage::setOnline(bool online)
{
    m_online = online;
    if (m_binder)
        m_binder->setOnline(online);
}

bool ORV_SettingsPage::request(uint32_t msgId, intptr_t p1, intptr_t p2, const QList<uint32_t> &answers, bool stream)
{
    return m_editor && m_editor->request(this, msgId, p1, p2, answers, stream);
}

bool ORV_SettingsPage::startPolling(int intervalMs)
{
    return m_editor && m_editor->startPolling(this, intervalMs);
}

void ORV_SettingsPage::stopPolling()
{
    if (m_editor)
        m_editor->stopPolling(this);
}

void ORV_SettingsPage::stopLive()
{
    if (m_binder)
        m_binder->resetLive();
}
