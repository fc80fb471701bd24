#include "accessible_change.h"

#include <cstring>

namespace dorvane {

namespace {

QAccessibleInterface *listenedInterface(QObject *object)
{
    if (!object || !QAccessible::isActive())
        return nullptr;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface && iface->isValid() ? iface : nullptr;
}

QString wholeText(QAccessibleInterface *iface)
{
    QAccessibleTextInterface *text = iface->textInterface();
    return text ? text->text(0, text->characterCount()) : QString();
}

// The states that differ between two snapshots, as the flags of one state.
QAccessible::State changedStates(const QAccessible::State &a, const QAccessible::State &b)
{
    static_assert(sizeof(QAccessible::State) == sizeof(quint64));
    quint64 bitsA = 0;
    quint64 bitsB = 0;
    std::memcpy(&bitsA, &a, sizeof bitsA);
    std::memcpy(&bitsB, &b, sizeof bitsB);
    const quint64 changed = bitsA ^ bitsB;
    QAccessible::State result;
    std::memcpy(static_cast<void *>(&result), &changed, sizeof result);
    return result;
}

} // namespace

AccessibleChange::AccessibleChange(QObject *object) : m_object(object)
{
    if (QAccessibleInterface *iface = listenedInterface(object)) {
        m_listening = true;
        m_before = take(iface);
    }
}

AccessibleChange::Snapshot AccessibleChange::take(QAccessibleInterface *iface)
{
    return {iface->text(QAccessible::Name), wholeText(iface), iface->text(QAccessible::Value), iface->state()};
}

AccessibleChange::~AccessibleChange()
{
    if (!m_listening)
        return;
    QAccessibleInterface *iface = listenedInterface(m_object);
    if (!iface)
        return;
    const Snapshot after = take(iface);
    if (after.name != m_before.name) {
        QAccessibleEvent event(m_object, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (after.text != m_before.text) {
        QAccessibleTextUpdateEvent event(m_object, 0, m_before.text, after.text);
        QAccessible::updateAccessibility(&event);
    }
    if (after.value != m_before.value)
        announceValueChange(m_object);
    if (const QAccessible::State changed = changedStates(m_before.state, after.state); !(changed == QAccessible::State())) {
        QAccessibleStateChangeEvent event(m_object, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void announceValueChange(QObject *object)
{
    QAccessibleInterface *iface = listenedInterface(object);
    if (!iface)
        return;
    const QVariant value = iface->valueInterface() ? iface->valueInterface()->currentValue()
                                                   : QVariant(iface->text(QAccessible::Value));
    QAccessibleValueChangeEvent event(object, value);
    QAccessible::updateAccessibility(&event);
}

void announceFocus(QObject *object, int child)
{
    if (!listenedInterface(object))
        return;
    QAccessibleEvent event(object, QAccessible::Focus);
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

} // namespace dorvane
