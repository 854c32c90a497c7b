#include "settings/editor/orv_formxml_k4810.h"

#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

orv_FormXml_K4810::orv_FormXml_K4810(ORV_Device_K4810 *device)
    : QDialog(nullptr)
    , m_device(device)
{
    setObjectName(QStringLiteral("orv_FormXml_K4810"));
    setWindowTitle(QStringLiteral("K - 4810"));
    auto *buttons = new QHBoxLayout;
    m_help = new QPushButton(tr("K4810_034"), this);
    m_help->setObjectName(QStringLiteral("pushButton_Help"));
    m_close = new QPushButton(tr("K4810_033"), this);
    m_close->setObjectName(QStringLiteral("pushButton_Close"));
    buttons->addStretch();
    buttons->addWidget(m_help);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addLayout(buttons);
    connect(m_help, &QPushButton::pressed, this, &orv_FormXml_K4810::slot_pressed_pushButton_Help);
    connect(m_close, &QPushButton::pressed, this, &orv_FormXml_K4810::slot_pressed_pushButton_Close);
    connect(this, &QDialog::finished, this, &orv_FormXml_K4810::slot_finished);
}

orv_FormXml_K4810::~orv_FormXml_K4810() = default;

void orv_FormXml_K4810::resetAll()
{
    setWindowTitle(QStringLiteral("K - 4810 : NONAME"));
}

int orv_FormXml_K4810::openSettingsFile(const QString &path, int titleMode)
{
    Q_UNUSED(path);
    Q_UNUSED(titleMode);
    return -1;
}

void orv_FormXml_K4810::showMode(int viewMode)
{
    Q_UNUSED(viewMode);
    show();
    raise();
}

void orv_FormXml_K4810::showSettingsWindow(int mode)
{
    Q_UNUSED(mode);
    show();
    raise();
}

void orv_FormXml_K4810::setOnline(bool online)
{
    m_online = online;
}

void orv_FormXml_K4810::onWriteAck(int result)
{
    Q_UNUSED(result);
}

void orv_FormXml_K4810::onTouchMemoryCode(quint64 code)
{
    Q_UNUSED(code);
}

void orv_FormXml_K4810::receiveAnswer(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    Q_UNUSED(msgId);
    Q_UNUSED(p1);
    Q_UNUSED(p2);
}

void orv_FormXml_K4810::slot_pressed_pushButton_Help()
{
    QString path = QStringLiteral("/Localization/Help/K-4810/k-4810conf.html");
    m_device->send(OrvMsg::Help, reinterpret_cast<intptr_t>(&path), 0);
}

void orv_FormXml_K4810::slot_pressed_pushButton_Close()
{
    close();
}

void orv_FormXml_K4810::slot_finished(int nResult)
{
    Q_UNUSED(nResult);
    close();
}
