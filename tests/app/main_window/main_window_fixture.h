#pragma once
#include "app/main_window/tmainform.h"
#include "support/qt_wait.h"

#include <QMessageBox>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// Records the clips the window asks for instead of sounding them.
class RecordingClips final : public dorvane::ClipSink
{
public:
    void PlayClip(const std::string &name) override { played.push_back(name); }
    std::vector<std::string> played;
};

// A main window whose executable "lives" in a temporary folder, with a font list and clip
// player of the test's own.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates and shows the window, waiting until it is active.
    TMainForm &open();
    void writeSettings(const QByteArray &text);
    QByteArray settingsText() const;
    QString executableDir() const { return m_dir.path(); }

    QWidget *control(const char *name) const { return m_window->control(name); }
    QString caption(const char *name) const;
    int intProperty(const char *name, const char *property) const;
    QString display() const; // "HH MM SS" as the digit labels show it

    // Clicks the middle of a control with the mouse, on whichever part of it is there.
    void click(const char *name);
    void click(QWidget *w, QPoint at);
    void tick(int times = 1);

    // Runs `action`; the first modal box that opens is handed to `inspect` and then closed.
    // Returns false when no box opened.
    bool expectModalBox(const std::function<void()> &action, const std::function<void(QMessageBox *)> &inspect);

    QTemporaryDir m_dir;
    MainFormEnvironment m_env;
    RecordingClips m_clips;
    QStringList m_screenFonts;
    QStringList m_fontLog;
    std::unique_ptr<TMainForm> m_window;
};
