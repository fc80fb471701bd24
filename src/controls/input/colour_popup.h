#pragma once
#include "colour_row_keys.h"

#include <QAbstractScrollArea>
#include <QFrame>

class TcxColorComboBox;

// The owner-drawn list of colour rows: recent colours first, closed off by a double line, then
// the picker's items. It only highlights; what a chosen row means is up to the picker.
class TcxCustomColorComboBoxListBox final : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit TcxCustomColorComboBoxListBox(TcxColorComboBox *picker, QWidget *parent);

    TcxColorComboBox *Picker() const { return m_picker; }

    int ItemIndex() const { return m_highlight; }
    // Highlights the row (-1: none) and scrolls it into view.
    void SetItemIndex(int row);
    void MoveHighlight(dorvane::RowMove move);

    int RowCount() const;
    // The larger of 16 pixels and the text height of the list's font; the last recent row
    // carries 3 pixels more for the double line.
    int BaseRowHeight() const;
    int RowHeight(int row) const;
    // The height of `count` rows from `first` on.
    int HeightOfRows(int first, int count) const;
    // Row rectangle in viewport coordinates; empty when the row is scrolled out of view.
    QRect RowRect(int row) const;
    int RowAt(const QPoint &viewportPos) const;
    int TopRow() const;

    void IgnoreFirstMouseMove() { m_ignoreFirstMove = true; }
    // The rows changed: recompute the scroll range.
    void RowsChanged();

signals:
    // The left button was released over a row, which is now highlighted.
    void RowReleased();

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void paintRow(QPainter &p, int row, const QRect &r);
    void scrollToRow(int row);
    void updateScrollRange();

    TcxColorComboBox *m_picker;
    int m_highlight = -1;
    bool m_ignoreFirstMove = false;
};

// The drop-down window that holds the list. It takes the keys while it is open (without
// taking the focus from the picker) and closes on a click anywhere outside.
class TcxColorComboBoxPopupWindow final : public QFrame
{
    Q_OBJECT
public:
    explicit TcxColorComboBoxPopupWindow(TcxColorComboBox *picker);

    TcxCustomColorComboBoxListBox *ListBox() const { return m_list; }
    // Sizes the window for the rows, places it under (or above) the box and shows it.
    void Popup();

signals:
    // Accept the highlighted row; the picker closes the window after taking the value.
    void AcceptRequested();
    void Closed();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void hideEvent(QHideEvent *e) override;

private:
    TcxColorComboBox *m_picker;
    TcxCustomColorComboBoxListBox *m_list;
};
