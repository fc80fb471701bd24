#pragma once
#include <QString>
#include <QtGlobal>

namespace dorvane {

// Watches the application object open the display. When none can be opened the toolkit would
// end the process with an abort and a screenful of advice; instead the program says so in one
// line on stderr and exits with 1. Messages held back meanwhile are passed on at the end of the
// watch, once the display is open.
class DisplayOpening
{
public:
    static constexpr int kNoDisplay = 1;

    explicit DisplayOpening(const QString &programName);
    ~DisplayOpening();
    DisplayOpening(const DisplayOpening &) = delete;
    DisplayOpening &operator=(const DisplayOpening &) = delete;

    // The one line said when no display opens: the toolkit's own reason when it gave one.
    static QString failureLine(const QString &programName, const QString &firstWarning, const QString &fatal);

private:
    QtMessageHandler m_previous;
};

} // namespace dorvane
