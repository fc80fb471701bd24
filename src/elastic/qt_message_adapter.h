#pragma once
#include "elastic_messages.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class TElasticForm;
class QScreen;
class QResizeEvent;
class QWindowStateChangeEvent;

namespace dorvane {

// Translates the form's Qt events into the elastic layout's window messages and hands them to
// the component. It only observes: every event goes on to the form, except a background paint
// the component did itself.
//
// Qt on most desktops does not report the start and end of an interactive resize, so a burst
// of resize events from the window system (not caused by the program) counts as one drag,
// which ends after a short quiet period.
//
// A window manager frames the window only after it is shown: the window's frame tracker tells
// when the frame is known or changes, and the layout then follows the real frame before it is drawn.
class QtMessageAdapter final : public QObject
{
    Q_OBJECT
public:
    static constexpr int DragQuietMs = 250;

    explicit QtMessageAdapter(TElasticForm *component);

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Off: events reach the form untranslated (tests feed messages by hand).
    void SetTranslating(bool on) { m_translating = on; }
    bool IsDragging() const { return m_dragging; }
    // Ends the current drag now, as the quiet period would.
    void FinishDrag();
    // Reports a resize the window system made, as an interactive drag step.
    void UserResized(QSize oldClientSize);
    // The limits last written into the form.
    MinMaxInfo AppliedLimits() const { return m_applied; }
    // The frame (width and height it adds) the form was last placed and laid out for.
    QSize FrameInLayout() const { return m_frameInLayout; }
    QTimer &DragQuietTimer() { return m_quiet; }

private:
    bool send(ElasticMessageId id, quintptr wParam = 0);
    quintptr sizeKind() const;
    void onResize(const QResizeEvent *event);
    void onWindowStateChange(const QWindowStateChangeEvent *event);
    bool onPaint();
    void watchScreen();
    void checkFrame();
    void updateLimits();

    TElasticForm *m_component;
    QTimer m_quiet;
    bool m_translating = true;
    bool m_dragging = false;
    bool m_activated = false;
    bool m_stateJustChanged = false;
    bool m_applyingLimits = false;
    MinMaxInfo m_applied;
    QSize m_appliedFrame;
    QSize m_frameInLayout;
    QPointer<QScreen> m_screen;
    QMetaObject::Connection m_screenConnection;
};

} // namespace dorvane
