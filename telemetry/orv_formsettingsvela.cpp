#include "telemetry/orv_formsettingsvela.h"

#include "ui_orv_formsettingsvela.h"

#include "telemetry/fieldboxes.h"

ORV_FormSettingsVELA::ORV_FormSettingsVELA(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::ORV_FormSettingsVELA>())
    , m_selection(FieldSelection::Generation::First)
{
    ui->setupUi(this);
    ui->label_SizeUnit->setText(tr("байт"));
    m_boxes = new FieldBoxes(m_selection, {ui->widget_Fields}, this);
    connect(m_boxes, &FieldBoxes::changed, this, &ORV_FormSettingsVELA::updateSize);
    connect(ui->pushButton_Ok, &QPushButton::pressed, this, &ORV_FormSettingsVELA::slot_pressed_Ok);
    connect(ui->pushButton_Cancel, &QPushButton::pressed, this, &ORV_FormSettingsVELA::slot_pressed_Cancel);
    load(FieldSelection::defaultText(FieldSelection::Generation::First));
}

ORV_FormSettingsVELA::~ORV_FormSettingsVELA() = default;

void ORV_FormSettingsVELA::load(const QString &selection)
{
    m_selection.load(selection);
    m_result = m_selection.text();
    m_boxes->refresh();
    updateSize();
}

void ORV_FormSettingsVELA::updateSize()
{
    ui->label_Size->setText(QString::number(m_selection.size()));
}

void ORV_FormSettingsVELA::slot_pressed_Ok()
{
    m_result = m_selection.text();
    accept();
}

void ORV_FormSettingsVELA::slot_pressed_Cancel()
{
    reject();
}
