// The widget-free rules of fuel calibration: the table's order and model,
// the values a file may hold, the tracker's fuel answer, the calibration
// file against its expected bytes, the report's layout and the stability
// watch of live readings.

#include "fuel/fuelanswer.h"
#include "fuel/fuelcalibration.h"
#include "fuel/fuelcalibrationmodel.h"
#include "fuel/fuelfile.h"
#include "fuel/fuelreport.h"
#include "fuel/fuelstability.h"
#include "tests/support/testfiles.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A 42-byte fuel answer: F1 = 1001, A1 = 12345 mV, Dn = 100 * n + 7.
QByteArray fuelAnswer(int count, int length = 42, const QByteArray &tag = "*#FUEL_UN")
{
    QByteArray a(qMax(length, 42), '\x5A');
    a.replace(0, tag.size(), tag);
    a[9] = char(count);
    auto put = [&a](int at, int v) {
        a[at] = char(v & 0xFF);
        a[at + 1] = char(v >> 8);
    };
    put(11, 1001);
    put(15, 12345);
    for (int i = 0; i < 6; ++i)
        put(25 + 3 * i, 100 * (i + 1) + 7);
    a.truncate(length);
    return a;
}

using Rows = QList<FuelCalibrationModel::Row>;

// The cells of the points table of a report: rows of cell texts.
QList<QStringList> pointCells(const QString &html)
{
    const int start = html.indexOf(QLatin1String("border=1"));
    const int end = html.indexOf(QLatin1String("</table>"), start);
    const QString table = html.mid(start, end - start);
    QList<QStringList> rows;
    static const QRegularExpression row(QStringLiteral("<tr>(.*?)</tr>"));
    static const QRegularExpression cell(QStringLiteral("<td[^>]*>(.*?)</td>"));
    auto it = row.globalMatch(table);
    while (it.hasNext()) {
        const QString r = it.next().captured(1);
        QStringList cells;
        auto c = cell.globalMatch(r);
        while (c.hasNext())
            cells << c.next().captured(1);
        if (!cells.isEmpty())
            rows << cells;
    }
    return rows;
}

int headerPairs(const QString &html)
{
    const int start = html.indexOf(QLatin1String("border=1"));
    const int end = html.indexOf(QLatin1String("</tr>"), start);
    return int(html.mid(start, end - start).count(QLatin1String("<th"))) / 2;
}

FuelPoints rising(int n)
{
    FuelPoints p;
    for (int i = 0; i < n; ++i)
        p << FuelPoint{float(10 * (i + 1)), float(100 + 20 * i)};
    return p;
}

} // namespace

Q_DECLARE_METATYPE(FuelPoints)

class tst_FuelLogic : public QObject
{
    Q_OBJECT

private slots:
    void volumeOrder_data();
    void volumeOrder();
    void modelSortsStablyAndKeepsEmptyVolumesLast();
    void modelRemovesMarkedRunsAndGivesPoints();
    void loadedValues_data();
    void loadedValues();
    void nonMonotonic_data();
    void nonMonotonic();

    void answer_data();
    void answer();
    void volts_data();
    void volts();

    void fileBytes_data();
    void fileBytes();
    void savingReplacesTheWholeFile();
    void failedSaveSaysWhyAndKeepsTheOldFile();
    void reading_data();
    void reading();
    void missingFileIsNotCreated();

    void reportLayout_data();
    void reportLayout();
    void reportValues_data();
    void reportValues();
    void reportHeadAndVehicle();
    void reportWarnsWhereNotMonotonic();

    void stability_data();
    void stability();

private:
    QTemporaryDir m_dir;
};

// ---------------------------------------------------------------------------
// Table

void tst_FuelLogic::volumeOrder_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("less");
    QTest::newRow("numbers") << "1" << "2" << true;
    QTest::newRow("numbers, not text") << "10" << "9" << false;
    QTest::newRow("equal") << "2" << "2.0" << false;
    QTest::newRow("decimals") << "1.25" << "1.5" << true;
    QTest::newRow("exponent") << "1e3" << "999" << false;
    QTest::newRow("empty is never less") << "" << "1" << false;
    QTest::newRow("a number is less than empty") << "5000" << "" << true;
    QTest::newRow("empty against empty") << "" << "" << false;
    QTest::newRow("text counts as 0") << "abc" << "1" << true;
    QTest::newRow("nan counts as 0") << "nan" << "0.5" << true;
    QTest::newRow("inf counts as 0") << "inf" << "0.5" << true;
    QTest::newRow("negative") << "-1" << "0" << true;
}

void tst_FuelLogic::volumeOrder()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, less);
    QCOMPARE(FuelCalibration::volumeLess(a, b), less);
}

void tst_FuelLogic::modelSortsStablyAndKeepsEmptyVolumesLast()
{
    FuelCalibrationModel model;
    model.appendRow(QStringLiteral("20"), QStringLiteral("first 20"));
    model.appendRow(QString(), QStringLiteral("no volume"));
    model.appendRow(QStringLiteral("5"), QStringLiteral("5"));
    model.appendRow(QStringLiteral("20"), QStringLiteral("second 20"));
    model.appendRow(QStringLiteral("12"), QStringLiteral("12"));
    model.appendRow(QStringLiteral("20.0"), QStringLiteral("third 20"));
    QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
    model.sortByVolume();
    QCOMPARE(layout.size(), 1);
    QStringList readings;
    for (const auto &r : model.rows())
        readings << r.reading;
    QCOMPARE(readings, QStringList({"5", "12", "first 20", "second 20", "third 20", "no volume"}));
    // Texts stay as typed.
    QCOMPARE(model.row(4).volume, QStringLiteral("20.0"));
    QCOMPARE(model.data(model.index(0, 0), Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    QCOMPARE(model.flags(model.index(0, 2)) & Qt::ItemIsUserCheckable, Qt::ItemIsUserCheckable);
    QVERIFY(!(model.flags(model.index(0, 2)) & Qt::ItemIsEditable));
}

void tst_FuelLogic::modelRemovesMarkedRunsAndGivesPoints()
{
    FuelCalibrationModel model;
    for (int i = 1; i <= 6; ++i)
        model.appendRow(QString::number(10 * i), QString::number(i));
    model.appendRow(QStringLiteral("70"), QString()); // no reading: not a point
    for (int i : {0, 1, 3})
        model.setMarked(i, true);
    QVERIFY(model.hasMarked());
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QCOMPARE(model.removeMarked(), 3);
    QCOMPARE(removed.size(), 2); // two runs of marked rows
    QVERIFY(!model.hasMarked());
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.points(), (FuelPoints{{30, 3}, {50, 5}, {60, 6}}));

    // A mark set through the check box of the view.
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(model.index(1, 2), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(changed.size(), 1);
    QVERIFY(model.row(1).marked);
    model.clear();
    QVERIFY(model.isEmpty());
    QVERIFY(model.points().isEmpty());
}

void tst_FuelLogic::loadedValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<float>("number");
    QTest::newRow("point") << "12.5" << "12.5" << 12.5f;
    QTest::newRow("comma") << "12,5" << "12.5" << 12.5f;
    QTest::newRow("whole") << "12" << "12" << 12.0f;
    QTest::newRow("nan") << "nan" << "0" << 0.0f;
    QTest::newRow("NaN") << "NaN" << "0" << 0.0f;
    QTest::newRow("inf") << "inf" << "0" << 0.0f;
    QTest::newRow("-inf") << "-inf" << "0" << 0.0f;
    QTest::newRow("overflow") << "1e999" << "0" << 0.0f;
    QTest::newRow("beyond single precision") << "1e39" << "0" << 0.0f;
    QTest::newRow("largest single") << "3.4e38" << "3.4e38" << 3.4e38f;
    QTest::newRow("text stays") << "abc" << "abc" << 0.0f;
    QTest::newRow("empty stays") << "" << "" << 0.0f;
}

void tst_FuelLogic::loadedValues()
{
    QFETCH(QString, text);
    QFETCH(QString, loaded);
    QFETCH(float, number);
    QCOMPARE(FuelCalibration::loadedValue(text), loaded);
    QCOMPARE(FuelCalibration::number(FuelCalibration::loadedValue(text)), number);
    QVERIFY(std::isfinite(FuelCalibration::number(text)));
}

void tst_FuelLogic::nonMonotonic_data()
{
    QTest::addColumn<FuelPoints>("points");
    QTest::addColumn<QList<int>>("broken");
    QTest::newRow("none") << FuelPoints() << QList<int>();
    QTest::newRow("one") << FuelPoints{{10, 1}} << QList<int>();
    QTest::newRow("rising") << rising(20) << QList<int>();
    QTest::newRow("falling") << FuelPoints{{0, 4}, {10, 3}, {20, 1}} << QList<int>();
    QTest::newRow("a plateau is not a reversal") << FuelPoints{{0, 1}, {10, 2}, {20, 2}, {30, 3}} << QList<int>();
    QTest::newRow("a dip") << FuelPoints{{0, 1}, {10, 3}, {20, 2}, {30, 4}} << QList<int>{2};
    QTest::newRow("a dip below an earlier point") << FuelPoints{{0, 1}, {10, 3}, {20, 3.5f}, {30, 2.5f}, {40, 5}}
                                                << QList<int>{3};
    QTest::newRow("a bump in a falling table") << FuelPoints{{0, 9}, {10, 7}, {20, 8}, {30, 1}} << QList<int>{2};
    QTest::newRow("equal volumes are not compared")
        << FuelPoints{{0, 1}, {10, 3}, {10, 2}, {20, 4}} << QList<int>();
    QTest::newRow("table order, not volume order") << FuelPoints{{30, 4}, {0, 1}, {20, 2}, {10, 3}} << QList<int>{2};
}

void tst_FuelLogic::nonMonotonic()
{
    QFETCH(FuelPoints, points);
    QFETCH(QList<int>, broken);
    QCOMPARE(FuelCalibration::nonMonotonic(points), broken);
}

// ---------------------------------------------------------------------------
// Fuel answer

void tst_FuelLogic::answer_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("f1");
    QTest::addColumn<bool>("a1");
    QTest::addColumn<int>("digitalTaken");
    QTest::newRow("41 bytes") << fuelAnswer(31, 41) << false << false << false << 0;
    QTest::newRow("43 bytes") << fuelAnswer(31, 43) << false << false << false << 0;
    QTest::newRow("other tag") << fuelAnswer(31, 42, "*#FUEL_UX") << false << false << false << 0;
    QTest::newRow("lower case tag") << fuelAnswer(31, 42, "*#fuel_un") << false << false << false << 0;
    QTest::newRow("N 0") << fuelAnswer(0) << true << false << false << 0;
    QTest::newRow("N 1") << fuelAnswer(1) << true << false << false << 0;
    QTest::newRow("N 2") << fuelAnswer(2) << true << true << false << 0;
    QTest::newRow("N 5") << fuelAnswer(5) << true << true << false << 0;
    QTest::newRow("N 6") << fuelAnswer(6) << true << true << true << 0;
    QTest::newRow("N 15") << fuelAnswer(15) << true << true << true << 0;
    QTest::newRow("N 16") << fuelAnswer(16) << true << true << true << 1;
    QTest::newRow("N 21") << fuelAnswer(21) << true << true << true << 2;
    QTest::newRow("N 22") << fuelAnswer(22) << true << true << true << 3;
    QTest::newRow("N 30") << fuelAnswer(30) << true << true << true << 5;
    QTest::newRow("N 31") << fuelAnswer(31) << true << true << true << 6;
    QTest::newRow("N 255") << fuelAnswer(255) << true << true << true << 6;
}

void tst_FuelLogic::answer()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, accepted);
    QFETCH(bool, f1);
    QFETCH(bool, a1);
    QFETCH(int, digitalTaken);
    const auto a = FuelAnswer::parse(reinterpret_cast<const uchar *>(bytes.constData()), int(bytes.size()));
    QCOMPARE(bool(a), accepted);
    if (!a)
        return;
    QCOMPARE(bool(a->f1()), f1);
    if (f1)
        QCOMPARE(*a->f1(), quint16(1001));
    QCOMPARE(bool(a->a1Millivolts()), a1);
    if (a1)
        QCOMPARE(*a->a1Millivolts(), quint16(12345));
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(bool(a->digital(i)), i < digitalTaken);
        if (i < digitalTaken)
            QCOMPARE(*a->digital(i), quint16(100 * (i + 1) + 7));
    }
    QVERIFY(!a->digital(6));
    QVERIFY(!FuelAnswer::parse(nullptr, 42));
}

void tst_FuelLogic::volts_data()
{
    QTest::addColumn<int>("millivolts");
    QTest::addColumn<QString>("text");
    QTest::newRow("12345") << 12345 << "12.35";
    QTest::newRow("12344") << 12344 << "12.34";
    QTest::newRow("0") << 0 << "0.00";
    QTest::newRow("4") << 4 << "0.00";
    QTest::newRow("5") << 5 << "0.01";
    QTest::newRow("1000") << 1000 << "1.00";
    QTest::newRow("9995") << 9995 << "10.00";
    QTest::newRow("65535") << 65535 << "65.54";
}

void tst_FuelLogic::volts()
{
    QFETCH(int, millivolts);
    QFETCH(QString, text);
    QCOMPARE(FuelAnswer::volts(quint16(millivolts)), text);
}

// ---------------------------------------------------------------------------
// Calibration file

void tst_FuelLogic::fileBytes_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("nameElement");
    QTest::addColumn<QString>("sensorName");
    QTest::addColumn<QList<FuelFileRow>>("rows");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("A1") << "A1" << "Name_A" << "Left tank"
                        << QList<FuelFileRow>{{"0", "0.48"}, {"20", "0.94"}, {"40.5", "1.41"}}
                        << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
                                      "<FUEL model=\"K-4810\" type=\"A1\">\n"
                                      "\t<imei>354810061234567</imei>\n"
                                      "\t<objName>Truck 7 &amp; trailer</objName>\n"
                                      "\t<Name_A>Left tank</Name_A>\n"
                                      "\t<TABLE>\n"
                                      "\t\t<DATA param_U=\"0\" param_V=\"0.48\"/>\n"
                                      "\t\t<DATA param_U=\"20\" param_V=\"0.94\"/>\n"
                                      "\t\t<DATA param_U=\"40.5\" param_V=\"1.41\"/>\n"
                                      "\t</TABLE>\n"
                                      "</FUEL>\n");
    // The sensor name in the code page of the files.
    QTest::newRow("D3") << "D3" << "Name_A1" << QString::fromUtf8("Бак №2")
                        << QList<FuelFileRow>{{"10", "512"}, {"20", "1023"}}
                        << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
                                      "<FUEL model=\"K-4810\" type=\"D3\">\n"
                                      "\t<imei>354810061234567</imei>\n"
                                      "\t<objName>Truck 7 &amp; trailer</objName>\n"
                                      "\t<Name_A1>\xC1\xE0\xEA \xB9" "2</Name_A1>\n"
                                      "\t<TABLE>\n"
                                      "\t\t<DATA param_U=\"10\" param_V=\"512\"/>\n"
                                      "\t\t<DATA param_U=\"20\" param_V=\"1023\"/>\n"
                                      "\t</TABLE>\n"
                                      "</FUEL>\n");
    QTest::newRow("F1, no rows") << "F1" << "Name_A1" << ""
                                 << QList<FuelFileRow>()
                                 << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
                                               "<FUEL model=\"K-4810\" type=\"F1\">\n"
                                               "\t<imei>354810061234567</imei>\n"
                                               "\t<objName>Truck 7 &amp; trailer</objName>\n"
                                               "\t<Name_A1 />\n"
                                               "\t<TABLE>\n"
                                               "\t</TABLE>\n"
                                               "</FUEL>\n");
}

void tst_FuelLogic::fileBytes()
{
    QFETCH(QString, type);
    QFETCH(QString, nameElement);
    QFETCH(QString, sensorName);
    QFETCH(QList<FuelFileRow>, rows);
    QFETCH(QByteArray, bytes);
    FuelFileContent c;
    c.model = QLatin1String(FuelFile::kModel);
    c.type = type;
    c.imei = QStringLiteral("354810061234567");
    c.objectName = QStringLiteral("Truck 7 & trailer");
    c.nameElement = nameElement;
    c.sensorName = sensorName;
    c.rows = rows;
    const QString path = m_dir.filePath(type + QStringLiteral(".xml"));
    QString error;
    QVERIFY2(FuelFile::write(path, c, &error), qPrintable(error));
    const QByteArray written = TestFiles::read(path);
    QVERIFY2(written == bytes, written.constData());
    QCOMPARE(FuelFile::toBytes(c), bytes);

    const FuelFile::ReadResult r = FuelFile::read(path);
    QCOMPARE(r.status, FuelFile::Ok);
    QCOMPARE(r.content.type, type);
    QCOMPARE(r.content.imei, c.imei);
    QCOMPARE(r.content.objectName, c.objectName);
    QCOMPARE(r.content.nameElement, nameElement);
    QCOMPARE(r.content.sensorName, sensorName);
    QCOMPARE(r.content.rows, rows);
}

void tst_FuelLogic::savingReplacesTheWholeFile()
{
    const QString path = m_dir.filePath(QStringLiteral("replace.xml"));
    // Another document at that path, with a TABLE of its own.
    QVERIFY(TestFiles::write(path, "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
                                   "<FUEL model=\"K-4810\" type=\"D1\" extra=\"old\">\n"
                                   "\t<Name_A1>old</Name_A1>\n\t<Comment>old</Comment>\n"
                                   "\t<TABLE>\n\t\t<DATA param_U=\"1\" param_V=\"1\"/>\n"
                                   "\t\t<DATA param_U=\"2\" param_V=\"2\"/>\n\t</TABLE>\n</FUEL>\n"));
    FuelFileContent c;
    c.model = QLatin1String(FuelFile::kModel);
    c.type = QStringLiteral("A1");
    c.nameElement = QStringLiteral("Name_A");
    c.rows = {{QStringLiteral("5"), QStringLiteral("0.50")}};
    QVERIFY(FuelFile::write(path, c));
    const QByteArray bytes = TestFiles::read(path);
    QCOMPARE(bytes, FuelFile::toBytes(c));
    QVERIFY(!bytes.contains("old"));
    QCOMPARE(FuelFile::read(path).content.rows.size(), 1);
}

void tst_FuelLogic::failedSaveSaysWhyAndKeepsTheOldFile()
{
    FuelFileContent c;
    c.model = QLatin1String(FuelFile::kModel);
    c.type = QStringLiteral("A1");
    QString error;
    // The parent is a file, not a folder.
    const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
    QVERIFY(TestFiles::write(blocker, "x"));
    QVERIFY(!FuelFile::write(blocker + QStringLiteral("/table.xml"), c, &error));
    QVERIFY(!error.isEmpty());
    // A folder in the way stays a folder.
    const QString folder = m_dir.filePath(QStringLiteral("folder.xml"));
    QVERIFY(QDir().mkpath(folder));
    error.clear();
    QVERIFY(!FuelFile::write(folder, c, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(folder).isDir());
}

void tst_FuelLogic::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("rows");

    const QByteArray head = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";
    QTest::newRow("empty file") << QByteArray() << int(FuelFile::Unreadable) << "" << "" << 0;
    QTest::newRow("not XML") << QByteArray("FUEL model=K-4810") << int(FuelFile::Unreadable) << "" << "" << 0;
    QTest::newRow("cut short") << QByteArray(head + "<FUEL model=\"K-4810\" type=\"A1\">\n\t<TABLE>")
                               << int(FuelFile::Unreadable) << "" << "" << 0;
    QTest::newRow("a settings file") << QByteArray(head + "<DEVICE model=\"K-4810\"/>\n")
                                     << int(FuelFile::NotCalibration) << "" << "" << 0;
    QTest::newRow("another model") << QByteArray(head + "<FUEL model=\"K-4811\" type=\"A1\"/>\n")
                                   << int(FuelFile::WrongModel) << "A1" << "" << 0;
    QTest::newRow("no model") << QByteArray(head + "<FUEL type=\"A1\"/>\n") << int(FuelFile::WrongModel) << "A1"
                              << "" << 0;
    QTest::newRow("Name_A in a D file")
        << QByteArray(head + "<FUEL model=\"K-4810\" type=\"D2\">\n\t<Name_A>front</Name_A>\n\t<TABLE>\n"
                             "\t\t<DATA param_U=\"1\" param_V=\"2\"/>\n\t</TABLE>\n</FUEL>\n")
        << int(FuelFile::Ok) << "D2" << "front" << 1;
    QTest::newRow("Name_A1 in an A file")
        << QByteArray(head + "<FUEL model=\"K-4810\" type=\"A1\">\n\t<Name_A1>rear</Name_A1>\n</FUEL>\n")
        << int(FuelFile::Ok) << "A1" << "rear" << 0;
    QTest::newRow("values as elements")
        << QByteArray(head + "<FUEL>\n\t<model>K-4810</model>\n\t<type>F1</type>\n\t<Name_A1>f</Name_A1>\n"
                             "\t<TABLE>\n\t\t<DATA>\n\t\t\t<param_U>3</param_U>\n\t\t\t<param_V>4</param_V>\n"
                             "\t\t</DATA>\n\t</TABLE>\n</FUEL>\n")
        << int(FuelFile::Ok) << "F1" << "f" << 1;
    QTest::newRow("other elements in the table are not rows")
        << QByteArray(head + "<FUEL model=\"K-4810\" type=\"RS-232\">\n\t<TABLE>\n\t\t<ROW param_U=\"1\"/>\n"
                             "\t\t<DATA param_U=\"1\" param_V=\"2\"/>\n\t</TABLE>\n</FUEL>\n")
        << int(FuelFile::Ok) << "RS-232" << "" << 1;
}

void tst_FuelLogic::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QFETCH(QString, type);
    QFETCH(QString, name);
    QFETCH(int, rows);
    const QString path = m_dir.filePath(QStringLiteral("read.xml"));
    QVERIFY(TestFiles::write(path, bytes));
    const FuelFile::ReadResult r = FuelFile::read(path);
    QCOMPARE(int(r.status), status);
    if (status == FuelFile::Unreadable || status == FuelFile::NotCalibration)
        QVERIFY(!r.error.isEmpty());
    QCOMPARE(r.content.type, type);
    QCOMPARE(r.content.sensorName, name);
    QCOMPARE(r.content.rows.size(), rows);
    // Reading leaves the file as it was.
    QCOMPARE(TestFiles::read(path), bytes);
    QCOMPARE(int(FuelFile::readBytes(bytes).status), status);
}

void tst_FuelLogic::missingFileIsNotCreated()
{
    const QString path = m_dir.filePath(QStringLiteral("nowhere.xml"));
    QCOMPARE(FuelFile::read(path).status, FuelFile::Missing);
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(FuelFile::read(m_dir.path()).status, FuelFile::Unreadable);
}

// ---------------------------------------------------------------------------
// Report

void tst_FuelLogic::reportLayout_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("pairs");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("inLastPair");
    QTest::newRow("0") << 0 << 3 << 15 << 0;
    QTest::newRow("1") << 1 << 1 << 1 << 1;
    QTest::newRow("15") << 15 << 1 << 15 << 15;
    QTest::newRow("16") << 16 << 2 << 15 << 1;
    QTest::newRow("30") << 30 << 2 << 15 << 15;
    QTest::newRow("31") << 31 << 3 << 15 << 1;
    QTest::newRow("75") << 75 << 5 << 15 << 15;
    QTest::newRow("76") << 76 << 4 << 19 << 19;
    QTest::newRow("77") << 77 << 4 << 20 << 17;
}

void tst_FuelLogic::reportLayout()
{
    QFETCH(int, count);
    QFETCH(int, pairs);
    QFETCH(int, rows);
    QFETCH(int, inLastPair);
    const FuelPoints points = rising(count);
    const QString html = FuelReport::html(QStringLiteral("D1"), QStringLiteral("Truck"), points, QDateTime());
    QCOMPARE(headerPairs(html), pairs);
    const QList<QStringList> cells = pointCells(html);
    QCOMPARE(cells.size(), rows);
    int filled = 0;
    int filledLast = 0;
    for (int r = 0; r < rows; ++r) {
        QCOMPARE(cells[r].size(), 2 * pairs);
        for (int p = 0; p < pairs; ++p) {
            const QString volume = cells[r][2 * p];
            if (volume == QLatin1String("&nbsp;")) {
                QCOMPARE(cells[r][2 * p + 1], QStringLiteral("&nbsp;"));
                continue;
            }
            ++filled;
            if (p == pairs - 1)
                ++filledLast;
            // Columns run down, then on to the next pair.
            const int i = count > 75 ? r + rows * p : r + 15 * p;
            QCOMPARE(volume, FuelReport::volumeText(points[i].volume));
            QCOMPARE(cells[r][2 * p + 1], FuelReport::readingText(points[i].reading, true));
        }
    }
    QCOMPARE(filled, count);
    QCOMPARE(filledLast, inLastPair);
    // The empty form keeps the first two pairs apart.
    QCOMPARE(html.count(QLatin1String("class=\"border\"")), count == 0 ? 2 * (15 + 1) : 0);
}

void tst_FuelLogic::reportValues_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<float>("reading");
    QTest::addColumn<QString>("text");
    QTest::newRow("D3 truncates") << "D3" << 1023.7f << "1023";
    QTest::newRow("D6 truncates toward zero") << "D6" << -3.9f << "-3";
    QTest::newRow("D1 no -0") << "D1" << -0.4f << "0";
    QTest::newRow("F1 two decimals") << "F1" << 1023.7f << "1023.70";
    QTest::newRow("A1 two decimals") << "A1" << 1023.7f << "1023.70";
    QTest::newRow("A1 volts") << "A1" << 4.125f << "4.13";
    QTest::newRow("RS-232 two decimals") << "RS-232" << 512.0f << "512.00";
}

void tst_FuelLogic::reportValues()
{
    QFETCH(QString, type);
    QFETCH(float, reading);
    QFETCH(QString, text);
    const QString html = FuelReport::html(type, QString(), FuelPoints{{12.25f, reading}}, QDateTime());
    const QList<QStringList> cells = pointCells(html);
    QCOMPARE(cells.size(), 1);
    QCOMPARE(cells[0], QStringList({QStringLiteral("12.3"), text}));
}

void tst_FuelLogic::reportHeadAndVehicle()
{
    const QDateTime printed(QDate(2026, 12, 4), QTime(6, 5, 9));
    const QString html = FuelReport::html(QStringLiteral("D1"), QStringLiteral("<Truck & 7>"), rising(3), printed);
    QVERIFY(html.startsWith(QLatin1String("<html><head><META http-equiv=\"Content-Type\" content=\"text/html; "
                                          "charset=cp-1251\">")));
    QVERIFY(html.endsWith(QLatin1String("</body></html>")));
    QVERIFY(html.contains(QLatin1String("<U>K4810_548 F-1.0</U>")));
    QVERIFY(html.contains(QLatin1String("<h2 width='90%' align=\"center\">K4810_549</h2>")));
    // The vehicle's name is text, not markup.
    QVERIFY(html.contains(QLatin1String("<td align=\"center\">K4810_550<b>&lt;Truck &amp; 7&gt;</b></td>")));
    QVERIFY(html.contains(QLatin1String("<td align=\"left\">04.12.2026 6:05:09</td>")));
    for (int key = 551; key <= 567; ++key)
        QVERIFY2(html.contains(QStringLiteral("K4810_%1").arg(key)), qPrintable(QString::number(key)));

    // Without a name the row stays, empty.
    const QString unnamed = FuelReport::html(QStringLiteral("D1"), QString(), rising(3), printed);
    QVERIFY(unnamed.contains(QLatin1String("cellpadding=5 align=\"center\"><tr></tr></table>")));
    QVERIFY(!unnamed.contains(QLatin1String("K4810_550")));
}

void tst_FuelLogic::reportWarnsWhereNotMonotonic()
{
    const QString fine = FuelReport::html(QStringLiteral("A1"), QString(), rising(5), QDateTime());
    QVERIFY(!fine.contains(QLatin1String("K4810_523")));
    QVERIFY(!fine.contains(QLatin1String("#FFD0D0")));
    FuelPoints dip = rising(5);
    dip[3].reading = 90; // below every earlier reading
    const QString warned = FuelReport::html(QStringLiteral("A1"), QString(), dip, QDateTime());
    QVERIFY(warned.contains(QLatin1String("K4810_523")));
    QCOMPARE(warned.count(QLatin1String("bgcolor=\"#FFD0D0\"")), 2); // both cells of the one point
    QVERIFY(warned.contains(QLatin1String("<td align=\"center\" bgcolor=\"#FFD0D0\">90.00</td>")));
}

// ---------------------------------------------------------------------------
// Stability

void tst_FuelLogic::stability_data()
{
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<int>("duration");
    QTest::addColumn<QList<QPointF>>("samples"); // time, value
    QTest::addColumn<bool>("stable");
    QTest::newRow("nothing yet") << 0.05 << 6000 << QList<QPointF>() << false;
    QTest::newRow("not long enough") << 0.05 << 6000 << QList<QPointF>{{0, 1}, {2000, 1}, {4000, 1}} << false;
    QTest::newRow("long enough") << 0.05 << 6000 << QList<QPointF>{{0, 1}, {2000, 1}, {4000, 1}, {6000, 1}} << true;
    QTest::newRow("within the tolerance")
        << 0.05 << 6000 << QList<QPointF>{{0, 1.00}, {2000, 1.03}, {4000, 0.98}, {6000, 1.02}} << true;
    QTest::newRow("tolerance reached exactly")
        << 0.05 << 6000 << QList<QPointF>{{0, 1.00}, {2000, 1.05}, {4000, 1.00}, {6000, 1.05}} << true;
    QTest::newRow("still rising")
        << 0.05 << 6000 << QList<QPointF>{{0, 1.0}, {2000, 1.1}, {4000, 1.2}, {6000, 1.3}, {8000, 1.4}} << false;
    QTest::newRow("settled after pouring")
        << 0.05 << 6000
        << QList<QPointF>{{0, 1.0}, {2000, 1.4}, {4000, 1.8}, {6000, 1.8}, {8000, 1.81}, {10000, 1.8}, {12000, 1.8}}
        << true;
    QTest::newRow("settled, not yet for long")
        << 0.05 << 6000 << QList<QPointF>{{0, 1.0}, {2000, 1.4}, {4000, 1.8}, {6000, 1.8}, {8000, 1.8}} << false;
    QTest::newRow("slow drift beyond the tolerance")
        << 0.05 << 6000 << QList<QPointF>{{0, 1.00}, {2000, 1.02}, {4000, 1.04}, {6000, 1.06}} << false;
    QTest::newRow("codes") << 10.0 << 4000 << QList<QPointF>{{0, 2000}, {2000, 2008}, {4000, 2003}} << true;
    QTest::newRow("no wait: any reading") << 0.0 << 0 << QList<QPointF>{{0, 7}} << true;
    QTest::newRow("clock went back") << 0.05 << 2000 << QList<QPointF>{{5000, 1}, {7000, 1}, {1000, 1}} << false;
}

void tst_FuelLogic::stability()
{
    QFETCH(double, tolerance);
    QFETCH(int, duration);
    QFETCH(QList<QPointF>, samples);
    QFETCH(bool, stable);
    FuelStability s;
    s.setTolerance(tolerance);
    s.setDuration(duration);
    for (const QPointF &p : samples)
        s.add(qint64(p.x()), p.y());
    QCOMPARE(s.isStable(), stable);
    if (!samples.isEmpty())
        QCOMPARE(*s.last(), samples.last().y());
    s.reset();
    QVERIFY(!s.isStable());
    QVERIFY(!s.last());
}

QTEST_GUILESS_MAIN(tst_FuelLogic)
#include "tst_fuellogic.moc"
