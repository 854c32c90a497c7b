#include "telemetry/orv_formsetvela2help.h"

#include "ui_orv_formsetvela2help.h"

ORV_FormSetVela2Help::ORV_FormSetVela2Help(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::ORV_FormSetVela2Help>())
{
    ui->setupUi(this);
    connect(ui->pushButton, &QPushButton::pressed, this, &ORV_FormSetVela2Help::slot_pressed_Btn);
}

ORV_FormSetVela2Help::~ORV_FormSetVela2Help() = default;

void ORV_FormSetVela2Help::slot_pressed_Btn()
{
    close();
}
