#include "controls/base/platform.h"
#include "controls/display/tovcurl.h"
#include "test_window.h"

#include <QCursor>
#include <QDesktopServices>
#include <QSignalSpy>
#include <QUrl>

namespace {

constexpr int clBlack = 0x000000;
constexpr int clBlue = 0xFF0000;
constexpr int clGreen = 0x008000;
const QString address = QStringLiteral("https://www.example.org/");

// Catches the addresses the label asks the desktop to open.
class AddressCatcher : public QObject
{
    Q_OBJECT
public:
    AddressCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open"); }
    ~AddressCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
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

TEST(LinkLabel, VisitedColourAfterAClickWhenAskedFor)
{
    AddressCatcher catcher;
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

TEST(LinkLabel, ClickOpensTheAddressThenFiresOnClick)
{
    AddressCatcher catcher;
    LinkWindow w;
    showActive(w.form);
    QStringList order;
    QObject::connect(w.link, &TCustomLabel::OnClick, &w.form, [&] { order << QString::number(catcher.opened.size()); });
    QTest::mouseClick(w.link, Qt::LeftButton, {}, QPoint(4, 4));
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0], QUrl(address));
    EXPECT_EQ(order, QStringList{QStringLiteral("1")});
    EXPECT_EQ(w.beeps, 0);

    w.link->SetURL(QStringLiteral("https://example.org/") + QString(2000, QLatin1Char('a')));
    w.link->Click();
    EXPECT_EQ(catcher.opened.last().toString().size(), TOvcURL::MaxAddressLength);
}

TEST(LinkLabel, AFailingOpenBeepsOnceAndStillFiresOnClick)
{
    LinkWindow w;
    w.link->SetURL(QStringLiteral("nosuchscheme://nowhere"));
    QSignalSpy clicks(w.link, &TCustomLabel::OnClick);
    w.link->Click();
    EXPECT_EQ(w.beeps, 1);
    EXPECT_EQ(clicks.count(), 1);
    w.link->Click();
    EXPECT_EQ(w.beeps, 2);

    w.link->SetURL(QString());
    w.link->Click();
    EXPECT_EQ(w.beeps, 2) << "no address, no shell call, no beep";
    EXPECT_EQ(clicks.count(), 3);
}

#include "link_label_test.moc"
