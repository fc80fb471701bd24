#include "error_report.h"

#include "controls/base/frame_tracker.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <exception>

namespace dorvane {

QString GeneralErrorText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowGeneralErrorReport(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                    GeneralErrorText(message), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("GeneralErrorReport"));
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

void ShowEngineErrorBox(QWidget *owner, const QString &message, QMargins expectedFrame)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), message, QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("EngineErrorBox"));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    // Centred on the screen rather than on the window.
    QScreen *screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    new FrameCentring(&box, screen ? screen->geometry() : QRect(), expectedFrame);
    box.exec();
}

DorvaneApplication::DorvaneApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool DorvaneApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        ShowGeneralErrorReport(QString::fromUtf8(e.what()));
    }
    return true;
}

} // namespace dorvane
