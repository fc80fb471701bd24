#pragma once
#include "accessible_control.h"

class QLineEdit;
class TSpinEdit;
class TcxSpinEdit;

namespace dorvane {
class InnerLineEdit;
}

namespace dorvane::accessible {

// A spin edit: a spin box named by its caption, with its value, range and step, whose only
// child is the text box inside it. The up and down buttons are its increase and decrease actions.
class AccessibleSpinEdit : public AccessibleField, public QAccessibleValueInterface
{
public:
    explicit AccessibleSpinEdit(QWidget *spinEdit);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *focusChild() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    QStringList actionNames() const override;
    void doAction(const QString &name) override;
    QStringList keyBindingsForAction(const QString &name) const override;

protected:
    virtual QLineEdit *editor() const = 0;
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

// The text box inside a spin edit: editable text with the spin edit's name, so that the focus,
// which rests here, reads as the field it belongs to.
class AccessibleSpinText final : public AccessibleControl, public QAccessibleTextInterface
{
public:
    explicit AccessibleSpinText(dorvane::InnerLineEdit *editor);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

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
    QString ownName() const override;

private:
    QLineEdit *editor() const;
};

} // namespace dorvane::accessible
