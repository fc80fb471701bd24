// Test entry for the window-manager tests: the X display with openbox that the CTest fixture
// started (scripts/wm-display.sh) is named in the file DORVANE_WM_DISPLAYS, the screen to use
// in DORVANE_WM_SCREEN. Listing the tests needs no display.
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QByteArray displayOf(const char *displaysFile, const char *screen)
{
    QFile file(QString::fromLocal8Bit(displaysFile));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray prefix = QByteArray(screen) + '=';
    for (const QByteArray &line : file.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed();
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    const char *file = std::getenv("DORVANE_WM_DISPLAYS");
    const char *screen = std::getenv("DORVANE_WM_SCREEN");
    const QByteArray display = file && screen ? displayOf(file, screen) : QByteArray();
    if (display.isEmpty()) {
        std::fprintf(stderr, "No X display with a window manager: DORVANE_WM_DISPLAYS (%s) names none for "
                             "DORVANE_WM_SCREEN (%s). Run these tests through ctest.\n",
                     file ? file : "unset", screen ? screen : "unset");
        return 1;
    }
    setenv("DISPLAY", display.constData(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
