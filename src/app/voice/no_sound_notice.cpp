#include "no_sound_notice.h"

#include "app/app_identity.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QVariantMap>
#include <cstdio>

namespace dorvane {

NoSoundNotice::NoSoundNotice(QString programName, QString busAddress)
    : m_programName(std::move(programName)), m_busAddress(std::move(busAddress))
{
}

void NoSoundNotice::give(const QString &reason)
{
    if (m_given)
        return;
    m_given = true;
    const QByteArray line = QStringLiteral("%1: no sound device can be opened, so the voice announcements cannot be heard: %2")
                                .arg(m_programName, reason)
                                .toLocal8Bit();
    std::fprintf(stderr, "%s\n", line.constData());
    std::fflush(stderr);
    notifyDesktop(reason);
}

void NoSoundNotice::notifyDesktop(const QString &reason)
{
    QDBusConnection bus = m_busAddress.isEmpty()
                              ? QDBusConnection::sessionBus()
                              : QDBusConnection::connectToBus(m_busAddress, QStringLiteral("dorvane-notifications"));
    if (!bus.isConnected())
        return;
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), applicationId()}};
    notify << applicationName() << 0u << applicationId() << QStringLiteral("No sound for the announcements")
           << QStringLiteral("No sound device can be opened (%1). The clock counts on without its voice.").arg(reason)
           << QStringList() << hints << -1;
    // Not waited for: a session without the service answers with an error nobody needs, and a
    // service that is slow to start must not hold up the clock. (A QDBusInterface would ask the
    // service to describe itself first, and wait for the answer.)
    bus.asyncCall(notify);
}

} // namespace dorvane
