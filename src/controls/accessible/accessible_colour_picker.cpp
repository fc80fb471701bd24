#include "accessible_colour_picker.h"

#include "colour_names.h"

#include "controls/input/colour_popup.h"
#include "controls/input/tcxcolorcombobox.h"

#include <QWindow>

namespace dorvane::accessible {

namespace {

// `colour` in words, as the picker's list gives it at `row` (no row: not listed).
QString colourInWords(const TcxColorComboBox *picker, int colour, int row)
{
    const TcxColorComboBoxItem *item = picker->Properties()->RowItem(row);
    return spokenColourName(colour, item ? item->Description() : QString(), picker->palette());
}

} // namespace

AccessibleColourPicker::AccessibleColourPicker(TcxColorComboBox *picker) : AccessibleField(picker, QAccessible::ComboBox)
{
}

TcxColorComboBox *AccessibleColourPicker::picker() const
{
    return static_cast<TcxColorComboBox *>(widget());
}

QString AccessibleColourPicker::shownText() const
{
    const TcxColorComboBox *p = picker();
    return colourInWords(p, p->ColorValue(), p->SelectedRow());
}

int AccessibleColourPicker::childCount() const
{
    return picker()->DroppedDown() ? 1 : 0;
}

QAccessibleInterface *AccessibleColourPicker::child(int index) const
{
    if (index != 0 || !picker()->DroppedDown())
        return nullptr;
    return QAccessible::queryAccessibleInterface(picker()->PopupWindow()->ListBox());
}

int AccessibleColourPicker::indexOfChild(const QAccessibleInterface *child) const
{
    const bool isList = child && picker()->PopupWindow() && child->object() == picker()->PopupWindow()->ListBox();
    return isList && picker()->DroppedDown() ? 0 : -1;
}

QAccessible::State AccessibleColourPicker::state() const
{
    QAccessible::State s = AccessibleField::state();
    s.expandable = true;
    s.expanded = picker()->DroppedDown();
    s.collapsed = !s.expanded;
    s.hasPopup = true;
    s.readOnly = !picker()->CanEdit();
    return s;
}

QString AccessibleColourPicker::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? shownText() : AccessibleField::text(t);
}

void *AccessibleColourPicker::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return AccessibleField::interface_cast(t);
}

QStringList AccessibleColourPicker::actionNames() const
{
    return QStringList{showMenuAction()} + AccessibleField::actionNames();
}

void AccessibleColourPicker::doAction(const QString &name)
{
    if (name != showMenuAction())
        AccessibleField::doAction(name);
    else if (picker()->DroppedDown())
        picker()->CloseUp(false);
    else
        picker()->DropDown();
}

AccessibleColourList::AccessibleColourList(TcxCustomColorComboBoxListBox *list) : AccessibleControl(list, QAccessible::List)
{
}

AccessibleColourList::~AccessibleColourList()
{
    for (const QAccessible::Id id : std::as_const(m_rows))
        QAccessible::deleteAccessibleInterface(id);
}

TcxCustomColorComboBoxListBox *AccessibleColourList::list() const
{
    return static_cast<TcxCustomColorComboBoxListBox *>(widget());
}

QAccessibleInterface *AccessibleColourList::parent() const
{
    return QAccessible::queryAccessibleInterface(list()->Picker());
}

int AccessibleColourList::childCount() const
{
    return list()->RowCount();
}

QAccessibleInterface *AccessibleColourList::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto found = m_rows.constFind(index); found != m_rows.cend())
        return QAccessible::accessibleInterface(*found);
    auto *row = new AccessibleColourRow(list(), index);
    m_rows.insert(index, QAccessible::registerAccessibleInterface(row));
    return row;
}

int AccessibleColourList::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child || child->role() != QAccessible::ListItem || child->parent() != this)
        return -1;
    return static_cast<const AccessibleColourRow *>(child)->row();
}

QAccessibleInterface *AccessibleColourList::childAt(int x, int y) const
{
    const QPoint local = list()->viewport()->mapFromGlobal(QPoint(x, y));
    const int row = list()->RowAt(local);
    return row >= 0 ? child(row) : nullptr;
}

QAccessibleInterface *AccessibleColourList::focusChild() const
{
    return child(list()->ItemIndex());
}

AccessibleColourRow::AccessibleColourRow(TcxCustomColorComboBoxListBox *list, int row) : m_list(list), m_row(row)
{
}

bool AccessibleColourRow::isValid() const
{
    return m_list && m_row < m_list->RowCount();
}

QWindow *AccessibleColourRow::window() const
{
    return m_list ? m_list->window()->windowHandle() : nullptr;
}

QAccessibleInterface *AccessibleColourRow::parent() const
{
    return m_list ? QAccessible::queryAccessibleInterface(m_list.data()) : nullptr;
}

QString AccessibleColourRow::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !isValid())
        return {};
    const TcxColorComboBox *picker = m_list->Picker();
    return colourInWords(picker, picker->RowColor(m_row), m_row);
}

QRect AccessibleColourRow::rect() const
{
    if (!isValid())
        return {};
    const QRect local = m_list->RowRect(m_row);
    return local.isEmpty() ? QRect() : QRect(m_list->viewport()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State AccessibleColourRow::state() const
{
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    s.selectable = true;
    s.selected = m_list->ItemIndex() == m_row;
    s.focusable = true;
    s.focused = s.selected && m_list->isVisible();
    s.invisible = !m_list->isVisible();
    s.offscreen = m_list->RowRect(m_row).isEmpty();
    return s;
}

void *AccessibleColourRow::interface_cast(QAccessible::InterfaceType t)
{
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
}

QStringList AccessibleColourRow::actionNames() const
{
    return {pressAction()};
}

void AccessibleColourRow::doAction(const QString &name)
{
    if (name != pressAction() || !isValid())
        return;
    m_list->SetItemIndex(m_row);
    m_list->Picker()->CloseUp(true); // as a click on the row
}

} // namespace dorvane::accessible
