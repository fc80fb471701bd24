#pragma once
#include "app/share/share_limits.h"
#include "settings/network_settings.h"
#include "settings/share_tokens.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

namespace dorvane {

class ClockCommands;
class OscServer;
class ShareServer;
struct OscTally;

// The address of each page, with the key it needs.
struct ShareLinks
{
    QUrl view;    // what the stage view shows
    QUrl clock;   // the time of day
    QUrl control; // a remote for a phone

    // "view <link>", "clock <link>", "control <link>", one a line.
    QStringList lines() const;
};

// Whether the clock is shared, and everything that follows from it: the choices in the "Network"
// section, the keys in their own file, and the server, which exists only while sharing is on.
// With sharing off nothing is read, made or opened.
class Sharing final : public QObject
{
    Q_OBJECT
public:
    // Keeps the choices; false when they could not be written.
    using SaveSettings = std::function<bool(const NetworkSettings &)>;

    Sharing(ClockCommands &commands, NetworkSettings settings, SaveSettings save, QString tokensPath,
            const ShareLimits &limits = {});
    ~Sharing() override;

    const NetworkSettings &settings() const { return m_settings; }
    bool isOn() const { return m_server != nullptr; }

    // Takes new choices and shares, or stops, or listens anew, as they say; they are kept. When
    // the clock cannot be shared (a port in use, no keys) sharing is off and `error` says why.
    bool apply(const NetworkSettings &settings, QString &error);
    // Starts sharing with the choices last made, as they were kept at start. False when the clock
    // cannot be shared, with `error` saying why; true when it is, with `error` saying why OSC
    // could not listen, if it could not.
    bool resume(QString &error);
    // Replaces both keys: every link given out so far stops working, and the pages open with them
    // are closed.
    bool newLinks(QString &error);
    // The links while sharing is on; none when it is off.
    std::optional<ShareLinks> links() const;
    // Pages and programs following the clock now.
    int screens() const;

    // What became of the OSC packets since OSC last started; none while it is off.
    const OscTally *oscTally() const;

    // What "--share on|off|links" asks of the running clock: the lines to print, or an error.
    bool runSwitch(const QString &mode, QStringList &lines, QString &error);

signals:
    void changed();
    void screensChanged(int count);
    void oscTallyChanged();

private:
    bool start(QString &error);
    void stop();
    bool matchOsc(bool changed, QString &error);
    bool startOsc(QString &error);

    ClockCommands &m_commands;
    NetworkSettings m_settings;
    SaveSettings m_save;
    QString m_tokensPath;
    ShareLimits m_limits;
    std::optional<ShareTokens> m_tokens;
    std::unique_ptr<ShareServer> m_server;
    std::unique_ptr<OscServer> m_osc;
};

} // namespace dorvane
