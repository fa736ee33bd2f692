#include "board/DecodeJpeg.h"

#include "board/JpegFile.h"

int DecodeJpegDenominator(int w, int h)
{
    const long long s = (long long)w + h;
    if (s < 2000)
        return 1;
    if (s < 4000)
        return 2;
    if (s < 6000)
        return 4;
    return 8;
}

bool DecodeJpeg(QImage &B, const QString &path, bool autoFormat)
{
    int channels = 0;
    if (B.format() == QImage::Format_Grayscale8)
        channels = 1;
    else if (B.format() == QImage::Format_BGR888)
        channels = 3;
    if (channels == 0 && !autoFormat)
        return false;

    TJpegFile jpeg;
    if (!jpeg.Open(path))
        return false;
    if (jpeg.Channels() != 1 && jpeg.Channels() != 3)
        return false;
    if (autoFormat)
        channels = jpeg.Channels();

    QImage decoded;
    if (!jpeg.Decode(decoded, DecodeJpegDenominator(jpeg.Width(), jpeg.Height()), channels == 1, true))
        return false;
    B = std::move(decoded);
    return true;
}
