// Catalogue of the TRACK section.
#include "settings/model/settingsrow.h"

namespace {

const SettingsRow kRows[] = {
    entryInt("GPStrackStops", 1),
    entryInt("GPStrackMaxPermVelocity", 0),
    entryReal("GPSmaxPermissibleVelocity", 100.0, 1),
    entryInt("GPSwriteTelemetryByChangeDirection", 2),
    entryInt("GPSangleForWriteTelemetry", 5),
    entryInt("GPSwriteTelemetryEveryDistance", 1),
    entryReal("GPSdistanceForWriteTelemetry", 0.5, 3).unit(SettingsConversion::KilometresAsMetres),
    entryInt("GPSwriteTelemetryEveryTime", 1),
    entryInt("GPStimeForWriteTelemetry", 60),
    entryInt("GPSblockAngleEvtByWay", 1),
    entryReal("GPSWayForBlock", 0.01, 3).unit(SettingsConversion::KilometresAsMetres),
    entryInt("GPSblockAngleEvtByTime", 0),
    entryInt("GPSTimeForBlock", 5),
    entryInt("GPSreject", 1),
    entryReal("GPSmaxHDOP", 2.5, 1),
    attrInt("GPSmaxEx", "minSats", 4),
    attrInt("GPSmaxEx", "speed", 200),
    attrInt("GPSmaxEx", "accel", 25),
    attrInt("GPSmaxEx", "move", 100),
    attrInt("GPSmaxEx", "flaw", 5),
    entryInt("GPSaverage", 1),
    attrText("GPSaverSettings", "no_aver", "1110"),
    attrInt("GPSparking", "alg", 1),
    attrInt("GPSparking", "time", 30),
    attrInt("GPSparking", "tlmTmr", 600),
    attrText("GPSparking", "noTmrFlags", "000"),
};

} // namespace

extern const SettingsSectionRows kTrackSection = sectionRows("TRACK", "ORV_FormTrack", kRows);
