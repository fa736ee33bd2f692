// The game's random numbers come through this interface so that tests can
// script them.  The program itself uses one generator seeded from the clock.
#pragma once

#include <random>


class TRandom {
public:
    virtual ~TRandom() = default;
    // Uniform integer in [0, range); 0 when the range is empty.
    virtual int Random(int range) = 0;
    // Seeds the generator afresh from the clock (a new game does this).
    virtual void Randomize() {}
};

class TClockRandom : public TRandom {
public:
    TClockRandom();
    int Random(int range) override;
    void Randomize() override;

private:
    std::mt19937 m_gen;
};

// The program's general generator (layout, flips, milestone sounds).
TRandom &GameRandom();

