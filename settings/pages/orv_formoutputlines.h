#ifndef ORV_FORMOUTPUTLINES_H
#define ORV_FORMOUTPUTLINES_H

#include "settings/pages/orv_cataloguepage.h"

// Settings page of the `OUTPUT_LINES` section: output lines.
class ORV_FormOutputLines : public ORV_CataloguePage
{
    Q_OBJECT

public:
    explicit ORV_FormOutputLines(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);

    QString title() const override;
};

#endif // ORV_FORMOUTPUTLINES_H
