#pragma once
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace dorvane {

// Delivers enter and exit notifications as the keyboard focus moves from A to B: exit to every
// control from A up to (not including) the first one that contains B, then enter to every
// control from there down to B. A handler that moves the focus again ends the walk. Window
// deactivation and reactivation fire nothing, and neither does the focus moving into another
// window (a dialog) and back.
class FocusWalk final : public QObject
{
    Q_OBJECT
public:
    // Installs the walk on the running application once; later calls do nothing.
    static void install();

    // The walk itself, for a move from `from` to `to` (either may be null).
    static void walk(QWidget *from, QWidget *to);

    // Gives `to` the focus in a window that is not active yet. Qt only records such a move and
    // reports it once the window activates, which may be after a click has been handled; the
    // walk runs now instead, and the activation fires nothing a second time.
    static void focusInInactiveWindow(QWidget *to, Qt::FocusReason reason);

private:
    explicit FocusWalk(QObject *parent);
    static FocusWalk *instance();
    void onFocusChanged(QWidget *old, QWidget *now);

    QPointer<QWidget> m_last;
    // The control each window last had the focus on, for a window that gets the focus back
    // after the window that held it meanwhile has gone.
    QHash<const QWidget *, QPointer<QWidget>> m_lastIn;
};

// Sets Qt's focus chain from the `TabOrder` of the controls below `root`: each container is
// followed by its children in tab order, depth first.
void ApplyTabOrder(QWidget *root);

} // namespace dorvane
