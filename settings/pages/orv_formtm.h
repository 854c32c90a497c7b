#ifndef ORV_FORMTM_H
#define ORV_FORMTM_H

#include "settings/pages/orv_cataloguepage.h"

// Settings page of the `TM_KEYS` section: touch-memory keys.
class ORV_FormTM : public ORV_CataloguePage
{
    Q_OBJECT

public:
    explicit ORV_FormTM(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);

    QString title() const override;
};

#endif // ORV_FORMTM_H
