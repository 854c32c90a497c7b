#include "settings/pages/orv_formoutputlines.h"

ORV_FormOutputLines::ORV_FormOutputLines(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_CataloguePage(editor, QStringLiteral("OUTPUT_LINES"), parent)
{
    setObjectName(QStringLiteral("ORV_FormOutputLines"));
}

QString ORV_FormOutputLines::title() const
{
    return tr("K4810_360");
}
