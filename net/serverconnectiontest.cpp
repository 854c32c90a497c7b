#include "net/serverconnectiontest.h"

#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>

ServerConnectionTest::ServerConnectionTest(int limitMs, int tickMs, QObject *parent)
    : QObject(parent)
    , timeoutTimer(new QTimer(this))
    , tickTimer(new QTimer(this))
    , m_limitMs(qMax(1, limitMs))
    , m_tickMs(qMax(1, tickMs))
{
    timeoutTimer->setSingleShot(true);
    connect(timeoutTimer, &QTimer::timeout, this, &ServerConnectionTest::slot_timeout_Timer);
    connect(tickTimer, &QTimer::timeout, this, &ServerConnectionTest::slot_timeout_TimerTestServer);
}

ServerConnectionTest::~ServerConnectionTest()
{
    abortLookup();
    if (socket) {
        socket->disconnect(this);
        socket->abort();
    }
}

void ServerConnectionTest::start(const QString &host, int port)
{
    if (isRunning())
        finish(Outcome::Aborted);

    m_host = host.trimmed();
    m_port = port;
    qsNameIP.clear();
    qsNameDNS.clear();
    connected = false;
    m_errorText.clear();
    m_lookupDone = false;
    elapsed = 0;
    m_state = State::Testing;

    // A port that does not fit 16 bits would otherwise be tested modulo
    // 65536; port 0 is no server's port.
    if (!isValidPort(port)) {
        finish(Outcome::InvalidPort);
        return;
    }
    if (m_host.isEmpty()) {
        finish(Outcome::HostNotFound);
        return;
    }

    // Connected by name, not to a functor: Qt 6.4 leaks a functor's slot
    // object when its lookup is aborted.
    m_lookupId = QHostInfo::lookupHost(m_host, this, SLOT(slot_lookedUp(QHostInfo)));

    // A fresh socket per test: nothing the previous one still had to say can
    // reach this test.
    releaseSocket();
    socket = new QTcpSocket(this);
    socket->setProxy(QNetworkProxy::NoProxy);
    connect(socket, &QTcpSocket::connected, this, &ServerConnectionTest::slot_connected);
    connect(socket, &QTcpSocket::errorOccurred, this, &ServerConnectionTest::slot_error);

    timeoutTimer->start(m_limitMs);
    tickTimer->start(m_tickMs);
    socket->connectToHost(m_host, quint16(port));
}

void ServerConnectionTest::abort()
{
    if (isRunning())
        finish(Outcome::Aborted);
}

void ServerConnectionTest::slot_connected()
{
    if (!isRunning() || !socket)
        return;
    qsNameIP = socket->peerAddress().toString();
    connected = true;
    socket->disconnectFromHost();
    if (m_lookupDone)
        finish(Outcome::Connected);
}

void ServerConnectionTest::slot_error(QAbstractSocket::SocketError error)
{
    // Once connected, the closing of the connection is no news.
    if (!isRunning() || connected)
        return;
    m_errorText = socket ? socket->errorString() : QString();
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        finish(Outcome::Refused);
        break;
    case QAbstractSocket::HostNotFoundError:
        finish(Outcome::HostNotFound);
        break;
    case QAbstractSocket::SocketTimeoutError:
        // The system gave up waiting for the server before the limit did.
        finish(Outcome::TimedOut);
        break;
    default:
        finish(Outcome::NetworkError);
        break;
    }
}

// A result of an earlier or aborted lookup carries another id.
void ServerConnectionTest::slot_lookedUp(const QHostInfo &info)
{
    if (info.lookupId() == m_lookupId && isRunning())
        printResults(info);
}

void ServerConnectionTest::printResults(const QHostInfo &info)
{
    m_lookupId = -1;
    m_lookupDone = true;
    if (info.error() != QHostInfo::NoError) {
        m_errorText = info.errorString();
        finish(info.error() == QHostInfo::HostNotFound ? Outcome::HostNotFound : Outcome::NetworkError);
        return;
    }
    qsNameDNS = info.hostName();
    if (connected)
        finish(Outcome::Connected);
}

void ServerConnectionTest::slot_timeout_Timer()
{
    if (!isRunning())
        return;
    // Connected but the name lookup still runs: the server did answer.
    finish(connected ? Outcome::Connected : Outcome::TimedOut);
}

void ServerConnectionTest::slot_timeout_TimerTestServer()
{
    if (!isRunning())
        return;
    ++elapsed;
    emit tick(elapsed);
}

void ServerConnectionTest::finish(Outcome outcome)
{
    timeoutTimer->stop();
    tickTimer->stop();
    abortLookup();
    releaseSocket();
    m_outcome = outcome;
    m_state = State::Idle;
    // Last: a receiver may start the next test from here.
    emit finished(qsNameIP, qsNameDNS, connected);
}

void ServerConnectionTest::releaseSocket()
{
    if (!socket)
        return;
    QTcpSocket *old = socket;
    socket = nullptr;
    old->disconnect(this);
    old->abort();
    old->deleteLater();
}

void ServerConnectionTest::abortLookup()
{
    if (m_lookupId >= 0)
        QHostInfo::abortHostLookup(m_lookupId);
    m_lookupId = -1;
}
