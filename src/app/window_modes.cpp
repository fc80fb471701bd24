#include "window_modes.h"

#include "controls/base/tform.h"
#include "elastic/elastic_form.h"

#include <QScreen>
#include <QWindow>

namespace dorvane {

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

QRect WindowModes::NormalGeometry() const
{
    if (FullScreen() && m_geometryBefore.isValid())
        return m_geometryBefore;
    if (m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) {
        const QRect normal = m_window->normalGeometry();
        if (normal.isValid())
            return normal;
    }
    return m_window->geometry();
}

QRect WindowModes::NormalBounds() const
{
    // A full-screen window has no frame: it is the one it had before.
    const Frame f = FullScreen() && m_geometryBefore.isValid() ? m_frameBefore : frame();
    const QRect client = NormalGeometry();
    return {client.topLeft() - f.offset, client.size() + f.extra};
}

void WindowModes::SetFullScreen(bool on)
{
    if (on == FullScreen())
        return;
    if (on) {
        m_geometryBefore = NormalGeometry();
        m_frameBefore = frame();
        m_stateBefore = m_window->windowState() & Qt::WindowMaximized;
        m_window->setWindowState(m_stateBefore | Qt::WindowFullScreen);
        return;
    }
    m_window->setWindowState(m_stateBefore);
    // A window manager puts a normal window back by itself; a window system without one may not.
    if (!(m_stateBefore & Qt::WindowMaximized) && m_geometryBefore.isValid())
        m_window->setGeometry(m_geometryBefore);
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
    QRect normal = NormalGeometry();
    const Frame f = fullScreen ? m_frameBefore : frame();
    // Moved as a normal window, then given its state again on the new screen.
    if (m_window->windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized))
        m_window->setWindowState(Qt::WindowNoState);
    const QRect area = screen->availableGeometry().adjusted(f.offset.x(), f.offset.y(), f.offset.x() - f.extra.width(),
                                                            f.offset.y() - f.extra.height());
    normal.setSize(normal.size().boundedTo(area.size()));
    normal.moveCenter(area.center());
    if (QWindow *handle = m_window->windowHandle())
        handle->setScreen(screen);
    const QRect bounds(normal.topLeft() - f.offset, normal.size() + f.extra);
    // The elastic layout keeps a window at its first place until the user moves it; this move
    // is as good as the user's.
    if (auto *elastic = m_window->findChild<TElasticForm *>(QString(), Qt::FindDirectChildrenOnly))
        elastic->PlaceAt(bounds);
    else
        m_window->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    if (fullScreen) {
        m_geometryBefore = normal;
        m_stateBefore = kept;
        m_window->setWindowState(kept | Qt::WindowFullScreen);
    } else if (kept) {
        m_window->setWindowState(kept);
    }
}

} // namespace dorvane
