#pragma once
#include "engine/colour.h"

#include <QObject>
#include <optional>

class QWidget;
class TcxLabel;
class TJvLabel;

namespace dorvane {

// Keeps the clock view's fields as the main window's: the digit texts, the arrows, the clock
// colour behind them and the colour they are drawn in, each copied as it changes on the main
// window. The view's clock colour can be held at a colour of its own for a while (the flash at
// time up); releasing it shows the main window's again.
class ClockMirror final : public QObject
{
    Q_OBJECT
public:
    // Both windows hold the clock's digit and arrow fields.
    ClockMirror(QWidget *source, QWidget *target);

    void HoldClockColour(ColourValue colour);
    void ReleaseClockColour();
    bool HoldsClockColour() const { return m_held.has_value(); }

private:
    struct Digit
    {
        TJvLabel *source;
        TJvLabel *target;
    };
    struct Arrow
    {
        TcxLabel *source;
        TcxLabel *target;
    };

    void copyDigit(const Digit &digit);
    void copyArrow(const Arrow &arrow);
    void copyClockColours();

    Digit m_digits[3];
    Arrow m_arrows[2];
    std::optional<ColourValue> m_held;
};

} // namespace dorvane
