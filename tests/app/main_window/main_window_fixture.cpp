#include "main_window_fixture.h"

#include "controls/base/published.h"
#include "controls/base/ttimer.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>

using namespace dorvane;

void MainWindowTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_env.executablePath = m_dir.filePath(QStringLiteral("Dorvane"));
    // Never the real user's folder, should a test's executable folder be out of reach.
    m_env.userSettingsDirectory = m_dir.filePath(QStringLiteral("home/.config/dorvane"));
    m_env.clips = &m_clips;
    m_env.fontPlatform.fontFamilies = [this] { return m_screenFonts; };
    m_env.fontPlatform.addFont = [this](const QString &path) {
        m_fontLog << QStringLiteral("add ") + path;
        return 7;
    };
    m_env.fontPlatform.removeFont = [this](int id) { m_fontLog << QStringLiteral("remove %1").arg(id); };
}

void MainWindowTest::TearDown()
{
    if (m_window) {
        m_window->hide();
        m_window.reset();
    }
}

TMainForm &MainWindowTest::open()
{
    m_window = std::make_unique<TMainForm>(m_env);
    m_window->show();
    m_window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    return *m_window;
}

void MainWindowTest::writeSettings(const QByteArray &text)
{
    QFile f(m_dir.filePath(QStringLiteral("Dorvane.Ini")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QByteArray MainWindowTest::settingsText() const
{
    QFile f(m_dir.filePath(QStringLiteral("Dorvane.Ini")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString MainWindowTest::caption(const char *name) const
{
    return readPublished(control(name), QStringLiteral("Caption")).toString();
}

int MainWindowTest::intProperty(const char *name, const char *property) const
{
    return readPublished(control(name), QLatin1String(property)).toInt();
}

QString MainWindowTest::display() const
{
    return caption("lblHrs") + QLatin1Char(' ') + caption("lblMins") + QLatin1Char(' ') + caption("lblSecs");
}

void MainWindowTest::click(const char *name)
{
    QWidget *w = control(name);
    ASSERT_NE(w, nullptr) << name;
    click(w, w->rect().center());
}

void MainWindowTest::click(QWidget *w, QPoint at)
{
    QWidget *target = w->childAt(at);
    if (!target)
        target = w;
    const QPoint local = target->mapFrom(w, at);
    QTest::mouseClick(target, Qt::LeftButton, {}, local);
}

void MainWindowTest::tick(int times)
{
    for (int i = 0; i < times; ++i)
        m_window->timer()->Tick();
}

bool MainWindowTest::expectModalBox(const std::function<void()> &action,
                                    const std::function<void(QMessageBox *)> &inspect)
{
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || seen)
            return;
        seen = true;
        inspect(box);
        box->done(QMessageBox::Ok);
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}
