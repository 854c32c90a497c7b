#ifndef ORV_FORMACCELEROMETER_H
#define ORV_FORMACCELEROMETER_H

#include "accessories/accelerometerreading.h"
#include "settings/pages/orv_settingspage.h"

#include <QPointer>

#include <memory>

namespace Ui {
class ORV_FormAccelerometer;
}
class ORV_FormAccelCalibr;
class ORV_FormAccelCalibrMaster;
class ORV_FormAccelDtp;
class ORV_FormAccelVirtual;
class QMessageBox;

// The accelerometer page (section ACCELEROMETER): the virtual sensors
// (ORV_FormAccelVirtual), the crash recording (ORV_FormAccelDtp) and the
// axis calibration (ORV_FormAccelCalibr) in a tab widget, their widgets
// bound to the section's keys by this page's binder, and what the
// accelerometer measures now.
//
// Live values (AccelerometerReading): "Read" asks once (2085, answered
// 2086); the automatic reading polls through the editor with the
// accelerometer variant (2127 with {65, 0}, answered 2128), again after
// each answer. Opening the calibration tab asks for the calibration state.
//
// The calibration wizard (ORV_FormAccelCalibrMaster) is opened from the
// calibration tab; its commands go to the tracker through the editor
// (2127) and its statuses (2128) come back here. While it is open the
// page's own polling is paused, so that no live poll shares 2127 and 2128
// with a calibration, and it goes on when the wizard closes. An attach or
// a detach closes the wizard.
//
// The calibration tab's reset asks the user, then sends 2087 with the
// reset option (answered 2088).
class ORV_FormAccelerometer : public ORV_SettingsPage
{
    Q_OBJECT

public:
    static constexpr const char *Section = "ACCELEROMETER";
    enum Tab { TabVirtual, TabDtp, TabCalibr };

    explicit ORV_FormAccelerometer(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);
    ~ORV_FormAccelerometer() override;

    ORV_FormAccelVirtual *virtualPage() const { return m_virtual; }
    ORV_FormAccelDtp *dtpPage() const { return m_dtp; }
    ORV_FormAccelCalibr *calibrPage() const { return m_calibr; }
    // The wizard, once opened.
    ORV_FormAccelCalibrMaster *master() const { return m_master; }
    // The reset question while it is shown.
    QMessageBox *resetQuestion() const;

    void onAnswer(uint32_t msgId, intptr_t p1, intptr_t p2) override;
    void onTrackerChanged() override;
    void stopLive() override;

    // Live polling at the interval of the page's field.
    bool isLivePolling() const;

public slots:
    void slot_indexChangeed_tabWidget(int nIndex);
    void slot_pressed_pushButton_Read();
    void slot_stateChanged_checkBox_Auto(int nState);

protected:
    void afterLoad() override;

private:
    void openMaster();
    void onMasterActive(bool active);
    void askReset();
    void showInfo();
    void showReading(const AccelerometerReading &reading);
    void showReset(const AccelerometerReset &reset);
    void masterSend(uint32_t msgId, intptr_t p1, intptr_t p2);

    std::unique_ptr<Ui::ORV_FormAccelerometer> ui;
    ORV_FormAccelVirtual *m_virtual;
    ORV_FormAccelDtp *m_dtp;
    ORV_FormAccelCalibr *m_calibr;
    ORV_FormAccelCalibrMaster *m_master = nullptr;
    QPointer<QMessageBox> m_question;
    bool m_resumePolling = false; // polling paused while the wizard is open
};

#endif // ORV_FORMACCELEROMETER_H
