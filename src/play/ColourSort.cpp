#include "play/ColourSort.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "board/EdgeFilter.h"
#include "play/Trays.h"

namespace play {

namespace {

double Linear(double c)
{
    c /= 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Gamma(double c)
{
    const double v = c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
    return std::clamp(v * 255.0, 0.0, 255.0);
}

// D65 white.
constexpr double Xn = 0.95047, Yn = 1.0, Zn = 1.08883;

double F(double t) { return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0; }
double FInv(double t) { return t * t * t > 216.0 / 24389.0 ? t * t * t : (116.0 * t - 16.0) * 27.0 / 24389.0; }

double Distance2(const TLab &a, const TLab &b)
{
    const double d0 = a[0] - b[0], d1 = a[1] - b[1], d2 = a[2] - b[2];
    return d0 * d0 + d1 * d1 + d2 * d2;
}

constexpr int kIterations = 25;

// Empties every tray, for a sort to fill them afresh.
void EmptyTrays(Board &b)
{
    b.Trays = DefaultTrays();
}

} // namespace

TLab LabOfRgb(int r, int g, int bl)
{
    const double R = Linear(r), G = Linear(g), B = Linear(bl);
    const double X = 0.4124 * R + 0.3576 * G + 0.1805 * B;
    const double Y = 0.2126 * R + 0.7152 * G + 0.0722 * B;
    const double Z = 0.0193 * R + 0.1192 * G + 0.9505 * B;
    const double fx = F(X / Xn), fy = F(Y / Yn), fz = F(Z / Zn);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

int RgbOfLab(const TLab &lab)
{
    const double fy = (lab[0] + 16.0) / 116.0, fx = fy + lab[1] / 500.0, fz = fy - lab[2] / 200.0;
    const double X = FInv(fx) * Xn, Y = FInv(fy) * Yn, Z = FInv(fz) * Zn;
    const double R = 3.2406 * X - 1.5372 * Y - 0.4986 * Z;
    const double G = -0.9689 * X + 1.8758 * Y + 0.0415 * Z;
    const double B = 0.0557 * X - 0.2040 * Y + 1.0570 * Z;
    return (int(std::lround(Gamma(R))) << 16) | (int(std::lround(Gamma(G))) << 8) | int(std::lround(Gamma(B)));
}

std::vector<TLab> PieceColours(const Board &b, const QImage &picture)
{
    const TCutInfo &cut = b.Cut();
    const int n = b.Pieces.Count(), pitch = Pitch(cut);
    std::vector<TLab> out(size_t(n), TLab{0, 0, 0});
    if (picture.width() < PictureWidth(cut) || picture.height() < PictureHeight(cut))
        return out;
    const QImage img = picture.convertToFormat(QImage::Format_RGB888);
    // Sums a cell at a time, row by row of the picture.
    std::vector<std::array<double, 3>> sums(size_t(cut.Cols) * size_t(cut.Rows), {0, 0, 0});
    for (int y = 0; y < PictureHeight(cut); ++y) {
        const uchar *line = img.constScanLine(y);
        std::array<double, 3> *row = &sums[size_t(y / pitch) * size_t(cut.Cols)];
        for (int x = 0; x < PictureWidth(cut); ++x) {
            std::array<double, 3> &s = row[x / pitch];
            s[0] += line[3 * x];
            s[1] += line[3 * x + 1];
            s[2] += line[3 * x + 2];
        }
    }
    const double area = double(pitch) * pitch;
    for (int i = 0; i < n; ++i) {
        const Tpiece &p = b.Pieces[i];
        if (p.Row < 0 || p.Row >= cut.Rows || p.Col < 0 || p.Col >= cut.Cols)
            continue;
        const std::array<double, 3> &s = sums[size_t(p.Row) * size_t(cut.Cols) + size_t(p.Col)];
        out[size_t(i)] = LabOfRgb(int(s[0] / area), int(s[1] / area), int(s[2] / area));
    }
    return out;
}

std::vector<int> ClusterColours(const std::vector<TLab> &colours, int k, std::vector<TLab> *centresOut)
{
    const size_t n = colours.size();
    std::vector<int> of(n, 0);
    if (n == 0 || k <= 0)
        return of;
    // Farthest-point seeds, from the darkest colour.
    std::vector<TLab> centres;
    size_t first = 0;
    for (size_t i = 1; i < n; ++i)
        if (colours[i][0] < colours[first][0])
            first = i;
    centres.push_back(colours[first]);
    std::vector<double> nearest(n);
    for (size_t i = 0; i < n; ++i)
        nearest[i] = Distance2(colours[i], centres[0]);
    while (int(centres.size()) < k) {
        const size_t far = size_t(std::max_element(nearest.begin(), nearest.end()) - nearest.begin());
        if (nearest[far] <= 0.0)
            break; // no colour is apart from the chosen ones
        centres.push_back(colours[far]);
        for (size_t i = 0; i < n; ++i)
            nearest[i] = std::min(nearest[i], Distance2(colours[i], centres.back()));
    }
    const size_t m = centres.size();
    for (int it = 0; it < kIterations; ++it) {
        bool moved = false;
        for (size_t i = 0; i < n; ++i) {
            int best = 0;
            double bestD = Distance2(colours[i], centres[0]);
            for (size_t c = 1; c < m; ++c) {
                const double d = Distance2(colours[i], centres[c]);
                if (d < bestD) {
                    bestD = d;
                    best = int(c);
                }
            }
            moved |= it == 0 || of[i] != best;
            of[i] = best;
        }
        if (!moved)
            break;
        std::vector<TLab> sum(m, TLab{0, 0, 0});
        std::vector<int> count(m, 0);
        for (size_t i = 0; i < n; ++i) {
            for (int d = 0; d < 3; ++d)
                sum[size_t(of[i])][size_t(d)] += colours[i][size_t(d)];
            ++count[size_t(of[i])];
        }
        for (size_t c = 0; c < m; ++c)
            if (count[c] > 0)
                for (int d = 0; d < 3; ++d)
                    centres[c][size_t(d)] = sum[c][size_t(d)] / count[c];
    }
    // Lightest first; clusters left empty go.
    std::vector<int> used(m, 0);
    for (const int c : of)
        used[size_t(c)] = 1;
    std::vector<int> order;
    for (size_t c = 0; c < m; ++c)
        if (used[c])
            order.push_back(int(c));
    std::sort(order.begin(), order.end(), [&](int a, int b) { return centres[size_t(a)][0] > centres[size_t(b)][0]; });
    std::vector<int> rank(m, -1);
    for (size_t r = 0; r < order.size(); ++r)
        rank[size_t(order[r])] = int(r);
    for (int &c : of)
        c = rank[size_t(c)];
    if (centresOut) {
        centresOut->clear();
        for (const int c : order)
            centresOut->push_back(centres[size_t(c)]);
    }
    return of;
}

std::vector<int> SortablePieces(const Board &b)
{
    const std::vector<char> shown = ShownPieces(b);
    const std::vector<int> tray = TrayOfPieces(b);
    std::vector<int> out;
    for (int i = 0; i < b.Pieces.Count(); ++i)
        if (!b.HasGroup(b.Pieces[i].Group) && (shown[size_t(i)] || tray[size_t(i)] >= 0))
            out.push_back(i);
    return out;
}

int SortTraysByColour(Board &b, const QImage &picture)
{
    const std::vector<int> pieces = SortablePieces(b);
    const std::vector<TLab> all = PieceColours(b, picture);
    std::vector<TLab> colours;
    colours.reserve(pieces.size());
    for (const int p : pieces)
        colours.push_back(all[size_t(p)]);
    std::vector<TLab> centres;
    const std::vector<int> of = ClusterColours(colours, MaxTrays, &centres);
    EmptyTrays(b);
    b.Selected.clear();
    for (size_t k = 0; k < pieces.size(); ++k)
        b.Trays[size_t(of[k])].Pieces.push_back(pieces[k]);
    for (size_t c = 0; c < centres.size(); ++c)
        b.Trays[c].Swatch = RgbOfLab(centres[c]);
    return int(pieces.size());
}

int SortTraysByShape(Board &b, const TShapeClasses &classes)
{
    if (!classes.ClassOf || classes.Count <= 0)
        return 0;
    const std::vector<int> pieces = SortablePieces(b);
    std::vector<int> classOf(pieces.size(), 0), size(size_t(classes.Count), 0);
    for (size_t k = 0; k < pieces.size(); ++k) {
        classOf[k] = std::clamp(classes.ClassOf(pieces[k]), 0, classes.Count - 1);
        ++size[size_t(classOf[k])];
    }
    // The corners and the edges first, where a player begins; then the
    // other classes by size, largest first (in class order among equals);
    // only classes that have pieces take a tray.
    std::vector<int> order(size_t(classes.Count));
    std::iota(order.begin(), order.end(), 0);
    const auto inner = order.begin() + std::min(classes.Count, classes.FirstSorted);
    if (classes.Count > MaxTrays)
        std::stable_sort(inner, order.end(), [&](int a, int c) { return size[size_t(a)] > size[size_t(c)]; });
    order.erase(std::remove_if(order.begin(), order.end(), [&](int c) { return size[size_t(c)] == 0; }), order.end());
    std::vector<int> trayOf(size_t(classes.Count), MaxTrays - 1);
    EmptyTrays(b);
    b.Selected.clear();
    const bool shared = int(order.size()) > MaxTrays;
    for (size_t r = 0; r < order.size(); ++r) {
        const int tray = shared && int(r) >= MaxTrays - 1 ? MaxTrays - 1 : int(r);
        trayOf[size_t(order[r])] = tray;
        if (tray < MaxTrays - 1 || !shared)
            b.Trays[size_t(tray)].Name =
                order[r] < classes.Names.size() ? classes.Names[order[r]].left(MaxTrayNameChars) : DefaultTrayName(tray);
    }
    if (shared)
        b.Trays[size_t(MaxTrays - 1)].Name = QStringLiteral("Прочие");
    for (size_t k = 0; k < pieces.size(); ++k)
        b.Trays[size_t(trayOf[size_t(classOf[k])])].Pieces.push_back(pieces[k]);
    return int(pieces.size());
}

} // namespace play
