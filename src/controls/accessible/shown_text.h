#pragma once
#include <QAccessible>
#include <QString>

class QWidget;

namespace dorvane::accessible {

// A caption as a control with accelerators shows it: "&&" is "&", "&x" is "x".
QString withoutAccelerators(const QString &caption);

// The characters of `text` from `startOffset` up to `endOffset` (-1 or beyond the end: to the end),
// as a screen reader asks for a range.
QString textBetween(const QString &text, int startOffset, int endOffset);

// Read-only text of a control for a screen reader: what it shows, with no caret or selection.
class ShownText : public QAccessibleTextInterface
{
public:
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

protected:
    virtual QString shownText() const = 0;
    // Where the text is shown: its characters are reported within this widget.
    virtual const QWidget *textWidget() const = 0;
};

} // namespace dorvane::accessible
