#include "share_server.h"

#include "app/commands/clock_commands.h"
#include "app/share/command_table.h"
#include "app/share/http_binding.h"
#include "app/share/share_pages.h"
#include "app/share/status_json.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkRequest>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>
#include <algorithm>

namespace dorvane {

namespace {

const QString kApi = QStringLiteral("/api/v1/");
const QString kStatusPath = QStringLiteral("/api/v1/status");
const QString kLivePath = QStringLiteral("/api/v1/live");

QByteArray jsonBytes(const QJsonObject &object) { return QJsonDocument(object).toJson(QJsonDocument::Compact); }

HttpAnswer answer(int status, const QJsonObject &body)
{
    HttpAnswer a;
    a.status = status;
    a.body = jsonBytes(body);
    // Nothing here may be kept by a cache, sniffed into something else, or leak the key in the
    // page's address to another site. No CORS header, ever.
    a.headers = {{"Cache-Control", "no-store"}, {"X-Content-Type-Options", "nosniff"}, {"Referrer-Policy", "no-referrer"}};
    return a;
}

HttpAnswer error(int status, const QString &text, bool closeAfter = false)
{
    HttpAnswer a = answer(status, {{QStringLiteral("error"), text}});
    a.closeAfter = closeAfter;
    return a;
}

HttpAnswer pageAnswer(const QByteArray &html, const QByteArray &host)
{
    HttpAnswer a;
    a.contentType = "text/html; charset=utf-8";
    a.body = html;
    // The page runs only its own script and style, talks only to this server, and is never
    // shown inside another site's page.
    a.headers = {{"Cache-Control", "no-store"},
                 {"X-Content-Type-Options", "nosniff"},
                 {"Referrer-Policy", "no-referrer"},
                 {"X-Frame-Options", "DENY"},
                 {"Content-Security-Policy", "default-src 'none'; script-src 'unsafe-inline'; style-src 'unsafe-inline'; "
                                             "connect-src ws://" + host + "; frame-ancestors 'none'"}};
    return a;
}

int httpStatusOf(CommandResult::Outcome outcome)
{
    switch (outcome) {
    case CommandResult::Outcome::Done: return 200;
    case CommandResult::Outcome::Refused: return 409;
    case CommandResult::Outcome::OutOfRange: return 422;
    case CommandResult::Outcome::Failed: return 500;
    }
    return 500;
}

const QString kWrongKey = QStringLiteral("This link's key is missing or no longer valid.");
const QString kViewOnly = QStringLiteral("This link can show the clock but not control it.");
const QString kTooMany = QStringLiteral("Too many commands: at most %1 a second.");

} // namespace

struct ShareServer::LiveClient
{
    std::unique_ptr<QWebSocket> socket;
    Access access = Access::None;
    CommandRate rate;
};

ShareServer::ShareServer(ClockCommands &commands, ShareTokens tokens, const ShareLimits &limits, SteadyNow now)
    : m_commands(commands), m_tokens(std::move(tokens)), m_limits(limits), m_now(std::move(now)),
      m_hostNames(HostNames::ofThisComputer()), m_failures(limits.failureDelay, limits.maxFailureDelay, m_now),
      m_http(std::make_unique<HttpBinding>(
          limits, [this](const HttpRequest &request, const HttpReply &reply) { handle(request, reply); },
          [this](const HttpRequest &request) { return mayBecomeLive(request); }))
{
    connect(m_http.get(), &HttpBinding::webSocketOpened, this, &ShareServer::openLive);
    connect(&m_commands, &ClockCommands::StatusChanged, this, &ShareServer::pushStatus);
    connect(&m_commands, &ClockCommands::LookChanged, this, &ShareServer::pushStatus);
    // The pages draw what the clock view draws, whether or not it is open.
    m_commands.FollowLook(true);
}

ShareServer::~ShareServer()
{
    // Every page and program is let go at once, before the listening socket closes.
    dropLive();
    m_commands.FollowLook(false);
}

void ShareServer::dropLive()
{
    // Taken out first: an aborted socket says so at once, and must not find itself in the list.
    std::vector<std::unique_ptr<LiveClient>> dropped = std::move(m_live);
    m_live.clear();
    for (const auto &client : dropped) {
        client->socket->disconnect(this);
        client->socket->abort();
    }
}

bool ShareServer::listen(const QHostAddress &address, quint16 port, QString &error)
{
    return m_http->listen(address, port, error);
}

quint16 ShareServer::port() const { return m_http->port(); }

void ShareServer::setTokens(const ShareTokens &tokens)
{
    m_tokens = tokens;
    const bool hadLive = !m_live.empty();
    dropLive();
    if (hadLive)
        emit liveConnectionsChanged(0);
}

void ShareServer::handle(const HttpRequest &request, const HttpReply &reply)
{
    const QByteArray host = request.header("Host");
    if (!m_hostNames.allows(host)) {
        reply.send(error(403, QStringLiteral("This clock does not answer to that name."), true));
        return;
    }
    if (!originAllowed(request.header("Origin"), host)) {
        reply.send(error(403, QStringLiteral("Requests from other sites are refused."), true));
        return;
    }
    const bool command = request.path.startsWith(kApi) && isNetworkCommand(request.path.mid(kApi.size()));
    const SharePage page = sharePage(request.path);
    if (request.path == kStatusPath || !page.html.isEmpty()) {
        if (request.method != "GET") {
            HttpAnswer refusal = error(405, QStringLiteral("This is read with GET."));
            refusal.headers.append(qMakePair(QByteArray("Allow"), QByteArray("GET")));
            reply.send(refusal);
            return;
        }
    } else if (command) {
        // A command over GET could be set off by any link or image on any page.
        if (request.method != "POST") {
            HttpAnswer refusal = error(405, QStringLiteral("Commands are sent with POST."));
            refusal.headers.append(qMakePair(QByteArray("Allow"), QByteArray("POST")));
            reply.send(refusal);
            return;
        }
    } else if (request.path == kLivePath) {
        reply.send(error(400, QStringLiteral("The live status is a WebSocket.")));
        return;
    } else {
        reply.send(error(404, QStringLiteral("There is nothing here.")));
        return;
    }

    const Access access = accessOf(presentedKey(request.query, request.header("Authorization")), m_tokens);
    if (access == Access::None) {
        refuseKey(request.peer, reply);
        return;
    }
    m_failures.succeeded(request.peer);
    if (!page.html.isEmpty()) {
        if (page.needs == Access::Control && access != Access::Control)
            reply.send(error(403, kViewOnly));
        else
            reply.send(pageAnswer(page.html, host));
        return;
    }
    if (!command) {
        reply.send(answer(200, statusJson(m_commands.Status(), m_commands.Look())));
        return;
    }
    if (access != Access::Control) {
        reply.send(error(403, kViewOnly));
        return;
    }
    answerCommand(request.path.mid(kApi.size()), request, reply);
}

bool ShareServer::mayBecomeLive(const HttpRequest &request) const
{
    // The key is checked once the socket is open, so that a wrong one can be answered late.
    const QByteArray host = request.header("Host");
    return request.path == kLivePath && m_hostNames.allows(host) && originAllowed(request.header("Origin"), host);
}

void ShareServer::answerCommand(const QString &name, const HttpRequest &request, const HttpReply &reply)
{
    if (!rateOf(reply.connection()).take()) {
        reply.send(error(429, kTooMany.arg(m_limits.commandsPerSecond)));
        return;
    }
    QJsonObject arguments;
    if (!request.body.trimmed().isEmpty()) {
        const QJsonDocument body = QJsonDocument::fromJson(request.body);
        if (!body.isObject()) {
            reply.send(error(400, QStringLiteral("The body must be a JSON object.")));
            return;
        }
        arguments = body.object();
    }
    const NetworkCommandAnswer outcome = runNetworkCommand(m_commands, name, arguments);
    if (outcome.kind != NetworkCommandAnswer::Kind::Ran)
        reply.send(error(400, outcome.text));
    else if (!outcome.result.done())
        reply.send(error(httpStatusOf(outcome.result.outcome), outcome.result.text));
    else
        reply.send(answer(200, statusJson(m_commands.Status(), m_commands.Look())));
}

void ShareServer::refuseKey(const QHostAddress &peer, const HttpReply &reply)
{
    // Answered later, on a timer, so that guessing is slow and the clock never waits.
    const auto delay = m_failures.failed(peer);
    reply.lastOnConnection();
    QTimer::singleShot(delay, this, [reply] { reply.send(error(403, kWrongKey, true)); });
}

CommandRate &ShareServer::rateOf(QTcpSocket *connection)
{
    m_rates.erase(std::remove_if(m_rates.begin(), m_rates.end(), [](const auto &entry) { return !entry.first; }),
                  m_rates.end());
    for (auto &[socket, rate] : m_rates)
        if (socket == connection)
            return *rate;
    m_rates.emplace_back(connection, std::make_unique<CommandRate>(m_limits.commandsPerSecond, m_now));
    return *m_rates.back().second;
}

void ShareServer::openLive(QWebSocket *socket)
{
    std::unique_ptr<QWebSocket> owned(socket);
    socket->setMaxAllowedIncomingMessageSize(quint64(m_limits.maxMessageBytes));
    socket->setMaxAllowedIncomingFrameSize(quint64(m_limits.maxMessageBytes));
    const QNetworkRequest handshake = socket->request();
    const QByteArray host = handshake.rawHeader("Host");
    const auto refuse = [](std::unique_ptr<QWebSocket> refused, const QString &why) {
        QWebSocket *s = refused.release();
        s->close(QWebSocketProtocol::CloseCodePolicyViolated, why);
        s->deleteLater();
    };
    if (socket->requestUrl().path() != kLivePath) {
        refuse(std::move(owned), QStringLiteral("There is nothing here."));
        return;
    }
    if (!m_hostNames.allows(host) || !originAllowed(socket->origin().toLatin1(), host)) {
        refuse(std::move(owned), QStringLiteral("Refused."));
        return;
    }
    const Access access =
        accessOf(presentedKey(QUrlQuery(socket->requestUrl()), handshake.rawHeader("Authorization")), m_tokens);
    const QHostAddress peer = socket->peerAddress();
    if (access == Access::None) {
        const auto delay = m_failures.failed(peer);
        QWebSocket *s = owned.release();
        s->setParent(this);
        QTimer::singleShot(delay, s, [s] {
            s->close(QWebSocketProtocol::CloseCodePolicyViolated, kWrongKey);
            s->deleteLater();
        });
        return;
    }
    m_failures.succeeded(peer);

    auto client = std::make_unique<LiveClient>(LiveClient{std::move(owned), access, CommandRate(m_limits.commandsPerSecond, m_now)});
    LiveClient *raw = client.get();
    connect(socket, &QWebSocket::textMessageReceived, this, [this, raw](const QString &text) { liveMessage(*raw, text); });
    connect(socket, &QWebSocket::binaryMessageReceived, this, [socket] {
        socket->close(QWebSocketProtocol::CloseCodeDatatypeNotSupported, QStringLiteral("Send JSON text."));
    });
    connect(socket, &QWebSocket::disconnected, this, [this, socket] { closeLive(socket); });
    m_live.push_back(std::move(client));
    socket->sendTextMessage(statusMessage());
    emit liveConnectionsChanged(liveConnections());
}

void ShareServer::liveMessage(LiveClient &client, const QString &text)
{
    const QJsonDocument message = QJsonDocument::fromJson(text.toUtf8());
    QJsonObject arguments = message.object();
    const QString name = arguments.take(QStringLiteral("command")).toString();
    const QJsonValue id = arguments.take(QStringLiteral("id"));
    QJsonObject reply{{QStringLiteral("type"), QStringLiteral("result")}, {QStringLiteral("command"), name}};
    if (!id.isUndefined())
        reply.insert(QStringLiteral("id"), id);
    const auto fail = [&](const QString &why) {
        reply.insert(QStringLiteral("ok"), false);
        reply.insert(QStringLiteral("error"), why);
        client.socket->sendTextMessage(QString::fromUtf8(jsonBytes(reply)));
    };
    if (!message.isObject() || name.isEmpty())
        return fail(QStringLiteral("A message is a JSON object with a \"command\"."));
    if (client.access != Access::Control)
        return fail(kViewOnly);
    if (!client.rate.take())
        return fail(kTooMany.arg(m_limits.commandsPerSecond));
    const NetworkCommandAnswer outcome = runNetworkCommand(m_commands, name, arguments);
    if (outcome.kind != NetworkCommandAnswer::Kind::Ran)
        return fail(outcome.text);
    if (!outcome.result.done())
        return fail(outcome.result.text);
    reply.insert(QStringLiteral("ok"), true);
    client.socket->sendTextMessage(QString::fromUtf8(jsonBytes(reply)));
}

void ShareServer::closeLive(QWebSocket *socket)
{
    const auto it = std::find_if(m_live.begin(), m_live.end(), [socket](const auto &c) { return c->socket.get() == socket; });
    if (it == m_live.end())
        return;
    // Not deleted inside its own signal.
    (*it)->socket.release()->deleteLater();
    m_live.erase(it);
    emit liveConnectionsChanged(liveConnections());
}

QString ShareServer::statusMessage() const
{
    return QString::fromUtf8(jsonBytes({{QStringLiteral("type"), QStringLiteral("status")},
                                        {QStringLiteral("status"), statusJson(m_commands.Status(), m_commands.Look())}}));
}

void ShareServer::pushStatus()
{
    if (m_live.empty())
        return;
    const QString text = statusMessage();
    if (text == m_lastPushed)
        return;
    m_lastPushed = text;
    for (const auto &client : m_live)
        client->socket->sendTextMessage(text);
}

} // namespace dorvane
