// Geometry and fonts of a rescale, checked on the numbers a user sees.
#include "mirror_window.h"

#include <QPainter>
#include <QSignalSpy>

using dorvane::ElasticMessageId;

TEST_F(ElasticRules, FirstShowAtDesignSizeKeepsBoundsAndNudgesFonts)
{
    showAndActivate();
    const QRect outer = w->form->BoundsRect();
    EXPECT_EQ(outer, QRect((1255 - 616) / 2, (1004 - 468) / 2, 616, 468)) << "centred on the maximized area";
    EXPECT_EQ(w->form->width(), 608);
    EXPECT_EQ(boundsOf(w->controls["lblSecs"]), QRect(413, 5, 182, 225));
    EXPECT_EQ(boundsOf(w->controls["cxPageControl1"]), QRect(0, 8, 608, 393));
    EXPECT_EQ(boundsOf(w->controls["Panel1"]), QRect(0, 408, 607, 33));
    // 616 / 608 of the design sizes.
    EXPECT_NEAR(w->elastic->FontRatio(), 616.0 / 608.0, 1e-9);
    EXPECT_EQ(w->controls["lblHrs"]->Font()->Size(), 152);
    EXPECT_EQ(w->as<TJvLabel>("lblHrs")->HotTrackFont()->Size(), 152);
    EXPECT_EQ(w->controls["lblDirectionL"]->Font()->Size(), 77);
    EXPECT_EQ(w->as<TcxLabel>("lblDirectionL")->Style()->Font()->Size(), 77);
    EXPECT_EQ(w->controls["Label3"]->Font()->Size(), 10);
    EXPECT_EQ(w->elastic->Font()->Size(), 10);
    EXPECT_FALSE(w->elastic->IsHidden());
    EXPECT_TRUE(w->controls["cxPageControl1"]->isVisible());
}

TEST_F(ElasticRules, WorkedExampleDoublesTheWindow)
{
    showAndActivate();
    QSignalSpy afterResize(w->elastic, &TElasticForm::OnAfterResize);
    resizeTo(1232, 909);
    ASSERT_EQ(w->form->width(), 1224);
    ASSERT_EQ(w->form->height(), 882);
    EXPECT_EQ(afterResize.count(), 1);
    EXPECT_EQ(boundsOf(w->controls["lblSecs"]), QRect(831, 10, 366, 450));
    EXPECT_EQ(boundsOf(w->controls["cxPageControl1"]), QRect(0, 16, 1224, 786));
    EXPECT_EQ(boundsOf(w->controls["Panel1"]), QRect(0, 816, 1222, 66));
    EXPECT_EQ(w->controls["lblSecs"]->Font()->Size(), 304);
    EXPECT_EQ(w->controls["lblDirectionR"]->Font()->Size(), 154);
    EXPECT_EQ(w->controls["btnStart"]->Font()->Size(), 20);
    EXPECT_EQ(w->elastic->Font()->Size(), 20);
    // The next message hands the component font on to the form.
    send(w->elastic, ElasticMessageId::SetCursor);
    EXPECT_EQ(w->form->Font()->Size(), 20);
}

TEST_F(ElasticRules, OneStepAndManyDragsEndAtTheSameLayout)
{
    showAndActivate();
    resizeTo(1001, 777);
    QMap<QString, QRect> direct;
    QMap<QString, int> directFonts;
    for (auto it = w->controls.begin(); it != w->controls.end(); ++it) {
        direct[it.key()] = boundsOf(it.value());
        directFonts[it.key()] = it.value()->Font()->Size();
    }
    for (auto [width, height] : {std::pair{700, 500}, {1500, 1100}, {640, 480}, {913, 621}, {1001, 777}}) {
        send(w->elastic, ElasticMessageId::EnterSizeMove);
        w->form->SetBounds(w->form->Left(), w->form->Top(), width, height);
        send(w->elastic, ElasticMessageId::Sizing);
        send(w->elastic, ElasticMessageId::Size);
        send(w->elastic, ElasticMessageId::ExitSizeMove);
    }
    for (auto it = w->controls.begin(); it != w->controls.end(); ++it) {
        EXPECT_EQ(boundsOf(it.value()), direct[it.key()]) << it.key().toStdString();
        EXPECT_EQ(it.value()->Font()->Size(), directFonts[it.key()]) << it.key().toStdString();
    }
}

TEST_F(ElasticRules, FontsFollowTheSmallerRatioBoundsEachAxis)
{
    showAndActivate();
    resizeTo(8 + 608 * 3, 27 + 441); // three times as wide, same height
    EXPECT_EQ(boundsOf(w->controls["lblSecs"]), QRect(1239, 5, 546, 225));
    EXPECT_NEAR(w->elastic->FontRatio(), 468.0 / 441.0, 1e-9);
    EXPECT_EQ(w->controls["lblSecs"]->Font()->Size(), 159); // 150 x 1.0612 = 159.18
}

TEST_F(ElasticRules, NonElasticHorizontalKeepsLeftEdgesAndWidths)
{
    w->elastic->SetElasticHorizontal(false);
    showAndActivate();
    resizeTo(1232, 909);
    EXPECT_EQ(boundsOf(w->controls["lblSecs"]), QRect(413, 10, 182, 450));
    EXPECT_EQ(w->controls["lblSecs"]->Font()->Size(), 304);
}

TEST_F(ElasticRules, ResolutionIndependenceScalesTheDesignToTheScreen)
{
    setScreen({1920, 1080});
    w = buildMirror(true);
    showAndActivate();
    const double hr = 1920.0 / 1255.0, vr = 1080.0 / 1004.0;
    EXPECT_DOUBLE_EQ(w->elastic->HorzScreenRatio(), hr);
    EXPECT_DOUBLE_EQ(w->elastic->VertScreenRatio(), vr);
    EXPECT_EQ(w->elastic->ReferenceClientWidth(), 930);  // 608 x 1.5299 = 930.17
    EXPECT_EQ(w->elastic->ReferenceClientHeight(), 474); // 441 x 1.0757 = 474.38
    const TFrame *secs = w->elastic->FrameOf(w->controls["lblSecs"]);
    EXPECT_EQ(QRect(secs->Left, secs->Top, secs->Width, secs->Height), QRect(632, 5, 278, 242));
    EXPECT_EQ(secs->DesignFontSize, 161); // Trunc(150 x 1.0757)
    EXPECT_EQ(w->elastic->InitialBounds().size(), QSize(942, 503));
}

TEST_F(ElasticRules, ScreenRatiosAreOneWithoutResolutionIndependence)
{
    setScreen({1920, 1080});
    showAndActivate();
    EXPECT_EQ(w->elastic->HorzScreenRatio(), 1.0);
    EXPECT_EQ(w->elastic->VertScreenRatio(), 1.0);
    EXPECT_EQ(w->elastic->DesignScreenWidth(), 1920);
}

TEST_F(ElasticRules, ChangesOfFivePixelsOrLessDoNotRescale)
{
    showAndActivate();
    resizeTo(900, 700);
    const QRect before = boundsOf(w->controls["Panel1"]);
    resizeTo(905, 705);
    EXPECT_EQ(boundsOf(w->controls["Panel1"]), before);
    resizeTo(906, 700);
    EXPECT_NE(boundsOf(w->controls["Panel1"]), before);
}

TEST_F(ElasticRules, MaximizeAndRestoreRescaleMinimizeDoesNot)
{
    showAndActivate();
    send(w->elastic, ElasticMessageId::SysCommand, dorvane::ScMaximize);
    EXPECT_TRUE(w->elastic->IsHidden());
    w->form->SetWindowState(TForm::wsMaximized);
    resizeTo(1255, 1004, dorvane::SizeMaximized);
    EXPECT_TRUE(w->elastic->IsMaximized());
    EXPECT_FALSE(w->elastic->IsHidden());
    EXPECT_EQ(w->controls["cxPageControl1"]->Width(), 1247);

    send(w->elastic, ElasticMessageId::SysCommand, dorvane::ScRestore);
    w->form->SetWindowState(TForm::wsNormal);
    resizeTo(616, 468);
    EXPECT_FALSE(w->elastic->IsMaximized());
    EXPECT_EQ(w->controls["cxPageControl1"]->Width(), 608);

    send(w->elastic, ElasticMessageId::SysCommand, dorvane::ScMinimize);
    EXPECT_TRUE(w->elastic->SkipShowRescale());
    w->form->SetBounds(0, 0, 160, 40);
    send(w->elastic, ElasticMessageId::Size, dorvane::SizeMinimized);
    EXPECT_EQ(w->controls["cxPageControl1"]->Width(), 608);
}

TEST_F(ElasticRules, InitialBoundsHoldUntilTheFirstActivation)
{
    w->elastic->Adapter()->SetTranslating(false);
    w->form->setAttribute(Qt::WA_DontShowOnScreen);
    w->form->show();
    send(w->elastic, ElasticMessageId::ShowWindow, 1);
    const QRect initial = w->form->BoundsRect();
    resizeTo(1000, 800);
    EXPECT_EQ(w->form->BoundsRect(), initial) << "undone before the first activation";
    send(w->elastic, ElasticMessageId::Activate);
    resizeTo(1000, 800);
    EXPECT_EQ(w->form->BoundsRect().size(), QSize(1000, 800));
}

TEST_F(ElasticRules, DragDoesNotRelayoutUntilItEnds)
{
    showAndActivate();
    send(w->elastic, ElasticMessageId::EnterSizeMove);
    w->form->SetBounds(w->form->Left(), w->form->Top(), 1232, 909);
    send(w->elastic, ElasticMessageId::Sizing);
    send(w->elastic, ElasticMessageId::Size);
    EXPECT_EQ(boundsOf(w->controls["lblSecs"]), QRect(413, 5, 182, 225));
    send(w->elastic, ElasticMessageId::ExitSizeMove);
    EXPECT_EQ(boundsOf(w->controls["lblSecs"]), QRect(831, 10, 366, 450));
}

TEST_F(ElasticRules, InactiveComponentLeavesTheFormAlone)
{
    w->elastic->SetActive(false);
    showAndActivate();
    EXPECT_TRUE(w->elastic->InitPending());
    EXPECT_EQ(w->form->BoundsRect(), QRect(327, 295, 616, 468));
    resizeTo(1232, 909);
    EXPECT_EQ(boundsOf(w->controls["lblSecs"]), QRect(413, 5, 182, 225));
    send(w->elastic, ElasticMessageId::Destroy);
    EXPECT_FALSE(w->elastic->IsHooked()) << "the destroy message still unhooks";
}

TEST_F(ElasticRules, TrackingLimitsFromSignedSizes)
{
    setScreen({1280, 1024});
    w->elastic->SetMinimumTrackWidth(-50);
    w->elastic->SetMinimumTrackHeight(300);
    dorvane::MinMaxInfo before;
    {
        dorvane::ElasticMessage m(ElasticMessageId::GetMinMaxInfo);
        dorvane::MinMaxInfo info;
        m.minMaxInfo = &info;
        w->elastic->Adapter()->SetTranslating(false);
        w->form->setAttribute(Qt::WA_DontShowOnScreen);
        w->form->show();
        w->elastic->FormWndProc(m);
        EXPECT_EQ(info, before) << "left alone until the layout is captured";
    }
    send(w->elastic, ElasticMessageId::ShowWindow, 1);
    dorvane::MinMaxInfo info;
    dorvane::ElasticMessage m(ElasticMessageId::GetMinMaxInfo);
    m.minMaxInfo = &info;
    w->elastic->FormWndProc(m);
    EXPECT_EQ(info.minTrackSize, QSize(640, 300));
    EXPECT_EQ(info.maxTrackSize, QSize());
}

TEST_F(ElasticRules, BackgroundPictureIsPaintedInsteadOfTheForm)
{
    showAndActivate();
    EXPECT_TRUE(send(w->elastic, ElasticMessageId::EraseBackground)) << "no picture: passed on";
    auto *image = new TImage(w->form.get());
    w->elastic->SetBkGrndImage(image);
    EXPECT_FALSE(image->Visible());
    EXPECT_TRUE(send(w->elastic, ElasticMessageId::EraseBackground)) << "empty picture: passed on";

    QPixmap tile(100, 50);
    tile.fill(Qt::red);
    image->SetPicture(tile);
    w->form->resize(250, 120);
    QImage canvas(250, 120, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    dorvane::ElasticMessage m(ElasticMessageId::EraseBackground);
    m.painter = &painter;
    EXPECT_FALSE(w->elastic->FormWndProc(m)) << "painted: not passed on";
    painter.end();
    EXPECT_EQ(canvas.pixelColor(249, 119), QColor(Qt::red)) << "tiles reach the far corner";
}

TEST_F(ElasticRules, ExtraFontsAreFoundThroughSubObjects)
{
    auto *sheet = new TTabSheet(w->controls["cxTabSheet2"]);
    auto *other = new TcxTabSheet(w->controls["cxTabSheet2"]);
    sheet->Font()->SetHeight(-20);
    other->Font()->SetHeight(-40);
    auto *holder = new TPageHolder(w->controls["cxTabSheet2"], sheet, other);
    holder->SetName(QStringLiteral("holder"));
    showAndActivate();
    const TFrame *frame = w->elastic->FrameOf(holder);
    ASSERT_TRUE(frame);
    ASSERT_EQ(frame->ExtraFonts.size(), 1) << "a TTabSheet is not followed, another page class is";
    EXPECT_EQ(frame->ExtraFonts[0], other->Font());
    resizeTo(1232, 909);
    EXPECT_EQ(other->Font()->Size(), 61); // 30 x 2.0263
    EXPECT_EQ(sheet->Font()->Size(), 15) << "not scaled";
    // The page control reaches the active page's font through ActivePage.
    EXPECT_EQ(w->elastic->FrameOf(w->controls["cxPageControl1"])->ExtraFonts.size(), 1);
}

TEST_F(ElasticRules, WithoutExtraFontsOnlyTheOwnFontScales)
{
    w->elastic->SetLookForExtraFonts(false);
    showAndActivate();
    resizeTo(1232, 909);
    EXPECT_EQ(w->controls["lblSecs"]->Font()->Size(), 304);
    EXPECT_EQ(w->as<TJvLabel>("lblSecs")->HotTrackFont()->Size(), 150);
}

TEST_F(ElasticRules, TheComponentFontRulesTheFormFont)
{
    showAndActivate();
    w->form->Font()->SetColor(0x0000FF);
    send(w->elastic, ElasticMessageId::SetCursor);
    EXPECT_EQ(w->form->Font()->Color(), w->elastic->Font()->Color());
}

TEST_F(ElasticRules, LabelGrowsToFitItsTextKeepingItsCorner)
{
    auto *label = w->as<TLabel>("Label3");
    showAndActivate();
    label->SetCaption(QStringLiteral("Time Allowance, much longer than its box"));
    resizeTo(1232, 909);
    EXPECT_EQ(label->Left(), 745); // 370 x 2.0132
    EXPECT_EQ(label->Top(), 528);
    EXPECT_GT(label->Width(), 183) << "wider than its scaled bounds";
    EXPECT_GE(label->Height(), 32);
}

TEST_F(ElasticRules, DisplayChangeScalesTheWindowWithTheScreen)
{
    showAndActivate();
    const QRect before = w->form->BoundsRect();
    setScreen({2510, 2008});
    send(w->elastic, ElasticMessageId::DisplayChange);
    EXPECT_EQ(w->form->BoundsRect(), QRect(before.left() * 2, before.top() * 2, 1232, 936));
    EXPECT_EQ(w->controls["cxPageControl1"]->Width(), 1224);
}

TEST_F(ElasticRules, InitialBoundsFollowThePositionKindAndStayOnScreen)
{
    const auto initialBounds = [](TForm::TPosition position, QPoint designTopLeft) {
        BareForm bare(position, designTopLeft);
        bare.show();
        return bare.elastic->InitialBounds();
    };
    EXPECT_EQ(initialBounds(TForm::poDesigned, {327, 295}), QRect(327, 295, 616, 468));
    EXPECT_EQ(initialBounds(TForm::poDefaultPosOnly, {327, 295}), QRect(327, 295, 616, 468));
    EXPECT_EQ(initialBounds(TForm::poScreenCenter, {0, 0}), QRect(319, 268, 616, 468));
    // Past the right or the bottom edge: centred on that axis only.
    EXPECT_EQ(initialBounds(TForm::poDesigned, {900, 100}), QRect(319, 100, 616, 468));
    EXPECT_EQ(initialBounds(TForm::poDesigned, {100, 600}), QRect(100, 268, 616, 468));
    EXPECT_EQ(initialBounds(TForm::poDesigned, {-40, -30}), QRect(0, 0, 616, 468));
    w->form->SetBounds(100, 100, 1000, 801);
    EXPECT_EQ(initialBounds(TForm::poMainFormCenter, {0, 0}), QRect(292, 266, 616, 468));
    // Larger than the screen: centring goes negative and is clamped to the screen's corner.
    setScreen({501, 401});
    EXPECT_EQ(initialBounds(TForm::poDesigned, {327, 295}), QRect(0, 0, 616, 468));
    EXPECT_EQ(initialBounds(TForm::poDesktopCenter, {327, 295}), QRect(0, 0, 616, 468));

    // The primary screen right of another, under a 24-pixel panel: the same rules within its
    // usable area, the title bar never above it.
    setArea({1280, 24, 1255, 1004});
    EXPECT_EQ(initialBounds(TForm::poDesktopCenter, {0, 0}), QRect(1280 + 319, 24 + 268, 616, 468));
    EXPECT_EQ(initialBounds(TForm::poDesigned, {-40, -30}), QRect(1280, 24, 616, 468));
    setArea({1280, 24, 640, 376});
    EXPECT_EQ(initialBounds(TForm::poDesktopCenter, {0, 0}), QRect(1280 + 12, 24, 616, 468));
}

TEST_F(ElasticRules, KeptProportionsBoundTheMaximumAndCorrectADrag)
{
    w->elastic->SetMaintainProportions(true);
    showAndActivate();
    // 616 x 468 is relatively wider than 1255 x 1004: the width leads, 6 pixels short.
    EXPECT_EQ(w->elastic->MaxSize(), QSize(1249, 949));
    dorvane::MinMaxInfo info;
    dorvane::ElasticMessage m(ElasticMessageId::GetMinMaxInfo);
    m.minMaxInfo = &info;
    w->elastic->FormWndProc(m);
    EXPECT_EQ(info.maxSize, QSize(1249, 949));
    EXPECT_EQ(info.maxTrackSize, QSize(1249, 949));

    send(w->elastic, ElasticMessageId::EnterSizeMove);
    w->form->SetBounds(w->form->Left(), w->form->Top(), 916, 500);
    send(w->elastic, ElasticMessageId::Sizing);
    send(w->elastic, ElasticMessageId::Size);
    send(w->elastic, ElasticMessageId::ExitSizeMove);
    EXPECT_EQ(w->form->BoundsRect().size(), QSize(916, 696)) << "the width grew more and leads";
    EXPECT_EQ(boundsOf(w->controls["cxPageControl1"]), QRect(0, 12, 908, 596));
}

TEST_F(ElasticRules, TitleTabAndSubObjectFontsScaleFromTheirOwnSizes)
{
    auto *grid = new TTitledGrid(w->controls["cxTabSheet2"]);
    grid->SetName(QStringLiteral("grid"));
    grid->SetBounds(10, 200, 100, 50);
    grid->TitleFont()->SetSize(20);
    grid->TabFont()->SetSize(12);
    grid->Style()->Font()->SetSize(30);
    auto *wide = new TCollectionItem(grid->Sections(), 100);
    auto *narrow = new TCollectionItem(grid->Sections(), 75);
    showAndActivate();
    const TFrame *frame = w->elastic->FrameOf(grid);
    ASSERT_TRUE(frame);
    ASSERT_EQ(frame->ExtraFonts.size(), 2) << "one style reached under two names: its font taken twice";
    EXPECT_EQ(frame->ExtraFonts[0], grid->Style()->Font());
    EXPECT_EQ(frame->ExtraFonts[1], grid->Style()->Font());
    EXPECT_DOUBLE_EQ(frame->TitleFontRatio, 2.0);

    resizeTo(1232, 909); // font ratio 2.0263, horizontal stretch 2.0132
    EXPECT_EQ(grid->Font()->Size(), 20);
    EXPECT_EQ(grid->TitleFont()->Size(), 41);
    EXPECT_EQ(grid->TabFont()->Size(), 24);
    EXPECT_EQ(grid->Style()->Font()->Size(), 61);
    EXPECT_EQ(wide->Width(), 201);
    EXPECT_EQ(narrow->Width(), 151); // 150.99 rounds up only above one half
}
