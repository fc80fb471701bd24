#include "colour_painter.h"

#include "colour_tables.h"
#include "controls/base/platform.h"

#include <QPainter>

namespace dorvane {

namespace {

void fillRing(QPainter &p, const QRect &r, const QColor &c)
{
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
}

void drawSpecialColour(QPainter &p, const QRect &inner, int value, const QColor &frame,
                       const QColor &background, const QPalette &palette)
{
    if (value == colours::clNone) {
        p.fillRect(inner, background);
        p.setPen(QPen(frame, 1));
        p.drawLine(inner.bottomLeft(), inner.topRight());
        return;
    }
    p.fillRect(inner, toQColor(colours::clWindow, palette));
    if (inner.width() > 4 && inner.height() > 4) {
        p.setPen(QPen(frame, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(inner.adjusted(1, 1, -2, -2));
    }
}

} // namespace

void drawColourSwatch(QPainter &p, QRect r, const QColor &frame, const QColor &background, int colourValue,
                      SwatchFill fill, const QPalette &palette)
{
    if (r.width() <= 0 || r.height() <= 0 || fill == SwatchFill::None)
        return;
    p.save();
    fillRing(p, r, background);
    r.adjust(1, 1, -1, -1);
    if (r.isValid())
        fillRing(p, r, frame);
    const QRect inner = r.adjusted(1, 1, -1, -1);
    if (inner.isValid()) {
        switch (fill) {
        case SwatchFill::Clear:
            p.fillRect(inner, background);
            break;
        case SwatchFill::Hatched:
            p.fillRect(inner, background);
            p.setPen(background);
            p.setBrush(QBrush(toQColor(colourValue, palette), Qt::DiagCrossPattern));
            p.drawRect(inner.adjusted(-1, -1, 0, 0));
            p.setPen(frame);
            p.setBrush(Qt::NoBrush);
            p.drawRect(inner.adjusted(-1, -1, 0, 0));
            break;
        case SwatchFill::Colour:
            if (colourValue == colours::clNone || colourValue == colours::clDefault)
                drawSpecialColour(p, inner, colourValue, frame, background, palette);
            else
                p.fillRect(inner, toQColor(colourValue, palette));
            break;
        case SwatchFill::None:
            break;
        }
    }
    p.restore();
}

void drawFocusMark(QPainter &p, const QRect &r, const QColor &colour)
{
    if (r.width() <= 1 || r.height() <= 1)
        return;
    p.save();
    p.setPen(QPen(colour, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.restore();
}

} // namespace dorvane
