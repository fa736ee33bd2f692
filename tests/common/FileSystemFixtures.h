// Real file systems in trouble, for tests of what the game writes: a small
// disk that is full, and a caller without the rights root always has.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <unistd.h>

// A tmpfs of a few pages mounted on a temporary folder.  Mounting needs
// root; where it is refused, Mounted() is false and the test skips.
class TSmallDisk {
public:
    explicit TSmallDisk(int kilobytes = 64)
    {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0777";
        m_mounted = m_dir.isValid() && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs",
                                               MS_NOSUID | MS_NODEV, options.constData()) == 0;
    }
    ~TSmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    TSmallDisk(const TSmallDisk &) = delete;
    TSmallDisk &operator=(const TSmallDisk &) = delete;

    bool Mounted() const { return m_mounted; }
    QString Path(const QString &name) const { return m_dir.filePath(name); }

    // Takes every free byte with a filler file; true when the disk is then full.
    bool Fill() const
    {
        const int fd = ::open(QFile::encodeName(Path(QStringLiteral("filler"))).constData(),
                              O_WRONLY | O_CREAT | O_APPEND, 0600);
        if (fd < 0)
            return false;
        const QByteArray block(4096, 'f');
        while (::write(fd, block.constData(), size_t(block.size())) >= 0) {
        }
        const int err = errno;
        ::close(fd);
        return err == ENOSPC;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

// While it lives, this thread's file operations run as user "nobody", so a
// folder without write rights refuses new files even when the suite runs
// as root.
class TActAsNobody {
public:
    TActAsNobody() : m_wasRoot(::geteuid() == 0)
    {
        if (m_wasRoot)
            ::setfsuid(65534);
    }
    ~TActAsNobody()
    {
        if (m_wasRoot)
            ::setfsuid(0);
    }
    TActAsNobody(const TActAsNobody &) = delete;
    TActAsNobody &operator=(const TActAsNobody &) = delete;

private:
    bool m_wasRoot;
};
