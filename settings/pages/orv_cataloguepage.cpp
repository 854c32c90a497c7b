#include "settings/pages/orv_cataloguepage.h"

#include "settings/model/settingscatalogue.h"
#include "settings/model/settingsmodel.h"
#include "xml/cxmlelement.h"
#include "settings/pages/settingsbinder.h"
#include "settings/pages/settingspages.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimeEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <limits>

ORV_CataloguePage::ORV_CataloguePage(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_SettingsPage(editor, parent)
{
}

ORV_CataloguePage::~ORV_CataloguePage() = default;

void ORV_CataloguePage::build(const SettingsPageInfo &info)
{
    setObjectName(QString::fromLatin1(info.className));
    auto *layout = new QVBoxLayout(this);
    const SettingsTable *table = info.section ? SettingsCatalogue::section(info.sectionName()) : nullptr;
    if (!table) {
        auto *note = new QLabel(tr("K4810_1708"), this);
        note->setObjectName(QStringLiteral("label_Kept"));
        note->setWordWrap(true);
        layout->addWidget(note);
        m_kept = new QTreeWidget(this);
        m_kept->setObjectName(QStringLiteral("treeWidget_Kept"));
        m_kept->setColumnCount(2);
        m_kept->setHeaderHidden(true);
        m_kept->setEditTriggers(QAbstractItemView::NoEditTriggers);
        layout->addWidget(m_kept, 1);
        setup(info);
        return;
    }
    QFormLayout *top = nullptr;
    QHash<QString, QFormLayout *> groups;
    for (const SettingsKey &key : *table) {
        if (key.isLegacy() || key.isWriteOnly())
            continue;
        QFormLayout *form = nullptr;
        if (key.isEntry()) {
            if (!top) {
                top = new QFormLayout;
                top->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
                layout->addLayout(top);
            }
            form = top;
        } else {
            form = groups.value(key.subSection());
            if (!form) {
                auto *box = new QGroupBox(key.subSection(), this);
                form = new QFormLayout(box);
                form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
                layout->addWidget(box);
                groups.insert(key.subSection(), form);
            }
        }
        QWidget *field = nullptr;
        if (key.choiceCount() > 0) {
            field = new QComboBox(this);
        } else if (key.type() == SettingsRow::Text && key.inputRule() == SettingsInputRule::Time) {
            field = new QTimeEdit(this);
        } else if (key.type() == SettingsRow::Text) {
            auto *edit = new QLineEdit(this);
            edit->setMinimumWidth(260);
            field = edit;
        } else if (key.shownIsWhole()) {
            auto *spin = new QSpinBox(this);
            spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
            spin->setMinimumWidth(140);
            field = spin;
        } else {
            auto *spin = new QDoubleSpinBox(this);
            spin->setRange(-1e9, 1e9);
            spin->setMinimumWidth(140);
            field = spin;
        }
        field->setProperty(SettingsBinder::PathProperty, key.path());
        field->setToolTip(table->sectionName() + QLatin1Char('/') + key.path());
        form->addRow(new QLabel(key.label(info.className), this), field);
    }
    layout->addStretch();
    setup(info);
}

void ORV_CataloguePage::afterLoad()
{
    if (!m_kept)
        return;
    // The section as it was read: elements with their text, attributes as
    // name and value.
    m_kept->clear();
    const CXmlElement *section = model() ? model()->keptSection(this->section()) : nullptr;
    if (!section)
        return;
    std::vector<std::pair<const CXmlElement *, QTreeWidgetItem *>> stack;
    for (auto it = section->children().rbegin(); it != section->children().rend(); ++it)
        stack.emplace_back(*it, nullptr);
    while (!stack.empty()) {
        auto [e, parent] = stack.back();
        stack.pop_back();
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_kept);
        item->setText(0, e->name());
        item->setText(1, e->value());
        for (const CXmlElement *a : e->attributes())
            (new QTreeWidgetItem(item))->setText(0, a->name() + QLatin1Char('=') + a->value());
        for (auto it = e->children().rbegin(); it != e->children().rend(); ++it)
            stack.emplace_back(*it, item);
    }
    m_kept->expandAll();
    m_kept->resizeColumnToContents(0);
}
