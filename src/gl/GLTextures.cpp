#include "gl/GLTextures.h"

#include <GL/gl.h>

#include "picture/TextureBuffers.h"
#include "gl/Textures.h"

namespace {

void UploadBound(const QImage &rgba)
{
    const QByteArray bytes = TopDownRGBABuffer(rgba);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, rgba.width(), rgba.height(), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 bytes.constData());
}

} // namespace

uint32_t TGLTextures::UploadRGBA(const QImage &rgba)
{
    if (rgba.isNull() || !MakeTextureContextCurrent())
        return 0;
    TTextureList unlisted;
    const uint32_t name = NewTexture(unlisted, false, false);
    UploadBound(rgba);
    return name;
}

int32_t TGLTextures::ReplaceRGBA(int32_t name, const QImage &rgba)
{
    if (rgba.isNull() || !MakeTextureContextCurrent())
        return name;
    if (name < 0) {
        TTextureList unlisted;
        name = int32_t(NewTexture(unlisted, false, false));
    } else {
        SetTexParams(uint32_t(name), false);
    }
    UploadBound(rgba);
    return name;
}

void TGLTextures::DeleteTexture(uint32_t name)
{
    if (name == 0 || !MakeTextureContextCurrent())
        return;
    const GLuint n = name;
    glDeleteTextures(1, &n);
}
