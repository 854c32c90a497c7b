// The accelerometer and touch-memory pages with the simulated tracker,
// through the plug-in's exports: the tracker's configuration shown on the
// two tabs, changed, written and read back, with the host answering later
// and inside the send; the axis calibration run from the page to its end;
// the tabs fitting an editor 1366 pixels wide.
//
// With K4810_SCREENSHOT_DIR set, the tabs are also grabbed there in English.

#include "host/hosttranslator.h"
#include "host/pluginhost.h"
#include "host/simulator/services/accelerometer/accelerometerservice.h"
#include "host/simulator/services/settings/settingsservice.h"
#include "host/simulator/simulatedtracker.h"
#include "tests/support/trackersession.h"
#include "tests/support/uiautomation.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>

#include <functional>

using namespace UiAutomation;

namespace {

template <typename T = QWidget>
T *child(QWidget *editor, const char *page, const char *name)
{
    QWidget *p = editor ? editor->findChild<QWidget *>(QLatin1String(page)) : nullptr;
    return p ? p->findChild<T *>(QLatin1String(name)) : nullptr;
}

// The editor's tab that holds a page; it is made current.
QScrollArea *showPage(QWidget *editor, const char *page)
{
    auto *tabs = editor->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QWidget *p = editor->findChild<QWidget *>(QLatin1String(page));
    for (int i = 0; tabs && p && i < tabs->count(); ++i) {
        if (tabs->widget(i)->isAncestorOf(p)) {
            tabs->setCurrentIndex(i);
            return qobject_cast<QScrollArea *>(tabs->widget(i));
        }
    }
    return nullptr;
}

template <typename T = QWidget>
T *in(QWidget *parent, const char *name)
{
    return parent ? parent->findChild<T *>(QLatin1String(name)) : nullptr;
}

// A row of the short list of keys.
QWidget *keyRow(QWidget *editor, int number)
{
    return child(editor, "ORV_FormTM", QStringLiteral("ORV_FormWidgetTM_%1").arg(number).toLatin1().constData());
}

} // namespace

class tst_AccelKeyPagesE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void tabsShowTheTrackersConfiguration();
    void changesWrittenAndReadBack_data();
    void changesWrittenAndReadBack();
    void calibrationFromThePage_data();
    void calibrationFromThePage();
    void tabsFitTheScreen();
    void cleanupTestCase();

private:
    QWidget *readSettings();
    void answerMode_data();

    TrackerSession m_session;
    HostTranslator m_translator;
    QString m_screenshots;
    AccelerometerService *m_accel = nullptr;
};

void tst_AccelKeyPagesE2E::initTestCase()
{
    m_screenshots = qEnvironmentVariable("K4810_SCREENSHOT_DIR");
    if (!m_screenshots.isEmpty()) {
        QVERIFY(m_translator.loadFolder(QStringLiteral(K4810_BINARY_DIR "/host")));
        QCoreApplication::installTranslator(&m_translator);
    }
    QString error;
    QVERIFY2(m_session.start(&error), qPrintable(error));
    m_accel = m_session.tracker->service<AccelerometerService>();
    QVERIFY(m_accel);
    m_accel->setStepDurations(150, 250);
}

void tst_AccelKeyPagesE2E::init()
{
    m_session.tracker->setAnswerMode(PluginHost::AnswerMode::Async);
    m_session.settings->setStoredConfiguration(SettingsService::initialConfiguration());
}

QWidget *tst_AccelKeyPagesE2E::readSettings()
{
    return m_session.readSettings(TrackerSession::Changes::Keep);
}

void tst_AccelKeyPagesE2E::answerMode_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::newRow("host answers later") << false;
    QTest::newRow("host answers inside send") << true;
}

void tst_AccelKeyPagesE2E::tabsShowTheTrackersConfiguration()
{
    QWidget *editor = readSettings();
    QVERIFY(editor && editor->isVisible());
    QVERIFY(showPage(editor, "ORV_FormAccelerometer"));
    // The tracker's values, none of them a default.
    QCOMPARE(child<QDoubleSpinBox>(editor, "ORV_FormAccelerometer", "doubleSpinBox_Sh2")->value(), 75.5);
    QCOMPARE(child<QSlider>(editor, "ORV_FormAccelerometer", "horizontalSlider_Wakeup")->value(), 7);
    QVERIFY(child<QRadioButton>(editor, "ORV_FormAccelerometer", "radioButton_ModeSteps")->isChecked());
    QCOMPARE(child<QDoubleSpinBox>(editor, "ORV_FormAccelerometer", "doubleSpinBox_Step2_Z")->value(), 4.0);
    QVERIFY(showPage(editor, "ORV_FormTM"));
    QCOMPARE(in<QLineEdit>(keyRow(editor, 2), "lineEdit_Code")->text(),
             QStringLiteral("00158B2E7A01"));
    QCOMPARE(in<QLineEdit>(keyRow(editor, 1), "lineEdit_Text")->text(),
             QStringLiteral("Иванов И. И."));
    QCOMPARE(in<QComboBox>(keyRow(editor, 4), "comboBox_Mode")->currentIndex(), 4);
    QVERIFY(child<QCheckBox>(editor, "ORV_FormTM", "checkBox_ClrEvnt")->isChecked());
}

void tst_AccelKeyPagesE2E::changesWrittenAndReadBack_data()
{
    answerMode_data();
}

void tst_AccelKeyPagesE2E::changesWrittenAndReadBack()
{
    QFETCH(bool, insideSend);
    m_session.tracker->setAnswerMode(insideSend ? PluginHost::AnswerMode::InsideSend : PluginHost::AnswerMode::Async);
    QWidget *editor = readSettings();
    QVERIFY(editor);
    auto *strong = child<QDoubleSpinBox>(editor, "ORV_FormAccelerometer", "doubleSpinBox_Sh2");
    auto *wakeupOff = child<QRadioButton>(editor, "ORV_FormAccelerometer", "radioButton_WakeupOff");
    auto *step2x = child<QDoubleSpinBox>(editor, "ORV_FormAccelerometer", "doubleSpinBox_Step2_X");
    QWidget *row6 = keyRow(editor, 6);
    auto *code6 = in<QLineEdit>(row6, "lineEdit_Code");
    auto *text6 = in<QLineEdit>(row6, "lineEdit_Text");
    auto *mode6 = in<QComboBox>(row6, "comboBox_Mode");
    auto *clear = child<QCheckBox>(editor, "ORV_FormTM", "checkBox_ClrEvnt");
    QVERIFY(strong && wakeupOff && step2x && code6 && text6 && mode6 && clear);

    showPage(editor, "ORV_FormAccelerometer");
    strong->setValue(66.6);
    wakeupOff->click();
    step2x->setValue(2.5);
    showPage(editor, "ORV_FormTM");
    code6->setText(QStringLiteral("0033FF0C1201"));
    text6->setText(QStringLiteral("Водитель 6"));
    mode6->setCurrentIndex(2);
    clear->click();

    auto *load = editor->findChild<QPushButton *>(QStringLiteral("pushButton_LoadToDevice"));
    QSignalSpy stored(m_session.settings, &SettingsService::configurationStored);
    acceptNextQuestion();
    load->pressed();
    QTRY_COMPARE_WITH_TIMEOUT(stored.count(), 1, 10000);
    const QByteArray kept = m_session.settings->storedConfiguration();
    for (const QByteArray &expected :
         {QByteArray("sh2=\"66.6\""), QByteArray("wakeup=\"0\""), QByteArray("step2=\"2.5 3.0 4.0\""),
          QByteArray("<tmKeyCode6>0033FF0C1201</tmKeyCode6>"), QByteArray("<changeModeKey6>2</changeModeKey6>"),
          QByteArray("clr_evnt=\"0\""), QByteArray("<tmKeyCode1>0012A4C3F101</tmKeyCode1>")})
        QVERIFY2(kept.contains(expected), expected.constData());
    QTRY_VERIFY(load->isEnabled());

    // Changed again on screen, then read back: the tracker's values return.
    strong->setValue(20.0);
    code6->clear();
    mode6->setCurrentIndex(0);
    discardNextChanges(); // the changes on screen are dropped for the tracker's reading
    editor = readSettings();
    QCOMPARE(strong->value(), 66.6);
    QVERIFY(wakeupOff->isChecked());
    QCOMPARE(child<QSlider>(editor, "ORV_FormAccelerometer", "horizontalSlider_Wakeup")->value(), 10);
    QCOMPARE(step2x->value(), 2.5);
    QCOMPARE(code6->text(), QStringLiteral("0033FF0C1201"));
    QCOMPARE(text6->text(), QStringLiteral("Водитель 6"));
    QCOMPARE(mode6->currentIndex(), 2);
    QVERIFY(!clear->isChecked());
}

void tst_AccelKeyPagesE2E::calibrationFromThePage_data()
{
    answerMode_data();
}

void tst_AccelKeyPagesE2E::calibrationFromThePage()
{
    // The calibration tab opens the wizard; an autonomous calibration runs
    // to its end (the simulated steps shortened) and the tab then shows the
    // axes calibrated.
    QFETCH(bool, insideSend);
    m_session.tracker->setAnswerMode(insideSend ? PluginHost::AnswerMode::InsideSend : PluginHost::AnswerMode::Async);
    m_accel->setCalibration('0');
    QWidget *editor = readSettings();
    QVERIFY(editor);
    showPage(editor, "ORV_FormAccelerometer");
    auto *tabs = child<QTabWidget>(editor, "ORV_FormAccelerometer", "tabWidget");
    auto *state = child<QLabel>(editor, "ORV_FormAccelerometer", "label_CalibrationState");
    QVERIFY(tabs && state);
    tabs->setCurrentIndex(0);
    tabs->setCurrentIndex(2); // asks the tracker: not calibrated
    QTRY_VERIFY(!state->text().isEmpty());
    const QString before = state->text();

    child<QPushButton>(editor, "ORV_FormAccelerometer", "Btn_Master")->pressed();
    auto *wizard = child<QDialog>(editor, "ORV_FormAccelerometer", "ORV_FormAccelCalibrMaster");
    QVERIFY(wizard && wizard->isVisible());
    auto *next = wizard->findChild<QPushButton *>(QStringLiteral("Btn_Next"));
    wizard->findChild<QRadioButton *>(QStringLiteral("radioButton_Autonomous"))->click();
    next->pressed(); // the preparation
    next->pressed(); // "G3"
    QTRY_VERIFY_WITH_TIMEOUT(m_accel->sentStatuses().endsWith('5'), 10000);
    QVERIFY(m_accel->sentStatuses().endsWith("135"));
    QTRY_VERIFY(next->isEnabled());
    next->pressed(); // Finish
    QVERIFY(!wizard->isVisible());

    // Read again: calibrated.
    child<QPushButton>(editor, "ORV_FormAccelerometer", "pushButton_Read")->pressed();
    QTRY_VERIFY(state->text() != before);
    QCOMPARE(m_accel->calibration(), '1');

    // Reset, once the user agrees: the tracker forgets the calibration.
    auto *result = child<QLabel>(editor, "ORV_FormAccelerometer", "label_Result");
    acceptNextQuestion();
    child<QPushButton>(editor, "ORV_FormAccelerometer", "Btn_Default")->pressed();
    QTRY_VERIFY(!result->text().isEmpty());
    QCOMPARE(m_accel->calibration(), '0');
    QCOMPARE(state->text(), before);
}

void tst_AccelKeyPagesE2E::tabsFitTheScreen()
{
    QWidget *editor = readSettings();
    QVERIFY(editor);
    editor->resize(1366, 740);
    struct Shot
    {
        const char *page;
        const char *name;
        std::function<void()> before;
    };
    auto accelTab = [editor](int i) {
        return [editor, i] { child<QTabWidget>(editor, "ORV_FormAccelerometer", "tabWidget")->setCurrentIndex(i); };
    };
    auto tmForm = [editor](int i) {
        return [editor, i] { child<QComboBox>(editor, "ORV_FormTM", "FormatTM")->setCurrentIndex(i); };
    };
    const QList<Shot> shots = {
        {"ORV_FormAccelerometer", "ORV_FormAccelVirtual", accelTab(0)},
        {"ORV_FormAccelerometer", "ORV_FormAccelDtp", accelTab(1)},
        {"ORV_FormAccelerometer", "ORV_FormAccelCalibr", accelTab(2)},
        {"ORV_FormTM", "ORV_FormTMConfig", tmForm(0)},
        {"ORV_FormTM", "ORV_FormTMFile", tmForm(1)},
    };
    for (const Shot &shot : shots) {
        QScrollArea *area = showPage(editor, shot.page);
        QVERIFY(area);
        shot.before();
        if (QLatin1String(shot.page) == QLatin1String("ORV_FormAccelerometer"))
            child<QPushButton>(editor, shot.page, "pushButton_Read")->pressed();
        QTest::qWait(100);
        if (QLatin1String(shot.name) == QLatin1String("ORV_FormTMFile")) {
            // The key file's rows, made when the page is first shown, show.
            int shownRows = 0;
            for (QWidget *w : child(editor, shot.name, "widget_Keys")->findChildren<QWidget *>()) {
                if (w->inherits("ORV_FormWidgetTM") && w->isVisible())
                    ++shownRows;
            }
            QCOMPARE(shownRows, 510);
        }
        // It may scroll down, never sideways.
        QVERIFY2(!area->horizontalScrollBar()->isVisible(), shot.name);
        QVERIFY2(area->widget()->width() <= area->viewport()->width(), shot.name);
        if (!m_screenshots.isEmpty())
            QVERIFY(editor->grab().save(m_screenshots + QStringLiteral("/%1.png").arg(QLatin1String(shot.name))));
    }
}

void tst_AccelKeyPagesE2E::cleanupTestCase()
{
    m_session.tracker.reset();
    m_session.host->unload();
}

QTEST_MAIN(tst_AccelKeyPagesE2E)
#include "tst_accelkeypagese2e.moc"
