#include "persist/StartedGames.h"

#include <QDir>
#include <QFileInfo>

#include "base/FileName.h"
#include "base/ProgramFiles.h"
#include "board/Board.h"
#include "persist/SaveGame.h"

namespace {

// "<picture> — <pieces>.jgy": one file for each picture and cut.
QString FileNameOf(const Board &b, const QString &picture)
{
    QString name = QFileInfo(picture).completeBaseName();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStringLiteral("%1 — %2.jgy").arg(name).arg(PieceCount(b.Cut()));
}

} // namespace

TStartedGames::TStartedGames() : m_folder(PlayerStateDir() + QStringLiteral("/Начатые игры")) {}

bool TStartedGames::Keep(const Board &b, const QString &picture, QString *error) const
{
    QDir().mkpath(m_folder);
    if (!WriteFreshSavedGame(m_folder + QLatin1Char('/') + FileNameOf(b, picture), SavedGameFromBoard(b, picture),
                             error))
        return false;
    const QStringList games = List();
    for (int k = StartedGamesKept; k < games.size(); ++k)
        QFile::remove(games[k]);
    return true;
}

QStringList TStartedGames::List() const
{
    QStringList out;
    const QFileInfoList files =
        QDir(m_folder).entryInfoList({QStringLiteral("*.jgy")}, QDir::Files | QDir::NoSymLinks, QDir::Time);
    for (const QFileInfo &f : files)
        out << f.absoluteFilePath();
    return out;
}
