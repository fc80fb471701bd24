#pragma once
#include <QFont>
#include <QRect>
#include <QString>

namespace dorvane {

// How a label lays out its caption: the text rules shared by drawing and auto-size.
struct LabelTextFormat
{
    Qt::Alignment horizontal = Qt::AlignLeft;
    bool wordWrap = false;
    bool showAccelChar = true; // "&x" underlines x and "&&" is "&"; otherwise "&" is literal
};

// Qt text flags for drawing: tabs expanded, lines broken at line breaks (and at words when
// wrapping), anchored at the top; the caller clips to the label.
int labelTextFlags(const LabelTextFormat &format);

// The rectangle the text needs when laid out from `start`: its left and top stay, its width
// is the text's (bounded by `start`'s width only when wrapping), its height is lines x line height.
QRect measureLabelText(const QFont &font, const QRect &start, const QString &text,
                       const LabelTextFormat &format);

// A label keeps one line of height: no text, or a lone accelerator mark, measures as a blank.
QString textToMeasure(const QString &caption, bool showAccelChar);

enum class TextLayout { Top, Center, Bottom };
// Vertical shift of the text block in a label `height` high whose measured block ends at
// `blockBottom`. Truncates toward zero, so a block taller than the label moves up.
int layoutShift(TextLayout layout, int height, int blockBottom);

// Bounds after auto-size: the left edge stays, except that a right-aligned label keeps its right edge.
QRect autoSizedBounds(const QRect &old, const QSize &measured, bool rightAligned);

} // namespace dorvane
