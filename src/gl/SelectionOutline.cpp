#include "gl/SelectionOutline.h"

#include <GL/gl.h>
#include <vector>

#include "board/EdgeFilter.h"
#include "play/HitTest.h"

namespace {

struct TTone {
    float Width;
    float R, G, B, A;
};
// Dark first and wider, the light line over its middle.
const TTone kTones[2] = {{4.0f, 0.0f, 0.0f, 0.0f, 0.85f}, {2.0f, 1.0f, 0.92f, 0.3f, 1.0f}};

void Rect(float l, float t, float r, float b)
{
    glVertex2f(l, t); glVertex2f(r, t);
    glVertex2f(r, t); glVertex2f(r, b);
    glVertex2f(r, b); glVertex2f(l, b);
    glVertex2f(l, b); glVertex2f(l, t);
}

} // namespace

void DrawSelectionOutline(const Board &b)
{
    if (b.Selected.empty() && b.Band.isEmpty())
        return;
    const std::vector<char> shown = ShownPieces(b);
    glDisable(GL_TEXTURE_2D);
    for (const TTone &tone : kTones) {
        glLineWidth(tone.Width);
        glColor4f(tone.R, tone.G, tone.B, tone.A);
        glBegin(GL_LINES);
        for (const int p : b.Selected) {
            if (p < 0 || p >= b.Pieces.Count() || !shown[size_t(p)])
                continue;
            const play::THitSquare s = play::HitSquare(b, b.Pieces[p]);
            Rect(float(s.Left) + 0.5f, float(s.Top) + 0.5f, float(s.Right) - 0.5f, float(s.Bottom) - 0.5f);
        }
        if (!b.Band.isEmpty())
            Rect(float(b.Band.left()) + 0.5f, float(b.Band.top()) + 0.5f, float(b.Band.right()) + 0.5f,
                 float(b.Band.bottom()) + 0.5f);
        glEnd();
    }
    glLineWidth(1.0f);
    glColor4f(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
}
