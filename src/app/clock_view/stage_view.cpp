#include "stage_view.h"

#include "app/clock_view/digit_colour.h"
#include "app/clock_view/time_line.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <utility>
#include <algorithm>
#include <cmath>

namespace dorvane {

namespace {

// Shares of the view's height.
constexpr qreal kCornerHeight = 0.07;  // the time of day in its corner
constexpr qreal kMarkerHeight = 0.05;  // the direction marker
constexpr qreal kBadgeHeight = 0.07;   // "Paused", in the marker's place
constexpr qreal kMessageHeight = 0.14; // the message line
constexpr qreal kGap = 0.02;
constexpr qreal kProgressHeight = 0.012;

// The pixel size at which `text` in `font` fills `room` at most, by its advance and its line height.
QFont fittedFont(QFont font, const QString &text, const QSizeF &room)
{
    constexpr int probe = 100;
    font.setPixelSize(probe);
    const QFontMetricsF metrics(font);
    const qreal width = std::max<qreal>(1, metrics.horizontalAdvance(text));
    const qreal height = std::max<qreal>(1, metrics.ascent() + metrics.descent());
    font.setPixelSize(std::max(1, int(std::floor(probe * std::min(room.width() / width, room.height() / height)))));
    return font;
}

} // namespace

StageView::StageView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StageView"));
    // Every pixel is painted here: nothing to clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_font = QFont(QStringLiteral("Arial Narrow"));
    m_font.setBold(true);
    setAccessibleName(QStringLiteral("Clock"));
    relayout();
}

void StageView::SetStatus(const ClockStatus &status)
{
    const std::optional<qreal> progressBefore = progress();
    const ClockStatus before = std::exchange(m_status, status);
    if (before.blank != status.blank || before.message != status.message || before.countingDown != status.countingDown) {
        relayout();
        return;
    }
    if (before.display != status.display || before.allowanceSeconds != status.allowanceSeconds)
        lineChanged();
    if (progressBefore != progress())
        progressChanged(progressBefore);
    describe();
}

void StageView::SetClockColour(const QColor &colour, ClockStatus::Cue cue)
{
    if (colour == m_background && cue == m_cue)
        return;
    m_background = colour;
    m_cue = cue;
    update();
}

void StageView::SetDigitColours(const DigitColours &digits)
{
    if (digits == m_digits)
        return;
    m_digits = digits;
    update();
}

void StageView::SetOptions(const StageOptions &options)
{
    if (options == m_options)
        return;
    m_options = options;
    relayout();
}

void StageView::SetOvertime(std::optional<int> seconds)
{
    if (seconds == m_overtime)
        return;
    const bool wasShown = overtimeShown();
    m_overtime = seconds;
    if (wasShown != overtimeShown())
        relayout();
    else if (overtimeShown())
        lineChanged();
}

void StageView::SetTimeOfDay(const QString &text)
{
    if (text == m_timeOfDay)
        return;
    const QString before = std::exchange(m_timeOfDay, text);
    if (m_options.timeOfDayOnly)
        lineChanged();
    else if (m_options.timeOfDay && text.size() != before.size())
        relayout(); // "9:59 AM" to "10:00 AM": a font for the longer text
    else if (m_options.timeOfDay)
        update(m_picture.timeOfDay.toAlignedRect());
}

void StageView::SetPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    relayout();
}

void StageView::SetMessageShown(bool shown)
{
    if (shown == m_messageShown)
        return;
    m_messageShown = shown;
    update(m_picture.message.toAlignedRect());
}

QRectF StageView::LineInk() const
{
    return m_picture.line.ink;
}

QColor StageView::Background() const
{
    return m_status.blank ? QColor(Qt::black) : m_background;
}

QColor StageView::DigitColour() const
{
    return DigitColourOn(m_digits, m_cue, m_background, palette());
}

bool StageView::showsClock() const
{
    return !m_status.blank && !m_options.timeOfDayOnly;
}

bool StageView::overtimeShown() const
{
    return m_options.overtime && m_overtime.has_value();
}

StageView::Line StageView::lineNow() const
{
    if (m_status.blank)
        return {};
    if (m_options.timeOfDayOnly)
        return {m_timeOfDay, ShapeOf(m_timeOfDay)};
    const TimeLine line = overtimeShown() ? OvertimeLineOf(*m_overtime, m_options.alwaysShowHours)
                                          : TimeLineOf(m_status, m_options.alwaysShowHours);
    return {line.text, line.shape};
}

std::optional<qreal> StageView::progress() const
{
    if (m_status.allowanceSeconds <= 0)
        return std::nullopt;
    const qreal allowance = m_status.allowanceSeconds;
    const qreal used = m_status.countingDown ? allowance - m_status.remainingSeconds : m_status.remainingSeconds;
    return std::clamp(used / allowance, 0.0, 1.0);
}

void StageView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void StageView::relayout()
{
    m_line = lineNow();
    m_picture = Picture();
    const QRectF view = rect();
    const qreal h = view.height();
    const QRectF content = view.adjusted(view.width() * Margin, h * Margin, -view.width() * Margin, -h * Margin);
    if (m_status.blank || content.isEmpty()) {
        update();
        describe();
        return;
    }
    if (m_options.timeOfDayOnly) {
        m_picture.lineRoom = content;
        m_picture.line = FitLine(content, m_line.text, m_font, m_line.shape);
        update();
        describe();
        return;
    }

    const bool marker = m_options.directionMarker && !overtimeShown() && !m_paused;
    const bool message = !m_status.message.isEmpty();
    const qreal top = m_options.timeOfDay ? (kCornerHeight + kGap) * h : 0;
    // The marker's place is the badge's size, so that a pause moves nothing.
    const bool underLine = m_options.directionMarker || m_paused;
    const qreal bottom = ((underLine ? kBadgeHeight + kGap : 0) + (message ? kMessageHeight + kGap : 0)) * h;
    // The same band above and below keeps the time in the middle of the view.
    const qreal band = std::min(std::max(top, bottom), content.height() / 3);
    m_picture.lineRoom = content.adjusted(0, band, 0, -band);
    m_picture.line = FitLine(m_picture.lineRoom, m_line.text, m_font, m_line.shape);

    qreal y = m_picture.line.ink.bottom() + kGap * h;
    if (marker) {
        const qreal size = kMarkerHeight * h;
        m_picture.marker = QRectF(content.center().x() - size * 0.6, y, size * 1.2, size);
    } else if (m_paused) {
        const QString paused = QStringLiteral("Paused");
        QFont font(QStringLiteral("Arial"));
        font.setBold(true);
        const qreal height = kBadgeHeight * h;
        m_picture.badgeFont = fittedFont(font, paused, QSizeF(content.width(), height * 0.75));
        const qreal width = QFontMetricsF(m_picture.badgeFont).horizontalAdvance(paused) + height;
        m_picture.badge = QRectF(content.center().x() - width / 2, y, width, height);
    }
    if (underLine)
        y += (kBadgeHeight + kGap) * h;
    if (message) {
        m_picture.message = QRectF(content.left(), y, content.width(), std::min(kMessageHeight * h, content.bottom() - y));
        QFont font(QStringLiteral("Arial"));
        font.setBold(true);
        m_picture.messageFont = fittedFont(font, m_status.message, m_picture.message.size());
    }
    if (m_options.timeOfDay) {
        m_picture.timeOfDay = QRectF(content.right() - content.width() * 0.4, content.top(), content.width() * 0.4,
                                     kCornerHeight * h);
        m_picture.timeOfDayFont = fittedFont(m_font, m_timeOfDay.isEmpty() ? QStringLiteral("00:00") : m_timeOfDay,
                                             m_picture.timeOfDay.size());
    }
    if (m_options.progressBar) {
        const qreal thickness = std::max<qreal>(3, std::round(kProgressHeight * h));
        m_picture.progressTrack = QRectF(0, h - thickness, view.width(), thickness);
    }
    update();
    describe();
}

void StageView::lineChanged()
{
    const Line line = lineNow();
    if (m_picture.line.origins.isEmpty() || line.shape != m_line.shape || line.text.size() != m_line.text.size()) {
        relayout();
        return;
    }
    // The same shape gives the same size and the same cells: only the characters that changed are
    // drawn again, unless the line moved as a whole.
    const QString before = std::exchange(m_line, line).text;
    const LineFit old = std::exchange(m_picture.line, FitLine(m_picture.lineRoom, line.text, m_font, line.shape));
    const LineFit &now = m_picture.line;
    QRegion dirty;
    for (int i = 0; i < line.text.size(); ++i) {
        if (before[i] == line.text[i]) {
            if (old.origins[i] != now.origins[i]) {
                update();
                return;
            }
            continue;
        }
        // Antialiased edges reach a pixel past the ink.
        dirty += old.cells[i].united(now.cells[i]).adjusted(-2, -2, 2, 2).toAlignedRect();
    }
    update(dirty);
    describe();
}

void StageView::progressChanged(std::optional<qreal> before)
{
    const QRectF track = m_picture.progressTrack;
    if (track.isEmpty())
        return;
    // Only the stretch of the bar between the two ends.
    const qreal from = track.width() * before.value_or(0);
    const qreal to = track.width() * progress().value_or(0);
    update(QRectF(std::min(from, to), track.top(), std::abs(to - from), track.height()).toAlignedRect().adjusted(-1, 0, 1, 0));
}

void StageView::describe()
{
    QString text;
    if (m_status.blank)
        text = QStringLiteral("Blank screen");
    else if (m_options.timeOfDayOnly)
        text = QStringLiteral("Time of day %1").arg(m_line.text);
    else if (overtimeShown())
        text = QStringLiteral("Time is up, %1 over").arg(m_line.text.mid(1));
    else if (m_status.expired && m_status.countingDown)
        text = QStringLiteral("Time is up");
    else
        text = QStringLiteral("%1, counting %2").arg(m_line.text, m_status.countingDown ? QStringLiteral("down")
                                                                                      : QStringLiteral("up"));
    if (!m_status.blank && m_paused)
        text += QStringLiteral(", paused");
    if (!m_status.blank && !m_status.message.isEmpty())
        text += QStringLiteral(". %1").arg(m_status.message);
    if (accessibleDescription() != text)
        setAccessibleDescription(text);
}

void StageView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (m_status.blank) {
        painter.fillRect(event->rect(), Qt::black);
        return;
    }
    for (const QRect &r : event->region())
        painter.fillRect(r, m_background);
    const QColor ink = DigitColour();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(ink);
    painter.setFont(m_picture.line.font);
    // The glyphs are large: only those the region to paint reaches are drawn.
    const QRegion &dirty = event->region();
    for (int i = 0; i < m_picture.line.origins.size() && i < m_line.text.size(); ++i)
        if (dirty.intersects(m_picture.line.cells[i].toAlignedRect().adjusted(-2, -2, 2, 2)))
            painter.drawText(m_picture.line.origins[i], QString(m_line.text[i]));
    if (dirty.intersects(m_picture.marker.toAlignedRect()))
        paintMarker(painter, ink);
    if (dirty.intersects(m_picture.badge.toAlignedRect())) {
        // White on black whatever the clock's colour, as a badge over it.
        painter.fillRect(m_picture.badge, Qt::black);
        painter.setPen(Qt::white);
        painter.setFont(m_picture.badgeFont);
        painter.drawText(m_picture.badge, Qt::AlignCenter, QStringLiteral("Paused"));
        painter.setPen(ink);
    }
    if (m_messageShown && dirty.intersects(m_picture.message.toAlignedRect())) {
        painter.setFont(m_picture.messageFont);
        painter.drawText(m_picture.message, Qt::AlignCenter, m_status.message);
    }
    if (dirty.intersects(m_picture.timeOfDay.toAlignedRect())) {
        painter.setFont(m_picture.timeOfDayFont);
        painter.drawText(m_picture.timeOfDay, Qt::AlignRight | Qt::AlignTop, m_timeOfDay);
    }
    if (const std::optional<qreal> share = progress(); share && dirty.intersects(m_picture.progressTrack.toAlignedRect())) {
        QColor track = ink;
        track.setAlphaF(0.25);
        painter.fillRect(m_picture.progressTrack, track);
        QRectF used = m_picture.progressTrack;
        used.setWidth(used.width() * *share);
        painter.fillRect(used, ink);
    }
}

void StageView::paintMarker(QPainter &painter, const QColor &ink) const
{
    const QRectF r = m_picture.marker;
    QPainterPath arrow;
    if (m_status.countingDown) {
        arrow.moveTo(r.topLeft());
        arrow.lineTo(r.topRight());
        arrow.lineTo(r.center().x(), r.bottom());
    } else {
        arrow.moveTo(r.bottomLeft());
        arrow.lineTo(r.bottomRight());
        arrow.lineTo(r.center().x(), r.top());
    }
    arrow.closeSubpath();
    painter.fillPath(arrow, ink);
}

} // namespace dorvane
