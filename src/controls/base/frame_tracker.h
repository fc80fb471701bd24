#pragma once
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>

class QWidget;
class QWindow;

namespace dorvane {

// What one top-level window knows of the frame its window manager puts around it, and the one
// place that tells it to whoever needs it: the layout, the first placement, the centring of a box
// and the return from full screen. A window manager frames a window only after it is shown, and
// tells by moving, resizing or exposing the window system's window (the widget hears nothing of
// it): the frame is looked at again then. Until the window is framed, the frame is taken to be the
// expected one. It only observes.
class FrameTracker final : public QObject
{
    Q_OBJECT
public:
    // The tracker of `window`: the one it has, or a new one that takes the frame to be `expected`
    // until the window is framed. One per window; it lives as long as the window.
    static FrameTracker *Track(QWidget *window, QMargins expected);
    // The tracker of `window`, or null when nothing tracks it.
    static FrameTracker *Of(const QWidget *window);

    // Whether the window manager has framed the shown window (never, on a platform without frames).
    bool Known() const;
    // The frame around the client area, title bar included: none when full screen; until the
    // window is framed, the expected one.
    QMargins Frame() const;
    QMargins Expected() const { return m_expected; }

signals:
    // The frame is no longer the one last told (`previous`): the window manager has framed the
    // window, changed its frame, or taken it away for full screen.
    void Changed(QMargins previous);

private:
    FrameTracker(QWidget *window, QMargins expected);
    bool eventFilter(QObject *watched, QEvent *event) override;
    void look();

    QWidget *m_window;
    QMargins m_expected;
    QMargins m_told;
    QPointer<QWindow> m_handle;
};

// Keeps a top-level window centred on a screen area by its outer frame from when it shows until
// the user moves it. Until the window manager has framed the window it is centred with
// `expectedFrame`, and once more with the real frame.
class FrameCentring final : public QObject
{
public:
    FrameCentring(QWidget *window, QRect area, QMargins expectedFrame);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void centre();

    QWidget *m_window;
    QRect m_area;
    FrameTracker *m_frame;
    QSize m_centredSize;
};

} // namespace dorvane
