#include "fakepluginclient.h"

#include "host/pluginhost.h"
#include "host/simulator/services/settings/settingsservice.h"
#include "host/simulator/simulatedtracker.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// Answers 2001 with a page and 2020 with a page and the balance text, as a
// telemetry service will.
class PageService : public TrackerService
{
public:
    QString name() const override { return QStringLiteral("pages"); }
    QList<uint32_t> requests() const override { return {2001, 2020}; }
    int32_t handleRequest(const PluginMessage &request, SimulatedTracker &tracker) override
    {
        handled.append(request.msgId);
        if (request.msgId == 2001) {
            tracker.reply(PluginMessage::buffer(2024, QByteArray("\x08\x2a", 2)));
        } else {
            tracker.reply(PluginMessage::buffer(2021, QByteArray("\x08\x21", 2)));
            tracker.reply(PluginMessage::text(2018, QStringLiteral("Balance 12.30")));
        }
        return 1;
    }
    void trackerAttached(SimulatedTracker &) override { ++attached; }
    void trackerDetached(SimulatedTracker &) override { ++detached; }

    QList<uint32_t> handled;
    int attached = 0;
    int detached = 0;
};

class ClashingService : public TrackerService
{
public:
    QString name() const override { return QStringLiteral("clash"); }
    QList<uint32_t> requests() const override { return {2025, 2020}; }
    int32_t handleRequest(const PluginMessage &, SimulatedTracker &) override { return 0; }
};

} // namespace

class TestSimulatedTracker : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void attachSendsFirmwareCapabilitiesThenModel();
    void detachSendsDetached();
    void attachAndDetachAreIdempotent();
    void routesRequestsToServices_data();
    void routesRequestsToServices();
    void answersBalanceInOrderInBothModes_data();
    void answersBalanceInOrderInBothModes();
    void refusesAServiceClaimingATakenNumber();
    void unloadForgetsTheTracker();
    void realPluginAcceptsTheSequence();
    void startingConfigurationHoldsEverySectionFileInOrder();

private:
    FakePluginClient m_fake;
};

void TestSimulatedTracker::init()
{
    QVERIFY(m_fake.isValid());
    m_fake.reset();
}

void TestSimulatedTracker::attachSendsFirmwareCapabilitiesThenModel()
{
    PluginHost host;
    QVERIFY(host.load(FakePluginClient::path()));
    SimulatedTracker tracker(&host);
    QSignalSpy changed(&tracker, &SimulatedTracker::attachedChanged);

    tracker.attach();
    QVERIFY(tracker.isAttached());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_fake.ids(), (QList<uint32_t>{2110, 2107, 2039}));
    QCOMPARE(m_fake.at(0).text, QStringLiteral("12.5"));
    // Capability word 0x810, low byte first: bits 0x10 and 0x800.
    QCOMPARE(m_fake.at(1).text, QStringLiteral("1008000000000000"));
    const QStringList attached = m_fake.at(2).text.split(QLatin1Char('|'));
    QCOMPARE(attached.value(0), QStringLiteral("K-4810"));
    QVERIFY(!attached.value(1).isEmpty());
}

void TestSimulatedTracker::detachSendsDetached()
{
    PluginHost host;
    QVERIFY(host.load(FakePluginClient::path()));
    SimulatedTracker tracker(&host);
    tracker.attach();
    m_fake.reset();
    tracker.detach();
    QVERIFY(!tracker.isAttached());
    QCOMPARE(m_fake.ids(), QList<uint32_t>{2040});
    QCOMPARE(m_fake.at(0).text, QStringLiteral("0|0"));
}

void TestSimulatedTracker::attachAndDetachAreIdempotent()
{
    PluginHost host;
    QVERIFY(host.load(FakePluginClient::path()));
    SimulatedTracker tracker(&host);
    tracker.detach();
    QCOMPARE(m_fake.count(), 0);
    tracker.attach();
    tracker.attach();
    QCOMPARE(m_fake.count(), 3);
    tracker.detach();
    tracker.detach();
    QCOMPARE(m_fake.count(), 4);

    // Changed properties are reported at the next attach.
    tracker.setFirmware(QStringLiteral("13.1"));
    tracker.setCapabilities(0x10);
    tracker.setModel(QStringLiteral("K-9999"));
    m_fake.reset();
    tracker.attach();
    QCOMPARE(m_fake.at(0).text, QStringLiteral("13.1"));
    QCOMPARE(m_fake.at(1).text, QStringLiteral("1000000000000000"));
    QVERIFY(m_fake.at(2).text.startsWith(QStringLiteral("K-9999|")));
}

void TestSimulatedTracker::routesRequestsToServices_data()
{
    QTest::addColumn<bool>("attached");
    QTest::addColumn<quint32>("request");
    QTest::addColumn<bool>("answered");

    QTest::newRow("service's number") << true << 2001u << true;
    QTest::newRow("number no service claims") << true << 2041u << false;
    QTest::newRow("detached tracker answers nothing") << false << 2001u << false;
}

void TestSimulatedTracker::routesRequestsToServices()
{
    QFETCH(bool, attached);
    QFETCH(quint32, request);
    QFETCH(bool, answered);

    PluginHost host;
    QVERIFY(host.load(FakePluginClient::path()));
    SimulatedTracker tracker(&host);
    auto *service = new PageService;
    QVERIFY(tracker.addService(service));
    QCOMPARE(tracker.serviceFor(2001), service);
    QList<MessageLogEntry> log;
    connect(&host, &PluginHost::messageLogged, this, [&log](const MessageLogEntry &e) { log.append(e); });
    QSignalSpy unanswered(&tracker, &SimulatedTracker::requestUnanswered);
    if (attached)
        tracker.attach();
    m_fake.reset();
    log.clear();

    const int32_t result = m_fake.send(request);
    QCOMPARE(result, answered ? 1 : 0);
    QCOMPARE(unanswered.count(), answered ? 0 : 1);
    QCOMPARE(service->handled.size(), answered ? 1 : 0);
    QTRY_COMPARE(m_fake.count(), answered ? 1 : 0);
    QCOMPARE(log.first().note, answered ? QStringLiteral("simulator: pages")
                                        : attached ? QStringLiteral("not simulated") : QStringLiteral("no tracker attached"));
}

void TestSimulatedTracker::answersBalanceInOrderInBothModes_data()
{
    QTest::addColumn<PluginHost::AnswerMode>("mode");
    QTest::newRow("async") << PluginHost::AnswerMode::Async;
    QTest::newRow("inside send") << PluginHost::AnswerMode::InsideSend;
}

void TestSimulatedTracker::answersBalanceInOrderInBothModes()
{
    QFETCH(PluginHost::AnswerMode, mode);
    PluginHost host;
    QVERIFY(host.load(FakePluginClient::path()));
    SimulatedTracker tracker(&host);
    auto *service = new PageService;
    QVERIFY(tracker.addService(service));
    tracker.setAnswerMode(mode);
    QCOMPARE(host.answerMode(), mode);
    tracker.attach();
    QCOMPARE(service->attached, 1);
    m_fake.reset();

    m_fake.send(2020);
    const int expectedDepth = mode == PluginHost::AnswerMode::InsideSend ? 1 : 0;
    if (mode == PluginHost::AnswerMode::Async)
        QCOMPARE(m_fake.count(), 0);
    QTRY_COMPARE(m_fake.count(), 2);
    QCOMPARE(m_fake.ids(), (QList<uint32_t>{2021, 2018}));
    QCOMPARE(m_fake.at(0).depth, expectedDepth);
    QCOMPARE(m_fake.at(1).depth, expectedDepth);
    QCOMPARE(m_fake.at(1).text, QStringLiteral("Balance 12.30"));

    tracker.detach();
    QCOMPARE(service->detached, 1);
}

void TestSimulatedTracker::refusesAServiceClaimingATakenNumber()
{
    PluginHost host;
    SimulatedTracker tracker(&host);
    QVERIFY(tracker.addService(new PageService));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("both answer request 2020")));
    QVERIFY(!tracker.addService(new ClashingService));
    QCOMPARE(tracker.services().size(), 1);
    // The refused service took nothing: 2025 stays unrouted.
    QCOMPARE(tracker.serviceFor(2025), nullptr);
    QVERIFY(!tracker.addService(nullptr));
}

void TestSimulatedTracker::unloadForgetsTheTracker()
{
    PluginHost host;
    QVERIFY(host.load(FakePluginClient::path()));
    SimulatedTracker tracker(&host);
    tracker.attach();
    QSignalSpy changed(&tracker, &SimulatedTracker::attachedChanged);
    host.unload();
    QVERIFY(!tracker.isAttached());
    QCOMPARE(changed.count(), 1);
    // Attaching needs a loaded plug-in.
    tracker.attach();
    QVERIFY(!tracker.isAttached());
}

// The real plug-in, when it is complete, takes the whole sequence and still
// answers its queries afterwards.
void TestSimulatedTracker::realPluginAcceptsTheSequence()
{
    const QString path = qEnvironmentVariable("K4810_PLUGIN");
    if (path.isEmpty())
        QSKIP("K4810_PLUGIN is not set");
    PluginHost host;
    if (!host.load(path))
        QSKIP(qPrintable(QStringLiteral("The plug-in does not load yet: ") + host.errorString()));
    SimulatedTracker tracker(&host);
    host.sendEnvironment({QDir::tempPath() + QLatin1Char('/'), QDir::tempPath() + QLatin1Char('/'), QString(), QString()}, 0);
    for (auto mode : {PluginHost::AnswerMode::Async, PluginHost::AnswerMode::InsideSend}) {
        tracker.setAnswerMode(mode);
        tracker.attach();
        tracker.detach();
    }
    QCOMPARE(host.deliverIntRef(2052, -1), 9);
    host.unload();
}

// The starting configuration is put together from one file per section:
// every file is there, in page order, inside one DEVICE root.
void TestSimulatedTracker::startingConfigurationHoldsEverySectionFileInOrder()
{
    const QByteArray xml = SettingsService::initialConfiguration();
    QVERIFY(xml.startsWith("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE "));
    QVERIFY(xml.endsWith("</DEVICE>\n"));
    const QDir sections(QStringLiteral(":/simulator/configuration"));
    const QStringList names = sections.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name);
    QVERIFY(names.contains(QStringLiteral("02_TRANSFER.xml")));
    qsizetype at = 0;
    for (const QString &name : names) {
        const QByteArray section = name.section(QLatin1Char('_'), 1).chopped(4).toLatin1();
        const qsizetype found = xml.indexOf("<" + section + " page=\"" + section + "\"", at);
        QVERIFY2(found > at, qPrintable(name));
        at = found;
    }
}

QTEST_GUILESS_MAIN(TestSimulatedTracker)
#include "tst_simulatedtracker.moc"
