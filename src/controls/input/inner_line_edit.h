#pragma once
#include <QLineEdit>

namespace dorvane {

// What a composite edit control decides about the text box inside it.
class EditorHooks
{
public:
    virtual ~EditorHooks() = default;
    // True when the host has dealt with the key and the box must not see it.
    virtual bool editorKeyPress(QKeyEvent *) { return false; }
    virtual void editorKeyRelease(QKeyEvent *) {}
    virtual void editorFocusIn(QFocusEvent *) {}
    virtual void editorFocusOut(QFocusEvent *) {}
    // After the box has placed its caret for a mouse press.
    virtual void editorMousePress(QMouseEvent *) {}
    virtual bool editorWheel(QWheelEvent *) { return false; }
    // Whether pasting, cutting and dropping text may change the box now.
    virtual bool editorClipboardAllowed() const { return true; }
};

// The frameless text box of a spin edit: a plain line edit whose keys, focus changes,
// wheel and clipboard edits pass through the host first.
class InnerLineEdit final : public QLineEdit
{
    Q_OBJECT
public:
    InnerLineEdit(EditorHooks *hooks, QWidget *parent);

    // Select all unless the focus came from a mouse press on the box itself or from the
    // window getting active again.
    static bool selectsAllOnEntry(Qt::FocusReason reason);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dropEvent(QDropEvent *e) override;

private:
    EditorHooks *m_hooks;
};

// A focus move between controls of the window, as opposed to the window losing or
// regaining activation, which leaves the control's state alone.
bool isFocusMoveBetweenControls(Qt::FocusReason reason);

} // namespace dorvane
