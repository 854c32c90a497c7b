#include "settings/pages/orv_formsystem.h"

ORV_FormSystem::ORV_FormSystem(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_CataloguePage(editor, QStringLiteral("SYSTEM"), parent)
{
    setObjectName(QStringLiteral("ORV_FormSystem"));
}

QString ORV_FormSystem::title() const
{
    return tr("K4810_190");
}
