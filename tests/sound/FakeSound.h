// A media player and wave list that only keep count, for the sound rules.
#pragma once

#include <QStringList>
#include <vector>

#include "sound/Sound.h"

class TFakePlayer : public IMediaPlayer {
public:
    // What the "sound card" does.
    bool openFails = false;
    bool playFails = false;
    int64_t length = 1000;

    // What happened.
    QString opened;     // the file open
    bool playing = false;
    int64_t pos = 0;
    int opens = 0, plays = 0, stops = 0, closes = 0;
    QStringList started; // file name at every play that started from 0

    bool Open() override
    {
        ++opens;
        Close();
        if (openFails || FileName.isEmpty())
            return false;
        opened = FileName;
        pos = 0;
        return true;
    }
    bool Play() override
    {
        ++plays;
        if (opened.isEmpty() || playFails)
            return false;
        if (pos >= length)
            pos = 0; // automatic rewind
        if (pos == 0 && !playing)
            started << opened;
        playing = true;
        return true;
    }
    void Stop() override { ++stops; playing = false; }
    void Seek(int64_t p) override { playing = false; pos = p; }
    void Close() override { ++closes; opened.clear(); playing = false; pos = 0; }
    int64_t Position() override { return opened.isEmpty() ? 0 : pos; }
    int64_t Length() override { return opened.isEmpty() ? -1 : length; }

    // Time passes while playing.
    void Advance(int64_t ms)
    {
        if (!playing)
            return;
        pos = std::min(length, pos + ms);
        if (pos == length)
            playing = false;
    }
};

class TFakeWaveList : public TWaveList {
public:
    std::vector<int> played;
    void Play(int item) override { played.push_back(item); }
};
