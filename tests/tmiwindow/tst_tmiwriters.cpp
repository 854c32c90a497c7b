// The writers of the telemetry window's downloads: the value texts they
// format themselves, the XML text file, the table, the .tmi file and the
// KML track, and the compact list of downloaded pages.

#include "core/codepage.h"
#include "telemetry/f8record.h"
#include "telemetry/orv_logbinfile.h"
#include "telemetry/orv_tmipage_f8.h"
#include "telemetry/tmibinwriter.h"
#include "telemetry/tmidownloadlist.h"
#include "telemetry/tmiformat.h"
#include "telemetry/tmikmlwriter.h"
#include "telemetry/tmioutputs.h"
#include "telemetry/tmipage_vela.h"
#include "telemetry/tmitablewriter.h"
#include "telemetry/tmitextbuffer.h"
#include "telemetry/tmitextformat.h"
#include "telemetry/tmixmlwriter.h"
#include "tests/support/testfiles.h"
#include "tests/tmiwindow/tmitestpages.h"

#include <QLocale>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <charconv>
#include <clocale>
#include <cmath>
#include <limits>

namespace {

TmiDownloadList listOf(const QList<TestPages::Point> &points)
{
    TmiDownloadList list;
    for (const TestPages::Point &p : points) {
        const QByteArray r = TestPages::record(p);
        list.appendF8(p.asF6 ? TmiPage_Vela::convertF6(r.constData(), r.size()) : F8Record(r.constData(), r.size()));
    }
    return list;
}

// A masked second-generation record carrying NumPage, Time, State, Latitude, Longitude and Altitude.
QByteArray vela2Record(quint32 number, quint32 time, qint32 latitude, qint32 longitude, qint32 altitude)
{
    QByteArray r(34, '\0');
    r[0] = char(0xB0);
    r[1] = char(20);
    const int bits[] = {0, 2, 3, 9, 10, 11};
    for (int bit : bits)
        r[2 + bit / 8] = char(quint8(r[2 + bit / 8]) | (0x80 >> (bit % 8)));
    QByteArray fields(4 + 4 + 1 + 12, '\0');
    TestPages::put32(fields, 0, number);
    TestPages::put32(fields, 4, time);
    TestPages::put8(fields, 8, 1);
    TestPages::put32(fields, 9, quint32(latitude));
    TestPages::put32(fields, 13, quint32(longitude));
    TestPages::put32(fields, 17, quint32(altitude));
    return r + fields;
}

QString tool(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

// Writes the pages with a writer; the options name the file.
bool writeFile(TmiWriter &&writer, const TmiDownloadList &pages, const QString &path, QString *error = nullptr,
               TmiWriteOptions options = {})
{
    options.fileName = path;
    const bool ok = writer.write(pages, options);
    if (error)
        *error = writer.errorText();
    return ok;
}

} // namespace

class tst_TmiWriters : public QObject
{
    Q_OBJECT

private slots:
    void fixedRoundsAsQtDoes_data();
    void fixedRoundsAsQtDoes();
    void tableCellsAreThePageViewTexts();
    void coordinateLine_data();
    void coordinateLine();
    void captionEscaping_data();
    void captionEscaping();
    void xmlFile();
    void tableFile();
    void tmiFileIsTheReferenceLayout();
    void kmlFile();
    void kmlLeavesOutPagesWithoutCoordinates();
    void unwritableFile_data();
    void unwritableFile();
    void downloadListIsCompact();
    void secondGenerationPagesInTheirOwnForm();

private:
    QTemporaryDir m_dir;
};

void tst_TmiWriters::fixedRoundsAsQtDoes_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::newRow("tie up") << 0.125 << 2;
    QTest::newRow("negative tie") << -0.125 << 2;
    QTest::newRow("tie in a large number") << 123456789.125 << 2;
    QTest::newRow("just below a tie") << 2.675 << 2;
    QTest::newRow("negative to zero") << -0.001 << 2;
    QTest::newRow("negative zero") << -0.0 << 2;
    QTest::newRow("millivolts 125") << 125 / 1000.0 << 2;
    QTest::newRow("millivolts 65535") << 65535 / 1000.0 << 2;
    QTest::newRow("minutes") << 45.0 << 4;
    QTest::newRow("tiny") << 1e-300 << 2;
    QTest::newRow("float max") << double(std::numeric_limits<float>::max()) << 2;
    QTest::newRow("large, four decimals") << 8.9e15 << 4;
    QTest::newRow("just above a tie") << 0.12500000000000003 << 2;
    QTest::newRow("just below a tie") << 0.12499999999999999 << 2;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 2;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 2;
}

void tst_TmiWriters::fixedRoundsAsQtDoes()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    char text[TmiTextBuffer::MaxPiece];
    const QByteArray ours(text, TmiText::fixed(text, value, decimals) - text);
    QCOMPARE(ours, QString::number(value, 'f', decimals).toLatin1());

    // And a sweep of floats (the speed, run and way fields, many of them
    // exact ties) and of millivolts.
    QRandomGenerator random(1234);
    for (int i = 0; i < 20000; ++i) {
        const float f = float(random.bounded(2000000) - 1000000) / float(1 << random.bounded(12));
        const QByteArray got(text, TmiText::fixed(text, double(f), 2) - text);
        QCOMPARE(got, QString::number(double(f), 'f', 2).toLatin1());
    }
    for (int mv = 0; mv <= 65535; mv += 7) {
        const QByteArray got(text, TmiText::fixed(text, mv / 1000.0, 2) - text);
        QCOMPARE(got, QString::number(mv / 1000.0, 'f', 2).toLatin1());
    }
}

void tst_TmiWriters::tableCellsAreThePageViewTexts()
{
    // Every F8 field of many records, written into a table: each cell is
    // the page view's text, in windows-1251, however the writer keeps the
    // texts of the page before. Random bytes, runs of equal records, and
    // values at the edges of the formats.
    QList<F8Record> records;
    QRandomGenerator random(99);
    for (int i = 0; i < 400; ++i) {
        F8Record r;
        for (int b = 0; b < F8Record::Size; ++b)
            r.data()[b] = quint8(random.bounded(256));
        r.data()[0] = F8Record::Type;
        records << r;
        if (i % 50 == 0)
            records << r << r;
    }
    F8Record edges;
    edges.data()[0] = F8Record::Type;
    edges.setInteger(FieldTable::field("GSM"), 99);
    edges.setInteger(FieldTable::field("CAN_FuelLevel"), 0x8032);
    edges.setInteger(FieldTable::field("CAN_Temp"), -128);
    edges.setInteger(FieldTable::field("Power"), 125);
    edges.setReal(FieldTable::field("Speed"), 0.125f);
    edges.setReal(FieldTable::field("CAN_FullRun"), -1.0f);
    edges.setInteger(FieldTable::field("Latitude"), -33450001);
    edges.setInteger(FieldTable::field("Time"), 0xFFFFFFFF);
    records << edges;
    edges.setInteger(FieldTable::field("CAN_FuelLevel"), 0x7FFF);
    edges.setInteger(FieldTable::field("GSM"), 31);
    edges.setReal(FieldTable::field("Run"), std::numeric_limits<float>::quiet_NaN());
    edges.setInteger(FieldTable::field("Time"), 951782400); // 2000-02-29
    records << edges;

    TmiDownloadList pages;
    for (const F8Record &r : records)
        pages.appendF8(r);
    const QString path = m_dir.filePath(QStringLiteral("texts.csv"));
    QString error;
    QVERIFY2(writeFile(TmiTableWriter(), pages, path, &error), qPrintable(error));
    const QList<QByteArray> rows = TestFiles::read(path).split('\n');
    QCOMPARE(rows.size(), records.size() + 2);
    for (int i = 0; i < records.size(); ++i) {
        const QList<QByteArray> cells = rows[i + 1].chopped(1).split(';');
        QCOMPARE(cells.size(), TmiTableWriter::ColumnCount);
        const TmiPage_Vela page(records[i]);
        for (int c = 0; c < TmiTableWriter::ColumnCount; ++c) {
            const F8Field &f = F8Layout::fields[size_t(c)];
            const QByteArray expected = TmiTableWriter::cell(page.text(FieldTable::member(f.member)));
            if (cells[c] != expected)
                QFAIL(qPrintable(QStringLiteral("page %1, %2: \"%3\", the page view shows \"%4\"")
                                     .arg(i)
                                     .arg(QLatin1String(FieldTable::memberName(f.member)),
                                          QString::fromLatin1(cells[c]), QString::fromLatin1(expected))));
        }
    }
}

void tst_TmiWriters::coordinateLine_data()
{
    QTest::addColumn<qint32>("longitude");
    QTest::addColumn<qint32>("latitude");
    QTest::addColumn<qint32>("altitude");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("Moscow") << 22500000 << 33450000 << 156 << QByteArray("37.5,55.75,156");
    QTest::newRow("west and south") << -22500000 << -33450000 << -12 << QByteArray("-37.5,-55.75,-12");
    QTest::newRow("zero") << 0 << 0 << 0 << QByteArray("0,0,0");
    QTest::newRow("one unit, no exponent") << 1 << 6 << 0 << QByteArray("0.0000016666666666666667,0.00001,0");
    QTest::newRow("thirds") << 200000 << 400000 << 1 << QByteArray("0.3333333333333333,0.6666666666666666,1");
}

void tst_TmiWriters::coordinateLine()
{
    QFETCH(qint32, longitude);
    QFETCH(qint32, latitude);
    QFETCH(qint32, altitude);
    QFETCH(QByteArray, line);
    // A decimal comma in the user's locale changes nothing.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    const QByteArray got = TmiKmlWriter::coordinates(longitude, latitude, altitude);
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(before);
    QCOMPARE(got, line);
    // Each number reads back as the division it stands for.
    const QList<QByteArray> parts = got.split(',');
    QCOMPARE(parts.size(), 3);
    QCOMPARE(parts[0].toDouble(), longitude / 600000.0);
    QCOMPARE(parts[1].toDouble(), latitude / 600000.0);
}

void tst_TmiWriters::captionEscaping_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("ampersand") << QStringLiteral("A&B") << QByteArray("A&amp;B");
    QTest::newRow("space") << QStringLiteral("A B") << QByteArray("A&nbsp;B");
    QTest::newRow("ampersand and space, each once") << QStringLiteral("& ") << QByteArray("&amp;&nbsp;");
    QTest::newRow("markup") << QStringLiteral("<a>") << QByteArray("&lt;a&gt;");
    QTest::newRow("quotes") << QStringLiteral("\"'") << QByteArray("&quot;&apos;");
    QTest::newRow("exclamation") << QStringLiteral("Stop!") << QByteArray("Stop_33_");
    QTest::newRow("cyrillic in windows-1251") << QStringLiteral("Дверь") << QByteArray("\xC4\xE2\xE5\xF0\xFC");
    QTest::newRow("empty") << QString() << QByteArray();
}

void tst_TmiWriters::captionEscaping()
{
    QFETCH(QString, caption);
    QFETCH(QByteArray, written);
    QCOMPARE(TmiXmlWriter::escapeCaption(caption), written);
}

void tst_TmiWriters::xmlFile()
{
    QList<TestPages::Point> points = TestPages::route(3, 1705323900, 41);
    points[0].asF6 = true;
    points[1].code = 7;
    points[2].code = 7;
    const TmiDownloadList pages = listOf(points);

    TmiWriteOptions options;
    TmiExport::Captions &captions = options.captions;
    captions.inputs = {QStringLiteral("A&B"), QStringLiteral("A B"), QStringLiteral("Дверь"), QStringLiteral("Fuel!")};
    captions.shInputs = {QStringLiteral("SH1"), QStringLiteral("SH2"), QStringLiteral("SH3"), QStringLiteral("SH4")};
    captions.outputs = {QStringLiteral("output 1"), QStringLiteral("Siren <loud>")};
    captions.temperatures = {QStringLiteral("T1"), QStringLiteral("T2"), QStringLiteral("T3"), QStringLiteral("T4")};
    options.timeZone = 3;
    options.daylightSaving = true;
    QList<quint16> asked;
    options.eventName = [&asked](quint16 code) {
        asked << code;
        return code == 7 ? QStringLiteral("Input <3> & more") : QStringLiteral("Ignition on");
    };
    const QString path = m_dir.filePath(QStringLiteral("pages.xml"));
    QString error;
    QVERIFY2(writeFile(TmiXmlWriter(), pages, path, &error, options), qPrintable(error));
    QCOMPARE(asked, (QList<quint16>{points[0].code, 7}));

    const QByteArray bytes = TestFiles::read(path);
    QVERIFY(!bytes.contains("\n\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    const QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.value(0), QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1251\"?>"));
    QCOMPARE(lines.value(2), QStringLiteral("<TMI model=\"K-4810\" modification=\"1\" timeStart=\"15.01.2024 13:05:00\" "
                                            "timeEnd=\"15.01.2024 13:06:00\" vendor=\"QUARTOLINK\" version=\"2.0\"> "));
    QVERIFY(bytes.contains("\t<nTimeZone Value=\"3\"/>\r\n\t<bTimeZone Value=\"1\"/>\r\n"));
    QVERIFY(bytes.contains("\t<nameI1 Value=\"A&amp;B\"/>\r\n\t<nameI2 Value=\"A&nbsp;B\"/>\r\n"
                           "\t<nameI3 Value=\"\xC4\xE2\xE5\xF0\xFC\"/>\r\n\t<nameAin1 Value=\"Fuel_33_\"/>\r\n"));
    QVERIFY(bytes.contains("\t<nameO2 Value=\"Siren&nbsp;&lt;loud&gt;\"/>\r\n"));
    QVERIFY(bytes.contains("\t<countPage Value=\"3\"/>\r\n"));
    QVERIFY(bytes.endsWith("\t</Page>\r\n</TMI>\r\n"));

    // The elements of a page, in their order, each on its own line.
    const int start = lines.indexOf(QStringLiteral("\t<Page page=\"1\">"));
    const int end = lines.indexOf(QStringLiteral("\t</Page>"), start);
    QVERIFY(start > 0 && end > start);
    QStringList tags;
    static const QRegularExpression open(QStringLiteral("^\t\t<([A-Za-z0-9_]+)[ >]"));
    for (int i = start + 1; i < end; ++i) {
        const QRegularExpressionMatch m = open.match(lines.at(i));
        if (m.hasMatch())
            tags << m.captured(1);
    }
    const QStringList expected = QStringLiteral(
        "Type number Code time State Module GSMLevel StateOut StateIn Power Reserv U_Ain1 Impuls_In2 Impuls_In3 "
        "Frequency1 Frequency2 Motochas LevelRS485_1 LevelRS485_2 LevelRS485_3 LevelRS485_4 LevelRS485_5 "
        "LevelRS485_6 Temp1 Temp2 Temp3 Temp4 StateNavi LastTime Latitude Longitude Altitude Speed Course Run Way "
        "AllSeconds SecondsLast Reliability CAN_FuelLevel CAN_FuelConsumption CAN_EngineTurns CAN_Temp CAN_FullRun "
        "CAN_AxleLoad_1 CAN_AxleLoad_2 CAN_AxleLoad_3 CAN_AxleLoad_4 CAN_AxleLoad_5 CAN_PedalAccel CAN_PedalStop "
        "CAN_EngineLoad CAN_EngineTime CAN_TimeTO CAN_Speed").split(QLatin1Char(' '));
    QCOMPARE(tags, expected);
    const QString page = lines.mid(start, end - start + 1).join(QStringLiteral("\n"));
    QVERIFY(page.contains(QStringLiteral("\t\t<number Value=\"42\">\"42\"</number>")));
    QVERIFY(page.contains(QStringLiteral("\t\t<Code Value=\"7\">\n\t\t\t<name>Input &lt;3&gt; &amp; more</name>\n\t\t</Code>")));
    QVERIFY(page.contains(QStringLiteral("\t\t<time Value=\"1705323930\">15.01.2024 13:05:30</time>")));
    QVERIFY(page.contains(QStringLiteral("\t\t<Power Value=\"%1\">\n\t\t\t<Volt>%2</Volt>\n\t\t</Power>")
                              .arg(points[1].power)
                              .arg(TmiFormat::volts(points[1].power))));
    QVERIFY(page.contains(QStringLiteral("\t\t\t<Lat>%1</Lat>").arg(TmiFormat::coordinate(points[1].latitude))));
    QVERIFY(page.contains(QStringLiteral("\t\t\t<CountSatellite>9</CountSatellite>")));
    // The converted F6 page carries the fill values of what F6 lacks.
    const int first = lines.indexOf(QStringLiteral("\t<Page page=\"0\">"));
    QVERIFY(lines.mid(first, start - first).contains(QStringLiteral("\t\t<CAN_Temp Value=\"-128\">n/a</CAN_Temp>")));

    if (tool(QStringLiteral("xmllint")).isEmpty())
        QSKIP("xmllint is not installed");
    QProcess lint;
    lint.start(tool(QStringLiteral("xmllint")), {QStringLiteral("--noout"), path});
    QVERIFY(lint.waitForFinished(30000));
    QVERIFY2(lint.exitCode() == 0, lint.readAllStandardError().constData());
}

void tst_TmiWriters::tableFile()
{
    const QList<TestPages::Point> points = TestPages::route(20, 1705323900, 100);
    const TmiDownloadList pages = listOf(points);
    const QString path = m_dir.filePath(QStringLiteral("pages.csv"));
    QString error;
    QVERIFY2(writeFile(TmiTableWriter(), pages, path, &error), qPrintable(error));
    const QByteArray bytes = TestFiles::read(path);
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    const QList<QByteArray> rows = bytes.split('\n');
    QCOMPARE(rows.size(), 1 + points.size() + 1); // header, pages, nothing after the last line end
    QVERIFY(rows.last().isEmpty());

    QStringList titles;
    for (const QString &t : TmiTableWriter::titles())
        titles << QString::fromLatin1(TmiTableWriter::cell(t));
    QCOMPARE(QString::fromLatin1(rows[0].chopped(1)), titles.join(QLatin1Char(';')));
    for (int i = 0; i < points.size(); ++i) {
        const QList<QByteArray> cells = rows[1 + i].chopped(1).split(';');
        QCOMPARE(cells.size(), TmiTableWriter::ColumnCount);
        QCOMPARE(cells[0], QByteArray::number(points[i].number));
        QCOMPARE(cells[31], TmiFormat::coordinate(points[i].latitude).toLatin1());
    }
}

void tst_TmiWriters::tmiFileIsTheReferenceLayout()
{
    // Each F8 page's record, copied in runs of the F8 record, is the one the
    // field serialiser makes under the F8 mask; the header counts them and
    // holds their checksum.
    QList<TestPages::Point> points = TestPages::route(40, 1705323900, 7);
    points[3].asF6 = true;
    const TmiDownloadList pages = listOf(points);
    TmiWriteOptions options;
    options.identifier = QStringLiteral("354810061234567");
    int lastProgress = -1;
    options.progress = [&lastProgress](int done, int total) {
        QVERIFY(done >= lastProgress && done <= total);
        lastProgress = done;
    };
    const QString path = m_dir.filePath(QStringLiteral("streamed.tmi"));
    QString error;
    QVERIFY2(writeFile(TmiBinWriter(), pages, path, &error, options), qPrintable(error));
    QCOMPARE(lastProgress, points.size());
    const QByteArray file = TestFiles::read(path);
    QCOMPARE(file.size(), 128 + 40 * 163);
    QByteArray records;
    for (int i = 0; i < pages.count(); ++i) {
        const QByteArray fields = pages.f8(i).serialise(F8Record::fieldMask());
        QCOMPARE(fields.size(), 127);
        QByteArray record = QByteArray::fromHex("a100b00a") + QByteArray::fromHex("FBFFFE0AFFFF0FFFB8")
                            + QByteArray(23, '\0') + fields;
        QCOMPARE(file.mid(128 + i * 163, 163), record);
        records += record;
    }
    QCOMPARE(file.left(128), ORV_LogBinFile::header(points.first().time, points.last().time, 40,
                                                    ORV_LogBinFile::recordCrc(records.constData(), records.size()),
                                                    "354810061234567"));
}

void tst_TmiWriters::kmlFile()
{
    const QList<TestPages::Point> points = TestPages::route(5, 1705323900, 1);
    TmiDownloadList pages = listOf(points);
    const QString path = m_dir.filePath(QStringLiteral("Поездка & обратно.kml"));
    QString error;
    QVERIFY2(writeFile(TmiKmlWriter(), pages, path, &error), qPrintable(error));
    const QByteArray bytes = TestFiles::read(path);
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                             "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\r\n<Document>\r\n"));
    QVERIFY(bytes.contains(QStringLiteral("<name>Поездка &amp; обратно</name>").toUtf8()));
    QVERIFY(bytes.contains("<description>13:05:00 15.01.2024 - 13:07:00 15.01.2024</description>"));
    QVERIFY(bytes.contains("<color>7f0000ff</color>") && bytes.contains("<width>4</width>")
            && bytes.contains("<color>7f00ff00</color>") && bytes.contains("<styleUrl>#linePolyStyle</styleUrl>")
            && bytes.contains("<altitudeMode>absolute</altitudeMode>"));
    const int from = bytes.indexOf("<coordinates>\r\n") + 15;
    const int to = bytes.indexOf("\t\t\t</coordinates>");
    const QList<QByteArray> lines = bytes.mid(from, to - from).split('\n');
    QCOMPARE(lines.size(), points.size() + 1);
    for (int i = 0; i < points.size(); ++i)
        QCOMPARE(lines[i].chopped(1),
                 TmiKmlWriter::coordinates(points[i].longitude, points[i].latitude, points[i].altitude));

    if (tool(QStringLiteral("xmllint")).isEmpty())
        QSKIP("xmllint is not installed");
    QProcess lint;
    lint.start(tool(QStringLiteral("xmllint")), {QStringLiteral("--noout"), path});
    QVERIFY(lint.waitForFinished(30000));
    QVERIFY2(lint.exitCode() == 0, lint.readAllStandardError().constData());
}

void tst_TmiWriters::kmlLeavesOutPagesWithoutCoordinates()
{
    // A second-generation page without its coordinates, and a page at 0,0
    // (no fix yet), add no point: the track is not drawn to 0,0.
    TmiDownloadList pages = listOf(TestPages::route(2, 1705323900, 1));
    TestPages::Point nowhere;
    nowhere.number = 3;
    nowhere.time = 1705323990;
    pages.appendF8(F8Record(TestPages::f8(nowhere).constData(), 128));
    QByteArray noCoordinates = vela2Record(4, 1705324020, 0, 0, 0);
    noCoordinates[2 + 1] = char(quint8(noCoordinates[2 + 1]) & ~0x60); // bits 9 and 10 clear
    noCoordinates.chop(8);
    pages.appendVela2(noCoordinates.constData(), noCoordinates.size());
    const QByteArray located = vela2Record(5, 1705324050, 33450000, 22500000, 140);
    pages.appendVela2(located.constData(), located.size());

    const QString path = m_dir.filePath(QStringLiteral("gaps.kml"));
    QVERIFY(writeFile(TmiKmlWriter(), pages, path));
    const QByteArray bytes = TestFiles::read(path);
    const int from = bytes.indexOf("<coordinates>\r\n") + 15;
    const QList<QByteArray> lines = bytes.mid(from, bytes.indexOf("\t\t\t</coordinates>") - from).split('\n');
    QCOMPARE(lines.size(), 3 + 1);
    QCOMPARE(lines[2].chopped(1), QByteArray("37.5,55.75,140"));
    QVERIFY(!bytes.contains("\r\n0,0,"));
}

void tst_TmiWriters::unwritableFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("xml") << QStringLiteral("xml");
    QTest::newRow("table") << QStringLiteral("csv");
    QTest::newRow("tmi") << QStringLiteral("tmi");
    QTest::newRow("kml") << QStringLiteral("kml");
    QTest::newRow("gpx") << QStringLiteral("gpx");
    QTest::newRow("timed kml") << QStringLiteral("kmltrack");
}

void tst_TmiWriters::unwritableFile()
{
    QFETCH(QString, kind);
    const TmiDownloadList pages = listOf(TestPages::route(3, 1705323900, 1));
    // A folder where the file should go, and a file in a folder that does not exist.
    const QStringList targets = {m_dir.path(), m_dir.filePath(QStringLiteral("missing/pages.") + kind)};
    for (const QString &target : targets) {
        QString error;
        const std::unique_ptr<TmiWriter> writer = TmiOutputs::find(kind)->create();
        TmiWriteOptions options;
        options.fileName = target;
        const bool ok = writer->write(pages, options);
        error = writer->errorText();
        QVERIFY(!ok);
        QVERIFY(!error.isEmpty());
    }
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("missing"))));
}

void tst_TmiWriters::downloadListIsCompact()
{
    constexpr int count = 100000;
    TmiDownloadList list;
    list.reserve(count);
    const F8Record record(TestPages::f8(TestPages::Point()).constData(), 128);
    for (int i = 0; i < count; ++i)
        list.appendF8(record);
    QCOMPARE(list.count(), count);
    const qsizetype raw = qsizetype(count) * F8Record::Size;
    QVERIFY2(list.heldBytes() < raw * 13 / 10, qPrintable(QString::number(list.heldBytes())));
    list.clear();
    QVERIFY(list.heldBytes() < 1024);
}

void tst_TmiWriters::secondGenerationPagesInTheirOwnForm()
{
    // A second-generation page among F8 pages keeps its own form in every
    // file: its received bytes in the .tmi file, its coordinates in the
    // track, its own fields in the text file, the full set of columns in
    // the table.
    TmiDownloadList pages = listOf(TestPages::route(1, 1705323900, 10));
    const QByteArray vela2 = vela2Record(11, 1705323960, 33450000, 22500000, 140);
    QVERIFY(pages.appendVela2(vela2.constData(), vela2.size()));
    QCOMPARE(pages.kind(1), TmiDownloadList::Vela2);
    QCOMPARE(pages.pageNumber(1), 11u);
    QCOMPARE(pages.time(1), 1705323960u);

    const QString kml = m_dir.filePath(QStringLiteral("mixed.kml"));
    QVERIFY(writeFile(TmiKmlWriter(), pages, kml));
    QVERIFY(TestFiles::read(kml).contains("\r\n37.5,55.75,140\r\n"));

    const QString tmi = m_dir.filePath(QStringLiteral("mixed.tmi"));
    QVERIFY(writeFile(TmiBinWriter(), pages, tmi));
    const QByteArray bytes = TestFiles::read(tmi);
    QCOMPARE(bytes.size(), 128 + 163 + 2 + vela2.size());
    QCOMPARE(bytes.right(vela2.size()), vela2);
    QCOMPARE(TestPages::get16(bytes, 19), quint16(2));

    const QString xml = m_dir.filePath(QStringLiteral("mixed.xml"));
    QVERIFY(writeFile(TmiXmlWriter(), pages, xml));
    const QByteArray text = TestFiles::read(xml);
    QVERIFY(text.contains("\t<Page page=\"0\">\r\n"));
    QVERIFY(text.contains("\t<Page type=\"176\" generation=\"20\">\r\n\t\t<NumPage>11</NumPage>\r\n"
                          "\t\t<Time>1705323960</Time>\r\n\t\t<State>1</State>\r\n"
                          "\t\t<Latitude>33450000</Latitude>\r\n\t\t<Longitude>22500000</Longitude>\r\n"
                          "\t\t<Altitude>140</Altitude>\r\n\t</Page>\r\n"));

    const QString csv = m_dir.filePath(QStringLiteral("mixed.csv"));
    QVERIFY(writeFile(TmiTableWriter(), pages, csv));
    const QList<QByteArray> rows = TestFiles::read(csv).split('\n');
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[0].count(';') + 1, FieldTable::MemberCount);
    const QList<QByteArray> vela2Cells = rows[2].chopped(1).split(';');
    QCOMPARE(vela2Cells[FieldTable::indexOf("NumPage")], QByteArray("11"));
    QCOMPARE(vela2Cells[FieldTable::indexOf("Latitude")], QByteArray("55 45.0000'"));
    QCOMPARE(vela2Cells[FieldTable::indexOf("Speed")], QByteArray("n/a"));
    // The F8 page's row: its fields, "n/a" for those F8 does not carry.
    const QList<QByteArray> f8Cells = rows[1].chopped(1).split(';');
    QCOMPARE(f8Cells[FieldTable::indexOf("NumPage")], QByteArray("10"));
    QCOMPARE(f8Cells[FieldTable::indexOf("Module2")], QByteArray("n/a"));
}

QTEST_GUILESS_MAIN(tst_TmiWriters)
#include "tst_tmiwriters.moc"
