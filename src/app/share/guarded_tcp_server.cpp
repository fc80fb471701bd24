#include "guarded_tcp_server.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

namespace dorvane {

namespace {

// What is known of one connection while it speaks HTTP.
class ConnectionWatch final : public QObject
{
public:
    static constexpr char kName[] = "dorvane-connection-watch";

    ConnectionWatch(QTcpSocket *socket, const ShareLimits &limits) : QObject(socket), m_limits(limits)
    {
        setObjectName(QLatin1String(kName));
        m_deadline.setSingleShot(true);
        m_deadline.setInterval(limits.requestTimeout);
        connect(&m_deadline, &QTimer::timeout, socket, &QTcpSocket::abort);
        m_deadline.start();
    }

    // Called before the HTTP server reads what arrived: all of it is new, since the server has
    // read everything before.
    bool tooMuch(QTcpSocket *socket)
    {
        m_bytes += socket->bytesAvailable();
        return m_bytes > m_limits.maxRequestBytes;
    }

    void requestRead()
    {
        m_bytes = 0;
        m_deadline.start();
    }

private:
    ShareLimits m_limits;
    qint64 m_bytes = 0;
    QTimer m_deadline;
};

ConnectionWatch *watchOf(QTcpSocket *socket)
{
    // Found by its name: a class without meta-object of its own would match any child.
    return static_cast<ConnectionWatch *>(
        socket->findChild<QObject *>(QLatin1String(ConnectionWatch::kName), Qt::FindDirectChildrenOnly));
}

} // namespace

GuardedTcpServer::GuardedTcpServer(const ShareLimits &limits, QObject *parent) : QTcpServer(parent), m_limits(limits)
{
}

void GuardedTcpServer::requestRead(QTcpSocket *socket)
{
    if (ConnectionWatch *watch = watchOf(socket))
        watch->requestRead();
}

void GuardedTcpServer::leftHttp(QTcpSocket *socket)
{
    // Its handshake and its messages have limits of their own from here.
    delete watchOf(socket);
}

void GuardedTcpServer::incomingConnection(qintptr handle)
{
    auto *socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(handle) || m_open >= m_limits.maxConnections) {
        // Closed at once: a full house costs nothing but the accept.
        socket->abort();
        socket->deleteLater();
        return;
    }
    ++m_open;
    connect(socket, &QObject::destroyed, this, [this] { --m_open; });
    // The socket holds no more than one request too many, so a flood cannot grow its buffer.
    socket->setReadBufferSize(m_limits.maxRequestBytes + 1);
    auto *watch = new ConnectionWatch(socket, m_limits);
    // Connected before the HTTP server's own reader, so it counts the bytes before they are read.
    connect(socket, &QTcpSocket::readyRead, watch, [this, socket, watch] {
        if (watch->tooMuch(socket))
            emit oversized(socket);
    });
    // QTcpServer announces the connection itself once this returns.
    addPendingConnection(socket);
}

} // namespace dorvane
