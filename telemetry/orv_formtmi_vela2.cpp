#include "telemetry/orv_formtmi_vela2.h"
#include "ui_orv_formtmi_vela2.h"

#include "core/elidelabel.h"
#include "core/orvmessages.h"
#include "telemetry/orv_formtmi_vela2ext.h"
#include "telemetry/tmifieldcaptions.h"
#include "telemetry/tmiformat.h"
#include "telemetry/tmipage_vela2.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>

#include <map>

namespace {

using Group = TmiFieldCaptions::Group;

// The tabs of the display and the groups on each.
struct Tab
{
    const char *titleKey;
    std::vector<Group> groups;
};

const std::vector<Tab> &tabs()
{
    static const std::vector<Tab> list = {
        {QT_TRANSLATE_NOOP("ORV_FormTmi_Vela2", "K4810_1944"),
         {TmiFieldCaptions::Record, TmiFieldCaptions::Navigation, TmiFieldCaptions::AnalogueInputs,
          TmiFieldCaptions::Counters, TmiFieldCaptions::InputsOutputs}},
        {QT_TRANSLATE_NOOP("ORV_FormTmi_Vela2", "K4810_1945"),
         {TmiFieldCaptions::Temperatures, TmiFieldCaptions::Rs485}},
        {QT_TRANSLATE_NOOP("ORV_FormTmi_Vela2", "K4810_1652"), {TmiFieldCaptions::Can}},
        {QT_TRANSLATE_NOOP("ORV_FormTmi_Vela2", "K4810_1946"),
         {TmiFieldCaptions::ExtendedNavigation, TmiFieldCaptions::Lbs}},
        {QT_TRANSLATE_NOOP("ORV_FormTmi_Vela2", "K4810_1947"),
         {TmiFieldCaptions::Tachograph, TmiFieldCaptions::Informer, TmiFieldCaptions::Accelerometer,
          TmiFieldCaptions::Camera}},
        {QT_TRANSLATE_NOOP("ORV_FormTmi_Vela2", "K4810_1919"), {TmiFieldCaptions::Tyres}},
        {QT_TRANSLATE_NOOP("ORV_FormTmi_Vela2", "K4810_1920"), {TmiFieldCaptions::Passengers}},
    };
    return list;
}

QLabel *newValueLabel(QWidget *parent, const QString &name)
{
    auto *label = new ElideLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(90);
    return label;
}

} // namespace

ORV_FormTmi_Vela2::ORV_FormTmi_Vela2(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ORV_FormTmi_Vela2)
{
    ui->setupUi(this);
    connect(ui->BtnOut_O1_On, &QPushButton::pressed, this, &ORV_FormTmi_Vela2::slot_pressed_BtnOut_O1_On);
    connect(ui->BtnOut_O1_Off, &QPushButton::pressed, this, &ORV_FormTmi_Vela2::slot_pressed_BtnOut_O1_Off);
    connect(ui->BtnOut_O2_On, &QPushButton::pressed, this, &ORV_FormTmi_Vela2::slot_pressed_BtnOut_O2_On);
    connect(ui->BtnOut_O2_Off, &QPushButton::pressed, this, &ORV_FormTmi_Vela2::slot_pressed_BtnOut_O2_Off);
    connect(ui->BtnOut_O3_On, &QPushButton::pressed, this, &ORV_FormTmi_Vela2::slot_pressed_BtnOut_O3_On);
    connect(ui->BtnOut_O3_Off, &QPushButton::pressed, this, &ORV_FormTmi_Vela2::slot_pressed_BtnOut_O3_Off);
    connect(ui->BtnOut_O4_On, &QPushButton::pressed, this, &ORV_FormTmi_Vela2::slot_pressed_BtnOut_O4_On);
    connect(ui->BtnOut_O4_Off, &QPushButton::pressed, this, &ORV_FormTmi_Vela2::slot_pressed_BtnOut_O4_Off);
    connect(ui->BtnOut_Run, &QPushButton::pressed, this, &ORV_FormTmi_Vela2::slot_pressed_BtnOut_Run);
    connect(ui->BtnSet_NoGuard, &QPushButton::pressed, this, &ORV_FormTmi_Vela2::slot_pressed_BtnSet_NoGuard);
    connect(ui->BtnSet_Guard, &QPushButton::pressed, this, &ORV_FormTmi_Vela2::slot_pressed_BtnSet_Guard);
    connect(ui->BtnExt, &QPushButton::pressed, this, &ORV_FormTmi_Vela2::slot_pressed_BtnExt);
    ui->layout_Controls->setColumnStretch(6, 1);
    build();
    clear();
}

ORV_FormTmi_Vela2::~ORV_FormTmi_Vela2() = default;

void ORV_FormTmi_Vela2::build()
{
    m_values.assign(size_t(FieldTable::MemberCount), nullptr);
    // Texts made from a field's bits, shown after the field.
    std::map<int, std::vector<std::pair<const char *, std::function<QString(const TmiPage_Vela2 &)>>>> after;
    const int module1 = FieldTable::indexOf("Module1");
    after[module1] = {
        {QT_TR_NOOP("K4810_1656"), [](const TmiPage_Vela2 &p) { return p.gsmRegistrationText(); }},
        {QT_TR_NOOP("K4810_1658"), [](const TmiPage_Vela2 &p) { return p.moduleText(3); }},
        {QT_TR_NOOP("K4810_1659"), [](const TmiPage_Vela2 &p) { return p.moduleText(1); }},
        {QT_TR_NOOP("K4810_1660"), [](const TmiPage_Vela2 &p) { return p.moduleText(7); }},
    };
    after[FieldTable::indexOf("StateNGauge")] = {
        {QT_TR_NOOP("K4810_1653"), [](const TmiPage_Vela2 &p) { return p.navigationPowerText(); }},
        {QT_TR_NOOP("K4810_1654"), [](const TmiPage_Vela2 &p) { return p.navigationFixText(); }},
        {QT_TR_NOOP("K4810_1655"), [](const TmiPage_Vela2 &p) { return p.validityText(); }},
    };

    for (const Tab &tab : tabs()) {
        auto *scroll = new QScrollArea(ui->tabWidget_Groups);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        auto *page = new QWidget(scroll);
        auto *grid = new QGridLayout(page);
        int slot = 0;
        for (Group group : tab.groups) {
            auto *box = new QGroupBox(TmiFieldCaptions::groupTitle(group), page);
            auto *rows = new QGridLayout(box);
            // Caption and value pairs: the members of the group's rows, then
            // for the inputs and outputs one line per line of the tracker.
            std::vector<std::pair<QString, QLabel *>> pairs;
            for (int bit : TmiFieldCaptions::rows(group)) {
                const int first = FieldTable::firstMember(bit);
                for (int m = first; m < first + FieldTable::memberCount(bit); ++m) {
                    QLabel *value = newValueLabel(box, QStringLiteral("value_") + QLatin1String(FieldTable::memberName(m)));
                    m_values[size_t(m)] = value;
                    pairs.emplace_back(TmiFieldCaptions::caption(m), value);
                    const auto extra = after.find(m);
                    if (extra == after.end())
                        continue;
                    for (const auto &[key, text] : extra->second) {
                        QLabel *label = newValueLabel(box, QStringLiteral("value_") + QLatin1String(key));
                        m_derived.push_back({label, text});
                        pairs.emplace_back(tr(key), label);
                    }
                }
            }
            if (group == TmiFieldCaptions::InputsOutputs) {
                for (int i = 0; i < 16; ++i) {
                    QLabel *label = newValueLabel(box, QStringLiteral("value_Input%1").arg(i + 1));
                    m_derived.push_back({label, [i](const TmiPage_Vela2 &p) { return p.inputText(i); }});
                    pairs.emplace_back(QStringLiteral("%1 %2").arg(tr("K4810_1926")).arg(i + 1), label);
                }
                for (int i = 0; i < 16; ++i) {
                    QLabel *label = newValueLabel(box, QStringLiteral("value_Output%1").arg(i + 1));
                    m_derived.push_back({label, [i](const TmiPage_Vela2 &p) { return p.outputText(i); }});
                    pairs.emplace_back(QStringLiteral("%1 %2").arg(tr("K4810_1927")).arg(i + 1), label);
                }
            }
            // Groups one under another, as wide as the display; the longer
            // ones in up to three columns.
            const int columns = pairs.size() > 8 ? 3 : pairs.size() > 4 ? 2 : 1;
            const int perColumn = int((pairs.size() + size_t(columns) - 1) / size_t(columns));
            for (int i = 0; i < int(pairs.size()); ++i) {
                // Long captions (in Russian) wrap rather than widen the
                // display past the window.
                auto *caption = new QLabel(pairs[size_t(i)].first, box);
                caption->setWordWrap(true);
                rows->addWidget(caption, i % perColumn, 2 * (i / perColumn));
                rows->addWidget(pairs[size_t(i)].second, i % perColumn, 2 * (i / perColumn) + 1);
            }
            rows->setRowStretch(perColumn, 1);
            grid->addWidget(box, slot++, 0);
        }
        grid->setRowStretch(slot, 1);
        scroll->setWidget(page);
        ui->tabWidget_Groups->addTab(scroll, tr(tab.titleKey));
    }
}

void ORV_FormTmi_Vela2::setTrackerControlsVisible(bool visible)
{
    QWidget *controls[] = {ui->BtnOut_O1_On, ui->BtnOut_O1_Off, ui->BtnOut_O2_On, ui->BtnOut_O2_Off,
                           ui->BtnOut_O3_On, ui->BtnOut_O3_Off, ui->BtnOut_O4_On, ui->BtnOut_O4_Off,
                           ui->BtnSet_Guard, ui->BtnSet_NoGuard, ui->BtnOut_Run};
    for (QWidget *w : controls)
        w->setVisible(visible);
    ui->groupBox_Controls->setTitle(visible ? tr("K4810_1666") : QString());
}

void ORV_FormTmi_Vela2::setControlsEnabled(bool enabled)
{
    QWidget *controls[] = {ui->BtnOut_O1_On, ui->BtnOut_O1_Off, ui->BtnOut_O2_On, ui->BtnOut_O2_Off,
                           ui->BtnOut_O3_On, ui->BtnOut_O3_Off, ui->BtnOut_O4_On, ui->BtnOut_O4_Off,
                           ui->BtnSet_Guard, ui->BtnSet_NoGuard, ui->BtnOut_Run};
    for (QWidget *w : controls)
        w->setEnabled(enabled);
}

void ORV_FormTmi_Vela2::prepareAutoMode()
{
    QLabel *number = m_values[size_t(FieldTable::indexOf("NumPage"))];
    QFont font = number->font();
    font.setPointSize(16);
    number->setFont(font);
}

QLabel *ORV_FormTmi_Vela2::valueLabel(int member) const
{
    return member >= 0 && member < int(m_values.size()) ? m_values[size_t(member)] : nullptr;
}

void ORV_FormTmi_Vela2::showPage(std::shared_ptr<const TmiPage_Vela2> page)
{
    m_page = std::move(page);
    if (!m_page) {
        clear();
        return;
    }
    for (int m = 0; m < FieldTable::MemberCount; ++m) {
        if (QLabel *label = m_values[size_t(m)])
            label->setText(m_page->text(FieldTable::member(m)));
    }
    for (const Derived &d : m_derived)
        d.label->setText(d.text(*m_page));
    ui->BtnExt->setEnabled(m_page->mode() == TmiPage_Vela2::Extended);
    if (m_ext && m_ext->isVisible())
        m_ext->showPage(m_page);
}

void ORV_FormTmi_Vela2::clear()
{
    m_page.reset();
    for (QLabel *label : m_values) {
        if (label)
            label->clear();
    }
    for (const Derived &d : m_derived)
        d.label->clear();
    ui->BtnExt->setEnabled(false);
    if (m_ext)
        m_ext->showPage(nullptr);
}

quint32 ORV_FormTmi_Vela2::currentPageNumber() const
{
    return m_page ? m_page->pageNumber() : 0;
}

void ORV_FormTmi_Vela2::send(uint32_t msgId)
{
    if (m_send)
        m_send(msgId, 0, 0);
}

void ORV_FormTmi_Vela2::slot_pressed_BtnOut_O1_On()
{
    send(OrvMsg::Output1On);
}

void ORV_FormTmi_Vela2::slot_pressed_BtnOut_O1_Off()
{
    send(OrvMsg::Output1Off);
}

void ORV_FormTmi_Vela2::slot_pressed_BtnOut_O2_On()
{
    send(OrvMsg::Output2On);
}

void ORV_FormTmi_Vela2::slot_pressed_BtnOut_O2_Off()
{
    send(OrvMsg::Output2Off);
}

void ORV_FormTmi_Vela2::slot_pressed_BtnOut_O3_On()
{
    send(OrvMsg::Output3On);
}

void ORV_FormTmi_Vela2::slot_pressed_BtnOut_O3_Off()
{
    send(OrvMsg::Output3Off);
}

void ORV_FormTmi_Vela2::slot_pressed_BtnOut_O4_On()
{
    send(OrvMsg::Output4On);
}

void ORV_FormTmi_Vela2::slot_pressed_BtnOut_O4_Off()
{
    send(OrvMsg::Output4Off);
}

void ORV_FormTmi_Vela2::slot_pressed_BtnOut_Run()
{
    emit mileageRequested();
}

void ORV_FormTmi_Vela2::slot_pressed_BtnSet_NoGuard()
{
    send(OrvMsg::SetObservation);
}

void ORV_FormTmi_Vela2::slot_pressed_BtnSet_Guard()
{
    send(OrvMsg::SetGuard);
}

void ORV_FormTmi_Vela2::slot_pressed_BtnExt()
{
    if (!m_ext)
        m_ext = new ORV_FormTmi_Vela2Ext(this);
    m_ext->showPage(m_page);
    m_ext->show();
    m_ext->raise();
}
