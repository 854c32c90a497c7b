// Catalogue of the BLUETOOTH section: one paired device.
#include "settings/model/settingsrow.h"

namespace {

const SettingsRow kRows[] = {
    attrInt("SETTINGS", "use", 0).labelled("K4810_2424"),
    attrText("CHANNEL1", "device", "").labelled("K4810_2876"),
    attrText("CHANNEL1", "macadr", "").labelled("K4810_2877"),
    attrText("CHANNEL1", "password", "").input(SettingsInputRule::Password, 16).labelled("K4810_2878"),
};

} // namespace

extern const SettingsSectionRows kBluetoothSection = sectionRows("BLUETOOTH", "ORV_FormBluetooth", kRows);
