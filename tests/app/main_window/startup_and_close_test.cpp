#include "main_window_fixture.h"

#include "app/app_identity.h"
#include "controls/base/published.h"
#include "controls/base/ttimer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QResource>
#include <fstream>
#include <string>

using namespace dorvane;

namespace {
const QString kDown = QString(QChar(0xAF));
const QString kUp = QString(QChar(0xAD));

const QByteArray kDefaultsWritten = "[Time]\n"
                                    "Hours=0\n"
                                    "Mins=5\n"
                                    "Secs=0\n"
                                    "\n"
                                    "[Voice]\n"
                                    "Yes=1\n"
                                    "\n"
                                    "[Display]\n"
                                    "Background=15793151\n"
                                    "Yes=1\n"
                                    "SecondsColor=65535\n"
                                    "ExpiredColor=255\n"
                                    "Seconds=60\n"
                                    "TimeUp=1\n"
                                    "\n"
                                    "[View]\n"
                                    "ClockView=0\n"
                                    "ClockFullScreen=0\n"
                                    "ClockOnTop=0\n"
                                    "MainOnTop=0\n"
                                    "DigitColor=-16777208\n"
                                    "FlashAtTimeUp=0\n"
                                    "DigitColorAuto=0\n"
                                    "DigitColorSeconds=-16777208\n"
                                    "DigitColorExpired=-16777208\n"
                                    "ClockDigitColorAuto=1\n"
                                    "ClockDigitColor=-16777208\n"
                                    "ClockDigitColorSeconds=-16777208\n"
                                    "ClockDigitColorExpired=-16777208\n"
                                    "ClockAlwaysHours=0\n"
                                    "ClockDirection=1\n"
                                    "ClockOvertime=0\n"
                                    "ClockTimeOfDay=0\n"
                                    "ClockTimeOfDayOnly=0\n"
                                    "ClockProgress=0\n"
                                    "ClockMessageFlash=0\n"
                                    "\n"
                                    "[Sound]\n"
                                    "Volume=100\n";

bool anImagePluginIsLoaded()
{
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line))
        if (line.find("/imageformats/") != std::string::npos)
            return true;
    return false;
}
} // namespace

TEST_F(MainWindowTest, StartsWithoutAFileOnTheDisplayPageCountingDownFiveMinutes)
{
    TMainForm &w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Dorvane"));
    EXPECT_EQ(readPublishedObject(control("cxPageControl1"), QStringLiteral("ActivePage")), control("cxTabSheet1"));
    EXPECT_EQ(display(), QStringLiteral("00 05 00"));
    for (const char *digits : {"lblHrs", "lblMins", "lblSecs"})
        EXPECT_EQ(intProperty(digits, "Color"), 15793151) << digits; // cream
    for (const char *arrow : {"lblDirectionL", "lblDirectionR"}) {
        EXPECT_EQ(caption(arrow), kDown) << arrow;
        EXPECT_EQ(readPublished(readPublishedObject(control(arrow), QStringLiteral("Style")), QStringLiteral("Color")).toInt(),
                  15793151);
    }
    EXPECT_FALSE(w.timer()->Enabled());
    EXPECT_EQ(w.engine().state().AllowanceSeconds, 300);
}

TEST_F(MainWindowTest, StoredSettingsReachTheControls)
{
    writeSettings("[Time]\r\nHours=150\r\nMins=0x1E\r\nSecs= 7\r\n[Display]\r\nbackground=255\r\nTimeUp=0\r\n");
    open();
    EXPECT_EQ(intProperty("spnHrs", "Value"), 99); // clamped by the spin edit
    EXPECT_EQ(intProperty("spnMin", "Value"), 30);
    EXPECT_EQ(intProperty("spnSec", "Value"), 7);
    EXPECT_EQ(intProperty("rgDirection", "ItemIndex"), 1);
    // Counting up: the display starts from zero and the arrows point up.
    EXPECT_EQ(display(), QStringLiteral("00 00 00"));
    EXPECT_EQ(caption("lblDirectionL"), kUp);
    EXPECT_EQ(caption("lblDirectionR"), kUp);
    EXPECT_EQ(intProperty("lblSecs", "Color"), 255);
}

TEST_F(MainWindowTest, DoneAndTheCloseBoxBothWriteAllTenSettingsInOrderThenTheView)
{
    for (const bool viaDone : {true, false}) {
        SCOPED_TRACE(viaDone ? "Done" : "close box");
        QFile::remove(m_dir.filePath(QStringLiteral("Dorvane.Ini")));
        TMainForm &w = open();
        if (viaDone)
            click("btnDone");
        else
            w.close();
        ASSERT_TRUE(DORVANE_WAIT_FOR(!w.isVisible()));
        EXPECT_EQ(settingsText(), kDefaultsWritten);
        m_window.reset();
    }
}

TEST_F(MainWindowTest, ValuesShownAreTheValuesWritten)
{
    writeSettings("[Display]\nBackGround=-16777201\nYes=0\nSeconds=15\n");
    TMainForm &w = open();
    writePublished(control("spnHrs"), QStringLiteral("Value"), 2);
    writePublished(control("rgVoice"), QStringLiteral("ItemIndex"), 1);
    w.close();
    const QByteArray text = settingsText();
    EXPECT_TRUE(text.contains("Hours=2\n"));
    EXPECT_TRUE(text.contains("[Voice]\nYes=0\n"));
    // The stored key keeps its spelling; its value is the signed colour value.
    EXPECT_TRUE(text.contains("BackGround=-16777201\nYes=0\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("Seconds=15\n"));
}

TEST_F(MainWindowTest, AFailedWriteAtCloseKeepsTheWindowOpenUntilALaterCloseSucceeds)
{
    // An executable folder that is gone sends the settings to the user's folder; a file where
    // that folder should be makes the write fail until it is taken away.
    QApplication::setApplicationName(QStringLiteral("Dorvane"));
    m_env.executablePath = m_dir.filePath(QStringLiteral("gone/Dorvane"));
    const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
    m_env.userSettingsDirectory = blocker + QStringLiteral("/dorvane");
    QFile(blocker).open(QIODevice::WriteOnly);
    TMainForm &w = open();
    ASSERT_TRUE(m_fontLog.first().startsWith(QStringLiteral("add ")));

    const bool reported = expectModalBox([&] { w.close(); }, [&](QMessageBox *box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Dorvane"));
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->text(), QStringLiteral("Unable to write to %1/dorvane/Dorvane.Ini.").arg(blocker));
    });
    EXPECT_TRUE(reported);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.fontInstalled()); // the font stays until a close succeeds
    EXPECT_EQ(m_fontLog.size(), 1);

    ASSERT_TRUE(QFile::remove(blocker));
    w.close();
    ASSERT_TRUE(DORVANE_WAIT_FOR(!w.isVisible()));
    QFile written(blocker + QStringLiteral("/dorvane/Dorvane.Ini"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), kDefaultsWritten);
    EXPECT_EQ(m_fontLog.last(), QStringLiteral("remove 7"));
}

TEST_F(MainWindowTest, AnExecutableFolderOutOfReachKeepsTheSettingsInTheUsersFolderAcrossStarts)
{
    m_env.executablePath = m_dir.filePath(QStringLiteral("gone/Dorvane"));
    const QString userFile = m_env.userSettingsDirectory + QStringLiteral("/Dorvane.Ini");
    open().close();
    ASSERT_TRUE(DORVANE_WAIT_FOR(!m_window->isVisible()));
    QFile written(userFile);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), kDefaultsWritten);
    written.close();
    m_window.reset();

    ASSERT_TRUE(written.open(QIODevice::WriteOnly | QIODevice::Truncate));
    written.write("[Time]\nMins=7\n");
    written.close();
    open();
    EXPECT_EQ(display(), QStringLiteral("00 07 00"));
    EXPECT_EQ(m_window->settingsPath(), userFile);
}

TEST_F(MainWindowTest, TheDisplayFontIsInstalledAndRemovedOnlyWhenTheScreenLacksIt)
{
    m_screenFonts = QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("arial narrow bold")};
    open().close();
    EXPECT_TRUE(m_fontLog.isEmpty()) << m_fontLog.join(QStringLiteral(", ")).toStdString();
    m_window.reset();

    m_screenFonts = QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Arial Narrow")};
    TMainForm &w = open();
    const QString path = m_dir.filePath(QStringLiteral("arialnb.ttf"));
    EXPECT_EQ(m_fontLog, QStringList{QStringLiteral("add ") + path});
    EXPECT_TRUE(w.fontInstalled());
    w.close();
    EXPECT_EQ(m_fontLog, (QStringList{QStringLiteral("add ") + path, QStringLiteral("remove 7")}));
}

// Qt's image plugins (and the libraries they pull in) and a decompressor cost the window memory
// before its first paint; the icon and the spin glyphs are read by Qt's own readers, which need
// no plugin, and the layout is stored as it is.
TEST_F(MainWindowTest, OpeningAndPaintingLoadsNoImagePluginNorDecompressor)
{
    if (anImagePluginIsLoaded())
        GTEST_SKIP() << "an earlier test in this process has loaded one";
    const QIcon previousIcon = QApplication::windowIcon();
    QApplication::setWindowIcon(applicationIcon());
    TMainForm &w = open();
    control("cxPageControl1")->grab(); // the spin glyphs are read when the spin buttons paint
    EXPECT_EQ(w.windowIcon().availableSizes(), QList<QSize>{QSize(64, 64)});
    EXPECT_FALSE(anImagePluginIsLoaded());
    EXPECT_EQ(QResource(QStringLiteral(":/layout/MainForm.json")).compressionAlgorithm(), QResource::NoCompression);
    QApplication::setWindowIcon(previousIcon);
}
