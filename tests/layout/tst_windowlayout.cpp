// Every window of the plug-in and the host on a 1366x768 screen with a task
// bar, in one language (K4810_LANGUAGE: en, the default, or ru; the plug-in
// makes its windows once, so each language runs in a process of its own):
// each opens inside the screen's free area, and no label, button or group
// title shows its text cut without a tool tip that gives the whole text. The
// plug-in is reached only through its exports, with the simulated tracker
// attached; the host's windows are built from its sources.
// With K4810_LAYOUT_SHOTS=<folder> each window is also saved as a picture.

#include "host/helpwindow.h"
#include "host/hostmainwindow.h"
#include "host/hostsettings.h"
#include "host/hosttranslator.h"
#include "host/messagelogmodel.h"
#include "host/pluginhost.h"
#include "host/simulator/services/telemetry/telemetryservice.h"
#include "host/simulator/simulatedtracker.h"
#include "host/trackerdialog.h"
#include "host/workingpaths.h"
#include "tests/layout/windowfit.h"
#include "tests/support/testfiles.h"
#include "tests/support/uiautomation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace UiAutomation;

class tst_WindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void screenIsTheSmallOne();
    void windowFits_data();
    void windowFits();
    void settingsEditorTabsFit();
    void cleanupTestCase();

private:
    QWidget *plugin(const char *objectName) const { return topLevel(QLatin1String(objectName)); }
    template<typename T = QWidget>
    static T *child(QWidget *w, const char *name)
    {
        return w ? w->findChild<T *>(QLatin1String(name)) : nullptr;
    }
    QWidget *telemetry();
    QWidget *editor();
    // The window that opened last: the active modal dialog, or a top-level
    // window by name.
    static QWidget *waitFor(const std::function<QWidget *()> &find);
    void check(QWidget *window, const QString &name);

    QTemporaryDir m_dir;
    HostTranslator m_texts;
    std::unique_ptr<HostSettings> m_settings;
    std::unique_ptr<MessageLogModel> m_log;
    std::unique_ptr<PluginHost> m_host;
    std::unique_ptr<SimulatedTracker> m_tracker;
    std::unique_ptr<HostMainWindow> m_main;
    QString m_settingsFile;
};

void tst_WindowLayout::initTestCase()
{
    const QString language = qEnvironmentVariable("K4810_LANGUAGE", QStringLiteral("en"));
    QVERIFY2(language == QLatin1String("en") || language == QLatin1String("ru"), qPrintable(language));
    QVERIFY(m_texts.loadLanguage(language, QStringLiteral(K4810_BINARY_DIR "/host")));
    QCoreApplication::installTranslator(&m_texts);
    m_settings = std::make_unique<HostSettings>(m_dir.filePath(QStringLiteral("host.ini")));
    m_settings->setAutoTelemetryMode(0);
    m_log = std::make_unique<MessageLogModel>();
    m_host = std::make_unique<PluginHost>();
    QVERIFY2(m_host->load(qEnvironmentVariable("K4810_PLUGIN")), qPrintable(m_host->errorString()));
    const QStringList paths = WorkingPaths::under(m_dir.filePath(QStringLiteral("work")));
    QVERIFY(WorkingPaths::create(paths));
    m_host->sendEnvironment(paths, 0);
    m_tracker = std::make_unique<SimulatedTracker>(m_host.get());
    m_tracker->addStandardServices();
    m_host->setRequestHandler(m_tracker.get());
    m_main = std::make_unique<HostMainWindow>(*m_host, *m_tracker, *m_settings, *m_log, paths);
    m_main->setHelpRoot(QStringLiteral(K4810_SOURCE_DIR "/host"));
    m_main->show();
    m_tracker->attach();

    // Names as long as a fleet gives them.
    m_settingsFile = m_dir.filePath(QStringLiteral("settings.xml"));
    QVERIFY(TestFiles::write(m_settingsFile,
                             "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE model=\"K-4810\">\n"
                             "\t<TRANSFER>\n\t\t<objectName>Refrigerated truck 17, northern depot</objectName>\n\t</TRANSFER>\n"
                             "\t<SYSTEM>\n\t\t<timeZone>3</timeZone>\n\t</SYSTEM>\n</DEVICE>\n"));
}

void tst_WindowLayout::screenIsTheSmallOne()
{
    // The suite runs on its own 1366x768 offscreen screen (see main()).
    QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), QSize(1366, 768));
}

QWidget *tst_WindowLayout::waitFor(const std::function<QWidget *()> &find)
{
    QWidget *found = nullptr;
    QTest::qWaitFor([&] {
        found = find();
        return found && found->isVisible();
    }, 5000);
    if (found)
        QTest::qWait(50); // let the layouts settle
    return found && found->isVisible() ? found : nullptr;
}

QWidget *tst_WindowLayout::telemetry()
{
    QWidget *window = plugin("orv_FormTmi_K4810");
    if (!window || !window->isVisible()) {
        m_host->deliverText(2019, m_settingsFile, 0);
        window = waitFor([this] { return plugin("orv_FormTmi_K4810"); });
    }
    return window;
}

QWidget *tst_WindowLayout::editor()
{
    QWidget *window = plugin("orv_FormXml_K4810");
    if (!window || !window->isVisible()) {
        m_host->deliverTextAndInts(2023, m_settingsFile, 0, 0);
        window = waitFor([this] { return plugin("orv_FormXml_K4810"); });
    }
    return window;
}

void tst_WindowLayout::check(QWidget *window, const QString &name)
{
    QVERIFY2(window, qPrintable(name + QStringLiteral(" did not open")));
    const QString shots = qEnvironmentVariable("K4810_LAYOUT_SHOTS");
    if (!shots.isEmpty()) {
        QDir().mkpath(shots);
        QString file = name;
        file.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("_"));
        window->grab().save(QDir(shots).filePath(file + QStringLiteral(".png")));
    }
    const QStringList faults = WindowFit::faults(window);
    QVERIFY2(faults.isEmpty(), qPrintable(name + QStringLiteral(":\n  ") + faults.join(QStringLiteral("\n  "))));
}

// A window, how a person opens it, and what to do after looking at it.
struct Opening
{
    std::function<QWidget *(tst_WindowLayout *)> open;
    bool closeAfter = true;
};

void tst_WindowLayout::windowFits_data()
{
    QTest::addColumn<QString>("window");
    for (const char *name :
         {"host main window", "tracker dialog", "telemetry window", "telemetry window, download tab",
          "telemetry window, accessories tab", "telemetry window, page", "telemetry window, second-generation page",
          "second-generation extras", "mileage", "fuel sensors", "tachograph", "chart", "trip summary", "help viewer",
          "light form", "operator list", "field selection", "field selection help", "page view", "table view",
          "fuel view"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_WindowLayout::windowFits()
{
    QFETCH(QString, window);
    QWidget *shown = nullptr;
    bool close = true;
    auto pressIn = [](QWidget *w, const char *button) {
        auto *b = child<QAbstractButton>(w, button);
        if (b)
            emit b->pressed();
        return b != nullptr;
    };
    auto modal = [] { return QApplication::activeModalWidget(); };
    const std::function<QWidget *()> noWindow = [] { return static_cast<QWidget *>(nullptr); };

    if (window == QLatin1String("host main window")) {
        shown = m_main.get();
        close = false;
    } else if (window == QLatin1String("tracker dialog")) {
        auto *dialog = new TrackerDialog(*m_tracker, m_main.get());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        shown = waitFor([dialog] { return dialog; });
    } else if (window.startsWith(QLatin1String("telemetry window"))) {
        shown = telemetry();
        close = false;
        auto *tabs = child<QTabWidget>(shown, "tabWidget_Tools");
        QVERIFY(tabs);
        tabs->setCurrentWidget(window.endsWith(QLatin1String("download tab"))      ? child(shown, "tab_Download")
                               : window.endsWith(QLatin1String("accessories tab")) ? child(shown, "tab_Accessories")
                                                                                    : child(shown, "tab_Control"));
        auto *telemetry = m_tracker->service<TelemetryService>();
        QVERIFY(telemetry);
        const bool second = window.endsWith(QLatin1String("second-generation page"));
        if (second || window.endsWith(QLatin1String(", page"))) {
            telemetry->setSecondGeneration(second);
            auto *stack = child<QStackedWidget>(shown, "stackedWidget");
            stack->setCurrentIndex(0);
            pressIn(shown, "BtnGetCurrent");
            const char *page = second ? "page_Vela2" : "page_F8";
            QTRY_COMPARE(stack->currentWidget()->objectName(), QLatin1String(page));
            // A page shown for the first time lays out in steps (its tab
            // widget after its children): let them settle, as for a window.
            QTest::qWait(50);
            telemetry->setSecondGeneration(false);
        }
    } else if (window == QLatin1String("second-generation extras")) {
        QWidget *tmi = telemetry();
        pressIn(tmi, "BtnExt");
        shown = waitFor([] { return topLevel(QStringLiteral("ORV_FormTmi_Vela2Ext")); });
    } else if (window == QLatin1String("mileage")) {
        pressIn(telemetry(), "BtnRun");
        shown = waitFor([] { return topLevel(QStringLiteral("ORV_FormSetRun")); });
    } else if (window == QLatin1String("fuel sensors")) {
        pressIn(telemetry(), "Btn_FuelSensor");
        shown = waitFor([] { return topLevel(QStringLiteral("ORV_FormFuelSensor")); });
    } else if (window == QLatin1String("tachograph")) {
        pressIn(telemetry(), "Btn_Taho");
        shown = waitFor([] { return topLevel(QStringLiteral("ORV_FormTaho")); });
    } else if (window == QLatin1String("chart") || window == QLatin1String("trip summary")) {
        // The analysis shows a downloaded interval: download one first.
        QWidget *tmi = telemetry();
        auto *chart = child<QAbstractButton>(tmi, "Btn_Chart");
        if (!chart->isEnabled()) {
            auto *service = m_tracker->service<TelemetryService>();
            service->setRecording(false);
            constexpr uint32_t kEnd = 1767225600; // 2026-01-01 00:00:00
            service->setTrip(200, kEnd);
            auto wall = [](qint64 seconds) {
                const QDateTime utc = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
                return QDateTime(utc.date(), utc.time());
            };
            // Wide of the trip on both sides, whatever the time zone.
            child<QDateTimeEdit>(tmi, "dateTimeEdit_First")->setDateTime(wall(qint64(kEnd) - 200 * 30 - 5 * 3600));
            child<QDateTimeEdit>(tmi, "dateTimeEdit_Last")->setDateTime(wall(qint64(kEnd) + 5 * 3600));
            answerNextFileDialog(m_dir.filePath(QStringLiteral("interval.xml")));
            pressIn(tmi, "BtnSaveToFile");
            QTRY_VERIFY_WITH_TIMEOUT(chart->isEnabled(), 60000);
        }
        pressIn(tmi, window == QLatin1String("chart") ? "Btn_Chart" : "Btn_Summary");
        shown = waitFor([] { return topLevel(QStringLiteral("orv_FormTmiAnalysis")); });
    } else if (window == QLatin1String("help viewer")) {
        pressIn(telemetry(), "BtnHelp");
        shown = waitFor([this] { return m_main->findChild<HelpWindow *>(); });
    } else if (window == QLatin1String("light form")) {
        // The editor asks first; the question is a window too.
        QStringList questionFaults;
        bool asked = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || asked)
                return;
            asked = true;
            questionFaults = WindowFit::faults(box);
            if (!qEnvironmentVariable("K4810_LAYOUT_SHOTS").isEmpty())
                box->grab().save(QDir(qEnvironmentVariable("K4810_LAYOUT_SHOTS")).filePath(QStringLiteral("light_form_question.png")));
            for (QAbstractButton *b : box->buttons()) {
                if (box->buttonRole(b) == QMessageBox::AcceptRole || box->buttonRole(b) == QMessageBox::YesRole) {
                    b->click();
                    break;
                }
            }
        });
        poll.start(10);
        m_host->deliverTextAndInts(2023, m_settingsFile, 0, 1);
        QTRY_VERIFY(asked);
        poll.stop();
        QVERIFY2(questionFaults.isEmpty(), qPrintable(questionFaults.join(QLatin1Char('\n'))));
        shown = waitFor([] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->findChild<QWidget *>(QStringLiteral("ORV_FormXml_Light")))
                    return w;
            return static_cast<QWidget *>(nullptr);
        });
        close = false;
    } else if (window == QLatin1String("operator list")) {
        QVERIFY(pressIn(editor(), "pushButton_RListOperSim1"));
        shown = waitFor(modal);
    } else if (window == QLatin1String("field selection")) {
        QVERIFY(pressIn(editor(), "pushButton_FormatSettingsVela"));
        shown = waitFor(modal);
    } else if (window == QLatin1String("field selection help")) {
        QVERIFY(pressIn(editor(), "pushButton_FormatSettingsVela"));
        QWidget *selection = waitFor(modal);
        QVERIFY(pressIn(selection, "pushButton_Help"));
        shown = waitFor([] { return topLevel(QStringLiteral("ORV_FormSetVela2Help")); });
        if (!shown) {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->objectName() == QLatin1String("ORV_FormSetVela2Help"))
                    shown = w;
        }
        check(shown, window);
        shown->close();
        QMetaObject::invokeMethod(selection, "reject");
        return;
    } else if (window == QLatin1String("page view") || window == QLatin1String("table view")) {
        m_host->deliverPlain(window == QLatin1String("page view") ? 2030 : 2037, window == QLatin1String("page view") ? 0 : 1);
        shown = waitFor([] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->isActiveWindow() && !qobject_cast<QMainWindow *>(w))
                    return w;
            return static_cast<QWidget *>(nullptr);
        });
    } else if (window == QLatin1String("fuel view")) {
        m_host->deliverText(2067, QString());
        shown = waitFor([] { return topLevel(QStringLiteral("ORV_FormFuelView")); });
    }
    check(shown, window);
    if (close && shown && shown != m_main.get()) {
        if (auto *dialog = qobject_cast<QDialog *>(shown))
            dialog->reject();
        shown->close();
    }
}

void tst_WindowLayout::settingsEditorTabsFit()
{
    m_host->deliverTextAndInts(2023, m_settingsFile, 0, 0);
    QWidget *window = editor();
    QVERIFY(window);
    auto *tabs = child<QTabWidget>(window, "tabWidget");
    QVERIFY(tabs);
    QStringList faults;
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QTest::qWait(20);
        const QString name = QStringLiteral("settings editor, tab %1 %2").arg(i + 1).arg(tabs->tabText(i));
        const QString shots = qEnvironmentVariable("K4810_LAYOUT_SHOTS");
        if (!shots.isEmpty())
            window->grab().save(QDir(shots).filePath(QStringLiteral("settings_editor_tab_%1.png").arg(i + 1, 2, 10, QLatin1Char('0'))));
        for (const QString &fault : WindowFit::faults(window))
            faults << name + QStringLiteral(": ") + fault;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void tst_WindowLayout::cleanupTestCase()
{
    m_main.reset();
    m_tracker.reset();
    if (m_host)
        m_host->unload();
}

// The suite's own screen: 1366x768 at 96 dpi, whatever the environment says.
int main(int argc, char **argv)
{
    QTemporaryDir screenDir;
    const QString config = screenDir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768, "logicalDpi": 96}]})");
        file.close();
    }
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + QFile::encodeName(config));
    QApplication app(argc, argv);
    tst_WindowLayout test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowlayout.moc"
