// Catalogue of the CAN section: the CAN-bus adapter and the thresholds of
// the CAN values that raise events (0: no event).
#include "settings/model/settingsrow.h"

namespace {

const SettingsChoice kAdapters[] = {
    choice("CANLOG", "K4810_221"),
    choice("CANFMS", "K4810_218"),
    choice("DTACAN", "K4810_1533"),
};

const SettingsRow kRows[] = {
    entryText("CANstandart", "CANLOG").choicesOf(kAdapters).labelled("K4810_1935"),
    entryReal("CANfuelThreshold", 0.0, 1).range(0, 9999.9, 0.1).labelled("K4810_695"),
    entryInt("CANvWThreshold", 0).range(0, 100000).labelled("K4810_2871"),
    entryInt("CANengLoadThreshold", 0).range(0, 100).labelled("K4810_849"),
    entryInt("CANaclThreshold", 0).range(0, 100).labelled("K4810_847"),
    entryInt("CANbrakeThreshold", 0).range(0, 100).labelled("K4810_848"),
    entryInt("CANspeedThreshold", 0).range(0, 250).labelled("K4810_845"),
    entryInt("CANrpmThreshold", 0).range(0, 10000).labelled("K4810_697"),
    entryInt("CANrpmLimit", 0).range(0, 10000).labelled("K4810_2872"),
    entryInt("CANaddress", 1).range(1, 255).labelled("K4810_2852"),
};

} // namespace

extern const SettingsSectionRows kCanSection = sectionRows("CAN", "ORV_FormCAN", kRows);
