#include "settings/editor/orv_formxml_light.h"

#include "settings/editor/lightrules.h"
#include "settings/editor/transferrules.h"
#include "settings/model/settingsmodel.h"
#include "settings/pages/accesspointcontrols.h"
#include "settings/pages/settingsbinder.h"
#include "settings/pages/transferserverpanel.h"
#include "ui_orv_formxml_light.h"

#include <QSignalBlocker>

ORV_FormXml_Light::ORV_FormXml_Light(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ORV_FormXml_Light)
{
    ui->setupUi(this);
    m_server = new TransferServerPanel(TransferRules::MainServer, TransferServerPanel::Form::Short, this);
    ui->layout_Server->addWidget(m_server);
    m_accessPoint = new AccessPointControls(ui->comboBox_Operator1, ui->lineEdit_APN, ui->lineEdit_User,
                                            ui->lineEdit_Password, ui->pushButton_ListApn, this);

    const QList<QAbstractButton *> presets = presetButtons();
    for (int i = 0; i < LightRules::PresetCount; ++i)
        presets.at(i)->setText(
            tr("K4810_2843").arg(i + 1).arg(LightRules::preset(i).distance).arg(LightRules::preset(i).time));
    for (QAbstractButton *b : presets)
        connect(b, &QAbstractButton::toggled, this, &ORV_FormXml_Light::slot_toggled_TypeTrack);

    connect(ui->checkBox_Sensor_Ignition, &QCheckBox::stateChanged, this,
            &ORV_FormXml_Light::slot_stateChanged_Sensor_Ignition);
    connect(ui->checkBox_Sensor_Fuel_Analog, &QCheckBox::stateChanged, this,
            &ORV_FormXml_Light::slot_stateChanged_Sensor_Fuel_Analog);
    connect(ui->checkBox_Sensor_Fuel_Frequency, &QCheckBox::stateChanged, this,
            &ORV_FormXml_Light::slot_stateChanged_Sensor_Fuel_Frequency);
    m_recordBoxes = {{ui->checkBox_Sensor_CAN, 1},
                     {ui->checkBox_Sensor_Analog2, 3},
                     {ui->checkBox_Sensor_Analog3, 4},
                     {ui->checkBox_Sensor_Frequency2, 6},
                     {ui->checkBox_Sensor_RS232, 7}};
    for (const auto &box : std::as_const(m_recordBoxes)) {
        const int number = box.second;
        connect(box.first, &QCheckBox::toggled, this, [this, number](bool on) {
            if (m_model)
                LightRules::setSwitch(*m_model, number, on);
        });
    }

    connect(ui->groupBox_RS485_Fuel, &QGroupBox::toggled, this, &ORV_FormXml_Light::slot_toggled_RS485_Fuel);
    for (QCheckBox *b : {ui->checkBox_RS485_Sensor1, ui->checkBox_RS485_Sensor2})
        connect(b, &QCheckBox::stateChanged, this, &ORV_FormXml_Light::slot_stateChanged_RS485_Sensor);
    for (QSpinBox *s : {ui->spinBox_RS485_Address1, ui->spinBox_RS485_Address2})
        connect(s, &QSpinBox::valueChanged, this, &ORV_FormXml_Light::slot_valueChanged_RS485_Address);
    setOnline(false);
}

ORV_FormXml_Light::~ORV_FormXml_Light() = default;

QList<QAbstractButton *> ORV_FormXml_Light::presetButtons() const
{
    return {ui->radioButton_TypeTrack1, ui->radioButton_TypeTrack2, ui->radioButton_TypeTrack3,
            ui->radioButton_TypeTrack_Custom};
}

void ORV_FormXml_Light::setModel(SettingsModel *model)
{
    delete m_binder;
    m_model = model;
    m_server->setModel(model);
    m_accessPoint->setModel(model);
    m_binder = new SettingsBinder(model, TransferRules::section(), this, this);
    connect(m_binder, &SettingsBinder::loaded, this, &ORV_FormXml_Light::afterLoad);
    // An edit of the track values may leave the preset (or come back to one).
    connect(m_binder, &SettingsBinder::edited, this, [this](const QString &section, const QString &) {
        if (section == QLatin1String("TRACK"))
            showPreset();
    });
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

QStringList ORV_FormXml_Light::inputProblems() const
{
    return m_model ? TransferRules::inputProblems(*m_model) : QStringList();
}

int ORV_FormXml_Light::trackPreset() const
{
    const QList<QAbstractButton *> buttons = presetButtons();
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons.at(i)->isChecked())
            return i;
    }
    return LightRules::CustomPreset;
}

// ---------------------------------------------------------------- the model shown

void ORV_FormXml_Light::afterLoad()
{
    if (!m_model)
        return;
    m_server->showModel();
    m_accessPoint->showModel();
    showPreset();

    auto show = [](QAbstractButton *b, bool on) {
        const QSignalBlocker block(b);
        b->setChecked(on);
    };
    show(ui->checkBox_Sensor_Ignition, LightRules::isInputOn(*m_model, LightRules::Input::Ignition));
    show(ui->checkBox_Sensor_Fuel_Analog, LightRules::isInputOn(*m_model, LightRules::Input::AnalogueFuel));
    show(ui->checkBox_Sensor_Fuel_Frequency, LightRules::isInputOn(*m_model, LightRules::Input::FrequencyFuel));
    for (const auto &box : std::as_const(m_recordBoxes))
        show(box.first, LightRules::isSwitchOn(*m_model, box.second));

    const LightRules::Rs485Fuel fuel = LightRules::rs485Fuel(*m_model);
    {
        const QSignalBlocker block(ui->groupBox_RS485_Fuel);
        ui->groupBox_RS485_Fuel->setChecked(fuel.on);
    }
    show(ui->checkBox_RS485_Sensor1, fuel.use[0]);
    show(ui->checkBox_RS485_Sensor2, fuel.use[1]);
    const QSignalBlocker block1(ui->spinBox_RS485_Address1);
    const QSignalBlocker block2(ui->spinBox_RS485_Address2);
    ui->spinBox_RS485_Address1->setValue(fuel.address[0]);
    ui->spinBox_RS485_Address2->setValue(fuel.address[1]);
}

void ORV_FormXml_Light::showPreset()
{
    if (!m_model)
        return;
    const int preset = LightRules::matchingPreset(*m_model);
    QAbstractButton *b = presetButtons().value(preset);
    const QSignalBlocker block(b);
    b->setChecked(true); // the others of the group are unchecked (without our slot: they do not apply)
}

// ---------------------------------------------------------------- the user's changes

void ORV_FormXml_Light::slot_toggled_TypeTrack(bool bChecked)
{
    if (!bChecked || !m_model)
        return;
    const int preset = presetButtons().indexOf(qobject_cast<QAbstractButton *>(sender()));
    LightRules::applyPreset(*m_model, preset);
}

void ORV_FormXml_Light::slot_stateChanged_Sensor_Ignition(int nState)
{
    if (m_model)
        LightRules::setInput(*m_model, LightRules::Input::Ignition, nState != Qt::Unchecked);
}

void ORV_FormXml_Light::slot_stateChanged_Sensor_Fuel_Analog(int nState)
{
    if (m_model)
        LightRules::setInput(*m_model, LightRules::Input::AnalogueFuel, nState != Qt::Unchecked);
}

void ORV_FormXml_Light::slot_stateChanged_Sensor_Fuel_Frequency(int nState)
{
    if (m_model)
        LightRules::setInput(*m_model, LightRules::Input::FrequencyFuel, nState != Qt::Unchecked);
}

void ORV_FormXml_Light::applyRs485()
{
    if (!m_model)
        return;
    LightRules::Rs485Fuel fuel;
    fuel.on = ui->groupBox_RS485_Fuel->isChecked();
    fuel.use[0] = ui->checkBox_RS485_Sensor1->isChecked();
    fuel.use[1] = ui->checkBox_RS485_Sensor2->isChecked();
    fuel.address[0] = ui->spinBox_RS485_Address1->value();
    fuel.address[1] = ui->spinBox_RS485_Address2->value();
    LightRules::setRs485Fuel(*m_model, fuel);
}

void ORV_FormXml_Light::slot_toggled_RS485_Fuel(bool bChecked)
{
    Q_UNUSED(bChecked);
    applyRs485();
}

void ORV_FormXml_Light::slot_stateChanged_RS485_Sensor(int nState)
{
    Q_UNUSED(nState);
    applyRs485();
}

void ORV_FormXml_Light::slot_valueChanged_RS485_Address(int nValue)
{
    Q_UNUSED(nValue);
    applyRs485();
}

QAbstractButton *ORV_FormXml_Light::saveToFileButton() const { return ui->pushBtn_Light_SaveToFile; }
QAbstractButton *ORV_FormXml_Light::loadToDeviceButton() const { return ui->pushBtn_Light_LoadToDevice; }
QAbstractButton *ORV_FormXml_Light::closeButton() const { return ui->pushBtn_Light_Close; }
QAbstractButton *ORV_FormXml_Light::helpButton() const { return ui->pushBtn_Light_Help; }
QAbstractButton *ORV_FormXml_Light::configFullButton() const { return ui->pushBtn_Light_ConfigFull; }
