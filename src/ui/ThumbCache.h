// The browser's thumbnail cache (its folder is CacheDir() of the program
// files, beside Settings.ini or in the player's XDG cache): cache.lst holds
// one picture path a line (CR LF after every line, the last one too), and
// <n>.bmp is the 244 x 174 thumbnail of line n.  Entries are matched
// by line number alone; the cache always holds the one list built last.
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
// Written whole through a temporary file; false (old file kept) on failure.
bool WriteCacheList(const QString &path, const QStringList &lines);
// The cache list's exact bytes: UTF-8, CR LF after every line.
QByteArray CacheListBytes(const QStringList &lines);

// An uncompressed 24-bit BMP file; a failed write leaves no file behind.
bool SaveThumb(const QImage &thumb, const QString &path);
// A cached thumbnail, or a null image when the file is missing, unreadable
// or not of the thumbnail size.
QImage LoadThumb(const QString &path);

// Deletes every file directly inside a folder; subfolders stay.  False when
// some file could not be deleted.
bool ClearFolder(const QString &folder);
// Clears the cache folder, or creates it when missing.  False when it
// cannot be created.
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
// in line order.  progress(n) is called after line n is looked at.
std::vector<TCacheEntry> RestoreCache(const QStringList &lines, const QString &cacheDir,
                                      const std::function<void(int)> &progress = {});
