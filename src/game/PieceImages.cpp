#include "game/PieceImages.h"

namespace game {

uint32_t TPieceImageSink::UploadRGBA(const QImage &rgba)
{
    const uint32_t name = m_to.UploadRGBA(rgba);
    m_kept[name] = rgba.scaled(m_side, m_side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return name;
}

std::vector<QImage> TPieceImageSink::PieceImages(const Board &b) const
{
    std::vector<QImage> out;
    out.reserve(size_t(b.Pieces.Count()));
    for (const Tpiece &p : b.Pieces) {
        const auto at = m_kept.find(p.ImgTex);
        out.push_back(at == m_kept.end() ? QImage() : at->second);
    }
    return out;
}

} // namespace game
