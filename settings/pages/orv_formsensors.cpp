#include "settings/pages/orv_formsensors.h"

ORV_FormSensors::ORV_FormSensors(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_CataloguePage(editor, QStringLiteral("SENSORS"), parent)
{
    setObjectName(QStringLiteral("ORV_FormSensors"));
}

QString ORV_FormSensors::title() const
{
    return tr("K4810_290");
}
