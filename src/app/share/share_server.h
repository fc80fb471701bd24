#pragma once
#include "app/share/request_checks.h"
#include "app/share/share_limits.h"
#include "settings/share_tokens.h"

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

class QTcpSocket;
class QWebSocket;

namespace dorvane {

class ClockCommands;
class HttpBinding;
class HttpReply;
struct HttpAnswer;
struct HttpRequest;

// The clock on the local network: its status and its commands over HTTP, and a live socket that
// is told every change the moment it happens and takes the same commands. Every request needs a
// key, every command the control key; a request must name this computer, and a browser's must
// come from a page of this server. It exists only while sharing is on.
class ShareServer final : public QObject
{
    Q_OBJECT
public:
    ShareServer(ClockCommands &commands, ShareTokens tokens, const ShareLimits &limits = {},
                SteadyNow now = std::chrono::steady_clock::now);
    ~ShareServer() override;

    // False with the reason when the address or port cannot be had.
    bool listen(const QHostAddress &address, quint16 port, QString &error);
    quint16 port() const;

    // New keys; every live socket opened with the old ones is closed.
    void setTokens(const ShareTokens &tokens);
    // Pages and programs on the live socket now.
    int liveConnections() const { return int(m_live.size()); }
    // Names the Host header may give; by default this computer's.
    void setHostNames(HostNames names) { m_hostNames = std::move(names); }

signals:
    void liveConnectionsChanged(int count);

private:
    struct LiveClient;

    void handle(const HttpRequest &request, const HttpReply &reply);
    bool mayBecomeLive(const HttpRequest &request) const;
    void answerCommand(const QString &name, const HttpRequest &request, const HttpReply &reply);
    void refuseKey(const QHostAddress &peer, const HttpReply &reply);
    void openLive(QWebSocket *socket);
    void liveMessage(LiveClient &client, const QString &text);
    void closeLive(QWebSocket *socket);
    void dropLive();
    // The status and the view's look now, as JSON text.
    QString statusMessage() const;
    void pushStatus();
    CommandRate &rateOf(QTcpSocket *connection);

    ClockCommands &m_commands;
    ShareTokens m_tokens;
    ShareLimits m_limits;
    SteadyNow m_now;
    HostNames m_hostNames;
    FailedAttempts m_failures;
    QString m_lastPushed; // a change of both the status and the look is pushed once
    std::unique_ptr<HttpBinding> m_http;
    std::vector<std::unique_ptr<LiveClient>> m_live;
    std::vector<std::pair<QPointer<QTcpSocket>, std::unique_ptr<CommandRate>>> m_rates;
};

} // namespace dorvane
