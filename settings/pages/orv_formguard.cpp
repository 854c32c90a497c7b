#include "settings/pages/orv_formguard.h"

ORV_FormGuard::ORV_FormGuard(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_CataloguePage(editor, QStringLiteral("GUARD_PROFILES"), parent)
{
    setObjectName(QStringLiteral("ORV_FormGuard"));
}

QString ORV_FormGuard::title() const
{
    return tr("K4810_1333");
}
