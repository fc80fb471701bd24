#pragma once
#include "controls/base/tcontrol.h"
#include "label_text.h"

#include <QPointer>

// A windowless caption drawn on its parent's surface: opaque fill in `Color` unless
// `Transparent`, the caption placed by `Alignment` and `Layout`, clipped to the label, and
// bounds fitted to the text while `AutoSize` is on. Shared by plain, digit and link labels.
class TCustomLabel : public TGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(TTextLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(QWidget *FocusControl READ FocusControl WRITE SetFocusControl)

public:
    enum TAlignment { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)
    enum TTextLayout { tlTop, tlCenter, tlBottom };
    Q_ENUM(TTextLayout)

    explicit TCustomLabel(QWidget *parent = nullptr);

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment a);
    TTextLayout Layout() const { return m_layout; }
    void SetLayout(TTextLayout l);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool v);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool v);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool v);
    QWidget *FocusControl() const { return m_focusControl; }
    void SetFocusControl(QWidget *w) { m_focusControl = w; }

    void SetAutoSize(bool v) override;
    void Loaded() override;

    // Fits the bounds to the caption in the current font (when auto-sizing and not loading).
    void AdjustBounds();
    // Where the caption is drawn in client coordinates, after the vertical layout shift.
    QRect TextRect() const;
    dorvane::LabelTextFormat TextFormat() const;

    // The click operation behind a left press released inside the label.
    virtual void Click();

signals:
    void OnClick();
    void OnDblClick();
    void OnMouseMove();

protected:
    void CaptionChanging() override;
    void FontChanging() override;
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    bool event(QEvent *e) override;

private:
    void textLayoutChanged();
    void updateAccelerator();
    QRect textRectFor(const QString &caption) const;
    // The caption's font as the paint draws it, so that what a caption change works out is
    // laid out as the paint lays it out.
    QFont paintFont() const;

    TAlignment m_alignment = taLeftJustify;
    TTextLayout m_layout = tlTop;
    bool m_wordWrap = false;
    bool m_showAccelChar = true;
    bool m_transparent = false;
    bool m_pressed = false;
    int m_shortcutId = 0;
    QPointer<QWidget> m_focusControl;
    QString m_captionBefore; // as last asked to be repainted
};

// The window's plain static text label.
class TLabel : public TCustomLabel
{
    Q_OBJECT
public:
    explicit TLabel(QWidget *parent = nullptr) : TCustomLabel(parent) {}
};

// The big-digit label: a plain label that can swap to a hot-track font and the application's
// tooltip colour while the mouse is over it.
class TJvLabel : public TLabel
{
    Q_OBJECT
    Q_PROPERTY(bool HotTrack READ HotTrack WRITE SetHotTrack)
    Q_PROPERTY(TFont *HotTrackFont READ HotTrackFont)
    Q_PROPERTY(int HintColor READ HintColor WRITE SetHintColor)

public:
    explicit TJvLabel(QWidget *parent = nullptr);

    bool HotTrack() const { return m_hotTrack; }
    void SetHotTrack(bool v) { m_hotTrack = v; }
    TFont *HotTrackFont() const { return m_hotTrackFont; }
    int HintColor() const { return m_hintColor; }
    void SetHintColor(int c) { m_hintColor = c; }
    bool MouseInside() const { return m_mouseInside; }

    // Entry and exit of the mouse, as the windowing layer reports them.
    void MouseEnter();
    void MouseLeave();

signals:
    void OnMouseEnter();
    void OnMouseLeave();
    void OnParentColorChange();

protected:
    void enterEvent(QEnterEvent *e) override;
    void leaveEvent(QEvent *e) override;
    void ColorChanging() override;

private:
    bool m_hotTrack = false;
    TFont *m_hotTrackFont;
    int m_hintColor = static_cast<int>(0xFF000018u); // clInfoBk
    bool m_mouseInside = false;
    TFont m_normalFont;
    bool m_fontSwapped = false;
    bool m_normalParentFont = true;
    QColor m_savedTooltipColour;
};
