#include "core/deviceclock.h"

#include <QDate>
#include <QTime>

int DeviceClock::lastSunday(int year, int month)
{
    const QDate first(year, month, 1);
    const int lastDay = first.daysInMonth();
    const int weekday = QDate(year, month, lastDay).dayOfWeek(); // 1 = Monday .. 7 = Sunday
    return lastDay - (weekday % 7);
}

static QDateTime atTwoOClock(const QDateTime &like, int year, int month)
{
    QDateTime boundary = like;
    boundary.setDate(QDate(year, month, DeviceClock::lastSunday(year, month)));
    boundary.setTime(QTime(2, 0, 0));
    return boundary;
}

bool DeviceClock::inSummerTime(const QDateTime &dateTime)
{
    const int year = dateTime.date().year();
    return dateTime >= atTwoOClock(dateTime, year, 3) && dateTime < atTwoOClock(dateTime, year, 10);
}

QString DeviceClock::format(const QDateTime &dateTime)
{
    return dateTime.toString(QStringLiteral("hh:mm:ss dd.MM.yyyy"));
}

QString DeviceClock::deviceToLocal(QDateTime &dateTime, int hours, bool dst)
{
    QDateTime local = dateTime.addSecs(qint64(hours) * 3600);
    if (dst && inSummerTime(local))
        local = local.addSecs(3600);
    dateTime = local;
    return format(dateTime);
}

QString DeviceClock::localToDevice(QDateTime &dateTime, int hours, bool dst)
{
    QDateTime device = dateTime;
    if (dst && inSummerTime(device))
        device = device.addSecs(-3600);
    dateTime = device.addSecs(-qint64(hours) * 3600);
    return format(dateTime);
}
