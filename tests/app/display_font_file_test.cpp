#include "app/display_font.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(DisplayFontFile, BesideTheExecutableFirstThenTheInstalledDataFolder)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString bin = root.filePath(QStringLiteral("bin"));
    const QString beside = bin + QStringLiteral("/arialnb.ttf");
    const QString installed = root.filePath(QStringLiteral("share/dorvane/arialnb.ttf"));
    ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(root.filePath(QStringLiteral("share/dorvane"))));

    // Neither there: the place beside the executable, where the install attempt fails quietly.
    EXPECT_EQ(dorvane::DisplayFont::fileFor(bin), beside);
    ASSERT_TRUE(QFile(installed).open(QIODevice::WriteOnly));
    EXPECT_EQ(dorvane::DisplayFont::fileFor(bin), installed);
    ASSERT_TRUE(QFile(beside).open(QIODevice::WriteOnly));
    EXPECT_EQ(dorvane::DisplayFont::fileFor(bin), beside);
}

TEST(DisplayFontFile, AFifoInItsPlaceIsToldOnceAndNotWaitedFor)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString fifo = root.filePath(QStringLiteral("arialnb.ttf"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    testing::internal::CaptureStderr();
    EXPECT_EQ(dorvane::DisplayFont::qtPlatform().addFont(fifo), -1);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("display font " + fifo.toStdString() + " cannot be used (it is a FIFO)"), std::string::npos)
        << errors;
}
