#include "accessories/orv_formcan.h"

#include "core/orvmessages.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "settings/model/settingsconversion.h"
#include "settings/model/settingsmodel.h"
#include "ui_orv_formcan.h"

#include <QSignalBlocker>
#include <QTimer>

namespace {

const QString kSection = QStringLiteral("CAN");

} // namespace

ORV_FormCAN::ORV_FormCAN(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_SettingsPage(editor, parent)
    , ui(std::make_unique<Ui::ORV_FormCAN>())
    , m_checkTimer(new QTimer(this))
{
    ui->setupUi(this);
    m_thresholds = {
        {ui->checkBox_Fuel, ui->doubleSpinBox_Fuel, QStringLiteral("CANfuelThreshold")},
        {ui->checkBox_Weight, ui->spinBox_Weight, QStringLiteral("CANvWThreshold")},
        {ui->checkBox_Engine, ui->spinBox_Engine, QStringLiteral("CANengLoadThreshold")},
        {ui->checkBox_PedalAccel, ui->spinBox_PedalAccel, QStringLiteral("CANaclThreshold")},
        {ui->checkBox_PedalStop, ui->spinBox_PedalStop, QStringLiteral("CANbrakeThreshold")},
        {ui->checkBox_Speed, ui->spinBox_Speed, QStringLiteral("CANspeedThreshold")},
        {ui->checkBox_Turns, ui->spinBox_Turns, QStringLiteral("CANrpmThreshold")},
        {ui->checkBox_RpmLimit, ui->spinBox_RpmLimit, QStringLiteral("CANrpmLimit")},
    };
    connect(ui->checkBox_Fuel, &QCheckBox::stateChanged, this, &ORV_FormCAN::slot_stateChanged_Fuel);
    connect(ui->checkBox_Weight, &QCheckBox::stateChanged, this, &ORV_FormCAN::slot_stateChanged_Weight);
    connect(ui->checkBox_Engine, &QCheckBox::stateChanged, this, &ORV_FormCAN::slot_stateChanged_Engine);
    connect(ui->checkBox_PedalAccel, &QCheckBox::stateChanged, this, &ORV_FormCAN::slot_stateChanged_PedalAccel);
    connect(ui->checkBox_PedalStop, &QCheckBox::stateChanged, this, &ORV_FormCAN::slot_stateChanged_PedalStop);
    connect(ui->checkBox_Speed, &QCheckBox::stateChanged, this, &ORV_FormCAN::slot_stateChanged_Speed);
    connect(ui->checkBox_Turns, &QCheckBox::stateChanged, this, &ORV_FormCAN::slot_stateChanged_Turns);
    connect(ui->checkBox_RpmLimit, &QCheckBox::stateChanged, this, &ORV_FormCAN::slot_stateChanged_RpmLimit);
    connect(ui->Btn_Programm, &QPushButton::pressed, this, &ORV_FormCAN::slot_pressed_Btn_Programm);
    connect(ui->Btn_RS232_Settings, &QPushButton::pressed, this, &ORV_FormCAN::slot_pressed_Btn_RS232_Settings);

    if (SettingsModel *m = model()) {
        connect(m, &SettingsModel::valueChanged, this, [this](const QString &section, const QString &path) {
            if (section != kSection)
                return;
            for (int i = 0; i < m_thresholds.size(); ++i) {
                if (m_thresholds.at(i).path == path)
                    showThreshold(i);
            }
        });
    }
    m_checkTimer->setSingleShot(true);
    connect(m_checkTimer, &QTimer::timeout, this, [this] {
        // No answer in time: the adapter is not there, and an answer that
        // comes later is not waited for.
        stopPolling();
        endCheck(tr("K4810_2875").arg(m_checkAddress));
    });
    updateControls();
}

ORV_FormCAN::~ORV_FormCAN() = default;

void ORV_FormCAN::afterLoad()
{
    for (int i = 0; i < m_thresholds.size(); ++i) {
        m_thresholds[i].last = 0;
        showThreshold(i);
    }
}

void ORV_FormCAN::showThreshold(int index)
{
    Threshold &t = m_thresholds[index];
    const SettingsModel *m = model();
    const double value = m ? m->value(kSection, t.path, &SettingsConversion::Stored).toDouble() : 0.0;
    if (value != 0)
        t.last = value;
    {
        const QSignalBlocker block(t.box);
        t.box->setChecked(value != 0);
    }
    t.spin->setEnabled(value != 0);
}

void ORV_FormCAN::toggleThreshold(int index, int state)
{
    SettingsModel *m = model();
    if (!m || index < 0 || index >= m_thresholds.size())
        return;
    const Threshold &t = m_thresholds.at(index);
    const double value = state == Qt::Unchecked ? 0.0 : (t.last != 0 ? t.last : 1.0);
    m->setValue(kSection, t.path, value, &SettingsConversion::Stored);
    showThreshold(index);
}

void ORV_FormCAN::slot_stateChanged_Fuel(int nState) { toggleThreshold(0, nState); }
void ORV_FormCAN::slot_stateChanged_Weight(int nState) { toggleThreshold(1, nState); }
void ORV_FormCAN::slot_stateChanged_Engine(int nState) { toggleThreshold(2, nState); }
void ORV_FormCAN::slot_stateChanged_PedalAccel(int nState) { toggleThreshold(3, nState); }
void ORV_FormCAN::slot_stateChanged_PedalStop(int nState) { toggleThreshold(4, nState); }
void ORV_FormCAN::slot_stateChanged_Speed(int nState) { toggleThreshold(5, nState); }
void ORV_FormCAN::slot_stateChanged_Turns(int nState) { toggleThreshold(6, nState); }
void ORV_FormCAN::slot_stateChanged_RpmLimit(int nState) { toggleThreshold(7, nState); }

void ORV_FormCAN::slot_pressed_Btn_RS232_Settings()
{
    orv_FormXml_K4810 *e = editor();
    if (ORV_SettingsPage *rs = e ? e->page(orv_FormXml_K4810::PageRS) : nullptr)
        e->setCurrentTab(rs->tabIndex());
}

void ORV_FormCAN::slot_pressed_Btn_Programm()
{
    if (!isOnline() || m_checking)
        return;
    const SettingsModel *m = model();
    m_checkAddress = m ? m->value(kSection, QStringLiteral("CANaddress"), &SettingsConversion::Stored).toInt() : 1;
    // Waiting before the send: the answer may come from inside it.
    m_checking = true;
    ui->label_Check->clear();
    m_checkTimer->start(m_checkTimeout);
    updateControls();
    if (!request(OrvMsg::CanRead, m_checkAddress, 0, {OrvMsg::CanAnswer}) && m_checking) {
        m_checking = false;
        m_checkTimer->stop();
        updateControls();
    }
}

void ORV_FormCAN::onCanValue(char value)
{
    if (!m_checking)
        return;
    endCheck(value == '1' ? tr("K4810_2874").arg(m_checkAddress) : tr("K4810_2875").arg(m_checkAddress));
}

bool ORV_FormCAN::requestTimedOut(uint32_t msgId)
{
    // The check's own limit ends it as unanswered, with the page's own text.
    if (msgId != OrvMsg::CanRead || !m_checking)
        return false;
    endCheck(tr("K4810_2875").arg(m_checkAddress));
    return true;
}

void ORV_FormCAN::endCheck(const QString &text)
{
    m_checking = false;
    m_checkTimer->stop();
    ui->label_Check->setText(text);
    updateControls();
}

void ORV_FormCAN::setOnline(bool online)
{
    ORV_SettingsPage::setOnline(online);
    if (!online && m_checking) {
        m_checking = false;
        m_checkTimer->stop();
        ui->label_Check->clear();
    }
    updateControls();
}

void ORV_FormCAN::hideEvent(QHideEvent *event)
{
    // Leaving the page drops its waits: a check in progress is forgotten.
    if (m_checking) {
        m_checking = false;
        m_checkTimer->stop();
        ui->label_Check->clear();
        updateControls();
    }
    ORV_SettingsPage::hideEvent(event);
}

void ORV_FormCAN::updateControls()
{
    ui->Btn_Programm->setEnabled(isOnline() && !m_checking);
}
