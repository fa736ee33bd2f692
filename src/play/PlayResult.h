// What a step of play asks the main window to do afterwards.  The rules
// change the board; the window redraws, plays the sounds and drives the
// timers accordingly.
#pragma once

namespace play {

struct TPlayResult {
    bool Redraw = false;         // draw one full frame now
    bool StartAniTimer = false;  // a quarter turn has begun
    bool StopAniTimer = false;   // the turn or the fade is over
    bool PlayJoinClick = false;  // wave item 0
    bool PlayMilestone = false;  // a new tenth of the picture: an "Ok" sound
    // The last join: stop the clock, start the fade, stop the music and play
    // the completion sound (wave item 2).  The board's ShowFinished is set
    // and AniTurning cleared already.
    bool Finished = false;
};

} // namespace play
