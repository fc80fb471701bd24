#include "colour_popup.h"

#include "colour_tables.h"
#include "controls/base/accessible_change.h"
#include "controls/base/platform.h"
#include "tcxcolorcombobox.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

using namespace dorvane;

TcxCustomColorComboBoxListBox::TcxCustomColorComboBoxListBox(TcxColorComboBox *picker, QWidget *parent)
    : QAbstractScrollArea(parent), m_picker(picker)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setMouseTracking(true);
    verticalScrollBar()->setSingleStep(1);
}

int TcxCustomColorComboBoxListBox::RowCount() const
{
    return m_picker->RowCount();
}

int TcxCustomColorComboBoxListBox::BaseRowHeight() const
{
    return std::max(16, QFontMetrics(font()).height());
}

int TcxCustomColorComboBoxListBox::RowHeight(int row) const
{
    return BaseRowHeight() + (m_picker->IsLastMRURow(row) ? 3 : 0);
}

int TcxCustomColorComboBoxListBox::HeightOfRows(int first, int count) const
{
    int height = 0;
    for (int row = first; row < first + count && row < RowCount(); ++row)
        height += RowHeight(row);
    return height;
}

int TcxCustomColorComboBoxListBox::TopRow() const
{
    return verticalScrollBar()->value();
}

QRect TcxCustomColorComboBoxListBox::RowRect(int row) const
{
    if (row < TopRow() || row >= RowCount())
        return {};
    const int top = HeightOfRows(TopRow(), row - TopRow());
    if (top >= viewport()->height())
        return {};
    return QRect(0, top, viewport()->width(), RowHeight(row));
}

int TcxCustomColorComboBoxListBox::RowAt(const QPoint &pos) const
{
    if (!viewport()->rect().contains(pos))
        return -1;
    int top = 0;
    for (int row = TopRow(); row < RowCount() && top < viewport()->height(); ++row) {
        top += RowHeight(row);
        if (pos.y() < top)
            return row;
    }
    return -1;
}

void TcxCustomColorComboBoxListBox::SetItemIndex(int row)
{
    const int before = m_highlight;
    m_highlight = row >= 0 && row < RowCount() ? row : -1;
    scrollToRow(m_highlight);
    viewport()->update();
    if (m_highlight != before && m_highlight >= 0 && isVisible())
        announceFocus(this, m_highlight); // the picker keeps the keys; a screen reader follows the row
}

void TcxCustomColorComboBoxListBox::MoveHighlight(RowMove move)
{
    SetItemIndex(rowAfterMove(move, m_highlight, RowCount(), m_picker->Properties()->DropDownRows()));
}

void TcxCustomColorComboBoxListBox::RowsChanged()
{
    updateScrollRange();
    viewport()->update();
}

void TcxCustomColorComboBoxListBox::updateScrollRange()
{
    // The last top row is the one from which the remaining rows just fit.
    int maxTop = RowCount();
    int height = 0;
    while (maxTop > 0 && height + RowHeight(maxTop - 1) <= viewport()->height()) {
        height += RowHeight(maxTop - 1);
        --maxTop;
    }
    verticalScrollBar()->setRange(0, maxTop);
    verticalScrollBar()->setPageStep(std::max(1, m_picker->Properties()->DropDownRows()));
}

void TcxCustomColorComboBoxListBox::scrollToRow(int row)
{
    if (row < 0)
        return;
    if (row < TopRow()) {
        verticalScrollBar()->setValue(row);
        return;
    }
    int top = TopRow();
    while (top < row && HeightOfRows(top, row - top + 1) > viewport()->height())
        ++top;
    verticalScrollBar()->setValue(top);
}

void TcxCustomColorComboBoxListBox::resizeEvent(QResizeEvent *e)
{
    QAbstractScrollArea::resizeEvent(e);
    updateScrollRange();
}

void TcxCustomColorComboBoxListBox::scrollContentsBy(int, int)
{
    viewport()->update();
}

void TcxCustomColorComboBoxListBox::paintEvent(QPaintEvent *)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), m_picker->BackgroundColor());
    for (int row = TopRow(); row < RowCount(); ++row) {
        const QRect r = RowRect(row);
        if (r.isEmpty())
            break;
        paintRow(p, row, r);
    }
}

void TcxCustomColorComboBoxListBox::paintRow(QPainter &p, int row, const QRect &r)
{
    const TcxColorComboBoxProperties *props = m_picker->Properties();
    const bool highlighted = row == m_highlight;
    const bool lastMru = m_picker->IsLastMRURow(row);
    const QColor background = highlighted ? palette().color(QPalette::Highlight) : m_picker->BackgroundColor();
    const QRect body = lastMru ? r.adjusted(0, 0, 0, -3) : r;
    p.fillRect(r, background);
    if (!props->ShowDescriptions()) {
        drawColourSwatch(p, body, m_picker->FrameColor(), background, m_picker->RowColor(row), SwatchFill::Colour,
                         palette());
    } else {
        const int boxWidth = std::min(props->ColorBoxWidth(), body.width());
        const bool right = props->ColorBoxAlign() == TcxColorComboBoxProperties::cbaRight;
        const QRect box = right ? QRect(body.right() - boxWidth + 1, body.top(), boxWidth, body.height())
                                : QRect(body.left(), body.top(), boxWidth, body.height());
        drawColourSwatch(p, box, m_picker->FrameColor(), background, m_picker->RowColor(row), SwatchFill::Colour,
                         palette());
        const QRect textRect = right ? body.adjusted(0, 0, -boxWidth, 0) : body.adjusted(boxWidth, 0, 0, 0);
        p.setPen(palette().color(highlighted ? QPalette::HighlightedText : QPalette::Text));
        p.setFont(font());
        p.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                   QLatin1Char(' ') + m_picker->RowDescription(row));
    }
    if (lastMru) {
        const QColor line = toQColor(highlighted ? colours::clWindow : colours::clWindowText, palette());
        const int bottomEdge = r.top() + r.height();
        p.fillRect(QRect(r.left(), bottomEdge - 3, r.width(), 1), line);
        p.fillRect(QRect(r.left(), bottomEdge - 1, r.width(), 1), line);
    }
    if (highlighted)
        drawFocusMark(p, r, palette().color(QPalette::HighlightedText));
}

void TcxCustomColorComboBoxListBox::mousePressEvent(QMouseEvent *e)
{
    const int row = RowAt(e->position().toPoint());
    if (e->button() == Qt::LeftButton && row >= 0)
        SetItemIndex(row);
}

void TcxCustomColorComboBoxListBox::mouseMoveEvent(QMouseEvent *e)
{
    if (m_ignoreFirstMove) {
        // The list opened under the pointer: the pointer has not chosen anything yet.
        m_ignoreFirstMove = false;
        return;
    }
    const int row = RowAt(e->position().toPoint());
    if (row >= 0 && row != m_highlight)
        SetItemIndex(row);
}

void TcxCustomColorComboBoxListBox::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const int row = RowAt(e->position().toPoint());
    if (row < 0)
        return;
    SetItemIndex(row);
    emit RowReleased();
}

void TcxCustomColorComboBoxListBox::wheelEvent(QWheelEvent *e)
{
    // Scrolls the rows; the highlight stays where it is.
    const int notches = e->angleDelta().y() / 120;
    if (notches != 0)
        verticalScrollBar()->setValue(TopRow() - notches * QApplication::wheelScrollLines());
    e->accept();
}

TcxColorComboBoxPopupWindow::TcxColorComboBoxPopupWindow(TcxColorComboBox *picker)
    : QFrame(picker, Qt::Popup), m_picker(picker), m_list(new TcxCustomColorComboBoxListBox(picker, this))
{
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setFocusPolicy(Qt::NoFocus);
    connect(m_list, &TcxCustomColorComboBoxListBox::RowReleased, this,
            &TcxColorComboBoxPopupWindow::AcceptRequested);
}

void TcxColorComboBoxPopupWindow::Popup()
{
    setAttribute(Qt::WA_NoMouseReplay, false);
    m_list->setFont(m_picker->Style()->Font()->toQFont());
    const int rows = m_picker->RowCount();
    const int visible = std::min(rows, m_picker->Properties()->DropDownRows());
    const bool scrolls = rows > visible;
    m_list->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int frame = 2 * frameWidth();
    int width = m_picker->width();
    if (m_picker->Properties()->ShowDescriptions()) {
        const QFontMetrics metrics(m_list->font());
        int widest = 0;
        for (int row = 0; row < rows; ++row)
            widest = std::max(widest, metrics.horizontalAdvance(QLatin1Char(' ') + m_picker->RowDescription(row)));
        const int scrollBar = scrolls ? m_list->verticalScrollBar()->sizeHint().width() : 0;
        width = std::max(width, m_picker->Properties()->ColorBoxWidth() + widest + 4 + scrollBar + frame);
    }
    const int height = m_list->HeightOfRows(0, visible) + frame;
    QPoint topLeft = m_picker->mapToGlobal(QPoint(0, m_picker->height()));
    if (const QScreen *screen = m_picker->screen()) {
        const QRect area = screen->availableGeometry();
        if (topLeft.y() + height > area.bottom() + 1)
            topLeft.setY(m_picker->mapToGlobal(QPoint(0, 0)).y() - height);
        topLeft.setX(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - width)));
    }
    setGeometry(QRect(topLeft, QSize(width, height)));
    m_list->setGeometry(frameWidth(), frameWidth(), width - frame, height - frame);
    m_list->RowsChanged();
    m_list->SetItemIndex(m_picker->SelectedRow());
    if (geometry().contains(QCursor::pos()))
        m_list->IgnoreFirstMouseMove();
    show();
    if (m_list->ItemIndex() >= 0)
        announceFocus(m_list, m_list->ItemIndex());
}

void TcxColorComboBoxPopupWindow::keyPressEvent(QKeyEvent *e)
{
    const bool alt = e->modifiers() & Qt::AltModifier;
    switch (e->key()) {
    case Qt::Key_Escape:
        m_picker->CloseUp(false);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_picker->CloseUp(m_picker->CanEdit());
        return;
    case Qt::Key_F4:
        if (!alt)
            emit AcceptRequested();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (alt) {
            emit AcceptRequested();
            return;
        }
        break;
    default:
        break;
    }
    if (const auto move = rowMoveForKey(e->key(), e->modifiers()))
        m_list->MoveHighlight(*move);
    e->accept();
}

void TcxColorComboBoxPopupWindow::mousePressEvent(QMouseEvent *e)
{
    const QPoint global = e->globalPosition().toPoint();
    if (!rect().contains(mapFromGlobal(global))) {
        // A click on the box closes the list; it must not open it again.
        if (m_picker->rect().contains(m_picker->mapFromGlobal(global)))
            setAttribute(Qt::WA_NoMouseReplay);
        m_picker->CloseUp(false);
        return;
    }
    QFrame::mousePressEvent(e);
}

void TcxColorComboBoxPopupWindow::hideEvent(QHideEvent *e)
{
    QFrame::hideEvent(e);
    emit Closed();
}
