// The games the player began and left unfinished for another: the last
// five, each picture and cut once, kept as saved games in «Начатые игры»
// in the player's state folder, where the load dialog shows them.
#pragma once

#include <QString>
#include <QStringList>

struct Board;

constexpr int StartedGamesKept = 5;

class TStartedGames {
public:
    // «Начатые игры» in the player's state folder.
    TStartedGames();
    explicit TStartedGames(const QString &folder) : m_folder(folder) {}

    const QString &Folder() const { return m_folder; }

    // Keeps the game on the board (its picture file named by `picture`),
    // over an older one of the same picture and cut; the oldest beyond
    // StartedGamesKept go.  False with the player's message in *error when
    // it could not be written.
    bool Keep(const Board &b, const QString &picture, QString *error = nullptr) const;

    // The games kept, newest first.
    QStringList List() const;

private:
    QString m_folder;
};
