#include "persist/Resume.h"

#include <QDir>
#include <QFileInfo>

#include "base/ProgramFiles.h"
#include "persist/MoveAside.h"

namespace {

bool IsPlainFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink();
}

} // namespace

TResumeFile::TResumeFile() : m_path(PlayerStateFile(QStringLiteral("resume.jgy"))) {}

bool TResumeFile::Write(const Board &b, const QString &picture, QString *error) const
{
    return Write(SavedGameFromBoard(b, picture), error);
}

bool TResumeFile::Write(const TSavedGame &g, QString *error) const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const QFileInfo info(m_path);
    if ((info.exists() || info.isSymLink()) && !IsPlainFile(m_path))
        MoveAside();
    // Begun afresh, so nothing of a larger game written before lingers;
    // the new file replaces the old one in one step.
    return WriteFreshSavedGame(m_path, g, error);
}

bool TResumeFile::Read(const Board &current, TSavedGame &out) const
{
    const QFileInfo info(m_path);
    if (!info.exists() && !info.isSymLink())
        return false;
    TSavedGame g;
    if (!IsPlainFile(m_path) || ReadSavedGame(m_path, current, g) != TSaveCheck::Ok) {
        MoveAside();
        return false;
    }
    out = std::move(g);
    return true;
}

void TResumeFile::MoveAside() const { ::MoveAside(m_path); }

void TResumeFile::Retire() const { RemoveUnlessFolder(m_path); }
