#include "core/orv_filewindow.h"

#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"

#include <QHBoxLayout>
#include <QMessageBox>
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
    m_buttons = new QHBoxLayout;
    m_help = new QPushButton(tr("K4810_034"), this);
    m_help->setObjectName(helpButtonName);
    m_help->setAutoDefault(false);
    m_close = new QPushButton(tr("K4810_033"), this);
    m_close->setObjectName(QStringLiteral("PushButton_Close"));
    m_close->setAutoDefault(false);
    m_buttons->addStretch();
    m_buttons->addWidget(m_help);
    m_buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    m_content = new QVBoxLayout;
    layout->addLayout(m_content, 1);
    layout->addLayout(m_buttons);
    connect(m_help, &QPushButton::pressed, this, &ORV_FileWindow::slot_Pressed_PushButton_Help);
    connect(m_close, &QPushButton::pressed, this, &ORV_FileWindow::slot_Pressed_PushButton_Close);
}

ORV_FileWindow::~ORV_FileWindow() = default;

QString ORV_FileWindow::sizeText(qint64 bytes)
{
    return QString::asprintf("%.1f Kb", double(bytes) / 1024.0);
}

void ORV_FileWindow::showFile(const QString &fileName)
{
    m_fileName = fileName;
    show();
    raise();
}

void ORV_FileWindow::tell(const QString &title, const QString &text)
{
    if (m_notifier) {
        m_notifier(title, text);
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::NoButton, this);
    box->addButton(tr("K4810_003"), QMessageBox::AcceptRole);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->show();
}

void ORV_FileWindow::slot_Pressed_PushButton_Help()
{
    QString path = m_helpPath;
    if (m_device)
        m_device->send(OrvMsg::Help, reinterpret_cast<intptr_t>(&path), 0);
}

void ORV_FileWindow::slot_Pressed_PushButton_Close()
{
    close();
}
