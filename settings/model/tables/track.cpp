// Catalogue of the TRACK section.
#include "settings/model/settingsrow.h"

namespace {

// GPSaverage: no button stands for other stored values (2), which are kept.
const SettingsChoice kAveraging[] = {choice("0", "K4810_170"), choice("1", "K4810_171"), choice("3", "K4810_172")};
const SettingsChoice kParking[] = {choice("0", "K4810_179"), choice("1", "K4810_180")};

const SettingsRow kRows[] = {
    entryInt("GPStrackStops", 1).labelled("K4810_152"),
    entryInt("GPStrackMaxPermVelocity", 0).labelled("K4810_160"),
    entryReal("GPSmaxPermissibleVelocity", 100.0, 1).range(1, 300, 0.1).labelled("K4810_161"),
    // 1 by angle, 2 by direction, 0 neither.
    entryInt("GPSwriteTelemetryByChangeDirection", 2).labelled("K4810_154"),
    entryInt("GPSangleForWriteTelemetry", 5).range(1, 180).labelled("K4810_153"),
    entryInt("GPSwriteTelemetryEveryDistance", 1),
    entryReal("GPSdistanceForWriteTelemetry", 0.5, 3)
        .unit(SettingsConversion::KilometresAsMetres)
        .range(1, 100000)
        .labelled("K4810_155"),
    entryInt("GPSwriteTelemetryEveryTime", 1),
    entryInt("GPStimeForWriteTelemetry", 60).range(1, 86400).labelled("K4810_156"),
    entryInt("GPSblockAngleEvtByWay", 1),
    entryReal("GPSWayForBlock", 0.01, 3)
        .unit(SettingsConversion::KilometresAsMetres)
        .range(0, 10000)
        .labelled("K4810_158"),
    entryInt("GPSblockAngleEvtByTime", 0),
    entryInt("GPSTimeForBlock", 5).range(0, 3600).labelled("K4810_159"),
    entryInt("GPSreject", 1),
    entryReal("GPSmaxHDOP", 2.5, 1).range(0.5, 50, 0.1).labelled("K4810_163"),
    attrInt("GPSmaxEx", "minSats", 4).range(0, 24).labelled("K4810_164"),
    attrInt("GPSmaxEx", "speed", 200).range(1, 1000).labelled("K4810_165"),
    attrInt("GPSmaxEx", "accel", 25).range(1, 1000).labelled("K4810_166"),
    attrInt("GPSmaxEx", "move", 100).range(1, 100000).labelled("K4810_167"),
    attrInt("GPSmaxEx", "flaw", 5).range(0, 1000).labelled("K4810_168"),
    entryInt("GPSaverage", 1).choicesOf(kAveraging).labelled("K4810_169"),
    // Four flags: no averaging with the ignition on, while moving, in guard mode, on an alarm.
    attrText("GPSaverSettings", "no_aver", "1110").labelled("K4810_173"),
    attrInt("GPSparking", "alg", 1).choicesOf(kParking).labelled("K4810_178"),
    attrInt("GPSparking", "time", 30).range(1, 86400).labelled("K4810_181"),
    attrInt("GPSparking", "tlmTmr", 600).range(1, 86400).labelled("K4810_183"),
    // Three flags: no parking points in guard mode, with the ignition off, on battery power.
    attrText("GPSparking", "noTmrFlags", "000"),
};

} // namespace

extern const SettingsSectionRows kTrackSection = sectionRows("TRACK", "ORV_FormTrack", kRows);
