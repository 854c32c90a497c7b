#ifndef ORV_FORMFUELSENSOR_H
#define ORV_FORMFUELSENSOR_H

#include "fuel/fueldialogs.h"

#include <QDateTime>
#include <QDialog>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

namespace Ui {
class ORV_FormFuelSensor;
}
class ORV_Device_K4810;
class ORV_FormReportFuel;
class ORV_FuelTablePanel;
class QTimer;

// The live calibration window: the calibration tables of one vehicle, one
// per fuel input (A1; D1 .. D6 on the RS-485 bus; F1), with the tracker's
// current readings polled every two seconds into the entry rows, so that
// the technician types the volume poured and adds (or captures) the point.
// One table at a time is saved to and loaded from a calibration file,
// printed, and drawn.
//
// Owned by the telemetry window, which opens it and hands it the tracker's
// fuel answers (2075). Polling: a request (2074) goes out when the window
// opens and two seconds after each accepted answer; an answer that is not
// accepted ends the cycle, so at most one request is outstanding. Closing
// only hides the window; it asks first for every table whose points are not
// saved.
class ORV_FormFuelSensor : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kPollInterval = 2000;
    static constexpr int kTableCount = 8;

    ORV_FormFuelSensor(ORV_Device_K4810 *device, QWidget *parent = nullptr);
    ~ORV_FormFuelSensor() override;

    // The codes of the tables, in order: A1, D1 .. D6, F1.
    static QStringList tableCodes();

    using QDialog::open;
    // Shows the window for a vehicle and the tracker's identification; a
    // window that was hidden starts with empty tables. Starts polling.
    void open(const QString &objectName, const QString &imei);
    // The tracker's fuel answer (2075).
    void handleFuelAnswer(const uchar *data, int length);
    // The tracker went away or changed: polling stops and the window closes
    // (asking for unsaved tables once the host's message has returned).
    void closeForConnectionChange();

    ORV_FuelTablePanel *panel(const QString &code) const;
    ORV_FuelTablePanel *currentPanel() const;
    QString currentCode() const;
    // Makes a table's tab current (for the D tables the RS-485 tab and the
    // table's own tab in it).
    void showTable(const QString &code);
    ORV_FormReportFuel *report() const { return m_report; }
    QTimer *pollTimer() const { return m_pollTimer; }
    QString imei() const { return m_imei; }
    QString objectNameText() const;

    // Saves the current table; true when a file was written.
    bool saveCurrent();
    // Loads a calibration file into the table of its type.
    void loadFile(const QString &path);

    // Test seams.
    void setDialogs(const FuelDialogs &dialogs);
    // Milliseconds of a steady clock, for the stability watch.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }
    void setPollInterval(int milliseconds) { m_pollInterval = milliseconds; }
    void setNow(std::function<QDateTime()> now) { m_now = std::move(now); }

public slots:
    void slot_currentChanged(int nIndex);
    void slot_currentChanged_RS485(int nIndex);
    void slot_pressed_Btn_Load();
    void slot_pressed_Btn_Save_Xml();
    void slot_pressed_Btn_Print();
    void slot_pressed_Btn_Help();
    void slot_pressed_Btn_Exit();
    void slot_finished(int nResult);
    void slot_timeout();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void sendRequest();
    void updateSaveButton();
    void stopPolling();
    QString dataDir() const;

    std::unique_ptr<Ui::ORV_FormFuelSensor> ui;
    ORV_Device_K4810 *m_device;
    QString m_imei;
    int m_pollInterval = kPollInterval;
    QTimer *m_pollTimer;
    ORV_FormReportFuel *m_report;
    std::array<ORV_FuelTablePanel *, kTableCount> m_panels{};
    FuelDialogs m_dialogs;
    std::function<qint64()> m_clock;
    std::function<QDateTime()> m_now;
    QString m_helpPath;
};

#endif // ORV_FORMFUELSENSOR_H
