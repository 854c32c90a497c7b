// Catalogue of the SENSORS section.
#include "settings/model/settingsrow.h"

namespace {

// Normal states of the inputs. IN2 counts pulses ("CNT") or measures a
// frequency ("FRQ"); AIN1 measures a voltage ("AIN"), a frequency, or is a
// discrete input ("UI") either active inside its zone or normal inside it
// (the two share the code: which one is told by the zone bounds, see
// ORV_FormSensors).
const SettingsChoice kStatesIN1[] = {choice("NB+", "K4810_297"), choice("UI", "K4810_298")};
const SettingsChoice kStatesIN2[] = {choice("NU", "K4810_301"), choice("CNT", "K4810_302"),
                                     choice("FRQ", "K4810_303"), choice("UI", "K4810_298")};
const SettingsChoice kStatesIN3[] = {choice("NU", "K4810_301"), choice("UI", "K4810_298")};
const SettingsChoice kStatesAIN1[] = {choice("NU", "K4810_301"), choice("AIN", "K4810_317"),
                                      choice("UI", "K4810_318"), choice("UI", "K4810_319"),
                                      choice("FRQ", "K4810_303")};
// Filter modes: 0 off, 1 moving average, 2 Kalman.
const SettingsChoice kFilterModes[] = {choice("0", "K4810_301"), choice("1", "K4810_313"), choice("2", "K4810_314")};
// Kalman filter coefficients (hundredths), one slider step each.
const SettingsChoice kKalman[] = {plainChoice("10"), plainChoice("20"), plainChoice("30"), plainChoice("40"),
                                  plainChoice("50"), plainChoice("60"), plainChoice("70"), plainChoice("75"),
                                  plainChoice("80"), plainChoice("82"), plainChoice("85"), plainChoice("88"),
                                  plainChoice("90"), plainChoice("92"), plainChoice("94"), plainChoice("96"),
                                  plainChoice("98")};

const SettingsRow kRows[] = {
    entryTextOf("nicknameIN1", "K4810_291").labelled("K4810_295"),
    entryText("normStateIN1", "NB+").choicesOf(kStatesIN1).labelled("K4810_296"),
    entryInt("controlRestoreIN1", 1).labelled("K4810_299"),
    attrInt("PARAM_IN1", "analys_time", 2500).range(0, 60000, 100).labelled("K4810_300"),
    entryTextOf("nicknameIN2", "K4810_293").labelled("K4810_295"),
    entryText("normStateIN2", "NU").choicesOf(kStatesIN2).labelled("K4810_296"),
    entryInt("controlRestoreIN2", 0).labelled("K4810_299"),
    entryInt("ResponseIN2", 20).range(0, 60000).labelled("K4810_304"),
    attrInt("PARAM_IN2", "trhld_move_off", 1).labelled("K4810_311"),
    attrInt("PARAM_IN2", "analys_time", 2500).range(0, 60000, 100).labelled("K4810_300"),
    attrInt("PULSE_IN2", "cnt_start", 10).range(0, 65535).labelled("K4810_305"),
    attrInt("PULSE_IN2", "time_start", 5).range(0, 65535).labelled("K4810_306"),
    attrInt("PULSE_IN2", "cnt_stop", 3).range(0, 65535).labelled("K4810_307"),
    attrInt("PULSE_IN2", "time_stop", 3).range(0, 65535).labelled("K4810_306"),
    attrInt("PULSE_IN2", "cnt_work", 0).range(0, 65535).labelled("K4810_310"),
    attrInt("PULSE_IN2", "set_line", 0).labelled("K4810_308"),
    attrInt("PULSE_IN2", "reset", 0).labelled("K4810_309"),
    attrInt("PULSE_IN2", "time_work", 60).range(1, 65535).labelled("K4810_306"),
    entryInt("FilterModeIN2", 0).choicesOf(kFilterModes).labelled("K4810_312"),
    entryInt("AverLengthIN2", 40).range(1, 255).labelled("K4810_315"),
    entryInt("KalmanIN2", 82).choicesOf(kKalman).labelled("K4810_316"),
    entryTextOf("nicknameIN3", "K4810_292").labelled("K4810_295"),
    entryText("normStateIN3", "NU").choicesOf(kStatesIN3).labelled("K4810_296"),
    attrInt("PARAM_IN3", "analys_time", 2500).range(0, 60000, 100).labelled("K4810_300"),
    entryTextOf("nicknameAIN1", "K4810_294").labelled("K4810_295"),
    entryInt("controlRestoreAIN1", 0).labelled("K4810_299"),
    entryText("normStateAIN1", "NU").choicesOf(kStatesAIN1).labelled("K4810_296"),
    // Zone bounds: millivolts in the file, volts on screen. A recovery zone
    // whose lower bound is above its higher one (60000 > 31000) is none.
    entryInt("EngageZoneLowerAIN1", 0).unit(SettingsConversion::MillivoltsAsVolts2).range(0, 31, 0.01).labelled("K4810_320"),
    entryInt("EngageZoneHigherAIN1", 5000).unit(SettingsConversion::MillivoltsAsVolts2).range(0, 31, 0.01).labelled("K4810_321"),
    entryInt("recoveryZoneLowerAIN1", 60000).unit(SettingsConversion::MillivoltsAsVolts2).range(0, 31, 0.01).labelled("K4810_320"),
    entryInt("recoveryZoneHigherAIN1", 31000).unit(SettingsConversion::MillivoltsAsVolts2).range(0, 31, 0.01).labelled("K4810_321"),
    entryInt("ResponseAIN1", 500).range(0, 60000).labelled("K4810_304"),
    entryInt("FilterModeAIN1", 0).choicesOf(kFilterModes).labelled("K4810_312"),
    entryInt("AverLengthAIN1", 1).range(1, 255).labelled("K4810_315"),
    // The frequency filter of AIN1: tenths of a hertz, 0 for none.
    entryInt("KalmanAIN1", 82).unit(SettingsConversion::TenthsAsUnits).range(0, 20, 0.1).labelled("K4810_322"),
    attrInt("PARAM_AIN1", "trhld_move_off", 1).labelled("K4810_311"),
    attrInt("PARAM_AIN1", "analys_time", 2500).range(0, 60000, 100).labelled("K4810_300"),
};

} // namespace

extern const SettingsSectionRows kSensorsSection = sectionRows("SENSORS", "ORV_FormSensors", kRows);
