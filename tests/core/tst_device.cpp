// The device object: library-info record, dispatcher routing, connection
// state, in-place answers and the send path.

#include "core/libraryinfo.h"
#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "telemetry/orv_formtmi_k4810.h"
#include "telemetry/orv_formtmiviewpage.h"
#include "telemetry/orv_formtmiviewtable.h"
#include "fuel/orv_formfuelview.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

namespace {

struct Sent
{
    uint32_t target;
    uint32_t msgId;
    intptr_t p1;
    intptr_t p2;
    QString text; // p1 read as a text, for the requests that carry one
};

std::vector<Sent> g_sent;

int32_t recordingCallback(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t p2)
{
    Sent s{target, msgId, p1, p2, {}};
    if (msgId == OrvMsg::Help && p1)
        s.text = *reinterpret_cast<const QString *>(p1);
    g_sent.push_back(s);
    return 42;
}

intptr_t addr(const void *p)
{
    return reinterpret_cast<intptr_t>(p);
}

} // namespace

class tst_Device : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void libraryInfoRecord();
    void foreignTargetChangesNothing();
    void numbersOutsideTheRangeAreIgnored_data();
    void numbersOutsideTheRangeAreIgnored();
    void inPlaceAnswers_data();
    void inPlaceAnswers();
    void connectionState();
    void attachWithOtherModelSetsOpenEditorOffline();
    void capabilitiesLowWordFirst();
    void workingPathsAndDefaults();
    void autoTmiMode();
    void firmwareMajor_data();
    void firmwareMajor();
    void touchMemoryCodeFollowsRouting();
    void shownOnlyRowsWaitForTheWindow_data();
    void shownOnlyRowsWaitForTheWindow();
    void existingOnlyRowsNeverCreate_data();
    void existingOnlyRowsNeverCreate();
    void editorAnswersCreateTheEditor_data();
    void editorAnswersCreateTheEditor();
    void windowsOpenedByTheHost();
    void newEditorTakesOnlineState();
    void validityQuestion_data();
    void validityQuestion();
    void badParametersDoNothing_data();
    void badParametersDoNothing();
    void sendPath();
    void attachClosesTelemetryWindow();

private:
    std::unique_ptr<ORV_Device_K4810> m_device;
    void deliver(uint32_t msgId, intptr_t p1 = 0, intptr_t p2 = 0)
    {
        m_device->receive(m_device->handle(), msgId, p1, p2);
    }
    void attach(const QString &model = QStringLiteral("K-4810"), const QString &id = QStringLiteral("356000000000001"))
    {
        deliver(OrvMsg::TrackerAttached, addr(&model), addr(&id));
    }
};

void tst_Device::init()
{
    g_sent.clear();
    m_device = std::make_unique<ORV_Device_K4810>(QStringLiteral("K-4810"), 2, 7, 3, 6);
    m_device->initialize(recordingCallback);
}

void tst_Device::cleanup()
{
    m_device.reset();
    QCOMPARE(ORV_Device_K4810::current(), nullptr);
}

void tst_Device::libraryInfoRecord()
{
    const QByteArray info = m_device->libraryInfo();
    QCOMPARE(info.size(), 538);
    QCOMPARE(LibraryInfo::getU32(info.constData()), m_device->handle());
    QCOMPARE(info.mid(4, 6), QByteArray("K-4810"));
    QCOMPARE(info.mid(10, 259 - 10), QByteArray(249, '\0'));
    QCOMPARE(info.mid(259, 12), QByteArray("Orbit K-4810"));
    QCOMPARE(info.mid(271, 514 - 271), QByteArray(514 - 271, '\0'));
    const int words[] = {2, 7, 3, 6, 0, 9};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(int32_t(LibraryInfo::getU32(info.constData() + 514 + 4 * i)), words[i]);
}

void tst_Device::foreignTargetChangesNothing()
{
    const QString model = QStringLiteral("K-4810");
    const QString id = QStringLiteral("X");
    m_device->receive(m_device->handle() + 1, OrvMsg::TrackerAttached, addr(&model), addr(&id));
    QVERIFY(!m_device->isOnline());
    QVERIFY(m_device->deviceId().isEmpty());

    int32_t level = -1;
    m_device->receive(m_device->handle() ^ 0x80000000u, OrvMsg::InterfaceLevelQuery, addr(&level), 0);
    QCOMPARE(level, -1);

    m_device->receive(0, OrvMsg::OpenSettings, 0, 0);
    QCOMPARE(m_device->settingsWindow(), nullptr);
}

void tst_Device::numbersOutsideTheRangeAreIgnored_data()
{
    QTest::addColumn<uint32_t>("msgId");
    QTest::newRow("0") << 0u;
    QTest::newRow("request number 2001") << 2001u;
    QTest::newRow("2017") << 2017u;
    QTest::newRow("2135") << 2135u;
    QTest::newRow("interface level shifted by 0x10000") << 2052u + 0x10000u;
    QTest::newRow("unknown inside: 2020") << 2020u;
    QTest::newRow("unknown inside: 2050") << 2050u;
    QTest::newRow("unknown inside: 2060") << 2060u;
    QTest::newRow("unknown inside: 2100") << 2100u;
    QTest::newRow("unknown inside: 2130") << 2130u;
}

void tst_Device::numbersOutsideTheRangeAreIgnored()
{
    QFETCH(uint32_t, msgId);
    QSignalSpy routed(m_device.get(), &ORV_Device_K4810::routed);
    int32_t value = -7;
    deliver(msgId, addr(&value), 4);
    QCOMPARE(value, -7);
    QCOMPARE(routed.count(), 0);
    QCOMPARE(m_device->tmiWindow(), nullptr);
    QCOMPARE(m_device->settingsWindow(), nullptr);
    QVERIFY(g_sent.empty());
}

void tst_Device::inPlaceAnswers_data()
{
    QTest::addColumn<uint32_t>("msgId");
    QTest::addColumn<int>("expected");
    QTest::newRow("2052 interface level") << uint32_t(OrvMsg::InterfaceLevelQuery) << 9;
    QTest::newRow("2057") << uint32_t(OrvMsg::Query196) << 196;
    QTest::newRow("2084") << uint32_t(OrvMsg::QueryZero) << 0;
}

void tst_Device::inPlaceAnswers()
{
    QFETCH(uint32_t, msgId);
    QFETCH(int, expected);
    int32_t value = -12345;
    deliver(msgId, addr(&value), 0);
    QCOMPARE(value, expected);

    bool flag = false;
    deliver(OrvMsg::QueryTrue, addr(&flag), 0);
    QCOMPARE(flag, true);

    QString text = QStringLiteral("previous");
    deliver(OrvMsg::Query011, addr(&text), 0);
    QCOMPARE(text, QStringLiteral("011"));
}

void tst_Device::connectionState()
{
    const QString version = QStringLiteral("12.5");
    deliver(OrvMsg::FirmwareVersion, addr(&version));
    const unsigned char caps[8] = {0x10, 0x08, 0, 0, 0, 0, 0, 0};
    deliver(OrvMsg::Capabilities, addr(caps));

    attach(QStringLiteral("K-4810"), QStringLiteral("356000000000001"));
    QVERIFY(m_device->isOnline());
    QCOMPARE(m_device->deviceId(), QStringLiteral("356000000000001"));
    QCOMPARE(m_device->capabilities(), uint64_t(0x810));

    // Another model: offline, identification and capabilities cleared, firmware kept.
    attach(QStringLiteral("K-5127"), QStringLiteral("other"));
    QVERIFY(!m_device->isOnline());
    QVERIFY(m_device->deviceId().isEmpty());
    QCOMPARE(m_device->capabilities(), uint64_t(0));
    QCOMPARE(m_device->firmwareVersion(), version);

    // Detach clears the firmware version too.
    attach();
    deliver(OrvMsg::Capabilities, addr(caps));
    deliver(OrvMsg::TrackerDetached);
    QVERIFY(!m_device->isOnline());
    QVERIFY(m_device->deviceId().isEmpty());
    QCOMPARE(m_device->capabilities(), uint64_t(0));
    QVERIFY(m_device->firmwareVersion().isEmpty());

    // Model comparison is exact.
    attach(QStringLiteral("k-4810"), QStringLiteral("id"));
    QVERIFY(!m_device->isOnline());
}

void tst_Device::attachWithOtherModelSetsOpenEditorOffline()
{
    orv_FormXml_K4810 *editor = m_device->ensureSettingsWindow();
    QVERIFY(!editor->isOnline());
    attach();
    QVERIFY(editor->isOnline());
    attach(QStringLiteral("K-5127"), QStringLiteral("x"));
    QVERIFY(!editor->isOnline());
    attach();
    deliver(OrvMsg::TrackerDetached);
    QVERIFY(!editor->isOnline());
}

void tst_Device::capabilitiesLowWordFirst()
{
    const unsigned char caps[8] = {0x10, 0x08, 0, 0, 0x01, 0, 0, 0x80};
    deliver(OrvMsg::Capabilities, addr(caps));
    QCOMPARE(m_device->capabilities(), uint64_t(0x8000000100000810ull));
    QVERIFY(m_device->hasCapability(16));
    QVERIFY(m_device->hasCapability(0x800));
    QVERIFY(!m_device->hasCapability(0x20));
}

void tst_Device::workingPathsAndDefaults()
{
    QCOMPARE(m_device->dataDir(), QStringLiteral("../"));
    QCOMPARE(m_device->settingsDir(), QStringLiteral("../"));
    const QString paths[4] = {QStringLiteral("/data"), QStringLiteral("/cfg"), QStringLiteral("two"), QStringLiteral("three")};
    deliver(OrvMsg::WorkingPaths, addr(paths));
    QCOMPARE(m_device->dataDir(), QStringLiteral("/data"));
    QCOMPARE(m_device->settingsDir(), QStringLiteral("/cfg"));
    QCOMPARE(m_device->path(2), QStringLiteral("two"));
    QCOMPARE(m_device->path(3), QStringLiteral("three"));

    const QString empty[4] = {QString(), QString(), QString(), QString()};
    deliver(OrvMsg::WorkingPaths, addr(empty));
    QCOMPARE(m_device->dataDir(), QStringLiteral("../"));
    QCOMPARE(m_device->settingsDir(), QStringLiteral("../"));
}

void tst_Device::autoTmiMode()
{
    QCOMPARE(m_device->autoTmiMode(), 0);
    const int32_t mode = 2;
    deliver(OrvMsg::AutoTelemetryMode, addr(&mode));
    QCOMPARE(m_device->autoTmiMode(), 2);
}

void tst_Device::firmwareMajor_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("major");
    QTest::newRow("two digits") << "12.5" << 12;
    QTest::newRow("one digit") << "9.1" << 9;
    QTest::newRow("three digits") << "103.2" << 103;
    QTest::newRow("digits only") << "7" << 7;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("not a number") << "v12" << 0;
    QTest::newRow("very long") << "123456789012345" << 123456789;
}

void tst_Device::firmwareMajor()
{
    QFETCH(QString, version);
    QFETCH(int, major);
    deliver(OrvMsg::FirmwareVersion, addr(&version));
    QCOMPARE(m_device->firmwareMajor(), major);
}

void tst_Device::touchMemoryCodeFollowsRouting()
{
    QSignalSpy routed(m_device.get(), &ORV_Device_K4810::routed);
    const uint32_t code[2] = {0x89ABCDEFu, 0x01234567u};

    m_device->setTmiRouting(0);
    deliver(OrvMsg::TouchMemoryCode, addr(code));
    QVERIFY(m_device->settingsWindow());
    QCOMPARE(routed.count(), 1);
    QCOMPARE(routed.at(0).at(1).value<QObject *>(), static_cast<QObject *>(m_device->settingsWindow()));

    m_device->setTmiRouting(1);
    deliver(OrvMsg::TouchMemoryCode, addr(code));
    QVERIFY(m_device->tmiWindow());
    QCOMPARE(routed.count(), 2);
    QCOMPARE(routed.at(1).at(1).value<QObject *>(), static_cast<QObject *>(m_device->tmiWindow()));
}

void tst_Device::shownOnlyRowsWaitForTheWindow_data()
{
    QTest::addColumn<uint32_t>("msgId");
    QTest::newRow("2018 balance answer") << uint32_t(OrvMsg::BalanceAnswer);
    QTest::newRow("2021 balance page") << uint32_t(OrvMsg::BalancePage);
    QTest::newRow("2024 page") << uint32_t(OrvMsg::TelemetryPage);
    QTest::newRow("2033 clear answer") << uint32_t(OrvMsg::ClearBufferAnswer);
}

void tst_Device::shownOnlyRowsWaitForTheWindow()
{
    QFETCH(uint32_t, msgId);
    QSignalSpy routed(m_device.get(), &ORV_Device_K4810::routed);
    QByteArray payload(128, '\0');
    QString text = QStringLiteral("Balance 100");
    const intptr_t p1 = msgId == OrvMsg::BalanceAnswer ? addr(&text) : addr(payload.constData());
    const intptr_t p2 = msgId == OrvMsg::BalanceAnswer ? 0 : payload.size();

    deliver(msgId, p1, p2);
    QVERIFY2(m_device->tmiWindow(), "the window is created even when the message is dropped");
    QCOMPARE(routed.count(), 0);

    m_device->tmiWindow()->show();
    deliver(msgId, p1, p2);
    QCOMPARE(routed.count(), 1);

    m_device->tmiWindow()->hide();
    deliver(msgId, p1, p2);
    QCOMPARE(routed.count(), 1);
}

void tst_Device::existingOnlyRowsNeverCreate_data()
{
    QTest::addColumn<uint32_t>("msgId");
    QTest::addColumn<bool>("toEditor");
    QTest::newRow("2075 fuel sensor") << uint32_t(OrvMsg::FuelSensorAnswer) << false;
    QTest::newRow("2101 tachograph read") << uint32_t(OrvMsg::TachoReadAnswer) << false;
    QTest::newRow("2103 tachograph write") << uint32_t(OrvMsg::TachoWriteAnswer) << false;
    QTest::newRow("2105 tachograph") << uint32_t(OrvMsg::TachoAnswer) << false;
    QTest::newRow("2109 RFID") << uint32_t(OrvMsg::RfidCode) << false;
    QTest::newRow("2114 touch memory") << uint32_t(OrvMsg::TouchMemorySaveAnswer) << true;
    QTest::newRow("2116 touch memory") << uint32_t(OrvMsg::TouchMemoryLoadAnswer) << true;
    QTest::newRow("2118 touch memory") << uint32_t(OrvMsg::TouchMemoryAnswer) << true;
}

void tst_Device::existingOnlyRowsNeverCreate()
{
    QFETCH(uint32_t, msgId);
    QFETCH(bool, toEditor);
    QSignalSpy routed(m_device.get(), &ORV_Device_K4810::routed);
    const QByteArray payload(16, '\x01');

    deliver(msgId, addr(payload.constData()), payload.size());
    QCOMPARE(routed.count(), 0);
    QCOMPARE(m_device->tmiWindow(), nullptr);
    QCOMPARE(m_device->settingsWindow(), nullptr);

    QObject *window = toEditor ? static_cast<QObject *>(m_device->ensureSettingsWindow())
                               : static_cast<QObject *>(m_device->ensureTmiWindow());
    deliver(msgId, addr(payload.constData()), payload.size());
    QCOMPARE(routed.count(), 1);
    QCOMPARE(routed.at(0).at(1).value<QObject *>(), window);
}

void tst_Device::editorAnswersCreateTheEditor_data()
{
    QTest::addColumn<uint32_t>("msgId");
    for (uint32_t id : {2026u, 2054u, 2056u, 2077u, 2079u, 2081u, 2086u, 2088u, 2112u, 2122u, 2124u, 2126u, 2128u, 2131u})
        QTest::newRow(QByteArray::number(id).constData()) << id;
}

void tst_Device::editorAnswersCreateTheEditor()
{
    QFETCH(uint32_t, msgId);
    QSignalSpy routed(m_device.get(), &ORV_Device_K4810::routed);
    const QByteArray payload(42, '0');
    const intptr_t p1 = msgId == OrvMsg::SettingsBlockAck ? 1 : addr(payload.constData());
    deliver(msgId, p1, payload.size());
    QVERIFY(m_device->settingsWindow());
    QVERIFY(!m_device->settingsWindow()->isVisible());
    QCOMPARE(routed.count(), 1);
    QCOMPARE(routed.at(0).at(0).value<uint32_t>(), msgId);
}

void tst_Device::windowsOpenedByTheHost()
{
    deliver(OrvMsg::OpenSettings, 0);
    QVERIFY(m_device->settingsWindow() && m_device->settingsWindow()->isVisible());
    orv_FormXml_K4810 *editor = m_device->settingsWindow();
    deliver(OrvMsg::OpenSettings, 1);
    QCOMPARE(m_device->settingsWindow(), editor); // never created twice

    const QString none;
    deliver(OrvMsg::OpenTelemetry, addr(&none), 0);
    QVERIFY(m_device->tmiWindow() && m_device->tmiWindow()->isVisible());

    deliver(OrvMsg::OpenLogViewer, 0);
    QVERIFY(m_device->viewPageWindow() && m_device->viewPageWindow()->isVisible());
    QCOMPARE(m_device->viewTableWindow(), nullptr);
    deliver(OrvMsg::OpenLogViewerAlt, 1);
    QVERIFY(m_device->viewTableWindow() && m_device->viewTableWindow()->isVisible());

    m_device->viewPageWindow()->hide();
    m_device->viewTableWindow()->hide();
    const QString log = QStringLiteral("/tmp/trip.xml");
    deliver(OrvMsg::OpenLogFile, addr(&log), 1);
    QCOMPARE(m_device->viewTableWindow()->fileName(), log);
    QVERIFY(!m_device->viewPageWindow()->isVisible());
    deliver(OrvMsg::OpenLogFile, addr(&log), 0);
    QCOMPARE(m_device->viewPageWindow()->fileName(), log);

    const QString fuel = QStringLiteral("/tmp/tank.xml");
    deliver(OrvMsg::OpenFuelFile, addr(&fuel));
    QVERIFY(m_device->fuelViewWindow());
    QCOMPARE(m_device->fuelViewWindow()->fileName(), fuel);

    const QString file = QStringLiteral("/nonexistent/settings.xml");
    const int32_t modes[2] = {0, 0};
    m_device->settingsWindow()->hide();
    deliver(OrvMsg::OpenSettingsFile, addr(&file), addr(modes));
    QVERIFY(m_device->settingsWindow()->isVisible());
}

void tst_Device::newEditorTakesOnlineState()
{
    attach();
    QVERIFY(m_device->ensureSettingsWindow()->isOnline());
}

void tst_Device::validityQuestion_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<uint32_t>("count");
    QTest::addColumn<int>("result");

    QByteArray f8(128, '\0');
    f8[0] = 8;
    f8[11] = 1;
    QByteArray f8Invalid = f8;
    f8Invalid[11] = 2;
    QByteArray f6(111, '\0');
    f6[0] = 6;
    f6[13] = 3;

    QTest::newRow("F8 valid") << f8 << 128u << 1;
    QTest::newRow("F8 bit 0 clear") << f8Invalid << 128u << 0;
    QTest::newRow("F6 valid") << f6 << 111u << 1;
    QTest::newRow("21 bytes") << f8 << 21u << 0;
    QTest::newRow("22 bytes") << f8 << 22u << 1;
    QTest::newRow("count beyond the buffer is clamped") << f8 << 0xFFFFFFFFu << 1;
    QTest::newRow("unknown type") << QByteArray(64, '\x01') << 64u << 0;
}

void tst_Device::validityQuestion()
{
    QFETCH(QByteArray, record);
    QFETCH(uint32_t, count);
    QFETCH(int, result);
    QByteArray buffer(1029, '\0');
    buffer.replace(0, record.size(), record);
    for (int i = 0; i < 4; ++i)
        buffer[1024 + i] = char((count >> (8 * i)) & 0xFF);
    buffer[1028] = char(0x55);
    deliver(OrvMsg::ValidityQuery, addr(buffer.data()));
    QCOMPARE(int(uchar(buffer[1028])), result);
}

void tst_Device::badParametersDoNothing_data()
{
    QTest::addColumn<uint32_t>("msgId");
    QTest::addColumn<intptr_t>("p1");
    QTest::addColumn<intptr_t>("p2");
    static const char bytes[16] = {};
    const intptr_t buf = addr(bytes);
    for (uint32_t id : {2018u, 2019u, 2023u, 2036u, 2038u, 2039u, 2042u, 2049u, 2052u, 2057u, 2067u, 2084u,
                        2107u, 2109u, 2110u, 2132u, 2133u, 2134u})
        QTest::newRow(qPrintable(QStringLiteral("%1 null address").arg(id))) << id << intptr_t(0) << intptr_t(0);
    for (uint32_t id : {2021u, 2024u, 2033u, 2054u, 2056u, 2075u, 2077u, 2079u, 2081u, 2086u, 2088u, 2112u}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 length 0").arg(id))) << id << buf << intptr_t(0);
        QTest::newRow(qPrintable(QStringLiteral("%1 negative length").arg(id))) << id << buf << intptr_t(-5);
        QTest::newRow(qPrintable(QStringLiteral("%1 null buffer").arg(id))) << id << intptr_t(0) << intptr_t(30);
    }
}

void tst_Device::badParametersDoNothing()
{
    QFETCH(uint32_t, msgId);
    QFETCH(intptr_t, p1);
    QFETCH(intptr_t, p2);
    m_device->ensureTmiWindow()->show();
    m_device->ensureSettingsWindow();
    QSignalSpy routed(m_device.get(), &ORV_Device_K4810::routed);
    deliver(msgId, p1, p2);
    QCOMPARE(routed.count(), 0);
    QVERIFY(!m_device->isOnline());
    QCOMPARE(m_device->viewPageWindow(), nullptr);
    QCOMPARE(m_device->fuelViewWindow(), nullptr);
}

void tst_Device::sendPath()
{
    // A window sends through its device, with the device handle as target.
    const QString none;
    deliver(OrvMsg::OpenTelemetry, addr(&none), 0);
    auto *help = m_device->tmiWindow()->findChild<QPushButton *>(QStringLiteral("BtnHelp"));
    QVERIFY(help);
    help->pressed();
    QCOMPARE(g_sent.size(), size_t(1));
    QCOMPARE(g_sent[0].target, m_device->handle());
    QCOMPARE(g_sent[0].msgId, uint32_t(OrvMsg::Help));
    QCOMPARE(g_sent[0].text, QStringLiteral("/Localization/Help/K-4810/k-4810tmi.html"));

    // The current-device path sends nothing while there is no current device.
    QCOMPARE(ORV_Device_K4810::sendCurrent(OrvMsg::ReadCurrentPage), 42);
    QCOMPARE(g_sent.size(), size_t(2));
    ORV_Device_K4810::setCurrent(nullptr);
    QCOMPARE(ORV_Device_K4810::sendCurrent(OrvMsg::ReadCurrentPage), 0);
    QCOMPARE(g_sent.size(), size_t(2));

    // Before a callback is stored nothing is sent.
    ORV_Device_K4810 fresh(QStringLiteral("K-4810"), 2, 7, 3, 6);
    QCOMPARE(fresh.send(OrvMsg::ReadCurrentPage), 0);
    QCOMPARE(g_sent.size(), size_t(2));
}

void tst_Device::attachClosesTelemetryWindow()
{
    const QString none;
    deliver(OrvMsg::OpenTelemetry, addr(&none), 0);
    QVERIFY(m_device->tmiWindow()->isVisible());
    attach();
    QVERIFY(!m_device->tmiWindow()->isVisible());
    m_device->tmiWindow()->show();
    deliver(OrvMsg::TrackerDetached);
    QVERIFY(!m_device->tmiWindow()->isVisible());
}

QTEST_MAIN(tst_Device)
#include "tst_device.moc"
