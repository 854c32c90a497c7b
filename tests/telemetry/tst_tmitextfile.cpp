// The telemetry text file read back: pages written by the download's text
// writer come back with the same values (F8, F6, second-generation masked
// and extended pages), the page index survives any cut between reading
// steps, and files that are not telemetry text files, or hold a line too
// long, are refused without being read whole.

#include "core/codepage.h"
#include "telemetry/extendedrecord.h"
#include "telemetry/tmidownloadlist.h"
#include "telemetry/tmipage_vela.h"
#include "telemetry/tmipage_vela2.h"
#include "telemetry/tmitextfile.h"
#include "telemetry/tmixmlwriter.h"
#include "tests/support/testfiles.h"
#include "tests/telemetry/tmisamples.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace TmiSamples;

namespace {

// A full record of plausible values: integers of every width, finite floats.
FullRecord randomFullRecord(QRandomGenerator &random)
{
    FullRecord record;
    for (int i = 0; i < FieldTable::MemberCount; ++i) {
        const FieldRef &field = FieldTable::member(i);
        if (field.type == WireType::F32)
            record.setReal(field, float(random.bounded(2000000) - 1000000) / 64.0f);
        else
            record.setInteger(field, qint64(random.generate64()));
    }
    return record;
}

QByteArray extendedRecord(quint32 number, const QList<QPair<quint8, QByteArray>> &elements)
{
    QByteArray dynamicArea;
    for (const auto &[type, value] : elements)
        dynamicArea += char(type) + QByteArray(1, char(value.size())) + value;
    QByteArray r(ExtendedRecord::DynamicOffset, '\0');
    auto *p = reinterpret_cast<quint8 *>(r.data());
    p[0] = 0xB1;
    TmiBytes::write<quint16>(p + 1, quint16(55 + dynamicArea.size()));
    p[3] = 1;
    p[4] = 37;
    TmiBytes::write<quint32>(p + 5, number);
    TmiBytes::write<quint16>(p + 9, 31);
    TmiBytes::write<quint32>(p + 11, 1705323900 + number);
    p[15] = 3;
    TmiBytes::write<qint32>(p + 20, 33450000);
    TmiBytes::write<qint32>(p + 24, 22500000);
    TmiBytes::writeFloat(p + 32, 61.25f);
    TmiBytes::writeFloat(p + 38, 1234.5f);
    p[42] = 1;
    p[43] = 14;
    p[44] = 1;
    TmiBytes::write<quint32>(p + 54, 3600);
    return r + dynamicArea;
}

QByteArray bytes8(qint64 v)
{
    QByteArray b(8, '\0');
    TmiBytes::write<qint64>(reinterpret_cast<quint8 *>(b.data()), v);
    return b;
}

QByteArray text16(const QByteArray &text)
{
    QByteArray b = text.left(16);
    b.resize(16, '\0');
    return b;
}

QByteArray fileOf(const TmiDownloadList &pages, const QString &path)
{
    TmiWriteOptions options;
    options.fileName = path;
    options.eventName = [](quint16 code) { return QStringLiteral("Event \"%1\" <&>").arg(code); };
    TmiXmlWriter writer;
    if (!writer.write(pages, options))
        qFatal("not written: %s", qPrintable(writer.errorText()));
    return TestFiles::read(path);
}

const char *const kHeader = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<TMI model=\"K-4810\">\r\n";

} // namespace

class tst_TmiTextFile : public QObject
{
    Q_OBJECT

private slots:
    void f8PagesComeBack();
    void secondGenerationPagesComeBack();
    void kindIsDecidedPerPage();
    void indexSurvivesEveryCut();
    void malformedFiles_data();
    void malformedFiles();
    void longLineIsRefusedWithoutReadingOn();
    void pagesAreDecodedOnDemand();

private:
    QTemporaryDir m_dir;
};

void tst_TmiTextFile::f8PagesComeBack()
{
    // Random F8 records and an F6 one, through the text file: every field
    // the file holds comes back as it was; the event name is the file's.
    QRandomGenerator random(5);
    TmiDownloadList pages;
    QList<F8Record> records;
    for (int i = 0; i < 30; ++i) {
        F8Record r = TmiPage_Vela::convertF6(nullptr, 0);
        const FullRecord full = randomFullRecord(random);
        for (const F8Field &f : F8Layout::fields) {
            const FieldRef &field = FieldTable::member(f.member);
            std::memcpy(r.data() + f.offset, full.at(field), field.size);
        }
        r.data()[0] = F8Record::Type;
        records << r;
        pages.appendF8(r);
    }
    QByteArray f6(111, '\0');
    f6[0] = 6;
    f6[10] = 15;
    f6[12] = 24;
    records << TmiPage_Vela::convertF6(f6.constData(), f6.size());
    pages.appendF8(records.last());

    const QString path = m_dir.filePath(QStringLiteral("f8.xml"));
    fileOf(pages, path);
    TmiTextFile file;
    QVERIFY(file.open(path));
    QVERIFY(file.indexAll());
    QCOMPARE(file.pageCount(), records.size());
    // The fields of the F8 layout the text file has no element for.
    const QList<QByteArray> notInFile = {"StateU_Ain2", "StateU_Ain3", "LevelRS232"};
    for (int i = 0; i < records.size(); ++i) {
        const auto page = file.page(i);
        QVERIFY(page);
        QCOMPARE(page->kind, TmiFilePage::F8);
        QCOMPARE(page->eventName, QStringLiteral("Event \"%1\" <&>").arg(records[i].code()));
        for (const F8Field &f : F8Layout::fields) {
            const FieldRef &field = FieldTable::member(f.member);
            const QByteArray name(FieldTable::memberName(f.member));
            if (notInFile.contains(name)) {
                QVERIFY(!page->f8Rows.test(field.bit));
                continue;
            }
            QVERIFY2(page->f8Rows.test(field.bit), name.constData());
            QVERIFY2(std::memcmp(page->f8.at(field), records[i].at(field), field.size) == 0,
                     qPrintable(QStringLiteral("page %1 %2").arg(i).arg(QLatin1String(name))));
        }
    }
    QCOMPARE(file.page(records.size() - 1)->f8.canTemp(), qint8(-128));
}

void tst_TmiTextFile::secondGenerationPagesComeBack()
{
    // A masked page with every field, one with a few, an extended page with
    // three dynamic elements (a name with a quote, a '<' and text after its
    // NUL) and an extended page cut inside its standard block.
    QRandomGenerator random(17);
    const FullRecord full = randomFullRecord(random);
    PresenceMask all = PresenceMask::firstBits(FieldTable::RowCount);
    const QByteArray every = MaskedDecoder::encode(full, all, MaskedDecoder::SecondGeneration);
    const QByteArray few = MaskedDecoder::encode(full, maskOf({0, 2, 9, 10, 72, 96, 121}), MaskedDecoder::SecondGeneration);
    const QString name = QStringLiteral("Ив\"<ов") + QChar(0) + QStringLiteral("хвост");
    const QByteArray driver = CodePage::fromUnicode(name);
    const QByteArray extended =
        extendedRecord(77, {{1, bytes8(4810001234567)}, {2, text16(driver)}, {3, bytes8(-5)}, {9, QByteArray()}});
    const QByteArray cut = extendedRecord(78, {}).left(30);

    TmiDownloadList pages;
    for (const QByteArray &r : {every, few, extended, cut})
        QVERIFY(pages.appendVela2(r.constData(), r.size()));
    const QString path = m_dir.filePath(QStringLiteral("vela2.xml"));
    const QByteArray text = fileOf(pages, path);
    QVERIFY(text.contains("\t<Page type=\"177\" size=\"" + QByteArray::number(55 + 10 + 18 + 10 + 2)
                          + "\" stVer=\"1\" stSize=\"37\" hVer=\"1\" hSize=\"14\">\r\n"));
    QVERIFY(text.contains("\t\t<Dynamic type=\"2\" size=\"16\" value=\"\xC8\xE2&quot;&lt;\xEE\xE2\"/>\r\n"));

    TmiTextFile file;
    QVERIFY(file.open(path));
    QVERIFY(file.indexAll());
    QCOMPARE(file.pageCount(), 4);
    for (int i = 0; i < 4; ++i) {
        const TmiPage_Vela2 original(pages.data(i), pages.size(i));
        const auto page = file.page(i);
        QCOMPARE(page->kind, TmiFilePage::Vela2);
        QVERIFY(page->vela2);
        QCOMPARE(page->vela2->presence(), original.presence());
        QCOMPARE(page->vela2->mode(), original.mode());
        for (int m = 0; m < FieldTable::MemberCount; ++m) {
            const FieldRef &field = FieldTable::member(m);
            QVERIFY2(page->vela2->text(field) == original.text(field),
                     qPrintable(QStringLiteral("page %1 %2: %3, was %4")
                                    .arg(i)
                                    .arg(QLatin1String(FieldTable::memberName(m)), page->vela2->text(field),
                                         original.text(field))));
        }
    }
    // Fields the file does not hold are "n/a", not zero.
    QCOMPARE(file.page(1)->vela2->text(FieldTable::field("Speed")), QStringLiteral("n/a"));
    QCOMPARE(file.page(3)->vela2->text(FieldTable::field("Altitude")), QStringLiteral("n/a")); // cut off
    // The dynamic elements: the integers, and the name up to its NUL.
    const QList<DynamicElement> elements = file.page(2)->vela2->dynamicElements();
    QCOMPARE(elements.size(), 4);
    QCOMPARE(elements[0].integer(), 4810001234567);
    QCOMPARE(elements[1].text(), QStringLiteral("Ив\"<ов"));
    QCOMPARE(elements[2].integer(), -5);
    QCOMPARE(int(elements[3].type), 9);
}

void tst_TmiTextFile::kindIsDecidedPerPage()
{
    const QByteArray text = QByteArray(kHeader)
                            + "\t<Page type=\"176\" generation=\"20\">\r\n\t\t<NumPage>5</NumPage>\r\n\t</Page>\r\n"
                              "\t<Page page=\"1\">\r\n\t\t<number Value=\"6\">\"6\"</number>\r\n\t</Page>\r\n"
                              "\t<Page type=\"177\" size=\"55\">\r\n\t\t<NumPage>7</NumPage>\r\n\t</Page>\r\n"
                              "</TMI>\r\n";
    TmiTextFile file;
    QVERIFY(file.openBytes(text));
    QVERIFY(file.indexAll());
    QCOMPARE(file.pageCount(), 3);
    QCOMPARE(file.kind(0), TmiFilePage::Vela2);
    QCOMPARE(file.kind(1), TmiFilePage::F8);
    QCOMPARE(file.kind(2), TmiFilePage::Vela2);
    QCOMPARE(file.page(0)->pageNumber(), 5u);
    QCOMPARE(file.page(1)->pageNumber(), 6u);
    QCOMPARE(file.page(2)->pageNumber(), 7u);
}

void tst_TmiTextFile::indexSurvivesEveryCut()
{
    // Indexed a few bytes at a time, the index is the one of a single pass,
    // wherever the steps cut the Page lines.
    TmiDownloadList pages;
    for (int i = 0; i < 12; ++i) {
        F8Record r = sampleF8();
        r.setInteger(FieldTable::field("NumPage"), 100 + i);
        pages.appendF8(r);
        const QByteArray v = extendedRecord(200 + i, {{2, text16("Driver")}});
        pages.appendVela2(v.constData(), v.size());
    }
    const QByteArray text = fileOf(pages, m_dir.filePath(QStringLiteral("steps.xml")));
    TmiTextFile whole;
    QVERIFY(whole.openBytes(text));
    QVERIFY(whole.indexAll());
    QCOMPARE(whole.pageCount(), 24);
    for (qint64 step : {1, 5, 7, 16, 33, 1000}) {
        TmiTextFile file;
        QVERIFY(file.openBytes(text));
        int steps = 0;
        while (file.indexStep(step))
            ++steps;
        QVERIFY(file.isIndexed());
        QCOMPARE(file.indexedBytes(), qint64(text.size()));
        QCOMPARE(file.pageCount(), whole.pageCount());
        for (int i = 0; i < file.pageCount(); ++i) {
            QCOMPARE(file.offset(i), whole.offset(i));
            QCOMPARE(file.kind(i), whole.kind(i));
            QCOMPARE(text.mid(file.offset(i), 5), QByteArray("<Page"));
        }
        QVERIFY(steps >= text.size() / step - 1);
    }
}

void tst_TmiTextFile::malformedFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("pages");
    const int none = int(TmiTextFile::Error::None);
    const int notTelemetry = int(TmiTextFile::Error::NotTelemetry);
    const int tooLong = int(TmiTextFile::Error::LineTooLong);
    const QByteArray header(kHeader);
    const QByteArray page = "\t<Page page=\"0\">\r\n\t\t<number Value=\"1\">\"1\"</number>\r\n\t</Page>\r\n";

    QTest::newRow("empty") << QByteArray() << notTelemetry << 0;
    QTest::newRow("plain text") << QByteArray("hello\n<Page page=\"1\">\n") << notTelemetry << 0;
    QTest::newRow("settings file") << QByteArray("<?xml version=\"1.0\"?>\n<DEVICE model=\"K-4810\">\n</DEVICE>\n")
                                   << notTelemetry << 0;
    QTest::newRow("page before the root") << QByteArray("<?xml version=\"1.0\"?>\n") + page + "<TMI>\n"
                                          << notTelemetry << 0;
    QTest::newRow("binary") << QByteArray("\x02\x00\x80\x00\xB0\x14<TMI", 10) << notTelemetry << 0;
    QTest::newRow("no pages") << header + "\t<countPage Value=\"0\"/>\r\n</TMI>\r\n" << none << 0;
    QTest::newRow("root only, no line end") << QByteArray("<TMI>") << none << 0;
    QTest::newRow("page lines without a kind") << header + "\t<Page>\r\n\t</Page>\r\n" + page << none << 1;
    QTest::newRow("a page inside another line") << header + "\t<x/><Page page=\"0\">\r\n" + page << none << 1;
    QTest::newRow("last page without its end") << header + page + "\t<Page page=\"1\">\r\n\t\t<time Value=\"9\"" << none
                                               << 2;
    QTest::newRow("values that are no numbers")
        << header + "\t<Page page=\"0\">\r\n\t\t<number Value=\"x\"/>\r\n\t\t<Speed Value=\"\"/>\r\n\t</Page>\r\n"
        << none << 1;
    QTest::newRow("line too long in a page") << header + "\t<Page page=\"0\">\r\n\t\t<a>" + QByteArray(300, 'x')
                                                    + "</a>\r\n\t</Page>\r\n"
                                             << tooLong << 0;
    QTest::newRow("last line too long, no line end") << header + page + QByteArray(300, 'y') << tooLong << 0;
    QTest::newRow("CR only line ends") << QByteArray("<TMI>\r\t<Page page=\"0\">\r") << none << 0;
}

void tst_TmiTextFile::malformedFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(int, error);
    QFETCH(int, pages);
    TmiTextFile file(256);
    const bool opened = file.openBytes(text);
    if (opened)
        file.indexAll();
    QCOMPARE(int(file.error()), error);
    QCOMPARE(opened, error != int(TmiTextFile::Error::NotTelemetry));
    QCOMPARE(file.pageCount(), pages);
    for (int i = 0; i < file.pageCount(); ++i)
        QVERIFY(file.page(i));
    QVERIFY(!file.page(pages));
    QVERIFY(!file.page(-1));
}

void tst_TmiTextFile::longLineIsRefusedWithoutReadingOn()
{
    // A line over 64 KiB early in a large file: refused when the pass gets
    // there, the rest of the file is not read.
    const QString path = m_dir.filePath(QStringLiteral("long.xml"));
    QByteArray text = QByteArray(kHeader) + "\t<Page page=\"0\">\r\n\t\t<name>" + QByteArray(70000, 'n') + "</name>\r\n";
    text += QByteArray(32 << 20, ' ');
    QVERIFY(TestFiles::write(path, text));
    TmiTextFile file;
    QVERIFY(file.open(path));
    while (file.indexStep(1 << 20)) {
    }
    QCOMPARE(file.error(), TmiTextFile::Error::LineTooLong);
    QCOMPARE(file.errorLine(), 4);
    QVERIFY2(file.indexedBytes() <= 2 << 20, qPrintable(QString::number(file.indexedBytes())));
    QCOMPARE(file.pageCount(), 0);
}

void tst_TmiTextFile::pagesAreDecodedOnDemand()
{
    TmiDownloadList pages;
    for (int i = 0; i < 500; ++i) {
        F8Record r = sampleF8();
        r.setInteger(FieldTable::field("NumPage"), i);
        pages.appendF8(r);
    }
    const QString path = m_dir.filePath(QStringLiteral("demand.xml"));
    fileOf(pages, path);
    TmiTextFile file;
    QVERIFY(file.open(path));
    QVERIFY(file.indexAll());
    QCOMPARE(file.decodedCount(), 0);
    // The last page, then a screen of pages twice: each decoded once.
    QCOMPARE(file.page(499)->pageNumber(), 499u);
    QCOMPARE(file.decodedCount(), 1);
    for (int round = 0; round < 2; ++round) {
        for (int i = 200; i < 230; ++i)
            QCOMPARE(file.page(i)->pageNumber(), quint32(i));
    }
    QCOMPARE(file.decodedCount(), 31);
    // More pages than the cache holds: the oldest go, memory stays small.
    for (int i = 0; i < 500; ++i)
        QVERIFY(file.page(i));
    QVERIFY2(file.heldBytes() < 500 * 8 + TmiTextFile::CacheSize * 4096, qPrintable(QString::number(file.heldBytes())));
}

QTEST_GUILESS_MAIN(tst_TmiTextFile)
#include "tst_tmitextfile.moc"
