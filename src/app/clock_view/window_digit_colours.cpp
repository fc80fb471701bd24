#include "window_digit_colours.h"

#include "app/clock_view/clock_fields.h"
#include "app/clock_view/digit_colour.h"
#include "app/commands/clock_commands.h"
#include "controls/base/platform.h"
#include "controls/display/tcustomlabel.h"

#include <QWidget>

namespace dorvane {

WindowDigitColours::WindowDigitColours(QWidget *window, const ClockCommands &commands)
    : QObject(window), m_window(window), m_clock(window->findChild<TJvLabel *>(QLatin1String(kDigitFields[0]))),
      m_commands(commands)
{
    Q_ASSERT(m_clock);
    connect(m_clock, &TControl::ColorChanged, this, &WindowDigitColours::apply);
}

void WindowDigitColours::SetChoice(const DigitColours &choice)
{
    m_choice = choice;
    apply();
}

void WindowDigitColours::apply()
{
    // A chosen colour is kept as chosen, a system colour too.
    const ColourValue colour = m_choice.automatic
        ? fromQColor(ContrastingInk(toQColor(m_clock->Color(), m_window->palette())))
        : ChosenDigitColour(m_choice, m_commands.Status().cue);
    // Set only when it changes: each setting repaints the fields.
    if (DigitColourOf(m_window) != colour)
        SetDigitColourOf(m_window, colour);
}

} // namespace dorvane
