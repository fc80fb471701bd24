#pragma once
#include <QString>

namespace dorvane {

// Says, once per run, that the voice announcements cannot be heard because no sound device can
// be opened: always one line on standard error, and a desktop notification when the session
// has a notification service. No box: the clock counts on and nothing waits for the user.
class NoSoundNotice
{
public:
    // `programName` starts the line on standard error. The notification service is asked for on
    // the bus at `busAddress`, or on the session bus when it is empty; the bus is reached only
    // when the notice is given.
    NoSoundNotice(QString programName, QString busAddress = {});

    // The first call gives the notice; later ones do nothing.
    void give(const QString &reason);
    bool given() const { return m_given; }

private:
    void notifyDesktop(const QString &reason);

    QString m_programName;
    QString m_busAddress;
    bool m_given = false;
};

} // namespace dorvane
