#ifndef SERVERCONNECTIONTEST_H
#define SERVERCONNECTIONTEST_H

#include <QAbstractSocket>
#include <QHostInfo>
#include <QObject>
#include <QString>

class QTcpSocket;
class QTimer;

// One TCP connection test to a monitoring server: the host name is looked up,
// a connection to the host and port is opened and closed again at once;
// nothing is sent over it.
//
// Every start() ends in exactly one finished() report:
//  - connected: as soon as the connection is open and the name lookup is done
//    (or at the limit, if the lookup is still running then);
//  - refused, name not found, network error: as soon as the socket or the
//    lookup says so;
//  - a port outside 1..65535 or an empty host: from inside start(), without
//    any connection attempt;
//  - a server that stays silent: at the limit;
//  - a new start() or abort() while a test runs: the running test is reported
//    as aborted first.
// Whatever arrives for a test after its report (a late disconnection, a late
// lookup result, a late socket error) is ignored.
class ServerConnectionTest : public QObject
{
    Q_OBJECT

public:
    enum class State { Idle, Testing };
    Q_ENUM(State)

    enum class Outcome {
        None,         // no test has finished yet
        Connected,    // the server accepted the connection
        Refused,      // nothing listens on the port
        HostNotFound, // the name does not resolve (or no host was given)
        NetworkError, // unreachable network, no route, or another socket error
        TimedOut,     // no answer within the limit
        InvalidPort,  // outside 1..65535: nothing was tried
        Aborted       // ended by abort() or by a new start()
    };
    Q_ENUM(Outcome)

    static constexpr int DefaultLimitMs = 60000;
    static constexpr int DefaultTickMs = 1000;

    explicit ServerConnectionTest(int limitMs = DefaultLimitMs, int tickMs = DefaultTickMs,
                                  QObject *parent = nullptr);
    ~ServerConnectionTest() override;

    static bool isValidPort(int port) { return port >= 1 && port <= 65535; }

    // Begins a test of host (a name or a dotted address) and port.
    void start(const QString &host, int port);
    // Ends a running test, reported as Aborted; does nothing when idle.
    void abort();

    State state() const { return m_state; }
    bool isRunning() const { return m_state == State::Testing; }

    // Of the running test, or of the last one once it has finished.
    QString host() const { return m_host; }
    int port() const { return m_port; }
    QString peerAddress() const { return qsNameIP; }
    QString hostName() const { return qsNameDNS; }
    bool isConnected() const { return connected; }
    Outcome outcome() const { return m_outcome; }
    // The system's words for a failure (socket or lookup error), else empty.
    QString errorText() const { return m_errorText; }

    int limitMs() const { return m_limitMs; }
    int tickMs() const { return m_tickMs; }
    // Ticks of the running test so far, and in the whole limit.
    int elapsedTicks() const { return elapsed; }
    int ticksInLimit() const { return m_tickMs > 0 ? m_limitMs / m_tickMs : 0; }

signals:
    // Once a tick while a test runs, with the ticks elapsed (1, 2, ...).
    void tick(int elapsedTicks);
    // Once per test: the peer address, the host name as the lookup gave it,
    // and whether the connection was established.
    void finished(const QString &qsNameIP, const QString &qsNameDNS, bool connected);

private slots:
    void slot_connected();
    void slot_error(QAbstractSocket::SocketError error);
    void slot_lookedUp(const QHostInfo &info);
    void printResults(const QHostInfo &info);
    void slot_timeout_Timer();
    void slot_timeout_TimerTestServer();

private:
    void finish(Outcome outcome);
    void releaseSocket();
    void abortLookup();

    QTcpSocket *socket = nullptr;
    QString qsNameIP;
    QString qsNameDNS;
    bool connected = false;
    QTimer *timeoutTimer;
    QTimer *tickTimer;
    int elapsed = 0;

    const int m_limitMs;
    const int m_tickMs;
    State m_state = State::Idle;
    Outcome m_outcome = Outcome::None;
    QString m_host;
    int m_port = 0;
    QString m_errorText;
    bool m_lookupDone = false;
    int m_lookupId = -1;
};

#endif // SERVERCONNECTIONTEST_H
