// Textures from pictures.  The pixel buffers are built first on the CPU
// (board/TextureBuffers), then uploaded with the same parameters for every
// texture of the game: unpack alignment 1, modulate, linear filters,
// repeat or clamp, no mipmaps (they would never be sampled).
#include "gl/Textures.h"

#include "picture/TextureBuffers.h"

#include <GL/gl.h>
#include <utility>

#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif

namespace {

std::function<bool()> &ContextHook()
{
    static std::function<bool()> hook;
    return hook;
}

void Upload(const TPixelUpload &u)
{
    if (u.Components == 4)
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, u.Width, u.Height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     u.Bytes.constData());
    else if (u.Components == 3)
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, u.Width, u.Height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     u.Bytes.constData());
}

// Whether the card takes a texture of this size at all; a picture too
// large for it is not uploaded (the texture keeps what it had).
bool FitsCard(int w, int h)
{
    GLint maxSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    return w > 0 && h > 0 && (maxSide <= 0 || (w <= maxSide && h <= maxSide));
}

void SetParamsOfBound(bool clamp)
{
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    const GLint wrap = clamp ? GL_CLAMP_TO_EDGE : GL_REPEAT;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
}

} // namespace

// ---- the table's context ----

void SetTextureContextHook(std::function<bool()> hook) { ContextHook() = std::move(hook); }

bool MakeTextureContextCurrent()
{
    const auto &hook = ContextHook();
    return !hook || hook();
}

// ---- OpenGL ----

uint32_t NewTexture(TTextureList &list, bool clamp, bool listed)
{
    if (!MakeTextureContextCurrent())
        return 0;
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    SetParamsOfBound(clamp);
    if (listed)
        RegisterTexture(list, name);
    return name;
}

uint32_t SetTexParams(uint32_t name, bool clamp)
{
    if (!MakeTextureContextCurrent())
        return name;
    glBindTexture(GL_TEXTURE_2D, name);
    SetParamsOfBound(clamp);
    return name;
}

void RegisterTexture(TTextureList &list, uint32_t name)
{
    TTexture t;
    t.Id = int32_t(name);
    list.push_back(t);
}

void ClearTextures(TTextureList &list)
{
    if (MakeTextureContextCurrent()) {
        for (const TTexture &t : list)
            if (t.Id > 0) {
                const GLuint name = GLuint(t.Id);
                glDeleteTextures(1, &name);
            }
    }
    list.clear();
}

uint32_t TexFromPNG(TTextureList &list, const QImage &png, bool clamp, bool listed)
{
    if (png.isNull() || !MakeTextureContextCurrent() || !FitsCard(png.width(), png.height()))
        return 0;
    TPixelUpload u;
    u.Bytes = TopDownRGBABuffer(png);
    u.Width = png.width();
    u.Height = png.height();
    u.Components = 4;
    const uint32_t name = NewTexture(list, clamp, listed);
    Upload(u);
    return name;
}

bool PictureFitsCard(const TPicture &P, bool pow2)
{
    if (P.IsEmpty() || !MakeTextureContextCurrent())
        return false;
    const QSize size = pow2 ? Pow2CropSize(P.Image.size()) : P.Image.size();
    return FitsCard(size.width(), size.height());
}

uint32_t TexFromPicture(TTextureList &list, Board &b, const TPicture &P, bool redAlpha, bool keyAlpha,
                        bool pow2, bool listed, bool clamp)
{
    if (P.IsEmpty() || !MakeTextureContextCurrent())
        return 0;
    if (P.Format == TPicture::Png)
        return TexFromPNG(list, P.Image, clamp, listed);
    const TPixelUpload u = PictureUpload(P, redAlpha, keyAlpha, pow2, true);
    if (!FitsCard(u.Width, u.Height))
        return 0;
    const uint32_t name = NewTexture(list, clamp, listed);
    Upload(u);
    b.BgTileW = u.Width;
    b.BgTileH = u.Height;
    return name;
}

uint32_t TexReplaceFromPicture(Board &b, uint32_t name, const TPicture &P, bool redAlpha, bool pow2, bool clamp,
                               bool keyAlpha)
{
    if (P.IsEmpty() || !MakeTextureContextCurrent())
        return name;
    const TPixelUpload u = PictureUpload(P, redAlpha, keyAlpha, pow2, false);
    if (!FitsCard(u.Width, u.Height))
        return name;
    SetTexParams(name, clamp);
    Upload(u);
    b.BgTileW = u.Width;
    b.BgTileH = u.Height;
    return name;
}

