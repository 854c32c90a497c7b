#include "fakepluginclient.h"

#include "host/eventnames.h"
#include "host/pluginhost.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(PluginMessage)

namespace {

// Records the requests it gets; answers 2001 with a telemetry page.
class RecordingHandler : public HostRequestHandler
{
public:
    explicit RecordingHandler(PluginHost &host) : m_host(host) {}

    int32_t handleRequest(const PluginMessage &request) override
    {
        requests.append(request);
        if (request.msgId == 2001)
            m_host.answer(PluginMessage::buffer(2024, QByteArray("\x08\x01\x02", 3)));
        return result;
    }
    QString noteFor(const PluginMessage &) const override { return QStringLiteral("recorded"); }

    QList<PluginMessage> requests;
    int32_t result = 0;

private:
    PluginHost &m_host;
};

} // namespace

// The host side of the exports, against the fake plug-in.
class TestPluginHost : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void loadsAndIdentifies();
    void readsTheInfoRecordFields();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void oneHostPerProcess();
    void deliversEachLayout_data();
    void deliversEachLayout();
    void inPlaceQueriesReturnWhatThePluginWrote();
    void requestsGoToTheHandler();
    void answersEventNamesInPlace();
    void helpRequestsAreReported();
    void logsBothDirections();
    void answerModes_data();
    void answerModes();
    void queuedAnswersKeepTheirOrder();
    void unloadDropsQueuedAnswers();
    void insideSendNestingIsBounded();

private:
    FakePluginClient m_fake;
};

void TestPluginHost::init()
{
    QVERIFY(m_fake.isValid());
    m_fake.reset();
}

void TestPluginHost::loadsAndIdentifies()
{
    const int initializeBefore = m_fake.initializeCalls();
    PluginHost host;
    QSignalSpy loaded(&host, &PluginHost::loadedChanged);
    QVERIFY2(host.load(FakePluginClient::path()), qPrintable(host.errorString()));
    QCOMPARE(PluginHost::instance(), &host);
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(m_fake.initializeCalls(), initializeBefore + 1);
    const PluginHost::Identity id = host.identity();
    QCOMPARE(id.model, QStringLiteral("K-4810"));
    QCOMPARE(id.displayName, QStringLiteral("Orbit K-4810"));
    QCOMPARE(id.version(), QStringLiteral("2.7"));
    QCOMPARE(id.interfaceLevel, 9);
    QCOMPARE(id.handle, FakePluginClient::kHandle);
    QCOMPARE(QList<int>({id.infoWord3, id.infoWord4, id.infoWord5}), QList<int>({3, 6, 0}));
    QCOMPARE(host.libraryInfo().size(), 538);

    host.unload();
    QVERIFY(!host.isLoaded());
    QCOMPARE(loaded.count(), 2);
    // Nothing reaches an unloaded plug-in.
    host.deliverPlain(2022, 0);
    QCOMPARE(m_fake.count(), 0);
}

void TestPluginHost::readsTheInfoRecordFields()
{
    QByteArray info(PluginLibrary::kInfoSize, '\0');
    // Names in the 8-bit code page (windows-1251).
    const QByteArray model("\xCA-4810");                 // "К-4810", Cyrillic К
    const QByteArray display("\xCE\xF0\xE1\xE8\xF2\xE0"); // "Орбита"
    std::copy(model.begin(), model.end(), info.begin() + 4);
    std::copy(display.begin(), display.end(), info.begin() + 259);
    info[534] = 9;
    QCOMPARE(PluginLibrary::infoModel(info), QStringLiteral("К-4810"));
    QCOMPARE(PluginLibrary::infoDisplayName(info), QStringLiteral("Орбита"));
    QCOMPARE(PluginLibrary::infoInterfaceLevel(info), 9);

    // A field filled to its end without a terminator stops at the field.
    std::fill(info.begin() + 259, info.begin() + 514, 'A');
    QCOMPARE(PluginLibrary::infoDisplayName(info), QString(255, QLatin1Char('A')));
    // A short record yields nothing rather than reading past it.
    const QByteArray shortInfo = info.left(300);
    QCOMPARE(PluginLibrary::infoDisplayName(shortInfo), QString());
    QCOMPARE(PluginLibrary::infoInterfaceLevel(shortInfo), 0);
}

void TestPluginHost::refusesBadFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("error");

    static QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("libk4810.so"));
    QFile f(text);
    if (f.open(QIODevice::WriteOnly))
        f.write("not a library\n");
    f.close();

    QTest::newRow("missing") << dir.filePath(QStringLiteral("nothing.so")) << "No plug-in library at";
    QTest::newRow("text file") << text << "Cannot load";
    QTest::newRow("export missing") << FakePluginClient::partialPath() << "missing export ReceiveMessage";
    QTest::newRow("not of this family") << FakePluginClient::notOrvPath() << "does not declare itself";
}

void TestPluginHost::refusesBadFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, error);
    PluginHost host;
    QVERIFY(!host.load(file));
    QVERIFY(!host.isLoaded());
    QVERIFY2(host.errorString().contains(error), qPrintable(host.errorString()));
    // The same host loads a good plug-in afterwards.
    QVERIFY(host.load(FakePluginClient::path()));
}

void TestPluginHost::oneHostPerProcess()
{
    PluginHost first;
    PluginHost second;
    QVERIFY(!second.load(FakePluginClient::path()));
    QVERIFY(second.errorString().contains(QStringLiteral("Another plug-in host")));
    QVERIFY(first.load(FakePluginClient::path()));
}

void TestPluginHost::deliversEachLayout_data()
{
    QTest::addColumn<PluginMessage>("message");
    QTest::addColumn<QString>("received");

    QTest::newRow("&text") << PluginMessage::text(2110, QStringLiteral("12.5")) << "12.5";
    QTest::newRow("&text, int") << PluginMessage::text(2019, QStringLiteral("/s/п.xml"), 1) << "/s/п.xml|1";
    QTest::newRow("&text, &text") << PluginMessage::twoTexts(2039, QStringLiteral("K-4810"), QStringLiteral("35"))
                                  << "K-4810|35";
    QTest::newRow("&texts4") << PluginMessage::texts4(2049, {QStringLiteral("/d/"), QStringLiteral("/s/"),
                                                             QStringLiteral("/t/"), QStringLiteral("/x/")})
                             << "/d/|/s/|/t/|/x/";
    QTest::newRow("&texts4 from fewer") << PluginMessage::texts4(2049, {QStringLiteral("/d/")}) << "/d/|||";
    QTest::newRow("&text, two ints") << PluginMessage::textAndInts(2023, QStringLiteral("a.xml"), 0, 1) << "a.xml|0|1";
    QTest::newRow("buf,len") << PluginMessage::buffer(2024, QByteArray("\x08\x00\xff", 3)) << "0800ff";
    QTest::newRow("8 bytes") << PluginMessage::value64(2107, 0x810) << "1008000000000000";
    QTest::newRow("8 bytes and int") << PluginMessage::value64(2109, 1, 5) << "0100000000000000|5";
    QTest::newRow("&int") << PluginMessage::intRef(2133, 2) << "2";
    QTest::newRow("plain") << PluginMessage::plain(2022, 1) << "1|0";
}

void TestPluginHost::deliversEachLayout()
{
    QFETCH(PluginMessage, message);
    QFETCH(QString, received);
    PluginHost host;
    QVERIFY(host.load(FakePluginClient::path()));
    QVERIFY(host.deliver(message));
    QCOMPARE(m_fake.count(), 1);
    QCOMPARE(m_fake.at(0).msgId, message.msgId);
    QCOMPARE(m_fake.at(0).text, received);
    QCOMPARE(m_fake.foreignTargets(), 0);
}

void TestPluginHost::inPlaceQueriesReturnWhatThePluginWrote()
{
    PluginHost host;
    QVERIFY(host.load(FakePluginClient::path()));
    QCOMPARE(host.deliverIntRef(2052), 9);
    QCOMPARE(host.deliverIntRef(2057), 196);
    QVERIFY(host.deliverBoolRef(2132));
    QCOMPARE(host.deliverText(2134, QString()), QStringLiteral("011"));

    // 2036: the state byte at offset 11 decides, records under 22 bytes are never valid.
    QByteArray record(40, '\0');
    record[11] = 1;
    QVERIFY(host.askRecordValid(record));
    record[11] = 0;
    QVERIFY(!host.askRecordValid(record));
    QByteArray shortRecord(10, '\x01');
    QVERIFY(!host.askRecordValid(shortRecord));
    // A record larger than the buffer is cut, not written past it.
    QByteArray huge(5000, '\x01');
    QVERIFY(host.askRecordValid(huge));
}

void TestPluginHost::requestsGoToTheHandler()
{
    PluginHost host;
    RecordingHandler handler(host);
    host.setRequestHandler(&handler);
    QVERIFY(host.load(FakePluginClient::path()));

    handler.result = 42;
    QCOMPARE(m_fake.send(2001), 42);
    const quint32 page = 12;
    m_fake.send(2014, reinterpret_cast<intptr_t>(&page));
    QCOMPARE(handler.requests.size(), 2);
    QCOMPARE(handler.requests.at(0).msgId, 2001u);
    QCOMPARE(handler.requests.at(0).direction, HostMessages::Direction::ToHost);
    QCOMPARE(handler.requests.at(1).p1.bytes, QByteArray("\x0c\x00\x00\x00", 4));

    // Without a handler a request is only logged.
    host.setRequestHandler(nullptr);
    QCOMPARE(m_fake.send(2001), 0);
    QCOMPARE(handler.requests.size(), 2);
}

void TestPluginHost::answersEventNamesInPlace()
{
    PluginHost host;
    RecordingHandler handler(host);
    host.setRequestHandler(&handler);
    QVERIFY(host.load(FakePluginClient::path()));

    QString name;
    m_fake.send(2060, 3, reinterpret_cast<intptr_t>(&name));
    QCOMPARE(name, EventNames::name(3));
    QVERIFY(EventNames::isKnown(3));
    QVERIFY(!name.startsWith(QStringLiteral("Event ")));

    name = QStringLiteral("stale");
    m_fake.send(2060, 4000, reinterpret_cast<intptr_t>(&name));
    QCOMPARE(name, QStringLiteral("Event 4000"));

    // No text to fill: nothing written, nothing crashes.
    m_fake.send(2060, 3, 0);
    QVERIFY(handler.requests.isEmpty());
}

void TestPluginHost::helpRequestsAreReported()
{
    PluginHost host;
    RecordingHandler handler(host);
    host.setRequestHandler(&handler);
    QVERIFY(host.load(FakePluginClient::path()));
    QSignalSpy help(&host, &PluginHost::helpRequested);

    const QString path = QStringLiteral("/Localization/Help/K-4810/k-4810p5.html");
    m_fake.send(2072, reinterpret_cast<intptr_t>(&path));
    QCOMPARE(help.count(), 1);
    QCOMPARE(help.at(0).at(0).toString(), path);
    m_fake.send(2072, 0);
    QCOMPARE(help.count(), 1);
    QVERIFY(handler.requests.isEmpty());
}

void TestPluginHost::logsBothDirections()
{
    PluginHost host;
    RecordingHandler handler(host);
    host.setRequestHandler(&handler);
    QVERIFY(host.load(FakePluginClient::path()));
    QList<MessageLogEntry> log;
    connect(&host, &PluginHost::messageLogged, this, [&log](const MessageLogEntry &e) { log.append(e); });

    host.deliverText(2110, QStringLiteral("12.5"));
    host.deliverIntRef(2052);
    QString name;
    m_fake.send(2060, 3, reinterpret_cast<intptr_t>(&name));
    m_fake.send(2041);

    QCOMPARE(log.size(), 4);
    QCOMPARE(log.at(0).direction(), HostMessages::Direction::ToPlugin);
    QCOMPARE(log.at(0).name, QStringLiteral("Firmware version"));
    QCOMPARE(log.at(0).parameters, QStringLiteral("\"12.5\""));
    QCOMPARE(log.at(1).parameters, QStringLiteral("&int → 9"));
    QCOMPARE(log.at(1).note, QStringLiteral("answered in place"));
    QCOMPARE(log.at(2).direction(), HostMessages::Direction::ToHost);
    QCOMPARE(log.at(2).parameters, QStringLiteral("code 3 → \"%1\"").arg(EventNames::name(3)));
    QCOMPARE(log.at(3).msgId(), 2041u);
    QCOMPARE(log.at(3).name, QStringLiteral("Read touch-memory key"));
    QCOMPARE(log.at(3).note, QStringLiteral("recorded"));
    QVERIFY(log.at(3).time.isValid());
}

void TestPluginHost::answerModes_data()
{
    QTest::addColumn<PluginHost::AnswerMode>("mode");
    QTest::newRow("async") << PluginHost::AnswerMode::Async;
    QTest::newRow("inside send") << PluginHost::AnswerMode::InsideSend;
}

void TestPluginHost::answerModes()
{
    QFETCH(PluginHost::AnswerMode, mode);
    PluginHost host;
    RecordingHandler handler(host);
    host.setRequestHandler(&handler);
    QVERIFY(host.load(FakePluginClient::path()));
    host.setAnswerMode(mode);

    m_fake.send(2001);
    if (mode == PluginHost::AnswerMode::InsideSend) {
        // Delivered before the request returned, from inside it.
        QCOMPARE(host.pendingAnswers(), 0);
        QCOMPARE(m_fake.ids(), QList<uint32_t>{2024});
        QCOMPARE(m_fake.at(0).depth, 1);
    } else {
        QCOMPARE(host.pendingAnswers(), 1);
        QCOMPARE(m_fake.count(), 0);
        QTRY_COMPARE(m_fake.count(), 1);
        QCOMPARE(m_fake.at(0).msgId, 2024u);
        QCOMPARE(m_fake.at(0).depth, 0);
        QCOMPARE(host.pendingAnswers(), 0);
    }
    QCOMPARE(m_fake.at(0).text, QStringLiteral("080102"));
}

void TestPluginHost::queuedAnswersKeepTheirOrder()
{
    PluginHost host;
    QVERIFY(host.load(FakePluginClient::path()));
    host.answer(PluginMessage::buffer(2021, QByteArray(1, '\x01')));
    host.answer(PluginMessage::text(2018, QStringLiteral("Balance 10.00")));
    host.answer(PluginMessage::plain(2026, 1));
    QCOMPARE(host.pendingAnswers(), 3);
    QTRY_COMPARE(m_fake.count(), 3);
    QCOMPARE(m_fake.ids(), (QList<uint32_t>{2021, 2018, 2026}));
}

void TestPluginHost::unloadDropsQueuedAnswers()
{
    PluginHost host;
    QVERIFY(host.load(FakePluginClient::path()));
    host.answer(PluginMessage::plain(2026, 1));
    host.unload();
    QCOMPARE(host.pendingAnswers(), 0);
    QVERIFY(host.load(FakePluginClient::path()));
    QTest::qWait(20);
    QCOMPARE(m_fake.count(), 0);
}

// A plug-in that asks again from inside every answer (the settings write
// does) must not run the host into unbounded recursion.
void TestPluginHost::insideSendNestingIsBounded()
{
    PluginHost host;
    RecordingHandler handler(host);
    host.setRequestHandler(&handler);
    QVERIFY(host.load(FakePluginClient::path()));
    host.setAnswerMode(PluginHost::AnswerMode::InsideSend);

    const int rounds = 3 * PluginHost::kMaxInsideSendDepth;
    m_fake.echo(2024, 2001, rounds);
    m_fake.send(2001);
    QVERIFY(m_fake.maxDepth() <= PluginHost::kMaxInsideSendDepth + 1);
    QTRY_COMPARE(m_fake.count(), rounds + 1);
    QCOMPARE(handler.requests.size(), rounds + 1);
}

QTEST_GUILESS_MAIN(TestPluginHost)
#include "tst_pluginhost.moc"
