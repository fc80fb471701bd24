#include "tcxlabel.h"

#include "arrow_glyphs.h"
#include "controls/base/platform.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

using dorvane::toQColor;

namespace dorvane::display {

LabelStyle::LabelStyle(QObject *parent) : QObject(parent), m_font(new TFont(this))
{
    connect(m_font, &TFont::Changed, this, [this] {
        if (!m_following)
            m_fontAssigned = true;
        emit Changed();
    });
}

void LabelStyle::SetColor(int colour)
{
    if (m_colorAssigned && colour == m_color)
        return;
    m_color = colour;
    m_colorAssigned = true;
    emit Changed();
}

void LabelStyle::FollowFont(const TFont &source)
{
    if (m_fontAssigned)
        return;
    m_following = true;
    m_font->Assign(source);
    m_following = false;
}

void LabelAlignment::SetHorz(THorz h)
{
    if (h == m_horz)
        return;
    m_horz = h;
    emit Changed();
}

void LabelAlignment::SetVert(TVert v)
{
    if (v == m_vert)
        return;
    m_vert = v;
    emit Changed();
}

int LabelAlignment::QtFlags() const
{
    const int horz = m_horz == taRightJustify ? Qt::AlignRight : m_horz == taCenter ? Qt::AlignHCenter : Qt::AlignLeft;
    const int vert = m_vert == taBottomJustify ? Qt::AlignBottom : m_vert == taVCenter ? Qt::AlignVCenter : Qt::AlignTop;
    return horz | vert;
}

LabelProperties::LabelProperties(QObject *parent) : QObject(parent), m_alignment(new LabelAlignment(this))
{
    connect(m_alignment, &LabelAlignment::Changed, this, &LabelProperties::Changed);
}

void LabelProperties::set(bool &field, bool v)
{
    if (field == v)
        return;
    field = v;
    emit Changed();
}

void LabelProperties::SetWordWrap(bool v) { set(m_wordWrap, v); }
void LabelProperties::SetTransparent(bool v) { set(m_transparent, v); }
void LabelProperties::SetShowAccelChar(bool v) { set(m_showAccelChar, v); }
void LabelProperties::SetShowEndEllipsis(bool v) { set(m_showEndEllipsis, v); }

} // namespace dorvane::display

TcxLabel::TcxLabel(QWidget *parent)
    : TControl(parent), m_style(new dorvane::display::LabelStyle(this)),
      m_properties(new dorvane::display::LabelProperties(this))
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    TControl::SetAutoSize(true);
    SetParentColor(true);
    m_style->FollowFont(*Font());
    connect(m_style, &dorvane::display::LabelStyle::Changed, this, &TcxLabel::lookChanged);
    connect(m_properties, &dorvane::display::LabelProperties::Changed, this, &TcxLabel::lookChanged);
}

void TcxLabel::SetTabStop(bool v)
{
    TControl::SetTabStop(v);
    setFocusPolicy(Qt::NoFocus); // keeps its tab position, never the focus
}

void TcxLabel::SetAutoSize(bool v)
{
    if (v == AutoSize())
        return;
    TControl::SetAutoSize(v);
    AdjustBounds();
}

void TcxLabel::Loaded()
{
    TControl::Loaded();
    AdjustBounds();
}

QColor TcxLabel::BackgroundColour() const
{
    if (!m_style->ColorAssigned() && ParentColor())
        return ResolvedColor();
    return toQColor(m_style->Color(), palette());
}

int TcxLabel::textFlags() const
{
    int flags = m_properties->Alignment()->QtFlags();
    if (m_properties->WordWrap())
        flags |= Qt::TextWordWrap;
    if (m_properties->ShowAccelChar())
        flags |= Qt::TextShowMnemonic;
    return flags;
}

void TcxLabel::AdjustBounds()
{
    if (!AutoSize() || IsLoading())
        return;
    const QFontMetrics metrics(m_style->Font()->toQFont());
    const QString text = Caption().isEmpty() ? QStringLiteral(" ") : Caption();
    const int room = m_properties->WordWrap() ? std::max(1, width()) : (1 << 20);
    const QSize needed = metrics.boundingRect(QRect(0, 0, room, 1 << 20), textFlags() & ~Qt::AlignVertical_Mask, text).size();
    if (needed != size())
        SetBounds(Left(), Top(), needed.width(), needed.height());
}

void TcxLabel::lookChanged()
{
    setAttribute(Qt::WA_OpaquePaintEvent, !m_properties->Transparent());
    m_stale = true;
    AdjustBounds();
    update();
}

void TcxLabel::CaptionChanging()
{
    lookChanged();
}

void TcxLabel::ColorChanging()
{
    if (!m_style->ColorAssigned())
        lookChanged();
}

void TcxLabel::FontChanging()
{
    TControl::FontChanging();
    m_style->FollowFont(*Font());
}

void TcxLabel::resizeEvent(QResizeEvent *e)
{
    m_stale = true;
    TControl::resizeEvent(e);
}

void TcxLabel::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::EnabledChange || e->type() == QEvent::PaletteChange)
        m_stale = true;
    TControl::changeEvent(e);
}

void TcxLabel::render()
{
    const qreal ratio = devicePixelRatioF();
    m_picture = QPixmap(size() * ratio);
    m_picture.setDevicePixelRatio(ratio);
    const bool transparent = m_properties->Transparent();
    m_picture.fill(transparent ? QColor(Qt::transparent) : BackgroundColour());
    ++m_renderCount;
    m_stale = false;
    if (Caption().isEmpty())
        return;

    QPainter painter(&m_picture);
    const QFont font = m_style->Font()->toQFont();
    painter.setFont(font);
    painter.setPen(isEnabled() ? toQColor(m_style->Font()->Color(), palette())
                               : palette().color(QPalette::Disabled, QPalette::Text));
    const QRect area = rect();
    if (const QChar arrow = dorvane::substituteArrow(Caption(), font); !arrow.isNull()) {
        dorvane::drawSubstitutedArrow(painter, area, textFlags(), arrow, font);
        return;
    }
    QString text = Caption();
    if (m_properties->ShowEndEllipsis() && !m_properties->WordWrap())
        text = QFontMetrics(font).elidedText(text, Qt::ElideRight, area.width(), textFlags());
    painter.drawText(area, textFlags(), text);
}

void TcxLabel::paintEvent(QPaintEvent *)
{
    if (m_stale || m_properties->Transparent() || m_picture.deviceIndependentSize().toSize() != size())
        render();
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}
