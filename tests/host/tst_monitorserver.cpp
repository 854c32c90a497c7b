// The stand-in host's local monitoring server: the --monitor-server option,
// and every connection logged in the message log, including the plug-in's
// own server connection test.

#include "host/hostcommandline.h"
#include "host/messagelogmodel.h"
#include "host/monitorserver.h"
#include "net/serverconnectiontest.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

class tst_MonitorServer : public QObject
{
    Q_OBJECT

private slots:
    void commandLineOption_data();
    void commandLineOption();
    void logsEachConnection();
    void connectionTestSucceedsAgainstIt();
    void takenPortIsReported();
    void hostRowsInTheLog();

private:
    static QString column(const MessageLogModel &log, int row, int column)
    {
        return log.data(log.index(row, column)).toString();
    }
    static bool waitForRows(const MessageLogModel &log, int rows)
    {
        return QTest::qWaitFor([&] { return log.rowCount() >= rows; }, 5000);
    }
};

void tst_MonitorServer::commandLineOption_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("port");

    QTest::newRow("absent") << QStringList{} << true << 0;
    QTest::newRow("port") << QStringList{"--monitor-server", "5000"} << true << 5000;
    QTest::newRow("with =") << QStringList{"--monitor-server=65535"} << true << 65535;
    QTest::newRow("lowest") << QStringList{"--monitor-server", "1"} << true << 1;
    QTest::newRow("port 0") << QStringList{"--monitor-server", "0"} << false << 0;
    QTest::newRow("port 65536") << QStringList{"--monitor-server", "65536"} << false << 0;
    QTest::newRow("not a number") << QStringList{"--monitor-server", "http"} << false << 0;
    QTest::newRow("no value") << QStringList{"--monitor-server"} << false << 0;
}

void tst_MonitorServer::commandLineOption()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, ok);
    QFETCH(int, port);

    HostCommandLine options;
    QCOMPARE(options.parse(QStringList{QStringLiteral("k4810-host")} + arguments), ok);
    if (!ok) {
        QVERIFY(!options.errorText().isEmpty());
        return;
    }
    QCOMPARE(options.monitorServerPort(), port);
}

void tst_MonitorServer::logsEachConnection()
{
    MessageLogModel log;
    MonitorServer server;
    connect(&server, &MonitorServer::messageLogged, &log, &MessageLogModel::append);
    QVERIFY(server.start(0));
    QVERIFY(server.isListening());
    QCOMPARE(log.rowCount(), 1);
    QVERIFY(column(log, 0, MessageLogModel::NoteColumn).contains(QStringLiteral("listening")));

    for (int i = 0; i < 2; ++i) {
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, server.port());
        QVERIFY(client.waitForConnected(5000));
        const QString from = QStringLiteral("from 127.0.0.1:%1").arg(client.localPort());
        QVERIFY(waitForRows(log, 2 + 2 * i));
        QCOMPARE(column(log, 1 + 2 * i, MessageLogModel::ParametersColumn), from);
        QVERIFY(column(log, 1 + 2 * i, MessageLogModel::NoteColumn).contains(QStringLiteral("accepted")));

        client.write("PING");
        QVERIFY(client.waitForBytesWritten(5000));
        QTest::qWait(50);
        client.disconnectFromHost();
        QVERIFY(waitForRows(log, 3 + 2 * i));
        QCOMPARE(column(log, 2 + 2 * i, MessageLogModel::ParametersColumn), from);
        QCOMPARE(column(log, 2 + 2 * i, MessageLogModel::NoteColumn), QStringLiteral("closed, 4 bytes received"));
    }
    QCOMPARE(server.connectionCount(), 2);

    server.stop();
    QVERIFY(!server.isListening());
    QVERIFY(column(log, log.rowCount() - 1, MessageLogModel::NoteColumn).contains(QStringLiteral("stopped")));
}

void tst_MonitorServer::connectionTestSucceedsAgainstIt()
{
    MessageLogModel log;
    MonitorServer server;
    connect(&server, &MonitorServer::messageLogged, &log, &MessageLogModel::append);
    QVERIFY(server.start(0));
    const quint16 port = server.port();

    ServerConnectionTest test(60000, 1000);
    QSignalSpy finished(&test, &ServerConnectionTest::finished);
    test.start(QStringLiteral("localhost"), port);
    QVERIFY(finished.wait(20000));
    QCOMPARE(test.outcome(), ServerConnectionTest::Outcome::Connected);
    QVERIFY(waitForRows(log, 3));
    QVERIFY(column(log, 1, MessageLogModel::NoteColumn).contains(QStringLiteral("accepted on port %1").arg(port)));
    QCOMPARE(column(log, 2, MessageLogModel::NoteColumn), QStringLiteral("closed, 0 bytes received"));

    // Once stopped, the same test fails at once.
    server.stop();
    test.start(QStringLiteral("127.0.0.1"), port);
    QVERIFY(finished.wait(20000));
    QCOMPARE(test.outcome(), ServerConnectionTest::Outcome::Refused);
}

void tst_MonitorServer::takenPortIsReported()
{
    QTcpServer other;
    QVERIFY(other.listen(QHostAddress::LocalHost));
    MessageLogModel log;
    MonitorServer server;
    connect(&server, &MonitorServer::messageLogged, &log, &MessageLogModel::append);
    QVERIFY(!server.start(other.serverPort()));
    QVERIFY(!server.isListening());
    QVERIFY(!server.errorString().isEmpty());
    QCOMPARE(log.rowCount(), 1);
    QVERIFY(column(log, 0, MessageLogModel::NoteColumn).startsWith(QStringLiteral("not started")));
}

void tst_MonitorServer::hostRowsInTheLog()
{
    MessageLogModel log;
    MonitorServer server;
    connect(&server, &MonitorServer::messageLogged, &log, &MessageLogModel::append);
    QVERIFY(server.start(0));
    QCOMPARE(column(log, 0, MessageLogModel::DirectionColumn), QStringLiteral("host"));
    QCOMPARE(column(log, 0, MessageLogModel::NumberColumn), QString());
    QCOMPARE(log.line(0).split(QLatin1Char('\t')).at(1), QStringLiteral("host"));
    QCOMPARE(log.line(0).split(QLatin1Char('\t')).at(2), QString());
}

QTEST_GUILESS_MAIN(tst_MonitorServer)
#include "tst_monitorserver.moc"
