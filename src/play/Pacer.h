// Lets a repeated step through at most once an interval: the cutting
// progress is redrawn at most every 50 ms, since a frame of a full table
// can cost that much on a software renderer and the cutting itself much
// less.  The interval counts from the end of the last step, so that however
// slow a frame is, the work between two frames gets its 50 ms.  The caller
// gives the time.
#pragma once

#include <cstdint>

namespace play {

class TPacer {
public:
    explicit TPacer(int64_t intervalMs) : m_interval(intervalMs) {}
    // True for the first call and then once at least an interval has
    // passed since the last step let through ended.
    bool Due(int64_t nowMs) const { return !m_started || nowMs - m_last >= m_interval; }
    // The step let through has ended.
    void Done(int64_t nowMs)
    {
        m_started = true;
        m_last = nowMs;
    }

private:
    int64_t m_interval;
    int64_t m_last = 0;
    bool m_started = false;
};

// How often the cutting progress is redrawn.
constexpr int64_t ProgressFrameMs = 50;

} // namespace play
