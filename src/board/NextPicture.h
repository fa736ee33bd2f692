// Setting up the picture of the next game while the game on the table
// waits.  A new game and a loaded one both go through it: the table shows
// the cutting progress while the picture is read and fitted to the cut,
// and a picture that cannot be set gives the table back to the game that
// was on it.  The window lends its redraw timer, drawing, picture setup and
// messages through TNextPictureHost.
#pragma once

#include <QString>
#include <functional>

struct Board;

class TNextPictureHost {
public:
    virtual ~TNextPictureHost() = default;

    virtual void ShowMessage(const QString &text) = 0;
    virtual bool DrawTimerActive() const = 0;
    virtual void StopDrawTimer() = 0;
    virtual void StartDrawTimer() = 0;
    virtual void Draw() = 0;
    // Reads `path` for the board's cut; on failure it has said why.
    virtual bool Setimg(const QString &path) = 0;
};

// Shows the cutting progress and sets up `path` as the next game's picture.
// When it cannot be set: `undo` puts back what the caller changed for the
// next game, the progress goes, the periodic redraw of a game on the table
// runs again, the table is drawn and "img not set" is said; false.
bool SetNextPicture(Board &b, TNextPictureHost &host, const QString &path, const std::function<void()> &undo);
