// Catalogue of the PHONES section.
#include "settings/model/settingsmodel.h"
#include "settings/model/settingsrow.h"

namespace {

// The one incoming-call box is written under both of its keys;
// incomingCallVD is the one read.
QVariant incomingCalls(const SettingsModel &model, const QString &section)
{
    return model.value(section, QStringLiteral("incomingCallVD"));
}

// Five authorised phones, each written whole before the next. The events
// text holds one digit a tracker event, 18 events: how that phone is told
// of it (see ORV_FormPhones).
const SettingsRow kRows[] = {
    entryTextOf("phone_%1_nick", "K4810_421").indexed(1, 5).input(SettingsInputRule::Any, 9),
    entryText("phone_%1", "+70000000000").indexed(1, 5).input(SettingsInputRule::Phone, 15),
    entryText("events_phone_%1", "000000000000000000").indexed(1, 5),
    entryInt("phone_%1_WithoutPassword", 1).indexed(1, 5),
    entryInt("phone_%1_SendBalance", 0).indexed(1, 5),
    entryInt("phone_%1_UseSMS", 1).indexed(1, 5),
    entryInt("allowIncomingVD", 1).writeOnly(&incomingCalls),
    entryInt("allowSMSany", 1),
    entryText("passwordVD", "").input(SettingsInputRule::Digits, 6),
    entryInt("incomingCallVD", 1),
};

} // namespace

extern const SettingsSectionRows kPhonesSection = sectionRows("PHONES", "ORV_FormPhones", kRows);
