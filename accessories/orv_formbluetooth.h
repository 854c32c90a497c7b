#ifndef ORV_FORMBLUETOOTH_H
#define ORV_FORMBLUETOOTH_H

#include "settings/pages/orv_settingspage.h"

#include <QStringList>

#include <memory>

namespace Ui {
class ORV_FormBluetooth;
}
class BluetoothSearch;

// Settings page of the Bluetooth link (section BLUETOOTH): whether it is
// used, and the one paired device (CHANNEL1: name, address, pairing code),
// with a search of the devices in the tracker's range. A found device is
// taken into the channel with Add, or by choosing its name in the device
// box; the search itself never changes a setting.
//
// The search runs in BluetoothSearch; leaving the page cancels it, going
// offline ends it.
class ORV_FormBluetooth : public ORV_SettingsPage
{
    Q_OBJECT

public:
    explicit ORV_FormBluetooth(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);
    ~ORV_FormBluetooth() override;

    BluetoothSearch *search() const { return m_search; }
    Ui::ORV_FormBluetooth *form() const { return ui.get(); }

    void setOnline(bool online) override;
    void onAnswer(uint32_t msgId, intptr_t p1, intptr_t p2) override;

public slots:
    void slot_pressed_Btn_Bt_Find();
    void slot_pressed_Btn_Bt_Cancel();
    void slot_pressed_Btn_Bt_Add();
    void slot_activated_comboBox_Bt_Device(int nIndex);

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void showSearch();
    void fillDeviceNames();
    void takeDevice(int found);
    void updateControls();

    std::unique_ptr<Ui::ORV_FormBluetooth> ui;
    BluetoothSearch *m_search;
    QStringList m_deviceNames; // the items of the device box
};

#endif // ORV_FORMBLUETOOTH_H
