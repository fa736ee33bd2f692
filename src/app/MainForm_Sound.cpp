// Music, the start-up sound and the join, milestone and finish sounds.
#include "app/MainForm.h"

#include "base/Random.h"
#include "persist/sound/SdlSound.h"
#include "persist/sound/SoundRules.h"
#include "ui/MySpeedButton.h"

void TMainForm::CreateSound()
{
    // No sound card: the players fail to open quietly and the game is silent.
    Player = std::make_unique<TSdlMusicPlayer>();
    Player2 = std::make_unique<TSdlChunkPlayer>();
    // The stored waves travel inside the program.
    wl = std::make_unique<TSdlWaveList>(QStringList{QStringLiteral(":/snd/wave0.wav"), QStringLiteral(":/snd/wave1.wav"),
                                                    QStringLiteral(":/snd/wave2.wav")});
}

void TMainForm::LoadMuz()
{
    MusicList = ListProgramMusic();
}

void TMainForm::ChMusBtnClick()
{
    const QString hint = ChangeTrack(MusicList, board.PlayMusic, Player.get(), GameRandom());
    if (!hint.isNull() && ChMusBtn)
        ChMusBtn->setToolTip(hint);
}

void TMainForm::StartRandomTrack()
{
    // A new game changes the track the same way the button does.
    ChMusBtnClick();
}

void TMainForm::PlayerTimerTimer()
{
    RepeatAtEnd(board.PlayMusic, MusicList, Player.get());
}

void TMainForm::PlayStartupSound()
{
    if (board.PlayMusic)
        PlayFile(StartupSoundFile(), Player.get());
}

void TMainForm::PlayWave(int item)
{
    if (wl)
        wl->Play(item);
}

void TMainForm::PlayMilestone()
{
    ::PlayMilestone(Player2.get(), wl.get(), GameRandom());
}

void TMainForm::StopMusicForFinish()
{
    StopForFinish(Player.get());
}
