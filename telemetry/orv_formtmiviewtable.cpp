#include "telemetry/orv_formtmiviewtable.h"

orv_FormTmiViewTable::orv_FormTmiViewTable(ORV_Device_K4810 *device)
    : ORV_FileWindow(device, QStringLiteral("orv_FormTmiViewTable"), QStringLiteral("/Localization/Help/K-4810/k-4810tmiView.html"),
                     QStringLiteral("PushButton_Help"))
{
}
