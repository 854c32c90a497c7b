#ifndef ORV_FORMXML_LIGHT_H
#define ORV_FORMXML_LIGHT_H

#include <QList>
#include <QPair>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace Ui {
class ORV_FormXml_Light;
}
class AccessPointControls;
class QAbstractButton;
class QCheckBox;
class SettingsBinder;
class SettingsModel;
class TransferServerPanel;

// The one-screen configuration form shown instead of the tabbed pages in the
// light view: the main server with its connection test, the access point
// with the carriers' presets, roaming, a track-recording preset, the inputs
// and fuel sensors with the record fields they need, and two RS-485 fuel
// sensors.
//
// It owns no section: its widgets are bound to keys of the sections the full
// pages show (TRANSFER by default; a widget names another with the dynamic
// property settingsSection), in the editor's one model, so switching the
// view hands the model over and loses nothing. What the form shows beyond
// the bound widgets (the preset, the sensor boxes, the RS-485 group) is
// derived from the model after every load; the user's changes of them
// write their keys through LightRules, and nothing is written otherwise.
class ORV_FormXml_Light : public QWidget
{
    Q_OBJECT

public:
    explicit ORV_FormXml_Light(QWidget *parent = nullptr);
    ~ORV_FormXml_Light() override;

    // Binds the form's widgets to the model and shows its values.
    void setModel(SettingsModel *model);
    SettingsModel *model() const { return m_model.data(); }
    SettingsBinder *binder() const { return m_binder; }
    // Shows the model again: the light form takes over from the full pages.
    void refresh();
    void setOnline(bool online);
    // What the user must correct before the values are saved or written.
    QStringList inputProblems() const;

    QAbstractButton *saveToFileButton() const;
    QAbstractButton *loadToDeviceButton() const;
    QAbstractButton *closeButton() const;
    QAbstractButton *helpButton() const;
    QAbstractButton *configFullButton() const;

    TransferServerPanel *serverPanel() const { return m_server; }
    AccessPointControls *accessPoint() const { return m_accessPoint; }
    // The preset radio checked: 0..2, or LightRules::CustomPreset.
    int trackPreset() const;

public slots:
    void slot_toggled_TypeTrack(bool bChecked);
    void slot_stateChanged_Sensor_Ignition(int nState);
    void slot_stateChanged_Sensor_Fuel_Analog(int nState);
    void slot_stateChanged_Sensor_Fuel_Frequency(int nState);
    void slot_toggled_RS485_Fuel(bool bChecked);
    void slot_stateChanged_RS485_Sensor(int nState);
    void slot_valueChanged_RS485_Address(int nValue);

private:
    void afterLoad();
    void showPreset();
    void applyRs485();
    QList<QAbstractButton *> presetButtons() const;

    std::unique_ptr<Ui::ORV_FormXml_Light> ui;
    QPointer<SettingsModel> m_model;
    SettingsBinder *m_binder = nullptr;
    TransferServerPanel *m_server;
    AccessPointControls *m_accessPoint;
    // The boxes that only add fields to the records, with their switch.
    QList<QPair<QCheckBox *, int>> m_recordBoxes;
};

#endif // ORV_FORMXML_LIGHT_H
