#include "gl/PieceAtlas.h"

#include <GL/gl.h>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <algorithm>

#include "gl/Textures.h"

#ifndef GL_TEXTURE_MAX_LEVEL
#define GL_TEXTURE_MAX_LEVEL 0x813D
#endif

namespace {

// Reduced copies down to an eighth: enough for the table at a quarter and
// below, and every level's slot still starts on a whole texel of its own.
constexpr int ReducedLevels = 3;

} // namespace

void TPieceAtlas::Reserve(int count, int side)
{
    if (!MakeTextureContextCurrent())
        return;
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    if (m_cap > 0)
        largest = std::min<GLint>(largest, m_cap);
    const TAtlasLayout want = TAtlasLayout::For(count, side, AtlasWidest, int(largest));
    const bool fits = !m_layout.Pages.empty() && m_layout.Side == side && m_layout.Capacity() >= count &&
                      m_layout.Width <= largest && m_layout.Height <= largest;
    if (!fits) {
        Release();
        if (want.Side == 0)
            return;
        m_layout = want;
        TTextureList unlisted;
        for (int k = 0; k < m_layout.PageCount; ++k) {
            const uint32_t page = NewTexture(unlisted, true, false);
            if (page == 0) {
                Release();
                return;
            }
            m_layout.Pages.push_back(page);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, ReducedLevels);
            // Storage only: every slot a piece names is filled before it is drawn.
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, m_layout.Width, m_layout.Height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                         nullptr);
        }
    }
    m_taken.assign(size_t(m_layout.Capacity()), 0);
    m_used = 0;
    m_reducedReady = false;
}

bool TPieceAtlas::Fill(uint32_t handle, const QImage &rgba)
{
    const QRect slot = m_layout.SlotRect(handle);
    const uint32_t page = m_layout.TextureOf(handle);
    if (slot.isEmpty() || page == 0 || rgba.size() != slot.size() || !MakeTextureContextCurrent())
        return false;
    const QImage img = rgba.convertToFormat(QImage::Format_RGBA8888);
    glBindTexture(GL_TEXTURE_2D, page);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, int(img.bytesPerLine() / 4));
    glTexSubImage2D(GL_TEXTURE_2D, 0, slot.x(), slot.y(), slot.width(), slot.height(), GL_RGBA, GL_UNSIGNED_BYTE,
                    img.constBits());
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    m_reducedReady = false;
    return true;
}

uint32_t TPieceAtlas::UploadRGBA(const QImage &rgba)
{
    const auto free = std::find(m_taken.begin(), m_taken.end(), 0);
    if (m_layout.Pages.empty() || free == m_taken.end())
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

bool TPieceAtlas::PrepareReduced()
{
    if (m_reducedReady)
        return true;
    QOpenGLContext *ctx = QOpenGLContext::currentContext();
    if (m_layout.Pages.empty() || !ctx || !ctx->functions()->hasOpenGLFeature(QOpenGLFunctions::Framebuffers))
        return false;
    for (const uint32_t page : m_layout.Pages) {
        glBindTexture(GL_TEXTURE_2D, page);
        ctx->functions()->glGenerateMipmap(GL_TEXTURE_2D);
    }
    m_reducedReady = true;
    return true;
}

void TPieceAtlas::Release()
{
    if (!m_layout.Pages.empty() && MakeTextureContextCurrent())
        for (const uint32_t page : m_layout.Pages) {
            const GLuint n = page;
            glDeleteTextures(1, &n);
        }
    m_layout = {};
    m_taken.clear();
    m_used = 0;
    m_reducedReady = false;
}
