// Catalogue of the RS485 section: the RS-485 bus, the device family using
// it with that family's sub-section, and sixteen digital fuel-level sensors.
#include "settings/model/settingsrow.h"

namespace {

// What the bus is used for, in the order of the page's combo box. Three
// items share "FCAN": the CAN adapter (CAN / CANstandart) tells them apart.
const SettingsChoice kOwners[] = {
    choice("NONE", "K4810_219"), choice("FLDS", "K4810_220"), choice("FCAN", "K4810_221"),
    choice("FCAN", "K4810_218"), choice("FCAN", "K4810_1533"), choice("", "K4810_1206"),
    choice("DCAM", "K4810_223"), choice("AINF", "K4810_229"), choice("DV01", "K4810_224"),
    choice("TACH", "K4810_1065"), choice("TPMS", "K4810_1220"), choice("MH_M", "K4810_1210"),
    choice("REPS", "K4810_1207"), choice("HRPS", "K4810_1208"), choice("IRID", "K4810_1209"),
    choice("TGFS", "K4810_1217"), choice("RFID", "K4810_1416"), choice("NMSP", "K4810_1469"),
    choice("REFR", "K4810_1480"), choice("DDFS", "K4810_1504"), choice("PCNT", "K4810_1509"),
    choice("IPPC", "K4810_1510"), choice("ALCO", "K4810_1529"),
};

const SettingsChoice kSpeeds[] = {
    plainChoice("115200"), plainChoice("57600"), plainChoice("56000"), plainChoice("38400"), plainChoice("19200"),
    plainChoice("14400"),  plainChoice("9600"),  plainChoice("4800"),  plainChoice("2400"),  plainChoice("1200"),
};

const SettingsChoice kTachographs[] = {
    plainChoice("ATOL"), plainChoice("STRH"), plainChoice("KSBI"), plainChoice("MERK"), plainChoice("KONT"),
};

const SettingsChoice kTyreSystems[] = {
    plainChoice("PRESSPRO"), plainChoice("BRDGESTN"), plainChoice("TM508"), plainChoice("TPMS613"),
};

const SettingsChoice kParities[] = {plainChoice("N"), plainChoice("E"), plainChoice("O")};
const SettingsChoice kHprsTypes[] = {plainChoice("AGRONAV")};
const SettingsChoice kReaderTypes[] = {plainChoice("LLS")};
const SettingsChoice kCardFormats[] = {
    SettingsChoice{"0", "EM-Marine", false},
    SettingsChoice{"1", "HID Prox", false},
    SettingsChoice{"2", "MIFARE", false},
};
const SettingsChoice kRefrigerators[] = {plainChoice("iQFreeze")};
const SettingsChoice kCounters[] = {plainChoice("PP01")};

// Sensor types; 3 is the type a combined sensor is written with.
const SettingsChoice kFuelTypes[] = {
    choice("0", "K4810_891"), choice("1", "K4810_892"), choice("2", "K4810_893"), choice("3", "K4810_894"),
    choice("4", "LLS-совместимый (с расширенным диапазоном)"),
};

// Filter strength: the step (0 .. 10) stands for the coefficient stored.
const SettingsChoice kFilterSteps[] = {
    SettingsChoice{"1000", "0 (1000)", false}, SettingsChoice{"607", "1 (607)", false},
    SettingsChoice{"368", "2 (368)", false},   SettingsChoice{"223", "3 (223)", false},
    SettingsChoice{"135", "4 (135)", false},   SettingsChoice{"82", "5 (82)", false},
    SettingsChoice{"50", "6 (50)", false},     SettingsChoice{"30", "7 (30)", false},
    SettingsChoice{"18", "8 (18)", false},     SettingsChoice{"11", "9 (11)", false},
    SettingsChoice{"7", "10 (7)", false},
};

const SettingsRow kRows[] = {
    entryText("Owner", "NONE").choicesOf(kOwners).labelled("K4810_2850"),
    entryText("FSBoudrate485", "19200").choicesOf(kSpeeds).labelled("K4810_2851"),

    // Sensors FS0 .. FS15, written sensor by sensor.
    entryInt("FS%1FLStype485", 0).choicesOf(kFuelTypes).indexed(0, 15).labelled("K4810_1935"),
    entryInt("FS%1use485", 0).indexed(0, 15).labelled("K4810_2424"),
    entryInt("FS%1Adress485", 1).range(1, 254).indexed(0, 15, 1).labelled("K4810_2852"),
    entryInt("FS%1Response485", 50).range(1, 9999).indexed(0, 15).labelled("K4810_2853"),
    entryInt("FS%1FilterMode485", 0).indexed(0, 15).labelled("K4810_2854"),
    entryInt("FS%1AverLength485", 5).range(1, 255).indexed(0, 15).labelled("K4810_2855"),
    entryInt("FS%1Kalman485", 82).choicesOf(kFilterSteps).indexed(0, 15).labelled("K4810_2856"),
    attrInt("FS%1_485_PARAM", "trhld_move_off", 1).indexed(0, 15).labelled("K4810_2857"),

    // A family's sub-section is written while its family is chosen (or, as
    // read, while the choice is untouched).
    attrText("TACH", "type", "ATOL").choicesOf(kTachographs).when("Owner", "TACH|TGFS").labelled("K4810_1935"),
    attrText("TACH", "login", "").when("Owner", "TACH|TGFS").labelled("K4810_2860"),
    attrText("TACH", "psswrd", "").when("Owner", "TACH|TGFS").labelled("K4810_2423"),
    attrInt("TACH", "no_ping", 0).when("Owner", "TACH").labelled("K4810_2861"),
    attrText("TPMS", "type", "PRESSPRO").choicesOf(kTyreSystems).when("Owner", "TPMS").labelled("K4810_1935"),
    attrInt("TPMS", "holdTime", 15).range(1, 255).when("Owner", "TPMS").labelled("K4810_2862"),
    attrInt("RS485MODBUS", "address", 1).range(1, 247).when("Owner", "MH_M").labelled("K4810_2852"),
    attrText("RS485SETTINGS", "parity", "N").choicesOf(kParities).when("Owner", "MH_M").labelled("K4810_2863"),
    attrText("HPRS", "type", "AGRONAV").choicesOf(kHprsTypes).when("Owner", "HRPS").labelled("K4810_1935"),
    attrText("RFID", "type", "LLS").choicesOf(kReaderTypes).when("Owner", "RFID").labelled("K4810_1935"),
    attrInt("RFID", "id", 0).range(0, 255).when("Owner", "RFID").labelled("K4810_2864"),
    attrInt("RFID", "card", 0).choicesOf(kCardFormats).when("Owner", "RFID").labelled("K4810_2865"),
    attrInt("RFID", "time", 60).range(0, 3600).when("Owner", "RFID").labelled("K4810_2862"),
    attrInt("RFID", "near", 1).when("Owner", "RFID").labelled("K4810_2866"),
    attrInt("RFID", "floor", -128).range(-128, 0).when("Owner", "RFID").labelled("K4810_2867"),
    attrText("REFR", "type", "iQFreeze").choicesOf(kRefrigerators).when("Owner", "REFR").labelled("K4810_1935"),
    attrText("PCNT", "type", "PP01").choicesOf(kCounters).when("Owner", "PCNT").labelled("K4810_1935"),
    attrText("PCNT", "ids", "0 0 0 0 0 0 0").when("Owner", "PCNT"),
    attrInt("PCNT", "events", 0).when("Owner", "PCNT").labelled("K4810_2868"),
    attrInt("PCNT", "line", 0).range(0, 8).when("Owner", "PCNT").labelled("K4810_1926"),
};

} // namespace

extern const SettingsSectionRows kRs485Section = sectionRows("RS485", "ORV_FormRS", kRows);
