#include "gl/Draw.h"

#include <GL/gl.h>
#include <cmath>
#include <vector>

#include "picture/PictureSetup.h"

#include "board/CoveredShadows.h"
#include "board/EdgeFilter.h"
#include "play/CornerPlate.h"
#include "gl/TableHints.h"
#include "gl/Felt.h"
#include "gl/QuadBatch.h"
#include "gl/SelectionOutline.h"

namespace {

// The dragged pieces' shadow lies 2 px off them at full strength; a resting
// piece's lies 1 px off at a fraction of it.
const int RestingShadowOffset = 1;
const float RestingShadowAlpha = 0.4f;

enum class TShadow { None, Drag, Resting };

// Resting pieces cast their faint shadow from 100% up, where its board
// pixel off the piece is at least a window pixel: zoomed out it falls
// within a pixel of the piece's edge, where it is hardly seen and would
// double the cost of every piece.
bool RestingShadows(const TTableView &view) { return view.DragShadow && view.Zoom >= 1.0; }

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

void DrawRole(const TTextureList &list, int role, float x, float y, float h, float w)
{
    const int32_t tex = RoleTex(list, role);
    if (tex >= 0)
        DrawQuad(uint32_t(tex), x, y, h, w);
}

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

// Whether the table shows a piece at all.
std::vector<char> PieceOnTable(const Board &b) { return ShownPieces(b); }

// The pieces' quads of one layer: the board's visible rectangle (or a
// part of it) in board pixels, outside which nothing is sent.
struct TPieceQuads {
    TQuadBatch &Batch;
    const Board &B;
    QRectF Cull;
    float Alpha;
    // The pieces the table shows, and the shadows their own groups cover
    // (left out).
    std::vector<char> Shown = PieceOnTable(B);
    std::vector<char> Covered = CoveredShadows(B, Shown);

    // The piece (shadow: its shadow, strong or faint), unless it lies
    // wholly outside the cull rectangle; a turning piece is always sent.
    void Add(int piece, TShadow shadow, const float *turn = nullptr) const
    {
        if (!ValidPiece(B, piece) || (shadow != TShadow::None && Covered[size_t(piece)]))
            return;
        const Tpiece &p = B.Pieces[piece];
        const TCutInfo &cut = B.Cut();
        const int offset = shadow == TShadow::Drag ? DragShadowOffset : shadow == TShadow::Resting ? RestingShadowOffset : 0;
        const float x = float(p.X + offset), y = float(p.Y + offset), side = float(cut.TexSize);
        if (!turn && !Cull.intersects(QRectF(x, y, side, side)))
            return;
        const float alpha = shadow == TShadow::Resting ? Alpha * RestingShadowAlpha : Alpha;
        Batch.AddSquare(shadow != TShadow::None ? p.ShdTex : p.ImgTex, x, y, side, float(cut.CellSize), p.Rotation,
                        turn, alpha);
    }
};

// The resting pieces in stacking order, each over its faint shadow when
// shadows are on, less the moving ones (drawn by their own layer).
void AddResting(const TPieceQuads &q, const Board &b, const TTableView &view, const std::vector<char> &moving,
                const std::vector<char> &skip)
{
    for (const int u : b.DrawOrder) {
        if (!ValidPiece(b, u) || !q.Shown[size_t(u)] || moving[size_t(u)] || skip[size_t(u)])
            continue;
        if (RestingShadows(view))
            q.Add(u, TShadow::Resting);
        q.Add(u, TShadow::None);
    }
}

// The dragged piece or group drawn over everything: with shadows on, the
// strong shadows of every member first, then the members; with shadows off
// in stacking order, where picking has put it on top.
void AddMoving(const TPieceQuads &q, const Board &b, const TTableView &view, const std::vector<int> &moving)
{
    if (view.DragShadow)
        for (int m : moving)
            q.Add(m, TShadow::Drag);
    for (int m : moving)
        q.Add(m, TShadow::None);
}

// The board's rectangle the window shows, in board pixels.
QRectF VisibleBoard(int W, int H, const TTableView &view)
{
    const double zoom = view.Zoom > 0 ? view.Zoom : 1.0;
    return QRectF(view.Left, view.Top, W / zoom, H / zoom);
}

QRectF BoardOfWindow(const QRect &r, const TTableView &view)
{
    const double zoom = view.Zoom > 0 ? view.Zoom : 1.0;
    return QRectF(view.Left + r.x() / zoom, view.Top + r.y() / zoom, r.width() / zoom, r.height() / zoom);
}

// The resting pieces, the turning piece or group, and (moving empty) the
// dragged piece or group on top as DrawFrame has them.
void DrawPieces(const Board &b, const TAtlasLayout &atlas, bool fullSize, const TTableView &view,
                const std::vector<int> &moving, const QRectF &cull)
{
    const int turn = ValidPiece(b, b.TurnPiece) ? b.TurnPiece : -1;
    TQuadBatch batch(atlas);
    const TPieceQuads q{batch, b, cull, b.PieceAlpha};
    const TPageFilters filters(atlas, fullSize && turn < 0, view);

    // Without a moving layer the dragged pieces go on top here.
    const std::vector<int> onTop = moving.empty() ? MovingPieces(b, view.DragShadow) : std::vector<int>();
    const bool dragOnTop = moving.empty() && !onTop.empty() && view.DragShadow;
    std::vector<char> skip(size_t(b.Pieces.Count()), 0);
    if (turn >= 0)
        for (int u = 0; u < b.Pieces.Count(); ++u)
            skip[size_t(u)] = InGroupOf(b, u, turn); // drawn turning, below
    if (dragOnTop)
        for (int u : onTop)
            skip[size_t(u)] = 1; // drawn last, over its shadow
    AddResting(q, b, view, PieceFlags(b, moving), skip);

    if (turn >= 0) {
        const TCutInfo &cut = b.Cut();
        const Tpiece &p = b.Pieces[turn];
        const float about[3] = {float(p.X + HalfTex(cut)), float(p.Y + HalfTex(cut)), float(b.TurnAngle)};
        q.Add(turn, TShadow::None, about);
        for (int m : b.Members(p.Group))
            q.Add(m, TShadow::None, about);
    }
    if (dragOnTop)
        AddMoving(q, b, view, onTop);
    batch.Draw();
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

namespace {

// The table is opaque: alpha is cleared to 1 and never written, so
// blended pieces cannot make the window see-through.
void BeginFrame()
{
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
    glColor4f(1, 1, 1, 1);
}

void EndFrame()
{
    glColor4f(1, 1, 1, 1);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

void OnTable(int W, int H, const TTableView &view)
{
    const QRectF r = VisibleBoard(W, H, view);
    Project(r.left(), r.top(), r.width(), r.height());
}

void OnWindow(int W, int H) { Project(0, 0, W, H); }

// Background, corner plate and finished picture; a paused table shows its
// pause plate instead of anything of the picture and answers false.
bool DrawUnderPieces(const Board &b, const TTextureList &textures, int W, int H, const TTableView &view)
{
    const int tableW = view.TableW > 0 ? view.TableW : W, tableH = view.TableH > 0 ? view.TableH : H;
    const TOneToOne sharp({RoleTex(textures, texBackground), b.FinishedTex}, OnePixelATexel(W, H, view));
    if (view.FeltTex != 0) {
        OnWindow(W, H);
        DrawFeltAtZoom(view, tableW, tableH, W, H);
    } else {
        OnTable(W, H, view);
        const int32_t felt = RoleTex(textures, texBackground);
        DrawFelt(felt > 0 ? uint32_t(felt) : 0, b.BgTileW, b.BgTileH, tableW, tableH);
        OnWindow(W, H);
    }
    const QRect plate = FixedOnWindow(W, H);
    DrawRole(textures, texCornerPlate, float(plate.x()), float(plate.y()), float(plate.height()),
             float(plate.width()));
    if (b.Paused) {
        // The table is covered: nothing of the picture shows while the
        // clock stands.
        DrawRole(textures, texPausePlate, float(W / 2 - 128), float(H / 2 - 32), 64, 256);
        return false;
    }
    OnTable(W, H, view);
    DrawGhost(b, view.Ghost);
    DrawFinishedPicture(b);
    return true;
}

} // namespace

void DrawFrame(const Board &b, const TTextureList &textures, int W, int H, const QString &timeCaption,
               const TTableView &view, const TAtlasLayout &atlas)
{
    DrawFramePart(b, textures, W, H, timeCaption, view, atlas, QRect(0, 0, W, H));
}

void DrawFramePart(const Board &b, const TTextureList &textures, int W, int H, const QString &timeCaption,
                   const TTableView &view, const TAtlasLayout &atlas, const QRect &clip)
{
    BeginFrame();
    if (!DrawUnderPieces(b, textures, W, H, view)) {
        EndFrame();
        return;
    }
    if (b.PiecesVisible)
        DrawPieces(b, atlas, OnePixelATexel(W, H, view), view, {}, BoardOfWindow(clip, view));
    // What the table shows over its pieces: the hint's pulse, the selection.
    OnTable(W, H, view);
    DrawHintGlow(b, atlas);
    DrawSelectionOutline(b);
    glColor4f(1, 1, 1, 1);
    OnWindow(W, H);
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
    EndFrame();
}

namespace {

// Pieces laid over the frame already shown, within `clip`: `add` sends
// their quads.
template <typename TAdd>
void DrawOver(const Board &b, int W, int H, const TTableView &view, const TAtlasLayout &atlas, const QRect &clip,
              TAdd add)
{
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
    OnTable(W, H, view);
    TQuadBatch batch(atlas);
    const TPieceQuads q{batch, b, BoardOfWindow(clip, view), b.PieceAlpha};
    {
        const TPageFilters filters(atlas, OnePixelATexel(W, H, view), view);
        add(q);
        batch.Draw();
    }
    EndFrame();
}

} // namespace

void DrawSettled(const Board &b, int W, int H, const TTableView &view, const TAtlasLayout &atlas,
                 const std::vector<int> &settled, const QRect &clip)
{
    DrawOver(b, W, H, view, atlas, clip, [&](const TPieceQuads &q) {
        for (int u : settled) {
            if (!ValidPiece(b, u) || !q.Shown[size_t(u)])
                continue;
            if (RestingShadows(view))
                q.Add(u, TShadow::Resting);
            q.Add(u, TShadow::None);
        }
    });
}

void DrawTable(const Board &b, const TTextureList &textures, int W, int H, const TTableView &view,
               const TAtlasLayout &atlas, const std::vector<int> &moving)
{
    DrawTablePart(b, textures, W, H, view, atlas, moving, QRect(0, 0, W, H));
}

void DrawTablePart(const Board &b, const TTextureList &textures, int W, int H, const TTableView &view,
                   const TAtlasLayout &atlas, const std::vector<int> &moving, const QRect &clip)
{
    BeginFrame();
    if (DrawUnderPieces(b, textures, W, H, view) && b.PiecesVisible)
        DrawPieces(b, atlas, OnePixelATexel(W, H, view), view, moving, BoardOfWindow(clip, view));
    EndFrame();
}

void DrawMoving(const Board &b, int W, int H, const TTableView &view, const TAtlasLayout &atlas,
                const std::vector<int> &moving, const QRect &clip)
{
    DrawOver(b, W, H, view, atlas, clip, [&](const TPieceQuads &q) { AddMoving(q, b, view, moving); });
}
