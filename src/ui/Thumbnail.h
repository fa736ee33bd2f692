// Making one thumbnail: the picture decoded small and upright, shrunk into
// the 244 x 174 box on white, or the "Error load" tile when it cannot be
// decoded.
#pragma once

#include <QImage>
#include <QString>

// Reads a picture for a thumbnail through the game's picture reader, so the
// browser and the game give one verdict on every file: a large JPEG comes
// shrunk while decoding, never below the thumbnail's box, upright.  False
// when the picture cannot be read.
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
