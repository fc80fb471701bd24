#include "request_checks.h"

#include <QHostInfo>
#include <QNetworkInterface>
#include <QUrl>
#include <algorithm>

namespace dorvane {

namespace {

constexpr std::size_t kRememberedPeers = 1024;
// A quiet minute forgives an address its failures.
constexpr std::chrono::minutes kForgetAfter{1};

bool sameKey(const QByteArray &given, const std::string &token)
{
    if (token.empty() || std::size_t(given.size()) != token.size())
        return false;
    unsigned char difference = 0;
    for (std::size_t i = 0; i < token.size(); ++i)
        difference |= static_cast<unsigned char>(given[int(i)] ^ token[i]);
    return difference == 0;
}

// The host part of a Host header: without the port, an IPv6 address without its brackets. Empty
// for anything that is not a host and an optional port made of digits.
QString hostPart(const QByteArray &header)
{
    QString host = QString::fromLatin1(header).trimmed().toLower();
    QString port;
    if (host.startsWith(QLatin1Char('['))) {
        const int end = host.indexOf(QLatin1Char(']'));
        if (end < 0)
            return {};
        const QString after = host.mid(end + 1);
        if (!after.isEmpty() && !after.startsWith(QLatin1Char(':')))
            return {};
        port = after.mid(1);
        host = host.mid(1, end - 1);
    } else {
        const int colon = host.indexOf(QLatin1Char(':'));
        if (colon >= 0) {
            port = host.mid(colon + 1);
            host.truncate(colon);
        }
        if (host.endsWith(QLatin1Char('.')))
            host.chop(1);
    }
    const bool portIsDigits =
        port.size() <= 5 && std::all_of(port.begin(), port.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    return portIsDigits ? host : QString();
}

} // namespace

QByteArray presentedKey(const QUrlQuery &query, const QByteArray &authorization)
{
    if (query.hasQueryItem(QStringLiteral("key")))
        return query.queryItemValue(QStringLiteral("key"), QUrl::FullyDecoded).toLatin1();
    const QByteArray bearer = "bearer ";
    const QByteArray given = authorization.trimmed();
    if (given.size() > bearer.size() && given.left(bearer.size()).toLower() == bearer)
        return given.mid(bearer.size()).trimmed();
    return {};
}

Access accessOf(const QByteArray &key, const ShareTokens &tokens)
{
    // Both compared every time, so the answer takes as long for either.
    const bool control = sameKey(key, tokens.control);
    const bool view = sameKey(key, tokens.view);
    return control ? Access::Control : view ? Access::View : Access::None;
}

HostNames::HostNames(QStringList names)
{
    for (QString &name : names)
        m_names << name.toLower();
}

HostNames HostNames::ofThisComputer()
{
    QStringList names{QStringLiteral("localhost")};
    const QString local = QHostInfo::localHostName();
    if (!local.isEmpty())
        names << local << local + QStringLiteral(".local");
    const QString domain = QHostInfo::localDomainName();
    if (!local.isEmpty() && !domain.isEmpty())
        names << local + QLatin1Char('.') + domain;
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        QHostAddress plain = address;
        plain.setScopeId(QString());
        names << plain.toString();
    }
    return HostNames(names);
}

bool HostNames::allows(const QByteArray &host) const
{
    const QString name = hostPart(host);
    if (name.isEmpty())
        return false;
    if (m_names.contains(name))
        return true;
    // An address written another way ("::0001") is still the same address.
    const QHostAddress address(name);
    return !address.isNull() && m_names.contains(address.toString().toLower());
}

bool originAllowed(const QByteArray &origin, const QByteArray &host)
{
    if (origin.isEmpty())
        return true;
    const QUrl url(QString::fromLatin1(origin));
    if (!url.isValid() || url.scheme() != QStringLiteral("http") || host.isEmpty())
        return false;
    const QUrl ours(QStringLiteral("http://") + QString::fromLatin1(host.trimmed()));
    return ours.isValid() && url.host() == ours.host() && url.port(80) == ours.port(80) && url.path().isEmpty();
}

CommandRate::CommandRate(int perSecond, SteadyNow now) : m_perSecond(perSecond), m_now(std::move(now)) {}

bool CommandRate::take()
{
    const auto now = m_now();
    while (!m_recent.empty() && now - m_recent.front() >= std::chrono::seconds(1))
        m_recent.pop_front();
    if (int(m_recent.size()) >= m_perSecond)
        return false;
    m_recent.push_back(now);
    return true;
}

FailedAttempts::FailedAttempts(std::chrono::milliseconds first, std::chrono::milliseconds ceiling, SteadyNow now)
    : m_first(first), m_ceiling(ceiling), m_now(std::move(now))
{
}

std::chrono::milliseconds FailedAttempts::failed(const QHostAddress &peer)
{
    const auto now = m_now();
    const QString key = peer.toString();
    auto it = m_byPeer.find(key);
    if (it == m_byPeer.end()) {
        if (m_byPeer.size() >= kRememberedPeers) {
            // The address quietest for longest makes room.
            m_byPeer.erase(std::min_element(m_byPeer.begin(), m_byPeer.end(), [](const auto &a, const auto &b) {
                return a.second.last < b.second.last;
            }));
        }
        it = m_byPeer.emplace(key, Record{}).first;
    } else if (now - it->second.last >= kForgetAfter) {
        it->second.failures = 0;
    }
    Record &record = it->second;
    record.last = now;
    const int doublings = std::min(record.failures, 16);
    ++record.failures;
    return std::min(m_ceiling, m_first * (1 << doublings));
}

void FailedAttempts::succeeded(const QHostAddress &peer) { m_byPeer.erase(peer.toString()); }

} // namespace dorvane
