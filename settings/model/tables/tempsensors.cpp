// Catalogue of the TEMP_SENSORS section.
#include "settings/model/settingsrow.h"

namespace {

const SettingsRow kRows[] = {
    entryText("KeyT1", ""),
    entryText("KeyT2", ""),
    entryText("KeyT3", ""),
    entryText("KeyT4", ""),
    entryTextOf("nicknameT1", "K4810_275"),
    entryTextOf("nicknameT2", "K4810_276"),
    entryTextOf("nicknameT3", "K4810_277"),
    entryTextOf("nicknameT4", "K4810_278"),
    entryInt("maxValT1", 1200),
    entryInt("maxValT2", 1200),
    entryInt("maxValT3", 1200),
    entryInt("maxValT4", 1200),
    entryInt("minValT1", -500),
    entryInt("minValT2", -500),
    entryInt("minValT3", -500),
    entryInt("minValT4", -500),
};

} // namespace

extern const SettingsSectionRows kTempSensorsSection = sectionRows("TEMP_SENSORS", "ORV_FormTempSensors", kRows);
