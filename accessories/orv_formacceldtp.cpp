#include "accessories/orv_formacceldtp.h"

#include "ui_orv_formacceldtp.h"

ORV_FormAccelDtp::ORV_FormAccelDtp(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ORV_FormAccelDtp>())
{
    ui->setupUi(this);
}

ORV_FormAccelDtp::~ORV_FormAccelDtp() = default;
