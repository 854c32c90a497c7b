#include "telemetry/orv_formsetrun.h"
#include "ui_orv_formsetrun.h"

#include "core/orvmessages.h"

ORV_FormSetRun::ORV_FormSetRun(Send send, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ORV_FormSetRun)
    , m_send(std::move(send))
{
    ui->setupUi(this);
    ui->doubleSpinBox_Run->setSuffix(QLatin1Char(' ') + tr("K4810_862"));
    connect(ui->Btn_Set, &QPushButton::pressed, this, &ORV_FormSetRun::slot_pressed_Btn_Set);
    connect(ui->Btn_Cancel, &QPushButton::pressed, this, &ORV_FormSetRun::slot_pressed_Btn_Cancel);
}

ORV_FormSetRun::~ORV_FormSetRun() = default;

void ORV_FormSetRun::open()
{
    ui->doubleSpinBox_Run->setValue(0.0);
    QDialog::open();
    ui->doubleSpinBox_Run->setFocus();
    ui->doubleSpinBox_Run->selectAll();
}

double ORV_FormSetRun::value() const
{
    return ui->doubleSpinBox_Run->value();
}

void ORV_FormSetRun::setValue(double kilometres)
{
    ui->doubleSpinBox_Run->setValue(kilometres);
}

void ORV_FormSetRun::slot_pressed_Btn_Set()
{
    m_mileage = float(ui->doubleSpinBox_Run->value());
    if (m_send)
        m_send(OrvMsg::SetRun, reinterpret_cast<intptr_t>(&m_mileage), 0);
    accept();
}

void ORV_FormSetRun::slot_pressed_Btn_Cancel()
{
    reject();
}
