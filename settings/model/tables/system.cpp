// Catalogue of the SYSTEM section.
#include "settings/model/settingsrow.h"

#include <QString>

namespace {

constexpr const char *PowerSaveConfig = "powerSaveConfig";

// ------------------------------------------------------------ power saving
//
// powerSaveConfig: mode 0 off, 1 on battery power, 2 by the conditions in
// sensors ("%1%2%3%4": also on external power, engine off, no movement for
// acl_delay seconds, input `line` inactive); then the four stages in
// actions and delays (GNSS receiver, GSM modem, interfaces, battery
// charging: 0 stage off, else on; seconds), deep sleep after deep_delay.
//
// Files written before powerSaveConfig hold one key per switch and one
// delay per stage, -1 for a stage that is off. They are read into
// powerSaveConfig (and never written again).

int legacyNumber(const QString &text)
{
    // Leading sign and digits, as the file's integers are read; other text is 0.
    const QString t = text.trimmed();
    int i = 0;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+')))
        ++i;
    while (i < t.size() && t.at(i).isDigit())
        ++i;
    bool ok = false;
    const int n = t.left(i).toInt(&ok);
    return ok ? n : 0;
}

QString onAsOne(const QString &text)
{
    return legacyNumber(text) != 0 ? QStringLiteral("1") : QString();
}
QString onAsBatteryMode(const QString &text)
{
    return legacyNumber(text) != 0 ? QStringLiteral("1") : QString();
}
QString onAsConditionsMode(const QString &text)
{
    return legacyNumber(text) != 0 ? QStringLiteral("2") : QString();
}
// A delay or a line: -1 (or less) is off.
QString delayAsConditionsMode(const QString &text)
{
    return legacyNumber(text) >= 0 ? QStringLiteral("2") : QString();
}
QString delayAsOne(const QString &text)
{
    return legacyNumber(text) >= 0 ? QStringLiteral("1") : QString();
}
QString delayAsStage(const QString &text)
{
    return legacyNumber(text) >= 0 ? QStringLiteral("1") : QStringLiteral("0");
}
// The stage's delay; an off stage keeps the default delay.
QString delayAsSeconds(const QString &text)
{
    const int n = legacyNumber(text);
    return n >= 0 ? QString::number(n) : QString();
}

const SettingsInto kLegacyBattery[] = {intoKey("powerSaveConfig/mode", onAsBatteryMode)};
const SettingsInto kLegacyPowered[] = {intoKey("powerSaveConfig/mode", onAsConditionsMode),
                                       intoCharacter("powerSaveConfig/sensors", 0, onAsOne)};
const SettingsInto kLegacyEngine[] = {intoKey("powerSaveConfig/mode", onAsConditionsMode),
                                      intoCharacter("powerSaveConfig/sensors", 1, onAsOne)};
const SettingsInto kLegacyAccel[] = {intoKey("powerSaveConfig/mode", delayAsConditionsMode),
                                     intoCharacter("powerSaveConfig/sensors", 2, delayAsOne),
                                     intoKey("powerSaveConfig/acl_delay", delayAsSeconds)};
const SettingsInto kLegacyInput[] = {intoKey("powerSaveConfig/mode", delayAsConditionsMode),
                                     intoCharacter("powerSaveConfig/sensors", 3, delayAsOne),
                                     intoKey("powerSaveConfig/line", delayAsSeconds)};
const SettingsInto kLegacyGps[] = {intoItem("powerSaveConfig/actions", 0, delayAsStage),
                                   intoItem("powerSaveConfig/delays", 0, delayAsSeconds)};
const SettingsInto kLegacyGsm[] = {intoItem("powerSaveConfig/actions", 1, delayAsStage),
                                   intoItem("powerSaveConfig/delays", 1, delayAsSeconds)};
const SettingsInto kLegacySleep[] = {intoItem("powerSaveConfig/actions", 2, delayAsStage),
                                     intoItem("powerSaveConfig/delays", 2, delayAsSeconds)};
const SettingsInto kLegacyCharger[] = {intoItem("powerSaveConfig/actions", 3, delayAsStage),
                                       intoItem("powerSaveConfig/delays", 3, delayAsSeconds)};

const SettingsChoice kPowerSaveModes[] = {choice("0", "K4810_226"), choice("1", "K4810_227"),
                                          choice("2", "K4810_228")};
const SettingsChoice kInputLines[] = {SettingsChoice{"0", "IN1", false}, SettingsChoice{"1", "IN2", false},
                                      SettingsChoice{"2", "IN3", false}};
const SettingsChoice kFuelErrorModes[] = {choice("0", "K4810_2740"), choice("1", "K4810_2741")};

const SettingsRow kRows[] = {
    entryText("csd_password", "").input(SettingsInputRule::Password, 6).labelled("K4810_195"),
    entryText("SMSPassword", "").input(SettingsInputRule::Password, 6).labelled("K4810_196"),
    entryInt("timeZone", 3).range(-12, 14).labelled("K4810_198"),
    entryInt("allowDecretTime", 0).labelled("K4810_199"),
    entryInt("SYSdispThreshold", 45).range(0, 1000).labelled("K4810_200"),
    // Engine hours counted from: ignition, IN2, engine running by voltage, CAN.
    attrText("motohours", "moto", "0010").labelled("K4810_204"),
    entryText("balanceRequestUSSD", "").labelled("K4810_210"),
    entryInt("useAutoBalanceChek", 0).labelled("K4810_211"),
    entryInt("balanceChekPeriod", 86400).unit(SettingsConversion::SecondsAsHours).range(1, 720).labelled("K4810_212"),
    entryTextOf("balancePositiveMask", "K4810_191").labelled("K4810_213"),
    entryTextOf("balanceNegativeMask", "K4810_192").labelled("K4810_214"),
    entryTextOf("balanceSMSMask", "K4810_193").labelled("K4810_215"),
    entryInt("balanceMinRU", 20).range(0, 100000).labelled("K4810_216"),
    entryInt("balanceMinPenny", 0).range(0, 99).labelled("K4810_217"),
    attrInt(PowerSaveConfig, "mode", 0).choicesOf(kPowerSaveModes).labelled("K4810_225"),
    attrInt(PowerSaveConfig, "line", 0).choicesOf(kInputLines).labelled("K4810_2704"),
    attrInt(PowerSaveConfig, "deep", 0).labelled("K4810_2709"),
    attrInt(PowerSaveConfig, "on_period", 60).range(1, 10080).labelled("K4810_2710"),
    attrInt(PowerSaveConfig, "deep_delay", 60)
        .unit(SettingsConversion::SecondsAsMinutes)
        .range(1, 10080)
        .labelled("K4810_2709"),
    attrText(PowerSaveConfig, "on_timer", "").input(SettingsInputRule::Time).labelled("K4810_2711"),
    attrText(PowerSaveConfig, "sensors", "0000"),
    attrInt(PowerSaveConfig, "acl_delay", 600).range(1, 86400).labelled("K4810_2702"),
    attrText(PowerSaveConfig, "actions", "0 0 0 0"),
    attrText(PowerSaveConfig, "delays", "60 60 60 60"),
    attrText("powerSaveDay", "on_1", "00:00").input(SettingsInputRule::Time).labelled("K4810_2713"),
    attrText("powerSaveDay", "on_2", "00:00").input(SettingsInputRule::Time).labelled("K4810_2714"),
    attrText("powerSaveDay", "on_3", "00:00").input(SettingsInputRule::Time).labelled("K4810_2715"),
    attrText("powerSaveDay", "on_4", "00:00").input(SettingsInputRule::Time).labelled("K4810_2716"),
    attrText("powerSaveDay", "on_5", "00:00").input(SettingsInputRule::Time).labelled("K4810_2717"),
    attrText("powerSaveDay", "on_6", "00:00").input(SettingsInputRule::Time).labelled("K4810_2718"),
    attrText("powerSaveDay", "on_7", "00:00").input(SettingsInputRule::Time).labelled("K4810_2719"),
    attrText("powerSaveDay", "off_1", "00:00").input(SettingsInputRule::Time).labelled("K4810_2713"),
    attrText("powerSaveDay", "off_2", "00:00").input(SettingsInputRule::Time).labelled("K4810_2714"),
    attrText("powerSaveDay", "off_3", "00:00").input(SettingsInputRule::Time).labelled("K4810_2715"),
    attrText("powerSaveDay", "off_4", "00:00").input(SettingsInputRule::Time).labelled("K4810_2716"),
    attrText("powerSaveDay", "off_5", "00:00").input(SettingsInputRule::Time).labelled("K4810_2717"),
    attrText("powerSaveDay", "off_6", "00:00").input(SettingsInputRule::Time).labelled("K4810_2718"),
    attrText("powerSaveDay", "off_7", "00:00").input(SettingsInputRule::Time).labelled("K4810_2719"),
    // Battery first: a file with other switches on as well is in the conditions mode.
    entryInt("powerSaveBattery", 0).legacyOf(PowerSaveConfig).intoEach(kLegacyBattery),
    entryInt("powerSavePowered", 0).legacyOf(PowerSaveConfig).intoEach(kLegacyPowered),
    entryInt("powerSaveByEngine", 0).legacyOf(PowerSaveConfig).intoEach(kLegacyEngine),
    entryInt("powerSaveByAccelDelay", -1).legacyOf(PowerSaveConfig).intoEach(kLegacyAccel),
    entryInt("powerSaveByIN", -1).legacyOf(PowerSaveConfig).intoEach(kLegacyInput),
    entryInt("powerSaveSleepDelay", -1).legacyOf(PowerSaveConfig).intoEach(kLegacySleep),
    entryInt("powerSaveGPSOffDelay", -1).legacyOf(PowerSaveConfig).intoEach(kLegacyGps),
    entryInt("powerSaveGSMOffDelay", -1).legacyOf(PowerSaveConfig).intoEach(kLegacyGsm),
    entryInt("powerSaveBQOffDelay", -1).legacyOf(PowerSaveConfig).intoEach(kLegacyCharger),
    entryInt("simFullControl", 1).labelled("K4810_201"),
    // Flag 0: the fuel level input is watched.
    attrText("FUEL_PARAM", "flags", "").labelled("K4810_2735"),
    attrInt("FUEL_PARAM", "delay", 5).range(0, 3600).labelled("K4810_2738"),
    attrInt("FUEL_PARAM", "fuel_on", 11000)
        .unit(SettingsConversion::MillivoltsAsVolts)
        .range(0, 31, 0.1)
        .labelled("K4810_2737"),
    attrInt("FUEL_PARAM", "fuel_off", 8000)
        .unit(SettingsConversion::MillivoltsAsVolts)
        .range(0, 31, 0.1)
        .labelled("K4810_2736"),
    attrInt("FUEL_PARAM", "error_mode", 0).choicesOf(kFuelErrorModes).labelled("K4810_2739"),
    attrInt("ENG_PARAM", "tuning", 0).labelled("K4810_2723"),
    attrInt("ENG_PARAM", "no_evnt", 0).labelled("K4810_2724"),
    attrInt("ENG_PARAM", "eng_u", 13200)
        .unit(SettingsConversion::MillivoltsAsVolts)
        .range(6, 32, 0.1)
        .labelled("K4810_2725"),
    attrInt("POWER", "level_on", 10500)
        .unit(SettingsConversion::MillivoltsAsVolts)
        .range(6, 32, 0.1)
        .labelled("K4810_2732"),
    attrInt("POWER", "level_off", 11000)
        .unit(SettingsConversion::MillivoltsAsVolts)
        .range(6, 32, 0.1)
        .labelled("K4810_2733"),
    attrInt("MISC", "evac", 0).labelled("K4810_202"),
    attrInt("JAMMING", "on", 1).labelled("K4810_203"),
};

} // namespace

extern const SettingsSectionRows kSystemSection = sectionRows("SYSTEM", "ORV_FormSystem", kRows);
