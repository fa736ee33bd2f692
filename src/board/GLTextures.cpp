#include "board/GLTextures.h"

uint32_t TGLTextures::UploadRGBA(const QImage &) { return 0; }
int32_t TGLTextures::ReplaceRGBA(int32_t name, const QImage &) { return name; }
void TGLTextures::DeleteTexture(uint32_t) {}
