#include "game/Answer.h"

namespace game {

namespace {
TTimer Later(TTimer a, TTimer b) { return b == TTimer::Keep ? a : b; }
} // namespace

TAnswer &TAnswer::operator|=(const TAnswer &o)
{
    Redraw |= o.Redraw;
    Clock |= o.Clock;
    Progress |= o.Progress;
    Lid |= o.Lid;
    Buttons |= o.Buttons;
    AniTimer = Later(AniTimer, o.AniTimer);
    ClockTimer = Later(ClockTimer, o.ClockTimer);
    JoinClick |= o.JoinClick;
    Milestone |= o.Milestone;
    Finish |= o.Finish;
    NewTrack |= o.NewTrack;
    StopMusic |= o.StopMusic;
    Background |= o.Background;
    ShowRecords |= o.ShowRecords;
    OfferHintJump |= o.OfferHintJump;
    Close |= o.Close;
    Trays |= o.Trays;
    KeepSoon |= o.KeepSoon;
    if (o.BrowserChoice)
        BrowserChoice = o.BrowserChoice;
    Messages += o.Messages;
    return *this;
}

} // namespace game
