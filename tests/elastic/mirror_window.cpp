#include "mirror_window.h"

using dorvane::ElasticMessageId;

namespace {

struct Builder
{
    MirrorWindow &w;

    template <typename T = TControl>
    T *add(QWidget *parent, const QString &name, QRect bounds)
    {
        auto *c = new T(parent);
        c->SetName(name);
        c->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        c->show();
        if (!name.isEmpty())
            w.controls.insert(name, c);
        return c;
    }

    static void font(TControl *c, const char *face, int height, int style = 0)
    {
        c->Font()->SetName(QString::fromLatin1(face));
        c->Font()->SetHeight(height);
        c->Font()->SetStyle(style);
    }

    // A composite control: a named outer control with unnamed inner parts.
    TControl *composite(QWidget *parent, const QString &name, QRect bounds)
    {
        TControl *c = add(parent, name, bounds);
        add(c, QString(), QRect(bounds.width() - 16, 0, 16, bounds.height()));
        return c;
    }
};

} // namespace

std::unique_ptr<MirrorWindow> buildMirror(bool resolutionIndependence)
{
    auto w = std::make_unique<MirrorWindow>();
    w->form = std::make_unique<TForm>();
    TForm *form = w->form.get();
    form->SetName(QStringLiteral("MainForm"));
    form->SetPosition(TForm::poDesktopCenter);
    form->SetBounds(327, 295, 616, 468);
    Builder b{*w};
    Builder::font(form, "Arial", -13);

    auto *pages = b.add<TcxPageControl>(form, QStringLiteral("cxPageControl1"), {0, 8, 608, 393});
    auto *sheet1 = b.add<TcxTabSheet>(pages, QStringLiteral("cxTabSheet1"), {2, 2, 604, 366});
    auto *sheet2 = b.add<TcxTabSheet>(pages, QStringLiteral("cxTabSheet2"), {2, 2, 604, 366});
    pages->SetActivePage(sheet1);
    const int digitX[] = {7, 210, 413};
    const char *digits[] = {"lblHrs", "lblMins", "lblSecs"};
    for (int i = 0; i < 3; ++i) {
        auto *l = b.add<TJvLabel>(sheet1, QString::fromLatin1(digits[i]), {digitX[i], 5, 182, 225});
        Builder::font(l, "Arial Narrow", -200, TFont::fsBold);
        l->HotTrackFont()->SetHeight(-200);
    }
    for (auto [name, x] : {std::pair{"lblDirectionL", 6}, std::pair{"lblDirectionR", 533}}) {
        auto *a = b.add<TcxLabel>(sheet1, QString::fromLatin1(name), {x, 238, 66, 124});
        Builder::font(a, "Symbol", -101, TFont::fsBold);
        a->Style()->Font()->SetHeight(-101);
    }
    const struct { const char *name; QRect r; const char *text; } labels[] = {
        {"Label3", {370, 264, 91, 16}, "Time Allowance"}, {"Label5", {337, 283, 34, 16}, "Hours"},
        {"Label1", {389, 283, 46, 16}, "Minutes"}, {"Label2", {448, 283, 51, 16}, "Seconds"}};
    for (const auto &l : labels) {
        auto *label = b.add<TLabel>(sheet1, QString::fromLatin1(l.name), l.r);
        label->SetCaption(QString::fromLatin1(l.text));
        Builder::font(label, "Arial", -13);
    }
    b.composite(sheet1, QStringLiteral("spnHrs"), {322, 303, 49, 26});
    b.composite(sheet1, QStringLiteral("spnMin"), {386, 303, 49, 26});
    b.composite(sheet1, QStringLiteral("spnSec"), {450, 303, 49, 26});
    b.add(sheet1, QStringLiteral("btnStart"), {114, 264, 75, 25});
    b.add(sheet1, QStringLiteral("btnStop"), {202, 264, 75, 25});
    b.add(sheet1, QStringLiteral("btnReset"), {114, 304, 75, 25});
    b.add(sheet1, QStringLiteral("btnDone"), {202, 304, 75, 25});

    b.add<TLabel>(sheet2, QStringLiteral("Label6"), {40, 16, 103, 16})->SetCaption(QStringLiteral("Background Color"));
    b.composite(sheet2, QStringLiteral("cboBackgroundColor"), {224, 16, 121, 24});
    b.composite(sheet2, QStringLiteral("cboSecondsColor"), {456, 72, 121, 24});
    b.composite(sheet2, QStringLiteral("cboExpiredColor"), {456, 97, 121, 24});
    b.add<TcxLabel>(sheet2, QStringLiteral("cxLabel3"), {272, 72, 68, 20});
    b.add<TLabel>(sheet2, QStringLiteral("Label8"), {272, 105, 89, 16})->SetCaption(QStringLiteral("@Time Expired"));
    b.composite(sheet2, QStringLiteral("spnColorSecs"), {376, 72, 49, 24});
    b.composite(sheet2, QStringLiteral("rgColorChange"), {40, 72, 185, 49});
    b.composite(sheet2, QStringLiteral("rgDirection"), {40, 152, 185, 49});
    b.composite(sheet2, QStringLiteral("rgVoice"), {40, 232, 185, 49});

    TControl *panel = b.add(form, QStringLiteral("Panel1"), {0, 408, 607, 33});
    b.add<TLabel>(panel, QStringLiteral("Label4"), {121, 8, 203, 16})->SetCaption(QStringLiteral("Courtesy of Pellgrove "));
    b.add(panel, QStringLiteral("OvcURL1"), {329, 8, 155, 16});
    b.add<TLabel>(panel, QStringLiteral("Label7"), {552, 8, 42, 16})->SetCaption(QStringLiteral("Ver 1.2"));

    w->elastic = new TElasticForm(form);
    w->elastic->SetName(QStringLiteral("ElasticForm1"));
    w->elastic->SetDesignScreenWidth(1255);
    w->elastic->SetDesignScreenHeight(1004);
    w->elastic->SetDesignPixelsPerInch(96);
    w->elastic->SetDesignFormWidth(616);
    w->elastic->SetDesignFormHeight(468);
    w->elastic->SetDesignFormClientWidth(608);
    w->elastic->SetDesignFormClientHeight(441);
    w->elastic->SetDesignFormLeft(327);
    w->elastic->SetDesignFormTop(295);
    w->elastic->Font()->SetHeight(-13);
    w->elastic->SetVersion(700.0f);
    w->elastic->SetResolutionIndependence(resolutionIndependence);
    return w;
}

BareForm::BareForm(TForm::TPosition position, QPoint designTopLeft) : form(std::make_unique<TForm>())
{
    form->SetName(QStringLiteral("Bare"));
    form->SetPosition(position);
    form->Font()->SetHeight(-13);
    form->SetBounds(designTopLeft.x(), designTopLeft.y(), 616, 468);
    elastic = new TElasticForm(form.get());
    elastic->SetResolutionIndependence(false);
    elastic->SetDesignFormLeft(designTopLeft.x());
    elastic->SetDesignFormTop(designTopLeft.y());
    elastic->SetDesignFormWidth(616);
    elastic->SetDesignFormHeight(468);
    elastic->SetDesignFormClientWidth(608);
    elastic->SetDesignFormClientHeight(441);
}

void BareForm::show()
{
    elastic->Adapter()->SetTranslating(false);
    form->setAttribute(Qt::WA_DontShowOnScreen);
    form->show();
    send(elastic, ElasticMessageId::ShowWindow, 1);
}

bool send(TElasticForm *e, ElasticMessageId id, quintptr wParam)
{
    dorvane::ElasticMessage m(id, wParam);
    return e->FormWndProc(m);
}

void ElasticRules::SetUp()
{
    m_previousHook = dorvane::setMaximizedAreaHook([this] { return m_area; });
    w = buildMirror();
}

void ElasticRules::TearDown()
{
    w.reset();
    dorvane::setMaximizedAreaHook(m_previousHook);
}

void ElasticRules::showAndActivate()
{
    w->elastic->Adapter()->SetTranslating(false);
    // Visible to Qt, with no window-system frame: outer bounds keep the design frame (8 x 27).
    w->form->setAttribute(Qt::WA_DontShowOnScreen);
    w->form->show();
    send(w->elastic, ElasticMessageId::ShowWindow, 1);
    send(w->elastic, ElasticMessageId::Activate);
}

void ElasticRules::resizeTo(int width, int height, quintptr kind)
{
    w->form->SetBounds(w->form->Left(), w->form->Top(), width, height);
    send(w->elastic, ElasticMessageId::WindowPosChanging);
    send(w->elastic, ElasticMessageId::Size, kind);
}

QRect boundsOf(const TControl *c)
{
    return {c->Left(), c->Top(), c->Width(), c->Height()};
}
