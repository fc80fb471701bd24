#pragma once
#include "settings/share_tokens.h"

#include <QByteArray>
#include <QHostAddress>
#include <QStringList>
#include <QUrlQuery>
#include <chrono>
#include <deque>
#include <functional>
#include <map>

namespace dorvane {

// What a key lets its bearer do.
enum class Access { None, View, Control };

// The key a request carries: the link's `key`, or else an "Authorization: Bearer" header.
QByteArray presentedKey(const QUrlQuery &query, const QByteArray &authorization);
// Compared in a time that does not depend on how much of a key matches.
Access accessOf(const QByteArray &key, const ShareTokens &tokens);

// The names a request may give in its Host header: this computer's addresses and names, and
// "localhost". Anything else is a page elsewhere that had its name point here.
class HostNames
{
public:
    static HostNames ofThisComputer();
    explicit HostNames(QStringList names);

    // `host` as the header gives it, with or without a port; an IPv6 address in brackets.
    bool allows(const QByteArray &host) const;

private:
    QStringList m_names; // lowercase
};

// A browser's request is allowed only from a page of this server itself; a request with no
// Origin comes from no web page. "null" is no origin.
bool originAllowed(const QByteArray &origin, const QByteArray &host);

using SteadyNow = std::function<std::chrono::steady_clock::time_point()>;

// At most `perSecond` commands in any second, on one connection.
class CommandRate
{
public:
    CommandRate(int perSecond, SteadyNow now);
    // True when the command may run now; counted only then.
    bool take();

private:
    int m_perSecond;
    SteadyNow m_now;
    std::deque<std::chrono::steady_clock::time_point> m_recent;
};

// Wrong keys from one address are answered later and later: the delay doubles with each failure
// in a row, up to a ceiling, and a right key clears it. Bounded in the addresses it remembers.
class FailedAttempts
{
public:
    FailedAttempts(std::chrono::milliseconds first, std::chrono::milliseconds ceiling, SteadyNow now);
    // Notes a failure from `peer` and gives how long to wait before answering it.
    std::chrono::milliseconds failed(const QHostAddress &peer);
    void succeeded(const QHostAddress &peer);

private:
    struct Record
    {
        int failures = 0;
        std::chrono::steady_clock::time_point last;
    };
    std::chrono::milliseconds m_first;
    std::chrono::milliseconds m_ceiling;
    SteadyNow m_now;
    std::map<QString, Record> m_byPeer;
};

} // namespace dorvane
