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
    const char *expected; // "remembered", "default" or "documents"
};

class GameFolder : public ::testing::TestWithParam<FolderCase> {};

} // namespace

TEST_P(GameFolder, OpensWhereTheLastGameWasElseInTheGamesFolder)
{
    const FolderCase &c = GetParam();
    QTemporaryDir home;
    const QString documents = home.filePath("Documents");
    const QString remembered = home.filePath("saves");
    const QString games = documents + "/Jigsy";
    ASSERT_TRUE(QDir().mkpath(documents));
    if (c.rememberedExists) {
        ASSERT_TRUE(QDir().mkpath(remembered));
    }
    if (c.defaultExists) {
        ASSERT_TRUE(QDir().mkpath(games));
    }
    const QString expected = QString(c.expected) == "remembered" ? remembered
                             : QString(c.expected) == "default" ? games
                                                                : documents;
    EXPECT_EQ(GameDialogFolder(remembered, games, c.forSaving), expected);
    EXPECT_EQ(QFileInfo(games).isDir(), c.defaultExists || (c.forSaving && !c.rememberedExists));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GameFolder,
    ::testing::Values(FolderCase{"Remembered", true, false, true, "remembered"},
                      FolderCase{"RememberedGoneLoad", false, true, false, "default"},
                      FolderCase{"FirstSaveMakesTheFolder", false, false, true, "default"},
                      FolderCase{"FirstLoadOpensDocuments", false, false, false, "documents"}),
    [](const auto &info) { return std::string(info.param.name); });
