#pragma once
#include <QColor>
#include <QPalette>
#include <functional>

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

} // namespace dorvane
