// The server connection test against real sockets on 127.0.0.1: one report
// per test, failures known at once reported at once, the limit only for a
// server that stays silent.

#include "net/serverconnectiontest.h"
#include "silentserver.h"

#include <QMetaEnum>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using Outcome = ServerConnectionTest::Outcome;

namespace {

// Long enough that a result before it is not the limit's doing.
constexpr int kLongLimitMs = 60000;
constexpr int kReportWaitMs = 20000;

// A port nothing listens on.
quint16 closedPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost))
        return 0;
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

} // namespace

class tst_ServerConnectionTest : public QObject
{
    Q_OBJECT

private slots:
    void acceptingServer_data();
    void acceptingServer();
    void serverThatClosesAtOnceReportsOnce();
    void failuresKnownAtOnce_data();
    void failuresKnownAtOnce();
    void silentServerFailsAtTheLimit();
    void unusablePortOrHostFailsBeforeAnyAttempt_data();
    void unusablePortOrHostFailsBeforeAnyAttempt();
    void secondStartWhileRunningReportsEachOnce();
    void abortReportsOnceAndIgnoresWhatComesLater();
    void ticksCountUpToTheLimit();
};

void tst_ServerConnectionTest::acceptingServer_data()
{
    QTest::addColumn<QString>("host");
    QTest::newRow("dotted address") << QStringLiteral("127.0.0.1");
    QTest::newRow("host name") << QStringLiteral("localhost");
}

void tst_ServerConnectionTest::acceptingServer()
{
    QFETCH(QString, host);
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));

    ServerConnectionTest test(kLongLimitMs, 1000);
    QSignalSpy finished(&test, &ServerConnectionTest::finished);
    test.start(host, server.serverPort());
    QVERIFY(test.isRunning());
    QVERIFY(finished.wait(kReportWaitMs));

    QCOMPARE(test.outcome(), Outcome::Connected);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toString(), QStringLiteral("127.0.0.1"));
    QCOMPARE(finished.at(0).at(1).toString(), QStringLiteral("localhost"));
    QCOMPARE(finished.at(0).at(2).toBool(), true);
    QVERIFY(!test.isRunning());
    QVERIFY(server.waitForNewConnection(1000) || server.hasPendingConnections());

    // The disconnection that follows the report is no second report.
    QTest::qWait(200);
    QCOMPARE(finished.count(), 1);
}

void tst_ServerConnectionTest::serverThatClosesAtOnceReportsOnce()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    connect(&server, &QTcpServer::newConnection, &server, [&server] {
        while (QTcpSocket *peer = server.nextPendingConnection()) {
            peer->close();
            peer->deleteLater();
        }
    });

    ServerConnectionTest test(kLongLimitMs, 1000);
    QSignalSpy finished(&test, &ServerConnectionTest::finished);
    test.start(QStringLiteral("127.0.0.1"), server.serverPort());
    QVERIFY(finished.wait(kReportWaitMs));
    QTest::qWait(300);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(test.outcome(), Outcome::Connected);
}

void tst_ServerConnectionTest::failuresKnownAtOnce_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QList<Outcome>>("expected");

    QTest::newRow("closed port") << QStringLiteral("127.0.0.1") << int(closedPort())
                                 << QList<Outcome>{Outcome::Refused};
    // The .invalid domain never resolves; a resolver that cannot be reached
    // at all says so as a lookup error.
    QTest::newRow("name not found") << QStringLiteral("no-such-server.invalid") << 5000
                                    << QList<Outcome>{Outcome::HostNotFound, Outcome::NetworkError};
}

void tst_ServerConnectionTest::failuresKnownAtOnce()
{
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(QList<Outcome>, expected);
    QVERIFY(port > 0);

    ServerConnectionTest test(kLongLimitMs, 1000);
    QSignalSpy finished(&test, &ServerConnectionTest::finished);
    test.start(host, port);
    QVERIFY(finished.wait(kReportWaitMs));
    QVERIFY2(expected.contains(test.outcome()), QMetaEnum::fromType<Outcome>().valueToKey(int(test.outcome())));
    QCOMPARE(finished.at(0).at(2).toBool(), false);
    QVERIFY(!test.errorText().isEmpty());
    QTest::qWait(200);
    QCOMPARE(finished.count(), 1);
}

void tst_ServerConnectionTest::silentServerFailsAtTheLimit()
{
    SilentServer server;
    if (!server.isReady())
        QSKIP("this system completes connections to a full listen queue");

    ServerConnectionTest test(300, 50);
    QSignalSpy finished(&test, &ServerConnectionTest::finished);
    test.start(QStringLiteral("127.0.0.1"), server.port());
    QVERIFY(finished.wait(kReportWaitMs));
    QCOMPARE(test.outcome(), Outcome::TimedOut);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toString(), QString());
    QCOMPARE(finished.at(0).at(2).toBool(), false);
}

void tst_ServerConnectionTest::unusablePortOrHostFailsBeforeAnyAttempt_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<Outcome>("expected");

    QTest::newRow("port 0") << QStringLiteral("127.0.0.1") << 0 << Outcome::InvalidPort;
    // 65536 and 70000 would be ports 0 and 4464 in 16 bits.
    QTest::newRow("port 65536") << QStringLiteral("127.0.0.1") << 65536 << Outcome::InvalidPort;
    QTest::newRow("port 70000") << QStringLiteral("127.0.0.1") << 70000 << Outcome::InvalidPort;
    QTest::newRow("negative port") << QStringLiteral("127.0.0.1") << -1 << Outcome::InvalidPort;
    QTest::newRow("empty host") << QStringLiteral("  ") << 5000 << Outcome::HostNotFound;
}

void tst_ServerConnectionTest::unusablePortOrHostFailsBeforeAnyAttempt()
{
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(Outcome, expected);

    // Something listens on port 4464 of 127.0.0.1 if it can: a port taken
    // modulo 65536 would connect to it.
    QTcpServer wrapped;
    wrapped.listen(QHostAddress::LocalHost, quint16(70000 - 65536));

    ServerConnectionTest test(kLongLimitMs, 1000);
    QSignalSpy finished(&test, &ServerConnectionTest::finished);
    QSignalSpy ticks(&test, &ServerConnectionTest::tick);
    test.start(host, port);
    // Reported from inside start().
    QCOMPARE(finished.count(), 1);
    QVERIFY(!test.isRunning());
    QCOMPARE(test.outcome(), expected);
    QCOMPARE(test.port(), port);
    QTest::qWait(100);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(ticks.count(), 0);
    QVERIFY(!wrapped.hasPendingConnections());
}

void tst_ServerConnectionTest::secondStartWhileRunningReportsEachOnce()
{
    SilentServer silent;
    if (!silent.isReady())
        QSKIP("this system completes connections to a full listen queue");
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));

    ServerConnectionTest test(kLongLimitMs, 1000);
    QSignalSpy finished(&test, &ServerConnectionTest::finished);
    test.start(QStringLiteral("localhost"), silent.port());
    QVERIFY(test.isRunning());
    test.start(QStringLiteral("127.0.0.1"), server.serverPort());
    // The first test is reported as aborted when the second one starts.
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(2).toBool(), false);

    QVERIFY(finished.wait(kReportWaitMs));
    QCOMPARE(test.outcome(), Outcome::Connected);
    // The first test's lookup ("localhost") arrives late or never: it is
    // neither a report nor the second test's host name.
    QTest::qWait(300);
    QCOMPARE(finished.count(), 2);
    QCOMPARE(finished.at(1).at(0).toString(), QStringLiteral("127.0.0.1"));
    QCOMPARE(finished.at(1).at(2).toBool(), true);
}

void tst_ServerConnectionTest::abortReportsOnceAndIgnoresWhatComesLater()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));

    ServerConnectionTest test(kLongLimitMs, 1000);
    QSignalSpy finished(&test, &ServerConnectionTest::finished);
    test.start(QStringLiteral("localhost"), server.serverPort());
    test.abort();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(test.outcome(), Outcome::Aborted);
    test.abort(); // idle: nothing
    QTest::qWait(300);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(test.outcome(), Outcome::Aborted);
    QVERIFY(test.hostName().isEmpty());
}

void tst_ServerConnectionTest::ticksCountUpToTheLimit()
{
    SilentServer server;
    if (!server.isReady())
        QSKIP("this system completes connections to a full listen queue");

    ServerConnectionTest test(400, 40);
    QCOMPARE(test.ticksInLimit(), 10);
    QSignalSpy ticks(&test, &ServerConnectionTest::tick);
    QSignalSpy finished(&test, &ServerConnectionTest::finished);
    test.start(QStringLiteral("127.0.0.1"), server.port());
    QVERIFY(finished.wait(kReportWaitMs));
    QVERIFY(ticks.count() >= 1);
    for (int i = 0; i < ticks.count(); ++i)
        QCOMPARE(ticks.at(i).at(0).toInt(), i + 1);
    // No tick after the report.
    const int after = int(ticks.count());
    QTest::qWait(150);
    QCOMPARE(ticks.count(), after);
}

QTEST_GUILESS_MAIN(tst_ServerConnectionTest)
#include "tst_serverconnectiontest.moc"
