#include "host/monitorserver.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

QString peerText(const QTcpSocket *socket)
{
    return QStringLiteral("%1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort());
}

} // namespace

MonitorServer::MonitorServer(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &MonitorServer::acceptConnections);
}

MonitorServer::~MonitorServer() = default;

bool MonitorServer::start(quint16 port)
{
    stop();
    m_error.clear();
    if (!m_server->listen(QHostAddress::LocalHost, port)) {
        m_error = m_server->errorString();
        log(QStringLiteral("Monitoring server"), QStringLiteral("127.0.0.1:%1").arg(port),
            QStringLiteral("not started: %1").arg(m_error));
        return false;
    }
    log(QStringLiteral("Monitoring server"), QStringLiteral("127.0.0.1:%1").arg(m_server->serverPort()),
        QStringLiteral("listening"));
    emit listeningChanged(true);
    return true;
}

void MonitorServer::stop()
{
    if (!m_server->isListening())
        return;
    const quint16 port = m_server->serverPort();
    m_server->close();
    log(QStringLiteral("Monitoring server"), QStringLiteral("127.0.0.1:%1").arg(port), QStringLiteral("stopped"));
    emit listeningChanged(false);
}

bool MonitorServer::isListening() const
{
    return m_server->isListening();
}

quint16 MonitorServer::port() const
{
    return m_server->isListening() ? m_server->serverPort() : 0;
}

void MonitorServer::acceptConnections()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        ++m_connections;
        socket->setParent(this);
        const QString peer = peerText(socket);
        const quint16 port = socket->localPort();
        log(QStringLiteral("Server connection"), QStringLiteral("from %1").arg(peer),
            QStringLiteral("accepted on port %1").arg(port));
        connect(socket, &QTcpSocket::readyRead, socket, [socket] {
            const qint64 bytes = socket->readAll().size();
            socket->setProperty("received", socket->property("received").toLongLong() + bytes);
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket, peer] {
            log(QStringLiteral("Server connection"), QStringLiteral("from %1").arg(peer),
                QStringLiteral("closed, %1 bytes received").arg(socket->property("received").toLongLong()));
            socket->deleteLater();
        });
    }
}

void MonitorServer::log(const QString &name, const QString &parameters, const QString &note)
{
    MessageLogEntry entry;
    entry.time = QDateTime::currentDateTime();
    entry.message.direction = HostMessages::Direction::Host;
    entry.name = name;
    entry.parameters = parameters;
    entry.note = note;
    emit messageLogged(entry);
}
