// The simulated tracker's trip and records. The records are written by the
// simulator's own encoders and read back here by the plug-in's decoders:
// two implementations of the formats that must agree.

#include "host/simulator/services/telemetry/telemetryservice.h"
#include "host/simulator/services/telemetry/trackerrecords.h"
#include "host/simulator/services/telemetry/tripgenerator.h"
#include "host/simulator/simulatedtracker.h"
#include "telemetry/fieldtable.h"
#include "telemetry/orv_tmipage_f8.h"
#include "telemetry/tmipage_vela2.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

constexpr uint32_t kEnd = 1767225600; // 2026-01-01 00:00:00 UTC

double kmBetween(const TripPage &a, const TripPage &b)
{
    const double k = 3.14159265358979 / 180 / 600000.0;
    const double dlat = (b.latitude - a.latitude) * k;
    const double dlon = (b.longitude - a.longitude) * k * std::cos(a.latitude * k);
    return 6371.0 * std::sqrt(dlat * dlat + dlon * dlon);
}

} // namespace

class tst_TelemetryService : public QObject
{
    Q_OBJECT
private slots:
    void tripIsContinuous();
    void pagesByNumberAndTime_data();
    void pagesByNumberAndTime();
    void commandsShowOnTheFollowingPages();
    void f8AndF6RecordsDecode();
    void secondGenerationRecordsDecode();
    void bigTripsCostNoMemory();
    void mileageFromTheHost_data();
    void mileageFromTheHost();
    void everyFieldOnRequest();
    void oneWireReader_data();
    void oneWireReader();
};

void tst_TelemetryService::tripIsContinuous()
{
    TripGenerator trip(2000, kEnd);
    QCOMPARE(trip.pageCount(), 2000);
    QCOMPARE(trip.lastTime(), kEnd);
    QCOMPARE(trip.firstTime(), kEnd - 30u * 1999u);
    double moving = 0;
    int stops = 0;
    for (int n = 2; n <= trip.pageCount(); ++n) {
        const TripPage a = trip.page(n - 1);
        const TripPage b = trip.page(n);
        QCOMPARE(b.number, uint32_t(n));
        QCOMPARE(b.time - a.time, 30u);
        // The vehicle moves as fast as its speed says (within the road's bends).
        const double km = kmBetween(a, b);
        QVERIFY2(km <= b.speed * 30 / 3600.0 + 0.05, qPrintable(QStringLiteral("page %1: %2 km").arg(n).arg(km)));
        QVERIFY(b.run >= a.run);
        QVERIFY(b.speed >= 0 && b.speed < 120);
        moving += km;
        stops += b.speed == 0;
        // Moscow ring road.
        QVERIFY(b.latitude > 55.5 * 600000 && b.latitude < 56.0 * 600000);
        QVERIFY(b.longitude > 37.3 * 600000 && b.longitude < 37.9 * 600000);
    }
    QVERIFY(moving > 200); // a working day's drive
    QVERIFY(stops > 100);
}

void tst_TelemetryService::pagesByNumberAndTime_data()
{
    QTest::addColumn<uint32_t>("time");
    QTest::addColumn<int>("page");
    const uint32_t first = kEnd - 30u * 99u;
    QTest::newRow("before the first page") << first - 1000 << 1;
    QTest::newRow("at the first page") << first << 1;
    QTest::newRow("a second after the first") << first + 1 << 2;
    QTest::newRow("at page 50") << first + 30 * 49 << 50;
    QTest::newRow("at the last page") << kEnd << 100;
    QTest::newRow("after the last page") << kEnd + 1 << 100;
}

void tst_TelemetryService::pagesByNumberAndTime()
{
    QFETCH(uint32_t, time);
    QFETCH(int, page);
    TripGenerator trip(100, kEnd);
    QCOMPARE(trip.firstAtOrAfter(time), page);
    QCOMPARE(trip.clamp(0), 1);
    QCOMPARE(trip.clamp(5000), 100);
}

void tst_TelemetryService::commandsShowOnTheFollowingPages()
{
    TripGenerator trip(100, kEnd);
    trip.setOutput(1, true);
    QCOMPARE(trip.appendEvent(kEnd + 5, 16), 101);
    trip.setGuard(true);
    QCOMPARE(trip.appendEvent(kEnd + 6, 12), 102);
    QCOMPARE(trip.page(100).stateOut, uint8_t(0));
    QCOMPARE(trip.page(101).stateOut, uint8_t(1));
    QCOMPARE(trip.page(101).code, uint16_t(16));
    QCOMPARE(trip.page(101).state & 0x04, 0);
    QCOMPARE(trip.page(102).state & 0x04, 0x04);
    QCOMPARE(trip.page(102).time, kEnd + 6);
    trip.setOutput(1, false);
    trip.setOutput(2, true);
    trip.appendEvent(kEnd + 7, 17);
    QCOMPARE(trip.page(103).stateOut, uint8_t(2));
    // Pages keep being recorded as time passes.
    QCOMPARE(trip.catchUp(kEnd + 7 + 65), 2);
    QCOMPARE(trip.pageCount(), 105);
    QCOMPARE(trip.page(105).stateOut, uint8_t(2));
}

void tst_TelemetryService::f8AndF6RecordsDecode()
{
    TripGenerator trip(300, kEnd);
    for (int n : {1, 5, 37, 74, 150, 299}) {
        const TripPage p = trip.page(n);
        const QByteArray rec = n % 37 == 0 ? TrackerRecords::f6(p) : TrackerRecords::f8(p);
        QCOMPARE(rec.size(), n % 37 == 0 ? 111 : 128);
        const QByteArray payload = TrackerRecords::prefix(3, p.number) + rec;
        ORV_TmiPage_F8 page(nullptr, payload.constData(), payload.size(), false);
        const F8Record &r = page.record();
        QCOMPARE(r.numPage(), p.number);
        QCOMPARE(r.code(), p.code);
        QCOMPARE(r.time(), p.time);
        QCOMPARE(r.lastTime(), p.lastTime);
        QCOMPARE(r.latitude(), p.latitude);
        QCOMPARE(r.longitude(), p.longitude);
        QCOMPARE(r.altitude(), p.altitude);
        QCOMPARE(r.speed(), p.speed);
        QCOMPARE(r.course(), p.course);
        QCOMPARE(r.run(), p.run);
        QCOMPARE(r.stateIn1(), p.stateIn);
        QCOMPARE(page.integer(FieldTable::field("Power")), qint64(p.power));
        QCOMPARE(page.integer(FieldTable::field("LevelRS485_1")), qint64(p.levelRs485[0]));
        if (n % 37 == 0)
            QCOMPARE(r.canTemp(), qint8(-128)); // F6 carries no CAN temperature
        else
            QCOMPARE(r.canTemp(), p.canTemp);
    }
}

void tst_TelemetryService::secondGenerationRecordsDecode()
{
    TelemetryService service;
    service.setRecording(false);
    service.setTrip(100, kEnd);
    service.setSecondGeneration(true);
    for (int n : {1, 19, 20, 40, 77}) {
        const TripPage p = service.trip().page(n);
        const QByteArray rec = service.record(n);
        TmiPage_Vela2 page(rec.constData(), rec.size());
        QVERIFY(!page.isEmpty());
        QCOMPARE(page.pageNumber(), p.number);
        QCOMPARE(page.time(), p.time);
        QCOMPARE(page.integer(FieldTable::field("Latitude")), qint64(p.latitude));
        QCOMPARE(page.real(FieldTable::field("Speed")), p.speed);
        if (n % 20 == 0) {
            QCOMPARE(page.mode(), TmiPage_Vela2::Extended);
            QCOMPARE(page.dynamicElements().size(), 3);
        } else {
            QCOMPARE(page.mode(), TmiPage_Vela2::Masked);
            QCOMPARE(page.generation(), quint8(20));
            QCOMPARE(page.integer(FieldTable::field("Power")), qint64(p.power));
            QCOMPARE(page.integer(FieldTable::field("NaviLatitude")), qint64(p.naviLatitude));
            QCOMPARE(page.integer(FieldTable::field("LbsMcc")), qint64(250));
            QVERIFY(!page.isPresent(QStringLiteral("Way"))); // not selected
            // Every selected field arrived whole.
            int size = 34;
            for (int bit = 0; bit < 122; ++bit)
                size += page.isPresent(bit) ? TrackerRecords::fieldWidth(bit) : 0;
            QCOMPARE(rec.size(), size);
        }
    }
}

void tst_TelemetryService::bigTripsCostNoMemory()
{
    TripGenerator trip(TripGenerator::kMaxPages, kEnd);
    QCOMPARE(trip.pageCount(), 1000000);
    const TripPage last = trip.page(1000000);
    QCOMPARE(last.time, kEnd);
    QVERIFY(last.run > 184230.0f);
    QCOMPARE(trip.firstAtOrAfter(trip.firstTime() + 30 * 500000), 500001);
}

void tst_TelemetryService::mileageFromTheHost_data()
{
    QTest::addColumn<float>("km");
    QTest::addColumn<bool>("taken");
    QTest::newRow("1234.5 km") << 1234.5f << true;
    QTest::newRow("a truck's lifetime") << 1850000.0f << true;
    QTest::newRow("zero") << 0.0f << true;
    QTest::newRow("negative") << -5.0f << false;
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << false;
}

void tst_TelemetryService::mileageFromTheHost()
{
    // 2082 carries the odometer as a float: the next page counts on from it.
    QFETCH(float, km);
    QFETCH(bool, taken);
    TelemetryService service;
    service.setRecording(false);
    service.setTrip(100, kEnd);
    SimulatedTracker tracker(nullptr);
    const float before = service.trip().page(100).run;
    PluginMessage request;
    request.msgId = HostMessages::SetMileage;
    request.direction = HostMessages::Direction::ToHost;
    request.p1 = MessageArg::byteBlock(QByteArray(reinterpret_cast<const char *>(&km), 4));
    QCOMPARE(service.handleRequest(request, tracker), taken ? 1 : 0);
    QCOMPARE(service.trip().pageCount(), taken ? 101 : 100);
    QCOMPARE(service.trip().page(100).run, before); // what was recorded stays
    if (!taken)
        return;
    const TripPage set = service.trip().page(101);
    QCOMPARE(set.code, uint16_t(31));
    QVERIFY2(std::fabs(double(set.run) - (double(km) + double(set.way))) < 0.25, qPrintable(QString::number(set.run)));
    // ... and the pages after it go on from there.
    service.trip().catchUp(service.trip().lastTime() + 95);
    QCOMPARE(service.trip().pageCount(), 104);
    for (int n = 102; n <= 104; ++n) {
        const TripPage p = service.trip().page(n);
        const TripPage previous = service.trip().page(n - 1);
        QVERIFY(std::fabs(double(p.run) - double(previous.run) - double(p.way)) < 0.25);
    }
}

void tst_TelemetryService::everyFieldOnRequest()
{
    TelemetryService service;
    service.setRecording(false);
    service.setTrip(100, kEnd);
    service.setSecondGeneration(true);
    service.setAllFields(true);
    const QByteArray rec = service.record(41);
    TmiPage_Vela2 page(rec.constData(), rec.size());
    QCOMPARE(rec.size(), 34 + FieldTable::RecordSize);
    for (int bit = 0; bit < FieldTable::RowCount; ++bit)
        QVERIFY2(page.isPresent(bit), qPrintable(QString::number(bit)));
    // Every group of the display has values.
    QCOMPARE(page.integer(FieldTable::field("TiresNum30")), qint64(30));
    QVERIFY(page.integer(FieldTable::field("TiresPres7")) > 0);
    QVERIFY(page.integer(FieldTable::field("LevelRS485_16")) > 0);
    QVERIFY(page.integer(FieldTable::field("AccelModule")) > 0);
    QVERIFY(page.integer(FieldTable::field("AinfStopID")) > 0);
    QCOMPARE(page.integer(FieldTable::field("CameraState")), qint64(3));
    QCOMPARE(page.integer(FieldTable::field("TahoOdometer")), qint64(uint32_t(service.trip().page(41).run)));
    // Without the option, the fleet's selection.
    service.setAllFields(false);
    const QByteArray fleet = service.record(41);
    QVERIFY(!TmiPage_Vela2(fleet.constData(), fleet.size()).isPresent(QStringLiteral("TiresNum30")));
}

void tst_TelemetryService::oneWireReader_data()
{
    using D = TelemetryService::OneWireDevice;
    const quint64 key = TelemetryService().touchMemoryKey();
    const quint64 *t = TelemetryService::TemperatureSensorCodes;
    QTest::addColumn<int>("device");
    QTest::addColumn<QList<quint64>>("reads");
    QTest::newRow("the key") << int(D::TouchMemoryKey) << QList<quint64>{key, key, key};
    QTest::newRow("the sensors in turn") << int(D::TemperatureSensors)
                                         << QList<quint64>{t[0], t[1], t[2], t[3], t[0]};
    QTest::newRow("key and sensors in turn") << int(D::Alternating)
                                             << QList<quint64>{key, t[0], key, t[1], key, t[2]};
}

void tst_TelemetryService::oneWireReader()
{
    // What a read of the one-wire reader (2041) returns.
    QFETCH(int, device);
    QFETCH(QList<quint64>, reads);
    TelemetryService service;
    service.nextOneWireCode(); // choosing the device starts its turn again
    service.setOneWireDevice(TelemetryService::OneWireDevice(device));
    for (int i = 0; i < reads.size(); ++i)
        QCOMPARE(service.nextOneWireCode(), reads.at(i));
    // The sensors are DS18B20s: family 0x28, and the bus code's CRC (x^8 + x^5 + x^4 + 1) holds.
    for (quint64 code : TelemetryService::TemperatureSensorCodes) {
        QCOMPARE(int(code & 0xFF), 0x28);
        quint8 crc = 0;
        for (int byte = 0; byte < 7; ++byte) {
            quint8 b = quint8(code >> (8 * byte));
            for (int bit = 0; bit < 8; ++bit, b >>= 1)
                crc = ((crc ^ b) & 1) ? quint8((crc >> 1) ^ 0x8C) : quint8(crc >> 1);
        }
        QCOMPARE(crc, quint8(code >> 56));
    }
}

QTEST_GUILESS_MAIN(tst_TelemetryService)
#include "tst_telemetryservice.moc"
