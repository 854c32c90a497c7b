// Carriers' access points, encryption keys and spread update times.

#include "net/encryptionkey.h"
#include "net/mobilecarriers.h"
#include "net/updateschedule.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using Check = EncryptionKey::Check;

class tst_TransferData : public QObject
{
    Q_OBJECT

private slots:
    void generatedKeys();
    void keysDifferFromTrackerToTracker();
    void typedKeys_data();
    void typedKeys();
    void inputRule();
    void updateTimesAreSpread();
    void carrierPresets();
    void everyCarrierRowIsUsable();
};

void tst_TransferData::generatedKeys()
{
    static const QRegularExpression form(QStringLiteral("^[0-9A-F]{32}$"));
    for (int i = 0; i < 500; ++i) {
        const QString key = EncryptionKey::generate();
        QVERIFY2(form.match(key).hasMatch(), qPrintable(key));
        for (int byte = 0; byte < 16; ++byte) {
            const QStringView pair = QStringView(key).mid(2 * byte, 2);
            QVERIFY2(pair != u"FE" && pair != u"FF", qPrintable(key));
        }
        QCOMPARE(EncryptionKey::check(key), Check::Acceptable);
    }
    // Every byte value below 0xFE turns up: the digits are not cut short.
    QSet<QString> pairs;
    QRandomGenerator seeded(4810);
    for (int i = 0; i < 400; ++i) {
        const QString key = EncryptionKey::generate(&seeded);
        for (int byte = 0; byte < 16; ++byte)
            pairs.insert(key.mid(2 * byte, 2));
    }
    QCOMPARE(pairs.size(), 254);
}

void tst_TransferData::keysDifferFromTrackerToTracker()
{
    // Each press of the generate button, in each run of the program, gives a
    // new key: nothing is drawn from a generator that starts the same way.
    QSet<QString> keys;
    for (int i = 0; i < 50; ++i)
        keys.insert(EncryptionKey::generate());
    QCOMPARE(keys.size(), 50);
}

void tst_TransferData::typedKeys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Check>("expected");

    QTest::newRow("empty: no key") << "" << Check::Acceptable;
    QTest::newRow("whole key") << "00112233445566778899AABBCCDDEEFD" << Check::Acceptable;
    QTest::newRow("lower case") << "00112233445566778899aabbccddeefd" << Check::Acceptable;
    QTest::newRow("being typed") << "0011223" << Check::Intermediate;
    QTest::newRow("31 digits") << QString(31, u'A') << Check::Intermediate;
    QTest::newRow("33 digits") << QString(33, u'A') << Check::Invalid;
    QTest::newRow("not hex") << "00G1" << Check::Invalid;
    QTest::newRow("space") << "00 11" << Check::Invalid;
    QTest::newRow("byte FF") << "00FF" << Check::Invalid;
    QTest::newRow("byte fe") << "fe" << Check::Invalid;
    QTest::newRow("F then F across two bytes") << "0FF0" << Check::Intermediate;
    QTest::newRow("byte EF") << "EF" << Check::Intermediate;
}

void tst_TransferData::typedKeys()
{
    QFETCH(QString, text);
    QFETCH(Check, expected);
    QCOMPARE(EncryptionKey::check(text), expected);
}

void tst_TransferData::inputRule()
{
    const QRegularExpression rule = EncryptionKey::inputRule();
    for (const QString &text : {QString(), QStringLiteral("ab"), QString(32, u'C')})
        QVERIFY(rule.match(text).hasMatch());
    for (const QString &text : {QString(33, u'C'), QStringLiteral("0G"), QStringLiteral("0 1")})
        QVERIFY(!rule.match(text).hasMatch());
    QCOMPARE(EncryptionKey::normalized(QStringLiteral(" ab01 ")), QStringLiteral("AB01"));
}

void tst_TransferData::updateTimesAreSpread()
{
    QSet<int> days;
    QSet<QTime> times;
    for (int i = 0; i < 2000; ++i) {
        const UpdateSchedule::Slot slot = UpdateSchedule::spread();
        QVERIFY(slot.dayIndex >= 0 && slot.dayIndex <= 5);
        QVERIFY(slot.time.isValid());
        QVERIFY(slot.time.hour() <= 22);
        QVERIFY(slot.time.minute() <= 58);
        QCOMPARE(slot.time.second(), 0);
        days.insert(slot.dayIndex);
        times.insert(slot.time);
    }
    QCOMPARE(days.size(), 6);
    // 23 x 59 possible times; 2000 draws from a real random source cover most.
    QVERIFY(times.size() > 700);
}

void tst_TransferData::carrierPresets()
{
    const QList<MobileCarriers::AccessPoint> presets = MobileCarriers::presets();
    QCOMPARE(presets.size(), 3);
    QCOMPARE(QString::fromUtf8(presets.at(0).carrier), QStringLiteral("MTS"));
    QCOMPARE(MobileCarriers::presetIndexOf(QStringLiteral("internet.mts.ru"), QStringLiteral("mts"),
                                           QStringLiteral("mts")),
             0);
    QCOMPARE(MobileCarriers::presetIndexOf(QStringLiteral("internet"), QStringLiteral("gdata"),
                                           QStringLiteral("gdata")),
             2);
    // All three values must match.
    QCOMPARE(MobileCarriers::presetIndexOf(QStringLiteral("internet.mts.ru"), QStringLiteral("mts"), QString()), -1);
    QCOMPARE(MobileCarriers::presetIndexOf(QStringLiteral("internet.tele2.ru"), QString(), QString()), -1);
}

void tst_TransferData::everyCarrierRowIsUsable()
{
    const QList<MobileCarriers::AccessPoint> rows = MobileCarriers::all();
    QSet<QString> carriers;
    QString previous;
    for (const MobileCarriers::AccessPoint &row : rows) {
        const QString carrier = QString::fromUtf8(row.carrier);
        QVERIFY(!carrier.isEmpty());
        QVERIFY(QByteArray(row.apn).size() > 0);
        QVERIFY(QByteArray(row.service).startsWith("K4810_"));
        // A carrier's rows stand together.
        if (carrier != previous)
            QVERIFY2(!carriers.contains(carrier), qPrintable(carrier));
        carriers.insert(carrier);
        previous = carrier;
    }
    for (const char *name : {"MTS", "Beeline", "MegaFon", "Tele2"})
        QVERIFY(carriers.contains(QString::fromLatin1(name)));
}

QTEST_GUILESS_MAIN(tst_TransferData)
#include "tst_transferdata.moc"
