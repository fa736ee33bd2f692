// When music and sounds play: the track list, changing and repeating
// tracks, music on and off, milestone sounds.  Works on the player
// interfaces only, so it runs the same on a fake player in tests.
#pragma once

#include <QString>
#include <QStringList>

#include "base/Random.h"

class IMediaPlayer;
class TWaveList;


// The music files of a SND folder: "*.mp3" in the order the folder gives
// them, folders skipped, each as a full path.  No folder: an empty list.
QStringList ListMusic(const QString &sndDir);
// The same for the program's own SND folder.
QStringList ListProgramMusic();

// Plays a file on a player.  A path naming no file does nothing and keeps
// the player as it was; a file that fails to open or play leaves the
// player's file name empty.  Nothing is ever shown.
void PlayFile(const QString &path, IMediaPlayer *player);

// Changing the track (the toolbar button, a new game, music switched on):
// draws a track, whether or not music is on, and plays it when music is on
// and there is one.  Returns the new hint of the change-music button (the
// track's file name), or a null string when nothing visible changes.
QString ChangeTrack(const QStringList &music, bool playMusic, IMediaPlayer *player,
                    TRandom &random);

// Music switched off: stop, rewind, close, forget the file.
void StopMusic(IMediaPlayer *player);

// Once a second: a track of `music` that has played to its end starts
// again.  The start-up sound, which shares the player, plays once.
void RepeatAtEnd(bool playMusic, const QStringList &music, IMediaPlayer *player);

// The finished picture silences the music; stopped short of its end, the
// track is not started again by RepeatAtEnd.
void StopForFinish(IMediaPlayer *player);

// "SND/Ok<n>.wav" in the program folder, n in 1 .. 16.
QString MilestoneFile(int n);
// A tenth of the way done: a random milestone sound on player2, or the join
// click of the wave list when that file is missing or cannot be played.
void PlayMilestone(IMediaPlayer *player2, TWaveList *wl, TRandom &random);

// The start-up greeting, when music is on.
QString StartupSoundFile();
