// Sound: media players for music and longer sounds, and the wave list of
// the three stored short sounds.  The game's rules talk to these two
// interfaces only; SdlSound.h carries them out on the sound card.
#pragma once

#include <QString>
#include <cstdint>

// One file at a time, opened by name.  Positions and lengths are in
// milliseconds and only ever compared with each other.
class IMediaPlayer {
public:
    virtual ~IMediaPlayer() = default;
    // The file to open; empty when the player holds nothing.
    QString FileName;
    // Opens FileName, closing whatever was open before.  False when the
    // file cannot be opened or decoded (or there is no sound device).
    virtual bool Open() = 0;
    // Plays from the current position and returns at once.  A file that
    // stands at its end starts again from the beginning (automatic rewind).
    virtual bool Play() = 0;
    // Stops where it is; a file already at its end stays at its end.
    virtual void Stop() = 0;
    // Moves to a position (0 = start); playback stops.
    virtual void Seek(int64_t pos) = 0;
    virtual void Close() = 0;
    // Position() == Length() exactly when the open file stands at its end,
    // having played to it.  With nothing open the two never match.
    virtual int64_t Position() = 0;
    virtual int64_t Length() = 0;
};

// The three stored waves: 0 the join click, 1 a second click, 2 the
// completion flourish.  Every play starts a new copy from the beginning,
// so quick joins overlap.  The base list is silent.
class TWaveList {
public:
    enum { JoinClick = 0, SecondClick = 1, Finished = 2 };
    virtual ~TWaveList() = default;
    virtual void Play(int item) { (void)item; }
};
