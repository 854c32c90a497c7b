#ifndef SETTINGSCONVERSION_H
#define SETTINGSCONVERSION_H

#include <QVariant>

// Unit conversions between a key's value in the file and the value a page
// shows. Each is defined here once and used by load and save alike.
class SettingsConversion
{
public:
    enum Kind : quint8 {
        None = 0,
        // Kilometres in the file (a real, 3 decimals), metres on the page (an
        // integer): × 1000 rounded up when shown, / 1000 when stored.
        KilometresAsMetres,
        // Seconds in the file, whole minutes on the page: / 60 when shown
        // (whole minutes), × 60 when stored.
        SecondsAsMinutes,
    };

    // File value to page value, and back.
    static QVariant toShown(Kind kind, const QVariant &stored);
    static QVariant toStored(Kind kind, const QVariant &shown);

    static int kilometresToMetres(double kilometres);
    static double metresToKilometres(int metres);
    static int secondsToMinutes(int seconds);
    static int minutesToSeconds(int minutes);
};

#endif // SETTINGSCONVERSION_H
