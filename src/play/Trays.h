// Moving pieces between the table and the trays.  A piece goes into a tray
// with its whole group, and comes out with it; in the tray the pieces lie in
// the order they came, on a grid of cells 1.1 pitches wide, turned as they
// were.  Lying in a tray takes a piece off the table (ShownPieces).
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

#include "board/Board.h"

namespace play {

bool ValidTray(int tray);
// The tray each piece lies in, -1 for the table; one per piece.
std::vector<int> TrayOfPieces(const Board &b);
// The tray holding the piece, or -1.
int TrayHolding(const Board &b, int piece);

// The pieces, each with its whole group, into the tray after what it holds
// (out of any other tray and out of the selection).  Returns how many
// pieces came in; nothing happens for a tray that does not exist.
int PutInTray(Board &b, int tray, const std::vector<int> &pieces);
// What a drag under way would put into a tray: the selection or the
// dragged piece and its group.  The drag ends, the pieces back where it
// began, and they go into the tray.
int PutDraggedInTray(Board &b, int tray);

// The piece and its group out of their tray onto the table, the piece's
// hit square centred on (x, y) and its group round it as it lay, on top of
// the stacking order.  False when the piece is in no tray.
bool TakeOutOfTray(Board &b, int piece, int x, int y);
// Every piece of the tray out onto the table, at the places the spread
// finds for them in `area`; returns them.
std::vector<int> TakeAllOutOfTray(Board &b, int tray, const QRect &area);

// A new name for the tray, cut to MaxTrayNameChars; an empty name gives
// back the default.
void RenameTray(Board &b, int tray, const QString &name);

// The grid inside a tray: cells 1.1 pitches wide of the cut, `columns` of
// them a row; the corner of item k's cell in board pixels from the
// grid's corner, and the rows needed for `count` items.
int TrayCell(const TCutInfo &cut);
QPoint TrayCellCorner(const TCutInfo &cut, int columns, int k);
int TrayRows(int columns, int count);

} // namespace play
