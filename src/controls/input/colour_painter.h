#pragma once
#include <QColor>
#include <QPalette>
#include <QRect>

class QPainter;

namespace dorvane {

enum class SwatchFill { Colour, Clear, Hatched, None };

// A colour swatch in `r`: a ring of the background, a ring of the frame colour, then the
// interior filled as asked. The colour value is resolved through the palette here, so system
// colours follow the desktop. clNone is drawn as an empty box struck through, clDefault as the
// window colour with a dotted inner outline.
void drawColourSwatch(QPainter &p, QRect r, const QColor &frame, const QColor &background, int colourValue,
                      SwatchFill fill, const QPalette &palette);

// A dotted rectangle just inside `r`, the keyboard focus mark.
void drawFocusMark(QPainter &p, const QRect &r, const QColor &colour);

} // namespace dorvane
