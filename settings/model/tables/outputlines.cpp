// Catalogue of the OUTPUT_LINES section.
#include "settings/model/settingsrow.h"

namespace {

// What an output is used for. The second output can also light the
// touch-memory reader's indicator.
const SettingsChoice kUseAsO1[] = {
    choice("GP", "K4810_361"),    choice("TM_KEY", "K4810_362"), choice("TM_REG", "K4810_363"),
    choice("IMMOB", "K4810_364"), choice("SIREN", "K4810_365"),
};
const SettingsChoice kUseAsO2[] = {
    choice("GP", "K4810_361"),    choice("TM_KEY", "K4810_362"), choice("TM_REG", "K4810_363"),
    choice("IMMOB", "K4810_364"), choice("SIREN", "K4810_365"),  choice("TM_KEY_IND", "K4810_366"),
};
// Waveform: a steady level, or pulses of an active and a passive phase.
const SettingsChoice kSignalForms[] = {choice("0", "K4810_367"), choice("1", "K4810_368")};

// Times in seconds.
const SettingsRow kRows[] = {
    entryText("nicknameO1", ""),
    entryText("nicknameO2", ""),
    entryText("useAsO1", "GP").choicesOf(kUseAsO1),
    entryText("useAsO2", "GP").choicesOf(kUseAsO2),
    // One "0"/"1" a triggering event, 18 events.
    entryText("autoSwitchO1", "000000000000000000"),
    entryText("autoSwitchO2", "000000000000000000"),
    entryInt("signalFormO1", 0).choicesOf(kSignalForms),
    entryInt("activePhaseO1", 0).range(0, 3600),
    entryInt("passivePhaseO1", 0).range(0, 3600),
    entryInt("autoSwitchOffO1", 0),
    entryInt("timeAutoSwitchOffO1", 0).range(0, 86400),
    entryInt("signalFormO2", 0).choicesOf(kSignalForms),
    entryInt("activePhaseO2", 0).range(0, 3600),
    entryInt("passivePhaseO2", 0).range(0, 3600),
    entryInt("autoSwitchOffO2", 0),
    entryInt("timeAutoSwitchOffO2", 0).range(0, 86400),
    // Immobiliser parameters.
    attrInt("PARAM_O1", "safeBlocking", 0),
    attrInt("PARAM_O1", "delaySwOn", 0).range(0, 255),
    attrInt("PARAM_O1", "zumg", 0),
    attrInt("PARAM_O1", "rstLockDelay", 5).range(0, 255),
    attrInt("PARAM_O2", "safeBlocking", 0),
    attrInt("PARAM_O2", "delaySwOn", 0).range(0, 255),
    attrInt("PARAM_O2", "zumg", 0),
    attrInt("PARAM_O2", "rstLockDelay", 5).range(0, 255),
};

} // namespace

extern const SettingsSectionRows kOutputLinesSection = sectionRows("OUTPUT_LINES", "ORV_FormOutputLines", kRows);
