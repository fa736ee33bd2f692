#include "gl/Felt.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

namespace {

// More tiles than this (a picture of a few pixels as the felt) would mean
// millions of quads a frame.
const long long MaxFeltTiles = 4096;

// Blending off for an opaque felt (bound), until EndFelt.
void BeginFelt(uint32_t tex)
{
    glBindTexture(GL_TEXTURE_2D, GLuint(tex));
    GLint alphaBits = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_ALPHA_SIZE, &alphaBits);
    if (alphaBits == 0)
        glDisable(GL_BLEND);
    glBegin(GL_QUADS);
}

void EndFelt()
{
    glEnd();
    glEnable(GL_BLEND);
}

// The part (x0, y0)..(x1, y1) of a tile of tw x th laid from its corner:
// the felt's rows run bottom row first, t = 1 at the top edge.
void TileQuad(float x0, float y0, float x1, float y1, float tw, float th)
{
    const float s1 = (x1 - x0) / tw, t1 = 1.0f - (y1 - y0) / th;
    glTexCoord2f(0, 1); glVertex2f(x0, y0);
    glTexCoord2f(0, t1); glVertex2f(x0, y1);
    glTexCoord2f(s1, t1); glVertex2f(x1, y1);
    glTexCoord2f(s1, 1); glVertex2f(x1, y0);
}

} // namespace

void DrawFelt(uint32_t tex, int tw, int th, int W, int H)
{
    if (tex == 0 || tw <= 0 || th <= 0)
        return;
    BeginFelt(tex);
    if ((W / tw + 1LL) * (H / th + 1LL) > MaxFeltTiles) {
        // The texture repeats, so one quad whose texture coordinates run
        // over the same tiles draws the same pixels.
        TileQuad(0, 0, float(W), float(H), float(tw), float(th));
    } else {
        for (int c = 0; c <= W / tw; ++c)
            for (int r = 0; r <= H / th; ++r) {
                const int x1 = std::min((c + 1) * tw, W), y1 = std::min((r + 1) * th, H);
                if (x1 > c * tw && y1 > r * th)
                    TileQuad(float(c * tw), float(r * th), float(x1), float(y1), float(tw), float(th));
            }
    }
    EndFelt();
}

void DrawFeltAtZoom(const TTableView &view, int tableW, int tableH, int W, int H)
{
    const int tw = view.FeltW, th = view.FeltH;
    if (view.FeltTex == 0 || tw <= 0 || th <= 0)
        return;
    const int ox = int(std::lround(-view.Left * view.Zoom)), oy = int(std::lround(-view.Top * view.Zoom));
    const int right = std::min(W, ox + int(std::lround(tableW * view.Zoom)));
    const int bottom = std::min(H, oy + int(std::lround(tableH * view.Zoom)));
    BeginFelt(view.FeltTex);
    for (int x0 = ox + std::max(0, -ox / tw) * tw; x0 < right; x0 += tw)
        for (int y0 = oy + std::max(0, -oy / th) * th; y0 < bottom; y0 += th)
            TileQuad(float(x0), float(y0), float(std::min(x0 + tw, right)), float(std::min(y0 + th, bottom)),
                     float(tw), float(th));
    EndFelt();
}
