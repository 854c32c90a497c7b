#include "settings/pages/orv_formaccelerometer.h"

ORV_FormAccelerometer::ORV_FormAccelerometer(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_CataloguePage(editor, QStringLiteral("ACCELEROMETER"), parent)
{
    setObjectName(QStringLiteral("ORV_FormAccelerometer"));
}

QString ORV_FormAccelerometer::title() const
{
    return tr("K4810_340");
}
