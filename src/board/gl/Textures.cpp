// Textures from pictures and bitmaps.  The pixel buffers are built first on
// the CPU (no OpenGL), then uploaded with the same parameters for every
// texture of the game: unpack alignment 1, modulate, linear filters,
// repeat or clamp, no mipmaps (they would never be sampled).
#include "board/gl/Textures.h"

#include <GL/gl.h>
#include <QPainter>
#include <utility>

#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif

namespace {

std::function<bool()> &ContextHook()
{
    static std::function<bool()> hook;
    return hook;
}

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

void Upload(const TPixelUpload &u)
{
    if (u.Components == 4)
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, u.Width, u.Height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     u.Bytes.constData());
    else if (u.Components == 3)
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, u.Width, u.Height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     u.Bytes.constData());
}

// Whether the card takes a texture of this size at all; a picture too
// large for it is not uploaded (the texture keeps what it had).
bool FitsCard(int w, int h)
{
    GLint maxSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    return w > 0 && h > 0 && (maxSide <= 0 || (w <= maxSide && h <= maxSide));
}

void SetParamsOfBound(bool clamp)
{
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    const GLint wrap = clamp ? GL_CLAMP_TO_EDGE : GL_REPEAT;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
}

} // namespace

// ---- pixel buffers ----

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

QByteArray MaskedBitmapBuffer(const QImage &C, const QImage &M, bool invert)
{
    const int w = C.width(), h = C.height();
    QByteArray out(qsizetype(w) * h * 4, Qt::Uninitialized);
    const QImage c = C.convertToFormat(QImage::Format_RGB32);
    const QImage m = M.convertToFormat(QImage::Format_RGB32);
    uchar *dst = reinterpret_cast<uchar *>(out.data());
    for (int y = 0; y < h; ++y) {
        const QRgb *cl = reinterpret_cast<const QRgb *>(c.constScanLine(y));
        const QRgb *ml = y < m.height() ? reinterpret_cast<const QRgb *>(m.constScanLine(y)) : nullptr;
        for (int x = 0; x < w; ++x) {
            // A mask smaller than the picture leaves the rest see-through.
            const int key = (ml && x < m.width()) ? qBlue(ml[x]) : 0;
            *dst++ = uchar(qRed(cl[x]));
            *dst++ = uchar(qGreen(cl[x]));
            *dst++ = uchar(qBlue(cl[x]));
            *dst++ = uchar(invert ? 255 - key : key);
        }
    }
    return out;
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
    u.TopDown = false;
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

// ---- the table's context ----

void SetTextureContextHook(std::function<bool()> hook) { ContextHook() = std::move(hook); }

bool MakeTextureContextCurrent()
{
    const auto &hook = ContextHook();
    return !hook || hook();
}

// ---- OpenGL ----

uint32_t NewTexture(TTextureList &list, bool clamp, bool listed)
{
    if (!MakeTextureContextCurrent())
        return 0;
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    SetParamsOfBound(clamp);
    if (listed)
        RegisterTexture(list, name);
    return name;
}

uint32_t SetTexParams(uint32_t name, bool clamp)
{
    if (!MakeTextureContextCurrent())
        return name;
    glBindTexture(GL_TEXTURE_2D, name);
    SetParamsOfBound(clamp);
    return name;
}

void RegisterTexture(TTextureList &list, uint32_t name)
{
    TTexture t;
    t.Id = int32_t(name);
    t.Name = QStringLiteral("Texture") + QString::number(t.Id);
    list.push_back(t);
}

void ClearTextures(TTextureList &list)
{
    if (MakeTextureContextCurrent()) {
        for (const TTexture &t : list)
            if (t.Id > 0) {
                const GLuint name = GLuint(t.Id);
                glDeleteTextures(1, &name);
            }
    }
    list.clear();
}

uint32_t TexFromMaskedBitmap(TTextureList &list, const QImage &C, const QImage &M, bool invert, bool listed,
                             bool clamp)
{
    if (C.isNull() || !MakeTextureContextCurrent())
        return 0;
    TPixelUpload u;
    u.Bytes = MaskedBitmapBuffer(C, M, invert);
    u.Width = C.width();
    u.Height = C.height();
    u.Components = 4;
    const uint32_t name = NewTexture(list, clamp, listed);
    Upload(u);
    return name;
}

uint32_t TexFromPNG(TTextureList &list, const QImage &png, bool clamp, bool listed)
{
    if (png.isNull() || !MakeTextureContextCurrent() || !FitsCard(png.width(), png.height()))
        return 0;
    TPixelUpload u;
    u.Bytes = TopDownRGBABuffer(png);
    u.Width = png.width();
    u.Height = png.height();
    u.Components = 4;
    const uint32_t name = NewTexture(list, clamp, listed);
    Upload(u);
    return name;
}

uint32_t TexFromPicture(TTextureList &list, Board &b, const TPicture &P, bool redAlpha, bool keyAlpha,
                        bool pow2, bool listed, bool clamp)
{
    if (P.IsEmpty() || !MakeTextureContextCurrent())
        return 0;
    if (P.Format == TPicture::Png)
        return TexFromPNG(list, P.Image, clamp, listed);
    const TPixelUpload u = PictureUpload(P, redAlpha, keyAlpha, pow2, true);
    if (!FitsCard(u.Width, u.Height))
        return 0;
    b.BgTileW = u.Width;
    b.BgTileH = u.Height;
    const uint32_t name = NewTexture(list, clamp, listed);
    Upload(u);
    return name;
}

uint32_t TexReplaceFromPicture(Board &b, uint32_t name, const TPicture &P, bool redAlpha, bool pow2, bool clamp,
                               bool keyAlpha)
{
    if (P.IsEmpty() || !MakeTextureContextCurrent())
        return name;
    const TPixelUpload u = PictureUpload(P, redAlpha, keyAlpha, pow2, false);
    if (!FitsCard(u.Width, u.Height))
        return name;
    b.BgTileW = u.Width;
    b.BgTileH = u.Height;
    SetTexParams(name, clamp);
    Upload(u);
    return name;
}

void TexFinished(Board &b, const QImage &C, const QImage &M, bool invert, bool clamp)
{
    if (C.isNull() || !MakeTextureContextCurrent())
        return;
    TPixelUpload u;
    u.Bytes = MaskedBitmapBuffer(C, M, invert);
    u.Width = C.width();
    u.Height = C.height();
    u.Components = 4;
    if (b.FinishedTex >= 0) {
        SetTexParams(uint32_t(b.FinishedTex), clamp);
    } else {
        TTextureList unlisted;
        b.FinishedTex = int32_t(NewTexture(unlisted, clamp, false));
    }
    Upload(u);
}
