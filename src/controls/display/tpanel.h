#pragma once
#include "controls/base/tcontrol.h"

// A plain container with a bevelled edge (raised by default) and an optional centred caption;
// the window's footer strip.
class TPanel : public TControl
{
    Q_OBJECT
    Q_PROPERTY(TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)

public:
    enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
    Q_ENUM(TBevelCut)

    explicit TPanel(QWidget *parent = nullptr);

    TBevelCut BevelOuter() const { return m_outer; }
    void SetBevelOuter(TBevelCut b);
    TBevelCut BevelInner() const { return m_inner; }
    void SetBevelInner(TBevelCut b);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int w);
    // The area inside the bevels.
    QRect InnerRect() const;

protected:
    void CaptionChanging() override { update(); }
    void paintEvent(QPaintEvent *e) override;

private:
    TBevelCut m_outer = bvRaised;
    TBevelCut m_inner = bvNone;
    int m_bevelWidth = 1;
};
