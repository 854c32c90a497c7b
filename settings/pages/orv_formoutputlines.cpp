#include "settings/pages/orv_formoutputlines.h"

#include "settings/pages/settingsbinder.h"
#include "ui_orv_formoutputlines.h"

#include <QCheckBox>
#include <QGridLayout>

namespace {

// The events that switch an output on, in the order of autoSwitchO1/O2.
const char *const kEvents[ORV_FormOutputLines::EventCount] = {
    QT_TRANSLATE_NOOP("ORV_FormOutputLines", "K4810_378"), QT_TRANSLATE_NOOP("ORV_FormOutputLines", "K4810_379"),
    QT_TRANSLATE_NOOP("ORV_FormOutputLines", "K4810_380"), QT_TRANSLATE_NOOP("ORV_FormOutputLines", "K4810_381"),
    QT_TRANSLATE_NOOP("ORV_FormOutputLines", "K4810_382"), QT_TRANSLATE_NOOP("ORV_FormOutputLines", "K4810_383"),
    QT_TRANSLATE_NOOP("ORV_FormOutputLines", "K4810_384"), QT_TRANSLATE_NOOP("ORV_FormOutputLines", "K4810_385"),
    QT_TRANSLATE_NOOP("ORV_FormOutputLines", "K4810_386"), QT_TRANSLATE_NOOP("ORV_FormOutputLines", "K4810_387"),
    QT_TRANSLATE_NOOP("ORV_FormOutputLines", "K4810_388"), QT_TRANSLATE_NOOP("ORV_FormOutputLines", "K4810_389"),
    QT_TRANSLATE_NOOP("ORV_FormOutputLines", "K4810_390"), QT_TRANSLATE_NOOP("ORV_FormOutputLines", "K4810_391"),
    QT_TRANSLATE_NOOP("ORV_FormOutputLines", "K4810_392"), QT_TRANSLATE_NOOP("ORV_FormOutputLines", "K4810_393"),
    QT_TRANSLATE_NOOP("ORV_FormOutputLines", "K4810_394"), QT_TRANSLATE_NOOP("ORV_FormOutputLines", "K4810_395"),
};

} // namespace

ORV_FormOutputLines::ORV_FormOutputLines(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_SettingsPage(editor, parent)
    , ui(new Ui::ORV_FormOutputLines)
{
    ui->setupUi(this);
    // The automatic-switching boxes, two columns of nine, one character of
    // the output's autoSwitch string each.
    const struct
    {
        QGroupBox *box;
        QGridLayout *grid;
    } outputs[OutputCount] = {{ui->groupBox_AutoSwitch_O1, ui->gridLayout_AutoSwitch_O1},
                              {ui->groupBox_AutoSwitch_O2, ui->gridLayout_AutoSwitch_O2}};
    const int rows = (EventCount + 1) / 2;
    for (int o = 0; o < OutputCount; ++o) {
        for (int e = 0; e < EventCount; ++e) {
            auto *check = new QCheckBox(tr(kEvents[e]), outputs[o].box);
            check->setObjectName(QStringLiteral("checkBox_AutoSwitch_O%1_%2").arg(o + 1).arg(e + 1));
            check->setProperty(SettingsBinder::PathProperty, QStringLiteral("autoSwitchO%1").arg(o + 1));
            check->setProperty(SettingsBinder::IndexProperty, e);
            outputs[o].grid->addWidget(check, e % rows, e / rows);
        }
    }
}

ORV_FormOutputLines::~ORV_FormOutputLines() = default;
