#ifndef DEVICECLOCK_H
#define DEVICECLOCK_H

#include <QDateTime>
#include <QString>

// Conversion between the tracker's clock and the local time shown to the
// user: a whole-hour zone offset and, optionally, the European summer-time
// shift (from 02:00 on the last Sunday of March to 02:00 on the last Sunday
// of October, in UTC or in local time, as the value converted is).
class DeviceClock
{
public:
    // Day of the month of the last Sunday of `month` in `year`.
    static int lastSunday(int year, int month);

    // True when dateTime lies in [last Sunday of March 02:00, last Sunday of October 02:00).
    static bool inSummerTime(const QDateTime &dateTime);

    // Both store the converted value back into dateTime and return it as "hh:mm:ss dd.MM.yyyy".
    static QString deviceToLocal(QDateTime &dateTime, int hours, bool dst);
    static QString localToDevice(QDateTime &dateTime, int hours, bool dst);

    static QString format(const QDateTime &dateTime);
};

#endif // DEVICECLOCK_H
