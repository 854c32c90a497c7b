#ifndef ORV_FORMRS_H
#define ORV_FORMRS_H

#include "settings/pages/orv_settingspage.h"

#include <QList>
#include <QMap>
#include <QString>

#include <array>
#include <memory>

namespace Ui {
class ORV_FormRS;
}
class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

// Settings page of the serial buses (section RS485): what the RS-485 bus is
// used for (Owner), its speed, the settings of the device family chosen
// (each family's sub-section is written only while it is chosen), and
// sixteen digital fuel-level sensors FS0 .. FS15, with the calibration
// table of the RS-485 sensors in the fuel view.
//
// Three items of the use-as box share the code "FCAN": the CAN adapter,
// CAN / CANstandart, tells them apart. That key belongs to the CAN page;
// this page sets it through the model only when the user picks one of
// those items, and follows it when the CAN page changes it.
//
// Combined mode (use-as "DDFS"): sensors FS3, FS4 and FS5 repeat sensors
// counted among FS0, FS1, FS2 and FS6 (never among themselves): with two
// counted sensors in use FS5 repeats the second; with three, FS4 repeats
// FS2 when FS0 .. FS2 are the three, else FS6; with four, FS3 repeats FS6.
// A repeating sensor is written with type 3 and the values of the one it
// repeats, and is shown disabled. The copies are made again whenever a
// counted sensor changes.
//
// The RS-232 port is shown read-only: its keys (RS232, FSBoudrate232,
// RS232MODBUS, RS232SETTINGS) are not in the catalogue, so they are kept
// and written back as read; the page shows them and changes nothing.
class ORV_FormRS : public ORV_SettingsPage
{
    Q_OBJECT

public:
    static constexpr int kSensors = 16;
    static constexpr int kPassengerDoors = 7;
    static constexpr std::array<int, 4> kCounted{{0, 1, 2, 6}};

    explicit ORV_FormRS(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);
    ~ORV_FormRS() override;

    Ui::ORV_FormRS *form() const { return ui.get(); }

    // The sensors that repeat another in combined mode, by which counted
    // sensors are in use (in the order of kCounted): target -> source.
    static QMap<int, int> combinedSources(const std::array<bool, 4> &used);
    // What the page shows combined now.
    QMap<int, int> combined() const { return m_combined; }

    // Widgets of a sensor row (n from 0).
    QCheckBox *sensorUse(int n) const;
    QLabel *sensorNote(int n) const;

public slots:
    void slot_currentIndexChanged_RS485_UseAs(int nIndex);
    void slot_pressed_Btn_RS485_MakeFuelFile();
    void slot_pressed_Btn_RS232_MakeFuelFile();
    void slot_pressed_Btn_RS485_SettingsCanlog();
    void slot_pressed_Btn_RS485_SettingsCanFms();
    void slot_pressed_Btn_RS485_SettingsDtaCan();

protected:
    void afterLoad() override;

private:
    struct SensorRow
    {
        QCheckBox *use;
        QWidget *type;
        QWidget *address;
        QWidget *response;
        QCheckBox *filter;
        QWidget *average;
        QWidget *step;
        QWidget *motion;
        QLabel *note;
    };
    struct Door
    {
        QCheckBox *box;
        QSpinBox *id;
        QString last; // the id to bring back when the door is switched on again
    };

    void buildSensorRows();
    void buildDoorRows();
    void onModelChanged(const QString &section, const QString &path);
    QString owner() const;
    QMap<int, int> combinedInModel() const;
    void applyCombined();
    void showUseAs();
    void showFamily();
    void showSensors();
    void showDoors();
    void showRs232();
    void toggleDoor(int index, bool on);
    void goToCanPage();

    std::unique_ptr<Ui::ORV_FormRS> ui;
    QList<SensorRow> m_rows;
    QList<Door> m_doors;
    QMap<int, int> m_combined;
};

#endif // ORV_FORMRS_H
