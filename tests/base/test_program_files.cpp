// Where the game finds its files and keeps the player's: beside a portable
// program that may be written, else in the player's XDG folders.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "TempXdg.h"
#include "base/ProgramFiles.h"

namespace {

void MakeFolder(const QString &path) { ASSERT_TRUE(QDir().mkpath(path)) << qPrintable(path); }

QStringList Entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

struct LayoutCase {
    const char *name;
    const char *shapesIn; // folder holding the piece shapes, relative to the tree, or ""
    const char *binDir;
    const char *assets;   // expected program folder
    bool found, installed;
};

class ProgramLayout : public ::testing::TestWithParam<LayoutCase> {};

} // namespace

TEST_P(ProgramLayout, AssetsAreFoundBesideTheProgramElseInItsSharedFolder)
{
    const LayoutCase &c = GetParam();
    QTemporaryDir tree;
    MakeFolder(tree.filePath("usr/bin"));
    if (*c.shapesIn)
        MakeFolder(tree.filePath(c.shapesIn));
    const TProgramFolders f = LocateProgramFolders(tree.filePath(c.binDir));
    EXPECT_EQ(f.Assets, tree.filePath(c.assets));
    EXPECT_EQ(f.Found, c.found);
    EXPECT_EQ(f.Installed, c.installed);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ProgramLayout,
    ::testing::Values(LayoutCase{"BuildFolder", "usr/bin/Image", "usr/bin", "usr/bin", true, false},
                      LayoutCase{"Installed", "usr/share/jigsy/image", "usr/bin", "usr/share/jigsy", true, true},
                      LayoutCase{"Broken", "", "usr/bin", "usr/bin", false, false}),
    [](const auto &info) { return std::string(info.param.name); });

namespace {

class PlayerFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        MakeFolder(program.filePath("Image"));
        SetProgramDir(program.path());
    }
    void TearDown() override
    {
        QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        SetProgramDir(QString());
    }
    void MakeProgramReadOnly()
    {
        ASSERT_TRUE(QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                              QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    }

    TTempXdg xdg;
    QTemporaryDir program;
};

} // namespace

TEST_F(PlayerFiles, AWritablePortableFolderKeepsThemBesideTheProgram)
{
    EXPECT_EQ(UserStateDir(), program.path());
    EXPECT_EQ(UserStateFile("settings.INI"), program.filePath("settings.INI"));
    EXPECT_EQ(CacheDir(), program.filePath("cache"));
    EXPECT_TRUE(UserStateWritable());
    EXPECT_FALSE(QFile::exists(xdg.Config()));
}

TEST_F(PlayerFiles, AReadOnlyProgramFolderLeavesThemToTheXdgFoldersMadeOnFirstNeed)
{
    MakeProgramReadOnly();
    EXPECT_EQ(UserStateDir(), xdg.Config() + "/jigsy");
    EXPECT_TRUE(QFileInfo(xdg.Config() + "/jigsy").isDir());
    EXPECT_EQ(CacheDir(), xdg.Cache() + "/jigsy/cache");
    EXPECT_TRUE(UserStateWritable());
    EXPECT_EQ(Entries(program.path()), QStringList{"Image"});
}

TEST_F(PlayerFiles, AConfigFolderThatCannotBeWrittenIsNotUsable)
{
    MakeProgramReadOnly();
    QTemporaryDir elsewhere;
    const QString plainFile = elsewhere.filePath("not-a-folder");
    QFile f(plainFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const QString readOnlyFolder = elsewhere.filePath("locked");
    MakeFolder(readOnlyFolder);
    ASSERT_TRUE(QFile::setPermissions(readOnlyFolder, QFile::ReadOwner | QFile::ExeOwner));

    for (const QString &config : {plainFile, readOnlyFolder}) {
        SCOPED_TRACE(qPrintable(config));
        TTempXdg::SetConfig(config);
        EXPECT_FALSE(UserStateWritable());
        EXPECT_TRUE(Entries(readOnlyFolder).isEmpty()); // nothing made inside a read-only folder
    }
    QFile::setPermissions(readOnlyFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
