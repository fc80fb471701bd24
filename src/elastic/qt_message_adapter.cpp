#include "qt_message_adapter.h"

#include "controls/base/frame_tracker.h"
#include "elastic_form.h"

#include <QEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>
#include <QWindowStateChangeEvent>

namespace dorvane {

QtMessageAdapter::QtMessageAdapter(TElasticForm *component) : QObject(component), m_component(component)
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(DragQuietMs);
    connect(&m_quiet, &QTimer::timeout, this, &QtMessageAdapter::FinishDrag);
    connect(FrameTracker::Of(component->Form()), &FrameTracker::Changed, this, [this] {
        if (m_translating)
            checkFrame();
    });
}

bool QtMessageAdapter::send(ElasticMessageId id, quintptr wParam)
{
    ElasticMessage message(id, wParam);
    return m_component->FormWndProc(message);
}

quintptr QtMessageAdapter::sizeKind() const
{
    const Qt::WindowStates s = m_component->Form()->windowState();
    if (s & Qt::WindowMinimized)
        return SizeMinimized;
    if (s & Qt::WindowMaximized)
        return SizeMaximized;
    return SizeRestored;
}

bool QtMessageAdapter::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_translating)
        return false;
    if (watched != m_component->Form())
        return false;
    switch (event->type()) {
    case QEvent::Resize:
        onResize(static_cast<QResizeEvent *>(event));
        break;
    case QEvent::Move:
        send(ElasticMessageId::WindowPosChanging);
        break;
    case QEvent::WindowStateChange:
        onWindowStateChange(static_cast<QWindowStateChangeEvent *>(event));
        break;
    case QEvent::Close:
        send(ElasticMessageId::SysCommand, ScClose);
        break;
    case QEvent::Show:
        watchScreen();
        m_frameInLayout = m_component->Form()->FrameExtra();
        send(ElasticMessageId::ShowWindow, 1);
        updateLimits();
        break;
    case QEvent::Hide:
        send(ElasticMessageId::ShowWindow, 0);
        break;
    case QEvent::WindowActivate:
        m_activated = true;
        send(ElasticMessageId::Activate);
        updateLimits();
        break;
    case QEvent::Enter:
        send(ElasticMessageId::SetCursor);
        break;
    case QEvent::Paint:
        return onPaint();
    default:
        break;
    }
    return false;
}

void QtMessageAdapter::onResize(const QResizeEvent *event)
{
    const bool fromWindowSystem = event->spontaneous();
    const bool afterStateChange = m_stateJustChanged;
    m_stateJustChanged = false;
    if (fromWindowSystem && m_activated && !afterStateChange && sizeKind() == SizeRestored && !m_applyingLimits) {
        UserResized(event->oldSize());
        return;
    }
    // Every size change is preceded by a position-changing notice, as on platforms that report both.
    send(ElasticMessageId::WindowPosChanging);
    send(ElasticMessageId::Size, sizeKind());
    updateLimits();
}

void QtMessageAdapter::UserResized(QSize oldClientSize)
{
    if (!m_dragging) {
        m_dragging = true;
        ElasticMessage enter(ElasticMessageId::EnterSizeMove);
        if (oldClientSize.isValid())
            enter.startSize = oldClientSize + m_component->Form()->FrameExtra();
        m_component->FormWndProc(enter);
    }
    send(ElasticMessageId::WindowPosChanging);
    send(ElasticMessageId::Sizing);
    send(ElasticMessageId::Size, sizeKind());
    m_quiet.start();
}

void QtMessageAdapter::FinishDrag()
{
    m_quiet.stop();
    if (!m_dragging)
        return;
    m_dragging = false;
    send(ElasticMessageId::ExitSizeMove);
    updateLimits();
}

void QtMessageAdapter::onWindowStateChange(const QWindowStateChangeEvent *event)
{
    const Qt::WindowStates before = event->oldState();
    const Qt::WindowStates now = m_component->Form()->windowState();
    // Only maximizing and restoring from maximized bring a resize of their own; a window that
    // comes back from the taskbar keeps its size, and the next resize is the user's.
    m_stateJustChanged = (before & Qt::WindowMaximized) != (now & Qt::WindowMaximized);
    if ((now & Qt::WindowMinimized) && !(before & Qt::WindowMinimized))
        send(ElasticMessageId::SysCommand, ScMinimize);
    else if ((now & Qt::WindowMaximized) && !(now & Qt::WindowMinimized) && !(before & Qt::WindowMaximized))
        send(ElasticMessageId::SysCommand, ScMaximize);
    else if (!(now & (Qt::WindowMinimized | Qt::WindowMaximized)) && (before & (Qt::WindowMinimized | Qt::WindowMaximized)))
        send(ElasticMessageId::SysCommand, ScRestore);

    // Coming back from the taskbar brings no resize event here (the client size never changed),
    // yet the component hid the controls for the restore and shows them again only on a size
    // message, as the one other platforms send when a window leaves the minimized state.
    if ((before & Qt::WindowMinimized) && !(now & Qt::WindowMinimized)) {
        send(ElasticMessageId::WindowPosChanging);
        send(ElasticMessageId::Size, sizeKind());
        updateLimits();
    }
}

bool QtMessageAdapter::onPaint()
{
    TForm *form = m_component->Form();
    if (!m_component->paintsBackground()) {
        send(ElasticMessageId::EraseBackground);
        return false;
    }
    QPainter painter(form);
    ElasticMessage message(ElasticMessageId::EraseBackground);
    message.painter = &painter;
    // Not passed on: the picture is the background, the form must not paint over it.
    return !m_component->FormWndProc(message);
}

void QtMessageAdapter::watchScreen()
{
    QScreen *screen = m_component->Form()->screen();
    if (screen == m_screen)
        return;
    disconnect(m_screenConnection);
    m_screen = screen;
    if (screen)
        // A new resolution or screen size; a panel that appears or goes leaves the display as it is.
        m_screenConnection = connect(screen, &QScreen::geometryChanged, this,
                                     [this] { send(ElasticMessageId::DisplayChange); });
}

void QtMessageAdapter::checkFrame()
{
    const QSize frame = m_component->Form()->FrameExtra();
    if (frame == m_frameInLayout)
        return;
    const QSize previous = m_frameInLayout;
    m_frameInLayout = frame;
    m_component->FrameChanged(previous);
    updateLimits();
}

void QtMessageAdapter::updateLimits()
{
    if (m_applyingLimits)
        return;
    MinMaxInfo info;
    ElasticMessage message(ElasticMessageId::GetMinMaxInfo);
    message.minMaxInfo = &info;
    m_component->FormWndProc(message);
    TForm *form = m_component->Form();
    const QSize extra = form->FrameExtra();
    if (info == m_applied && extra == m_appliedFrame)
        return;
    m_applied = info;
    m_appliedFrame = extra;
    // Qt has no tracking record asked for on demand: the limits become the form's own, in
    // client terms.
    m_applyingLimits = true;
    form->setMinimumSize(std::max(0, info.minTrackSize.width() - extra.width()),
                         std::max(0, info.minTrackSize.height() - extra.height()));
    form->setMaximumSize(info.maxTrackSize.width() > 0 ? info.maxTrackSize.width() - extra.width() : QWIDGETSIZE_MAX,
                         info.maxTrackSize.height() > 0 ? info.maxTrackSize.height() - extra.height() : QWIDGETSIZE_MAX);
    m_applyingLimits = false;
}

} // namespace dorvane
