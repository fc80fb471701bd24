#include "app/main_window/main_window_fixture.h"

#include "app/clock_view/clock_view_controller.h"
#include "app/clock_view/tclockviewform.h"
#include "app/clock_view/time_up_flash.h"
#include "app/main_window/message_dialog.h"
#include "app/main_window/view_menu.h"
#include "app/commands/clock_commands.h"
#include "app/window_modes.h"
#include "controls/base/published.h"
#include "controls/base/ttimer.h"
#include "controls/display/tcustomlabel.h"
#include "controls/display/tcxlabel.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

using namespace dorvane;

namespace {

constexpr const char *Fields[] = {"lblHrs", "lblMins", "lblSecs", "lblDirectionL", "lblDirectionR"};

// What a field shows: its text, the colour behind it and the colour it is drawn in; and the name
// a screen reader gives it.
struct Look
{
    QString text;
    int background;
    int ink;
    QString name;
    bool operator==(const Look &o) const
    {
        return text == o.text && background == o.background && ink == o.ink && name == o.name;
    }
};

std::ostream &operator<<(std::ostream &out, const Look &l)
{
    return out << '"' << l.text.toStdString() << "\" on " << l.background << " in " << l.ink << " named \""
               << l.name.toStdString() << '"';
}

Look lookOf(const QWidget *window, const char *name)
{
    if (auto *arrow = window->findChild<TcxLabel *>(QLatin1String(name)))
        return {arrow->Caption(), arrow->Style()->Color(), arrow->Style()->Font()->Color(), arrow->accessibleName()};
    auto *digits = window->findChild<TJvLabel *>(QLatin1String(name));
    return {digits->Caption(), digits->Color(), digits->Font()->Color(), digits->accessibleName()};
}

class ClockViewTest : public MainWindowTest
{
protected:
    TClockViewForm &openWithView()
    {
        TMainForm &w = open();
        QTest::keyClick(&w, Qt::Key_F10);
        TClockViewForm *view = w.clockView().Form();
        EXPECT_TRUE(QTest::qWaitForWindowActive(view));
        return *view;
    }

    void expectMirrored(const char *when)
    {
        for (const char *field : Fields)
            EXPECT_EQ(lookOf(view(), field), lookOf(m_window.get(), field)) << when << ": " << field;
    }

    TClockViewForm *view() const { return m_window->clockView().Form(); }
    void setAllowance(int minutes, int seconds)
    {
        writePublished(control("spnMin"), QStringLiteral("Value"), minutes);
        writePublished(control("spnSec"), QStringLiteral("Value"), seconds);
        click("btnReset");
    }
    void press(Qt::Key key) { QTest::keyClick(view(), key); }
};

TEST_F(ClockViewTest, F10ShowsAndHidesTheViewAndClosingItOnlyHidesIt)
{
    TClockViewForm &view = openWithView();
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Dorvane Clock"));
    EXPECT_TRUE(m_window->ClockViewShown());
    QTest::keyClick(m_window.get(), Qt::Key_F10);
    EXPECT_FALSE(view.isVisible());

    m_window->ShowClockView(true);
    EXPECT_TRUE(view.close() == false || !view.isVisible());
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(m_window->clockView().Form(), &view) << "hidden, not destroyed";

    // Closing the main window closes both.
    m_window->ShowClockView(true);
    m_window->close();
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_FALSE(view.isVisible());
}

TEST_F(ClockViewTest, TheViewMirrorsTextsAndColoursOnEveryTickAndReset)
{
    openWithView();
    expectMirrored("shown");
    m_window->SetDigitColour(0xFFFFFF);
    writePublished(control("spnColorSecs"), QStringLiteral("Value"), 2);
    setAllowance(0, 3);
    click("btnStart");
    const char *steps[] = {"00 00 02, seconds colour", "00 00 01", "00 00 00, expired"};
    for (const char *step : steps) {
        tick();
        expectMirrored(step);
    }
    EXPECT_EQ(lookOf(view(), "lblSecs").background, 255);

    writePublished(control("rgDirection"), QStringLiteral("ItemIndex"), 1);
    click("btnReset");
    expectMirrored("reset to counting up");
    EXPECT_EQ(lookOf(view(), "lblDirectionR").text, QString(QChar(0xAD)));
    EXPECT_EQ(lookOf(view(), "lblDirectionR").name, QStringLiteral("Counting up"));
    EXPECT_EQ(lookOf(view(), "lblSecs").name, QStringLiteral("Seconds"));
}

TEST_F(ClockViewTest, TheViewsKeysReachTheButtonsOperationsAndNoOthers)
{
    openWithView();
    TTimer *timer = m_window->timer();
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_PageDown, Qt::Key_Right}) {
        press(key);
        EXPECT_TRUE(timer->Enabled()) << "starts: " << key;
        tick(2);
        press(key);
        EXPECT_FALSE(timer->Enabled()) << "stops: " << key;
    }
    EXPECT_EQ(display(), QStringLiteral("00 04 54"));

    // A remote's other keys, its "back" above all, leave the clock alone.
    for (const Qt::Key key : {Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_F5, Qt::Key_B,
                              Qt::Key_Period, Qt::Key_Backspace})
        press(key);
    EXPECT_EQ(display(), QStringLiteral("00 04 54"));
    EXPECT_FALSE(timer->Enabled());

    press(Qt::Key_Home);
    EXPECT_EQ(display(), QStringLiteral("00 05 00"));
    EXPECT_EQ(lookOf(view(), "lblSecs").text, QStringLiteral("00"));
}

TEST_F(ClockViewTest, StartingFromTheViewIsRefusedWithTheSameBox)
{
    openWithView();
    setAllowance(0, 0);
    view()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view()));
    const bool shown = expectModalBox([&] { press(Qt::Key_Space); }, [&](QMessageBox *box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Error"));
        EXPECT_EQ(box->text(), QStringLiteral("Time Allowance must be set if counting down."));
        EXPECT_EQ(box->parentWidget(), m_window.get()) << "over the main window, not in front of the room";
    });
    EXPECT_TRUE(shown);
    EXPECT_FALSE(m_window->timer()->Enabled());
}

TEST_F(ClockViewTest, ThePausedBadgeShowsOnlyWhileAStartedCountIsStopped)
{
    openWithView();
    setAllowance(0, 2);
    EXPECT_FALSE(view()->Paused()) << "reset, never started";
    press(Qt::Key_Space);
    EXPECT_FALSE(view()->Paused()) << "running";
    tick();
    press(Qt::Key_Space);
    EXPECT_TRUE(view()->Paused());
    press(Qt::Key_Space);
    tick();
    EXPECT_FALSE(view()->Paused()) << "ended";
    EXPECT_TRUE(expectModalBox([&] { press(Qt::Key_Space); }, [](QMessageBox *) {})) << "nothing left to count";
    click("btnReset");
    click("btnStart");
    click("btnStop");
    EXPECT_TRUE(view()->Paused());
    click("btnReset");
    EXPECT_FALSE(view()->Paused());
}

TEST_F(ClockViewTest, AtTimeUpTheViewFlashesForTenSecondsThenStaysExpired)
{
    openWithView();
    setAllowance(0, 1);
    QTest::keyClick(m_window.get(), Qt::Key_F10); // hidden: nothing to flash
    m_window->clockView().SetFlashAtTimeUp(true);
    click("btnStart");
    tick();
    EXPECT_FALSE(m_window->clockView().Flashing());

    m_window->ShowClockView(true);
    click("btnReset");
    click("btnStart");
    tick();
    auto *flash = view()->findChild<TimeUpFlash *>();
    ASSERT_TRUE(m_window->clockView().Flashing());
    std::vector<int> seen{lookOf(view(), "lblHrs").background};
    for (int i = 0; i < TimeUpFlash::Changes; ++i) {
        flash->Step();
        seen.push_back(lookOf(view(), "lblDirectionL").background);
    }
    EXPECT_FALSE(m_window->clockView().Flashing());
    for (std::size_t i = 0; i < seen.size(); ++i)
        EXPECT_EQ(seen[i], i % 2 ? 15793151 : 255) << "change " << i;
    EXPECT_EQ(intProperty("lblHrs", "Color"), 255) << "the main window does not flash";
    expectMirrored("after the flash");

    // A reset during a flash ends it.
    click("btnReset");
    click("btnStart");
    tick();
    flash->Step();
    click("btnReset");
    EXPECT_FALSE(m_window->clockView().Flashing());
    expectMirrored("reset");
}

TEST_F(ClockViewTest, F11GivesEachWindowItsGeometryBack)
{
    TClockViewForm &view = openWithView();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    for (QWidget *window : {static_cast<QWidget *>(&view), static_cast<QWidget *>(m_window.get())}) {
        SCOPED_TRACE(window->objectName().toStdString());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        window->setGeometry(120, 90, 500, 300);
        ASSERT_TRUE(DORVANE_WAIT_FOR(window->geometry() == QRect(120, 90, 500, 300)));
        QTest::keyClick(window, Qt::Key_F11);
        EXPECT_TRUE(DORVANE_WAIT_FOR(window->geometry() == window->screen()->geometry()));
        EXPECT_TRUE(window->isFullScreen());
        const Qt::Key leave = window == &view ? Qt::Key_Escape : Qt::Key_F11;
        QTest::keyClick(window, leave);
        EXPECT_TRUE(DORVANE_WAIT_FOR(window->geometry() == QRect(120, 90, 500, 300)));
        EXPECT_FALSE(window->isFullScreen());
    }
}

TEST_F(ClockViewTest, TheViewComesBackAfterARestartAsItWasLeft)
{
    TClockViewForm *view = &openWithView();
    QTest::keyClick(view, Qt::Key_T, Qt::ControlModifier);
    m_window->clockView().SetFlashAtTimeUp(true);
    m_window->SetDigitColour(0x00FFFF);
    m_window->windowModes().SetStaysOnTop(true);
    view->setGeometry(40, 50, 320, 200);
    ASSERT_TRUE(DORVANE_WAIT_FOR(view->geometry() == QRect(40, 50, 320, 200)));
    m_window->close();
    ASSERT_FALSE(m_window->isVisible());
    const QByteArray text = settingsText();
    EXPECT_TRUE(text.contains("TimeUp=1\n\n[View]\nClockView=1\n")) << text.toStdString();
    m_window.reset();

    // The view comes back above the main window and takes the keys, for the remote.
    m_window = std::make_unique<TMainForm>(m_env);
    m_window->show();
    ASSERT_TRUE(DORVANE_WAIT_FOR(m_window->ClockViewShown()));
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_window->clockView().Form()));
    view = m_window->clockView().Form();
    EXPECT_TRUE(DORVANE_WAIT_FOR(view->geometry() == QRect(40, 50, 320, 200)))
        << view->geometry().x() << "," << view->geometry().y() << " " << view->width() << "x" << view->height();
    EXPECT_TRUE(m_window->clockView().Modes()->StaysOnTop());
    EXPECT_TRUE(m_window->windowModes().StaysOnTop());
    EXPECT_TRUE(m_window->clockView().FlashAtTimeUp());
    EXPECT_EQ(m_window->DigitColour(), 0x00FFFF);
    expectMirrored("after the restart");
}

TEST_F(ClockViewTest, ARememberedPlaceNoScreenCanShowIsNeitherUsedNorWrittenBack)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const struct
    {
        const char *name;
        QByteArray view;
    } cases[] = {
        {"far off and huge", "ClockLeft=-2147483648\nClockTop=-2147483648\nClockWidth=100000\nClockHeight=100000\n"},
        {"one pixel in the corner", QStringLiteral("ClockLeft=%1\nClockTop=%2\nClockWidth=1\nClockHeight=1\n")
                                        .arg(screen.right())
                                        .arg(screen.bottom())
                                        .toLatin1()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        // Shown at the last close: the view opens where a new one would, and its real place is kept.
        writeSettings("[View]\nClockView=1\n" + c.view);
        m_window = std::make_unique<TMainForm>(m_env);
        TMainForm &w = *m_window;
        w.show();
        ASSERT_TRUE(DORVANE_WAIT_FOR(w.ClockViewShown()));
        const QRect placed = w.clockView().Form()->frameGeometry();
        EXPECT_TRUE(screen.contains(placed) && placed.width() >= 160 && placed.height() >= 100)
            << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height();
        EXPECT_TRUE(w.clockView().ShownOnScreen());
        w.close();
        EXPECT_TRUE(settingsText().contains(QStringLiteral("ClockWidth=%1\n").arg(placed.width()).toLatin1()))
            << settingsText().toStdString();
        m_window.reset();

        // Hidden at the last close: the view first shown later opens where a new one would too.
        writeSettings("[View]\nClockView=0\n" + c.view);
        QTest::keyClick(&open(), Qt::Key_F10);
        ASSERT_TRUE(DORVANE_WAIT_FOR(m_window->ClockViewShown()));
        EXPECT_TRUE(screen.contains(m_window->clockView().Form()->frameGeometry()));
        m_window.reset();
    }
}

TEST_F(ClockViewTest, WithoutAViewSectionTheProgramStartsAsItDidBefore)
{
    writeSettings("[Time]\nMins=3\n");
    TMainForm &w = open();
    QApplication::processEvents();
    EXPECT_FALSE(w.ClockViewShown());
    EXPECT_FALSE(w.clockView().Exists()) << "made only when first wanted";
    EXPECT_EQ(w.DigitColour(), static_cast<int>(0xFF000008u));
    EXPECT_FALSE(w.windowModes().StaysOnTop());
}

TEST_F(ClockViewTest, RightClickOnTheClockOpensTheMenuAndOnTheInputsDoesNot)
{
    TClockViewForm &view = openWithView();
    const auto menuAfterRightClick = [](QWidget *target) -> QMenu * {
        QContextMenuEvent event(QContextMenuEvent::Mouse, target->rect().center(),
                                target->mapToGlobal(target->rect().center()));
        QApplication::sendEvent(target, &event);
        return qobject_cast<QMenu *>(QApplication::activePopupWidget());
    };
    EXPECT_EQ(menuAfterRightClick(control("spnMin")), nullptr);
    for (QWidget *field : {control("lblSecs"), control("lblDirectionR"), view.control("lblMins")}) {
        QMenu *menu = menuAfterRightClick(field);
        ASSERT_NE(menu, nullptr) << field->objectName().toStdString();
        QStringList entries;
        for (QAction *action : menu->actions())
            if (!action->isSeparator())
                entries << action->text() + (action->shortcut().isEmpty() ? QString() : QLatin1Char('\t') + action->shortcut().toString());
        EXPECT_EQ(entries, QStringList({QStringLiteral("Clock view\tF10"), QStringLiteral("Full screen\tF11"),
                                        QStringLiteral("Always on top\tCtrl+T"), QStringLiteral("Message\u2026"),
                                        QStringLiteral("Clear message"), QStringLiteral("+1 minute"),
                                        QStringLiteral("\u22121 minute"), QStringLiteral("Black screen"),
                                        QStringLiteral("Digit colour\u2026"),
                                        QStringLiteral("Flash at time up"), QStringLiteral("Voice volume"),
                                        QStringLiteral("Show clock on"),
                                        QStringLiteral("Keyboard shortcuts")}));
        menu->close();
    }
}

TEST_F(ClockViewTest, TheDigitColourChosenInTheDialogColoursBothWindows)
{
    openWithView();
    m_window->viewMenu().ChooseDigitColour(view());
    // Asked for in the view, it opens over the main window.
    auto *dialog = m_window->findChild<QColorDialog *>(QStringLiteral("DigitColourDialog"));
    ASSERT_NE(dialog, nullptr);
    dialog->setCurrentColor(QColor(255, 255, 0));
    dialog->accept();
    EXPECT_EQ(m_window->DigitColour(), 0x00FFFF);
    expectMirrored("digit colour");
}

TEST_F(ClockViewTest, TheListOfKeysNamesTheKeysTheActionsHave)
{
    open();
    const QString text = m_window->viewMenu().KeyboardShortcutsText();
    const auto row = [](const char *keys, const char *does) {
        return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(QLatin1String(keys), QLatin1String(does));
    };
    for (const QString &expected : {row("F10", "show or hide the clock view"), row("Ctrl+T", "always on top on or off"),
                                    row("Space, Page Down, Right", "start the clock, or stop it when it runs"),
                                    row("Home", "reset the clock"), row("Esc", "leave full screen"),
                                    row("+", "a minute more for a count-down"), row("-", "a minute less for a count-down"),
                                    row("B, .", "black screen on or off; the clock goes on")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
}

TEST_F(ClockViewTest, TheRoomsKeysGiveOrTakeAMinuteAndBlackTheViewOut)
{
    openWithView();
    QTest::keyClick(view(), Qt::Key_Plus);
    EXPECT_EQ(display(), QStringLiteral("00 06 00"));
    QTest::keyClick(view(), Qt::Key_Plus, Qt::ShiftModifier); // where "+" is typed with Shift
    QTest::keyClick(view(), Qt::Key_Minus, Qt::KeypadModifier);
    QTest::keyClick(view(), Qt::Key_Plus, Qt::ControlModifier); // the toolkit's zoom, not a minute
    EXPECT_EQ(display(), QStringLiteral("00 06 00"));

    QTest::keyClick(view(), Qt::Key_B);
    EXPECT_TRUE(m_window->commands().Status().blank);
    QTest::keyClick(view(), Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_FALSE(m_window->commands().Status().blank);

    writePublished(control("rgDirection"), QStringLiteral("ItemIndex"), 1);
    click("btnReset");
    view()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view()));
    EXPECT_TRUE(expectModalBox([&] { QTest::keyClick(view(), Qt::Key_Minus); }, [&](QMessageBox *box) {
        EXPECT_EQ(box->text(), QStringLiteral("Time can be added or taken away only while counting down."));
        EXPECT_EQ(box->parentWidget(), m_window.get());
    }));
    EXPECT_EQ(display(), QStringLiteral("00 00 00"));
}

TEST_F(ClockViewTest, TheMenuSetsTheMessageRemembersTheLastOnesAndGivesMinutesAndTheBlackScreen)
{
    openWithView();
    const auto entry = [&](const char *name) {
        QMenu *menu = m_window->viewMenu().Popup(view(), view()->mapToGlobal(QPoint(10, 10)));
        QAction *action = menu->findChild<QAction *>(QLatin1String(name));
        menu->close();
        return action;
    };
    const auto typeMessage = [&](const QString &text) {
        entry("actMessage")->trigger();
        MessageDialog *dialog = nullptr; // those closed before are deleted later
        for (MessageDialog *open : m_window->findChildren<MessageDialog *>())
            if (open->isVisible())
                dialog = open;
        ASSERT_NE(dialog, nullptr) << "over the main window";
        dialog->Field()->setEditText(text);
        dialog->accept();
    };
    EXPECT_FALSE(entry("actClearMessage")->isEnabled()) << "no message to clear";
    typeMessage(QStringLiteral("Wrap up"));
    EXPECT_EQ(m_window->commands().Status().message, QStringLiteral("Wrap up"));
    for (const char *text : {"Questions", "  Wrap   up ", "Five minutes"})
        typeMessage(QLatin1String(text));
    EXPECT_EQ(m_window->viewMenu().RecentMessages(),
              (QStringList{QStringLiteral("Five minutes"), QStringLiteral("Wrap up"), QStringLiteral("Questions")}));
    QAction *clear = entry("actClearMessage");
    ASSERT_TRUE(clear->isEnabled());
    clear->trigger();
    EXPECT_TRUE(m_window->commands().Status().message.isEmpty());

    entry("actAddMinute")->trigger();
    EXPECT_EQ(display(), QStringLiteral("00 06 00"));
    entry("actTakeMinute")->trigger();
    entry("actTakeMinute")->trigger();
    EXPECT_EQ(display(), QStringLiteral("00 04 00"));
    QAction *blank = entry("actBlank");
    EXPECT_FALSE(blank->isChecked());
    blank->trigger();
    EXPECT_TRUE(m_window->commands().Status().blank);
    EXPECT_TRUE(entry("actBlank")->isChecked());

    // The list comes back at the next start, in the dialog too.
    m_window->close();
    EXPECT_TRUE(settingsText().contains("Message1=Five minutes\nMessage2=Wrap up\nMessage3=Questions\n"))
        << settingsText().toStdString();
    m_window = std::make_unique<TMainForm>(m_env);
    m_window->show();
    m_window->viewMenu().AskForMessage();
    auto *dialog = m_window->findChild<MessageDialog *>(QStringLiteral("MessageDialog"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Field()->count(), 3);
    EXPECT_EQ(dialog->Field()->itemText(0), QStringLiteral("Five minutes"));
    EXPECT_TRUE(dialog->Text().isEmpty());
    dialog->reject();
    EXPECT_TRUE(m_window->commands().Status().message.isEmpty()) << "a message is not kept from one run to the next";
}

} // namespace
