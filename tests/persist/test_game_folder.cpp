// The folder the save and load dialogs open on.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "persist/GameFolder.h"

namespace {

struct FolderCase {
    const char *name;
    bool rememberedExists, defaultExists, forSaving;
    const char *expected; // "saves" (remembered), "Documents/Jigsy" (default) or "Documents"
};

class GameFolder : public ::testing::TestWithParam<FolderCase> {};

} // namespace

TEST_P(GameFolder, OpensWhereTheLastGameWasElseInTheGamesFolder)
{
    const FolderCase &c = GetParam();
    QTemporaryDir home;
    ASSERT_TRUE(QDir().mkpath(home.filePath(c.defaultExists ? "Documents/Jigsy" : "Documents")));
    ASSERT_TRUE(!c.rememberedExists || QDir().mkpath(home.filePath("saves")));
    const QString games = home.filePath("Documents/Jigsy");
    EXPECT_EQ(GameDialogFolder(home.filePath("saves"), games, c.forSaving), home.filePath(c.expected));
    EXPECT_EQ(QFileInfo(games).isDir(), c.defaultExists || (c.forSaving && !c.rememberedExists));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GameFolder,
    ::testing::Values(FolderCase{"Remembered", true, false, true, "saves"},
                      FolderCase{"RememberedGoneLoad", false, true, false, "Documents/Jigsy"},
                      FolderCase{"FirstSaveMakesTheFolder", false, false, true, "Documents/Jigsy"},
                      FolderCase{"FirstLoadOpensDocuments", false, false, false, "Documents"}),
    [](const auto &info) { return std::string(info.param.name); });
