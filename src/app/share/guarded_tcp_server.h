#pragma once
#include "app/share/share_limits.h"

#include <QTcpServer>

namespace dorvane {

// The listening socket under the HTTP server, which holds each connection to the limits the HTTP
// server itself does not know: how many may be open, how many bytes a request may have, and how
// long a request may take to arrive. It never reads a byte of the requests: it only counts them.
class GuardedTcpServer final : public QTcpServer
{
    Q_OBJECT
public:
    GuardedTcpServer(const ShareLimits &limits, QObject *parent = nullptr);

    int openConnections() const { return m_open; }

    // A request on `socket` has been read whole: its byte count starts again, and the wait for the
    // next one begins.
    static void requestRead(QTcpSocket *socket);
    // `socket` becomes a live socket: the HTTP limits no longer apply to it.
    static void leftHttp(QTcpSocket *socket);

signals:
    // A connection cut for taking too long or sending too much; the server answers it itself.
    void oversized(QTcpSocket *socket);

protected:
    void incomingConnection(qintptr handle) override;

private:
    ShareLimits m_limits;
    int m_open = 0;
};

} // namespace dorvane
