#include "gl/HandMark.h"

#include <GL/gl.h>

#include "gl/OutlineDraw.h"

void DrawHandMark(const THandMark &hand)
{
    if (!hand.Shown || hand.Side <= 0)
        return;
    const float width = hand.Holding ? 3.0f : 2.0f;
    DrawOutlineSquare(play::TOutlineKind::Hand, hand.X, hand.Y, hand.Side / 2, width);
    // A small cross at the point itself, in the light tone.
    const play::TTone &light = play::OutlineOf(play::TOutlineKind::Hand).Light;
    glDisable(GL_TEXTURE_2D);
    glLineWidth(width);
    glColor4ub(light.R, light.G, light.B, 255);
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
