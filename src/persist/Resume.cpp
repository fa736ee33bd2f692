#include "persist/Resume.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

#include "base/FileName.h"
#include "base/FileWrite.h"
#include "base/ProgramFiles.h"
#include "persist/MoveAside.h"

namespace {

bool IsPlainFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink();
}

} // namespace

TResumeFile::TResumeFile() : m_path(UserStateDir() + QStringLiteral("/resume.jgy")) {}

bool TResumeFile::Write(const Board &b, const QString &picture, QString *error) const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const QFileInfo info(m_path);
    if ((info.exists() || info.isSymLink()) && !IsPlainFile(m_path))
        MoveAside();
    // A fresh file, so nothing of a larger game written before lingers in
    // it; renamed over the old one in one step.
    const QString fresh = m_path + QStringLiteral(".new");
    RemoveUnlessFolder(fresh);
    if (!WriteSavedGame(fresh, SavedGameFromBoard(b, picture), error)) {
        RemoveUnlessFolder(fresh);
        if (error) // the fresh file is our business; the player knows the one it replaces
            error->replace(DisplayFileName(fresh), DisplayFileName(m_path));
        return false;
    }
    if (std::rename(EncodeFileName(fresh).constData(), EncodeFileName(m_path).constData()) != 0) {
        if (error)
            *error = WriteFailureText(m_path, errno);
        RemoveUnlessFolder(fresh);
        return false;
    }
    return true;
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
