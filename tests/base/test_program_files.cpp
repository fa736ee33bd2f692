// Where the game finds its files and keeps the player's: beside a portable
// program that may be written, else in the player's XDG folders.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FileBytes.h"
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

// Sets an environment variable for the life of the object.
class TEnvValue {
public:
    TEnvValue(const char *name, const QString &value) : m_name(name), m_old(qgetenv(name))
    {
        qputenv(name, value.toLocal8Bit());
    }
    ~TEnvValue() { m_old.isNull() ? qunsetenv(m_name) : qputenv(m_name, m_old); }
    TEnvValue(const TEnvValue &) = delete;
    TEnvValue &operator=(const TEnvValue &) = delete;

private:
    const char *m_name;
    QByteArray m_old;
};

// An installed game (its folder read-only) run by a player whose home and
// XDG folders are temporary.
class InstalledGame {
public:
    explicit InstalledGame(const QString &stateHome = QString())
        : m_home("HOME", Path("home")), m_state("XDG_STATE_HOME", stateHome.isNull() ? Path("state") : stateHome)
    {
        SetProgramDir(m_program.path());
        QFile::setPermissions(m_program.path(), ReadOnly); // no write bit: read-only even for root
    }
    ~InstalledGame()
    {
        QFile::setPermissions(m_program.path(), ReadWrite);
        SetProgramDir(QString());
    }
    QString Path(const QString &relative) const { return m_dir.filePath(relative); }
    TTempXdg xdg;

private:
    QTemporaryDir m_dir, m_program;
    TEnvValue m_home, m_state;
};

struct XdgHomeCase {
    const char *name;
    const char *variable;
    const char *value;    // the variable's value
    bool absolute;        // value is taken inside the temporary folder
    QString (*folder)();  // the player's folder under it
    const char *expected; // that folder, inside the temporary folder
};

class XdgHome : public ::testing::TestWithParam<XdgHomeCase> {};

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
    EXPECT_EQ(PlayerStateDir(), program.path());
    EXPECT_EQ(CacheDir(), program.filePath("cache"));

    ASSERT_TRUE(QFile::setPermissions(program.path(), ReadOnly)); // no write bit: read-only even for root
    EXPECT_EQ(UserStateDir(), xdg.Config() + "/jigsy");
    EXPECT_TRUE(UserStateWritable()); // made on first need
    EXPECT_EQ(CacheDir(), xdg.Cache() + "/jigsy/cache");
    EXPECT_TRUE(QDir(program.path()).isEmpty());
    QFile::setPermissions(program.path(), ReadWrite);
    SetProgramDir(QString());
}

// An installed game keeps the player's files under the XDG folders when
// they are absolute paths, else under the home folder's defaults.
TEST_P(XdgHome, AnEmptyOrRelativeXdgFolderIsIgnored)
{
    const XdgHomeCase &c = GetParam();
    QTemporaryDir base;
    const InstalledGame game;
    const TEnvValue value(c.variable, c.absolute ? base.filePath(c.value) : QString(c.value));
    EXPECT_EQ(c.folder(), c.absolute ? base.filePath(c.expected) : game.Path(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Values, XdgHome,
    ::testing::Values(XdgHomeCase{"State", "XDG_STATE_HOME", "state", true, PlayerStateDir, "state/jigsy"},
                      XdgHomeCase{"StateRelative", "XDG_STATE_HOME", "state", false, PlayerStateDir,
                                  "home/.local/state/jigsy"},
                      XdgHomeCase{"StateEmpty", "XDG_STATE_HOME", "", false, PlayerStateDir, "home/.local/state/jigsy"},
                      XdgHomeCase{"ConfigRelative", "XDG_CONFIG_HOME", "config", false, UserStateDir,
                                  "home/.config/jigsy"},
                      XdgHomeCase{"CacheRelative", "XDG_CACHE_HOME", "cache", false, CacheDir,
                                  "home/.cache/jigsy/cache"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PlayerState, IsMadeOnFirstNeedAndTheSettingsStayWhereTheyWere)
{
    const InstalledGame game;
    EXPECT_EQ(PlayerStateDir(), game.Path("state/jigsy"));
    EXPECT_TRUE(FolderWritable(PlayerStateDir()));
    EXPECT_EQ(UserStateDir(), game.xdg.Config() + "/jigsy");
}

TEST(PlayerState, OldFilesMoveBesideTheSettingsButNeverOverANewOne)
{
    const InstalledGame game;
    const QString from = game.xdg.Config() + "/jigsy";
    const QString to = game.Path("state/jigsy");
    ASSERT_TRUE(QDir().mkpath(from) && QDir().mkpath(to));
    WriteAll(from + "/Resume.JGY", "old game");
    WriteAll(from + "/records.ini", "old records");
    WriteAll(to + "/Records.ini", "new records");

    MovePlayerStateFiles();
    EXPECT_EQ(ReadAll(PlayerStateFile("resume.jgy")), "old game");
    EXPECT_FALSE(QFile::exists(from + "/Resume.JGY")); // moved, not copied
    EXPECT_EQ(ReadAll(to + "/Records.ini"), "new records");
    EXPECT_EQ(ReadAll(from + "/records.ini"), "old records"); // not moved: kept
}
