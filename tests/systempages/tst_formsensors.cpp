// The Sensors page: what a file shows on it (panels, AIN1's modes and its
// zone, filters), what a user's change saves (the zone's gap, the volts to
// hundredths, the proposals of a mode, the frequency filter), and its live
// values: polling and one query (2076 -> 2077, 2054).

#include "pagefixture.h"
#include "settings/editor/settingspolling.h"
#include "settings/model/settingscatalogue.h"
#include "settings/model/settingskey.h"
#include "settings/pages/orv_formsensors.h"

#include <QCheckBox>
#include <QTimer>

using namespace PageFixture;

namespace {

QByteArray fuelAnswer(int count, int ain1, int hertz, int pulses)
{
    QByteArray a(42, '\0');
    memcpy(a.data(), "*#FUEL_UN", 9);
    a[9] = char(count);
    auto put = [&a](int at, int v) {
        a[at] = char(v & 0xFF);
        a[at + 1] = char((v >> 8) & 0xFF);
    };
    put(15, ain1);
    put(17, hertz);
    put(19, pulses);
    return a;
}

QByteArray stateAnswer(const char *supply, const char *states, const char *battery)
{
    return QByteArray("*#LIVE") + "000040" + "000000" + supply + states + battery;
}

const QByteArray kDiscreteNoRecovery = "<normStateAIN1>UI</normStateAIN1><EngageZoneLowerAIN1>1000</EngageZoneLowerAIN1>"
                                       "<EngageZoneHigherAIN1>5000</EngageZoneHigherAIN1>";
const QByteArray kDiscreteRecovery = "<normStateAIN1>UI</normStateAIN1><recoveryZoneLowerAIN1>6000</recoveryZoneLowerAIN1>"
                                     "<recoveryZoneHigherAIN1>12000</recoveryZoneHigherAIN1>";

} // namespace

class tst_FormSensors : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_editor = std::make_unique<Editor>(); }
    void cleanup() { m_editor.reset(); }

    void fileShows_data();
    void fileShows();
    void userChangeIsSaved_data();
    void userChangeIsSaved();
    void zoneFieldAndSliderFollowEachOther();
    void frequencyFilterRemembersItsValue();
    void loadingChangesNothing();
    void pollingEveryFewSeconds();
    void oneQuery_data();
    void oneQuery();

private:
    std::unique_ptr<Editor> m_editor;
    ORV_FormSensors *page() const
    {
        return static_cast<ORV_FormSensors *>(m_editor->page(orv_FormXml_K4810::PageSensors));
    }
    QWidget *widget(const QString &name) const { return page()->findChild<QWidget *>(name); }
    QString at(const char *name) const { return shown(widget(QLatin1String(name))); }
};

void tst_FormSensors::fileShows_data()
{
    QTest::addColumn<QByteArray>("fragment");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("enabled");

    QTest::newRow("IN1 ignition: no restore") << QByteArray() << "checkBox_Restore_In1" << "on" << "no";
    QTest::newRow("IN1 discrete: restore") << QByteArray("<normStateIN1>UI</normStateIN1>") << "checkBox_Restore_In1" << "on"
                                           << "yes";
    QTest::newRow("IN2 unused: empty panel") << QByteArray() << "stackedWidget_In2" << "0" << "";
    QTest::newRow("IN2 unused: no response") << QByteArray() << "spinBox_Response_In2" << "20" << "no";
    QTest::newRow("IN2 pulses: pulse panel") << QByteArray("<normStateIN2>CNT</normStateIN2>") << "stackedWidget_In2" << "1" << "";
    QTest::newRow("IN2 frequency: pulse panel") << QByteArray("<normStateIN2>FRQ</normStateIN2>") << "stackedWidget_In2" << "1" << "";
    QTest::newRow("IN2 discrete panel") << QByteArray("<normStateIN2>UI</normStateIN2>") << "stackedWidget_In2" << "2" << "";
    QTest::newRow("IN2 unknown code shown") << QByteArray("<normStateIN2>XYZ</normStateIN2>") << "comboBox_NormState_In2"
                                            << "XYZ" << "";
    QTest::newRow("IN2 unknown code: no panel") << QByteArray("<normStateIN2>XYZ</normStateIN2>") << "stackedWidget_In2" << "0" << "";
    QTest::newRow("IN3 N/A shown") << QByteArray("<normStateIN3>N/A</normStateIN3>") << "comboBox_NormState_In3" << "N/A" << "";
    QTest::newRow("IN3 discrete panel") << QByteArray("<normStateIN3>UI</normStateIN3>") << "stackedWidget_In3" << "1" << "";
    QTest::newRow("pulses: a start of 0 disables the results")
        << QByteArray("<normStateIN2>CNT</normStateIN2><PULSE_IN2 cnt_start=\"0\"/>") << "checkBox_Reset_In2" << "off" << "no";
    QTest::newRow("pulses: all defined enable the results")
        << QByteArray("<normStateIN2>CNT</normStateIN2><PULSE_IN2 reset=\"1\"/>") << "checkBox_Reset_In2" << "on" << "yes";
    QTest::newRow("minimum work rate off") << QByteArray("<normStateIN2>CNT</normStateIN2>") << "spinBox_MinPeriodTime_In2"
                                           << "60" << "no";
    QTest::newRow("Kalman 82") << QByteArray("<normStateIN2>FRQ</normStateIN2><FilterModeIN2>2</FilterModeIN2>")
                               << "label_Kalman_In2_Value" << "0.82" << "yes";
    QTest::newRow("Kalman 82: its step") << QByteArray() << "horizontalSlider_Kalman_In2" << "9" << "";
    QTest::newRow("Kalman 83: no step, the value told") << QByteArray("<KalmanIN2>83</KalmanIN2>")
                                                        << "label_Kalman_In2_Value" << "0.83" << "";
    QTest::newRow("IN2 filter: averaging length") << QByteArray("<normStateIN2>CNT</normStateIN2><FilterModeIN2>1</FilterModeIN2>")
                                                  << "spinBox_AverLength_In2" << "40" << "yes";
    QTest::newRow("IN2 filter 6: box on, no mode") << QByteArray("<FilterModeIN2>6</FilterModeIN2>")
                                                   << "rBtn_FilterMode_Kalman_In2" << "off" << "";

    // AIN1.
    QTest::newRow("AIN1 analog: 800 ms as stored") << QByteArray("<normStateAIN1>AIN</normStateAIN1><ResponseAIN1>800</ResponseAIN1>")
                                                   << "spinBox_Response_AIn1" << "800" << "yes";
    QTest::newRow("AIN1 analog panel") << QByteArray("<normStateAIN1>AIN</normStateAIN1>") << "stackedWidget_AIn1" << "1" << "";
    QTest::newRow("AIN1 no recovery zone: active inside") << kDiscreteNoRecovery << "comboBox_NormState_AIn1" << "K4810_318" << "";
    QTest::newRow("AIN1 active inside: engage zone") << kDiscreteNoRecovery << "horizontalSlider_Zone_Left_AIn1" << "100" << "";
    QTest::newRow("AIN1 active inside: in volts") << kDiscreteNoRecovery << "doubleSpinBox_Zone_Right_AIn1" << "5" << "";
    QTest::newRow("AIN1 recovery zone: normal inside") << kDiscreteRecovery << "comboBox_NormState_AIn1" << "K4810_319" << "";
    QTest::newRow("AIN1 normal inside: recovery zone") << kDiscreteRecovery << "horizontalSlider_Zone_Left_AIn1" << "600" << "";
    QTest::newRow("AIN1 normal inside: right") << kDiscreteRecovery << "doubleSpinBox_Zone_Right_AIn1" << "12" << "";
    // 1104 mV is 110.4 hundredths: 110 (never rounded up to 111).
    QTest::newRow("AIN1 zone in hundredths, to the nearest")
        << QByteArray("<normStateAIN1>UI</normStateAIN1><EngageZoneHigherAIN1>1104</EngageZoneHigherAIN1>")
        << "horizontalSlider_Zone_Right_AIn1" << "110" << "";
    QTest::newRow("AIN1 frequency panel") << QByteArray("<normStateAIN1>FRQ</normStateAIN1>") << "stackedWidget_AIn1" << "3" << "";
    QTest::newRow("frequency filter 8.3 Hz") << QByteArray("<normStateAIN1>FRQ</normStateAIN1><KalmanAIN1>83</KalmanAIN1>")
                                             << "doubleSpinBox_FRQ_Filter_AIn1" << "8.3" << "yes";
    QTest::newRow("frequency filter box") << QByteArray("<normStateAIN1>FRQ</normStateAIN1><KalmanAIN1>83</KalmanAIN1>")
                                          << "checkBox_FRQ_Filter_AIn1" << "on" << "";
    QTest::newRow("frequency filter 0: off") << QByteArray("<normStateAIN1>FRQ</normStateAIN1><KalmanAIN1>0</KalmanAIN1>")
                                             << "doubleSpinBox_FRQ_Filter_AIn1" << "0" << "no";
}

void tst_FormSensors::fileShows()
{
    QFETCH(QByteArray, fragment);
    QFETCH(QString, widget);
    QFETCH(QString, shown);
    QFETCH(QString, enabled);
    QVERIFY(m_editor->load(QStringLiteral("SENSORS"), fragment));
    QWidget *w = this->widget(widget);
    QVERIFY2(w, qPrintable(widget));
    QCOMPARE(PageFixture::shown(w), shown);
    if (!enabled.isEmpty())
        QCOMPARE(w->isEnabled(), enabled == QLatin1String("yes"));
}

void tst_FormSensors::userChangeIsSaved_data()
{
    QTest::addColumn<QByteArray>("fragment");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArrayList>("saved");

    // Choosing the analog mode proposes 500 ms.
    QTest::newRow("analog mode proposes 500") << QByteArray("<ResponseAIN1>800</ResponseAIN1>") << "comboBox_NormState_AIn1"
                                              << "1"
                                              << QByteArrayList{"<normStateAIN1>AIN</normStateAIN1>",
                                                                "<ResponseAIN1>500</ResponseAIN1>"};
    // The zone's two bounds keep 0.50 V apart within 0 .. 31 V.
    QTest::newRow("left to 3060") << kDiscreteNoRecovery << "horizontalSlider_Zone_Left_AIn1" << "3060"
                                  << QByteArrayList{"<EngageZoneLowerAIN1>30500<", "<EngageZoneHigherAIN1>31000<"};
    QTest::newRow("right to 40") << kDiscreteNoRecovery << "horizontalSlider_Zone_Right_AIn1" << "40"
                                 << QByteArrayList{"<EngageZoneLowerAIN1>0<", "<EngageZoneHigherAIN1>500<"};
    QTest::newRow("right to 1020 pulls left to 970")
        << QByteArray("<normStateAIN1>UI</normStateAIN1><EngageZoneLowerAIN1>10000</EngageZoneLowerAIN1>"
                      "<EngageZoneHigherAIN1>20000</EngageZoneHigherAIN1>")
        << "horizontalSlider_Zone_Right_AIn1" << "1020"
        << QByteArrayList{"<EngageZoneLowerAIN1>9700<", "<EngageZoneHigherAIN1>10200<"};
    // Bounds the mode does not show are kept as stored.
    QTest::newRow("recovery sentinel kept") << kDiscreteNoRecovery << "horizontalSlider_Zone_Left_AIn1" << "200"
                                            << QByteArrayList{"<recoveryZoneLowerAIN1>60000<", "<recoveryZoneHigherAIN1>31000<",
                                                              "<EngageZoneLowerAIN1>2000<"};
    QTest::newRow("engage kept in the recovery mode") << QByteArray(kDiscreteRecovery + "<EngageZoneHigherAIN1>45000</EngageZoneHigherAIN1>")
                                                      << "horizontalSlider_Zone_Right_AIn1" << "1500"
                                                      << QByteArrayList{"<EngageZoneHigherAIN1>45000<",
                                                                        "<recoveryZoneHigherAIN1>15000<"};
    QTest::newRow("volts to hundredths, to the nearest") << kDiscreteNoRecovery << "doubleSpinBox_Zone_Left_AIn1" << "1.10"
                                                         << QByteArrayList{"<EngageZoneLowerAIN1>1100<"};
    // Switching between the two discrete modes.
    QTest::newRow("to normal inside: the zone becomes the recovery zone")
        << kDiscreteNoRecovery << "comboBox_NormState_AIn1" << "3"
        << QByteArrayList{"<recoveryZoneLowerAIN1>1000<", "<recoveryZoneHigherAIN1>5000<", "<normStateAIN1>UI<"};
    QTest::newRow("to active inside: no recovery zone") << kDiscreteRecovery << "comboBox_NormState_AIn1" << "2"
                                                        << QByteArrayList{"<recoveryZoneLowerAIN1>60000<",
                                                                          "<recoveryZoneHigherAIN1>31000<"};
    QTest::newRow("IN2 filter box") << QByteArray() << "checkBox_Filter_In2" << "on" << QByteArrayList{"<FilterModeIN2>1<"};
    QTest::newRow("IN2 Kalman mode") << QByteArray("<FilterModeIN2>1</FilterModeIN2>") << "rBtn_FilterMode_Kalman_In2" << "on"
                                     << QByteArrayList{"<FilterModeIN2>2<"};
    QTest::newRow("IN2 Kalman step") << QByteArray("<FilterModeIN2>2</FilterModeIN2>") << "horizontalSlider_Kalman_In2" << "12"
                                     << QByteArrayList{"<KalmanIN2>90<"};
    QTest::newRow("minimum work rate") << QByteArray() << "checkBox_MinPeriod_In2" << "on"
                                       << QByteArrayList{"cnt_work=\"1\""};
    QTest::newRow("IN2 pulses") << QByteArray() << "comboBox_NormState_In2" << "1" << QByteArrayList{"<normStateIN2>CNT<"};
    QTest::newRow("unknown code kept") << QByteArray("<normStateIN3>N/A</normStateIN3>") << "lineEdit_Nick_In3" << "Door"
                                       << QByteArrayList{"<normStateIN3>N/A<", "<nicknameIN3>Door<"};
}

void tst_FormSensors::userChangeIsSaved()
{
    QFETCH(QByteArray, fragment);
    QFETCH(QString, widget);
    QFETCH(QString, value);
    QFETCH(QByteArrayList, saved);
    QVERIFY(m_editor->load(QStringLiteral("SENSORS"), fragment));
    QWidget *w = this->widget(widget);
    QVERIFY2(w, qPrintable(widget));
    act(w, value);
    const QByteArray section = m_editor->saved(QStringLiteral("SENSORS"));
    for (const QByteArray &s : saved)
        QVERIFY2(section.contains(s), linesLike(section, s).constData());
}

void tst_FormSensors::zoneFieldAndSliderFollowEachOther()
{
    QVERIFY(m_editor->load(QStringLiteral("SENSORS"), kDiscreteNoRecovery));
    act(widget(QStringLiteral("doubleSpinBox_Zone_Left_AIn1")), QStringLiteral("1.10"));
    QCOMPARE(at("horizontalSlider_Zone_Left_AIn1"), QStringLiteral("110")); // 1.10 V, never 111
    act(widget(QStringLiteral("horizontalSlider_Zone_Right_AIn1")), QStringLiteral("2345"));
    QCOMPARE(at("doubleSpinBox_Zone_Right_AIn1"), QStringLiteral("23.45"));
    // The gap moves the other slider and its field too.
    act(widget(QStringLiteral("horizontalSlider_Zone_Left_AIn1")), QStringLiteral("3060"));
    QCOMPARE(at("horizontalSlider_Zone_Left_AIn1"), QStringLiteral("3050"));
    QCOMPARE(at("doubleSpinBox_Zone_Left_AIn1"), QStringLiteral("30.5"));
    QCOMPARE(at("horizontalSlider_Zone_Right_AIn1"), QStringLiteral("3100"));
    QCOMPARE(at("doubleSpinBox_Zone_Right_AIn1"), QStringLiteral("31"));
}

void tst_FormSensors::frequencyFilterRemembersItsValue()
{
    SettingsModel *m = m_editor->model();
    const QString s = QStringLiteral("SENSORS");
    const QString key = QStringLiteral("KalmanAIN1");
    // Switched on for the first time: the usual value.
    QVERIFY(m_editor->load(s, "<normStateAIN1>FRQ</normStateAIN1><KalmanAIN1>0</KalmanAIN1>"));
    act(widget(QStringLiteral("checkBox_FRQ_Filter_AIn1")), QStringLiteral("on"));
    QCOMPARE(m->text(s, key), QStringLiteral("82"));

    // Off stores 0 (no filter); on again brings the value back.
    QVERIFY(m_editor->load(s, "<normStateAIN1>FRQ</normStateAIN1><KalmanAIN1>125</KalmanAIN1>"));
    act(widget(QStringLiteral("checkBox_FRQ_Filter_AIn1")), QStringLiteral("off"));
    QCOMPARE(m->text(s, key), QStringLiteral("0"));
    QVERIFY(!widget(QStringLiteral("doubleSpinBox_FRQ_Filter_AIn1"))->isEnabled());
    act(widget(QStringLiteral("checkBox_FRQ_Filter_AIn1")), QStringLiteral("on"));
    QCOMPARE(m->text(s, key), QStringLiteral("125"));
    QCOMPARE(at("doubleSpinBox_FRQ_Filter_AIn1"), QStringLiteral("12.5"));
}

void tst_FormSensors::loadingChangesNothing()
{
    // A file full of unusual values (IN3 "N/A", AIN1 "UI" with the recovery
    // sentinel, filter mode 6, Kalman 83), shown: nothing changes.
    m_editor->show(orv_FormXml_K4810::PageSensors);
    QVERIFY(m_editor->model()->open(QStringLiteral(K4810_SOURCE_DIR "/tests/settings/data/full.xml")));
    const SettingsTable *table = SettingsCatalogue::section(u"SENSORS");
    for (const SettingsKey &key : *table)
        QVERIFY2(!m_editor->model()->isChanged(QStringLiteral("SENSORS"), key.path()), qPrintable(key.path()));
    QCOMPARE(at("comboBox_NormState_AIn1"), QStringLiteral("K4810_318"));
    QCOMPARE(at("spinBox_Response_AIn1"), QStringLiteral("505"));
}

void tst_FormSensors::pollingEveryFewSeconds()
{
    m_editor->attach();
    m_editor->show(orv_FormXml_K4810::PageSensors);
    auto *autoBox = static_cast<QCheckBox *>(widget(QStringLiteral("checkBox_Auto")));
    act(widget(QStringLiteral("spinBox_Interval")), QStringLiteral("3"));
    autoBox->click();
    QCOMPARE(count(OrvMsg::SensorsPoll), 1);
    QVERIFY(m_editor->editor()->isPolling());
    QVERIFY(!widget(QStringLiteral("spinBox_Interval"))->isEnabled());
    QVERIFY(!widget(QStringLiteral("pushButton_Quest"))->isEnabled());
    m_editor->deliver(OrvMsg::FuelLevelAnswer, fuelAnswer(31, 5230, 700, 1234));
    m_editor->deliver(OrvMsg::StateAnswer, stateAnswer("1384", "10110000", "0412"));
    QCOMPARE(m_editor->editor()->analogTimer()->interval(), 3000);
    QVERIFY(m_editor->editor()->analogTimer()->isActive());
    QCOMPARE(at("label_Live_AIn1"), QStringLiteral("5.23"));
    QCOMPARE(at("label_Live_In2_Hertz"), QStringLiteral("700"));
    QCOMPARE(at("label_Live_In2_Pulses"), QStringLiteral("1234"));
    QCOMPARE(at("label_Live_In1"), QStringLiteral("K4810_329"));
    QCOMPARE(at("label_Live_In2"), QStringLiteral("K4810_330"));
    QCOMPARE(at("label_Live_Supply"), QStringLiteral("13.84"));
    // An answer without the frequency and pulses leaves them as they were.
    m_editor->editor()->pollNow();
    m_editor->deliver(OrvMsg::FuelLevelAnswer, fuelAnswer(6, 4100, 1, 1));
    QCOMPARE(at("label_Live_AIn1"), QStringLiteral("4.10"));
    QCOMPARE(at("label_Live_In2_Hertz"), QStringLiteral("700"));

    autoBox->click();
    QVERIFY(!m_editor->editor()->isPolling());
    QVERIFY(widget(QStringLiteral("spinBox_Interval"))->isEnabled());
    QVERIFY(widget(QStringLiteral("pushButton_Quest"))->isEnabled());
    // Leaving the page or going offline ends the polling and clears the box.
    autoBox->click();
    QVERIFY(m_editor->editor()->isPolling());
    m_editor->detach();
    QVERIFY(!m_editor->editor()->isPolling());
    QVERIFY(!autoBox->isChecked());
    QCOMPARE(at("label_Live_AIn1"), QString());
}

void tst_FormSensors::oneQuery_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::newRow("later") << false;
    QTest::newRow("inside send") << true;
}

void tst_FormSensors::oneQuery()
{
    QFETCH(bool, insideSend);
    m_editor->attach();
    m_editor->show(orv_FormXml_K4810::PageSensors);
    if (insideSend) {
        answerInsideSend() = [this](const Request &r) {
            if (r.msgId == OrvMsg::SensorsPoll) {
                m_editor->deliver(OrvMsg::FuelLevelAnswer, fuelAnswer(31, 5230, 700, 1234));
                m_editor->deliver(OrvMsg::StateAnswer, stateAnswer("1384", "10110000", "0412"));
            }
        };
    }
    static_cast<QAbstractButton *>(widget(QStringLiteral("pushButton_Quest")))->pressed();
    QCOMPARE(count(OrvMsg::SensorsPoll), 1);
    if (!insideSend) {
        m_editor->deliver(OrvMsg::FuelLevelAnswer, fuelAnswer(31, 5230, 700, 1234));
        m_editor->deliver(OrvMsg::StateAnswer, stateAnswer("1384", "10110000", "0412"));
    }
    QCOMPARE(at("label_Live_AIn1"), QStringLiteral("5.23"));
    QCOMPARE(at("label_Live_Battery"), QStringLiteral("4.12"));
    QCOMPARE(at("label_Live_In3"), QStringLiteral("K4810_329"));
    QVERIFY(!m_editor->editor()->isPolling());
    // Both answers came: later ones are nobody's.
    answerInsideSend() = nullptr;
    m_editor->deliver(OrvMsg::FuelLevelAnswer, fuelAnswer(31, 1000, 1, 1));
    m_editor->deliver(OrvMsg::StateAnswer, stateAnswer("1111", "00000000", "0300"));
    QCOMPARE(at("label_Live_AIn1"), QStringLiteral("5.23"));
    QCOMPARE(at("label_Live_Supply"), QStringLiteral("13.84"));
    QCOMPARE(count(OrvMsg::SensorsPoll), 1);
}

QTEST_MAIN(tst_FormSensors)
#include "tst_formsensors.moc"
