#include "window_modes.h"

#include "controls/base/frame_tracker.h"
#include "controls/base/tform.h"
#include "elastic/elastic_form.h"

#include <QScreen>
#include <QWindow>

namespace dorvane {

namespace {

// Moves a form to outer bounds; the elastic layout, which keeps a window at its first place until
// the user moves it, takes this as the user's move.
void placeForm(TForm *form, const QRect &bounds)
{
    if (auto *elastic = form->findChild<TElasticForm *>(QString(), Qt::FindDirectChildrenOnly))
        elastic->PlaceAt(bounds);
    else
        form->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
}

// Puts a window at its outer bounds once more when the window manager has framed it again: placed
// before the frame was there, it was placed with the frame the layout was designed with.
class PlaceWhenFramed final : public QObject
{
public:
    PlaceWhenFramed(TForm *form, QRect bounds) : QObject(form), m_form(form), m_bounds(bounds)
    {
        connect(FrameTracker::Of(form), &FrameTracker::Changed, this, &PlaceWhenFramed::framed);
    }

private:
    void framed()
    {
        if (!m_form->FrameKnown() || m_form->isFullScreen())
            return;
        disconnect(FrameTracker::Of(m_form), nullptr, this, nullptr);
        if (m_form->BoundsRect() != m_bounds)
            placeForm(m_form, m_bounds);
        deleteLater();
    }

    TForm *m_form;
    QRect m_bounds;
};

} // namespace

WindowModes::WindowModes(TForm *window) : QObject(window), m_window(window) {}

bool WindowModes::FullScreen() const
{
    return m_window->windowState() & Qt::WindowFullScreen;
}

WindowModes::Frame WindowModes::frame() const
{
    const QMargins frame = m_window->Frame();
    return {QPoint(frame.left(), frame.top()), m_window->FrameExtra()};
}

QRect WindowModes::boundsOf(const QRect &client, const Frame &f)
{
    return {client.topLeft() - f.offset, client.size() + f.extra};
}

QRect WindowModes::clientOf(const QRect &bounds, const Frame &f)
{
    return {bounds.topLeft() + f.offset, bounds.size() - f.extra};
}

QRect WindowModes::NormalGeometry() const
{
    if (FullScreen() && m_boundsBefore.isValid())
        return clientOf(m_boundsBefore, m_frameBefore);
    if (m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) {
        const QRect normal = m_window->normalGeometry();
        if (normal.isValid())
            return normal;
    }
    return m_window->geometry();
}

QRect WindowModes::NormalBounds() const
{
    // A full-screen window has no frame: its place is the one it had before.
    if (FullScreen() && m_boundsBefore.isValid())
        return m_boundsBefore;
    return boundsOf(NormalGeometry(), frame());
}

void WindowModes::SetFullScreen(bool on)
{
    if (on == FullScreen())
        return;
    if (on)
        EnterFullScreenFrom(NormalBounds());
    else
        leaveFullScreen();
}

void WindowModes::EnterFullScreenFrom(const QRect &normalBounds)
{
    m_boundsBefore = normalBounds;
    m_frameBefore = frame();
    m_stateBefore = m_window->windowState() & Qt::WindowMaximized;
    m_window->setWindowState(m_stateBefore | Qt::WindowFullScreen);
}

void WindowModes::leaveFullScreen()
{
    m_window->setWindowState(m_stateBefore);
    if ((m_stateBefore & Qt::WindowMaximized) || !m_boundsBefore.isValid())
        return;
    // A window manager puts a normal window back by itself, but the frame it puts around it comes
    // later: the place is given again once the frame is there.
    placeForm(m_window, m_boundsBefore);
    new PlaceWhenFramed(m_window, m_boundsBefore);
}

void WindowModes::PlaceAt(const QRect &bounds)
{
    placeForm(m_window, bounds);
}

bool WindowModes::StaysOnTop() const
{
    return m_window->windowFlags() & Qt::WindowStaysOnTopHint;
}

void WindowModes::SetStaysOnTop(bool on)
{
    if (on == StaysOnTop())
        return;
    Qt::WindowFlags flags = m_window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    // Setting the widget's flags would hide the window and show it anew, wherever the window
    // manager then puts it; the window system is told of the hint directly instead.
    m_window->overrideWindowFlags(flags);
    if (QWindow *handle = m_window->windowHandle())
        handle->setFlags(flags);
}

void WindowModes::MoveToScreen(QScreen *screen)
{
    if (!screen)
        return;
    const bool fullScreen = FullScreen();
    const Qt::WindowStates kept = fullScreen ? m_stateBefore : m_window->windowState() & Qt::WindowMaximized;
    const Frame f = fullScreen ? m_frameBefore : frame();
    QRect normal = NormalGeometry();
    // Moved as a normal window, then given its state again on the new screen.
    if (m_window->windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized))
        m_window->setWindowState(Qt::WindowNoState);
    const QRect area = clientOf(screen->availableGeometry(), f);
    normal.setSize(normal.size().boundedTo(area.size()));
    normal.moveCenter(area.center());
    if (QWindow *handle = m_window->windowHandle())
        handle->setScreen(screen);
    placeForm(m_window, boundsOf(normal, f));
    if (fullScreen)
        EnterFullScreenFrom(boundsOf(normal, f));
    else if (kept)
        m_window->setWindowState(kept);
}

} // namespace dorvane
