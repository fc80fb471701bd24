#include "inner_line_edit.h"

#include "controls/base/accessible_change.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>

namespace dorvane {

InnerLineEdit::InnerLineEdit(EditorHooks *hooks, QWidget *parent) : QLineEdit(parent), m_hooks(hooks)
{
    setFrame(false);
}

bool InnerLineEdit::selectsAllOnEntry(Qt::FocusReason reason)
{
    return reason != Qt::MouseFocusReason && isFocusMoveBetweenControls(reason);
}

bool isFocusMoveBetweenControls(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

void InnerLineEdit::keyPressEvent(QKeyEvent *e)
{
    if (m_hooks->editorKeyPress(e))
        return;
    const bool clipboardEdit = e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Cut);
    if (clipboardEdit && !m_hooks->editorClipboardAllowed())
        return;
    QLineEdit::keyPressEvent(e);
}

void InnerLineEdit::keyReleaseEvent(QKeyEvent *e)
{
    m_hooks->editorKeyRelease(e);
    QLineEdit::keyReleaseEvent(e);
}

void InnerLineEdit::focusInEvent(QFocusEvent *e)
{
    QLineEdit::focusInEvent(e);
    // The box would select all on its own when tabbed into; whether it does is the host's
    // AutoSelect, so the host starts from no selection.
    const Qt::FocusReason reason = e->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
        deselect();
    m_hooks->editorFocusIn(e);
    // A screen reader reads the whole field, which holds the box: the field has the focus.
    if (parentWidget())
        announceFocus(parentWidget());
}

void InnerLineEdit::focusOutEvent(QFocusEvent *e)
{
    QLineEdit::focusOutEvent(e);
    m_hooks->editorFocusOut(e); // may raise a validation error for the general error report
}

void InnerLineEdit::mousePressEvent(QMouseEvent *e)
{
    QLineEdit::mousePressEvent(e);
    m_hooks->editorMousePress(e);
}

void InnerLineEdit::wheelEvent(QWheelEvent *e)
{
    if (!m_hooks->editorWheel(e))
        QLineEdit::wheelEvent(e);
}

void InnerLineEdit::contextMenuEvent(QContextMenuEvent *e)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (!m_hooks->editorClipboardAllowed()) {
        for (QAction *action : menu->actions())
            if (action->objectName() == QLatin1String("edit-paste")
                || action->objectName() == QLatin1String("edit-cut")
                || action->objectName() == QLatin1String("edit-delete"))
                action->setEnabled(false);
    }
    menu->popup(e->globalPos());
}

void InnerLineEdit::mouseReleaseEvent(QMouseEvent *e)
{
    // The middle button pastes the selection on X11.
    if (e->button() == Qt::MiddleButton && !m_hooks->editorClipboardAllowed())
        return;
    QLineEdit::mouseReleaseEvent(e);
}

void InnerLineEdit::dragEnterEvent(QDragEnterEvent *e)
{
    if (!m_hooks->editorClipboardAllowed()) {
        e->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(e);
}

void InnerLineEdit::dropEvent(QDropEvent *e)
{
    if (!m_hooks->editorClipboardAllowed()) {
        e->ignore();
        return;
    }
    QLineEdit::dropEvent(e);
}

} // namespace dorvane
