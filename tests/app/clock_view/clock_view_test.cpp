#include "app/main_window/main_window_fixture.h"

#include "app/clock_view/clock_view_controller.h"
#include "app/clock_view/overtime_clock.h"
#include "app/clock_view/stage_view.h"
#include "app/clock_view/tclockviewform.h"
#include "app/clock_view/time_up_flash.h"
#include "app/main_window/message_dialog.h"
#include "app/clock_view/window_digit_colours.h"
#include "app/clock_view/clock_fields.h"
#include "app/main_window/view_menu.h"
#include "app/commands/clock_commands.h"
#include "app/window_modes.h"
#include "controls/base/platform.h"
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

const QColor kCream = QColor(255, 251, 240);
const QColor kYellow = QColor(255, 255, 0);
const QColor kRed = QColor(255, 0, 0);

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

    // The view stands on the main window's clock colour.
    void expectMainWindowsColour(const char *when)
    {
        EXPECT_EQ(stage()->Background(), toQColor(intProperty("lblHrs", "Color"), m_window->palette())) << when;
    }

    TClockViewForm *view() const { return m_window->clockView().Form(); }
    StageView *stage() const { return view()->Stage(); }
    QString line() const { return stage()->LineText(); }
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

TEST_F(ClockViewTest, TheViewShowsTheTimeOnTheClocksColourOnEveryTickAndReset)
{
    openWithView();
    m_window->SetDigitColour(0xFFFFFF);
    writePublished(control("spnColorSecs"), QStringLiteral("Value"), 2);
    setAllowance(0, 3);
    EXPECT_EQ(line(), QStringLiteral("0:03"));
    EXPECT_EQ(stage()->Background(), kCream);
    click("btnStart");
    const struct
    {
        const char *line;
        QColor colour;
        ClockStatus::Cue cue;
    } steps[] = {{"0:02", kYellow, ClockStatus::Cue::Seconds},
                 {"0:01", kYellow, ClockStatus::Cue::Seconds},
                 {"0:00", kRed, ClockStatus::Cue::Expired}};
    for (const auto &step : steps) {
        tick();
        EXPECT_EQ(line(), QLatin1String(step.line));
        EXPECT_EQ(stage()->Background(), step.colour) << step.line;
        EXPECT_EQ(m_window->commands().Status().cue, step.cue) << step.line;
        EXPECT_EQ(stage()->DigitColour(), QColor(Qt::white)) << "the colour chosen for both windows";
        expectMainWindowsColour(step.line);
    }

    writePublished(control("rgDirection"), QStringLiteral("ItemIndex"), 1);
    click("btnReset");
    expectMainWindowsColour("reset to counting up");
    EXPECT_EQ(m_window->commands().Status().cue, ClockStatus::Cue::Normal);
    EXPECT_EQ(line(), QStringLiteral("0:00"));
    EXPECT_EQ(stage()->accessibleDescription(), QStringLiteral("0:00, counting up"));
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
    EXPECT_EQ(line(), QStringLiteral("5:00"));
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
    std::vector<int> seen{fromQColor(stage()->Background())};
    for (int i = 0; i < TimeUpFlash::Changes; ++i) {
        flash->Step();
        seen.push_back(fromQColor(stage()->Background()));
    }
    EXPECT_FALSE(m_window->clockView().Flashing());
    for (std::size_t i = 0; i < seen.size(); ++i)
        EXPECT_EQ(seen[i], i % 2 ? 15793151 : 255) << "change " << i;
    EXPECT_EQ(intProperty("lblHrs", "Color"), 255) << "the main window does not flash";
    expectMainWindowsColour("after the flash");

    // A reset during a flash ends it.
    click("btnReset");
    click("btnStart");
    tick();
    flash->Step();
    click("btnReset");
    EXPECT_FALSE(m_window->clockView().Flashing());
    expectMainWindowsColour("reset");
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
    EXPECT_EQ(stage()->DigitColour(), kYellow) << "chosen for both windows, so no longer automatic";
    expectMainWindowsColour("after the restart");
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
    for (QWidget *field : {control("lblSecs"), control("lblDirectionR"), static_cast<QWidget *>(view.Stage())}) {
        QMenu *menu = menuAfterRightClick(field);
        ASSERT_NE(menu, nullptr) << field->objectName().toStdString();
        QStringList entries;
        for (QAction *action : menu->actions())
            if (!action->isSeparator())
                entries << action->text() + (action->shortcut().isEmpty() ? QString() : QLatin1Char('\t') + action->shortcut().toString());
        QStringList expected{QStringLiteral("Clock view\tF10"), QStringLiteral("Full screen\tF11"),
                             QStringLiteral("Always on top\tCtrl+T"), QStringLiteral("Message\u2026"),
                             QStringLiteral("Clear message"), QStringLiteral("+1 minute"),
                             QStringLiteral("\u22121 minute"), QStringLiteral("Black screen"),
                             QStringLiteral("Digit colour\u2026"), QStringLiteral("Digit colours")};
        if (field->window() == &view)
            expected << QStringLiteral("Clock view shows");
        expected << QStringLiteral("Flash at time up") << QStringLiteral("Voice volume")
                 << QStringLiteral("Show clock on") << QStringLiteral("Keyboard shortcuts");
        EXPECT_EQ(entries, expected);
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
    EXPECT_EQ(DigitColourOf(m_window.get()), 0x00FFFF);
    EXPECT_EQ(stage()->DigitColour(), kYellow);
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

// A menu entry of the view's context menu, by its name.
QAction *viewMenuEntry(TMainForm &w, const char *name)
{
    QMenu *menu = w.viewMenu().Popup(w.clockView().Form(), QPoint(10, 10));
    QAction *found = menu->findChild<QAction *>(QLatin1String(name));
    menu->close();
    return found;
}

TEST_F(ClockViewTest, TheMenuSetsTheMessageRemembersTheLastOnesAndGivesMinutesAndTheBlackScreen)
{
    openWithView();
    const auto entry = [&](const char *name) { return viewMenuEntry(*m_window, name); };
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

TEST_F(ClockViewTest, AutomaticDigitsInTheViewReadOnEveryClockColourAndTheMainWindowKeepsItsOwn)
{
    openWithView();
    writePublished(control("cboBackgroundColor"), QStringLiteral("ColorValue"), 0x800000); // navy
    writePublished(control("spnColorSecs"), QStringLiteral("Value"), 2);
    setAllowance(0, 3);
    const QImage onNavy = stage()->grab().toImage();
    const QPoint centre = stage()->LineInk().toAlignedRect().center();
    int white = 0;
    for (int x = 0; x < onNavy.width(); ++x)
        white += onNavy.pixelColor(x, centre.y()) == QColor(Qt::white);
    EXPECT_GT(white, 10) << "white digits on navy";
    EXPECT_EQ(DigitColourOf(m_window.get()), static_cast<int>(0xFF000008u)) << "the window text colour";

    click("btnStart");
    tick();
    EXPECT_EQ(stage()->Background(), kYellow);
    EXPECT_EQ(stage()->DigitColour(), QColor(Qt::black));

    // The main window's digits may follow the clock's colours too: one colour for the "seconds" colour.
    DigitColours perState = DigitColours::one(0xFFFFFF);
    perState.seconds = 0x000000;
    m_window->mainDigitColours().SetChoice(perState);
    EXPECT_EQ(DigitColourOf(m_window.get()), 0x000000);
    click("btnReset");
    EXPECT_EQ(DigitColourOf(m_window.get()), 0xFFFFFF);
}

TEST_F(ClockViewTest, OvertimeCountsUpInTheViewFromTimeUpWhileTheMainWindowStaysAtZero)
{
    openWithView();
    TMainForm &w = *m_window;
    qint64 now = 0;
    w.clockView().Overtime().SetClock([&now] { return now; });
    viewMenuEntry(w, "actOvertime")->trigger();
    EXPECT_TRUE(w.clockView().Options().overtime);
    setAllowance(0, 1);
    click("btnStart");
    tick();
    EXPECT_EQ(line(), QStringLiteral("+0:00"));
    now += 42'500;
    w.clockView().Overtime().Wake();
    EXPECT_EQ(line(), QStringLiteral("+0:42"));
    EXPECT_EQ(stage()->Background(), kRed);
    EXPECT_EQ(display(), QStringLiteral("00 00 00"));

    click("btnReset");
    EXPECT_EQ(line(), QStringLiteral("0:01"));
    click("btnStart");
    tick();
    EXPECT_EQ(line(), QStringLiteral("+0:00")) << "counted from the new time up";
}

TEST_F(ClockViewTest, AFollowedLookGivesTheViewsColoursAndOvertimeWhileTheViewIsClosed)
{
    TMainForm &w = open();
    qint64 now = 0;
    w.clockView().Overtime().SetClock([&now] { return now; });
    StageOptions options;
    options.overtime = true;
    options.progressBar = true;
    w.clockView().SetOptions(options);
    w.commands().FollowLook(true);
    setAllowance(0, 1);
    EXPECT_EQ(w.commands().Look().background, kCream.rgb() & 0xFFFFFFu);
    EXPECT_TRUE(w.commands().Look().progressBar);
    EXPECT_FALSE(w.commands().Look().overtimeSeconds);

    click("btnStart");
    tick();
    ASSERT_TRUE(w.commands().Look().overtimeSeconds.has_value());
    EXPECT_EQ(w.commands().Look().background, kRed.rgb() & 0xFFFFFFu);
    EXPECT_EQ(w.commands().Look().digits, 0x000000u) << "automatic: black reads better on red";
    now += 5'000;
    w.clockView().Overtime().Wake();
    EXPECT_EQ(w.commands().Look().overtimeSeconds, 5);
    EXPECT_FALSE(w.clockView().Exists()) << "no view was made for it";
    w.commands().FollowLook(false);
}

TEST_F(ClockViewTest, TheViewsOptionsAndDigitColoursAreRememberedInTheViewSection)
{
    TMainForm &w = open();
    EXPECT_TRUE(w.clockView().DigitColourChoice().automatic) << "automatic until chosen otherwise";
    QTest::keyClick(&w, Qt::Key_F10);
    for (const char *entry : {"actProgressBar", "actTimeOfDay", "actAlwaysShowHours", "actAutomaticDigits"})
        viewMenuEntry(w, entry)->trigger();
    EXPECT_EQ(line(), QStringLiteral("0:05:00"));
    w.close();
    const QByteArray text = settingsText();
    for (const char *key : {"ClockProgress=1\n", "ClockTimeOfDay=1\n", "ClockAlwaysHours=1\n",
                            "ClockDigitColorAuto=0\n", "ClockOvertime=0\n", "DigitColorAuto=0\n"})
        EXPECT_TRUE(text.contains(key)) << key << text.toStdString();
    m_window.reset();

    m_window = std::make_unique<TMainForm>(m_env);
    TMainForm &again = *m_window;
    again.show();
    ASSERT_TRUE(DORVANE_WAIT_FOR(again.clockView().Options().progressBar));
    EXPECT_TRUE(again.clockView().Options().timeOfDay);
    EXPECT_FALSE(again.clockView().DigitColourChoice().automatic);
}

} // namespace
