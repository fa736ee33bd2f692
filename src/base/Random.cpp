#include "base/Random.h"

#include <chrono>


TClockRandom::TClockRandom() { Randomize(); }

int TClockRandom::Random(int range)
{
    if (range <= 1)
        return 0;
    std::uniform_int_distribution<int> d(0, range - 1);
    return d(m_gen);
}

void TClockRandom::Randomize()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{uint32_t(now), uint32_t(uint64_t(now) >> 32)};
    m_gen.seed(seq);
}

TRandom &GameRandom()
{
    static TClockRandom generator;
    return generator;
}

