#include "remote_control.h"

#include "app/remote/clock_adaptor.h"
#include "app/remote/remote_interface.h"
#include "app/main_window/tmainform.h"

#include <QDBusMessage>

namespace dorvane {

RemoteControl::RemoteControl(TMainForm &window) : m_window(window)
{
    new ClockAdaptor(this, *this, window);
    connect(&window, &TMainForm::clockChanged, this, &RemoteControl::announceChanges);
}

RemoteControl::~RemoteControl()
{
    if (m_bus) {
        m_bus->unregisterService(remote::serviceName());
        m_bus->unregisterObject(QLatin1String(remote::kObjectPath));
    }
}

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
    m_announced = m_window.clockStatus();
    return Offer::Answering;
}

void RemoteControl::announceChanges()
{
    if (!m_bus)
        return;
    const ClockStatus now = m_window.clockStatus();
    const QVariantMap changed = changedProperties(m_announced, now);
    m_announced = now;
    if (changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(QLatin1String(remote::kObjectPath),
                                                     QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << QLatin1String(remote::kInterface) << changed << QStringList();
    m_bus->send(signal);
}

} // namespace dorvane
