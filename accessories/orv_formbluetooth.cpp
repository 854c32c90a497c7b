#include "accessories/orv_formbluetooth.h"

#include "accessories/bluetoothsearch.h"
#include "core/orvmessages.h"
#include "settings/model/settingsmodel.h"
#include "settings/pages/settingsbinder.h"
#include "ui_orv_formbluetooth.h"

#include <QSignalBlocker>

#include <climits>

namespace {

const QString kSection = QStringLiteral("BLUETOOTH");
const QString kDevice = QStringLiteral("CHANNEL1/device");
const QString kAddress = QStringLiteral("CHANNEL1/macadr");

} // namespace

ORV_FormBluetooth::ORV_FormBluetooth(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_SettingsPage(editor, parent)
    , ui(std::make_unique<Ui::ORV_FormBluetooth>())
{
    ui->setupUi(this);
    // Every answer of the search (2131) reaches the page until it stops.
    m_search = new BluetoothSearch(
        [this](uint32_t msgId) { return request(msgId, 0, 0, {OrvMsg::BluetoothAnswer}, true); }, this);
    connect(m_search, &BluetoothSearch::changed, this, &ORV_FormBluetooth::showSearch);

    connect(ui->Btn_Bt_Find, &QPushButton::pressed, this, &ORV_FormBluetooth::slot_pressed_Btn_Bt_Find);
    connect(ui->Btn_Bt_Cancel, &QPushButton::pressed, this, &ORV_FormBluetooth::slot_pressed_Btn_Bt_Cancel);
    connect(ui->Btn_Bt_Add, &QPushButton::pressed, this, &ORV_FormBluetooth::slot_pressed_Btn_Bt_Add);
    connect(ui->comboBox_Bt_Device, &QComboBox::activated, this,
            &ORV_FormBluetooth::slot_activated_comboBox_Bt_Device);
    connect(ui->listWidget_Bt_Found, &QListWidget::currentRowChanged, this, [this] { updateControls(); });
    connect(ui->listWidget_Bt_Found, &QListWidget::itemDoubleClicked, this,
            [this] { slot_pressed_Btn_Bt_Add(); });
    updateControls();
}

ORV_FormBluetooth::~ORV_FormBluetooth() = default;

void ORV_FormBluetooth::setOnline(bool online)
{
    ORV_SettingsPage::setOnline(online);
    if (!online)
        m_search->detach();
    updateControls();
}

void ORV_FormBluetooth::hideEvent(QHideEvent *event)
{
    // Leaving the page (or closing the editor) ends its waits: the search
    // is cancelled rather than left running unseen.
    m_search->abandon();
    ORV_SettingsPage::hideEvent(event);
}

void ORV_FormBluetooth::onAnswer(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    if (msgId != OrvMsg::BluetoothAnswer || !p1 || p2 <= 0 || p2 > INT_MAX)
        return;
    m_search->onAnswer(reinterpret_cast<const unsigned char *>(p1), int(p2));
}

void ORV_FormBluetooth::slot_pressed_Btn_Bt_Find()
{
    if (!isOnline() || m_search->isRunning())
        return;
    m_search->start();
}

void ORV_FormBluetooth::slot_pressed_Btn_Bt_Cancel()
{
    m_search->cancel();
}

void ORV_FormBluetooth::slot_pressed_Btn_Bt_Add()
{
    takeDevice(ui->listWidget_Bt_Found->currentRow());
}

void ORV_FormBluetooth::slot_activated_comboBox_Bt_Device(int nIndex)
{
    // The binder has stored the name; a found device brings its address.
    const QString name = ui->comboBox_Bt_Device->itemText(nIndex);
    const QList<BluetoothDevice> &devices = m_search->devices();
    for (const BluetoothDevice &d : devices) {
        if (d.name == name) {
            if (SettingsModel *m = model())
                m->setText(kSection, kAddress, d.address);
            return;
        }
    }
}

void ORV_FormBluetooth::takeDevice(int found)
{
    SettingsModel *m = model();
    const QList<BluetoothDevice> &devices = m_search->devices();
    if (!m || found < 0 || found >= devices.size() || m_search->isRunning())
        return;
    m->setText(kSection, kDevice, devices.at(found).name);
    m->setText(kSection, kAddress, devices.at(found).address);
}

void ORV_FormBluetooth::fillDeviceNames()
{
    QStringList names;
    for (const BluetoothDevice &d : m_search->devices()) {
        if (!names.contains(d.name))
            names << d.name;
    }
    if (names == m_deviceNames)
        return;
    m_deviceNames = names;
    QComboBox *box = ui->comboBox_Bt_Device;
    {
        // Items changing is no choice of the user's.
        const QSignalBlocker block(box);
        box->clear();
        box->addItems(names);
    }
    // The binder selects the stored name again, or shows it as an extra item.
    if (binder())
        binder()->load();
}

void ORV_FormBluetooth::showSearch()
{
    ui->label_Bt_Status->setText(m_search->statusText());
    QListWidget *list = ui->listWidget_Bt_Found;
    const QList<BluetoothDevice> &devices = m_search->devices();
    {
        const QSignalBlocker block(list);
        list->clear();
        for (const BluetoothDevice &d : devices)
            list->addItem(QStringLiteral("%1   %2").arg(d.name, d.address));
        if (!m_search->isRunning() && m_search->selectedDevice() >= 0)
            list->setCurrentRow(m_search->selectedDevice());
    }
    fillDeviceNames();
    updateControls();
}

void ORV_FormBluetooth::updateControls()
{
    const bool running = m_search->isRunning();
    ui->Btn_Bt_Find->setEnabled(isOnline() && !running);
    ui->Btn_Bt_Cancel->setEnabled(m_search->state() == BluetoothSearch::State::Searching);
    ui->Btn_Bt_Add->setEnabled(!running && ui->listWidget_Bt_Found->currentRow() >= 0);
}
