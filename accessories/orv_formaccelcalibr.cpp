#include "accessories/orv_formaccelcalibr.h"

#include "ui_orv_formaccelcalibr.h"

ORV_FormAccelCalibr::ORV_FormAccelCalibr(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ORV_FormAccelCalibr>())
{
    ui->setupUi(this);
    connect(ui->Btn_Master, &QPushButton::pressed, this, &ORV_FormAccelCalibr::slot_pressed_Btn_Master);
    connect(ui->Btn_Default, &QPushButton::pressed, this, &ORV_FormAccelCalibr::slot_pressed_Btn_Default);
    connect(ui->Btn_Info, &QToolButton::pressed, this, &ORV_FormAccelCalibr::slot_pressed_Btn_Info);
}

ORV_FormAccelCalibr::~ORV_FormAccelCalibr() = default;

QString ORV_FormAccelCalibr::calibrationText(AccelerometerReading::Calibration calibration)
{
    using C = AccelerometerReading::Calibration;
    switch (calibration) {
    case C::None: return tr("K4810_2926");
    case C::Autonomous: return tr("K4810_2927");
    case C::Gnss: return tr("K4810_2928");
    case C::GnssRunning: return tr("K4810_2929");
    case C::Unknown: break;
    }
    return tr("K4810_2941");
}

void ORV_FormAccelCalibr::showCalibration(AccelerometerReading::Calibration calibration)
{
    ui->label_CalibrationState->setText(calibrationText(calibration));
}

QString ORV_FormAccelCalibr::calibrationText() const
{
    return ui->label_CalibrationState->text();
}

void ORV_FormAccelCalibr::showResult(const QString &text)
{
    ui->label_Result->setText(text);
}

void ORV_FormAccelCalibr::slot_pressed_Btn_Master()
{
    emit masterRequested();
}

void ORV_FormAccelCalibr::slot_pressed_Btn_Info()
{
    emit infoRequested();
}

void ORV_FormAccelCalibr::slot_pressed_Btn_Default()
{
    emit resetRequested();
}
