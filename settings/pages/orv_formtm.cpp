#include "settings/pages/orv_formtm.h"

ORV_FormTM::ORV_FormTM(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_CataloguePage(editor, QStringLiteral("TM_KEYS"), parent)
{
    setObjectName(QStringLiteral("ORV_FormTM"));
}

QString ORV_FormTM::title() const
{
    return tr("K4810_1242");
}
