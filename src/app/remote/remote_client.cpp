#include "remote_client.h"

#include "app/remote/remote_interface.h"
#include "app/remote/status_properties.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>

namespace dorvane {

namespace {
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
} // namespace

RemoteClient::RemoteClient(const QDBusConnection &bus, RemoteRequest request, QString programName)
    : m_bus(bus), m_request(request), m_programName(std::move(programName))
{
}

void RemoteClient::run()
{
    if (!m_bus.isConnected()) {
        const QString reason = m_bus.lastError().message();
        fail(QStringLiteral("no session bus, so no running clock can be reached") +
                 (reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reason)),
             kNoClock);
        return;
    }
    switch (m_request.action) {
    case RemoteRequest::Action::None:
        emit finished(0);
        break;
    case RemoteRequest::Action::Start:
        callClock(QStringLiteral("Start"));
        break;
    case RemoteRequest::Action::Stop:
        callClock(QStringLiteral("Stop"));
        break;
    case RemoteRequest::Action::Reset:
        callClock(QStringLiteral("Reset"));
        break;
    case RemoteRequest::Action::SetAllowance:
        callClock(QStringLiteral("SetAllowance"), {m_request.hours, m_request.minutes, m_request.seconds});
        break;
    case RemoteRequest::Action::ShowClockView:
    case RemoteRequest::Action::HideClockView:
        callClock(QStringLiteral("ShowClockView"), {m_request.action == RemoteRequest::Action::ShowClockView});
        break;
    case RemoteRequest::Action::ShowMessage:
        callClock(QStringLiteral("ShowMessage"), {m_request.message});
        break;
    case RemoteRequest::Action::ClearMessage:
        callClock(QStringLiteral("ClearMessage"));
        break;
    case RemoteRequest::Action::SetBlank:
        callClock(QStringLiteral("SetBlank"), {m_request.blank});
        break;
    case RemoteRequest::Action::AddSeconds:
        callClock(QStringLiteral("AddSeconds"), {m_request.seconds});
        break;
    case RemoteRequest::Action::Share:
        share();
        break;
    case RemoteRequest::Action::Status:
        if (m_request.follow)
            follow();
        askStatus();
        break;
    }
}

void RemoteClient::call(const QString &interface, const QString &method, const QVariantList &arguments,
                        const std::function<void(const QDBusMessage &)> &answered)
{
    QDBusMessage message = QDBusMessage::createMethodCall(remote::serviceName(), QLatin1String(remote::kObjectPath),
                                                          interface, method);
    message.setArguments(arguments);
    // Never have the bus start a clock for the request.
    message.setAutoStartService(false);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, answered] {
        watcher->deleteLater();
        const QDBusMessage reply = watcher->reply();
        if (reply.type() == QDBusMessage::ErrorMessage)
            failWith(reply);
        else
            answered(reply);
    });
}

void RemoteClient::callClock(const QString &method, const QVariantList &arguments)
{
    call(QLatin1String(remote::kInterface), method, arguments, [this](const QDBusMessage &) {
        m_finished = true;
        emit finished(0);
    });
}

void RemoteClient::share()
{
    const char *modes[] = {"on", "off", "links"};
    call(QLatin1String(remote::kInterface), QStringLiteral("Share"),
         {QLatin1String(modes[static_cast<int>(m_request.sharing)])}, [this](const QDBusMessage &reply) {
             for (const QString &line : reply.arguments().value(0).toStringList())
                 emit standardOutput(line);
             m_finished = true;
             emit finished(0);
         });
}

void RemoteClient::askStatus()
{
    call(kPropertiesInterface, QStringLiteral("GetAll"), {QLatin1String(remote::kInterface)},
         [this](const QDBusMessage &reply) {
             const QVariant all = reply.arguments().value(0);
             applyProperties(m_status, qdbus_cast<QVariantMap>(all));
             m_statusKnown = true;
             printStatus();
             if (!m_request.follow) {
                 m_finished = true;
                 emit finished(0);
             }
         });
}

void RemoteClient::follow()
{
    // Listening before asking: a change between the answer and the first signal is not lost.
    // Signals that arrive before the answer describe a state no newer than it, and are dropped.
    m_bus.connect(remote::serviceName(), QLatin1String(remote::kObjectPath), kPropertiesInterface,
                  QStringLiteral("PropertiesChanged"), this,
                  SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    auto *watcher = new QDBusServiceWatcher(remote::serviceName(), m_bus,
                                            QDBusServiceWatcher::WatchForUnregistration, this);
    connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this,
            [this] { fail(QStringLiteral("the clock has ended"), kNoClock); });
}

void RemoteClient::propertiesChanged(const QString &interface, const QVariantMap &changed, const QStringList &)
{
    if (!m_statusKnown || m_finished || interface != QLatin1String(remote::kInterface))
        return;
    applyProperties(m_status, changed);
    printStatus();
}

void RemoteClient::printStatus()
{
    const QString line = statusLine(m_status);
    if (line == m_lastLine)
        return;
    m_lastLine = line;
    emit standardOutput(line);
}

void RemoteClient::failWith(const QDBusMessage &error)
{
    const QString name = error.errorName();
    if (name == QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown") ||
        name == QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner"))
        fail(QStringLiteral("no clock is running (none answers as %1 on the session bus)").arg(remote::serviceName()),
             kNoClock);
    else
        fail(error.errorMessage(), kClockError);
}

void RemoteClient::fail(const QString &text, int exitCode)
{
    if (m_finished)
        return;
    m_finished = true;
    emit standardError(m_programName + QStringLiteral(": ") + text);
    emit finished(exitCode);
}

} // namespace dorvane
