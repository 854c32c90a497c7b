#include "telemetry/orv_formtmi_k4810.h"

#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

orv_FormTmi_K4810::orv_FormTmi_K4810(ORV_Device_K4810 *device)
    : QDialog(nullptr)
    , m_device(device)
{
    setObjectName(QStringLiteral("orv_FormTmi_K4810"));
    setWindowTitle(QStringLiteral("K - 4810"));
    auto *buttons = new QHBoxLayout;
    m_help = new QPushButton(tr("K4810_034"), this);
    m_help->setObjectName(QStringLiteral("BtnHelp"));
    m_close = new QPushButton(tr("K4810_033"), this);
    m_close->setObjectName(QStringLiteral("BtnClose"));
    buttons->addStretch();
    buttons->addWidget(m_help);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addLayout(buttons);
    connect(m_help, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnHelp);
    connect(m_close, &QPushButton::pressed, this, &orv_FormTmi_K4810::slot_pressed_BtnClose);
    connect(this, &QDialog::finished, this, &orv_FormTmi_K4810::slot_finished);
}

orv_FormTmi_K4810::~orv_FormTmi_K4810() = default;

void orv_FormTmi_K4810::openWithSettings(const QString &settingsFile, bool applyAutoMode)
{
    Q_UNUSED(settingsFile);
    Q_UNUSED(applyAutoMode);
    show();
    raise();
}

void orv_FormTmi_K4810::onBalanceAnswer(const QString &text)
{
    Q_UNUSED(text);
}

void orv_FormTmi_K4810::onBalancePage(const uchar *data, int length)
{
    Q_UNUSED(data);
    Q_UNUSED(length);
}

void orv_FormTmi_K4810::onPage(const uchar *data, int length)
{
    Q_UNUSED(data);
    Q_UNUSED(length);
}

void orv_FormTmi_K4810::onClearAnswer(const uchar *data, int length)
{
    Q_UNUSED(data);
    Q_UNUSED(length);
}

void orv_FormTmi_K4810::closeForConnectionChange()
{
    close();
}

void orv_FormTmi_K4810::onTouchMemoryCode(quint64 code)
{
    Q_UNUSED(code);
}

void orv_FormTmi_K4810::onFuelSensorAnswer(const uchar *data, int length)
{
    Q_UNUSED(data);
    Q_UNUSED(length);
}

void orv_FormTmi_K4810::onTachoAnswer(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    Q_UNUSED(msgId);
    Q_UNUSED(p1);
    Q_UNUSED(p2);
}

void orv_FormTmi_K4810::onRfid(quint64 code, intptr_t p2)
{
    Q_UNUSED(code);
    Q_UNUSED(p2);
}

bool orv_FormTmi_K4810::isRecordValid(const uchar *record, int length)
{
    if (!record || length < 22)
        return false;
    switch (record[0]) {
    case 6:
        return record[13] & 1;
    case 8:
        return record[11] & 1;
    default:
        return false;
    }
}

void orv_FormTmi_K4810::slot_pressed_BtnClose()
{
    close();
}

void orv_FormTmi_K4810::slot_finished(int nResult)
{
    Q_UNUSED(nResult);
    close();
}

void orv_FormTmi_K4810::slot_pressed_BtnHelp()
{
    QString path = QStringLiteral("/Localization/Help/K-4810/k-4810tmi.html");
    m_device->send(OrvMsg::Help, reinterpret_cast<intptr_t>(&path), 0);
}
