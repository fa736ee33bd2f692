// The game for every player: calm motion, click to pick, the levels of the
// settings window, and the hint of where to begin.
#include "game/Game.h"

#include <algorithm>

#include "play/Animation.h"

namespace game {

// ---- calm motion ----

TAnswer TGame::AtOnce(TAnswer a)
{
    if (a.AniTimer != TTimer::Start || m_switches.Motion == TMotion::Full)
        return a;
    play::FinishAnimation(m_board);
    a.AniTimer = TTimer::Stop;
    a.Redraw = true;
    Changed(a);
    return a;
}

// ---- click to pick ----

bool TGame::ClickHoldPress(play::TMouseBtn button)
{
    if (!m_clickHold || !m_board.Dragging || button == play::TMouseBtn::Right)
        return false;
    m_clickDropNext = true;
    return true;
}

bool TGame::ClickHoldRelease()
{
    if (!m_clickHold || !m_board.Dragging)
        return m_clickHold = m_clickDropNext = false;
    if (!m_clickDropNext)
        return true; // the click that picked it up: the piece stays in hand
    m_clickHold = m_clickDropNext = false;
    return false;
}

void TGame::NoteClickPick(play::TMouseBtn button)
{
    if (button == play::TMouseBtn::Right)
        return; // a turn leaves the hold as it was
    m_clickHold = m_switches.ClickToPick && m_board.Dragging;
    m_clickDropNext = false;
}

// ---- the settings window ----

TAnswer TGame::SetLevel(TLevel which, int value)
{
    TAnswer a;
    const std::vector<int> &values = LevelValues(which);
    if (std::find(values.begin(), values.end(), value) == values.end())
        return a;
    switch (which) {
    case TLevel::Motion:
        m_switches.Motion = TMotion(value);
        m_switches.MotionChosen = true;
        break;
    case TLevel::UiScale: m_switches.UiScale = value; break;
    }
    a.Buttons = a.Lid = a.Redraw = true;
    QString error;
    if (!TSettingsFile().WriteLevel(which, value, &error))
        a.Messages << error;
    return a;
}

// ---- first steps ----

bool TGame::FirstStepsShown() const { return !m_switches.GamePlayed && !HasGame() && !m_board.Cutting; }

void TGame::NoteGamePlayed(TAnswer &a)
{
    if (m_switches.GamePlayed)
        return;
    m_switches.GamePlayed = true;
    a.Buttons = true;
    QString error;
    if (!TSettingsFile().WriteSwitch(TSwitch::GamePlayed, true, &error))
        a.Messages << error;
}

} // namespace game
