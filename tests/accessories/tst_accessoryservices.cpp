// The accessory exchanges against the simulated tracker's services, through
// a small test host: requests are read as the stand-in host reads them and
// handed to the simulated tracker; its answers, delivered later or inside
// the send, go back to the exchange. (The settings pages that will hold the
// calibration wizard and the key file page come later; the tachograph is
// also run through the exports, in tst_tachograph.)

#include "accessories/accelcalibration.h"
#include "accessories/tachoexchange.h"
#include "accessories/tmkeyfile.h"
#include "accessories/tmkeyfileread.h"
#include "accessories/tmkeyfilewrite.h"
#include "host/pluginhost.h"
#include "host/simulator/services/accelerometer/accelerometerservice.h"
#include "host/simulator/services/tachograph/tachographservice.h"
#include "host/simulator/services/touchmemory/touchmemoryservice.h"
#include "host/simulator/simulatedtracker.h"
#include "telemetry/orv_logbinfile.h"
#include "tests/support/keytexts.h"
#include "tests/support/testfiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Screen = AccelCalibration::Screen;
using Result = TmKeyTransfer::Result;

class tst_AccessoryServices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void calibrationRunsToItsEnd_data();
    void calibrationRunsToItsEnd();
    void calibrationCancelledMidway_data();
    void calibrationCancelledMidway();
    void calibrationOptions_data();
    void calibrationOptions();

    void storedKeyFileHasTheSharedCrc();
    void keysWrittenReadBackIdentical_data();
    void keysWrittenReadBackIdentical();
    void keyFileErrors_data();
    void keyFileErrors();

    void tachographFileMadeAndDownloaded_data();
    void tachographFileMadeAndDownloaded();

private:
    TrackerSend sender();
    void setInsideSend(bool inside);

    std::unique_ptr<PluginHost> m_host;
    std::unique_ptr<SimulatedTracker> m_tracker;
    std::unique_ptr<QTemporaryDir> m_dir;
    AccelerometerService *m_accelerometer = nullptr;
    TouchMemoryService *m_keys = nullptr;
    TachographService *m_tacho = nullptr;
    // The exchange of the running test case, for the answers.
    AccelCalibration *m_calibration = nullptr;
    TmKeyFileWrite *m_write = nullptr;
    TmKeyFileRead *m_read = nullptr;
    TachoExchange *m_exchange = nullptr;
};

void tst_AccessoryServices::initTestCase()
{
    KeyTexts::installEnglish();
    m_host = std::make_unique<PluginHost>();
    // Answers are delivered to a stand-in plug-in; the test takes them from
    // the host's message log on their way.
    QVERIFY2(m_host->load(QStringLiteral(K4810_FAKE_PLUGIN)), qPrintable(m_host->errorString()));
    connect(m_host.get(), &PluginHost::messageLogged, this, [this](const MessageLogEntry &entry) {
        if (entry.direction() != HostMessages::Direction::ToPlugin)
            return;
        const QByteArray &bytes = entry.message.p1.bytes;
        const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
        const int length = int(bytes.size());
        switch (entry.msgId()) {
        case HostMessages::AccelerometerCommandAnswer:
            if (m_calibration)
                m_calibration->receiveAnswer(data, length);
            break;
        case HostMessages::KeyBlockWritten:
        case HostMessages::KeyFileSwitched:
            if (m_write)
                m_write->receiveAnswer(entry.msgId(), data, length);
            break;
        case HostMessages::KeyBlockRead:
            if (m_read)
                m_read->receiveAnswer(data, length);
            break;
        case HostMessages::TachographQueryAnswer:
        case HostMessages::TachographCreateAnswer:
        case HostMessages::TachographLoadAnswer:
            if (m_exchange)
                m_exchange->receiveAnswer(entry.msgId(), data, length);
            break;
        default:
            break;
        }
    });
}

void tst_AccessoryServices::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_tracker = std::make_unique<SimulatedTracker>(m_host.get());
    m_tracker->addStandardServices();
    m_accelerometer = m_tracker->service<AccelerometerService>();
    m_keys = m_tracker->service<TouchMemoryService>();
    m_tacho = m_tracker->service<TachographService>();
    QVERIFY(m_accelerometer && m_keys && m_tacho);
    m_accelerometer->setStepDurations(40, 80);
    m_tacho->setCreationTime(60);
    m_tracker->attach();
}

void tst_AccessoryServices::cleanup()
{
    m_calibration = nullptr;
    m_write = nullptr;
    m_read = nullptr;
    m_exchange = nullptr;
    m_tracker->detach();
    m_tracker.reset();
    m_dir.reset();
}

void tst_AccessoryServices::cleanupTestCase()
{
    m_host->unload();
}

TrackerSend tst_AccessoryServices::sender()
{
    return [this](uint32_t msgId, intptr_t p1, intptr_t p2) {
        m_tracker->handleRequest(PluginMessage::fromRequest(msgId, p1, p2));
    };
}

void tst_AccessoryServices::setInsideSend(bool inside)
{
    m_tracker->setAnswerMode(inside ? PluginHost::AnswerMode::InsideSend : PluginHost::AnswerMode::Async);
}

// ---------------------------------------------------------------------------
// Accelerometer calibration

void tst_AccessoryServices::calibrationRunsToItsEnd_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("insideSend");
    QTest::addColumn<int>("end");
    QTest::addColumn<QByteArray>("statuses");
    for (bool inside : {false, true}) {
        const char *how = inside ? "inside send" : "later";
        QTest::addRow("autonomous, %s", how) << int(AccelCalibration::Action::Autonomous) << inside
                                             << int(Screen::CalibrationDone) << QByteArray("135");
        QTest::addRow("check, %s", how) << int(AccelCalibration::Action::Check) << inside << int(Screen::CheckDone)
                                        << QByteArray("179");
        QTest::addRow("GNSS, %s", how) << int(AccelCalibration::Action::Gnss) << inside << int(Screen::GnssStarted)
                                       << QByteArray("1;");
    }
}

void tst_AccessoryServices::calibrationRunsToItsEnd()
{
    QFETCH(int, action);
    QFETCH(bool, insideSend);
    QFETCH(int, end);
    QFETCH(QByteArray, statuses);
    setInsideSend(insideSend);
    AccelCalibration wizard(sender(), 2000);
    wizard.setTickInterval(10);
    m_calibration = &wizard;
    wizard.start();
    wizard.setAction(AccelCalibration::Action(action));
    wizard.next();
    wizard.next();
    QTRY_COMPARE(int(wizard.screen()), end);
    QCOMPARE(m_accelerometer->sentStatuses(), statuses);
    QVERIFY(!wizard.isBusy());
    QVERIFY(wizard.nextFinishes());
    wizard.next();
    QVERIFY(!wizard.isActive());
}

void tst_AccessoryServices::calibrationCancelledMidway_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::addColumn<bool>("withPrev");
    QTest::newRow("Cancel, later") << false << false;
    QTest::newRow("Cancel, inside send") << true << false;
    QTest::newRow("Prev, later") << false << true;
}

void tst_AccessoryServices::calibrationCancelledMidway()
{
    QFETCH(bool, insideSend);
    QFETCH(bool, withPrev);
    setInsideSend(insideSend);
    m_accelerometer->setStepDurations(40, 5000);
    AccelCalibration wizard(sender(), 2000);
    wizard.setTickInterval(10);
    m_calibration = &wizard;
    wizard.start();
    wizard.setAction(AccelCalibration::Action::Autonomous);
    wizard.next();
    wizard.next();
    QTRY_COMPARE(wizard.screen(), Screen::DynamicCalibration);
    QCOMPARE(m_accelerometer->running(), '3');
    if (withPrev) {
        wizard.prev();
        QTRY_COMPARE(wizard.screen(), Screen::AutonomousPreparation);
        QVERIFY(wizard.isActive());
        QVERIFY(!wizard.isBusy());
    } else {
        QSignalSpy closed(&wizard, &AccelCalibration::closed);
        wizard.cancel();
        QTRY_COMPARE(closed.count(), 1);
        QCOMPARE(closed.first().at(0).value<AccelCalibration::End>(), AccelCalibration::End::Cancelled);
    }
    QCOMPARE(m_accelerometer->running(), char(0));
    QCOMPARE(m_accelerometer->sentStatuses(), QByteArray("131"));
}

void tst_AccessoryServices::calibrationOptions_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("failure");
    QTest::newRow("unsupported") << "unsupported" << int(Screen::Unsupported) << int(AccelCalibration::Failure::None);
    QTest::newRow("did not move off") << "4" << int(Screen::Error) << int(AccelCalibration::Failure::NotMoved);
    QTest::newRow("too few accelerations") << "6" << int(Screen::Error)
                                           << int(AccelCalibration::Failure::FewAccelerations);
    QTest::newRow("must be repeated") << "8" << int(Screen::Repeat) << int(AccelCalibration::Failure::None);
    QTest::newRow("silent tracker") << "silent" << int(Screen::NoAnswer) << int(AccelCalibration::Failure::None);
}

void tst_AccessoryServices::calibrationOptions()
{
    QFETCH(QString, option);
    QFETCH(int, end);
    QFETCH(int, failure);
    if (option == QLatin1String("unsupported"))
        m_accelerometer->setUnsupported(true);
    else if (option == QLatin1String("silent"))
        m_accelerometer->setSilent(true);
    else
        m_accelerometer->setFailure(option.at(0).toLatin1());
    AccelCalibration wizard(sender(), 200);
    wizard.setTickInterval(10);
    m_calibration = &wizard;
    wizard.start();
    wizard.setAction(AccelCalibration::Action::Autonomous);
    wizard.next();
    wizard.next();
    QTRY_COMPARE(int(wizard.screen()), end);
    QCOMPARE(int(wizard.failure()), failure);
    QVERIFY(!wizard.isBusy());
}

// ---------------------------------------------------------------------------
// Touch-memory key file

void tst_AccessoryServices::storedKeyFileHasTheSharedCrc()
{
    const QByteArray file = TouchMemoryService::initialFile();
    QCOMPARE(file.size(), TmKeyFile::FileSize);
    const quint16 crc = ORV_LogBinFile::crc16(file.constData(), file.size() - 2);
    QCOMPARE(quint16(uchar(file[4094]) | uchar(file[4095]) << 8), crc);
    // It is the file the plug-in writes for the same keys.
    const QList<TmKeyFile::Key> keys = TmKeyFile::read(file);
    QCOMPARE(keys.size(), TmKeyFile::KeyCount);
    QCOMPARE(TmKeyFile::write(keys.mid(0, 3)), file);
}

void tst_AccessoryServices::keysWrittenReadBackIdentical_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::newRow("later") << false;
    QTest::newRow("inside send") << true;
}

void tst_AccessoryServices::keysWrittenReadBackIdentical()
{
    QFETCH(bool, insideSend);
    setInsideSend(insideSend);
    QList<TmKeyFile::Key> keys;
    for (int k = 0; k < 40; ++k)
        keys.append({0x0100000000ull + quint64(k) * 0x1111, k % TmKeyFile::ModeCount});
    const QByteArray file = TmKeyFile::write(keys);

    TmKeyFileWrite write(sender(), m_dir->path(), 5000);
    m_write = &write;
    QSignalSpy written(&write, &TmKeyTransfer::finished);
    QVERIFY(write.start(file));
    QTRY_COMPARE(written.count(), 1);
    QCOMPARE(written.first().at(0).value<Result>(), Result::Done);
    QCOMPARE(m_keys->blocksWritten(), 8);
    QCOMPARE(m_keys->storedFile(), file);

    TmKeyFileRead read(sender(), m_dir->path(), 5000);
    m_read = &read;
    QSignalSpy readBack(&read, &TmKeyTransfer::finished);
    QVERIFY(read.start());
    QTRY_COMPARE(readBack.count(), 1);
    QCOMPARE(readBack.first().at(0).value<Result>(), Result::Done);
    QCOMPARE(read.data(), file);
    QCOMPARE(TmKeyFile::read(read.data()).mid(0, 40), keys);
    QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
}

void tst_AccessoryServices::keyFileErrors_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("reading");
    QTest::addColumn<QString>("message");
    QTest::newRow("write refused at block 2") << "w3@2" << false << "Error (Write file): 0x33";
    QTest::newRow("change refused") << "c5" << false << "Error (Change file): 0x35";
    QTest::newRow("change, unknown status") << "c7" << false << "Unknow Error (Change file): 55";
    QTest::newRow("read refused at block 1") << "r4@1" << true << "Error (Read file): 0x34";
    QTest::newRow("read refused at once") << "r2@0" << true << "Error (Read file): 0x32";
}

void tst_AccessoryServices::keyFileErrors()
{
    QFETCH(QString, option);
    QFETCH(bool, reading);
    QFETCH(QString, message);
    const char status = option.at(1).toLatin1();
    const int block = option.section(QLatin1Char('@'), 1).toInt();
    if (option.startsWith(QLatin1Char('w')))
        m_keys->setWriteError(status, block);
    else if (option.startsWith(QLatin1Char('c')))
        m_keys->setSwitchError(status);
    else
        m_keys->setReadError(status, block);
    const QByteArray stored = m_keys->storedFile();

    TmKeyFileWrite write(sender(), m_dir->path(), 5000);
    TmKeyFileRead read(sender(), m_dir->path(), 5000);
    m_write = &write;
    m_read = &read;
    TmKeyTransfer &transfer = reading ? static_cast<TmKeyTransfer &>(read) : write;
    QSignalSpy finished(&transfer, &TmKeyTransfer::finished);
    QVERIFY(reading ? read.start() : write.start(TmKeyFile::write({{0x99, 0}})));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).value<Result>(), Result::TrackerError);
    QCOMPARE(finished.first().at(1).toString(), message);
    QCOMPARE(m_keys->storedFile(), stored);
    QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
}

// ---------------------------------------------------------------------------
// Tachograph

void tst_AccessoryServices::tachographFileMadeAndDownloaded_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::newRow("later") << false;
    QTest::newRow("inside send") << true;
}

void tst_AccessoryServices::tachographFileMadeAndDownloaded()
{
    QFETCH(bool, insideSend);
    setInsideSend(insideSend);
    TachoExchange exchange(sender(), 5000);
    exchange.setPollInterval(20);
    m_exchange = &exchange;
    QStringList log;
    connect(&exchange, &TachoExchange::logged, this, [&log](TachoExchange::Log, const QString &line) { log << line; });

    for (int index = 0; index < TachoExchange::QueryCount; ++index) {
        QVERIFY(exchange.query(index));
        QTRY_VERIFY(!exchange.isQuerying());
    }
    const QString all = log.join(QLatin1Char('\n'));
    QVERIFY2(all.contains(QStringLiteral("тахографа: OK</b>")), qPrintable(all));
    QVERIFY(all.contains(QStringLiteral("№1: OK</b>")));
    QVERIFY(all.contains(QStringLiteral("№2: n/a</b>")));
    QVERIFY(all.contains(QStringLiteral("String 1: <b>ИВАНОВ</b>")));
    QVERIFY(all.contains(QStringLiteral("Регистрационная информация: OK</b>")));

    QSignalSpy ready(&exchange, &TachoExchange::fileReady);
    QVERIFY(exchange.create(0, QDateTime::currentDateTime(), 0));
    QTRY_COMPARE(ready.count(), 1);
    QCOMPARE(m_tacho->lastCreateRecord(), QByteArray("\x00\x05\x01\xFF\xFF\xFF", 6));
    QCOMPARE(exchange.fileLength(), quint32(m_tacho->file().size()));
    QCOMPARE(exchange.fileName(), m_tacho->fileName());

    const QString path = m_dir->filePath(exchange.fileName());
    QSignalSpy done(&exchange, &TachoExchange::downloadFinished);
    QVERIFY(exchange.download(path));
    QTRY_COMPARE(done.count(), 1);
    QCOMPARE(done.first().at(0).toBool(), true);
    QCOMPARE(TestFiles::read(path), m_tacho->file());
}

QTEST_MAIN(tst_AccessoryServices)
#include "tst_accessoryservices.moc"
