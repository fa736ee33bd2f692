// The one door through which every picture file enters the game: pictures
// for a game, thumbnails, table backgrounds, the piece-shape bitmaps and the
// image button's glyph files.  It tells the format from the content, refuses
// what is absurdly large or cut short before allocating anything, decodes
// JPEG through libjpeg-turbo (shrunk while decoding when the caller needs
// less) and turns the picture upright as its EXIF orientation says.
//
// Only a regular file is opened, never blocking; every JPEG meets one scan
// limit; and what a file may cost, its bytes and its decoder's memory
// together, is bounded from its header before anything is allocated.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

enum class TPictureFormat { Unknown, Jpeg, Png, Bmp, Ico };

// The format (told by content) and the size the header claims, before any
// EXIF turn.  False for a missing file, an unknown format or a size beyond
// what the game ever reads.
bool ReadPictureHeader(const QString &path, QSize &size, TPictureFormat &format);

// Reads a picture file upright.  When `atLeast` is not empty a large JPEG
// is decoded shrunk by 2, 4 or 8, as far as both sides still reach
// `atLeast`.  The image comes in the format its decoder gives (24-bit
// blue-first for JPEG, with its own alpha for PNG); callers convert.
// A JPEG whose pixels decode is read even when the decoder warns (a short
// tail comes out grey); *whole (when given) then says false.  False for a
// missing, truncated, damaged or absurdly large file, or one that is not a
// picture; `out` is then left as it was.
bool ReadPicture(const QString &path, QSize atLeast, QImage &out, TPictureFormat *format = nullptr,
                 bool *whole = nullptr);
// The same for a file's bytes already in memory.
bool ReadPictureBytes(const QByteArray &bytes, QSize atLeast, QImage &out, TPictureFormat *format = nullptr,
                      bool *whole = nullptr);
