#pragma once
#include <QRect>
#include <QString>
#include <optional>

class QFont;
class QPaintDevice;
class QPainter;

namespace dorvane {

// Draws `text` as QPainter::drawText(rect, flags, text) does, in the painter's font and pen.
//
// The toolkit keeps glyphs in its glyph cache only up to 64 px; larger ones it fills as outlines
// on every paint: loaded, hinted, turned into a path and filled. For the clock's 200 px digits
// that was most of what a tick cost. Here the toolkit still lays the text out, but each glyph is
// filled once, at its offset within the pixel and in the pen's colour, into an image kept for
// later paints, and drawn from that image. Text that is not large, or that the images cannot
// draw as the toolkit would (a rotated or scaled painter, a device pixel ratio other than 1, a
// pattern pen, underlined mnemonics), is drawn by drawText itself.
void drawLargeGlyphText(QPainter &painter, const QRect &rect, int flags, const QString &text);

// A rectangle holding every pixel that differs between `before` and `after`, each drawn as
// drawText(rect, flags, ·) in `font` on `device`: the glyphs that are not in both at the same
// place. A tick that changes one digit of two repaints that digit alone. One rectangle, because
// the toolkit fills and blends within a rectangle directly, but within a region span by span,
// sharing the spans out to its thread pool. Nothing when it cannot be told (text that is not
// large, or that drawText would draw with more than glyphs, or a device pixel ratio other than 1):
// then the caller repaints the whole text.
std::optional<QRect> largeGlyphTextChange(const QPaintDevice &device, const QFont &font, const QRect &rect, int flags,
                                            const QString &before, const QString &after);

// The glyph images kept so far, their bytes, and the texts laid out; for tests and measurements.
struct LargeGlyphCacheSize
{
    int glyphs = 0;
    qsizetype bytes = 0;
    int layouts = 0;
};
LargeGlyphCacheSize largeGlyphCacheSize();

} // namespace dorvane
