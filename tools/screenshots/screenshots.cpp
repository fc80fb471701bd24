// Pictures of the real main window in the states the README shows: the design size and two
// larger sizes, a count-down in its "seconds" and expired colours, and the Configuration page.
// The window's files live in a temporary folder, so no real settings are touched.
#include "app/error_report.h"
#include "app/tmainform.h"
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

} // namespace

int main(int argc, char **argv)
{
    dorvane::DorvaneApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorvane"));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(out);

    QTemporaryDir home;
    dorvane::SilentClips clips;
    MainFormEnvironment env;
    env.executablePath = home.filePath(QStringLiteral("Dorvane"));
    env.clips = &clips;

    TMainForm w(env);
    w.show();
    w.activateWindow(); // no window manager under Xvfb activates it for us
    if (!QTest::qWaitForWindowActive(&w))
        std::fprintf(stderr, "the window did not become active; resizes may be refused\n");
    settle();
    bool ok = save(w, out, QStringLiteral("display-616x468.png"));

    // Larger windows: outer sizes 1232 x 909 and 1920 x 1080.
    for (const QSize outer : {QSize(1232, 909), QSize(1920, 1080)}) {
        const QSize frame = w.FrameExtra();
        w.resize(outer - frame);
        settle();
        ok &= save(w, out, QStringLiteral("display-%1x%2.png").arg(outer.width()).arg(outer.height()));
    }
    w.resize(QSize(1232, 909) - w.FrameExtra());
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
    w.resize(QSize(616, 468) - w.FrameExtra());
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
