// What followed a move of the game: the window redraws, plays the sounds,
// drives its timers, refreshes its labels and shows the messages as told,
// in that order.  Answers of several steps add up with |=.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace game {

enum class TTimer : unsigned char { Keep, Start, Stop };

struct TAnswer {
    bool Redraw = false;     // draw one full frame
    bool Clock = false;      // the clock's text changed
    bool Progress = false;   // the "N из M" counter changed
    bool Lid = false;        // the box lid's picture, place or showing changed
    bool Buttons = false;    // pause, lid, edge or save changed state
    TTimer AniTimer = TTimer::Keep;   // quarter turns and the final fade
    TTimer ClockTimer = TTimer::Keep; // the one-second clock
    // Sounds.
    bool JoinClick = false;  // a join: wave item 0
    bool Milestone = false;  // a new tenth of the picture: an "Ok" sound
    bool Finish = false;     // the last join: the music stops, wave item 2
    bool NewTrack = false;   // a new game changes the music's track
    bool StopMusic = false;  // the music switch went off
    bool Background = false; // the installed background of the board's BgIndex
    bool ShowRecords = false; // the records window of the game on the table
    bool OfferHintJump = false; // the hinted piece lies beyond the window: offer to show it
    bool Close = false;       // without its piece shapes the game cannot go on
    bool Trays = false;       // the trays' strip: its trays, names or showing changed
    // The game moved on: it is kept for the next start within two seconds
    // (KeepForResume), a burst of moves in one write.
    bool KeepSoon = false;
    // What the picture browser offers as chosen next time.
    std::optional<QString> BrowserChoice;
    QStringList Messages;     // message boxes, once the rest is done

    TAnswer &operator|=(const TAnswer &o);
};

} // namespace game
