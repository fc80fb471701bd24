#include "tcxbutton.h"

#include "controls/base/focus_walk.h"
#include "controls/base/published.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

bool plainKey(const QKeyEvent *e)
{
    return !(e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
}

bool isEnter(const QKeyEvent *e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// Sees the keys that the focused control and its parents left unhandled when they reach the window.
class DialogKeys final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        auto *window = qobject_cast<QWidget *>(watched);
        auto *key = static_cast<QKeyEvent *>(e);
        if (!window || !window->isWindow() || !plainKey(key))
            return false;
        const bool enter = isEnter(key);
        if (!enter && key->key() != Qt::Key_Escape)
            return false;
        for (TcxButton *button : window->findChildren<TcxButton *>()) {
            if (button->window() != window || !button->CanFocus())
                continue;
            if (enter ? button->IsActive() : button->Cancel()) {
                button->Click();
                return true;
            }
        }
        return false;
    }
};

} // namespace

namespace dorvane {

void installDialogKeys()
{
    static DialogKeys *instance = nullptr;
    if (!instance && qApp) {
        instance = new DialogKeys(qApp);
        qApp->installEventFilter(instance);
    }
}

} // namespace dorvane

namespace dorvane::display {

NativePushButton::NativePushButton(TcxButton *owner) : QPushButton(owner), m_owner(owner)
{
    setAutoDefault(false);
}

void NativePushButton::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && !hasFocus() && !m_owner->takeFocusForPress()) {
        e->accept(); // the focus went elsewhere: no pressed look, no click
        return;
    }
    QPushButton::mousePressEvent(e);
}

void NativePushButton::mouseDoubleClickEvent(QMouseEvent *e)
{
    mousePressEvent(e); // a quick second click is a click of its own
}

void NativePushButton::keyPressEvent(QKeyEvent *e)
{
    if (isEnter(e)) {
        if (!plainKey(e)) {
            e->ignore();
            return;
        }
        if (m_owner->IsActive() && m_owner->CanFocus())
            m_owner->Click();
        e->accept();
        return;
    }
    QPushButton::keyPressEvent(e);
}

bool NativePushButton::event(QEvent *e)
{
    if (e->type() == QEvent::Shortcut) {
        // The caption's "&" letter clicks at once, as the platform button does.
        if (!static_cast<QShortcutEvent *>(e)->isAmbiguous() && m_owner->CanFocus())
            m_owner->Click();
        else if (m_owner->CanFocus())
            setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return QPushButton::event(e);
}

} // namespace dorvane::display

TcxButton::TcxButton(QWidget *parent)
    : TControl(parent), m_button(new dorvane::display::NativePushButton(this)),
      m_lookAndFeel(new dorvane::display::LookAndFeel(this))
{
    resize(75, 25);
    m_button->setGeometry(rect());
    setFocusProxy(m_button);
    SetTabStop(true);
    connect(m_button, &QPushButton::clicked, this, &TcxButton::nativeClicked);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now) // deactivating the window changes no focus inside it
            updateActive();
    });
    dorvane::installDialogKeys();
    updateActive();
}

void TcxButton::SetDefault(bool v)
{
    if (v == m_default)
        return;
    m_default = v;
    updateActive();
}

void TcxButton::SetTabStop(bool v)
{
    TControl::SetTabStop(v);
    setFocusPolicy(Qt::NoFocus); // the native button is the one in the tab chain
    m_button->setFocusPolicy(v ? Qt::TabFocus : Qt::NoFocus);
}

bool TcxButton::CanFocus() const
{
    return isEnabled() && isVisible();
}

void TcxButton::Click()
{
    if (QWidget *form = window(); form && form != this && dorvane::hasPublishedProperty(form, QStringLiteral("ModalResult")))
        dorvane::writePublished(form, QStringLiteral("ModalResult"), m_modalResult);
    emit OnClick();
}

bool TcxButton::takeFocusForPress()
{
    QWidget *form = window();
    m_clicksDisabled = true;
    if (form->isActiveWindow())
        m_button->setFocus(Qt::MouseFocusReason);
    else
        dorvane::FocusWalk::focusInInactiveWindow(m_button, Qt::MouseFocusReason);
    m_clicksDisabled = false;
    if (m_button->hasFocus())
        return true;
    // A window that is not active yet shows its focus once it activates, which may come after
    // the press; the press counts as long as no exit handler sent the focus elsewhere.
    return !form->isActiveWindow() && form->focusWidget() == m_button;
}

void TcxButton::nativeClicked()
{
    if (!m_clicksDisabled)
        Click();
}

void TcxButton::updateActive()
{
    QWidget *focus = QApplication::focusWidget();
    TcxButton *focusedButton = nullptr;
    if (auto *native = qobject_cast<dorvane::display::NativePushButton *>(focus); native && native->window() == window())
        focusedButton = qobject_cast<TcxButton *>(native->parentWidget());
    m_active = focusedButton ? focusedButton == this : m_default;
    m_button->setDefault(m_active);
}

void TcxButton::CaptionChanging()
{
    m_button->setText(Caption());
}

void TcxButton::resizeEvent(QResizeEvent *e)
{
    TControl::resizeEvent(e);
    m_button->setGeometry(rect());
}
