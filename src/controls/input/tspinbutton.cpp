#include "tspinbutton.h"

#include "spin_glyphs.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <qdrawutil.h>

#include <algorithm>

TTimerSpeedButton::TTimerSpeedButton(QWidget *parent) : TGraphicControl(parent) {}

TTimerSpeedButton::~TTimerSpeedButton() = default;

void TTimerSpeedButton::SetFocusRect(bool v)
{
    if (v == m_focusRect)
        return;
    m_focusRect = v;
    update();
}

void TTimerSpeedButton::SetGlyph(const QPixmap &glyph)
{
    m_glyph = glyph;
    update();
}

QRect TTimerSpeedButton::FocusRectangle() const
{
    QRect r = rect().adjusted(3, 3, -3, -3);
    return m_down ? r.translated(1, 1) : r;
}

void TTimerSpeedButton::Click()
{
    emit OnClick();
}

void TTimerSpeedButton::RepeatTimerFired()
{
    if (m_timer)
        m_timer->setInterval(kRepeatMs);
    if (!m_down || !m_held)
        return; // paused while the pointer is off the button
    try {
        Click();
    } catch (...) {
        if (m_timer)
            m_timer->stop();
        throw;
    }
}

void TTimerSpeedButton::setDown(bool down)
{
    if (down == m_down)
        return;
    m_down = down;
    update();
}

void TTimerSpeedButton::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || !isEnabled()) {
        e->ignore();
        return;
    }
    m_held = true;
    setDown(true);
    emit OnMouseDown();
    if (m_allowTimer) {
        if (!m_timer) {
            m_timer = new QTimer(this);
            m_timer->setTimerType(Qt::PreciseTimer);
            connect(m_timer, &QTimer::timeout, this, &TTimerSpeedButton::RepeatTimerFired);
        }
        m_timer->start(kFirstRepeatMs);
    }
}

void TTimerSpeedButton::mouseMoveEvent(QMouseEvent *e)
{
    if (m_held)
        setDown(rect().contains(e->position().toPoint()));
}

void TTimerSpeedButton::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || !m_held)
        return;
    m_held = false;
    if (m_timer)
        m_timer->stop();
    const bool over = rect().contains(e->position().toPoint());
    setDown(false);
    if (over)
        Click();
}

void TTimerSpeedButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPalette &pal = palette();
    qDrawWinButton(&p, rect(), pal, m_down, &pal.brush(QPalette::Button));
    if (!m_glyph.isNull()) {
        const int offset = m_down ? 1 : 0;
        const int x = (width() - m_glyph.width()) / 2 + offset;
        const int y = (height() - m_glyph.height()) / 2 + offset;
        if (isEnabled())
            p.drawPixmap(x, y, m_glyph);
        else {
            p.setOpacity(0.4);
            p.drawPixmap(x, y, m_glyph);
        }
    }
    auto *pair = qobject_cast<TSpinButton *>(parentWidget());
    if (m_focusRect && pair && pair->hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = FocusRectangle();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

TSpinButton::TSpinButton(QWidget *parent) : TControl(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The two buttons are unnamed inner parts: a named control would be laid out on its own
    // by the elastic layout, apart from the pair that places them.
    m_up = new TTimerSpeedButton(this);
    m_up->SetGlyph(dorvane::spinGlyph(QStringLiteral("SpinUp")));
    m_up->SetAllowTimer(true);
    // Created after the up button, so it is drawn over the shared pixel row.
    m_down = new TTimerSpeedButton(this);
    m_down->SetGlyph(dorvane::spinGlyph(QStringLiteral("SpinDown")));
    m_down->SetAllowTimer(true);
    m_focused = m_up;
    m_up->SetFocusRect(true); // drawn only while the pair has the focus
    connect(m_up, &TTimerSpeedButton::OnClick, this, &TSpinButton::OnUpClick);
    connect(m_down, &TTimerSpeedButton::OnClick, this, &TSpinButton::OnDownClick);
    connect(m_up, &TTimerSpeedButton::OnMouseDown, this, [this] { buttonPressed(m_up); });
    connect(m_down, &TTimerSpeedButton::OnMouseDown, this, [this] { buttonPressed(m_down); });
    SetBounds(0, 0, 20, 25);
}

bool TSpinButton::canTakeFocus() const
{
    return isEnabled() && isVisible() && focusPolicy() != Qt::NoFocus;
}

void TSpinButton::SetTabStop(bool v)
{
    TControl::SetTabStop(v);
    if (v)
        setFocusPolicy(Qt::StrongFocus);
}

void TSpinButton::SetFocusedButton(TTimerSpeedButton *button)
{
    if (!TabStop() || !canTakeFocus() || button == m_focused)
        return;
    m_focused->SetFocusRect(false);
    m_focused = button;
    m_focused->SetFocusRect(true);
}

void TSpinButton::buttonPressed(TTimerSpeedButton *button)
{
    SetFocusedButton(button);
    QWidget *target = m_focusControl;
    auto *targetControl = qobject_cast<TControl *>(target);
    QWidget *focusTarget = target && target->focusProxy() ? target->focusProxy() : target;
    const bool targetTakesFocus = focusTarget && (!targetControl || targetControl->TabStop())
                                  && focusTarget->isEnabled() && focusTarget->isVisible()
                                  && focusTarget->focusPolicy() != Qt::NoFocus;
    const bool targetHasFocus = focusTarget && focusTarget->hasFocus();
    if (targetTakesFocus) {
        if (!targetHasFocus)
            target->setFocus(Qt::OtherFocusReason);
    } else if (TabStop() && !hasFocus() && canTakeFocus()) {
        setFocus(Qt::OtherFocusReason);
    }
}

void TSpinButton::placeButtons()
{
    const int upHeight = height() / 2;
    m_up->setGeometry(0, 0, width(), upHeight);
    // One pixel of overlap: the down button starts on the up button's last row.
    m_down->setGeometry(0, upHeight - 1, width(), height() - upHeight + 1);
}

void TSpinButton::SetBounds(int left, int top, int width, int height)
{
    TControl::SetBounds(left, top, std::max(width, kMinimumWidth), height);
    placeButtons();
}

void TSpinButton::resizeEvent(QResizeEvent *e)
{
    TControl::resizeEvent(e);
    if (width() < kMinimumWidth) {
        resize(kMinimumWidth, height());
        return;
    }
    placeButtons();
}

void TSpinButton::keyPressEvent(QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_Space:
        m_focused->Click();
        break;
    case Qt::Key_Up:
        SetFocusedButton(m_up);
        m_up->Click();
        break;
    case Qt::Key_Down:
        SetFocusedButton(m_down);
        m_down->Click();
        break;
    default:
        TControl::keyPressEvent(e);
    }
}

void TSpinButton::focusInEvent(QFocusEvent *e)
{
    TControl::focusInEvent(e);
    m_up->update();
    m_down->update();
}

void TSpinButton::focusOutEvent(QFocusEvent *e)
{
    TControl::focusOutEvent(e);
    m_up->update();
    m_down->update();
}
