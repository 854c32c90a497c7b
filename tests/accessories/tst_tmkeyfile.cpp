// The touch-memory key file: its bytes for a few key sets, the load of
// damaged files, and the texts around it; and the accelerometer levels of
// older settings files.

#include "accessories/accelerometerlevels.h"
#include "accessories/tmkeyfile.h"
#include "telemetry/orv_logbinfile.h"

#include <QTest>

#include <cmath>

using Key = TmKeyFile::Key;

namespace {

quint16 le16(const QByteArray &b, int offset)
{
    return quint16(uchar(b[offset]) | uchar(b[offset + 1]) << 8);
}

QByteArray record(quint64 code, quint8 mask)
{
    QByteArray r(8, '\0');
    for (int i = 0; i < 6; ++i)
        r[i] = char((code >> (8 * i)) & 0xFF);
    r[6] = char(mask);
    return r;
}

QByteArray header(int lengthField)
{
    QByteArray h("TMK\x0A", 4);
    h.append(char(lengthField & 0xFF));
    h.append(char((lengthField >> 8) & 0xFF));
    h.append(2, '\0');
    return h;
}

} // namespace

Q_DECLARE_METATYPE(QList<Key>)

class tst_TmKeyFile : public QObject
{
    Q_OBJECT

private slots:
    void crcIsTheSharedCcittFalse();
    void threeCodesMakeAWholeFile();
    void modeMasks_data();
    void modeMasks();
    void writeThenReadGivesTheKeys();
    void damagedFiles_data();
    void damagedFiles();
    void codeTexts_data();
    void codeTexts();
    void statusErrorTexts_data();
    void statusErrorTexts();
    void fileNamesLieInTheGivenDirectory();
    void olderAccelerometerLevels_data();
    void olderAccelerometerLevels();
};

void tst_TmKeyFile::crcIsTheSharedCcittFalse()
{
    QCOMPARE(ORV_LogBinFile::crc16("123456789", 9), quint16(0x29B1));
}

void tst_TmKeyFile::threeCodesMakeAWholeFile()
{
    const QList<Key> keys = {{0xABCDEF1, 0}, {0x0123456789AB, 2}, {0x1122334455667788ull, 5}};
    const QByteArray file = TmKeyFile::write(keys);
    QCOMPARE(file.size(), 4096);
    QCOMPARE(file.left(4), QByteArray("TMK\x0A"));
    QCOMPARE(le16(file, 4), quint16(4096));
    QCOMPARE(le16(file, 6), quint16(0));
    // "ABCDEF1" is stored as F1 DE BC 0A 00 00, its mode index 0 as 1.
    QCOMPARE(file.mid(8, 8), QByteArray("\xF1\xDE\xBC\x0A\x00\x00\x01\x00", 8));
    QCOMPARE(file.mid(16, 8), record(0x0123456789AB, 4));
    // Only the low six bytes of a longer code.
    QCOMPARE(file.mid(24, 8), record(0x334455667788, 32));
    for (int k = 3; k < TmKeyFile::KeyCount; ++k)
        QCOMPARE(file.mid(8 + 8 * k, 8), record(0, 1));
    QCOMPARE(file.mid(4088, 6), QByteArray(6, '\0'));
    const quint16 crc = ORV_LogBinFile::crc16(file.constData(), 4094);
    QCOMPARE(le16(file, 4094), crc);
}

void tst_TmKeyFile::modeMasks_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("loaded");
    for (int i = 0; i < TmKeyFile::ModeCount; ++i)
        QTest::addRow("index %d", i) << i << (1 << i) << i;
    QTest::newRow("index outside the items") << 9 << 1 << 0;
}

void tst_TmKeyFile::modeMasks()
{
    QFETCH(int, mode);
    QFETCH(int, mask);
    QFETCH(int, loaded);
    const QByteArray file = TmKeyFile::write({{0x42, mode}});
    QCOMPARE(int(uchar(file[14])), mask);
    QCOMPARE(TmKeyFile::read(file).first().mode, loaded);
}

void tst_TmKeyFile::writeThenReadGivesTheKeys()
{
    QList<Key> keys;
    for (int k = 0; k < TmKeyFile::KeyCount; ++k)
        keys.append({quint64(k) * 0x010203040506ull & TmKeyFile::CodeMask, k % TmKeyFile::ModeCount});
    QCOMPARE(TmKeyFile::read(TmKeyFile::write(keys)), keys);
}

void tst_TmKeyFile::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<Key>>("keys");

    const QByteArray two = record(0x10, 2) + record(0x20, 8);
    QTest::newRow("empty") << QByteArray() << QList<Key>();
    QTest::newRow("shorter than its header") << QByteArray("TMK\x0A\x00\x10", 6) << QList<Key>();
    QTest::newRow("header only") << header(4096) << QList<Key>();
    QTest::newRow("length field below the header") << header(9) + two << QList<Key>();
    QTest::newRow("length field zero") << header(0) + two << QList<Key>();
    QTest::newRow("two records, length field says two") << header(32) + two
                                                        << QList<Key>({{0x10, 1}, {0x20, 3}});
    QTest::newRow("length field says 510, the file holds two and a half")
        << header(4096) + two + QByteArray("\x30\x00\x00", 3) << QList<Key>({{0x10, 1}, {0x20, 3}});
    QTest::newRow("length field says one of two") << header(24) + two << QList<Key>({{0x10, 1}});
    QTest::newRow("mode byte without a bit of the six") << header(24) + record(0x10, 0xC0) << QList<Key>({{0x10, 0}});
    QTest::newRow("mode byte with several bits: the lowest") << header(24) + record(0x10, 0x0C)
                                                              << QList<Key>({{0x10, 2}});
    QTest::newRow("other marker and version, bad CRC") << QByteArray("XYZ\x07\x18\x00\x00\x00", 8) + record(0x77, 16)
                                                       << QList<Key>({{0x77, 4}});
}

void tst_TmKeyFile::damagedFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<Key>, keys);
    QCOMPARE(TmKeyFile::read(file), keys);
}

void tst_TmKeyFile::codeTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<quint64>("code");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << "" << true << quint64(0) << "";
    QTest::newRow("as typed") << "abcdef1" << true << quint64(0xABCDEF1) << "00000ABCDEF1";
    QTest::newRow("with 0x") << "0x5A00" << true << quint64(0x5A00) << "000000005A00";
    QTest::newRow("twelve digits") << "0A1B2C3D4E5F" << true << quint64(0x0A1B2C3D4E5F) << "0A1B2C3D4E5F";
    QTest::newRow("not hexadecimal") << "12G4" << false << quint64(0) << "";
    QTest::newRow("seventeen digits") << "11111111111111111" << false << quint64(0) << "";
}

void tst_TmKeyFile::codeTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(quint64, code);
    QFETCH(QString, shown);
    bool parsed = !ok;
    QCOMPARE(TmKeyFile::codeFromText(text, &parsed), code);
    QCOMPARE(parsed, ok);
    QCOMPARE(TmKeyFile::codeText(code), shown);
}

void tst_TmKeyFile::statusErrorTexts_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::newRow("write 2") << int(TmKeyFile::Step::Write) << int('2') << "Error (Write file): 0x32";
    QTest::newRow("write 5") << int(TmKeyFile::Step::Write) << int('5') << "Error (Write file): 0x35";
    QTest::newRow("write other") << int(TmKeyFile::Step::Write) << int('6') << "Unknow Error (Write file): 54";
    QTest::newRow("change 3") << int(TmKeyFile::Step::Change) << int('3') << "Error (Change file): 0x33";
    QTest::newRow("change zero byte") << int(TmKeyFile::Step::Change) << 0 << "Unknow Error (Change file): 0";
    QTest::newRow("read 4") << int(TmKeyFile::Step::Read) << int('4') << "Error (Read file): 0x34";
    QTest::newRow("read 0") << int(TmKeyFile::Step::Read) << int('0') << "Unknow Error (Read file): 48";
}

void tst_TmKeyFile::statusErrorTexts()
{
    QFETCH(int, step);
    QFETCH(int, status);
    QFETCH(QString, text);
    QCOMPARE(TmKeyFile::statusError(TmKeyFile::Step(step), quint8(status)), text);
}

void tst_TmKeyFile::fileNamesLieInTheGivenDirectory()
{
    const QDateTime when(QDate(2026, 3, 7), QTime(9, 5, 4));
    QCOMPARE(TmKeyFile::fileName(QStringLiteral("/data/K4810"), QStringLiteral("tmkey"), when),
             QStringLiteral("/data/K4810/tmkey(07-03-26 09_05_04).tmk"));
    QCOMPARE(TmKeyFile::fileName(QStringLiteral("/tmp/t/"), QStringLiteral("tmkeyw"), when),
             QStringLiteral("/tmp/t/tmkeyw(07-03-26 09_05_04).tmk"));
}

void tst_TmKeyFile::olderAccelerometerLevels_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("inclination");
    QTest::addColumn<double>("expected");
    using namespace AccelerometerLevels;
    QTest::newRow("light shock 810000") << "810000" << false << 50.0;
    QTest::newRow("strong shock 2073600") << "2073600" << false << 80.0;
    QTest::newRow("zero") << "0" << false << 0.0;
    QTest::newRow("negative: the default") << "-810000" << false << DefaultLightShock;
    QTest::newRow("not a number: the default") << "abc" << false << DefaultLightShock;
    QTest::newRow("inclination 0.4363323125") << "0.4363323125" << true << 25.0;
    QTest::newRow("inclination nan: the default") << "nan" << true << DefaultInclination;
    QTest::newRow("inclination negative: the default") << "-0.5" << true << DefaultInclination;
}

void tst_TmKeyFile::olderAccelerometerLevels()
{
    QFETCH(QString, stored);
    QFETCH(bool, inclination);
    QFETCH(double, expected);
    const double fallback = inclination ? AccelerometerLevels::DefaultInclination : AccelerometerLevels::DefaultLightShock;
    const double level = inclination ? AccelerometerLevels::degreesFromRadians(stored, fallback)
                                     : AccelerometerLevels::levelFromSquared(stored, fallback);
    QVERIFY(std::isfinite(level));
    QVERIFY2(std::abs(level - expected) < 1e-6, qPrintable(QString::number(level, 'g', 12)));
    // A level is written back as a number, never "nan".
    QVERIFY(!QString::number(level).contains(QLatin1String("nan")));
}

QTEST_GUILESS_MAIN(tst_TmKeyFile)
#include "tst_tmkeyfile.moc"
