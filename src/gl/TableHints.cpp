#include "gl/TableHints.h"

#include <GL/gl.h>
#include <cmath>

#include "picture/PictureSetup.h"
#include "play/HomeArea.h"
#include "play/Hint.h"

void DrawGhost(const Board &b, float alpha)
{
    if (!(alpha > 0) || b.ShowFinished || !b.PiecesVisible || b.FinishedTex <= 0 || b.TableW <= 0 || b.TableH <= 0)
        return;
    const QRect home = play::HomeArea(b.Cut(), b.TableW, b.TableH);
    const QSize size = FinishedTextureSize(b.PictureBmp.size());
    const float x = float(home.x() - FinishedInset), y = float(home.y() - FinishedInset);
    glColor4f(1, 1, 1, alpha);
    glBindTexture(GL_TEXTURE_2D, uint32_t(b.FinishedTex));
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0); glVertex2f(x, y);
    glTexCoord2f(0, 1); glVertex2f(x, y + float(size.height()));
    glTexCoord2f(1, 1); glVertex2f(x + float(size.width()), y + float(size.height()));
    glTexCoord2f(1, 0); glVertex2f(x + float(size.width()), y);
    glEnd();
    glColor4f(1, 1, 1, 1);
}

void DrawHintGlow(const Board &b, const TAtlasLayout &atlas)
{
    const int piece = b.HintPiece;
    if (piece < 0 || piece >= b.Pieces.Count() || !b.PiecesVisible)
        return;
    const Tpiece &p = b.Pieces[piece];
    QRectF uv(0, 0, 1, 1);
    uint32_t tex = p.ImgTex;
    if (!atlas.Pages.empty()) {
        uv = atlas.SlotCoords(p.ImgTex);
        tex = atlas.TextureOf(p.ImgTex);
    }
    if (tex == 0 || uv.isEmpty())
        return;
    const float side = float(b.Cut().TexSize), half = side / 2;
    const float glow = float(play::HintGlow(b));
    // Added light in the piece's own shape: its texels' alpha carries it.
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glColor4f(glow, glow, 0.6f * glow, 0.8f);
    glBindTexture(GL_TEXTURE_2D, tex);
    glPushMatrix();
    glTranslatef(float(p.X) + half, float(p.Y) + half, 0);
    glRotatef(float(p.Rotation % 4) * 90.0f, 0, 0, 1);
    glTranslatef(-half, -half, 0);
    glBegin(GL_QUADS);
    glTexCoord2f(float(uv.left()), float(uv.top())); glVertex2f(0, 0);
    glTexCoord2f(float(uv.left()), float(uv.bottom())); glVertex2f(0, side);
    glTexCoord2f(float(uv.right()), float(uv.bottom())); glVertex2f(side, side);
    glTexCoord2f(float(uv.right()), float(uv.top())); glVertex2f(side, 0);
    glEnd();
    glPopMatrix();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1, 1, 1, 1);
}
