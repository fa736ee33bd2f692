// What a picture becomes on its way to the graphics card: packed rows of
// bytes, built on the CPU so they can be checked without a display.
#pragma once

#include <QByteArray>
#include <QImage>

#include "picture/MyImageList.h"

// Crops a 24-bit bitmap to power-of-two sides (32..1024), keeping the
// top-left part; sides below 32 leave it untouched.
void CropToPow2(QImage &B);
// The size CropToPow2 leaves a bitmap of `size`.
QSize Pow2CropSize(QSize size);
// RGB bytes of a 24-bit bitmap, bottom row first, rows packed.
QByteArray BottomUpRGBBuffer(const QImage &B);
// RGBA bytes of a picture's own pixels, top row first (alpha kept).
QByteArray TopDownRGBABuffer(const QImage &img);

// What one upload of a picture hands to the graphics card: the packed rows
// and whether they carry alpha (4 components) or not (3).
struct TPixelUpload {
    QByteArray Bytes;
    int Width = 0;
    int Height = 0;
    int Components = 0; // 3 = RGB, 4 = RGBA; 0 = nothing to upload
};
// The upload TexFromPicture (keepPng = true) or TexReplaceFromPicture
// (keepPng = false) makes of a picture.  A PNG keeps its own alpha only in
// the first; everything else is drawn onto a 24-bit bitmap (over white),
// optionally cropped to powers of two, and read bottom row first, with
// alpha from the red byte or from the bitmap's key colour when asked.
TPixelUpload PictureUpload(const TPicture &P, bool redAlpha, bool keyAlpha, bool pow2, bool keepPng);
