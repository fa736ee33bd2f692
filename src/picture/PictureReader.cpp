#include "picture/PictureReader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <unistd.h>

#include "base/FileRead.h"
#include "picture/JpegFile.h"

namespace {

// Headers claiming more than this are refused before anything is
// allocated: a 200-megapixel camera file still passes.
constexpr qint64 MaxPixels = 260'000'000;
// Nothing the game reads may cost more than this: the file's bytes and
// what its decoder allocates, known from the header before it starts.
constexpr qint64 MaxReadBytes = 300LL * 1024 * 1024;
// Below this, a picture costs no more than Qt allows by default anyway.
constexpr qint64 MaxSmallPixels = 16'000'000;

TPictureFormat FormatOf(const QByteArray &name)
{
    if (name == "jpeg")
        return TPictureFormat::Jpeg;
    if (name == "png")
        return TPictureFormat::Png;
    if (name == "bmp")
        return TPictureFormat::Bmp;
    if (name == "ico")
        return TPictureFormat::Ico;
    return TPictureFormat::Unknown;
}

// The picture as the camera meant it: mirrored, then turned a quarter
// clockwise, as the EXIF orientation says.
QImage Upright(QImage img, QImageIOHandler::Transformations t)
{
    if (t == QImageIOHandler::TransformationNone)
        return img;
    img = img.mirrored(t & QImageIOHandler::TransformationMirror, t & QImageIOHandler::TransformationFlip);
    if (t & QImageIOHandler::TransformationRotate90)
        img = img.transformed(QTransform().rotate(90));
    return img;
}

bool ReadJpeg(const TJpegFile &jpeg, QImageIOHandler::Transformations orientation, QSize atLeast, qint64 budget,
              QImage &out, bool *whole)
{
    // The sides of the picture as it will stand, after a quarter turn.
    const bool turned = orientation & QImageIOHandler::TransformationRotate90;
    const int w = turned ? jpeg.Height() : jpeg.Width(), h = turned ? jpeg.Width() : jpeg.Height();
    int denom = 1;
    if (!atLeast.isEmpty())
        for (int d : {8, 4, 2})
            if (TJpegFile::ScaledSide(w, d) >= atLeast.width() && TJpegFile::ScaledSide(h, d) >= atLeast.height()) {
                denom = d;
                break;
            }
    // A turn makes a second copy of the pixels.
    const qint64 pixels = qint64(TJpegFile::ScaledSide(w, denom)) * TJpegFile::ScaledSide(h, denom);
    const qint64 cost = jpeg.DecodeBytes(denom) + (orientation != QImageIOHandler::TransformationNone ? pixels * 3 : 0);
    if (cost > budget)
        return false;
    QImage img;
    if (!jpeg.Decode(img, denom, false, whole))
        return false;
    out = Upright(std::move(img), orientation);
    return true;
}

// Qt reads a short BMP without complaint and fills the missing rows, so a
// truncated or lying BMP is caught here: an uncompressed one must hold all
// the rows its header claims.
bool BmpDataFits(const QByteArray &file)
{
    const QByteArray h = file.left(34);
    if (h.size() < 26)
        return false;
    const auto u16 = [&](int at) { return qint64(uint8_t(h[at])) | qint64(uint8_t(h[at + 1])) << 8; };
    const auto u32 = [&](int at) { return u16(at) | u16(at + 2) << 16; };
    const qint64 offBits = u32(10), infoSize = u32(14);
    qint64 width, height, bits, compression = 0;
    if (infoSize == 12) { // the old OS/2 header
        width = u16(18);
        height = u16(20);
        bits = u16(24);
    } else {
        if (h.size() < 34)
            return false;
        width = qint32(u32(18));
        height = std::abs(qint64(qint32(u32(22))));
        bits = u16(28);
        compression = u32(30);
    }
    const bool packed = compression == 1 || compression == 2; // RLE8, RLE4
    if (packed || width <= 0 || bits <= 0)
        return true; // the general size rule applies
    const qint64 stride = (width * bits + 31) / 32 * 4;
    return offBits + stride * height <= file.size();
}

// Formats without shrinking while decoding are read whole, within limits.
bool ReadWhole(QImageReader &reader, const QByteArray &file, TPictureFormat format, QSize size, QImage &out)
{
    // A header may claim far more pixels than its file could hold: deflate
    // packs at most about 1032 bytes into one, and a pixel takes at least a
    // bit.
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > MaxSmallPixels && pixels > file.size() * 8300)
        return false;
    if (format == TPictureFormat::Bmp && !BmpDataFits(file))
        return false;
    // Qt's decoders hand out four bytes a pixel, and a turn copies them.
    const qint64 cost = pixels * 4 * (reader.transformation() != QImageIOHandler::TransformationNone ? 2 : 1);
    if (file.size() + cost > MaxReadBytes)
        return false;
    reader.setAllocationLimit(int(MaxReadBytes / (1024 * 1024)));
    reader.setAutoTransform(true);
    QImage img;
    if (!reader.read(&img) || img.isNull())
        return false;
    out = std::move(img);
    return true;
}

// The file's bytes, mapped: only a regular file (after following links),
// opened without blocking, so a pipe or a device named like a picture is
// refused at once instead of hanging the game.
bool MapFile(const QString &path, QFile &file, QByteArray &bytes)
{
    if (path.startsWith(QLatin1Char(':'))) { // artwork built into the program
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly) || file.size() > MaxReadBytes)
            return false;
        bytes = file.readAll();
        return !bytes.isEmpty();
    }
    const int fd = OpenRegularFile(path);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    const qint64 size = file.size();
    if (size <= 0 || size > MaxReadBytes)
        return false;
    const uchar *data = file.map(0, size);
    if (!data)
        return false;
    bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    return true;
}

bool OpenHeader(QImageReader &reader, QBuffer &buffer, const QByteArray &bytes, QSize &size, TPictureFormat &format)
{
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return false;
    reader.setDevice(&buffer);
    reader.setDecideFormatFromContent(true);
    format = FormatOf(reader.format());
    if (format == TPictureFormat::Unknown)
        return false;
    size = reader.size();
    return size.width() > 0 && size.height() > 0 && qint64(size.width()) * size.height() <= MaxPixels;
}

} // namespace

bool ReadPictureHeader(const QString &path, QSize &size, TPictureFormat &format)
{
    QFile file;
    QByteArray bytes;
    QBuffer buffer;
    QImageReader reader;
    return MapFile(path, file, bytes) && OpenHeader(reader, buffer, bytes, size, format);
}

bool ReadPicture(const QString &path, QSize atLeast, QImage &out, TPictureFormat *format, bool *whole)
{
    QFile file;
    QByteArray bytes;
    return MapFile(path, file, bytes) && ReadPictureBytes(bytes, atLeast, out, format, whole);
}

bool ReadPictureBytes(const QByteArray &bytes, QSize atLeast, QImage &out, TPictureFormat *format, bool *whole)
{
    bool complete = true;
    QImageReader reader;
    QBuffer buffer;
    QSize size;
    TPictureFormat kind = TPictureFormat::Unknown;
    if (!OpenHeader(reader, buffer, bytes, size, kind))
        return false;
    QImage img;
    bool read = false;
    if (kind == TPictureFormat::Jpeg) {
        // Every JPEG, CMYK too, through the one decoder with its limits.
        TJpegFile jpeg;
        read = jpeg.Open(bytes) && ReadJpeg(jpeg, reader.transformation(), atLeast, MaxReadBytes - bytes.size(), img,
                                             &complete);
    } else {
        read = ReadWhole(reader, bytes, kind, size, img);
    }
    if (!read || img.isNull())
        return false;
    out = std::move(img);
    if (format)
        *format = kind;
    if (whole)
        *whole = complete;
    return true;
}
