#include "telemetry/orv_formtmiviewpage.h"
#include "ui_orv_formtmiviewpage.h"

#include "core/orv_device_k4810.h"
#include "telemetry/orv_formtmi_vela2.h"
#include "telemetry/orv_formtmianalysis.h"
#include "telemetry/orv_formtmirecord.h"
#include "telemetry/tmipagesource.h"
#include "telemetry/tmiformat.h"
#include "telemetry/tmipage_vela.h"
#include "telemetry/tmipage_vela2.h"
#include "telemetry/tmitablecolumns.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace {

// Texts of the F8 view made from bits of the record.
enum BitText { GsmRegistration, Usb, Clock, Engine, Receiver, Fix, Valid };

QLabel *newValue(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(110);
    return label;
}

} // namespace

orv_FormTmiViewPage::orv_FormTmiViewPage(ORV_Device_K4810 *device)
    : ORV_TmiFileView(device, QStringLiteral("orv_FormTmiViewPage"))
    , ui(new Ui::orv_FormTmiViewPage)
{
    auto *content = new QWidget(this);
    ui->setupUi(content);
    contentLayout()->addWidget(content);
    resize(1180, 700);
    setFileWidgets({ui->label_File, ui->label_Size, ui->label_Pages, ui->label_Loading, ui->progressBar_Load,
                    ui->PushButton_Open, ui->PushButton_Cancel});
    // A file shows what the tracker recorded; nothing here acts on a tracker.
    ui->page_Vela2->setTrackerControlsVisible(false);
    buildF8();

    connect(ui->horizontalSlider, &QSlider::valueChanged, this, &orv_FormTmiViewPage::slot_valueChanged_horizontalSlider);
    connect(ui->spinBox_Go, &QSpinBox::valueChanged, this, &orv_FormTmiViewPage::slot_valueChanged_spinBox_Go);
    connect(ui->PushButton_Begin, &QPushButton::pressed, this, &orv_FormTmiViewPage::slot_Pressed_PushButton_Begin);
    connect(ui->PushButton_Get_Prev, &QPushButton::pressed, this, &orv_FormTmiViewPage::slot_Pressed_PushButton_Get_Prev);
    connect(ui->PushButton_Get_Next, &QPushButton::pressed, this, &orv_FormTmiViewPage::slot_Pressed_PushButton_Get_Next);
    connect(ui->PushButton_End, &QPushButton::pressed, this, &orv_FormTmiViewPage::slot_Pressed_PushButton_End);
    connect(ui->PushButton_Go, &QPushButton::pressed, this, &orv_FormTmiViewPage::slot_Pressed_PushButton_Go);

    // The analysis of the pages shown and the bytes of the page shown, at
    // the start of the row of buttons.
    auto addButton = [this](int position, const char *name, const QString &text) {
        auto *button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        buttonLayout()->insertWidget(position, button);
        return button;
    };
    m_chartButton = addButton(0, "PushButton_Chart", tr("K4810_2979"));
    m_summaryButton = addButton(1, "PushButton_Summary", tr("K4810_2954"));
    m_recordButton = addButton(2, "PushButton_Record", tr("K4810_2988"));
    connect(m_chartButton, &QPushButton::pressed, this, &orv_FormTmiViewPage::slot_Pressed_PushButton_Chart);
    connect(m_summaryButton, &QPushButton::pressed, this, &orv_FormTmiViewPage::slot_Pressed_PushButton_Summary);
    connect(m_recordButton, &QPushButton::pressed, this, &orv_FormTmiViewPage::slot_Pressed_PushButton_Record);
    showContents(nullptr);
}

orv_FormTmiViewPage::~orv_FormTmiViewPage() = default;

ORV_FormTmi_Vela2 *orv_FormTmiViewPage::vela2Display() const
{
    return ui->page_Vela2;
}

void orv_FormTmiViewPage::buildF8()
{
    // The F8 fields in three columns of caption and value, then the texts of
    // the event, the modules, the receiver, the inputs and the outputs.
    QWidget *panel = ui->widget_F8;
    auto *layout = new QVBoxLayout(panel);
    auto *fields = new QGroupBox(tr("K4810_1969"), panel);
    auto *grid = new QGridLayout(fields);
    const int count = TmiTableColumns::count(TmiTableColumns::F8);
    const int perColumn = (count + 2) / 3;
    for (int c = 0; c < count; ++c) {
        const int member = TmiTableColumns::member(TmiTableColumns::F8, c);
        auto *caption = new QLabel(TmiTableColumns::title(TmiTableColumns::F8, c), fields);
        QLabel *value = newValue(fields, QStringLiteral("f8_") + QLatin1String(FieldTable::memberName(member)));
        grid->addWidget(caption, c % perColumn, 2 * (c / perColumn));
        grid->addWidget(value, c % perColumn, 2 * (c / perColumn) + 1);
        m_f8Values.push_back(value);
    }
    layout->addWidget(fields);

    auto *states = new QGroupBox(tr("K4810_1970"), panel);
    auto *rows = new QGridLayout(states);
    int row = 0;
    auto addPair = [&](QLabel *caption, QLabel *value, int column) {
        rows->addWidget(caption, row, 2 * column);
        rows->addWidget(value, row, 2 * column + 1);
    };
    m_eventName = newValue(states, QStringLiteral("f8_EventName"));
    addPair(new QLabel(tr("K4810_1661"), states), m_eventName, 0);
    ++row;
    static const char *const bitKeys[] = {QT_TR_NOOP("K4810_1656"), QT_TR_NOOP("K4810_1658"),
                                          QT_TR_NOOP("K4810_1659"), QT_TR_NOOP("K4810_1660"),
                                          QT_TR_NOOP("K4810_1653"), QT_TR_NOOP("K4810_1654"),
                                          QT_TR_NOOP("K4810_1655")};
    static const char *const bitNames[] = {"GsmRegistration", "Usb", "Clock", "Engine", "Receiver", "Fix", "Valid"};
    for (int i = 0; i < 7; ++i) {
        QLabel *value = newValue(states, QStringLiteral("f8_") + QLatin1String(bitNames[i]));
        addPair(new QLabel(tr(bitKeys[i]), states), value, i / 4);
        m_bitTexts.emplace_back(value, i);
        row = i % 4 == 3 ? 1 : row + 1;
    }
    row = 5;
    for (int i = 0; i < 8; ++i) {
        auto *caption = new QLabel(states);
        caption->setObjectName(QStringLiteral("f8_Caption_Input%1").arg(i + 1));
        QLabel *value = newValue(states, QStringLiteral("f8_Input%1").arg(i + 1));
        addPair(caption, value, i / 4);
        m_inputCaptions.push_back(caption);
        m_inputs.push_back(value);
        row = i % 4 == 3 ? 5 : row + 1;
    }
    row = 9;
    for (int i = 0; i < 2; ++i) {
        auto *caption = new QLabel(states);
        caption->setObjectName(QStringLiteral("f8_Caption_Output%1").arg(i + 1));
        QLabel *value = newValue(states, QStringLiteral("f8_Output%1").arg(i + 1));
        addPair(caption, value, i);
        m_outputCaptions.push_back(caption);
        m_outputs.push_back(value);
    }
    layout->addWidget(states);
    layout->addStretch(1);
}

void orv_FormTmiViewPage::showContents(const std::shared_ptr<const TmiTextFile> &file)
{
    setPages(file ? std::make_shared<TmiTextFilePages>(file) : nullptr);
}

void orv_FormTmiViewPage::showPages(std::shared_ptr<const TmiPageSource> pages, int index)
{
    if (pages != m_pages) {
        setPages(pages);
        // What the pages are, where a file's name and size stand.
        const int count = pages ? pages->pageCount() : 0;
        const auto first = count ? pages->page(0) : nullptr;
        const auto last = count ? pages->page(count - 1) : nullptr;
        ui->label_File->setText(tr("K4810_2955").arg(count).arg(first ? TmiFormat::dateTime(first->time()) : QString(),
                                                                last ? TmiFormat::dateTime(last->time()) : QString()));
        ui->label_File->setToolTip(QString());
        ui->label_Size->clear();
        ui->label_Pages->setText(QString::number(count));
    }
    goToPage(index);
    QDialog::show();
    raise();
    activateWindow();
}

void orv_FormTmiViewPage::goToPage(int index)
{
    ui->horizontalSlider->setValue(index);
}

void orv_FormTmiViewPage::setPages(std::shared_ptr<const TmiPageSource> pages)
{
    m_pages = std::move(pages);
    m_current = -1;
    const int count = m_pages ? m_pages->pageCount() : 0;
    m_chartButton->setEnabled(count > 0);
    m_summaryButton->setEnabled(count > 0);
    m_recordButton->setEnabled(count > 0);
    {
        const QSignalBlocker blocker(ui->horizontalSlider);
        ui->horizontalSlider->setRange(0, qMax(0, count - 1));
        ui->horizontalSlider->setValue(0);
    }
    {
        const QSignalBlocker blocker(ui->spinBox_Go);
        ui->spinBox_Go->setValue(0);
    }
    ui->horizontalSlider->setEnabled(count > 1);
    ui->spinBox_Go->setEnabled(count > 0);
    ui->PushButton_Go->setEnabled(count > 0);
    setNavigation(-1, count);
    ui->label_Position->clear();
    if (m_pages) {
        const TmiExport::Captions &c = m_pages->captions();
        const QString inputs[] = {c.inputs[0], c.inputs[1], c.inputs[2], c.inputs[3],
                                  c.shInputs[0], c.shInputs[1], c.shInputs[2], c.shInputs[3]};
        static const char *const fallback[] = {"IN1", "IN2", "IN3", "AIN1", "SH1", "SH2", "SH3", "SH4"};
        for (int i = 0; i < 8; ++i)
            m_inputCaptions[size_t(i)]->setText(inputs[i].isEmpty() ? QLatin1String(fallback[i]) : inputs[i]);
        for (int i = 0; i < 2; ++i)
            m_outputCaptions[size_t(i)]->setText(c.outputs[size_t(i)].isEmpty() ? QStringLiteral("O%1").arg(i + 1)
                                                                                : c.outputs[size_t(i)]);
    }
    ui->page_Vela2->clear();
    ui->label_Null->setText(m_pages ? tr("K4810_1971") : tr("K4810_1957"));
    ui->stackedWidget->setCurrentWidget(ui->page_Null);
    // A new file always shows its first page, wherever the slider was.
    if (count > 0)
        showPage(0);
}

void orv_FormTmiViewPage::setNavigation(int index, int count)
{
    ui->PushButton_Begin->setEnabled(index > 0);
    ui->PushButton_Get_Prev->setEnabled(index > 0);
    ui->PushButton_Get_Next->setEnabled(index >= 0 && index < count - 1);
    ui->PushButton_End->setEnabled(index >= 0 && index < count - 1);
}

void orv_FormTmiViewPage::showPage(int index)
{
    const int count = m_pages ? m_pages->pageCount() : 0;
    if (count == 0 || index < 0 || index >= count)
        return;
    setNavigation(index, count);
    m_current = index;
    ui->label_Position->setText(QStringLiteral("%1 / %2").arg(index + 1).arg(count));
    const std::shared_ptr<const TmiFilePage> page = m_pages->page(index);
    if (!page)
        return;
    if (m_record && m_record->isVisible())
        m_record->showPage(*page, m_pages->holdsReceivedRecords());
    if (page->kind == TmiFilePage::Vela2) {
        ui->page_Vela2->showPage(page->vela2);
        ui->stackedWidget->setCurrentWidget(ui->page_Vela2);
    } else {
        showF8(*page);
        ui->stackedWidget->setCurrentWidget(ui->page_F8);
    }
}

void orv_FormTmiViewPage::showF8(const TmiFilePage &page)
{
    const TmiPage_Vela vela(page.f8);
    for (int c = 0; c < int(m_f8Values.size()); ++c) {
        const FieldRef &field = TmiTableColumns::field(TmiTableColumns::F8, c);
        // The fields the file gives; the others are not in it.
        m_f8Values[size_t(c)]->setText(page.f8Rows.test(field.bit) ? vela.text(field) : TmiFormat::notAvailable());
    }
    m_eventName->setText(page.eventName);
    auto known = [&page](const char *name) { return page.f8Rows.test(FieldTable::field(name).bit); };
    const bool module = known("Module1");
    const bool navigation = known("StateNGauge");
    const QString na = TmiFormat::notAvailable();
    for (const auto &[label, which] : m_bitTexts) {
        switch (which) {
        case GsmRegistration:
            label->setText(module ? vela.gsmRegistrationText() : na);
            break;
        case Usb:
            label->setText(module ? vela.moduleText(3) : na);
            break;
        case Clock:
            label->setText(module ? vela.moduleText(1) : na);
            break;
        case Engine:
            label->setText(module ? vela.moduleText(7) : na);
            break;
        case Receiver:
            label->setText(navigation ? vela.navigationPowerText() : na);
            break;
        case Fix:
            label->setText(navigation ? vela.navigationFixText() : na);
            break;
        case Valid:
            label->setText(navigation ? vela.validityText() : na);
            break;
        }
    }
    const bool inputs = known("StateIn1");
    for (int i = 0; i < 8; ++i)
        m_inputs[size_t(i)]->setText(inputs ? vela.inputText(i) : na);
    const bool outputs = known("StateOut1");
    for (int i = 0; i < 2; ++i)
        m_outputs[size_t(i)]->setText(outputs ? vela.outputText(i) : na);
}

void orv_FormTmiViewPage::slot_valueChanged_horizontalSlider(int nValue)
{
    {
        const QSignalBlocker blocker(ui->spinBox_Go);
        ui->spinBox_Go->setValue(nValue);
    }
    showPage(nValue);
}

void orv_FormTmiViewPage::slot_valueChanged_spinBox_Go(int nValue)
{
    // Nothing moves until Go is pressed.
    Q_UNUSED(nValue);
}

void orv_FormTmiViewPage::slot_Pressed_PushButton_Begin()
{
    ui->horizontalSlider->setValue(ui->horizontalSlider->minimum());
}

void orv_FormTmiViewPage::slot_Pressed_PushButton_Get_Prev()
{
    ui->horizontalSlider->setValue(ui->horizontalSlider->value() - 1);
}

void orv_FormTmiViewPage::slot_Pressed_PushButton_Get_Next()
{
    ui->horizontalSlider->setValue(ui->horizontalSlider->value() + 1);
}

void orv_FormTmiViewPage::slot_Pressed_PushButton_End()
{
    ui->horizontalSlider->setValue(ui->horizontalSlider->maximum());
}

void orv_FormTmiViewPage::slot_Pressed_PushButton_Go()
{
    const int before = ui->horizontalSlider->value();
    ui->horizontalSlider->setValue(ui->spinBox_Go->value());
    if (ui->horizontalSlider->value() == before) {
        // The slider stayed (a page beyond the last while on the last): the
        // spin box shows where it is.
        const QSignalBlocker blocker(ui->spinBox_Go);
        ui->spinBox_Go->setValue(before);
    }
}

void orv_FormTmiViewPage::openAnalysis(int tab)
{
    if (!m_pages || m_pages->pageCount() == 0)
        return;
    if (!m_analysis) {
        m_analysis = new ORV_FormTmiAnalysis(this);
        if (device())
            m_analysis->setDataDirectory(device()->dataDir());
        connect(m_analysis, &ORV_FormTmiAnalysis::pageChosen, this, [this](int index) {
            goToPage(index);
            raise();
            activateWindow();
        });
    }
    m_analysis->showPages(m_pages, ORV_FormTmiAnalysis::Tab(tab));
}

void orv_FormTmiViewPage::slot_Pressed_PushButton_Chart()
{
    openAnalysis(ORV_FormTmiAnalysis::ChartTab);
}

void orv_FormTmiViewPage::slot_Pressed_PushButton_Summary()
{
    openAnalysis(ORV_FormTmiAnalysis::SummaryTab);
}

void orv_FormTmiViewPage::slot_Pressed_PushButton_Record()
{
    if (!m_record)
        m_record = new ORV_FormTmiRecord(this);
    showRecord();
    m_record->show();
    m_record->raise();
}

void orv_FormTmiViewPage::showRecord()
{
    if (!m_pages || m_current < 0)
        return;
    if (const auto page = m_pages->page(m_current))
        m_record->showPage(*page, m_pages->holdsReceivedRecords());
}
