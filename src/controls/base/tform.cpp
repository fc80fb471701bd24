#include "tform.h"

#include "platform.h"

#include <QPainter>

TForm::TForm(QWidget *parent) : TControl(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetParentFont(false);
}

bool TForm::FrameKnown() const
{
    return dorvane::HasFrame(this);
}

QMargins TForm::Frame() const
{
    // Full screen, the client area is the whole window.
    if (isVisible() && windowState().testFlag(Qt::WindowFullScreen))
        return {};
    return dorvane::FrameMarginsOr(this, m_designFrame);
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
