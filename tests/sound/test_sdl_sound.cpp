// Real playback through SDL_mixer on the dummy audio driver (no sound card).
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <SDL_mixer.h>

#include <cmath>

#include "sound/SdlSound.h"
#include "sound/SoundRules.h"

namespace {

// A 16-bit PCM wave of a soft tone.
void WriteWave(const QString &path, int rate, int channels, double seconds)
{
    const int frames = int(rate * seconds);
    QByteArray pcm;
    pcm.reserve(frames * channels * 2);
    for (int i = 0; i < frames; ++i) {
        const qint16 v = qint16(3000 * std::sin(2 * M_PI * 440.0 * i / rate));
        for (int c = 0; c < channels; ++c) {
            pcm.append(char(v & 0xFF));
            pcm.append(char((v >> 8) & 0xFF));
        }
    }
    auto le32 = [](QByteArray &b, quint32 v) { for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xFF)); };
    auto le16 = [](QByteArray &b, quint16 v) { b.append(char(v & 0xFF)); b.append(char(v >> 8)); };
    QByteArray h("RIFF");
    le32(h, 36 + pcm.size());
    h += "WAVEfmt ";
    le32(h, 16);
    le16(h, 1);
    le16(h, quint16(channels));
    le32(h, quint32(rate));
    le32(h, quint32(rate * channels * 2));
    le16(h, quint16(channels * 2));
    le16(h, 16);
    h += "data";
    le32(h, quint32(pcm.size()));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(h + pcm);
}

bool WaitForEnd(IMediaPlayer &p, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        if (p.Position() == p.Length())
            return true;
        QThread::msleep(20);
    }
    return false;
}

class SdlSoundTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        if (!SdlAudioReady())
            GTEST_SKIP() << "no audio device, not even the dummy one";
    }
};

} // namespace

TEST_F(SdlSoundTest, MusicPlaysToItsEndAndRewindsWhenPlayedAgain)
{
    const QString wav = dir.filePath("tone.wav");
    WriteWave(wav, 22050, 1, 0.3);
    TSdlMusicPlayer player;
    PlayFile(wav, &player);
    ASSERT_EQ(player.FileName, wav);
    EXPECT_NEAR(double(player.Length()), 300.0, 30.0);
    EXPECT_NE(player.Position(), player.Length()); // just started
    ASSERT_TRUE(WaitForEnd(player, 5000));

    // The timer's repeat: automatic rewind starts it from the beginning.
    RepeatAtEnd(true, {wav}, &player);
    EXPECT_LT(player.Position(), player.Length());
    ASSERT_TRUE(WaitForEnd(player, 5000));

    // Stopped short of its end it is not restarted.
    player.Play();
    StopForFinish(&player);
    EXPECT_LT(player.Position(), player.Length());
    RepeatAtEnd(true, {wav}, &player);
    QThread::msleep(500);
    EXPECT_LT(player.Position(), player.Length());

    StopMusic(&player);
    EXPECT_TRUE(player.FileName.isEmpty());
    EXPECT_NE(player.Position(), player.Length());
}

TEST_F(SdlSoundTest, AFileThatCannotBeDecodedLeavesThePlayerEmpty)
{
    const QString bad = dir.filePath("broken.mp3");
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4000, 'z'));
    f.close();
    TSdlMusicPlayer player;
    PlayFile(bad, &player);
    EXPECT_TRUE(player.FileName.isEmpty());
    TSdlChunkPlayer player2;
    player2.FileName = bad;
    EXPECT_FALSE(player2.Open());
}

TEST_F(SdlSoundTest, ShortSoundsPlayOnTheirOwnChannelBesideTheMusic)
{
    const QString music = dir.filePath("music.wav");
    const QString chime = dir.filePath("chime.wav");
    WriteWave(music, 22050, 2, 2.0);
    WriteWave(chime, 11025, 1, 0.25);
    TSdlMusicPlayer player;
    TSdlChunkPlayer player2;
    PlayFile(music, &player);
    PlayFile(chime, &player2);
    ASSERT_EQ(player2.FileName, chime);
    EXPECT_NEAR(double(player2.Length()), 250.0, 20.0);
    ASSERT_TRUE(WaitForEnd(player2, 5000));
    EXPECT_LT(player.Position(), player.Length()); // the music goes on
    EXPECT_TRUE(player2.Play());                   // rewound
    EXPECT_LT(player2.Position(), player2.Length());
    player2.Seek(0);
    EXPECT_EQ(player2.Position(), 0);
}

TEST_F(SdlSoundTest, WaveItemsOverlapWithoutLimit)
{
    const QString click = dir.filePath("click.wav");
    WriteWave(click, 11025, 2, 3.0); // long enough to still sound when the last copy starts
    TSdlWaveList wl({click, dir.filePath("missing.wav")});
    ASSERT_TRUE(wl.Loaded(0));
    EXPECT_FALSE(wl.Loaded(1));
    EXPECT_FALSE(wl.Loaded(2));
    const int before = Mix_AllocateChannels(-1);
    for (int i = 0; i < before + 5; ++i)
        wl.Play(0);
    EXPECT_GT(Mix_AllocateChannels(-1), before);
    EXPECT_GT(Mix_Playing(-1), before);
    wl.Play(1); // missing: silent
    wl.Play(7); // no such item: silent
    Mix_HaltChannel(-1);
}
