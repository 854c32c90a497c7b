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

const SettingsRow kRows[] = {
    entryText("objectName", "NONAME"),
    entryText("GPRSTformat", "K-5127"),
    entryText("GPRSTformat1", "K-5127"),
    entryText("GPRSTformat2", "K-5127"),
    entryInt("objectID", 0),
    entryInt("objectID1", 0),
    entryInt("objectID2", 0),
    entryInt("centreID", 1),
    entryInt("centreID1", 1),
    entryInt("centreID2", 1),
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
    entryInt("GPRSAlwaysCnct", 1),
    entryInt("GPRSpingPeriod", 30),
    entryInt("GPRSTelAddtoPing", 0),
    entryInt("GPPSTimerConnect", 3600),
    entryInt("GPRSCoercionCnct", 0),
    entryInt("GPRSuseCommand", 1),
    entryInt("GPRSBlockCnctFault", 600),
    entryInt("Roaming", 0).writeOnly(deriveRoaming),
    attrInt("ROAMING_SIM1", "mode", 2),
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
    entryInt("RoamingPeriod", 3600),
    attrInt("ROAM_SETT", "DrivePeriod", 1800),
    attrInt("ROAM_SETT", "ParkingPeriod", 3600),
    attrInt("ROAM_SETT", "BlockCnct", 3600),
    entryInt("GPRSUpdateUse", 1),
    entryInt("GPRSUpdateDat", 6),
    entryInt("GPRSUpdateHour", 17).range(0, 23),
    entryInt("GPRSUpdateMinute", 4).range(0, 59),
    entryText("GPRSUpdateDNS", ""),
    entryText("GPRSUpdateIP", "0.0.0.0").input(SettingsInputRule::IPv4Address),
    entryInt("GPRSUpdatePort", 9100).range(0, 65535),
};

} // namespace

// Default IPv4 address of the firmware-update server (GPRSUpdateIP) is "0.0.0.0".
extern const SettingsSectionRows kTransferSection = sectionRows("TRANSFER", "ORV_FormTransfer", kRows);
