#include "telemetry/orv_formtmianalysis.h"
#include "ui_orv_formtmianalysis.h"

#include "telemetry/tmichartwidget.h"
#include "telemetry/tmiformat.h"
#include "telemetry/tmipagesource.h"
#include "telemetry/tmiseriesloader.h"
#include "telemetry/tmitextbuffer.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>

#include <cmath>

namespace {

constexpr int kRangeRole = Qt::UserRole + 1;

// The fuel levels in the order a default is chosen from.
const TmiChannel::Id kFuelOrder[] = {TmiChannel::Rs485_1, TmiChannel::Rs485_2, TmiChannel::Rs485_3,
                                     TmiChannel::Rs485_4, TmiChannel::Rs485_5, TmiChannel::Rs485_6,
                                     TmiChannel::Rs232,   TmiChannel::CanFuel, TmiChannel::Ain1,
                                     TmiChannel::Frequency1};

} // namespace

ORV_FormTmiAnalysis::ORV_FormTmiAnalysis(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::orv_FormTmiAnalysis)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("orv_FormTmiAnalysis"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_loader = new TmiSeriesLoader(this);
    connect(m_loader, &TmiSeriesLoader::progress, this, [this](int done, int count) {
        ui->progressBar_Load->setRange(0, qMax(1, count));
        ui->progressBar_Load->setValue(done);
    });
    connect(m_loader, &TmiSeriesLoader::loaded, this, &ORV_FormTmiAnalysis::onLoaded);
    connect(m_loader, &TmiSeriesLoader::cancelled, this, [this] { setLoading(false); });

    connect(ui->PushButton_ZoomIn, &QPushButton::pressed, this, &ORV_FormTmiAnalysis::slot_pressed_PushButton_ZoomIn);
    connect(ui->PushButton_ZoomOut, &QPushButton::pressed, this, &ORV_FormTmiAnalysis::slot_pressed_PushButton_ZoomOut);
    connect(ui->PushButton_ZoomAll, &QPushButton::pressed, this, &ORV_FormTmiAnalysis::slot_pressed_PushButton_ZoomAll);
    connect(ui->PushButton_OpenPage, &QPushButton::pressed, this, &ORV_FormTmiAnalysis::slot_pressed_PushButton_OpenPage);
    connect(ui->PushButton_Cancel, &QPushButton::pressed, this, &ORV_FormTmiAnalysis::slot_pressed_PushButton_Cancel);
    connect(ui->PushButton_SaveText, &QPushButton::pressed, this, &ORV_FormTmiAnalysis::slot_pressed_PushButton_SaveText);
    connect(ui->PushButton_Close, &QPushButton::pressed, this, &ORV_FormTmiAnalysis::slot_pressed_PushButton_Close);
    connect(ui->listWidget_Channels, &QListWidget::itemChanged, this,
            &ORV_FormTmiAnalysis::slot_itemChanged_listWidget_Channels);
    connect(ui->listWidget_Summary, &QListWidget::itemDoubleClicked, this,
            &ORV_FormTmiAnalysis::slot_itemDoubleClicked_listWidget_Summary);
    connect(ui->scrollBar_Time, &QScrollBar::valueChanged, this, &ORV_FormTmiAnalysis::slot_valueChanged_scrollBar_Time);
    connect(ui->spinBox_MinStop, &QSpinBox::valueChanged, this, &ORV_FormTmiAnalysis::slot_valueChanged_spinBox_MinStop);
    connect(ui->comboBox_Fuel, &QComboBox::currentIndexChanged, this,
            &ORV_FormTmiAnalysis::slot_currentIndexChanged_comboBox_Fuel);
    connect(ui->doubleSpinBox_MinRefuel, &QDoubleSpinBox::valueChanged, this,
            &ORV_FormTmiAnalysis::slot_valueChanged_doubleSpinBox_MinRefuel);

    TmiChartWidget *chart = ui->widget_Chart;
    connect(chart, &TmiChartWidget::viewChanged, this, &ORV_FormTmiAnalysis::onViewChanged);
    connect(chart, &TmiChartWidget::cursorChanged, this, [this](int index) {
        ui->label_Cursor->setText(ui->widget_Chart->valuesText(index));
        ui->PushButton_OpenPage->setEnabled(index >= 0);
    });
    connect(chart, &TmiChartWidget::pageClicked, this, &ORV_FormTmiAnalysis::pageChosen);
    ui->listWidget_Summary->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLoading(false);
    showSeries();
}

ORV_FormTmiAnalysis::~ORV_FormTmiAnalysis() = default;

TmiChartWidget *ORV_FormTmiAnalysis::chart() const
{
    return ui->widget_Chart;
}

std::shared_ptr<const TmiSeries> ORV_FormTmiAnalysis::series() const
{
    return m_loader->series();
}

bool ORV_FormTmiAnalysis::isLoading() const
{
    return m_loader->isLoading();
}

QString ORV_FormTmiAnalysis::summaryText() const
{
    return m_summaryText;
}

void ORV_FormTmiAnalysis::showPages(std::shared_ptr<const TmiPageSource> source, Tab tab)
{
    ui->tabWidget->setCurrentIndex(tab);
    if (source != m_source) {
        m_source = std::move(source);
        QString where;
        if (m_source && !m_source->fileName().isEmpty())
            where = QDir::toNativeSeparators(m_source->fileName()) + QStringLiteral(" — ");
        const int count = m_source ? m_source->pageCount() : 0;
        const auto first = count ? m_source->page(0) : nullptr;
        const auto last = count ? m_source->page(count - 1) : nullptr;
        ui->label_Source->setText(where + tr("K4810_2955").arg(count).arg(first ? TmiFormat::dateTime(first->time()) : QString(),
                                                                           last ? TmiFormat::dateTime(last->time()) : QString()));
        m_loader->load(m_source);
        setLoading(true);
        showSeries();
    }
    show();
    raise();
    activateWindow();
}

void ORV_FormTmiAnalysis::setLoading(bool loading)
{
    ui->label_Loading->setVisible(loading);
    ui->progressBar_Load->setVisible(loading);
    ui->PushButton_Cancel->setVisible(loading);
    ui->progressBar_Load->setRange(0, 1);
    ui->progressBar_Load->setValue(0);
}

void ORV_FormTmiAnalysis::onLoaded()
{
    setLoading(false);
    showSeries();
}

void ORV_FormTmiAnalysis::showSeries()
{
    const std::shared_ptr<const TmiSeries> series = m_loader->series();
    const TmiExport::Captions captions = m_source ? m_source->captions() : TmiExport::Captions();
    m_filling = true;
    ui->listWidget_Channels->clear();
    ui->comboBox_Fuel->clear();
    TmiChannel::Id fuel = TmiChannel::Count;
    QList<TmiChannel::Id> shown;
    if (series) {
        for (TmiChannel::Id id : kFuelOrder) {
            if (series->has(id)) {
                fuel = id;
                break;
            }
        }
        for (TmiChannel::Id id : series->channels()) {
            auto *item = new QListWidgetItem(TmiChannel::title(id, captions, series->unit(id)), ui->listWidget_Channels);
            item->setData(Qt::UserRole, int(id));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            // Speed and a fuel level at first.
            const bool on = id == TmiChannel::Speed || id == fuel;
            item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
            if (on)
                shown.append(id);
            if (TmiChannel::isFuelLevel(id))
                ui->comboBox_Fuel->addItem(item->text(), int(id));
        }
    }
    ui->comboBox_Fuel->setCurrentIndex(ui->comboBox_Fuel->findData(int(fuel)));
    ui->comboBox_Fuel->setEnabled(ui->comboBox_Fuel->count() > 0);
    m_filling = false;
    ui->widget_Chart->setSeries(series, captions);
    ui->widget_Chart->setChannels(shown);
    ui->label_Cursor->clear();
    ui->PushButton_OpenPage->setEnabled(false);
    const bool ready = series && !series->isEmpty();
    for (QWidget *w : {static_cast<QWidget *>(ui->PushButton_ZoomIn), static_cast<QWidget *>(ui->PushButton_ZoomOut),
                       static_cast<QWidget *>(ui->PushButton_ZoomAll), static_cast<QWidget *>(ui->scrollBar_Time),
                       static_cast<QWidget *>(ui->PushButton_SaveText), static_cast<QWidget *>(ui->spinBox_MinStop)})
        w->setEnabled(ready);
    slot_currentIndexChanged_comboBox_Fuel(ui->comboBox_Fuel->currentIndex());
}

void ORV_FormTmiAnalysis::updateSummary()
{
    ui->listWidget_Summary->clear();
    const std::shared_ptr<const TmiSeries> series = m_loader->series();
    if (!series) {
        m_summary = TmiTripSummary();
        m_summaryText.clear();
        return;
    }
    TmiTripOptions options;
    options.minStopSeconds = ui->spinBox_MinStop->value() * 60;
    const int fuel = ui->comboBox_Fuel->currentData().isValid() ? ui->comboBox_Fuel->currentData().toInt()
                                                                : int(TmiChannel::Count);
    options.fuelChannel = TmiChannel::Id(fuel);
    options.minRefuel = ui->doubleSpinBox_MinRefuel->isEnabled() ? ui->doubleSpinBox_MinRefuel->value() : 0;
    m_summary = TmiTripSummary::compute(*series, options);
    const TmiExport::Captions captions = m_source ? m_source->captions() : TmiExport::Captions();
    QList<QPair<int, int>> ranges;
    const QStringList lines = m_summary.lines(captions, options.minStopSeconds, &ranges);
    m_summaryText = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    for (int i = 0; i < lines.size(); ++i) {
        auto *item = new QListWidgetItem(lines[i], ui->listWidget_Summary);
        if (ranges.value(i).first >= 0)
            item->setData(kRangeRole, QPoint(ranges[i].first, ranges[i].second));
    }
}

void ORV_FormTmiAnalysis::onViewChanged(double from, double to)
{
    TmiChartWidget *chart = ui->widget_Chart;
    const double full = chart->fullTo() - chart->fullFrom();
    const double span = to - from;
    const QSignalBlocker blocker(ui->scrollBar_Time);
    ui->scrollBar_Time->setRange(0, int(std::max(0.0, std::round(full - span))));
    ui->scrollBar_Time->setPageStep(int(std::max(1.0, std::round(span))));
    ui->scrollBar_Time->setSingleStep(int(std::max(1.0, std::round(span / 10))));
    ui->scrollBar_Time->setValue(int(std::round(from - chart->fullFrom())));
}

void ORV_FormTmiAnalysis::slot_valueChanged_scrollBar_Time(int value)
{
    TmiChartWidget *chart = ui->widget_Chart;
    const double span = chart->viewTo() - chart->viewFrom();
    chart->setView(chart->fullFrom() + value, chart->fullFrom() + value + span);
}

void ORV_FormTmiAnalysis::slot_pressed_PushButton_ZoomIn()
{
    ui->widget_Chart->zoomIn();
}

void ORV_FormTmiAnalysis::slot_pressed_PushButton_ZoomOut()
{
    ui->widget_Chart->zoomOut();
}

void ORV_FormTmiAnalysis::slot_pressed_PushButton_ZoomAll()
{
    ui->widget_Chart->showAll();
}

void ORV_FormTmiAnalysis::slot_pressed_PushButton_OpenPage()
{
    const int index = ui->widget_Chart->cursorIndex();
    if (index >= 0)
        emit pageChosen(index);
}

void ORV_FormTmiAnalysis::slot_pressed_PushButton_Cancel()
{
    m_loader->cancel();
    m_source.reset();
    ui->label_Source->clear();
    showSeries();
}

void ORV_FormTmiAnalysis::slot_pressed_PushButton_Close()
{
    close();
}

void ORV_FormTmiAnalysis::slot_itemChanged_listWidget_Channels(QListWidgetItem *)
{
    if (m_filling)
        return;
    QList<TmiChannel::Id> shown;
    for (int i = 0; i < ui->listWidget_Channels->count(); ++i) {
        const QListWidgetItem *item = ui->listWidget_Channels->item(i);
        if (item->checkState() == Qt::Checked)
            shown.append(TmiChannel::Id(item->data(Qt::UserRole).toInt()));
    }
    ui->widget_Chart->setChannels(shown);
    ui->label_Cursor->setText(ui->widget_Chart->valuesText(ui->widget_Chart->cursorIndex()));
}

void ORV_FormTmiAnalysis::slot_itemDoubleClicked_listWidget_Summary(QListWidgetItem *item)
{
    const QVariant range = item ? item->data(kRangeRole) : QVariant();
    const std::shared_ptr<const TmiSeries> series = m_loader->series();
    if (!range.isValid() || !series)
        return;
    // The stop or refuel with as much time again around it.
    const QPoint pages = range.toPoint();
    const double from = series->axis()[size_t(pages.x())];
    const double to = series->axis()[size_t(pages.y())];
    const double pad = std::max((to - from) / 2, 300.0);
    TmiChartWidget *chart = ui->widget_Chart;
    chart->setView(from - pad, to + pad);
    chart->setCursorIndex(pages.x());
    ui->tabWidget->setCurrentIndex(ChartTab);
    chart->setFocus();
}

void ORV_FormTmiAnalysis::slot_valueChanged_spinBox_MinStop(int)
{
    if (!m_filling)
        updateSummary();
}

void ORV_FormTmiAnalysis::slot_currentIndexChanged_comboBox_Fuel(int index)
{
    if (m_filling)
        return;
    const std::shared_ptr<const TmiSeries> series = m_loader->series();
    const bool chosen = series && index >= 0;
    m_filling = true;
    if (chosen) {
        const auto id = TmiChannel::Id(ui->comboBox_Fuel->itemData(index).toInt());
        const QString unit = series->unit(id);
        ui->doubleSpinBox_MinRefuel->setSuffix(unit.isEmpty() ? QString() : QLatin1Char(' ') + unit);
        ui->doubleSpinBox_MinRefuel->setDecimals(id == TmiChannel::Ain1 ? 2 : 1);
        ui->doubleSpinBox_MinRefuel->setValue(TmiTripOptions::defaultMinRefuel(id, series->canFuelInPercent()));
    } else {
        ui->doubleSpinBox_MinRefuel->setSuffix(QString());
    }
    ui->doubleSpinBox_MinRefuel->setEnabled(chosen);
    m_filling = false;
    updateSummary();
}

void ORV_FormTmiAnalysis::slot_valueChanged_doubleSpinBox_MinRefuel(double)
{
    if (!m_filling)
        updateSummary();
}

void ORV_FormTmiAnalysis::slot_pressed_PushButton_SaveText()
{
    if (m_summaryText.isEmpty())
        return;
    const QString caption = tr("K4810_2986");
    const QString filter = QStringLiteral("*.txt");
    QString file = m_chooser ? m_chooser(caption, m_directory, filter)
                             : QFileDialog::getSaveFileName(this, caption, m_directory, filter);
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".txt");
    TmiFileSink out(file);
    if (out.open()) {
        out.put(m_summaryText.toUtf8());
        if (out.commit())
            return;
    }
    tell(tr("K4810_2954"), tr("K4810_2987").arg(QDir::toNativeSeparators(file), out.errorText()));
}

void ORV_FormTmiAnalysis::tell(const QString &title, const QString &text)
{
    if (m_notifier) {
        m_notifier(title, text);
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::NoButton, this);
    box->addButton(tr("K4810_003"), QMessageBox::AcceptRole);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->show();
}
