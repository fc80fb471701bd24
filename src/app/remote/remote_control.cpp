#include "remote_control.h"

#include "app/commands/clock_commands.h"
#include "app/remote/clock_adaptor.h"
#include "app/remote/remote_interface.h"
#include "app/remote/status_properties.h"

#include <QDBusMessage>

namespace dorvane {

RemoteControl::RemoteControl(ClockCommands &commands) : m_adaptor(new ClockAdaptor(this, *this, commands))
{
    connect(&commands, &ClockCommands::StatusChanged, this, &RemoteControl::announce);
}

RemoteControl::~RemoteControl()
{
    if (m_bus) {
        m_bus->unregisterService(remote::serviceName());
        m_bus->unregisterObject(QLatin1String(remote::kObjectPath));
    }
}

void RemoteControl::setSharing(SharingService *sharing) { m_adaptor->setSharing(sharing); }

RemoteControl::Offer RemoteControl::offerOn(const QDBusConnection &bus)
{
    if (!bus.isConnected())
        return Offer::NoBus;
    QDBusConnection connection(bus);
    // The object first, so that whoever sees the name appear can call it at once.
    if (!connection.registerObject(QLatin1String(remote::kObjectPath), this, QDBusConnection::ExportAdaptors))
        return Offer::NameTaken;
    if (!connection.registerService(remote::serviceName())) {
        connection.unregisterObject(QLatin1String(remote::kObjectPath));
        return Offer::NameTaken;
    }
    m_bus = connection;
    return Offer::Answering;
}

void RemoteControl::announce(const ClockStatus &now, const ClockStatus &before)
{
    if (!m_bus)
        return;
    const QVariantMap changed = changedProperties(before, now);
    if (changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(QLatin1String(remote::kObjectPath),
                                                     QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << QLatin1String(remote::kInterface) << changed << QStringList();
    m_bus->send(signal);
}

} // namespace dorvane
