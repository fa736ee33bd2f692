// Where the piece textures of a game live when they share one large
// texture (the atlas): one square slot of Side pixels per texture, row
// after row, the handle of a texture being its slot number plus one.
// Without an atlas (Texture 0) each handle is a texture of its own.
#pragma once

#include <QRectF>
#include <cstdint>

struct TAtlasLayout {
    uint32_t Texture = 0; // the atlas's texture name; 0 = no atlas
    int Width = 0;        // in texels
    int Height = 0;
    int Side = 0;         // of one slot

    int PerRow() const { return Side > 0 ? Width / Side : 0; }
    int Capacity() const { return Side > 0 ? PerRow() * (Height / Side) : 0; }
    // The texel rectangle of a handle's slot (empty for a handle outside).
    QRect SlotRect(uint32_t handle) const;
    // The same in texture coordinates, t = 0 at the slot's top row.
    QRectF SlotCoords(uint32_t handle) const;

    // The atlas for `count` slots of `side`: as wide as needed up to
    // `widest` texels, then as tall as the rows need.  Empty when even
    // that would exceed `largest` texels on a side.
    static TAtlasLayout For(int count, int side, int widest, int largest);
};
