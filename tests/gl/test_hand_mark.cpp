// The hand of keyboard play on the table: its square is drawn in both tones
// of its outline, the dark one outside the light one.
#include <gtest/gtest.h>

#include "GLTestContext.h"
#include "gl/Draw.h"
#include "play/OutlinePalette.h"

TEST(HandMark, TheHandsSquareIsDrawnInBothTonesOfItsOutline)
{
    if (!GLTestContext::Begin(200, 200))
        GTEST_SKIP() << "no OpenGL context";
    Board b;
    TTextureList none(16);
    TTableView view;
    view.Hand = {true, 100, 100, 60, false};
    DrawFrame(b, none, 200, 200, QString(), view);
    const QImage f = GLTestContext::Frame();
    const play::TOutline &o = play::OutlineOf(play::TOutlineKind::Hand);
    const auto is = [&](int x, const play::TTone &t) {
        const QColor c = f.pixelColor(x, 80); // the square's right side, away from the cross
        return std::abs(c.red() - t.R) < 8 && std::abs(c.green() - t.G) < 8 && std::abs(c.blue() - t.B) < 8;
    };
    int light = -1, darkOutside = -1;
    for (int x = 120; x < 140; ++x) {
        if (light < 0 && is(x, o.Light))
            light = x;
        if (light >= 0 && darkOutside < 0 && x > light && is(x, o.Dark))
            darkOutside = x;
    }
    EXPECT_GE(light, 0);
    EXPECT_GT(darkOutside, light);
}
