#include "tform.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TForm::TForm(QWidget *parent) : TControl(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetParentFont(false);
}

QSize TForm::FrameExtra() const
{
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    if (isVisible() && frame.size() != client.size())
        return frame.size() - client.size();
    return m_designFrameExtra;
}

QRect TForm::BoundsRect() const
{
    const QSize extra = FrameExtra();
    return QRect(pos(), size() + extra);
}

void TForm::SetBounds(int left, int top, int width, int height)
{
    const QSize extra = FrameExtra();
    move(left, top);
    resize(std::max(0, width - extra.width()), std::max(0, height - extra.height()));
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

void TForm::ApplyPosition()
{
    if (m_position != poDesktopCenter && m_position != poScreenCenter)
        return;
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = m_position == poDesktopCenter ? screen->virtualGeometry() : screen->geometry();
    const QRect bounds = BoundsRect();
    move(area.x() + (area.width() - bounds.width()) / 2, area.y() + (area.height() - bounds.height()) / 2);
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
