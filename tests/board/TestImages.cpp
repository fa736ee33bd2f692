#include "TestImages.h"

#include <QFile>
#include <turbojpeg.h>

QImage TestPattern(int w, int h)
{
    QImage img(w, h, QImage::Format_BGR888);
    for (int y = 0; y < h; ++y) {
        uint8_t *p = img.scanLine(y);
        for (int x = 0; x < w; ++x) {
            p[3 * x] = uint8_t(x * 7 + y);
            p[3 * x + 1] = uint8_t(y * 3);
            p[3 * x + 2] = uint8_t(x ^ y);
        }
    }
    return img;
}

QByteArray MakeJpeg(int w, int h, bool grey, bool cmyk, int quality, bool progressive)
{
    const int channels = grey ? 1 : cmyk ? 4 : 3;
    std::vector<unsigned char> pixels(size_t(w) * h * channels);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < channels; ++c)
                pixels[(size_t(y) * w + x) * channels + c] = uint8_t((x / 8 + y / 8 + c * 40) * 9);
    tjhandle tj = tjInitCompress();
    unsigned char *out = nullptr;
    unsigned long size = 0;
    const int pf = grey ? TJPF_GRAY : cmyk ? TJPF_CMYK : TJPF_BGR;
    const int samp = grey ? TJSAMP_GRAY : TJSAMP_420;
    QByteArray bytes;
    if (tjCompress2(tj, pixels.data(), w, 0, h, pf, &out, &size, samp, quality, progressive ? TJFLAG_PROGRESSIVE : 0) == 0)
        bytes = QByteArray(reinterpret_cast<const char *>(out), qsizetype(size));
    tjFree(out);
    tjDestroy(tj);
    return bytes;
}

QByteArray WithExifOrientation(const QByteArray &jpeg, int orientation)
{
    // APP1 "Exif": a little-endian TIFF header and one IFD entry 0x0112.
    QByteArray tiff;
    tiff.append("II*\0", 4);
    tiff.append("\x08\0\0\0", 4);          // first IFD at 8
    tiff.append("\x01\0", 2);              // one entry
    tiff.append("\x12\x01\x03\0", 4);      // tag 0x0112, SHORT
    tiff.append("\x01\0\0\0", 4);          // count 1
    tiff.append(char(orientation));
    tiff.append("\0\0\0", 3);
    tiff.append("\0\0\0\0", 4);            // no next IFD
    QByteArray app1("Exif\0\0", 6);
    app1 += tiff;
    const int len = int(app1.size()) + 2;
    QByteArray seg;
    seg.append(char(0xFF)).append(char(0xE1)).append(char(len >> 8)).append(char(len & 0xFF));
    seg += app1;
    return jpeg.left(2) + seg + jpeg.mid(2);
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    return f.write(bytes) == bytes.size();
}
