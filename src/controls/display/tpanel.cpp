#include "tpanel.h"

#include "controls/base/platform.h"

#include <QPainter>
#include <qdrawutil.h>

TPanel::TPanel(QWidget *parent) : TControl(parent)
{
    resize(185, 41);
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetParentColor(true);
}

void TPanel::SetBevelOuter(TBevelCut b)
{
    m_outer = b;
    update();
}

void TPanel::SetBevelInner(TBevelCut b)
{
    m_inner = b;
    update();
}

void TPanel::SetBevelWidth(int w)
{
    m_bevelWidth = std::max(1, w);
    update();
}

QRect TPanel::InnerRect() const
{
    int inset = 0;
    for (TBevelCut cut : {m_outer, m_inner})
        if (cut != bvNone)
            inset += m_bevelWidth;
    return rect().adjusted(inset, inset, -inset, -inset);
}

void TPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), ResolvedColor());
    QRect edge = rect();
    for (TBevelCut cut : {m_outer, m_inner}) {
        if (cut == bvNone)
            continue;
        if (cut != bvSpace)
            qDrawShadePanel(&painter, edge, palette(), cut == bvLowered, m_bevelWidth);
        edge.adjust(m_bevelWidth, m_bevelWidth, -m_bevelWidth, -m_bevelWidth);
    }
    if (!Caption().isEmpty()) {
        painter.setFont(Font()->toQFont());
        painter.setPen(dorvane::toQColor(Font()->Color(), palette()));
        painter.drawText(InnerRect(), Qt::AlignCenter | Qt::TextShowMnemonic, Caption());
    }
}
