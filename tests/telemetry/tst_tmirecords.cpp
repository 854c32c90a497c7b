// Record layouts and decoders: the field table, F6 to F8, masked records
// (decoding, the compiled plan and its cache, the F8 serialiser) and
// extended records, fed well-formed, truncated and oversized input.

#include "tests/telemetry/tmisamples.h"

#include "telemetry/extendedrecord.h"
#include "telemetry/orv_tmipage_f8.h"
#include "telemetry/tmipage_vela.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QTest>

using namespace TmiSamples;

Q_DECLARE_METATYPE(PresenceMask)

class TestTmiRecords : public QObject
{
    Q_OBJECT

private slots:
    void memberPlaces_data();
    void memberPlaces();
    void recordSizes_data();
    void recordSizes();

    void f6Time_data();
    void f6Time();
    void f6Fields();
    void f8PagePayload_data();
    void f8PagePayload();

    void maskedDecode_data();
    void maskedDecode();
    void maskedDecodeTruncated_data();
    void maskedDecodeTruncated();
    void maskedHeaderOnly_data();
    void maskedHeaderOnly();
    void planMergesAdjacentRows();
    void planCacheFollowsMask();
    void encodeDecodeRoundTrip();

    void f8Serialise();
    void f8SerialiseFillsRowsF8Lacks();

    void extendedFixedBlocks();
    void extendedElements_data();
    void extendedElements();
    void extendedTruncated_data();
    void extendedTruncated();
};

// Places taken from the published catalogue; a slip in the table shows here.
void TestTmiRecords::memberPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("bit");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("size");

    QTest::newRow("NumPage") << "NumPage" << 0 << 0 << 4;
    QTest::newRow("Latitude") << "Latitude" << 9 << 19 << 4;
    QTest::newRow("Speed") << "Speed" << 12 << 31 << 4;
    QTest::newRow("CAN_Speed") << "CAN_Speed" << 68 << 145 << 1;
    QTest::newRow("NaviInfoGPS") << "NaviInfoGPS" << 69 << 147 << 1;
    QTest::newRow("NaviPDop") << "NaviPDop" << 70 << 155 << 1;
    QTest::newRow("NaviLongitude") << "NaviLongitude" << 72 << 165 << 8;
    QTest::newRow("LbsCellID") << "LbsCellID" << 76 << 183 << 4;
    QTest::newRow("LbsLevel") << "LbsLevel" << 76 << 193 << 1;
    QTest::newRow("LbsCellID_1") << "LbsCellID_1" << 76 << 194 << 4;
    QTest::newRow("LbsMcc_1") << "LbsMcc_1" << 76 << 200 << 2;
    QTest::newRow("LbsLevel_2") << "LbsLevel_2" << 76 << 215 << 1;
    QTest::newRow("LbsTime") << "LbsTime" << 76 << 216 << 4;
    QTest::newRow("TempRS485_7") << "TempRS485_7" << 83 << 228 << 1;
    QTest::newRow("LevelRS485_16") << "LevelRS485_16" << 92 << 253 << 2;
    QTest::newRow("TiresTemp2") << "TiresTemp2" << 93 << 261 << 1;
    QTest::newRow("TiresNum3") << "TiresNum3" << 94 << 262 << 1;
    QTest::newRow("TiresPres7") << "TiresPres7" << 95 << 275 << 1;
    QTest::newRow("TiresNum15") << "TiresNum15" << 96 << 298 << 1;
    QTest::newRow("TiresTemp30") << "TiresTemp30" << 96 << 345 << 1;
    QTest::newRow("AccelLinearZ") << "AccelLinearZ" << 106 << 370 << 2;
    QTest::newRow("AccelAngularCorner") << "AccelAngularCorner" << 108 << 378 << 2;
    QTest::newRow("Passager_12") << "Passager_12" << 114 << 391 << 1;
    QTest::newRow("CameraState") << "CameraState" << 121 << 403 << 1;
}

void TestTmiRecords::memberPlaces()
{
    QFETCH(QString, name);
    QFETCH(int, bit);
    QFETCH(int, offset);
    QFETCH(int, size);
    const FieldRef field = FieldTable::find(name);
    QVERIFY(field.isValid());
    QCOMPARE(int(field.bit), bit);
    QCOMPARE(int(field.offset), offset);
    QCOMPARE(int(field.size), size);
    QCOMPARE(QString::fromLatin1(FieldTable::memberName(field.index)), name);
}

void TestTmiRecords::recordSizes_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<int>("size");

    QTest::newRow("default selection")
        << "11111111111011100011000000001000000010000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
        << 46;
    QTest::newRow("everything") << QString(122, u'1') << 404;
    QTest::newRow("F8 fields") << F8Record::fieldMask().text(69) << 127;
    QTest::newRow("tyres 1-6 (combo index 2)") << QString(93, u'0') + "1100" << 18;
    QTest::newRow("one RS-485 level and temperature") << QString(83, u'0') + "1" << 3;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("past the table") << QString(122, u'0') + "1111" << 0;
}

void TestTmiRecords::recordSizes()
{
    QFETCH(QString, selection);
    QFETCH(int, size);
    QCOMPARE(FieldTable::selectionSize(selection), size);
    QCOMPARE(MaskPlan(PresenceMask::fromText(selection)).wireSize(), size);
}

static QByteArray f6WithTimes(const QByteArray &time, const QByteArray &date)
{
    QByteArray f6(TmiPage_Vela::F6Size, '\0');
    f6[0] = 6;
    f6.replace(7, 3, time);
    f6.replace(10, 3, date);
    f6.replace(75, 3, time);
    f6.replace(78, 3, date);
    return f6;
}

void TestTmiRecords::f6Time_data()
{
    QTest::addColumn<QByteArray>("time");  // hour, minute, second
    QTest::addColumn<QByteArray>("date");  // day, month - 1, year - 2000
    QTest::addColumn<qint64>("seconds");

    auto utc = [](int y, int mo, int d, int h, int mi, int s) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC).toSecsSinceEpoch();
    };
    QTest::newRow("2024-01-15 13:05:00") << QByteArray("\x0D\x05\x00", 3) << QByteArray("\x0F\x00\x18", 3)
                                         << utc(2024, 1, 15, 13, 5, 0);
    QTest::newRow("leap day") << QByteArray("\x17\x3B\x3B", 3) << QByteArray("\x1D\x01\x18", 3)
                              << utc(2024, 2, 29, 23, 59, 59);
    QTest::newRow("2000-01-01") << QByteArray(3, '\0') << QByteArray("\x01\x00\x00", 3) << utc(2000, 1, 1, 0, 0, 0);
    QTest::newRow("2099-12-31") << QByteArray("\x0C\x00\x00", 3) << QByteArray("\x1F\x0B\x63", 3)
                                << utc(2099, 12, 31, 12, 0, 0);
    QTest::newRow("no fix yet: all zero") << QByteArray(3, '\0') << QByteArray(3, '\0') << qint64(0);
    QTest::newRow("29 Feb of a common year") << QByteArray(3, '\0') << QByteArray("\x1D\x01\x19", 3) << qint64(0);
    QTest::newRow("month byte 12") << QByteArray(3, '\0') << QByteArray("\x01\x0C\x18", 3) << qint64(0);
    QTest::newRow("hour 24") << QByteArray("\x18\x00\x00", 3) << QByteArray("\x01\x00\x18", 3) << qint64(0);
    QTest::newRow("second 60") << QByteArray("\x00\x00\x3C", 3) << QByteArray("\x01\x00\x18", 3) << qint64(0);
    QTest::newRow("beyond 32-bit seconds") << QByteArray(3, '\0') << QByteArray("\x01\x00\xC8", 3) << qint64(0);
}

void TestTmiRecords::f6Time()
{
    QFETCH(QByteArray, time);
    QFETCH(QByteArray, date);
    QFETCH(qint64, seconds);
    const QByteArray f6 = f6WithTimes(time, date);
    const F8Record f8 = TmiPage_Vela::convertF6(f6.constData(), f6.size());
    QCOMPARE(qint64(f8.time()), seconds);
    QCOMPARE(qint64(f8.lastTime()), seconds);
}

// Where each F6 byte goes, and the fill values for what F6 does not carry.
void TestTmiRecords::f6Fields()
{
    QByteArray f6 = counting(TmiPage_Vela::F6Size, 0x21);
    f6[0] = 6;
    f6.replace(7, 6, QByteArray("\x0D\x05\x00\x0F\x00\x18", 6));
    f6.replace(75, 6, QByteArray("\x0D\x05\x00\x0F\x00\x18", 6));
    f6[40] = char(0xFE);                                // CAN fuel level -2
    f6.replace(41, 2, QByteArray("\xFB\xFF", 2));       // CAN fuel consumption -5
    const auto *in = reinterpret_cast<const quint8 *>(f6.constData());

    const F8Record f8 = TmiPage_Vela::convertF6(f6.constData(), f6.size());
    auto f = [&](const char *name) { return f8.integer(FieldTable::find(QString::fromLatin1(name))); };
    auto u16at = [&](int offset) { return qint64(TmiBytes::read<quint16>(in + offset)); };
    auto u32at = [&](int offset) { return qint64(TmiBytes::read<quint32>(in + offset)); };

    QCOMPARE(int(f8.type()), 8);
    QCOMPARE(f("NumPage"), u32at(1));
    QCOMPARE(f("Code"), u16at(5));
    QCOMPARE(f("State"), qint64(in[13]));
    QCOMPARE(f("StateIn1"), qint64(in[17]));
    QCOMPARE(f("Power"), u16at(18));
    QCOMPARE(f("StateU_Ain3"), u16at(26));
    QCOMPARE(f("StateIn_Imp2"), u32at(32));
    QCOMPARE(f("Frequency2"), u16at(38));
    QCOMPARE(f("Motochas"), qint64(0));
    QCOMPARE(f("LevelRS485_1"), u16at(44));
    QCOMPARE(f("LevelRS485_6"), u16at(59));
    QCOMPARE(f("LevelRS232"), u16at(62));
    QCOMPARE(f("Temp4"), qint64(in[67]));
    QCOMPARE(f("StateNGauge"), qint64(in[74]));
    QCOMPARE(f("Latitude"), qint64(TmiBytes::read<qint32>(in + 81)));
    QCOMPARE(f8.real(FieldTable::field("Way")), TmiBytes::readFloat(in + 103));
    QCOMPARE(f("SecondsLast"), u16at(109));
    QCOMPARE(f("CAN_FuelLevel"), qint64(0xFFFE));
    QCOMPARE(f8.real(FieldTable::field("CAN_FuelConsumption")), -5.0f);
    QCOMPARE(f("CAN_EngineTurns"), u16at(72));
    QCOMPARE(f("CAN_AxleLoad_1"), u16at(68));
    // fill values
    QCOMPARE(f("CAN_Temp"), qint64(-128));
    QCOMPARE(f8.real(FieldTable::field("CAN_FullRun")), -1.0f);
    for (const char *name : {"CAN_AxleLoad_2", "CAN_AxleLoad_3", "CAN_AxleLoad_4", "CAN_AxleLoad_5"})
        QCOMPARE(f(name), qint64(0xFFFF));
    for (const char *name : {"CAN_PedalAccel", "CAN_PedalStop", "CAN_EngineLoad", "CAN_Speed"})
        QCOMPARE(f(name), qint64(0xFF));
    QCOMPARE(f("CAN_EngineTime"), qint64(0));
    QCOMPARE(f("CAN_TimeTO"), qint64(0xFFFF));
}

// The F8 page copies only what the payload holds: the bytes after the
// payload (0xEE here) must never turn up in the record.
void TestTmiRecords::f8PagePayload_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("show");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("recordBytes"); // bytes of the record taken from the payload

    QTest::newRow("113: too short") << 113 << false << 8 << 0;
    QTest::newRow("114, F8") << 114 << false << 8 << 111;
    QTest::newRow("114, F8, show flag") << 114 << true << 8 << 101;
    QTest::newRow("120, F8") << 120 << false << 8 << 117;
    QTest::newRow("130, F8") << 130 << false << 8 << 127;
    QTest::newRow("131, F8") << 131 << false << 8 << 128;
    QTest::newRow("141, F8, show flag") << 141 << true << 8 << 128;
    QTest::newRow("400, F8") << 400 << false << 8 << 128;
}

void TestTmiRecords::f8PagePayload()
{
    QFETCH(int, length);
    QFETCH(bool, show);
    QFETCH(int, type);
    QFETCH(int, recordBytes);
    const int start = show ? 13 : 3;
    QByteArray buffer(512, char(0xEE));
    buffer.replace(0, length, counting(length, 0x40));
    buffer[start] = char(type);

    ORV_TmiPage_F8 page(nullptr, buffer.constData(), length, show);
    const QByteArray record = page.record().toByteArray();
    if (recordBytes == 0) {
        QCOMPARE(record, QByteArray(128, '\0'));
        return;
    }
    QCOMPARE(record.left(recordBytes), buffer.mid(start, recordBytes));
    QCOMPARE(record.mid(recordBytes), QByteArray(128 - recordBytes, '\0'));
}

void TestTmiRecords::maskedDecode_data()
{
    QTest::addColumn<PresenceMask>("mask");
    QTest::addColumn<QByteArray>("fields");
    QTest::addColumn<QStringList>("names");    // members checked ...
    QTest::addColumn<QList<qint64>>("values"); // ... and their values
    QTest::addColumn<int>("nonZeroBytes");     // bytes of the full record that are not zero

    QTest::newRow("bits 0 and 9: NumPage, Latitude")
        << maskOf({0, 9}) << QByteArray("\x01\x02\x03\x04\x10\x20\x30\x40", 8)
        << QStringList{"NumPage", "Latitude", "Code", "Longitude"}
        << QList<qint64>{0x04030201, 0x40302010, 0, 0} << 8;

    // LbsCellID, then three groups of Lac, Mcc, Mnc, Level, u32.
    QByteArray lbs;
    lbs += QByteArray("\x11\x11\x11\x11", 4);
    lbs += QByteArray("\x01\x00\x02\x00\x03\x00\xB0\x21\x21\x21\x21", 11);
    lbs += QByteArray("\x04\x00\x05\x00\x06\x00\xB1\x22\x22\x22\x22", 11);
    lbs += QByteArray("\x07\x00\x08\x00\x09\x00\xB2\x44\x33\x22\x11", 11);
    QTest::newRow("bit 76: 37 bytes, the third group's u32 in LbsTime")
        << maskOf({76}) << lbs
        << QStringList{"LbsCellID", "LbsLac", "LbsLevel", "LbsCellID_1", "LbsMcc_1", "LbsLevel_1",
                       "LbsCellID_2", "LbsMnc_2", "LbsLevel_2", "LbsTime"}
        << QList<qint64>{0x11111111, 1, -80, 0x21212121, 5, -79, 0x22222222, 9, -78, 0x11223344} << 37 - 9;

    QTest::newRow("bit 96 alone: tyres 15 to 30")
        << maskOf({96}) << counting(48)
        << QStringList{"TiresNum15", "TiresTemp30", "TiresNum1", "TiresTemp14"}
        << QList<qint64>{1, 48, 0, 0} << 48;

    QTest::newRow("bits past the table are ignored")
        << maskOf({0, 122, 200, 255}) << counting(4)
        << QStringList{"NumPage"} << QList<qint64>{0x04030201} << 4;

    QTest::newRow("oversized: bytes beyond the mask ignored")
        << maskOf({1}) << counting(300)
        << QStringList{"Code", "NumPage", "Time"} << QList<qint64>{0x0201, 0, 0} << 2;

    QTest::newRow("all rows")
        << PresenceMask::firstBits(122) << counting(404)
        << QStringList{"NumPage", "CameraState"} << QList<qint64>{0x04030201, 404 & 0xFF} << 404 - 1; // byte 256 wraps to 0
}

void TestTmiRecords::maskedDecode()
{
    QFETCH(PresenceMask, mask);
    QFETCH(QByteArray, fields);
    QFETCH(QStringList, names);
    QFETCH(QList<qint64>, values);
    QFETCH(int, nonZeroBytes);

    const QByteArray record = masked(mask, fields);
    FullRecord full = countingFullRecord(); // must be cleared by the decoder
    PresenceMask present;
    MaskedDecoder decoder;
    QVERIFY(decoder.decode(record.constData(), record.size(), full, &present));
    QCOMPARE(present, mask.limited(FieldTable::RowCount));
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(full.integer(FieldTable::find(names[i])), values[i]);
    QCOMPARE(int(std::count_if(full.data(), full.data() + FullRecord::Size, [](quint8 b) { return b != 0; })),
             nonZeroBytes);
}

// Fields that do not arrive whole stay zero and count as absent.
void TestTmiRecords::maskedDecodeTruncated_data()
{
    QTest::addColumn<PresenceMask>("mask");
    QTest::addColumn<int>("fieldBytes");
    QTest::addColumn<PresenceMask>("present");

    QTest::newRow("none of the fields") << maskOf({0, 9}) << 0 << PresenceMask();
    QTest::newRow("NumPage whole, Latitude cut") << maskOf({0, 9}) << 6 << maskOf({0});
    QTest::newRow("cut inside a run of adjacent rows") << PresenceMask::firstBits(11) << 20 << PresenceMask::firstBits(9);
    QTest::newRow("cut inside a group row") << maskOf({0, 76}) << 4 + 36 << maskOf({0});
    QTest::newRow("one byte short of all rows") << PresenceMask::firstBits(122) << 403 << PresenceMask::firstBits(121);
    QTest::newRow("exactly enough") << maskOf({0, 9}) << 8 << maskOf({0, 9});
}

void TestTmiRecords::maskedDecodeTruncated()
{
    QFETCH(PresenceMask, mask);
    QFETCH(int, fieldBytes);
    QFETCH(PresenceMask, present);

    // The record is its own allocation, so reading past it is caught by AddressSanitizer.
    const QByteArray record = masked(mask, counting(fieldBytes));
    std::unique_ptr<char[]> exact(new char[size_t(record.size())]);
    std::memcpy(exact.get(), record.constData(), size_t(record.size()));

    FullRecord full = countingFullRecord();
    PresenceMask got;
    MaskedDecoder decoder;
    QVERIFY(decoder.decode(exact.get(), record.size(), full, &got));
    QCOMPARE(got, present);

    // Present rows hold the data; every other byte of the full record is zero.
    const FullRecord expected = [&] {
        FullRecord all;
        MaskPlan(mask).decode(reinterpret_cast<const quint8 *>(counting(404).constData()), 404, all);
        FullRecord only;
        for (int bit = 0; bit < FieldTable::RowCount; ++bit) {
            if (present.test(bit))
                std::memcpy(only.data() + FieldTable::row(bit).offset, all.data() + FieldTable::row(bit).offset,
                            FieldTable::row(bit).width);
        }
        return only;
    }();
    QVERIFY(full == expected);
}

void TestTmiRecords::maskedHeaderOnly_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<bool>("decoded");

    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("type byte only") << QByteArray(1, char(0xB0)) << false;
    QTest::newRow("mask cut") << masked(maskOf({0}), {}).left(33) << false;
    QTest::newRow("header, no fields") << masked(maskOf({0}), {}) << true;
    QTest::newRow("other type") << QByteArray(60, char(0xB1)) << false;
}

void TestTmiRecords::maskedHeaderOnly()
{
    QFETCH(QByteArray, record);
    QFETCH(bool, decoded);
    std::unique_ptr<char[]> exact(new char[size_t(record.size()) + 1]);
    std::memcpy(exact.get(), record.constData(), size_t(record.size()));

    FullRecord full = countingFullRecord();
    PresenceMask present = maskOf({3});
    MaskedDecoder decoder;
    QCOMPARE(decoder.decode(exact.get(), record.size(), full, &present), decoded);
    QVERIFY(present.isEmpty());
    QVERIFY(full == FullRecord());
}

void TestTmiRecords::planMergesAdjacentRows()
{
    const MaskPlan defaults(PresenceMask::fromText(
        u"11111111111011100011000000001000000010000000000000000000000000000000000000000000000000000000000000000000000000000000000000"));
    // rows 0-10, 12-14, 18-19, 28, 36
    QCOMPARE(defaults.runCount(), 5);
    QCOMPARE(int(defaults.run(1).wire), 27);
    QCOMPARE(int(defaults.run(1).record), 31);
    QCOMPARE(int(defaults.run(2).wire), 37);
    QCOMPARE(int(defaults.run(2).record), 49);
    QCOMPARE(MaskPlan(PresenceMask::firstBits(122)).runCount(), 1);
}

// A decoder keeps the plan of the last mask; records with other masks must
// not be decoded with a stale plan.
void TestTmiRecords::planCacheFollowsMask()
{
    MaskedDecoder decoder;
    const PresenceMask a = maskOf({0, 9});
    const PresenceMask b = maskOf({0, 10});
    FullRecord full;
    const FieldRef latitude = FieldTable::field("Latitude");
    const FieldRef longitude = FieldTable::field("Longitude");
    const QByteArray fields = counting(8);

    for (const PresenceMask &mask : {a, a, b, a, b, b}) {
        const QByteArray record = masked(mask, fields);
        PresenceMask present;
        QVERIFY(decoder.decode(record.constData(), record.size(), full, &present));
        QCOMPARE(present, mask);
        QCOMPARE(full.integer(latitude), mask == a ? qint64(0x08070605) : 0);
        QCOMPARE(full.integer(longitude), mask == b ? qint64(0x08070605) : 0);
    }
}

// Packing a full record under a mask and decoding it gives back exactly the
// present rows, for any mask.
void TestTmiRecords::encodeDecodeRoundTrip()
{
    QRandomGenerator random(4810);
    const FullRecord source = countingFullRecord();
    MaskedDecoder decoder;
    for (int round = 0; round < 200; ++round) {
        PresenceMask mask;
        for (int bit = 0; bit < FieldTable::RowCount; ++bit)
            mask.set(bit, random.bounded(3) == 0);
        const QByteArray record = MaskedDecoder::encode(source, mask, 20);
        QCOMPARE(int(record.size()), MaskedDecoder::HeaderSize + MaskPlan(mask).wireSize());
        FullRecord full;
        PresenceMask present;
        QVERIFY(decoder.decode(record.constData(), record.size(), full, &present));
        QCOMPARE(present, mask);
        for (int bit = 0; bit < FieldTable::RowCount; ++bit) {
            const FieldRow &row = FieldTable::row(bit);
            const QByteArray got(reinterpret_cast<const char *>(full.data() + row.offset), row.width);
            const QByteArray want = mask.test(bit)
                ? QByteArray(reinterpret_cast<const char *>(source.data() + row.offset), row.width)
                : QByteArray(row.width, '\0');
            QCOMPARE(got, want);
        }
    }
}

// Under the F8 mask the field data hold every F8 field but the type byte,
// in bit order (not F8 order), and decode back to the same fields.
void TestTmiRecords::f8Serialise()
{
    const F8Record f8 = sampleF8();
    const QByteArray fields = f8.serialise(F8Record::fieldMask());
    QCOMPARE(fields.size(), 127);
    const QByteArray bytes = f8.toByteArray();
    QCOMPARE(fields.left(13), bytes.mid(1, 13));     // NumPage, Code, Time, State, Module1, GSM
    QCOMPARE(fields.mid(13, 1), bytes.mid(60, 1));   // StateNGauge
    QCOMPARE(fields.mid(14, 4), bytes.mid(61, 4));   // LastTime
    QCOMPARE(fields.right(1), bytes.right(1));       // CAN_Speed

    const QByteArray record = masked(F8Record::fieldMask(), fields, 10);
    FullRecord full;
    PresenceMask present;
    MaskedDecoder decoder;
    QVERIFY(decoder.decode(record.constData(), record.size(), full, &present));
    QCOMPARE(present, F8Record::fieldMask());
    QVERIFY(full == f8.toFullRecord());
    QCOMPARE(full.integer(FieldTable::field("Latitude")), qint64(33450000));
}

void TestTmiRecords::f8SerialiseFillsRowsF8Lacks()
{
    const F8Record f8 = sampleF8();
    // NumPage, Module2 (not in F8), StateU_Ain4 (not in F8), CAN_LevelFiltr
    // (not in F8), CAN_Speed; bits 69.. are no first-generation rows.
    const QByteArray fields = f8.serialise(maskOf({0, 5, 23, 65, 68, 69, 72}));
    QByteArray expected = f8.toByteArray().mid(1, 4);
    expected += QByteArray(1 + 2 + 2, '\0');
    expected += f8.toByteArray().mid(127, 1);
    QCOMPARE(fields, expected);
}

static QByteArray extendedRecord(const QByteArray &dynamic, int declaredDynamic = -1)
{
    QByteArray record(58, '\0');
    auto *p = reinterpret_cast<quint8 *>(record.data());
    p[0] = 0xB1;
    const int dyn = declaredDynamic < 0 ? int(dynamic.size()) : declaredDynamic;
    TmiBytes::write<quint16>(p + 1, quint16(55 + dyn));
    p[3] = 1;
    p[4] = 37;
    TmiBytes::write<quint32>(p + 5, 123456);   // NumPage
    TmiBytes::write<quint32>(p + 11, 1705323900); // Time
    TmiBytes::write<qint32>(p + 20, 33450000);  // Latitude
    TmiBytes::writeFloat(p + 38, 1234.5f);      // Run
    p[42] = 1;
    p[43] = 14;
    p[44] = 0x01;                               // State
    TmiBytes::write<quint32>(p + 54, 777);      // Motochas
    return record + dynamic;
}

void TestTmiRecords::extendedFixedBlocks()
{
    const QByteArray bytes = extendedRecord({});
    const ExtendedRecord record(bytes.constData(), bytes.size());
    QCOMPARE(int(record.declaredSize()), 55);
    QCOMPARE(int(record.stSize()), 37);
    QCOMPARE(int(record.hSize()), 14);
    FullRecord full;
    const PresenceMask present = record.decodeInto(full);
    QCOMPARE(present, maskOf({0, 1, 2, 3, 7, 8, 9, 10, 11, 12, 13, 14, 30, 32, 33, 36}));
    QCOMPARE(full.integer(FieldTable::field("NumPage")), qint64(123456));
    QCOMPARE(full.integer(FieldTable::field("Time")), qint64(1705323900));
    QCOMPARE(full.integer(FieldTable::field("Latitude")), qint64(33450000));
    QCOMPARE(full.real(FieldTable::field("Run")), 1234.5f);
    QCOMPARE(full.integer(FieldTable::field("State")), qint64(1));
    QCOMPARE(full.integer(FieldTable::field("Motochas")), qint64(777));
    QVERIFY(record.elements().isEmpty());
}

void TestTmiRecords::extendedElements_data()
{
    QTest::addColumn<QByteArray>("dynamic");
    QTest::addColumn<int>("declared"); // dynamic bytes the size field claims; -1: as many as there are
    QTest::addColumn<QList<int>>("types");
    QTest::addColumn<QStringList>("values");

    QTest::newRow("one type-2 element: 18 bytes")
        << QByteArray("\x02\x10", 2) + QByteArray("ABCDEFGHIJKLMNOP") << -1
        << QList<int>{2} << QStringList{"ABCDEFGHIJKLMNOP"};
    QTest::newRow("types 1 and 2")
        << QByteArray("\x01\x08\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 10) + QByteArray("\x02\x10", 2)
               + QByteArray("card\0\0\0\0\0\0\0\0\0\0\0\0", 16)
        << -1 << QList<int>{1, 2} << QStringList{"-1", "card"};
    QTest::newRow("type 3, then an unknown type of two bytes")
        << QByteArray("\x03\x08\x2A\x00\x00\x00\x00\x00\x00\x00\x09\x05", 12) << -1
        << QList<int>{3, 9} << QStringList{"42", ""};
    QTest::newRow("element cut by the end is dropped")
        << QByteArray("\x09\x00\x02\x10", 4) + QByteArray("ABCDEFGHIJKLMNO") << -1
        << QList<int>{9} << QStringList{""};
    QTest::newRow("one byte left over") << QByteArray("\x09\x00\x07", 3) << -1 << QList<int>{9} << QStringList{""};
    QTest::newRow("size claims more than is held")
        << QByteArray("\x01\x08\x01\x00\x00\x00\x00\x00\x00\x00\x02\x10" "ABCD", 16) << 250
        << QList<int>{1} << QStringList{"1"};
    QTest::newRow("size claims less than the blocks")
        << QByteArray("\x01\x08\x01\x00\x00\x00\x00\x00\x00\x00", 10) << -40 << QList<int>{} << QStringList{};
    QTest::newRow("size counts only the first element")
        << QByteArray("\x03\x08\x05\x00\x00\x00\x00\x00\x00\x00\x01\x08\x06\x00\x00\x00\x00\x00\x00\x00", 20) << 10
        << QList<int>{3} << QStringList{"5"};
}

void TestTmiRecords::extendedElements()
{
    QFETCH(QByteArray, dynamic);
    QFETCH(int, declared);
    QFETCH(QList<int>, types);
    QFETCH(QStringList, values);

    const QByteArray bytes = extendedRecord(dynamic, declared < -1 ? 0 : declared);
    QByteArray withSize = bytes;
    if (declared < -1) // a size field smaller than stSize + hSize + 4
        TmiBytes::write<quint16>(reinterpret_cast<quint8 *>(withSize.data()) + 1, quint16(55 + declared));
    std::unique_ptr<char[]> exact(new char[size_t(withSize.size())]);
    std::memcpy(exact.get(), withSize.constData(), size_t(withSize.size()));

    const ExtendedRecord record(exact.get(), withSize.size());
    const QList<DynamicElement> elements = record.elements();
    QCOMPARE(elements.size(), types.size());
    for (int i = 0; i < elements.size(); ++i) {
        QCOMPARE(int(elements[i].type), types[i]);
        QCOMPARE(elements[i].valueText(), values[i]);
        QCOMPARE(int(elements[i].value.size()), DynamicElement::valueWidth(elements[i].type));
    }
}

// Records cut short or longer than the 314 bytes held: fixed fields are
// present only when held whole; the dynamic area never reaches past the held bytes.
void TestTmiRecords::extendedTruncated_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<PresenceMask>("present");
    QTest::addColumn<int>("elements");

    QTest::newRow("type byte only") << 1 << PresenceMask() << 0;
    QTest::newRow("NumPage cut") << 8 << PresenceMask() << 0;
    QTest::newRow("standard block whole") << 42 << maskOf({0, 1, 2, 7, 8, 9, 10, 11, 12, 13, 14}) << 0;
    QTest::newRow("Motochas cut") << 57 << maskOf({0, 1, 2, 3, 7, 8, 9, 10, 11, 12, 13, 14, 30, 32, 33}) << 0;
    QTest::newRow("one element and half of the next") << 58 + 10 + 5 << maskOf({0, 1, 2, 3, 7, 8, 9, 10, 11, 12, 13, 14, 30, 32, 33, 36}) << 1;
    QTest::newRow("longer than 314: cut") << 600 << maskOf({0, 1, 2, 3, 7, 8, 9, 10, 11, 12, 13, 14, 30, 32, 33, 36}) << 25;
}

void TestTmiRecords::extendedTruncated()
{
    QFETCH(int, length);
    QFETCH(PresenceMask, present);
    QFETCH(int, elements);

    // 25 type-1 elements of 10 bytes fill 250 bytes, more than the 256 - 6
    // bytes after the fixed blocks in 314; the size field claims all of them.
    QByteArray dynamic;
    for (int i = 0; i < 60; ++i)
        dynamic += QByteArray("\x01\x08", 2) + counting(8, i);
    QByteArray bytes = extendedRecord(dynamic).left(length);
    std::unique_ptr<char[]> exact(new char[size_t(bytes.size())]);
    std::memcpy(exact.get(), bytes.constData(), size_t(bytes.size()));

    const ExtendedRecord record(exact.get(), bytes.size());
    QCOMPARE(record.size(), qMin(length, ExtendedRecord::Capacity));
    FullRecord full;
    QCOMPARE(record.decodeInto(full), present);
    QCOMPARE(int(record.elements().size()), elements);
    if (present.test(0))
        QCOMPARE(full.integer(FieldTable::field("NumPage")), qint64(123456));
}

QTEST_GUILESS_MAIN(TestTmiRecords)
#include "tst_tmirecords.moc"
