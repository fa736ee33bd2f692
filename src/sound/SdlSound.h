// The players and the wave list on SDL2_mixer (audio only).  Without a
// sound device everything here is silent: opening fails quietly and the
// wave list plays nothing.
#pragma once

#include <QStringList>
#include <vector>

#include "sound/Sound.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

// Opens the sound device on first use; false when there is none.
bool SdlAudioReady();

// What both players share: where the open file stands, how long it is, and
// the position rules of IMediaPlayer built on them.  A player keeps its
// state current in Refresh() and says where a sounding file is in
// PlayingPosition().
class TSdlPlayerBase : public IMediaPlayer {
public:
    int64_t Position() override;
    int64_t Length() override;

protected:
    enum State { Closed, Stopped, Playing, Ended };
    virtual void Refresh() = 0;
    virtual int64_t PlayingPosition() const = 0;
    // A file just opened: stands at its start, stopped.
    void Opened(int64_t len);
    // Nothing open any more.
    void ResetState();
    // The position to play from: a file at its end starts again.
    void RewindIfAtEnd();
    // Moves the stopped position, kept within the file.
    void SetStoppedAt(int64_t pos);
    // Milliseconds since position 0 would have sounded.
    int64_t ElapsedPosition() const;
    // A sounding file is never yet at its end.
    int64_t WhileSounding(int64_t pos) const;

    State m_state = Closed;
    int64_t m_pos = 0; // while stopped
    int64_t m_len = 0;
    uint64_t m_startTicks = 0; // when position 0 would have sounded
};

// Music and the start-up sound.  The mixer plays one music stream at a
// time: a second player of this kind starting interrupts the first.
class TSdlMusicPlayer : public TSdlPlayerBase {
public:
    TSdlMusicPlayer() = default;
    ~TSdlMusicPlayer() override;
    bool Open() override;
    bool Play() override;
    void Stop() override;
    void Seek(int64_t pos) override;
    void Close() override;

private:
    void Refresh() override;
    int64_t PlayingPosition() const override;

    Mix_Music *m_music = nullptr;
    static TSdlMusicPlayer *s_owner;
};

// Short sounds (the milestones), decoded whole and played on a mixer
// channel of their own, beside the music and the wave list.
class TSdlChunkPlayer : public TSdlPlayerBase {
public:
    TSdlChunkPlayer() = default;
    ~TSdlChunkPlayer() override;
    bool Open() override;
    bool Play() override;
    void Stop() override;
    void Seek(int64_t pos) override;
    void Close() override;

private:
    void Refresh() override;
    int64_t PlayingPosition() const override;
    void FreePart();

    Mix_Chunk *m_chunk = nullptr;
    Mix_Chunk *m_part = nullptr; // the rest of the sound after a seek
    Mix_Chunk *m_playing = nullptr;
    int m_channel = -1;
};

// The stored waves, loaded from files or Qt resources; each play is a new copy on a free
// channel, and more channels are made when all are busy.
class TSdlWaveList : public TWaveList {
public:
    explicit TSdlWaveList(const QStringList &files);
    ~TSdlWaveList() override;
    void Play(int item) override;
    // Whether item i was loaded (false without a sound device).
    bool Loaded(int item) const;

private:
    std::vector<Mix_Chunk *> m_items;
};

// Plays a chunk on any free channel, allocating more when all are busy.
// Returns the channel, or -1.
int PlayOnFreeChannel(Mix_Chunk *chunk);
