// When music and sounds play, on a fake player.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FakeSound.h"
#include "ScriptedRandom.h"
#include "base/ProgramFiles.h"
#include "sound/SoundRules.h"

namespace {

void Touch(const QString &path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

class SoundRulesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString snd;
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SetProgramDir(dir.path());
        snd = dir.filePath("SND");
        QDir().mkpath(snd);
    }
    void TearDown() override { SetProgramDir(QString()); }
    QString Track(const QString &name)
    {
        const QString p = snd + "/" + name;
        Touch(p);
        return p;
    }
};

} // namespace

TEST_F(SoundRulesTest, MusicListHoldsMp3FilesOnlyAsFullPaths)
{
    const QString a = Track("a.mp3");
    const QString b = Track("B.MP3");
    Track("c.wav");
    Track("d.mp3.txt");
    QDir().mkpath(snd + "/folder.mp3");
    QStringList list = ListProgramMusic();
    std::sort(list.begin(), list.end());
    EXPECT_EQ(list, QStringList({b, a}));
}

TEST_F(SoundRulesTest, NoSndFolderGivesAnEmptyListAndSilence)
{
    QDir(snd).removeRecursively();
    EXPECT_TRUE(ListProgramMusic().isEmpty());
    // The program's folder matched without regard to case.
    QDir().mkpath(dir.filePath("snd"));
    const QString t = dir.filePath("snd/x.mp3");
    Touch(t);
    EXPECT_EQ(ListProgramMusic(), QStringList({t}));

    TFakePlayer player;
    TScriptedRandom rnd;
    EXPECT_TRUE(ChangeTrack({}, true, &player, rnd).isNull());
    EXPECT_EQ(player.opens, 0);
}

TEST_F(SoundRulesTest, PlayFileIgnoresMissingFilesAndForgetsOnesThatFail)
{
    TFakePlayer player;
    const QString a = Track("a.mp3");
    PlayFile(a, &player);
    EXPECT_EQ(player.FileName, a);
    EXPECT_TRUE(player.playing);

    // A file that is gone: the player goes on with what it had.
    PlayFile(snd + "/gone.mp3", &player);
    EXPECT_EQ(player.FileName, a);
    EXPECT_TRUE(player.playing);

    // A file that cannot be decoded: the name is emptied and nothing plays.
    player.openFails = true;
    PlayFile(Track("bad.mp3"), &player);
    EXPECT_TRUE(player.FileName.isEmpty());
    EXPECT_FALSE(player.playing);

    player.openFails = false;
    player.playFails = true;
    PlayFile(a, &player);
    EXPECT_TRUE(player.FileName.isEmpty());
}

TEST_F(SoundRulesTest, OneTrackRestartsFromItsBeginningOnEveryChange)
{
    TFakePlayer player;
    TScriptedRandom rnd;
    const QStringList music = {Track("only.mp3")};
    EXPECT_EQ(ChangeTrack(music, true, &player, rnd), "only.mp3");
    player.Advance(400);
    EXPECT_EQ(player.pos, 400);
    // The change button, and a new game, which takes the same steps.
    EXPECT_EQ(ChangeTrack(music, true, &player, rnd), "only.mp3");
    EXPECT_EQ(player.pos, 0);
    EXPECT_TRUE(player.playing);
    player.Advance(700);
    ChangeTrack(music, true, &player, rnd);
    EXPECT_EQ(player.pos, 0);
    EXPECT_EQ(player.started, QStringList({music[0], music[0], music[0]}));
}

TEST_F(SoundRulesTest, TheDrawPicksAnyTrackAndHappensEvenWithMusicOff)
{
    TFakePlayer player;
    TScriptedRandom rnd({2, 1});
    const QStringList music = {Track("a.mp3"), Track("b.mp3"), Track("c.mp3")};

    // Music off: a draw is made, yet nothing visible changes.
    EXPECT_TRUE(ChangeTrack(music, false, &player, rnd).isNull());
    EXPECT_EQ(rnd.Ranges, std::vector<int>({3}));
    EXPECT_EQ(player.opens, 0);
    EXPECT_TRUE(player.FileName.isEmpty());

    // The next draw is the second value.
    EXPECT_EQ(ChangeTrack(music, true, &player, rnd), "b.mp3");
    EXPECT_EQ(player.FileName, music[1]);
}

TEST_F(SoundRulesTest, TheHintNamesAMissingTrackAllTheSame)
{
    TFakePlayer player;
    TScriptedRandom rnd({1});
    const QString a = Track("a.mp3");
    PlayFile(a, &player);
    const QStringList music = {a, snd + "/deleted.mp3"};
    EXPECT_EQ(ChangeTrack(music, true, &player, rnd), "deleted.mp3");
    EXPECT_EQ(player.FileName, a); // the old track plays on
    EXPECT_TRUE(player.playing);
}

TEST_F(SoundRulesTest, SwitchingOffStopsAtOnceAndOnAgainNeverResumes)
{
    TFakePlayer player;
    TScriptedRandom rnd;
    const QStringList music = {Track("a.mp3")};
    ChangeTrack(music, true, &player, rnd);
    player.Advance(500);

    StopMusic(&player);
    EXPECT_FALSE(player.playing);
    EXPECT_TRUE(player.FileName.isEmpty());
    EXPECT_TRUE(player.opened.isEmpty());
    // The timer leaves a player without a file alone.
    RepeatAtEnd(false, music, &player);
    RepeatAtEnd(true, music, &player);
    EXPECT_FALSE(player.playing);

    ChangeTrack(music, true, &player, rnd);
    EXPECT_TRUE(player.playing);
    EXPECT_EQ(player.pos, 0);
    EXPECT_EQ(player.started.size(), 2);
}

TEST_F(SoundRulesTest, ATrackRepeatsAtItsEndOnlyWhileMusicIsOn)
{
    TFakePlayer player;
    TScriptedRandom rnd;
    const QStringList music = {Track("a.mp3")};
    ChangeTrack(music, true, &player, rnd);
    player.Advance(999);
    RepeatAtEnd(true, music, &player);
    EXPECT_EQ(player.started.size(), 1); // not at the end yet
    player.Advance(1);
    EXPECT_FALSE(player.playing);
    RepeatAtEnd(false, music, &player);
    EXPECT_FALSE(player.playing); // music off: left alone
    RepeatAtEnd(true, music, &player);
    EXPECT_TRUE(player.playing);
    EXPECT_EQ(player.pos, 0);
    EXPECT_EQ(player.started.size(), 2);
}

TEST_F(SoundRulesTest, TheStartUpSoundPlaysOnce)
{
    TFakePlayer player;
    Touch(StartupSoundFile());
    PlayFile(StartupSoundFile(), &player);
    player.Advance(player.length);
    RepeatAtEnd(true, {Track("a.mp3")}, &player);
    EXPECT_FALSE(player.playing);
    EXPECT_EQ(player.started.size(), 1);
}

TEST_F(SoundRulesTest, TheFinishedPictureKeepsMusicSilent)
{
    TFakePlayer player;
    TScriptedRandom rnd;
    const QStringList music = {Track("a.mp3")};
    ChangeTrack(music, true, &player, rnd);
    player.Advance(300);
    StopForFinish(&player);
    EXPECT_FALSE(player.playing);
    EXPECT_EQ(player.FileName, music[0]); // stopped, not forgotten
    for (int tick = 0; tick < 5; ++tick) {
        RepeatAtEnd(true, music, &player);
        player.Advance(1000);
    }
    EXPECT_FALSE(player.playing);
    EXPECT_EQ(player.started.size(), 1);
    // A new game brings it back.
    ChangeTrack(music, true, &player, rnd);
    EXPECT_TRUE(player.playing);

    // A player holding nothing is not touched.
    TFakePlayer idle;
    StopForFinish(&idle);
    EXPECT_EQ(idle.stops, 0);
}

TEST_F(SoundRulesTest, MilestonePlaysItsFileOrFallsBackToTheJoinClick)
{
    TFakePlayer player2;
    TFakeWaveList wl;
    const QString ok5 = Track("Ok5.wav");
    const QString ok16 = Track("ok16.WAV"); // found without regard to case

    TScriptedRandom rnd({4, 15, 0});
    PlayMilestone(&player2, &wl, rnd);
    EXPECT_EQ(rnd.Ranges, std::vector<int>({16}));
    EXPECT_EQ(player2.started, QStringList({ok5}));
    EXPECT_TRUE(wl.played.empty());

    PlayMilestone(&player2, &wl, rnd);
    EXPECT_EQ(player2.started.last(), ok16);

    // Ok1.wav is missing: the join click instead, the player untouched.
    PlayMilestone(&player2, &wl, rnd);
    EXPECT_EQ(wl.played, std::vector<int>({TWaveList::JoinClick}));
    EXPECT_EQ(player2.opens, 2);
}

TEST_F(SoundRulesTest, MilestoneThatFailsToOpenFallsBackAndKeepsItsName)
{
    TFakePlayer player2;
    TFakeWaveList wl;
    const QString ok3 = Track("Ok3.wav");
    TScriptedRandom rnd({2, 2});
    player2.openFails = true;
    PlayMilestone(&player2, &wl, rnd);
    EXPECT_EQ(wl.played, std::vector<int>({0}));
    EXPECT_EQ(player2.FileName, ok3);

    player2.openFails = false;
    player2.playFails = true;
    PlayMilestone(&player2, &wl, rnd);
    EXPECT_EQ(wl.played, std::vector<int>({0, 0}));
}

TEST_F(SoundRulesTest, StartupSoundIsFoundInTheSndFolder)
{
    const QString usr = Track("usrscr.wav");
    EXPECT_EQ(StartupSoundFile(), usr);
}
