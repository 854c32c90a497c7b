#ifndef ORV_FORMTEMPSENSORS_H
#define ORV_FORMTEMPSENSORS_H

#include "settings/pages/orv_settingspage.h"

#include <memory>

namespace Ui {
class ORV_FormTempSensors;
}
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QSlider;

// The temperature sensors page (section TEMP_SENSORS): four one-wire
// sensors T1..T4, each with its bus key, a name and the limits of its
// normal range. A limit is shown on a slider in half degrees and in a
// field in degrees, both bound to the key (tenths of a degree in the file);
// the upper limit stays at least 5 degrees above the lower one.
//
// A sensor's key is read from the tracker: its Read button sends 2041 and
// the code of answer 2042 becomes that sensor's key, once, if the device
// read is a temperature sensor.
class ORV_FormTempSensors : public ORV_SettingsPage
{
    Q_OBJECT

public:
    static constexpr int SensorCount = 4;
    // Upper limit at least this far above the lower one, in tenths of a degree.
    static constexpr int LimitGap = 50;

    explicit ORV_FormTempSensors(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);
    ~ORV_FormTempSensors() override;

    // The sensor whose key read is outstanding (1..4), 0 for none.
    int pendingSensor() const { return m_pending; }

    void onOneWireCode(quint64 code) override;
    void setOnline(bool online) override;
    bool requestTimedOut(uint32_t msgId) override;

    // One-wire family codes of temperature sensors (the code's low byte).
    static bool isTemperatureSensor(quint64 code);
    // The key as the page stores it: 16 upper-case hexadecimal digits.
    static QString keyText(quint64 code);

public slots:
    // Sends the read of a sensor's key (1..4).
    void readKey(int nSensor);

protected:
    void afterBind() override;

private:
    void setStatus(const QString &qsText);

    std::unique_ptr<Ui::ORV_FormTempSensors> ui;
    int m_pending = 0;
};

#endif // ORV_FORMTEMPSENSORS_H
