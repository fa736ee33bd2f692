// Making one thumbnail: the picture decoded small and upright, shrunk into
// the 244 x 174 box on white, or the "Error load" tile when it cannot be
// decoded.
#pragma once

#include <QImage>
#include <QString>

// Decodes a picture for a thumbnail.  JPEG files go through the fast
// reduced-size decoder; anything it refuses (BMP, other formats, unusual
// JPEGs) through Qt's image reader at a reduced size.  The result is turned
// upright by the picture's EXIF orientation.  False when nothing can read it.
bool DecodeForThumb(const QString &path, QImage &decoded);

// Draws a decoded picture into thumb (ThumbWidth x ThumbHeight, any 32-bit
// or 24-bit format): white everywhere, the picture shrunk smoothly into
// its FitRect.
void DrawThumb(const QImage &decoded, QImage &thumb);
// White, with "Error load" in the default font centred across, top at 87.
void DrawErrorTile(QImage &thumb);

// Decode, fit, draw: the whole thumbnail of one file.  thumb is reused.
// False when the picture could not be decoded (thumb is then the error tile).
bool MakeThumbnail(const QString &path, QImage &decoded, QImage &thumb);
