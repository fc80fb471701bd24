// The shared clock's status and commands, over HTTP and over the live socket, on loopback.
#include "share_test_client.h"

#include "app/share/command_table.h"
#include "app/share/status_json.h"

#include <QJsonDocument>
#include <QJsonObject>

using namespace dorvane;
using namespace dorvane::test;

namespace {

QJsonObject jsonOf(const QByteArray &bytes) { return QJsonDocument::fromJson(bytes).object(); }

TEST(ShareStatusJson, CarriesEveryFactOfTheStatus)
{
    ClockStatus status;
    status.running = true;
    status.countingDown = true;
    status.display = QStringLiteral("00 04 38");
    status.remainingSeconds = 278;
    status.allowanceSeconds = 600;
    status.cue = ClockStatus::Cue::Seconds;
    status.message = QStringLiteral("Wrap up");
    status.blank = true;
    const QJsonObject json = statusJson(status);
    EXPECT_EQ(json.value(QStringLiteral("running")).toBool(), true);
    EXPECT_EQ(json.value(QStringLiteral("countingDown")).toBool(), true);
    EXPECT_EQ(json.value(QStringLiteral("display")).toString(), QStringLiteral("00 04 38"));
    EXPECT_EQ(json.value(QStringLiteral("remainingSeconds")).toInt(), 278);
    EXPECT_EQ(json.value(QStringLiteral("expired")).toBool(true), false);
    EXPECT_EQ(json.value(QStringLiteral("allowanceSeconds")).toInt(), 600);
    EXPECT_EQ(json.value(QStringLiteral("cue")).toString(), QStringLiteral("seconds"));
    EXPECT_EQ(json.value(QStringLiteral("message")).toString(), QStringLiteral("Wrap up"));
    EXPECT_EQ(json.value(QStringLiteral("blank")).toBool(), true);
}

TEST(ShareStatusJson, CarriesWhatTheClockViewDrawsUnderView)
{
    StageLook look;
    look.background = 0xFFFF00;
    look.digits = 0x00000A;
    look.progressBar = true;
    look.timeOfDay = QStringLiteral("14:05");
    QJsonObject view = statusJson(ClockStatus(), look).value(QStringLiteral("view")).toObject();
    EXPECT_EQ(view.value(QStringLiteral("background")).toString(), QStringLiteral("#ffff00"));
    EXPECT_EQ(view.value(QStringLiteral("digits")).toString(), QStringLiteral("#00000a"));
    EXPECT_TRUE(view.value(QStringLiteral("progressBar")).toBool());
    EXPECT_TRUE(view.value(QStringLiteral("directionMarker")).toBool());
    EXPECT_TRUE(view.value(QStringLiteral("overtimeSeconds")).isNull()) << "none until a count-down is past its end";
    EXPECT_EQ(view.value(QStringLiteral("timeOfDay")).toString(), QStringLiteral("14:05"));
    look.overtimeSeconds = 42;
    view = statusJson(ClockStatus(), look).value(QStringLiteral("view")).toObject();
    EXPECT_EQ(view.value(QStringLiteral("overtimeSeconds")).toInt(), 42);
}

TEST(ShareCommandTable, ArgumentsThatAreNotWholeNumbersAreRefusedBeforeTheClockIsTouched)
{
    StandInControls controls;
    ClockCommands commands(controls);
    controls.commands = &commands;
    for (const char *body : {R"({"minutes":"5"})", R"({"minutes":2.5})", R"({"minutes":1e12})"}) {
        const NetworkCommandAnswer answer =
            runNetworkCommand(commands, QStringLiteral("set"), QJsonDocument::fromJson(body).object());
        EXPECT_EQ(answer.kind, NetworkCommandAnswer::Kind::BadArguments) << body;
    }
    EXPECT_EQ(controls.allowance, 0);
    EXPECT_EQ(runNetworkCommand(commands, QStringLiteral("explode"), {}).kind, NetworkCommandAnswer::Kind::Unknown);
}

TEST(ShareCommandTable, TheRoomsCommandsTakeTheirArgumentsByName)
{
    StandInControls controls;
    ClockCommands commands(controls);
    controls.commands = &commands;
    const auto run = [&](const char *name, const char *body) {
        return runNetworkCommand(commands, QLatin1String(name), QJsonDocument::fromJson(body).object());
    };
    EXPECT_TRUE(run("message", R"({"text":"Wrap up"})").result.done());
    EXPECT_EQ(commands.Status().message, QStringLiteral("Wrap up"));
    EXPECT_EQ(run("message", R"({"text":5})").kind, NetworkCommandAnswer::Kind::BadArguments);
    EXPECT_TRUE(run("clear-message", "{}").result.done());
    EXPECT_TRUE(commands.Status().message.isEmpty());

    EXPECT_TRUE(run("blank", R"({"on":true})").result.done());
    EXPECT_TRUE(commands.Status().blank);
    EXPECT_TRUE(run("blank", "{}").result.done()) << "without on, it is turned over";
    EXPECT_FALSE(commands.Status().blank);
    EXPECT_EQ(run("blank", R"({"on":"yes"})").kind, NetworkCommandAnswer::Kind::BadArguments);

    for (const char *body : {"{}", R"({"seconds":"60"})", R"({"seconds":1.5})"})
        EXPECT_EQ(run("add", body).kind, NetworkCommandAnswer::Kind::BadArguments) << body;
}

using ShareRoundTrip = SharedClock;

TEST_F(ShareRoundTrip, RestCommandsRunTheClockAndAnswerWithTheStatusOrTheBussText)
{
    share();
    RawClient client(port);
    HttpResult refused = client.exchange(request("POST", "/api/v1/start", port, {"Authorization: Bearer " + kControlKey}));
    EXPECT_EQ(refused.status, 409);
    EXPECT_EQ(jsonOf(refused.body).value(QStringLiteral("error")).toString(),
              QStringLiteral("Time Allowance must be set if counting down."));

    HttpResult set = client.exchange(
        request("POST", "/api/v1/set?key=" + kControlKey, port, {"Content-Type: application/json"}, R"({"minutes":5})"));
    EXPECT_EQ(set.status, 200);
    EXPECT_EQ(jsonOf(set.body).value(QStringLiteral("display")).toString(), QStringLiteral("00 05 00"));

    HttpResult outOfRange = client.exchange(request("POST", "/api/v1/set?key=" + kControlKey, port, {}, R"({"hours":100})"));
    EXPECT_EQ(outOfRange.status, 422);
    EXPECT_EQ(jsonOf(outOfRange.body).value(QStringLiteral("error")).toString(),
              QStringLiteral("Hours must be from 0 to 99, not 100."));

    HttpResult started = client.exchange(request("POST", "/api/v1/toggle?key=" + kControlKey, port));
    EXPECT_EQ(started.status, 200);
    EXPECT_TRUE(controls.status.running);

    HttpResult status = client.exchange(request("GET", "/api/v1/status?key=" + kViewKey, port));
    EXPECT_EQ(status.status, 200);
    EXPECT_EQ(jsonOf(status.body), statusJson(commands.Status(), commands.Look()));
}

TEST_F(ShareRoundTrip, TheLiveSocketIsToldEachChangeAsItHappensAndTakesTheSameCommands)
{
    share();
    std::unique_ptr<QWebSocket> socket = live(kControlKey);
    ASSERT_EQ(socket->state(), QAbstractSocket::ConnectedState);
    ASSERT_TRUE(DORVANE_WAIT_FOR(received.size() == 1));
    EXPECT_EQ(jsonOf(received[0].toUtf8()).value(QStringLiteral("type")).toString(), QStringLiteral("status"));
    EXPECT_EQ(server->liveConnections(), 1);

    // A change made at the window reaches the socket at once, with no request.
    controls.typed[1] = 2;
    controls.ClickReset();
    ASSERT_TRUE(DORVANE_WAIT_FOR(received.size() == 2));
    EXPECT_EQ(jsonOf(received[1].toUtf8()).value(QStringLiteral("status")).toObject().value(QStringLiteral("display")),
              QStringLiteral("00 02 00"));

    socket->sendTextMessage(QStringLiteral(R"({"command":"start","id":7})"));
    ASSERT_TRUE(DORVANE_WAIT_FOR(received.size() == 4));
    EXPECT_TRUE(controls.status.running);
    // The change is pushed while the command runs, then the command's answer follows.
    EXPECT_TRUE(jsonOf(received[2].toUtf8()).value(QStringLiteral("status")).toObject().value(QStringLiteral("running")).toBool());
    const QJsonObject result = jsonOf(received[3].toUtf8());
    EXPECT_EQ(result.value(QStringLiteral("type")).toString(), QStringLiteral("result"));
    EXPECT_EQ(result.value(QStringLiteral("id")).toInt(), 7);
    EXPECT_TRUE(result.value(QStringLiteral("ok")).toBool());

    socket->sendTextMessage(QStringLiteral(R"({"command":"set","hours":120})"));
    ASSERT_TRUE(DORVANE_WAIT_FOR(received.size() == 5));
    EXPECT_EQ(jsonOf(received[4].toUtf8()).value(QStringLiteral("error")).toString(),
              QStringLiteral("Hours must be from 0 to 99, not 120."));
}

TEST_F(ShareRoundTrip, PagesAreWholeSmallAndNeedTheirLinksKey)
{
    share();
    for (const QByteArray page : {"/view", "/clock", "/control"}) {
        const HttpResult result = once(request("GET", page + "?key=" + kControlKey, port));
        EXPECT_EQ(result.status, 200) << page.constData();
        EXPECT_TRUE(result.head.contains("Content-Type: text/html; charset=utf-8"));
        EXPECT_TRUE(result.head.contains("Content-Security-Policy: default-src 'none';"));
        EXPECT_LE(result.body.size(), 20 * 1024) << page.constData();
        EXPECT_TRUE(result.body.contains("/api/v1/live?key=")) << "the shared script is inside the page";
        EXPECT_FALSE(result.body.contains("/*live*/"));
        // Nothing fetched from elsewhere.
        EXPECT_FALSE(result.body.contains("src=") || result.body.contains("href=") || result.body.contains("@import"));
    }
    EXPECT_EQ(once(request("GET", "/view?key=" + kViewKey, port)).status, 200);
    EXPECT_EQ(once(request("GET", "/control?key=" + kViewKey, port)).status, 403);
    EXPECT_EQ(once(request("GET", "/control", port)).status, 403);
    EXPECT_EQ(once(request("POST", "/view?key=" + kViewKey, port)).status, 405);
}

} // namespace
