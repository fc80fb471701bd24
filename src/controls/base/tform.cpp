#include "tform.h"

#include "frame_tracker.h"
#include "platform.h"

#include <QPainter>

TForm::TForm(QWidget *parent) : TControl(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetParentFont(false);
    // The one place that learns this window's frame from the window manager.
    dorvane::FrameTracker::Track(this, m_designFrame);
}

bool TForm::FrameKnown() const
{
    const dorvane::FrameTracker *tracker = dorvane::FrameTracker::Of(this);
    return tracker && tracker->Known();
}

QMargins TForm::Frame() const
{
    // The tracker goes first among the children when the window is destroyed.
    const dorvane::FrameTracker *tracker = dorvane::FrameTracker::Of(this);
    return tracker ? tracker->Frame() : QMargins();
}

QSize TForm::FrameExtra() const
{
    const QMargins frame = Frame();
    return {frame.left() + frame.right(), frame.top() + frame.bottom()};
}

QRect TForm::BoundsRect() const
{
    const QMargins frame = Frame();
    return QRect(geometry().topLeft() - QPoint(frame.left(), frame.top()), size().grownBy(frame));
}

void TForm::SetBounds(int left, int top, int width, int height)
{
    const QSize extra = FrameExtra();
    resize(std::max(0, width - extra.width()), std::max(0, height - extra.height()));
    dorvane::MoveFrameTo(this, QPoint(left, top), m_designFrame);
}

TForm::TWindowState TForm::WindowState() const
{
    const Qt::WindowStates s = windowState();
    if (s & Qt::WindowMinimized)
        return wsMinimized;
    if (s & Qt::WindowMaximized)
        return wsMaximized;
    return wsNormal;
}

void TForm::SetWindowState(TWindowState s)
{
    Qt::WindowStates st = windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (s == wsMinimized)
        st |= Qt::WindowMinimized;
    else if (s == wsMaximized)
        st |= Qt::WindowMaximized;
    setWindowState(st);
}

QWidget *TForm::ActiveControl() const
{
    QWidget *f = focusWidget();
    return (f && isAncestorOf(f)) ? f : nullptr;
}

void TForm::CaptionChanging()
{
    setWindowTitle(Caption());
}

void TForm::ColorChanging()
{
    update();
}

void TForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), ResolvedColor());
}
