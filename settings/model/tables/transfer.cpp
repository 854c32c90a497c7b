// Catalogue of the TRANSFER section.
#include "settings/model/settingsrow.h"
#include "settings/model/settingsmodel.h"

namespace {

// Roaming is 1 when the roaming mode of SIM 1 is 1, else 0.
QVariant deriveRoaming(const SettingsModel &model, const QString &section)
{
    return model.value(section, QStringLiteral("ROAMING_SIM1/mode")).toInt() == 1 ? 1 : 0;
}

const SettingsChoice kTransports[] = {plainChoice("TCP"), plainChoice("UDP")};

// The protocols a server speaks, in the order the protocol combos show them.
const SettingsChoice kProtocols[] = {
    choice("K-2260", "K4810_051"),    choice("K-5127", "K4810_052"), choice("EGTS", "K4810_053"),
    choice("EGTS_AUTH", "K4810_054"), choice("ORVB_VELA", "K4810_826"), choice("UNDS", "K4810_838"),
};

// The roaming modes of SIM 1 (0..3).
const SettingsChoice kRoamingModes[] = {
    choice("0", "K4810_055"), choice("1", "K4810_056"), choice("2", "K4810_057"), choice("3", "K4810_058"),
};

// How the tracker keeps its link: always online, or connecting now and then.
const SettingsChoice kConnectModes[] = {choice("1", "K4810_2825"), choice("0", "K4810_2826")};

// Days of the firmware update, by index.
const SettingsChoice kUpdateDays[] = {
    choice("0", "K4810_062"), choice("1", "K4810_063"), choice("2", "K4810_064"), choice("3", "K4810_065"),
    choice("4", "K4810_066"), choice("5", "K4810_067"), choice("6", "K4810_068"),
};

// The record fields sent to the server when a file names none: record
// number, code, time, state, modules, GSM, receiver state, last fix,
// position, speed, course, mileage, power, battery, inputs, engine hours.
constexpr const char *kDefaultFieldSelection =
    "11111111111011100011000000001000000010000000000000000000000000000000000000000000000000000000000000000000000000000000000000";

const SettingsRow kRows[] = {
    entryText("objectName", "NONAME"),
    entryText("GPRSTformat", "K-5127").choicesOf(kProtocols),
    entryText("GPRSTformat1", "K-5127").choicesOf(kProtocols),
    entryText("GPRSTformat2", "K-5127").choicesOf(kProtocols),
    entryInt("objectID", 0).range(0, 2147483647),
    entryInt("objectID1", 0).range(0, 2147483647),
    entryInt("objectID2", 0).range(0, 2147483647),
    entryInt("centreID", 1).range(0, 2147483647),
    entryInt("centreID1", 1).range(0, 2147483647),
    entryInt("centreID2", 1).range(0, 2147483647),
    entryText("GPRSopAPN", ""),
    entryText("GPRSopUserName", ""),
    entryText("GPRSopPassword", ""),
    entryText("GPRSSrv0Name", ""),
    entryText("GPRSSrv1Name", ""),
    entryText("GPRSSrv2Name", ""),
    entryText("GPRSSrv0IP", "0.0.0.0").input(SettingsInputRule::IPv4Address),
    entryText("GPRSSrv1IP", "0.0.0.0").input(SettingsInputRule::IPv4Address),
    entryText("GPRSSrv2IP", "0.0.0.0").input(SettingsInputRule::IPv4Address),
    entryInt("GPRSSrv0Port", 4000).range(0, 65535),
    entryInt("GPRSSrv1Port", 4000).range(0, 65535),
    entryInt("GPRSSrv2Port", 4000).range(0, 65535),
    attrText("GPRSTrans", "srv0", "TCP").choicesOf(kTransports),
    attrText("GPRSTrans", "srv1", "TCP").choicesOf(kTransports),
    attrText("GPRSTrans", "srv2", "TCP").choicesOf(kTransports),
    attrInt("GPRSTrans", "noToGprs", 0),
    attrInt("GPRSTrans", "noCur", 0),
    attrText("CRYPTO", "type", "0 0 0"),
    attrText("CRYPTO", "key", "").input(SettingsInputRule::Hex, 32),
    entryInt("GPRSAlwaysCnct", 1).choicesOf(kConnectModes),
    entryInt("GPRSpingPeriod", 30).range(0, 86400),
    entryInt("GPRSTelAddtoPing", 0),
    entryInt("GPPSTimerConnect", 3600).range(0, 86400),
    entryInt("GPRSCoercionCnct", 0),
    entryInt("GPRSuseCommand", 1),
    entryInt("GPRSBlockCnctFault", 600).range(0, 86400),
    entryInt("Roaming", 0).writeOnly(deriveRoaming),
    attrInt("ROAMING_SIM1", "mode", 2).choicesOf(kRoamingModes),
    attrInt("ROAMING_SIM1", "no_sms", 0),
    attrInt("ROAMING_SIM1", "no_call", 0),
    attrInt("ROAMING_SIM1", "dont_cnct", 0),
    attrText("ROAMING_SIM1", "opCode1", ""),
    attrText("ROAMING_SIM1", "opCode2", ""),
    attrText("ROAMING_SIM1", "opCode3", ""),
    attrText("ROAMING_SIM1", "opCode4", ""),
    attrText("ROAMING_SIM1", "opCode5", ""),
    attrText("ROAMING_SIM1", "opCode6", ""),
    attrText("ROAMING_SIM1", "opCode7", ""),
    attrText("ROAMING_SIM1", "opCode8", ""),
    attrText("ROAMING_SIM1", "opCode9", ""),
    attrText("ROAMING_SIM1", "opCode10", ""),
    entryInt("RoamingPeriod", 3600).unit(SettingsConversion::SecondsAsMinutes).range(1, 1440),
    attrInt("ROAM_SETT", "DrivePeriod", 1800).unit(SettingsConversion::SecondsAsMinutes).range(1, 1440),
    attrInt("ROAM_SETT", "ParkingPeriod", 3600).unit(SettingsConversion::SecondsAsMinutes).range(1, 1440),
    attrInt("ROAM_SETT", "BlockCnct", 3600),
    entryInt("GPRSUpdateUse", 1),
    entryInt("GPRSUpdateDat", 6).choicesOf(kUpdateDays),
    entryInt("GPRSUpdateHour", 17).range(0, 23),
    entryInt("GPRSUpdateMinute", 4).range(0, 59),
    entryText("GPRSUpdateDNS", ""),
    entryText("GPRSUpdateIP", "0.0.0.0").input(SettingsInputRule::IPv4Address),
    entryInt("GPRSUpdatePort", 9100).range(0, 65535),
    // Record storage format, diagnostics, and the record fields sent to the
    // server (one "0"/"1" per field of the second-generation record).
    entryText("DFprotocol", "DEFAULT"),
    entryInt("GPRSdiagSupress", 0),
    entryText("GPRSprotocolConfig", kDefaultFieldSelection),
};

} // namespace

// Default IPv4 address of the firmware-update server (GPRSUpdateIP) is "0.0.0.0".
extern const SettingsSectionRows kTransferSection = sectionRows("TRANSFER", "ORV_FormTransfer", kRows);
