// Catalogue of the TEMP_SENSORS section.
#include "settings/model/settingsrow.h"

namespace {

// Keys are the sensors' 64-bit bus codes in hexadecimal; limits are tenths
// of a degree in the file, degrees on the page (the sliders count half
// degrees), within what the sensors measure.
const SettingsRow kRows[] = {
    entryText("KeyT1", "").input(SettingsInputRule::Hex, 16),
    entryText("KeyT2", "").input(SettingsInputRule::Hex, 16),
    entryText("KeyT3", "").input(SettingsInputRule::Hex, 16),
    entryText("KeyT4", "").input(SettingsInputRule::Hex, 16),
    entryTextOf("nicknameT1", "K4810_275"),
    entryTextOf("nicknameT2", "K4810_276"),
    entryTextOf("nicknameT3", "K4810_277"),
    entryTextOf("nicknameT4", "K4810_278"),
    entryInt("maxValT1", 1200).unit(SettingsConversion::TenthsAsDegrees).range(-55, 125, 0.5),
    entryInt("maxValT2", 1200).unit(SettingsConversion::TenthsAsDegrees).range(-55, 125, 0.5),
    entryInt("maxValT3", 1200).unit(SettingsConversion::TenthsAsDegrees).range(-55, 125, 0.5),
    entryInt("maxValT4", 1200).unit(SettingsConversion::TenthsAsDegrees).range(-55, 125, 0.5),
    entryInt("minValT1", -500).unit(SettingsConversion::TenthsAsDegrees).range(-55, 125, 0.5),
    entryInt("minValT2", -500).unit(SettingsConversion::TenthsAsDegrees).range(-55, 125, 0.5),
    entryInt("minValT3", -500).unit(SettingsConversion::TenthsAsDegrees).range(-55, 125, 0.5),
    entryInt("minValT4", -500).unit(SettingsConversion::TenthsAsDegrees).range(-55, 125, 0.5),
};

} // namespace

extern const SettingsSectionRows kTempSensorsSection = sectionRows("TEMP_SENSORS", "ORV_FormTempSensors", kRows);
