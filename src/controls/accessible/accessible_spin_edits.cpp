#include "accessible_spin_edits.h"

#include "shown_text.h"

#include "controls/input/inner_line_edit.h"
#include "controls/input/tcxspinedit.h"
#include "controls/input/tspinedit.h"

#include <QFontMetrics>
#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>

namespace dorvane::accessible {

AccessibleSpinEdit::AccessibleSpinEdit(QWidget *spinEdit) : AccessibleField(spinEdit, QAccessible::SpinBox)
{
}

int AccessibleSpinEdit::childCount() const
{
    return 0;
}

QAccessibleInterface *AccessibleSpinEdit::child(int) const
{
    return nullptr;
}

int AccessibleSpinEdit::indexOfChild(const QAccessibleInterface *) const
{
    return -1;
}

QAccessibleInterface *AccessibleSpinEdit::focusChild() const
{
    return nullptr;
}

QAccessible::State AccessibleSpinEdit::state() const
{
    QAccessible::State s = AccessibleField::state();
    s.focusable = editor()->focusPolicy() != Qt::NoFocus;
    s.focused = editor()->hasFocus();
    s.readOnly = readOnly();
    s.editable = !readOnly() && !editor()->isReadOnly();
    s.selectableText = true;
    return s;
}

QString AccessibleSpinEdit::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? editor()->text() : AccessibleField::text(t);
}

void *AccessibleSpinEdit::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return AccessibleField::interface_cast(t);
}

QStringList AccessibleSpinEdit::actionNames() const
{
    return QStringList{increaseAction(), decreaseAction()} + AccessibleField::actionNames();
}

void AccessibleSpinEdit::doAction(const QString &name)
{
    if (name == increaseAction())
        stepUp();
    else if (name == decreaseAction())
        stepDown();
    else
        AccessibleField::doAction(name);
}

QStringList AccessibleSpinEdit::keyBindingsForAction(const QString &name) const
{
    if (name == increaseAction())
        return {QStringLiteral("Up")};
    if (name == decreaseAction())
        return {QStringLiteral("Down")};
    return AccessibleField::keyBindingsForAction(name);
}

AccessibleIntegerSpinEdit::AccessibleIntegerSpinEdit(TSpinEdit *spinEdit) : AccessibleSpinEdit(spinEdit)
{
}

TSpinEdit *AccessibleIntegerSpinEdit::spinEdit() const
{
    return static_cast<TSpinEdit *>(widget());
}

QLineEdit *AccessibleIntegerSpinEdit::editor() const
{
    return spinEdit()->Editor();
}

bool AccessibleIntegerSpinEdit::readOnly() const
{
    return spinEdit()->ReadOnly();
}

void AccessibleIntegerSpinEdit::stepUp()
{
    spinEdit()->StepUp();
}

void AccessibleIntegerSpinEdit::stepDown()
{
    spinEdit()->StepDown();
}

QVariant AccessibleIntegerSpinEdit::currentValue() const
{
    return spinEdit()->Value();
}

void AccessibleIntegerSpinEdit::setCurrentValue(const QVariant &value)
{
    bool ok = false;
    const double wanted = value.toDouble(&ok);
    if (!ok || readOnly() || !std::isfinite(wanted))
        return;
    spinEdit()->SetValue(static_cast<int>(std::clamp(std::round(wanted), double(INT_MIN), double(INT_MAX))));
}

QVariant AccessibleIntegerSpinEdit::maximumValue() const
{
    const TSpinEdit *s = spinEdit();
    return s->MinValue() != s->MaxValue() ? s->MaxValue() : INT_MAX;
}

QVariant AccessibleIntegerSpinEdit::minimumValue() const
{
    const TSpinEdit *s = spinEdit();
    return s->MinValue() != s->MaxValue() ? s->MinValue() : INT_MIN;
}

QVariant AccessibleIntegerSpinEdit::minimumStepSize() const
{
    return spinEdit()->Increment();
}

AccessibleNumericSpinEdit::AccessibleNumericSpinEdit(TcxSpinEdit *spinEdit) : AccessibleSpinEdit(spinEdit)
{
}

TcxSpinEdit *AccessibleNumericSpinEdit::spinEdit() const
{
    return static_cast<TcxSpinEdit *>(widget());
}

QLineEdit *AccessibleNumericSpinEdit::editor() const
{
    return spinEdit()->Editor();
}

bool AccessibleNumericSpinEdit::readOnly() const
{
    return spinEdit()->Properties()->ReadOnly();
}

void AccessibleNumericSpinEdit::stepUp()
{
    spinEdit()->Step(TcxSpinEdit::sbUp);
}

void AccessibleNumericSpinEdit::stepDown()
{
    spinEdit()->Step(TcxSpinEdit::sbDown);
}

QVariant AccessibleNumericSpinEdit::currentValue() const
{
    const std::optional<Variant> shown = spinEdit()->ShownNumber();
    if (!shown)
        return {}; // the text is no number yet
    return shown->isInteger() ? QVariant(static_cast<qlonglong>(shown->integer())) : QVariant(shown->real());
}

void AccessibleNumericSpinEdit::setCurrentValue(const QVariant &value)
{
    bool ok = false;
    double wanted = value.toDouble(&ok);
    if (!ok || readOnly() || !std::isfinite(wanted))
        return;
    const TcxSpinEditProperties *p = spinEdit()->Properties();
    if (p->HasLimits())
        wanted = std::clamp(wanted, p->MinValue(), p->MaxValue());
    const bool whole = value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong;
    spinEdit()->SetValue(whole && !p->HasLimits() ? Variant(static_cast<std::int64_t>(value.toLongLong()))
                                                  : Variant(wanted));
}

QVariant AccessibleNumericSpinEdit::maximumValue() const
{
    const TcxSpinEditProperties *p = spinEdit()->Properties();
    if (p->HasLimits())
        return p->MaxValue();
    return p->ValueType() == TcxSpinEditProperties::vtInt ? QVariant(INT_MAX) : QVariant(DBL_MAX);
}

QVariant AccessibleNumericSpinEdit::minimumValue() const
{
    const TcxSpinEditProperties *p = spinEdit()->Properties();
    if (p->HasLimits())
        return p->MinValue();
    return p->ValueType() == TcxSpinEditProperties::vtInt ? QVariant(INT_MIN) : QVariant(-DBL_MAX);
}

QVariant AccessibleNumericSpinEdit::minimumStepSize() const
{
    return spinEdit()->Properties()->Increment();
}

AccessibleSpinText::AccessibleSpinText(dorvane::InnerLineEdit *editor) : AccessibleControl(editor, QAccessible::EditableText)
{
}

QAccessibleInterface *AccessibleSpinText::parent() const
{
    return QAccessible::queryAccessibleInterface(widget()->parentWidget());
}

void EditorText::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !editor()->hasSelectedText())
        return;
    *startOffset = editor()->selectionStart();
    *endOffset = editor()->selectionEnd();
}

int EditorText::selectionCount() const
{
    return editor()->hasSelectedText() ? 1 : 0;
}

void EditorText::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void EditorText::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        editor()->deselect();
}

void EditorText::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        editor()->setSelection(startOffset, endOffset - startOffset);
}

int EditorText::cursorPosition() const
{
    return editor()->cursorPosition();
}

void EditorText::setCursorPosition(int position)
{
    editor()->setCursorPosition(position);
}

QString EditorText::text(int startOffset, int endOffset) const
{
    return textBetween(editor()->text(), startOffset, endOffset);
}

int EditorText::characterCount() const
{
    return static_cast<int>(editor()->text().size());
}

QRect EditorText::characterRect(int offset) const
{
    // Measured from the caret, whose place the box reports: one line, no scrolling in a number.
    const QString all = editor()->text();
    if (offset < 0 || offset >= all.size())
        return {};
    const QFontMetrics metrics(editor()->font());
    const QRect caret = editor()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = caret.x() + metrics.horizontalAdvance(all.left(offset))
                  - metrics.horizontalAdvance(all.left(editor()->cursorPosition()));
    const QRect local(x, caret.y(), metrics.horizontalAdvance(all.at(offset)), caret.height());
    return QRect(editor()->mapToGlobal(local.topLeft()), local.size());
}

int EditorText::offsetAtPoint(const QPoint &point) const
{
    const QPoint local = editor()->mapFromGlobal(point);
    return editor()->rect().contains(local) ? editor()->cursorPositionAt(local) : -1;
}

QString EditorText::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace dorvane::accessible
