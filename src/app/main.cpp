// Dorvane: a count-down and count-up clock for the front of a room.
#include "app/error_report.h"
#include "app/tmainform.h"

int main(int argc, char **argv)
{
    dorvane::DorvaneApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dorvane"));
    QApplication::setDesktopFileName(QStringLiteral("dorvane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/dorvane.png")));

    TMainForm mainForm;
    mainForm.show();
    return app.exec();
}
