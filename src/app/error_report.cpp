#include "error_report.h"

#include <QMessageBox>
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
