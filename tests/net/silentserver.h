#ifndef SILENTSERVER_H
#define SILENTSERVER_H

#include <QTcpSocket>
#include <QtGlobal>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>
#include <vector>

// A server on 127.0.0.1 that never answers a connection attempt: it listens
// with a backlog of 0 and never accepts, and its queue is filled first, so
// the kernel drops every further SYN and a client waits until it gives up.
class SilentServer
{
public:
    SilentServer()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        if (m_fd < 0)
            return;
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        socklen_t length = sizeof address;
        if (::bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
            || ::listen(m_fd, 0) != 0
            || ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
        // Fill the accept queue: the first connections complete, the next
        // one hangs, and from then on the queue is full.
        for (int i = 0; i < 3; ++i) {
            auto filler = std::make_unique<QTcpSocket>();
            filler->connectToHost(QStringLiteral("127.0.0.1"), m_port);
            const bool done = filler->waitForConnected(300);
            m_fillers.push_back(std::move(filler));
            if (!done) {
                m_ready = true;
                break;
            }
        }
    }
    ~SilentServer()
    {
        m_fillers.clear();
        if (m_fd >= 0)
            ::close(m_fd);
    }
    SilentServer(const SilentServer &) = delete;
    SilentServer &operator=(const SilentServer &) = delete;

    // True once a connection attempt to the port is known to hang.
    bool isReady() const { return m_ready; }
    quint16 port() const { return m_port; }

private:
    int m_fd = -1;
    quint16 m_port = 0;
    bool m_ready = false;
    std::vector<std::unique_ptr<QTcpSocket>> m_fillers;
};

#endif // SILENTSERVER_H
