#include "accessories/orv_formwidgettm.h"

#include "settings/pages/settingsbinder.h"
#include "ui_orv_formwidgettm.h"

#include <QRegularExpressionValidator>

namespace {

// One validator for every row: hexadecimal digits only.
const QRegularExpression &hexDigits()
{
    static const QRegularExpression re(QStringLiteral("[0-9A-Fa-f]{0,16}"));
    return re;
}

} // namespace

ORV_FormWidgetTM::ORV_FormWidgetTM(int number, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ORV_FormWidgetTM>())
    , m_number(number)
{
    ui->setupUi(this);
    ui->label_Number->setText(QString::number(number));
    ui->lineEdit_Code->setValidator(new QRegularExpressionValidator(hexDigits(), ui->lineEdit_Code));
    connect(ui->Btn_Key, &QToolButton::pressed, this, &ORV_FormWidgetTM::slot_pressed_Btn_Key);
}

ORV_FormWidgetTM::~ORV_FormWidgetTM() = default;

QString ORV_FormWidgetTM::codeText() const
{
    return ui->lineEdit_Code->text();
}

void ORV_FormWidgetTM::setCodeText(const QString &text)
{
    ui->lineEdit_Code->setText(text);
}

quint64 ORV_FormWidgetTM::code() const
{
    return TmKeyFile::codeFromText(codeText());
}

void ORV_FormWidgetTM::setCode(quint64 code)
{
    ui->lineEdit_Code->setText(TmKeyFile::codeText(code));
}

QString ORV_FormWidgetTM::text() const
{
    return ui->lineEdit_Text->text();
}

void ORV_FormWidgetTM::setText(const QString &text)
{
    ui->lineEdit_Text->setText(text);
}

int ORV_FormWidgetTM::mode() const
{
    return qMax(0, ui->comboBox_Mode->currentIndex());
}

void ORV_FormWidgetTM::setMode(int mode)
{
    ui->comboBox_Mode->setCurrentIndex(mode >= 0 && mode < ui->comboBox_Mode->count() ? mode : 0);
}

void ORV_FormWidgetTM::setKey(const TmKeyFile::Key &key)
{
    setCode(key.code);
    setMode(key.mode);
}

void ORV_FormWidgetTM::clear()
{
    ui->lineEdit_Code->clear();
    ui->lineEdit_Text->clear();
    ui->comboBox_Mode->setCurrentIndex(0);
}

void ORV_FormWidgetTM::bindToKeys(const QString &codePath, const QString &textPath, const QString &modePath)
{
    ui->lineEdit_Code->setProperty(SettingsBinder::PathProperty, codePath);
    ui->lineEdit_Text->setProperty(SettingsBinder::PathProperty, textPath);
    ui->comboBox_Mode->setProperty(SettingsBinder::PathProperty, modePath);
    ui->Btn_Key->setProperty(SettingsBinder::LiveProperty, true);
}

void ORV_FormWidgetTM::setKeyReadEnabled(bool enabled)
{
    ui->Btn_Key->setEnabled(enabled);
}

void ORV_FormWidgetTM::slot_pressed_Btn_Key()
{
    emit readKeyRequested(m_number);
}
