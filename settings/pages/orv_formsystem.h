#ifndef ORV_FORMSYSTEM_H
#define ORV_FORMSYSTEM_H

#include "settings/pages/orv_cataloguepage.h"

// Settings page of the `SYSTEM` section: passwords, time zone, balance checks, power saving and thresholds.
class ORV_FormSystem : public ORV_CataloguePage
{
    Q_OBJECT

public:
    explicit ORV_FormSystem(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);

    QString title() const override;
};

#endif // ORV_FORMSYSTEM_H
