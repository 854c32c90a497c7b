#include "settings/pages/orv_formphones.h"

ORV_FormPhones::ORV_FormPhones(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_CataloguePage(editor, QStringLiteral("PHONES"), parent)
{
    setObjectName(QStringLiteral("ORV_FormPhones"));
}

QString ORV_FormPhones::title() const
{
    return tr("K4810_420");
}
