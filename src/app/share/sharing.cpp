#include "sharing.h"

#include "app/share/osc_server.h"
#include "app/share/share_server.h"
#include "app/share/sharing_service.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkInterface>
#include <QHostInfo>
#include <QUrlQuery>

namespace dorvane {

namespace {

// The address a phone on the same network reaches this computer at: its first IPv4 address
// that is up and not loopback; the computer's name when it has none.
QString addressForLinks(NetworkSettings::Listen listen)
{
    if (listen == NetworkSettings::Listen::ThisComputer)
        return QStringLiteral("127.0.0.1");
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries())
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                return entry.ip().toString();
    }
    return QHostInfo::localHostName();
}

QHostAddress listeningAddress(NetworkSettings::Listen listen)
{
    return listen == NetworkSettings::Listen::ThisComputer ? QHostAddress::LocalHost : QHostAddress::Any;
}

QUrl pageLink(const QString &host, quint16 port, const QString &page, const std::string &key)
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(host);
    url.setPort(port);
    url.setPath(page);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("key"), QString::fromStdString(key));
    url.setQuery(query);
    return url;
}

} // namespace

QStringList ShareLinks::lines() const
{
    return {QStringLiteral("view ") + view.toString(), QStringLiteral("clock ") + clock.toString(),
            QStringLiteral("control ") + control.toString()};
}

Sharing::Sharing(ClockCommands &commands, NetworkSettings settings, SaveSettings save, QString tokensPath,
                 const ShareLimits &limits)
    : m_commands(commands), m_settings(std::move(settings)), m_save(std::move(save)),
      m_tokensPath(std::move(tokensPath)), m_limits(limits)
{
    m_limits.maxConnections = m_settings.maxConnections;
}

Sharing::~Sharing() = default;

bool Sharing::resume(QString &error)
{
    if (!m_settings.sharing)
        return true;
    if (!start(error)) {
        m_settings.sharing = false;
        emit changed();
        return false;
    }
    // The pages are shared whatever becomes of OSC: its failure is only told.
    if (!matchOsc(true, error))
        emit changed();
    return true;
}

bool Sharing::apply(const NetworkSettings &settings, QString &error)
{
    const bool listenChanged = settings.port != m_settings.port || settings.listen != m_settings.listen ||
                               settings.maxConnections != m_settings.maxConnections;
    const bool oscChanged = listenChanged || settings.osc != m_settings.osc || settings.oscPort != m_settings.oscPort ||
                            settings.oscAllowed != m_settings.oscAllowed;
    m_settings = settings;
    m_limits.maxConnections = settings.maxConnections;
    bool ok = true;
    if (!settings.sharing)
        stop();
    else if (!m_server || listenChanged) {
        stop();
        ok = start(error);
        if (!ok)
            m_settings.sharing = false;
    }
    if (ok)
        ok = matchOsc(oscChanged, error);
    if (m_save && !m_save(m_settings) && ok) {
        error = settingsNotKeptText();
        ok = false;
    }
    emit changed();
    return ok;
}

bool Sharing::start(QString &error)
{
    if (!m_tokens) {
        if (m_tokensPath.isEmpty()) {
            error = QStringLiteral("there is no configuration folder to keep the links' keys in");
            return false;
        }
        QDir().mkpath(QFileInfo(m_tokensPath).absolutePath());
        std::string why;
        m_tokens = loadOrCreateShareTokens(m_tokensPath.toStdString(), why);
        if (!m_tokens) {
            error = QString::fromStdString(why);
            return false;
        }
    }
    auto server = std::make_unique<ShareServer>(m_commands, *m_tokens, m_limits);
    QString why;
    if (!server->listen(listeningAddress(m_settings.listen), quint16(m_settings.port), why)) {
        error = QStringLiteral("Port %1 cannot be used: %2").arg(m_settings.port).arg(why);
        return false;
    }
    connect(server.get(), &ShareServer::liveConnectionsChanged, this, &Sharing::screensChanged);
    m_server = std::move(server);
    return true;
}

void Sharing::stop()
{
    m_osc.reset();
    if (!m_server)
        return;
    // Every connection ends with it, at once.
    m_server.reset();
    emit screensChanged(0);
}

// OSC listens only while the clock is shared and the user turned it on; a change of its choices
// opens its port anew.
bool Sharing::matchOsc(bool changed, QString &error)
{
    const bool wanted = m_server && m_settings.osc;
    if (!wanted || changed)
        m_osc.reset();
    if (!wanted || m_osc || startOsc(error))
        return true;
    m_settings.osc = false;
    return false;
}

bool Sharing::startOsc(QString &error)
{
    QList<QHostAddress> senders;
    if (!parseOscSenders(QString::fromStdString(m_settings.oscAllowed), senders, error))
        return false;
    auto osc = std::make_unique<OscServer>(m_commands, senders, m_limits);
    QString why;
    if (!osc->listen(listeningAddress(m_settings.listen), quint16(m_settings.oscPort), why)) {
        error = QStringLiteral("OSC port %1 cannot be used: %2").arg(m_settings.oscPort).arg(why);
        return false;
    }
    connect(osc.get(), &OscServer::tallyChanged, this, &Sharing::oscTallyChanged);
    m_osc = std::move(osc);
    return true;
}

const OscTally *Sharing::oscTally() const { return m_osc ? &m_osc->tally() : nullptr; }

bool Sharing::newLinks(QString &error)
{
    std::optional<ShareTokens> fresh = newShareTokens();
    if (!fresh) {
        error = QStringLiteral("No new keys could be made.");
        return false;
    }
    if (!m_tokensPath.isEmpty())
        QDir().mkpath(QFileInfo(m_tokensPath).absolutePath());
    if (m_tokensPath.isEmpty() || !writeShareTokens(m_tokensPath.toStdString(), *fresh)) {
        error = QStringLiteral("The new keys could not be written to %1.").arg(m_tokensPath);
        return false;
    }
    m_tokens = fresh;
    if (m_server)
        m_server->setTokens(*fresh);
    emit changed();
    return true;
}

std::optional<ShareLinks> Sharing::links() const
{
    if (!m_server || !m_tokens)
        return std::nullopt;
    const QString host = addressForLinks(m_settings.listen);
    const quint16 port = m_server->port();
    return ShareLinks{pageLink(host, port, QStringLiteral("/view"), m_tokens->view),
                      pageLink(host, port, QStringLiteral("/clock"), m_tokens->view),
                      pageLink(host, port, QStringLiteral("/control"), m_tokens->control)};
}

int Sharing::screens() const { return m_server ? m_server->liveConnections() : 0; }

bool Sharing::runSwitch(const QString &mode, QStringList &lines, QString &error)
{
    if (mode == QStringLiteral("off")) {
        NetworkSettings off = m_settings;
        off.sharing = false;
        return apply(off, error);
    }
    if (mode == QStringLiteral("on") && !m_server) {
        NetworkSettings on = m_settings;
        on.sharing = true;
        if (!apply(on, error))
            return false;
    } else if (mode != QStringLiteral("on") && mode != QStringLiteral("links")) {
        error = unknownShareModeText(mode);
        return false;
    }
    const std::optional<ShareLinks> shared = links();
    if (!shared) {
        error = notSharedText();
        return false;
    }
    lines = shared->lines();
    return true;
}

} // namespace dorvane
