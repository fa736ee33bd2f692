// The browser's thumbnail cache (its folder is CacheDir() of the program
// files, beside Settings.ini or in the player's XDG cache): cache.lst holds
// one picture path a line (CR LF after every line, the last one too), and
// <n>.bmp is the 244 x 174 thumbnail of line n.  Entries are matched
// by line number alone; the cache always holds the one list built last.
// The game trusts only a real folder of its own there, deletes nothing in it
// but the files it writes, and reads no more entries than it holds
// thumbnails.
//
// Also the folder listings the browser builds its lists from.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

constexpr int ThumbWidth = 244;
constexpr int ThumbHeight = 174;

QString CacheListPath(const QString &cacheDir);
QString ThumbPath(const QString &cacheDir, int n);

// The lines of a cache list; empty when the file is missing or unreadable.
// CR LF, LF and CR all end a line; a last line without an end counts too.
QStringList ReadCacheList(const QString &path);
QStringList ParseCacheList(const QByteArray &bytes);
// Written whole (WriteWholeFile); false (old file kept) on failure.
bool WriteCacheList(const QString &path, const QStringList &lines);
// The cache list's exact bytes: UTF-8, CR LF after every line.  A path
// holding a line break cannot be stored: its line stays empty, so every
// later line still names its own thumbnail.
QByteArray CacheListBytes(const QStringList &lines);

// An uncompressed 24-bit BMP file; a failed write leaves no file behind.
bool SaveThumb(const QImage &thumb, const QString &path);
// A cached thumbnail, or a null image when the file is missing, unreadable,
// short, or anything but the bitmaps SaveThumb writes.
QImage LoadThumb(const QString &path);
QImage ParseThumb(const QByteArray &bytes);

// What stands where the cache should be.  Only a real folder of ours is
// read, cleared and written; a link (wherever it leads), a file or a
// folder of another user is left exactly as it is.
enum class TCacheFolder { Missing, Ours, Foreign };
TCacheFolder InspectCacheFolder(const QString &cacheDir);

// The files the cache writes: "cache.lst" and "<n>.bmp".
bool IsCacheFileName(const QString &name);
// Deletes the cache's own files directly inside a folder; every other file
// and subfolder stays.  False when one of ours could not be deleted.
bool ClearFolder(const QString &folder);
// Clears a cache folder of ours, or creates it when missing.  False when
// it is not ours or cannot be created; nothing is touched then.
bool PrepareCacheFolder(const QString &cacheDir);

// Picture files of a folder (not its subfolders): names ending in ".jpg",
// ".jpeg" or ".bmp" in any case, appended as folder + name.
void SearchFiles(const QString &folder, QStringList &list);
// The installed pictures: "*.jpg" whose name begins with a capital "A".
void ListInstalled(const QString &imgFolder, QStringList &list);

// One usable cache entry: the line it came from, the path and thumbnail.
struct TCacheEntry {
    int Line = 0;
    QString Path;
    QImage Thumb;
};
// Every line whose picture still exists and whose thumbnail can be read,
// in line order.  Only lines with a thumbnail in the folder are looked at,
// so a list far longer than the cache costs nothing; progress(n) is called
// after line n is looked at.
std::vector<TCacheEntry> RestoreCache(const QStringList &lines, const QString &cacheDir,
                                      const std::function<void(int)> &progress = {});
