// The only file that knows the HTTP server library: its interface changes between Qt versions.
#include "http_binding.h"

#include "app/share/guarded_tcp_server.h"

#include <QAbstractHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QPointer>
#include <QTcpSocket>
#include <QWebSocket>
#include <optional>

namespace dorvane {

namespace {

QByteArray methodName(QHttpServerRequest::Method method)
{
    switch (method) {
    case QHttpServerRequest::Method::Get: return "GET";
    case QHttpServerRequest::Method::Put: return "PUT";
    case QHttpServerRequest::Method::Delete: return "DELETE";
    case QHttpServerRequest::Method::Post: return "POST";
    case QHttpServerRequest::Method::Head: return "HEAD";
    case QHttpServerRequest::Method::Options: return "OPTIONS";
    case QHttpServerRequest::Method::Patch: return "PATCH";
    case QHttpServerRequest::Method::Connect: return "CONNECT";
    case QHttpServerRequest::Method::Trace: return "TRACE";
    default: return "UNKNOWN";
    }
}

// A refusal written before the request could be read whole, so there is no request to answer
// through the library: a fixed answer, and the connection ends.
QByteArray tooLargeAnswer(int maxBytes)
{
    const QByteArray body = "{\"error\":\"A request may have at most " + QByteArray::number(maxBytes) + " bytes.\"}";
    return "HTTP/1.1 413 Payload Too Large\r\nContent-Type: application/json\r\nContent-Length: "
        + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

} // namespace

QByteArray HttpRequest::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

// The library's responder for one request, kept while the socket lives.
class HttpReply::Channel
{
public:
    Channel(QHttpServerResponder &&responder, QTcpSocket *socket) : m_responder(std::move(responder)), m_socket(socket) {}

    void send(const HttpAnswer &answer)
    {
        if (!m_socket || m_sent || m_socket->state() != QAbstractSocket::ConnectedState)
            return;
        m_sent = true;
        m_responder.writeStatusLine(static_cast<QHttpServerResponder::StatusCode>(answer.status));
        m_responder.writeHeader("Content-Type", answer.contentType);
        m_responder.writeHeader("Content-Length", QByteArray::number(answer.body.size()));
        for (const auto &[key, value] : answer.headers)
            m_responder.writeHeader(key, value);
        if (answer.closeAfter)
            m_responder.writeHeader("Connection", "close");
        m_responder.writeBody(answer.body);
        if (answer.closeAfter)
            m_socket->disconnectFromHost();
    }

    QTcpSocket *socket() const { return m_socket; }

    void lastOnConnection()
    {
        if (m_socket)
            m_socket->setProperty(kLast, true);
    }

    static constexpr char kLast[] = "dorvaneLastRequest";

private:
    QHttpServerResponder m_responder;
    QPointer<QTcpSocket> m_socket;
    bool m_sent = false;
};

void HttpReply::send(const HttpAnswer &answer) const { m_channel->send(answer); }
void HttpReply::lastOnConnection() const { m_channel->lastOnConnection(); }
QTcpSocket *HttpReply::connection() const { return m_channel->socket(); }

class HttpBinding::Server final : public QAbstractHttpServer
{
public:
    Server(Handler handler, UpgradeCheck upgradeCheck)
        : m_handler(std::move(handler)), m_upgradeCheck(std::move(upgradeCheck))
    {
    }

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override
    {
        GuardedTcpServer::requestRead(socket);
        HttpRequest ours;
        ours.method = methodName(request.method());
        ours.path = request.url().path();
        ours.query = request.query();
        ours.headers = request.headers();
        ours.body = request.body();
        ours.peer = request.remoteAddress();
        const bool upgrade = ours.header("Upgrade").compare("websocket", Qt::CaseInsensitive) == 0;
        // A connection already refused for its size, or waiting for a delayed answer, takes
        // nothing more.
        if (socket->property(kRefused).toBool() || socket->property(HttpReply::Channel::kLast).toBool()
            || socket->state() != QAbstractSocket::ConnectedState) {
            socket->abort();
            return !upgrade;
        }
        // The library asks here before it hands a request to become a live socket to its
        // handshake: true lets it go on, false has it answered below and closed.
        if (upgrade) {
            if (!m_upgradeCheck(ours))
                return false;
            GuardedTcpServer::leftHttp(socket);
            return true;
        }
        m_handler(ours, HttpReply(std::make_shared<HttpReply::Channel>(makeResponder(request, socket), socket)));
        return true;
    }

    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override
    {
        HttpAnswer refusal;
        refusal.status = 403;
        refusal.body = "{\"error\":\"Refused.\"}";
        refusal.closeAfter = true;
        HttpReply::Channel(makeResponder(request, socket), socket).send(refusal);
    }

public:
    static constexpr char kRefused[] = "dorvaneRefused";

private:
    Handler m_handler;
    UpgradeCheck m_upgradeCheck;
};

HttpBinding::HttpBinding(const ShareLimits &limits, Handler handler, UpgradeCheck upgradeCheck, QObject *parent)
    : QObject(parent), m_server(std::make_unique<Server>(std::move(handler), std::move(upgradeCheck))),
      m_tcp(new GuardedTcpServer(limits, this))
{
    connect(m_tcp, &GuardedTcpServer::oversized, this, [tooLarge = tooLargeAnswer(limits.maxRequestBytes)](QTcpSocket *socket) {
        if (socket->property(Server::kRefused).toBool())
            return;
        socket->setProperty(Server::kRefused, true);
        socket->write(tooLarge);
        socket->disconnectFromHost();
    });
    connect(m_server.get(), &QAbstractHttpServer::newWebSocketConnection, this, [this] {
        while (m_server->hasPendingWebSocketConnections()) {
            std::unique_ptr<QWebSocket> socket = m_server->nextPendingWebSocketConnection();
            if (socket)
                emit webSocketOpened(socket.release());
        }
    });
}

HttpBinding::~HttpBinding()
{
    // Every connection ends with the server, at once.
    if (m_tcp)
        for (QTcpSocket *socket : m_tcp->findChildren<QTcpSocket *>())
            socket->abort();
}

bool HttpBinding::listen(const QHostAddress &address, quint16 port, QString &error)
{
    if (!m_tcp->listen(address, port)) {
        error = m_tcp->errorString();
        return false;
    }
    m_server->bind(m_tcp); // the HTTP server owns it from here
    return true;
}

quint16 HttpBinding::port() const { return m_tcp->serverPort(); }
int HttpBinding::openConnections() const { return m_tcp->openConnections(); }

} // namespace dorvane
