// The pacing of the cutting progress frames.
#include <gtest/gtest.h>

#include "play/Pacer.h"

TEST(Pacer, LetsTheFirstStepThroughThenOneAnIntervalAfterTheLastOneEnded)
{
    play::TPacer pacer(50);
    struct TRow {
        int64_t now;
        bool due;
        int64_t cost; // of the step when it runs
    };
    for (const TRow &r : {TRow{1000, true, 10}, TRow{1011, false, 0}, TRow{1059, false, 0}, TRow{1060, true, 200},
                          TRow{1300, false, 0}, TRow{1310, true, 0}}) {
        EXPECT_EQ(pacer.Due(r.now), r.due) << r.now;
        if (r.due)
            pacer.Done(r.now + r.cost);
    }
}
