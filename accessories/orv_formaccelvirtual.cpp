#include "accessories/orv_formaccelvirtual.h"

#include "settings/model/settingsmodel.h"
#include "ui_orv_formaccelvirtual.h"

#include <QSignalBlocker>

ORV_FormAccelVirtual::ORV_FormAccelVirtual(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ORV_FormAccelVirtual>())
{
    ui->setupUi(this);
    connect(ui->radioButton_WakeupOn, &QRadioButton::toggled, this,
            &ORV_FormAccelVirtual::slot_toggled_radioButton_WakeupOn);
    connect(ui->horizontalSlider_Wakeup, &QSlider::valueChanged, this,
            &ORV_FormAccelVirtual::slot_valueChanged_horizontalSlider_Wakeup);
}

ORV_FormAccelVirtual::~ORV_FormAccelVirtual() = default;

void ORV_FormAccelVirtual::setModel(SettingsModel *model, const QString &section)
{
    m_model = model;
    m_section = section;
}

void ORV_FormAccelVirtual::afterLoad()
{
    if (!m_model)
        return;
    const int wakeup = m_model->value(m_section, QLatin1String(WakeupPath)).toInt();
    const bool on = wakeup != 0;
    const QSignalBlocker blockOn(ui->radioButton_WakeupOn);
    const QSignalBlocker blockOff(ui->radioButton_WakeupOff);
    const QSignalBlocker blockSlider(ui->horizontalSlider_Wakeup);
    ui->radioButton_WakeupOn->setChecked(on);
    ui->radioButton_WakeupOff->setChecked(!on);
    QSlider *slider = ui->horizontalSlider_Wakeup;
    const int shown = on ? wakeup : WakeupOffShows;
    // A stored sensitivity outside the slider's range is shown as it is.
    if (shown < slider->minimum() || shown > slider->maximum())
        slider->setRange(qMin(shown, slider->minimum()), qMax(shown, slider->maximum()));
    slider->setValue(shown);
    slider->setEnabled(on);
    ui->label_WakeupValue->setText(QString::number(shown));
}

void ORV_FormAccelVirtual::slot_toggled_radioButton_WakeupOn(bool bChecked)
{
    ui->horizontalSlider_Wakeup->setEnabled(bChecked);
    if (m_model)
        m_model->setValue(m_section, QLatin1String(WakeupPath), bChecked ? ui->horizontalSlider_Wakeup->value() : 0);
}

void ORV_FormAccelVirtual::slot_valueChanged_horizontalSlider_Wakeup(int nValue)
{
    ui->label_WakeupValue->setText(QString::number(nValue));
    if (m_model && ui->radioButton_WakeupOn->isChecked())
        m_model->setValue(m_section, QLatin1String(WakeupPath), nValue);
}
