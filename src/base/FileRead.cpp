#include "base/FileRead.h"

#include "base/FileName.h"

#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int OpenRegularFile(const QString &path)
{
    // O_NONBLOCK: opening a pipe with no writer would otherwise wait for ever.
    const int fd = ::open(EncodeFileName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int err = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        errno = err;
        return -1;
    }
    // Reads of a regular file never wait anyway; plain blocking reads from here.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

TReadFile ReadRegularFile(const QString &path, qint64 maxBytes, QByteArray &out)
{
    out.clear();
    const int fd = OpenRegularFile(path);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return TReadFile::Missing;
        return errno == EISDIR || errno == EINVAL ? TReadFile::NotAFile : TReadFile::Failed;
    }
    struct stat st {};
    TReadFile rc = TReadFile::Ok;
    if (::fstat(fd, &st) != 0) {
        rc = TReadFile::Failed;
    } else if (st.st_size > maxBytes) {
        rc = TReadFile::TooLarge;
    } else {
        // One byte more than allowed tells a file that grew meanwhile.
        out.resize(qsizetype(st.st_size) + 1);
        qsizetype done = 0;
        while (done < out.size()) {
            const ssize_t n = ::read(fd, out.data() + done, size_t(out.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                rc = TReadFile::Failed;
                break;
            }
            if (n == 0)
                break;
            done += n;
            if (done > maxBytes) {
                rc = TReadFile::TooLarge;
                break;
            }
            if (done == out.size())
                out.resize(std::min<qsizetype>(out.size() * 2, qsizetype(maxBytes) + 1));
        }
        out.truncate(done);
    }
    ::close(fd);
    if (rc != TReadFile::Ok)
        out.clear();
    return rc;
}
