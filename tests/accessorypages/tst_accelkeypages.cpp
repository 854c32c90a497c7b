// The accelerometer and touch-memory pages in the editor, on a device whose
// host records every request: a file's sections shown as a user reads them
// (older accelerometer levels included), a user's change in what is saved,
// the wake-up switch, the calibration wizard opened from the page (the
// page's poll paused while it is open, closed by a detach), the reset of
// the calibration, the touch-memory form switch and the read of a key into
// the short list.

#include "../systempages/pagefixture.h"

#include "accessories/orv_formaccelcalibr.h"
#include "accessories/orv_formaccelcalibrmaster.h"
#include "accessories/orv_formtmconfig.h"
#include "accessories/orv_formtmfile.h"
#include "accessories/orv_formwidgettm.h"
#include "settings/editor/settingspolling.h"
#include "settings/pages/orv_formaccelerometer.h"
#include "settings/pages/orv_formtm.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace PageFixture;
using E = orv_FormXml_K4810;

namespace {

const QString kAccel = QStringLiteral("ACCELEROMETER");
const QString kTm = QStringLiteral("TM_KEYS");

template <typename T = QWidget>
T *widget(QWidget *page, const char *name)
{
    T *w = page ? page->findChild<T *>(QLatin1String(name)) : nullptr;
    if (!w)
        qWarning("no widget %s", name);
    return w;
}

} // namespace

class tst_AccelKeyPages : public QObject
{
    Q_OBJECT

private slots:
    void accelerometerShown_data();
    void accelerometerShown();
    void accelerometerEdited_data();
    void accelerometerEdited();
    void loadingChangesNothing();
    void wizardFromThePage();
    void calibrationReset();
    void keysShown_data();
    void keysShown();
    void keysEdited();
    void formChosen();
    void keyReadIntoTheShortList();
    void keyFileTransferHoldsThePage();
};

void tst_AccelKeyPages::accelerometerShown_data()
{
    QTest::addColumn<QByteArray>("fragment");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    const QByteArray file = "<SENSORS sh1=\"45.0\" sh2=\"75.5\" sh3=\"2.5\" sh4=\"20.0\" wakeup=\"7\"/>"
                            "<RAIF tech=\"1\" mode=\"1\" ign_wait=\"45\" step1=\"1.5 1.5 2.5\" step2=\"3.0 3.5 4.0\" "
                            "dur=\"30\" asi=\"15\"/>";
    QTest::newRow("light shock") << file << "doubleSpinBox_Sh1" << "45";
    QTest::newRow("strong shock") << file << "doubleSpinBox_Sh2" << "75.5";
    QTest::newRow("relocation") << file << "doubleSpinBox_Sh3" << "2.5";
    QTest::newRow("inclination") << file << "doubleSpinBox_Sh4" << "20";
    QTest::newRow("wake-up on") << file << "radioButton_WakeupOn" << "on";
    QTest::newRow("wake-up level") << file << "horizontalSlider_Wakeup" << "7";
    QTest::newRow("recording on") << file << "checkBox_Tech" << "on";
    QTest::newRow("two steps") << file << "radioButton_ModeSteps" << "on";
    QTest::newRow("ignition wait") << file << "spinBox_IgnWait" << "45";
    QTest::newRow("step 2, Y") << file << "doubleSpinBox_Step2_Y" << "3.5";
    QTest::newRow("duration") << file << "spinBox_Dur" << "30";
    QTest::newRow("ASI") << file << "lineEdit_Asi" << "15";
    const QByteArray off = "<SENSORS sh1=\"45.0\" wakeup=\"0\"/>";
    QTest::newRow("wake-up off") << off << "radioButton_WakeupOff" << "on";
    QTest::newRow("wake-up off shows 10") << off << "horizontalSlider_Wakeup" << "10";
    // Files without SENSORS: the older keys, converted.
    const QByteArray older = "<LightBlow>324</LightBlow><strongShock>1166400</strongShock>"
                             "<Inclination>0.1745329252</Inclination>";
    QTest::newRow("older light shock") << older << "doubleSpinBox_Sh1" << "1";
    QTest::newRow("older strong shock") << older << "doubleSpinBox_Sh2" << "60";
    QTest::newRow("older relocation absent") << older << "doubleSpinBox_Sh3" << "1.9";
    QTest::newRow("older inclination") << older << "doubleSpinBox_Sh4" << "10";
    const QByteArray negative = "<LightBlow>-810000</LightBlow><Inclination>-1</Inclination>";
    QTest::newRow("older negative level") << negative << "doubleSpinBox_Sh1" << "50";
    QTest::newRow("older negative angle") << negative << "doubleSpinBox_Sh4" << "25";
}

void tst_AccelKeyPages::accelerometerShown()
{
    QFETCH(QByteArray, fragment);
    QFETCH(QString, name);
    QFETCH(QString, value);
    Editor e;
    QVERIFY(e.load(kAccel, fragment));
    QWidget *page = e.page(E::PageAccelerometer);
    QVERIFY(qobject_cast<ORV_FormAccelerometer *>(page));
    QWidget *w = widget(page, name.toLatin1().constData());
    QVERIFY(w);
    QCOMPARE(shown(w), value);
}

void tst_AccelKeyPages::accelerometerEdited_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("light shock") << "doubleSpinBox_Sh1" << "33.3" << QByteArray("sh1=\"33.3\"");
    QTest::newRow("inclination") << "doubleSpinBox_Sh4" << "12.5" << QByteArray("sh4=\"12.5\"");
    QTest::newRow("wake-up off") << "radioButton_WakeupOff" << "on" << QByteArray("wakeup=\"0\"");
    QTest::newRow("wake-up level") << "horizontalSlider_Wakeup" << "15" << QByteArray("wakeup=\"15\"");
    QTest::newRow("recording off") << "checkBox_Tech" << "off" << QByteArray("tech=\"0\"");
    QTest::newRow("one threshold") << "radioButton_ModeFixed" << "on" << QByteArray("mode=\"0\"");
    QTest::newRow("step 1, Z") << "doubleSpinBox_Step1_Z" << "3.5" << QByteArray("step1=\"1.5 1.5 3.5\"");
    QTest::newRow("ASI") << "lineEdit_Asi" << "20" << QByteArray("asi=\"20\"");
}

void tst_AccelKeyPages::accelerometerEdited()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QByteArray, saved);
    Editor e;
    QVERIFY(e.load(kAccel, "<SENSORS sh1=\"45.0\" wakeup=\"7\"/><RAIF tech=\"1\" mode=\"1\" step1=\"1.5 1.5 2.5\"/>"));
    QWidget *w = widget(e.page(E::PageAccelerometer), name.toLatin1().constData());
    QVERIFY(w);
    act(w, value);
    const QByteArray section = e.saved(kAccel);
    QVERIFY2(section.contains(saved), linesLike(section, saved).constData());
}

void tst_AccelKeyPages::loadingChangesNothing()
{
    // The wake-up switch and slider are set on load without writing: a
    // file loaded and saved untouched keeps its values, and switching the
    // wake-up off and on again returns the sensitivity the slider shows.
    Editor e;
    QVERIFY(e.load(kAccel, "<SENSORS sh1=\"45.0\" wakeup=\"0\"/><RAIF tech=\"1\" mode=\"0\"/>"));
    QWidget *page = e.page(E::PageAccelerometer);
    e.show(E::PageAccelerometer);
    for (const char *path : {"SENSORS/wakeup", "SENSORS/sh1", "RAIF/mode", "RAIF/step2"})
        QVERIFY2(!e.model()->isChanged(kAccel, QLatin1String(path)), path);
    QVERIFY(e.saved(kAccel).contains("wakeup=\"0\""));
    auto *slider = widget<QSlider>(page, "horizontalSlider_Wakeup");
    QVERIFY(!slider->isEnabled());
    QVERIFY(!widget(page, "doubleSpinBox_Step2_X")->isEnabled()); // one threshold: no second step
    act(widget(page, "radioButton_WakeupOn"), QStringLiteral("on"));
    QVERIFY(slider->isEnabled());
    QCOMPARE(e.model()->text(kAccel, QStringLiteral("SENSORS/wakeup")), QStringLiteral("10"));
    act(widget(page, "radioButton_ModeSteps"), QStringLiteral("on"));
    QVERIFY(widget(page, "doubleSpinBox_Step2_X")->isEnabled());
    // A reload shows the file again.
    QVERIFY(e.load(kAccel, "<SENSORS wakeup=\"12\"/>"));
    QCOMPARE(slider->value(), 12);
    QVERIFY(widget<QRadioButton>(page, "radioButton_WakeupOn")->isChecked());
}

void tst_AccelKeyPages::wizardFromThePage()
{
    Editor e;
    QVERIFY(e.load(kAccel, "<SENSORS wakeup=\"7\"/>"));
    auto *page = qobject_cast<ORV_FormAccelerometer *>(e.page(E::PageAccelerometer));
    auto *master = widget<QPushButton>(page, "Btn_Master");
    QVERIFY(!master->isEnabled()); // offline
    e.attach();
    e.show(E::PageAccelerometer);
    QVERIFY(master->isEnabled());
    // The calibration tab asks what the tracker holds.
    requests().clear();
    widget<QTabWidget>(page, "tabWidget")->setCurrentIndex(ORV_FormAccelerometer::TabCalibr);
    QCOMPARE(count(OrvMsg::AccelState), 1);
    const QByteArray reading("*#ACCEL:A1+0012-0003-0998012300352");
    e.deliver(OrvMsg::AccelStateAnswer, reading);
    QCOMPARE(widget<QLabel>(page, "label_AxisZ")->text(), QStringLiteral("-0.998"));
    QCOMPARE(widget<QLabel>(page, "label_CalibrationState")->text(),
             ORV_FormAccelCalibr::calibrationText(AccelerometerReading::Calibration::Autonomous));

    // The automatic reading polls with {65, 0} until the wizard opens.
    auto *autoRead = widget<QCheckBox>(page, "checkBox_Auto");
    autoRead->click();
    QVERIFY(page->isLivePolling());
    master->pressed();
    ORV_FormAccelCalibrMaster *wizard = page->master();
    QVERIFY(wizard && wizard->isVisible() && wizard->isActive());
    QVERIFY(!page->isLivePolling());

    // GNSS calibration: Next twice sends "G0", the status ";" ends on its
    // screen; a reading that arrives meanwhile is not the wizard's.
    requests().clear();
    wizard->calibration()->setAction(AccelCalibration::Action::Gnss);
    wizard->slot_pressed_Btn_Next();
    wizard->slot_pressed_Btn_Next();
    QCOMPARE(count(OrvMsg::AccelCalibrationStep), 1);
    const auto *command = reinterpret_cast<const char *>(requests().back().p1);
    QCOMPARE(QByteArray(command, 2), QByteArray("G0"));
    e.deliver(OrvMsg::AccelCalibrationAnswer, QByteArray("*#ACCEL:G1"));
    QCOMPARE(wizard->calibration()->screen(), AccelCalibration::Screen::StaticStep);
    e.deliver(OrvMsg::AccelCalibrationAnswer, QByteArray("*#ACCEL:G;"));
    QCOMPARE(wizard->calibration()->screen(), AccelCalibration::Screen::GnssStarted);
    // Finish: the wizard closes, the automatic reading goes on.
    wizard->slot_pressed_Btn_Next();
    QVERIFY(!wizard->isVisible());
    QVERIFY(page->isLivePolling());

    // Opened again, then the tracker goes away: it closes, nothing is polled.
    master->pressed();
    QVERIFY(wizard->isVisible());
    e.detach();
    QVERIFY(!wizard->isVisible());
    QVERIFY(!page->isLivePolling());
    QVERIFY(!autoRead->isChecked());
    QVERIFY(!master->isEnabled());
}

void tst_AccelKeyPages::calibrationReset()
{
    Editor e;
    QVERIFY(e.load(kAccel, QByteArray()));
    auto *page = qobject_cast<ORV_FormAccelerometer *>(e.page(E::PageAccelerometer));
    e.attach();
    e.show(E::PageAccelerometer);
    widget<QTabWidget>(page, "tabWidget")->setCurrentIndex(ORV_FormAccelerometer::TabCalibr);
    requests().clear();
    // Asked first; "No" sends nothing.
    widget<QPushButton>(page, "Btn_Default")->pressed();
    QVERIFY(page->resetQuestion());
    page->resetQuestion()->reject();
    QCOMPARE(count(OrvMsg::AccelOption), 0);
    widget<QPushButton>(page, "Btn_Default")->pressed();
    QMessageBox *box = page->resetQuestion();
    QVERIFY(box);
    box->buttons().at(0)->click();
    QCOMPARE(count(OrvMsg::AccelOption), 1);
    QCOMPARE(requests().back().p2, intptr_t(AccelerometerReset::ResetOption));
    e.deliver(OrvMsg::AccelOptionAnswer, QByteArray("*#ACCEL:R1"));
    QVERIFY(!widget<QLabel>(page, "label_Result")->text().isEmpty());
    QCOMPARE(widget<QLabel>(page, "label_CalibrationState")->text(),
             ORV_FormAccelCalibr::calibrationText(AccelerometerReading::Calibration::None));
    // A short answer is dropped.
    widget<QLabel>(page, "label_Result")->clear();
    widget<QPushButton>(page, "Btn_Default")->pressed();
    page->resetQuestion()->buttons().at(0)->click();
    e.deliver(OrvMsg::AccelOptionAnswer, QByteArray("*#ACCEL:"));
    QVERIFY(widget<QLabel>(page, "label_Result")->text().isEmpty());
}

void tst_AccelKeyPages::keysShown_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mode");
    QTest::newRow("first") << 1 << "0012A4C3F101" << QStringLiteral("Иванов И. И.") << 0;
    QTest::newRow("fifth") << 5 << "21E6055C01" << QStringLiteral("Охрана") << 4;
    QTest::newRow("last") << 16 << "ABCDEF1" << "" << 5;
    QTest::newRow("absent") << 2 << "" << "" << 0;
}

void tst_AccelKeyPages::keysShown()
{
    QFETCH(int, row);
    QFETCH(QString, code);
    QFETCH(QString, text);
    QFETCH(int, mode);
    Editor e;
    QVERIFY(e.load(kTm, QStringLiteral("<tmKeyCode1>0012A4C3F101</tmKeyCode1><tmKeyText1>Иванов И. И.</tmKeyText1>"
                                       "<changeModeKey1>0</changeModeKey1><tmKeyCode5>21E6055C01</tmKeyCode5>"
                                       "<tmKeyText5>Охрана</tmKeyText5><changeModeKey5>4</changeModeKey5>"
                                       "<tmKeyCode16>ABCDEF1</tmKeyCode16><changeModeKey16>5</changeModeKey16>")
                                .toUtf8()));
    auto *page = qobject_cast<ORV_FormTM *>(e.page(E::PageTM));
    QVERIFY(page);
    ORV_FormWidgetTM *r = page->configPage()->row(row);
    QVERIFY(r);
    QCOMPARE(widget<QLineEdit>(r, "lineEdit_Code")->text(), code);
    QCOMPARE(widget<QLineEdit>(r, "lineEdit_Text")->text(), text);
    QCOMPARE(widget<QComboBox>(r, "comboBox_Mode")->currentIndex(), mode);
}

void tst_AccelKeyPages::keysEdited()
{
    Editor e;
    QVERIFY(e.load(kTm, "<tmKeyCode1>0012A4C3F101</tmKeyCode1><TM_PARAM format=\"XML\" clr_evnt=\"0\"/>"));
    auto *page = qobject_cast<ORV_FormTM *>(e.page(E::PageTM));
    ORV_FormWidgetTM *r = page->configPage()->row(7);
    act(widget(r, "lineEdit_Code"), QStringLiteral("00158B2E7A01"));
    act(widget(r, "lineEdit_Text"), QStringLiteral("Petrov"));
    act(widget(r, "comboBox_Mode"), QStringLiteral("3"));
    act(widget(page, "checkBox_ClrEvnt"), QStringLiteral("on"));
    act(widget(page, "comboBox_ShortId"), QStringLiteral("1"));
    const QByteArray s = e.saved(kTm);
    for (const QByteArray &expected : {QByteArray("<tmKeyCode7>00158B2E7A01</tmKeyCode7>"),
                                      QByteArray("<tmKeyText7>Petrov</tmKeyText7>"),
                                      QByteArray("<changeModeKey7>3</changeModeKey7>"),
                                      QByteArray("<tmKeyCode1>0012A4C3F101</tmKeyCode1>"), QByteArray("clr_evnt=\"1\""),
                                      QByteArray("short_id=\"1\"")})
        QVERIFY2(s.contains(expected), linesLike(s, expected).constData());
    // A code is hexadecimal: what is not cannot be typed.
    auto *code = widget<QLineEdit>(r, "lineEdit_Code");
    code->clear();
    QTest::keyClicks(code, QStringLiteral("12XZ"));
    QCOMPARE(code->text(), QStringLiteral("12"));
}

void tst_AccelKeyPages::formChosen()
{
    Editor e;
    QVERIFY(e.load(kTm, "<TM_PARAM format=\"BIN\"/>"));
    auto *page = qobject_cast<ORV_FormTM *>(e.page(E::PageTM));
    auto *stack = widget<QStackedWidget>(page, "stackedWidget_Format");
    auto *format = widget<QComboBox>(page, "FormatTM");
    QCOMPARE(stack->currentWidget(), page->filePage());
    QCOMPARE(format->currentIndex(), 1);
    format->setCurrentIndex(0);
    QCOMPARE(stack->currentWidget(), page->configPage());
    QVERIFY(e.saved(kTm).contains("format=\"XML\""));
    // A form the editor does not know stays in the file; the sixteen keys show.
    QVERIFY(e.load(kTm, "<TM_PARAM format=\"NEW\"/>"));
    QCOMPARE(stack->currentWidget(), page->configPage());
    QCOMPARE(format->currentText(), QStringLiteral("NEW"));
    QVERIFY(e.saved(kTm).contains("format=\"NEW\""));
    // Offline the key file page asks the tracker nothing.
    format->setCurrentIndex(1);
    QCOMPARE(stack->currentWidget(), page->filePage());
    QVERIFY(!widget(page->filePage(), "BtnSaveDevice")->isEnabled());
    QVERIFY(widget(page->filePage(), "BtnSaveFile")->isEnabled());
    e.attach();
    QVERIFY(widget(page->filePage(), "BtnSaveDevice")->isEnabled());
}

void tst_AccelKeyPages::keyReadIntoTheShortList()
{
    Editor e;
    QVERIFY(e.load(kTm, QByteArray()));
    auto *page = qobject_cast<ORV_FormTM *>(e.page(E::PageTM));
    ORV_FormWidgetTM *r = page->configPage()->row(3);
    auto *read = widget<QAbstractButton>(r, "Btn_Key");
    QVERIFY(!read->isEnabled()); // offline
    e.attach();
    e.show(E::PageTM);
    QVERIFY(read->isEnabled());
    requests().clear();
    read->pressed();
    QCOMPARE(count(OrvMsg::ReadTouchMemory), 1);
    // The low six bytes of the code, as the key file keeps them.
    const quint64 code = 0x5A000012A4C3F101ull;
    e.deliver(OrvMsg::TouchMemoryCode, addr(&code));
    QCOMPARE(widget<QLineEdit>(r, "lineEdit_Code")->text(), QStringLiteral("0012A4C3F101"));
    QCOMPARE(e.model()->text(kTm, QStringLiteral("tmKeyCode3")), QStringLiteral("0012A4C3F101"));
    // No key at the reader: the row stays as it was.
    read->pressed();
    const quint64 none = 0;
    e.deliver(OrvMsg::TouchMemoryCode, addr(&none));
    QCOMPARE(e.model()->text(kTm, QStringLiteral("tmKeyCode3")), QStringLiteral("0012A4C3F101"));
    // A code nobody asked for is dropped.
    const quint64 other = 0x42;
    e.deliver(OrvMsg::TouchMemoryCode, addr(&other));
    QCOMPARE(e.model()->text(kTm, QStringLiteral("tmKeyCode3")), QStringLiteral("0012A4C3F101"));
}

void tst_AccelKeyPages::keyFileTransferHoldsThePage()
{
    // The key file page inside the touch-memory page: its blocks go to the
    // host as a buffer's address and length; while a transfer runs the
    // other tabs are out of reach; an error or a detach ends it.
    Editor e;
    QVERIFY(e.load(kTm, "<TM_PARAM format=\"BIN\"/>"));
    auto *page = qobject_cast<ORV_FormTM *>(e.page(E::PageTM));
    QStringList told;
    page->filePage()->setNotifier([&told](const QString &text) { told << text; });
    auto *tabs = e.editor()->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    const int accelTab = e.page(E::PageAccelerometer)->tabIndex();
    e.attach();
    e.show(E::PageTM);
    requests().clear();
    QByteArray firstBlock;
    answerInsideSend() = [&firstBlock](const Request &r) {
        if (r.msgId == OrvMsg::TouchMemorySave && firstBlock.isEmpty())
            firstBlock = QByteArray(reinterpret_cast<const char *>(r.p1), int(r.p2));
    };
    widget<QPushButton>(page->filePage(), "BtnSaveDevice")->pressed();
    answerInsideSend() = nullptr;
    QCOMPARE(count(OrvMsg::TouchMemorySave), 1);
    QCOMPARE(firstBlock.size(), 2 + 512); // block number, then the file's first 512 bytes
    QVERIFY(firstBlock.startsWith(QByteArray("\x00\x00TMK", 5)));
    QVERIFY(!tabs->isTabEnabled(accelTab));
    e.editor()->setCurrentTab(accelTab);
    QCOMPARE(tabs->currentIndex(), page->tabIndex());
    QVERIFY(!widget(page, "FormatTM")->isEnabled());

    // Block 0 acknowledged, block 1 refused: the error, the tabs back.
    e.deliver(OrvMsg::TouchMemorySaveAnswer, QByteArray("*#TMKW:1"));
    QCOMPARE(count(OrvMsg::TouchMemorySave), 2);
    e.deliver(OrvMsg::TouchMemorySaveAnswer, QByteArray("*#TMKW:3"));
    QCOMPARE(told, QStringList{QStringLiteral("Error (Write file): 0x33")});
    QVERIFY(tabs->isTabEnabled(accelTab));
    QVERIFY(widget(page, "FormatTM")->isEnabled());

    // Reading from the tracker, then a detach: the page lets go.
    widget<QPushButton>(page->filePage(), "BtnLoadDevice")->pressed();
    QCOMPARE(count(OrvMsg::TouchMemoryLoad), 1);
    QVERIFY(!tabs->isTabEnabled(accelTab));
    e.detach();
    QVERIFY(tabs->isTabEnabled(accelTab));
    QVERIFY(!page->filePage()->isTransferring());
    QVERIFY(!widget(page->filePage(), "BtnLoadDevice")->isEnabled());
}

QTEST_MAIN(tst_AccelKeyPages)
#include "tst_accelkeypages.moc"
