#include "controls/base/control_registry.h"
#include "controls/base/layout_loader.h"
#include "controls/base/tcontrol.h"
#include "controls/base/tform.h"

#include <QJsonDocument>
#include <gtest/gtest.h>

using namespace dorvane;

namespace {

// A control that records the order in which its properties and notifications arrive.
class TRecorder : public TControl
{
    Q_OBJECT
    Q_PROPERTY(int MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(int Value READ Value WRITE SetValue)
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(TControl *Buddy READ Buddy WRITE SetBuddy)
public:
    explicit TRecorder(QWidget *parent = nullptr) : TControl(parent) {}
    int MinValue() const { return m_min; }
    void SetMinValue(int v) { m_min = v; log << QStringLiteral("MinValue"); }
    int Value() const { return m_value; }
    void SetValue(int v) { m_value = std::max(v, m_min); log << QStringLiteral("Value"); }
    QStringList Items() const { return m_items; }
    void SetItems(const QStringList &items) { m_items = items; }
    TControl *Buddy() const { return m_buddy; }
    void SetBuddy(TControl *b) { m_buddy = b; }
    void Loaded() override { TControl::Loaded(); log << QStringLiteral("Loaded"); }
    void fire() { emit OnClick(); }

    QStringList log;
signals:
    void OnClick();

private:
    int m_min = 0;
    int m_value = 0;
    QStringList m_items;
    TControl *m_buddy = nullptr;
};

class TTestForm : public TForm
{
    Q_OBJECT
public:
    int clicks = 0;
public slots:
    void btnGoClick() { ++clicks; }
};

QJsonObject parse(const char *json)
{
    return QJsonDocument::fromJson(QByteArray(json)).object();
}

class LayoutLoaderTest : public ::testing::Test
{
protected:
    void SetUp() override { ControlRegistry::instance().add<TRecorder>(); }
};

} // namespace

TEST_F(LayoutLoaderTest, CreatesControlsAssignsInStoredOrderAndWiresHandlers)
{
    TTestForm form;
    LayoutLoader::loadInto(&form, parse(R"({
      "class": "TTestForm", "name": "Form",
      "properties": [["Caption", "Test"], ["Font", {"Name": "Arial", "Height": -13}]],
      "children": [
        {"class": "TRecorder", "name": "btnGo",
         "properties": [["Left", 10], ["top", 20], ["Width", 75], ["Height", 25],
                        ["minvalue", 5], ["Value", 3], ["Items", ["Yes", "No"]], ["Buddy", "Other"]],
         "events": {"OnClick": "btnGoClick"}},
        {"class": "TRecorder", "name": "Other"}
      ]})"));

    auto *go = form.findChild<TRecorder *>(QStringLiteral("btnGo"));
    ASSERT_NE(go, nullptr);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Test"));
    EXPECT_EQ(go->geometry(), QRect(10, 20, 75, 25));
    // MinValue arrived before Value, so the value was clamped against the stored minimum.
    EXPECT_EQ(go->Value(), 5);
    EXPECT_EQ(go->log, (QStringList{QStringLiteral("MinValue"), QStringLiteral("Value"), QStringLiteral("Loaded")}));
    EXPECT_EQ(go->Items(), (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
    EXPECT_EQ(go->Buddy(), form.findChild<TRecorder *>(QStringLiteral("Other")));
    EXPECT_FALSE(go->IsLoading());
    EXPECT_EQ(go->Font()->Name(), QStringLiteral("Arial")); // the form's font, taken as its own
    go->fire();
    EXPECT_EQ(form.clicks, 1);
}

TEST_F(LayoutLoaderTest, UnknownClassPropertyOrHandlerIsAnError)
{
    TTestForm form;
    EXPECT_THROW(LayoutLoader::loadInto(&form, parse(R"({"class": "TTestForm", "children": [{"class": "TNoSuch"}]})")),
                 LayoutLoader::Failure);
    TTestForm form2;
    EXPECT_THROW(LayoutLoader::loadInto(&form2, parse(R"({"class": "TTestForm", "properties": [["NoSuch", 1]]})")),
                 LayoutLoader::Failure);
    TTestForm form3;
    EXPECT_THROW(LayoutLoader::loadInto(&form3, parse(R"({"class": "TTestForm", "children": [
                     {"class": "TRecorder", "events": {"OnClick": "missingHandler"}}]})")),
                 LayoutLoader::Failure);
    // Event names match without regard to ASCII case only: a Kelvin sign is no "k".
    TTestForm form5;
    EXPECT_THROW(LayoutLoader::loadInto(&form5, parse(R"({"class": "TTestForm", "children": [
                     {"class": "TRecorder", "events": {"OnClic\u212A": "btnGoClick"}}]})")),
                 LayoutLoader::Failure);
    TTestForm form6;
    LayoutLoader::loadInto(&form6, parse(R"({"class": "TTestForm", "children": [
                     {"class": "TRecorder", "name": "btnGo", "events": {"oNcLICK": "btnGoClick"}}]})"));
    form6.findChild<TRecorder *>(QStringLiteral("btnGo"))->fire();
    EXPECT_EQ(form6.clicks, 1);
    TTestForm form4;
    EXPECT_THROW(LayoutLoader::loadInto(&form4, parse(R"({"class": "TOtherForm"})")), LayoutLoader::Failure);
}

#include "layout_loader_test.moc"
