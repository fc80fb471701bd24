// Dorvane: a count-down and count-up clock for the front of a room.
#include "app/error_report.h"
#include "app/tmainform.h"

int main(int argc, char **argv)
{
    dorvane::DorvaneApplication app(argc, argv);
    // The application title: the task-bar entry and the general error report's caption. No
    // display name is set, since Qt would append it to every other window's caption ("Error").
    QApplication::setApplicationName(QStringLiteral("Dorvane"));
    QApplication::setDesktopFileName(QStringLiteral("dorvane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/dorvane.png")));

    TMainForm mainForm;
    mainForm.show();
    return app.exec();
}
