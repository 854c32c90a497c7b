#ifndef ORV_FORMACCELEROMETER_H
#define ORV_FORMACCELEROMETER_H

#include "settings/pages/orv_cataloguepage.h"

// Settings page of the `ACCELEROMETER` section: the accelerometer.
class ORV_FormAccelerometer : public ORV_CataloguePage
{
    Q_OBJECT

public:
    explicit ORV_FormAccelerometer(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);

    QString title() const override;
};

#endif // ORV_FORMACCELEROMETER_H
