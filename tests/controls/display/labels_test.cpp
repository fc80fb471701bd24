#include "controls/base/focus_walk.h"
#include "controls/base/layout_loader.h"
#include "controls/display/register_display.h"
#include "controls/display/tcustomlabel.h"
#include "controls/display/large_glyph_text.h"
#include "controls/display/tcxlabel.h"
#include "test_window.h"

#include "support/qt_wait.h"

#include <QJsonDocument>
#include <QLineEdit>
#include <QPaintEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QToolTip>

namespace {

constexpr int clWhite = 0xFFFFFF;
constexpr int clRed = 0x0000FF;
constexpr int clYellow = 0x00FFFF;

TJvLabel *digitLabel(QWidget *parent, const QString &text)
{
    auto *label = new TJvLabel(parent);
    label->SetAutoSize(false);
    label->SetParentFont(false);
    label->SetAlignment(TCustomLabel::taCenter);
    label->SetColor(clWhite);
    label->Font()->SetName(QStringLiteral("Arial Narrow"));
    label->Font()->SetStyle(TFont::fsBold);
    label->Font()->SetHeight(-200);
    label->SetBounds(7, 5, 182, 225);
    label->SetCaption(text);
    return label;
}

TcxLabel *arrowLabel(QWidget *parent, QChar code)
{
    auto *label = new TcxLabel(parent);
    label->SetAutoSize(false);
    label->SetParentColor(false);
    label->Properties()->SetAlignmentHorz(dorvane::display::LabelAlignment::taCenter);
    label->Style()->SetColor(clWhite);
    TFont *font = label->Style()->Font();
    font->SetName(QStringLiteral("Symbol"));
    font->SetStyle(TFont::fsBold);
    font->SetHeight(-101);
    label->SetBounds(6, 238, 66, 124);
    label->SetCaption(QString(code));
    return label;
}

} // namespace

TEST(DigitLabel, SettingTheSameTextOrColourPaintsNothingButANewOneRepaints)
{
    TForm form;
    form.resize(300, 300);
    TJvLabel *label = digitLabel(&form, QStringLiteral("05"));
    showActive(form);
    PaintCounter paints(label);
    settlePaints();
    const int settled = paints.count;

    label->SetCaption(QStringLiteral("05"));
    label->SetColor(clWhite);
    settlePaints();
    EXPECT_EQ(paints.count, settled);

    label->SetCaption(QStringLiteral("04"));
    EXPECT_EQ(paints.count, settled) << "the repaint waits for the next paint cycle";
    ASSERT_TRUE(DORVANE_WAIT_FOR(paints.count > settled));

    const int afterText = paints.count;
    label->SetColor(clYellow);
    EXPECT_FALSE(label->ParentColor());
    ASSERT_TRUE(DORVANE_WAIT_FOR(paints.count > afterText));
}

// The regions a widget is asked to repaint.
class PaintRegions final : public QObject
{
public:
    explicit PaintRegions(QWidget *w) : QObject(w) { w->installEventFilter(this); }
    std::vector<QRegion> regions;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            regions.push_back(static_cast<QPaintEvent *>(e)->region());
        return false;
    }
};

// What the screen shows of `label`: the window's own pixels, not a fresh rendering.
QImage onScreen(const QWidget *label)
{
    const QWidget *window = label->window();
    return window->screen()
        ->grabWindow(window->winId(), label->x(), label->y(), label->width(), label->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

TEST(DigitLabel, ANewCaptionRepaintsOnlyTheDigitsThatChangedAndTheScreenShowsItWhole)
{
    TForm form;
    form.resize(300, 300);
    TJvLabel *label = digitLabel(&form, QStringLiteral("53"));
    showActive(form);
    settlePaints();
    PaintRegions painted(label);
    const auto repaintedFor = [&](const QStringList &captions) {
        painted.regions.clear();
        for (const QString &caption : captions)
            label->SetCaption(caption);
        EXPECT_TRUE(DORVANE_WAIT_FOR(!painted.regions.empty()));
        settlePaints();
        QRegion all;
        for (const QRegion &region : painted.regions)
            all += region;
        // A fresh rendering of the whole label (which paints it again, whole).
        EXPECT_EQ(onScreen(label), label->grab().toImage().convertToFormat(QImage::Format_RGB32))
            << captions.join(QLatin1Char(',')).toStdString();
        return all.boundingRect();
    };

    // The seconds' units change: the tens digit, the label's left half, is left as it was.
    const QRect units = repaintedFor({QStringLiteral("52")});
    EXPECT_GT(units.left(), label->width() / 3);
    EXPECT_LT(units.height(), label->height() * 3 / 4) << "the margins above and below the digits stay";
    // Two captions before one paint: what changed from the first to the last is repainted.
    const QRect both = repaintedFor({QStringLiteral("49"), QStringLiteral("48")});
    EXPECT_LT(both.left(), label->width() / 3);
    repaintedFor({QStringLiteral("48"), QStringLiteral("47")});
    // Captions set before the label is on screen are not laid out: it is painted whole when shown.
    TJvLabel *hidden = digitLabel(nullptr, QStringLiteral("31"));
    const int layouts = dorvane::largeGlyphCacheSize().layouts;
    hidden->SetCaption(QStringLiteral("30"));
    EXPECT_EQ(dorvane::largeGlyphCacheSize().layouts, layouts);
    delete hidden;
    // Small text is repainted whole, as is a disabled label's, drawn twice in two colours.
    label->setEnabled(false);
    settlePaints();
    EXPECT_EQ(repaintedFor({QStringLiteral("46")}), label->rect());
}

TEST(DigitLabel, EmptyTextStillPaintsItsBlock)
{
    TForm form;
    form.resize(300, 300);
    TJvLabel *label = digitLabel(&form, QString());
    label->SetColor(clRed);
    showActive(form);
    const QImage image = label->grab().toImage();
    EXPECT_EQ(image.size(), QSize(182, 225));
    for (const QPoint p : {QPoint(0, 0), QPoint(91, 112), QPoint(181, 224)})
        EXPECT_EQ(image.pixelColor(p), QColor(255, 0, 0)) << p.x() << "," << p.y();
}

TEST(DigitLabel, TextWiderThanTheLabelShowsItsMiddle)
{
    TForm form;
    form.resize(900, 300);
    TJvLabel *narrow = digitLabel(&form, QStringLiteral("123"));
    TJvLabel *wide = digitLabel(&form, QStringLiteral("123"));
    wide->SetBounds(0, 0, 800, 225);
    showActive(form);
    const QImage clipped = narrow->grab().toImage();
    const QImage whole = wide->grab().toImage();
    const QImage middle = whole.copy((800 - 182) / 2 - 15, 0, 182 + 30, 225);
    ASSERT_GT(darkPixelsInRow(clipped, 100), 0);
    // Equal clipping at both sides: the narrow label is the middle of the wide one (within a pixel).
    auto differences = [&](int shift) {
        int n = 0;
        for (int y = 0; y < 225; y += 3)
            for (int x = 1; x < 181; ++x)
                n += (qGray(clipped.pixel(x, y)) < 128) != (qGray(middle.pixel(x + 15 + shift, y)) < 128);
        return n;
    };
    EXPECT_LT(std::min({differences(-1), differences(0), differences(1)}), 40);
    EXPECT_GT(differences(12), 200) << "the comparison must notice a shifted text";
}

TEST(PlainLabel, AutoSizeFitsTheTextAndKeepsOneLineWhenEmpty)
{
    TForm form;
    auto *label = new TLabel(&form);
    EXPECT_EQ(label->size(), QSize(65, 17));
    label->SetCaption(QStringLiteral("Time Allowance"));
    const QFontMetrics metrics(label->Font()->toQFont());
    EXPECT_GE(label->width(), metrics.horizontalAdvance(QStringLiteral("Time Allowance")));
    EXPECT_LE(label->width(), metrics.horizontalAdvance(QStringLiteral("Time Allowance")) + 2);
    EXPECT_EQ(label->height(), metrics.height());

    label->SetCaption(QString());
    EXPECT_EQ(label->width(), metrics.horizontalAdvance(QLatin1Char(' ')));
    EXPECT_EQ(label->height(), metrics.height());
    label->SetCaption(QStringLiteral("&"));
    EXPECT_EQ(label->width(), metrics.horizontalAdvance(QLatin1Char(' ')));

    // Without accelerators every "&" is a character of its own.
    label->SetCaption(QStringLiteral("A&&B"));
    const int withAccel = label->width();
    label->SetShowAccelChar(false);
    EXPECT_GT(label->width(), withAccel);
}

TEST(PlainLabel, RightAlignedKeepsItsRightEdgeAndLoadingDefersTheFit)
{
    TForm form;
    auto *label = new TLabel(&form);
    label->SetAlignment(TCustomLabel::taRightJustify);
    label->SetBounds(100, 10, 200, 16);
    label->SetCaption(QStringLiteral("Ver 1.2"));
    EXPECT_EQ(label->geometry().right(), 299);
    EXPECT_LT(label->width(), 200);

    auto *loading = new TLabel(&form);
    loading->BeginLoading();
    loading->SetBounds(0, 0, 300, 40);
    loading->SetCaption(QStringLiteral("x"));
    EXPECT_EQ(loading->size(), QSize(300, 40));
    loading->Loaded();
    EXPECT_LT(loading->width(), 300);
}

TEST(PlainLabel, LayoutMovesTheTextBlockByTheMeasuredHeight)
{
    TForm form;
    auto *label = new TLabel(&form);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 100, 101);
    label->SetCaption(QStringLiteral("x"));
    const int line = QFontMetrics(label->Font()->toQFont()).height();
    EXPECT_EQ(label->TextRect().top(), 0);
    label->SetLayout(TCustomLabel::tlCenter);
    EXPECT_EQ(label->TextRect().top(), (101 - line) / 2);
    label->SetLayout(TCustomLabel::tlBottom);
    EXPECT_EQ(label->TextRect().top(), 101 - line);
    label->SetBounds(0, 0, 100, 5); // a block taller than the label moves up
    EXPECT_EQ(label->TextRect().top(), 5 - line);
}

TEST(DigitLabel, HotTrackSwapsTheFontOnlyWhenOnAndRestoresTheTooltipColour)
{
    TForm form;
    TJvLabel *label = digitLabel(&form, QStringLiteral("12"));
    const QColor tipColour = QToolTip::palette().color(QPalette::ToolTipBase);
    label->SetHintColor(0x00FF00);
    QSignalSpy entered(label, &TJvLabel::OnMouseEnter);

    label->MouseEnter();
    EXPECT_EQ(label->Font()->Height(), -200);
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(0, 255, 0));
    label->MouseEnter();
    EXPECT_EQ(entered.count(), 1);
    label->MouseLeave();
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), tipColour);

    label->SetHotTrack(true);
    label->MouseEnter();
    EXPECT_EQ(label->Font()->Height(), -11);
    label->MouseLeave();
    EXPECT_EQ(label->Font()->Height(), -200);
    EXPECT_EQ(label->Font()->Name(), QStringLiteral("Arial Narrow"));
}

TEST(ArrowLabel, DrawsTheDirectionArrowAboutAFontHeightTallCentred)
{
    TForm form;
    form.resize(300, 400);
    TcxLabel *down = arrowLabel(&form, QChar(0xAF));
    TcxLabel *up = arrowLabel(&form, QChar(0xAD));
    up->SetLeft(100);
    showActive(form);
    EXPECT_EQ(down->Caption(), QString(QChar(0xAF)));
    for (TcxLabel *label : {down, up}) {
        const QImage image = label->grab().toImage();
        const auto [top, bottom] = darkRows(image);
        ASSERT_GE(top, 0);
        EXPECT_NEAR(bottom - top + 1, 101, 4);
        EXPECT_EQ(image.pixelColor(1, 1), QColor(255, 255, 255));
        int left = image.width(), right = -1;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (qGray(image.pixel(x, y)) < 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        EXPECT_NEAR(left, image.width() - 1 - right, 2) << "centred horizontally";
    }
    // The head is the widest part: at the bottom for the down arrow, at the top for the up arrow.
    const QImage downImage = down->grab().toImage();
    const auto [dTop, dBottom] = darkRows(downImage);
    EXPECT_GT(darkPixelsInRow(downImage, dBottom - 20), darkPixelsInRow(downImage, dTop + 20));
    const QImage upImage = up->grab().toImage();
    const auto [uTop, uBottom] = darkRows(upImage);
    EXPECT_GT(darkPixelsInRow(upImage, uTop + 20), darkPixelsInRow(upImage, uBottom - 20));
}

TEST(ArrowLabel, RendersOnChangeAndOnlyCopiesWhenUncovered)
{
    TForm form;
    form.resize(300, 400);
    TcxLabel *label = arrowLabel(&form, QChar(0xAF));
    showActive(form);
    PaintCounter paints(label);
    ASSERT_TRUE(DORVANE_WAIT_FOR(label->RenderCount() > 0));
    settlePaints();
    const int renders = label->RenderCount();
    const QImage before = label->Picture().toImage();

    label->repaint(); // uncovered: the cached picture is copied again
    EXPECT_GT(paints.count, 0);
    EXPECT_EQ(label->RenderCount(), renders);

    label->Style()->SetColor(clWhite); // the same colour again
    label->SetCaption(QString(QChar(0xAF)));
    label->repaint();
    EXPECT_EQ(label->RenderCount(), renders);

    label->Style()->SetColor(clYellow);
    label->repaint();
    EXPECT_EQ(label->RenderCount(), renders + 1);
    const QImage after = label->Picture().toImage();
    EXPECT_EQ(after.pixelColor(1, 1), QColor(255, 255, 0));
    EXPECT_NEAR(darkRows(after).first, darkRows(before).first, 1) << "the same arrow on the new colour";
    EXPECT_NEAR(darkRows(after).second, darkRows(before).second, 1);
}

TEST(ArrowLabel, TabNeverStopsOnIt)
{
    TForm form;
    auto *first = new FocusBox(&form);
    auto *arrow = arrowLabel(&form, QChar(0xAD));
    auto *second = new FocusBox(&form);
    first->SetTabOrder(0);
    arrow->SetTabStop(true);
    arrow->SetTabOrder(1);
    second->SetTabOrder(2);
    dorvane::ApplyTabOrder(&form);
    showActive(form);
    first->setFocus();
    ASSERT_TRUE(DORVANE_WAIT_FOR(first->hasFocus()));
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_TRUE(second->hasFocus());
    EXPECT_EQ(arrow->focusPolicy(), Qt::NoFocus);
}

TEST(ArrowLabel, LoadsStyleAndNestedOrFlatPropertiesFromALayout)
{
    dorvane::registerDisplayControls();
    TForm form;
    const QByteArray json = R"({"class": "TForm", "name": "Form1", "children": [
        {"class": "TcxLabel", "name": "lblDirectionL", "properties": [
            ["Left", 6], ["Top", 238], ["Width", 66], ["Height", 124], ["AutoSize", false],
            ["ParentColor", false], ["ParentFont", false],
            ["Properties", {"Alignment": {"Horz": "taCenter", "Vert": "taTopJustify"}}],
            ["Style", {"Color": 16777215, "Font": {"Name": "Symbol", "Height": -101, "Style": 1}}]]},
        {"class": "TcxLabel", "name": "cxLabel3", "properties": [
            ["Caption", "@Seconds"], ["Properties", {"AlignmentHorz": "taRightJustify"}]]},
        {"class": "TJvLabel", "name": "lblHrs", "properties": [["Caption", "lblHrs"], ["Alignment", "taCenter"]]}]})";
    dorvane::LayoutLoader::loadInto(&form, QJsonDocument::fromJson(json).object());
    auto *arrow = form.findChild<TcxLabel *>(QStringLiteral("lblDirectionL"));
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->size(), QSize(66, 124));
    EXPECT_EQ(arrow->Properties()->AlignmentHorz(), dorvane::display::LabelAlignment::taCenter);
    EXPECT_EQ(arrow->Style()->Font()->Name(), QStringLiteral("Symbol"));
    EXPECT_EQ(arrow->BackgroundColour(), QColor(255, 255, 255));
    auto *caption = form.findChild<TcxLabel *>(QStringLiteral("cxLabel3"));
    EXPECT_EQ(caption->Properties()->Alignment()->Horz(), dorvane::display::LabelAlignment::taRightJustify);
    EXPECT_EQ(caption->Style()->Font()->Name(), form.Font()->Name()) << "the style font follows the parent's";
    EXPECT_EQ(caption->BackgroundColour(), form.ResolvedColor());
    EXPECT_EQ(form.findChild<TJvLabel *>(QStringLiteral("lblHrs"))->Alignment(), TCustomLabel::taCenter);
}
