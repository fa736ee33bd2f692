// A random source that gives a fixed sequence of draws (then `fallback`),
// each taken modulo the range asked for, and records every range asked.
#pragma once

#include <deque>
#include <vector>

#include "base/Random.h"

class TScriptedRandom : public TRandom {
public:
    explicit TScriptedRandom(std::vector<int> script = {}, int fallback = 0)
        : m_script(script.begin(), script.end()), m_fallback(fallback)
    {
    }
    int Random(int range) override
    {
        Ranges.push_back(range);
        int v = m_fallback;
        if (!m_script.empty()) {
            v = m_script.front();
            m_script.pop_front();
        }
        return range > 0 ? v % range : 0;
    }
    void Randomize() override { ++Reseeds; }

    std::vector<int> Ranges;
    int Reseeds = 0;

private:
    std::deque<int> m_script;
    int m_fallback;
};
