#include "telemetry/orv_formsetvela2.h"

#include "ui_orv_formsetvela2.h"

#include "telemetry/fieldboxes.h"
#include "telemetry/orv_formsetvela2help.h"

#include <QSignalBlocker>

namespace {
constexpr int KeptItem = FieldSelection::TyreItemCount; // the 16th tyre item
constexpr int KeptFormatItem = 2;
} // namespace

ORV_FormSetVela2::ORV_FormSetVela2(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::ORV_FormSetVela2>())
    , m_selection(FieldSelection::Generation::Second)
{
    ui->setupUi(this);
    m_boxes = new FieldBoxes(m_selection, {ui->widget_Main, ui->widget_Extended}, this);
    connect(m_boxes, &FieldBoxes::changed, this, &ORV_FormSetVela2::updateSize);

    connect(ui->comboBox_FlashFormat, &QComboBox::currentIndexChanged, this,
            &ORV_FormSetVela2::slot_currentIndexChanged_FlashFormat);
    connect(ui->comboBox_Tires, &QComboBox::currentIndexChanged, this,
            &ORV_FormSetVela2::slot_currentIndexChanged_Tires);
    connect(ui->pushButton_Help, &QPushButton::pressed, this, &ORV_FormSetVela2::slot_pressed_BtnHelp);
    connect(ui->pushButton_Reset, &QPushButton::pressed, this, &ORV_FormSetVela2::slot_pressed_Reset);
    connect(ui->pushButton_Ok, &QPushButton::pressed, this, &ORV_FormSetVela2::slot_pressed_Ok);
    connect(ui->pushButton_Cancel, &QPushButton::pressed, this, &ORV_FormSetVela2::slot_pressed_Cancel);

    load(FieldSelection::defaultText(), FieldSelection::formatCode(FieldSelection::StorageFormat::Default), false);
}

ORV_FormSetVela2::~ORV_FormSetVela2() = default;

void ORV_FormSetVela2::load(const QString &selection, const QString &formatCode, bool diagnostic)
{
    m_selection.load(selection, formatCode);
    m_loadedTyres = m_selection.tyreIndex() < 0 ? m_selection.tyrePattern() : QString();
    m_loadedFormat = m_selection.isKnownFormat() ? QString() : formatCode;
    {
        const QSignalBlocker blocker(ui->checkBox_Diagnostic);
        ui->checkBox_Diagnostic->setChecked(diagnostic);
    }
    m_resultSelection = m_selection.text();
    m_resultFormat = m_selection.formatCode();
    m_resultDiagnostic = diagnostic;
    showSelection();
}

void ORV_FormSetVela2::reset()
{
    load(FieldSelection::defaultText(), FieldSelection::formatCode(FieldSelection::StorageFormat::Default), false);
}

void ORV_FormSetVela2::showSelection()
{
    fillTyreCombo();
    fillFormatCombo();
    m_boxes->refresh();
    updateSize();
}

void ORV_FormSetVela2::fillTyreCombo()
{
    QComboBox *combo = ui->comboBox_Tires;
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItem(tr("K4810_2641"));
    for (int i = 1; i < FieldSelection::TyreItemCount; ++i)
        combo->addItem(tr("K4810_2642").arg(FieldSelection::tyreRanges(FieldSelection::tyrePattern(i))));
    if (!m_loadedTyres.isEmpty())
        combo->addItem(tr("K4810_2643").arg(FieldSelection::tyreRanges(m_loadedTyres)));
    const int index = m_selection.tyreIndex();
    combo->setCurrentIndex(index >= 0 ? index : KeptItem);
}

void ORV_FormSetVela2::fillFormatCombo()
{
    QComboBox *combo = ui->comboBox_FlashFormat;
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItem(tr("K4810_1119"));
    combo->addItem(tr("K4810_1118"));
    if (!m_loadedFormat.isEmpty())
        combo->addItem(tr("K4810_2653").arg(m_loadedFormat));
    if (!m_selection.isKnownFormat())
        combo->setCurrentIndex(KeptFormatItem);
    else
        combo->setCurrentIndex(m_selection.storageFormat() == FieldSelection::StorageFormat::DfVela ? 1 : 0);
}

void ORV_FormSetVela2::updateSize()
{
    const bool fits = m_selection.fitsLimit();
    ui->label_Size->setText(QString::number(m_selection.size()));
    QPalette palette = ui->label_Size->palette();
    palette.setColor(QPalette::WindowText, fits ? QColor(Qt::black) : QColor(Qt::red));
    ui->label_Size->setPalette(palette);
    ui->label_SizeLimit->setText(m_selection.limit() == FieldSelection::DfVelaLimit ? tr("байт (максимум 222)")
                                                                                    : tr("байт (максимум 127)"));
    ui->pushButton_Ok->setEnabled(fits);
}

void ORV_FormSetVela2::slot_currentIndexChanged_FlashFormat(int nIndex)
{
    if (nIndex == KeptFormatItem && !m_loadedFormat.isEmpty())
        m_selection.load(m_selection.text(), m_loadedFormat);
    else
        m_selection.setStorageFormat(nIndex == 1 ? FieldSelection::StorageFormat::DfVela
                                                 : FieldSelection::StorageFormat::Default);
    m_boxes->refresh();
    updateSize();
}

void ORV_FormSetVela2::slot_currentIndexChanged_Tires(int nIndex)
{
    if (nIndex == KeptItem && !m_loadedTyres.isEmpty())
        m_selection.setTyrePattern(m_loadedTyres);
    else
        m_selection.setTyreIndex(nIndex);
    updateSize();
}

void ORV_FormSetVela2::slot_pressed_BtnHelp()
{
    if (!m_help)
        m_help = new ORV_FormSetVela2Help(this);
    m_help->show();
    m_help->raise();
}

void ORV_FormSetVela2::slot_pressed_Reset()
{
    // The result fields stay as they were until OK.
    m_selection.reset();
    m_loadedTyres.clear();
    m_loadedFormat.clear();
    {
        const QSignalBlocker blocker(ui->checkBox_Diagnostic);
        ui->checkBox_Diagnostic->setChecked(false);
    }
    showSelection();
}

void ORV_FormSetVela2::slot_pressed_Ok()
{
    if (!m_selection.fitsLimit())
        return;
    m_resultSelection = m_selection.text();
    m_resultFormat = m_selection.formatCode();
    m_resultDiagnostic = ui->checkBox_Diagnostic->isChecked();
    accept();
}

void ORV_FormSetVela2::slot_pressed_Cancel()
{
    reject();
}
