#ifndef SETTINGSCONVERSION_H
#define SETTINGSCONVERSION_H

#include <QString>
#include <QVariant>

// A unit conversion between a key's value in the settings file (the stored
// unit) and the value a widget shows:
//
//     shown = stored × shownPerStored      stored = shown / shownPerStored
//
// A whole-number side is rounded by its rule after scaling. Round-to-nearest
// is the rule for stored integers: 2.007 V is 2006.9999... mV in binary, and
// must be stored as 2007 mV, never 2008.
//
// The catalogue gives a key its conversion (the unit its page shows); a
// widget may ask for another one by name (dynamic property "settingsUnit",
// see SettingsBinder), for example a slider in millivolts next to a field in
// volts. Conversions are data: a new one is one more constant below and one
// more entry in byName().
struct SettingsConversion
{
    enum Rounding : quint8 {
        Nearest,            // to the nearest whole number, halves away from zero
        UpWithinTolerance,  // up to the next whole number, unless within 1e-6 of one
        TowardZero,         // the fraction dropped
    };

    const char *name = nullptr;
    double shownPerStored = 1.0;
    bool shownIsWhole = false; // the shown value is an int, rounded by shownRounding
    Rounding shownRounding = Nearest;
    int shownDecimals = 0;     // decimals a field shows when the shown value is real

    // The shown value of a stored number: an int when shownIsWhole, else a double.
    QVariant toShown(double stored) const;
    // The stored number of a shown value (not yet rounded to the stored type).
    double toStored(double shown) const;

    // Identity (the stored value itself), and the conversions in use.
    static const SettingsConversion Stored;
    // Kilometres in the file (real, 3 decimals), whole metres shown:
    // × 1000 rounded up, so that 0.2504 km shows 251 m; within 1e-6 of a
    // whole metre counts as that metre (0.01 km shows 10 m, not 11).
    static const SettingsConversion KilometresAsMetres;
    // Seconds in the file, whole minutes shown (the seconds of a part minute dropped).
    static const SettingsConversion SecondsAsMinutes;
    // Millivolts in the file, volts shown with 3 decimals.
    static const SettingsConversion MillivoltsAsVolts;
    // Tenths of a degree in the file, degrees shown with 1 decimal.
    static const SettingsConversion TenthsAsDegrees;
    // Tenths of a degree in the file, whole half degrees shown (slider steps).
    static const SettingsConversion TenthsAsHalfDegrees;
    // Millivolts in the file, volts shown with 2 decimals (a field beside a
    // slider in hundredths of a volt).
    static const SettingsConversion MillivoltsAsVolts2;
    // Millivolts in the file, whole hundredths of a volt shown (slider
    // steps), to the nearest: 1.10 V is 1100 mV and 110, never 111.
    static const SettingsConversion MillivoltsAsHundredths;
    // Seconds in the file, whole hours shown (the seconds of a part hour dropped).
    static const SettingsConversion SecondsAsHours;
    // Tenths in the file (of a hertz), the unit shown with 1 decimal.
    static const SettingsConversion TenthsAsUnits;

    // A conversion by its name ("stored" is Stored); null when unknown.
    static const SettingsConversion *byName(const QString &name);

    // Rounding of a real to a whole number by a rule, clamped to int.
    static int roundToInt(double value, Rounding rounding);
};

#endif // SETTINGSCONVERSION_H
