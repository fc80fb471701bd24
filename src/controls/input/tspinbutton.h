#pragma once
#include "controls/base/tcontrol.h"

#include <QPixmap>
#include <QPointer>

class QTimer;

// A push button without a window of its own that repeats its click while it is held down:
// 400 ms after the press, then every 100 ms, and once more on release over the button.
class TTimerSpeedButton : public TGraphicControl
{
    Q_OBJECT
public:
    static constexpr int kFirstRepeatMs = 400;
    static constexpr int kRepeatMs = 100;

    explicit TTimerSpeedButton(QWidget *parent = nullptr);
    ~TTimerSpeedButton() override;

    bool AllowTimer() const { return m_allowTimer; }
    void SetAllowTimer(bool v) { m_allowTimer = v; }
    bool FocusRect() const { return m_focusRect; }
    void SetFocusRect(bool v);
    void SetGlyph(const QPixmap &glyph);

    // Drawn down: held with the pointer over it.
    bool IsDown() const { return m_down; }
    bool IsHeld() const { return m_held; }
    // The focus rectangle: the bounds inset by 3, moved by 1 right and down while pressed.
    QRect FocusRectangle() const;

    // Present once the button has been pressed with repeating allowed.
    QTimer *RepeatTimer() const { return m_timer; }
    // What the repeat timer does on each tick.
    void RepeatTimerFired();

public slots:
    void Click();

signals:
    void OnClick();
    void OnMouseDown();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    void setDown(bool down);

    bool m_allowTimer = false;
    bool m_focusRect = false;
    bool m_down = false;
    bool m_held = false;
    QPixmap m_glyph;
    QTimer *m_timer = nullptr;
};

// The up and down button pair at the right edge of a spin edit.
class TSpinButton : public TControl
{
    Q_OBJECT
public:
    static constexpr int kMinimumWidth = 15;

    explicit TSpinButton(QWidget *parent = nullptr);

    TTimerSpeedButton *UpButton() const { return m_up; }
    TTimerSpeedButton *DownButton() const { return m_down; }
    TTimerSpeedButton *FocusedButton() const { return m_focused; }
    // Takes effect only while the pair is a tab stop that can take the focus.
    void SetFocusedButton(TTimerSpeedButton *button);

    QWidget *FocusControl() const { return m_focusControl; }
    void SetFocusControl(QWidget *control) { m_focusControl = control; }

    void SetTabStop(bool v) override;
    void SetBounds(int left, int top, int width, int height) override;

signals:
    void OnUpClick();
    void OnDownClick();

protected:
    void resizeEvent(QResizeEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    void buttonPressed(TTimerSpeedButton *button);
    bool canTakeFocus() const;
    void placeButtons();

    TTimerSpeedButton *m_up;
    TTimerSpeedButton *m_down;
    TTimerSpeedButton *m_focused;
    QPointer<QWidget> m_focusControl;
};
