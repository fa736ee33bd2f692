// Loading a saved game onto the table, step by step: the whole file is
// read and checked first; then the picture is set up and cut again like a
// new game's, and the saved places, turns, groups and flags go on the
// pieces.  A refused file, or a picture that cannot be set, leaves the game
// on the table as it was.  The main window lends its timers, drawing,
// cutting and buttons through TLoadGameHost; the order and the decisions
// live here.
#pragma once

#include <QString>

#include "board/NextPicture.h"

struct Board;
struct TSavedGame;

class TLoadGameHost : public TNextPictureHost {
public:
    virtual QString ChosenFile() const = 0; // the browser's picture
    virtual void SetChosenFile(const QString &path) = 0;
    virtual void StopAnimation() = 0;
    virtual void ShowInstalledBackground() = 0; // the board's BgIndex, not a file
    virtual bool CreateJigsy() = 0;            // false: the cutting has said why
    virtual void KeepPiecesOnTable() = 0;
    virtual void EnableSave() = 0;
    virtual void StartClock() = 0; // the clock timer, unless it runs already
    virtual void StopClock() = 0;
    // The window's own part of a game that replaced the one on the table.
    virtual void GameReplaced() = 0;
};

// How the load ended.
enum class TLoadOutcome {
    Refused,       // the file is no saved game, breaks its rules or names no picture
    PictureNotSet, // the picture could not be prepared; the old game goes on
    CutFailed,     // the pieces could not be cut; the table is left empty
    Loaded,        // the saved game is on the table and its clock runs
};

TLoadOutcome RunLoadGame(Board &board, TLoadGameHost &host, const QString &path);

// What the picture setup and the cutting read of a saved game: the cut,
// whether the picture is an installed one, and turning.
void ApplySavedCut(Board &b, const TSavedGame &g);
// Every flag of a saved game onto the board: the cut as above, the
// background number, joins, clock and mirroring; no finished display.
void ApplySavedFlags(Board &b, const TSavedGame &g);
