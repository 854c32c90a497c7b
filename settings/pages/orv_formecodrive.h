#ifndef ORV_FORMECODRIVE_H
#define ORV_FORMECODRIVE_H

#include "settings/pages/orv_cataloguepage.h"

// Settings page of the `ECODRIVE` section: driving style.
class ORV_FormEcoDrive : public ORV_CataloguePage
{
    Q_OBJECT

public:
    explicit ORV_FormEcoDrive(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);

    QString title() const override;
};

#endif // ORV_FORMECODRIVE_H
