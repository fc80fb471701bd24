#pragma once
#include <QColor>
#include <QMargins>
#include <QPalette>
#include <QRect>
#include <functional>

class QWidget;
class QWindow;

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

// The frame the window system has put around a shown top-level window, title bar included,
// as its window manager reports it; null while there is none (not framed yet, or a platform
// without frames).
QMargins FrameMargins(const QWidget *window);
inline bool HasFrame(const QWidget *window) { return !FrameMargins(window).isNull(); }
// The frame around the window, or `expected` until the window system has put one there.
QMargins FrameMarginsOr(const QWidget *window, QMargins expected);

// Puts the outer frame of a top-level window at `topLeft` on the screen. Until the window is
// framed, the frame is taken to be `expected`.
void MoveFrameTo(QWidget *window, QPoint topLeft, QMargins expected);

} // namespace dorvane
