// Conversions between the tracker's clock and local time.

#include "core/deviceclock.h"

#include <QTest>

class tst_DeviceClock : public QObject
{
    Q_OBJECT

private slots:
    void lastSunday_data();
    void lastSunday();
    void deviceToLocal_data();
    void deviceToLocal();
    void localToDeviceInvertsOutsideTheShiftedHour_data();
    void localToDeviceInvertsOutsideTheShiftedHour();
};

static QDateTime utc(int y, int mo, int d, int h, int mi, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

void tst_DeviceClock::lastSunday_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("march");
    QTest::addColumn<int>("october");
    QTest::newRow("2000") << 2000 << 26 << 29;
    QTest::newRow("2010") << 2010 << 28 << 31;
    QTest::newRow("2024") << 2024 << 31 << 27;
    QTest::newRow("2025") << 2025 << 30 << 26;
    QTest::newRow("2050") << 2050 << 27 << 30;
    QTest::newRow("1999, before the old tables") << 1999 << 28 << 31;
    QTest::newRow("2051, after them") << 2051 << 26 << 29;
    QTest::newRow("2100") << 2100 << 28 << 31;
}

void tst_DeviceClock::lastSunday()
{
    QFETCH(int, year);
    QFETCH(int, march);
    QFETCH(int, october);
    QCOMPARE(DeviceClock::lastSunday(year, 3), march);
    QCOMPARE(DeviceClock::lastSunday(year, 10), october);
    // The rule itself: a Sunday, and the next Sunday is in the following month.
    const QDate m(year, 3, march);
    QCOMPARE(m.dayOfWeek(), 7);
    QCOMPARE(m.addDays(7).month(), 4);
}

void tst_DeviceClock::deviceToLocal_data()
{
    QTest::addColumn<QDateTime>("device");
    QTest::addColumn<int>("hours");
    QTest::addColumn<bool>("dst");
    QTest::addColumn<QString>("local");

    QTest::newRow("after the March switch") << utc(2024, 3, 31, 0, 30) << 3 << true << "04:30:00 31.03.2024";
    QTest::newRow("same without dst") << utc(2024, 3, 31, 0, 30) << 3 << false << "03:30:00 31.03.2024";
    QTest::newRow("one second before the March switch")
        << utc(2024, 3, 30, 22, 59, 59) << 3 << true << "01:59:59 31.03.2024";
    QTest::newRow("exactly at the March switch") << utc(2024, 3, 30, 23, 0) << 3 << true << "03:00:00 31.03.2024";
    QTest::newRow("one second before the October switch")
        << utc(2024, 10, 26, 22, 59, 59) << 3 << true << "02:59:59 27.10.2024";
    QTest::newRow("exactly at the October switch") << utc(2024, 10, 26, 23, 0) << 3 << true << "02:00:00 27.10.2024";
    QTest::newRow("winter") << utc(2024, 1, 15, 12, 0) << 3 << true << "15:00:00 15.01.2024";
    QTest::newRow("negative zone") << utc(2024, 7, 1, 2, 0) << -5 << true << "22:00:00 30.06.2024";
    QTest::newRow("across the new year") << utc(2023, 12, 31, 22, 0) << 3 << true << "01:00:00 01.01.2024";
    QTest::newRow("year 2077") << utc(2077, 3, 28, 0, 30) << 3 << true << "04:30:00 28.03.2077";
}

void tst_DeviceClock::deviceToLocal()
{
    QFETCH(QDateTime, device);
    QFETCH(int, hours);
    QFETCH(bool, dst);
    QFETCH(QString, local);
    QDateTime value = device;
    QCOMPARE(DeviceClock::deviceToLocal(value, hours, dst), local);
    QCOMPARE(DeviceClock::format(value), local);
}

void tst_DeviceClock::localToDeviceInvertsOutsideTheShiftedHour_data()
{
    QTest::addColumn<QDateTime>("local");
    QTest::addColumn<int>("hours");
    QTest::addColumn<bool>("dst");
    QTest::addColumn<QString>("device");
    QTest::newRow("summer") << utc(2024, 7, 1, 12, 0) << 3 << true << "08:00:00 01.07.2024";
    QTest::newRow("summer, no dst") << utc(2024, 7, 1, 12, 0) << 3 << false << "09:00:00 01.07.2024";
    QTest::newRow("winter") << utc(2024, 12, 1, 12, 0) << 3 << true << "09:00:00 01.12.2024";
    QTest::newRow("an hour after the March switch") << utc(2024, 3, 31, 3, 0) << 0 << true << "02:00:00 31.03.2024";
}

void tst_DeviceClock::localToDeviceInvertsOutsideTheShiftedHour()
{
    QFETCH(QDateTime, local);
    QFETCH(int, hours);
    QFETCH(bool, dst);
    QFETCH(QString, device);
    QDateTime value = local;
    QCOMPARE(DeviceClock::localToDevice(value, hours, dst), device);
    // Back again (away from the hour that exists twice in October).
    QDateTime back = value;
    DeviceClock::deviceToLocal(back, hours, dst);
    QCOMPARE(back, local);
}

QTEST_GUILESS_MAIN(tst_DeviceClock)
#include "tst_deviceclock.moc"
