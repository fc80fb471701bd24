#pragma once
#include <QAccessible>
#include <QPointer>
#include <QString>

namespace dorvane {

// Tells a screen reader what a change did to an object: its accessible name, text, value and
// state are read when the change begins and again when it ends, and each part that differs is
// announced. While no screen reader listens it reads nothing, so no accessible interface is made
// for a control nobody asks about (nor too early, while the control is still being built).
class AccessibleChange final
{
public:
    explicit AccessibleChange(QObject *object);
    ~AccessibleChange();
    AccessibleChange(const AccessibleChange &) = delete;
    AccessibleChange &operator=(const AccessibleChange &) = delete;

private:
    struct Snapshot
    {
        QString name;
        QString text;
        QString value;
        QAccessible::State state;
    };
    static Snapshot take(QAccessibleInterface *iface);

    QPointer<QObject> m_object;
    bool m_listening = false;
    Snapshot m_before;
};

// The value of an object changed (a spin edit's text, a picker's colour).
void announceValueChange(QObject *object);
// The focus, as a screen reader follows it, moved to `object` or to its child item `child`
// (a page tab, a row of a list) while the keyboard focus stays where it was.
void announceFocus(QObject *object, int child = -1);

} // namespace dorvane
