#include "app/settings_location.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using dorvane::SettingsLocation;

namespace {
// An executable folder and a user folder in a temporary tree. Permission cases need an ordinary
// user, since an administrator writes anywhere; the suite runs once more as one where it can.
class SettingsLocationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        ASSERT_TRUE(QDir().mkpath(exeDir()));
    }
    void TearDown() override { QFile::setPermissions(exeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }

    QString exeDir() const { return m_root.filePath(QStringLiteral("bin")); }
    QString exe() const { return exeDir() + QStringLiteral("/dorvane"); }
    QString beside() const { return exeDir() + QStringLiteral("/Dorvane.Ini"); }
    QString userDir() const { return m_root.filePath(QStringLiteral("config/dorvane")); }
    QString userFile() const { return userDir() + QStringLiteral("/Dorvane.Ini"); }
    SettingsLocation choose() const { return SettingsLocation::choose(exe(), userDir()); }

    static void touch(const QString &path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    static bool administrator() { return ::geteuid() == 0; }

    QTemporaryDir m_root;
};
} // namespace

TEST_F(SettingsLocationTest, APortableCopyKeepsItsFileBesideTheExecutable)
{
    // No file yet in a folder the user can write, then a writable file.
    for (const bool fileExists : {false, true}) {
        SCOPED_TRACE(fileExists ? "writable file" : "no file");
        if (fileExists)
            touch(beside());
        const SettingsLocation location = choose();
        EXPECT_EQ(location.readPath(), beside());
        EXPECT_EQ(location.writePath(), beside());
        location.prepareForWrite();
        EXPECT_FALSE(QFileInfo::exists(userDir()));
    }
}

TEST_F(SettingsLocationTest, AFolderThatIsGoneSendsTheFileToTheUsersFolderCreatedAtWriteTime)
{
    const SettingsLocation location = SettingsLocation::choose(m_root.filePath(QStringLiteral("gone/dorvane")), userDir());
    EXPECT_EQ(location.writePath(), userFile());
    EXPECT_FALSE(QFileInfo::exists(userDir()));
    location.prepareForWrite();
    EXPECT_TRUE(QFileInfo(userDir()).isDir());
}

TEST_F(SettingsLocationTest, WithoutAUserFolderTheFileStaysBesideTheExecutable)
{
    const QString exe = m_root.filePath(QStringLiteral("gone/dorvane"));
    const SettingsLocation location = SettingsLocation::choose(exe, QString());
    EXPECT_EQ(location.writePath(), m_root.filePath(QStringLiteral("gone/Dorvane.Ini")));
    EXPECT_EQ(location.readPath(), location.writePath());
}

TEST_F(SettingsLocationTest, AFolderTheUserCannotWriteStartsFromThePresetUntilTheUserHasAFile)
{
    if (administrator())
        GTEST_SKIP() << "an administrator writes to any folder";
    touch(beside());
    ASSERT_TRUE(QFile::setPermissions(exeDir(), QFile::ReadOwner | QFile::ExeOwner));
    ASSERT_TRUE(QFile::setPermissions(beside(), QFile::ReadOwner));

    SettingsLocation location = choose();
    EXPECT_EQ(location.readPath(), beside());
    EXPECT_EQ(location.writePath(), userFile());

    location.prepareForWrite();
    touch(userFile());
    location = choose();
    EXPECT_EQ(location.readPath(), userFile());
    EXPECT_EQ(location.writePath(), userFile());
}

TEST_F(SettingsLocationTest, AReadOnlyFileInAWritableFolderIsLeftAlone)
{
    if (administrator())
        GTEST_SKIP() << "an administrator writes to any file";
    touch(beside());
    ASSERT_TRUE(QFile::setPermissions(beside(), QFile::ReadOwner));
    const SettingsLocation location = choose();
    EXPECT_EQ(location.readPath(), beside());
    EXPECT_EQ(location.writePath(), userFile());
}

TEST_F(SettingsLocationTest, AWritableFileInAFolderTheUserCannotWriteIsStillUsedInPlace)
{
    if (administrator())
        GTEST_SKIP() << "an administrator writes to any folder";
    touch(beside());
    ASSERT_TRUE(QFile::setPermissions(exeDir(), QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_EQ(choose().writePath(), beside());
}
