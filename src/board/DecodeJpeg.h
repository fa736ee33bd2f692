// Fast JPEG decoding for thumbnails: large pictures are shrunk by 2, 4 or 8
// while decoding, chosen by width + height.
#pragma once

#include <QImage>
#include <QString>

// B is the bitmap to fill: QImage::Format_Grayscale8 (8-bit) or
// QImage::Format_BGR888 (24-bit, blue first).  With autoFormat the bitmap
// becomes 8-bit for a grey JPEG and 24-bit otherwise; without it the
// bitmap keeps its depth (a colour JPEG decodes to grey into an 8-bit B)
// and any other format fails.  False for a missing file, damaged data or a
// CMYK/YCCK file.
bool DecodeJpeg(QImage &B, const QString &path, bool autoFormat);

// The reduction used for a picture of w x h: 1, 2, 4 or 8.
int DecodeJpegDenominator(int w, int h);
