// The benchmarks' random source: the same sequence every run.
#pragma once

#include <random>

#include "base/Random.h"

class TBenchRandom : public TRandom {
public:
    int Random(int range) override { return range > 0 ? int(m_gen() % unsigned(range)) : 0; }
    void Randomize() override {}

private:
    std::mt19937 m_gen{7};
};
