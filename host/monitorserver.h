#ifndef MONITORSERVER_H
#define MONITORSERVER_H

#include "host/messagelogentry.h"

#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;

// A stand-in monitoring server on 127.0.0.1, so that the plug-in's server
// connection test has something to succeed against. It accepts every
// connection, reads and drops what it is sent, and logs each connection, its
// end and the bytes it carried in the host's message log.
class MonitorServer : public QObject
{
    Q_OBJECT
public:
    explicit MonitorServer(QObject *parent = nullptr);
    ~MonitorServer() override;

    // Listens on 127.0.0.1:port (0: any free port). False with errorString()
    // when the port is taken or not allowed; a running server is stopped first.
    bool start(quint16 port);
    void stop();

    bool isListening() const;
    quint16 port() const;
    QString errorString() const { return m_error; }
    int connectionCount() const { return m_connections; }

signals:
    void messageLogged(const MessageLogEntry &entry);
    void listeningChanged(bool listening);

private:
    void acceptConnections();
    void log(const QString &name, const QString &parameters, const QString &note = QString());

    QTcpServer *m_server;
    QString m_error;
    int m_connections = 0;
};

#endif // MONITORSERVER_H
