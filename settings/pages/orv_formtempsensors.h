#ifndef ORV_FORMTEMPSENSORS_H
#define ORV_FORMTEMPSENSORS_H

#include "settings/pages/orv_cataloguepage.h"

// Settings page of the `TEMP_SENSORS` section: one-wire temperature sensors.
class ORV_FormTempSensors : public ORV_CataloguePage
{
    Q_OBJECT

public:
    explicit ORV_FormTempSensors(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);

    QString title() const override;
};

#endif // ORV_FORMTEMPSENSORS_H
