// The Track, System and Sensors pages with the simulated tracker, through
// the plug-in's exports: the tracker's configuration read into the pages,
// changed, written and read back; the live exchanges of the pages (2053 ->
// 2054 voltages, 2076 -> 2077 and 2054 inputs and fuel levels, 2078 -> 2079
// engine detection), with the host answering later and inside the send.
//
// With K4810_SCREENSHOT_DIR set, each page is also grabbed there in
// English, in an editor of 1366 x 768.

#include "host/hosttranslator.h"
#include "host/pluginhost.h"
#include "host/simulator/services/settings/settingsservice.h"
#include "host/simulator/simulatedtracker.h"
#include "tests/support/trackersession.h"
#include "tests/support/uiautomation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace UiAutomation;

namespace {

template <typename T>
T *child(QWidget *editor, const char *page, const char *name)
{
    QWidget *p = editor ? editor->findChild<QWidget *>(QLatin1String(page)) : nullptr;
    return p ? p->findChild<T *>(QLatin1String(name)) : nullptr;
}

void showPage(QWidget *editor, const char *page)
{
    auto *tabs = editor->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QWidget *p = editor->findChild<QWidget *>(QLatin1String(page));
    for (int i = 0; tabs && p && i < tabs->count(); ++i) {
        if (tabs->widget(i)->isAncestorOf(p))
            tabs->setCurrentIndex(i);
    }
}

const QRegularExpression kVolts(QStringLiteral("^\\d{1,2}\\.\\d\\d$"));

} // namespace

class tst_SystemPagesExchange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void pagesShowTheTrackersConfiguration();
    void changesWrittenAndReadBack_data();
    void changesWrittenAndReadBack();
    void supplyVoltages_data();
    void supplyVoltages();
    void inputsAndFuelLevels_data();
    void inputsAndFuelLevels();
    void engineDetection_data();
    void engineDetection();
    void screenshots();
    void cleanupTestCase();

private:
    TrackerSession m_session;
    HostTranslator m_translator;
    QString m_screenshots;
    QList<uint32_t> m_requests;
    QWidget *readSettings();
    int requestsOf(uint32_t msgId) const { return int(m_requests.count(msgId)); }
    void answerMode_data();
};

void tst_SystemPagesExchange::initTestCase()
{
    m_screenshots = qEnvironmentVariable("K4810_SCREENSHOT_DIR");
    if (!m_screenshots.isEmpty()) {
        // The windows are made in English, as the host shows them.
        QVERIFY(m_translator.loadFolder(QStringLiteral(K4810_BINARY_DIR "/host")));
        QCoreApplication::installTranslator(&m_translator);
    }
    QString error;
    QVERIFY2(m_session.start(&error), qPrintable(error));
    connect(m_session.host.get(), &PluginHost::messageLogged, this, [this](const MessageLogEntry &e) {
        if (e.direction() == HostMessages::Direction::ToHost)
            m_requests << e.msgId();
    });
}

void tst_SystemPagesExchange::init()
{
    m_requests.clear();
}

QWidget *tst_SystemPagesExchange::readSettings()
{
    return m_session.readSettings(TrackerSession::Changes::Discard);
}

void tst_SystemPagesExchange::answerMode_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::newRow("host answers later") << false;
    QTest::newRow("host answers inside send") << true;
}

void tst_SystemPagesExchange::pagesShowTheTrackersConfiguration()
{
    m_session.settings->setStoredConfiguration(SettingsService::initialConfiguration());
    QWidget *editor = readSettings();
    QVERIFY(editor && editor->isVisible());
    // Values of the tracker's configuration, none of them a default.
    QCOMPARE(child<QSpinBox>(editor, "ORV_FormTrack", "spinBox_Additional_Corner")->value(), 10);
    QVERIFY(child<QCheckBox>(editor, "ORV_FormTrack", "checkBox_Always_MaxSpeed")->isChecked());
    QCOMPARE(child<QDoubleSpinBox>(editor, "ORV_FormTrack", "doubleSpinBox_MaxSpeed")->value(), 90.0);
    QCOMPARE(child<QLineEdit>(editor, "ORV_FormSystem", "lineEdit_CsdPassword")->text(), QStringLiteral("4810"));
    QCOMPARE(child<QDoubleSpinBox>(editor, "ORV_FormSystem", "doubleSpinBox_Tuning")->value(), 13.5);
    QVERIFY(child<QAbstractButton>(editor, "ORV_FormSystem", "rBtn_PowerSave_Mode_Conditions")->isChecked());
    QCOMPARE(child<QLineEdit>(editor, "ORV_FormSensors", "lineEdit_Nick_In2")->text(), QStringLiteral("Расходомер"));
    QCOMPARE(child<QSpinBox>(editor, "ORV_FormSensors", "spinBox_Response_AIn1")->value(), 800);
    QCOMPARE(child<QComboBox>(editor, "ORV_FormSensors", "comboBox_NormState_AIn1")->currentIndex(), 1);
}

void tst_SystemPagesExchange::changesWrittenAndReadBack_data()
{
    answerMode_data();
}

void tst_SystemPagesExchange::changesWrittenAndReadBack()
{
    QFETCH(bool, insideSend);
    m_session.tracker->setAnswerMode(insideSend ? PluginHost::AnswerMode::InsideSend : PluginHost::AnswerMode::Async);
    m_session.settings->setStoredConfiguration(SettingsService::initialConfiguration());
    QWidget *editor = readSettings();
    QVERIFY(editor);
    auto *angle = child<QSpinBox>(editor, "ORV_FormTrack", "spinBox_Additional_Corner");
    auto *engine = child<QDoubleSpinBox>(editor, "ORV_FormSystem", "doubleSpinBox_Tuning");
    auto *stageBox = child<QCheckBox>(editor, "ORV_FormSystem", "checkBox_PowerSave_InterfaceOff");
    auto *stageDelay = child<QSpinBox>(editor, "ORV_FormSystem", "spinBox_PowerSave_InterfaceOff");
    auto *leftZone = child<QDoubleSpinBox>(editor, "ORV_FormSensors", "doubleSpinBox_Zone_Left_AIn1");
    auto *ain1 = child<QComboBox>(editor, "ORV_FormSensors", "comboBox_NormState_AIn1");
    QVERIFY(angle && engine && stageBox && stageDelay && leftZone && ain1);

    angle->setValue(25);
    engine->setValue(13.75);
    stageBox->click();
    stageDelay->setValue(240);
    ain1->setCurrentIndex(2); // discrete, active inside the zone
    leftZone->setValue(2.4);

    auto *load = editor->findChild<QPushButton *>(QStringLiteral("pushButton_LoadToDevice"));
    QSignalSpy stored(m_session.settings, &SettingsService::configurationStored);
    acceptNextQuestion();
    load->pressed();
    QTRY_COMPARE_WITH_TIMEOUT(stored.count(), 1, 10000);
    const QByteArray kept = m_session.settings->storedConfiguration();
    QVERIFY(kept.contains("<GPSangleForWriteTelemetry>25</GPSangleForWriteTelemetry>"));
    QVERIFY(kept.contains("eng_u=\"13750\""));
    QVERIFY(kept.contains("actions=\"1 1 1 1\""));
    QVERIFY(kept.contains("delays=\"120 300 240 1800\""));
    QVERIFY(kept.contains("<normStateAIN1>UI</normStateAIN1>"));
    QVERIFY(kept.contains("<EngageZoneLowerAIN1>2400</EngageZoneLowerAIN1>"));
    QVERIFY(kept.contains("<recoveryZoneLowerAIN1>60000</recoveryZoneLowerAIN1>"));
    QTRY_VERIFY(load->isEnabled());

    // Changed again on screen, then read back: the tracker's values return.
    angle->setValue(40);
    engine->setValue(12.0);
    ain1->setCurrentIndex(0);
    editor = readSettings();
    QCOMPARE(angle->value(), 25);
    QCOMPARE(engine->value(), 13.75);
    QVERIFY(stageBox->isChecked());
    QCOMPARE(stageDelay->value(), 240);
    QCOMPARE(ain1->currentIndex(), 2);
    QCOMPARE(leftZone->value(), 2.4);
}

void tst_SystemPagesExchange::supplyVoltages_data()
{
    answerMode_data();
}

void tst_SystemPagesExchange::supplyVoltages()
{
    // 2053 -> 2054: "Read voltage" on the System page shows the supply and
    // backup voltages, which move from one reading to the next.
    QFETCH(bool, insideSend);
    m_session.tracker->setAnswerMode(insideSend ? PluginHost::AnswerMode::InsideSend : PluginHost::AnswerMode::Async);
    QWidget *editor = readSettings();
    QVERIFY(editor);
    showPage(editor, "ORV_FormSystem");
    auto *read = child<QPushButton>(editor, "ORV_FormSystem", "pushButton_TuningCur");
    auto *supply = child<QLabel>(editor, "ORV_FormSystem", "label_Voltage_Supply");
    auto *battery = child<QLabel>(editor, "ORV_FormSystem", "label_Voltage_Battery");
    QVERIFY(read && read->isEnabled() && supply && battery);
    QSet<QString> seen;
    for (int i = 0; i < 6; ++i) {
        supply->clear();
        read->pressed();
        QTRY_VERIFY(!supply->text().isEmpty());
        QVERIFY2(kVolts.match(supply->text()).hasMatch(), qPrintable(supply->text()));
        QVERIFY2(kVolts.match(battery->text()).hasMatch(), qPrintable(battery->text()));
        const double v = supply->text().toDouble();
        QVERIFY2(v > 11.0 && v < 15.0, qPrintable(supply->text()));
        seen << supply->text();
    }
    QCOMPARE(requestsOf(2053), 6);
    QVERIFY2(seen.size() > 1, "the voltage moves");
}

void tst_SystemPagesExchange::inputsAndFuelLevels_data()
{
    answerMode_data();
}

void tst_SystemPagesExchange::inputsAndFuelLevels()
{
    // 2076 -> 2077 and 2054 on the Sensors page: one query, then polling.
    QFETCH(bool, insideSend);
    m_session.tracker->setAnswerMode(insideSend ? PluginHost::AnswerMode::InsideSend : PluginHost::AnswerMode::Async);
    QWidget *editor = readSettings();
    QVERIFY(editor);
    showPage(editor, "ORV_FormSensors");
    auto *quest = child<QPushButton>(editor, "ORV_FormSensors", "pushButton_Quest");
    auto *autoPoll = child<QCheckBox>(editor, "ORV_FormSensors", "checkBox_Auto");
    auto *interval = child<QSpinBox>(editor, "ORV_FormSensors", "spinBox_Interval");
    auto *ain1 = child<QLabel>(editor, "ORV_FormSensors", "label_Live_AIn1");
    auto *supply = child<QLabel>(editor, "ORV_FormSensors", "label_Live_Supply");
    auto *in1 = child<QLabel>(editor, "ORV_FormSensors", "label_Live_In1");
    auto *pulses = child<QLabel>(editor, "ORV_FormSensors", "label_Live_In2_Pulses");
    QVERIFY(quest && autoPoll && interval && ain1 && supply && in1 && pulses);

    quest->pressed();
    QTRY_VERIFY(!ain1->text().isEmpty() && !supply->text().isEmpty());
    QVERIFY2(kVolts.match(ain1->text()).hasMatch(), qPrintable(ain1->text()));
    QVERIFY2(kVolts.match(supply->text()).hasMatch(), qPrintable(supply->text()));
    QVERIFY(!in1->text().isEmpty());
    QVERIFY(!pulses->text().isEmpty());
    QCOMPARE(requestsOf(2076), 1);
    QTest::qWait(50);
    QCOMPARE(requestsOf(2076), 1); // one query, one request

    // Polling every second: the fuel level and the voltages move. A poll's
    // two answers come one event-loop turn apart, so the pairs seen may
    // include one between them: the polls are counted on their own.
    interval->setValue(1);
    autoPoll->click();
    QVERIFY(!quest->isEnabled());
    QVERIFY(!interval->isEnabled());
    QSet<QString> levels;
    QTRY_VERIFY_WITH_TIMEOUT((levels << ain1->text() + QLatin1Char('/') + supply->text()).size() >= 3
                                 && requestsOf(2076) >= 3,
                             8000);
    autoPoll->click();
    QVERIFY(quest->isEnabled());
    const int sent = requestsOf(2076);
    QTest::qWait(1300);
    QCOMPARE(requestsOf(2076), sent);
}

void tst_SystemPagesExchange::engineDetection_data()
{
    answerMode_data();
}

void tst_SystemPagesExchange::engineDetection()
{
    // "Detect": the wait window counts 16 ticks, then 2078 -> 2079 shows the
    // engine running voltage.
    QFETCH(bool, insideSend);
    m_session.tracker->setAnswerMode(insideSend ? PluginHost::AnswerMode::InsideSend : PluginHost::AnswerMode::Async);
    QWidget *editor = readSettings();
    QVERIFY(editor);
    showPage(editor, "ORV_FormSystem");
    QWidget *page = editor->findChild<QWidget *>(QStringLiteral("ORV_FormSystem"));
    auto *detect = child<QPushButton>(editor, "ORV_FormSystem", "pushButton_Engine");
    auto *engine = child<QLabel>(editor, "ORV_FormSystem", "label_Voltage_Engine");
    auto *timer = page->findChild<QTimer *>(QStringLiteral("m_Timer_Wait"));
    QVERIFY(detect && engine && timer);
    timer->setInterval(20); // sixteen ticks, quickly
    engine->clear();
    detect->pressed();
    auto *wait = page->findChild<QDialog *>(QStringLiteral("FormWait_Engine"));
    QVERIFY(wait && wait->isVisible());
    QCOMPARE(requestsOf(2078), 0);
    QTRY_VERIFY(!engine->text().isEmpty());
    QVERIFY(!wait->isVisible());
    QCOMPARE(requestsOf(2078), 1);
    QVERIFY2(kVolts.match(engine->text()).hasMatch(), qPrintable(engine->text()));
    QVERIFY2(engine->text().toDouble() > 13.0, qPrintable(engine->text())); // charging: the engine runs
    timer->setInterval(1000);
}

void tst_SystemPagesExchange::screenshots()
{
    const QString folder = m_screenshots;
    if (folder.isEmpty())
        QSKIP("K4810_SCREENSHOT_DIR not set");
    m_session.settings->setStoredConfiguration(SettingsService::initialConfiguration());
    QWidget *editor = readSettings();
    QVERIFY(editor);
    // The editor as it opens, and as wide as a 1366 x 768 screen.
    for (const QSize size : {editor->size(), QSize(1366, 740)}) {
        editor->resize(size);
        for (const char *page : {"ORV_FormTrack", "ORV_FormSystem", "ORV_FormSensors"}) {
            showPage(editor, page);
            if (QLatin1String(page) == QLatin1String("ORV_FormSensors"))
                child<QPushButton>(editor, page, "pushButton_Quest")->pressed();
            if (QLatin1String(page) == QLatin1String("ORV_FormSystem"))
                child<QPushButton>(editor, page, "pushButton_TuningCur")->pressed();
            QTest::qWait(100);
            const QString name = folder + QStringLiteral("/%1_%2").arg(QLatin1String(page)).arg(size.width());
            QVERIFY(editor->grab().save(name + QStringLiteral(".png")));
            QVERIFY(editor->findChild<QWidget *>(QLatin1String(page))->grab().save(name + QStringLiteral("_whole.png")));
        }
    }
    // AIN1 as a discrete input, its zone on the two sliders.
    child<QComboBox>(editor, "ORV_FormSensors", "comboBox_NormState_AIn1")->setCurrentIndex(3);
    QVERIFY(editor->findChild<QWidget *>(QStringLiteral("ORV_FormSensors"))->grab().save(folder + QStringLiteral("/ORV_FormSensors_zone.png")));
}

void tst_SystemPagesExchange::cleanupTestCase()
{
    m_session.tracker.reset();
    m_session.host->unload();
}

QTEST_MAIN(tst_SystemPagesExchange)
#include "tst_systempagesexchange.moc"
