#include "persist/ThumbCache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "base/FileName.h"
#include "base/FileRead.h"
#include "base/FileWrite.h"

namespace {

// A list of some ten thousand pictures; a larger one is not ours and is rebuilt.
constexpr qint64 MaxCacheListBytes = 4LL * 1024 * 1024;
// Ours are 54 + 732 x 174 bytes.
constexpr qint64 MaxThumbBytes = 54 + qint64(ThumbWidth) * 3 * ThumbHeight;

const QString kListName = QStringLiteral("cache.lst");

// The number of a thumbnail's file name, or -1 for any other name.
int ThumbNumber(const QString &name)
{
    static const QRegularExpression re(QStringLiteral("^(0|[1-9][0-9]{0,8})\\.bmp$"));
    const auto m = re.match(name);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString WithSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// The paths of the files directly inside a folder (`base` ends in '/')
// whose names are `wanted`: regular files only (no pipes or devices, which
// would block or never end), hidden ones included, whatever bytes their
// names are made of, in the order a file manager shows them.  Only wanted
// names cost a look at the file.
QStringList FilePaths(const QString &base, bool (*wanted)(const QString &name))
{
    QStringList names;
    for (const QString &name : FolderEntries(base))
        if (wanted(name) && IsRegularFile(base + name))
            names << name;
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    for (QString &name : names)
        name.prepend(base);
    return names;
}

bool IsPictureName(const QString &name)
{
    const int dot = int(name.lastIndexOf(QLatin1Char('.')));
    if (dot < 0)
        return false;
    const QString ext = name.mid(dot).toLower();
    return ext == QLatin1String(".jpg") || ext == QLatin1String(".jpeg") || ext == QLatin1String(".bmp");
}

bool IsInstalledName(const QString &name)
{
    return name.startsWith(QLatin1Char('A')) && name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
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
    QByteArray data;
    if (ReadRegularFile(path, MaxCacheListBytes, data) != TReadFile::Ok)
        return {};
    return ParseCacheList(data);
}

QStringList ParseCacheList(const QByteArray &bytes)
{
    const QString text = DecodeFileName(bytes);
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
        if (!l.contains(QLatin1Char('\r')) && !l.contains(QLatin1Char('\n')))
            out += EncodeFileName(l);
        out += "\r\n";
    }
    return out;
}

bool WriteCacheList(const QString &path, const QStringList &lines)
{
    return WriteWholeFile(path, CacheListBytes(lines));
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

} // namespace

QImage ParseThumb(const QByteArray &bytes)
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
    if (img.isNull())
        return {};
    for (int y = 0; y < ThumbHeight; ++y)
        memcpy(img.scanLine(y), p + offset + size_t(ThumbHeight - 1 - y) * rowBytes, rowBytes);
    return img;
}

QImage LoadThumb(const QString &path)
{
    // Every pixel comes from the file: a short one is refused whole.
    QByteArray bytes;
    if (ReadRegularFile(path, MaxThumbBytes + 1024, bytes) != TReadFile::Ok)
        return {};
    return ParseThumb(bytes);
}

TCacheFolder InspectCacheFolder(const QString &cacheDir)
{
    struct stat st {};
    if (::lstat(EncodeFileName(cacheDir).constData(), &st) != 0)
        return errno == ENOENT ? TCacheFolder::Missing : TCacheFolder::Foreign;
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return TCacheFolder::Foreign;
    return TCacheFolder::Ours;
}

bool IsCacheFileName(const QString &name) { return name == kListName || ThumbNumber(name) >= 0; }

bool ClearFolder(const QString &folder)
{
    const QString base = WithSlash(folder);
    bool ok = true;
    for (const QString &name : QDir(base).entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (IsCacheFileName(name))
            ok = QFile::remove(base + name) && ok;
    return ok;
}

bool PrepareCacheFolder(const QString &cacheDir)
{
    switch (InspectCacheFolder(cacheDir)) {
    case TCacheFolder::Ours:
        ClearFolder(cacheDir);
        return true;
    case TCacheFolder::Missing:
        return QDir().mkpath(cacheDir);
    case TCacheFolder::Foreign:
        break;
    }
    return false;
}

void SearchFiles(const QString &folder, QStringList &list) { list << FilePaths(WithSlash(folder), IsPictureName); }

void ListInstalled(const QString &imgFolder, QStringList &list) { list << FilePaths(WithSlash(imgFolder), IsInstalledName); }

std::vector<TCacheEntry> RestoreCache(const QStringList &lines, const QString &cacheDir,
                                      const std::function<void(int)> &progress)
{
    // One listing of the folder says which lines can have a thumbnail.
    std::vector<int> numbers;
    for (const QString &name : QDir(cacheDir).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const int n = ThumbNumber(name);
        if (n >= 0 && n < lines.size())
            numbers.push_back(n);
    }
    std::sort(numbers.begin(), numbers.end());
    std::vector<TCacheEntry> out;
    for (const int n : numbers) {
        const QString &path = lines.at(n);
        if (IsRegularFile(path)) {
            QImage thumb = LoadThumb(ThumbPath(cacheDir, n));
            if (!thumb.isNull())
                out.push_back({n, path, std::move(thumb)});
        }
        if (progress)
            progress(n);
    }
    return out;
}
