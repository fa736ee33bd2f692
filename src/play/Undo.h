// Taking moves back.  Every move of pieces the player may regret (a drag
// that joined nothing, a turn, and the other moves of the table that
// record a step) leaves the state before it here; Undo puts that state
// back and keeps the one it replaced for Redo.  A join is final: it ends
// the history, so nothing is ever taken apart.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "board/Board.h"

namespace play {

// Where one piece lies.
struct TPiecePlace {
    int32_t X = 0;
    int32_t Y = 0;
    uint8_t Rotation = 0;
    bool operator==(const TPiecePlace &o) const { return X == o.X && Y == o.Y && Rotation == o.Rotation; }
};

// What a step puts back.  Moves that change more of the table (trays,
// spreads) add their fields here and to TakeTable / PutTable.
struct TTableState {
    std::vector<TPiecePlace> Pieces; // in piece order
    std::vector<int> DrawOrder;
    std::vector<std::vector<int>> Trays; // each tray's pieces, in order
    bool operator==(const TTableState &o) const
    {
        return Pieces == o.Pieces && DrawOrder == o.DrawOrder && Trays == o.Trays;
    }
};

TTableState TakeTable(const Board &b);
// False (and nothing changed) when the state is of another set of pieces.
bool PutTable(Board &b, const TTableState &s);

class TUndo {
public:
    // Steps kept; the oldest goes first.
    static constexpr size_t kSteps = 50;

    // The table as it was before a move; whatever had been undone is gone.
    void Record(TTableState before);
    // Back one step / forward again; false when there is none (or the
    // board no longer fits it).
    bool Undo(Board &b);
    bool Redo(Board &b);
    void Clear();
    bool CanUndo() const { return !m_back.empty(); }
    bool CanRedo() const { return !m_forward.empty(); }

private:
    std::deque<TTableState> m_back;
    std::vector<TTableState> m_forward;
};

} // namespace play
