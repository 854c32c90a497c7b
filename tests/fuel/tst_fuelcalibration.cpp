// A tank calibrated as a technician does it in the stand-in host: the
// host's own core and simulated tracker on one side, the built plug-in
// (through its exports) on the other. The telemetry window opens the
// calibration window; fuel is poured in steps and each settled reading is
// captured with the volume; the table is saved, opened by the host in the
// fuel view and written out as PDF. Answers come later and inside send.

#include "host/pluginhost.h"
#include "host/simulator/services/fuel/fuelservice.h"
#include "host/simulator/services/telemetry/telemetryservice.h"
#include "host/simulator/simulatedtracker.h"
#include "tests/support/testfiles.h"
#include "tests/support/uiautomation.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace UiAutomation;

namespace {
constexpr uint32_t kTripEnd = 1767225600; // 2026-01-01 00:00:00 UTC
}

class tst_FuelCalibration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fuelServiceAnswers();
    void calibrate_data();
    void calibrate();
    void malformedAnswersStopPolling();
    void cleanupTestCase();

private:
    template<typename T = QWidget>
    T *child(QWidget *in, const QString &name) const
    {
        return in ? in->findChild<T *>(name) : nullptr;
    }
    QWidget *openCalibration();
    QString reading(const QString &code) const { return child<QLineEdit>(m_window, "LineEdit_Volt_" + code)->text(); }
    // Waits for the reading to change from `from` and settle, then captures it.
    bool capture(const QString &code, const QString &volume, const QString &from, QString *captured);

    QTemporaryDir m_dir;
    std::unique_ptr<PluginHost> m_host;
    std::unique_ptr<SimulatedTracker> m_tracker;
    FuelService *m_fuel = nullptr;
    qint64 m_fuelClock = 0;
    QWidget *m_tmi = nullptr;
    QWidget *m_window = nullptr;
};

void tst_FuelCalibration::initTestCase()
{
    m_host = std::make_unique<PluginHost>();
    QVERIFY2(m_host->load(qEnvironmentVariable("K4810_PLUGIN")), qPrintable(m_host->errorString()));
    m_host->sendEnvironment({m_dir.path() + QLatin1Char('/'), m_dir.path() + QLatin1Char('/'), QString(), QString()}, 0);
    m_tracker = std::make_unique<SimulatedTracker>(m_host.get());
    m_tracker->addStandardServices();
    auto *telemetry = m_tracker->service<TelemetryService>();
    QVERIFY(telemetry);
    telemetry->setRecording(false);
    telemetry->setTrip(300, kTripEnd);
    m_fuel = m_tracker->service<FuelService>();
    QVERIFY(m_fuel);
    m_fuel->setClock([this] { return m_fuelClock; });
    m_tracker->attach();

    const QString settings = m_dir.filePath(QStringLiteral("settings.xml"));
    QVERIFY(TestFiles::write(settings, "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE model=\"K-4810\">\n"
                                       "\t<TRANSFER page=\"TRANSFER\">\n\t\t<objectName>Tanker 12</objectName>\n"
                                       "\t</TRANSFER>\n</DEVICE>\n"));
    m_host->deliverText(2019, settings, 0);
    m_tmi = topLevel(QStringLiteral("orv_FormTmi_K4810"));
    QVERIFY(m_tmi && m_tmi->isVisible());
}

void tst_FuelCalibration::cleanupTestCase()
{
    m_host->unload();
}

void tst_FuelCalibration::fuelServiceAnswers()
{
    // A drained tank, then 5 % in 10 seconds and 20 seconds to settle.
    const QByteArray empty = FuelService::answer(0.0, 1);
    QCOMPARE(empty.size(), 42);
    QVERIFY(empty.startsWith("*#FUEL_UN"));
    QCOMPARE(int(empty[9]), 31);
    auto u16 = [](const QByteArray &a, int at) { return int(quint8(a[at])) | (int(quint8(a[at + 1])) << 8); };
    const QByteArray full = FuelService::answer(1.0, 1);
    QVERIFY(u16(full, 15) > u16(empty, 15) + 8000);  // A1, millivolts
    QVERIFY(u16(full, 11) > u16(empty, 11));         // F1
    QVERIFY(u16(full, 25) > u16(empty, 25) + 3000);  // D1
    QVERIFY(u16(full, 25) <= 4095 && u16(full, 28) <= 4095);
    QCOMPARE(u16(full, 31), 0);                      // D3 is not fitted

    SimulatedTracker &t = *m_tracker;
    m_fuelClock = 1000000;
    QCOMPARE(m_fuel->level(t), 0.0);
    m_fuelClock += 5000;
    QCOMPARE(m_fuel->level(t), 0.025);
    m_fuelClock += 5000;
    QCOMPARE(m_fuel->level(t), 0.05);
    m_fuelClock += 15000;
    QCOMPARE(m_fuel->level(t), 0.05); // settling
    m_fuelClock += 15000;
    QCOMPARE(m_fuel->level(t), 0.1);
    m_fuelClock += 50000; // three pours in 90 seconds
    QCOMPARE(m_fuel->level(t), 0.15);
    m_fuelClock += 60000; // a pause: a new calibration from a drained tank
    QCOMPARE(m_fuel->level(t), 0.0);
    m_fuel->setPouring(false);
    const double trip = m_tracker->service<TelemetryService>()->trip().tankAt(300);
    QCOMPARE(m_fuel->level(t), trip);
    m_fuel->setPouring(true);
}

QWidget *tst_FuelCalibration::openCalibration()
{
    auto *button = child<QAbstractButton>(m_tmi, QStringLiteral("Btn_FuelSensor"));
    if (!button)
        return nullptr;
    button->click();
    m_window = child(m_tmi, QStringLiteral("ORV_FormFuelSensor"));
    return m_window;
}

bool tst_FuelCalibration::capture(const QString &code, const QString &volume, const QString &from, QString *captured)
{
    auto *button = child<QAbstractButton>(m_window, QStringLiteral("Btn_Capture_") + code);
    child<QLineEdit>(m_window, QStringLiteral("LineEdit_Volume_") + code)->setText(volume);
    // The level moves, then holds for the set time.
    if (!QTest::qWaitFor([&] { return reading(code) != from; }, 15000))
        return false;
    if (!QTest::qWaitFor([&] { return button->isEnabled(); }, 15000))
        return false;
    *captured = reading(code);
    button->click();
    return true;
}

void tst_FuelCalibration::calibrate_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::newRow("answers later") << false;
    QTest::newRow("answers inside send") << true;
}

void tst_FuelCalibration::calibrate()
{
    QFETCH(bool, insideSend);
    m_tracker->setAnswerMode(insideSend ? PluginHost::AnswerMode::InsideSend : PluginHost::AnswerMode::Async);
    m_fuelClock += 3600000; // a new calibration
    QVERIFY(openCalibration());
    QVERIFY(m_window->isVisible());
    QCOMPARE(child<QLineEdit>(m_window, QStringLiteral("lineEdit_ObjectName"))->text(), QStringLiteral("Tanker 12"));
    QTRY_VERIFY(!reading(QStringLiteral("A1")).isEmpty());
    QCOMPARE(reading(QStringLiteral("D3")), QStringLiteral("0"));
    // Settled after 2 seconds, for the test.
    child<QSpinBox>(m_window, QStringLiteral("spinBox_Time_A1"))->setValue(2);

    // The drained tank, then two pours of 20 l.
    QString r0, r1, r2;
    QVERIFY(capture(QStringLiteral("A1"), QStringLiteral("0"), QString(), &r0));
    m_fuelClock += 30000;
    QVERIFY(capture(QStringLiteral("A1"), QStringLiteral("20"), r0, &r1));
    m_fuelClock += 30000;
    QVERIFY(capture(QStringLiteral("A1"), QStringLiteral("40"), r1, &r2));
    QVERIFY2(r0.toDouble() < r1.toDouble() && r1.toDouble() < r2.toDouble(), qPrintable(r0 + ' ' + r1 + ' ' + r2));
    auto *table = child<QTableView>(m_window, QStringLiteral("Table_A1"));
    QAbstractItemModel *model = table->model();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->index(2, 0).data().toString(), QStringLiteral("40"));
    QCOMPARE(model->index(2, 1).data().toString(), r2);

    // Saved as the proposed file in the data folder.
    const QString path = m_dir.filePath(QStringLiteral("A1 %1.xml").arg(insideSend));
    answerNextFileDialog(path);
    child<QAbstractButton>(m_window, QStringLiteral("Btn_Save_Xml"))->click();
    QTRY_VERIFY(QFileInfo::exists(path));
    const QByteArray bytes = TestFiles::read(path);
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<FUEL model=\"K-4810\" type=\"A1\">"));
    QVERIFY(bytes.contains("<objName>Tanker 12</objName>"));
    QVERIFY(bytes.contains("<imei>" + m_tracker->identification().toLatin1() + "</imei>"));
    QVERIFY(bytes.contains("<DATA param_U=\"40\" param_V=\"" + r2.toLatin1() + "\"/>"));
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (!xmllint.isEmpty()) {
        QProcess lint;
        lint.start(xmllint, {QStringLiteral("--noout"), path});
        QVERIFY(lint.waitForFinished(30000));
        QCOMPARE(lint.exitCode(), 0);
    }

    // Closed with everything saved: no question.
    child<QAbstractButton>(m_window, QStringLiteral("Btn_Exit"))->click();
    QVERIFY(!m_window->isVisible());

    // The host opens the file in the fuel view.
    m_host->deliverText(2067, path);
    QWidget *view = topLevel(QStringLiteral("ORV_FormFuelView"));
    QVERIFY(view && view->isVisible());
    QAbstractItemModel *viewModel = child<QTableView>(view, QStringLiteral("Table"))->model();
    QCOMPARE(viewModel->rowCount(), 3);
    QCOMPARE(viewModel->index(1, 1).data().toString(), r1);

    // Its report, as PDF.
    child<QAbstractButton>(view, QStringLiteral("Btn_Print"))->click();
    QWidget *report = child(view, QStringLiteral("ORV_FormReportFuel"));
    QVERIFY(report && report->isVisible());
    const QString pdf = m_dir.filePath(QStringLiteral("report %1.pdf").arg(insideSend));
    answerNextFileDialog(pdf);
    child<QAbstractButton>(report, QStringLiteral("pushButton_Pdf"))->click();
    QTRY_VERIFY(QFileInfo(pdf).size() > 1000);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (!pdftotext.isEmpty()) {
        QProcess p;
        p.start(pdftotext, {pdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(text.contains(QLatin1String("Tanker 12")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("40.0")));
        QVERIFY(text.contains(QString::number(r2.toDouble(), 'f', 2)));
    }
    child<QAbstractButton>(view, QStringLiteral("Btn_Exit"))->click();
    QVERIFY(!view->isVisible());
}

void tst_FuelCalibration::malformedAnswersStopPolling()
{
    m_tracker->setAnswerMode(PluginHost::AnswerMode::Async);
    QVERIFY(openCalibration());
    QTRY_VERIFY(!reading(QStringLiteral("D1")).isEmpty());
    m_fuel->setMalformed(true);
    m_fuelClock += 30000;
    // The next answer is dropped and no request follows it.
    QTest::qWait(4500);
    const QString frozen = reading(QStringLiteral("D1"));
    m_fuelClock += 30000;
    QTest::qWait(2500);
    QCOMPARE(reading(QStringLiteral("D1")), frozen);
    // Opened again, it reads again.
    m_fuel->setMalformed(false);
    QVERIFY(openCalibration());
    QTRY_VERIFY2(reading(QStringLiteral("D1")) != frozen, qPrintable(frozen));

    // The tracker goes away: the window closes (nothing unsaved, nothing asked).
    m_tracker->detach();
    QTRY_VERIFY(!m_window->isVisible());
    QVERIFY(!m_tmi->isVisible());
}

QTEST_MAIN(tst_FuelCalibration)
#include "tst_fuelcalibration.moc"
