// Pictures of the real main window in the states the README shows: the design size, a larger
// size and maximized, a count-down in its "seconds" and expired colours, and the Configuration
// page; with --clock-view, the clock view beside the main window and full screen; with
// --share-dialog, the sharing dialog with its links and QR codes, shared on this computer only.
// Run under a window manager (tools/take-screenshots.sh).
// The window's files live in a temporary folder, so no real settings are touched.
#include "app/clock_view/clock_view_controller.h"
#include "app/error_report.h"
#include "app/clock_view/tclockviewform.h"
#include "app/main_window/tmainform.h"
#include "app/share/share_dialog.h"
#include "app/share/sharing.h"
#include "app/window_modes.h"
#include "controls/base/published.h"
#include "controls/base/ttimer.h"
#include "controls/display/tcxpagecontrol.h"
#include "controls/input/colour_popup.h"
#include "controls/input/tcxcolorcombobox.h"

#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

void settle(int ms = 400)
{
    QTest::qWait(ms); // lets the window system deliver the resize and the re-layout end
}

bool save(TMainForm &w, const QString &dir, const QString &name)
{
    const QString path = QDir(dir).filePath(name);
    const bool ok = w.grab().save(path);
    std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "FAILED", qPrintable(path), w.width(), w.height());
    return ok;
}

bool saveScreen(QScreen *screen, const QString &dir, const QString &name)
{
    const QString path = QDir(dir).filePath(name);
    const bool ok = screen->grabWindow(0).save(path);
    std::printf("%s %s (the whole screen)\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// The clock view beside the main window through a count-down that changes colour, and the view
// alone full screen in light digits on a dark background while paused.
int clockViewPictures(TMainForm &w, const QString &out)
{
    w.SetBounds(20, 306, 616, 468);
    dorvane::writePublished(w.control("spnMin"), QStringLiteral("Value"), 0);
    dorvane::writePublished(w.control("spnSec"), QStringLiteral("Value"), 20);
    dorvane::writePublished(w.control("spnColorSecs"), QStringLiteral("Value"), 10);
    w.btnResetClick();
    w.ShowClockView(true);
    TClockViewForm &view = *w.clockView().Form();
    bool ok = QTest::qWaitForWindowActive(&view);
    settle();
    w.clockView().Modes()->PlaceAt(QRect(660, 170, 1240, 760));
    settle();
    w.btnStartClick();
    for (int i = 0; i < 12; ++i)
        w.timer()->Tick();
    settle(200);
    ok &= saveScreen(w.screen(), out, QStringLiteral("clock-view-side-by-side.png"));
    for (int i = 0; i < 8; ++i)
        w.timer()->Tick();
    settle(200);
    ok &= saveScreen(w.screen(), out, QStringLiteral("clock-view-side-by-side-expired.png"));

    // Navy, on which the view's automatic digits are white, paused at 12:34 of a 15-minute
    // count-down, full screen.
    dorvane::writePublished(w.control("cboBackgroundColor"), QStringLiteral("ColorValue"), 0x800000);
    dorvane::writePublished(w.control("spnMin"), QStringLiteral("Value"), 15);
    dorvane::writePublished(w.control("spnSec"), QStringLiteral("Value"), 0);
    w.btnResetClick();
    w.btnStartClick();
    for (int i = 0; i < 146; ++i)
        w.timer()->Tick();
    w.btnStopClick();
    view.activateWindow();
    w.clockView().Modes()->SetFullScreen(true);
    ok &= QTest::qWaitFor([&view] { return view.isFullScreen() && view.size() == view.screen()->size(); }, 5000);
    settle();
    ok &= saveScreen(view.screen(), out, QStringLiteral("clock-view-full-screen.png"));
    return ok ? 0 : 1;
}

// The sharing dialog over the main window, shared on loopback on the default ports with OSC
// taken from this computer, frame and title bar included.
int shareDialogPicture(TMainForm &w, const QString &out, const QString &home)
{
    dorvane::NetworkSettings settings;
    settings.sharing = true;
    settings.listen = dorvane::NetworkSettings::Listen::ThisComputer;
    settings.osc = true;
    settings.oscAllowed = "127.0.0.1";
    dorvane::Sharing sharing(w.commands(), settings, nullptr, QDir(home).filePath(QStringLiteral("sharing.keys")));
    QString error;
    if (!sharing.resume(error)) {
        std::fprintf(stderr, "cannot share on the default ports (%s); any free ones are used\n", qPrintable(error));
        settings.port = 0;
        settings.oscPort = 0;
        sharing.apply(settings, error);
    }
    dorvane::ShareDialog dialog(sharing, &w);
    dialog.show();
    bool ok = QTest::qWaitForWindowExposed(&dialog);
    settle();
    const QRect area = dialog.frameGeometry();
    const QString path = QDir(out).filePath(QStringLiteral("share-dialog.png"));
    ok &= w.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(path);
    std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "FAILED", qPrintable(path), area.width(), area.height());
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    dorvane::DorvaneApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorvane"));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    // Only the window as it opens, and the whole screen around it (a small screen's picture).
    const bool firstOnly = argc > 2 && QByteArray(argv[2]) == "--first-only";
    // Only the clock view's pictures.
    const bool clockView = argc > 2 && QByteArray(argv[2]) == "--clock-view";
    // Only the sharing dialog's picture.
    const bool shareDialog = argc > 2 && QByteArray(argv[2]) == "--share-dialog";
    QDir().mkpath(out);

    QTemporaryDir home;
    dorvane::SilentClips clips;
    MainFormEnvironment env;
    env.executablePath = home.filePath(QStringLiteral("Dorvane"));
    env.clips = &clips;

    TMainForm w(env);
    w.show();
    w.activateWindow(); // without a window manager nothing activates it for us
    if (!QTest::qWaitForWindowActive(&w))
        std::fprintf(stderr, "the window did not become active; resizes may be refused\n");
    settle();
    if (clockView)
        return clockViewPictures(w, out);
    if (shareDialog)
        return shareDialogPicture(w, out, home.path());
    bool ok = save(w, out, QStringLiteral("display-616x468.png"));
    if (firstOnly) {
        // The whole screen, window manager's frame and title bar included.
        const QString path = QDir(out).filePath(QStringLiteral("screen.png"));
        const bool shot = w.screen()->grabWindow(0).save(path);
        std::printf("%s %s\n", shot ? "wrote" : "FAILED", qPrintable(path));
        return ok && shot ? 0 : 1;
    }

    // A larger window, then maximized on the whole screen.
    w.SetBounds(w.Left(), w.Top(), 1232, 909);
    settle();
    ok &= save(w, out, QStringLiteral("display-1232x909.png"));
    w.showMaximized();
    ok &= QTest::qWaitFor([&w] { return w.isMaximized() && w.width() > 1232; }, 5000);
    settle();
    ok &= save(w, out, QStringLiteral("display-maximized.png"));
    w.showNormal();
    ok &= QTest::qWaitFor([&w] { return !w.isMaximized() && w.width() < 1300; }, 5000);
    settle();

    // A 20-second count-down that turns yellow at 10 s and red at 0.
    dorvane::writePublished(w.control("spnMin"), QStringLiteral("Value"), 0);
    dorvane::writePublished(w.control("spnSec"), QStringLiteral("Value"), 20);
    dorvane::writePublished(w.control("spnColorSecs"), QStringLiteral("Value"), 10);
    w.btnResetClick();
    w.btnStartClick();
    for (int i = 0; i < 12; ++i)
        w.timer()->Tick();
    settle(100);
    ok &= save(w, out, QStringLiteral("display-seconds-colour.png"));
    for (int i = 0; i < 8; ++i)
        w.timer()->Tick();
    settle(100);
    ok &= save(w, out, QStringLiteral("display-expired.png"));

    auto *pages = w.findChild<TcxPageControl *>(QStringLiteral("cxPageControl1"));
    pages->SelectTab(1);
    settle(100);
    ok &= save(w, out, QStringLiteral("configuration.png"));
    w.SetBounds(w.Left(), w.Top(), 616, 468);
    settle();
    ok &= save(w, out, QStringLiteral("configuration-616x468.png"));

    // The "seconds" picker with its list open after three choices: the recent colours on top,
    // under a double line.
    auto *picker = w.findChild<TcxColorComboBox *>(QStringLiteral("cboSecondsColor"));
    picker->setFocus();
    for (const int row : {3, 9, 12}) {
        picker->DropDown();
        picker->PopupWindow()->findChild<TcxCustomColorComboBoxListBox *>()->SetItemIndex(row);
        picker->CloseUp(true);
    }
    settle(100);
    picker->DropDown();
    settle(200);
    const QRect area = w.geometry().united(picker->PopupWindow()->geometry());
    const QString path = QDir(out).filePath(QStringLiteral("picker-list-open.png"));
    const bool shot = w.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(path);
    std::printf("%s %s\n", shot ? "wrote" : "FAILED", qPrintable(path));
    ok &= shot;
    picker->CloseUp(false);
    return ok ? 0 : 1;
}
