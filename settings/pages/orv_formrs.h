#ifndef ORV_FORMRS_H
#define ORV_FORMRS_H

#include "settings/pages/orv_cataloguepage.h"

// Settings page of the `RS485` section: rS-232 and RS-485 peripherals.
class ORV_FormRS : public ORV_CataloguePage
{
    Q_OBJECT

public:
    explicit ORV_FormRS(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);

    QString title() const override;
};

#endif // ORV_FORMRS_H
