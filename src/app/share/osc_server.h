#pragma once
#include "app/share/request_checks.h"
#include "app/share/share_limits.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QUdpSocket>
#include <memory>
#include <utility>
#include <vector>

namespace dorvane {

class ClockCommands;

// What became of the OSC packets that came in, for the sharing dialog.
struct OscTally
{
    int taken = 0;     // commands that reached the clock
    int notListed = 0; // from an address the user did not list
    int unreadable = 0; // not one of our messages with its exact type signature, or a bundle
    int tooLarge = 0;
    int tooFast = 0;   // over the limit of commands a second from one address

    int ignored() const { return notListed + unreadable + tooLarge + tooFast; }
};

// Reads the addresses stage gear may send OSC from: IPv4 or IPv6 addresses, one after another,
// separated by spaces or commas. False with the first word that is not one.
bool parseOscSenders(const QString &text, QList<QHostAddress> &senders, QString &error);

// OSC commands over UDP, in the clock's own event loop: each packet from a listed address is read
// as one command of the network's vocabulary and run on the clock. Anything else is dropped
// without an answer, and counted. It exists only while OSC is on; the port closes with it.
class OscServer final : public QObject
{
    Q_OBJECT
public:
    OscServer(ClockCommands &commands, QList<QHostAddress> senders, const ShareLimits &limits = {},
              SteadyNow now = std::chrono::steady_clock::now);
    ~OscServer() override;

    // False with the reason when the address or port cannot be had; port 0 takes any free one.
    bool listen(const QHostAddress &address, quint16 port, QString &error);
    quint16 port() const { return m_socket.localPort(); }
    const OscTally &tally() const { return m_tally; }

signals:
    void tallyChanged();

private:
    void readPending();
    void take(const QNetworkDatagram &datagram);
    bool listed(const QHostAddress &sender) const;
    CommandRate &rateOf(const QHostAddress &sender);

    ClockCommands &m_commands;
    QList<QHostAddress> m_senders;
    ShareLimits m_limits;
    SteadyNow m_now;
    QUdpSocket m_socket;
    OscTally m_tally;
    // One per listed address that has sent: as bounded as the list.
    std::vector<std::pair<QHostAddress, std::unique_ptr<CommandRate>>> m_rates;
};

} // namespace dorvane
