#ifndef SETTINGSROW_H
#define SETTINGSROW_H

#include "settings/model/settingsconversion.h"

#include <QString>
#include <QVariant>

#include <cstddef>

class SettingsModel;

// One item of a key's choice list: the code stored in the file and the text
// a combo box shows for it (a text key looked up in the page's context, or
// the code itself).
struct SettingsChoice
{
    const char *code = nullptr;
    const char *text = nullptr;
    bool textIsKey = false;
};

// A choice shown as the text of a text key.
constexpr SettingsChoice choice(const char *code, const char *textKey)
{
    return SettingsChoice{code, textKey, true};
}
// A choice shown as its own code ("TCP", "19200").
constexpr SettingsChoice plainChoice(const char *code)
{
    return SettingsChoice{code, code, false};
}

// One place a legacy key's value goes when the key's replacement is absent
// (SettingsRow::intoEach): the whole value of a key of the section, one item
// of its list ("60 60 60 60"), or one character of its code string ("0000").
// convert makes the target's text of the legacy text (null: the text as
// read); a null result leaves the target as it is.
struct SettingsInto
{
    enum Part : quint8 { Whole, Item, Character };
    const char *path = nullptr;
    Part part = Whole;
    int position = 0;
    QString (*convert)(const QString &legacyText) = nullptr;
};

constexpr SettingsInto intoKey(const char *path, QString (*convert)(const QString &) = nullptr)
{
    return SettingsInto{path, SettingsInto::Whole, 0, convert};
}
constexpr SettingsInto intoItem(const char *path, int position, QString (*convert)(const QString &) = nullptr)
{
    return SettingsInto{path, SettingsInto::Item, position, convert};
}
constexpr SettingsInto intoCharacter(const char *path, int position, QString (*convert)(const QString &) = nullptr)
{
    return SettingsInto{path, SettingsInto::Character, position, convert};
}

// What a text field accepts, besides fitting the settings record (at most
// 254 bytes, every character in windows-1251). See SettingsText::check.
enum class SettingsInputRule : quint8 {
    Any,
    IPv4Address, // four decimal octets 0..255 joined by "."
    IPv4Octet,   // one octet: up to three digits, 0..255
    Password,    // no white space; up to maxLength characters (6 when not given)
    Phone,       // "+" and up to 15 digits
    Hex,         // hexadecimal digits, up to maxLength
    Digits,      // decimal digits, up to maxLength
    Time,        // "hh:mm", or empty
};

// One row of a section's catalogue table, as it is written in the table
// files (settings/model/tables/). A row describes a key: where it is stored,
// its type and default, and what a page needs to show it (range, choices,
// unit, input rule, label). Rows are built with the functions below and the
// chained modifiers, for example
//
//     entryReal("GPSmaxHDOP", 2.5, 1).range(0.5, 10, 0.1)
//     entryInt("FS%1Adress485", 1).indexed(0, 15, 1)
//     attrInt("SPEEDS/SPEED", "hi", 0).repeated(6)
//
// Storage: an entry key is a child element of the section
// (<key>text</key>); an attribute key is an attribute of a sub-section
// element (<Sub key="text"/>). A sub-section path may be nested
// ("SPEEDS/SPEED[2]": the second SPEED element inside SPEEDS).
struct SettingsRow
{
    enum Type : quint8 { Int, Real, Text };
    enum DefaultKind : quint8 {
        Number,  // number
        Literal, // text, as it stands
        TextKey, // text of a text key, looked up in the page's context when applied
    };
    enum Flag : quint8 {
        NoFlags = 0,
        WriteOnly = 1, // computed by derive() on save; never read
        Legacy = 2,    // read only when the section has no onlyWithout child; never written
    };

    const char *key = nullptr;
    const char *subSection = nullptr; // null: entry key
    Type type = Int;
    quint8 decimals = 0; // reals: decimals written
    DefaultKind defaultKind = Number;
    double number = 0;
    const char *text = nullptr;
    quint8 flags = NoFlags;
    const SettingsConversion *conversion = nullptr; // unit the page shows; null: the stored one
    const char *onlyWithout = nullptr;
    QVariant (*derive)(const SettingsModel &model, const QString &section) = nullptr;

    // Page side; range and step in the shown unit.
    bool hasRange = false;
    double minimum = 0;
    double maximum = 0;
    double step = 0;
    const SettingsChoice *choices = nullptr;
    int choiceCount = 0;
    SettingsInputRule rule = SettingsInputRule::Any;
    int maxLength = 0; // characters; 0: what the record holds (254 bytes)
    const char *label = nullptr;

    // Rows generated from an index: "%1" in key, sub-section, condition and
    // legacy target stands for the index, first..last; a number default
    // grows by defaultStep per index, a text-key default counts on
    // (the key given for index first, the key numbered one more for the next).
    int first = 0;
    int last = -1;
    double defaultStep = 0;
    // Repeated children: the last element of the sub-section path stands
    // `repeat` times, read and written in order ("SPEED[1]" ... "SPEED[6]").
    int repeat = 0;
    // Written only while the value at whenPath (a path in the same section)
    // is one of the codes "A|B|C" (null codes: while it is not 0 or empty),
    // or while it is as loaded and the key was in the file.
    const char *whenPath = nullptr;
    const char *whenCodes = nullptr;
    // Legacy rows: the value read also sets this key of the section
    // (through convert when given) in place of its default.
    const char *intoPath = nullptr;
    QString (*intoConvert)(const QString &legacyText) = nullptr;
    // Legacy rows whose value goes to several places (applied in row order,
    // after every key is read).
    const SettingsInto *intoList = nullptr;
    int intoCount = 0;

    // ------------------------------------------------------------ modifiers
    constexpr SettingsRow range(double lo, double hi, double stepBy = 0) const
    {
        SettingsRow r = *this;
        r.hasRange = true;
        r.minimum = lo;
        r.maximum = hi;
        r.step = stepBy;
        return r;
    }
    template <size_t N>
    constexpr SettingsRow choicesOf(const SettingsChoice (&list)[N]) const
    {
        SettingsRow r = *this;
        r.choices = list;
        r.choiceCount = int(N);
        return r;
    }
    constexpr SettingsRow unit(const SettingsConversion &shown) const
    {
        SettingsRow r = *this;
        r.conversion = &shown;
        return r;
    }
    constexpr SettingsRow input(SettingsInputRule inputRule, int maxCharacters = 0) const
    {
        SettingsRow r = *this;
        r.rule = inputRule;
        r.maxLength = maxCharacters;
        return r;
    }
    constexpr SettingsRow labelled(const char *textKey) const
    {
        SettingsRow r = *this;
        r.label = textKey;
        return r;
    }
    constexpr SettingsRow indexed(int from, int to, double defaultGrowth = 0) const
    {
        SettingsRow r = *this;
        r.first = from;
        r.last = to;
        r.defaultStep = defaultGrowth;
        return r;
    }
    constexpr SettingsRow repeated(int count) const
    {
        SettingsRow r = *this;
        r.repeat = count;
        return r;
    }
    constexpr SettingsRow when(const char *path, const char *codes = nullptr) const
    {
        SettingsRow r = *this;
        r.whenPath = path;
        r.whenCodes = codes;
        return r;
    }
    constexpr SettingsRow legacyOf(const char *replacement) const
    {
        SettingsRow r = *this;
        r.flags = Legacy;
        r.onlyWithout = replacement;
        return r;
    }
    constexpr SettingsRow into(const char *path, QString (*convert)(const QString &) = nullptr) const
    {
        SettingsRow r = *this;
        r.intoPath = path;
        r.intoConvert = convert;
        return r;
    }
    template <size_t N>
    constexpr SettingsRow intoEach(const SettingsInto (&list)[N]) const
    {
        SettingsRow r = *this;
        r.intoList = list;
        r.intoCount = int(N);
        return r;
    }
    constexpr SettingsRow writeOnly(QVariant (*compute)(const SettingsModel &, const QString &)) const
    {
        SettingsRow r = *this;
        r.flags = WriteOnly;
        r.derive = compute;
        return r;
    }

    bool isIndexed() const { return last >= first; }
};

// ------------------------------------------------------------ row builders

constexpr SettingsRow entryInt(const char *key, int def)
{
    SettingsRow r;
    r.key = key;
    r.type = SettingsRow::Int;
    r.number = def;
    return r;
}

constexpr SettingsRow entryReal(const char *key, double def, int decimals)
{
    SettingsRow r;
    r.key = key;
    r.type = SettingsRow::Real;
    r.decimals = quint8(decimals);
    r.number = def;
    return r;
}

constexpr SettingsRow entryText(const char *key, const char *def)
{
    SettingsRow r;
    r.key = key;
    r.type = SettingsRow::Text;
    r.defaultKind = SettingsRow::Literal;
    r.text = def;
    return r;
}

// Default: the text of a text key, in the page's translation context.
constexpr SettingsRow entryTextOf(const char *key, const char *textKey)
{
    SettingsRow r = entryText(key, textKey);
    r.defaultKind = SettingsRow::TextKey;
    return r;
}

constexpr SettingsRow attrInt(const char *sub, const char *key, int def)
{
    SettingsRow r = entryInt(key, def);
    r.subSection = sub;
    return r;
}

constexpr SettingsRow attrReal(const char *sub, const char *key, double def, int decimals)
{
    SettingsRow r = entryReal(key, def, decimals);
    r.subSection = sub;
    return r;
}

constexpr SettingsRow attrText(const char *sub, const char *key, const char *def)
{
    SettingsRow r = entryText(key, def);
    r.subSection = sub;
    return r;
}

constexpr SettingsRow attrTextOf(const char *sub, const char *key, const char *textKey)
{
    SettingsRow r = entryTextOf(key, textKey);
    r.subSection = sub;
    return r;
}

// A section's table as the table files give it: the section's name, the
// page class whose name is the context of its text keys, and its rows.
struct SettingsSectionRows
{
    const char *name = nullptr;
    const char *pageClass = nullptr;
    const SettingsRow *rows = nullptr;
    int count = 0;
};

template <size_t N>
constexpr SettingsSectionRows sectionRows(const char *name, const char *pageClass, const SettingsRow (&rows)[N])
{
    return SettingsSectionRows{name, pageClass, rows, int(N)};
}

#endif // SETTINGSROW_H
