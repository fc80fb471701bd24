#include "line_fit.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace dorvane {

namespace {

// The size the line is first measured at: large enough that hinting and rounding are small.
constexpr int kMeasureSize = 256;

struct Layout
{
    QVector<QPointF> origins;
    QVector<QRectF> cells;
    QRectF ink;
    // The ink widened to the characters' cells: what is centred and fitted, so that a digit of
    // narrower ink ("1") moves nothing.
    QRectF box;
};

QRectF unite(const QRectF &a, const QRectF &b)
{
    return a.isNull() ? b : a.united(b);
}

// The line at the font's size, its first origin at x = 0 on the baseline y = 0.
Layout layOut(const QString &text, const QFont &font)
{
    const QFontMetricsF metrics(font);
    // Every digit's cell is as wide as the widest digit and as tall as all digits together: the
    // round ones reach a little lower and higher than the others.
    qreal digitCell = 0;
    QRectF digitsInk;
    for (char c = '0'; c <= '9'; ++c) {
        digitCell = std::max(digitCell, metrics.horizontalAdvance(QLatin1Char(c)));
        digitsInk = unite(digitsInk, metrics.tightBoundingRect(QString(QLatin1Char(c))));
    }
    Layout layout;
    qreal x = 0;
    for (const QChar c : text) {
        const qreal advance = metrics.horizontalAdvance(c);
        const qreal cell = c.isDigit() ? digitCell : advance;
        const QPointF origin(x + (cell - advance) / 2, 0);
        QRectF ink = metrics.tightBoundingRect(QString(c));
        ink.translate(origin);
        layout.origins.push_back(origin);
        layout.cells.push_back(ink);
        if (!ink.isEmpty()) {
            layout.ink = unite(layout.ink, ink);
            const QRectF box = c.isDigit() ? QRectF(x, digitsInk.top(), cell, digitsInk.height()) : ink;
            layout.box = unite(layout.box, ink.united(box));
        }
        x += cell;
    }
    return layout;
}

QFont atSize(QFont font, int pixelSize)
{
    font.setPixelSize(pixelSize);
    return font;
}

bool inside(const QSizeF &ink, const QSizeF &room)
{
    return ink.width() <= room.width() && ink.height() <= room.height();
}

} // namespace

LineFit FitLine(const QRectF &room, const QString &text, const QFont &font, const QString &shape)
{
    LineFit fit;
    const QString &sizing = shape.isEmpty() ? text : shape;
    const Layout measured = layOut(sizing, atSize(font, kMeasureSize));
    if (measured.box.isEmpty() || room.isEmpty())
        return fit;
    // Ink grows with the size, nearly in proportion: start there, and step down where hinting
    // made a size's ink a little larger than the proportion says.
    const qreal scale = std::min(room.width() / measured.box.width(), room.height() / measured.box.height());
    int size = std::max(1, int(std::floor(kMeasureSize * scale)));
    Layout sized = layOut(sizing, atSize(font, size));
    while (size > 1 && !inside(sized.box.size(), room.size())) {
        size = std::max(1, std::min(size - 1, int(size * 0.98)));
        sized = layOut(sizing, atSize(font, size));
    }
    fit.pixelSize = size;
    fit.font = atSize(font, size);
    fit.fits = inside(sized.box.size(), room.size());

    const Layout line = shape.isEmpty() ? sized : layOut(text, fit.font);
    const QPointF shift = room.center() - line.box.center();
    for (const QPointF &origin : line.origins)
        fit.origins.push_back(origin + shift);
    for (const QRectF &cell : line.cells)
        fit.cells.push_back(cell.translated(shift));
    fit.ink = line.ink.translated(shift);
    return fit;
}

} // namespace dorvane
