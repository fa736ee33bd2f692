// The piece textures of a game in one large texture, so that a frame binds
// it once and draws every piece and shadow from one vertex array.  Cutting
// reserves the room for the whole game first; each piece image then goes
// into the next free slot and is known by its handle (TAtlasLayout).
#pragma once

#include <vector>

#include "picture/AtlasLayout.h"
#include "picture/TextureSink.h"

class TPieceAtlas : public ITextureSink {
public:
    // A new atlas when the old one is too small or of another slot size;
    // the old one is reused (all slots free) otherwise.
    void Reserve(int count, int side) override;
    // The image (side x side) into the next free slot; 0 when it does not
    // fit or there is no context.
    uint32_t UploadRGBA(const QImage &rgba) override;
    // Refills a slot, or takes a new one when name < 0.
    int32_t ReplaceRGBA(int32_t name, const QImage &rgba) override;
    // Frees the slot; the atlas itself stays for the next game.
    void DeleteTexture(uint32_t handle) override;
    // Deletes the atlas's texture (context current or made so).
    void Release();

    const TAtlasLayout &Layout() const { return m_layout; }
    int Used() const { return m_used; }

private:
    bool Fill(uint32_t handle, const QImage &rgba);

    TAtlasLayout m_layout;
    std::vector<char> m_taken;
    int m_used = 0;
};
