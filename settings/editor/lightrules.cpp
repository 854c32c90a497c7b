#include "settings/editor/lightrules.h"

#include "settings/model/settingsconversion.h"
#include "settings/model/settingsmodel.h"
#include "telemetry/fieldselection.h"

#include <iterator>

namespace {

const QString kTrack = QStringLiteral("TRACK");
const QString kSensors = QStringLiteral("SENSORS");
const QString kRs485 = QStringLiteral("RS485");
const QString kTransfer = QStringLiteral("TRANSFER");
const QString kSelection = QStringLiteral("GPRSprotocolConfig");

const QString kDirection = QStringLiteral("GPSwriteTelemetryByChangeDirection");
const QString kAngle = QStringLiteral("GPSangleForWriteTelemetry");
const QString kByDistance = QStringLiteral("GPSwriteTelemetryEveryDistance");
const QString kDistance = QStringLiteral("GPSdistanceForWriteTelemetry");
const QString kByTime = QStringLiteral("GPSwriteTelemetryEveryTime");
const QString kTime = QStringLiteral("GPStimeForWriteTelemetry");
const QString kTimer = QStringLiteral("GPSparking/tlmTmr");
const QString kByWay = QStringLiteral("GPSblockAngleEvtByWay");
const QString kWay = QStringLiteral("GPSWayForBlock");
const QString kBlockByTime = QStringLiteral("GPSblockAngleEvtByTime");
const QString kBlockTime = QStringLiteral("GPSTimeForBlock");

//                                     dir angle dist time timer byWay way byTime blockTime
const LightRules::TrackPreset kPresets[LightRules::PresetCount] = {
    {2, 5, 1000, 0, 600, true, 10, true, 2},
    {2, 5, 500, 60, 600, true, 10, false, 2},
    {1, 5, 500, 20, 600, false, 10, false, 2},
};

// Positions of each switch in the selection string.
const QList<int> kSwitches[LightRules::SwitchCount] = {
    {28}, {52, 53, 54, 56}, {20}, {21}, {22}, {34}, {35}, {43}, {37, 77}, {38, 78},
};

int intOf(const SettingsModel &model, const QString &section, const QString &path)
{
    return model.value(section, path, &SettingsConversion::Stored).toInt();
}

// A value of the track section in the unit the form shows (metres for distances).
int shown(const SettingsModel &model, const QString &path)
{
    return model.value(kTrack, path).toInt();
}

bool isOn(const SettingsModel &model, const QString &path)
{
    return intOf(model, kTrack, path) != 0;
}

// An untyped text of the RS485 section, or a default when it holds none.
QString rsText(const SettingsModel &model, const QString &path, const QString &def)
{
    const QString t = model.text(kRs485, path).trimmed();
    return t.isEmpty() ? def : t;
}

int rsInt(const SettingsModel &model, const QString &path, int def)
{
    bool ok = false;
    const int v = rsText(model, path, QString()).toInt(&ok);
    return ok ? v : def;
}

QString sensorKey(const char *pattern, int n)
{
    return QString::fromLatin1(pattern).arg(n);
}

} // namespace

// ---------------------------------------------------------------- presets

const LightRules::TrackPreset &LightRules::preset(int index)
{
    return kPresets[qBound(0, index, PresetCount - 1)];
}

int LightRules::matchingPreset(const SettingsModel &model)
{
    const bool byDistance = isOn(model, kByDistance);
    const bool byTime = isOn(model, kByTime);
    const bool byWay = isOn(model, kByWay);
    const bool blockByTime = isOn(model, kBlockByTime);
    for (int i = 0; i < PresetCount; ++i) {
        const TrackPreset &p = kPresets[i];
        // Every preset records by distance and by time.
        const bool matches = intOf(model, kTrack, kDirection) == p.direction && shown(model, kAngle) == p.angle
                             && byDistance && shown(model, kDistance) == p.distance && byTime
                             && shown(model, kTime) == p.time && shown(model, kTimer) == p.telemetryTimer
                             && byWay == p.blockByWay && (!byWay || shown(model, kWay) == p.way)
                             && blockByTime == p.blockByTime && (!blockByTime || shown(model, kBlockTime) == p.blockTime);
        if (matches)
            return i;
    }
    return CustomPreset;
}

void LightRules::applyPreset(SettingsModel &model, int index)
{
    if (index < 0 || index >= PresetCount)
        return;
    const TrackPreset &p = kPresets[index];
    model.setValue(kTrack, kDirection, p.direction);
    model.setValue(kTrack, kAngle, p.angle);
    model.setValue(kTrack, kByDistance, 1);
    model.setValue(kTrack, kDistance, p.distance);
    model.setValue(kTrack, kByTime, 1);
    model.setValue(kTrack, kTime, p.time);
    model.setValue(kTrack, kTimer, p.telemetryTimer);
    model.setValue(kTrack, kByWay, p.blockByWay ? 1 : 0);
    model.setValue(kTrack, kWay, p.way);
    model.setValue(kTrack, kBlockByTime, p.blockByTime ? 1 : 0);
    model.setValue(kTrack, kBlockTime, p.blockTime);
}

// ---------------------------------------------------------------- switches

QList<int> LightRules::switchPositions(int number)
{
    return number >= 0 && number < SwitchCount ? kSwitches[number] : QList<int>();
}

void LightRules::setSwitch(QString &selection, int number, bool on)
{
    for (int position : switchPositions(number))
        FieldSelection::setPosition(selection, position, on);
}

void LightRules::setSwitch(SettingsModel &model, int number, bool on)
{
    if (number < 0 || number >= SwitchCount)
        return;
    QString selection = model.text(kTransfer, kSelection);
    setSwitch(selection, number, on);
    model.setText(kTransfer, kSelection, selection);
}

bool LightRules::isSwitchOn(const SettingsModel &model, int number)
{
    const QList<int> positions = switchPositions(number);
    if (positions.isEmpty())
        return false;
    const QString selection = model.text(kTransfer, kSelection);
    for (int position : positions) {
        if (position >= selection.size() || !FieldSelection::isSelected(selection.at(position)))
            return false;
    }
    return true;
}

// ---------------------------------------------------------------- inputs

bool LightRules::isInputOn(const SettingsModel &model, Input input)
{
    switch (input) {
    case Input::Ignition:
        return model.text(kSensors, QStringLiteral("normStateIN1")) == QLatin1String("NB+");
    case Input::AnalogueFuel:
        return model.text(kSensors, QStringLiteral("normStateAIN1")) == QLatin1String("UI");
    case Input::FrequencyFuel:
        return model.text(kSensors, QStringLiteral("normStateIN2")) == QLatin1String("FRQ");
    }
    return false;
}

void LightRules::setInput(SettingsModel &model, Input input, bool on)
{
    switch (input) {
    case Input::Ignition:
        model.setText(kSensors, QStringLiteral("normStateIN1"), on ? QStringLiteral("NB+") : QStringLiteral("N/A"));
        if (on) {
            model.setValue(kSensors, QStringLiteral("controlRestoreIN1"), 1);
            setSwitch(model, 0, true);
        }
        break;
    case Input::AnalogueFuel:
        model.setText(kSensors, QStringLiteral("normStateAIN1"), on ? QStringLiteral("UI") : QStringLiteral("NU"));
        setSwitch(model, 2, on);
        break;
    case Input::FrequencyFuel:
        model.setText(kSensors, QStringLiteral("normStateIN2"), on ? QStringLiteral("FRQ") : QStringLiteral("NU"));
        setSwitch(model, 5, on);
        break;
    }
}

// ---------------------------------------------------------------- RS-485

LightRules::Rs485Fuel LightRules::rs485Fuel(const SettingsModel &model)
{
    Rs485Fuel f;
    const QString owner = rsText(model, QStringLiteral("Owner"), QStringLiteral("NONE"));
    const int baud = rsInt(model, QStringLiteral("FSBoudrate485"), 19200);
    f.on = owner == QLatin1String("FLDS") && baud == 19200;
    if (!f.on)
        return f;
    for (int n = 0; n < 2; ++n) {
        f.use[n] = rsInt(model, sensorKey("FS%1use485", n), 0) != 0;
        f.address[n] = rsInt(model, sensorKey("FS%1Adress485", n), n + 1);
    }
    return f;
}

void LightRules::setRs485Fuel(SettingsModel &model, const Rs485Fuel &f)
{
    auto put = [&model](const QString &path, const QString &text) { model.setText(kRs485, path, text); };
    const QString one = QStringLiteral("1");
    const QString zero = QStringLiteral("0");
    bool any = false;
    for (int n = 0; n < 2; ++n) {
        put(sensorKey("FS%1use485", n), f.use[n] ? one : zero);
        if (!f.on)
            continue;
        put(sensorKey("FS%1FLStype485", n), zero);
        if (f.use[n])
            put(sensorKey("FS%1Adress485", n), QString::number(f.address[n]));
        setSwitch(model, 8 + n, f.use[n]);
        any = any || f.use[n];
    }
    put(QStringLiteral("Owner"), f.on && any ? QStringLiteral("FLDS") : QStringLiteral("NONE"));
    put(QStringLiteral("FSBoudrate485"), QStringLiteral("19200"));
    if (!f.on || !any) {
        setSwitch(model, 8, false);
        setSwitch(model, 9, false);
    }
}
