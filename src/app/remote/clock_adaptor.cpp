#include "clock_adaptor.h"

#include "app/commands/clock_commands.h"
#include "app/remote/remote_interface.h"
#include "app/share/sharing_service.h"

namespace dorvane {

ClockAdaptor::ClockAdaptor(QObject *exported, QDBusContext &call, ClockCommands &commands)
    : QDBusAbstractAdaptor(exported), m_call(call), m_commands(commands)
{
}

bool ClockAdaptor::Running() const { return m_commands.Status().running; }
bool ClockAdaptor::CountingDown() const { return m_commands.Status().countingDown; }
QString ClockAdaptor::Display() const { return m_commands.Status().display; }
int ClockAdaptor::RemainingSeconds() const { return m_commands.Status().remainingSeconds; }
bool ClockAdaptor::Expired() const { return m_commands.Status().expired; }
QString ClockAdaptor::Message() const { return m_commands.Status().message; }
bool ClockAdaptor::Blank() const { return m_commands.Status().blank; }

void ClockAdaptor::Start() { answer(m_commands.Start()); }
void ClockAdaptor::Stop() { answer(m_commands.Stop()); }
void ClockAdaptor::Reset() { answer(m_commands.Reset()); }

void ClockAdaptor::SetAllowance(int hours, int minutes, int seconds)
{
    answer(m_commands.SetAllowance(hours, minutes, seconds));
}

void ClockAdaptor::ShowClockView(bool shown) { answer(m_commands.ShowClockView(shown)); }
void ClockAdaptor::Activate() { answer(m_commands.Activate()); }
void ClockAdaptor::AddSeconds(int seconds) { answer(m_commands.AddSeconds(seconds)); }
void ClockAdaptor::ShowMessage(const QString &text) { answer(m_commands.ShowMessage(text)); }
void ClockAdaptor::ClearMessage() { answer(m_commands.ClearMessage()); }
void ClockAdaptor::SetBlank(bool blank) { answer(m_commands.SetBlank(blank)); }

QStringList ClockAdaptor::Share(const QString &mode)
{
    QStringList lines;
    QString error = QStringLiteral("This clock cannot be shared.");
    if (!m_sharing || !m_sharing->runSwitch(mode, lines, error))
        m_call.sendErrorReply(QLatin1String(remote::kFailedError), error);
    return lines;
}

void ClockAdaptor::answer(const CommandResult &result)
{
    const char *error = nullptr;
    switch (result.outcome) {
    case CommandResult::Outcome::Done:
        return;
    case CommandResult::Outcome::Refused:
        error = remote::kRefusedError;
        break;
    case CommandResult::Outcome::OutOfRange:
        error = remote::kOutOfRangeError;
        break;
    case CommandResult::Outcome::Failed:
        error = remote::kFailedError;
        break;
    }
    m_call.sendErrorReply(QLatin1String(error), result.text);
}

} // namespace dorvane
