#pragma once
#include "controls/base/tcontrol.h"
#include "look_and_feel.h"

#include <QPushButton>

class TcxButton;

namespace dorvane::display {

// The platform push button inside a TcxButton: it takes the focus before a press counts, clicks
// on Enter only when the button is the active one, and reports its clicks to its owner.
class NativePushButton final : public QPushButton
{
    Q_OBJECT
public:
    explicit NativePushButton(TcxButton *owner);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool event(QEvent *e) override;

private:
    TcxButton *m_owner;
};

} // namespace dorvane::display

// A push button: the platform's own button, its clicks made by the mouse (focus first, then
// press and release inside), Space, Enter on the active button, Escape on a Cancel button, an
// "&" accelerator, or code. Every click goes through Click().
class TcxButton : public TControl
{
    Q_OBJECT
    Q_PROPERTY(TcxButtonKind Kind READ Kind WRITE SetKind)
    Q_PROPERTY(dorvane::display::LookAndFeel *LookAndFeel READ LookAndFeel)
    Q_PROPERTY(bool UseSystemPaint READ UseSystemPaint WRITE SetUseSystemPaint)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)

public:
    enum TcxButtonKind { cxbkStandard, cxbkDropDown, cxbkDropDownButton };
    Q_ENUM(TcxButtonKind)

    explicit TcxButton(QWidget *parent = nullptr);

    TcxButtonKind Kind() const { return m_kind; }
    void SetKind(TcxButtonKind k) { m_kind = k; }
    dorvane::display::LookAndFeel *LookAndFeel() const { return m_lookAndFeel; }
    bool UseSystemPaint() const { return m_useSystemPaint; }
    void SetUseSystemPaint(bool v) { m_useSystemPaint = v; }
    bool Default() const { return m_default; }
    void SetDefault(bool v);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool v) { m_cancel = v; }
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int v) { m_modalResult = v; }
    void SetTabStop(bool v) override;

    // The click operation: the button's modal result goes to its window, then OnClick fires.
    // Moves no focus and paints nothing.
    Q_INVOKABLE void Click();
    // True while this is the button that Enter would click.
    bool IsActive() const { return m_active; }
    bool CanFocus() const;
    QPushButton *NativeButton() const { return m_button; }

signals:
    void OnClick();

protected:
    void CaptionChanging() override;
    void resizeEvent(QResizeEvent *e) override;

private:
    friend class dorvane::display::NativePushButton;
    void updateActive();
    void nativeClicked();
    // The press on a button without the focus: focus first, with clicks disabled meanwhile.
    bool takeFocusForPress();

    dorvane::display::NativePushButton *m_button;
    dorvane::display::LookAndFeel *m_lookAndFeel;
    TcxButtonKind m_kind = cxbkStandard;
    bool m_useSystemPaint = true;
    bool m_default = false;
    bool m_cancel = false;
    int m_modalResult = 0;
    bool m_active = false;
    bool m_clicksDisabled = false;
};

namespace dorvane {
// Enter with the focus on a control that leaves it unhandled clicks the window's Default button;
// Escape clicks its Cancel button. Installed once, with the first button.
void installDialogKeys();
} // namespace dorvane
