#include "settings/editor/orv_formxml_light.h"

#include "settings/pages/settingsbinder.h"
#include "ui_orv_formxml_light.h"

ORV_FormXml_Light::ORV_FormXml_Light(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ORV_FormXml_Light)
{
    ui->setupUi(this);
    setOnline(false);
}

ORV_FormXml_Light::~ORV_FormXml_Light() = default;

void ORV_FormXml_Light::setModel(SettingsModel *model)
{
    delete m_binder;
    m_binder = new SettingsBinder(model, QStringLiteral("TRANSFER"), this, this);
    m_binder->bindAll();
    m_binder->load();
}

void ORV_FormXml_Light::refresh()
{
    if (m_binder)
        m_binder->load();
}

void ORV_FormXml_Light::setOnline(bool online)
{
    ui->pushBtn_Light_LoadToDevice->setEnabled(online);
    if (m_binder)
        m_binder->setOnline(online);
}

QAbstractButton *ORV_FormXml_Light::saveToFileButton() const { return ui->pushBtn_Light_SaveToFile; }
QAbstractButton *ORV_FormXml_Light::loadToDeviceButton() const { return ui->pushBtn_Light_LoadToDevice; }
QAbstractButton *ORV_FormXml_Light::closeButton() const { return ui->pushBtn_Light_Close; }
QAbstractButton *ORV_FormXml_Light::helpButton() const { return ui->pushBtn_Light_Help; }
QAbstractButton *ORV_FormXml_Light::configFullButton() const { return ui->pushBtn_Light_ConfigFull; }
