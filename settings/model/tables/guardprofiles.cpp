// Catalogue of the GUARD_PROFILES section.
#include "settings/model/settingsrow.h"

namespace {

const SettingsRow kRows[] = {
    attrInt("GLOBAL", "use", 0),
    attrText("MODE0", "inUse", "11101111111"),
    attrInt("MODE0", "normSys", 1),
    attrInt("MODE0", "alarmSys", 34),
    attrInt("MODE0", "switchSys", 3),
    attrInt("MODE0", "switchSound", 1),
    attrInt("MODE0", "alarmSound", 0),
    attrText("MODE1", "inUse", "00000000000"),
    attrInt("MODE1", "normSys", 0),
    attrInt("MODE1", "alarmSys", 34),
    attrInt("MODE1", "switchSys", 0),
    attrInt("MODE1", "switchSound", 2),
    attrInt("MODE1", "alarmSound", 0),
    attrText("STS", "line", "NONE"),
    attrInt("STS", "mode", 0),
    attrInt("ADDITION", "removalDelay", 0),
    attrInt("ADDITION", "guardDelay", 0),
    attrInt("ADDITION", "switchTimer", 0),
    attrInt("ADDITION", "repeatDelay", 0),
    attrInt("ADDITION", "blockTime", 0),
    attrInt("ADDITION", "blockCount", 0),
    attrInt("ADDITION", "guardIgnCheck", 0),
    attrInt("ADDITION", "voltIgn", 0),
    attrInt("ADDITION", "alarmCheck", 0),
    attrInt("REGUARD", "use", 0),
    attrInt("REGUARD", "time", 30),
};

} // namespace

extern const SettingsSectionRows kGuardProfilesSection = sectionRows("GUARD_PROFILES", "ORV_FormGuard", kRows);
