#pragma once
#include <QColor>
#include <QPalette>
#include <QPoint>
#include <functional>

class QWidget;

namespace dorvane {

// A colour value (0x00BBGGRR, or 0xFF0000nn for system colour nn) as Qt draws it; system
// colours are resolved through the palette each time.
QColor toQColor(int colourValue, const QPalette &palette);
// Qt colour back to a plain colour value.
int fromQColor(const QColor &colour);

// The platform's warning beep. Tests replace the hook to count beeps.
void Beep();
using BeepHook = std::function<void()>;
BeepHook setBeepHook(BeepHook hook); // returns the previous hook

// Puts the outer frame of a top-level window, title bar included, at `topLeft` on the screen.
// Before the window system has framed a shown window its frame size is unknown, so the window
// system is asked to place the frame itself.
void MoveFrameTo(QWidget *window, QPoint topLeft);

} // namespace dorvane
