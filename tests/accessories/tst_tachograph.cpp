// The tachograph window as a technician uses it in the stand-in host: the
// built plug-in loaded through its exports on one side, the host's core and
// simulated tracker on the other, answering later and inside send. The
// window is opened from the telemetry window, asks the tachograph, makes a
// DDD file and downloads it, and closes when the tracker goes.

#include "host/hosttranslator.h"
#include "host/pluginhost.h"
#include "host/simulator/services/tachograph/tachographservice.h"
#include "host/simulator/simulatedtracker.h"
#include "tests/support/testfiles.h"
#include "tests/support/uiautomation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using namespace UiAutomation;

class tst_Tachograph : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void openedFromTheTelemetryWindow();
    void fileTypeChoosesItsParameter_data();
    void fileTypeChoosesItsParameter();
    void queriesAreLogged_data();
    void queriesAreLogged();
    void fileMadeAndDownloaded_data();
    void fileMadeAndDownloaded();
    void closesWhenTheTrackerGoes();

private:
    template<typename T>
    T *child(const char *name) const
    {
        return m_taho ? m_taho->findChild<T *>(QLatin1String(name)) : nullptr;
    }
    void press(const char *button) { emit child<QAbstractButton>(button)->pressed(); }
    QString queryLog() const { return child<QTextEdit>("textEdit_Quest")->toPlainText(); }
    QString fileLog() const { return child<QTextEdit>("textEdit_Load")->toPlainText(); }
    void openTaho();

    QTemporaryDir m_dir;
    std::unique_ptr<PluginHost> m_host;
    std::unique_ptr<SimulatedTracker> m_tracker;
    TachographService *m_service = nullptr;
    QWidget *m_telemetry = nullptr;
    QWidget *m_taho = nullptr;
};

void tst_Tachograph::initTestCase()
{
    // The English texts, as the host shows them.
    auto *texts = new HostTranslator(this);
    QVERIFY(texts->loadFolder(QStringLiteral(K4810_BINARY_DIR "/host")));
    QCoreApplication::installTranslator(texts);
    m_host = std::make_unique<PluginHost>();
    QVERIFY2(m_host->load(qEnvironmentVariable("K4810_PLUGIN")), qPrintable(m_host->errorString()));
    m_host->sendEnvironment({m_dir.path(), m_dir.path(), QString(), QString()}, 0);
    m_tracker = std::make_unique<SimulatedTracker>(m_host.get());
    m_tracker->addStandardServices();
    m_service = m_tracker->service<TachographService>();
    QVERIFY(m_service);
    m_service->setCreationTime(150);
    m_tracker->attach();
    m_host->deliverText(2019, QString(), 0);
    m_telemetry = topLevel(QStringLiteral("orv_FormTmi_K4810"));
    QVERIFY(m_telemetry && m_telemetry->isVisible());
}

void tst_Tachograph::init()
{
    if (!m_tracker->isAttached()) {
        m_tracker->attach();
        m_host->deliverText(2019, QString(), 0);
    }
    m_service->setHostileTexts(false);
    openTaho();
}

void tst_Tachograph::cleanupTestCase()
{
    m_host->unload();
}

void tst_Tachograph::openTaho()
{
    auto *button = m_telemetry->findChild<QAbstractButton *>(QStringLiteral("Btn_Taho"));
    QVERIFY(button && button->isEnabled());
    emit button->pressed();
    m_taho = m_telemetry->findChild<QWidget *>(QStringLiteral("ORV_FormTaho"));
    QVERIFY(m_taho);
    QTRY_VERIFY(m_taho->isVisible());
}

void tst_Tachograph::openedFromTheTelemetryWindow()
{
    QVERIFY(queryLog().isEmpty());
    QVERIFY(fileLog().isEmpty());
    QCOMPARE(child<QComboBox>("comboBox_File")->currentIndex(), 0);
    QCOMPARE(child<QComboBox>("comboBox_Card")->currentIndex(), 0);
    QVERIFY(qAbs(child<QDateTimeEdit>("dateTimeEdit")->dateTime().secsTo(QDateTime::currentDateTime())) < 60);
    // Nothing to download yet; the tracker signs in to the tachograph itself.
    QVERIFY(!child<QAbstractButton>("pushButton_Load")->isEnabled());
    QVERIFY(!child<QAbstractButton>("pushButton_Autorize")->isEnabled());
    QVERIFY(!child<QLineEdit>("lineEdit_Login")->isEnabled());
    QVERIFY(child<QAbstractButton>("pushButton_Quest")->isEnabled());
    QVERIFY(child<QAbstractButton>("pushButton_Create")->isEnabled());
    QVERIFY(m_taho->frameGeometry().width() <= 1366 && m_taho->frameGeometry().height() <= 768);
}

void tst_Tachograph::fileTypeChoosesItsParameter_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("card");
    QTest::addColumn<bool>("date");
    QTest::newRow("card data") << 0 << true << false;
    QTest::newRow("overview") << 1 << false << false;
    QTest::newRow("activities of a day") << 2 << false << true;
    QTest::newRow("technical data") << 5 << false << false;
}

void tst_Tachograph::fileTypeChoosesItsParameter()
{
    QFETCH(int, index);
    QFETCH(bool, card);
    QFETCH(bool, date);
    child<QComboBox>("comboBox_File")->setCurrentIndex(index);
    QCOMPARE(child<QComboBox>("comboBox_Card")->isEnabled(), card);
    QCOMPARE(child<QDateTimeEdit>("dateTimeEdit")->isEnabled(), date);
}

void tst_Tachograph::queriesAreLogged_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::addColumn<bool>("hostile");
    QTest::newRow("later") << false << false;
    QTest::newRow("inside send") << true << false;
    QTest::newRow("texts with markup") << false << true;
}

void tst_Tachograph::queriesAreLogged()
{
    QFETCH(bool, insideSend);
    QFETCH(bool, hostile);
    m_tracker->setAnswerMode(insideSend ? PluginHost::AnswerMode::InsideSend : PluginHost::AnswerMode::Async);
    m_service->setHostileTexts(hostile);
    auto *query = child<QComboBox>("comboBox_Quest");
    for (int index = 0; index < query->count(); ++index) {
        query->setCurrentIndex(index);
        press("pushButton_Quest");
        QTRY_VERIFY(child<QAbstractButton>("pushButton_Quest")->isEnabled());
    }
    const QString log = queryLog();
    QVERIFY2(log.contains(QStringLiteral("Tachograph state: OK")), qPrintable(log));
    QVERIFY(log.contains(QStringLiteral("Card 1: OK")));
    QVERIFY(log.contains(QStringLiteral("Card 2: n/a")));
    QVERIFY(log.contains(QStringLiteral("Registration data: OK")));
    QVERIFY(log.contains(QStringLiteral("ИВАНОВ")));
    if (hostile) {
        // The tracker's texts are shown as they are, not taken as markup.
        QVERIFY(log.contains(QStringLiteral("<b>Fleet</b> & <script>x</script>")));
        QVERIFY(log.contains(QStringLiteral("<img src=x>&amp;")));
        QVERIFY(!child<QTextEdit>("textEdit_Quest")->toHtml().contains(QLatin1String("<img")));
    }
}

void tst_Tachograph::fileMadeAndDownloaded_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::addColumn<bool>("hostile");
    QTest::newRow("later") << false << false;
    QTest::newRow("inside send") << true << false;
    QTest::newRow("a file name that leaves the directory") << false << true;
}

void tst_Tachograph::fileMadeAndDownloaded()
{
    QFETCH(bool, insideSend);
    QFETCH(bool, hostile);
    m_tracker->setAnswerMode(insideSend ? PluginHost::AnswerMode::InsideSend : PluginHost::AnswerMode::Async);
    m_service->setHostileTexts(hostile);
    m_service->setFileSize(40000);

    child<QComboBox>("comboBox_File")->setCurrentIndex(0);
    child<QComboBox>("comboBox_Card")->setCurrentIndex(0);
    press("pushButton_Create");
    QVERIFY(!child<QAbstractButton>("pushButton_Create")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(child<QAbstractButton>("pushButton_Load")->isEnabled(), 10000);
    QCOMPARE(m_service->lastCreateRecord(), QByteArray("\x00\x05\x01\xFF\xFF\xFF", 6));
    QVERIFY2(fileLog().contains(QStringLiteral("(0x70) Command accepted. Making the DDD file.")),
             qPrintable(fileLog()));
    QVERIFY(fileLog().contains(QStringLiteral("(0x00) The DDD file is made.")));
    QVERIFY(fileLog().contains(QStringLiteral("File length: 40000 bytes")));

    // The save dialog proposes the tracker's name in the data directory,
    // without anything that would leave it.
    const QString path = m_dir.filePath(QStringLiteral("download %1 %2.ddd").arg(insideSend).arg(hostile));
    QString proposed;
    auto *poll = new QTimer(qApp); // freed with the application when never answered
    connect(poll, &QTimer::timeout, poll, [poll, path, &proposed] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            proposed = dialog->directory().filePath(dialog->selectedFiles().value(0));
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
            poll->deleteLater();
        }
    });
    poll->start(5);
    press("pushButton_Load");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path) && child<QAbstractButton>("pushButton_Load")->isEnabled(), 20000);
    QCOMPARE(TestFiles::read(path), m_service->file());
    const QFileInfo offered(proposed);
    QCOMPARE(QDir(offered.absolutePath()).canonicalPath(), QDir(m_dir.path()).canonicalPath());
    QVERIFY(!offered.fileName().contains(QLatin1Char('/')) && !offered.fileName().contains(QLatin1Char('\\')));
    QVERIFY(!offered.fileName().contains(QLatin1String("..")));
    if (hostile)
        QVERIFY2(offered.fileName().startsWith(QLatin1String("evil<b>")), qPrintable(offered.fileName()));
    else
        QCOMPARE(offered.fileName(), m_service->fileName());
}

void tst_Tachograph::closesWhenTheTrackerGoes()
{
    QVERIFY(m_taho->isVisible());
    m_tracker->detach();
    QTRY_VERIFY(!m_taho->isVisible());
    m_tracker->attach();
    m_host->deliverText(2019, QString(), 0);
    openTaho();
    // The file made before the tracker went is forgotten.
    QVERIFY(!child<QAbstractButton>("pushButton_Load")->isEnabled());
    QVERIFY(fileLog().isEmpty());
}

QTEST_MAIN(tst_Tachograph)
#include "tst_tachograph.moc"
