#include "settings/network_settings.h"
#include "settings/share_tokens.h"

#include "settings/settings_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace dorvane;
using namespace dorvane::test;

namespace {

mode_t modeOf(const std::string &path)
{
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(NetworkSettings, OffByDefaultAndWhatIsWrittenIsReadBack)
{
    TempDir dir;
    const std::string path = dir.file("Dorvane.Ini");
    writeFile(path, "[Network]\nPort=70000\nMaxConnections=0\nListen=Somewhere\nOscPort=0\n");
    SettingsFile file(path);
    // Nothing unusable turns sharing on or opens an odd port.
    EXPECT_EQ(loadNetworkSettings(file), NetworkSettings{});
    EXPECT_FALSE(NetworkSettings{}.sharing);

    NetworkSettings written;
    written.sharing = true;
    written.port = 8080;
    written.listen = NetworkSettings::Listen::ThisComputer;
    written.maxConnections = 12;
    written.osc = true;
    written.oscPort = 9000;
    written.oscAllowed = "192.168.1.20, 192.168.1.21";
    saveNetworkSettings(file, written);
    EXPECT_EQ(loadNetworkSettings(file), written);
}

TEST(ShareTokens, MadeOnceWithOnlyTheOwnerAllowedAndKeptAcrossReads)
{
    TempDir dir;
    const std::string path = dir.file("sharing.keys");
    const mode_t oldMask = ::umask(0); // the widest umask must not widen the file
    std::string error;
    const std::optional<ShareTokens> made = loadOrCreateShareTokens(path, error);
    ::umask(oldMask);
    ASSERT_TRUE(made) << error;
    EXPECT_EQ(modeOf(path), mode_t(0600));
    EXPECT_EQ(made->view.size(), 32u);
    EXPECT_EQ(made->control.size(), 32u);
    EXPECT_NE(made->view, made->control);

    const std::optional<ShareTokens> again = loadOrCreateShareTokens(path, error);
    ASSERT_TRUE(again);
    EXPECT_EQ(*again, *made);
}

TEST(ShareTokens, NewLinksReplaceBothKeysAndKeepTheFilePrivate)
{
    TempDir dir;
    const std::string path = dir.file("sharing.keys");
    std::string error;
    const std::optional<ShareTokens> first = loadOrCreateShareTokens(path, error);
    ASSERT_TRUE(first);
    const std::optional<ShareTokens> fresh = newShareTokens();
    ASSERT_TRUE(fresh);
    EXPECT_NE(fresh->view, first->view);
    EXPECT_NE(fresh->control, first->control);
    ASSERT_TRUE(writeShareTokens(path, *fresh));
    EXPECT_EQ(modeOf(path), mode_t(0600));
    std::string refusal;
    EXPECT_EQ(readShareTokens(path, refusal), fresh);
}

TEST(ShareTokens, AnUnusableFileIsNeitherBelievedNorWaitedOn)
{
    TempDir dir;
    const std::string path = dir.file("sharing.keys");
    std::string refusal;
    writeFile(path, "view=0123\ncontrol=zz\n");
    EXPECT_FALSE(readShareTokens(path, refusal));
    EXPECT_FALSE(refusal.empty());

    const std::string same(32, 'a');
    writeFile(path, "view=" + same + "\ncontrol=" + same + "\n");
    EXPECT_FALSE(readShareTokens(path, refusal)) << "one key for both would let every viewer control";

    const std::string fifo = dir.file("fifo.keys");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(readShareTokens(fifo, refusal));
    EXPECT_EQ(refusal, "it is a FIFO");

    // A file someone opened to others is closed again, its keys kept.
    writeFile(path, "view=" + std::string(32, 'a') + "\ncontrol=" + std::string(32, 'b') + "\n");
    ::chmod(path.c_str(), 0644);
    EXPECT_TRUE(readShareTokens(path, refusal));
    EXPECT_EQ(modeOf(path), mode_t(0600));
}

} // namespace
