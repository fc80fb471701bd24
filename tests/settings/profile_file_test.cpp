#include "settings/profile_file.h"

#include "temp_dir.h"
#include "unprivileged.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <utime.h>

using dorvane::ProfileFile;
using namespace dorvane::test;
namespace fs = std::filesystem;

namespace {

std::size_t entryCount(const fs::path &directory)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(directory), fs::directory_iterator()));
}

struct stat statOf(const std::string &path)
{
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info;
}

TEST(ProfileFile, MissingFileReadsAsEmptyAndIsCreatedByTheFirstWrite)
{
    TempDir dir;
    ProfileFile file(dir.file("Dorvane.Ini"));
    EXPECT_EQ(file.readString("Time", "Hours"), "");
    ASSERT_TRUE(file.writeString("Time", "Hours", "3"));
    ASSERT_TRUE(file.writeString("Voice", "Yes", "1"));
    EXPECT_EQ(readFile(file.path()), "[Time]\nHours=3\n\n[Voice]\nYes=1\n");
    EXPECT_EQ(file.readString("time", "HOURS"), "3");
    EXPECT_EQ(entryCount(dir.path()), 1u) << "no temporary file may be left behind";
}

TEST(ProfileFile, WriteKeepsTheRestOfTheFileAndItsPermissions)
{
    TempDir dir;
    const std::string path = dir.file("Dorvane.Ini");
    writeFile(path, "; mine\r\n[Time]\r\nHours=1\r\n\r\n[Extra]\r\nk=v\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);

    ASSERT_TRUE(ProfileFile(path).writeString("Time", "Hours", "12"));

    EXPECT_EQ(readFile(path), "; mine\r\n[Time]\r\nHours=12\r\n\r\n[Extra]\r\nk=v\r\n");
    EXPECT_EQ(statOf(path).st_mode & 07777, 0640u);
}

TEST(ProfileFile, AWritableFolderGetsTheFileReplacedWhole)
{
    TempDir dir;
    const std::string path = dir.file("Dorvane.Ini");
    writeFile(path, "[Time]\nHours=1\n");
    const ino_t before = statOf(path).st_ino;
    // A second link keeps the old inode alive, so that a new file cannot reuse its number.
    fs::create_hard_link(path, dir.file("old"));

    ASSERT_TRUE(ProfileFile(path).writeString("Time", "Hours", "2"));

    EXPECT_NE(statOf(path).st_ino, before);
    EXPECT_EQ(readFile(dir.file("old")), "[Time]\nHours=1\n");
}

TEST(ProfileFile, WritesThroughASymbolicLinkToItsTarget)
{
    TempDir dir;
    const std::string target = dir.file("real.ini");
    const std::string link = dir.file("Dorvane.Ini");
    writeFile(target, "[Time]\nHours=1\n");
    fs::create_symlink(target, link);

    ASSERT_TRUE(ProfileFile(link).writeString("Time", "Hours", "2"));

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(target), "[Time]\nHours=2\n");
}

// These failures hold for every user, root included, unlike a read-only folder.
TEST(ProfileFile, AWriteThatCannotBeMadeFailsAndChangesNothing)
{
    TempDir dir;
    writeFile(dir.file("plain-file"), "x");
    EXPECT_FALSE(ProfileFile(dir.file("missing/Dorvane.Ini")).writeString("Time", "Hours", "1"));
    EXPECT_FALSE(ProfileFile(dir.file("plain-file/Dorvane.Ini")).writeString("Time", "Hours", "1"));

    fs::create_directory(dir.file("Dorvane.Ini"));
    EXPECT_FALSE(ProfileFile(dir.file("Dorvane.Ini")).writeString("Time", "Hours", "1"));
    EXPECT_TRUE(fs::is_directory(dir.file("Dorvane.Ini")));

    // Something in the file's place that cannot be read is never replaced.
    ASSERT_EQ(::mkfifo(dir.file("fifo.ini").c_str(), 0600), 0);
    ProfileFile fifo(dir.file("fifo.ini"));
    EXPECT_EQ(fifo.readString("Time", "Hours"), "");
    EXPECT_FALSE(fifo.writeString("Time", "Hours", "1"));
    EXPECT_TRUE(fs::is_fifo(dir.file("fifo.ini")));

    EXPECT_EQ(readFile(dir.file("plain-file")), "x");
    EXPECT_EQ(entryCount(dir.path()), 3u) << "no temporary file may be left behind";
}

// Permissions, tried as a user without privileges in a folder that user can reach.
class ProfileFilePermissions : public testing::Test
{
protected:
    void SetUp() override
    {
        fs::permissions(m_dir.path(), fs::perms(0755));
        fs::create_directory(m_folder);
    }
    void TearDown() override { fs::permissions(m_folder, fs::perms(0755)); }

    // Writes Hours as each of `values` in turn as the unprivileged user; the number of
    // writes that succeeded.
    int unprivilegedWrites(std::vector<std::string> values)
    {
        const std::string path = m_path;
        const UnprivilegedRun run = runUnprivileged([&] {
            int written = 0;
            for (const std::string &value : values)
                written += ProfileFile(path).writeString("Time", "Hours", value) ? 1 : 0;
            return written;
        });
        if (!run.ran)
            m_skipped = true;
        return run.exitCode;
    }

    TempDir m_dir;
    const std::string m_folder = m_dir.file("folder");
    const std::string m_path = m_folder + "/Dorvane.Ini";
    bool m_skipped = false;
};

#define SKIP_IF_PRIVILEGES_STAY()                                                                              \
    if (m_skipped)                                                                                             \
    GTEST_SKIP() << "running as root without the right to become nobody: permissions cannot be tried here"

TEST_F(ProfileFilePermissions, AReadOnlyFileIsNeverReplacedThoughItsFolderIsWritable)
{
    const std::string before = "[Time]\nHours=1\n";
    writeFile(m_path, before);
    fs::permissions(m_path, fs::perms(0444));
    fs::permissions(m_folder, fs::perms(0777));

    const int written = unprivilegedWrites({"2"});
    SKIP_IF_PRIVILEGES_STAY();

    EXPECT_EQ(written, 0);
    EXPECT_EQ(readFile(m_path), before);
    EXPECT_EQ(statOf(m_path).st_mode & 07777, 0444u);
    EXPECT_EQ(entryCount(m_folder), 1u) << "no temporary file may be left behind";
}

// Write permission on the file is what counts, not owning it.
TEST_F(ProfileFilePermissions, AWritableFileInAFolderTheUserMayNotWriteIsRewrittenInPlace)
{
    writeFile(m_path, "[Time]\r\nHours=1\r\n[Other]\r\nk=v\r\n");
    fs::permissions(m_path, fs::perms(0666));
    fs::permissions(m_folder, fs::perms(0555));
    const struct stat before = statOf(m_path);

    // Longer, then shorter than the file was.
    const int written = unprivilegedWrites({"123456789", "2"});
    SKIP_IF_PRIVILEGES_STAY();

    EXPECT_EQ(written, 2);
    EXPECT_EQ(readFile(m_path), "[Time]\r\nHours=2\r\n[Other]\r\nk=v\r\n");
    const struct stat after = statOf(m_path);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_mode & 07777, 0666u);
    EXPECT_EQ(entryCount(m_folder), 1u);
}

TEST_F(ProfileFilePermissions, NoFileIsCreatedInAFolderTheUserMayNotWrite)
{
    fs::permissions(m_folder, fs::perms(0555));

    const int written = unprivilegedWrites({"2"});
    SKIP_IF_PRIVILEGES_STAY();

    EXPECT_EQ(written, 0);
    EXPECT_EQ(entryCount(m_folder), 0u);
}

pid_t processThatHasEnded()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

void makeOlderBy(const std::string &path, std::time_t seconds)
{
    const std::time_t then = std::time(nullptr) - seconds;
    const utimbuf times{then, then};
    ASSERT_EQ(::utime(path.c_str(), &times), 0);
}

TEST(ProfileFile, AWriteRemovesTheLeftoversOfKilledWritesOnly)
{
    TempDir dir;
    const std::string path = dir.file("Dorvane.Ini");
    const pid_t ended = processThatHasEnded();
    const auto temporaryOf = [](const std::string &file, pid_t writer, int attempt) {
        return file + ".~" + std::to_string(writer) + "-" + std::to_string(attempt);
    };
    const std::string leftover = temporaryOf(path, ended, 0);
    const std::string fresh = temporaryOf(path, ended, 1);
    const std::string running = temporaryOf(path, ::getppid(), 0);
    const std::string otherFile = temporaryOf(dir.file("Other.Ini"), ended, 0);
    const std::string notOurs = path + ".~backup";
    for (const std::string &name : {leftover, fresh, running, otherFile, notOurs}) {
        writeFile(name, "[Time]\nHours=5\n");
        if (name != fresh)
            makeOlderBy(name, 61);
    }

    ASSERT_TRUE(ProfileFile(path).writeString("Time", "Hours", "1"));

    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_TRUE(fs::exists(fresh)) << "younger than a minute";
    EXPECT_TRUE(fs::exists(running)) << "its process still runs";
    EXPECT_TRUE(fs::exists(otherFile));
    EXPECT_TRUE(fs::exists(notOurs));
}

} // namespace
