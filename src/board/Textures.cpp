// Placeholder until the texture layer lands.
#include "board/Textures.h"

void CropToPow2(QImage &) {}
QByteArray MaskedBitmapBuffer(const QImage &, const QImage &, bool) { return {}; }
QByteArray BottomUpRGBBuffer(const QImage &) { return {}; }
uint32_t NewTexture(TTextureList &, bool, bool) { return 0; }
uint32_t SetTexParams(uint32_t name, bool) { return name; }
void RegisterTexture(TTextureList &, uint32_t) {}
void ClearTextures(TTextureList &list) { list.clear(); }
uint32_t TexFromMaskedBitmap(TTextureList &, const QImage &, const QImage &, bool, bool, bool) { return 0; }
uint32_t TexFromPNG(TTextureList &, const QImage &, bool, bool) { return 0; }
uint32_t TexFromPicture(TTextureList &, Board &, const TPicture &, bool, bool, bool, bool, bool) { return 0; }
uint32_t TexReplaceFromPicture(Board &, uint32_t name, const TPicture &, bool, bool, bool, bool) { return name; }
void TexFinished(Board &, const QImage &, const QImage &, bool, bool) {}
