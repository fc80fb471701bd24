#include "clock_mirror.h"

#include "app/clock_view/clock_fields.h"
#include "app/clock_view/stage_view.h"
#include "app/commands/clock_commands.h"
#include "controls/base/platform.h"
#include "controls/display/tcustomlabel.h"

#include <QWidget>

namespace dorvane {

ClockMirror::ClockMirror(QWidget *source, const ClockCommands &commands, StageView *target)
    : QObject(target), m_source(source->findChild<TJvLabel *>(QLatin1String(kDigitFields[0]))),
      m_commands(commands), m_target(target)
{
    Q_ASSERT(m_source);
    connect(m_source, &TControl::ColorChanged, this, &ClockMirror::Copy);
    Copy();
}

void ClockMirror::Copy()
{
    m_target->SetClockColour(toQColor(ClockColour(), m_target->palette()), Cue());
}

ColourValue ClockMirror::ClockColour() const
{
    return m_held ? m_held->colour : m_source->Color();
}

ClockStatus::Cue ClockMirror::Cue() const
{
    return m_held ? m_held->cue : m_commands.Status().cue;
}

void ClockMirror::HoldClockColour(ColourValue colour, ClockStatus::Cue cue)
{
    m_held = Held{colour, cue};
    Copy();
}

void ClockMirror::ReleaseClockColour()
{
    m_held.reset();
    Copy();
}

} // namespace dorvane
