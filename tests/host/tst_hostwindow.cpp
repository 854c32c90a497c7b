#include "fakepluginclient.h"

#include "host/helpwindow.h"
#include "host/hostmainwindow.h"
#include "host/hostsettings.h"
#include "host/hosttranslator.h"
#include "host/messagelogmodel.h"
#include "host/pluginhost.h"
#include "host/simulator/simulatedtracker.h"
#include "host/workingpaths.h"
#include "tests/support/testfiles.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QScreen>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

// The host's window over the fake plug-in: what its menus send, the help
// window and the message log.
class TestHostWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showsTheIdentity();
    void menusSendTheWindowMessages_data();
    void menusSendTheWindowMessages();
    void telemetryWindowUsesTheLastSettingsFileAndAutoMode();
    void trackerMenu();
    void helpRequestsOpenTheHelpWindow();
    void helpFollowsLinksAndFitsTheScreen();
    void helpInThePluginsLanguage();
    void messageLogListsBothDirections();
    void monitoringServerMenuLogsConnections();
    void languageMenu();

private:
    QAction *action(const char *name) const;

    FakePluginClient m_fake;
    QTemporaryDir m_dir;
    std::unique_ptr<HostSettings> m_settings;
    std::unique_ptr<MessageLogModel> m_log;
    std::unique_ptr<PluginHost> m_host;
    std::unique_ptr<SimulatedTracker> m_tracker;
    std::unique_ptr<HostMainWindow> m_window;
};

void TestHostWindow::init()
{
    QVERIFY(m_fake.isValid());
    m_fake.reset();
    m_settings = std::make_unique<HostSettings>(m_dir.filePath(QStringLiteral("host.ini")));
    m_settings->setAutoTelemetryMode(0);
    m_settings->setLastSettingsFile(QString());
    m_log = std::make_unique<MessageLogModel>();
    m_host = std::make_unique<PluginHost>();
    connect(m_host.get(), &PluginHost::messageLogged, m_log.get(), &MessageLogModel::append);
    QVERIFY(m_host->load(FakePluginClient::path()));
    m_tracker = std::make_unique<SimulatedTracker>(m_host.get());
    m_window = std::make_unique<HostMainWindow>(*m_host, *m_tracker, *m_settings, *m_log,
                                                WorkingPaths::under(m_dir.filePath(QStringLiteral("work"))));
    m_window->show();
    m_fake.reset();
}

void TestHostWindow::cleanup()
{
    m_window.reset();
    m_tracker.reset();
    m_host.reset();
    m_log.reset();
    m_settings.reset();
}

QAction *TestHostWindow::action(const char *name) const
{
    auto *a = m_window->findChild<QAction *>(QString::fromLatin1(name));
    if (!a)
        qWarning("no action %s", name);
    return a;
}

void TestHostWindow::showsTheIdentity()
{
    const QString title = m_window->windowTitle();
    QVERIFY2(title.contains(QStringLiteral("Orbit K-4810")), qPrintable(title));
    QVERIFY2(title.contains(QStringLiteral("2.7")), qPrintable(title));
    QVERIFY2(title.contains(QStringLiteral("interface level 9")), qPrintable(title));
}

void TestHostWindow::menusSendTheWindowMessages_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<quint32>("msgId");
    QTest::addColumn<QString>("received");

    QTest::newRow("settings editor") << "actionSettingsEditor" << 2022u << "0|0";
    QTest::newRow("light settings") << "actionSettingsLight" << 2022u << "1|0";
    QTest::newRow("log viewer, page") << "actionLogViewerPage" << 2030u << "0|0";
    QTest::newRow("log viewer, table") << "actionLogViewerTable" << 2037u << "1|0";
    QTest::newRow("telemetry, no file") << "actionTelemetryWindowNoFile" << 2019u << "|0";
    QTest::newRow("automatic mode 3") << "actionAuto3" << 2133u << "3";
    QTest::newRow("automatic mode off") << "actionAutoOff" << 2133u << "0";
}

void TestHostWindow::menusSendTheWindowMessages()
{
    QFETCH(QString, actionName);
    QFETCH(quint32, msgId);
    QFETCH(QString, received);
    QAction *a = action(actionName.toLatin1().constData());
    QVERIFY(a);
    a->trigger();
    QCOMPARE(m_fake.ids(), QList<uint32_t>{msgId});
    QCOMPARE(m_fake.at(0).text, received);
}

void TestHostWindow::telemetryWindowUsesTheLastSettingsFileAndAutoMode()
{
    const QString file = m_dir.filePath(QStringLiteral("car 17.xml"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    m_settings->setLastSettingsFile(file);
    action("actionAuto2")->trigger();
    QCOMPARE(m_settings->autoTelemetryMode(), 2);
    action("actionTelemetryWindow")->trigger();
    QCOMPARE(m_fake.ids(), (QList<uint32_t>{2133, 2019}));
    QCOMPARE(m_fake.at(1).text, file + QStringLiteral("|1"));

    // A settings file that has gone is not offered to the plug-in.
    QVERIFY(QFile::remove(file));
    m_fake.reset();
    action("actionTelemetryWindow")->trigger();
    QCOMPARE(m_fake.at(0).text, QStringLiteral("|1"));
}

void TestHostWindow::trackerMenu()
{
    QVERIFY(action("actionAttach")->isEnabled());
    QVERIFY(!action("actionDetach")->isEnabled());
    action("actionAttach")->trigger();
    QCOMPARE(m_fake.ids(), (QList<uint32_t>{2110, 2107, 2039}));
    QVERIFY(!action("actionAttach")->isEnabled());
    QVERIFY(action("actionDetach")->isEnabled());
    action("actionDetach")->trigger();
    QCOMPARE(m_fake.ids().last(), 2040u);

    action("actionAnswerInside")->trigger();
    QCOMPARE(m_host->answerMode(), PluginHost::AnswerMode::InsideSend);
    QVERIFY(m_settings->answerInsideSend());
    action("actionAnswerAsync")->trigger();
    QCOMPARE(m_host->answerMode(), PluginHost::AnswerMode::Async);
    action("actionDelayShort")->trigger();
    QCOMPARE(m_host->answerDelay(), 200);
}

void TestHostWindow::helpRequestsOpenTheHelpWindow()
{
    const QString root = m_dir.filePath(QStringLiteral("helproot"));
    m_window->setHelpRoot(root);
    const QString request = QStringLiteral("/Localization/Help/K-4810/k-4810tmi.html");
    m_fake.send(2072, reinterpret_cast<intptr_t>(&request));
    auto *help = m_window->findChild<HelpWindow *>();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->currentText(),
             QStringLiteral("No help page at ") + QDir::toNativeSeparators(root + request));
    // No message box was opened for it.
    QVERIFY(!QApplication::activeModalWidget());

    QDir().mkpath(root + QStringLiteral("/Localization/Help/K-4810"));
    QFile page(root + request);
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><head><title>Telemetry</title></head><body><p>Reading telemetry pages.</p></body></html>");
    page.close();
    m_fake.send(2072, reinterpret_cast<intptr_t>(&request));
    QCOMPARE(m_window->findChildren<HelpWindow *>().size(), 1);
    QVERIFY2(help->currentText().contains(QStringLiteral("Reading telemetry pages.")), qPrintable(help->currentText()));
}

void TestHostWindow::helpFollowsLinksAndFitsTheScreen()
{
    // Two pages that link to each other: after a link, Back and Forward the
    // title and the address are the page shown, never the one before it.
    const QString root = m_dir.filePath(QStringLiteral("linkroot"));
    const QString folder = root + QStringLiteral("/Localization/Help/K-4810");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(TestFiles::write(folder + QStringLiteral("/first.html"),
                             "<html><head><title>First page</title></head><body>"
                             "<a href=\"second.html#part\">on</a></body></html>"));
    QVERIFY(TestFiles::write(folder + QStringLiteral("/second.html"),
                             "<html><head><title>Second page</title></head><body><a name=\"part\">here</a></body></html>"));
    m_window->setHelpRoot(root);
    const QString request = QStringLiteral("/Localization/Help/K-4810/first.html");
    m_fake.send(2072, reinterpret_cast<intptr_t>(&request));
    auto *help = m_window->findChild<HelpWindow *>();
    QVERIFY(help);
    QCOMPARE(help->windowTitle(), QStringLiteral("Help – First page"));
    QCOMPARE(help->address(), request);

    auto *browser = help->findChild<QTextBrowser *>();
    // What a click on the link does: its address, resolved against the page.
    browser->setSource(browser->source().resolved(QUrl(QStringLiteral("second.html#part"))));
    QCOMPARE(help->windowTitle(), QStringLiteral("Help – Second page"));
    QCOMPARE(help->address(), QStringLiteral("/Localization/Help/K-4810/second.html#part"));
    browser->backward();
    QCOMPARE(help->windowTitle(), QStringLiteral("Help – First page"));
    QCOMPARE(help->address(), request);
    browser->forward();
    QCOMPARE(help->windowTitle(), QStringLiteral("Help – Second page"));

    // The whole window, frame included, within the screen's free area.
    const QRect free = help->screen()->availableGeometry();
    QVERIFY2(free.contains(help->frameGeometry().adjusted(0, 0, 0, help->frameGeometry() == help->geometry() ? 30 : 0)),
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(help->frameGeometry().x())
                            .arg(help->frameGeometry().y())
                            .arg(help->frameGeometry().width())
                            .arg(help->frameGeometry().height())));
}

// The help pages follow the language of the plug-in's windows, which they
// describe: the Russian twin when there is one, and its links stay Russian.
void TestHostWindow::helpInThePluginsLanguage()
{
    const QString root = m_dir.filePath(QStringLiteral("languageroot"));
    const QString english = root + QStringLiteral("/Localization/Help/K-4810");
    const QString russian = root + QStringLiteral("/Localization/ru/Help/K-4810");
    QVERIFY(QDir().mkpath(english) && QDir().mkpath(russian));
    const QByteArray link = "<a href=\"second.html\">on</a>";
    QVERIFY(TestFiles::write(english + QStringLiteral("/first.html"),
                             "<html><head><title>First page</title></head><body>" + link + "</body></html>"));
    QVERIFY(TestFiles::write(english + QStringLiteral("/second.html"),
                             "<html><head><title>Second page</title></head><body></body></html>"));
    QVERIFY(TestFiles::write(english + QStringLiteral("/third.html"),
                             "<html><head><title>Third page</title></head><body></body></html>"));
    QVERIFY(TestFiles::write(russian + QStringLiteral("/first.html"),
                             QStringLiteral("<html><head><meta charset=\"utf-8\"><title>Первая страница</title></head>"
                                            "<body>%1</body></html>").arg(QString::fromLatin1(link)).toUtf8()));
    QVERIFY(TestFiles::write(russian + QStringLiteral("/second.html"),
                             QStringLiteral("<html><head><meta charset=\"utf-8\"><title>Вторая страница</title></head>"
                                            "<body></body></html>").toUtf8()));
    m_window->setHelpRoot(root);
    m_window->setLanguages(nullptr, {QStringLiteral("en"), QStringLiteral("ru")}, QStringLiteral("ru"));

    const QString first = QStringLiteral("/Localization/Help/K-4810/first.html");
    m_fake.send(2072, reinterpret_cast<intptr_t>(&first));
    auto *help = m_window->findChild<HelpWindow *>();
    QVERIFY(help);
    QCOMPARE(help->windowTitle(), QStringLiteral("Help – Первая страница"));
    QCOMPARE(help->address(), first);
    auto *browser = help->findChild<QTextBrowser *>();
    browser->setSource(browser->source().resolved(QUrl(QStringLiteral("second.html"))));
    QCOMPARE(help->windowTitle(), QStringLiteral("Help – Вторая страница"));
    QCOMPARE(help->address(), QStringLiteral("/Localization/ru/Help/K-4810/second.html"));

    // No twin: the English page.
    const QString third = QStringLiteral("/Localization/Help/K-4810/third.html");
    m_fake.send(2072, reinterpret_cast<intptr_t>(&third));
    QCOMPARE(help->windowTitle(), QStringLiteral("Help – Third page"));

    // An English plug-in gets the English pages.
    m_window->setLanguages(nullptr, {QStringLiteral("en"), QStringLiteral("ru")}, QStringLiteral("en"));
    m_fake.send(2072, reinterpret_cast<intptr_t>(&first));
    QCOMPARE(help->windowTitle(), QStringLiteral("Help – First page"));
}

void TestHostWindow::messageLogListsBothDirections()
{
    auto *view = m_window->findChild<QTableView *>(QStringLiteral("tableView_Log"));
    QVERIFY(view);
    QAbstractItemModel *model = view->model();
    const int before = model->rowCount();
    action("actionSettingsEditor")->trigger();
    m_fake.send(2041);
    QCOMPARE(model->rowCount(), before + 2);
    QCOMPARE(model->data(model->index(before, MessageLogModel::NumberColumn)).toString(), QStringLiteral("2022"));
    QCOMPARE(model->data(model->index(before + 1, MessageLogModel::NumberColumn)).toString(), QStringLiteral("2041"));
    QCOMPARE(model->data(model->index(before + 1, MessageLogModel::NoteColumn)).toString(),
             QStringLiteral("no tracker attached"));
    action("actionClearLog")->trigger();
    QCOMPARE(model->rowCount(), 0);
}

void TestHostWindow::monitoringServerMenuLogsConnections()
{
    // A port that is free now.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const int port = probe.serverPort();
    probe.close();

    auto *poll = new QTimer(this);
    connect(poll, &QTimer::timeout, poll, [poll, port] {
        if (auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
            dialog->setIntValue(port);
            dialog->accept();
            poll->deleteLater();
        }
    });
    poll->start(5);
    QAction *menu = action("actionMonitorServer");
    menu->trigger();
    QVERIFY(menu->isChecked());
    const int before = m_log->rowCount();

    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, quint16(port));
    QVERIFY(client.waitForConnected(5000));
    QVERIFY(QTest::qWaitFor([&] { return m_log->rowCount() > before; }, 5000));
    const QModelIndex row = m_log->index(m_log->rowCount() - 1, MessageLogModel::ParametersColumn);
    QCOMPARE(m_log->data(row).toString(), QStringLiteral("from 127.0.0.1:%1").arg(client.localPort()));
    client.abort();

    menu->trigger();
    QVERIFY(!menu->isChecked());
    QCOMPARE(m_log->data(m_log->index(m_log->rowCount() - 1, MessageLogModel::NoteColumn)).toString(),
             QStringLiteral("stopped"));
}

// Options > Language: the host's window follows at once and the choice is
// kept; the plug-in's windows keep the language the host started in, and
// the user is told so when the two differ.
void TestHostWindow::languageMenu()
{
    const QString folder = QStringLiteral(K4810_BINARY_DIR "/host");
    HostTranslator hostTexts;
    m_window->setLanguages(&hostTexts, {QStringLiteral("en"), QStringLiteral("ru")}, QStringLiteral("en"), folder);
    QMenu *menu = m_window->languageMenu();
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("&Language"));
    QAction *english = action("actionLanguage_en");
    QAction *russian = action("actionLanguage_ru");
    QVERIFY(english && russian);
    QCOMPARE(russian->text(), QStringLiteral("Русский"));
    QVERIFY(english->isChecked());

    QString told;
    QTimer::singleShot(0, this, [&told] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box) {
            told = box->text();
            box->accept();
        }
    });
    russian->trigger();
    QVERIFY2(told.contains(QStringLiteral("до её следующего запуска")), qPrintable(told));
    QCOMPARE(m_settings->language(), QStringLiteral("ru"));
    QTRY_COMPARE(menu->title(), QStringLiteral("&Язык"));
    QVERIFY2(m_window->windowTitle().startsWith(QStringLiteral("Программа К-4810")), qPrintable(m_window->windowTitle()));
    QCOMPARE(action("actionQuit")->text(), QStringLiteral("&Выход"));
    // The language's own name whatever the interface's language.
    QCOMPARE(english->text(), QStringLiteral("English"));

    // Back to the plug-in's language: nothing to wait for.
    english->trigger();
    QCOMPARE(m_settings->language(), QStringLiteral("en"));
    QTRY_COMPARE(action("actionQuit")->text(), QStringLiteral("&Quit"));
    QVERIFY(m_window->windowTitle().startsWith(QStringLiteral("K-4810 host")));
    QTRY_COMPARE(m_window->statusBar()->currentMessage(), QStringLiteral("The plug-in's windows are in this language."));
    QCoreApplication::removeTranslator(&hostTexts);
}

QTEST_MAIN(TestHostWindow)
#include "tst_hostwindow.moc"
