#include "clock_commands.h"

#include <QScopeGuard>
#include <algorithm>
#include <exception>
#include <utility>

namespace dorvane {

namespace {
constexpr AllowancePart kParts[] = {AllowancePart::Hours, AllowancePart::Minutes, AllowancePart::Seconds};

// The message as one line: whitespace of any kind becomes single spaces, other control
// characters (escapes, bells, NULs) are dropped.
QString oneLine(const QString &text)
{
    QString line;
    line.reserve(text.size());
    for (const QChar c : text)
        if (c.isSpace() || c.category() != QChar::Other_Control)
            line += c;
    return line.simplified();
}
} // namespace

ClockCommands::ClockCommands(ClockControls &controls, QObject *parent) : QObject(parent), m_controls(controls) {}

CommandResult ClockCommands::Start()
{
    return run([this] { m_controls.ClickStart(); });
}

CommandResult ClockCommands::Stop()
{
    return run([this] { m_controls.ClickStop(); });
}

CommandResult ClockCommands::StartOrStop()
{
    return Status().running ? Stop() : Start();
}

CommandResult ClockCommands::Reset()
{
    return run([this] { m_controls.ClickReset(); });
}

CommandResult ClockCommands::SetAllowance(int hours, int minutes, int seconds)
{
    const int values[] = {hours, minutes, seconds};
    const QString outOfRange = outOfRangeText(values);
    if (!outOfRange.isEmpty())
        return {CommandResult::Outcome::OutOfRange, outOfRange};
    return run([&] {
        for (int i = 0; i < 3; ++i)
            m_controls.TypeAllowance(kParts[i], values[i]);
        m_controls.ClickReset();
    });
}

QString ClockCommands::outOfRangeText(const int (&values)[3]) const
{
    for (int i = 0; i < 3; ++i) {
        // The field's own limits, as its spin buttons and its exit rule apply them.
        if (m_controls.AllowanceTakes(kParts[i], values[i]))
            continue;
        const ClockControls::Field field = m_controls.AllowanceField(kParts[i]);
        return QStringLiteral("%1 must be from %2 to %3, not %4.")
            .arg(field.caption)
            .arg(field.minValue)
            .arg(field.maxValue)
            .arg(values[i]);
    }
    return {};
}

CommandResult ClockCommands::ShowClockView(bool shown)
{
    const CommandResult result = run([&] { m_controls.ShowClockView(shown); });
    // A view asked for but nowhere to be seen is no success.
    if (result.done() && shown && !m_controls.ClockViewOnScreen())
        return {CommandResult::Outcome::Failed, QStringLiteral("The clock view cannot be shown.")};
    return result;
}

CommandResult ClockCommands::Activate()
{
    return run([this] { m_controls.BringToFront(); });
}

CommandResult ClockCommands::AddSeconds(int seconds)
{
    return run([&] { m_controls.ChangeTimeLeft(seconds); });
}

CommandResult ClockCommands::ShowMessage(const QString &text)
{
    const QString line = oneLine(text);
    // Counted as a reader counts them, a character from beyond the basic plane as one.
    const int length = static_cast<int>(line.toUcs4().size());
    if (length > kLongestMessage)
        return {CommandResult::Outcome::OutOfRange,
                QStringLiteral("A message must be at most %1 characters, not %2.").arg(kLongestMessage).arg(length)};
    m_message = line;
    ClockMoved();
    return {};
}

CommandResult ClockCommands::ClearMessage()
{
    return ShowMessage(QString());
}

CommandResult ClockCommands::SetBlank(bool blank)
{
    m_blank = blank;
    ClockMoved();
    return {};
}

CommandResult ClockCommands::ToggleBlank()
{
    return SetBlank(!m_blank);
}

ClockStatus ClockCommands::Status() const
{
    ClockStatus status = m_controls.Status();
    status.message = m_message;
    status.blank = m_blank;
    return status;
}

void ClockCommands::SetLook(const StageLook &look)
{
    if (look == m_look)
        return;
    m_look = look;
    emit LookChanged();
}

void ClockCommands::FollowLook(bool follow)
{
    const bool before = LookFollowed();
    m_lookFollowers = std::max(0, m_lookFollowers + (follow ? 1 : -1));
    if (before != LookFollowed())
        emit LookFollowedChanged(LookFollowed());
}

void ClockCommands::ClockMoved()
{
    const ClockStatus now = Status();
    if (now == m_status)
        return;
    const ClockStatus before = std::exchange(m_status, now);
    emit StatusChanged(now, before);
}

bool ClockCommands::TakeRefusal(const QString &text)
{
    if (!m_running)
        return false;
    *m_running = {CommandResult::Outcome::Refused, text};
    return true;
}

CommandResult ClockCommands::run(const std::function<void()> &action)
{
    CommandResult result;
    CommandResult *const outer = std::exchange(m_running, &result);
    const auto restore = qScopeGuard([&] { m_running = outer; });
    try {
        action();
    } catch (const std::exception &e) {
        // A Start that fails after the clock started leaves it running, as after the button.
        result = {CommandResult::Outcome::Failed, QString::fromUtf8(e.what())};
    }
    return result;
}

} // namespace dorvane
