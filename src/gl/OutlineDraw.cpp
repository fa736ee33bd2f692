#include "gl/OutlineDraw.h"

#include <GL/gl.h>

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

void DrawOutlineSquare(play::TOutlineKind kind, float cx, float cy, float half, float width)
{
    const play::TOutline &o = play::OutlineOf(kind);
    glDisable(GL_TEXTURE_2D);
    glLineWidth(width);
    Tone(o.Dark);
    Square(cx, cy, half + width);
    Square(cx, cy, half - width);
    Tone(o.Light);
    Square(cx, cy, half);
    glLineWidth(1.0f);
    glColor4f(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
}
