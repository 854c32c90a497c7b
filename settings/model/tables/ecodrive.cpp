// Catalogue of the ECODRIVE section: safety lines, six speed bands and four
// levels of each kind of acceleration event, as repeated children read and
// written in document order.
#include "settings/model/settingsrow.h"

namespace {

const SettingsRow kRows[] = {
    attrText("SAFETY", "lines", ""),
    attrInt("SAFETY", "speed", 10).range(0, 250).labelled("K4810_645"),
    attrInt("SAFETY", "buzz", 0).labelled("K4810_2884"),

    attrInt("SPEEDS", "src", 0).labelled("K4810_2886"),
    attrInt("SPEEDS", "rest", 0).labelled("K4810_2887"),
    attrInt("SPEEDS/SPEED", "no", 0).repeated(6).labelled("K4810_2424"),
    attrInt("SPEEDS/SPEED", "hi", 0).range(0, 250).repeated(6).labelled("K4810_2889"),
    attrInt("SPEEDS/SPEED", "low", 0).range(0, 250).repeated(6).labelled("K4810_2888"),
    attrInt("SPEEDS/SPEED", "dur", 0).range(0, 3600).repeated(6).labelled("K4810_2890"),
    attrInt("SPEEDS/SPEED", "buzz", 0).repeated(6).labelled("K4810_2884"),

    attrInt("ACCELS", "src", 0).labelled("K4810_2886"),
    attrInt("ACCELS", "units", 4).labelled("K4810_2892"),
    attrText("ACCELS", "rest", "").labelled("K4810_2887"),
    attrInt("ACCELS/BOOST", "no", 0).repeated(4).labelled("K4810_2424"),
    attrReal("ACCELS/BOOST", "val", 0.0, 2).range(0, 99.99, 0.01).repeated(4).labelled("K4810_2897"),
    attrInt("ACCELS/BOOST", "dur", 2000).range(0, 60000, 100).repeated(4).labelled("K4810_2898"),
    attrInt("ACCELS/BOOST", "hld", 500).range(0, 60000, 100).repeated(4).labelled("K4810_2899"),
    attrInt("ACCELS/BOOST", "buzz", 0).repeated(4).labelled("K4810_2884"),

    attrInt("ACCELS/RETARD", "no", 0).repeated(4).labelled("K4810_2424"),
    attrReal("ACCELS/RETARD", "val", 0.0, 2).range(0, 99.99, 0.01).repeated(4).labelled("K4810_2897"),
    attrInt("ACCELS/RETARD", "dur", 2000).range(0, 60000, 100).repeated(4).labelled("K4810_2898"),
    attrInt("ACCELS/RETARD", "hld", 500).range(0, 60000, 100).repeated(4).labelled("K4810_2899"),
    attrInt("ACCELS/RETARD", "buzz", 0).repeated(4).labelled("K4810_2884"),

    attrInt("ACCELS/DRIFT", "no", 0).repeated(4).labelled("K4810_2424"),
    attrReal("ACCELS/DRIFT", "val", 0.0, 2).range(0, 99.99, 0.01).repeated(4).labelled("K4810_2897"),
    attrInt("ACCELS/DRIFT", "dur", 2000).range(0, 60000, 100).repeated(4).labelled("K4810_2898"),
    attrInt("ACCELS/DRIFT", "hld", 500).range(0, 60000, 100).repeated(4).labelled("K4810_2899"),
    attrInt("ACCELS/DRIFT", "buzz", 0).repeated(4).labelled("K4810_2884"),

    attrInt("ACCELS/JUMP", "no", 0).repeated(4).labelled("K4810_2424"),
    attrReal("ACCELS/JUMP", "val", 0.0, 2).range(0, 99.99, 0.01).repeated(4).labelled("K4810_2897"),
    attrInt("ACCELS/JUMP", "dur", 2000).range(0, 60000, 100).repeated(4).labelled("K4810_2898"),
    attrInt("ACCELS/JUMP", "hld", 500).range(0, 60000, 100).repeated(4).labelled("K4810_2899"),
    attrInt("ACCELS/JUMP", "buzz", 0).repeated(4).labelled("K4810_2884"),
};

} // namespace

extern const SettingsSectionRows kEcoDriveSection = sectionRows("ECODRIVE", "ORV_FormEcoDrive", kRows);
