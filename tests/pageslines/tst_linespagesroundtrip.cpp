// A technician's round trip through the guard, output lines, temperature
// sensors and phones pages with the simulated tracker, the plug-in reached
// only through its exports: read the settings and see the pages filled,
// read a temperature sensor's key (2041 -> 2042), change a value on each
// page, write to the tracker and read the same values back. The host
// answers later, or inside the plug-in's send.

#include "host/pluginhost.h"
#include "host/simulator/services/settings/settingsservice.h"
#include "host/simulator/services/telemetry/telemetryservice.h"
#include "host/simulator/simulatedtracker.h"
#include "tests/support/trackersession.h"
#include "tests/support/uiautomation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

using namespace UiAutomation;

class tst_LinesPagesRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readSensorKeyWriteReadBack_data();
    void readSensorKeyWriteReadBack();
    void cleanupTestCase();

private:
    TrackerSession m_session;
    TelemetryService *m_telemetry = nullptr;
    QWidget *m_editor = nullptr;

    QWidget *readSettings();
    // A widget of the editor, or of one of its pages ("ORV_FormPhones/lineEdit_Nick_1").
    template <class W>
    W *find(const char *name) const
    {
        const QStringList parts = QString::fromLatin1(name).split(QLatin1Char('/'));
        QObject *in = m_editor;
        if (in && parts.size() == 2)
            in = m_editor->findChild<QWidget *>(parts.first());
        return in ? in->findChild<W *>(parts.last()) : nullptr;
    }
    bool showTab(const char *pageClass) const;
};

void tst_LinesPagesRoundTrip::initTestCase()
{
    QString error;
    QVERIFY2(m_session.start(&error), qPrintable(error));
    m_telemetry = m_session.tracker->service<TelemetryService>();
    QVERIFY(m_telemetry);
}

QWidget *tst_LinesPagesRoundTrip::readSettings()
{
    m_editor = m_session.readSettings(TrackerSession::Changes::Discard);
    return m_editor;
}

bool tst_LinesPagesRoundTrip::showTab(const char *pageClass) const
{
    auto *tabs = find<QTabWidget>("tabWidget");
    for (int i = 0; tabs && i < tabs->count(); ++i) {
        auto *scroll = qobject_cast<QScrollArea *>(tabs->widget(i));
        if (scroll && scroll->widget() && scroll->widget()->objectName() == QLatin1String(pageClass)) {
            tabs->setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

void tst_LinesPagesRoundTrip::readSensorKeyWriteReadBack_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::newRow("host answers later") << false;
    QTest::newRow("host answers inside send") << true;
}

void tst_LinesPagesRoundTrip::readSensorKeyWriteReadBack()
{
    QFETCH(bool, insideSend);
    m_session.tracker->setAnswerMode(insideSend ? PluginHost::AnswerMode::InsideSend : PluginHost::AnswerMode::Async);
    m_session.settings->setStoredConfiguration(SettingsService::initialConfiguration());
    m_telemetry->setOneWireDevice(TelemetryService::OneWireDevice::TemperatureSensors);

    // The pages show what the tracker holds.
    QVERIFY(readSettings() && m_editor->isVisible());
    QCOMPARE(find<QLineEdit>("lineEdit_Key_1")->text(), QStringLiteral("B5000008A27C1128"));
    QCOMPARE(find<QLineEdit>("ORV_FormTempSensors/lineEdit_Nick_1")->text(), QStringLiteral("Рефрижератор"));
    QCOMPARE(find<QDoubleSpinBox>("doubleSpinBox_Max_3")->value(), 105.5);
    QCOMPARE(find<QComboBox>("comboBox_UseAs_O1")->currentData().toString(), QStringLiteral("IMMOB"));
    QVERIFY(find<QCheckBox>("checkBox_AutoSwitch_O2_10")->isChecked());
    QCOMPARE(find<QLineEdit>("lineEdit_Phone_2")->text(), QStringLiteral("+79161234567"));
    QCOMPARE(find<QComboBox>("comboBox_Event_4_10")->currentData().toString(), QStringLiteral("5"));
    QVERIFY(!find<QCheckBox>("checkBox_IncomingVD")->isChecked());
    QVERIFY(find<QCheckBox>("checkBox_Global_Use")->isChecked());
    QCOMPARE(find<QComboBox>("comboBox_Mode0_AlarmSys")->currentData().toString(), QStringLiteral("35"));
    QCOMPARE(find<QComboBox>("comboBox_SwitchMode_Line")->currentData().toString(), QStringLiteral("O2"));

    // Read the key of the sensor now attached into T2.
    QVERIFY(showTab("ORV_FormTempSensors"));
    auto *read = find<QPushButton>("pushButton_Adress_2");
    QVERIFY(read && read->isEnabled());
    read->pressed();
    const QString sensorKey = QStringLiteral("%1").arg(TelemetryService::TemperatureSensorCodes[0], 16, 16,
                                                       QLatin1Char('0')).toUpper();
    QTRY_COMPARE(find<QLineEdit>("lineEdit_Key_2")->text(), sensorKey);

    // A change on each page.
    find<QDoubleSpinBox>("doubleSpinBox_Max_3")->setValue(99.5);
    auto *alarmSound = find<QComboBox>("comboBox_Mode1_AlarmSound");
    alarmSound->setCurrentIndex(alarmSound->findData(QStringLiteral("3")));
    find<QCheckBox>("checkBox_AutoSwitch_O2_18")->click();
    find<QLineEdit>("lineEdit_Phone_5")->setText(QStringLiteral("+79998887766"));

    // Written to the tracker.
    auto *load = find<QPushButton>("pushButton_LoadToDevice");
    QVERIFY(load && load->isEnabled());
    QSignalSpy stored(m_session.settings, &SettingsService::configurationStored);
    acceptNextQuestion();
    load->pressed();
    QTRY_COMPARE_WITH_TIMEOUT(stored.count(), 1, 10000);
    QTRY_VERIFY(load->isEnabled());
    const QByteArray tracker = m_session.settings->storedConfiguration();
    QVERIFY(tracker.contains("<KeyT2>" + sensorKey.toLatin1() + "</KeyT2>"));
    QVERIFY(tracker.contains("<maxValT3>995</maxValT3>"));
    QVERIFY(tracker.contains("<autoSwitchO2>100000000100100001</autoSwitchO2>"));
    QVERIFY(tracker.contains("<phone_5>+79998887766</phone_5>"));
    QVERIFY(tracker.contains("<passwordVD>4810</passwordVD>")); // untouched values as they were

    // Changed here, then read back: the tracker's values return.
    find<QLineEdit>("lineEdit_Key_2")->setText(QStringLiteral("0"));
    find<QLineEdit>("lineEdit_Phone_5")->setText(QStringLiteral("+7"));
    find<QCheckBox>("checkBox_AutoSwitch_O2_18")->click();
    alarmSound->setCurrentIndex(0);
    QVERIFY(readSettings());
    QCOMPARE(find<QLineEdit>("lineEdit_Key_2")->text(), sensorKey);
    QCOMPARE(find<QDoubleSpinBox>("doubleSpinBox_Max_3")->value(), 99.5);
    QCOMPARE(alarmSound->currentData().toString(), QStringLiteral("3"));
    QVERIFY(find<QCheckBox>("checkBox_AutoSwitch_O2_18")->isChecked());
    QCOMPARE(find<QLineEdit>("lineEdit_Phone_5")->text(), QStringLiteral("+79998887766"));
}

void tst_LinesPagesRoundTrip::cleanupTestCase()
{
    m_session.tracker.reset();
    m_session.host->unload();
}

QTEST_MAIN(tst_LinesPagesRoundTrip)
#include "tst_linespagesroundtrip.moc"
