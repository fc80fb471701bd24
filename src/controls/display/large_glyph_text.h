#pragma once
#include <QRect>
#include <QString>

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

// The glyph images kept so far, and their bytes; for tests and measurements.
struct LargeGlyphCacheSize
{
    int glyphs = 0;
    qsizetype bytes = 0;
};
LargeGlyphCacheSize largeGlyphCacheSize();

} // namespace dorvane
