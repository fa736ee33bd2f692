// The pacing of the cutting progress frames.
#include <gtest/gtest.h>

#include "play/Pacer.h"

TEST(Pacer, LetsTheFirstStepThroughThenOneAnInterval)
{
    play::TPacer pacer(50);
    struct TRow {
        int64_t now;
        bool due;
    };
    for (const TRow &r : {TRow{1000, true}, TRow{1001, false}, TRow{1049, false}, TRow{1050, true}, TRow{1060, false},
                          TRow{1300, true}})
        EXPECT_EQ(pacer.Due(r.now), r.due) << r.now;
}
