#pragma once
// The real main window on an X display with openbox (see wm_test_main.cpp): what a user sees of
// its frame, placement and activation. Waits are for window-manager events, never for time.
#include "app/main_window/main_window_fixture.h"

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
    // Where the X server has the window's client area now. Qt learns of a move a moment later,
    // and a notice of an earlier place may still be on its way.
    static QRect serverGeometry(const QWidget *window);
    // Whether the window manager has framed `window`, the window has been placed and laid out for
    // that frame, and the server has it where the program does. The frame shows on the window a
    // moment before the window hears of it.
    static bool placedInItsFrame(const TForm *window);
    // placedInItsFrame, and where the window opens: the bounds its layout worked out.
    static bool placedWhereItOpens(const TForm *window);
};
