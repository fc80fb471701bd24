#include "status_properties.h"

namespace dorvane {

namespace {
const QString kRunning = QStringLiteral("Running");
const QString kCountingDown = QStringLiteral("CountingDown");
const QString kDisplay = QStringLiteral("Display");
const QString kRemainingSeconds = QStringLiteral("RemainingSeconds");
const QString kExpired = QStringLiteral("Expired");
const QString kMessage = QStringLiteral("Message");
const QString kBlank = QStringLiteral("Blank");
} // namespace

QVariantMap propertiesOf(const ClockStatus &status)
{
    return {{kRunning, status.running},
            {kCountingDown, status.countingDown},
            {kDisplay, status.display},
            {kRemainingSeconds, status.remainingSeconds},
            {kExpired, status.expired},
            {kMessage, status.message},
            {kBlank, status.blank}};
}

QVariantMap changedProperties(const ClockStatus &before, const ClockStatus &after)
{
    const QVariantMap old = propertiesOf(before);
    QVariantMap changed = propertiesOf(after);
    for (auto it = changed.begin(); it != changed.end();)
        it = it.value() == old.value(it.key()) ? changed.erase(it) : std::next(it);
    return changed;
}

void applyProperties(ClockStatus &status, const QVariantMap &properties)
{
    status.running = properties.value(kRunning, status.running).toBool();
    status.countingDown = properties.value(kCountingDown, status.countingDown).toBool();
    status.display = properties.value(kDisplay, status.display).toString();
    status.remainingSeconds = properties.value(kRemainingSeconds, status.remainingSeconds).toInt();
    status.expired = properties.value(kExpired, status.expired).toBool();
    status.message = properties.value(kMessage, status.message).toString();
    status.blank = properties.value(kBlank, status.blank).toBool();
}

QString statusLine(const ClockStatus &status)
{
    // A count-up past its allowance runs again for one tick at a time: running wins.
    const char *state = status.running ? "running" : status.expired ? "expired" : "stopped";
    return QLatin1String(state) + QLatin1Char(' ') + status.display;
}

} // namespace dorvane
