#include "accessible_control.h"

#include "field_caption.h"

#include "shown_text.h"

#include "controls/base/tcontrol.h"
#include "controls/display/tcxbutton.h"
#include "controls/display/tpanel.h"

#include <QAbstractButton>

namespace dorvane::accessible {

AccessibleControl::AccessibleControl(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role)
{
}

QString AccessibleControl::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        if (const QString own = ownName(); !own.isEmpty())
            return own;
        break;
    case QAccessible::Description:
        if (!widget()->accessibleDescription().isEmpty())
            return widget()->accessibleDescription();
        return shownHintOf(widget());
    default:
        break;
    }
    return QAccessibleWidget::text(t);
}

bool isLayoutOnly(const QObject *object)
{
    if (qobject_cast<const TcxButton *>(object))
        return true;
    const auto *panel = qobject_cast<const TPanel *>(object);
    return panel && panel->accessibleName().isEmpty() && panel->Caption().isEmpty();
}

QAccessibleInterface *AccessibleControl::parent() const
{
    QAccessibleInterface *up = QAccessibleWidget::parent();
    while (up && isLayoutOnly(up->object()))
        up = up->parent();
    return up;
}

QList<QAccessibleInterface *> AccessibleControl::shownChildren() const
{
    QList<QAccessibleInterface *> children;
    for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
        QAccessibleInterface *c = QAccessibleWidget::child(i);
        // A label that shows nothing (the clock view's badge while the clock runs) says nothing.
        if (!c || (c->role() == QAccessible::StaticText && c->text(QAccessible::Name).isEmpty()))
            continue;
        if (isLayoutOnly(c->object()))
            for (int j = 0; j < c->childCount(); ++j) {
                if (QAccessibleInterface *inner = c->child(j))
                    children.append(inner);
            }
        else
            children.append(c);
    }
    return children;
}

int AccessibleControl::childCount() const
{
    return static_cast<int>(shownChildren().size());
}

QAccessibleInterface *AccessibleControl::child(int index) const
{
    return shownChildren().value(index);
}

int AccessibleControl::indexOfChild(const QAccessibleInterface *child) const
{
    return static_cast<int>(shownChildren().indexOf(const_cast<QAccessibleInterface *>(child)));
}

AccessiblePushButton::AccessiblePushButton(QAbstractButton *button) : AccessibleControl(button, QAccessible::Button)
{
}

QAbstractButton *AccessiblePushButton::button() const
{
    return static_cast<QAbstractButton *>(widget());
}

QString AccessiblePushButton::ownName() const
{
    return withoutAccelerators(button()->text());
}

QAccessible::State AccessiblePushButton::state() const
{
    QAccessible::State s = AccessibleControl::state();
    s.pressed = button()->isDown();
    return s;
}

QStringList AccessiblePushButton::actionNames() const
{
    return {pressAction()};
}

void AccessiblePushButton::doAction(const QString &name)
{
    if (name == pressAction() && button()->isEnabled())
        button()->click();
}

QStringList AccessiblePushButton::keyBindingsForAction(const QString &name) const
{
    return name == pressAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
}

QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
AccessibleField::relations(QAccessible::Relation match) const
{
    auto related = AccessibleControl::relations(match);
    // A name given by code says more than the caption beside the field, which a screen reader
    // would read instead.
    if ((match & QAccessible::Label) && widget()->accessibleName().isEmpty())
        if (QWidget *label = captionLabelFor(widget()))
            if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label))
                related.append({iface, QAccessible::Label});
    return related;
}

QString AccessibleField::ownName() const
{
    return fieldCaption(widget());
}

QString shownHintOf(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget())
        if (auto *control = qobject_cast<const TControl *>(w))
            return control->ShownHint();
    return {};
}

} // namespace dorvane::accessible
