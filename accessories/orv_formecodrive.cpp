#include "accessories/orv_formecodrive.h"

#include "settings/editor/orv_formxml_k4810.h"
#include "settings/model/settingsconversion.h"
#include "settings/model/settingsmodel.h"
#include "ui_orv_formecodrive.h"

#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

const QString kSection = QStringLiteral("ECODRIVE");
const char *const kKinds[] = {"BOOST", "RETARD", "DRIFT", "JUMP"};

QLabel *header(QWidget *parent, const char *key)
{
    auto *l = new QLabel(QCoreApplication::translate("ORV_FormEcoDrive", key), parent);
    l->setWordWrap(true);
    return l;
}

template <class Widget>
Widget *bound(QWidget *parent, const QString &name, const QString &path, const QString &enabledBy = QString())
{
    auto *w = new Widget(parent);
    w->setObjectName(name);
    w->setProperty("settingsPath", path);
    if (!enabledBy.isEmpty())
        w->setProperty("settingsEnabledBy", enabledBy);
    return w;
}

} // namespace

ORV_FormEcoDrive::ORV_FormEcoDrive(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_SettingsPage(editor, parent)
    , ui(std::make_unique<Ui::ORV_FormEcoDrive>())
{
    ui->setupUi(this);
    ui->checkBox_Safety_Lines_Param1->setText(tr("K4810_2883").arg(1));
    ui->checkBox_Safety_Lines_Param2->setText(tr("K4810_2883").arg(2));
    buildSpeedRows();
    buildLevelRows(ui->gridLayout_Boost, QStringLiteral("BOOST"), QStringLiteral("Boost"));
    buildLevelRows(ui->gridLayout_Retard, QStringLiteral("RETARD"), QStringLiteral("Retard"));
    buildLevelRows(ui->gridLayout_Drift, QStringLiteral("DRIFT"), QStringLiteral("Drift"));
    buildLevelRows(ui->gridLayout_Jump, QStringLiteral("JUMP"), QStringLiteral("Jump"));

    // The switches: all speed bands, all acceleration events, each kind.
    auto rows = [](const QString &sub, int count) {
        QStringList paths;
        for (int n = 1; n <= count; ++n)
            paths << QStringLiteral("%1[%2]/no").arg(sub).arg(n);
        return paths;
    };
    const QStringList speeds = rows(QStringLiteral("SPEEDS/SPEED"), kSpeedBands);
    m_switches.append({ui->checkBox_Speed_ControlUse, speeds, {speeds.first()}, {}});
    QStringList allLevels;
    QStringList firstLevels;
    QList<Switch> kinds;
    QCheckBox *const kindBoxes[] = {ui->checkBox_Boost_Use, ui->checkBox_Retard_Use, ui->checkBox_Drift_Use,
                                    ui->checkBox_Jump_Use};
    for (int k = 0; k < 4; ++k) {
        const QStringList levels = rows(QStringLiteral("ACCELS/%1").arg(QLatin1String(kKinds[k])), kLevels);
        allLevels << levels;
        firstLevels << levels.first();
        kinds.append({kindBoxes[k], levels, {levels.first()}, {}});
    }
    m_switches.append({ui->checkBox_Drive_Use, allLevels, firstLevels, {}});
    m_switches << kinds;

    connect(ui->checkBox_Speed_ControlUse, &QCheckBox::stateChanged, this,
            &ORV_FormEcoDrive::slot_stateChanged_Speed_ControlUse);
    connect(ui->checkBox_Drive_Use, &QCheckBox::stateChanged, this, &ORV_FormEcoDrive::slot_stateChanged_Drive_Use);
    connect(ui->checkBox_Boost_Use, &QCheckBox::stateChanged, this, &ORV_FormEcoDrive::slot_stateChanged_Boost_Use);
    connect(ui->checkBox_Retard_Use, &QCheckBox::stateChanged, this, &ORV_FormEcoDrive::slot_stateChanged_Retard_Use);
    connect(ui->checkBox_Drift_Use, &QCheckBox::stateChanged, this, &ORV_FormEcoDrive::slot_stateChanged_Drift_Use);
    connect(ui->checkBox_Jump_Use, &QCheckBox::stateChanged, this, &ORV_FormEcoDrive::slot_stateChanged_Jump_Use);
    connect(ui->Btn_Engine_Can, &QPushButton::pressed, this, &ORV_FormEcoDrive::slot_pressed_Btn_Engine_Can);
    connect(ui->Btn_Engine_Taho, &QPushButton::pressed, this, &ORV_FormEcoDrive::slot_pressed_Btn_Engine_Taho);
    connect(ui->Btn_Drive_Sett, &QPushButton::pressed, this, &ORV_FormEcoDrive::slot_pressed_Btn_Drive_Sett);
    connect(ui->Btn_Drive_Sett_Help, &QPushButton::pressed, this, &ORV_FormEcoDrive::slot_pressed_Btn_Drive_Sett_Help);
    ui->Btn_Engine_Can->setToolTip(tr("K4810_230"));
    ui->Btn_Engine_Taho->setToolTip(tr("K4810_819"));
    ui->Btn_Drive_Sett->setToolTip(tr("K4810_340"));

    if (SettingsModel *m = model()) {
        connect(m, &SettingsModel::valueChanged, this, [this](const QString &section, const QString &path) {
            if (section == kSection && path.endsWith(QLatin1String("/no")))
                showSwitches();
        });
    }
}

ORV_FormEcoDrive::~ORV_FormEcoDrive() = default;

void ORV_FormEcoDrive::buildSpeedRows()
{
    QGridLayout *grid = ui->gridLayout_Speeds;
    QWidget *box = ui->groupBox_Speed;
    const char *const heads[] = {"K4810_1297", "K4810_2424", "K4810_2888", "K4810_2889", "K4810_2890", "K4810_2884"};
    for (int c = 0; c < 6; ++c)
        grid->addWidget(header(box, heads[c]), 0, c);
    for (int n = 1; n <= kSpeedBands; ++n) {
        const QString sub = QStringLiteral("SPEEDS/SPEED[%1]/").arg(n);
        const QString use = sub + QStringLiteral("no");
        grid->addWidget(new QLabel(QString::number(n), box), n, 0);
        grid->addWidget(bound<QCheckBox>(box, QStringLiteral("checkBox_Speed_Use_%1").arg(n), use), n, 1);
        grid->addWidget(bound<QSpinBox>(box, QStringLiteral("spinBox_Speed_Low_%1").arg(n), sub + "low", use), n, 2);
        grid->addWidget(bound<QSpinBox>(box, QStringLiteral("spinBox_Speed_Hi_%1").arg(n), sub + "hi", use), n, 3);
        grid->addWidget(bound<QSpinBox>(box, QStringLiteral("spinBox_Speed_Dur_%1").arg(n), sub + "dur", use), n, 4);
        grid->addWidget(bound<QCheckBox>(box, QStringLiteral("checkBox_Speed_Buzz_%1").arg(n), sub + "buzz", use), n,
                        5);
    }
    grid->setColumnStretch(6, 1);
}

void ORV_FormEcoDrive::buildLevelRows(QGridLayout *grid, const QString &kind, const QString &objectPart)
{
    QWidget *box = grid->parentWidget();
    const char *const heads[] = {"K4810_1297", "K4810_2424", "K4810_2897", "K4810_2898", "K4810_2899", "K4810_2884"};
    for (int c = 0; c < 6; ++c)
        grid->addWidget(header(box, heads[c]), 0, c);
    for (int n = 1; n <= kLevels; ++n) {
        const QString sub = QStringLiteral("ACCELS/%1[%2]/").arg(kind).arg(n);
        const QString use = sub + QStringLiteral("no");
        const QString name = QStringLiteral("%1_%2_%3").arg(objectPart);
        grid->addWidget(new QLabel(QString::number(n), box), n, 0);
        grid->addWidget(bound<QCheckBox>(box, QStringLiteral("checkBox_") + name.arg(QStringLiteral("Use")).arg(n), use),
                        n, 1);
        grid->addWidget(bound<QDoubleSpinBox>(box, QStringLiteral("doubleSpinBox_") + name.arg(QStringLiteral("Val")).arg(n),
                                              sub + "val", use),
                        n, 2);
        grid->addWidget(bound<QSpinBox>(box, QStringLiteral("spinBox_") + name.arg(QStringLiteral("Dur")).arg(n),
                                        sub + "dur", use),
                        n, 3);
        grid->addWidget(bound<QSpinBox>(box, QStringLiteral("spinBox_") + name.arg(QStringLiteral("Hld")).arg(n),
                                        sub + "hld", use),
                        n, 4);
        grid->addWidget(bound<QCheckBox>(box, QStringLiteral("checkBox_") + name.arg(QStringLiteral("Buzz")).arg(n),
                                         sub + "buzz", use),
                        n, 5);
    }
    grid->setColumnStretch(6, 1);
}

void ORV_FormEcoDrive::afterLoad()
{
    for (Switch &s : m_switches)
        s.switchedOff.clear();
    showSwitches();
}

void ORV_FormEcoDrive::showSwitches()
{
    const SettingsModel *m = model();
    if (!m)
        return;
    for (const Switch &s : std::as_const(m_switches)) {
        bool any = false;
        for (const QString &p : s.paths)
            any = any || m->value(kSection, p, &SettingsConversion::Stored).toInt() != 0;
        const QSignalBlocker block(s.box);
        s.box->setChecked(any);
    }
}

void ORV_FormEcoDrive::toggle(int index, int state)
{
    SettingsModel *m = model();
    if (!m || index < 0 || index >= m_switches.size())
        return;
    Switch &s = m_switches[index];
    if (state == Qt::Unchecked) {
        s.switchedOff.clear();
        for (const QString &p : s.paths) {
            if (m->value(kSection, p, &SettingsConversion::Stored).toInt() != 0)
                s.switchedOff << p;
        }
        for (const QString &p : std::as_const(s.switchedOff))
            m->setValue(kSection, p, 0, &SettingsConversion::Stored);
    } else {
        const QStringList on = s.switchedOff.isEmpty() ? s.defaults : s.switchedOff;
        s.switchedOff.clear();
        for (const QString &p : on)
            m->setValue(kSection, p, 1, &SettingsConversion::Stored);
    }
    showSwitches();
}

void ORV_FormEcoDrive::slot_stateChanged_Speed_ControlUse(int nState) { toggle(0, nState); }
void ORV_FormEcoDrive::slot_stateChanged_Drive_Use(int nState) { toggle(1, nState); }
void ORV_FormEcoDrive::slot_stateChanged_Boost_Use(int nState) { toggle(2, nState); }
void ORV_FormEcoDrive::slot_stateChanged_Retard_Use(int nState) { toggle(3, nState); }
void ORV_FormEcoDrive::slot_stateChanged_Drift_Use(int nState) { toggle(4, nState); }
void ORV_FormEcoDrive::slot_stateChanged_Jump_Use(int nState) { toggle(5, nState); }

void ORV_FormEcoDrive::goToPage(int position)
{
    orv_FormXml_K4810 *e = editor();
    if (ORV_SettingsPage *p = e ? e->page(position) : nullptr)
        e->setCurrentTab(p->tabIndex());
}

void ORV_FormEcoDrive::slot_pressed_Btn_Engine_Can()
{
    goToPage(orv_FormXml_K4810::PageCAN);
}

void ORV_FormEcoDrive::slot_pressed_Btn_Engine_Taho()
{
    goToPage(orv_FormXml_K4810::PageRS);
}

void ORV_FormEcoDrive::slot_pressed_Btn_Drive_Sett()
{
    goToPage(orv_FormXml_K4810::PageAccelerometer);
}

void ORV_FormEcoDrive::slot_pressed_Btn_Drive_Sett_Help()
{
    if (orv_FormXml_K4810 *e = editor())
        e->slot_pressed_pushButton_Help();
}
