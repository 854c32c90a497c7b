#include "settings/pages/orv_formtrack.h"

#include "settings/editor/orv_formxml_k4810.h"
#include "ui_orv_formtrack.h"

ORV_FormTrack::ORV_FormTrack(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_SettingsPage(editor, parent)
    , ui(new Ui::ORV_FormTrack)
{
    ui->setupUi(this);
    connect(ui->pushButton_ParkingAccel, &QPushButton::pressed, this, &ORV_FormTrack::slot_pressed_BtnParkingAccel);
}

ORV_FormTrack::~ORV_FormTrack() = default;

void ORV_FormTrack::slot_pressed_BtnParkingAccel()
{
    if (!editor())
        return;
    if (ORV_SettingsPage *accelerometer = editor()->page(orv_FormXml_K4810::PageAccelerometer))
        editor()->setCurrentTab(accelerometer->tabIndex());
}
