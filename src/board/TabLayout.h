// The jigsaw pattern of a cut as geometry: where every boundary between two
// pieces runs, which piece carries the tab on it and what the tab looks
// like.  One deterministic layout per cut, the same on every build: the
// shape generator draws the mask bitmaps from it, and the game reads each
// piece's tabs from it, so the two can never disagree.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

struct TPointD {
    double X, Y;
};

// The limits every tab keeps, as fractions of its edge's length (At, Head)
// or of its head (Neck), and in degrees (Lean).
constexpr double TabAtMin = 0.35, TabAtMax = 0.65;
constexpr double TabHeadMin = 0.22, TabHeadMax = 0.28;
constexpr double TabNeckMin = 0.55, TabNeckMax = 0.70;
constexpr double TabSizeSpread = 0.10; // the reach varies by this much either way
constexpr double TabLeanMaxDeg = 15.0;
// Nothing of a tab comes nearer than this (pixels) to another edge's line,
// nor to its tile's border.
constexpr double TabClearance = 1.0;

// One tab, in its edge's terms: u along the edge from its first corner (top
// or left), v across it towards the higher cell (right or below).
struct TTab {
    double At;    // centre of the neck's foot along the edge, fraction of its length
    double Head;  // head width over the edge's length
    double Neck;  // neck width over the head width
    double Reach; // how far the tab reaches across the edge, pixels
    double Lean;  // of the tab's axis against the edge's normal, radians
    int Dir;      // +1: the tab reaches into the higher cell, -1: into the lower
};

// One boundary between two pieces: its tab and the gentle curve of the
// side on which the tab sits (v = Bow sin(pi t) + Wave sin(2 pi t) along
// t = u / length).
struct TEdge {
    TTab Tab;
    double Bow;
    double Wave;
};

// An edge drawn as a polyline from its first corner to its last, in
// picture coordinates; points [TabFirst, TabLast] are the tab.
struct TEdgeCurve {
    std::vector<TPointD> Points;
    int TabFirst = 0, TabLast = 0;
};

// What one side of a piece is: the picture's frame, a tab reaching out, or
// the blank a neighbour's tab reaches into.
enum class TSide : uint8_t { Flat, Tab, Blank };
// Sides in grid directions: right 0, down 1, left 2, up 3.
using TPieceSides = std::array<TSide, 4>;

class TTabLayout {
public:
    // The layout of CutTable[sizeIndex] (the first cut for an unknown one).
    explicit TTabLayout(int sizeIndex);

    int Cols() const { return m_cols; }
    int Rows() const { return m_rows; }
    // Pixel boundaries of the columns (Cols + 1 values) and of the rows
    // (Rows + 1), in picture coordinates.  The outer ones are the frame,
    // which maps onto itself when the tile grid is mirrored; where the
    // cut's margins are uneven it reaches past the picture on one side,
    // and cutting keeps only what lies inside the picture.
    const std::vector<int> &ColumnBounds() const { return m_bx; }
    const std::vector<int> &RowBounds() const { return m_by; }

    // The boundary between columns c - 1 and c in row r (0 < c < Cols), and
    // the one between rows r - 1 and r in column c (0 < r < Rows).
    const TEdge &Vertical(int c, int r) const { return m_vert[size_t(r * m_cols + c)]; }
    const TEdge &Horizontal(int c, int r) const { return m_horz[size_t(r * m_cols + c)]; }
    TEdgeCurve VerticalCurve(int c, int r) const;
    TEdgeCurve HorizontalCurve(int c, int r) const;

    // The outline of piece (col, row) of the unmirrored cut, clockwise on
    // the screen from its top-left corner; its sides along the frame are
    // straight.
    std::vector<TPointD> Outline(int col, int row) const;
    // Its sides in the unmirrored cut.
    TPieceSides Sides(int col, int row) const;

    // A hash of the whole layout: shapes kept from another layout (an
    // older version's) are told apart by it.
    uint64_t Fingerprint() const;

private:
    TEdgeCurve Curve(const TEdge &e, bool vertical, double at, double from, double to) const;

    int m_cols, m_rows;
    std::vector<int> m_bx, m_by;
    std::vector<TEdge> m_vert, m_horz; // Cols x Rows each; only the inner entries are edges
};

// The layout of a cut, made on first use and kept.
const TTabLayout &TabLayoutOf(int sizeIndex);

// The sides of the piece whose home is (col, row) in a game whose shape
// bitmaps are mirrored by (flipHor, flipVer): its tile is the mirror of the
// unmirrored tile at the mirrored place, so its right side is that tile's
// left when mirrored left-right, and so on.
TPieceSides MirroredSides(const TTabLayout &layout, int col, int row, bool flipHor, bool flipVer);
