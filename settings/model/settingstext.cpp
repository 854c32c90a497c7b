#include "settings/model/settingstext.h"

#include "core/codepage.h"

namespace SettingsText {

qsizetype firstUnencodable(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c != u'?' && CodePage::encode(c) == '?')
            return i;
    }
    return -1;
}

Problem problem(QStringView text)
{
    if (firstUnencodable(text) >= 0)
        return Problem::NotInCodePage;
    // One byte per character in windows-1251.
    if (text.size() > MaxBytes)
        return Problem::TooLong;
    return Problem::None;
}

namespace {

bool allOf(QStringView text, bool (*pred)(QChar))
{
    for (QChar c : text) {
        if (!pred(c))
            return false;
    }
    return true;
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isHexDigit(QChar c)
{
    return isAsciiDigit(c) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
           || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

Check octet(QStringView text)
{
    if (text.isEmpty())
        return Check::Intermediate;
    if (text.size() > 3 || !allOf(text, isAsciiDigit))
        return Check::Invalid;
    return text.toInt() <= 255 ? Check::Acceptable : Check::Invalid;
}

Check address(QStringView text)
{
    const QList<QStringView> parts = text.split(u'.');
    if (parts.size() > 4)
        return Check::Invalid;
    Check result = parts.size() == 4 ? Check::Acceptable : Check::Intermediate;
    for (QStringView p : parts) {
        const Check c = octet(p);
        if (c == Check::Invalid)
            return Check::Invalid;
        if (c == Check::Intermediate)
            result = Check::Intermediate;
    }
    return result;
}

Check time(QStringView text)
{
    if (text.isEmpty())
        return Check::Acceptable;
    if (text.size() > 5)
        return Check::Invalid;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool ok = i == 2 ? text.at(i) == QLatin1Char(':') : isAsciiDigit(text.at(i));
        if (!ok)
            return Check::Invalid;
    }
    if (text.size() < 5)
        return Check::Intermediate;
    const int h = text.left(2).toInt();
    const int m = text.mid(3, 2).toInt();
    return h < 24 && m < 60 ? Check::Acceptable : Check::Invalid;
}

} // namespace

Check check(SettingsInputRule rule, int maxLength, QStringView text)
{
    if (problem(text) != Problem::None)
        return Check::Invalid;
    auto limit = [maxLength](int ruleDefault) { return maxLength > 0 ? maxLength : ruleDefault; };
    switch (rule) {
    case SettingsInputRule::Any:
        return text.size() <= limit(MaxBytes) ? Check::Acceptable : Check::Invalid;
    case SettingsInputRule::IPv4Address:
        return address(text);
    case SettingsInputRule::IPv4Octet:
        return octet(text);
    case SettingsInputRule::Password:
        if (text.size() > limit(6))
            return Check::Invalid;
        for (QChar c : text) {
            if (c.isSpace())
                return Check::Invalid;
        }
        return Check::Acceptable;
    case SettingsInputRule::Phone:
        if (text.isEmpty())
            return Check::Intermediate;
        if (text.at(0) != QLatin1Char('+') || text.size() > 1 + limit(15) || !allOf(text.mid(1), isAsciiDigit))
            return Check::Invalid;
        return text.size() == 1 ? Check::Intermediate : Check::Acceptable;
    case SettingsInputRule::Hex:
        return text.size() <= limit(MaxBytes) && allOf(text, isHexDigit) ? Check::Acceptable : Check::Invalid;
    case SettingsInputRule::Digits:
        return text.size() <= limit(MaxBytes) && allOf(text, isAsciiDigit) ? Check::Acceptable : Check::Invalid;
    case SettingsInputRule::Time:
        return time(text);
    }
    return Check::Invalid;
}

} // namespace SettingsText
