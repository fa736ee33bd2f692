// Whole-file writes when the disk is full, the device fails or the folder
// takes no new files: the old file stays whole and nothing is left behind.
#include <gtest/gtest.h>

#include "FileBytes.h"
#include "QtPrinters.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <sys/stat.h>

#include "FileSystemFixtures.h"
#include "base/FileWrite.h"
#include "base/ProfileFile.h"

namespace {

// A device that takes `room` bytes and then fails like a full disk, or
// fails its flush with `syncError`.
class TFailingWriter : public TFileWriter {
public:
    TFailingWriter(qint64 room, int syncError) : m_room(room), m_syncError(syncError) {}
    int Write(int fd, const char *data, size_t size) const override
    {
        if (m_room < 0 || qint64(size) <= m_room)
            return TFileWriter::Write(fd, data, size);
        TFileWriter::Write(fd, data, size_t(m_room));
        return ENOSPC;
    }
    int Sync(int fd) const override { return m_syncError ? m_syncError : TFileWriter::Sync(fd); }

private:
    qint64 m_room;
    int m_syncError;
};

// Another copy of the game taking the temporary away once it is written.
class TVanishingWriter : public TFileWriter {
public:
    int Sync(int fd) const override
    {
        const QString temp = QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd));
        return QFile::remove(temp) ? TFileWriter::Sync(fd) : EIO;
    }
};

struct TFailure {
    const char *name;
    qint64 room;   // bytes written before the disk is full; -1: unlimited
    int syncError; // errno of the flush, 0 for none
    int expected;  // errno the player is told about
    bool readOnlyFolder;
};

class FileWriteFailure : public ::testing::TestWithParam<TFailure> {};

const QByteArray kOld = "[Set]\nbgind=3\nPlayMusic=1\n";

} // namespace

TEST_P(FileWriteFailure, KeepsTheOldFileWholeAndLeavesNothingBehind)
{
    const TFailure &c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("Settings.ini");
    WriteAll(path, kOld);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), c.readOnlyFolder ? 0555 : 0777), 0);
    const QByteArray longer = kOld + QByteArray(600, 'x') + '\n';
    QString message;
    bool ok = false;
    {
        const TActAsNobody nobody;
        ok = WriteWholeFile(path, longer, &message, TFailingWriter(c.room, c.syncError));
    }
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    EXPECT_FALSE(ok);
    EXPECT_EQ(message, WriteFailureText(path, c.expected));
    EXPECT_EQ(ReadAll(path), kOld);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Settings.ini"});
}

INSTANTIATE_TEST_SUITE_P(
    Devices, FileWriteFailure,
    ::testing::Values(TFailure{"FullAtTheFirstByte", 0, 0, ENOSPC, false},
                      TFailure{"FullHalfWay", 100, 0, ENOSPC, false},
                      TFailure{"FlushFails", -1, EIO, EIO, false},
                      TFailure{"InPlaceFullHalfWay", 100, 0, ENOSPC, true},
                      TFailure{"InPlaceFlushFails", -1, EIO, EIO, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FileWrite, AReadOnlyFolderStillTakesAWritableFileInPlace)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Settings.ini");
    WriteAll(path, kOld);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    bool ok = false;
    bool newRefused = false;
    {
        const TActAsNobody nobody;
        ok = WriteWholeFile(path, "[Set]\nbgind=4\n");
        newRefused = !WriteWholeFile(dir.filePath("other.ini"), "x");
    }
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(newRefused);
    EXPECT_EQ(ReadAll(path), QByteArray("[Set]\nbgind=4\n"));
}

// A temporary of ours a day old is what a kill between the temporary and
// the rename left; a younger one may be another copy's write under way.
TEST(FileWrite, StaleTemporariesOfOursGoAndEveryOtherFileStays)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("game.jgy");
    // Ours, then names that only look alike, and another copy's write.
    const QStringList ours{"game.jgy.jigsy-tmp-Ab12Cd"};
    const QStringList others{"game.jgy.backup", "game.jgy.jigsy-tmp-Ab12C", "other.jgy.jigsy-tmp-Ab12Cd",
                             "game.jgy.jigsy-tmp-Ab1-Cd", "game.jgy.jigsy-tmp-Live01"};
    const QDateTime dayOld = QDateTime::currentDateTime().addSecs(-25 * 3600);
    for (const QString &n : ours + others) {
        WriteAll(dir.filePath(n), "x");
        QFile f(dir.filePath(n));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        if (!n.endsWith("Live01")) {
            ASSERT_TRUE(f.setFileTime(dayOld, QFileDevice::FileModificationTime));
        }
    }
    ASSERT_TRUE(WriteWholeFile(path, "[Set]\n"));
    QStringList expected = others;
    expected << "game.jgy";
    expected.sort();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

TEST(FileWrite, ATemporaryTakenAwayBeforeTheRenameIsToldAsSuch)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("resume.jgy");
    WriteAll(path, kOld);
    QString message;
    EXPECT_FALSE(WriteWholeFile(path, "[Set]\n", &message, TVanishingWriter()));
    EXPECT_EQ(message, WriteFailureText(path, -ENOENT));
    EXPECT_FALSE(message.contains("нет такой папки")) << message.toStdString();
    EXPECT_EQ(ReadAll(path), kOld);
}

TEST(FileWrite, AFullDiskKeepsTheOldSettingsAndSaysWhichFile)
{
    TSmallDisk disk;
    if (!disk.Mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const QString path = disk.Path("Settings.ini");
    WriteAll(path, kOld);
    ASSERT_TRUE(disk.Fill());
    TProfileFile f(path);
    f.WriteString("Set", "BgFileName", QString(5000, QLatin1Char('x')));
    QString error;
    EXPECT_FALSE(f.Close(&error));
    EXPECT_EQ(error, WriteFailureText(path, ENOSPC));
    EXPECT_EQ(ReadAll(path), kOld);
    EXPECT_EQ(QDir(disk.Path(".")).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({"Settings.ini", "filler"}));
    // Room again: the same writes, still pending, now commit.
    QFile::remove(disk.Path("filler"));
    EXPECT_TRUE(f.Close());
    EXPECT_EQ(TProfileFile(path).ReadRaw("Set", "BgFileName", nullptr).size(), 5000);
}
