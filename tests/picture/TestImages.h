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
// A JPEG of headers only: a frame of w x h (`sof` its marker, 0xC0
// baseline or 0xC2 progressive) with `components` colours sampled 2x2 for
// the first and 1x1 for the rest, then `scans` scans of no data, each of
// one colour in turn when `separate` is set, else of all of them.
QByteArray CraftJpeg(int w, int h, int sof, int components, int scans, bool separate);
// A PNG of side x side 8-bit grey pixels, all black, written directly so
// that no picture of that size is ever held.
QByteArray MakeBlankGreyPng(int side);
// A gradient picture that makes misplaced pixels visible.
QImage TestPattern(int w, int h);
bool WriteFile(const QString &path, const QByteArray &bytes);
