#include "settings/pages/orv_formbluetooth.h"

ORV_FormBluetooth::ORV_FormBluetooth(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_CataloguePage(editor, QStringLiteral("BLUETOOTH"), parent)
{
    setObjectName(QStringLiteral("ORV_FormBluetooth"));
}

QString ORV_FormBluetooth::title() const
{
    return QStringLiteral("Bluetooth");
}
