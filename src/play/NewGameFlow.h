// What the new-game button does, step by step: the picture browser, the
// new-game dialog, the cut, the cutting and the fresh start of the clock.
// The main window supplies the steps that touch its windows, timers and
// textures through TNewGameHost; the order and the decisions live here.
#pragma once

#include <QString>

#include "board/NextPicture.h"

struct Board;

class TNewGameHost : public TNextPictureHost {
public:
    virtual int ShowBrowser() = 0; // modal result; 1 = a picture was chosen
    virtual QString ChosenFile() const = 0; // an installed pair's "A" picture
    virtual bool SelfImg() const = 0;
    // 2 cancel, else 2 + the chosen cut's SizeIndex (3 = 35 pieces, 4 = 187,
    // 5 = 384, 6 = 600, 7 = 1000).
    virtual int ShowNewGameDialog() = 0;
    virtual bool RotationChecked() const = 0;
    virtual bool NewGame() = 0; // false: the pieces could not be cut
    virtual void EnableSave() = 0;
    virtual void StartRandomTrack() = 0;
    virtual void StartClock() = 0; // the clock timer, unless it runs already
};

// How the flow ended.
enum class TNewGameOutcome {
    BrowserClosed,     // no picture chosen
    PictureMissing,    // the chosen file is gone
    DialogCancelled,   // the new-game dialog answered 2
    TwinMissing,       // no "B" version of an installed picture
    PictureNotSet,     // the picture could not be prepared; the old game goes on
    CutFailed,         // the pieces could not be cut; the table is left empty
    Started,           // a new game is on the table
};

TNewGameOutcome RunNewGame(Board &board, TNewGameHost &host);
