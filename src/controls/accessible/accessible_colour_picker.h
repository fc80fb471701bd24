#pragma once
#include "accessible_control.h"
#include "shown_text.h"

#include <QHash>
#include <QPointer>

class TcxColorComboBox;
class TcxCustomColorComboBoxListBox;

namespace dorvane::accessible {

// A colour picker: a combo box named by what it colours, whose value and text are its colour
// as words. While its list is open, the list is its child.
class AccessibleColourPicker final : public AccessibleField, public ShownText
{
public:
    explicit AccessibleColourPicker(TcxColorComboBox *picker);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    using ShownText::text;
    void *interface_cast(QAccessible::InterfaceType t) override;

    QStringList actionNames() const override;
    void doAction(const QString &name) override;

protected:
    QString shownText() const override;
    const QWidget *textWidget() const override { return widget(); }

private:
    TcxColorComboBox *picker() const;
};

// The open list of a colour picker: one list item per row, the highlighted one selected.
// The rows are interfaces of their own, kept while the list lives.
class AccessibleColourList final : public AccessibleControl
{
public:
    explicit AccessibleColourList(TcxCustomColorComboBoxListBox *list);
    ~AccessibleColourList() override;

    QAccessibleInterface *parent() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

private:
    TcxCustomColorComboBoxListBox *list() const;
    mutable QHash<int, QAccessible::Id> m_rows;
};

// One row of the list: its colour as words; pressing it chooses the colour and closes the list.
class AccessibleColourRow final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    AccessibleColourRow(TcxCustomColorComboBoxListBox *list, int row);

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    QStringList actionNames() const override;
    void doAction(const QString &name) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    int row() const { return m_row; }

private:
    QPointer<TcxCustomColorComboBoxListBox> m_list;
    int m_row;
};

} // namespace dorvane::accessible
