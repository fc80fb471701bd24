#pragma once
#include "app/commands/clock_status.h"
#include "engine/colour.h"

#include <QObject>
#include <optional>

class QWidget;
class TJvLabel;

namespace dorvane {

class ClockCommands;
class StageView;

// Keeps the clock view's colour as the main window's clock colour, copied as the engine paints
// it, along with which of the clock's colours it is. The view's colour can be held at a colour
// of its own for a while (the flash at time up); releasing it shows the main window's again.
class ClockMirror final : public QObject
{
    Q_OBJECT
public:
    // `source` holds the clock's digit fields; `commands` tell which colour they stand on.
    ClockMirror(QWidget *source, const ClockCommands &commands, StageView *target);

    void HoldClockColour(ColourValue colour, ClockStatus::Cue cue);
    void ReleaseClockColour();
    bool HoldsClockColour() const { return m_held.has_value(); }
    // Shows the colour again, for when the palette or the view changed.
    void Copy();
    // The colour shown, held or the main window's, and which of the clock's colours it is.
    ColourValue ClockColour() const;
    ClockStatus::Cue Cue() const;

private:
    struct Held
    {
        ColourValue colour;
        ClockStatus::Cue cue;
    };

    TJvLabel *m_source;
    const ClockCommands &m_commands;
    StageView *m_target;
    std::optional<Held> m_held;
};

} // namespace dorvane
