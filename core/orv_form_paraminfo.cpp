#include "core/orv_form_paraminfo.h"

#include "ui_orv_form_paraminfo.h"

ORV_Form_ParamInfo::ORV_Form_ParamInfo(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , ui(new Ui::ORV_Form_ParamInfo)
{
    ui->setupUi(this);
    resize(600, 320);
    connect(ui->pushButton_Ok, &QPushButton::pressed, this, &ORV_Form_ParamInfo::slot_pressed_Btn_Ok);
}

ORV_Form_ParamInfo::~ORV_Form_ParamInfo() = default;

void ORV_Form_ParamInfo::showInfo(const QString &title, const QString &html)
{
    ui->label_Title->clear();
    ui->textEdit->clear();
    ui->label_Title->setText(title);
    ui->textEdit->setHtml(html);
    exec();
}

QString ORV_Form_ParamInfo::title() const
{
    return ui->label_Title->text();
}

QString ORV_Form_ParamInfo::text() const
{
    return ui->textEdit->toPlainText();
}

void ORV_Form_ParamInfo::slot_pressed_Btn_Ok()
{
    ui->label_Title->clear();
    ui->textEdit->clear();
    close();
}
