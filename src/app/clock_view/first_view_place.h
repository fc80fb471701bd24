#pragma once
#include <QList>
#include <QRect>
#include <QSize>

namespace dorvane {

// Where the clock view opens when it has no remembered place.
struct FirstViewPlace
{
    int screen = 0;          // which of the screens given
    QRect bounds;            // outer bounds, frame included; when full screen, those it leaves it for
    bool fullScreen = false;

    bool operator==(const FirstViewPlace &o) const
    {
        return screen == o.screen && bounds == o.bounds && fullScreen == o.fullScreen;
    }
};

// The place for a view of outer size `viewSize` (no smaller than `smallest`), with the main window
// at outer bounds `mainBounds` on screen `mainScreen`; `screens` are the usable areas of the
// screens. With another screen, the view fills the first other one: the room sees it, the
// operator keeps the controls. On the main window's screen alone, it goes beside the main window
// where the screen has room for it; otherwise into the screen's corner farthest from the main
// window, made smaller until it covers no more than a tenth of the main window.
FirstViewPlace firstViewPlace(const QList<QRect> &screens, int mainScreen, const QRect &mainBounds, QSize viewSize,
                              QSize smallest);

} // namespace dorvane
