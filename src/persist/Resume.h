// The game to resume: the game on the table is kept in the player's state
// folder ($XDG_STATE_HOME/jigsy, or beside a portable program) while it is
// unfinished (on closing, and every minute after a change), brought back at
// the next start, and retired once it is finished or replaced by a new
// game.  The file is a saved game like any other.
//
// A resume file that cannot be loaded (damaged, hostile, a folder, its
// picture gone) is moved aside once, as "<name>.bad", and counts as absent:
// the game then starts on an empty table, and never asks the player about
// it again.
#pragma once

#include <QString>

#include "persist/SaveGame.h"

class TResumeFile {
public:
    // "resume.jgy" in the player's state folder, its name matched without
    // regard to case.
    TResumeFile();
    explicit TResumeFile(const QString &path) : m_path(path) {}

    const QString &Path() const { return m_path; }

    // Writes the game on the table, with the path of its picture, whole
    // into a fresh file that then replaces the old one.  False, with the
    // player's message naming the file in *error, when it could not be
    // written; the old file is then left as it was.
    bool Write(const Board &b, const QString &picture, QString *error = nullptr) const;
    // The same for a game already taken off the board (a writer thread
    // keeps it while the board goes on).
    bool Write(const TSavedGame &g, QString *error = nullptr) const;

    // Reads and checks the game to resume.  False when there is none; a
    // file that is there but cannot be loaded is moved aside first.
    bool Read(const Board &current, TSavedGame &out) const;

    // Moves the file out of the way (see MoveAside.h); used too when a game
    // read from it could still not be put on the table.
    void MoveAside() const;

    // The game was finished or replaced: nothing is left to resume.
    void Retire() const;

private:
    QString m_path;
};
