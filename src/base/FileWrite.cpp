#include "base/FileWrite.h"

#include "base/FileName.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Temporaries are "<name>.jigsy-tmp-" and six letters or digits: a name no
// player's file is likely to have, so removing stale ones removes only ours.
const QLatin1String kTempMark(".jigsy-tmp-");
constexpr int kTempLetters = 6;
// A file rewritten in place is read first, to put back on failure; no file
// the game writes comes near this.
constexpr qint64 kMaxInPlaceBytes = 16LL * 1024 * 1024;

class TFd {
public:
    explicit TFd(int fd = -1) : m_fd(fd) {}
    ~TFd() { Close(); }
    TFd(const TFd &) = delete;
    TFd &operator=(const TFd &) = delete;
    int Get() const { return m_fd; }
    void Reset(int fd)
    {
        Close();
        m_fd = fd;
    }
    // 0, or the errno of a failed close (some file systems report a
    // failed write only there).
    int Close()
    {
        if (m_fd < 0)
            return 0;
        const int rc = ::close(m_fd);
        m_fd = -1;
        return rc == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

QByteArray Native(const QString &path) { return EncodeFileName(path); }

// A link is followed to the file it names, as an editor saving it would.
QString Target(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString real = info.canonicalFilePath();
    return real.isEmpty() ? info.symLinkTarget() : real;
}

QString RandomLetters()
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString s;
    for (int i = 0; i < kTempLetters; ++i)
        s += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)]);
    return s;
}

// A temporary left by a writer that was killed.  One younger than this may
// be another running copy's write under way, and is left alone.
constexpr qint64 kStaleSeconds = 24 * 3600;

void RemoveStaleTemporaries(const QString &folder, const QString &target)
{
    const QDir dir(folder);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    for (const QString &name : FolderEntries(folder)) {
        if (!IsOwnTemporaryName(name, target))
            continue;
        const QByteArray native = Native(dir.filePath(name));
        struct stat st {};
        if (::lstat(native.constData(), &st) == 0 && now - qint64(st.st_mtime) > kStaleSeconds)
            ::unlink(native.constData());
    }
}

int ReadAll(int fd, QByteArray &out)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return errno;
    if (!S_ISREG(st.st_mode))
        return EINVAL;
    if (st.st_size > kMaxInPlaceBytes)
        return EFBIG;
    out.resize(qsizetype(st.st_size));
    qsizetype done = 0;
    while (done < out.size()) {
        const ssize_t n = ::pread(fd, out.data() + done, size_t(out.size() - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            break;
        done += n;
    }
    out.truncate(done);
    return 0;
}

int WriteFrom(int fd, const QByteArray &data, const TFileWriter &writer)
{
    if (::lseek(fd, 0, SEEK_SET) < 0)
        return errno;
    if (const int err = writer.Write(fd, data.constData(), size_t(data.size())))
        return err;
    if (::ftruncate(fd, data.size()) != 0)
        return errno;
    return writer.Sync(fd);
}

// The whole new file beside the old one, flushed, then renamed over it.
int WriteBeside(const QString &target, const QByteArray &data, const TFileWriter &writer)
{
    struct stat old {};
    const bool hadOld = ::stat(Native(target).constData(), &old) == 0;
    QString temp;
    TFd fd;
    for (int attempt = 0; attempt < 64 && fd.Get() < 0; ++attempt) {
        temp = target + kTempMark + RandomLetters();
        const int f = ::open(Native(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (f < 0 && errno != EEXIST)
            return errno;
        fd.Reset(f);
    }
    if (fd.Get() < 0)
        return EEXIST;
    if (hadOld)
        ::fchmod(fd.Get(), old.st_mode & 07777); // the new file keeps the old one's rights
    int err = writer.Write(fd.Get(), data.constData(), size_t(data.size()));
    if (!err)
        err = writer.Sync(fd.Get());
    const int closeErr = fd.Close();
    if (!err)
        err = closeErr;
    // A failed rename is told apart from a failed write by its sign.
    if (!err && ::rename(Native(temp).constData(), Native(target).constData()) != 0)
        err = -errno;
    if (err) {
        ::unlink(Native(temp).constData());
        return err;
    }
    // The rename itself reaches the disk with the folder.
    TFd dir(::open(Native(QFileInfo(target).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
    return 0;
}

// The old file overwritten where it lies, for a folder that takes no new
// files.  The room is reserved before the first byte changes; should a
// write still fail, the old bytes go back (they fitted before).
int WriteInPlace(const QString &target, const QByteArray &data, const TFileWriter &writer)
{
    TFd fd(::open(Native(target).constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK));
    if (fd.Get() < 0)
        return errno;
    QByteArray old;
    if (const int err = ReadAll(fd.Get(), old))
        return err;
    if (data.size() > old.size() && ::fallocate(fd.Get(), FALLOC_FL_KEEP_SIZE, 0, data.size()) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS)
        return errno;
    const int err = WriteFrom(fd.Get(), data, writer);
    if (err)
        WriteFrom(fd.Get(), old, TFileWriter::System());
    const int closeErr = fd.Close();
    return err ? err : closeErr;
}

} // namespace

int TFileWriter::Write(int fd, const char *data, size_t size) const
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        data += n;
        size -= size_t(n);
    }
    return 0;
}

int TFileWriter::Sync(int fd) const { return ::fsync(fd) == 0 ? 0 : errno; }

const TFileWriter &TFileWriter::System()
{
    static const TFileWriter writer;
    return writer;
}

bool IsOwnTemporaryName(const QString &name, const QString &target)
{
    const QString prefix = target + kTempMark;
    if (name.size() != prefix.size() + kTempLetters || !name.startsWith(prefix))
        return false;
    for (int i = int(prefix.size()); i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c.unicode() > 127 || !c.isLetterOrNumber())
            return false;
    }
    return true;
}

bool WriteWholeFile(const QString &path, const QByteArray &data, QString *message, const TFileWriter &writer)
{
    const QString target = Target(path);
    const QFileInfo info(target);
    RemoveStaleTemporaries(info.absolutePath(), info.fileName());
    int err = info.isDir() ? EISDIR : WriteBeside(target, data, writer);
    if ((err == EACCES || err == EPERM || err == -EACCES || err == -EPERM) && info.isFile())
        err = WriteInPlace(target, data, writer);
    if (err && message)
        *message = WriteFailureText(path, err);
    return err == 0;
}

QString WriteFailureText(const QString &path, int errnum)
{
    if (errnum < 0) {
        // Everything was written; only putting the new file in the old one's
        // place failed.
        const QString why = -errnum == ENOENT ? QStringLiteral("новый файл пропал, не успев её заменить")
                                              : WhyWriteFailed(-errnum);
        return QStringLiteral("Не удалось заменить файл «%1» новой записью: %2.").arg(DisplayFileName(path), why);
    }
    return QStringLiteral("Не удалось записать файл «%1»: %2.").arg(DisplayFileName(path), WhyWriteFailed(errnum));
}

QString WhyWriteFailed(int errnum)
{
    QString why;
    switch (errnum) {
    case ENOSPC:
    case EDQUOT:
        why = QStringLiteral("на диске нет места");
        break;
    case EACCES:
    case EPERM:
        why = QStringLiteral("нет права на запись");
        break;
    case EROFS:
        why = QStringLiteral("диск открыт только для чтения");
        break;
    case ENOENT:
    case ENOTDIR:
        why = QStringLiteral("нет такой папки");
        break;
    case EISDIR:
        why = QStringLiteral("на его месте папка");
        break;
    case EFBIG:
        why = QStringLiteral("файл слишком велик");
        break;
    case ENAMETOOLONG:
        why = QStringLiteral("слишком длинное имя");
        break;
    case EIO:
        why = QStringLiteral("ошибка ввода-вывода");
        break;
    default:
        why = QStringLiteral("системная ошибка %1").arg(errnum);
        break;
    }
    return why;
}

QString UnreadableFileText(const QString &path)
{
    return QStringLiteral("Не удалось записать файл «%1»: он есть, но не читается, "
                          "и запись стёрла бы то, что в нём.")
        .arg(DisplayFileName(path));
}
