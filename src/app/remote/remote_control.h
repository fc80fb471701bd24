#pragma once
#include "app/remote/clock_status.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <optional>

class TMainForm;

namespace dorvane {

// Lets other programs drive the running clock: the clock on the session bus under the
// application ID, at the root object, with its properties announced whenever they change
// (so once per tick while it runs). Only the clock's own interface is exported, never the
// window's other slots.
class RemoteControl final : public QObject, public QDBusContext
{
    Q_OBJECT
public:
    enum class Offer { Answering, NoBus, NameTaken };

    explicit RemoteControl(TMainForm &window);
    ~RemoteControl() override;
    RemoteControl(const RemoteControl &) = delete;
    RemoteControl &operator=(const RemoteControl &) = delete;

    // Answers on `bus` from now on. Without a bus, or when another clock already holds the name,
    // nothing is exported and the clock runs on as before.
    Offer offerOn(const QDBusConnection &bus);

private:
    void announceChanges();

    TMainForm &m_window;
    std::optional<QDBusConnection> m_bus; // while answering
    ClockStatus m_announced;
};

} // namespace dorvane
