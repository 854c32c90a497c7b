#ifndef SETTINGSTEXT_H
#define SETTINGSTEXT_H

#include "settings/model/settingsrow.h"

#include <QString>
#include <QStringView>

// What a settings text value may hold. A value lives in the tracker's
// settings record: at most 254 bytes of windows-1251, so a character the
// code page has no byte for cannot be stored, and a longer value would be
// cut. Fields refuse such input (SettingsBinder installs a validator built
// on check()); values read from a file that break these rules are named to
// the user before a save changes them (SettingsModel::unstorableValues()).
namespace SettingsText {

constexpr int MaxBytes = 254;

enum class Problem { None, NotInCodePage, TooLong };
// Why the text cannot be stored as it is; None when it can.
Problem problem(QStringView text);
// Position of the first character windows-1251 cannot hold, or -1.
qsizetype firstUnencodable(QStringView text);

enum class Check { Acceptable, Intermediate, Invalid };
// The text against an input rule, as a field checks what is typed: Invalid
// is refused, Intermediate may still become acceptable (an octet field
// left empty, "+" of a phone number). maxLength 0: the rule's own limit.
Check check(SettingsInputRule rule, int maxLength, QStringView text);

} // namespace SettingsText

#endif // SETTINGSTEXT_H
