#pragma once
#include "engine/clock_state.h"
#include "engine/colour.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;
class TMainForm;
class TClockViewForm;

namespace dorvane {

class ClockViewController;
class SpokenNotice;

// Tells a screen reader the moments of the clock that matter while the focus is anywhere:
// started; stopped, with the time shown; reset, with the new time; the points the voice speaks
// at, whether or not the voice is on; time up; the colour change. Never a plain tick. F9 in
// either window says the time shown, in words.
class ClockAnnouncer final : public QObject
{
    Q_OBJECT
public:
    ClockAnnouncer(TMainForm &mainForm, ClockViewController &clockView);

    // Says the time the digits show, as F9 does.
    void SayTimeShown();
    // Says `text` through the active window, once the main window shows.
    void Say(const QString &text);
signals:
    // Each text as it is said.
    void Said(const QString &text);

private:
    struct Moment
    {
        bool running = false;
        std::int32_t elapsed = 0;
        ColourValue colour = 0;
    };

    void attachTo(QWidget *window);
    void clockChanged();
    void wasReset();
    Moment now() const;
    QString colourName(ColourValue colour) const;

    TMainForm &m_mainForm;
    ClockViewController &m_clockView;
    SpokenNotice *m_mainNotice;
    QPointer<SpokenNotice> m_viewNotice;
    Moment m_last;
};

} // namespace dorvane
