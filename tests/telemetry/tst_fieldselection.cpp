// The record field selection string: loading strings of any length, the
// boxes and the tyre combo changing only their own characters, the size of
// the whole string against the storage format's limit.

#include "telemetry/fieldselection.h"
#include "telemetry/fieldtable.h"

#include <QSet>
#include <QTest>

using Generation = FieldSelection::Generation;
using Format = FieldSelection::StorageFormat;

namespace {

const QString kDefault = FieldSelection::defaultText();

// A text of '0' with '1' at the given bits.
QString withBits(std::initializer_list<int> bits, int length = FieldSelection::SecondLength)
{
    QString text(length, u'0');
    for (int bit : bits)
        text[bit] = u'1';
    return text;
}

} // namespace

class tst_FieldSelection : public QObject
{
    Q_OBJECT

private slots:
    void boxesCoverTheFieldTable_data();
    void boxesCoverTheFieldTable();
    void defaultSelection();
    void load_data();
    void load();
    void boxChanges_data();
    void boxChanges();
    void tyreCombo_data();
    void tyreCombo();
    void tyrePatternWithoutAnItemIsKept();
    void tyreRanges_data();
    void tyreRanges();
    void storageFormat();
    void loadingKeepsExtendedFieldsOfTheStandardFormat();
    void limits_data();
    void limits();
    void unknownFormatCodeIsKept();
    void setPositionPadsShortStrings_data();
    void setPositionPadsShortStrings();
};

void tst_FieldSelection::boxesCoverTheFieldTable_data()
{
    QTest::addColumn<Generation>("generation");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<QList<int>>("withoutBox");

    QList<int> second = {77, 78, 79, 80, 81, 82, 93, 94, 95, 96};
    QTest::newRow("second generation") << Generation::Second << 111 << second;
    QList<int> first = {5, 21, 22, 23, 24, 25, 26, 27, 29, 31, 33, 35, 48, 49, 50, 51, 65};
    QTest::newRow("first generation") << Generation::First << 51 << first;
}

void tst_FieldSelection::boxesCoverTheFieldTable()
{
    QFETCH(Generation, generation);
    QFETCH(int, boxes);
    QFETCH(QList<int>, withoutBox);

    const QList<FieldSelection::Box> &list = FieldSelection::boxes(generation);
    QCOMPARE(list.size(), boxes);
    QSet<int> covered;
    QSet<QString> names;
    for (const FieldSelection::Box &box : list) {
        QVERIFY2(!names.contains(QLatin1String(box.name)), box.name);
        names.insert(QLatin1String(box.name));
        for (int bit : {int(box.bit), int(box.secondBit)}) {
            if (bit == FieldSelection::NoBit)
                continue;
            QVERIFY(bit < FieldSelection::length(generation));
            QVERIFY2(!covered.contains(bit), box.name);
            covered.insert(bit);
        }
        QVERIFY(QByteArray(FieldSelection::boxCaptionKey(box)).startsWith("K4810_"));
        // Extended fields belong to the second generation only.
        QVERIFY(!box.extended || generation == Generation::Second);
    }
    for (int bit = 0; bit < FieldSelection::length(generation); ++bit)
        QCOMPARE(covered.contains(bit), !withoutBox.contains(bit));
    for (int bit = 0; bit < FieldSelection::SecondLength; ++bit)
        QVERIFY(QByteArray(FieldSelection::captionKey(bit)).startsWith("K4810_"));
}

void tst_FieldSelection::defaultSelection()
{
    QCOMPARE(kDefault.size(), 122);
    FieldSelection selection;
    QCOMPARE(selection.text(), kDefault);
    QCOMPARE(selection.formatCode(), QStringLiteral("DEFAULT"));
    // 4+2+4+1+1+1+1+1+4+4+4+4+2+4+2+2+1+4
    QCOMPARE(selection.size(), 46);
    QCOMPARE(selection.tyreIndex(), 0);
    QVERIFY(selection.fitsLimit());

    FieldSelection first(Generation::First);
    QCOMPARE(first.text(), kDefault.left(69));
    QCOMPARE(first.size(), 46);
    QCOMPARE(first.limit(), 0);
}

void tst_FieldSelection::load_data()
{
    QTest::addColumn<Generation>("generation");
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");

    QTest::newRow("122 characters") << Generation::Second << kDefault << kDefault << 46;
    QTest::newRow("69 characters of the first generation")
        << Generation::Second << kDefault.left(69) << kDefault.left(69) + QString(53, u'0') << 46;
    QTest::newRow("short") << Generation::Second << QStringLiteral("11") << QStringLiteral("11") + QString(120, u'0')
                           << 6;
    QTest::newRow("missing") << Generation::Second << QString() << QString(122, u'0') << 0;
    QTest::newRow("longer: the tail stays, uncounted")
        << Generation::Second << kDefault + QStringLiteral("10101") << kDefault + QStringLiteral("10101") << 46;
    QTest::newRow("last bit, past a multiple of 8")
        << Generation::Second << withBits({120, 121}) << withBits({120, 121}) << 3;
    QTest::newRow("digits other than 1 select")
        << Generation::Second << QStringLiteral("2") + QString(121, u'0') << QStringLiteral("2") + QString(121, u'0')
        << 4;
    QTest::newRow("first generation, 69") << Generation::First << kDefault.left(69) << kDefault.left(69) << 46;
    QTest::newRow("first generation, short")
        << Generation::First << QStringLiteral("1") << QStringLiteral("1") + QString(68, u'0') << 4;
    QTest::newRow("first generation given 122")
        << Generation::First << withBits({0, 100}) << withBits({0, 100}) << 4 + FieldTable::row(100).width;
}

void tst_FieldSelection::load()
{
    QFETCH(Generation, generation);
    QFETCH(QString, loaded);
    QFETCH(QString, text);
    QFETCH(int, size);

    FieldSelection selection(generation);
    selection.load(loaded);
    QCOMPARE(selection.text(), text);
    QCOMPARE(selection.size(), size);
    // Every box shows its own characters.
    for (int i = 0; i < selection.boxCount(); ++i) {
        const FieldSelection::Box &box = selection.box(i);
        const bool on = FieldSelection::isSelected(text.at(box.bit))
                        || (box.secondBit != FieldSelection::NoBit && FieldSelection::isSelected(text.at(box.secondBit)));
        QCOMPARE(selection.isBoxChecked(i), on);
    }
}

void tst_FieldSelection::boxChanges_data()
{
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");

    QTest::newRow("position off: both coordinates")
        << kDefault << "Coord" << false << QString(kDefault).replace(9, 2, QStringLiteral("00")) << 38;
    QTest::newRow("position on from a lone latitude")
        << withBits({9}) << "Coord" << true << withBits({9}) << 4;
    QTest::newRow("lone latitude off")
        << withBits({9}) << "Coord" << false << withBits({}) << 0;
    QTest::newRow("RS-485 sensor 9: bit 85, 3 bytes")
        << withBits({}) << "LevelRS485_9" << true << withBits({85}) << 3;
    QTest::newRow("RS-485 sensor 7 next to the temperatures without a box")
        << withBits({77, 82}) << "LevelRS485_7" << true << withBits({77, 82, 83}) << 5;
    QTest::newRow("temperatures without a box stay when another box goes")
        << withBits({37, 77, 78, 79, 80, 81, 82}) << "LevelRS485_1" << false
        << withBits({77, 78, 79, 80, 81, 82}) << 6;
    QTest::newRow("a ticked box stays as loaded")
        << QStringLiteral("0002") + QString(118, u'0') << "State" << true << QStringLiteral("0002") + QString(118, u'0')
        << 1;
    QTest::newRow("a \"2\" unticked") << QStringLiteral("0002") + QString(118, u'0') << "State" << false
                                      << QString(122, u'0') << 0;
    QTest::newRow("short string padded by a box")
        << QStringLiteral("1") << "CameraState" << true << withBits({0, 121}) << 5;
    QTest::newRow("last box before a longer tail")
        << withBits({}) + QStringLiteral("11") << "AinfRouteID" << true << withBits({120}) + QStringLiteral("11") << 2;
}

void tst_FieldSelection::boxChanges()
{
    QFETCH(QString, loaded);
    QFETCH(QString, box);
    QFETCH(bool, checked);
    QFETCH(QString, text);
    QFETCH(int, size);

    FieldSelection selection;
    selection.load(loaded, QStringLiteral("DF_VELA"));
    const int index = selection.boxIndexOf(box);
    QVERIFY(index >= 0);
    selection.setBoxChecked(index, checked);
    QCOMPARE(selection.isBoxChecked(index), checked);
    QCOMPARE(selection.text(), text);
    QCOMPARE(selection.size(), size);
}

void tst_FieldSelection::tyreCombo_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("bytes");

    const char *patterns[] = {"0000", "0100", "1100", "0010", "1010", "0110", "1110", "0001",
                              "1001", "0101", "1101", "0011", "1011", "0111", "1111"};
    const int rowBytes[] = {6, 12, 24, 48};
    for (int i = 0; i < 15; ++i) {
        int bytes = 0;
        for (int r = 0; r < 4; ++r)
            bytes += patterns[i][r] == '1' ? rowBytes[r] : 0;
        QTest::addRow("item %d", i) << i << QString::fromLatin1(patterns[i]) << bytes;
    }
    QTest::newRow("no such item") << 15 << "0000" << 0;
    QTest::newRow("no item") << -1 << "0000" << 0;
}

void tst_FieldSelection::tyreCombo()
{
    QFETCH(int, index);
    QFETCH(QString, pattern);
    QFETCH(int, bytes);

    FieldSelection selection;
    selection.load(withBits({93, 94, 95, 96, 0}), QStringLiteral("DF_VELA"));
    selection.setTyreIndex(index);
    QCOMPARE(selection.tyrePattern(), pattern);
    QCOMPARE(selection.text().mid(93, 4), pattern);
    QCOMPARE(selection.size(), 4 + bytes);
    QCOMPARE(selection.tyreIndex(), index >= 0 && index < 15 ? index : 0);
    QCOMPARE(FieldSelection::tyreIndexOf(pattern), index >= 0 && index < 15 ? index : 0);
}

void tst_FieldSelection::tyrePatternWithoutAnItemIsKept()
{
    // Tyres 1-2 alone: no combo item has it.
    FieldSelection selection;
    selection.load(withBits({0, 93}), QStringLiteral("DF_VELA"));
    QCOMPARE(selection.tyreIndex(), -1);
    QCOMPARE(selection.tyrePattern(), QStringLiteral("1000"));
    QCOMPARE(selection.size(), 4 + 6);
    selection.setBoxChecked(selection.boxIndexOf(u"Code"), true);
    selection.setStorageFormat(Format::DfVela);
    QCOMPARE(selection.tyrePattern(), QStringLiteral("1000"));
    // Until the user chooses an item.
    selection.setTyreIndex(2);
    QCOMPARE(selection.tyrePattern(), QStringLiteral("1100"));
    QCOMPARE(selection.size(), 4 + 2 + 18);
}

void tst_FieldSelection::tyreRanges_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("ranges");
    QTest::newRow("none") << "0000" << "";
    QTest::newRow("1-2") << "1000" << "1–2";
    QTest::newRow("1-6") << "1100" << "1–6";
    QTest::newRow("two ranges") << "1010" << "1–2, 7–14";
    QTest::newRow("3-6 and 15-30") << "0101" << "3–6, 15–30";
    QTest::newRow("7-30") << "0011" << "7–30";
    QTest::newRow("all") << "1111" << "1–30";
}

void tst_FieldSelection::tyreRanges()
{
    QFETCH(QString, pattern);
    QFETCH(QString, ranges);
    QCOMPARE(FieldSelection::tyreRanges(pattern), ranges);
}

void tst_FieldSelection::storageFormat()
{
    FieldSelection selection;
    selection.load(kDefault, QStringLiteral("DF_VELA"));
    QCOMPARE(selection.limit(), 222);
    const int camera = selection.boxIndexOf(u"CameraState");
    const int passengers = selection.boxIndexOf(u"PassDoor_3");
    const int rs485 = selection.boxIndexOf(u"LevelRS485_16");
    for (int box : {camera, passengers, rs485}) {
        QVERIFY(selection.isBoxEnabled(box));
        selection.setBoxChecked(box, true);
    }
    selection.setTyreIndex(14);
    const QString extended = selection.text();

    // The user's choice of the standard format unticks the extended fields
    // and nothing else.
    selection.setStorageFormat(Format::Default);
    QCOMPARE(selection.formatCode(), QStringLiteral("DEFAULT"));
    QCOMPARE(selection.limit(), 127);
    QVERIFY(!selection.isBoxChecked(camera));
    QVERIFY(!selection.isBoxChecked(passengers));
    QVERIFY(!selection.isBoxEnabled(camera));
    QVERIFY(selection.isBoxChecked(rs485));
    QVERIFY(selection.isBoxEnabled(rs485));
    QString expected = extended;
    expected[121] = u'0';
    expected[111] = u'0';
    QCOMPARE(selection.text(), expected);
    QCOMPARE(selection.tyreIndex(), 14);

    selection.setStorageFormat(Format::DfVela);
    QCOMPARE(selection.formatCode(), QStringLiteral("DF_VELA"));
    QVERIFY(selection.isBoxEnabled(camera));
    QVERIFY(!selection.isBoxChecked(camera));
}

void tst_FieldSelection::loadingKeepsExtendedFieldsOfTheStandardFormat()
{
    // A stored string with extended fields under the standard format: loading
    // does not untick them, the size counts them, and a ticked one can still
    // be unticked.
    FieldSelection selection;
    selection.load(withBits({0, 69, 121}), QStringLiteral("DEFAULT"));
    QCOMPARE(selection.text(), withBits({0, 69, 121}));
    QCOMPARE(selection.size(), 4 + 8 + 1);
    const int navi = selection.boxIndexOf(u"MNaviInfo");
    const int tacho = selection.boxIndexOf(u"TahoState");
    QVERIFY(selection.isBoxChecked(navi));
    QVERIFY(selection.isBoxEnabled(navi));
    QVERIFY(!selection.isBoxEnabled(tacho));
    selection.setBoxChecked(navi, false);
    QVERIFY(!selection.isBoxEnabled(navi));
    QCOMPARE(selection.size(), 4 + 1);
}

void tst_FieldSelection::limits_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("fits");

    // Bits 0..55 are the first 120 bytes of the record.
    QString at120(122, u'0');
    for (int bit = 0; bit <= 55; ++bit)
        at120[bit] = u'1';
    QTest::newRow("120 of 127") << "DEFAULT" << at120 << 120 << true;
    QString at127 = at120;
    for (int bit : {56, 57, 62}) // 4 + 2 + 1
        at127[bit] = u'1';
    QTest::newRow("exactly 127") << "DEFAULT" << at127 << 127 << true;
    QString at128 = at127;
    at128[63] = u'1';
    QTest::newRow("128 over 127") << "DEFAULT" << at128 << 128 << false;
    QTest::newRow("128 under 222") << "DF_VELA" << at128 << 128 << true;
    QString tyres = at120;
    tyres[93] = u'1';
    tyres[94] = u'1';
    QTest::newRow("tyres 1-6 over the standard limit") << "DEFAULT" << tyres << 138 << false;
    QString at222 = at120;
    for (int bit : {93, 94, 95, 96}) // 90 bytes
        at222[bit] = u'1';
    for (int bit : {56, 57, 58, 59, 60}) // 4 + 2 + 2 + 2 + 2
        at222[bit] = u'1';
    QTest::newRow("exactly 222") << "DF_VELA" << at222 << 222 << true;
    QString at223 = at222;
    at223[62] = u'1';
    QTest::newRow("223 over 222") << "DF_VELA" << at223 << 223 << false;
    QTest::newRow("everything over 222") << "DF_VELA" << QString(122, u'1') << 404 << false;
}

void tst_FieldSelection::limits()
{
    QFETCH(QString, format);
    QFETCH(QString, text);
    QFETCH(int, size);
    QFETCH(bool, fits);

    FieldSelection selection;
    selection.load(text, format);
    QCOMPARE(selection.size(), size);
    QCOMPARE(selection.fitsLimit(), fits);
}

void tst_FieldSelection::unknownFormatCodeIsKept()
{
    FieldSelection selection;
    selection.load(kDefault, QStringLiteral("DF_OTHER"));
    QVERIFY(!selection.isKnownFormat());
    QCOMPARE(selection.formatCode(), QStringLiteral("DF_OTHER"));
    QCOMPARE(selection.storageFormat(), Format::Default);
    QCOMPARE(selection.limit(), 127);
    selection.setBoxChecked(0, false);
    QCOMPARE(selection.formatCode(), QStringLiteral("DF_OTHER"));
    selection.setStorageFormat(Format::DfVela);
    QCOMPARE(selection.formatCode(), QStringLiteral("DF_VELA"));

    selection.reset();
    QCOMPARE(selection.text(), kDefault);
    QCOMPARE(selection.formatCode(), QStringLiteral("DEFAULT"));
}

void tst_FieldSelection::setPositionPadsShortStrings_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("after");

    QTest::newRow("empty") << "" << 5 << true << "000001";
    QTest::newRow("69 characters, position 77")
        << kDefault.left(69) << 77 << true << kDefault.left(69) + QStringLiteral("000000001");
    QTest::newRow("inside") << "1111" << 2 << false << "1101";
    QTest::newRow("last of 122") << QString(122, u'0') << 121 << true << QString(121, u'0') + QStringLiteral("1");
    QTest::newRow("negative: nothing") << "10" << -1 << true << "10";
}

void tst_FieldSelection::setPositionPadsShortStrings()
{
    QFETCH(QString, before);
    QFETCH(int, position);
    QFETCH(bool, on);
    QFETCH(QString, after);
    QString text = before;
    FieldSelection::setPosition(text, position, on);
    QCOMPARE(text, after);
}

QTEST_GUILESS_MAIN(tst_FieldSelection)
#include "tst_fieldselection.moc"
