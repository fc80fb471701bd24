#include "clock_adaptor.h"

#include "app/clock_view_controller.h"
#include "app/remote_interface.h"
#include "app/tmainform.h"
#include "controls/base/published.h"
#include "controls/input/tspinedit.h"

namespace dorvane {

namespace {
// The allowance fields in the order the engine reads them, with the captions above them.
struct AllowanceField
{
    const char *control;
    const char *caption;
};
constexpr AllowanceField kAllowanceFields[] = {{"spnHrs", "Hours"}, {"spnMin", "Minutes"}, {"spnSec", "Seconds"}};
} // namespace

ClockAdaptor::ClockAdaptor(QObject *exported, QDBusContext &call, TMainForm &window)
    : QDBusAbstractAdaptor(exported), m_call(call), m_window(window)
{
}

bool ClockAdaptor::Running() const { return m_window.clockStatus().running; }
bool ClockAdaptor::CountingDown() const { return m_window.clockStatus().countingDown; }
QString ClockAdaptor::Display() const { return m_window.clockStatus().display; }
int ClockAdaptor::RemainingSeconds() const { return m_window.clockStatus().remainingSeconds; }
bool ClockAdaptor::Expired() const { return m_window.clockStatus().expired; }

void ClockAdaptor::Start()
{
    clickForCaller("btnStart");
}

void ClockAdaptor::Stop()
{
    clickForCaller("btnStop");
}

void ClockAdaptor::Reset()
{
    clickForCaller("btnReset");
}

void ClockAdaptor::SetAllowance(int hours, int minutes, int seconds)
{
    const QString outOfRange = outOfRangeText(hours, minutes, seconds);
    if (!outOfRange.isEmpty()) {
        m_call.sendErrorReply(QLatin1String(remote::kOutOfRangeError), outOfRange);
        return;
    }
    const int values[] = {hours, minutes, seconds};
    for (int i = 0; i < 3; ++i)
        writePublished(m_window.control(kAllowanceFields[i].control), QStringLiteral("Text"), QString::number(values[i]));
    clickForCaller("btnReset");
}

QString ClockAdaptor::outOfRangeText(int hours, int minutes, int seconds) const
{
    const int values[] = {hours, minutes, seconds};
    for (int i = 0; i < 3; ++i) {
        // The field's own limits, as its spin buttons and its exit rule apply them.
        const auto *field = qobject_cast<const TSpinEdit *>(m_window.control(kAllowanceFields[i].control));
        if (field->CheckValue(values[i]) != values[i])
            return QStringLiteral("%1 must be from %2 to %3, not %4.")
                .arg(QLatin1String(kAllowanceFields[i].caption))
                .arg(field->MinValue())
                .arg(field->MaxValue())
                .arg(values[i]);
    }
    return {};
}

void ClockAdaptor::ShowClockView(bool shown)
{
    m_window.ShowClockView(shown);
    // A view asked for but nowhere to be seen is no success.
    if (shown && !m_window.clockView().ShownOnScreen())
        m_call.sendErrorReply(QLatin1String(remote::kFailedError), QStringLiteral("The clock view cannot be shown."));
}

void ClockAdaptor::Activate()
{
    m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
    m_window.show();
    m_window.raise();
    m_window.activateWindow();
}

void ClockAdaptor::clickForCaller(const char *button)
{
    const TMainForm::CallerError error = m_window.runForCaller([&] { m_window.clickButton(button); });
    if (error.kind != TMainForm::CallerError::None)
        m_call.sendErrorReply(QLatin1String(error.kind == TMainForm::CallerError::Refused ? remote::kRefusedError
                                                                                     : remote::kFailedError),
                       error.text);
}

} // namespace dorvane
