#include "settings/pages/orv_formtrack.h"

ORV_FormTrack::ORV_FormTrack(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_CataloguePage(editor, QStringLiteral("TRACK"), parent)
{
    setObjectName(QStringLiteral("ORV_FormTrack"));
}

QString ORV_FormTrack::title() const
{
    return tr("K4810_150");
}
