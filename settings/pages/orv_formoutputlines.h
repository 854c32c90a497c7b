#ifndef ORV_FORMOUTPUTLINES_H
#define ORV_FORMOUTPUTLINES_H

#include "settings/pages/orv_settingspage.h"

#include <memory>

namespace Ui {
class ORV_FormOutputLines;
}

// The output lines page (section OUTPUT_LINES): for each of the outputs O1
// and O2 its name, what it is used for, its waveform, the events that
// switch it on by themselves (one "0"/"1" an event in autoSwitchO1/O2),
// the automatic switch-off and the immobiliser parameters.
//
// Every control is bound to its key; the use-as choice decides what is
// enabled: waveform, phases and automatic switching for a general-purpose
// output, the immobiliser parameters for an immobiliser; phases only for
// pulses; the switch-off time only while its box is checked.
class ORV_FormOutputLines : public ORV_SettingsPage
{
    Q_OBJECT

public:
    static constexpr int OutputCount = 2;
    static constexpr int EventCount = 18;

    explicit ORV_FormOutputLines(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);
    ~ORV_FormOutputLines() override;

private:
    std::unique_ptr<Ui::ORV_FormOutputLines> ui;
};

#endif // ORV_FORMOUTPUTLINES_H
