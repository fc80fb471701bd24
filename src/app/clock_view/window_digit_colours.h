#pragma once
#include "settings/view_settings.h"

#include <QObject>

class QWidget;
class TJvLabel;

namespace dorvane {

class ClockCommands;

// The digit colour of a window whose digit and arrow fields stand on the clock's colour (the main
// window): one chosen colour for each of the clock's colours, or black or white, whichever reads
// better. Applied again whenever the engine paints the clock.
class WindowDigitColours final : public QObject
{
    Q_OBJECT
public:
    WindowDigitColours(QWidget *window, const ClockCommands &commands);

    const DigitColours &Choice() const { return m_choice; }
    void SetChoice(const DigitColours &choice);

private:
    void apply();

    QWidget *m_window;
    TJvLabel *m_clock;
    const ClockCommands &m_commands;
    DigitColours m_choice;
};

} // namespace dorvane
