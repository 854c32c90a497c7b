#ifndef ORV_FORMTRACK_H
#define ORV_FORMTRACK_H

#include "settings/pages/orv_settingspage.h"

#include <memory>

namespace Ui {
class ORV_FormTrack;
}

// Third tab of the settings editor: when the tracker writes a track point
// (course change, distance, time), which positions it rejects, averaging,
// the speed limit and parking (section TRACK).
//
// Every widget is bound to its key in the .ui; the enabling rules are
// settingsEnabledBy there, and the two course-change boxes share one key
// (1 by angle, 2 by direction, 0 neither), so checking one unchecks the
// other. The speed-limit state other pages follow is the model's
// TRACK/GPStrackMaxPermVelocity.
class ORV_FormTrack : public ORV_SettingsPage
{
    Q_OBJECT

public:
    explicit ORV_FormTrack(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);
    ~ORV_FormTrack() override;

public slots:
    // Opens the accelerometer page, where the movement thresholds that end
    // a parking are set.
    void slot_pressed_BtnParkingAccel();

private:
    std::unique_ptr<Ui::ORV_FormTrack> ui;
};

#endif // ORV_FORMTRACK_H
