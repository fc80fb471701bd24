// Sharing as the program holds it, before and without its network module: what it answers
// without loading the module, and what a user sees when the module cannot be loaded.
#include "share_test_client.h"

#include "app/share/sharing_on_demand.h"

#include <QMessageBox>
#include <QTemporaryDir>
#include <QWidget>

using namespace dorvane;
using namespace dorvane::test;

namespace {

class SharingOnDemandTest : public SharedClock
{
protected:
    std::unique_ptr<SharingOnDemand> sharing(bool leftOn)
    {
        NetworkSettings settings;
        settings.sharing = leftOn;
        settings.listen = NetworkSettings::Listen::ThisComputer;
        return std::make_unique<SharingOnDemand>(
            SharingModuleInput{commands, settings,
                               [this](const NetworkSettings &kept) {
                                   saved.push_back(kept);
                                   return true;
                               },
                               dir.filePath(QStringLiteral("sharing.keys"))},
            dir.filePath(QStringLiteral("no-such-module.so")));
    }

    QTemporaryDir dir;
    std::vector<NetworkSettings> saved;
};

TEST_F(SharingOnDemandTest, NotSharedItAnswersWithoutItsModule)
{
    const auto unshared = sharing(false);
    QString error;
    EXPECT_TRUE(unshared->resume(error)) << error.toStdString();
    QStringList lines;
    EXPECT_TRUE(unshared->runSwitch(QStringLiteral("off"), lines, error)) << error.toStdString();
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_FALSE(unshared->runSwitch(QStringLiteral("links"), lines, error));
    EXPECT_EQ(error, QStringLiteral("The clock is not shared; --share on shares it."));
    EXPECT_FALSE(unshared->runSwitch(QStringLiteral("sideways"), lines, error));
    EXPECT_EQ(error, QStringLiteral("'sideways' is not on, off or links."));
    EXPECT_FALSE(unshared->isLoaded());
    EXPECT_TRUE(saved.empty()) << "nothing changed, nothing written";
}

TEST_F(SharingOnDemandTest, WithoutItsModuleItSaysWhyAndOffIsKept)
{
    const auto broken = sharing(true);
    const QString why = QStringLiteral("The network part of the program cannot be loaded: ");
    QString error;
    EXPECT_FALSE(broken->resume(error));
    EXPECT_TRUE(error.startsWith(why + dir.filePath(QStringLiteral("no-such-module.so")))) << error.toStdString();
    QStringList lines;
    error.clear();
    EXPECT_FALSE(broken->runSwitch(QStringLiteral("on"), lines, error));
    EXPECT_TRUE(error.startsWith(why)) << error.toStdString();
    EXPECT_TRUE(lines.isEmpty());

    // Left on in the file by a start that could not share: off is what the user asks now.
    EXPECT_TRUE(broken->runSwitch(QStringLiteral("off"), lines, error));
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_FALSE(saved[0].sharing);
    EXPECT_EQ(saved[0].listen, NetworkSettings::Listen::ThisComputer) << "the other choices are kept";
    EXPECT_TRUE(broken->resume(error)) << "off now: nothing to load";
}

TEST_F(SharingOnDemandTest, TheMenuEntryWithoutItsModuleShowsWhyOverTheWindow)
{
    QWidget window;
    window.show();
    sharing(false)->openDialog(&window);
    auto *box = window.findChild<QMessageBox *>(QStringLiteral("shareUnavailable"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Share on the network"));
    EXPECT_TRUE(box->text().startsWith(QStringLiteral("The network part of the program cannot be loaded: ")))
        << box->text().toStdString();
}

} // namespace
