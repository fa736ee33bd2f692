// Lets a repeated step through at most once an interval: the cutting
// progress is redrawn at most every 50 ms, since a frame of a full table
// can cost that much on a software renderer and the cutting itself much
// less.  The caller gives the time.
#pragma once

#include <cstdint>

namespace play {

class TPacer {
public:
    explicit TPacer(int64_t intervalMs) : m_interval(intervalMs) {}
    // True for the first call and then once at least an interval has
    // passed since the last true.
    bool Due(int64_t nowMs)
    {
        if (m_started && nowMs - m_last < m_interval)
            return false;
        m_started = true;
        m_last = nowMs;
        return true;
    }

private:
    int64_t m_interval;
    int64_t m_last = 0;
    bool m_started = false;
};

// How often the cutting progress is redrawn.
constexpr int64_t ProgressFrameMs = 50;

} // namespace play
