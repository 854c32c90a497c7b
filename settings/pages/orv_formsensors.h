#ifndef ORV_FORMSENSORS_H
#define ORV_FORMSENSORS_H

#include "settings/pages/orv_cataloguepage.h"

// Settings page of the `SENSORS` section: discrete and analog inputs.
class ORV_FormSensors : public ORV_CataloguePage
{
    Q_OBJECT

public:
    explicit ORV_FormSensors(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);

    QString title() const override;
};

#endif // ORV_FORMSENSORS_H
