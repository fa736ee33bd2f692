#include "gl/HandMark.h"

#include <GL/gl.h>

#include "play/OutlinePalette.h"

namespace {

void Square(float x, float y, float half)
{
    glBegin(GL_LINE_LOOP);
    glVertex2f(x - half, y - half);
    glVertex2f(x + half, y - half);
    glVertex2f(x + half, y + half);
    glVertex2f(x - half, y + half);
    glEnd();
}

void Tone(const play::TTone &t) { glColor4ub(t.R, t.G, t.B, 255); }

} // namespace

void DrawHandMark(const THandMark &hand)
{
    if (!hand.Shown || hand.Side <= 0)
        return;
    const play::TOutline &o = play::OutlineOf(play::TOutlineKind::Hand);
    const float half = hand.Side / 2, width = hand.Holding ? 3.0f : 2.0f;
    glDisable(GL_TEXTURE_2D);
    // The dark line outside, the light one just inside it.
    glLineWidth(width);
    Tone(o.Dark);
    Square(hand.X, hand.Y, half + width);
    Square(hand.X, hand.Y, half - width);
    Tone(o.Light);
    Square(hand.X, hand.Y, half);
    // A small cross at the point itself.
    glBegin(GL_LINES);
    glVertex2f(hand.X - 6, hand.Y);
    glVertex2f(hand.X + 6, hand.Y);
    glVertex2f(hand.X, hand.Y - 6);
    glVertex2f(hand.X, hand.Y + 6);
    glEnd();
    glLineWidth(1.0f);
    glColor4f(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
}
