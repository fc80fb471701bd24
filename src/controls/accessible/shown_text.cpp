#include "shown_text.h"

#include <QWidget>

namespace dorvane::accessible {

QString withoutAccelerators(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i; // the mark goes; the character after it (a second "&" included) stays
        shown.append(caption.at(i));
    }
    return shown;
}

void ShownText::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString textBetween(const QString &text, int startOffset, int endOffset)
{
    if (endOffset < 0 || endOffset > text.size())
        endOffset = static_cast<int>(text.size());
    if (startOffset < 0 || startOffset >= endOffset)
        return {};
    return text.mid(startOffset, endOffset - startOffset);
}

QString ShownText::text(int startOffset, int endOffset) const
{
    return textBetween(shownText(), startOffset, endOffset);
}

int ShownText::characterCount() const
{
    return static_cast<int>(shownText().size());
}

QRect ShownText::characterRect(int offset) const
{
    // The control draws its text as a whole; each character is reported within the control.
    const QWidget *w = textWidget();
    if (!w || offset < 0 || offset >= characterCount())
        return {};
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

int ShownText::offsetAtPoint(const QPoint &point) const
{
    const QWidget *w = textWidget();
    return w && w->rect().contains(w->mapFromGlobal(point)) && characterCount() > 0 ? 0 : -1;
}

QString ShownText::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace dorvane::accessible
