// Small copies of the pieces' pictures, kept on the CPU while the cutting
// hands the full ones to the graphics card: the trays' strip paints them
// with no access to the table's textures.
#pragma once

#include <QImage>
#include <map>
#include <vector>

#include "board/Board.h"
#include "picture/TextureSink.h"

namespace game {

// Passes every texture on to the real sink and keeps a copy of each at
// `side` pixels, under the name the real sink gave it.
class TPieceImageSink : public ITextureSink {
public:
    TPieceImageSink(ITextureSink &to, int side) : m_to(to), m_side(side) {}
    void Reserve(int count, int side) override { m_to.Reserve(count, side); }
    uint32_t UploadRGBA(const QImage &rgba) override;
    int32_t ReplaceRGBA(int32_t name, const QImage &rgba) override { return m_to.ReplaceRGBA(name, rgba); }
    void DeleteTexture(uint32_t name) override { m_to.DeleteTexture(name); }

    // The copies of the pieces' pictures (ImgTex), one per piece.
    std::vector<QImage> PieceImages(const Board &b) const;

private:
    ITextureSink &m_to;
    int m_side;
    std::map<uint32_t, QImage> m_kept;
};

// The side of the copies: a tray's cell shows a piece's texture square at
// this size.
constexpr int PieceImageSide = 48;

} // namespace game
