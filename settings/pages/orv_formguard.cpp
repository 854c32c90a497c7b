#include "settings/pages/orv_formguard.h"

#include "settings/pages/settingsbinder.h"
#include "ui_orv_formguard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace {

// The events a guard mode watches, in the order of inUse.
const char *const kEvents[ORV_FormGuard::EventCount] = {
    QT_TRANSLATE_NOOP("ORV_FormGuard", "K4810_1339"), QT_TRANSLATE_NOOP("ORV_FormGuard", "K4810_1340"),
    QT_TRANSLATE_NOOP("ORV_FormGuard", "K4810_1341"), QT_TRANSLATE_NOOP("ORV_FormGuard", "K4810_1342"),
    QT_TRANSLATE_NOOP("ORV_FormGuard", "K4810_1343"), QT_TRANSLATE_NOOP("ORV_FormGuard", "K4810_1344"),
    QT_TRANSLATE_NOOP("ORV_FormGuard", "K4810_1345"), QT_TRANSLATE_NOOP("ORV_FormGuard", "K4810_1346"),
    QT_TRANSLATE_NOOP("ORV_FormGuard", "K4810_1347"), QT_TRANSLATE_NOOP("ORV_FormGuard", "K4810_1348"),
    QT_TRANSLATE_NOOP("ORV_FormGuard", "K4810_1349"),
};

// What each mode does in its states: the key and its caption.
const struct
{
    const char *key;
    const char *caption;
} kReactions[] = {
    {"normSys", QT_TRANSLATE_NOOP("ORV_FormGuard", "K4810_1350")},
    {"alarmSys", QT_TRANSLATE_NOOP("ORV_FormGuard", "K4810_1351")},
    {"switchSys", QT_TRANSLATE_NOOP("ORV_FormGuard", "K4810_1352")},
    {"switchSound", QT_TRANSLATE_NOOP("ORV_FormGuard", "K4810_1353")},
    {"alarmSound", QT_TRANSLATE_NOOP("ORV_FormGuard", "K4810_1354")},
};

} // namespace

ORV_FormGuard::ORV_FormGuard(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_SettingsPage(editor, parent)
    , ui(new Ui::ORV_FormGuard)
{
    ui->setupUi(this);
    // One row an event, one column a mode; then one row a reaction.
    QWidget *box = ui->groupBox_Modes;
    QGridLayout *grid = ui->gridLayout_Modes;
    int row = 1;
    for (int e = 0; e < EventCount; ++e, ++row) {
        auto *caption = new QLabel(tr(kEvents[e]), box);
        caption->setObjectName(QStringLiteral("label_Event_%1").arg(e + 1));
        // Long captions (in Russian) wrap rather than widen the page.
        caption->setWordWrap(true);
        grid->addWidget(caption, row, 0);
        for (int m = 0; m < ModeCount; ++m) {
            auto *check = new QCheckBox(box);
            check->setObjectName(QStringLiteral("checkBox_Mode%1_Event_%2").arg(m).arg(e + 1));
            check->setProperty(SettingsBinder::PathProperty, QStringLiteral("MODE%1/inUse").arg(m));
            check->setProperty(SettingsBinder::IndexProperty, e);
            check->setAccessibleName(caption->text());
            grid->addWidget(check, row, 1 + m, Qt::AlignHCenter);
        }
    }
    for (const auto &r : kReactions) {
        const QString key = QLatin1String(r.key);
        QString name = key;
        name[0] = name.at(0).toUpper();
        auto *caption = new QLabel(tr(r.caption), box);
        caption->setObjectName(QStringLiteral("label_%1").arg(name));
        caption->setWordWrap(true);
        grid->addWidget(caption, row, 0);
        for (int m = 0; m < ModeCount; ++m) {
            auto *combo = new QComboBox(box);
            combo->setObjectName(QStringLiteral("comboBox_Mode%1_%2").arg(m).arg(name));
            combo->setProperty(SettingsBinder::PathProperty, QStringLiteral("MODE%1/%2").arg(m).arg(key));
            // Narrow enough for the editor's width; the list shows the whole texts.
            combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            combo->setMinimumContentsLength(14);
            grid->addWidget(combo, row, 1 + m);
        }
        ++row;
    }
    grid->setColumnStretch(0, 1);

    connect(ui->checkBox_More_NoProtection, &QCheckBox::toggled, this, &ORV_FormGuard::slot_toggled_More_NoProtection);
}

ORV_FormGuard::~ORV_FormGuard() = default;

void ORV_FormGuard::slot_toggled_More_NoProtection(bool bChecked)
{
    if (!bChecked)
        ui->checkBox_More_VoltIgn->setChecked(false);
}
