// Catalogue of the SENSORS section.
#include "settings/model/settingsrow.h"

namespace {

const SettingsRow kRows[] = {
    entryTextOf("nicknameIN1", "K4810_291"),
    entryText("normStateIN1", "NB+"),
    entryInt("controlRestoreIN1", 1),
    attrInt("PARAM_IN1", "analys_time", 2500),
    entryTextOf("nicknameIN2", "K4810_293"),
    entryText("normStateIN2", "NU"),
    entryInt("controlRestoreIN2", 0),
    entryInt("ResponseIN2", 20),
    attrInt("PARAM_IN2", "trhld_move_off", 1),
    attrInt("PARAM_IN2", "analys_time", 2500),
    attrInt("PULSE_IN2", "cnt_start", 10),
    attrInt("PULSE_IN2", "time_start", 5),
    attrInt("PULSE_IN2", "cnt_stop", 3),
    attrInt("PULSE_IN2", "time_stop", 3),
    attrInt("PULSE_IN2", "cnt_work", 0),
    attrInt("PULSE_IN2", "set_line", 0),
    attrInt("PULSE_IN2", "reset", 0),
    attrInt("PULSE_IN2", "time_work", 60),
    entryInt("FilterModeIN2", 0),
    entryInt("AverLengthIN2", 40),
    entryInt("KalmanIN2", 82),
    entryTextOf("nicknameIN3", "K4810_292"),
    entryText("normStateIN3", "NU"),
    attrInt("PARAM_IN3", "analys_time", 2500),
    entryTextOf("nicknameAIN1", "K4810_294"),
    entryInt("controlRestoreAIN1", 0),
    entryText("normStateAIN1", "NU"),
    entryInt("EngageZoneLowerAIN1", 0),
    entryInt("EngageZoneHigherAIN1", 5000),
    entryInt("recoveryZoneLowerAIN1", 60000),
    entryInt("recoveryZoneHigherAIN1", 31000),
    entryInt("ResponseAIN1", 500),
    entryInt("FilterModeAIN1", 0),
    entryInt("AverLengthAIN1", 1),
    entryInt("KalmanAIN1", 82),
    attrInt("PARAM_AIN1", "trhld_move_off", 1),
    attrInt("PARAM_AIN1", "analys_time", 2500),
};

} // namespace

extern const SettingsSectionRows kSensorsSection = sectionRows("SENSORS", "ORV_FormSensors", kRows);
