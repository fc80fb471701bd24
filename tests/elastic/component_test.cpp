// The component's life cycle and the controls it manages.
#include "mirror_window.h"

#include "elastic/register_elastic.h"

#include "controls/base/control_registry.h"
#include "controls/base/published.h"
#include "engine/error.h"

using dorvane::ElasticMessageId;

namespace {
QStringList names(const dorvane::ControlList &list)
{
    QStringList n;
    for (const auto &c : list)
        n << c->Name();
    return n;
}
} // namespace

// The window's tables list 16 named controls on the first page, 10 on the second, the page
// control, the footer panel and its three labels: 31.
TEST_F(ElasticRules, ManagesEveryNamedControlButThePages)
{
    showAndActivate();
    const QStringList managed = names(w->elastic->ManagedControls());
    EXPECT_EQ(w->elastic->ControlCount(), 31);
    EXPECT_EQ(managed.size(), 31) << managed.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(managed.first(), QStringLiteral("cxPageControl1")) << "a parent before its children";
    EXPECT_FALSE(managed.contains(QStringLiteral("cxTabSheet1")));
    EXPECT_FALSE(managed.contains(QString()));
    EXPECT_TRUE(managed.contains(QStringLiteral("rgVoice")));
    EXPECT_EQ(managed.last(), QStringLiteral("OvcURL1")) << "windowless children first";
    EXPECT_EQ(managed, names(w->elastic->AlignOrder())) << "no alignment: registration order";
}

TEST_F(ElasticRules, NamedChildrenOfUnnamedControlsAreManaged)
{
    auto *unnamed = new TControl(w->form.get());
    auto *inner = new TControl(unnamed);
    inner->SetName(QStringLiteral("inner"));
    showAndActivate();
    EXPECT_TRUE(names(w->elastic->ManagedControls()).contains(QStringLiteral("inner")));
    EXPECT_FALSE(w->elastic->ManagedControls().contains(unnamed));
}

TEST(ElasticOrder, AlignmentGroupsAndTiesGoToTheLaterControl)
{
    TForm form;
    auto make = [&](const char *name, TControl::TAlign align, QRect r) {
        auto *c = new TControl(&form);
        c->SetName(QString::fromLatin1(name));
        c->SetAlign(align);
        c->SetBounds(r.x(), r.y(), r.width(), r.height());
        return c;
    };
    make("free1", TControl::alNone, {0, 0, 10, 10});
    make("client", TControl::alClient, {5, 0, 10, 10});
    make("bottomHigh", TControl::alBottom, {0, 50, 10, 10});
    make("topA", TControl::alTop, {0, 20, 10, 10});
    make("right", TControl::alRight, {90, 0, 10, 10});
    make("topB", TControl::alTop, {0, 20, 10, 10});
    make("bottomLow", TControl::alBottom, {0, 90, 10, 10});
    make("topFirst", TControl::alTop, {0, 0, 10, 10});
    make("left", TControl::alLeft, {0, 0, 10, 10});
    make("custom", TControl::alCustom, {0, 0, 10, 10});
    dorvane::RegisteredControls found;
    dorvane::RegisterControls(&form, found);
    EXPECT_EQ(names(dorvane::OrderByAlignment(found.managed)),
              QStringList({"topFirst", "topB", "topA", "bottomLow", "bottomHigh", "left", "right", "client",
                           "free1", "custom"}));
}

TEST_F(ElasticRules, HidingTwiceThenShowingRestoresEachVisibility)
{
    showAndActivate();
    w->controls["Panel1"]->SetVisible(false);
    w->elastic->HideControls();
    w->controls["Panel1"]->SetVisible(true); // changed while hidden: the saved state wins
    w->elastic->HideControls();
    EXPECT_FALSE(w->controls["cxPageControl1"]->Visible());
    EXPECT_TRUE(w->controls["lblSecs"]->Visible()) << "nested controls vanish with their parent";
    w->elastic->ShowControls();
    EXPECT_TRUE(w->controls["cxPageControl1"]->Visible());
    EXPECT_FALSE(w->controls["Panel1"]->Visible());
}

TEST_F(ElasticRules, FocusGoesBackToTheNamedWindowedControl)
{
    showAndActivate();
    EXPECT_EQ(w->elastic->FindControlHandle(QStringLiteral("btnStart")), w->controls["btnStart"]);
    EXPECT_EQ(w->elastic->FindControlHandle(QStringLiteral("Label3")), nullptr) << "windowless: no handle";
    EXPECT_EQ(w->elastic->FindControlHandle(QStringLiteral("nothing")), nullptr);
    EXPECT_EQ(w->elastic->FindControlByHandle(w->controls["spnSec"]), w->controls["spnSec"]);
    w->elastic->SetEFActiveControl(QStringLiteral("Label3"));
    w->elastic->HideControls();
    w->elastic->ShowControls();
    EXPECT_EQ(w->form->ActiveControl(), nullptr);
}

TEST_F(ElasticRules, AddedControlJoinsTheLayoutAtItsCurrentBounds)
{
    showAndActivate();
    resizeTo(1232, 909);
    auto *late = new TControl(w->form.get());
    late->SetName(QStringLiteral("late"));
    late->SetBounds(100, 100, 200, 50);
    late->show();
    w->elastic->AddControl(late);
    EXPECT_EQ(w->elastic->ControlCount(), 32);
    EXPECT_EQ(w->elastic->ReferenceClientWidth(), 1224) << "the current layout is the new design";
    resizeTo(616, 468);
    EXPECT_EQ(boundsOf(late), QRect(50, 50, 99, 25));
    EXPECT_EQ(boundsOf(w->controls["lblSecs"]), QRect(413, 5, 182, 225));
}

TEST(ElasticConstruction, OwnerMustBeAFormWithOneComponent)
{
    QObject notAForm;
    try {
        TElasticForm e(&notAForm);
        FAIL() << "accepted an owner that is no form";
    } catch (const dorvane::Error &e) {
        EXPECT_STREQ(e.what(), "Owner of TElasticForm component must be a form");
    }
    EXPECT_THROW(TElasticForm(nullptr), dorvane::Error);

    TForm form;
    form.SetName(QStringLiteral("MainForm"));
    auto *first = new TElasticForm(&form);
    try {
        new TElasticForm(&form);
        FAIL() << "a second component was accepted";
    } catch (const dorvane::Error &e) {
        EXPECT_STREQ(e.what(), "A TElasticForm component already exists in MainForm");
    }
    EXPECT_EQ(form.findChildren<TElasticForm *>().size(), 1);
    EXPECT_TRUE(first->IsHooked());
}

TEST(ElasticConstruction, DefaultsAndTheFixedVersion)
{
    TForm form;
    form.Font()->SetHeight(-16);
    dorvane::registerElasticComponents();
    QObject *created = dorvane::ControlRegistry::instance().create(QStringLiteral("TElasticForm"), &form);
    auto *e = qobject_cast<TElasticForm *>(created);
    ASSERT_TRUE(e);
    EXPECT_TRUE(dorvane::writePublished(e, QStringLiteral("version"), 1.5));
    EXPECT_EQ(e->Version(), 700.0f);
    EXPECT_EQ(e->Font()->Height(), -16) << "a copy of the owner's font";
    EXPECT_TRUE(e->ElasticHorizontal() && e->ElasticVertical() && e->ElasticFont() && e->LookForExtraFonts());
    EXPECT_TRUE(e->ResolutionIndependence() && e->Active() && e->GridFontResize());
    EXPECT_FALSE(e->MaintainProportions());
    EXPECT_TRUE(e->ElFrmIniFile().isEmpty());
}

TEST_F(ElasticRules, AFormWithoutControlsScalesOnlyTheComponentFont)
{
    BareForm bare(TForm::poDesigned);
    bare.show();
    send(bare.elastic, ElasticMessageId::Activate);
    EXPECT_TRUE(bare.elastic->ManagedControls().isEmpty());
    EXPECT_EQ(bare.elastic->ControlCount(), 0);
    bare.form->SetBounds(bare.form->Left(), bare.form->Top(), 1232, 909);
    send(bare.elastic, ElasticMessageId::WindowPosChanging);
    send(bare.elastic, ElasticMessageId::Size);
    EXPECT_EQ(bare.elastic->Font()->Size(), 20);
    send(bare.elastic, ElasticMessageId::SetCursor);
    EXPECT_EQ(bare.form->Font()->Size(), 20) << "handed on to the form at the next message";
}

TEST_F(ElasticRules, StatusBarJoinsTheLayoutAtTheFirstActivation)
{
    auto *bar = new TStatusBar(w->form.get());
    bar->SetName(QStringLiteral("StatusBar1"));
    bar->SetAlign(TControl::alBottom);
    bar->SetBounds(0, 421, 608, 20);
    auto *panel = new TCollectionItem(bar->Panels(), 100);
    w->elastic->Adapter()->SetTranslating(false);
    w->form->setAttribute(Qt::WA_DontShowOnScreen);
    w->form->show();
    send(w->elastic, ElasticMessageId::ShowWindow, 1);
    EXPECT_FALSE(w->elastic->ManagedControls().contains(bar));
    EXPECT_EQ(w->elastic->StatusBars().size(), 1);

    send(w->elastic, ElasticMessageId::Activate);
    EXPECT_EQ(w->elastic->ControlCount(), 32);
    EXPECT_EQ(w->elastic->ManagedControls().first(), bar) << "bottom-aligned, so ahead of the rest";
    // Screen ratios are 1 here; the top also follows the font ratio 616 / 608.
    EXPECT_EQ(boundsOf(bar), QRect(0, 427, 608, 20));
    EXPECT_EQ(panel->Width(), 100);
    EXPECT_EQ(bar->Font()->Size(), 10);

    resizeTo(1232, 909);
    EXPECT_EQ(boundsOf(bar), QRect(0, 854, 1224, 40));
    EXPECT_EQ(bar->Font()->Size(), 20);
    EXPECT_EQ(boundsOf(w->controls["lblSecs"]), QRect(831, 10, 366, 450)) << "the others as before";
}
