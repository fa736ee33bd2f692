#include "gl/Draw.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <vector>

#include "picture/PictureSetup.h"

#include "board/EdgeFilter.h"
#include "play/CornerPlate.h"
#include "gl/TableHints.h"
#include "gl/SelectionOutline.h"

namespace {

const long long MaxBackgroundTiles = 4096;

// The texture of a role, or -1 when the artwork is missing.
int32_t RoleTex(const TTextureList &list, int role)
{
    if (role < 0 || role >= int(list.size()))
        return -1;
    return list[size_t(role)].Id > 0 ? list[size_t(role)].Id : -1;
}

bool ValidPiece(const Board &b, int i) { return i >= 0 && i < b.Pieces.Count(); }

// Turns what follows by deg degrees clockwise on the screen about (cx, cy).
void TurnAbout(float cx, float cy, float deg)
{
    glTranslatef(cx, cy, 0.0f);
    glRotatef(deg, 0.0f, 0.0f, 1.0f);
    glTranslatef(-cx, -cy, 0.0f);
}

void DrawBackground(const TTextureList &list, const Board &b, int W, int H)
{
    const int32_t tex = RoleTex(list, texBackground);
    const int tw = b.BgTileW, th = b.BgTileH;
    if (tex < 0 || tw <= 0 || th <= 0)
        return;
    glBindTexture(GL_TEXTURE_2D, GLuint(tex));
    // An opaque background covers the table whole: blending it would cost
    // a read of every pixel of the panel for nothing.
    GLint alphaBits = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_ALPHA_SIZE, &alphaBits);
    if (alphaBits == 0)
        glDisable(GL_BLEND);
    // The background's rows run bottom row first: t = 1 at the top edge.
    const long long columns = W / tw + 1, rows = H / th + 1;
    if (columns * rows > MaxBackgroundTiles) {
        // A tiny tile (a picture of a few pixels) would mean millions of
        // quads a frame; the texture repeats, so one quad whose texture
        // coordinates run over the same tiles draws the same pixels.
        const float x1 = float(W), y1 = float(H);
        const float s1 = x1 / float(tw), t0 = 1.0f - y1 / float(th);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 1); glVertex2f(0, 0);
        glTexCoord2f(0, t0); glVertex2f(0, y1);
        glTexCoord2f(s1, t0); glVertex2f(x1, y1);
        glTexCoord2f(s1, 1); glVertex2f(x1, 0);
        glEnd();
        glEnable(GL_BLEND);
        return;
    }
    // The last column and row stop at the table's edge, their tiles cut.
    glBegin(GL_QUADS);
    for (int c = 0; c <= W / tw; ++c)
        for (int r = 0; r <= H / th; ++r) {
            const float x0 = float(c * tw), y0 = float(r * th);
            const float x1 = float(std::min((c + 1) * tw, W)), y1 = float(std::min((r + 1) * th, H));
            if (x1 <= x0 || y1 <= y0)
                continue;
            const float s1 = (x1 - x0) / float(tw), t1 = 1.0f - (y1 - y0) / float(th);
            glTexCoord2f(0, 1); glVertex2f(x0, y0);
            glTexCoord2f(0, t1); glVertex2f(x0, y1);
            glTexCoord2f(s1, t1); glVertex2f(x1, y1);
            glTexCoord2f(s1, 1); glVertex2f(x1, y0);
        }
    glEnd();
    glEnable(GL_BLEND);
}

void DrawRole(const TTextureList &list, int role, float x, float y, float h, float w)
{
    const int32_t tex = RoleTex(list, role);
    if (tex >= 0)
        DrawQuad(uint32_t(tex), x, y, h, w);
}

// The quads of one frame's pieces and shadows, in drawing order, with the
// texture of each run of quads that share one.
class TQuadBatch {
public:
    explicit TQuadBatch(const TAtlasLayout &atlas) : m_atlas(atlas) {}

    // The texture square at corner (x, y), turned by `quarters` about its
    // centre, then (when `turn`) by the turn's angle about its centre.  Only
    // its middle `cell` square is sent: the ring around it is transparent in
    // every piece texture, and costs a software renderer as much as the rest.
    void AddSquare(uint32_t handle, float x, float y, float side, float cell, int quarters, const float *turn)
    {
        if (handle == 0)
            return;
        QRectF uv(0, 0, 1, 1);
        uint32_t tex = handle;
        if (m_atlas.Texture != 0) {
            uv = m_atlas.SlotCoords(handle);
            if (uv.isEmpty())
                return;
            tex = m_atlas.Texture;
        }
        // The cell lies at the texture's inset, (side - cell) div 2.
        const float in = std::floor((side - cell) / 2), before = in / side, after = (side - in - cell) / side;
        uv.adjust(uv.width() * before, uv.height() * before, -uv.width() * after, -uv.height() * after);
        // Corners top-left, bottom-left, bottom-right, top-right of the
        // unturned square with their texture coordinates.
        const float x0 = x + in, y0 = y + in, x1 = x + in + cell, y1 = y + in + cell;
        float px[4] = {x0, x0, x1, x1};
        float py[4] = {y0, y1, y1, y0};
        const float s[4] = {float(uv.left()), float(uv.left()), float(uv.right()), float(uv.right())};
        const float t[4] = {float(uv.top()), float(uv.bottom()), float(uv.bottom()), float(uv.top())};
        if (quarters % 4 != 0)
            Turn(px, py, x + side / 2, y + side / 2, float(quarters % 4) * 90.0f);
        if (turn)
            Turn(px, py, turn[0], turn[1], turn[2]);
        if (m_runs.empty() || m_runs.back().Texture != tex)
            m_runs.push_back({tex, int(m_v.size() / 4)});
        for (int k = 0; k < 4; ++k) {
            m_v.push_back(px[k]);
            m_v.push_back(py[k]);
            m_v.push_back(s[k]);
            m_v.push_back(t[k]);
        }
    }

    void Draw() const
    {
        if (m_v.empty())
            return;
        // Fully transparent texels (round every piece's shape) are skipped
        // before blending.
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_GREATER, 0.0f);
        const int vertices = int(m_v.size() / 4);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glVertexPointer(2, GL_FLOAT, 4 * sizeof(float), m_v.data());
        glTexCoordPointer(2, GL_FLOAT, 4 * sizeof(float), m_v.data() + 2);
        for (size_t r = 0; r < m_runs.size(); ++r) {
            const int end = r + 1 < m_runs.size() ? m_runs[r + 1].First : vertices;
            glBindTexture(GL_TEXTURE_2D, m_runs[r].Texture);
            glDrawArrays(GL_QUADS, m_runs[r].First, end - m_runs[r].First);
        }
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
        glDisable(GL_ALPHA_TEST);
    }

private:
    // Clockwise on the screen (y runs down) by deg about (cx, cy).
    static void Turn(float *px, float *py, float cx, float cy, float deg)
    {
        const double a = double(deg) * M_PI / 180.0;
        // Quarter turns exactly, so that turned pieces stay on whole pixels.
        double c = std::cos(a), s = std::sin(a);
        if (std::fabs(c) < 1e-9) c = 0;
        if (std::fabs(s) < 1e-9) s = 0;
        for (int k = 0; k < 4; ++k) {
            const double dx = px[k] - cx, dy = py[k] - cy;
            px[k] = float(cx + dx * c - dy * s);
            py[k] = float(cy + dx * s + dy * c);
        }
    }

    struct TRun {
        uint32_t Texture;
        int First; // vertex
    };
    const TAtlasLayout &m_atlas;
    std::vector<float> m_v; // x, y, s, t per vertex
    std::vector<TRun> m_runs;
};

void DrawFinishedPicture(const Board &b)
{
    if (!b.ShowFinished || b.FinishedTex <= 0 || b.Pieces.Count() == 0)
        return;
    const TCutInfo &cut = b.Cut();
    const Tpiece &p0 = b.Pieces[0];
    // The picture inside the texture starts FinishedInset px in; this puts
    // its top-left pixel exactly where piece 0's picture starts.
    const int d = TexInset(cut) + cut.Margin - FinishedInset;
    const float x = float(p0.X + d), y = float(p0.Y + d);
    const QSize size = FinishedTextureSize(b.PictureBmp.size());
    const float w = float(size.width()), h = float(size.height());
    if (p0.Rotation % 4 == 0) {
        DrawQuad(uint32_t(b.FinishedTex), x, y, h, w);
        return;
    }
    glPushMatrix();
    TurnAbout(float(p0.X + HalfTex(cut)), float(p0.Y + HalfTex(cut)), float(p0.Rotation % 4) * 90.0f);
    DrawQuad(uint32_t(b.FinishedTex), x, y, h, w);
    glPopMatrix();
}

bool InGroupOf(const Board &b, int u, int piece)
{
    if (u == piece)
        return true;
    const int g = b.Pieces[piece].Group;
    return g >= 0 && b.Pieces[u].Group == g;
}

void AddPiece(TQuadBatch &batch, const Board &b, int piece, bool shadow, const float *turn = nullptr)
{
    if (!ValidPiece(b, piece))
        return;
    const Tpiece &p = b.Pieces[piece];
    const int offset = shadow ? 2 : 0;
    const TCutInfo &cut = b.Cut();
    batch.AddSquare(shadow ? p.ShdTex : p.ImgTex, float(p.X + offset), float(p.Y + offset), float(cut.TexSize),
                    float(cut.CellSize), p.Rotation, turn);
}

void DrawPieces(const Board &b, const TAtlasLayout &atlas, bool fullSize, bool dragShadow)
{
    const int turn = ValidPiece(b, b.TurnPiece) ? b.TurnPiece : -1;
    const bool dragOnTop = b.Dragging && dragShadow && ValidPiece(b, b.DragPiece);
    const std::vector<char> shown = ShownPieces(b);
    TQuadBatch batch(atlas);
    // At full size every texel lands on one pixel, whole quarter turns
    // included: the nearest texel is then exactly what filtering would give,
    // at a fraction of a software renderer's cost.
    const bool sharp = fullSize && turn < 0 && atlas.Texture != 0;
    if (sharp) {
        glBindTexture(GL_TEXTURE_2D, atlas.Texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    }

    for (const int u : b.DrawOrder) {
        if (!ValidPiece(b, u) || !shown[size_t(u)])
            continue;
        if (turn >= 0 && InGroupOf(b, u, turn))
            continue; // drawn turning, below
        if (dragOnTop && InGroupOf(b, u, b.DragPiece))
            continue; // drawn last, over its shadow
        AddPiece(batch, b, u, false);
    }

    if (turn >= 0) {
        const TCutInfo &cut = b.Cut();
        const Tpiece &p = b.Pieces[turn];
        const float about[3] = {float(p.X + HalfTex(cut)), float(p.Y + HalfTex(cut)), float(b.TurnAngle)};
        AddPiece(batch, b, turn, false, about);
        for (int m : b.Members(p.Group))
            AddPiece(batch, b, m, false, about);
    }

    if (dragOnTop) {
        const int g = b.Pieces[b.DragPiece].Group;
        if (g < 0) {
            AddPiece(batch, b, b.DragPiece, true);
            AddPiece(batch, b, b.DragPiece, false);
        } else {
            const std::vector<int> members = b.Members(g);
            for (int m : members)
                AddPiece(batch, b, m, true);
            for (int m : members)
                AddPiece(batch, b, m, false);
        }
    }
    batch.Draw();
    if (sharp) {
        glBindTexture(GL_TEXTURE_2D, atlas.Texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    }
}

// Whether a board pixel is one device pixel, on whole pixels: 100%, the
// view on a whole board pixel, and a viewport of as many pixels as the
// window has logical ones.
bool OnePixelATexel(int W, int H, const TTableView &view)
{
    GLint vp[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, vp);
    return view.Zoom == 1.0 && view.Left == std::floor(view.Left) && view.Top == std::floor(view.Top) && vp[2] == W &&
           vp[3] == H;
}

// Board pixels through the view, or window pixels for the overlays.
void Project(double left, double top, double width, double height)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(left, left + width, top + height, top, 0, 15);
    glTranslatef(0, 0, -10);
    glMatrixMode(GL_MODELVIEW);
}

void DrawFinishTime(const TTextureList &list, int W, int H, const QString &caption, bool newRecord)
{
    if (newRecord)
        DrawRole(list, texRecordLabel, float(W / 2 - 128), float(H - 36), 32, 256);
    DrawRole(list, texTimePanel, float(W / 2 - 128), float(H - 140), 64, 256);
    for (int k = 0; k < caption.size(); ++k) {
        const QChar ch = caption.at(k);
        int role = -1;
        if (ch == QLatin1Char(':'))
            role = texColon;
        else if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
            role = texDigit0 + (ch.unicode() - '0');
        // Anything else (a blank, a day-period letter) keeps its slot empty.
        if (role >= 0)
            DrawRole(list, role, float(W / 2 - 83 + k * 20), float(H - 70), 32, 32);
    }
}

void DrawCuttingOverlay(const TTextureList &list, const Board &b, int W, int H)
{
    DrawRole(list, texCuttingLabel, float(W / 2 - 64), float(H / 2), 32, 128);
    const float fill = qBound(0.0f, b.CutProgress, 256.0f);
    if (fill > 0.0f)
        DrawRole(list, texProgressFill, float(W / 2 - 128), float(H / 2 + 48), 16, fill);
}

} // namespace

void SetTableClearColour() { glClearColor(0.3f, 0.4f, 0.6f, 1.0f); }

void InitGLState()
{
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_TEXTURE_2D);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
}

void SetupProjection(int W, int H, int deviceW, int deviceH)
{
    glViewport(0, 0, deviceW, deviceH);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, W, H, 0, 0, 15);
    glTranslatef(0, 0, -10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void DrawQuad(uint32_t tex, float x, float y, float height, float width)
{
    glBindTexture(GL_TEXTURE_2D, tex);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0); glVertex2f(x, y);
    glTexCoord2f(0, 1); glVertex2f(x, y + height);
    glTexCoord2f(1, 1); glVertex2f(x + width, y + height);
    glTexCoord2f(1, 0); glVertex2f(x + width, y);
    glEnd();
}

void DrawFrame(const Board &b, const TTextureList &textures, int W, int H, const QString &timeCaption,
               const TTableView &view, const TAtlasLayout &atlas)
{
    // The table is opaque: alpha is cleared to 1 and never written, so
    // blended pieces cannot make the window see-through.
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
    glColor4f(1, 1, 1, 1);

    const double zoom = view.Zoom > 0 ? view.Zoom : 1.0;
    const int tableW = view.TableW > 0 ? view.TableW : W, tableH = view.TableH > 0 ? view.TableH : H;
    const auto onTable = [&] { Project(view.Left, view.Top, W / zoom, H / zoom); };
    const auto onWindow = [&] { Project(0, 0, W, H); };

    onTable();
    DrawBackground(textures, b, tableW, tableH);
    onWindow();
    DrawRole(textures, texCornerPlate, float(W - play::CornerPlateWidth), float(H - play::CornerPlateHeight),
             play::CornerPlateHeight, play::CornerPlateWidth);
    if (b.Paused) {
        // The table is covered: nothing of the picture shows while the
        // clock stands.
        DrawRole(textures, texPausePlate, float(W / 2 - 128), float(H / 2 - 32), 64, 256);
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        return;
    }
    onTable();
    DrawGhost(b, view.Ghost);
    DrawFinishedPicture(b);

    glColor4f(1, 1, 1, b.PieceAlpha);
    if (b.PiecesVisible)
        DrawPieces(b, atlas, OnePixelATexel(W, H, view), view.DragShadow);
    DrawHintGlow(b, atlas);
    DrawSelectionOutline(b);

    glColor4f(1, 1, 1, 1);
    onWindow();
    if (b.ShowFinished) {
        // At the interface's scale, about the middle of the bottom edge.
        glPushMatrix();
        glTranslatef(W / 2.0f, float(H), 0);
        glScalef(view.UiScale, view.UiScale, 1);
        glTranslatef(-W / 2.0f, -float(H), 0);
        DrawFinishTime(textures, W, H, timeCaption, b.NewRecord);
        glPopMatrix();
    }
    if (b.Cutting)
        DrawCuttingOverlay(textures, b, W, H);
    DrawHandMark(view.Hand);

    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}
