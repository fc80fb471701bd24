// The main window as its layout builds it: every stored value, where each control sits, and in
// which order the controls are stacked.
#include "main_window_fixture.h"

#include "controls/base/layout_loader.h"
#include "controls/base/published.h"
#include "controls/base/tcontrol.h"
#include "controls/input/tcxcolorcombobox.h"

#include <QGuiApplication>
#include <QJsonDocument>
#include <QMetaEnum>
#include <QScreen>

using namespace dorvane;

namespace {

// A published value by dotted path ("Style.Font.Height"), as text: enumerations by their key,
// lists joined with "|".
std::string valueAt(QObject *object, const QString &path)
{
    const QStringList parts = path.split(QLatin1Char('.'));
    for (int i = 0; i + 1 < parts.size() && object; ++i)
        object = readPublishedObject(object, parts.at(i));
    if (!object)
        return "<no object>";
    const QMetaProperty property = findPublishedProperty(object, parts.last());
    if (!property.isValid())
        return "<no property>";
    const QVariant v = property.read(object);
    if (property.isEnumType())
        return property.enumerator().valueToKey(v.toInt());
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char('|')).toStdString();
    if (v.typeId() == QMetaType::Float || v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble()).toStdString();
    return v.toString().toStdString();
}

struct Stored
{
    const char *control;
    const char *property;
    const char *value;
};

const Stored kValues[] = {
    {"MainForm", "Caption", "Dorvane"},
    {"MainForm", "Left", "327"}, {"MainForm", "Top", "295"}, {"MainForm", "Width", "616"}, {"MainForm", "Height", "468"},
    {"MainForm", "ClientWidth", "608"}, {"MainForm", "ClientHeight", "441"},
    {"MainForm", "Position", "poDesktopCenter"}, {"MainForm", "Scaled", "false"},
    {"MainForm", "Color", "-16777201"},
    {"MainForm", "Font.Name", "Arial"}, {"MainForm", "Font.Height", "-13"}, {"MainForm", "Font.Style", "0"},
    {"MainForm", "Font.Color", "-16777208"}, {"MainForm", "Font.Charset", "1"},
    {"MainForm", "PixelsPerInch", "96"}, {"MainForm", "TextHeight", "16"},

    {"cxPageControl1", "Left", "0"}, {"cxPageControl1", "Top", "8"},
    {"cxPageControl1", "Width", "608"}, {"cxPageControl1", "Height", "393"},
    {"cxPageControl1", "TabPosition", "tpBottom"}, {"cxPageControl1", "LookAndFeel.Kind", "lfStandard"},
    {"cxPageControl1", "TabOrder", "0"},
    {"Panel1", "Left", "0"}, {"Panel1", "Top", "408"}, {"Panel1", "Width", "607"}, {"Panel1", "Height", "33"},
    {"Panel1", "Caption", ""}, {"Panel1", "BevelOuter", "bvRaised"}, {"Panel1", "TabOrder", "1"},
    {"Timer1", "Interval", "1000"},
    {"ElasticForm1", "DesignScreenWidth", "1255"}, {"ElasticForm1", "DesignScreenHeight", "1004"},
    {"ElasticForm1", "DesignPixelsPerInch", "96"}, {"ElasticForm1", "DesignFormWidth", "616"},
    {"ElasticForm1", "DesignFormHeight", "468"}, {"ElasticForm1", "DesignFormClientWidth", "608"},
    {"ElasticForm1", "DesignFormClientHeight", "441"}, {"ElasticForm1", "DesignFormLeft", "327"},
    {"ElasticForm1", "DesignFormTop", "295"}, {"ElasticForm1", "Font.Name", "Arial"},
    {"ElasticForm1", "Font.Height", "-13"}, {"ElasticForm1", "Font.Style", "0"},
    {"ElasticForm1", "Font.Color", "-16777208"}, {"ElasticForm1", "Version", "700"},
    {"ElasticForm1", "ResolutionIndependence", "false"}, {"ElasticForm1", "ElFrmIniFile", ""},

    {"cxTabSheet1", "Caption", "Display"}, {"cxTabSheet1", "Hint", ""}, {"cxTabSheet1", "ImageIndex", "0"},
    {"cxTabSheet2", "Caption", "Configuration"}, {"cxTabSheet2", "Hint", "Normal background color of the clock."},
    {"cxTabSheet2", "ShowHint", "true"}, {"cxTabSheet2", "ParentShowHint", "false"},
    {"cxTabSheet2", "ImageIndex", "1"},

    {"lblHrs", "Left", "7"}, {"lblMins", "Left", "210"}, {"lblSecs", "Left", "413"},
    {"lblHrs", "Top", "5"}, {"lblHrs", "Width", "182"}, {"lblHrs", "Height", "225"},
    {"lblMins", "Top", "5"}, {"lblMins", "Width", "182"}, {"lblMins", "Height", "225"},
    {"lblSecs", "Top", "5"}, {"lblSecs", "Width", "182"}, {"lblSecs", "Height", "225"},
    {"lblDirectionL", "Left", "6"}, {"lblDirectionR", "Left", "533"},
    {"Label3", "Left", "370"}, {"Label3", "Top", "264"},
    {"Label3", "Caption", "Time Allowance"},
    {"Label5", "Left", "337"}, {"Label5", "Top", "283"}, {"Label5", "Caption", "Hours"},
    {"Label1", "Left", "389"}, {"Label1", "Top", "283"}, {"Label1", "Caption", "Minutes"},
    {"Label2", "Left", "448"}, {"Label2", "Top", "283"}, {"Label2", "Caption", "Seconds"},
    {"spnHrs", "Left", "322"}, {"spnMin", "Left", "386"}, {"spnSec", "Left", "450"},
    {"spnHrs", "MaxValue", "99"}, {"spnMin", "MaxValue", "60"}, {"spnSec", "MaxValue", "60"},
    {"spnHrs", "Hint", "Maximum hours for the count down."},
    {"spnMin", "Hint", "Maximum minutes for the count down."},
    {"spnSec", "Hint", "Maximum seconds for the count down."},
    {"spnHrs", "TabOrder", "2"}, {"spnMin", "TabOrder", "1"}, {"spnSec", "TabOrder", "0"},
    {"btnStart", "Left", "114"}, {"btnStart", "Top", "264"}, {"btnStart", "Caption", "Start"}, {"btnStart", "TabOrder", "3"},
    {"btnStop", "Left", "202"}, {"btnStop", "Top", "264"}, {"btnStop", "Caption", "Stop"}, {"btnStop", "TabOrder", "4"},
    {"btnReset", "Left", "114"}, {"btnReset", "Top", "304"}, {"btnReset", "Caption", "Reset"}, {"btnReset", "TabOrder", "5"},
    {"btnDone", "Left", "202"}, {"btnDone", "Top", "304"}, {"btnDone", "Caption", "Done"}, {"btnDone", "TabOrder", "6"},
    {"btnDone", "Width", "75"}, {"btnDone", "Height", "25"}, {"btnDone", "LookAndFeel.Kind", "lfStandard"},
    {"lblDirectionL", "Top", "238"}, {"lblDirectionL", "Width", "66"}, {"lblDirectionL", "Height", "124"},
    {"lblDirectionL", "TabOrder", "7"}, {"lblDirectionR", "TabOrder", "8"},
    {"lblDirectionR", "Properties.Alignment.Horz", "taCenter"}, {"lblDirectionR", "AutoSize", "false"},
{"lblDirectionR", "Style.Font.Name", "Symbol"},
    {"lblDirectionR", "Style.Font.Height", "-101"}, {"lblDirectionR", "Style.Font.Style", "1"},
    {"lblDirectionR", "Style.Font.Color", "-16777208"},
    {"lblDirectionR", "ParentColor", "false"}, {"lblDirectionR", "ParentFont", "false"},

    {"Label6", "Left", "40"}, {"Label6", "Top", "16"}, {"Label6", "Caption", "Background Color"},
    {"Label6", "Font.Name", "Arial"}, {"Label6", "Font.Height", "-13"},
    {"cboBackgroundColor", "Left", "224"}, {"cboBackgroundColor", "Top", "16"},
    {"cboBackgroundColor", "Width", "121"}, {"cboBackgroundColor", "Height", "24"},
    {"cboBackgroundColor", "Properties.AllowSelectColor", "true"},
    {"cboBackgroundColor", "Properties.DefaultDescription", "Color not selected"},
    {"cboBackgroundColor", "Properties.ShowDescriptions", "false"},
    {"cboBackgroundColor", "Properties.PrepareInfo", ""},
    {"cboBackgroundColor", "Style.Color", "16777215"}, {"cboBackgroundColor", "Style.Shadow", "false"},
    {"cboBackgroundColor", "Style.ButtonStyle", "bts3D"}, {"cboBackgroundColor", "Hint", ""},
    {"cboBackgroundColor", "TabOrder", "0"},
    {"cboSecondsColor", "Left", "456"}, {"cboSecondsColor", "Top", "72"},
    {"cboSecondsColor", "Hint", "The clock background color at the \"seconds\" time."},
    {"cboSecondsColor", "Style.ButtonStyle", "bts3D"}, {"cboSecondsColor", "Style.Shadow", "false"},
    {"cboSecondsColor", "Properties.DefaultDescription", "Color not selected"},
    {"cboSecondsColor", "TabOrder", "1"},
    {"cboExpiredColor", "Left", "456"}, {"cboExpiredColor", "Top", "97"},
    {"cboExpiredColor", "Hint", "The clock background color when time expires."},
    {"cboExpiredColor", "Properties.ShowDescriptions", "false"}, {"cboExpiredColor", "TabOrder", "2"},
    {"cxLabel3", "Left", "272"}, {"cxLabel3", "Top", "72"},
    {"cxLabel3", "Caption", "@Seconds"}, {"cxLabel3", "TabOrder", "3"},
    {"Label8", "Left", "272"}, {"Label8", "Top", "105"}, {"Label8", "Caption", "@Time Expired"},
    {"spnColorSecs", "Left", "376"}, {"spnColorSecs", "Top", "72"}, {"spnColorSecs", "Width", "49"},
    {"spnColorSecs", "Height", "24"}, {"spnColorSecs", "Style.ButtonStyle", "bts3D"}, {"spnColorSecs", "TabOrder", "4"},
    {"spnColorSecs", "Hint", "The number of seconds at which the clock background will change."},
    {"rgColorChange", "Left", "40"}, {"rgColorChange", "Top", "72"}, {"rgColorChange", "Width", "185"},
    {"rgColorChange", "Height", "49"}, {"rgColorChange", "Caption", "Color Change?"},
    {"rgColorChange", "Properties.Items", "Yes|No"}, {"rgColorChange", "Properties.Columns", "2"},
    {"rgColorChange", "Alignment", "alTopLeft"}, {"rgColorChange", "Style.BorderStyle", "ebs3D"},
    {"rgColorChange", "Hint", "If Yes, the clock background color will change at X seconds and when expired."},
    {"rgColorChange", "TabOrder", "5"},
    {"rgDirection", "Top", "152"}, {"rgDirection", "Caption", "Time Direction?"},
    {"rgDirection", "Properties.Items", "Down|Up"}, {"rgDirection", "Hint", "Does the clock count up or down?"},
    {"rgDirection", "Properties.Columns", "2"}, {"rgDirection", "TabOrder", "6"},
    {"rgVoice", "Top", "232"}, {"rgVoice", "Caption", "Voice Announcements?"}, {"rgVoice", "Properties.Items", "Yes|No"},
    {"rgVoice", "Hint", "Time announcements starting at 5 minutes when counting down."},
    {"rgVoice", "Style.BorderStyle", "ebs3D"}, {"rgVoice", "TabOrder", "7"},

    {"Label4", "Left", "121"}, {"Label4", "Top", "8"},
    {"Label4", "Caption", "Courtesy of Pellgrove "}, {"Label4", "Alignment", "taCenter"},
    {"Label4", "Font.Name", "Arial"}, {"Label4", "Font.Height", "-13"}, {"Label4", "Font.Color", "0"},
    {"OvcURL1", "Left", "329"}, {"OvcURL1", "Top", "8"},
    {"OvcURL1", "HighlightColor", "16711680"}, {"OvcURL1", "Font.Name", "Arial"}, {"OvcURL1", "Font.Height", "-13"},
    {"OvcURL1", "Font.Color", "0"}, {"OvcURL1", "Hint", "Go to Pellgrove web site."}, {"OvcURL1", "ShowHint", "true"},
    {"Label7", "Left", "552"}, {"Label7", "Top", "8"}, {"Label7", "Caption", "Ver 1.2"},
    {"Label7", "Font.Name", "Arial"}, {"Label7", "Font.Color", "-16777208"},
};

} // namespace

class LayoutTest : public MainWindowTest
{
protected:
    // Built but not shown: showing places the window in the middle of the desktop.
    TMainForm &build()
    {
        m_window = std::make_unique<TMainForm>(m_env);
        return *m_window;
    }
    QObject *object(const char *name) const
    {
        return qstrcmp(name, "MainForm") == 0 ? static_cast<QObject *>(m_window.get())
                                                : m_window->findChild<QObject *>(QLatin1String(name));
    }
    // The names of a container's own controls in the order they are stacked, bottom first.
    QStringList stacking(const char *container) const
    {
        QStringList names;
        for (QObject *child : object(container)->children())
            if (qobject_cast<TControl *>(child) && !child->objectName().isEmpty())
                names << child->objectName();
        return names;
    }
};

TEST_F(LayoutTest, EveryStoredValueOfTheWindowAndItsControls)
{
    build();
    for (const Stored &s : kValues) {
        QObject *o = object(s.control);
        ASSERT_NE(o, nullptr) << s.control;
        EXPECT_EQ(valueAt(o, QLatin1String(s.property)), s.value) << s.control << "." << s.property;
    }
}

TEST_F(LayoutTest, TheLinkShowsTheMakersAddressInParentheses)
{
    build();
    const std::string url = valueAt(object("OvcURL1"), QStringLiteral("URL"));
    EXPECT_EQ(url.rfind("https://", 0), 0u) << url;
    EXPECT_EQ(valueAt(object("OvcURL1"), QStringLiteral("Caption")), "(" + url + ")");
}

TEST_F(LayoutTest, TheDigitFieldsShareOneLook)
{
    build();
    for (const char *digits : {"lblHrs", "lblMins", "lblSecs"}) {
        SCOPED_TRACE(digits);
        QObject *o = object(digits);
        EXPECT_EQ(valueAt(o, QStringLiteral("Alignment")), "taCenter");
        EXPECT_EQ(valueAt(o, QStringLiteral("AutoSize")), "false");
        EXPECT_EQ(valueAt(o, QStringLiteral("ParentColor")), "false");
        EXPECT_EQ(valueAt(o, QStringLiteral("Font.Name")), "Arial Narrow");
        EXPECT_EQ(valueAt(o, QStringLiteral("Font.Height")), "-200");
        EXPECT_EQ(valueAt(o, QStringLiteral("Font.Style")), "1");
        EXPECT_EQ(valueAt(o, QStringLiteral("Font.Color")), "-16777208");
    }
}

TEST_F(LayoutTest, TheSecondsAndExpiredPickersKeepTheDefaultStyleColour)
{
    build();
    TcxColorComboBox fresh;
    const std::string byDefault = valueAt(&fresh, QStringLiteral("Style.Color"));
    EXPECT_EQ(valueAt(object("cboSecondsColor"), QStringLiteral("Style.Color")), byDefault);
    EXPECT_EQ(valueAt(object("cboExpiredColor"), QStringLiteral("Style.Color")), byDefault);
}

TEST_F(LayoutTest, ControlsSitInTheirParentsAndStackInCreationOrder)
{
    build();
    EXPECT_EQ(stacking("MainForm"), (QStringList{QStringLiteral("cxPageControl1"), QStringLiteral("Panel1")}));
    EXPECT_EQ(stacking("cxTabSheet1").join(QLatin1Char(' ')),
              QStringLiteral("lblSecs lblMins lblHrs Label3 Label5 Label1 Label2 spnSec spnMin spnHrs "
                             "btnStart btnStop btnReset btnDone lblDirectionL lblDirectionR"));
    for (const char *name : {"Label4", "OvcURL1", "Label7"})
        EXPECT_EQ(object(name)->parent(), object("Panel1")) << name;
    for (const char *page : {"cxTabSheet1", "cxTabSheet2"}) {
        QObject *p = object(page);
        ASSERT_NE(p, nullptr);
        EXPECT_TRUE(qobject_cast<QWidget *>(object("cxPageControl1"))->isAncestorOf(qobject_cast<QWidget *>(p))) << page;
    }
    EXPECT_EQ(object("Timer1")->parent(), m_window.get());
    EXPECT_EQ(object("ElasticForm1")->parent(), m_window.get());
}

TEST_F(LayoutTest, NoOptionIsChosenByTheLayoutButEachByTheSettingsBeforeTheFirstReset)
{
    writeSettings("[Voice]\nYes=0\n[Display]\nYes=0\nTimeUp=0\n");
    build();
    EXPECT_EQ(valueAt(object("rgVoice"), QStringLiteral("ItemIndex")), "1");
    EXPECT_EQ(valueAt(object("rgColorChange"), QStringLiteral("ItemIndex")), "1");
    EXPECT_EQ(valueAt(object("rgDirection"), QStringLiteral("ItemIndex")), "1");
    // The layout itself leaves them unset.
    const QJsonObject layout = LayoutLoader::readResource(QStringLiteral(":/layout/MainForm.json"));
    EXPECT_FALSE(QString::fromUtf8(QJsonDocument(layout).toJson()).contains(QStringLiteral("ItemIndex")));
}

TEST_F(LayoutTest, TheWindowOpensInTheMiddleOfThePrimaryScreensUsableArea)
{
    TMainForm &w = open();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect outer = w.BoundsRect();
    EXPECT_EQ(outer.size(), QSize(616, 468));
    EXPECT_EQ(outer.topLeft(), area.topLeft() + QPoint((area.width() - 616) / 2, (area.height() - 468) / 2));
}
