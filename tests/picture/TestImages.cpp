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

QByteArray CraftJpeg(int w, int h, int sof, int components, int scans, bool separate)
{
    QByteArray b("\xFF\xD8", 2);
    const auto u16 = [&](int v) {
        b += char(v >> 8);
        b += char(v & 0xFF);
    };
    b += char(0xFF);
    b += char(sof);
    u16(8 + 3 * components);
    b += char(8);
    u16(h);
    u16(w);
    b += char(components);
    for (int c = 0; c < components; ++c) {
        b += char(c + 1);
        b += char(c == 0 ? 0x22 : 0x11);
        b += char(0);
    }
    for (int s = 0; s < scans; ++s) {
        const int n = separate ? 1 : components;
        b += char(0xFF);
        b += char(0xDA);
        u16(6 + 2 * n);
        b += char(n);
        for (int c = 0; c < n; ++c) {
            b += char(separate ? s % components + 1 : c + 1);
            b += char(0);
        }
        b += QByteArray("\x00\x3F\x00\x00", 4);
    }
    return b + QByteArray("\xFF\xD9", 2);
}

namespace {

quint32 Crc32(const QByteArray &data)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char ch : data) {
        crc ^= uchar(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

void PutBE32(QByteArray &b, quint32 v)
{
    for (int i = 3; i >= 0; --i)
        b += char(v >> (8 * i));
}

} // namespace

QByteArray MakeBlankGreyPng(int side)
{
    QByteArray png("\x89PNG\r\n\x1A\n", 8);
    const auto chunk = [&](const char *type, const QByteArray &data) {
        const QByteArray body = QByteArray(type, 4) + data;
        PutBE32(png, quint32(data.size()));
        png += body;
        PutBE32(png, Crc32(body));
    };
    QByteArray ihdr;
    PutBE32(ihdr, quint32(side));
    PutBE32(ihdr, quint32(side));
    ihdr += QByteArray("\x08\x00\x00\x00\x00", 5); // 8-bit grey
    chunk("IHDR", ihdr);
    // Each row: filter byte 0, then the pixels; qCompress puts the length first.
    chunk("IDAT", qCompress(QByteArray(qsizetype(side) * (side + 1), '\0'), 1).mid(4));
    chunk("IEND", QByteArray());
    return png;
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
