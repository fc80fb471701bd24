#pragma once
#include "tcontrol.h"

// A top-level window built from a layout description. Its bounds are outer bounds on the
// screen; its client area is the widget itself.
class TForm : public TControl
{
    Q_OBJECT
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight)
    Q_PROPERTY(TPosition Position READ Position WRITE SetPosition)
    Q_PROPERTY(bool Scaled READ Scaled WRITE SetScaled)
    Q_PROPERTY(int PixelsPerInch READ PixelsPerInch WRITE SetPixelsPerInch)
    Q_PROPERTY(int TextHeight READ TextHeight WRITE SetTextHeight)
    Q_PROPERTY(bool DoubleBuffered READ DoubleBuffered WRITE SetDoubleBuffered)

public:
    enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
                     poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
    Q_ENUM(TPosition)
    enum TWindowState { wsNormal, wsMinimized, wsMaximized };
    Q_ENUM(TWindowState)

    explicit TForm(QWidget *parent = nullptr);

    QRect BoundsRect() const override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetClientWidth(int w) { resize(w, height()); }
    void SetClientHeight(int h) { resize(width(), h); }
    // Width and height the frame adds around the client area. Until the window system has
    // framed the window, the frame the layout was designed with.
    QSize FrameExtra() const;
    // The frame around the client area, or until it is known the design frame.
    QMargins Frame() const;
    // Whether the window system has put its frame around the window (never, on a platform
    // without window frames).
    bool FrameKnown() const;

    TPosition Position() const { return m_position; }
    void SetPosition(TPosition p) { m_position = p; }
    bool Scaled() const { return m_scaled; }
    void SetScaled(bool v) { m_scaled = v; }
    int PixelsPerInch() const { return m_pixelsPerInch; }
    void SetPixelsPerInch(int v) { m_pixelsPerInch = v; }
    int TextHeight() const { return m_textHeight; }
    void SetTextHeight(int v) { m_textHeight = v; }
    bool DoubleBuffered() const { return m_doubleBuffered; }
    void SetDoubleBuffered(bool v) { m_doubleBuffered = v; }

    TWindowState WindowState() const;
    void SetWindowState(TWindowState s);
    // The control that holds (or last held) the focus inside this form.
    QWidget *ActiveControl() const;

signals:
    void OnCreate();
    void OnClose();

protected:
    void CaptionChanging() override;
    void ColorChanging() override;
    void paintEvent(QPaintEvent *e) override;

private:
    TPosition m_position = poDesigned;
    bool m_scaled = true;
    int m_pixelsPerInch = 96;
    int m_textHeight = 16;
    bool m_doubleBuffered = false;
    // The frame the layout was designed with: 8 x 27 in all, the title bar on top.
    QMargins m_designFrame{4, 23, 4, 4};
};
