// Catalogue of the OUTPUT_LINES section.
#include "settings/model/settingsrow.h"

namespace {

const SettingsRow kRows[] = {
    entryText("nicknameO1", ""),
    entryText("nicknameO2", ""),
    entryText("useAsO1", "GP"),
    entryText("useAsO2", "GP"),
    entryText("autoSwitchO1", "000000000000000000"),
    entryText("autoSwitchO2", "000000000000000000"),
    entryInt("signalFormO1", 0),
    entryInt("activePhaseO1", 0),
    entryInt("passivePhaseO1", 0),
    entryInt("autoSwitchOffO1", 0),
    entryInt("timeAutoSwitchOffO1", 0),
    entryInt("signalFormO2", 0),
    entryInt("activePhaseO2", 0),
    entryInt("passivePhaseO2", 0),
    entryInt("autoSwitchOffO2", 0),
    entryInt("timeAutoSwitchOffO2", 0),
    attrInt("PARAM_O1", "safeBlocking", 0),
    attrInt("PARAM_O1", "delaySwOn", 0),
    attrInt("PARAM_O1", "zumg", 0),
    attrInt("PARAM_O1", "rstLockDelay", 5),
    attrInt("PARAM_O2", "safeBlocking", 0),
    attrInt("PARAM_O2", "delaySwOn", 0),
    attrInt("PARAM_O2", "zumg", 0),
    attrInt("PARAM_O2", "rstLockDelay", 5),
};

} // namespace

extern const SettingsSectionRows kOutputLinesSection = sectionRows("OUTPUT_LINES", "ORV_FormOutputLines", kRows);
