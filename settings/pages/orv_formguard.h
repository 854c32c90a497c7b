#ifndef ORV_FORMGUARD_H
#define ORV_FORMGUARD_H

#include "settings/pages/orv_cataloguepage.h"

// Settings page of the `GUARD_PROFILES` section: guard profiles.
class ORV_FormGuard : public ORV_CataloguePage
{
    Q_OBJECT

public:
    explicit ORV_FormGuard(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);

    QString title() const override;
};

#endif // ORV_FORMGUARD_H
