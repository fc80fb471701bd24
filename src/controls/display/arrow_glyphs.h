#pragma once
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

namespace dorvane {

// The direction arrows are the codes 0xAD (up) and 0xAF (down) of a symbol-encoded "Symbol"
// face. Where the screen has no such face, the arrow is drawn as U+2191 / U+2193 in DejaVu Sans
// Bold, scaled so that the arrow stands as tall as the font's character height; the caption
// itself keeps the one-character code.
bool hasSymbolEncodedFace();

// The stand-in arrow for `caption` in `font`, or a null character when the caption is drawn as is.
QChar substituteArrow(const QString &caption, const QFont &font);
// The arrow that `caption` in `font` shows, whichever face draws it, or a null character when
// the caption is no arrow code of the "Symbol" face.
QChar symbolArrow(const QString &caption, const QFont &font);

// Draws the stand-in arrow in the line box that `flags` (horizontal and vertical alignment)
// place in `area`; the line box is as high as a line of `font`.
void drawSubstitutedArrow(QPainter &painter, const QRect &area, int flags, QChar arrow, const QFont &font);

} // namespace dorvane
