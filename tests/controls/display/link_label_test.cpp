#include "controls/base/address_launcher.h"
#include "controls/base/platform.h"
#include "controls/display/tovcurl.h"
#include "support/qt_wait.h"
#include "test_window.h"

#include "support/qt_wait.h"

#include <QCursor>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

constexpr int clBlack = 0x000000;
constexpr int clBlue = 0xFF0000;
constexpr int clGreen = 0x008000;
const QString address = QStringLiteral("https://www.example.org/");

// A launcher of ours in place of the desktop's: a script that records the address it is
// given and exits with the chosen status.
class StandInLauncher
{
public:
    explicit StandInLauncher(int exitStatus)
    {
        QFile script(m_dir.filePath(QStringLiteral("launcher")));
        script.open(QIODevice::WriteOnly);
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '%1'\nexit %2\n")
                         .arg(m_dir.filePath(QStringLiteral("opened")))
                         .arg(exitStatus)
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_previous = dorvane::setAddressLauncher(script.fileName());
    }
    // A launcher program that does not exist.
    StandInLauncher() { m_previous = dorvane::setAddressLauncher(m_dir.filePath(QStringLiteral("missing"))); }
    ~StandInLauncher()
    {
        EXPECT_TRUE(waitUntilEnded()) << "no launcher outlives its test";
        dorvane::setAddressLauncher(m_previous);
    }

    QStringList opened() const
    {
        QFile file(m_dir.filePath(QStringLiteral("opened")));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    static bool waitUntilEnded() { return DORVANE_WAIT_FOR(dorvane::runningAddressLaunchers() == 0); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

struct LinkWindow
{
    TForm form;
    TOvcURL *link;
    int beeps = 0;
    dorvane::BeepHook previousBeep;

    LinkWindow()
    {
        previousBeep = dorvane::setBeepHook([this] { ++beeps; });
        form.resize(500, 60);
        link = new TOvcURL(&form);
        link->SetBounds(329, 8, 155, 16);
        link->Font()->SetColor(clBlack);
        link->Font()->SetStyle(0);
        link->SetHighlightColor(clBlue);
        link->SetURL(address);
        link->SetLinkCaption(QStringLiteral("(") + address + QStringLiteral(")"));
        link->Loaded();
    }
    ~LinkWindow() { dorvane::setBeepHook(previousBeep); }

    void cursorOutside() { QCursor::setPos(form.mapToGlobal(QPoint(5, 50))); }
    void cursorInside() { QCursor::setPos(link->mapToGlobal(link->rect().center())); }
};

} // namespace

TEST(LinkLabel, ShowsTheCaptionOrElseTheAddress)
{
    TForm form;
    auto *link = new TOvcURL(&form);
    EXPECT_TRUE(link->UnderlineURL());
    link->SetURL(QStringLiteral("https://a.example/"));
    EXPECT_EQ(link->Caption(), QStringLiteral("https://a.example/"));
    link->SetURL(QStringLiteral("https://b.example/"));
    EXPECT_EQ(link->Caption(), QStringLiteral("https://b.example/"));
    link->SetLinkCaption(QStringLiteral("(b)"));
    link->SetURL(QStringLiteral("https://c.example/"));
    EXPECT_EQ(link->Caption(), QStringLiteral("(b)"));
    link->SetLinkCaption(QString());
    EXPECT_EQ(link->Caption(), QStringLiteral("https://c.example/"));
    EXPECT_EQ(link->width(), QFontMetrics(link->Font()->toQFont()).horizontalAdvance(link->Caption()));
    link->SetUnderlineURL(false);
    EXPECT_EQ(link->Font()->Style() & TFont::fsUnderline, 0);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
}

TEST(LinkLabel, HoverHighlightsOnceAndThePollEndsIt)
{
    LinkWindow w;
    showActive(w.form);
    EXPECT_EQ(w.link->Font()->Color(), clBlack) << "no hover before the first mouse move";
    w.cursorInside();
    QTest::mouseMove(w.link, w.link->rect().center());
    ASSERT_TRUE(w.link->Hovering());
    EXPECT_EQ(w.link->Font()->Color(), clBlue);
    QTimer *poll = w.link->PollTimer();
    EXPECT_EQ(poll->interval(), 100);
    EXPECT_TRUE(poll->isActive());

    w.link->HoverAt(QPoint(3, 3));
    EXPECT_EQ(w.link->PollTimer(), poll) << "no second poll timer";
    EXPECT_EQ(w.link->findChildren<QTimer *>().size(), 1);
    w.link->PollHover();
    EXPECT_TRUE(w.link->Hovering()) << "still inside";

    w.cursorOutside();
    w.link->PollHover();
    EXPECT_FALSE(w.link->Hovering());
    EXPECT_EQ(w.link->Font()->Color(), clBlack);
    EXPECT_TRUE(w.link->findChildren<QTimer *>().isEmpty());
}

TEST(LinkLabel, TheRunningPollEndsTheHoverOnceTheCursorHasLeft)
{
    LinkWindow w;
    showActive(w.form);
    w.cursorInside();
    QTest::mouseMove(w.link, w.link->rect().center());
    ASSERT_TRUE(w.link->Hovering());
    w.cursorOutside(); // no leave event: only the poll can notice
    ASSERT_TRUE(DORVANE_WAIT_FOR(!w.link->Hovering()));
    EXPECT_EQ(w.link->Font()->Color(), clBlack);
    EXPECT_EQ(w.link->PollTimer(), nullptr);
}

TEST(LinkLabel, VisitedColourAfterAClickWhenAskedFor)
{
    StandInLauncher launcher(0);
    LinkWindow w;
    w.link->HoverAt(QPoint(2, 2));
    w.link->Click();
    w.cursorOutside();
    w.link->PollHover();
    EXPECT_EQ(w.link->Font()->Color(), clBlack) << "UseVisitedColor is off";

    w.link->SetUseVisitedColor(true);
    w.link->SetVisitedColor(clGreen);
    w.link->HoverAt(QPoint(2, 2));
    w.link->Click();
    w.link->PollHover();
    EXPECT_EQ(w.link->Font()->Color(), clGreen);
    w.link->HoverAt(QPoint(2, 2));
    EXPECT_EQ(w.link->Font()->Color(), clBlue);
    w.link->PollHover();
    EXPECT_EQ(w.link->Font()->Color(), clGreen);
}

TEST(LinkLabel, NoColourMeansTheFontColourOfTheMoment)
{
    LinkWindow w;
    w.link->Font()->SetColor(clGreen);
    w.link->SetHighlightColor(TOvcURL::clNone);
    EXPECT_EQ(w.link->HighlightColor(), clGreen);
    w.link->SetVisitedColor(TOvcURL::clNone);
    EXPECT_EQ(w.link->VisitedColor(), clGreen);
}

TEST(LinkLabel, ColoursChangedDuringAHoverStillEndItInTheColourFromBefore)
{
    LinkWindow w;
    w.link->HoverAt(QPoint(2, 2));
    w.link->SetHighlightColor(clGreen);
    w.link->SetVisitedColor(clGreen);
    w.cursorOutside();
    w.link->PollHover();
    EXPECT_EQ(w.link->Font()->Color(), clBlack);

    // The saved colour is read afresh at the next hover.
    w.link->Font()->SetColor(clBlue);
    w.link->HoverAt(QPoint(2, 2));
    EXPECT_EQ(w.link->Font()->Color(), clGreen);
    w.link->PollHover();
    EXPECT_EQ(w.link->Font()->Color(), clBlue);
}

TEST(LinkLabel, ClickStartsTheLauncherThenFiresOnClickWithoutWaiting)
{
    StandInLauncher launcher(0);
    LinkWindow w;
    showActive(w.form);
    QList<int> runningAtClick;
    QObject::connect(w.link, &TCustomLabel::OnClick, &w.form, [&] { runningAtClick << dorvane::runningAddressLaunchers(); });
    QTest::mouseClick(w.link, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(runningAtClick, QList<int>{1}) << "asked to open before OnClick, and not waited for";
    ASSERT_TRUE(launcher.waitUntilEnded());
    EXPECT_EQ(launcher.opened(), QStringList{address});
    EXPECT_EQ(w.beeps, 0);

    w.link->SetURL(QStringLiteral("https://example.org/") + QString(2000, QLatin1Char('a')));
    w.link->Click();
    ASSERT_TRUE(launcher.waitUntilEnded());
    EXPECT_EQ(launcher.opened().last().size(), TOvcURL::MaxAddressLength);
}

TEST(LinkLabel, ALauncherThatFailsOrCannotStartBeepsOnceAndOnClickStillFires)
{
    LinkWindow w;
    QSignalSpy clicks(w.link, &TCustomLabel::OnClick);
    {
        StandInLauncher failing(3); // starts, then reports failure (no browser, say)
        w.link->Click();
        EXPECT_EQ(w.beeps, 0) << "the failure is known only once the launcher has ended";
        ASSERT_TRUE(failing.waitUntilEnded());
        EXPECT_EQ(failing.opened(), QStringList{address});
        EXPECT_EQ(w.beeps, 1);
    }
    {
        StandInLauncher missing;
        w.link->Click();
        ASSERT_TRUE(missing.waitUntilEnded());
        EXPECT_EQ(w.beeps, 2);
    }
    EXPECT_EQ(clicks.count(), 2);

    w.link->SetURL(QString());
    w.link->Click();
    EXPECT_EQ(dorvane::runningAddressLaunchers(), 0) << "no address, no launcher";
    EXPECT_EQ(w.beeps, 2);
    EXPECT_EQ(clicks.count(), 3);
}
