#ifndef ORV_FORMCAN_H
#define ORV_FORMCAN_H

#include "settings/pages/orv_settingspage.h"

#include <QList>
#include <QString>

#include <memory>

namespace Ui {
class ORV_FormCAN;
}
class QAbstractSpinBox;
class QCheckBox;
class QTimer;

// Settings page of the CAN-bus adapter (section CAN): the adapter type
// (CANstandart, which this page owns; the RS-232/RS-485 page sets it
// through the model when an item there implies an adapter), the adapter's
// address, and the thresholds of the CAN values that raise events.
//
// A threshold is on while its value is not 0: its check box shows that,
// switching it off stores 0 and switching it on brings back the value it
// had (1 when it never had one). The check button asks the tracker (2080
// with the address) whether the adapter answers (2081).
class ORV_FormCAN : public ORV_SettingsPage
{
    Q_OBJECT

public:
    static constexpr int kCheckTimeout = 10000;

    explicit ORV_FormCAN(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);
    ~ORV_FormCAN() override;

    Ui::ORV_FormCAN *form() const { return ui.get(); }
    bool isChecking() const { return m_checking; }
    // How long a check waits for the tracker's answer.
    void setCheckTimeout(int milliseconds) { m_checkTimeout = milliseconds; }

    void setOnline(bool online) override;
    void onCanValue(char value) override;
    bool requestTimedOut(uint32_t msgId) override;

public slots:
    void slot_stateChanged_Fuel(int nState);
    void slot_stateChanged_Weight(int nState);
    void slot_stateChanged_Engine(int nState);
    void slot_stateChanged_PedalAccel(int nState);
    void slot_stateChanged_PedalStop(int nState);
    void slot_stateChanged_Speed(int nState);
    void slot_stateChanged_Turns(int nState);
    void slot_stateChanged_RpmLimit(int nState);
    void slot_pressed_Btn_Programm();
    void slot_pressed_Btn_RS232_Settings();

protected:
    void afterLoad() override;
    void hideEvent(QHideEvent *event) override;

private:
    struct Threshold
    {
        QCheckBox *box;
        QAbstractSpinBox *spin;
        QString path;
        double last = 0; // the value to bring back when switched on again
    };
    void toggleThreshold(int index, int state);
    void showThreshold(int index);
    void endCheck(const QString &text);
    void updateControls();

    std::unique_ptr<Ui::ORV_FormCAN> ui;
    QList<Threshold> m_thresholds;
    QTimer *m_checkTimer;
    bool m_checking = false;
    int m_checkAddress = 0;
    int m_checkTimeout = kCheckTimeout;
};

#endif // ORV_FORMCAN_H
