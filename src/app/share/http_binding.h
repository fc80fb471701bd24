#pragma once
#include "app/share/share_limits.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPair>
#include <QUrlQuery>
#include <functional>
#include <memory>

class QWebSocket;
class QTcpSocket;

namespace dorvane {

class GuardedTcpServer;

// One HTTP request as the clock's server sees it, whatever the HTTP library gives.
struct HttpRequest
{
    QByteArray method; // "GET", "POST", …
    QString path;
    QUrlQuery query;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    QHostAddress peer;

    // The first header of that name, in any case; empty when there is none.
    QByteArray header(const QByteArray &name) const;
};

struct HttpAnswer
{
    int status = 200;
    QByteArray contentType = "application/json";
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;
    bool closeAfter = false; // the connection ends once the answer is sent
};

// Answers one request, now or later. An answer for a connection that has gone is dropped.
class HttpReply
{
public:
    class Channel;
    explicit HttpReply(std::shared_ptr<Channel> channel) : m_channel(std::move(channel)) {}
    void send(const HttpAnswer &answer) const;
    // Nothing more is read on this connection: the answer, when it comes, ends it.
    void lastOnConnection() const;
    // The connection it came on, for what is counted per connection; null once it has gone.
    QTcpSocket *connection() const;

private:
    std::shared_ptr<Channel> m_channel;
};

// The HTTP server library behind one class of ours: it listens, reads requests, hands each over
// whole, and upgrades the live sockets. Every byte of HTTP is read by the library; the listening
// socket under it bounds connections, request sizes and the time a request may take.
class HttpBinding final : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void(const HttpRequest &, const HttpReply &)>;
    // Whether a request to become a live socket may go on to its handshake; one refused is
    // answered 403 and closed.
    using UpgradeCheck = std::function<bool(const HttpRequest &)>;

    HttpBinding(const ShareLimits &limits, Handler handler, UpgradeCheck upgradeCheck, QObject *parent = nullptr);
    ~HttpBinding() override;

    // Listens on `address` and `port` (0 for any free port). False with the reason when it cannot.
    bool listen(const QHostAddress &address, quint16 port, QString &error);
    quint16 port() const;
    int openConnections() const;

signals:
    // A live socket has finished its handshake; the receiver owns it from now on.
    void webSocketOpened(QWebSocket *socket);

private:
    class Server;
    std::unique_ptr<Server> m_server;
    GuardedTcpServer *m_tcp = nullptr;
};

} // namespace dorvane
