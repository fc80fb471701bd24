#pragma once
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>

namespace dorvane {

// A line of text laid out to fill a room: the pixel size of its font, where each character is
// drawn, and the ink all of them leave.
struct LineFit
{
    int pixelSize = 0;
    QFont font;              // the given font at pixelSize
    QVector<QPointF> origins; // each character's baseline origin, in the room's coordinates
    QVector<QRectF> cells;    // each character's ink, in the room's coordinates
    QRectF ink;               // the ink of the whole line, centred in the room
    bool fits = false;        // false only when the room is too small even for the smallest font
};

// Lays `text` out in `font` as large as it fits inside `room`, centred both ways by its ink (not
// by the font's ascent and descent, which leave digits high). Digits are tabular: each stands in a
// cell as wide as the widest digit, and the line is measured across its cells, so a line that only
// changes digits keeps its place and size. `shape`,
// when given, is the text whose size fixes the font (the longest the line will show); the line
// itself is still centred by its own ink.
LineFit FitLine(const QRectF &room, const QString &text, const QFont &font, const QString &shape = QString());

} // namespace dorvane
