// The piece textures of a game in a few large textures (the atlas pages),
// so that a frame binds each page once a run and draws every piece and
// shadow from one vertex array.  Cutting reserves the room for the whole
// game first; each piece image then goes into the next free slot and is
// known by its handle (TAtlasLayout).  The pages keep reduced copies of
// themselves for the zoomed-out table, made once after the pieces changed.
#pragma once

#include <vector>

#include "picture/AtlasLayout.h"
#include "picture/TextureSink.h"

class TPieceAtlas : public ITextureSink {
public:
    // A new atlas when the old one is too small or of another slot size;
    // the old one is reused (all slots free) otherwise.  The pages are no
    // larger than the card's largest texture (or the cap below).
    void Reserve(int count, int side) override;
    // The image (side x side) into the next free slot; 0 when it does not
    // fit or there is no context.
    uint32_t UploadRGBA(const QImage &rgba) override;
    // Refills a slot, or takes a new one when name < 0.
    int32_t ReplaceRGBA(int32_t name, const QImage &rgba) override;
    // Frees the slot; the atlas itself stays for the next game.
    void DeleteTexture(uint32_t handle) override;
    // Deletes the atlas's pages (context current or made so).
    void Release();
    // Pages no larger than `texels` a side even where the card takes more
    // (0: the card's own limit); the next Reserve follows it.
    void CapPageSize(int texels) { m_cap = texels; }

    // Makes the reduced copies of every page if a slot changed since they
    // were last made; false when the context cannot make them (the table
    // then samples the full-size pages).  Context current.
    bool PrepareReduced();
    bool ReducedReady() const { return m_reducedReady; }

    const TAtlasLayout &Layout() const { return m_layout; }
    int Used() const { return m_used; }

private:
    bool Fill(uint32_t handle, const QImage &rgba);

    TAtlasLayout m_layout;
    std::vector<char> m_taken;
    int m_used = 0;
    int m_cap = 0;
    bool m_reducedReady = false;
};
