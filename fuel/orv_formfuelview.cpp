#include "fuel/orv_formfuelview.h"

#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

ORV_FormFuelView::ORV_FormFuelView(ORV_Device_K4810 *device)
    : QDialog(nullptr)
    , m_device(device)
{
    setObjectName(QStringLiteral("ORV_FormFuelView"));
    setWindowTitle(QStringLiteral("K - 4810"));
    auto *buttons = new QHBoxLayout;
    m_help = new QPushButton(tr("K4810_034"), this);
    m_help->setObjectName(QStringLiteral("pushButton_Help"));
    m_close = new QPushButton(tr("K4810_033"), this);
    m_close->setObjectName(QStringLiteral("PushButton_Close"));
    buttons->addStretch();
    buttons->addWidget(m_help);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addLayout(buttons);
    connect(m_help, &QPushButton::pressed, this, &ORV_FormFuelView::slot_Pressed_PushButton_Help);
    connect(m_close, &QPushButton::pressed, this, &ORV_FormFuelView::slot_Pressed_PushButton_Close);
}

ORV_FormFuelView::~ORV_FormFuelView() = default;

void ORV_FormFuelView::openFile(const QString &fileName)
{
    m_fileName = fileName;
    show();
    raise();
}

void ORV_FormFuelView::slot_Pressed_PushButton_Help()
{
    QString path = QStringLiteral("/Localization/Help/K-4810/k-4810FuelView.html");
    m_device->send(OrvMsg::Help, reinterpret_cast<intptr_t>(&path), 0);
}

void ORV_FormFuelView::slot_Pressed_PushButton_Close()
{
    close();
}
