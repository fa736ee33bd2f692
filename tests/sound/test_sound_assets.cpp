// The sounds the game ships: formats and lengths the players rely on.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSet>

#include "sound/SdlSound.h"
#include "sound/SoundRules.h"

namespace {

const QString kSnd = QStringLiteral(JIGSY_SOURCE_DIR "/assets/SND");

struct TWaveInfo {
    int channels = 0, rate = 0, bits = 0;
    qint64 frames = 0;
};

quint32 Le(const QByteArray &b, int at, int n)
{
    quint32 v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | quint8(b[at + i]);
    return v;
}

bool ReadWave(const QString &path, TWaveInfo *w)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray b = f.readAll();
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE")
        return false;
    int at = 12;
    int frameBytes = 0;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const quint32 len = Le(b, at + 4, 4);
        if (id == "fmt ") {
            if (Le(b, at + 8, 2) != 1)
                return false; // PCM only
            w->channels = int(Le(b, at + 10, 2));
            w->rate = int(Le(b, at + 12, 4));
            w->bits = int(Le(b, at + 22, 2));
            frameBytes = w->channels * w->bits / 8;
        } else if (id == "data" && frameBytes > 0) {
            w->frames = qint64(len) / frameBytes;
            return true;
        }
        at += 8 + int(len) + int(len & 1);
    }
    return false;
}

} // namespace

TEST(SoundAssets, StoredWavesHaveTheirFormatsAndLengths)
{
    struct Want { const char *name; int channels, rate; double seconds; qint64 bytes; };
    const Want wants[] = {{"wave0.wav", 2, 11025, 0.80, 35368},
                          {"wave1.wav", 2, 11025, 0.87, 38316},
                          {"wave2.wav", 1, 22050, 11.47, 505800}};
    for (const Want &w : wants) {
        TWaveInfo info;
        const QString path = kSnd + "/" + w.name;
        ASSERT_TRUE(ReadWave(path, &info)) << w.name;
        EXPECT_EQ(info.bits, 16) << w.name;
        EXPECT_EQ(info.channels, w.channels) << w.name;
        EXPECT_EQ(info.rate, w.rate) << w.name;
        EXPECT_NEAR(double(info.frames) / info.rate, w.seconds, 0.005) << w.name;
        EXPECT_EQ(QFileInfo(path).size(), w.bytes) << w.name;
    }
}

TEST(SoundAssets, StartupSoundAndSixteenDifferentMilestoneChimes)
{
    TWaveInfo info;
    EXPECT_TRUE(ReadWave(kSnd + "/UsrScr.wav", &info));
    QSet<QByteArray> seen;
    for (int n = 1; n <= 16; ++n) {
        const QString path = kSnd + QStringLiteral("/Ok%1.wav").arg(n);
        ASSERT_TRUE(ReadWave(path, &info)) << n;
        EXPECT_GT(info.frames, info.rate / 4) << n;
        EXPECT_LT(info.frames, info.rate * 3) << n;
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        seen.insert(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1));
    }
    EXPECT_EQ(seen.size(), 16);
}

TEST(SoundAssets, MusicTracksDecodeAndStaySmall)
{
    const QStringList music = ListMusic(kSnd);
    EXPECT_GE(music.size(), 3);
    EXPECT_LE(music.size(), 5);
    qint64 total = 0;
    for (const QString &m : music)
        total += QFileInfo(m).size();
    EXPECT_LT(total, 12LL * 1024 * 1024);
    if (!SdlAudioReady())
        GTEST_SKIP() << "no audio device to decode with";
    for (const QString &m : music) {
        TSdlMusicPlayer player;
        player.FileName = m;
        ASSERT_TRUE(player.Open()) << m.toStdString();
        EXPECT_GT(player.Length(), 45 * 1000) << m.toStdString();
        EXPECT_LT(player.Length(), 150 * 1000) << m.toStdString();
    }
    // Every stored wave decodes too, from the files and from the copies
    // built into the program.
    TSdlWaveList wl({kSnd + "/wave0.wav", kSnd + "/wave1.wav", kSnd + "/wave2.wav"});
    TSdlWaveList built({":/snd/wave0.wav", ":/snd/wave1.wav", ":/snd/wave2.wav"});
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(wl.Loaded(i)) << i;
        EXPECT_TRUE(built.Loaded(i)) << i;
    }
}

TEST(SoundAssets, StoredWavesAreBuiltIntoTheProgram)
{
    for (const char *name : {"wave0.wav", "wave1.wav", "wave2.wav"}) {
        QFile built(QStringLiteral(":/snd/") + name), shipped(kSnd + "/" + name);
        ASSERT_TRUE(built.open(QIODevice::ReadOnly)) << name;
        ASSERT_TRUE(shipped.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(built.readAll(), shipped.readAll()) << name;
    }
}
