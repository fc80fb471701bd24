// The clock driven by other programs over a private message bus: the methods reach the same state
// as the buttons, errors go back to the caller and never open a box, and the properties follow
// every tick.
#include "app/clock_view/clock_view_controller.h"
#include "app/remote/remote_control.h"
#include "app/remote/remote_interface.h"
#include "app/clock_view/tclockviewform.h"
#include "controls/base/published.h"
#include "controls/base/ttimer.h"
#include "controls/input/tcxspinedit.h"
#include "app/main_window/main_window_fixture.h"
#include "support/private_bus.h"

#include <QDBusMessage>
#include <QDBusVariant>

using namespace dorvane;

namespace {

// Collects the clock's PropertiesChanged signals as a caller receives them.
class ChangeRecorder final : public QObject
{
    Q_OBJECT
public slots:
    void changed(const QString &interface, const QVariantMap &properties, const QStringList &)
    {
        if (interface == QLatin1String(remote::kInterface))
            received << properties;
    }

public:
    QList<QVariantMap> received;
};

class RemoteControlTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(m_bus.start(m_dir.path())) << "dbus-daemon is needed (scripts/install-deps.sh)";
    }

    void TearDown() override
    {
        m_remote.reset();
        MainWindowTest::TearDown();
        for (const char *name : {"clock", "caller"})
            QDBusConnection::disconnectFromBus(QLatin1String(name));
        m_bus.stop();
    }

    QDBusConnection connection(const char *name) const
    {
        return QDBusConnection::connectToBus(m_bus.address(), QLatin1String(name));
    }

    // The window, answering on the private bus.
    TMainForm &openClock()
    {
        TMainForm &w = open();
        m_remote = std::make_unique<RemoteControl>(w.commands());
        EXPECT_EQ(m_remote->offerOn(connection("clock")), RemoteControl::Offer::Answering);
        return w;
    }

    // Calls the clock as another program would, waiting for the answer.
    QDBusMessage call(const QString &method, const QVariantList &arguments = {},
                      const QString &interface = QLatin1String(remote::kInterface))
    {
        QDBusMessage message =
            QDBusMessage::createMethodCall(remote::serviceName(), QLatin1String(remote::kObjectPath), interface, method);
        message.setArguments(arguments);
        return connection("caller").call(message, QDBus::BlockWithGui);
    }

    QVariant property(const char *name)
    {
        const QDBusMessage reply = call(QStringLiteral("Get"), {QLatin1String(remote::kInterface), QLatin1String(name)},
                                        QStringLiteral("org.freedesktop.DBus.Properties"));
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }

    // The method's answer, with a check that no box opened meanwhile.
    QDBusMessage callWithNoBox(const QString &method, const QVariantList &arguments = {})
    {
        QDBusMessage reply;
        EXPECT_FALSE(expectModalBox([&] { reply = call(method, arguments); }, [](QMessageBox *) {}))
            << method.toStdString();
        return reply;
    }

    QList<int> allowanceFields() const
    {
        return {intProperty("spnHrs", "Value"), intProperty("spnMin", "Value"), intProperty("spnSec", "Value")};
    }

    PrivateBus m_bus;
    std::unique_ptr<RemoteControl> m_remote;
};

TEST_F(RemoteControlTest, EachMethodReachesTheSameStateAsItsButton)
{
    TMainForm &w = openClock();
    ASSERT_EQ(call(QStringLiteral("SetAllowance"), {0, 1, 30}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(allowanceFields(), (QList<int>{0, 1, 30}));
    EXPECT_EQ(display(), QStringLiteral("00 01 30")) << "the allowance is taken by a reset";

    EXPECT_EQ(call(QStringLiteral("Start")).type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(w.timer()->Enabled());
    EXPECT_TRUE(w.engine().state().ColourChangeOn) << "Start latches the options";
    tick(3);
    EXPECT_EQ(call(QStringLiteral("Stop")).type(), QDBusMessage::ReplyMessage);
    EXPECT_FALSE(w.timer()->Enabled());
    EXPECT_EQ(display(), QStringLiteral("00 01 27"));

    EXPECT_EQ(call(QStringLiteral("Reset")).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(display(), QStringLiteral("00 01 30"));
    EXPECT_FALSE(w.timer()->Enabled()) << "a reset keeps the clock stopped";

    // A new allowance while the clock runs restarts the count from it, as Reset does.
    call(QStringLiteral("Start"));
    tick();
    call(QStringLiteral("SetAllowance"), {1, 0, 0});
    EXPECT_EQ(display(), QStringLiteral("01 00 00"));
    EXPECT_TRUE(w.timer()->Enabled());

    // The clock view, as F10 shows and hides it.
    EXPECT_EQ(call(QStringLiteral("ShowClockView"), {true}).type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(w.ClockViewShown());
    EXPECT_TRUE(w.clockView().Form()->isVisible());
    call(QStringLiteral("ShowClockView"), {false});
    EXPECT_FALSE(w.ClockViewShown());

    // Shown, but where no screen shows it: the caller hears so.
    w.clockView().Form()->move(-20000, -20000);
    const QDBusMessage offScreen = call(QStringLiteral("ShowClockView"), {true});
    EXPECT_EQ(offScreen.errorName(), QLatin1String(remote::kFailedError));
    EXPECT_EQ(offScreen.errorMessage(), QStringLiteral("The clock view cannot be shown."));
}

TEST_F(RemoteControlTest, AStartTheButtonWouldAnswerWithABoxAnswersTheCallerInstead)
{
    TMainForm &w = openClock();
    call(QStringLiteral("SetAllowance"), {0, 0, 0});
    QDBusMessage reply = callWithNoBox(QStringLiteral("Start"));
    EXPECT_EQ(reply.errorName(), QLatin1String(remote::kRefusedError));
    EXPECT_EQ(reply.errorMessage(), QStringLiteral("Time Allowance must be set if counting down."));
    EXPECT_FALSE(w.timer()->Enabled());

    // A failure after the clock started is answered too; the clock runs, as after the button.
    call(QStringLiteral("SetAllowance"), {0, 0, 10});
    w.findChild<TcxSpinEdit *>(QStringLiteral("spnColorSecs"))->SetValue(Variant(std::int64_t{3000000000}));
    reply = callWithNoBox(QStringLiteral("Start"));
    EXPECT_EQ(reply.errorName(), QLatin1String(remote::kFailedError));
    EXPECT_EQ(reply.errorMessage(), QStringLiteral("Range check error"));
    EXPECT_TRUE(w.timer()->Enabled());

    // The window's own buttons still open their boxes afterwards.
    click("btnStop");
    call(QStringLiteral("SetAllowance"), {0, 0, 0});
    EXPECT_TRUE(expectModalBox([&] { click("btnStart"); }, [](QMessageBox *box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Error"));
    }));
}

TEST_F(RemoteControlTest, AnAllowanceOutsideTheFieldsRangesChangesNothing)
{
    TMainForm &w = openClock();
    call(QStringLiteral("SetAllowance"), {0, 0, 40});
    call(QStringLiteral("Start"));
    tick(2);
    const struct
    {
        int hours, minutes, seconds;
        const char *error;
    } rows[] = {{100, 0, 0, "Hours must be from 0 to 99, not 100."},
                {0, 61, 0, "Minutes must be from 0 to 60, not 61."},
                {0, 0, -1, "Seconds must be from 0 to 60, not -1."}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.error);
        const QDBusMessage reply = call(QStringLiteral("SetAllowance"), {row.hours, row.minutes, row.seconds});
        EXPECT_EQ(reply.errorName(), QLatin1String(remote::kOutOfRangeError));
        EXPECT_EQ(reply.errorMessage(), QLatin1String(row.error));
        EXPECT_EQ(allowanceFields(), (QList<int>{0, 0, 40}));
        EXPECT_EQ(display(), QStringLiteral("00 00 38"));
        EXPECT_TRUE(w.timer()->Enabled());
    }
    // The largest values the fields take are accepted.
    EXPECT_EQ(call(QStringLiteral("SetAllowance"), {99, 60, 60}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(display(), QStringLiteral("99 60 60"));
}

TEST_F(RemoteControlTest, PropertiesChangeOnceAtEachTickAndAtEachChange)
{
    openClock();
    call(QStringLiteral("SetAllowance"), {0, 0, 2});
    ChangeRecorder recorder;
    ASSERT_TRUE(connection("caller").connect(remote::serviceName(), QLatin1String(remote::kObjectPath),
                                             QStringLiteral("org.freedesktop.DBus.Properties"),
                                             QStringLiteral("PropertiesChanged"), &recorder,
                                             SLOT(changed(QString, QVariantMap, QStringList))));
    EXPECT_EQ(property("RemainingSeconds"), QVariant(2));

    click("btnStart"); // the window's own button is announced too
    ASSERT_TRUE(DORVANE_WAIT_FOR(recorder.received.size() == 1));
    EXPECT_EQ(recorder.received[0], (QVariantMap{{QStringLiteral("Running"), true}}));
    tick();
    ASSERT_TRUE(DORVANE_WAIT_FOR(recorder.received.size() == 2));
    EXPECT_EQ(recorder.received[1], (QVariantMap{{QStringLiteral("Display"), QStringLiteral("00 00 01")},
                                                  {QStringLiteral("RemainingSeconds"), 1}}));
    tick();
    ASSERT_TRUE(DORVANE_WAIT_FOR(recorder.received.size() == 3));
    EXPECT_EQ(recorder.received[2], (QVariantMap{{QStringLiteral("Display"), QStringLiteral("00 00 00")},
                                                  {QStringLiteral("RemainingSeconds"), 0},
                                                  {QStringLiteral("Running"), false},
                                                  {QStringLiteral("Expired"), true}}));

    // A Stop or Reset that changes nothing says nothing; the next real change is the only one.
    click("btnStop");
    writePublished(control("rgDirection"), QStringLiteral("ItemIndex"), 1);
    call(QStringLiteral("Reset"));
    ASSERT_TRUE(DORVANE_WAIT_FOR(recorder.received.size() >= 4));
    EXPECT_EQ(property("Display"), QVariant(QStringLiteral("00 00 00"))); // answered after any signal sent before it
    EXPECT_EQ(recorder.received.size(), 4);
    EXPECT_EQ(recorder.received[3], (QVariantMap{{QStringLiteral("CountingDown"), false},
                                                  {QStringLiteral("Expired"), false}}));

    // Counting up, the seconds counted, and expired at the allowance.
    call(QStringLiteral("Start"));
    tick();
    EXPECT_EQ(property("RemainingSeconds"), QVariant(1));
    tick();
    EXPECT_EQ(property("Display"), QVariant(QStringLiteral("00 00 02")));
    EXPECT_EQ(property("Expired"), QVariant(true));
}

TEST_F(RemoteControlTest, MoreTimeTheMessageAndTheBlankScreenAnswerAsTheirCommands)
{
    TMainForm &w = openClock();
    call(QStringLiteral("SetAllowance"), {0, 0, 30});
    call(QStringLiteral("Start"));
    tick(2);
    EXPECT_EQ(call(QStringLiteral("AddSeconds"), {60}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(display(), QStringLiteral("00 01 28")) << "the main window's digits show the new time";
    EXPECT_EQ(property("RemainingSeconds"), QVariant(88));
    EXPECT_TRUE(w.timer()->Enabled());

    ChangeRecorder recorder;
    ASSERT_TRUE(connection("caller").connect(remote::serviceName(), QLatin1String(remote::kObjectPath),
                                             QStringLiteral("org.freedesktop.DBus.Properties"),
                                             QStringLiteral("PropertiesChanged"), &recorder,
                                             SLOT(changed(QString, QVariantMap, QStringList))));
    EXPECT_EQ(call(QStringLiteral("ShowMessage"), {QStringLiteral("Wrap up")}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(property("Message"), QVariant(QStringLiteral("Wrap up")));
    EXPECT_EQ(call(QStringLiteral("SetBlank"), {true}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(property("Blank"), QVariant(true));
    call(QStringLiteral("ClearMessage"));
    ASSERT_TRUE(DORVANE_WAIT_FOR(recorder.received.size() >= 3));
    EXPECT_EQ(recorder.received, (QList<QVariantMap>{{{QStringLiteral("Message"), QStringLiteral("Wrap up")}},
                                                     {{QStringLiteral("Blank"), true}},
                                                     {{QStringLiteral("Message"), QString()}}}));

    const QDBusMessage tooLong = call(QStringLiteral("ShowMessage"), {QString(201, QLatin1Char('x'))});
    EXPECT_EQ(tooLong.errorName(), QLatin1String(remote::kOutOfRangeError));
    EXPECT_EQ(property("Message"), QVariant(QString()));

    // A count-up is refused to the caller, with no box.
    click("btnStop");
    writePublished(control("rgDirection"), QStringLiteral("ItemIndex"), 1);
    call(QStringLiteral("Reset"));
    const QDBusMessage refused = callWithNoBox(QStringLiteral("AddSeconds"), {60});
    EXPECT_EQ(refused.errorName(), QLatin1String(remote::kRefusedError));
    EXPECT_EQ(refused.errorMessage(), QStringLiteral("Time can be added or taken away only while counting down."));
    EXPECT_EQ(display(), QStringLiteral("00 00 00"));
}

TEST_F(RemoteControlTest, OnlyTheClocksInterfaceIsReachableAndItsPropertiesAreReadOnly)
{
    TMainForm &w = openClock();
    // The window's own slots (Done, the settings' close) are not on the bus.
    const QString xml = call(QStringLiteral("Introspect"), {}, QStringLiteral("org.freedesktop.DBus.Introspectable"))
                            .arguments()
                            .value(0)
                            .toString();
    QStringList interfaces;
    for (const QString &part : xml.split(QStringLiteral("<interface name=\"")).mid(1))
        interfaces << part.left(part.indexOf(QLatin1Char('"')));
    interfaces.sort();
    EXPECT_EQ(interfaces, (QStringList{QLatin1String(remote::kInterface), QStringLiteral("org.freedesktop.DBus.Introspectable"),
                                       QStringLiteral("org.freedesktop.DBus.Peer"),
                                       QStringLiteral("org.freedesktop.DBus.Properties")}));
    const QDBusMessage set = call(QStringLiteral("Set"),
                                  {QLatin1String(remote::kInterface), QStringLiteral("Running"),
                                   QVariant::fromValue(QDBusVariant(true))},
                                  QStringLiteral("org.freedesktop.DBus.Properties"));
    EXPECT_EQ(set.type(), QDBusMessage::ErrorMessage);
    EXPECT_FALSE(w.timer()->Enabled());
}

TEST_F(RemoteControlTest, ActivateBringsAMinimizedWindowBack)
{
    TMainForm &w = openClock();
    w.showMinimized();
    ASSERT_TRUE(DORVANE_WAIT_FOR(w.isMinimized()));
    EXPECT_EQ(call(QStringLiteral("Activate")).type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(DORVANE_WAIT_FOR(!w.isMinimized() && w.isVisible()));
}

} // namespace

#include "remote_control_test.moc"
