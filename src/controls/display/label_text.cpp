#include "label_text.h"

#include <QFontMetrics>
#include <algorithm>

namespace dorvane {

int labelTextFlags(const LabelTextFormat &format)
{
    int flags = Qt::AlignTop | Qt::TextExpandTabs | static_cast<int>(format.horizontal & Qt::AlignHorizontal_Mask);
    if (format.wordWrap)
        flags |= Qt::TextWordWrap;
    if (format.showAccelChar)
        flags |= Qt::TextShowMnemonic;
    return flags;
}

QRect measureLabelText(const QFont &font, const QRect &start, const QString &text,
                       const LabelTextFormat &format)
{
    const QFontMetrics metrics(font);
    LabelTextFormat leftAligned = format;
    leftAligned.horizontal = Qt::AlignLeft;
    const int flags = labelTextFlags(leftAligned);
    constexpr int unbounded = 1 << 20;
    const QRect room(0, 0, format.wordWrap ? std::max(1, start.width()) : unbounded, unbounded);
    const QRect needed = metrics.boundingRect(room, flags, text);
    return QRect(start.topLeft(), needed.size());
}

QString textToMeasure(const QString &caption, bool showAccelChar)
{
    if (caption.isEmpty() || (showAccelChar && caption == QLatin1String("&")))
        return QStringLiteral(" ");
    return caption;
}

int layoutShift(TextLayout layout, int height, int blockBottom)
{
    switch (layout) {
    case TextLayout::Top:
        return 0;
    case TextLayout::Center:
        return (height - blockBottom) / 2;
    case TextLayout::Bottom:
        return height - blockBottom;
    }
    return 0;
}

QRect autoSizedBounds(const QRect &old, const QSize &measured, bool rightAligned)
{
    const int left = rightAligned ? old.x() + (old.width() - measured.width()) : old.x();
    return QRect(QPoint(left, old.y()), measured);
}

} // namespace dorvane
