// What a frame can take from the last one and from the cached table: the
// pieces that move and those that settled, where they lie, whether the
// frame only moves with the view, and the digests of what a frame and its
// table layer show (two equal digests draw the same pixels).
#include <GL/gl.h>
#include <QHash>
#include <cmath>

#include "board/CoveredShadows.h"
#include "board/EdgeFilter.h"
#include "gl/Draw.h"
#include "play/CornerPlate.h"

namespace {

bool ValidPiece(const Board &b, int i) { return i >= 0 && i < b.Pieces.Count(); }

// FNV-1a over the values that decide a layer's pixels.
class TDigest {
public:
    template <typename T> void Add(const T &v)
    {
        const auto *p = reinterpret_cast<const unsigned char *>(&v);
        for (size_t i = 0; i < sizeof(T); ++i)
            m_h = (m_h ^ p[i]) * 1099511628211ull;
    }
    uint64_t Value() const { return m_h; }

private:
    uint64_t m_h = 14695981039346656037ull;
};

void AddScene(TDigest &d, const Board &b, const TTextureList &textures, int W, int H, const TTableView &view,
              const TAtlasLayout &atlas)
{
    for (const auto v : {W, H, view.TableW, view.TableH, b.BgTileW, b.BgTileH, int(view.FeltTex), view.FeltW,
                         view.FeltH, b.Pieces.Count(), b.FinishedTex,
                         b.TurnPiece, int(b.SizeIndex), int(b.DrawOrder.size())})
        d.Add(v);
    for (const double v : {view.Left, view.Top, view.Zoom, double(b.PieceAlpha), double(b.TurnAngle),
                           double(view.Ghost), double(view.UiScale)})
        d.Add(v);
    for (const bool v : {view.DragShadow, view.Reduced, b.Paused, b.PiecesVisible, b.ShowFinished, b.EdgeOnly})
        d.Add(v);
    for (const auto v : {b.HintPiece, b.HintTicks, b.Band.left(), b.Band.top(), b.Band.right(), b.Band.bottom()})
        d.Add(v);
    for (const int u : b.Selected)
        d.Add(u);
    for (const TTexture &t : textures)
        d.Add(t.Id);
    for (const uint32_t page : atlas.Pages)
        d.Add(page);
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    d.Add(viewport);
}

void AddPieceState(TDigest &d, const Tpiece &p)
{
    for (const auto v : {p.X, p.Y, int(p.Rotation), p.Group})
        d.Add(v);
    d.Add(p.ImgTex);
    d.Add(p.ShdTex);
}

} // namespace

std::vector<char> PieceFlags(const Board &b, const std::vector<int> &pieces)
{
    std::vector<char> f(size_t(b.Pieces.Count()), 0);
    for (int u : pieces)
        if (ValidPiece(b, u))
            f[size_t(u)] = 1;
    return f;
}

uint64_t TableSignature(const Board &b, const TTextureList &textures, int W, int H, const TTableView &view,
                        const TAtlasLayout &atlas, const std::vector<int> &moving)
{
    TDigest d;
    AddScene(d, b, textures, W, H, view, atlas);
    const std::vector<char> mine = PieceFlags(b, moving);
    const std::vector<char> shown = ShownPieces(b);
    const std::vector<char> covered = CoveredShadows(b, shown);
    for (const int u : b.DrawOrder) {
        d.Add(u);
        if (!ValidPiece(b, u))
            continue;
        d.Add(mine[size_t(u)]);
        d.Add(shown[size_t(u)]);
        d.Add(covered[size_t(u)]);
        if (!mine[size_t(u)])
            AddPieceState(d, b.Pieces[u]);
    }
    return d.Value();
}

uint64_t FrameSignature(const Board &b, const TTextureList &textures, int W, int H, const QString &timeCaption,
                        const TTableView &view, const TAtlasLayout &atlas)
{
    TDigest d;
    d.Add(TableSignature(b, textures, W, H, view, atlas, {}));
    for (const auto v : {b.Dragging, b.Cutting, b.NewRecord})
        d.Add(v);
    d.Add(b.DragPiece);
    d.Add(b.CutProgress);
    d.Add(view.Hand.Shown);
    d.Add(view.Hand.Holding);
    for (const float v : {view.Hand.X, view.Hand.Y, view.Hand.Side})
        d.Add(v);
    if (b.ShowFinished)
        d.Add(qHash(timeCaption));
    return d.Value();
}

uint64_t FrameSignatureAnywhere(const Board &b, const TTextureList &textures, int W, int H,
                                const QString &timeCaption, const TTableView &view, const TAtlasLayout &atlas)
{
    TTableView still = view;
    still.Left = still.Top = 0;
    return FrameSignature(b, textures, W, H, timeCaption, still, atlas);
}

uint64_t TableSignatureAnywhere(const Board &b, const TTextureList &textures, int W, int H, const TTableView &view,
                                const TAtlasLayout &atlas, const std::vector<int> &moving)
{
    TTableView still = view;
    still.Left = still.Top = 0;
    return TableSignature(b, textures, W, H, still, atlas, moving);
}

namespace {

// Nothing but pieces changes on the table: no turn, no overlay over it (a
// hint's pulse, a selection's outline or band); else frames are whole.
bool OnlyPiecesChange(const Board &b)
{
    return !ValidPiece(b, b.TurnPiece) && !b.Cutting && !b.ShowFinished && !b.Paused && b.PiecesVisible &&
           !ValidPiece(b, b.HintPiece) && b.Selected.empty() && b.Band.isEmpty();
}

// The top of the stacking order when it holds exactly `pieces`.
std::vector<int> TopHolding(const Board &b, const std::vector<int> &pieces)
{
    const std::vector<char> mine = PieceFlags(b, pieces);
    if (pieces.empty() || pieces.size() > b.DrawOrder.size())
        return {};
    const std::vector<int> tail(b.DrawOrder.end() - std::ptrdiff_t(pieces.size()), b.DrawOrder.end());
    for (int u : tail)
        if (!ValidPiece(b, u) || !mine[size_t(u)])
            return {};
    return tail;
}

} // namespace

std::vector<int> MovingPieces(const Board &b, bool dragShadow)
{
    if (!b.Dragging || !ValidPiece(b, b.DragPiece) || !OnlyPiecesChange(b))
        return {};
    const int g = b.Pieces[b.DragPiece].Group;
    std::vector<int> members = g >= 0 ? b.Members(g) : std::vector<int>{b.DragPiece};
    if (dragShadow)
        return members;
    // Without shadows the dragged pieces keep their place in the stacking
    // order: they move alone only while they lie on top of it.
    return TopHolding(b, members);
}

std::vector<int> SettledPieces(const Board &b, const std::vector<int> &dropped)
{
    if (b.Dragging || !OnlyPiecesChange(b))
        return {};
    return TopHolding(b, dropped);
}

namespace {

// The window pixels a piece's square at (x, y) and its shadows can touch.
QRect SquareBounds(const Board &b, const TTableView &view, int x, int y)
{
    const double zoom = view.Zoom > 0 ? view.Zoom : 1.0;
    const int side = b.Cut().TexSize + DragShadowOffset;
    const int x0 = int(std::floor((x - view.Left) * zoom)) - 1, y0 = int(std::floor((y - view.Top) * zoom)) - 1;
    const int x1 = int(std::ceil((x + side - view.Left) * zoom)) + 1;
    const int y1 = int(std::ceil((y + side - view.Top) * zoom)) + 1;
    return QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1));
}

} // namespace

QRect MovingBounds(const Board &b, const TTableView &view, const std::vector<int> &moving)
{
    QRect r;
    for (int m : moving)
        if (ValidPiece(b, m))
            r |= SquareBounds(b, view, b.Pieces[m].X, b.Pieces[m].Y);
    return r;
}

bool FrameMovesWithView(const Board &b, const TTableView &view, int W, int H, int deviceW, int deviceH)
{
    return view.Zoom == 1.0 && view.Left == std::floor(view.Left) && view.Top == std::floor(view.Top) &&
           deviceW == W && deviceH == H && !b.Paused && !b.ShowFinished && !b.Cutting && !view.Hand.Shown &&
           !ValidPiece(b, b.TurnPiece) && !ValidPiece(b, b.HintPiece);
}

QRect FixedOnWindow(int W, int H)
{
    return QRect(W - play::CornerPlateWidth, H - play::CornerPlateHeight, play::CornerPlateWidth,
                 play::CornerPlateHeight);
}

namespace {

enum : int { LookShown = 1, LookCovered = 2, LookMoving = 4 };

} // namespace

TPiecesDrawn PiecesDrawn(const Board &b, const TTextureList &textures, int W, int H, const TTableView &view,
                         const TAtlasLayout &atlas, const std::vector<int> &moving)
{
    TPiecesDrawn d;
    // Only pieces may differ between two such frames: nothing drawn over
    // them, nothing on the window but the corner plate.
    if (!OnlyPiecesChange(b) || b.Cutting || b.NewRecord || view.Hand.Shown)
        return d;
    TDigest scene;
    AddScene(scene, b, textures, W, H, view, atlas);
    d.Scene = scene.Value() | 1; // never 0
    const std::vector<char> shown = ShownPieces(b), covered = CoveredShadows(b, shown), mine = PieceFlags(b, moving);
    d.Pieces.resize(size_t(b.Pieces.Count()));
    for (int u = 0; u < b.Pieces.Count(); ++u) {
        const Tpiece &p = b.Pieces[u];
        const size_t i = size_t(u);
        d.Pieces[i] = {p.X, p.Y, int(p.Rotation),
                       (shown[i] ? LookShown : 0) | (covered[i] ? LookCovered : 0) | (mine[i] ? LookMoving : 0),
                       p.ImgTex, p.ShdTex};
    }
    d.Order.reserve(b.DrawOrder.size());
    for (int u : b.DrawOrder)
        if (ValidPiece(b, u) && !mine[size_t(u)])
            d.Order.push_back(u);
    for (int u : moving)
        if (ValidPiece(b, u))
            d.Order.push_back(u);
    return d;
}

std::optional<QRect> ChangedSince(const Board &b, const TTableView &view, const TPiecesDrawn &was,
                                  const TPiecesDrawn &now)
{
    if (was.Scene == 0 || was.Scene != now.Scene || was.Pieces.size() != now.Pieces.size() ||
        was.Order.size() != now.Order.size())
        return std::nullopt;
    const size_t n = now.Pieces.size();
    std::vector<char> changed(n, 0);
    for (size_t i = 0; i < n; ++i)
        changed[i] = !(was.Pieces[i] == now.Pieces[i]);
    // The stacking order: the pieces kept in the order they had (the
    // longest run of rising old places, taken greedily) draw over each
    // other as before; every other piece counts as changed, so that any
    // two pieces that now lie the other way round have one changed.
    std::vector<int> wasAt(n, -1);
    for (size_t k = 0; k < was.Order.size(); ++k)
        if (size_t(was.Order[k]) < n)
            wasAt[size_t(was.Order[k])] = int(k);
    int last = -1;
    for (const int u : now.Order) {
        if (size_t(u) >= n || wasAt[size_t(u)] < 0)
            return std::nullopt;
        if (wasAt[size_t(u)] > last)
            last = wasAt[size_t(u)];
        else
            changed[size_t(u)] = 1;
    }
    QRect r;
    for (size_t i = 0; i < n; ++i) {
        if (!changed[i])
            continue;
        if (was.Pieces[i].Look & LookShown)
            r |= SquareBounds(b, view, was.Pieces[i].X, was.Pieces[i].Y);
        if (now.Pieces[i].Look & LookShown)
            r |= SquareBounds(b, view, now.Pieces[i].X, now.Pieces[i].Y);
    }
    return r;
}
