#ifndef ORV_FORMECODRIVE_H
#define ORV_FORMECODRIVE_H

#include "settings/pages/orv_settingspage.h"

#include <QList>
#include <QStringList>

#include <memory>

namespace Ui {
class ORV_FormEcoDrive;
}
class QCheckBox;
class QGridLayout;

// Settings page of the driving-style monitor (section ECODRIVE): the safety
// lines, six speed bands and four levels of each kind of acceleration event
// (acceleration, braking, cornering, jolts). Bands and levels are rows built
// here, each bound to its repeated child ("SPEEDS/SPEED[2]/hi").
//
// A band or level is in use while its `no` is 1. The switches over them (all
// speed bands, all acceleration events, one kind) hold no key of their own:
// each shows whether any row under it is in use; switching one off puts its
// rows out of use, switching it on again brings back the rows it switched off
// (the first row when there were none).
class ORV_FormEcoDrive : public ORV_SettingsPage
{
    Q_OBJECT

public:
    static constexpr int kSpeedBands = 6;
    static constexpr int kLevels = 4;

    explicit ORV_FormEcoDrive(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);
    ~ORV_FormEcoDrive() override;

    Ui::ORV_FormEcoDrive *form() const { return ui.get(); }

public slots:
    void slot_stateChanged_Speed_ControlUse(int nState);
    void slot_stateChanged_Drive_Use(int nState);
    void slot_stateChanged_Boost_Use(int nState);
    void slot_stateChanged_Retard_Use(int nState);
    void slot_stateChanged_Drift_Use(int nState);
    void slot_stateChanged_Jump_Use(int nState);
    void slot_pressed_Btn_Engine_Can();
    void slot_pressed_Btn_Engine_Taho();
    void slot_pressed_Btn_Drive_Sett();
    void slot_pressed_Btn_Drive_Sett_Help();

protected:
    void afterLoad() override;

private:
    // A switch over rows: their `no` paths.
    struct Switch
    {
        QCheckBox *box;
        QStringList paths;
        QStringList defaults;   // switched on when nothing is to be brought back
        QStringList switchedOff; // what this switch put out of use
    };
    void buildSpeedRows();
    void buildLevelRows(QGridLayout *grid, const QString &kind, const QString &objectPart);
    void toggle(int index, int state);
    void showSwitches();
    void goToPage(int position);

    std::unique_ptr<Ui::ORV_FormEcoDrive> ui;
    QList<Switch> m_switches;
};

#endif // ORV_FORMECODRIVE_H
