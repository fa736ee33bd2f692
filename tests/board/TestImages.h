// Pictures made on the fly for the board tests.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A JPEG of w x h (colour or grey) written through TurboJPEG; with
// cmyk set the file holds four channels.
QByteArray MakeJpeg(int w, int h, bool grey = false, bool cmyk = false, int quality = 85, bool progressive = false);
// The same JPEG with an EXIF block carrying `orientation` (1..8).
QByteArray WithExifOrientation(const QByteArray &jpeg, int orientation);
// A gradient picture that makes misplaced pixels visible.
QImage TestPattern(int w, int h);
bool WriteFile(const QString &path, const QByteArray &bytes);
