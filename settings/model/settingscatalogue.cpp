#include "settings/model/settingscatalogue.h"

#include "xml/settingssection.h"

#include <QCoreApplication>

#include <map>
#include <memory>

namespace {

// ------------------------------------------------------------ row builders

constexpr SettingsKey entryInt(const char *key, int def)
{
    SettingsKey r;
    r.key = key;
    r.type = SettingsKey::Int;
    r.number = def;
    return r;
}

constexpr SettingsKey entryReal(const char *key, double def, int decimals)
{
    SettingsKey r;
    r.key = key;
    r.type = SettingsKey::Real;
    r.decimals = quint8(decimals);
    r.number = def;
    return r;
}

constexpr SettingsKey entryText(const char *key, const char *def)
{
    SettingsKey r;
    r.key = key;
    r.type = SettingsKey::Text;
    r.defaultKind = SettingsKey::Literal;
    r.text = def;
    return r;
}

// Default: the text of a text key, in the page's translation context.
constexpr SettingsKey entryTextOf(const char *key, const char *textKey)
{
    SettingsKey r = entryText(key, textKey);
    r.defaultKind = SettingsKey::TextKey;
    return r;
}

constexpr SettingsKey attrInt(const char *sub, const char *key, int def)
{
    SettingsKey r = entryInt(key, def);
    r.subSection = sub;
    return r;
}

constexpr SettingsKey attrText(const char *sub, const char *key, const char *def)
{
    SettingsKey r = entryText(key, def);
    r.subSection = sub;
    return r;
}

constexpr SettingsKey converted(SettingsKey r, SettingsConversion::Kind kind)
{
    r.conversion = kind;
    return r;
}

constexpr SettingsKey legacy(SettingsKey r, const char *onlyWithout)
{
    r.flags = SettingsKey::Legacy;
    r.onlyWithout = onlyWithout;
    return r;
}

constexpr SettingsKey writeOnly(SettingsKey r, QVariant (*derive)(const SettingsValues &))
{
    r.flags = SettingsKey::WriteOnly;
    r.derive = derive;
    return r;
}

// ------------------------------------------------------------ hand-written rules

// Roaming is 1 when the roaming mode of SIM 1 is 1, else 0.
QVariant deriveRoaming(const SettingsValues &values)
{
    return values.toInt(QStringLiteral("ROAMING_SIM1/mode"), 2) == 1 ? 1 : 0;
}

constexpr SettingsConversion::Kind KmAsMetres = SettingsConversion::KilometresAsMetres;
constexpr SettingsConversion::Kind SecAsMinutes = SettingsConversion::SecondsAsMinutes;
constexpr const char *PowerSaveConfig = "powerSaveConfig";

// ------------------------------------------------------------ tables

const SettingsKey kTransfer[] = {
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
    entryText("GPRSSrv0IP", "0.0.0.0"),
    entryText("GPRSSrv1IP", "0.0.0.0"),
    entryText("GPRSSrv2IP", "0.0.0.0"),
    entryInt("GPRSSrv0Port", 4000),
    entryInt("GPRSSrv1Port", 4000),
    entryInt("GPRSSrv2Port", 4000),
    attrText("GPRSTrans", "srv0", "TCP"),
    attrText("GPRSTrans", "srv1", "TCP"),
    attrText("GPRSTrans", "srv2", "TCP"),
    attrInt("GPRSTrans", "noToGprs", 0),
    attrInt("GPRSTrans", "noCur", 0),
    attrText("CRYPTO", "type", "0 0 0"),
    attrText("CRYPTO", "key", ""),
    entryInt("GPRSAlwaysCnct", 1),
    entryInt("GPRSpingPeriod", 30),
    entryInt("GPRSTelAddtoPing", 0),
    entryInt("GPPSTimerConnect", 3600),
    entryInt("GPRSCoercionCnct", 0),
    entryInt("GPRSuseCommand", 1),
    entryInt("GPRSBlockCnctFault", 600),
    writeOnly(entryInt("Roaming", 0), deriveRoaming),
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
    entryInt("GPRSUpdateHour", 17),
    entryInt("GPRSUpdateMinute", 4),
    entryText("GPRSUpdateDNS", ""),
    entryText("GPRSUpdateIP", SettingsCatalogue::UpdateServerAddress),
    entryInt("GPRSUpdatePort", 9100),
};

const SettingsKey kTrack[] = {
    entryInt("GPStrackStops", 1),
    entryInt("GPStrackMaxPermVelocity", 0),
    entryReal("GPSmaxPermissibleVelocity", 100.0, 1),
    entryInt("GPSwriteTelemetryByChangeDirection", 2),
    entryInt("GPSangleForWriteTelemetry", 5),
    entryInt("GPSwriteTelemetryEveryDistance", 1),
    converted(entryReal("GPSdistanceForWriteTelemetry", 0.5, 3), KmAsMetres),
    entryInt("GPSwriteTelemetryEveryTime", 1),
    entryInt("GPStimeForWriteTelemetry", 60),
    entryInt("GPSblockAngleEvtByWay", 1),
    converted(entryReal("GPSWayForBlock", 0.01, 3), KmAsMetres),
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

const SettingsKey kSystem[] = {
    entryText("csd_password", ""),
    entryText("SMSPassword", ""),
    entryInt("timeZone", 3),
    entryInt("allowDecretTime", 0),
    entryInt("SYSdispThreshold", 45),
    attrText("motohours", "moto", "0010"),
    entryText("balanceRequestUSSD", ""),
    entryInt("useAutoBalanceChek", 0),
    entryInt("balanceChekPeriod", 86400),
    entryTextOf("balancePositiveMask", "K4810_191"),
    entryTextOf("balanceNegativeMask", "K4810_192"),
    entryTextOf("balanceSMSMask", "K4810_193"),
    entryInt("balanceMinRU", 20),
    entryInt("balanceMinPenny", 0),
    attrInt(PowerSaveConfig, "mode", 0),
    attrInt(PowerSaveConfig, "line", 0),
    attrInt(PowerSaveConfig, "deep", 0),
    attrInt(PowerSaveConfig, "on_period", 60),
    converted(attrInt(PowerSaveConfig, "deep_delay", 60), SecAsMinutes),
    attrText(PowerSaveConfig, "on_timer", ""),
    attrText(PowerSaveConfig, "sensors", "0000"),
    attrInt(PowerSaveConfig, "acl_delay", 600),
    attrText(PowerSaveConfig, "actions", "0 0 0 0"),
    attrText(PowerSaveConfig, "delays", "60 60 60 60"),
    attrText("powerSaveDay", "on_1", "00:00"),
    attrText("powerSaveDay", "on_2", "00:00"),
    attrText("powerSaveDay", "on_3", "00:00"),
    attrText("powerSaveDay", "on_4", "00:00"),
    attrText("powerSaveDay", "on_5", "00:00"),
    attrText("powerSaveDay", "on_6", "00:00"),
    attrText("powerSaveDay", "on_7", "00:00"),
    attrText("powerSaveDay", "off_1", "00:00"),
    attrText("powerSaveDay", "off_2", "00:00"),
    attrText("powerSaveDay", "off_3", "00:00"),
    attrText("powerSaveDay", "off_4", "00:00"),
    attrText("powerSaveDay", "off_5", "00:00"),
    attrText("powerSaveDay", "off_6", "00:00"),
    attrText("powerSaveDay", "off_7", "00:00"),
    legacy(entryInt("powerSavePowered", 0), PowerSaveConfig),
    legacy(entryInt("powerSaveBattery", 0), PowerSaveConfig),
    legacy(entryInt("powerSaveByEngine", 0), PowerSaveConfig),
    legacy(entryInt("powerSaveByAccelDelay", -1), PowerSaveConfig),
    legacy(entryInt("powerSaveByIN", -1), PowerSaveConfig),
    legacy(entryInt("powerSaveSleepDelay", -1), PowerSaveConfig),
    legacy(entryInt("powerSaveGPSOffDelay", -1), PowerSaveConfig),
    legacy(entryInt("powerSaveGSMOffDelay", -1), PowerSaveConfig),
    legacy(entryInt("powerSaveBQOffDelay", -1), PowerSaveConfig),
    entryInt("simFullControl", 1),
    attrText("FUEL_PARAM", "flags", ""),
    attrInt("FUEL_PARAM", "delay", 5),
    attrInt("FUEL_PARAM", "fuel_on", 11000),
    attrInt("FUEL_PARAM", "fuel_off", 8000),
    attrInt("FUEL_PARAM", "error_mode", 0),
    attrInt("ENG_PARAM", "tuning", 0),
    attrInt("ENG_PARAM", "no_evnt", 0),
    attrInt("ENG_PARAM", "eng_u", 13200),
    attrInt("POWER", "level_on", 10500),
    attrInt("POWER", "level_off", 11000),
    attrInt("MISC", "evac", 0),
    attrInt("JAMMING", "on", 1),
};

const SettingsKey kTempSensors[] = {
    entryText("KeyT1", ""),
    entryText("KeyT2", ""),
    entryText("KeyT3", ""),
    entryText("KeyT4", ""),
    entryTextOf("nicknameT1", "K4810_275"),
    entryTextOf("nicknameT2", "K4810_276"),
    entryTextOf("nicknameT3", "K4810_277"),
    entryTextOf("nicknameT4", "K4810_278"),
    entryInt("maxValT1", 1200),
    entryInt("maxValT2", 1200),
    entryInt("maxValT3", 1200),
    entryInt("maxValT4", 1200),
    entryInt("minValT1", -500),
    entryInt("minValT2", -500),
    entryInt("minValT3", -500),
    entryInt("minValT4", -500),
};

const SettingsKey kSensors[] = {
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

const SettingsKey kOutputLines[] = {
    entryText("nicknameO1", ""),
    entryText("nicknameO2", ""),
    entryText("useAsO1", "GP"),
    entryText("useAsO2", "GP"),
    entryText("autoSwitchO1", "000000000000000000"),
    entryText("autoSwitchO2", "000000000000000000"),
    entryInt("signalFormO1", 0),
    entryInt("activePhaseO1", 0),
    entryInt("passivePhaseO1", 0),
    entryInt("autoSwitchOffO1", 0),
    entryInt("timeAutoSwitchOffO1", 0),
    entryInt("signalFormO2", 0),
    entryInt("activePhaseO2", 0),
    entryInt("passivePhaseO2", 0),
    entryInt("autoSwitchOffO2", 0),
    entryInt("timeAutoSwitchOffO2", 0),
    attrInt("PARAM_O1", "safeBlocking", 0),
    attrInt("PARAM_O1", "delaySwOn", 0),
    attrInt("PARAM_O1", "zumg", 0),
    attrInt("PARAM_O1", "rstLockDelay", 5),
    attrInt("PARAM_O2", "safeBlocking", 0),
    attrInt("PARAM_O2", "delaySwOn", 0),
    attrInt("PARAM_O2", "zumg", 0),
    attrInt("PARAM_O2", "rstLockDelay", 5),
};

const SettingsKey kGuardProfiles[] = {
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

template <size_t N>
constexpr SettingsTable table(const char *name, const char *pageClass, const SettingsKey (&keys)[N])
{
    SettingsTable s;
    s.name = name;
    s.pageClass = pageClass;
    s.keys = keys;
    s.count = int(N);
    return s;
}

const SettingsTable kSections[] = {
    table("TRANSFER", "ORV_FormTransfer", kTransfer),
    table("TRACK", "ORV_FormTrack", kTrack),
    table("SYSTEM", "ORV_FormSystem", kSystem),
    table("TEMP_SENSORS", "ORV_FormTempSensors", kTempSensors),
    table("SENSORS", "ORV_FormSensors", kSensors),
    table("OUTPUT_LINES", "ORV_FormOutputLines", kOutputLines),
    table("GUARD_PROFILES", "ORV_FormGuard", kGuardProfiles),
};

QString latin1(const char *s)
{
    return QString::fromLatin1(s);
}

} // namespace

// ------------------------------------------------------------ lookups

const QList<const SettingsTable *> &SettingsCatalogue::sections()
{
    static const QList<const SettingsTable *> list = [] {
        QList<const SettingsTable *> l;
        for (const SettingsTable &s : kSections)
            l.append(&s);
        return l;
    }();
    return list;
}

const SettingsTable *SettingsCatalogue::section(QStringView name)
{
    for (const SettingsTable *s : sections()) {
        if (name == QLatin1String(s->name))
            return s;
    }
    return nullptr;
}

const SettingsKey *SettingsCatalogue::find(QStringView sectionName, QStringView path)
{
    const SettingsTable *s = section(sectionName);
    return s ? s->find(path) : nullptr;
}

// ------------------------------------------------------------ defaults

namespace {

QVariant storedDefault(const SettingsTable &table, const SettingsKey &key)
{
    switch (key.type) {
    case SettingsKey::Int:
        return int(key.number);
    case SettingsKey::Real:
        return key.number;
    case SettingsKey::Text:
        if (key.defaultKind == SettingsKey::TextKey)
            return QCoreApplication::translate(table.pageClass, key.text);
        return latin1(key.text ? key.text : "");
    }
    return QVariant();
}

} // namespace

QVariant SettingsCatalogue::defaultValue(const SettingsTable &table, const SettingsKey &key)
{
    return SettingsConversion::toShown(key.conversion, storedDefault(table, key));
}

SettingsValues SettingsCatalogue::defaults(const SettingsTable &table)
{
    SettingsValues values;
    for (const SettingsKey &key : table) {
        if (!key.isWriteOnly())
            values.set(key.path(), defaultValue(table, key));
    }
    return values;
}

// ------------------------------------------------------------ load

SettingsValues SettingsCatalogue::load(const SettingsSection *section, const SettingsTable &table)
{
    SettingsValues values;
    const bool valid = section && section->isValid() && !section->isDocument();
    // Sub-section handles, each looked up once; null when absent.
    std::map<const char *, std::unique_ptr<SettingsSection>> subs;
    auto handleFor = [&](const SettingsKey &key) -> const SettingsSection * {
        if (!valid)
            return nullptr;
        if (key.isEntry())
            return section;
        auto it = subs.find(key.subSection);
        if (it == subs.end())
            it = subs.emplace(key.subSection, section->child(latin1(key.subSection))).first;
        return it->second.get();
    };
    std::map<const char *, bool> present;
    auto isPresent = [&](const char *sub) {
        auto it = present.find(sub);
        if (it == present.end())
            it = present.emplace(sub, valid && section->hasChild(latin1(sub))).first;
        return it->second;
    };

    for (const SettingsKey &key : table) {
        if (key.isWriteOnly())
            continue;
        if (key.isLegacy() && isPresent(key.onlyWithout))
            continue;
        const SettingsSection *h = handleFor(key);
        const QString name = latin1(key.key);
        QVariant stored;
        switch (key.type) {
        case SettingsKey::Int:
            stored = h ? h->getInt(name, int(key.number)) : int(key.number);
            break;
        case SettingsKey::Real:
            stored = h ? h->getFloat(name, key.number) : key.number;
            break;
        case SettingsKey::Text: {
            const QString def = storedDefault(table, key).toString();
            stored = h ? h->getText(name, def) : def;
            break;
        }
        }
        values.set(key.path(), SettingsConversion::toShown(key.conversion, stored));
    }
    return values;
}

// ------------------------------------------------------------ save

QVariant SettingsCatalogue::storedValue(const SettingsTable &table, const SettingsKey &key,
                                       const SettingsValues &values)
{
    if (key.derive)
        return key.derive(values);
    const QString path = key.path();
    const QVariant shown = values.contains(path) ? values.value(path) : defaultValue(table, key);
    return SettingsConversion::toStored(key.conversion, shown);
}

QString SettingsCatalogue::storedText(const SettingsKey &key, const QVariant &stored)
{
    switch (key.type) {
    case SettingsKey::Int:
        return QString::number(stored.toInt());
    case SettingsKey::Real:
        return QString::number(stored.toDouble(), 'f', key.decimals);
    case SettingsKey::Text:
        return stored.toString();
    }
    return QString();
}

bool SettingsCatalogue::save(SettingsSection &parent, const SettingsTable &table, const SettingsValues &values)
{
    std::unique_ptr<SettingsSection> section = parent.section(latin1(table.name), 0);
    if (!section)
        return false;
    section->setText(QString::fromLatin1(PageKey), latin1(table.name));

    QStringList written;
    for (const SettingsKey &key : table) {
        if (key.isLegacy())
            continue;
        if (key.isEntry()) {
            const QVariant stored = storedValue(table, key, values);
            if (key.type == SettingsKey::Int)
                section->addValue(latin1(key.key), stored.toInt());
            else
                section->addValue(latin1(key.key), storedText(key, stored));
            continue;
        }
        const QString subName = latin1(key.subSection);
        if (written.contains(subName))
            continue;
        written.append(subName);
        std::unique_ptr<SettingsSection> sub = section->section(subName, 3);
        if (!sub)
            return false;
        for (const SettingsKey &k : table) {
            if (k.isEntry() || k.isLegacy() || qstrcmp(k.subSection, key.subSection) != 0)
                continue;
            const QVariant stored = storedValue(table, k, values);
            if (k.type == SettingsKey::Int)
                sub->setInt(latin1(k.key), stored.toInt());
            else
                sub->setText(latin1(k.key), storedText(k, stored));
        }
        if (!sub->commit())
            return false;
    }
    return section->commit();
}
