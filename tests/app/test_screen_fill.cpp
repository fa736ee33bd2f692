// Whether the maximized main window still has to be spread over the screen.
#include <gtest/gtest.h>

#include "app/ScreenFill.h"

TEST(ScreenFill, AWindowNarrowerThanTheScreenOrReachingPastItIsNotYetAtItsSize)
{
    const QSize area(1280, 1000);
    const struct {
        bool maximized;
        QSize frame;
        bool growing;
    } rows[] = {
        {true, area, false},                 // maximized by a window manager
        {true, QSize(1290, 1010), false},    // ... whose frame overhangs by its borders
        {true, QSize(800, 612), true},       // the designed size on a bare X server
        {true, QSize(1600, 1224), true},     // the designed size on a small or scaled screen
        {true, QSize(1280, 1224), true},     // too tall only
        {false, QSize(800, 612), false},     // restored by the player
    };
    for (const auto &r : rows)
        EXPECT_EQ(StillGrowingToScreen(r.maximized, r.frame, area), r.growing)
            << r.frame.width() << "x" << r.frame.height();
}
