#include "clock_view_keys.h"

#include <QAction>
#include <QKeyEvent>

namespace dorvane {

namespace {
QAction *keyAction(const QString &does, const QList<QKeySequence> &keys, QObject *parent)
{
    auto *action = new QAction(parent);
    action->setStatusTip(does);
    action->setShortcuts(keys);
    return action;
}
} // namespace

ClockViewKeys::ClockViewKeys(QObject *parent)
    : QObject(parent),
      m_startOrStop(keyAction(QStringLiteral("start the clock, or stop it when it runs"),
                              {Qt::Key_Space, Qt::Key_PageDown, Qt::Key_Right}, this)),
      m_reset(keyAction(QStringLiteral("reset the clock"), {Qt::Key_Home}, this)),
      m_leaveFullScreen(keyAction(QStringLiteral("leave full screen"), {Qt::Key_Escape}, this)),
      m_addMinute(keyAction(QStringLiteral("a minute more for a count-down"), {Qt::Key_Plus}, this)),
      m_takeMinute(keyAction(QStringLiteral("a minute less for a count-down"), {Qt::Key_Minus}, this)),
      m_toggleBlank(keyAction(QStringLiteral("black screen on or off; the clock goes on"), {Qt::Key_B, Qt::Key_Period},
                              this))
{
}

bool ClockViewKeys::Press(const QKeyEvent &event)
{
    // A remote held down must not start and stop the clock over and over.
    if (event.isAutoRepeat())
        return false;
    const Qt::KeyboardModifiers held = event.modifiers() & ~Qt::KeypadModifier;
    for (QAction *action : Actions()) {
        const bool shiftTyped = action == m_addMinute || action == m_takeMinute;
        if (held != Qt::NoModifier && action != m_leaveFullScreen && !(shiftTyped && held == Qt::ShiftModifier))
            continue;
        for (const QKeySequence &key : action->shortcuts()) {
            if (key[0].key() == event.key()) {
                action->trigger();
                return true;
            }
        }
    }
    return false;
}

} // namespace dorvane
