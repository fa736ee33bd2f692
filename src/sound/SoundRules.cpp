#include "sound/SoundRules.h"

#include <QDir>
#include <QFileInfo>

#include "base/ProgramFiles.h"
#include "sound/Sound.h"

QStringList ListMusic(const QString &sndDir)
{
    QStringList out;
    QDir dir(sndDir);
    if (sndDir.isEmpty() || !dir.exists())
        return out;
    // Name filters match without regard to case unless asked otherwise.
    const QFileInfoList entries = dir.entryInfoList({QStringLiteral("*.mp3")},
                                                    QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                                                    QDir::Unsorted);
    for (const QFileInfo &e : entries)
        if (e.isFile())
            out << dir.path() + QLatin1Char('/') + e.fileName();
    return out;
}

QStringList ListProgramMusic()
{
    return ListMusic(ProgramFile(QStringLiteral("SND")));
}

void PlayFile(const QString &path, IMediaPlayer *player)
{
    if (!player || !QFileInfo(path).isFile())
        return;
    player->FileName = path;
    if (!player->Open() || !player->Play())
        player->FileName.clear();
}

QString ChangeTrack(const QStringList &music, bool playMusic, IMediaPlayer *player,
                    TRandom &random)
{
    // The draw is made even with music off, as it always has been.
    const int k = music.isEmpty() ? 0 : random.Random(int(music.size()));
    if (!playMusic || music.isEmpty())
        return QString();
    PlayFile(music[k], player);
    return QFileInfo(music[k]).fileName();
}

void StopMusic(IMediaPlayer *player)
{
    if (!player)
        return;
    player->Stop();
    player->Seek(0);
    player->Close();
    player->FileName.clear();
}

void RepeatAtEnd(bool playMusic, const QStringList &music, IMediaPlayer *player)
{
    if (!playMusic || !player || player->FileName.isEmpty() || !music.contains(player->FileName))
        return;
    if (player->Position() == player->Length())
        player->Play();
}

void StopForFinish(IMediaPlayer *player)
{
    if (player && !player->FileName.isEmpty())
        player->Stop();
}

QString MilestoneFile(int n)
{
    return ProgramFile(QStringLiteral("SND/Ok%1.wav").arg(n));
}

void PlayMilestone(IMediaPlayer *player2, TWaveList *wl, TRandom &random)
{
    const int n = random.Random(16) + 1;
    const QString path = MilestoneFile(n);
    bool played = false;
    if (player2 && QFileInfo(path).isFile()) {
        player2->FileName = path;
        played = player2->Open() && player2->Play();
    }
    if (!played && wl)
        wl->Play(TWaveList::JoinClick);
}

QString StartupSoundFile()
{
    return ProgramFile(QStringLiteral("SND/UsrScr.wav"));
}
