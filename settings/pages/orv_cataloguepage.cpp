#include "settings/pages/orv_cataloguepage.h"

#include "settings/model/settingscatalogue.h"
#include "settings/pages/settingsbinder.h"
#include "xml/cxmlelement.h"
#include "xml/settingssection.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

ORV_CataloguePage::ORV_CataloguePage(orv_FormXml_K4810 *editor, const QString &section, QWidget *parent)
    : ORV_SettingsPage(editor, parent)
    , m_section(section)
    , m_table(SettingsCatalogue::section(section))
{
    buildForm();
}

ORV_CataloguePage::~ORV_CataloguePage() = default;

void ORV_CataloguePage::buildForm()
{
    auto *layout = new QVBoxLayout(this);
    if (!m_table) {
        layout->addStretch();
        return;
    }
    QFormLayout *top = nullptr;
    QMap<QString, QFormLayout *> groups;
    for (const SettingsKey &key : *m_table) {
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
            const QString sub = QString::fromLatin1(key.subSection);
            form = groups.value(sub);
            if (!form) {
                auto *box = new QGroupBox(sub, this);
                form = new QFormLayout(box);
                form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
                layout->addWidget(box);
                groups.insert(sub, form);
            }
        }
        QWidget *field = nullptr;
        const bool shownAsInteger = key.type == SettingsKey::Int || key.conversion != SettingsConversion::None;
        if (shownAsInteger) {
            auto *spin = new QSpinBox(this);
            spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
            spin->setMinimumWidth(140);
            field = spin;
        } else if (key.type == SettingsKey::Real) {
            auto *spin = new QDoubleSpinBox(this);
            spin->setDecimals(key.decimals);
            spin->setRange(-1e9, 1e9);
            spin->setMinimumWidth(140);
            field = spin;
        } else {
            auto *edit = new QLineEdit(this);
            edit->setMaxLength(254);
            edit->setMinimumWidth(260);
            field = edit;
        }
        const QString path = key.path();
        SettingsBinder::bind(field, path);
        field->setToolTip(m_section + QLatin1Char('/') + path);
        form->addRow(new QLabel(QString::fromLatin1(key.key), this), field);
    }
    layout->addStretch();
}

void ORV_CataloguePage::reset()
{
    m_kept.reset();
    if (m_table)
        setValues(SettingsCatalogue::defaults(*m_table));
}

void ORV_CataloguePage::load(SettingsSection &root)
{
    if (m_table) {
        std::unique_ptr<SettingsSection> section = root.section(m_section, 0);
        setValues(SettingsCatalogue::load(section.get(), *m_table));
        return;
    }
    std::unique_ptr<SettingsSection> section = root.child(m_section);
    m_kept = section && section->element() ? section->element()->clone() : nullptr;
}

void ORV_CataloguePage::save(SettingsSection &root)
{
    if (m_table) {
        SettingsCatalogue::save(root, *m_table, values());
        return;
    }
    if (m_kept && root.element()) {
        root.element()->appendChild(m_kept->clone());
        return;
    }
    if (std::unique_ptr<SettingsSection> section = root.section(m_section, 0)) {
        section->setText(QString::fromLatin1(SettingsCatalogue::PageKey), m_section);
        section->commit();
    }
}

SettingsValues ORV_CataloguePage::values() const
{
    SettingsValues v = m_values;
    SettingsBinder::fromWidgets(this, v);
    return v;
}

void ORV_CataloguePage::setValues(const SettingsValues &values)
{
    m_values = values;
    SettingsBinder::toWidgets(this, m_values);
}

QString ORV_CataloguePage::text(const QString &path) const
{
    return values().toText(path);
}
