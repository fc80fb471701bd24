// The window tests run inside the program's own application object, so an exception that escapes
// a handler reaches the general error report exactly as it does for a user.
#include "app/error_report.h"

#include <QLocale>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QLocale::setDefault(QLocale::c());
    dorvane::DorvaneApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorvane"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
