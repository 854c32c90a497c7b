#ifndef ORV_FORMPHONES_H
#define ORV_FORMPHONES_H

#include "settings/pages/orv_cataloguepage.h"

// Settings page of the `PHONES` section: phone numbers and their rights.
class ORV_FormPhones : public ORV_CataloguePage
{
    Q_OBJECT

public:
    explicit ORV_FormPhones(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);

    QString title() const override;
};

#endif // ORV_FORMPHONES_H
