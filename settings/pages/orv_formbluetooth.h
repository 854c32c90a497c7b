#ifndef ORV_FORMBLUETOOTH_H
#define ORV_FORMBLUETOOTH_H

#include "settings/pages/orv_cataloguepage.h"

// Settings page of the `BLUETOOTH` section: bluetooth.
class ORV_FormBluetooth : public ORV_CataloguePage
{
    Q_OBJECT

public:
    explicit ORV_FormBluetooth(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);

    QString title() const override;
};

#endif // ORV_FORMBLUETOOTH_H
