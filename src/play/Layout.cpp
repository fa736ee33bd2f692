#include "play/Layout.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "play/Reach.h"
#include "play/HomeArea.h"

namespace play {

void ChooseFlips(Board &b, TRandom &rng)
{
    switch (rng.Random(4)) {
    case 0: b.FlipHor = 0; b.FlipVer = 0; break;
    case 1: b.FlipHor = 1; b.FlipVer = 0; break;
    case 2: b.FlipHor = 0; b.FlipVer = 1; break;
    default: b.FlipHor = 1; b.FlipVer = 1; break;
    }
}

namespace {

// A big cut's pieces on a grid of order as far apart as the table allows,
// in a random order, each shaken within its slot by as much as keeps it
// from covering a neighbour by more than a fifth of its square.
void ScatterApart(Board &b, TRandom &rng, int width, int height)
{
    const TCutInfo &c = b.Cut();
    const int n = b.Pieces.Count();
    const int rangeX = std::max(1, width - c.CellSize), rangeY = std::max(1, height - c.CellSize);
    int nx = 1, ny = n, step = 0;
    for (int cols = 1; cols <= n; ++cols) {
        const int rows = (n + cols - 1) / cols;
        const int s = std::min(rangeX / cols, rangeY / rows);
        if (s > step) {
            step = s;
            nx = cols;
            ny = rows;
        }
    }
    const int sx = rangeX / nx, sy = rangeY / ny;
    // Neighbours' squares overlap by (CellSize - distance) x CellSize at
    // most: a distance of four fifths of a square or more keeps it a fifth.
    const int shake = std::max(0, (std::min(sx, sy) - (4 * c.CellSize + 4) / 5) / 2);
    std::vector<int> order(size_t(nx) * size_t(ny));
    for (size_t k = 0; k < order.size(); ++k)
        order[k] = int(k);
    for (int k = int(order.size()) - 1; k > 0; --k)
        std::swap(order[size_t(k)], order[size_t(rng.Random(k + 1))]);
    b.DrawOrder.clear();
    for (int i = 0; i < n; ++i) {
        Tpiece &p = b.Pieces[i];
        const int slot = order[size_t(i)];
        const int jx = shake > 0 ? rng.Random(2 * shake + 1) - shake : 0;
        const int jy = shake > 0 ? rng.Random(2 * shake + 1) - shake : 0;
        p.X = std::clamp((slot % nx) * sx + sx / 2 + jx, 0, rangeX - 1);
        p.Y = std::clamp((slot / nx) * sy + sy / 2 + jy, 0, rangeY - 1);
        p.Group = -1;
        p.Rotation = b.RotateEnabled ? uint8_t(rng.Random(4)) : uint8_t(0);
        b.DrawOrder.push_back(i);
    }
}

} // namespace

void ScatterPieces(Board &b, TRandom &rng, int width, int height)
{
    if (IsBigCut(b.SizeIndex) && b.Pieces.Count() > 0) {
        ScatterApart(b, rng, width, height);
        return;
    }
    const TCutInfo &c = b.Cut();
    const int rangeX = std::max(1, width - c.CellSize);
    const int rangeY = std::max(1, height - c.CellSize);
    b.DrawOrder.clear();
    for (int i = 0; i < b.Pieces.Count(); ++i) {
        Tpiece &p = b.Pieces[i];
        p.X = rng.Random(rangeX);
        p.Y = rng.Random(rangeY);
        p.Group = -1;
        p.Rotation = b.RotateEnabled ? uint8_t(rng.Random(4)) : uint8_t(0);
        b.DrawOrder.push_back(i);
    }
}

TSpiralGrid SpiralGrid(const TCutInfo &cut, int width, int height)
{
    TSpiralGrid g{};
    g.Cell = cut.CellSize - cut.Margin + 2;
    const int w = width - g.Cell - 10;
    const int h = height - g.Cell - 10;
    g.Nx = w > 0 ? w / g.Cell : 0;
    g.Ny = h > 0 ? h / g.Cell : 0;
    g.Sx = g.Nx > 0 ? w / g.Nx : 0;
    g.Sy = g.Ny > 0 ? h / g.Ny : 0;
    g.Off = cut.Margin / 2 - 4;
    return g;
}

std::vector<std::pair<int, int>> SpiralSlots(const TSpiralGrid &g)
{
    std::vector<std::pair<int, int>> places;
    if (g.Nx <= 0 || g.Ny <= 0)
        return places;
    const size_t total = size_t(g.Nx + 1) * size_t(g.Ny + 1);
    std::set<std::pair<int, int>> used;
    enum { Top, Right, Bottom, Left } side = Top;
    int q = 0, k = 0;
    while (places.size() < total) {
        std::pair<int, int> slot;
        switch (side) {
        case Top:
            slot = {k, q};
            if (k < g.Nx - q) {
                ++k;
            } else {
                side = Right;
                k = q + 1;
            }
            break;
        case Right:
            slot = {g.Nx - q, k};
            if (k < g.Ny - q) {
                ++k;
            } else {
                side = Bottom;
                k = g.Nx - q - 1;
            }
            break;
        case Bottom:
            slot = {k, g.Ny - q};
            if (k == q) {
                side = Left;
                k = g.Ny - q - 1;
            } else {
                --k;
            }
            break;
        case Left:
            slot = {q, k};
            if (k > q + 1) {
                --k;
            } else {
                side = Top;
                ++q;
                k = q;
            }
            break;
        }
        // Where the rings meet in the middle the walk would run on over used
        // places and off the table: the spiral ends there.
        if (slot.first < 0 || slot.first > g.Nx || slot.second < 0 || slot.second > g.Ny)
            break;
        if (!used.insert(slot).second)
            break;
        places.push_back(slot);
    }
    return places;
}

namespace {

// Pieces left over when the spiral is full (or the table has no room for a
// ring) go on a compact grid round the middle of the table, each with its
// hit square on the table.
void LayInMiddle(Board &b, const std::vector<int> &pieces, int width, int height)
{
    if (pieces.empty())
        return;
    const TCutInfo &c = b.Cut();
    const int n = int(pieces.size());
    const int cols = std::max(1, int(std::ceil(std::sqrt(double(n)))));
    const int rows = (n + cols - 1) / cols;
    const int hit = c.CellSize - c.Margin;
    // Spread over the middle half of the table, at most a hit square apart.
    const int stepX = cols > 1 ? std::clamp((width / 2 - hit) / (cols - 1), 0, hit) : 0;
    const int stepY = rows > 1 ? std::clamp((height / 2 - hit) / (rows - 1), 0, hit) : 0;
    const int x0 = (width - hit - (cols - 1) * stepX) / 2 - c.Margin;
    const int y0 = (height - hit - (rows - 1) * stepY) / 2 - c.Margin;
    const int minX = -c.Margin, maxX = std::max(minX, width - c.CellSize);
    const int minY = -c.Margin, maxY = std::max(minY, height - c.CellSize);
    for (int i = 0; i < n; ++i) {
        Tpiece &p = b.Pieces[pieces[size_t(i)]];
        p.X = std::clamp(x0 + (i % cols) * stepX, minX, maxX);
        p.Y = std::clamp(y0 + (i / cols) * stepY, minY, maxY);
    }
}

} // namespace

std::vector<QPoint> EdgeSlots(int sizeIndex, int width, int height)
{
    const TCutInfo &cut = CutTable[ValidSizeIndex(sizeIndex) ? sizeIndex : 1];
    const TSpiralGrid g = SpiralGrid(cut, width, height);
    const QRect home = HomeArea(cut, width, height);
    std::vector<QPoint> out;
    for (const auto &[c, r] : SpiralSlots(g)) {
        const QPoint corner(c * g.Sx - g.Off, r * g.Sy - g.Off);
        if (!IsBigCut(sizeIndex) || !PieceOverlaps(cut, corner.x(), corner.y(), home))
            out.push_back(corner);
    }
    return out;
}

void AutoRoundJigsy(Board &b, TRandom &rng, int width, int height)
{
    // Each step takes a random one of the first k + 1 and moves it to k,
    // the ones after it closing up.
    for (int k = int(b.DrawOrder.size()) - 1; k >= 0; --k) {
        const auto from = b.DrawOrder.begin() + rng.Random(k + 1);
        std::rotate(from, from + 1, b.DrawOrder.begin() + k + 1);
    }
    const std::vector<QPoint> places = EdgeSlots(b.SizeIndex, width, height);
    std::vector<int> leftOver;
    size_t next = 0;
    for (const int piece : b.DrawOrder) {
        if (piece < 0 || piece >= b.Pieces.Count())
            continue;
        if (next < places.size()) {
            Tpiece &p = b.Pieces[piece];
            p.X = places[next].x();
            p.Y = places[next].y();
            ++next;
        } else {
            leftOver.push_back(piece);
        }
    }
    LayInMiddle(b, leftOver, width, height);
}

bool NewGame(Board &b, TRandom &rng, int width, int height, bool edgeLayout,
             const std::function<bool()> &createJigsy)
{
    rng.Randomize();
    ChooseFlips(b, rng);
    b.ShowFinished = false;
    if (!createJigsy || !createJigsy())
        return false;
    // Nothing of the last game's turn, fade or drag may carry over to the
    // new one (a release lost outside the window would leave a drag behind).
    b.TurnPiece = -1;
    b.TurnAngle = 0;
    b.AniTurning = false;
    b.Dragging = false;
    b.DragGroup = false;
    ScatterPieces(b, rng, width, height);
    if (edgeLayout)
        AutoRoundJigsy(b, rng, width, height);
    KeepPiecesOnTable(b, width, height);
    b.PiecesVisible = true;
    b.PieceAlpha = 1.0f;
    return true;
}

} // namespace play
