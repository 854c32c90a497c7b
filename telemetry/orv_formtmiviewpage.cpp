#include "telemetry/orv_formtmiviewpage.h"

orv_FormTmiViewPage::orv_FormTmiViewPage(ORV_Device_K4810 *device)
    : ORV_FileWindow(device, QStringLiteral("orv_FormTmiViewPage"), QStringLiteral("/Localization/Help/K-4810/k-4810tmiView.html"),
                     QStringLiteral("PushButton_Help"))
{
}
