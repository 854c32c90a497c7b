#ifndef ORV_FORMTRANSFER_H
#define ORV_FORMTRANSFER_H

#include "settings/pages/orv_cataloguepage.h"

// Settings page of the `TRANSFER` section: servers, protocols, the access point, roaming and firmware updates.
class ORV_FormTransfer : public ORV_CataloguePage
{
    Q_OBJECT

public:
    explicit ORV_FormTransfer(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);

    QString title() const override;
};

#endif // ORV_FORMTRANSFER_H
