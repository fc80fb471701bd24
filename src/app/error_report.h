#pragma once
#include <QApplication>
#include <QMargins>
#include <QString>

namespace dorvane {

// The text the general error report shows: the message, with "." appended when its last
// character sorts after ".".
QString GeneralErrorText(const QString &message);

// The application's general error report: a modal box captioned with the application title,
// the error icon and OK. The program goes on afterwards.
void ShowGeneralErrorReport(const QString &message);

// The clock engine's own refusal ("Time Allowance must be set if counting down."): a modal box
// captioned "Error" with the error icon and one OK button, over `owner` and centred on its screen,
// frame included. Until the window manager has framed the box, its frame is taken to be
// `expectedFrame`.
void ShowEngineErrorBox(QWidget *owner, const QString &message, QMargins expectedFrame);

// The application object. An exception that escapes an event handler ends in the general
// error report instead of ending the program.
class DorvaneApplication final : public QApplication
{
    Q_OBJECT
public:
    DorvaneApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace dorvane
