#include "settings/profile_file.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using dorvane::ProfileFile;
using namespace dorvane::test;
namespace fs = std::filesystem;

namespace {

std::size_t entryCount(const fs::path &directory)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(directory), fs::directory_iterator()));
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
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
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

} // namespace
