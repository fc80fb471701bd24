// OSC commands over UDP on loopback, sent with liblo as stage gear sends them.
#include "share_test_client.h"

#include "app/share/osc_commands.h"
#include "app/share/osc_server.h"
#include "app/share/sharing.h"

#include <QTemporaryDir>
#include <QUdpSocket>
#include <lo/lo.h>

using namespace dorvane;
using namespace dorvane::test;

namespace {

// Whether nothing holds the UDP port on loopback any more.
bool portFree(quint16 port)
{
    QUdpSocket probe;
    return probe.bind(QHostAddress::LocalHost, port, QUdpSocket::DontShareAddress);
}

quint16 freePort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0, QUdpSocket::DontShareAddress);
    return probe.localPort();
}

class OscClock : public SharedClock
{
protected:
    void SetUp() override
    {
        SharedClock::SetUp();
        QObject::connect(&commands, &ClockCommands::StatusChanged, &commands, [this] { ++changes; });
    }
    void TearDown() override
    {
        if (target)
            lo_address_free(target);
    }

    void listen(const QString &senders, ShareLimits limits = {})
    {
        QList<QHostAddress> listed;
        QString error;
        ASSERT_TRUE(parseOscSenders(senders, listed, error)) << error.toStdString();
        osc = std::make_unique<OscServer>(commands, listed, limits, [this] { return now; });
        ASSERT_TRUE(osc->listen(QHostAddress::LocalHost, 0, error)) << error.toStdString();
        if (target)
            lo_address_free(target);
        target = lo_address_new("127.0.0.1", QByteArray::number(osc->port()).constData());
    }

    // Waits until every packet sent so far has been dealt with, whatever became of it.
    bool settled(int packets)
    {
        return DORVANE_WAIT_FOR(osc->tally().taken + osc->tally().ignored() == packets);
    }

    std::unique_ptr<OscServer> osc;
    lo_address target = nullptr;
    int changes = 0;
};

TEST_F(OscClock, EachMessageRunsItsCommandOnTheClock)
{
    listen(QStringLiteral("127.0.0.1"));
    const auto changed = [this](int before) { return DORVANE_WAIT_FOR(changes > before); };

    lo_send(target, "/dorvane/set", "iii", 0, 2, 30);
    ASSERT_TRUE(changed(0));
    EXPECT_EQ(controls.status.display, QStringLiteral("00 02 30"));
    lo_send(target, "/dorvane/start", "");
    ASSERT_TRUE(changed(1));
    EXPECT_TRUE(controls.status.running);
    lo_send(target, "/dorvane/add", "i", 60);
    ASSERT_TRUE(changed(2));
    EXPECT_EQ(controls.status.remainingSeconds, 210);
    lo_send(target, "/dorvane/stop", "");
    ASSERT_TRUE(changed(3));
    EXPECT_FALSE(controls.status.running);
    lo_send(target, "/dorvane/reset", "");
    ASSERT_TRUE(changed(4));
    EXPECT_EQ(controls.status.remainingSeconds, 150);
    lo_send(target, "/dorvane/toggle", "");
    ASSERT_TRUE(changed(5));
    EXPECT_TRUE(controls.status.running);
    lo_send(target, "/dorvane/message", "s", "Wrap up \xc3\xa9");
    ASSERT_TRUE(changed(6));
    EXPECT_EQ(commands.Status().message, QStringLiteral("Wrap up \u00e9"));
    lo_send(target, "/dorvane/clear-message", "");
    ASSERT_TRUE(changed(7));
    EXPECT_TRUE(commands.Status().message.isEmpty());
    lo_send(target, "/dorvane/blank", "i", 1);
    ASSERT_TRUE(changed(8));
    EXPECT_TRUE(commands.Status().blank);
    lo_send(target, "/dorvane/blank", "i", 0);
    ASSERT_TRUE(changed(9));
    EXPECT_FALSE(commands.Status().blank);
    EXPECT_EQ(osc->tally().taken, 10);
    EXPECT_EQ(osc->tally().ignored(), 0);
}

TEST_F(OscClock, OnlyTheListedAddressesAreHeard)
{
    listen(QStringLiteral("192.0.2.7, ::ffff:192.0.2.8"));
    lo_send(target, "/dorvane/set", "iii", 0, 5, 0);
    lo_send(target, "/dorvane/blank", "i", 1);
    ASSERT_TRUE(settled(2));
    EXPECT_EQ(osc->tally().notListed, 2);
    EXPECT_EQ(changes, 0);

    // An empty list hears no one.
    listen(QString());
    lo_send(target, "/dorvane/blank", "i", 1);
    ASSERT_TRUE(settled(1));
    EXPECT_EQ(osc->tally().notListed, 1);
    EXPECT_EQ(changes, 0);
}

TEST_F(OscClock, AnythingButOurMessagesWithTheirExactTypesIsDropped)
{
    ShareLimits limits;
    limits.maxMessageBytes = 256;
    listen(QStringLiteral("::1 127.0.0.1"), limits);
    lo_send(target, "/dorvane/set", "ii", 0, 5);
    lo_send(target, "/dorvane/set", "iiii", 0, 5, 0, 0);
    lo_send(target, "/dorvane/add", "f", 60.0f);
    lo_send(target, "/dorvane/add", "h", std::int64_t(60));
    lo_send(target, "/dorvane/blank", "T");
    lo_send(target, "/dorvane/message", "i", 5);
    lo_send(target, "/dorvane/start", "i", 1);
    lo_send(target, "/dorvane/explode", "");
    lo_send(target, "/dorvane/message", "s", std::string(300, 'x').c_str());
    ASSERT_TRUE(settled(9));
    EXPECT_EQ(osc->tally().unreadable, 8);
    EXPECT_EQ(osc->tally().tooLarge, 1);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(controls.allowance, 0);

    // A bundle, or bytes that are no OSC at all, never reach the clock either.
    EXPECT_FALSE(readOscCommand(QByteArray("#bundle\0\0\0\0\0\0\0\0\1", 16)));
    EXPECT_FALSE(readOscCommand(QByteArray("/dorvane/start")));
    EXPECT_TRUE(readOscCommand(QByteArray("/dorvane/start\0\0,\0\0\0", 20)));
}

TEST_F(OscClock, AtMostTwentyCommandsASecondFromOneAddress)
{
    listen(QStringLiteral("127.0.0.1"));
    for (int i = 0; i < 21; ++i)
        lo_send(target, "/dorvane/blank", "i", i % 2 == 0);
    ASSERT_TRUE(settled(21));
    EXPECT_EQ(osc->tally().taken, 20);
    EXPECT_EQ(osc->tally().tooFast, 1);

    now += std::chrono::seconds(1);
    lo_send(target, "/dorvane/blank", "i", 1);
    ASSERT_TRUE(settled(22));
    EXPECT_EQ(osc->tally().taken, 21);
}

TEST(OscSenders, AddressesAloneAreTaken)
{
    QList<QHostAddress> senders;
    QString error;
    EXPECT_TRUE(parseOscSenders(QStringLiteral(" 192.168.1.30,fe80::1  10.0.0.2 "), senders, error));
    EXPECT_EQ(senders.size(), 3);
    for (const char *wrong : {"mixer.local", "192.168.1.0/24", "300.1.1.1"}) {
        EXPECT_FALSE(parseOscSenders(QLatin1String(wrong), senders, error)) << wrong;
        EXPECT_EQ(error, QStringLiteral("'%1' is not an IPv4 or IPv6 address.").arg(QLatin1String(wrong)));
    }
    EXPECT_EQ(senders.size(), 3) << "a list that does not read leaves the one before";
}

// A clock shared on loopback, with OSC as `osc` says on `oscPort`, taken from loopback only.
class OscSharing : public ::testing::Test
{
protected:
    OscSharing() { controls.commands = &commands; }

    static NetworkSettings sharedOnLoopback(bool osc, quint16 oscPort)
    {
        NetworkSettings settings;
        settings.sharing = true;
        settings.port = 0;
        settings.listen = NetworkSettings::Listen::ThisComputer;
        settings.osc = osc;
        settings.oscPort = oscPort;
        settings.oscAllowed = "127.0.0.1";
        return settings;
    }

    QString keysPath() const { return folder.filePath(QStringLiteral("sharing.keys")); }

    StandInControls controls;
    ClockCommands commands{controls};
    QTemporaryDir folder;
};

TEST_F(OscSharing, ListensOnlyWhileSharedWithOscOnAndClosesAtOnce)
{
    NetworkSettings settings = sharedOnLoopback(false, freePort());
    Sharing sharing(commands, settings, nullptr, keysPath());
    QString error;
    ASSERT_TRUE(sharing.resume(error)) << error.toStdString();
    EXPECT_TRUE(portFree(quint16(settings.oscPort))) << "OSC is off by default";

    settings.osc = true;
    ASSERT_TRUE(sharing.apply(settings, error)) << error.toStdString();
    EXPECT_FALSE(portFree(quint16(settings.oscPort)));
    lo_address target = lo_address_new("127.0.0.1", QByteArray::number(settings.oscPort).constData());
    lo_send(target, "/dorvane/blank", "i", 1);
    EXPECT_TRUE(DORVANE_WAIT_FOR(commands.Status().blank));
    lo_address_free(target);

    settings.osc = false;
    ASSERT_TRUE(sharing.apply(settings, error));
    EXPECT_TRUE(portFree(quint16(settings.oscPort))) << "OSC off closes its port";
    EXPECT_EQ(sharing.oscTally(), nullptr);

    settings.osc = true;
    ASSERT_TRUE(sharing.apply(settings, error));
    EXPECT_FALSE(portFree(quint16(settings.oscPort)));
    settings.sharing = false;
    ASSERT_TRUE(sharing.apply(settings, error));
    EXPECT_TRUE(portFree(quint16(settings.oscPort))) << "sharing off closes the OSC port too";
}

// A taken OSC port costs only OSC: the pages are shared all the same, and the start says why OSC
// is missing rather than that the clock is not shared.
TEST_F(OscSharing, ATakenOscPortAtStartLeavesThePagesShared)
{
    QUdpSocket holder;
    ASSERT_TRUE(holder.bind(QHostAddress::LocalHost, 0, QUdpSocket::DontShareAddress));
    const NetworkSettings settings = sharedOnLoopback(true, holder.localPort());
    Sharing sharing(commands, settings, nullptr, keysPath());

    QString error;
    EXPECT_TRUE(sharing.resume(error));
    EXPECT_TRUE(sharing.isOn());
    EXPECT_TRUE(sharing.links().has_value());
    EXPECT_TRUE(error.startsWith(QStringLiteral("OSC port %1 cannot be used").arg(settings.oscPort)))
        << error.toStdString();
    EXPECT_EQ(sharing.oscTally(), nullptr);
    EXPECT_FALSE(sharing.settings().osc);
}

} // namespace
