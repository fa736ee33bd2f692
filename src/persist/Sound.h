// Sound: media players for music and longer sounds, and the wave list of
// the three stored short sounds.
#pragma once

#include <QString>
#include <cstdint>

class IMediaPlayer {
public:
    virtual ~IMediaPlayer() = default;
    QString FileName;
    virtual bool Open() = 0;
    virtual bool Play() = 0;
    virtual void Stop() = 0;
    virtual void Seek(int64_t pos) = 0;
    virtual void Close() = 0;
    virtual int64_t Position() = 0;
    virtual int64_t Length() = 0;
};

class TWaveList {
public:
    virtual ~TWaveList() = default;
    virtual void Play(int item) { (void)item; }
};
