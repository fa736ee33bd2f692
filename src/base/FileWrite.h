// Writing a whole file so that a full disk, a kill or a missing right never
// costs the player the file that was there.  The new bytes go to a
// temporary file beside the old one, are flushed to the disk and checked,
// and only then renamed over it; a failure at any step removes the
// temporary and leaves the old file exactly as it was.  A kill between the
// temporary and the rename leaves one behind: a write of the same file a
// day later removes it (a younger one may be another copy's write).
//
// A folder the player may not create files in (a read-only program folder
// holding a writable Settings.ini) is written in place instead: the room
// is reserved first, and a failure puts the old bytes back.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>

// The one seam where bytes meet the disk.  The system's writes with
// write(2) and flushes with fsync(2); tests put in one that fails the way
// a full or broken device does.
class TFileWriter {
public:
    virtual ~TFileWriter() = default;
    // Writes all `size` bytes to `fd`; 0, or the errno of the failure.
    virtual int Write(int fd, const char *data, size_t size) const;
    // Flushes `fd` to the disk; 0, or the errno of the failure.
    virtual int Sync(int fd) const;

    static const TFileWriter &System();
};

// Replaces the file at `path` with `data`.  Following a symbolic link, the
// file it names is replaced.  False with the player's message in *message
// (naming the file and what failed) when the file could not be written;
// the old file is then whole and no temporary is left.
bool WriteWholeFile(const QString &path, const QByteArray &data, QString *message = nullptr,
                    const TFileWriter &writer = TFileWriter::System());

// The player's message for a file that could not be written: its path and
// the failure in words (`errnum` is an errno value; negative when the file
// was written whole but could not take the old one's place).
QString WriteFailureText(const QString &path, int errnum);
// The failure of a write in words, for an errno value.
QString WhyWriteFailed(int errnum);
// The message for a file that exists but could not be read: writing ours
// would lose what it holds.
QString UnreadableFileText(const QString &path);

// Whether `name` is a temporary file this writer makes for `target` (a
// file name without folder).
bool IsOwnTemporaryName(const QString &name, const QString &target);
