#include "clock_announcer.h"

#include "app/clock_view/clock_fields.h"
#include "app/commands/clock_commands.h"
#include "app/clock_view/clock_view_controller.h"
#include "app/main_window/spoken_notice.h"
#include "app/clock_view/tclockviewform.h"
#include "app/main_window/time_in_words.h"
#include "app/main_window/tmainform.h"
#include "controls/accessible/colour_names.h"
#include "controls/base/published.h"
#include "controls/base/ttimer.h"
#include "controls/display/tcxbutton.h"

#include <QAction>
#include <QStringList>

namespace dorvane {

ClockAnnouncer::ClockAnnouncer(TMainForm &mainForm, ClockViewController &clockView)
    : QObject(&mainForm), m_mainForm(mainForm), m_clockView(clockView), m_mainNotice(new SpokenNotice(&mainForm))
{
    attachTo(&mainForm);
    connect(&m_clockView, &ClockViewController::Created, this, [this](TClockViewForm *form) {
        m_viewNotice = new SpokenNotice(form);
        attachTo(form);
    });
    connect(&m_mainForm.commands(), &ClockCommands::StatusChanged, this, &ClockAnnouncer::clockChanged);
    // Connected after the layout wired the button to its handler: this runs once the reset is done.
    if (auto *reset = qobject_cast<TcxButton *>(m_mainForm.control("btnReset")))
        connect(reset, &TcxButton::OnClick, this, &ClockAnnouncer::wasReset);
    m_last = now();
}

void ClockAnnouncer::attachTo(QWidget *window)
{
    auto *action = new QAction(QStringLiteral("Say the time"), window);
    action->setObjectName(QStringLiteral("actSayTime"));
    action->setShortcut(QKeySequence(Qt::Key_F9));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setStatusTip(QStringLiteral("say the time shown in words, for a screen reader"));
    connect(action, &QAction::triggered, this, &ClockAnnouncer::SayTimeShown);
    window->addAction(action);
}

ClockAnnouncer::Moment ClockAnnouncer::now() const
{
    return {m_mainForm.timer()->Enabled(), m_mainForm.engine().state().ElapsedCount,
            readPublished(m_mainForm.control(kDigitFields[0]), QStringLiteral("Color")).toInt()};
}

QString ClockAnnouncer::colourName(ColourValue colour) const
{
    return accessible::spokenColourName(colour, QString(), m_mainForm.palette());
}

void ClockAnnouncer::clockChanged()
{
    const Moment before = m_last;
    m_last = now();
    const ClockState &state = m_mainForm.engine().state();
    QStringList news;
    if (!before.running && m_last.running)
        news << QStringLiteral("Started");
    const bool ticked = before.running && m_last.elapsed == before.elapsed + 1;
    if (ticked) {
        if (const std::optional<QString> point = AnnouncementText(state))
            news << *point;
        else if (state.AllowanceReached())
            news << QStringLiteral("Time is up");
        if (m_last.colour != before.colour)
            news << QStringLiteral("Color changed to %1").arg(colourName(m_last.colour));
    } else if (before.running && !m_last.running) {
        news << QStringLiteral("Stopped, %1").arg(ShownTimeInWords(state));
    }
    if (!news.isEmpty())
        Say(news.join(QStringLiteral(". ")));
}

void ClockAnnouncer::wasReset()
{
    m_last = now();
    const ClockState &state = m_mainForm.engine().state();
    QString text = QStringLiteral("Reset to %1").arg(TimeInWords(state.ShownHours, state.ShownMinutes, state.ShownSeconds));
    if (!state.CountingDown)
        text += QStringLiteral(", counting up");
    Say(text);
}

void ClockAnnouncer::SayTimeShown()
{
    Say(ShownTimeInWords(m_mainForm.engine().state()));
}

void ClockAnnouncer::Say(const QString &text)
{
    // Before the window shows (the reset of start-up) there is nobody to tell.
    if (!m_mainForm.isVisible())
        return;
    emit Said(text);
    const bool viewActive = m_viewNotice && m_clockView.Shown() && m_viewNotice->window()->isActiveWindow();
    (viewActive ? m_viewNotice.data() : m_mainNotice)->Say(text);
}

} // namespace dorvane
