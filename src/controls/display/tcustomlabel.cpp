#include "tcustomlabel.h"

#include "controls/base/platform.h"
#include "controls/display/large_glyph_text.h"

#include <QApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <optional>
#include <utility>

using dorvane::LabelTextFormat;
using dorvane::toQColor;

namespace {
constexpr int clBtnHighlight = static_cast<int>(0xFF000014u);
constexpr int clBtnShadow = static_cast<int>(0xFF000010u);
} // namespace

TCustomLabel::TCustomLabel(QWidget *parent) : TGraphicControl(parent)
{
    resize(65, 17);
    TControl::SetAutoSize(true); // fitting starts with the first caption, not here
    SetParentColor(true);
    setAttribute(Qt::WA_OpaquePaintEvent, !m_transparent);
    m_captionBefore = Caption();
}

void TCustomLabel::SetAlignment(TAlignment a)
{
    if (a == m_alignment)
        return;
    m_alignment = a;
    update();
}

void TCustomLabel::SetLayout(TTextLayout l)
{
    if (l == m_layout)
        return;
    m_layout = l;
    update();
}

void TCustomLabel::SetWordWrap(bool v)
{
    if (v == m_wordWrap)
        return;
    m_wordWrap = v;
    textLayoutChanged();
}

void TCustomLabel::SetShowAccelChar(bool v)
{
    if (v == m_showAccelChar)
        return;
    m_showAccelChar = v;
    textLayoutChanged();
}

void TCustomLabel::SetTransparent(bool v)
{
    if (v == m_transparent)
        return;
    m_transparent = v;
    setAttribute(Qt::WA_OpaquePaintEvent, !v);
    update();
}

void TCustomLabel::SetAutoSize(bool v)
{
    if (v == AutoSize())
        return;
    TControl::SetAutoSize(v);
    AdjustBounds();
}

void TCustomLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

LabelTextFormat TCustomLabel::TextFormat() const
{
    LabelTextFormat format;
    format.horizontal = m_alignment == taRightJustify ? Qt::AlignRight
                        : m_alignment == taCenter   ? Qt::AlignHCenter
                                                    : Qt::AlignLeft;
    format.wordWrap = m_wordWrap;
    format.showAccelChar = m_showAccelChar;
    return format;
}

void TCustomLabel::AdjustBounds()
{
    if (!AutoSize() || IsLoading())
        return;
    const QString text = dorvane::textToMeasure(Caption(), m_showAccelChar);
    const QRect measured = dorvane::measureLabelText(Font()->toQFont(), rect(), text, TextFormat());
    const QRect bounds = dorvane::autoSizedBounds(geometry(), measured.size(), m_alignment == taRightJustify);
    if (bounds != geometry())
        SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
}

QRect TCustomLabel::TextRect() const
{
    return textRectFor(Caption());
}

QRect TCustomLabel::textRectFor(const QString &caption) const
{
    QRect area = rect();
    if (m_layout != tlTop) {
        const QRect block = dorvane::measureLabelText(Font()->toQFont(), area, caption, TextFormat());
        area.translate(0, dorvane::layoutShift(static_cast<dorvane::TextLayout>(m_layout), height(),
                                               block.bottom() + 1));
    }
    return area;
}

void TCustomLabel::Click()
{
    emit OnClick();
}

void TCustomLabel::CaptionChanging()
{
    const QString before = std::exchange(m_captionBefore, Caption());
    const QRect boundsBefore = geometry();
    updateAccelerator();
    AdjustBounds();
    // Before the label is on screen there is nothing to spare: it is painted whole when shown.
    if (geometry() != boundsBefore || !isVisible())
        return update();
    // The text at the same place: only the glyphs that changed are repainted, so a tick of the
    // clock's seconds repaints one digit, not the label.
    const QRect area = textRectFor(Caption());
    const std::optional<QRect> changed =
        isEnabled() && area == textRectFor(before)
            ? dorvane::largeGlyphTextChange(*this, paintFont(), area,
                                            dorvane::labelTextFlags(TextFormat()), before, Caption())
            : std::nullopt;
    if (changed)
        update(*changed);
    else
        update();
}

QFont TCustomLabel::paintFont() const
{
    // As a painter takes a font: what it leaves unset from the widget's, at the widget's resolution.
    return QFont(Font()->toQFont().resolve(font()), this);
}

void TCustomLabel::FontChanging()
{
    TGraphicControl::FontChanging();
    AdjustBounds();
}

void TCustomLabel::textLayoutChanged()
{
    updateAccelerator();
    AdjustBounds();
    update();
}

void TCustomLabel::updateAccelerator()
{
    if (m_shortcutId)
        releaseShortcut(m_shortcutId);
    m_shortcutId = 0;
    if (m_showAccelChar) {
        const QKeySequence key = QKeySequence::mnemonic(Caption());
        if (!key.isEmpty())
            m_shortcutId = grabShortcut(key, Qt::WindowShortcut);
    }
}

void TCustomLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_transparent)
        painter.fillRect(rect(), ResolvedColor());
    painter.setClipRect(rect());
    painter.setFont(paintFont());
    const QRect area = TextRect();
    const int flags = dorvane::labelTextFlags(TextFormat());
    if (isEnabled()) {
        painter.setPen(toQColor(Font()->Color(), palette()));
        dorvane::drawLargeGlyphText(painter, area, flags, Caption());
        return;
    }
    painter.setPen(toQColor(clBtnHighlight, palette()));
    dorvane::drawLargeGlyphText(painter, area.translated(1, 1), flags, Caption());
    painter.setPen(toQColor(clBtnShadow, palette()));
    dorvane::drawLargeGlyphText(painter, area, flags, Caption());
}

void TCustomLabel::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        m_pressed = true;
    e->accept();
}

void TCustomLabel::mouseReleaseEvent(QMouseEvent *e)
{
    const bool wasPressed = m_pressed;
    if (e->button() == Qt::LeftButton)
        m_pressed = false;
    if (e->button() == Qt::LeftButton && wasPressed && rect().contains(e->position().toPoint()))
        Click();
    e->accept();
}

void TCustomLabel::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        emit OnDblClick();
    mousePressEvent(e);
}

void TCustomLabel::mouseMoveEvent(QMouseEvent *e)
{
    emit OnMouseMove();
    e->accept();
}

bool TCustomLabel::event(QEvent *e)
{
    // The accelerator of a caption focuses the label's companion control.
    if (e->type() == QEvent::Shortcut && m_focusControl && m_focusControl->isEnabled()) {
        m_focusControl->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return TGraphicControl::event(e);
}

TJvLabel::TJvLabel(QWidget *parent) : TLabel(parent), m_hotTrackFont(new TFont(this))
{
    m_hotTrackFont->SetName(QStringLiteral("MS Shell Dlg 2"));
    m_hotTrackFont->SetHeight(-11);
}

void TJvLabel::MouseEnter()
{
    if (m_mouseInside)
        return;
    QPalette tips = QToolTip::palette();
    m_savedTooltipColour = tips.color(QPalette::ToolTipBase);
    tips.setColor(QPalette::ToolTipBase, toQColor(m_hintColor, QToolTip::palette()));
    QToolTip::setPalette(tips);
    if (m_hotTrack) {
        m_normalFont.Assign(*Font());
        m_normalParentFont = ParentFont();
        Font()->Assign(*m_hotTrackFont);
        m_fontSwapped = true;
    }
    m_mouseInside = true;
    emit OnMouseEnter();
}

void TJvLabel::MouseLeave()
{
    if (!m_mouseInside)
        return;
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, m_savedTooltipColour);
    QToolTip::setPalette(tips);
    if (m_fontSwapped) {
        Font()->Assign(m_normalFont);
        SetParentFont(m_normalParentFont);
        m_fontSwapped = false;
    }
    m_mouseInside = false;
    emit OnMouseLeave();
}

void TJvLabel::enterEvent(QEnterEvent *e)
{
    TLabel::enterEvent(e);
    MouseEnter();
}

void TJvLabel::leaveEvent(QEvent *e)
{
    TLabel::leaveEvent(e);
    MouseLeave();
}

void TJvLabel::ColorChanging()
{
    TLabel::ColorChanging();
    if (ParentColor())
        emit OnParentColorChange(); // the colour came down from the parent
}
