// OpenGL side of the textures: uploads and deletes on the table's context
// (made current through the texture layer's context hook first).
#pragma once

#include "picture/TextureSink.h"

class TGLTextures : public ITextureSink {
public:
    uint32_t UploadRGBA(const QImage &rgba) override;
    int32_t ReplaceRGBA(int32_t name, const QImage &rgba) override;
    void DeleteTexture(uint32_t name) override;
};
