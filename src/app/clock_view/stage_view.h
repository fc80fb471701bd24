#pragma once
#include "app/clock_view/line_fit.h"
#include "app/commands/clock_status.h"
#include "settings/view_settings.h"

#include <QColor>
#include <QWidget>
#include <optional>

namespace dorvane {

// The picture of the clock view: the whole view in the clock's colour and the time on it in one
// line, as large as it fits, with what the options add: the direction marker, the message to the
// speaker, the time of day in a corner, a progress bar along the bottom edge, the time past the
// end. A blank screen is black and nothing else. It only draws what it is given.
class StageView final : public QWidget
{
    Q_OBJECT
public:
    // Each side keeps this share of the view free.
    static constexpr qreal Margin = 0.04;

    explicit StageView(QWidget *parent = nullptr);

    void SetStatus(const ClockStatus &status);
    // The clock's colour behind the digits, which is its colour for `cue`.
    void SetClockColour(const QColor &colour, ClockStatus::Cue cue);
    void SetDigitColours(const DigitColours &digits);
    void SetOptions(const StageOptions &options);
    // Seconds since a count-down ran out; none while it has not.
    void SetOvertime(std::optional<int> seconds);
    void SetTimeOfDay(const QString &text);
    // Off for the dark half of a message's flash.
    void SetMessageShown(bool shown);
    // A "Paused" badge in the marker's place, while a started count is stopped.
    void SetPaused(bool paused);

    const StageOptions &Options() const { return m_options; }
    // What is drawn: the big line ("4:38", "+0:42", the time of day alone), its ink, the colours.
    QString LineText() const { return m_line.text; }
    QRectF LineInk() const;
    QColor Background() const;
    QColor DigitColour() const;
    bool Blank() const { return m_status.blank; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Line
    {
        QString text;
        QString shape;
    };
    // Where everything goes in the view as it is now.
    struct Picture
    {
        QRectF lineRoom;
        LineFit line;
        QRectF marker;
        QRectF badge;
        QFont badgeFont;
        QRectF message;
        QFont messageFont;
        QRectF timeOfDay;
        QFont timeOfDayFont;
        QRectF progressTrack;
    };

    Line lineNow() const;
    bool showsClock() const;
    bool overtimeShown() const;
    // The share of the allowance used; none without an allowance.
    std::optional<qreal> progress() const;
    // Lays the picture out again and repaints it whole.
    void relayout();
    // A change of the line alone: only the characters that changed are repainted.
    void lineChanged();
    void progressChanged(std::optional<qreal> before);
    // What a screen reader says of the view.
    void describe();
    void paintMarker(QPainter &painter, const QColor &ink) const;

    ClockStatus m_status;
    QColor m_background = Qt::white;
    ClockStatus::Cue m_cue = ClockStatus::Cue::Normal;
    DigitColours m_digits{true, 0, 0, 0};
    StageOptions m_options;
    std::optional<int> m_overtime;
    QString m_timeOfDay;
    bool m_messageShown = true;
    bool m_paused = false;
    Line m_line;
    Picture m_picture;
    QFont m_font;
};

} // namespace dorvane
