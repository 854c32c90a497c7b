#ifndef ORV_FORMGUARD_H
#define ORV_FORMGUARD_H

#include "settings/pages/orv_settingspage.h"

#include <memory>

namespace Ui {
class ORV_FormGuard;
}

// The guard page (section GUARD_PROFILES): whether the guard is used, the
// events each of the two modes watches (MODE0 the guard, MODE1 the
// observation mode; one "0"/"1" an event in inUse) and what the tracker
// does in each of their states, the output line switched with the guard,
// the additional settings and automatic re-arming.
//
// Every control is bound to its key. Enabling follows the keys: the guard
// settings with the guard's use box, the switching controls while a line is
// chosen, the disarm delay while the alarm is not raised at once, the
// ignition-by-voltage option with the ignition check.
class ORV_FormGuard : public ORV_SettingsPage
{
    Q_OBJECT

public:
    static constexpr int ModeCount = 2;
    static constexpr int EventCount = 11;

    explicit ORV_FormGuard(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);
    ~ORV_FormGuard() override;

public slots:
    // The user turns the ignition check off: the option that depends on it
    // goes off too.
    void slot_toggled_More_NoProtection(bool bChecked);

private:
    std::unique_ptr<Ui::ORV_FormGuard> ui;
};

#endif // ORV_FORMGUARD_H
