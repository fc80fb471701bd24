#pragma once
#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <optional>

namespace dorvane {

class ClockAdaptor;
class ClockCommands;
class SharingService;
struct ClockStatus;

// Lets other programs drive the running clock: the clock's commands on the session bus under the
// application ID, at the root object, with its properties announced whenever they change (so once
// per tick while it runs). Only the clock's own interface is exported.
class RemoteControl final : public QObject, public QDBusContext
{
    Q_OBJECT
public:
    enum class Offer { Answering, NoBus, NameTaken };

    explicit RemoteControl(ClockCommands &commands);
    ~RemoteControl() override;
    RemoteControl(const RemoteControl &) = delete;
    RemoteControl &operator=(const RemoteControl &) = delete;

    // Answers on `bus` from now on. Without a bus, or when another clock already holds the name,
    // nothing is exported and the clock runs on as before.
    Offer offerOn(const QDBusConnection &bus);
    // Lets callers turn sharing on the network on and off, and ask for its links.
    void setSharing(SharingService *sharing);

private:
    void announce(const ClockStatus &now, const ClockStatus &before);

    ClockAdaptor *m_adaptor;
    std::optional<QDBusConnection> m_bus; // while answering
};

} // namespace dorvane
