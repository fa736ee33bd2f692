#include "gl/FeltAtZoom.h"

#include <GL/gl.h>
#include <QImage>
#include <algorithm>
#include <cmath>

#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif
#ifndef GL_RGB8
#define GL_RGB8 0x8051
#endif
#ifndef GL_RGBA8
#define GL_RGBA8 0x8058
#endif

namespace {

// A tile larger than this (a picture of the player's own as the table) is
// drawn through the view: scaling it at each zoom would cost more than it
// saves.
constexpr qint64 MaxTileTexels = 2048 * 2048;

} // namespace

TFeltAtZoom::~TFeltAtZoom() = default;

uint32_t TFeltAtZoom::For(const TTextureList &list, const Board &b, double zoom, QSize &tile)
{
    const int32_t source = texBackground < int(list.size()) ? list[size_t(texBackground)].Id : 0;
    const QSize from(b.BgTileW, b.BgTileH);
    if (!(zoom > 0 && zoom < 1.0) || source <= 0 || from.isEmpty() ||
        qint64(from.width()) * from.height() > MaxTileTexels)
        return 0;
    const QSize to(std::max(1, int(std::lround(from.width() * zoom))), std::max(1, int(std::lround(from.height() * zoom))));
    if (source != m_source || from != m_from || to != m_to) {
        // Whatever happens, this tile at this zoom is tried once.
        m_source = source;
        m_from = from;
        m_to = to;
        m_failed = true;
        while (glGetError() != GL_NO_ERROR) {
        }
        glBindTexture(GL_TEXTURE_2D, GLuint(source));
        GLint w = 0, h = 0, alpha = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_ALPHA_SIZE, &alpha);
        if (QSize(w, h) != from)
            return 0; // the tile is not the whole texture: drawn through the view
        // Rows as the texture keeps them (bottom first), scaled as they are.
        const bool opaque = alpha == 0;
        QImage texels(w, h, opaque ? QImage::Format_RGB888 : QImage::Format_RGBA8888);
        if (texels.isNull())
            return 0;
        glPixelStorei(GL_PACK_ALIGNMENT, 4); // a QImage's rows are 4-byte aligned
        glGetTexImage(GL_TEXTURE_2D, 0, opaque ? GL_RGB : GL_RGBA, GL_UNSIGNED_BYTE, texels.bits());
        const QImage scaled =
            texels.scaled(to, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(texels.format());
        if (scaled.isNull())
            return 0;
        if (m_texture == 0) {
            GLuint n = 0;
            glGenTextures(1, &n);
            m_texture = n;
        }
        glBindTexture(GL_TEXTURE_2D, m_texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        GLint unpack = 4;
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpack);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glTexImage2D(GL_TEXTURE_2D, 0, opaque ? GL_RGB8 : GL_RGBA8, to.width(), to.height(), 0,
                     opaque ? GL_RGB : GL_RGBA, GL_UNSIGNED_BYTE, scaled.constBits());
        glPixelStorei(GL_UNPACK_ALIGNMENT, unpack);
        m_failed = glGetError() != GL_NO_ERROR;
    }
    if (m_failed)
        return 0;
    tile = m_to;
    return m_texture;
}

void TFeltAtZoom::Release()
{
    if (m_texture != 0) {
        const GLuint n = m_texture;
        glDeleteTextures(1, &n);
    }
    m_texture = 0;
    m_source = 0;
}
