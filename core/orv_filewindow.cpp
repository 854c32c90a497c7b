#include "core/orv_filewindow.h"

#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

ORV_FileWindow::ORV_FileWindow(ORV_Device_K4810 *device, const QString &objectName, const QString &helpPath,
                               const QString &helpButtonName)
    : QDialog(nullptr)
    , m_device(device)
    , m_helpPath(helpPath)
{
    setObjectName(objectName);
    setWindowTitle(QStringLiteral("K - 4810"));
    auto *buttons = new QHBoxLayout;
    m_help = new QPushButton(tr("K4810_034"), this);
    m_help->setObjectName(helpButtonName);
    m_close = new QPushButton(tr("K4810_033"), this);
    m_close->setObjectName(QStringLiteral("PushButton_Close"));
    buttons->addStretch();
    buttons->addWidget(m_help);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addLayout(buttons);
    connect(m_help, &QPushButton::pressed, this, &ORV_FileWindow::slot_Pressed_PushButton_Help);
    connect(m_close, &QPushButton::pressed, this, &ORV_FileWindow::slot_Pressed_PushButton_Close);
}

ORV_FileWindow::~ORV_FileWindow() = default;

void ORV_FileWindow::showFile(const QString &fileName)
{
    m_fileName = fileName;
    show();
    raise();
}

void ORV_FileWindow::slot_Pressed_PushButton_Help()
{
    QString path = m_helpPath;
    m_device->send(OrvMsg::Help, reinterpret_cast<intptr_t>(&path), 0);
}

void ORV_FileWindow::slot_Pressed_PushButton_Close()
{
    close();
}
