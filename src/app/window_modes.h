#pragma once
#include <QObject>
#include <QRect>

class QScreen;
class TForm;

namespace dorvane {

// Full screen and always on top for one top-level window. Leaving full screen gives the window
// back the state it had (normal or maximized) and, when normal, its place and size.
class WindowModes final : public QObject
{
    Q_OBJECT
public:
    explicit WindowModes(TForm *window);

    bool FullScreen() const;
    void SetFullScreen(bool on);
    void ToggleFullScreen() { SetFullScreen(!FullScreen()); }
    // Full screen, coming back to `normalBounds` (outer bounds) when it leaves: for a window that
    // goes full screen as it first shows, before it has a place of its own.
    void EnterFullScreenFrom(const QRect &normalBounds);

    bool StaysOnTop() const;
    // Changes the hint on the shown window in place: it stays where it is and keeps the focus.
    void SetStaysOnTop(bool on);
    void ToggleStaysOnTop() { SetStaysOnTop(!StaysOnTop()); }

    // Where the window is when it is neither full screen nor maximized: its client area, and
    // its outer bounds as the form gives and takes them (frame included).
    QRect NormalGeometry() const;
    QRect NormalBounds() const;
    // Puts the window on `screen`, centred in its usable area at its normal size (made smaller
    // when it does not fit); a full-screen or maximized window is so on that screen instead.
    void MoveToScreen(QScreen *screen);
    // Moves the window to outer bounds, as a move of the user's that its layout keeps.
    void PlaceAt(const QRect &bounds);

private:
    // The frame around the client area: where its corner lies and what it adds to the size.
    struct Frame
    {
        QPoint offset;
        QSize extra;
    };
    Frame frame() const;
    static QRect boundsOf(const QRect &client, const Frame &frame);
    static QRect clientOf(const QRect &bounds, const Frame &frame);
    void leaveFullScreen();

    TForm *m_window;
    Qt::WindowStates m_stateBefore;
    QRect m_boundsBefore; // outer bounds to come back to from full screen
    Frame m_frameBefore;  // the frame they were taken with
};

} // namespace dorvane
