#include "gl/PieceAtlas.h"

#include <GL/gl.h>
#include <algorithm>

#include "gl/Textures.h"

namespace {

// Rows of a whole game stay below this width; the height follows.
constexpr int WidestAtlas = 2048;

} // namespace

void TPieceAtlas::Reserve(int count, int side)
{
    if (!MakeTextureContextCurrent())
        return;
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    const TAtlasLayout want = TAtlasLayout::For(count, side, WidestAtlas, int(largest));
    const bool fits = m_layout.Texture != 0 && m_layout.Side == side && m_layout.Capacity() >= count;
    if (!fits) {
        Release();
        if (want.Side == 0)
            return;
        m_layout = want;
        TTextureList unlisted;
        m_layout.Texture = NewTexture(unlisted, true, false);
        if (m_layout.Texture == 0) {
            m_layout = {};
            return;
        }
        // Storage only: every slot a piece names is filled before it is drawn.
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, m_layout.Width, m_layout.Height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     nullptr);
    }
    m_taken.assign(size_t(m_layout.Capacity()), 0);
    m_used = 0;
}

bool TPieceAtlas::Fill(uint32_t handle, const QImage &rgba)
{
    const QRect slot = m_layout.SlotRect(handle);
    if (slot.isEmpty() || rgba.size() != slot.size() || !MakeTextureContextCurrent())
        return false;
    const QImage img = rgba.convertToFormat(QImage::Format_RGBA8888);
    glBindTexture(GL_TEXTURE_2D, m_layout.Texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, int(img.bytesPerLine() / 4));
    glTexSubImage2D(GL_TEXTURE_2D, 0, slot.x(), slot.y(), slot.width(), slot.height(), GL_RGBA, GL_UNSIGNED_BYTE,
                    img.constBits());
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    return true;
}

uint32_t TPieceAtlas::UploadRGBA(const QImage &rgba)
{
    const auto free = std::find(m_taken.begin(), m_taken.end(), 0);
    if (m_layout.Texture == 0 || free == m_taken.end())
        return 0;
    const uint32_t handle = uint32_t(free - m_taken.begin()) + 1;
    if (!Fill(handle, rgba))
        return 0;
    *free = 1;
    ++m_used;
    return handle;
}

int32_t TPieceAtlas::ReplaceRGBA(int32_t name, const QImage &rgba)
{
    if (name < 0)
        return int32_t(UploadRGBA(rgba));
    Fill(uint32_t(name), rgba);
    return name;
}

void TPieceAtlas::DeleteTexture(uint32_t handle)
{
    if (handle == 0 || handle > m_taken.size() || !m_taken[handle - 1])
        return;
    m_taken[handle - 1] = 0;
    --m_used;
}

void TPieceAtlas::Release()
{
    if (m_layout.Texture != 0 && MakeTextureContextCurrent()) {
        const GLuint n = m_layout.Texture;
        glDeleteTextures(1, &n);
    }
    m_layout = {};
    m_taken.clear();
    m_used = 0;
}
