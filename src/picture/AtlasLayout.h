// Where the piece textures of a game live when they share large textures
// (the atlas): square slots of Side pixels, row after row on a page, page
// after page, the handle of a texture being its slot number plus one.
// A card's largest texture decides how many pages a game needs.  Without
// an atlas (no pages) each handle is a texture of its own.
#pragma once

#include <QRectF>
#include <cstdint>
#include <vector>

struct TCutInfo;

// Rows of a page stay within this width; its height follows.
constexpr int AtlasWidest = 2048;
// A game spread over more pages than this is more than the card can hold.
constexpr int AtlasMostPages = 16;

struct TAtlasLayout {
    std::vector<uint32_t> Pages; // the pages' texture names; empty = no atlas
    int Width = 0;               // of one page, in texels
    int Height = 0;
    int Side = 0;                // of one slot
    int PageCount = 0;

    int PerRow() const { return Side > 0 ? Width / Side : 0; }
    int PerPage() const { return Side > 0 ? PerRow() * (Height / Side) : 0; }
    int Capacity() const { return PerPage() * PageCount; }
    // The page of a handle's slot (-1 for a handle outside).
    int PageOf(uint32_t handle) const;
    // The page's texture of a handle, 0 without one.
    uint32_t TextureOf(uint32_t handle) const;
    // The texel rectangle of a handle's slot on its page (empty for a
    // handle outside).
    QRect SlotRect(uint32_t handle) const;
    // The same in texture coordinates, t = 0 at the slot's top row.
    QRectF SlotCoords(uint32_t handle) const;

    // The atlas for `count` slots of `side`: a page as wide as needed up to
    // `widest` texels (and the card's `largest`), as tall as its rows need
    // up to `largest`, then more pages of that size.  Empty when not even
    // one slot fits the card.
    static TAtlasLayout For(int count, int side, int widest, int largest);
};

// Whether a card whose textures are at most `largest` texels a side holds
// every piece and shadow of the cut.
bool CutFitsCard(const TCutInfo &cut, int largest);
