#include "ui/ThumbCache.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

namespace {

// A cache list longer than this is not ours: it is refused as unreadable.
// A list of some ten thousand pictures; a larger one is not ours and is rebuilt.
constexpr qint64 MaxCacheListBytes = 4LL * 1024 * 1024;

QString WithSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// Names directly inside a folder, regular files only (no pipes or devices,
// which would block or never end), hidden ones included, in the order a
// file manager shows them.
QStringList FileNames(const QString &folder, const QStringList &filters = {})
{
    QDir dir(folder);
    return dir.entryList(filters, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

void PutLE16(uchar *p, quint16 v)
{
    p[0] = uchar(v);
    p[1] = uchar(v >> 8);
}

void PutLE32(uchar *p, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uchar(v >> (8 * i));
}

} // namespace

QString CacheListPath(const QString &cacheDir) { return WithSlash(cacheDir) + QStringLiteral("cache.lst"); }

QString ThumbPath(const QString &cacheDir, int n)
{
    return WithSlash(cacheDir) + QString::number(n) + QStringLiteral(".bmp");
}

QStringList ReadCacheList(const QString &path)
{
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly) || f.size() > MaxCacheListBytes)
        return {};
    const QByteArray data = f.read(MaxCacheListBytes + 1);
    if (data.size() > MaxCacheListBytes)
        return {};
    const QString text = QString::fromUtf8(data);
    QStringList lines;
    int start = 0;
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << text.mid(start, i - start);
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

QByteArray CacheListBytes(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines) {
        out += l.toUtf8();
        out += "\r\n";
    }
    return out;
}

bool WriteCacheList(const QString &path, const QStringList &lines)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = CacheListBytes(lines);
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool SaveThumb(const QImage &thumb, const QString &path)
{
    if (thumb.isNull())
        return false;
    const QImage img = thumb.convertToFormat(QImage::Format_BGR888);
    const int w = img.width();
    const int h = img.height();
    const int rowBytes = (w * 3 + 3) & ~3;
    const quint32 dataSize = quint32(rowBytes) * quint32(h);
    QByteArray out(54 + int(dataSize), '\0');
    uchar *p = reinterpret_cast<uchar *>(out.data());
    p[0] = 'B';
    p[1] = 'M';
    PutLE32(p + 2, 54 + dataSize); // file size
    PutLE32(p + 10, 54);           // offset of the pixels
    PutLE32(p + 14, 40);           // BITMAPINFOHEADER
    PutLE32(p + 18, quint32(w));
    PutLE32(p + 22, quint32(h));   // positive: bottom row first
    PutLE16(p + 26, 1);            // planes
    PutLE16(p + 28, 24);           // bits per pixel
    PutLE32(p + 30, 0);            // no compression
    PutLE32(p + 34, dataSize);
    PutLE32(p + 38, 2835);         // 72 dpi
    PutLE32(p + 42, 2835);
    for (int y = 0; y < h; ++y) {
        // Format_BGR888 holds blue, green, red per pixel: the file's order.
        memcpy(p + 54 + size_t(h - 1 - y) * size_t(rowBytes), img.constScanLine(y), size_t(w) * 3);
    }
    // A plain write: the list, written last and whole, is what makes a
    // thumbnail count, so a half-written one after a crash is never used.
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool ok = f.write(out) == out.size() && f.flush();
    f.close();
    if (!ok || f.error() != QFileDevice::NoError) {
        f.remove();
        return false;
    }
    return true;
}

namespace {

quint32 GetLE32(const uchar *p) { return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24; }
quint16 GetLE16(const uchar *p) { return quint16(p[0] | p[1] << 8); }

// The bitmaps this cache writes itself are read straight into 24-bit rows;
// null for anything else.
QImage ReadOwnThumb(const QByteArray &bytes)
{
    const int rowBytes = ThumbWidth * 3; // 732: already a multiple of 4
    if (bytes.size() < 54)
        return {};
    const uchar *p = reinterpret_cast<const uchar *>(bytes.constData());
    const quint32 offset = GetLE32(p + 10);
    if (p[0] != 'B' || p[1] != 'M' || GetLE32(p + 14) != 40 || GetLE32(p + 18) != quint32(ThumbWidth) ||
        GetLE32(p + 22) != quint32(ThumbHeight) || GetLE16(p + 28) != 24 || GetLE32(p + 30) != 0 ||
        offset < 54 || qint64(offset) + qint64(rowBytes) * ThumbHeight > bytes.size())
        return {};
    QImage img(ThumbWidth, ThumbHeight, QImage::Format_BGR888);
    for (int y = 0; y < ThumbHeight; ++y)
        memcpy(img.scanLine(y), p + offset + size_t(ThumbHeight - 1 - y) * rowBytes, rowBytes);
    return img;
}

} // namespace

QImage LoadThumb(const QString &path)
{
    // Ours are 54 + 732 x 174 bytes; anything much larger is not a
    // thumbnail, and a pipe or a device is none at all.
    const qint64 maxBytes = 4 * 1024 * 1024;
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly) || f.size() > maxBytes)
        return {};
    const QByteArray bytes = f.read(maxBytes + 1);
    if (bytes.size() > maxBytes)
        return {};
    f.close();
    QImage own = ReadOwnThumb(bytes);
    if (!own.isNull())
        return own;
    // Another writer's bitmap of the right size is taken too.
    QBuffer buf;
    buf.setData(bytes);
    buf.open(QIODevice::ReadOnly);
    QImageReader reader(&buf, "BMP");
    if (reader.size() != QSize(ThumbWidth, ThumbHeight))
        return {};
    QImage img;
    if (!reader.read(&img))
        return {};
    return img;
}

bool ClearFolder(const QString &folder)
{
    const QString base = WithSlash(folder);
    bool ok = true;
    for (const QString &name : FileNames(base))
        ok = QFile::remove(base + name) && ok;
    return ok;
}

bool PrepareCacheFolder(const QString &cacheDir)
{
    if (QFileInfo(cacheDir).isDir()) {
        ClearFolder(cacheDir);
        return true;
    }
    return QDir().mkpath(cacheDir);
}

void SearchFiles(const QString &folder, QStringList &list)
{
    const QString base = WithSlash(folder);
    for (const QString &name : FileNames(base)) {
        const int dot = int(name.lastIndexOf(QLatin1Char('.')));
        if (dot < 0)
            continue;
        const QString ext = name.mid(dot).toLower();
        if (ext == QLatin1String(".jpg") || ext == QLatin1String(".jpeg") || ext == QLatin1String(".bmp"))
            list << base + name;
    }
}

void ListInstalled(const QString &imgFolder, QStringList &list)
{
    const QString base = WithSlash(imgFolder);
    for (const QString &name : FileNames(base, {QStringLiteral("*.jpg")})) {
        if (name.startsWith(QLatin1Char('A')))
            list << base + name;
    }
}

std::vector<TCacheEntry> RestoreCache(const QStringList &lines, const QString &cacheDir,
                                      const std::function<void(int)> &progress)
{
    std::vector<TCacheEntry> out;
    for (int n = 0; n < lines.size(); ++n) {
        const QString &path = lines.at(n);
        if (!path.isEmpty() && QFileInfo(path).isFile()) {
            QImage thumb = LoadThumb(ThumbPath(cacheDir, n));
            if (!thumb.isNull())
                out.push_back({n, path, std::move(thumb)});
        }
        if (progress)
            progress(n);
    }
    return out;
}
