#pragma once
#include <QAccessibleWidget>

class QAbstractButton;

namespace dorvane::accessible {

// What every control tells a screen reader: the name code gave it (its accessible name), or
// else the control's own; the hint its tooltip shows as the description.
class AccessibleControl : public QAccessibleWidget
{
public:
    explicit AccessibleControl(QWidget *widget, QAccessible::Role role = QAccessible::Client);

    QString text(QAccessible::Text t) const override;

    // Containers that only lay controls out (a push button's frame, an unnamed panel) are no
    // objects of their own: their children stand in their place.
    QAccessibleInterface *parent() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

protected:
    // The name when code gave none: a caption, a label's text.
    virtual QString ownName() const { return {}; }

private:
    QList<QAccessibleInterface *> shownChildren() const;
};

// A widget that only lays out the controls inside it, which a screen reader meets directly.
bool isLayoutOnly(const QObject *object);

// The platform push button inside a push button control: named by its caption, pressed by its
// action, a direct child of the page the control stands on.
class AccessiblePushButton final : public AccessibleControl
{
public:
    explicit AccessiblePushButton(QAbstractButton *button);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &name) override;
    QStringList keyBindingsForAction(const QString &name) const override;

protected:
    QString ownName() const override;

private:
    QAbstractButton *button() const;
};

// A field named by the caption label beside it, which it reports as its label.
class AccessibleField : public AccessibleControl
{
public:
    using AccessibleControl::AccessibleControl;

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;

protected:
    QString ownName() const override;
};

// The hint the tooltip shows over `widget`: that of the nearest control of ours, from the widget up.
QString shownHintOf(const QWidget *widget);

} // namespace dorvane::accessible
