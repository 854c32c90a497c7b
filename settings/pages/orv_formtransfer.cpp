#include "settings/pages/orv_formtransfer.h"

ORV_FormTransfer::ORV_FormTransfer(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_CataloguePage(editor, QStringLiteral("TRANSFER"), parent)
{
    setObjectName(QStringLiteral("ORV_FormTransfer"));
}

QString ORV_FormTransfer::title() const
{
    return tr("K4810_050");
}
