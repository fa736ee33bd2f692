// Where the game finds its files and keeps the player's: beside a portable
// program that may be written, else in the player's XDG folders.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TempXdg.h"
#include "base/ProgramFiles.h"

namespace {

const QFile::Permissions ReadOnly = QFile::ReadOwner | QFile::ExeOwner;
const QFile::Permissions ReadWrite = ReadOnly | QFile::WriteOwner;

struct LayoutCase {
    const char *name;
    const char *shapes; // the piece shapes' folder in the tree, or ""
    const char *assets; // the program folder expected for usr/bin
    bool found, installed;
};

class ProgramLayout : public ::testing::TestWithParam<LayoutCase> {};

} // namespace

TEST_P(ProgramLayout, AssetsAreFoundBesideTheProgramElseInItsSharedFolder)
{
    const LayoutCase &c = GetParam();
    QTemporaryDir tree;
    ASSERT_TRUE(QDir().mkpath(tree.filePath("usr/bin")));
    ASSERT_TRUE(!*c.shapes || QDir().mkpath(tree.filePath(c.shapes)));
    const TProgramFolders f = LocateProgramFolders(tree.filePath("usr/bin"));
    EXPECT_EQ(f.Assets, tree.filePath(c.assets));
    EXPECT_EQ(f.Found, c.found);
    EXPECT_EQ(f.Installed, c.installed);
}

INSTANTIATE_TEST_SUITE_P(Layouts, ProgramLayout,
                         ::testing::Values(LayoutCase{"BuildFolder", "usr/bin/Image", "usr/bin", true, false},
                                           LayoutCase{"Installed", "usr/share/jigsy/image", "usr/share/jigsy", true, true},
                                           LayoutCase{"Broken", "", "usr/bin", false, false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(PlayerFiles, StayBesideAWritableProgramElseGoToTheXdgFolders)
{
    TTempXdg xdg;
    QTemporaryDir program;
    SetProgramDir(program.path());
    EXPECT_EQ(UserStateDir(), program.path());
    EXPECT_EQ(UserStateFile("settings.INI"), program.filePath("settings.INI"));
    EXPECT_EQ(CacheDir(), program.filePath("cache"));

    ASSERT_TRUE(QFile::setPermissions(program.path(), ReadOnly)); // no write bit: read-only even for root
    EXPECT_EQ(UserStateDir(), xdg.Config() + "/jigsy");
    EXPECT_TRUE(UserStateWritable()); // made on first need
    EXPECT_EQ(CacheDir(), xdg.Cache() + "/jigsy/cache");
    EXPECT_TRUE(QDir(program.path()).isEmpty());
    QFile::setPermissions(program.path(), ReadWrite);
    SetProgramDir(QString());
}
