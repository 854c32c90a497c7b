#include "fuel/orv_formfuelview.h"

ORV_FormFuelView::ORV_FormFuelView(ORV_Device_K4810 *device)
    : ORV_FileWindow(device, QStringLiteral("ORV_FormFuelView"), QStringLiteral("/Localization/Help/K-4810/k-4810FuelView.html"),
                     QStringLiteral("pushButton_Help"))
{
}
