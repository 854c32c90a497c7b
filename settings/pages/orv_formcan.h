#ifndef ORV_FORMCAN_H
#define ORV_FORMCAN_H

#include "settings/pages/orv_cataloguepage.h"

// Settings page of the `CAN` section: the CAN bus.
class ORV_FormCAN : public ORV_CataloguePage
{
    Q_OBJECT

public:
    explicit ORV_FormCAN(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);

    QString title() const override;
};

#endif // ORV_FORMCAN_H
