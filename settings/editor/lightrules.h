#ifndef LIGHTRULES_H
#define LIGHTRULES_H

#include <QList>
#include <QString>

class SettingsModel;

// What the light settings form does to the sections the full pages own
// (TRACK, SENSORS, RS485, and the record fields of TRANSFER), as rules on
// the editor's model. Widget-free. Each setter is a user's action: it
// writes the keys the form stands for and nothing else; the getters derive
// what the form shows from the model.
class LightRules
{
public:
    // ------------------------------------------------------------ track presets

    static constexpr int PresetCount = 3;
    static constexpr int CustomPreset = PresetCount; // the radio after the presets

    // Values of the TRACK keys a preset writes (distances in metres).
    struct TrackPreset
    {
        int direction;     // GPSwriteTelemetryByChangeDirection: 1 by angle, 2 by direction
        int angle;         // GPSangleForWriteTelemetry
        int distance;      // GPSdistanceForWriteTelemetry, by-distance on
        int time;          // GPStimeForWriteTelemetry, by-time on
        int telemetryTimer; // GPSparking/tlmTmr
        bool blockByWay;   // GPSblockAngleEvtByWay
        int way;           // GPSWayForBlock
        bool blockByTime;  // GPSblockAngleEvtByTime
        int blockTime;     // GPSTimeForBlock
    };
    static const TrackPreset &preset(int index);
    // The first preset whose values the model holds, else CustomPreset. A
    // value that is switched off (the distance while by-distance is off, the
    // blocking way while blocking by way is off, ...) does not count.
    static int matchingPreset(const SettingsModel &model);
    // Writes a preset's values; the custom preset writes nothing.
    static void applyPreset(SettingsModel &model, int index);

    // ------------------------------------------------------------ record-field switches

    // Characters of TRANSFER/GPRSprotocolConfig a switch stands for:
    // 0 input 1, 1 the CAN fields, 2..4 analogue inputs 1..3, 5 and 6 the
    // frequency inputs, 7 the RS-232 sensor, 8 and 9 RS-485 sensors 1 and 2
    // (level and temperature). Numbers outside 0..9 stand for nothing.
    static constexpr int SwitchCount = 10;
    static QList<int> switchPositions(int number);
    // '1' or '0' at each position, a short selection padded with '0'.
    static void setSwitch(QString &selection, int number, bool on);
    static void setSwitch(SettingsModel &model, int number, bool on);
    // Every position of the switch selects its field.
    static bool isSwitchOn(const SettingsModel &model, int number);

    // ------------------------------------------------------------ inputs

    enum class Input {
        Ignition,      // input 1 as ignition: SENSORS/normStateIN1 "NB+", switch 0
        AnalogueFuel,  // fuel level on analogue input 1: normStateAIN1 "UI", switch 2
        FrequencyFuel  // fuel level on input 2 (frequency): normStateIN2 "FRQ", switch 5
    };
    static bool isInputOn(const SettingsModel &model, Input input);
    static void setInput(SettingsModel &model, Input input, bool on);

    // ------------------------------------------------------------ RS-485 fuel sensors

    // The two fuel-level sensors the form offers on the RS-485 bus (at
    // 19200 baud). The RS485 keys are read and written as texts by path:
    // Owner, FSBoudrate485, FS0use485, FS0Adress485, FS0FLStype485 and the
    // same for sensor FS1.
    struct Rs485Fuel
    {
        bool on = false;
        bool use[2] = {false, false};
        int address[2] = {1, 2};
    };
    static Rs485Fuel rs485Fuel(const SettingsModel &model);
    static void setRs485Fuel(SettingsModel &model, const Rs485Fuel &fuel);
};

#endif // LIGHTRULES_H
