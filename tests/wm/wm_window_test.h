#pragma once
// The real main window on an X display with openbox (see wm_test_main.cpp): what a user sees of
// its frame, placement and activation. Waits are for window-manager events, never for time.
#include "app/main_window_fixture.h"

#include <QMap>
#include <QRect>
#include <QStringList>

class TElasticForm;

// Every managed control's bounds and font size at one moment.
struct LayoutSnapshot
{
    QMap<QString, QRect> bounds;
    QMap<QString, int> fonts;
    bool operator==(const LayoutSnapshot &o) const { return bounds == o.bounds && fonts == o.fonts; }
};
void PrintTo(const LayoutSnapshot &layout, std::ostream *os);

class WindowManagerTest : public MainWindowTest
{
protected:
    TElasticForm *elastic() const;
    LayoutSnapshot layout() const;
    // Runs xdotool with `arguments` on this display: real pointer input through the window manager.
    static bool xdotool(const QStringList &arguments);
    // The usable area of the primary screen.
    static QRect availableArea();
    // A window's outer bounds on the screen, the frame as the window manager reports it.
    static QRect outerBounds(const QWidget *window);
};
