// Interval downloads from the simulated tracker, as a technician runs them
// in the stand-in host: the host's own core and simulator on one side, the
// built plug-in (through its exports) on the other. A thousand pages into
// each file, the tracker answering later and inside send; each file read
// by a reader the plug-in did not write.

#include "host/pluginhost.h"
#include "tests/support/uiautomation.h"
#include "host/simulator/services/telemetry/telemetryservice.h"
#include "host/simulator/simulatedtracker.h"
#include "tests/support/testfiles.h"
#include "tests/support/tmifilereader.h"

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

using namespace UiAutomation;

namespace {

constexpr uint32_t kTripEnd = 1767225600; // 2026-01-01 00:00:00 UTC
constexpr int kStored = 1100;
constexpr int kFirst = 51;
constexpr int kLast = 1050;

QDateTime wallClock(uint32_t seconds)
{
    const QDateTime utc = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
    return QDateTime(utc.date(), utc.time());
}

} // namespace

class tst_TripDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void download_data();
    void download();
    void cleanupTestCase();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PluginHost> m_host;
    std::unique_ptr<SimulatedTracker> m_tracker;
    TelemetryService *m_telemetry = nullptr;
    QWidget *m_window = nullptr;

    template<typename T>
    T *child(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }
    void checkKml(const QString &path);
    void checkTmi(const QString &path, bool secondGeneration);
};

void tst_TripDownload::initTestCase()
{
    m_host = std::make_unique<PluginHost>();
    QVERIFY2(m_host->load(qEnvironmentVariable("K4810_PLUGIN")), qPrintable(m_host->errorString()));
    m_host->sendEnvironment({m_dir.path() + QLatin1Char('/'), m_dir.path() + QLatin1Char('/'), QString(), QString()}, 0);
    m_tracker = std::make_unique<SimulatedTracker>(m_host.get());
    m_tracker->addStandardServices();
    m_telemetry = m_tracker->service<TelemetryService>();
    QVERIFY(m_telemetry);
    m_telemetry->setRecording(false);
    m_telemetry->setTrip(kStored, kTripEnd);
    m_tracker->attach();

    // Time zone 0: the date fields read as tracker time.
    const QString settings = m_dir.filePath(QStringLiteral("settings.xml"));
    QVERIFY(TestFiles::write(settings, "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE model=\"K-4810\">\n"
                                       "\t<SYSTEM>\n\t\t<timeZone>0</timeZone>\n\t</SYSTEM>\n</DEVICE>\n"));
    m_host->deliverText(2019, settings, 0);
    m_window = topLevel(QStringLiteral("orv_FormTmi_K4810"));
    QVERIFY(m_window && m_window->isVisible());
}

void tst_TripDownload::download_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("insideSend");
    QTest::addColumn<bool>("secondGeneration");
    for (const char *o : {"kml", "xml", "tmi", "csv"}) {
        QTest::addRow("%s, answers later", o) << QString::fromLatin1(o) << false << false;
        QTest::addRow("%s, answers inside send", o) << QString::fromLatin1(o) << true << false;
    }
    QTest::newRow("tmi of second-generation pages") << QStringLiteral("tmi") << true << true;
    QTest::newRow("kml of second-generation pages") << QStringLiteral("kml") << false << true;
}

void tst_TripDownload::download()
{
    QFETCH(QString, output);
    QFETCH(bool, insideSend);
    QFETCH(bool, secondGeneration);
    m_tracker->setAnswerMode(insideSend ? PluginHost::AnswerMode::InsideSend : PluginHost::AnswerMode::Async);
    m_telemetry->setSecondGeneration(secondGeneration);
    const TripGenerator &trip = m_telemetry->trip();
    child<QDateTimeEdit>("dateTimeEdit_First")->setDateTime(wallClock(trip.timeOf(kFirst) - 5));
    child<QDateTimeEdit>("dateTimeEdit_Last")->setDateTime(wallClock(trip.timeOf(kLast)));

    const QString path = m_dir.filePath(QStringLiteral("trip %1 %2 %3.%4")
                                            .arg(QTest::currentDataTag()).arg(insideSend).arg(secondGeneration)
                                            .arg(output));
    answerNextFileDialog(path);
    if (output == QLatin1String("kml"))
        child<QAction>("Menu_Google")->trigger();
    else if (output == QLatin1String("xml"))
        emit child<QAbstractButton>("BtnSaveToFile")->pressed();
    else if (output == QLatin1String("tmi"))
        emit child<QAbstractButton>("BtnSaveFileToServer")->pressed();
    else
        emit child<QAbstractButton>("BtnSaveToExcel")->pressed();

    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path) && child<QLabel>("label_Status")->text() == QLatin1String("K4810_651"),
                             60000);
    QTRY_VERIFY(child<QAbstractButton>("BtnSaveToFile")->isEnabled());
    QCOMPARE(child<QLabel>("label_Packet_End")->text(), QString::number(kLast));

    if (output == QLatin1String("kml")) {
        checkKml(path);
    } else if (output == QLatin1String("tmi")) {
        checkTmi(path, secondGeneration);
    } else if (output == QLatin1String("xml")) {
        const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
        if (xmllint.isEmpty())
            QSKIP("xmllint is not installed");
        QProcess lint;
        lint.start(xmllint, {QStringLiteral("--noout"), path});
        QVERIFY(lint.waitForFinished(60000));
        QVERIFY2(lint.exitCode() == 0, lint.readAllStandardError().left(2000).constData());
        QCOMPARE(TestFiles::read(path).count("<Page "), kLast - kFirst + 1);
    } else {
        const QList<QByteArray> rows = TestFiles::read(path).split('\n');
        QCOMPARE(rows.size(), 1 + (kLast - kFirst + 1) + 1);
        QCOMPARE(rows[1].left(rows[1].indexOf(';')).toInt(), kFirst);
        QCOMPARE(rows[kLast - kFirst + 1].left(rows[kLast - kFirst + 1].indexOf(';')).toInt(), kLast);
    }
}

void tst_TripDownload::checkKml(const QString &path)
{
    const QString gpsbabel = QStandardPaths::findExecutable(QStringLiteral("gpsbabel"));
    if (gpsbabel.isEmpty())
        QSKIP("gpsbabel is not installed");
    QProcess babel;
    babel.start(gpsbabel, {QStringLiteral("-t"), QStringLiteral("-i"), QStringLiteral("kml"), QStringLiteral("-f"), path,
                           QStringLiteral("-o"), QStringLiteral("unicsv"), QStringLiteral("-F"), QStringLiteral("-")});
    QVERIFY(babel.waitForFinished(60000));
    QCOMPARE(babel.exitCode(), 0);
    QList<QByteArray> lines = babel.readAllStandardOutput().split('\n');
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    QVERIFY(!lines.isEmpty());
    const QList<QByteArray> header = lines.takeFirst().trimmed().split(',');
    const int lat = int(header.indexOf("Latitude"));
    const int lon = int(header.indexOf("Longitude"));
    QVERIFY(lat >= 0 && lon >= 0);
    QCOMPARE(lines.size(), kLast - kFirst + 1);
    for (int i = 0; i < lines.size(); ++i) {
        const QList<QByteArray> f = lines[i].trimmed().split(',');
        const TripPage p = m_telemetry->trip().page(kFirst + i);
        QVERIFY2(qAbs(f.value(lat).toDouble() - p.latitude / 600000.0) < 1e-6, lines[i].constData());
        QVERIFY2(qAbs(f.value(lon).toDouble() - p.longitude / 600000.0) < 1e-6, lines[i].constData());
    }
}

void tst_TripDownload::checkTmi(const QString &path, bool secondGeneration)
{
    const TmiFile tmi(TestFiles::read(path));
    QVERIFY2(tmi.error.isEmpty(), qPrintable(tmi.error));
    QCOMPARE(tmi.model, QByteArray("K-4810"));
    QVERIFY(tmi.headerCrcGood);
    QVERIFY(tmi.recordCrcGood);
    QCOMPARE(int(tmi.count), kLast - kFirst + 1);
    QCOMPARE(tmi.records.size(), kLast - kFirst + 1);
    const TripGenerator &trip = m_telemetry->trip();
    QCOMPARE(tmi.firstTime, trip.timeOf(kFirst));
    QCOMPARE(tmi.lastTime, trip.timeOf(kLast));
    QCOMPARE(tmi.identifier, scrambled(m_tracker->identification().toLatin1(), tmi.firstTime));
    for (int i = 0; i < tmi.records.size(); ++i) {
        if (secondGeneration) {
            // Second-generation pages are stored exactly as the tracker sent them.
            QCOMPARE(tmi.records[i], m_telemetry->record(kFirst + i));
        } else {
            QCOMPARE(quint8(tmi.records[i][1]), quint8(10));
            QCOMPARE(get32(tmi.records[i], 34), uint32_t(kFirst + i));
        }
    }
}

void tst_TripDownload::cleanupTestCase()
{
    m_tracker.reset();
    m_host->unload();
}

QTEST_MAIN(tst_TripDownload)
#include "tst_tripdownload.moc"
