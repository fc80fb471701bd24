#pragma once
#include "accessible_control.h"

class QLineEdit;
class TSpinEdit;
class TcxSpinEdit;

namespace dorvane {
class InnerLineEdit;
}

namespace dorvane::accessible {

// The editable text of a one-line box, read from the box.
class EditorText : public QAccessibleTextInterface
{
public:
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

protected:
    virtual QLineEdit *editor() const = 0;
};

// A spin edit: a spin box named by its caption, with its value, range and step, and the text
// of the box inside it as its own. It has no children: a screen reader drops what a field's
// child says while the field has the focus, so the field itself is focused, and its box stays
// out of the tree. The up and down buttons are its increase and decrease actions.
class AccessibleSpinEdit : public AccessibleField, public QAccessibleValueInterface, public EditorText
{
public:
    explicit AccessibleSpinEdit(QWidget *spinEdit);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *focusChild() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    using EditorText::text;
    void *interface_cast(QAccessible::InterfaceType t) override;

    QStringList actionNames() const override;
    void doAction(const QString &name) override;
    QStringList keyBindingsForAction(const QString &name) const override;

protected:
    virtual bool readOnly() const = 0;
    virtual void stepUp() = 0;
    virtual void stepDown() = 0;
};

// The integer spin edit (the time allowance): limits only while its minimum and maximum differ.
class AccessibleIntegerSpinEdit final : public AccessibleSpinEdit
{
public:
    explicit AccessibleIntegerSpinEdit(TSpinEdit *spinEdit);

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    TSpinEdit *spinEdit() const;
    QLineEdit *editor() const override;
    bool readOnly() const override;
    void stepUp() override;
    void stepDown() override;
};

// The numeric spin edit (the colour-change seconds): a 64-bit integer or a double; a value set
// by a screen reader is brought into its limits, as a typed one would be checked against them.
// Without limits a whole number ranges over 32 bits, the most any reader of it takes.
class AccessibleNumericSpinEdit final : public AccessibleSpinEdit
{
public:
    explicit AccessibleNumericSpinEdit(TcxSpinEdit *spinEdit);

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    TcxSpinEdit *spinEdit() const;
    QLineEdit *editor() const override;
    bool readOnly() const override;
    void stepUp() override;
    void stepDown() override;
};

// The text box inside a spin edit, out of the tree: the spin edit reports its text and its
// focus. Qt's own events of the box (its focus, its text) are dropped as an invalid object's.
class AccessibleSpinText final : public AccessibleControl
{
public:
    explicit AccessibleSpinText(dorvane::InnerLineEdit *editor);

    bool isValid() const override { return false; }
    QAccessibleInterface *parent() const override;
};

} // namespace dorvane::accessible
