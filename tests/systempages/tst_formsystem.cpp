// The System page: what a file shows on it (legacy power saving included),
// what a user's change saves (thresholds and their gaps, the schedule
// boxes, the stages), the password fields, and its live exchanges: one
// state answer for the voltages, the engine detection's wait and 2078.

#include "core/formwait.h"
#include "pagefixture.h"
#include "settings/model/settingscatalogue.h"
#include "settings/model/settingskey.h"
#include "settings/pages/orv_formsystem.h"

#include <QMenu>
#include <QTimer>
#include <QToolButton>

using namespace PageFixture;

class tst_FormSystem : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_editor = std::make_unique<Editor>(); }
    void cleanup() { m_editor.reset(); }

    void fileShows_data();
    void fileShows();
    void userChangeIsSaved_data();
    void userChangeIsSaved();
    void legacyPowerSavingIsSavedAsPowerSaveConfig();
    void loadingChangesNothing();
    void passwordFields_data();
    void passwordFields();
    void balanceRequestOfACarrier();
    void balanceAutoStateIsInTheModel();
    void readVoltage_data();
    void readVoltage();
    void engineDetection_data();
    void engineDetection();
    void engineDetectionEndsOffline();

private:
    std::unique_ptr<Editor> m_editor;
    ORV_FormSystem *page() const
    {
        return static_cast<ORV_FormSystem *>(m_editor->page(orv_FormXml_K4810::PageSystem));
    }
    QWidget *widget(const QString &name) const { return page()->findChild<QWidget *>(name); }
};

void tst_FormSystem::fileShows_data()
{
    QTest::addColumn<QByteArray>("fragment");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("enabled");

    QTest::newRow("deep_delay 120 s is 2 min") << QByteArray("<powerSaveConfig deep_delay=\"120\"/>")
                                               << "spinBox_PowerSave_Deep" << "2" << "";
    QTest::newRow("password") << QByteArray("<csd_password>12ab</csd_password>") << "lineEdit_CsdPassword" << "12ab" << "";
    QTest::newRow("engine voltage field") << QByteArray("<ENG_PARAM tuning=\"1\" eng_u=\"13202\"/>")
                                          << "doubleSpinBox_Tuning" << "13.202" << "yes";
    QTest::newRow("engine voltage slider") << QByteArray("<ENG_PARAM eng_u=\"13202\"/>") << "horizontalSlider_Tuning"
                                           << "13202" << "no";
    QTest::newRow("balance auto off") << QByteArray() << "spinBox_Balance_Period" << "24" << "no";
    QTest::newRow("balance auto on") << QByteArray("<useAutoBalanceChek>1</useAutoBalanceChek>")
                                     << "lineEdit_Balance_Positive" << "K4810_191" << "yes";
    QTest::newRow("fuel input off (flag 0 is 0)") << QByteArray("<FUEL_PARAM flags=\"0101\"/>") << "doubleSpinBox_Fuel_Off"
                                                  << "8" << "no";
    QTest::newRow("fuel input on") << QByteArray("<FUEL_PARAM flags=\"1\"/>") << "checkBox_Fuel_Level" << "on" << "";
    QTest::newRow("fuel input on: fields") << QByteArray("<FUEL_PARAM flags=\"1\"/>") << "doubleSpinBox_Fuel_Off"
                                           << "8" << "yes";

    // Legacy power saving, read only without powerSaveConfig.
    QTest::newRow("legacy battery") << QByteArray("<powerSaveBattery>1</powerSaveBattery>")
                                    << "rBtn_PowerSave_Mode_Battery" << "on" << "";
    QTest::newRow("legacy engine: conditions") << QByteArray("<powerSaveByEngine>1</powerSaveByEngine>")
                                               << "checkBox_PowerSave_Engine" << "on" << "yes";
    QTest::newRow("legacy accelerometer delay") << QByteArray("<powerSaveByAccelDelay>900</powerSaveByAccelDelay>")
                                                << "spinBox_PowerSave_Accel" << "900" << "yes";
    QTest::newRow("legacy stage -1: box off")
        << QByteArray("<powerSaveBattery>1</powerSaveBattery><powerSaveGPSOffDelay>-1</powerSaveGPSOffDelay>")
        << "checkBox_PowerSave_GPSOff" << "off" << "";
    QTest::newRow("legacy stage -1: default delay")
        << QByteArray("<powerSaveBattery>1</powerSaveBattery><powerSaveGPSOffDelay>-1</powerSaveGPSOffDelay>")
        << "spinBox_PowerSave_GPSOff" << "60" << "no";
    QTest::newRow("legacy stage 300") << QByteArray("<powerSaveBattery>1</powerSaveBattery><powerSaveGSMOffDelay>300</powerSaveGSMOffDelay>")
                                      << "spinBox_PowerSave_GSMOff" << "300" << "yes";
    QTest::newRow("legacy sleep is the interfaces stage") << QByteArray("<powerSaveSleepDelay>0</powerSaveSleepDelay>")
                                                          << "checkBox_PowerSave_InterfaceOff" << "on" << "";
    QTest::newRow("legacy ignored beside powerSaveConfig")
        << QByteArray("<powerSaveBattery>1</powerSaveBattery><powerSaveConfig mode=\"0\"/>") << "rBtn_PowerSave_Mode_Off"
        << "on" << "";

    // Lists and flag strings read by position: missing positions are the default's.
    QTest::newRow("actions short: given") << QByteArray("<powerSaveConfig mode=\"1\" actions=\"1\"/>")
                                          << "checkBox_PowerSave_GPSOff" << "on" << "";
    QTest::newRow("actions short: missing") << QByteArray("<powerSaveConfig mode=\"1\" actions=\"1\"/>")
                                            << "checkBox_PowerSave_BQOffDelay" << "off" << "";
    QTest::newRow("delays short: missing") << QByteArray("<powerSaveConfig actions=\"1 1 1 1\" delays=\"30\"/>")
                                           << "spinBox_PowerSave_GSMOff" << "60" << "";
    QTest::newRow("delays: empty item") << QByteArray("<powerSaveConfig delays=\"30  45 90\"/>")
                                        << "spinBox_PowerSave_GSMOff" << "60" << "";
    QTest::newRow("delays: not a number") << QByteArray("<powerSaveConfig delays=\"30 x 45 90\"/>")
                                          << "spinBox_PowerSave_GSMOff" << "0" << "";
    QTest::newRow("sensors short") << QByteArray("<powerSaveConfig mode=\"2\" sensors=\"1\"/>")
                                   << "checkBox_PowerSave_Powered" << "on" << "yes";
    QTest::newRow("sensors short: missing") << QByteArray("<powerSaveConfig mode=\"2\" sensors=\"1\"/>")
                                            << "checkBox_PowerSave_In" << "off" << "";
    QTest::newRow("conditions only in their mode") << QByteArray("<powerSaveConfig mode=\"1\" sensors=\"1111\"/>")
                                                   << "checkBox_PowerSave_Accel" << "on" << "no";

    // The schedule boxes stand for no key of their own.
    QTest::newRow("no daily wake-up") << QByteArray() << "checkBox_PwrSch_Timer" << "off" << "";
    QTest::newRow("no daily wake-up: time empty") << QByteArray() << "timeEdit_PwrSch_Timer" << "" << "no";
    QTest::newRow("daily wake-up") << QByteArray("<powerSaveConfig mode=\"1\" on_timer=\"06:30\"/>")
                                   << "timeEdit_PwrSch_Timer" << "06:30" << "yes";
    QTest::newRow("daily wake-up at midnight") << QByteArray("<powerSaveConfig mode=\"1\" on_timer=\"00:00\"/>")
                                               << "checkBox_PwrSch_Timer" << "on" << "";
    QTest::newRow("a day") << QByteArray("<powerSaveDay on_3=\"06:00\" off_3=\"22:00\"/>") << "checkBox_PwrSch_DayWeek_Wed"
                           << "on" << "";
    QTest::newRow("a day: week on") << QByteArray("<powerSaveDay on_3=\"06:00\" off_3=\"22:00\"/>")
                                    << "checkBox_PwrSch_DayWeek" << "on" << "";
    QTest::newRow("a day: its times") << QByteArray("<powerSaveDay on_3=\"06:00\" off_3=\"22:00\"/>")
                                      << "timeEdit_PwrSch_Off_Wed" << "22:00" << "";
    QTest::newRow("no day: week off") << QByteArray() << "checkBox_PwrSch_DayWeek" << "off" << "";
    QTest::newRow("no day: days off") << QByteArray() << "checkBox_PwrSch_DayWeek_Mon" << "off" << "";
}

void tst_FormSystem::fileShows()
{
    QFETCH(QByteArray, fragment);
    QFETCH(QString, widget);
    QFETCH(QString, shown);
    QFETCH(QString, enabled);
    QVERIFY(m_editor->load(QStringLiteral("SYSTEM"), fragment));
    QWidget *w = this->widget(widget);
    QVERIFY2(w, qPrintable(widget));
    QCOMPARE(PageFixture::shown(w), shown);
    if (!enabled.isEmpty())
        QCOMPARE(w->isEnabled(), enabled == QLatin1String("yes"));
}

void tst_FormSystem::userChangeIsSaved_data()
{
    QTest::addColumn<QByteArray>("fragment");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArrayList>("saved");

    // The external power thresholds keep 100 mV apart.
    QTest::newRow("level_on pushes level_off") << QByteArray("<POWER level_on=\"10500\" level_off=\"11000\"/>")
                                               << "horizontalSlider_Power_LevelOn" << "11000"
                                               << QByteArrayList{"<POWER level_off=\"11100\" level_on=\"11000\"/>"};
    QTest::newRow("level_off pushes level_on") << QByteArray("<POWER level_on=\"10500\" level_off=\"11000\"/>")
                                               << "horizontalSlider_Power_LevelOff" << "10000"
                                               << QByteArrayList{"<POWER level_off=\"10000\" level_on=\"9900\"/>"};
    QTest::newRow("level_on field in volts") << QByteArray() << "doubleSpinBox_Power_LevelOn" << "10.8"
                                             << QByteArrayList{"level_on=\"10800\""};
    // The fuel thresholds keep 500 mV apart within 0 .. 31 V.
    QTest::newRow("fuel_off to 30800") << QByteArray("<FUEL_PARAM flags=\"1\"/>") << "horizontalSlider_Fuel_Off" << "30800"
                                       << QByteArrayList{"fuel_off=\"30500\" fuel_on=\"31000\""};
    QTest::newRow("fuel_on to 400") << QByteArray("<FUEL_PARAM flags=\"1\"/>") << "horizontalSlider_Fuel_On" << "400"
                                    << QByteArrayList{"fuel_off=\"0\" fuel_on=\"500\""};
    QTest::newRow("fuel_off pushes fuel_on") << QByteArray("<FUEL_PARAM flags=\"1\"/>") << "horizontalSlider_Fuel_Off"
                                             << "10800" << QByteArrayList{"fuel_off=\"10800\" fuel_on=\"11300\""};
    // Volts to millivolts to the nearest: 2.007 V is 2006.9999... mV in binary.
    QTest::newRow("2.007 V is 2007 mV") << QByteArray("<FUEL_PARAM flags=\"1\"/>") << "doubleSpinBox_Fuel_Off" << "2.007"
                                        << QByteArrayList{"fuel_off=\"2007\""};
    QTest::newRow("13.007 V is 13007 mV") << QByteArray("<ENG_PARAM tuning=\"1\"/>") << "doubleSpinBox_Tuning" << "13.007"
                                          << QByteArrayList{"eng_u=\"13007\""};
    QTest::newRow("deep sleep in minutes") << QByteArray("<powerSaveConfig mode=\"1\" deep=\"1\"/>")
                                           << "spinBox_PowerSave_Deep" << "3" << QByteArrayList{"deep_delay=\"180\""};
    QTest::newRow("fuel input flag") << QByteArray("<FUEL_PARAM flags=\"0101\"/>") << "checkBox_Fuel_Level" << "on"
                                     << QByteArrayList{"flags=\"1101\""};
    QTest::newRow("moto flags") << QByteArray() << "checkBox_Moto_Can" << "on" << QByteArrayList{"moto=\"0011\""};

    // An empty on_timer stays empty while its box is off.
    QTest::newRow("timer off: empty, not 00:00") << QByteArray("<powerSaveConfig mode=\"1\" on_timer=\"06:30\"/>")
                                                 << "checkBox_PwrSch_Timer" << "off" << QByteArrayList{"on_timer=\"\""};
    QTest::newRow("timer untouched stays empty") << QByteArray("<powerSaveConfig mode=\"1\"/>") << "checkBox_Evacuation"
                                                 << "on" << QByteArrayList{"on_timer=\"\"", "<MISC evac=\"1\"/>"};
    QTest::newRow("timer on") << QByteArray("<powerSaveConfig mode=\"1\"/>") << "checkBox_PwrSch_Timer" << "on"
                              << QByteArrayList{"on_timer=\"08:00\""};
    QTest::newRow("timer time") << QByteArray("<powerSaveConfig mode=\"1\" on_timer=\"06:30\"/>")
                                << "timeEdit_PwrSch_Timer" << "07:15" << QByteArrayList{"on_timer=\"07:15\""};
    QTest::newRow("a day on") << QByteArray("<powerSaveConfig mode=\"1\"/><powerSaveDay on_1=\"07:00\" off_1=\"19:00\"/>")
                              << "checkBox_PwrSch_DayWeek_Tue" << "on" << QByteArrayList{"off_2=\"20:00\"", "on_2=\"08:00\""};
    QTest::newRow("a day off") << QByteArray("<powerSaveConfig mode=\"1\"/><powerSaveDay on_2=\"07:00\" off_2=\"19:00\"/>")
                               << "checkBox_PwrSch_DayWeek_Tue" << "off" << QByteArrayList{"off_2=\"00:00\"", "on_2=\"00:00\""};
    QTest::newRow("the week off") << QByteArray("<powerSaveConfig mode=\"1\"/><powerSaveDay on_2=\"07:00\" off_7=\"19:00\"/>")
                                  << "checkBox_PwrSch_DayWeek" << "off"
                                  << QByteArrayList{"on_2=\"00:00\"", "off_7=\"00:00\""};
    // Stage codes other than 0 and 1 stay unless their box is touched.
    QTest::newRow("a stage on, others kept") << QByteArray("<powerSaveConfig mode=\"1\" actions=\"1 0 2 0\"/>")
                                             << "checkBox_PowerSave_GSMOff" << "on" << QByteArrayList{"actions=\"1 1 2 0\""};
    QTest::newRow("a stage's delay, short list") << QByteArray("<powerSaveConfig mode=\"1\" actions=\"0 0 1\" delays=\"30\"/>")
                                                 << "spinBox_PowerSave_InterfaceOff" << "90"
                                                 << QByteArrayList{"actions=\"0 0 1\"", "delays=\"30 60 90 60\""};
    QTest::newRow("a condition") << QByteArray("<powerSaveConfig mode=\"2\" sensors=\"1\"/>") << "checkBox_PowerSave_Accel"
                                 << "on" << QByteArrayList{"sensors=\"1010\""};
    QTest::newRow("mode") << QByteArray() << "rBtn_PowerSave_Mode_Conditions" << "on" << QByteArrayList{"mode=\"2\""};
}

void tst_FormSystem::userChangeIsSaved()
{
    QFETCH(QByteArray, fragment);
    QFETCH(QString, widget);
    QFETCH(QString, value);
    QFETCH(QByteArrayList, saved);
    QVERIFY(m_editor->load(QStringLiteral("SYSTEM"), fragment));
    QWidget *w = this->widget(widget);
    QVERIFY2(w, qPrintable(widget));
    act(w, value);
    const QByteArray section = m_editor->saved(QStringLiteral("SYSTEM"));
    for (const QByteArray &s : saved)
        QVERIFY2(section.contains(s), linesLike(section, s).constData());
}

void tst_FormSystem::legacyPowerSavingIsSavedAsPowerSaveConfig()
{
    QVERIFY(m_editor->load(QStringLiteral("SYSTEM"),
                           "<powerSavePowered>0</powerSavePowered><powerSaveBattery>1</powerSaveBattery>"
                           "<powerSaveByEngine>0</powerSaveByEngine><powerSaveByAccelDelay>-1</powerSaveByAccelDelay>"
                           "<powerSaveByIN>-1</powerSaveByIN><powerSaveSleepDelay>-1</powerSaveSleepDelay>"
                           "<powerSaveGPSOffDelay>120</powerSaveGPSOffDelay><powerSaveGSMOffDelay>300</powerSaveGSMOffDelay>"
                           "<powerSaveBQOffDelay>-1</powerSaveBQOffDelay>"));
    // As read, nothing is changed; saved, the legacy keys are gone.
    const SettingsTable *table = SettingsCatalogue::section(u"SYSTEM");
    for (const SettingsKey &key : *table)
        QVERIFY2(!m_editor->model()->isChanged(QStringLiteral("SYSTEM"), key.path()), qPrintable(key.path()));
    const QByteArray section = m_editor->saved(QStringLiteral("SYSTEM"));
    QVERIFY2(section.contains("<powerSaveConfig acl_delay=\"600\" actions=\"1 1 0 0\" deep=\"0\" deep_delay=\"60\" "
                              "delays=\"120 300 60 60\" line=\"0\" mode=\"1\" on_period=\"60\" on_timer=\"\" "
                              "sensors=\"0000\"/>"),
             section.constData());
    QVERIFY(!section.contains("powerSave>") && !section.contains("powerSaveBattery") && !section.contains("Delay>"));

    // The conditions: every switch that is on, its delay or line.
    QVERIFY(m_editor->load(QStringLiteral("SYSTEM"),
                           "<powerSaveBattery>1</powerSaveBattery><powerSavePowered>1</powerSavePowered>"
                           "<powerSaveByAccelDelay>900</powerSaveByAccelDelay><powerSaveByIN>2</powerSaveByIN>"));
    const QByteArray conditions = m_editor->saved(QStringLiteral("SYSTEM"));
    QVERIFY2(conditions.contains("line=\"2\" mode=\"2\"") && conditions.contains("sensors=\"1011\"")
                 && conditions.contains("acl_delay=\"900\""),
             conditions.constData());
}

void tst_FormSystem::loadingChangesNothing()
{
    m_editor->show(orv_FormXml_K4810::PageSystem);
    QVERIFY(m_editor->model()->open(QStringLiteral(K4810_SOURCE_DIR "/tests/settings/data/full.xml")));
    const SettingsTable *table = SettingsCatalogue::section(u"SYSTEM");
    for (const SettingsKey &key : *table)
        QVERIFY2(!m_editor->model()->isChanged(QStringLiteral("SYSTEM"), key.path()), qPrintable(key.path()));
    // Values no widget shows as they are (a balance period of 86406 s, a
    // deep sleep of 62 s) are written as read.
    const QByteArray section = m_editor->saved(QStringLiteral("SYSTEM"));
    QVERIFY(section.contains("<balanceChekPeriod>86406</balanceChekPeriod>"));
    QVERIFY(section.contains("deep_delay=\"62\""));
    QVERIFY(section.contains("actions=\"1 0 2 0\""));
}

void tst_FormSystem::passwordFields_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("six characters") << "ab12cd" << "ab12cd";
    QTest::newRow("a seventh refused") << "1234567" << "123456";
    QTest::newRow("spaces refused") << "12 34" << "1234";
}

void tst_FormSystem::passwordFields()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    for (const char *name : {"lineEdit_CsdPassword", "lineEdit_SmsPassword"}) {
        auto *edit = static_cast<QLineEdit *>(widget(QLatin1String(name)));
        edit->clear();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), kept);
    }
    QCOMPARE(m_editor->model()->text(QStringLiteral("SYSTEM"), QStringLiteral("SMSPassword")), kept);
}

void tst_FormSystem::balanceRequestOfACarrier()
{
    auto *button = static_cast<QToolButton *>(widget(QStringLiteral("toolButton_Balance_Ussd")));
    QVERIFY(button->menu() && button->menu()->actions().size() >= 4);
    QAction *beeline = nullptr;
    for (QAction *a : button->menu()->actions()) {
        if (a->text().startsWith(QLatin1String("Beeline")))
            beeline = a;
    }
    QVERIFY(beeline);
    beeline->trigger();
    QCOMPARE(m_editor->model()->text(QStringLiteral("SYSTEM"), QStringLiteral("balanceRequestUSSD")),
             QStringLiteral("*102#"));
}

void tst_FormSystem::balanceAutoStateIsInTheModel()
{
    // Other pages follow the auto-check box through the model.
    QStringList changes;
    QObject::connect(m_editor->model(), &SettingsModel::valueChanged,
                     [&changes](const QString &s, const QString &p) { changes << s + QLatin1Char('/') + p; });
    act(widget(QStringLiteral("checkBox_Balance_UseAuto")), QStringLiteral("on"));
    QCOMPARE(changes, QStringList{QStringLiteral("SYSTEM/useAutoBalanceChek")});
    QVERIFY(widget(QStringLiteral("spinBox_Balance_Period"))->isEnabled());
}

void tst_FormSystem::readVoltage_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::newRow("later") << false;
    QTest::newRow("inside send") << true;
}

void tst_FormSystem::readVoltage()
{
    QFETCH(bool, insideSend);
    // The tag, three and three pairs, the supply "1384", the states, the battery "0412".
    const QByteArray record = QByteArray("*#LIVE") + "000040" + "000000" + "1384" + "01100000" + "0412";
    QCOMPARE(record.size(), 34);
    m_editor->attach();
    m_editor->show(orv_FormXml_K4810::PageSystem);
    if (insideSend) {
        answerInsideSend() = [this, record](const Request &r) {
            if (r.msgId == OrvMsg::SystemPoll)
                m_editor->deliver(OrvMsg::StateAnswer, record);
        };
    }
    static_cast<QAbstractButton *>(widget(QStringLiteral("pushButton_TuningCur")))->pressed();
    QCOMPARE(count(OrvMsg::SystemPoll), 1);
    if (!insideSend)
        m_editor->deliver(OrvMsg::StateAnswer, record);
    QCOMPARE(shown(widget(QStringLiteral("label_Voltage_Supply"))), QStringLiteral("13.84"));
    QCOMPARE(shown(widget(QStringLiteral("label_Voltage_Battery"))), QStringLiteral("4.12"));

    // An answer nobody asked for changes nothing; a field that is not
    // digits shows nothing.
    answerInsideSend() = nullptr;
    const QByteArray other = QByteArray("*#LIVE") + "000040" + "000000" + "1299" + "01100000" + "0400";
    m_editor->deliver(OrvMsg::StateAnswer, other);
    QCOMPARE(shown(widget(QStringLiteral("label_Voltage_Supply"))), QStringLiteral("13.84"));
    static_cast<QAbstractButton *>(widget(QStringLiteral("pushButton_TuningCur")))->pressed();
    m_editor->deliver(OrvMsg::StateAnswer, QByteArray("*#LIVE") + "000040" + "000000" + "13x4" + "01100000" + "0400");
    QCOMPARE(shown(widget(QStringLiteral("label_Voltage_Supply"))), QString());
    QCOMPARE(shown(widget(QStringLiteral("label_Voltage_Battery"))), QStringLiteral("4.00"));
}

void tst_FormSystem::engineDetection_data()
{
    readVoltage_data();
}

void tst_FormSystem::engineDetection()
{
    QFETCH(bool, insideSend);
    m_editor->attach();
    m_editor->show(orv_FormXml_K4810::PageSystem);
    const QByteArray answer = "*#ENGU1391";
    if (insideSend) {
        answerInsideSend() = [this, answer](const Request &r) {
            if (r.msgId == OrvMsg::SystemRead)
                m_editor->deliver(OrvMsg::SystemAnswer, answer);
        };
    }
    ORV_FormSystem *p = page();
    static_cast<QAbstractButton *>(widget(QStringLiteral("pushButton_Engine")))->pressed();
    FormWait *wait = p->waitWindow();
    QVERIFY(wait && wait->isVisible());
    QCOMPARE(wait->windowTitle(), QStringLiteral("K4810_824"));
    QCOMPARE(wait->maximum(), 16);
    QCOMPARE(wait->value(), 0);
    QVERIFY(p->waitTimer()->isActive());
    // Pressed again while it runs: nothing new starts.
    static_cast<QAbstractButton *>(widget(QStringLiteral("pushButton_Engine")))->pressed();
    for (int tick = 1; tick < 16; ++tick) {
        p->slot_timeout_Wait();
        QCOMPARE(wait->value(), tick);
        QVERIFY(wait->message().endsWith(QString::number(16 - tick)));
        QCOMPARE(count(OrvMsg::SystemRead), 0);
    }
    p->slot_timeout_Wait(); // the sixteenth
    QVERIFY(!wait->isVisible());
    QVERIFY(!p->waitTimer()->isActive());
    QCOMPARE(count(OrvMsg::SystemRead), 1);
    if (!insideSend)
        m_editor->deliver(OrvMsg::SystemAnswer, answer);
    QCOMPARE(shown(widget(QStringLiteral("label_Voltage_Engine"))), QStringLiteral("13.91"));
    p->slot_timeout_Wait(); // a late tick sends nothing more
    QCOMPARE(count(OrvMsg::SystemRead), 1);
}

void tst_FormSystem::engineDetectionEndsOffline()
{
    ORV_FormSystem *p = page();
    m_editor->show(orv_FormXml_K4810::PageSystem);
    static_cast<QAbstractButton *>(widget(QStringLiteral("pushButton_Engine")))->pressed();
    QCOMPARE(p->engineCountdown(), 0); // offline: no detection
    m_editor->attach();
    static_cast<QAbstractButton *>(widget(QStringLiteral("pushButton_Engine")))->pressed();
    QCOMPARE(p->engineCountdown(), 16);
    m_editor->detach();
    QCOMPARE(p->engineCountdown(), 0);
    QVERIFY(!p->waitWindow()->isVisible());
    QVERIFY(!p->waitTimer()->isActive());
    QCOMPARE(count(OrvMsg::SystemRead), 0);
}

QTEST_MAIN(tst_FormSystem)
#include "tst_formsystem.moc"
