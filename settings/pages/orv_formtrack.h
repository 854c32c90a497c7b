#ifndef ORV_FORMTRACK_H
#define ORV_FORMTRACK_H

#include "settings/pages/orv_cataloguepage.h"

// Settings page of the `TRACK` section: rules for recording the track.
class ORV_FormTrack : public ORV_CataloguePage
{
    Q_OBJECT

public:
    explicit ORV_FormTrack(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);

    QString title() const override;
};

#endif // ORV_FORMTRACK_H
