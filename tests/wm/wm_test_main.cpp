// Test entry for the window-manager tests: the number of the X display with openbox that the
// CTest fixture started (scripts/wm-display.sh) is in the file DORVANE_WM_DISPLAY_FILE.
// Listing the tests needs no display.
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QByteArray displayIn(const char *path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray number = file.readLine().trimmed();
    return number.isEmpty() ? QByteArray() : ':' + number;
}

} // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    const char *file = std::getenv("DORVANE_WM_DISPLAY_FILE");
    const QByteArray display = file ? displayIn(file) : QByteArray();
    if (display.isEmpty()) {
        std::fprintf(stderr, "No X display with a window manager in DORVANE_WM_DISPLAY_FILE (%s): run these "
                             "tests through ctest, whose fixture starts one.\n",
                     file ? file : "unset");
        return 1;
    }
    setenv("DISPLAY", display.constData(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
