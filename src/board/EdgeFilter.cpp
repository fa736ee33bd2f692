#include "board/EdgeFilter.h"

bool IsEdgePiece(const TCutInfo &cut, const Tpiece &p)
{
    return p.Row == 0 || p.Col == 0 || p.Row == cut.Rows - 1 || p.Col == cut.Cols - 1;
}

namespace {

std::vector<char> ShownByEdgeFilter(const Board &b)
{
    const int n = b.Pieces.Count();
    if (!b.EdgeOnly)
        return std::vector<char>(size_t(n), 1);
    const TCutInfo &cut = b.Cut();
    std::vector<char> shown(size_t(n), 0);
    std::vector<char> groupHasEdge(b.Groups.size(), 0);
    auto inGroup = [&](const Tpiece &p) { return b.HasGroup(p.Group); };
    for (const Tpiece &p : b.Pieces)
        if (inGroup(p) && IsEdgePiece(cut, p))
            groupHasEdge[size_t(p.Group)] = 1;
    for (int i = 0; i < n; ++i) {
        const Tpiece &p = b.Pieces[i];
        shown[size_t(i)] = inGroup(p) ? groupHasEdge[size_t(p.Group)] : IsEdgePiece(cut, p);
    }
    return shown;
}

// Trays and hidden groups take pieces off the table whatever the filter says.
void HideSorted(const Board &b, std::vector<char> &shown)
{
    const int n = b.Pieces.Count();
    for (const TTray &t : b.Trays)
        for (const int p : t.Pieces)
            if (p >= 0 && p < n)
                shown[size_t(p)] = 0;
    if (!b.HideAssembled)
        return;
    for (int i = 0; i < n; ++i) {
        const int g = b.Pieces[i].Group;
        if (b.HasGroup(g) && b.Groups[size_t(g)].size() >= 2)
            shown[size_t(i)] = 0;
    }
}

} // namespace

std::vector<char> ShownPieces(const Board &b)
{
    std::vector<char> shown = ShownByEdgeFilter(b);
    HideSorted(b, shown);
    return shown;
}
