// Settings.ini: start-up reading and the switches' writes.
#include <gtest/gtest.h>

#include "FileBytes.h"
#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TempXdg.h"
#include "base/FileWrite.h"
#include "base/ProfileFile.h"
#include "base/ProgramFiles.h"
#include "persist/Settings.h"

namespace {

class SettingsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path;
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("Settings.ini");
    }
};

} // namespace

TEST_F(SettingsTest, NoFileGivesTheDefaults)
{
    for (bool roundDefault : {false, true}) {
        const TStartSettings s = TSettingsFile(path).Read(roundDefault);
        EXPECT_TRUE(s.ShadowOn);
        EXPECT_TRUE(s.PlayMusic);
        EXPECT_TRUE(s.Eff3DOn);
        EXPECT_EQ(s.BgIndex, 0);
        EXPECT_FALSE(s.BgDrawStretch);
        EXPECT_FALSE(s.BgFromFile);
        EXPECT_TRUE(s.BgFileName.isEmpty());
        EXPECT_EQ(s.RoundPlace, roundDefault); // the switch's own state
    }
    EXPECT_FALSE(QFile::exists(path)); // reading creates nothing
}

TEST_F(SettingsTest, EveryKeyIsReadAndNamesIgnoreCase)
{
    WriteAll(path, "[set]\npmshadow=0\nPLAYMUSIC=0\nEff3D=0\nbgind=0x0A\nBgDrawStretch=1\n"
                   "BgFromFile=1\nBgFileName=/pics/\xd1\x84\xd0\xbe\xd0\xbd.jpg\nRoundPlace=1\n");
    const TStartSettings s = TSettingsFile(path).Read(false);
    EXPECT_FALSE(s.ShadowOn);
    EXPECT_FALSE(s.PlayMusic);
    EXPECT_FALSE(s.Eff3DOn);
    EXPECT_EQ(s.BgIndex, 10);
    EXPECT_TRUE(s.BgDrawStretch);
    EXPECT_TRUE(s.BgFromFile);
    EXPECT_EQ(s.BgFileName, QString::fromUtf8("/pics/фон.jpg"));
    EXPECT_TRUE(s.RoundPlace);
}

TEST_F(SettingsTest, BackgroundNumberIsKeptInOneByte)
{
    const std::pair<const char *, int> cases[] = {{"256", 0}, {"300", 44}, {"255", 255}, {"-1", 255}, {"junk", 0}};
    for (const auto &c : cases) {
        WriteAll(path, QByteArray("[Set]\nbgind=") + c.first + "\n");
        EXPECT_EQ(TSettingsFile(path).Read(false).BgIndex, c.second) << c.first;
    }
}

TEST_F(SettingsTest, NonNumbersReadAsTheDefaults)
{
    WriteAll(path, "[Set]\nPMShadow=off\nPlayMusic=\nEff3D=no\nRoundPlace=yes\n");
    const TStartSettings s = TSettingsFile(path).Read(true);
    EXPECT_TRUE(s.ShadowOn);
    EXPECT_TRUE(s.PlayMusic);
    EXPECT_TRUE(s.Eff3DOn);
    EXPECT_TRUE(s.RoundPlace);
}

TEST_F(SettingsTest, TogglingCreatesTheFileWithOneKeyAndTwiceWritesTwice)
{
    bool shadow = true;
    int work = 0;
    TSettingsFile file(path);
    EXPECT_TRUE(ApplySwitch(false, &shadow, [&] { ++work; }, file, TSwitch::Shadow).isEmpty());
    EXPECT_FALSE(shadow);
    EXPECT_EQ(ReadAll(path), QByteArray("[Set]\nPMShadow=0\n"));
    EXPECT_TRUE(ApplySwitch(true, &shadow, [&] { ++work; }, file, TSwitch::Shadow).isEmpty());
    EXPECT_TRUE(shadow);
    EXPECT_EQ(work, 2);
    EXPECT_EQ(ReadAll(path), QByteArray("[Set]\nPMShadow=1\n"));

    // Other keys keep their places; a second switch is appended.
    ApplySwitch(true, nullptr, nullptr, file, TSwitch::RoundPlace);
    EXPECT_EQ(ReadAll(path), QByteArray("[Set]\nPMShadow=1\nRoundPlace=1\n"));
    EXPECT_TRUE(file.Read(false).RoundPlace);
}

TEST_F(SettingsTest, AnUnwritableFileReportsAfterTheSwitchWorkAndKeepsTheNewState)
{
    const QString blocker = dir.filePath("plain");
    WriteAll(blocker, "x");
    const TSettingsFile file(blocker + "/Settings.ini");
    bool music = true;
    bool workSawNewState = false;
    const QString error = ApplySwitch(false, &music, [&] { workSawNewState = !music; }, file, TSwitch::PlayMusic);
    EXPECT_EQ(error, WriteFailureText(blocker + "/Settings.ini", ENOTDIR));
    EXPECT_TRUE(workSawNewState);
    EXPECT_FALSE(music);
}

TEST_F(SettingsTest, BackgroundKeysWriteBackAndTheProgramFileIsBesideTheProgram)
{
    SetProgramDir(dir.path());
    EXPECT_EQ(TSettingsFile().Path(), path);
    WriteAll(dir.filePath("SETTINGS.INI"), "[Set]\nBgDrawStretch=1\n");
    EXPECT_EQ(TSettingsFile().Path(), dir.filePath("SETTINGS.INI"));
    const TSettingsFile file;
    const TStartSettings s = file.Read(false);
    ASSERT_TRUE(file.WriteBackground(3, true, s.BgDrawStretch, "/x/y.jpg"));
    EXPECT_EQ(ReadAll(dir.filePath("SETTINGS.INI")),
              QByteArray("[Set]\nBgDrawStretch=1\nbgind=3\nBgFromFile=1\nBgFileName=/x/y.jpg\n"));
    ASSERT_TRUE(file.WriteLastPath("/фото"));
    EXPECT_EQ(file.ReadLastPath(), "/фото");
    SetProgramDir(QString());
}

TEST_F(SettingsTest, TheLastGameFolderIsOneMoreKeyOfSet)
{
    WriteAll(path, "[Set]\nPMShadow=0\n; the player's note\n[Other]\nx=1\n");
    const TSettingsFile file(path);
    EXPECT_TRUE(file.ReadLastGameFolder().isEmpty());
    ASSERT_TRUE(file.WriteLastGameFolder(QString::fromUtf8("/home/игрок/Игры")));
    EXPECT_EQ(file.ReadLastGameFolder(), QString::fromUtf8("/home/игрок/Игры"));
    EXPECT_TRUE(ReadAll(path).startsWith("[Set]\nPMShadow=0\n; the player's note\nLastGamePath="));
    EXPECT_TRUE(ReadAll(path).endsWith("\n[Other]\nx=1\n"));
}

TEST_F(SettingsTest, AReadOnlyProgramFolderIsNeverWrittenAndAnUnusableConfigFolderKeepsNothing)
{
    TTempXdg xdg;
    SetProgramDir(dir.path());
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const TSettingsFile file;
    EXPECT_TRUE(file.Kept());
    ASSERT_TRUE(file.WriteSwitch(TSwitch::Shadow, false));
    EXPECT_EQ(ReadAll(xdg.Config() + "/jigsy/Settings.ini"), QByteArray("[Set]\nPMShadow=0\n"));

    // A file where the folder should be, or a folder nobody may write.
    QTemporaryDir other;
    const QString plain = other.filePath("plain"), locked = other.filePath("locked");
    WriteAll(plain, "x");
    ASSERT_TRUE(QDir().mkpath(locked));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    for (const QString &config : {plain, locked}) {
        TTempXdg::SetConfig(config);
        const TSettingsFile unkept;
        EXPECT_FALSE(unkept.Kept()) << qPrintable(config);
        EXPECT_TRUE(unkept.WriteSwitch(TSwitch::Shadow, true)); // named once at start-up, not at every switch
        EXPECT_TRUE(unkept.WriteLastGameFolder("/somewhere"));
    }
    EXPECT_EQ(ReadAll(plain), QByteArray("x"));
    EXPECT_TRUE(QDir(locked).isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    SetProgramDir(QString());
}

// The settings window's keys: each read back as written, a value outside
// its row's list read as the row's default.
TEST_F(SettingsTest, TheSettingsWindowsKeysAreReadBackAndCheckedAgainstTheirValues)
{
    const TSettingsFile file(path);
    EXPECT_FALSE(file.Read(false).MotionChosen); // the desktop's wish until the player's own
    ASSERT_TRUE(file.WriteSwitch(TSwitch::ClickToPick, true));
    ASSERT_TRUE(file.WriteLevel(TLevel::Motion, int(TMotion::Less)));
    ASSERT_TRUE(file.WriteLevel(TLevel::UiScale, LevelValues(TLevel::UiScale).back()));
    TStartSettings s = file.Read(false);
    EXPECT_TRUE(s.ClickToPick);
    EXPECT_EQ(s.Motion, TMotion::Less);
    EXPECT_TRUE(s.MotionChosen);
    EXPECT_EQ(s.UiScale, LevelValues(TLevel::UiScale).back());
    for (TLevel which : {TLevel::Motion, TLevel::UiScale}) {
        ASSERT_TRUE(file.WriteLevel(which, 7777));
        s = file.Read(false);
        EXPECT_EQ(which == TLevel::Motion ? int(s.Motion) : s.UiScale, LevelValues(which).front());
    }
}

// «Точность стыковки» and the ghost write back within their values; the
// defaults stand without them.
TEST_F(SettingsTest, TheJoinPrecisionAndTheGhostWriteBackWithinTheirValues)
{
    const TStartSettings defaults;
    const TSettingsFile file(path);
    EXPECT_EQ(file.Read(false).JoinPx, defaults.JoinPx);
    EXPECT_EQ(file.Read(false).GhostPercent, defaults.GhostPercent);
    struct TRow {
        int px, pxRead, ghost, ghostRead;
    };
    for (const TRow &r : {TRow{12, 12, 30, 30}, TRow{1, 3, 20, 15}, TRow{40, 15, 90, 50}}) {
        ASSERT_TRUE(file.WriteJoinPx(r.px));
        ASSERT_TRUE(file.WriteGhost(r.ghost));
        EXPECT_EQ(file.Read(false).JoinPx, r.pxRead) << r.px;
        EXPECT_EQ(file.Read(false).GhostPercent, r.ghostRead) << r.ghost;
    }
}
