#ifndef ORV_FORMACCELCALIBR_H
#define ORV_FORMACCELCALIBR_H

#include "accessories/accelerometerreading.h"

#include <QWidget>

#include <memory>

namespace Ui {
class ORV_FormAccelCalibr;
}

// The accelerometer's axis calibration: what the tracker says of its
// calibration, the calibration wizard, the reset of the calibration and
// an explanation. The page does not talk to the tracker itself: the
// accelerometer page opens the wizard (masterRequested), asks the user and
// sends the reset (resetRequested), explains (infoRequested), and shows
// what the tracker answers here.
class ORV_FormAccelCalibr : public QWidget
{
    Q_OBJECT

public:
    explicit ORV_FormAccelCalibr(QWidget *parent = nullptr);
    ~ORV_FormAccelCalibr() override;

    void showCalibration(AccelerometerReading::Calibration calibration);
    void showResult(const QString &text);
    QString calibrationText() const;

    static QString calibrationText(AccelerometerReading::Calibration calibration);

signals:
    void masterRequested();
    void resetRequested();
    void infoRequested();

public slots:
    void slot_pressed_Btn_Master();
    void slot_pressed_Btn_Info();
    void slot_pressed_Btn_Default();

private:
    std::unique_ptr<Ui::ORV_FormAccelCalibr> ui;
};

#endif // ORV_FORMACCELCALIBR_H
