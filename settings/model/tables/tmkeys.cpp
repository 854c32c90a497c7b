// Catalogue of the TM_KEYS section: the short list of sixteen touch-memory
// keys (code as typed, text, mode index) and how the keys are given to the
// tracker (TM_PARAM).
#include "settings/model/settingsrow.h"

namespace {

constexpr const char *Param = "TM_PARAM";

// The list the tracker uses: the sixteen keys of this section, or the key
// file written to it separately.
constexpr SettingsChoice kFormats[] = {
    choice("XML", "K4810_2930"),
    choice("BIN", "K4810_2931"),
};

const SettingsRow kRows[] = {
    entryText("tmKeyCode%1", "").input(SettingsInputRule::Hex, 16).indexed(1, 16),
    entryText("tmKeyText%1", "").indexed(1, 16),
    entryInt("changeModeKey%1", 0).range(0, 5).indexed(1, 16),
    attrText(Param, "format", "XML").choicesOf(kFormats),
    attrInt(Param, "clr_evnt", 0),
    attrInt(Param, "short_id", 0),
};

} // namespace

extern const SettingsSectionRows kTmKeysSection = sectionRows("TM_KEYS", "ORV_FormTM", kRows);
