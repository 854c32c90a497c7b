// Catalogue of the GUARD_PROFILES section.
#include "settings/model/settingsrow.h"

namespace {

// What the tracker does in a state of a guard mode: a sum of 1 (record a
// telemetry point), 2 (send SMS to the phones) and 32 (call the phones).
const SettingsChoice kReactions[] = {
    choice("0", "K4810_1355"),  choice("1", "K4810_1356"),  choice("2", "K4810_1357"),  choice("3", "K4810_1358"),
    choice("32", "K4810_1359"), choice("33", "K4810_1360"), choice("34", "K4810_1361"), choice("35", "K4810_1362"),
};
const SettingsChoice kSounds[] = {
    choice("0", "K4810_1363"), choice("1", "K4810_1364"), choice("2", "K4810_1365"), choice("3", "K4810_1366"),
};
// The output line switched with the guard, and how.
const SettingsChoice kLines[] = {choice("NONE", "K4810_1370"), choice("O1", "K4810_1371"), choice("O2", "K4810_1372")};
const SettingsChoice kSwitchModes[] = {choice("0", "K4810_1373"), choice("1", "K4810_1374")};

// MODE0 is the guard, MODE1 the observation mode; inUse holds one "0"/"1"
// a watched event, 11 events.
const SettingsRow kRows[] = {
    attrInt("GLOBAL", "use", 0),
    attrText("MODE0", "inUse", "11101111111"),
    attrInt("MODE0", "normSys", 1).choicesOf(kReactions),
    attrInt("MODE0", "alarmSys", 34).choicesOf(kReactions),
    attrInt("MODE0", "switchSys", 3).choicesOf(kReactions),
    attrInt("MODE0", "switchSound", 1).choicesOf(kSounds),
    attrInt("MODE0", "alarmSound", 0).choicesOf(kSounds),
    attrText("MODE1", "inUse", "00000000000"),
    attrInt("MODE1", "normSys", 0).choicesOf(kReactions),
    attrInt("MODE1", "alarmSys", 34).choicesOf(kReactions),
    attrInt("MODE1", "switchSys", 0).choicesOf(kReactions),
    attrInt("MODE1", "switchSound", 2).choicesOf(kSounds),
    attrInt("MODE1", "alarmSound", 0).choicesOf(kSounds),
    attrText("STS", "line", "NONE").choicesOf(kLines),
    attrInt("STS", "mode", 0).choicesOf(kSwitchModes),
    // Seconds, except blockTime (minutes) and blockCount (attempts).
    attrInt("ADDITION", "removalDelay", 0).range(0, 255),
    attrInt("ADDITION", "guardDelay", 0).range(0, 255),
    attrInt("ADDITION", "switchTimer", 0).range(0, 255),
    attrInt("ADDITION", "repeatDelay", 0).range(0, 3600),
    attrInt("ADDITION", "blockTime", 0).range(0, 255),
    attrInt("ADDITION", "blockCount", 0).range(0, 99),
    attrInt("ADDITION", "guardIgnCheck", 0),
    attrInt("ADDITION", "voltIgn", 0),
    attrInt("ADDITION", "alarmCheck", 0),
    attrInt("REGUARD", "use", 0),
    attrInt("REGUARD", "time", 30).range(10, 3600),
};

} // namespace

extern const SettingsSectionRows kGuardProfilesSection = sectionRows("GUARD_PROFILES", "ORV_FormGuard", kRows);
