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
    return isVisible() && frameGeometry().size() != geometry().size();
}

QSize TForm::FrameExtra() const
{
    return FrameKnown() ? frameGeometry().size() - geometry().size() : m_designFrameExtra;
}

QRect TForm::BoundsRect() const
{
    const QSize extra = FrameExtra();
    return QRect(pos(), size() + extra);
}

void TForm::SetBounds(int left, int top, int width, int height)
{
    const QSize extra = FrameExtra();
    resize(std::max(0, width - extra.width()), std::max(0, height - extra.height()));
    dorvane::MoveFrameTo(this, QPoint(left, top));
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
