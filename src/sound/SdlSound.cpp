#include "sound/SdlSound.h"

#include <QFile>
#include <SDL.h>
#include <SDL_mixer.h>

#include <limits>

#include "base/FileName.h"

namespace {

constexpr int kFirstChannels = 16;
constexpr int kMaxChannels = 256;
// Length of a stream that cannot say how long it is: never reached.
constexpr int64_t kUnknownLength = std::numeric_limits<int64_t>::max();

QByteArray FsName(const QString &path) { return EncodeFileName(path); }

int64_t ChunkLengthMs(const Mix_Chunk *chunk)
{
    int freq = 0, channels = 0;
    Uint16 format = 0;
    if (!chunk || !Mix_QuerySpec(&freq, &format, &channels) || freq <= 0 || channels <= 0)
        return 0;
    const int64_t frameBytes = int64_t(SDL_AUDIO_BITSIZE(format) / 8) * channels;
    if (frameBytes <= 0)
        return 0;
    return int64_t(chunk->alen) / frameBytes * 1000 / freq;
}

// Byte offset in a chunk for a position, on a whole sample frame.
Uint32 ChunkOffset(const Mix_Chunk *chunk, int64_t ms)
{
    int freq = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&freq, &format, &channels);
    const int64_t frameBytes = int64_t(SDL_AUDIO_BITSIZE(format) / 8) * channels;
    int64_t off = ms * freq / 1000 * frameBytes;
    if (off < 0)
        off = 0;
    if (off > chunk->alen)
        off = chunk->alen;
    return Uint32(off);
}

} // namespace

bool SdlAudioReady()
{
    static int state = -1; // -1 not tried, 0 no device, 1 open
    if (state >= 0)
        return state == 1;
    state = 0;
    // The game owns Ctrl+C and friends, not the audio library.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0)
        return false;
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) < 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(kFirstChannels);
    state = 1;
    return true;
}

int PlayOnFreeChannel(Mix_Chunk *chunk)
{
    if (!chunk)
        return -1;
    int ch = Mix_PlayChannel(-1, chunk, 0);
    while (ch < 0) {
        const int have = Mix_AllocateChannels(-1);
        if (have >= kMaxChannels)
            return -1;
        Mix_AllocateChannels(qMin(have + 8, kMaxChannels));
        ch = Mix_PlayChannel(-1, chunk, 0);
    }
    return ch;
}

// ---- what both players share ----

void TSdlPlayerBase::Opened(int64_t len)
{
    m_len = len;
    m_pos = 0;
    m_state = Stopped;
}

void TSdlPlayerBase::ResetState()
{
    m_state = Closed;
    m_pos = 0;
    m_len = 0;
}

void TSdlPlayerBase::RewindIfAtEnd()
{
    if (m_state == Ended || m_pos >= m_len)
        m_pos = 0; // automatic rewind
}

void TSdlPlayerBase::SetStoppedAt(int64_t pos)
{
    m_pos = pos < 0 ? 0 : (pos > m_len ? m_len : pos);
    m_state = Stopped;
}

int64_t TSdlPlayerBase::ElapsedPosition() const
{
    return int64_t(SDL_GetTicks64() - m_startTicks);
}

int64_t TSdlPlayerBase::WhileSounding(int64_t p) const
{
    if (p >= m_len)
        p = m_len - 1;
    return p < 0 ? 0 : p;
}

int64_t TSdlPlayerBase::Position()
{
    Refresh();
    switch (m_state) {
    case Closed: return 0;
    case Ended: return m_len;
    case Playing: return PlayingPosition();
    case Stopped: return m_pos;
    }
    return 0;
}

int64_t TSdlPlayerBase::Length()
{
    return m_state == Closed ? -1 : m_len;
}

// ---- music ----

TSdlMusicPlayer *TSdlMusicPlayer::s_owner = nullptr;

TSdlMusicPlayer::~TSdlMusicPlayer() { Close(); }

bool TSdlMusicPlayer::Open()
{
    Close();
    if (FileName.isEmpty() || !SdlAudioReady())
        return false;
    m_music = Mix_LoadMUS(FsName(FileName).constData());
    if (!m_music)
        return false;
    const double seconds = Mix_MusicDuration(m_music);
    Opened(seconds > 0 ? int64_t(seconds * 1000.0 + 0.5) : kUnknownLength);
    return true;
}

void TSdlMusicPlayer::Refresh()
{
    if (m_state != Playing)
        return;
    if (s_owner != this) { // another player took the stream
        m_state = Stopped;
        return;
    }
    if (!Mix_PlayingMusic()) {
        m_state = Ended;
        s_owner = nullptr;
    }
}

int64_t TSdlMusicPlayer::PlayingPosition() const
{
    const double seconds = Mix_GetMusicPosition(m_music);
    return WhileSounding(seconds >= 0 ? int64_t(seconds * 1000.0) : ElapsedPosition());
}

bool TSdlMusicPlayer::Play()
{
    Refresh();
    if (!m_music)
        return false;
    if (m_state == Playing)
        return true;
    RewindIfAtEnd();
    if (s_owner && s_owner != this)
        s_owner->Stop();
    if (Mix_PlayMusic(m_music, 0) < 0)
        return false;
    if (m_pos > 0)
        Mix_SetMusicPosition(double(m_pos) / 1000.0);
    m_startTicks = SDL_GetTicks64() - uint64_t(m_pos);
    s_owner = this;
    m_state = Playing;
    return true;
}

void TSdlMusicPlayer::Stop()
{
    Refresh();
    if (m_state != Playing)
        return;
    m_pos = PlayingPosition();
    if (s_owner == this) {
        Mix_HaltMusic();
        s_owner = nullptr;
    }
    m_state = Stopped;
}

void TSdlMusicPlayer::Seek(int64_t pos)
{
    if (!m_music)
        return;
    Stop();
    SetStoppedAt(pos);
}

void TSdlMusicPlayer::Close()
{
    if (s_owner == this) {
        Mix_HaltMusic();
        s_owner = nullptr;
    }
    if (m_music)
        Mix_FreeMusic(m_music);
    m_music = nullptr;
    ResetState();
}

// ---- short sounds ----

TSdlChunkPlayer::~TSdlChunkPlayer() { Close(); }

bool TSdlChunkPlayer::Open()
{
    Close();
    if (FileName.isEmpty() || !SdlAudioReady())
        return false;
    m_chunk = Mix_LoadWAV(FsName(FileName).constData());
    if (!m_chunk)
        return false;
    Opened(ChunkLengthMs(m_chunk));
    return true;
}

void TSdlChunkPlayer::FreePart()
{
    if (m_part) {
        if (m_channel >= 0 && Mix_GetChunk(m_channel) == m_part)
            Mix_HaltChannel(m_channel);
        Mix_FreeChunk(m_part);
    }
    m_part = nullptr;
}

void TSdlChunkPlayer::Refresh()
{
    if (m_state != Playing)
        return;
    if (!Mix_Playing(m_channel) || Mix_GetChunk(m_channel) != m_playing) {
        m_state = Ended;
        m_channel = -1;
    }
}

int64_t TSdlChunkPlayer::PlayingPosition() const
{
    return WhileSounding(ElapsedPosition());
}

bool TSdlChunkPlayer::Play()
{
    Refresh();
    if (!m_chunk)
        return false;
    if (m_state == Playing)
        return true;
    RewindIfAtEnd();
    FreePart();
    m_playing = m_chunk;
    if (m_pos > 0) {
        const Uint32 off = ChunkOffset(m_chunk, m_pos);
        m_part = Mix_QuickLoad_RAW(m_chunk->abuf + off, m_chunk->alen - off);
        if (!m_part)
            return false;
        m_playing = m_part;
    }
    m_channel = PlayOnFreeChannel(m_playing);
    if (m_channel < 0)
        return false;
    m_startTicks = SDL_GetTicks64() - uint64_t(m_pos);
    m_state = Playing;
    return true;
}

void TSdlChunkPlayer::Stop()
{
    Refresh();
    if (m_state != Playing)
        return;
    m_pos = PlayingPosition();
    if (m_channel >= 0 && Mix_GetChunk(m_channel) == m_playing)
        Mix_HaltChannel(m_channel);
    m_channel = -1;
    m_state = Stopped;
}

void TSdlChunkPlayer::Seek(int64_t pos)
{
    if (!m_chunk)
        return;
    Stop();
    SetStoppedAt(pos);
}

void TSdlChunkPlayer::Close()
{
    if (m_state == Playing && m_channel >= 0 && Mix_GetChunk(m_channel) == m_playing)
        Mix_HaltChannel(m_channel);
    FreePart();
    if (m_chunk)
        Mix_FreeChunk(m_chunk); // also halts any channel still playing it
    m_chunk = nullptr;
    m_playing = nullptr;
    m_channel = -1;
    ResetState();
}

// ---- the wave list ----

// Reads the whole wave first, so that a Qt resource (":/...") serves as
// well as a file on disk.
static Mix_Chunk *LoadWave(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() > 64 * 1024 * 1024)
        return nullptr;
    const QByteArray data = f.readAll();
    SDL_RWops *rw = SDL_RWFromConstMem(data.constData(), int(data.size()));
    return rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
}

TSdlWaveList::TSdlWaveList(const QStringList &files)
{
    const bool ready = SdlAudioReady();
    for (const QString &f : files)
        m_items.push_back(ready ? LoadWave(f) : nullptr);
}

TSdlWaveList::~TSdlWaveList()
{
    for (Mix_Chunk *c : m_items)
        if (c)
            Mix_FreeChunk(c);
}

bool TSdlWaveList::Loaded(int item) const
{
    return item >= 0 && item < int(m_items.size()) && m_items[item];
}

void TSdlWaveList::Play(int item)
{
    if (Loaded(item))
        PlayOnFreeChannel(m_items[item]);
}
