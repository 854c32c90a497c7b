#include "settings/pages/orv_formecodrive.h"

ORV_FormEcoDrive::ORV_FormEcoDrive(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_CataloguePage(editor, QStringLiteral("ECODRIVE"), parent)
{
    setObjectName(QStringLiteral("ORV_FormEcoDrive"));
}

QString ORV_FormEcoDrive::title() const
{
    return tr("K4810_1427");
}
