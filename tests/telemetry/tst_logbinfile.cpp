// The binary telemetry file: its three checksums against published check
// values, the header with the scrambled identifier, and whole files byte for byte.

#include "tests/telemetry/tmisamples.h"

#include "telemetry/orv_logbinfile.h"
#include "telemetry/orv_tmipage_f8.h"
#include "telemetry/tmipage_vela2.h"
#include "tests/support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace TmiSamples;

class TestLogBinFile : public QObject
{
    Q_OBJECT

private slots:
    void checksums_data();
    void checksums();
    void recordCrcIsIncremental();
    void recordCrcFollowsTheByteRule();

    void onePageFile();
    void identifiers_data();
    void identifiers();
    void identifierOnlyChangesItsBytes();
    void vela2PagesAsReceived();
    void progressAndSkippedEntries();
    void pageSourceMatchesPageList();
    void recordCountSaturates();
    void unwritableTarget();

private:
    static QByteArray file(const QString &name) { return TestFiles::read(name); }
};

void TestLogBinFile::checksums_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<quint32>("value");

    const QByteArray check("123456789");
    // CRC-16/CCITT-FALSE (start 0xFFFF) and CRC-16/XMODEM (start 0) check values.
    QTest::newRow("CRC-16 start 0xFFFF") << check << "crc16" << quint32(0x29B1);
    QTest::newRow("CRC-16 start 0") << check << "crc16/0" << quint32(0x31C3);
    QTest::newRow("CRC-16 of nothing") << QByteArray() << "crc16" << quint32(0xFFFF);
    // Polynomial 0x31, start 0xFF, no reflection, no final XOR.
    QTest::newRow("CRC-8") << check << "crc8" << quint32(0xF7);
    QTest::newRow("CRC-8 of 56 zero bytes: start 0xFF") << QByteArray(56, '\0') << "crc8" << quint32(0x2D);
    // The per-byte XOR with 0xD202EF8D on a zero start is the standard
    // CRC-32's start and final inversion, folded into every step; the
    // result is the standard CRC-32.
    QTest::newRow("record CRC of nothing") << QByteArray() << "record" << quint32(0);
    QTest::newRow("record CRC of one zero byte") << QByteArray(1, '\0') << "record" << quint32(0xD202EF8D);
    QTest::newRow("record CRC check value") << check << "record" << quint32(0xCBF43926);
}

void TestLogBinFile::checksums()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, kind);
    QFETCH(quint32, value);
    if (kind == "crc16")
        QCOMPARE(quint32(ORV_LogBinFile::crc16(input.constData(), input.size())), value);
    else if (kind == "crc16/0")
        QCOMPARE(quint32(ORV_LogBinFile::crc16(input.constData(), input.size(), 0)), value);
    else if (kind == "crc8")
        QCOMPARE(quint32(ORV_LogBinFile::crc8(input.constData(), input.size())), value);
    else
        QCOMPARE(ORV_LogBinFile::recordCrc(input.constData(), input.size()), value);
}

void TestLogBinFile::recordCrcIsIncremental()
{
    const QByteArray data = counting(1000);
    ORV_LogBinFile::RecordCrc crc;
    crc.update(data.constData(), 1);
    crc.update(data.constData() + 1, 600);
    crc.update(data.constData() + 601, 399);
    QCOMPARE(crc.value(), ORV_LogBinFile::recordCrc(data.constData(), data.size()));
    crc.reset();
    QCOMPARE(crc.value(), 0u);
}

// The checksum as the file layout defines it, one byte at a time, against
// the one the writer computes, for every length around its 8-byte steps
// and for pieces of every alignment.
void TestLogBinFile::recordCrcFollowsTheByteRule()
{
    quint32 table[256];
    for (quint32 i = 0; i < 256; ++i) {
        quint32 c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
        table[i] = c;
    }
    auto byteRule = [&](const QByteArray &bytes) {
        quint32 crc = 0;
        for (char b : bytes)
            crc = ((crc >> 8) ^ table[(crc ^ quint8(b)) & 0xFF]) ^ 0xD202EF8Du;
        return crc;
    };
    QByteArray data(300, '\0');
    quint32 x = 12345;
    for (char &c : data) {
        x = x * 1103515245u + 12345u;
        c = char(x >> 16);
    }
    for (int length = 0; length <= 40; ++length)
        QCOMPARE(ORV_LogBinFile::recordCrc(data.constData(), length), byteRule(data.left(length)));
    QCOMPARE(ORV_LogBinFile::recordCrc(data.constData(), data.size()), byteRule(data));
    for (int split = 0; split < 17; ++split) {
        ORV_LogBinFile::RecordCrc crc;
        crc.update(data.constData(), split);
        crc.update(data.constData() + split, 3);
        crc.update(data.constData() + split + 3, data.size() - split - 3);
        QCOMPARE(crc.value(), byteRule(data));
    }
}

// One F8 page: 128 + 2 + 34 + 127 = 291 bytes, every byte accounted for.
void TestLogBinFile::onePageFile()
{
    QTemporaryDir dir;
    const QString name = dir.filePath("one.tmi");
    const F8Record f8 = sampleF8(); // time 1705323900
    ORV_TmiPage_F8 page(nullptr, f8);
    QVERIFY(ORV_LogBinFile::write(QList<ORV_TmiPage_F8 *>{&page}, name, QStringLiteral("AB")));

    QByteArray record;
    record += QByteArray("\xA1\x00", 2); // 161
    record += char(0xB0);
    record += char(10);
    record += QByteArray("\xFB\xFF\xFE\x0A\xFF\xFF\x0F\xFF\xB8", 9) + QByteArray(23, '\0');
    record += f8.serialise(F8Record::fieldMask()); // checked field by field in tst_tmirecords

    QByteArray header(128, '\0');
    header.replace(0, 11, QByteArray("\x01\x00\x80\x00\x01K-4810", 11));
    header.replace(11, 4, QByteArray("\x7C\x2D\xA5\x65", 4)); // first page time
    header.replace(15, 4, QByteArray("\x7C\x2D\xA5\x65", 4)); // last page time
    header.replace(19, 2, QByteArray("\x01\x00", 2));
    const quint32 crc = ORV_LogBinFile::recordCrc(record.constData(), record.size());
    header.replace(21, 4, QByteArray(reinterpret_cast<const char *>(&crc), 4)); // little-endian host
    header[25] = 4;
    header.replace(26, 4, "4938"); // "AB" scrambled with the key "17053239"
    header[56] = char(ORV_LogBinFile::crc8(header.constData(), 56));

    const QByteArray bytes = file(name);
    QCOMPARE(bytes.size(), 291);
    QCOMPARE(TestFiles::hex(bytes.left(128), 128), TestFiles::hex(header, 128));
    QCOMPARE(bytes.mid(128), record);
}

void TestLogBinFile::identifiers_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("two bytes") << "AB" << QByteArray("4938");
    QTest::newRow("15 bytes") << "356938035643809" << QByteArray("3b4f4e4f5b4a68652d4c7c95a05251");
    QTest::newRow("20 bytes: cut to 15") << "35693803564380912345" << QByteArray("3b4f4e4f5b4a68652d4c7c95a05251");
}

void TestLogBinFile::identifiers()
{
    QFETCH(QString, identifier);
    QFETCH(QByteArray, text);
    QCOMPARE(ORV_LogBinFile::scrambledIdentifier(identifier.toLatin1(), 1705323900), text);

    const QByteArray header = ORV_LogBinFile::header(1705323900, 1705323999, 1, 0, identifier.toLatin1());
    QCOMPARE(header.size(), 128);
    QCOMPARE(int(quint8(header[25])), text.size());
    QCOMPARE(header.mid(26, text.size()), text);
    QCOMPARE(header.mid(26 + text.size(), 30 - text.size()), QByteArray(30 - text.size(), '\0'));
    QCOMPARE(quint8(header[56]), ORV_LogBinFile::crc8(header.constData(), 56));
    QCOMPARE(header.mid(57), QByteArray(71, '\0'));
}

// The same pages for two trackers: the files differ only in the identifier
// and the header checksum (bytes 25..57).
void TestLogBinFile::identifierOnlyChangesItsBytes()
{
    QTemporaryDir dir;
    QList<ORV_TmiPage_F8 *> pages;
    QObject owner;
    for (int i = 0; i < 3; ++i) {
        F8Record f8 = sampleF8();
        f8.setInteger(FieldTable::field("NumPage"), 100 + i);
        f8.setInteger(FieldTable::field("Time"), 1705323900 + 60 * i);
        pages << new ORV_TmiPage_F8(&owner, f8);
    }
    QVERIFY(ORV_LogBinFile::write(pages, dir.filePath("a.tmi"), QStringLiteral("867530012345678")));
    QVERIFY(ORV_LogBinFile::write(pages, dir.filePath("b.tmi"), QStringLiteral("ID-2")));
    const QByteArray a = file(dir.filePath("a.tmi"));
    const QByteArray b = file(dir.filePath("b.tmi"));
    QCOMPARE(a.size(), 128 + 3 * 163);
    QCOMPARE(a.size(), b.size());
    QCOMPARE(a.left(25), b.left(25));
    QCOMPARE(a.mid(58), b.mid(58));
    QVERIFY(a.mid(25, 33) != b.mid(25, 33));
    // first and last page times
    QCOMPARE(TmiBytes::read<quint32>(reinterpret_cast<const quint8 *>(a.constData()) + 11), 1705323900u);
    QCOMPARE(TmiBytes::read<quint32>(reinterpret_cast<const quint8 *>(a.constData()) + 15), 1705324020u);
}

void TestLogBinFile::vela2PagesAsReceived()
{
    QTemporaryDir dir;
    FullRecord full;
    full.setInteger(FieldTable::field("Time"), 1000);
    const QByteArray maskedRecord = MaskedDecoder::encode(full, maskOf({0, 2, 9, 10, 76}), 20);
    QByteArray extended(58 + 18, '\0');
    extended[0] = char(0xB1);
    TmiBytes::write<quint16>(reinterpret_cast<quint8 *>(extended.data()) + 1, 55 + 18);
    TmiBytes::write<quint32>(reinterpret_cast<quint8 *>(extended.data()) + 11, 2000);
    extended[58] = 2;
    extended[59] = 16;

    TmiPage_Vela2 first(maskedRecord.constData(), maskedRecord.size());
    TmiPage_Vela2 second(extended.constData(), extended.size());
    QVERIFY(ORV_LogBinFile::write(QList<TmiPage_Vela2 *>{&first, &second}, dir.filePath("v.tmi"), "X"));

    const QByteArray bytes = file(dir.filePath("v.tmi"));
    QByteArray records;
    records += char(maskedRecord.size()) + QByteArray(1, '\0') + maskedRecord;
    records += char(extended.size()) + QByteArray(1, '\0') + extended;
    QCOMPARE(bytes.mid(128), records);
    const auto *h = reinterpret_cast<const quint8 *>(bytes.constData());
    QCOMPARE(TmiBytes::read<quint32>(h + 11), 1000u);
    QCOMPARE(TmiBytes::read<quint32>(h + 15), 2000u);
    QCOMPARE(TmiBytes::read<quint16>(h + 19), quint16(2));
    QCOMPARE(TmiBytes::read<quint32>(h + 21), ORV_LogBinFile::recordCrc(records.constData(), records.size()));
}

void TestLogBinFile::progressAndSkippedEntries()
{
    QTemporaryDir dir;
    const QByteArray junk(120, '\x07');
    TmiPage_Vela2 empty(junk.constData(), junk.size());
    const QByteArray maskedRecord = masked(maskOf({0}), counting(4));
    TmiPage_Vela2 page(maskedRecord.constData(), maskedRecord.size());

    QList<int> calls;
    const bool ok = ORV_LogBinFile::write(QList<TmiPage_Vela2 *>{&page, nullptr, &empty, &page},
                                          dir.filePath("p.tmi"), "X",
                                          [&](int index, int count) { calls << index << count; });
    QVERIFY(ok);
    QCOMPARE(calls, (QList<int>{0, 4, 1, 4, 2, 4, 3, 4, 4, 4}));
    const QByteArray bytes = file(dir.filePath("p.tmi"));
    QCOMPARE(bytes.size(), 128 + 2 * (2 + 38));
    QCOMPARE(int(quint8(bytes[19])), 2);
}

// Writing from raw records (no page objects) gives the same file as writing
// the pages; an empty record is skipped.
void TestLogBinFile::pageSourceMatchesPageList()
{
    QTemporaryDir dir;
    QObject owner;
    QList<ORV_TmiPage_F8 *> pages;
    QList<F8Record> records;
    for (int i = 0; i < 3; ++i) {
        F8Record f8 = sampleF8();
        f8.setInteger(FieldTable::field("Time"), 1705323900 + i);
        records << f8;
        pages << new ORV_TmiPage_F8(&owner, f8);
    }
    // Four entries; the third has no record.
    const QList<int> recordOfEntry = {0, 1, -1, 2};
    const auto source = [&](int i, QByteArray &record, quint32 &time) {
        const int r = recordOfEntry[i];
        if (r < 0)
            return false;
        record = ORV_LogBinFile::record(records[r]);
        time = records[r].time();
        return true;
    };
    QVERIFY(ORV_LogBinFile::write(pages, dir.filePath("pages.tmi"), "356938035643809"));
    QVERIFY(ORV_LogBinFile::write(4, source, dir.filePath("source.tmi"), "356938035643809"));
    QCOMPARE(file(dir.filePath("source.tmi")), file(dir.filePath("pages.tmi")));
}

void TestLogBinFile::recordCountSaturates()
{
    const QByteArray header = ORV_LogBinFile::header(1, 2, 70000, 0, "X");
    QCOMPARE(TmiBytes::read<quint16>(reinterpret_cast<const quint8 *>(header.constData()) + 19), quint16(0xFFFF));
}

void TestLogBinFile::unwritableTarget()
{
    QTemporaryDir dir;
    const QString name = dir.filePath("missing/dir/x.tmi");
    ORV_TmiPage_F8 page(nullptr, sampleF8());
    QVERIFY(!ORV_LogBinFile::write(QList<ORV_TmiPage_F8 *>{&page}, name, "X"));
    QVERIFY(!QFile::exists(name));
}

QTEST_GUILESS_MAIN(TestLogBinFile)
#include "tst_logbinfile.moc"
