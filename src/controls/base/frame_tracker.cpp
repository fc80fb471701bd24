#include "frame_tracker.h"

#include "controls/base/platform.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace dorvane {

FrameTracker *FrameTracker::Track(QWidget *window, QMargins expected)
{
    if (FrameTracker *tracker = Of(window))
        return tracker;
    return new FrameTracker(window, expected);
}

FrameTracker *FrameTracker::Of(const QWidget *window)
{
    return window->findChild<FrameTracker *>(QString(), Qt::FindDirectChildrenOnly);
}

FrameTracker::FrameTracker(QWidget *window, QMargins expected)
    : QObject(window), m_window(window), m_expected(expected), m_told(Frame())
{
    window->installEventFilter(this);
    if ((m_handle = window->windowHandle()))
        m_handle->installEventFilter(this);
}

bool FrameTracker::Known() const
{
    return HasFrame(m_window);
}

QMargins FrameTracker::Frame() const
{
    if (m_window->isVisible() && m_window->windowState().testFlag(Qt::WindowFullScreen))
        return {};
    return FrameMarginsOr(m_window, m_expected);
}

bool FrameTracker::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_window) {
        // Shown, the window has the window system's window it will be framed by; whoever lays it
        // out for its frame starts from the frame it has now.
        if (type == QEvent::Show) {
            if (m_window->windowHandle() != m_handle) {
                if (m_handle)
                    m_handle->removeEventFilter(this);
                if ((m_handle = m_window->windowHandle()))
                    m_handle->installEventFilter(this);
            }
            m_told = Frame();
        }
    } else if (watched == m_handle) {
        if (type == QEvent::Move || type == QEvent::Resize || (type == QEvent::Expose && m_handle->isExposed()))
            look();
    }
    return false;
}

void FrameTracker::look()
{
    const QMargins frame = Frame();
    if (frame == m_told)
        return;
    const QMargins previous = m_told;
    m_told = frame;
    emit Changed(previous);
}

FrameCentring::FrameCentring(QWidget *window, QRect area, QMargins expectedFrame)
    : QObject(window), m_window(window), m_area(area), m_frame(FrameTracker::Track(window, expectedFrame))
{
    window->installEventFilter(this);
    connect(m_frame, &FrameTracker::Changed, this, &FrameCentring::centre);
    if (window->isVisible())
        centre();
}

bool FrameCentring::eventFilter(QObject *watched, QEvent *event)
{
    // The window's own size settles as it shows; its frame's is the tracker's news.
    if (watched == m_window && (event->type() == QEvent::Show || event->type() == QEvent::Resize))
        centre();
    return false;
}

void FrameCentring::centre()
{
    const QSize outer = m_window->size().grownBy(m_frame->Frame());
    // The same outer size as last time: it stays where it is, or where the user put it.
    if (outer == m_centredSize || m_area.isEmpty())
        return;
    m_centredSize = outer;
    MoveFrameTo(m_window, m_area.center() - QRect(QPoint(), outer).center(), m_frame->Expected());
}

} // namespace dorvane
