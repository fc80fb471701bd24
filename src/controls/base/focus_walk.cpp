#include "focus_walk.h"

#include "tcontrol.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPointer>
#include <algorithm>

namespace dorvane {

namespace {

QList<QPointer<TControl>> controlsUpTo(QWidget *from, QWidget *stop)
{
    QList<QPointer<TControl>> chain;
    for (QWidget *w = from; w && w != stop; w = w->parentWidget()) {
        if (auto *c = qobject_cast<TControl *>(w))
            chain.append(c);
        if (w->isWindow())
            break;
    }
    return chain;
}

// Where the focus of `target`'s window is: in a window that is not active, the control that
// gets the focus when it activates.
QWidget *focusIn(const QWidget *target)
{
    const QWidget *window = target->window();
    return window->isActiveWindow() ? QApplication::focusWidget() : window->focusWidget();
}

QWidget *commonAncestor(QWidget *a, QWidget *b)
{
    for (QWidget *w = a; w; w = w->parentWidget())
        if (w == b || (b && w->isAncestorOf(b)))
            return w;
    return nullptr;
}

} // namespace

FocusWalk *FocusWalk::instance()
{
    static FocusWalk *walk = nullptr;
    if (!walk && qApp)
        walk = new FocusWalk(qApp);
    return walk;
}

void FocusWalk::install()
{
    instance();
}

void FocusWalk::focusInInactiveWindow(QWidget *to, Qt::FocusReason reason)
{
    FocusWalk *self = instance();
    QWidget *window = to->window();
    QWidget *from = window->focusWidget();
    if (!from && self)
        from = self->m_lastIn.value(window);
    to->setFocus(reason);
    if (window->focusWidget() != to || !self)
        return;
    // Recorded as this walk's own move, so the activation's report of it finds nothing to do.
    self->m_lastIn[window] = to;
    self->m_last = to;
    if (!from || from == to)
        return;
    // As in an active window, the control that had the focus hears first that it lost it: the
    // exit rules of the edit boxes hang on that.
    QPointer<QWidget> previous = from;
    QFocusEvent out(QEvent::FocusOut, reason);
    QCoreApplication::sendEvent(from, &out);
    if (previous && window->focusWidget() == to)
        walk(from, to);
}

FocusWalk::FocusWalk(QObject *parent) : QObject(parent)
{
    connect(qApp, &QApplication::focusChanged, this, &FocusWalk::onFocusChanged);
}

void FocusWalk::onFocusChanged(QWidget *old, QWidget *now)
{
    if (!now)
        return; // the window lost the focus to another one: nothing fires
    for (auto it = m_lastIn.begin(); it != m_lastIn.end();)
        it = it.value() ? std::next(it) : m_lastIn.erase(it); // windows that are gone
    QPointer<QWidget> &lastInWindow = m_lastIn[now->window()];
    QWidget *from = old ? old : m_last.data(); // null: the window got the focus back
    if (!from)
        from = lastInWindow; // the window that held the focus meanwhile is gone
    lastInWindow = now;
    m_last = now;
    if (from == now)
        return;
    // The focus passing to or from another window (a dialog) is no move within the form.
    if (from && from->window() != now->window())
        return;
    walk(from, now);
}

void FocusWalk::walk(QWidget *from, QWidget *to)
{
    QWidget *common = from ? commonAncestor(from, to) : nullptr;
    QPointer<QWidget> target = to;
    // A handler that moved the focus elsewhere (or destroyed its target) ends the walk.
    const auto focusMoved = [&target, to] {
        return to ? !target || focusIn(target) != target : QApplication::focusWidget() != nullptr;
    };
    for (const QPointer<TControl> &c : controlsUpTo(from, common)) {
        if (!c)
            continue;
        c->DoExit();
        if (focusMoved())
            return;
    }
    QList<QPointer<TControl>> down = controlsUpTo(to, common);
    std::reverse(down.begin(), down.end());
    for (const QPointer<TControl> &c : down) {
        if (!c)
            continue;
        c->DoEnter();
        if (focusMoved())
            return;
    }
}

namespace {

void collectTabChain(QWidget *container, QList<QWidget *> &chain)
{
    QList<TControl *> children = ControlsOf(container);
    std::stable_sort(children.begin(), children.end(),
                     [](const TControl *a, const TControl *b) { return a->TabOrder() < b->TabOrder(); });
    for (TControl *c : children) {
        QWidget *focusTarget = c->focusProxy() ? c->focusProxy() : c;
        if (focusTarget->focusPolicy() & Qt::TabFocus)
            chain.append(focusTarget);
        collectTabChain(c, chain);
    }
}

} // namespace

void ApplyTabOrder(QWidget *root)
{
    QList<QWidget *> chain;
    collectTabChain(root, chain);
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

} // namespace dorvane
