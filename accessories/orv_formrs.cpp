#include "accessories/orv_formrs.h"

#include "core/orv_device_k4810.h"
#include "fuel/orv_formfuelview.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "settings/model/settingscatalogue.h"
#include "settings/model/settingsconversion.h"
#include "settings/model/settingskey.h"
#include "settings/model/settingsmodel.h"
#include "settings/pages/settingsbinder.h"
#include "ui_orv_formrs.h"

#include <QRegularExpression>
#include <QSignalBlocker>

#include <algorithm>

namespace {

const QString kSection = QStringLiteral("RS485");
const QString kOwner = QStringLiteral("Owner");
const QString kCanSection = QStringLiteral("CAN");
const QString kAdapter = QStringLiteral("CANstandart");
const QString kCombinedOwner = QStringLiteral("DDFS");
const QString kFcan = QStringLiteral("FCAN");
constexpr int kExtraItem = -1;

// The adapter the "FCAN" items of the use-as box stand for, by item.
QString adapterOfItem(int item)
{
    switch (item) {
    case 2:
        return QStringLiteral("CANLOG");
    case 3:
        return QStringLiteral("CANFMS");
    case 4:
        return QStringLiteral("DTACAN");
    default:
        return QString();
    }
}

const SettingsKey *ownerKey()
{
    return SettingsCatalogue::find(kSection, kOwner);
}

QString sensorPath(const char *pattern, int n)
{
    return QString::fromLatin1(pattern).arg(n);
}

// The values a combined sensor takes from the one it repeats (its type is 3).
const char *const kCopied[] = {"FS%1use485",        "FS%1Adress485",    "FS%1Response485", "FS%1FilterMode485",
                               "FS%1AverLength485", "FS%1Kalman485",    "FS%1_485_PARAM/trhld_move_off"};

// The sensor a path of the section belongs to, or -1.
int sensorOf(const QString &path)
{
    static const QRegularExpression re(QStringLiteral("^FS(\\d+)(?:_485_PARAM/|[A-Za-z])"));
    const QRegularExpressionMatch m = re.match(path);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

template <class Widget>
Widget *bound(QWidget *parent, const QString &name, const QString &path)
{
    auto *w = new Widget(parent);
    w->setObjectName(name);
    w->setProperty("settingsPath", path);
    return w;
}

} // namespace

ORV_FormRS::ORV_FormRS(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_SettingsPage(editor, parent)
    , ui(std::make_unique<Ui::ORV_FormRS>())
{
    ui->setupUi(this);
    buildSensorRows();
    buildDoorRows();

    // The use-as items, from the catalogue; the item data is its position.
    if (const SettingsKey *k = ownerKey()) {
        for (int i = 0; i < k->choiceCount(); ++i)
            ui->comboBox_RS485_UseAs->addItem(SettingsKey::choiceText(k->choices()[i], "ORV_FormRS"), i);
    }
    connect(ui->comboBox_RS485_UseAs, &QComboBox::currentIndexChanged, this,
            &ORV_FormRS::slot_currentIndexChanged_RS485_UseAs);
    connect(ui->Btn_RS485_MakeFuelFile, &QPushButton::pressed, this, &ORV_FormRS::slot_pressed_Btn_RS485_MakeFuelFile);
    connect(ui->Btn_RS232_MakeFuelFile, &QPushButton::pressed, this, &ORV_FormRS::slot_pressed_Btn_RS232_MakeFuelFile);
    connect(ui->Btn_RS485_SettingsCanlog, &QPushButton::pressed, this,
            &ORV_FormRS::slot_pressed_Btn_RS485_SettingsCanlog);
    connect(ui->Btn_RS485_SettingsCanFms, &QPushButton::pressed, this,
            &ORV_FormRS::slot_pressed_Btn_RS485_SettingsCanFms);
    connect(ui->Btn_RS485_SettingsDtaCan, &QPushButton::pressed, this,
            &ORV_FormRS::slot_pressed_Btn_RS485_SettingsDtaCan);
    if (SettingsModel *m = model())
        connect(m, &SettingsModel::valueChanged, this, &ORV_FormRS::onModelChanged);
}

ORV_FormRS::~ORV_FormRS() = default;

// ---------------------------------------------------------------- rows

void ORV_FormRS::buildSensorRows()
{
    QGridLayout *grid = ui->gridLayout_Fuel;
    QWidget *box = ui->groupBox_RS485_Fuel;
    const char *const heads[] = {"K4810_1297", "K4810_2424", "K4810_1935", "K4810_2852", "K4810_2853",
                                 "K4810_2854", "K4810_2855", "K4810_2856", "K4810_2857"};
    for (int c = 0; c < 9; ++c) {
        auto *l = new QLabel(tr(heads[c]), box);
        l->setWordWrap(true);
        grid->addWidget(l, 0, c);
    }
    for (int n = 0; n < kSensors; ++n) {
        const int row = n + 1;
        const QString number = QString::number(n + 1);
        SensorRow r;
        grid->addWidget(new QLabel(number, box), row, 0);
        r.use = bound<QCheckBox>(box, QStringLiteral("checkBox_RS485_Use_") + number, sensorPath("FS%1use485", n));
        r.type = bound<QComboBox>(box, QStringLiteral("comboBox_RS485_FuelType_") + number,
                                  sensorPath("FS%1FLStype485", n));
        r.address = bound<QSpinBox>(box, QStringLiteral("spinBox_RS485_Address_") + number,
                                    sensorPath("FS%1Adress485", n));
        r.response = bound<QSpinBox>(box, QStringLiteral("spinBox_RS485_Response_") + number,
                                     sensorPath("FS%1Response485", n));
        r.filter = bound<QCheckBox>(box, QStringLiteral("checkBox_RS485_Filter_") + number,
                                    sensorPath("FS%1FilterMode485", n));
        r.average = bound<QSpinBox>(box, QStringLiteral("spinBox_RS485_Average_") + number,
                                    sensorPath("FS%1AverLength485", n));
        r.step = bound<QComboBox>(box, QStringLiteral("comboBox_RS485_FilterStep_") + number,
                                  sensorPath("FS%1Kalman485", n));
        r.motion = bound<QCheckBox>(box, QStringLiteral("checkBox_RS485_Motion_") + number,
                                    sensorPath("FS%1_485_PARAM/trhld_move_off", n));
        r.note = new QLabel(box);
        r.note->setObjectName(QStringLiteral("label_RS485_Note_") + number);
        QWidget *const cells[] = {r.use, r.type, r.address, r.response, r.filter, r.average, r.step, r.motion, r.note};
        for (int c = 0; c < 9; ++c)
            grid->addWidget(cells[c], row, c + 1);
        m_rows.append(r);
    }
    grid->setColumnStretch(10, 1);
}

void ORV_FormRS::buildDoorRows()
{
    static const char *const doorKeys[kPassengerDoors] = {"K4810_2609", "K4810_2610", "K4810_2611", "K4810_2612",
                                                          "K4810_2613", "K4810_2614", "K4810_2615"};
    QGridLayout *grid = ui->gridLayout_Passagers;
    QWidget *box = ui->widget_RS485_Passagers;
    for (int i = 0; i < kPassengerDoors; ++i) {
        Door d;
        d.box = new QCheckBox(tr(doorKeys[i]), box);
        d.box->setObjectName(QStringLiteral("checkBox_RS485_Passager_%1").arg(i + 1));
        d.id = bound<QSpinBox>(box, QStringLiteral("spinBox_RS485_Passager_%1").arg(i + 1), QStringLiteral("PCNT/ids"));
        d.id->setProperty("settingsItem", i);
        d.id->setRange(0, 255);
        grid->addWidget(d.box, i, 0);
        grid->addWidget(d.id, i, 1);
        // slot_stateChanged_RS485_Passager_<n>: a door switched on or off.
        connect(d.box, &QCheckBox::stateChanged, this, [this, i](int state) { toggleDoor(i, state != Qt::Unchecked); });
        m_doors.append(d);
    }
    grid->setColumnStretch(2, 1);
}

QCheckBox *ORV_FormRS::sensorUse(int n) const
{
    return n >= 0 && n < m_rows.size() ? m_rows.at(n).use : nullptr;
}

QLabel *ORV_FormRS::sensorNote(int n) const
{
    return n >= 0 && n < m_rows.size() ? m_rows.at(n).note : nullptr;
}

// ---------------------------------------------------------------- combined mode

QMap<int, int> ORV_FormRS::combinedSources(const std::array<bool, 4> &used)
{
    QList<int> checked;
    for (size_t i = 0; i < kCounted.size(); ++i) {
        if (used[i])
            checked << kCounted[i];
    }
    QMap<int, int> out;
    if (checked.size() >= 2)
        out.insert(5, checked.at(1));
    if (checked.size() >= 3)
        out.insert(4, used[0] && used[1] && used[2] ? kCounted[2] : kCounted[3]);
    if (checked.size() >= 4)
        out.insert(3, kCounted[3]);
    return out;
}

QString ORV_FormRS::owner() const
{
    const SettingsModel *m = model();
    return m ? m->text(kSection, kOwner) : QString();
}

QMap<int, int> ORV_FormRS::combinedInModel() const
{
    const SettingsModel *m = model();
    if (!m || owner() != kCombinedOwner)
        return {};
    std::array<bool, 4> used{};
    for (size_t i = 0; i < kCounted.size(); ++i)
        used[i] = m->value(kSection, sensorPath("FS%1use485", kCounted[i]), &SettingsConversion::Stored).toInt() != 0;
    return combinedSources(used);
}

void ORV_FormRS::applyCombined()
{
    SettingsModel *m = model();
    if (!m)
        return;
    const QMap<int, int> now = combinedInModel();
    const QMap<int, int> before = m_combined;
    m_combined = now;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        m->setValue(kSection, sensorPath("FS%1FLStype485", it.key()), 3, &SettingsConversion::Stored);
        for (const char *pattern : kCopied)
            m->setText(kSection, sensorPath(pattern, it.key()), m->text(kSection, sensorPath(pattern, it.value())));
    }
    // A sensor that no longer repeats another is no sensor of its own.
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!now.contains(it.key()))
            m->setValue(kSection, sensorPath("FS%1use485", it.key()), 0, &SettingsConversion::Stored);
    }
    showSensors();
}

// ---------------------------------------------------------------- showing

void ORV_FormRS::afterLoad()
{
    // Derived from the values only: loading writes nothing.
    m_combined = combinedInModel();
    showUseAs();
    showFamily();
    showSensors();
    for (Door &d : m_doors)
        d.last.clear();
    showDoors();
    showRs232();
}

void ORV_FormRS::onModelChanged(const QString &section, const QString &path)
{
    if (binder() && binder()->isLoading())
        return;
    if (section == kCanSection && path == kAdapter) {
        showUseAs();
        showFamily();
        return;
    }
    if (section != kSection)
        return;
    if (path == kOwner) {
        showUseAs();
        showFamily();
        applyCombined();
        return;
    }
    if (path == QLatin1String("PCNT/ids")) {
        showDoors();
        return;
    }
    const int sensor = sensorOf(path);
    if (sensor < 0)
        return;
    if (owner() == kCombinedOwner && std::find(kCounted.begin(), kCounted.end(), sensor) != kCounted.end())
        applyCombined(); // the count is made again, and the copies with it
    else
        showSensors();
}

void ORV_FormRS::showUseAs()
{
    QComboBox *box = ui->comboBox_RS485_UseAs;
    const SettingsModel *m = model();
    const SettingsKey *k = ownerKey();
    if (!m || !k)
        return;
    const QSignalBlocker block(box);
    for (int i = box->count() - 1; i >= 0; --i) {
        if (box->itemData(i).toInt() == kExtraItem)
            box->removeItem(i);
    }
    const QString code = owner();
    int found = -1;
    QString extra = code;
    if (code == kFcan) {
        const QString adapter = m->text(kCanSection, kAdapter);
        for (int i = 0; i < k->choiceCount() && found < 0; ++i) {
            if (adapterOfItem(i) == adapter)
                found = i;
        }
        extra = QStringLiteral("%1 (%2)").arg(tr("K4810_230"), adapter);
    } else {
        for (int i = 0; i < k->choiceCount() && found < 0; ++i) {
            if (QString::fromLatin1(k->choices()[i].code) == code)
                found = i;
        }
    }
    if (found < 0) {
        // A stored code (or adapter) no item stands for: shown and kept.
        box->addItem(extra, kExtraItem);
        found = box->count() - 1;
    }
    box->setCurrentIndex(found);
}

void ORV_FormRS::showFamily()
{
    const QString code = owner();
    const int item = ui->comboBox_RS485_UseAs->currentData().toInt();
    ui->groupBox_RS485_Tach->setVisible(code == QLatin1String("TACH") || code == QLatin1String("TGFS"));
    ui->checkBox_RS485_TachNoPing->setVisible(code == QLatin1String("TACH"));
    ui->groupBox_RS485_Tpms->setVisible(code == QLatin1String("TPMS"));
    ui->groupBox_RS485_Modbus->setVisible(code == QLatin1String("MH_M"));
    ui->groupBox_RS485_Hprs->setVisible(code == QLatin1String("HRPS"));
    ui->groupBox_RS485_Rfid->setVisible(code == QLatin1String("RFID"));
    ui->groupBox_RS485_Refr->setVisible(code == QLatin1String("REFR"));
    ui->groupBox_RS485_Pcnt->setVisible(code == QLatin1String("PCNT"));
    ui->groupBox_RS485_Fuel->setVisible(code == QLatin1String("FLDS") || code == kCombinedOwner);
    const bool can = code == kFcan;
    ui->Btn_RS485_SettingsCanlog->setVisible(can && (item == 2 || item == kExtraItem));
    ui->Btn_RS485_SettingsCanFms->setVisible(can && item == 3);
    ui->Btn_RS485_SettingsDtaCan->setVisible(can && item == 4);
}

void ORV_FormRS::showSensors()
{
    const SettingsModel *m = model();
    if (!m)
        return;
    for (int n = 0; n < m_rows.size(); ++n) {
        const SensorRow &r = m_rows.at(n);
        const bool combined = m_combined.contains(n);
        const bool used = m->value(kSection, sensorPath("FS%1use485", n), &SettingsConversion::Stored).toInt() != 0;
        const bool filter =
            m->value(kSection, sensorPath("FS%1FilterMode485", n), &SettingsConversion::Stored).toInt() != 0;
        r.use->setEnabled(!combined);
        for (QWidget *w : {r.type, r.address, r.response, static_cast<QWidget *>(r.filter), r.motion})
            w->setEnabled(used && !combined);
        r.average->setEnabled(used && filter && !combined);
        r.step->setEnabled(used && filter && !combined);
        r.note->setText(combined ? tr("K4810_2859").arg(m_combined.value(n) + 1) : QString());
    }
}

void ORV_FormRS::showDoors()
{
    const SettingsModel *m = model();
    if (!m)
        return;
    for (int i = 0; i < m_doors.size(); ++i) {
        Door &d = m_doors[i];
        const QString id = m->item(kSection, QStringLiteral("PCNT/ids"), i);
        const bool on = !id.trimmed().isEmpty() && id.trimmed() != QLatin1String("0");
        if (on)
            d.last = id;
        const QSignalBlocker block(d.box);
        d.box->setChecked(on);
        d.id->setEnabled(on);
    }
}

void ORV_FormRS::toggleDoor(int index, bool on)
{
    SettingsModel *m = model();
    if (!m || index < 0 || index >= m_doors.size())
        return;
    const Door &d = m_doors.at(index);
    m->setItem(kSection, QStringLiteral("PCNT/ids"), index,
               on ? (d.last.isEmpty() ? QStringLiteral("1") : d.last) : QStringLiteral("0"));
    showDoors();
}

void ORV_FormRS::showRs232()
{
    const SettingsModel *m = model();
    if (!m)
        return;
    auto shown = [](const QString &text) { return text.isNull() ? QStringLiteral("—") : text; };
    QString use = m->keptText(kSection, QStringLiteral("RS232"));
    if (const SettingsKey *k = ownerKey(); k && !use.isNull()) {
        for (int i = 0; i < k->choiceCount(); ++i) {
            if (QString::fromLatin1(k->choices()[i].code) == use) {
                use = SettingsKey::choiceText(k->choices()[i], "ORV_FormRS");
                break;
            }
        }
    }
    ui->label_RS232_UseAs->setText(shown(use));
    ui->label_RS232_Speed->setText(shown(m->keptText(kSection, QStringLiteral("FSBoudrate232"))));
    ui->label_RS232_Address->setText(shown(m->keptText(kSection, QStringLiteral("RS232MODBUS/address"))));
    ui->label_RS232_Parity->setText(shown(m->keptText(kSection, QStringLiteral("RS232SETTINGS/parity"))));
}

// ---------------------------------------------------------------- user actions

void ORV_FormRS::slot_currentIndexChanged_RS485_UseAs(int nIndex)
{
    SettingsModel *m = model();
    const SettingsKey *k = ownerKey();
    const int item = ui->comboBox_RS485_UseAs->itemData(nIndex).toInt();
    if (!m || !k || item < 0 || item >= k->choiceCount())
        return; // the extra item: the stored code stays as it is
    const QString code = QString::fromLatin1(k->choices()[item].code);
    // The adapter first: the model then announces an Owner that already
    // agrees with it.
    if (code == kFcan)
        m->setText(kCanSection, kAdapter, adapterOfItem(item));
    m->setText(kSection, kOwner, code);
    showUseAs();
    showFamily();
}

void ORV_FormRS::slot_pressed_Btn_RS485_MakeFuelFile()
{
    if (orv_FormXml_K4810 *e = editor(); e && e->device())
        e->device()->ensureFuelViewWindow()->openDigital();
}

void ORV_FormRS::slot_pressed_Btn_RS232_MakeFuelFile()
{
    if (orv_FormXml_K4810 *e = editor(); e && e->device())
        e->device()->ensureFuelViewWindow()->openRs232();
}

void ORV_FormRS::goToCanPage()
{
    orv_FormXml_K4810 *e = editor();
    if (ORV_SettingsPage *p = e ? e->page(orv_FormXml_K4810::PageCAN) : nullptr)
        e->setCurrentTab(p->tabIndex());
}

void ORV_FormRS::slot_pressed_Btn_RS485_SettingsCanlog()
{
    goToCanPage();
}

void ORV_FormRS::slot_pressed_Btn_RS485_SettingsCanFms()
{
    goToCanPage();
}

void ORV_FormRS::slot_pressed_Btn_RS485_SettingsDtaCan()
{
    goToCanPage();
}
