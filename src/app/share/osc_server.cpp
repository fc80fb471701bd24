#include "osc_server.h"

#include "app/commands/clock_commands.h"
#include "app/share/command_table.h"
#include "app/share/osc_commands.h"

#include <QNetworkDatagram>
#include <QRegularExpression>

namespace dorvane {

namespace {

// Packets read in one turn of the event loop; the rest wait for the next, so that a flood never
// holds up the clock's tick.
constexpr int kPacketsPerTurn = 64;

bool sameAddress(const QHostAddress &a, const QHostAddress &b)
{
    return a.isEqual(b, QHostAddress::ConvertV4MappedToIPv4 | QHostAddress::ConvertV4CompatToIPv4);
}

} // namespace

bool parseOscSenders(const QString &text, QList<QHostAddress> &senders, QString &error)
{
    QList<QHostAddress> read;
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    for (const QString &word : text.split(separators, Qt::SkipEmptyParts)) {
        QHostAddress address;
        // Only addresses: a name would need a lookup, and a lookup could wait.
        if (!address.setAddress(word) || word.contains(QLatin1Char('/'))) {
            error = QStringLiteral("'%1' is not an IPv4 or IPv6 address.").arg(word);
            return false;
        }
        read << address;
    }
    senders = read;
    return true;
}

OscServer::OscServer(ClockCommands &commands, QList<QHostAddress> senders, const ShareLimits &limits, SteadyNow now)
    : m_commands(commands), m_senders(std::move(senders)), m_limits(limits), m_now(std::move(now))
{
    connect(&m_socket, &QUdpSocket::readyRead, this, &OscServer::readPending);
}

OscServer::~OscServer() = default;

bool OscServer::listen(const QHostAddress &address, quint16 port, QString &error)
{
    if (m_socket.bind(address, port, QUdpSocket::DontShareAddress))
        return true;
    error = m_socket.errorString();
    return false;
}

void OscServer::readPending()
{
    for (int i = 0; i < kPacketsPerTurn && m_socket.hasPendingDatagrams(); ++i) {
        const qint64 size = m_socket.pendingDatagramSize();
        if (size > m_limits.maxMessageBytes) {
            m_socket.readDatagram(nullptr, 0); // dropped unread
            ++m_tally.tooLarge;
            continue;
        }
        take(m_socket.receiveDatagram(size));
    }
    if (m_socket.hasPendingDatagrams())
        QMetaObject::invokeMethod(this, &OscServer::readPending, Qt::QueuedConnection);
    emit tallyChanged();
}

void OscServer::take(const QNetworkDatagram &datagram)
{
    // UDP gets no answer: what is refused is only counted.
    if (!listed(datagram.senderAddress())) {
        ++m_tally.notListed;
        return;
    }
    const std::optional<OscCommand> command = readOscCommand(datagram.data());
    if (!command) {
        ++m_tally.unreadable;
        return;
    }
    if (!rateOf(datagram.senderAddress()).take()) {
        ++m_tally.tooFast;
        return;
    }
    ++m_tally.taken;
    runNetworkCommand(m_commands, command->name, command->arguments);
}

bool OscServer::listed(const QHostAddress &sender) const
{
    for (const QHostAddress &address : m_senders)
        if (sameAddress(address, sender))
            return true;
    return false;
}

CommandRate &OscServer::rateOf(const QHostAddress &sender)
{
    for (auto &[address, rate] : m_rates)
        if (sameAddress(address, sender))
            return *rate;
    m_rates.emplace_back(sender, std::make_unique<CommandRate>(m_limits.commandsPerSecond, m_now));
    return *m_rates.back().second;
}

} // namespace dorvane
