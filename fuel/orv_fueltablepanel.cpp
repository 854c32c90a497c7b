#include "fuel/orv_fueltablepanel.h"
#include "ui_orv_fueltablepanel.h"

#include "fuel/fuelcalibrationmodel.h"
#include "fuel/fueldialogs.h"
#include "fuel/orv_fuelsensor_delegate.h"
#include "fuel/orv_fuelsensor_graph.h"

#include <QHeaderView>

namespace {

// Default tolerance of the stability watch: volts, sensor codes.
constexpr double kVoltTolerance = 0.05;
constexpr double kCodeTolerance = 10;

} // namespace

ORV_FuelTablePanel::ORV_FuelTablePanel(const QString &suffix, bool live, const FuelDialogs *dialogs, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ORV_FuelTablePanel)
    , m_dialogs(dialogs)
    , m_live(live)
    , m_model(new FuelCalibrationModel(this))
    , m_graph(new ORV_FuelSensor_Graph(QString(), 60, 2, this))
    , m_volumeDelegate(new ORV_FuelSensor_Delegate(FuelSensorType::kVolumeTop, FuelSensorType::kVolumeDecimals, this))
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("Panel") + suffix);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->Table, ui->LineEdit_Volume, ui->LineEdit_Volt, ui->LineEdit_Name,
                                                       ui->Btn_Add, ui->Btn_Del, ui->Btn_Clear, ui->Btn_Capture,
                                                       ui->doubleSpinBox_Tolerance, ui->spinBox_Time})
        w->setObjectName(w->objectName() + suffix);
    m_graph->setObjectName(QStringLiteral("Graph") + suffix);
    ui->verticalLayout_Graph->addWidget(m_graph);
    ui->groupBox_Capture->setVisible(live);

    ui->Table->setModel(m_model);
    ui->Table->setItemDelegateForColumn(FuelCalibrationModel::ColumnVolume, m_volumeDelegate);
    QHeaderView *header = ui->Table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->resizeSection(FuelCalibrationModel::ColumnVolume, 95);
    header->resizeSection(FuelCalibrationModel::ColumnReading, 95);
    header->resizeSection(FuelCalibrationModel::ColumnMark, 20);
    ui->Table->verticalHeader()->setDefaultSectionSize(22);
    ui->LineEdit_Volume->setValidator(ORV_FuelEditorDelegate::decimalValidator(
        FuelSensorType::kVolumeTop, FuelSensorType::kVolumeDecimals, ui->LineEdit_Volume));

    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft) { slot_CellChanged_Table(topLeft.row(), topLeft.column()); });
    connect(m_volumeDelegate, &QAbstractItemDelegate::closeEditor, this, [this] {
        if (m_sortPending)
            sortAndRefresh();
    });
    connect(ui->LineEdit_Volt, &QLineEdit::textChanged, this, &ORV_FuelTablePanel::slot_textChanged_LineEdit_Volt);
    connect(ui->LineEdit_Volume, &QLineEdit::textChanged, this, &ORV_FuelTablePanel::slot_textChanged_LineEdit_Volume);
    // Return in the entry row adds, as the button does.
    connect(ui->LineEdit_Volume, &QLineEdit::returnPressed, this, &ORV_FuelTablePanel::slot_pressed_Btn_Add);
    connect(ui->LineEdit_Volt, &QLineEdit::returnPressed, this, &ORV_FuelTablePanel::slot_pressed_Btn_Add);
    connect(ui->Btn_Add, &QPushButton::pressed, this, &ORV_FuelTablePanel::slot_pressed_Btn_Add);
    connect(ui->Btn_Del, &QPushButton::pressed, this, &ORV_FuelTablePanel::slot_pressed_Btn_Del);
    connect(ui->Btn_Clear, &QPushButton::pressed, this, &ORV_FuelTablePanel::slot_pressed_Btn_Clear);
    connect(ui->Btn_Capture, &QPushButton::pressed, this, &ORV_FuelTablePanel::slot_pressed_Btn_Capture);
    connect(ui->doubleSpinBox_Tolerance, &QDoubleSpinBox::valueChanged, this,
            &ORV_FuelTablePanel::applyStabilitySettings);
    connect(ui->spinBox_Time, &QSpinBox::valueChanged, this, &ORV_FuelTablePanel::applyStabilitySettings);

    configure(FuelSensorType::byCode(QStringLiteral("A1")));
    stopLive();
}

ORV_FuelTablePanel::~ORV_FuelTablePanel()
{
    // An editor still open commits as the widgets go: nothing of that may
    // reach this half-destroyed panel.
    m_model->disconnect(this);
    m_volumeDelegate->disconnect(this);
    if (m_readingDelegate)
        m_readingDelegate->disconnect(this);
}

QTableView *ORV_FuelTablePanel::table() const { return ui->Table; }
QLineEdit *ORV_FuelTablePanel::volumeEdit() const { return ui->LineEdit_Volume; }
QLineEdit *ORV_FuelTablePanel::readingEdit() const { return ui->LineEdit_Volt; }
QLineEdit *ORV_FuelTablePanel::nameEdit() const { return ui->LineEdit_Name; }
QPushButton *ORV_FuelTablePanel::addButton() const { return ui->Btn_Add; }
QPushButton *ORV_FuelTablePanel::deleteButton() const { return ui->Btn_Del; }
QPushButton *ORV_FuelTablePanel::clearButton() const { return ui->Btn_Clear; }
QPushButton *ORV_FuelTablePanel::captureButton() const { return ui->Btn_Capture; }

void ORV_FuelTablePanel::configure(const FuelSensorType &type)
{
    if (!type.isValid())
        return;
    const bool kindChanged = !m_type.isValid() || m_type.isAnalog() != type.isAnalog();
    m_type = type;
    m_model->setHeaderTexts(tr("K4810_507"), tr(type.headerKey()));
    ui->label_Volt->setText(type.isAnalog() ? tr("K4810_506") : tr(type.headerKey()));
    m_graph->configure(tr(type.graphTitleKey()), type.graphMarginLeft(), type.graphDecimals());
    if (!kindChanged)
        return;

    // The reading column's editor and the reading line edit follow the kind.
    if (m_readingDelegate) {
        ui->Table->setItemDelegateForColumn(FuelCalibrationModel::ColumnReading, nullptr);
        m_readingDelegate->deleteLater();
    }
    if (type.isAnalog())
        m_readingDelegate = new ORV_FuelSensor_Delegate(FuelSensorType::kVoltTop, FuelSensorType::kVoltDecimals, this);
    else
        m_readingDelegate = new ORV_FuelSensor_Delegate_Int(this);
    ui->Table->setItemDelegateForColumn(FuelCalibrationModel::ColumnReading, m_readingDelegate);
    connect(m_readingDelegate, &QAbstractItemDelegate::closeEditor, this, [this] {
        if (m_sortPending)
            sortAndRefresh();
    });
    const QValidator *old = ui->LineEdit_Volt->validator();
    ui->LineEdit_Volt->setValidator(type.isAnalog()
                                        ? ORV_FuelEditorDelegate::decimalValidator(
                                              FuelSensorType::kVoltTop, FuelSensorType::kVoltDecimals, ui->LineEdit_Volt)
                                        : ORV_FuelEditorDelegate::codeValidator(ui->LineEdit_Volt));
    delete old;
    ui->LineEdit_Volt->clear();

    ui->doubleSpinBox_Tolerance->blockSignals(true);
    ui->doubleSpinBox_Tolerance->setDecimals(type.readingDecimals());
    ui->doubleSpinBox_Tolerance->setRange(0, type.isAnalog() ? 5.0 : 500.0);
    ui->doubleSpinBox_Tolerance->setSingleStep(type.isAnalog() ? 0.01 : 1.0);
    ui->doubleSpinBox_Tolerance->setValue(type.isAnalog() ? kVoltTolerance : kCodeTolerance);
    ui->doubleSpinBox_Tolerance->blockSignals(false);
    applyStabilitySettings();
    m_stability.reset();
    updateAdd();
    updateCapture();
}

QString ORV_FuelTablePanel::sensorName() const
{
    return ui->LineEdit_Name->text();
}

void ORV_FuelTablePanel::setSensorName(const QString &name)
{
    ui->LineEdit_Name->setText(name);
}

bool ORV_FuelTablePanel::hasRows() const
{
    return !m_model->isEmpty();
}

// ---------------------------------------------------------------------------
// Table operations

void ORV_FuelTablePanel::addRow(const QString &volume, const QString &reading)
{
    m_filling = true;
    m_markingSuppressed = true;
    m_model->appendRow(volume, reading);
    m_filling = false;
    m_markingSuppressed = false;
    m_sortPending = false;
    m_model->sortByVolume();
    refreshGraph();
    m_modified = true;
    updateRowButtons();
    emit rowsChanged();
    ui->LineEdit_Volume->clear();
    ui->LineEdit_Volume->setFocus();
}

void ORV_FuelTablePanel::slot_pressed_Btn_Add()
{
    // Only what the ranges take: an out-of-range text never becomes a row.
    if (ui->LineEdit_Volt->text().isEmpty() || !ui->LineEdit_Volt->hasAcceptableInput()
        || !ui->LineEdit_Volume->hasAcceptableInput())
        return;
    addRow(ui->LineEdit_Volume->text(), ui->LineEdit_Volt->text());
}

void ORV_FuelTablePanel::slot_pressed_Btn_Capture()
{
    if (!ui->Btn_Capture->isEnabled())
        return;
    updateCapture();
    if (!ui->Btn_Capture->isEnabled())
        return;
    addRow(ui->LineEdit_Volume->text(), m_liveText);
}

void ORV_FuelTablePanel::slot_CellChanged_Table(int nRow, int nColumn)
{
    Q_UNUSED(nRow);
    if (nColumn == FuelCalibrationModel::ColumnMark) {
        if (!m_markingSuppressed)
            ui->Btn_Del->setEnabled(m_model->hasMarked());
        return;
    }
    if (m_filling) {
        refreshGraph();
        return;
    }
    m_modified = true;
    // Not while an editor is open: the row would move under it.
    if (m_volumeDelegate->isEditing() || (m_readingDelegate && m_readingDelegate->isEditing())) {
        m_sortPending = true;
        refreshGraph();
        return;
    }
    sortAndRefresh();
}

void ORV_FuelTablePanel::sortAndRefresh()
{
    m_sortPending = false;
    m_model->sortByVolume();
    refreshGraph();
}

void ORV_FuelTablePanel::slot_pressed_Btn_Del()
{
    if (!m_model->hasMarked())
        return;
    if (!m_dialogs->ask(window(), tr("K4810_533"), tr("K4810_540")))
        return;
    m_model->removeMarked();
    m_modified = true;
    ui->Btn_Del->setEnabled(false);
    updateRowButtons();
    emit rowsChanged();
    refreshGraph();
}

void ORV_FuelTablePanel::slot_pressed_Btn_Clear()
{
    if (!hasRows())
        return;
    if (m_dialogs->ask(window(), tr("K4810_533"), tr("K4810_543")))
        clearTable();
}

void ORV_FuelTablePanel::clearTable()
{
    ui->LineEdit_Volume->clear();
    m_model->clear();
    m_sortPending = false;
    m_modified = false;
    ui->Btn_Clear->setEnabled(false);
    ui->Btn_Del->setEnabled(false);
    emit rowsChanged();
    refreshGraph();
    ui->LineEdit_Volume->setFocus();
}

void ORV_FuelTablePanel::appendRow(const QString &volume, const QString &reading)
{
    m_filling = true;
    m_markingSuppressed = true;
    m_model->appendRow(FuelCalibration::loadedValue(volume), FuelCalibration::loadedValue(reading));
    m_filling = false;
    m_markingSuppressed = false;
}

void ORV_FuelTablePanel::appendRows(const QList<FuelFileRow> &rows)
{
    QList<QPair<QString, QString>> taken;
    taken.reserve(rows.size());
    for (const FuelFileRow &r : rows)
        taken << qMakePair(FuelCalibration::loadedValue(r.volume), FuelCalibration::loadedValue(r.reading));
    m_filling = true;
    m_markingSuppressed = true;
    m_model->appendRows(taken);
    m_filling = false;
    m_markingSuppressed = false;
}

void ORV_FuelTablePanel::finishAppending()
{
    m_model->sortByVolume();
    refreshGraph();
    updateRowButtons();
    ui->Btn_Del->setEnabled(false);
    emit rowsChanged();
}

void ORV_FuelTablePanel::refreshGraph()
{
    if (m_filling)
        return;
    m_points = m_model->points();
    m_graph->setPoints(m_points);
}

void ORV_FuelTablePanel::updateRowButtons()
{
    ui->Btn_Clear->setEnabled(hasRows());
}

// ---------------------------------------------------------------------------
// Entry row and live reading

void ORV_FuelTablePanel::updateAdd()
{
    ui->Btn_Add->setEnabled(ui->LineEdit_Volume->hasAcceptableInput() && ui->LineEdit_Volt->hasAcceptableInput());
}

void ORV_FuelTablePanel::slot_textChanged_LineEdit_Volt(const QString &qsText)
{
    Q_UNUSED(qsText);
    updateAdd();
}

void ORV_FuelTablePanel::slot_textChanged_LineEdit_Volume(const QString &qsText)
{
    Q_UNUSED(qsText);
    updateAdd();
    updateCapture();
}

void ORV_FuelTablePanel::applyStabilitySettings()
{
    m_stability.setTolerance(ui->doubleSpinBox_Tolerance->value());
    m_stability.setDuration(qint64(ui->spinBox_Time->value()) * 1000);
    updateCapture();
}

void ORV_FuelTablePanel::setLiveReading(const QString &text, qint64 time)
{
    ui->LineEdit_Volt->setText(text);
    m_liveText = text;
    m_stability.add(time, double(FuelCalibration::number(text)));
    updateCapture();
}

void ORV_FuelTablePanel::stopLive()
{
    m_liveText.clear();
    m_stability.reset();
    updateCapture();
}

bool ORV_FuelTablePanel::isLiveStable() const
{
    return !m_liveText.isEmpty() && m_stability.isStable();
}

void ORV_FuelTablePanel::updateCapture()
{
    if (!m_live)
        return;
    // The live text must fit the reading's range, as a typed one must.
    QString reading = m_liveText;
    int at = 0;
    const QValidator *v = ui->LineEdit_Volt->validator();
    const bool inRange = !reading.isEmpty() && v && v->validate(reading, at) == QValidator::Acceptable;
    const bool stable = inRange && m_stability.isStable();
    ui->Btn_Capture->setEnabled(stable && ui->LineEdit_Volume->hasAcceptableInput());
    if (m_liveText.isEmpty()) {
        ui->label_Stable->setText(tr("K4810_503"));
        ui->label_Stable->setStyleSheet(QStringLiteral("color: gray;"));
    } else if (stable) {
        ui->label_Stable->setText(tr("K4810_521"));
        ui->label_Stable->setStyleSheet(QStringLiteral("color: darkgreen; font-weight: bold;"));
    } else {
        ui->label_Stable->setText(tr("K4810_522"));
        ui->label_Stable->setStyleSheet(QStringLiteral("color: #B06000;"));
    }
}
