#include "picture/TextureBuffers.h"

#include <QPainter>
#include <cstring>

namespace {

bool IsPow2Side(int v)
{
    return v == 32 || v == 64 || v == 128 || v == 256 || v == 512 || v == 1024;
}

int LargestPow2Side(int v)
{
    int s = 1024;
    while (s > 32 && s > v)
        s /= 2;
    return s;
}

// The picture drawn onto a new 24-bit bitmap of its size, over white.
QImage To24Bit(const QImage &img)
{
    if (img.format() == QImage::Format_RGB888)
        return img;
    if (!img.hasAlphaChannel())
        return img.convertToFormat(QImage::Format_RGB888);
    QImage out(img.size(), QImage::Format_RGB888);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(0, 0, img);
    p.end();
    return out;
}

} // namespace

QSize Pow2CropSize(QSize size)
{
    const int w = size.width(), h = size.height();
    if (w < 32 || h < 32)
        return size;
    return {IsPow2Side(w) ? w : LargestPow2Side(w), IsPow2Side(h) ? h : LargestPow2Side(h)};
}

void CropToPow2(QImage &B)
{
    const int w = B.width(), h = B.height();
    if (w < 32 || h < 32)
        return;
    if (IsPow2Side(w) && IsPow2Side(h))
        return;
    const int nw = IsPow2Side(w) ? w : LargestPow2Side(w);
    const int nh = IsPow2Side(h) ? h : LargestPow2Side(h);
    B = To24Bit(B.copy(0, 0, nw, nh));
}

QByteArray BottomUpRGBBuffer(const QImage &B)
{
    const QImage b = To24Bit(B);
    const int w = b.width(), h = b.height();
    const qsizetype row = qsizetype(w) * 3;
    QByteArray out(row * h, Qt::Uninitialized);
    for (int y = 0; y < h; ++y)
        memcpy(out.data() + row * (h - 1 - y), b.constScanLine(y), size_t(row));
    return out;
}

QByteArray TopDownRGBABuffer(const QImage &img)
{
    const QImage a = img.convertToFormat(QImage::Format_RGBA8888);
    const int w = a.width(), h = a.height();
    const qsizetype row = qsizetype(w) * 4;
    QByteArray out(row * h, Qt::Uninitialized);
    for (int y = 0; y < h; ++y)
        memcpy(out.data() + row * y, a.constScanLine(y), size_t(row));
    return out;
}

TPixelUpload PictureUpload(const TPicture &P, bool redAlpha, bool keyAlpha, bool pow2, bool keepPng)
{
    TPixelUpload u;
    if (P.IsEmpty())
        return u;
    if (keepPng && P.Format == TPicture::Png) {
        u.Width = P.Width();
        u.Height = P.Height();
        u.Bytes = TopDownRGBABuffer(P.Image);
        u.Components = 4;
        return u;
    }
    // Cropping first spares converting the part that is thrown away.
    QImage B = P.Image;
    if (pow2)
        CropToPow2(B);
    B = To24Bit(B);
    u.Width = B.width();
    u.Height = B.height();
    const QByteArray rgb = BottomUpRGBBuffer(B);
    if (!redAlpha && !keyAlpha) {
        u.Bytes = rgb;
        u.Components = 3;
        return u;
    }
    // The bitmap's transparent colour is its bottom-left pixel, which is the
    // first pixel of the bottom-up rows.
    const uchar *src = reinterpret_cast<const uchar *>(rgb.constData());
    const uchar kr = src[0], kg = src[1], kb = src[2];
    const qsizetype n = qsizetype(u.Width) * u.Height;
    u.Bytes = QByteArray(n * 4, Qt::Uninitialized);
    uchar *dst = reinterpret_cast<uchar *>(u.Bytes.data());
    for (qsizetype i = 0; i < n; ++i, src += 3, dst += 4) {
        dst[0] = src[0];
        dst[1] = src[1];
        dst[2] = src[2];
        if (redAlpha)
            dst[3] = src[0];
        else
            dst[3] = (src[0] == kr && src[1] == kg && src[2] == kb) ? 0 : 255;
    }
    u.Components = 4;
    return u;
}

