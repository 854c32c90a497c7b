#include "settings/pages/orv_formrs.h"

ORV_FormRS::ORV_FormRS(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_CataloguePage(editor, QStringLiteral("RS485"), parent)
{
    setObjectName(QStringLiteral("ORV_FormRS"));
}

QString ORV_FormRS::title() const
{
    return tr("K4810_819");
}
