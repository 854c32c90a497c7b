#include "telemetry/tmifieldcaptions.h"

#include <QCoreApplication>

#include <cstring>

namespace {

#define K(n) QT_TRANSLATE_NOOP("TmiFieldCaptions", n)

// Members named in full, with their own key.
struct Named
{
    const char *name;
    const char *key;
};

const Named kNamed[] = {
    {"NumPage", K("K4810_597")},
    {"Code", K("K4810_598")},
    {"Time", K("K4810_599")},
    {"State", K("K4810_600")},
    {"Module1", K("K4810_601")},
    {"Module2", K("K4810_1157")},
    {"GSM", K("K4810_602")},
    {"StateNGauge", K("K4810_640")},
    {"LastTime", K("K4810_641")},
    {"Latitude", K("K4810_642")},
    {"Longitude", K("K4810_643")},
    {"Altitude", K("K4810_644")},
    {"Speed", K("K4810_645")},
    {"Course", K("K4810_646")},
    {"Run", K("K4810_647")},
    {"Way", K("K4810_648")},
    {"AllSeconds", K("K4810_649")},
    {"SecondsLast", K("K4810_650")},
    {"Power", K("K4810_606")},
    {"Reserv", K("K4810_607")},
    {"StateIn_Imp1", K("K4810_611")},
    {"StateIn_Imp2", K("K4810_612")},
    {"Frequency1", K("K4810_615")},
    {"Frequency2", K("K4810_616")},
    {"Motochas", K("K4810_617")},
    {"LevelRS232", K("K4810_633")},
    {"CAN_FuelLevel", K("K4810_695")},
    {"CAN_FuelConsumption", K("K4810_696")},
    {"CAN_EngineTurns", K("K4810_697")},
    {"CAN_Temp", K("K4810_846")},
    {"CAN_FullRun", K("K4810_698")},
    {"CAN_AxleLoad_1", K("K4810_840")},
    {"CAN_AxleLoad_2", K("K4810_841")},
    {"CAN_AxleLoad_3", K("K4810_842")},
    {"CAN_AxleLoad_4", K("K4810_843")},
    {"CAN_AxleLoad_5", K("K4810_844")},
    {"CAN_PedalAccel", K("K4810_847")},
    {"CAN_PedalStop", K("K4810_848")},
    {"CAN_EngineLoad", K("K4810_849")},
    {"CAN_LevelFiltr", K("K4810_1163")},
    {"CAN_EngineTime", K("K4810_850")},
    {"CAN_TimeTO", K("K4810_851")},
    {"CAN_Speed", K("K4810_845")},
    {"NaviHDop", K("K4810_1165")},
    {"NaviPDop", K("K4810_1166")},
    {"NaviState", K("K4810_1167")},
    {"NaviLatitude", K("K4810_1168")},
    {"NaviLongitude", K("K4810_1169")},
    {"NaviAltitude", K("K4810_1170")},
    {"NaviCourse", K("K4810_1171")},
    {"NaviSpeed", K("K4810_1172")},
    {"LbsTime", K("K4810_1178")},
    {"TahoState", K("K4810_1183")},
    {"TahoMode", K("K4810_1184")},
    {"TahoFlags", K("K4810_1185")},
    {"TahoSpeed", K("K4810_1186")},
    {"TahoOdometer", K("K4810_1187")},
    {"TahoTime", K("K4810_1188")},
    {"DispCur", K("K4810_1189")},
    {"DispLastIndex", K("K4810_1190")},
    {"AccelDelta", K("K4810_1191")},
    {"AccelModule", K("K4810_1901")},
    {"AccelAngularPlus", K("K4810_1902")},
    {"AccelAngularMinus", K("K4810_1903")},
    {"AccelAngularCorner", K("K4810_1904")},
    {"AinfState", K("K4810_1906")},
    {"AinfGeozoneID", K("K4810_1907")},
    {"AinfStopID", K("K4810_1908")},
    {"AinfRouteID", K("K4810_1909")},
    {"CameraState", K("K4810_1910")},
};

// Numbered members: a name prefix, then the number or name part shown
// after the caption. Longer prefixes first where one starts another.
struct Numbered
{
    const char *prefix;
    const char *key;
};

const Numbered kNumbered[] = {
    {"StateU_Ain", K("K4810_1158")},
    {"StateIn", K("K4810_1159")},
    {"StateOut", K("K4810_1160")},
    {"LevelRS485_", K("K4810_1161")},
    {"TempRS485_", K("K4810_1179")},
    {"Temp", K("K4810_1162")},
    {"NaviInfo", K("K4810_1164")},
    {"LbsCellID", K("K4810_1173")},
    {"LbsLac", K("K4810_1174")},
    {"LbsMcc", K("K4810_1175")},
    {"LbsMnc", K("K4810_1176")},
    {"LbsLevel", K("K4810_1177")},
    {"TiresNum", K("K4810_1180")},
    {"TiresPres", K("K4810_1181")},
    {"TiresTemp", K("K4810_1182")},
    {"AccelLinear", K("K4810_1900")},
    {"Passager_", K("K4810_1905")},
};

const char *const kGroupTitles[TmiFieldCaptions::GroupCount] = {
    K("K4810_1923"), K("K4810_1648"), K("K4810_1914"), K("K4810_1913"), K("K4810_1650"), K("K4810_1915"),
    K("K4810_1916"), K("K4810_1652"), K("K4810_1911"), K("K4810_1912"), K("K4810_1919"), K("K4810_1917"),
    K("K4810_1921"), K("K4810_1918"), K("K4810_1920"), K("K4810_1922"),
};

#undef K

struct Resolved
{
    const char *key = nullptr;
    QString suffix;
};

Resolved resolve(int member)
{
    Resolved r;
    if (member < 0 || member >= FieldTable::MemberCount)
        return r;
    const char *name = FieldTable::memberName(member);
    for (const Named &n : kNamed) {
        if (std::strcmp(n.name, name) == 0) {
            r.key = n.key;
            return r;
        }
    }
    for (const Numbered &n : kNumbered) {
        const size_t length = std::strlen(n.prefix);
        if (std::strncmp(n.prefix, name, length) != 0)
            continue;
        QString rest = QString::fromLatin1(name + length);
        if (rest.isEmpty() || rest.startsWith(QLatin1Char('_'))) {
            // LBS groups: "LbsLac", "LbsLac_1", "LbsLac_2" are the cells 1, 2, 3.
            rest = QString::number(rest.isEmpty() ? 1 : rest.mid(1).toInt() + 1);
        }
        r.key = n.key;
        r.suffix = rest;
        return r;
    }
    return r;
}

} // namespace

const char *TmiFieldCaptions::key(int member)
{
    return resolve(member).key;
}

QString TmiFieldCaptions::suffix(int member)
{
    return resolve(member).suffix;
}

QString TmiFieldCaptions::caption(int member)
{
    const Resolved r = resolve(member);
    if (!r.key)
        return member >= 0 && member < FieldTable::MemberCount ? QString::fromLatin1(FieldTable::memberName(member))
                                                                : QString();
    const QString text = QCoreApplication::translate("TmiFieldCaptions", r.key);
    return r.suffix.isEmpty() ? text : QStringLiteral("%1 %2").arg(text, r.suffix);
}

TmiFieldCaptions::Group TmiFieldCaptions::group(int bit)
{
    if (bit <= 6)
        return Record;
    if (bit <= 17)
        return Navigation;
    if (bit <= 27)
        return AnalogueInputs;
    if (bit <= 31)
        return InputsOutputs;
    if (bit <= 36)
        return Counters;
    if (bit <= 43)
        return Rs485;
    if (bit <= 51)
        return Temperatures;
    if (bit <= 68)
        return Can;
    if (bit <= 75)
        return ExtendedNavigation;
    if (bit == 76)
        return Lbs;
    if (bit <= 92)
        return Rs485;
    if (bit <= 96)
        return Tyres;
    if (bit <= 102)
        return Tachograph;
    if (bit <= 104)
        return Informer;
    if (bit <= 108)
        return Accelerometer;
    if (bit <= 116)
        return Passengers;
    if (bit <= 120)
        return Informer;
    return Camera;
}

QString TmiFieldCaptions::groupTitle(Group group)
{
    if (group < 0 || group >= GroupCount)
        return QString();
    return QCoreApplication::translate("TmiFieldCaptions", kGroupTitles[group]);
}

QList<int> TmiFieldCaptions::rows(Group group)
{
    QList<int> list;
    for (int bit = 0; bit < FieldTable::RowCount; ++bit) {
        if (TmiFieldCaptions::group(bit) == group)
            list << bit;
    }
    return list;
}
