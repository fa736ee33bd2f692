#include "persist/Records.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <iterator>

#include "base/FileName.h"
#include "base/ProfileFile.h"
#include "base/ProgramFiles.h"
#include "board/Board.h"
#include "board/InstalledPicture.h"
#include "persist/MoveAside.h"

namespace {

// Longer than any game is ever played: beyond it an entry is damage.
constexpr int64_t kMaxSeconds = 100LL * 86400;

QString SectionOf(const TRecordTable &t)
{
    const QByteArray digest = QCryptographicHash::hash(t.Picture.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("p%1-%2-%3")
        .arg(QString::fromLatin1(digest))
        .arg(t.SizeIndex)
        .arg(t.RotateEnabled ? 1 : 0);
}

QString EntryKey(int k) { return QStringLiteral("r%1").arg(k); }

bool ParseEntry(const QString &text, TRecord &out)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2 && parts.size() != 3)
        return false;
    bool ok = false;
    const qlonglong s = parts[0].trimmed().toLongLong(&ok);
    if (!ok || s < 0 || s > kMaxSeconds)
        return false;
    const QDate d = QDate::fromString(parts[1].trimmed(), Qt::ISODate);
    if (!d.isValid())
        return false;
    int hints = 0;
    if (parts.size() == 3) {
        hints = parts[2].trimmed().toInt(&ok);
        if (!ok || hints < 0)
            return false;
    }
    out.Seconds = s;
    out.Date = d;
    out.Hints = hints;
    return true;
}

QString EntryText(const TRecord &r)
{
    const QString text = QStringLiteral("%1,%2").arg(r.Seconds).arg(r.Date.toString(Qt::ISODate));
    return r.Hints > 0 ? text + QStringLiteral(",%1").arg(r.Hints) : text;
}

std::vector<TRecord> ReadList(const TProfileFile &f, const TRecordTable &t)
{
    const QString sec = SectionOf(t);
    std::vector<TRecord> list;
    for (int k = 0; k < kRecordsKept; ++k) {
        TRecord r;
        if (ParseEntry(f.ReadString(sec, EntryKey(k), QString()), r))
            list = WithFinish(std::move(list), r);
    }
    return list;
}

bool WriteList(const QString &path, const TRecordTable &t, const std::vector<TRecord> &list, QString *error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    TProfileFile f(path);
    const QString sec = SectionOf(t);
    f.WriteString(sec, QStringLiteral("Picture"), t.File.isEmpty() ? t.Picture : t.File);
    for (int k = 0; k < kRecordsKept; ++k)
        f.WriteString(sec, EntryKey(k), size_t(k) < list.size() ? EntryText(list[size_t(k)]) : QString());
    return f.Close(error);
}

} // namespace

QString RecordPicture(const QString &pictureFile, bool ownImage)
{
    const QFileInfo info(pictureFile);
    const QString name = info.fileName();
    if (!ownImage || name.isEmpty())
        return info.absoluteFilePath();
    return info.absolutePath() + QLatin1Char('/') + name.mid(1);
}

TRecordTable RecordTableOf(const QString &pictureFile, bool ownImage, int sizeIndex, bool rotateEnabled)
{
    const QString chosen = ownImage ? InstalledChoice(pictureFile) : pictureFile;
    return {RecordPicture(pictureFile, ownImage), sizeIndex, rotateEnabled, QFileInfo(chosen).absoluteFilePath()};
}

QString RecordTitle(const QString &pictureFile, bool ownImage)
{
    const QFileInfo info(pictureFile);
    return ownImage ? DisplayFileName(info.completeBaseName().mid(1)) : DisplayFileName(info.fileName());
}

std::vector<TRecord> WithFinish(std::vector<TRecord> list, const TRecord &finish)
{
    const auto at = std::upper_bound(list.begin(), list.end(), finish, [](const TRecord &a, const TRecord &b) {
        return a.Seconds != b.Seconds ? a.Seconds < b.Seconds : a.Date < b.Date;
    });
    list.insert(at, finish);
    if (list.size() > size_t(kRecordsKept))
        list.resize(size_t(kRecordsKept));
    return list;
}

TRecordsFile::TRecordsFile() : m_path(PlayerStateFile(QStringLiteral("records.ini"))) {}

std::vector<TRecord> TRecordsFile::Read(const TRecordTable &t) const
{
    const TProfileFile f(m_path);
    return ReadList(f, t);
}

std::vector<TRecordList> TRecordsFile::ReadPicture(const QString &picture) const
{
    const TProfileFile f(m_path);
    std::vector<TRecordList> out;
    for (int size = 1; size < int(std::size(CutTable)); ++size)
        for (bool rotate : {false, true}) {
            std::vector<TRecord> list = ReadList(f, {picture, size, rotate, QString()});
            if (!list.empty())
                out.push_back({size, rotate, std::move(list)});
        }
    return out;
}

bool TRecordsFile::AddFinish(const TRecordTable &t, const TRecord &finish, QString *error) const
{
    const std::vector<TRecord> before = Read(t);
    const bool beaten = !before.empty() && finish.Seconds < before.front().Seconds;
    if (TProfileFile(m_path).Unreadable()) {
        MoveAside(m_path); // not a file of ours: a new one is begun
    }
    WriteList(m_path, t, WithFinish(before, finish), error);
    return beaten;
}

QString HintsText(int hints)
{
    const int tens = hints % 100, ones = hints % 10;
    const char *word = (tens >= 11 && tens <= 14) ? "подсказок"
                       : ones == 1                 ? "подсказка"
                       : (ones >= 2 && ones <= 4)  ? "подсказки"
                                                   : "подсказок";
    return QStringLiteral("%1 ").arg(hints) + QString::fromUtf8(word);
}
