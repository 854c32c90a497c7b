#include "settings/pages/orv_formtempsensors.h"

ORV_FormTempSensors::ORV_FormTempSensors(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_CataloguePage(editor, QStringLiteral("TEMP_SENSORS"), parent)
{
    setObjectName(QStringLiteral("ORV_FormTempSensors"));
}

QString ORV_FormTempSensors::title() const
{
    return tr("K4810_270");
}
