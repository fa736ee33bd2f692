// The selection: pieces and groups chosen together (Ctrl+click, or a rubber
// band drawn with Shift on the empty table) so that they move, turn and go
// into a tray as one.  A group is always selected whole.  Nothing of it is
// saved.
#pragma once

#include <QRect>
#include <vector>

#include "board/Board.h"
#include "play/PlayResult.h"

namespace play {

class TCellGrid;

bool IsSelected(const Board &b, int piece);
// The piece with its whole group: added when it was not selected, else
// taken out of the selection.
void ToggleSelected(Board &b, int piece);
void ClearSelection(Board &b);
// Adds every shown piece whose hit square's centre lies in the band, with
// its group.
void SelectInBand(Board &b, const TCellGrid &grid, const QRect &band);
// The pieces with their whole groups, each once, in the given order.
std::vector<int> WithGroups(const Board &b, const std::vector<int> &pieces);
// One piece of each loose piece and group in the pieces, in their order.
std::vector<int> Units(const Board &b, const std::vector<int> &pieces);

// A press of the left or middle button on a selected piece: the whole
// selection is lifted, each member keeping its offset from the pointer.
TPlayResult PressSelection(Board &b, int piece, int x, int y);
// Every selected piece follows the pointer.
TPlayResult DragSelectionTo(Board &b, int x, int y);
// The selection dropped: each loose piece and group of it is tested against
// its neighbours, and may join once.
TPlayResult DropSelection(Board &b);
// A quarter turn clockwise of every loose piece and group of the selection,
// each about its own centre, when turning is allowed and the selection is
// not being dragged.
TPlayResult TurnSelection(Board &b);

} // namespace play
