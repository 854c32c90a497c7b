// Interval downloads end to end, through the plug-in's exports: a small
// host of the suite's own holds a tracker's memory of a thousand pages along
// a route (mostly F8, some F6) and answers the telemetry window's requests,
// later or from inside send. Each of the four files is then read by a
// reader the plug-in did not write: gpsbabel for the track, xmllint for the
// text file, and a reader of the .tmi layout written here.

#include "host/pluginlibrary.h"
#include "tests/support/uiautomation.h"
#include "tests/support/testfiles.h"
#include "tests/support/tmifilereader.h"
#include "tests/tmiwindow/tmitestpages.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDateTimeEdit>
#include <QFileDialog>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

#include <array>
#include <map>

using namespace UiAutomation;

namespace {

constexpr quint32 kStartTime = 1717236000; // 2024-06-01 10:00:00, tracker time
constexpr quint32 kFirstStored = 5000;
constexpr int kStored = 1100;
const char *const kIdentifier = "354810061234567";

struct HostState
{
    PluginLibrary *plugin = nullptr;
    uint32_t handle = 0;
    bool answerInsideSend = false;
    std::map<quint32, TestPages::Point> pages;
    int requests = 0;
};

HostState g_host;

void deliver(uint32_t msgId, const QByteArray &payload)
{
    auto send = [msgId, payload] {
        g_host.plugin->receiveMessage(g_host.handle, msgId, reinterpret_cast<intptr_t>(payload.constData()),
                                      payload.size());
    };
    if (g_host.answerInsideSend)
        send();
    else
        QTimer::singleShot(0, send);
}

const TestPages::Point &pageAtOrAfter(qint64 seconds)
{
    for (const auto &[number, p] : g_host.pages) {
        if (p.time >= seconds)
            return p;
    }
    return g_host.pages.rbegin()->second;
}

const TestPages::Point &nearestPage(quint32 number)
{
    if (number < g_host.pages.begin()->first)
        return g_host.pages.begin()->second;
    auto it = g_host.pages.lower_bound(number);
    return it == g_host.pages.end() ? g_host.pages.rbegin()->second : it->second;
}

int32_t callback(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t p2)
{
    if (target != g_host.handle)
        return 0;
    ++g_host.requests;
    switch (msgId) {
    case 2060: // an event's name, written in place
        *reinterpret_cast<QString *>(p2) = QStringLiteral("Event %1 & co").arg(p1);
        break;
    case 2015: // the first page at or after a time: 13-byte prefix
    case 2016: {
        const qint64 seconds = reinterpret_cast<const QDateTime *>(p1)->toSecsSinceEpoch();
        deliver(2024, TestPages::payload(TestPages::record(pageAtOrAfter(seconds)), 13));
        break;
    }
    case 2014: // a page by number, the nearest beyond the stored range: 3-byte prefix
        deliver(2024, TestPages::payload(TestPages::record(nearestPage(*reinterpret_cast<const quint32 *>(p1))), 3));
        break;
    default:
        break;
    }
    return 0;
}

intptr_t addr(const void *p)
{
    return reinterpret_cast<intptr_t>(p);
}

QString tool(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

} // namespace

class tst_TmiDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void download_data();
    void download();
    void cleanupTestCase();

private:
    PluginLibrary m_plugin;
    QTemporaryDir m_dir;
    QWidget *m_window = nullptr;
    QList<TestPages::Point> m_interval; // the pages a download of the interval must hold

    void deliverMessage(uint32_t msgId, intptr_t p1 = 0, intptr_t p2 = 0)
    {
        m_plugin.receiveMessage(g_host.handle, msgId, p1, p2);
    }
    template<typename T>
    T *child(const char *name) const
    {
        return m_window ? m_window->findChild<T *>(QLatin1String(name)) : nullptr;
    }
    void checkKml(const QString &path);
    void checkXml(const QString &path);
    void checkTmi(const QString &path);
    void checkTable(const QString &path);
};

void tst_TmiDownload::initTestCase()
{
    QVERIFY2(m_plugin.load(qEnvironmentVariable("K4810_PLUGIN")), qPrintable(m_plugin.errorString()));
    g_host.plugin = &m_plugin;
    g_host.handle = PluginLibrary::infoHandle(m_plugin.libraryInfo());
    m_plugin.initialize(callback);
    for (const TestPages::Point &p : TestPages::route(kStored, kStartTime, kFirstStored))
        g_host.pages[p.number] = p;
    // The interval: pages 5050 .. 6049, a thousand of them.
    for (const TestPages::Point &p : TestPages::route(kStored, kStartTime, kFirstStored)) {
        if (p.number >= kFirstStored + 50 && p.number < kFirstStored + 1050)
            m_interval << p;
    }

    const QString paths[4] = {m_dir.path(), m_dir.path(), QString(), QString()};
    deliverMessage(2049, addr(paths));
    const QString model = QStringLiteral("K-4810");
    const QString id = QLatin1String(kIdentifier);
    deliverMessage(2039, addr(&model), addr(&id));
    // Captions with the characters the text file escapes; zone 0, so the
    // date-time fields read as tracker time.
    const QString settings = m_dir.filePath(QStringLiteral("settings.xml"));
    QVERIFY(TestFiles::write(settings, "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE model=\"K-4810\">\n"
                                       "\t<SENSORS>\n\t\t<nicknameIN1>Door &amp; hatch</nicknameIN1>\n\t</SENSORS>\n"
                                       "\t<SYSTEM>\n\t\t<timeZone>0</timeZone>\n\t</SYSTEM>\n</DEVICE>\n"));
    deliverMessage(2019, addr(&settings), 0);
    m_window = topLevel(QStringLiteral("orv_FormTmi_K4810"));
    QVERIFY(m_window && m_window->isVisible());
}

void tst_TmiDownload::download_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("insideSend");
    const char *outputs[] = {"kml", "xml", "tmi", "csv"};
    for (const char *o : outputs) {
        QTest::addRow("%s, answers later", o) << QString::fromLatin1(o) << false;
        QTest::addRow("%s, answers inside send", o) << QString::fromLatin1(o) << true;
    }
}

void tst_TmiDownload::download()
{
    QFETCH(QString, output);
    QFETCH(bool, insideSend);
    g_host.answerInsideSend = insideSend;

    auto wallClock = [](quint32 seconds) {
        const QDateTime utc = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
        return QDateTime(utc.date(), utc.time());
    };
    child<QDateTimeEdit>("dateTimeEdit_First")->setDateTime(wallClock(m_interval.first().time - 10));
    child<QDateTimeEdit>("dateTimeEdit_Last")->setDateTime(wallClock(m_interval.last().time));

    const QString path = m_dir.filePath(QStringLiteral("download %1 %2.%3")
                                            .arg(output, insideSend ? QStringLiteral("inside") : QStringLiteral("later"),
                                                 output));
    answerNextFileDialog(path);
    if (output == QLatin1String("kml"))
        child<QAction>("Menu_Google")->trigger();
    else if (output == QLatin1String("xml"))
        emit child<QAbstractButton>("BtnSaveToFile")->pressed();
    else if (output == QLatin1String("tmi"))
        emit child<QAbstractButton>("BtnSaveFileToServer")->pressed();
    else
        emit child<QAbstractButton>("BtnSaveToExcel")->pressed();

    auto *status = child<QLabel>("label_Status");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path) && status->text() == QLatin1String("K4810_651"), 60000);
    QTRY_VERIFY(child<QAbstractButton>("BtnSaveToFile")->isEnabled());
    QCOMPARE(child<QLabel>("label_Packet_End")->text(), QString::number(m_interval.last().number));

    if (output == QLatin1String("kml"))
        checkKml(path);
    else if (output == QLatin1String("xml"))
        checkXml(path);
    else if (output == QLatin1String("tmi"))
        checkTmi(path);
    else
        checkTable(path);
}

void tst_TmiDownload::checkKml(const QString &path)
{
    if (tool(QStringLiteral("gpsbabel")).isEmpty())
        QSKIP("gpsbabel is not installed");
    QProcess babel;
    babel.start(tool(QStringLiteral("gpsbabel")),
                {QStringLiteral("-i"), QStringLiteral("kml"), QStringLiteral("-f"), path, QStringLiteral("-o"),
                 QStringLiteral("gpx"), QStringLiteral("-F"), QStringLiteral("-")});
    QVERIFY(babel.waitForFinished(60000));
    QVERIFY2(babel.exitCode() == 0, babel.readAllStandardError().constData());
    QXmlStreamReader gpx(babel.readAllStandardOutput());
    QList<std::array<double, 3>> points;
    std::array<double, 3> point{};
    while (!gpx.atEnd()) {
        gpx.readNext();
        if (gpx.isStartElement() && gpx.name() == QLatin1String("trkpt")) {
            point = {gpx.attributes().value(QLatin1String("lat")).toDouble(),
                     gpx.attributes().value(QLatin1String("lon")).toDouble(), 0.0};
        } else if (gpx.isStartElement() && gpx.name() == QLatin1String("ele")) {
            point[2] = gpx.readElementText().toDouble();
        } else if (gpx.isEndElement() && gpx.name() == QLatin1String("trkpt")) {
            points << point;
        }
    }
    QVERIFY2(!gpx.hasError(), qPrintable(gpx.errorString()));
    QCOMPARE(points.size(), m_interval.size());
    for (int i = 0; i < points.size(); ++i) {
        const TestPages::Point &p = m_interval.at(i);
        // gpsbabel writes nine decimals.
        QVERIFY2(std::fabs(points[i][0] - p.latitude / 600000.0) < 2e-9, qPrintable(QString::number(i)));
        QVERIFY2(std::fabs(points[i][1] - p.longitude / 600000.0) < 2e-9, qPrintable(QString::number(i)));
        QCOMPARE(points[i][2], double(p.altitude));
    }
}

void tst_TmiDownload::checkXml(const QString &path)
{
    if (tool(QStringLiteral("xmllint")).isEmpty())
        QSKIP("xmllint is not installed");
    QProcess lint;
    lint.start(tool(QStringLiteral("xmllint")), {QStringLiteral("--noout"), path});
    QVERIFY(lint.waitForFinished(60000));
    QVERIFY2(lint.exitCode() == 0, lint.readAllStandardError().left(2000).constData());

    // The pages, in order, as an XML reader sees them.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QList<quint32> numbers;
    QStringList names;
    QString countPage;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("number"))
            numbers << xml.attributes().value(QLatin1String("Value")).toUInt();
        else if (xml.name() == QLatin1String("name"))
            names << xml.readElementText();
        else if (xml.name() == QLatin1String("countPage"))
            countPage = xml.attributes().value(QLatin1String("Value")).toString();
        else if (xml.name() == QLatin1String("nameI1"))
            QCOMPARE(xml.attributes().value(QLatin1String("Value")).toString(), QStringLiteral("Door\u00A0&\u00A0hatch"));
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(countPage, QString::number(m_interval.size()));
    QCOMPARE(numbers.size(), m_interval.size());
    for (int i = 0; i < numbers.size(); ++i)
        QCOMPARE(numbers[i], m_interval[i].number);
    QCOMPARE(names.value(0), QStringLiteral("Event %1 & co").arg(m_interval[0].code));
}

void tst_TmiDownload::checkTmi(const QString &path)
{
    const TmiFile tmi(TestFiles::read(path));
    QVERIFY2(tmi.error.isEmpty(), qPrintable(tmi.error));
    QCOMPARE(tmi.version, quint16(1));
    QCOMPARE(tmi.headerSize, quint16(128));
    QCOMPARE(tmi.one, quint8(1));
    QCOMPARE(tmi.model, QByteArray("K-4810"));
    QVERIFY(tmi.headerCrcGood);
    QVERIFY(tmi.recordCrcGood);
    QCOMPARE(int(tmi.count), m_interval.size());
    QCOMPARE(tmi.records.size(), m_interval.size());
    QCOMPARE(tmi.firstTime, m_interval.first().time);
    QCOMPARE(tmi.lastTime, m_interval.last().time);
    QCOMPARE(tmi.identifier, scrambled(kIdentifier, tmi.firstTime));
    const QByteArray mask = QByteArray::fromHex("FBFFFE0AFFFF0FFFB8") + QByteArray(23, '\0');
    for (int i = 0; i < tmi.records.size(); ++i) {
        const QByteArray &r = tmi.records[i];
        QCOMPARE(r.size(), 34 + 127);
        QCOMPARE(quint8(r[0]), quint8(0xB0));
        QCOMPARE(quint8(r[1]), quint8(10));
        QCOMPARE(r.mid(2, 32), mask);
        // Fields in mask order: NumPage, Code, Time, ... Latitude at 4+2+4+1+1+1+1+4 = 18 after State..LastTime.
        const QByteArray fields = r.mid(34);
        QCOMPARE(TestPages::get32(fields, 0), m_interval[i].number);
        QCOMPARE(TestPages::get16(fields, 4), m_interval[i].code);
        QCOMPARE(TestPages::get32(fields, 6), m_interval[i].time);
        QCOMPARE(qint32(TestPages::get32(fields, 18)), m_interval[i].latitude);
        QCOMPARE(qint32(TestPages::get32(fields, 22)), m_interval[i].longitude);
    }
}

void tst_TmiDownload::checkTable(const QString &path)
{
    const QList<QByteArray> rows = TestFiles::read(path).split('\n');
    QCOMPARE(rows.size(), 1 + m_interval.size() + 1);
    for (int i = 0; i < m_interval.size(); ++i) {
        const QByteArray row = rows[1 + i];
        QVERIFY(row.endsWith('\r'));
        QCOMPARE(row.left(row.indexOf(';')).toUInt(), m_interval[i].number);
        QCOMPARE(row.count(';'), 55);
    }
}

void tst_TmiDownload::cleanupTestCase()
{
    m_plugin.unload();
}

QTEST_MAIN(tst_TmiDownload)
#include "tst_tmidownload.moc"
