#include "settings/pages/orv_formcan.h"

ORV_FormCAN::ORV_FormCAN(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_CataloguePage(editor, QStringLiteral("CAN"), parent)
{
    setObjectName(QStringLiteral("ORV_FormCAN"));
}

QString ORV_FormCAN::title() const
{
    return tr("K4810_230");
}
