// The window placement store, kept as screen fractions under the form's name.
#include "mirror_window.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

using dorvane::ElasticMessageId;

class ElasticPlacement : public ElasticRules
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        ElasticRules::SetUp();
    }
    void useStore() { w->elastic->SetElFrmIniFile(QStringLiteral("Software\\Dorvane\\Test")); }
    bool storeWritten() const { return !QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty(); }
    QSettings stored() const { return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Software/Dorvane/Test")); }

    QTemporaryDir m_dir;
};

TEST_F(ElasticPlacement, EmptyKeyOpensNothing)
{
    showAndActivate();
    resizeTo(1000, 800);
    send(w->elastic, ElasticMessageId::SysCommand, dorvane::ScClose);
    EXPECT_FALSE(storeWritten());
}

TEST_F(ElasticPlacement, RestoredOnAnotherScreenAtTheSameFractions)
{
    setScreen({1000, 800});
    useStore();
    showAndActivate();
    w->form->SetBounds(100, 80, 500, 400);
    send(w->elastic, ElasticMessageId::SysCommand, dorvane::ScClose);
    ASSERT_TRUE(storeWritten());
    {
        QSettings s = stored();
        EXPECT_EQ(s.value(QStringLiteral("MainForm/Total Controls")).toInt(), 31);
        EXPECT_DOUBLE_EQ(s.value(QStringLiteral("MainForm/Left")).toDouble(), 0.1);
        EXPECT_EQ(s.value(QStringLiteral("MainForm/wp length ")).toInt(), 44);
        EXPECT_TRUE(s.contains(QStringLiteral("MainForm/Visible 30")));
        EXPECT_FALSE(s.contains(QStringLiteral("MainForm/Visible 31")));
    }

    setScreen({2000, 1600});
    w = buildMirror();
    useStore();
    showAndActivate();
    EXPECT_EQ(w->form->BoundsRect(), QRect(200, 160, 1000, 800));
    EXPECT_EQ(w->controls["cxPageControl1"]->Width(), 1000 - 8);
}

TEST_F(ElasticPlacement, StoreOfAnotherControlCountIsIgnored)
{
    useStore();
    {
        QSettings s = stored();
        s.setValue(QStringLiteral("MainForm/Total Controls"), 30); // one fewer than the window manages
        s.setValue(QStringLiteral("MainForm/Window State"), 0);
        s.setValue(QStringLiteral("MainForm/Left"), 0.0);
        s.setValue(QStringLiteral("MainForm/Width"), 0.9);
        s.setValue(QStringLiteral("MainForm/Visible 0"), false);
    }
    showAndActivate();
    EXPECT_EQ(w->form->BoundsRect(), QRect(319, 268, 616, 468));
    EXPECT_TRUE(w->controls["cxPageControl1"]->Visible());
    EXPECT_FALSE(w->elastic->PlacementLoaded());
}

TEST_F(ElasticPlacement, MaximizedWindowIsRememberedAsMaximized)
{
    useStore();
    showAndActivate();
    w->form->SetBounds(50, 60, 700, 500);
    send(w->elastic, ElasticMessageId::SysCommand, dorvane::ScClose);
    w->form->SetWindowState(TForm::wsMaximized);
    resizeTo(1255, 1004, dorvane::SizeMaximized);
    {
        QSettings s = stored();
        EXPECT_EQ(s.value(QStringLiteral("MainForm/Window State")).toInt(), 2);
        EXPECT_DOUBLE_EQ(s.value(QStringLiteral("MainForm/Left")).toDouble(), 50.0 / 1255) << "not rewritten";
    }
    w = buildMirror();
    useStore();
    showAndActivate();
    EXPECT_EQ(w->form->WindowState(), TForm::wsMaximized);
    EXPECT_FALSE(w->elastic->RestoreMaximized()) << "applied at the activation";
}

TEST_F(ElasticPlacement, LimitsAbsentFromTheStoreAreNone)
{
    useStore();
    w->elastic->SetMaximumTrackWidth(900);
    w->elastic->SetMaximumTrackHeight(700);
    {
        QSettings s = stored();
        s.setValue(QStringLiteral("MainForm/Total Controls"), 31);
        s.setValue(QStringLiteral("MainForm/Window State"), 0);
        s.setValue(QStringLiteral("MainForm/Left"), 0.1);
        s.setValue(QStringLiteral("MainForm/Top"), 0.1);
        s.setValue(QStringLiteral("MainForm/Width"), 0.5);
        s.setValue(QStringLiteral("MainForm/Height"), 0.5);
    }
    showAndActivate();
    EXPECT_TRUE(w->elastic->PlacementLoaded());
    EXPECT_EQ(w->elastic->MaximumTrackWidth(), 0);
    EXPECT_EQ(w->elastic->MaximumTrackHeight(), 0);
}

TEST_F(ElasticPlacement, SmallerMaximizedWindowIsStoredAsAPercentageLimit)
{
    useStore();
    showAndActivate();
    w->form->SetWindowState(TForm::wsMaximized);
    resizeTo(1000, 803, dorvane::SizeMaximized); // 79.7 and 79.98 per cent of 1255 x 1004
    EXPECT_EQ(w->elastic->MaximumTrackWidth(), -80);
    EXPECT_EQ(w->elastic->MaximumTrackHeight(), -80);
    QSettings s = stored();
    EXPECT_EQ(s.value(QStringLiteral("MainForm/MaxTrackWidth")).toInt(), -80);
    EXPECT_EQ(s.value(QStringLiteral("MainForm/MaxTrackHeight")).toInt(), -80);
}
